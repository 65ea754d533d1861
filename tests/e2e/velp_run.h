// Runs the real velp binary in a fresh working directory per test, with its
// standard output and standard error captured apart.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>
#include <vector>

#ifndef VELP_PROGRAM
#define VELP_PROGRAM VELP_BINARY_DIR "/velp"
#endif

struct VelpResult {
    int code = -1;
    int signal = 0;   // the signal that ended the run, 0 when it exited
    std::string out;
    std::string err;
};

class VelpTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/velp-e2e-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        path_ = std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin";
    }
    void TearDown() override {
        std::string command = "rm -rf '" + dir_ + "'";
        if (std::system(command.c_str()) != 0)
            ADD_FAILURE() << "could not remove " << dir_;
    }

    std::string at(const std::string& name) const { return dir_ + "/" + name; }

    void write(const std::string& name, const std::string& text) const {
        std::ofstream out(at(name), std::ios::binary);
        out << text;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(at(name), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool exists(const std::string& name) const {
        struct stat st;
        return stat(at(name).c_str(), &st) == 0;
    }
    time_t mtime(const std::string& name) const {
        struct stat st;
        return stat(at(name).c_str(), &st) == 0 ? st.st_mtime : 0;
    }
    void setTime(const std::string& name, time_t t) const {
        struct utimbuf times = {t, t};
        ASSERT_EQ(utime(at(name).c_str(), &times), 0) << name;
    }
    // Every file of the list at one time, in the past.
    void setTimes(const std::vector<std::string>& names, time_t t) const {
        for (const std::string& name : names)
            setTime(name, t);
    }

    // A php first on PATH that records its arguments, one a line, in
    // php.args and prints "stub ran".
    void stubPhp() {
        mkdir(at("bin").c_str(), 0755);
        write("bin/php", "#!/bin/sh\nprintf '%s\\n' \"$@\" > php.args\necho stub ran\n");
        chmod(at("bin/php").c_str(), 0755);
        path_ = dir_ + "/bin:" + path_;
    }

    // Starts velp in the folder, its output going to .stdout and .stderr;
    // `setup` runs in the child just before (limits, signals, a user).
    pid_t startVelp(const std::vector<std::string>& args,
                    const std::function<void()>& setup = nullptr) const {
        std::string out = at(".stdout"), err = at(".stderr");
        pid_t pid = fork();
        if (pid == 0) {
            if (chdir(dir_.c_str()) != 0)
                _exit(126);
            int o = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
            int e = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
            int in = open("/dev/null", O_RDONLY);
            dup2(o, 1);
            dup2(e, 2);
            dup2(in, 0);
            setenv("PATH", path_.c_str(), 1);
            // A run that hangs ends the test instead of the suite.
            alarm(30);
            if (setup)
                setup();
            std::vector<char*> argv;
            argv.push_back(const_cast<char*>("velp"));
            for (const std::string& a : args)
                argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            execv(VELP_PROGRAM, argv.data());
            _exit(127);
        }
        return pid;
    }

    VelpResult velp(const std::vector<std::string>& args,
                    const std::function<void()>& setup = nullptr) const {
        return finishVelp(startVelp(args, setup));
    }

    // Waits for a run started by startVelp and reads what it printed.
    VelpResult finishVelp(pid_t pid) const {
        VelpResult result;
        std::string out = at(".stdout"), err = at(".stderr");
        int status = 0;
        waitpid(pid, &status, 0);
        result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
        result.out = read(".stdout");
        result.err = read(".stderr");
        unlink(out.c_str());
        unlink(err.c_str());
        return result;
    }

    std::string dir_;
    std::string path_;
};

inline std::string banner() {
    return "\nVelandro-PHP 7 Compiler V. 18.5 - https://velp.example.org\n";
}

inline std::string usageText() {
    return banner() +
           "Usage: velp [options] filename\n"
           "Options:\n"
           "  -w   process a web page in HTML code\n"
           "  -r   run the compiled code, ignore errors\n"
           "  -c   rebuild all files\n"
           "  -v   verbose\n"
           "  -q   quiet\n";
}
