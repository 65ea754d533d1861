// A fresh working directory per test, removed afterwards, and small file
// helpers for the driver's tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <utime.h>

class ScratchDir : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/velp-driver-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        char cwd[4096];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        oldDir_ = cwd;
        ASSERT_EQ(chdir(dir_.c_str()), 0);
    }
    void TearDown() override {
        if (chdir(oldDir_.c_str()) != 0)
            return;
        std::string command = "rm -rf '" + dir_ + "'";
        if (std::system(command.c_str()) != 0)
            ADD_FAILURE() << "could not remove " << dir_;
    }

    static void write(const std::string& name, const std::string& text) {
        std::ofstream out(name, std::ios::binary);
        out << text;
    }
    static std::string read(const std::string& name) {
        std::ifstream in(name, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static void setTime(const std::string& name, time_t t) {
        struct utimbuf times = {t, t};
        ASSERT_EQ(utime(name.c_str(), &times), 0);
    }

    std::string dir_;
    std::string oldDir_;
};
