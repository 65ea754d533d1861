// Hostile surroundings: a configuration that is no file, a disk that fills
// up, runs that are ended by a signal or a closed pipe, tight limits of
// memory and open files, long names, files that may not be written, page
// text that holds PHP, CR line ends. Each run either does its work or says
// why not, and leaves nothing of its own behind.
#include "velp_run.h"

#include <dirent.h>
#include <grp.h>
#include <sys/resource.h>

#include <chrono>
#include <csignal>
#include <thread>

namespace {

void limit(int resource, rlim_t value)
{
    struct rlimit l = {value, value};
    setrlimit(resource, &l);
}

// A sanitizer build reserves more address space than any limit of it.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool sanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool sanitized = true;
#else
constexpr bool sanitized = false;
#endif
#else
constexpr bool sanitized = false;
#endif

// Ends a run that would take all memory quickly (not in a sanitizer build).
void limitMemory()
{
    if (!sanitized)
        limit(RLIMIT_AS, rlim_t(1) << 30);
}

class EnvironmentTest : public VelpTest {
protected:
    // The names in the folder, the harness's own files left out.
    std::vector<std::string> names() const
    {
        std::vector<std::string> all;
        DIR* d = opendir(dir_.c_str());
        while (struct dirent* e = readdir(d)) {
            std::string n = e->d_name;
            if (n != "." && n != ".." && n != ".stdout" && n != ".stderr")
                all.push_back(n);
        }
        closedir(d);
        std::sort(all.begin(), all.end());
        return all;
    }
    std::string listing() const
    {
        std::string text;
        for (const std::string& n : names())
            text += n + " ";
        return text;
    }
    // Any file of the run's own: a prepared copy or a target's temporary.
    bool leftovers() const
    {
        for (const std::string& n : names())
            if (n.rfind("EraseMe", 0) == 0 || n.find(".php.") != std::string::npos)
                return true;
        return false;
    }
};

TEST_F(EnvironmentTest, ConfigurationThatIsNoRegularFileIsNone)
{
    write("prog.vel", "print 1\n");
    const VelpResult plain = velp({"-q", "prog"});
    ASSERT_EQ(plain.out, "1\n");
    ASSERT_EQ(mkfifo(at("velp.ini").c_str(), 0644), 0);
    VelpResult fifo = velp({"-qc", "prog"});
    EXPECT_EQ(fifo.code, 0);
    EXPECT_EQ(fifo.out, "");
    unlink(at("velp.ini").c_str());
    ASSERT_EQ(symlink("/dev/zero", at("velp.ini").c_str()), 0);
    VelpResult zero = velp({"-q", "prog"}, limitMemory);
    EXPECT_EQ(zero.code, 0);
    EXPECT_EQ(zero.out, "1\n");
}

// A file-size limit makes the target's writes fail as a full disk does: the
// file fails with a diagnostic naming the target, which keeps what it had,
// and nothing is run.
TEST_F(EnvironmentTest, TargetThatCannotBeWrittenWholeFailsTheFile)
{
    std::string source, page;
    for (int i = 0; i < 2000; ++i) {
        source += "print 1\n";
        page += "<p><?vel print 1 ?></p>\n";
    }
    struct Case {
        std::vector<std::string> args;
        std::string name, text, summary;
    } cases[] = {
        {{"-q", "prog"}, "prog", source, "prog.php, compiled 2000 lines, there is 1 error\n"},
        {{"-qrw", "page"}, "page", page, "page.php, compiled 2000 lines, there is 1 error\n"},
    };
    stubPhp();
    for (const Case& c : cases) {
        write(c.name + ".vel", c.text);
        write(c.name + ".php", "old");
        setTimes({c.name + ".vel", c.name + ".php"}, 1500000000);
        setTime(c.name + ".vel", 1500000100);
        VelpResult r = velp(c.args, [] { limit(RLIMIT_FSIZE, 8192); });
        EXPECT_EQ(r.signal, 0) << c.name;
        EXPECT_EQ(r.code, 1) << c.name;
        EXPECT_EQ(r.out, c.name + ".vel L2001: \"" + c.name + ".php\" can't be opened for writing\n" +
                             c.summary)
            << c.name;
        EXPECT_EQ(read(c.name + ".php"), "old") << c.name;
        // made stale, so that the next run compiles it again
        EXPECT_EQ(mtime(c.name + ".php"), 1500000100 - 2) << c.name;
        EXPECT_FALSE(exists("php.args")) << c.name;
        EXPECT_FALSE(leftovers()) << listing();
    }
}

// A run ended by a signal in the middle of a compile removes its prepared
// copy and the target it was writing, then ends by that signal.
TEST_F(EnvironmentTest, SignalledRunsLeaveNothingBehind)
{
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        bool caught = false;
        for (int lines = 200000; lines <= 3200000 && !caught; lines *= 4) {
            std::string text = "int x = 1\n";
            for (int i = 0; i < lines; ++i)
                text += "x = x + 1\n";
            write("big.vel", text);
            write("big.php", "old");
            setTime("big.php", 1400000000);
            pid_t pid = startVelp({"-qc", "big"}, [] {
                for (int s : {SIGINT, SIGTERM, SIGHUP})
                    std::signal(s, SIG_DFL);
            });
            // the target's temporary shows that the compile is under way
            bool writing = false;
            for (int i = 0; i < 20000 && !writing; ++i) {
                for (const std::string& n : names())
                    writing = writing || n.rfind("big.php.", 0) == 0;
                if (!writing)
                    std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
            if (writing)
                kill(pid, signal);
            VelpResult r = finishVelp(pid);
            if (!writing || r.signal == 0)
                continue;   // the compile ended first: a longer one
            caught = true;
            EXPECT_EQ(r.signal, signal);
            EXPECT_FALSE(leftovers()) << signal << ": " << listing();
            EXPECT_EQ(read("big.php"), "old");
        }
        EXPECT_TRUE(caught) << "no compile was long enough to be ended by " << signal;
    }
}

// Output to a pipe nobody reads any more: by SIGPIPE, or by EPIPE when the
// signal is ignored, the run ends with nothing of its own left, and the
// program is not run.
TEST_F(EnvironmentTest, ClosedOutputPipeEndsTheRunCleanly)
{
    std::string text = "int x = 1\n";
    for (int i = 0; i < 100000; ++i)
        text += "print 1 and true\n";
    write("prog.vel", text);
    stubPhp();
    for (bool ignored : {false, true}) {
        int ends[2];
        ASSERT_EQ(pipe(ends), 0);
        pid_t pid = startVelp({"-cr", "prog"}, [&ends, ignored] {
            close(ends[0]);
            dup2(ends[1], 1);
            close(ends[1]);
            std::signal(SIGPIPE, ignored ? SIG_IGN : SIG_DFL);
        });
        close(ends[1]);
        close(ends[0]);   // the reader goes at once
        VelpResult r = finishVelp(pid);
        if (ignored) {
            EXPECT_EQ(r.signal, 0);
            EXPECT_EQ(r.code, 1);
        } else {
            EXPECT_EQ(r.signal, SIGPIPE);
        }
        EXPECT_FALSE(leftovers()) << ignored << ": " << listing();
        EXPECT_FALSE(exists("php.args")) << ignored;
    }
}

// Under the address-space limit of a container or a shared host, nesting
// at the limit compiles, and one level past it is one diagnostic.
TEST_F(EnvironmentTest, CompilesUnderAnAddressSpaceLimit)
{
    if (sanitized)
        GTEST_SKIP() << "a sanitizer build reserves more address space than the limit";
    std::string text = "int x = 1\n";
    for (int i = 0; i < 120; ++i)
        text += "if x = 1\n";
    text += "print " + std::string(1900, '(') + "1" + std::string(1900, ')') + "\n";
    for (int i = 0; i < 120; ++i)
        text += "/if\n";
    write("prog.vel", text + "print " + std::string(3000, '(') + "1" + std::string(3000, ')') +
                          "\n");
    VelpResult r = velp({"-qc", "prog"}, [] { limit(RLIMIT_AS, rlim_t(1) << 30); });
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "prog.php, compiled 243 lines, there is 1 error\n");
    EXPECT_NE(r.err.find("prog.vel:243:"), std::string::npos) << r.err.substr(0, 300);
    EXPECT_NE(r.err.find("expression nested too deeply"), std::string::npos);
}

// Each file of an include chain is closed before its includes are read: a
// chain deeper than the open-file limit compiles.
TEST_F(EnvironmentTest, IncludeChainDeeperThanTheOpenFileLimit)
{
    const int files = 100;
    std::string expected;
    for (int i = 0; i < files; ++i) {
        std::string include = i + 1 < files ? "include \"f" + std::to_string(i + 1) + ".vel\"\n" : "";
        write("f" + std::to_string(i) + ".vel", include + "print " + std::to_string(i) + "\n");
        expected = std::to_string(i) + "\n" + expected;
    }
    VelpResult r = velp({"-q", "f0"}, [] { limit(RLIMIT_NOFILE, 32); });
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, expected);
    EXPECT_FALSE(leftovers()) << listing();
}

// A base name may be as long as a name and ".vel" allow.
TEST_F(EnvironmentTest, LongFileNamesCompile)
{
    for (size_t length : {240, 245, 248, 251}) {
        const std::string base(length, 'n');
        write(base + ".vel", "print " + std::to_string(length) + "\n");
        VelpResult r = velp({"-q", base});
        EXPECT_EQ(r.code, 0) << length;
        EXPECT_EQ(r.out, std::to_string(length) + "\n") << length;
        EXPECT_TRUE(exists(base + ".php")) << length;
        EXPECT_FALSE(leftovers()) << length;
    }
}

// Runs as a user who is not root (root may write anything), in a folder
// that user may change.
class UserTest : public EnvironmentTest {
protected:
    void SetUp() override
    {
        EnvironmentTest::SetUp();
        ASSERT_EQ(chmod(dir_.c_str(), 0777), 0);
        if (geteuid() != 0)
            return;   // already such a user
        VelpResult probe = velp({}, asUser());
        if (probe.code != 0)
            GTEST_SKIP() << "velp cannot run as user 65534 here";
    }
    // Gives a file (or folder) to the user the runs take.
    void own(const std::string& name) const
    {
        if (geteuid() == 0) {
            ASSERT_EQ(lchown(at(name).c_str(), 65534, 65534), 0) << name;
        }
    }
    std::function<void()> asUser() const
    {
        if (geteuid() != 0)
            return nullptr;
        return [] {
            if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)
                _exit(125);
        };
    }
};

// A target that may not be written is reported as one that cannot be
// opened, and stays as it is: it is not replaced through a rename.
TEST_F(UserTest, ReadOnlyTargetIsLeftAsItIs)
{
    write("prog.vel", "print 1\n");
    write("prog.php", "old");
    own("prog.vel");
    own("prog.php");
    ASSERT_EQ(chmod(at("prog.php").c_str(), 0444), 0);
    setTime("prog.php", 1400000000);
    VelpResult r = velp({"-q", "prog"}, asUser());
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "prog.vel L1: \"prog.php\" can't be opened for writing\n"
                     "prog.php, compiled 0 lines, there is 1 error\n");
    EXPECT_EQ(read("prog.php"), "old");
    EXPECT_FALSE(leftovers()) << listing();
}

// A target that is a hard link of another file, here its own source, is
// never written through: beside the source it is replaced; in a folder
// that takes no new file, it is reported and left alone.
TEST_F(UserTest, HardLinkedTargetIsNeverWrittenThrough)
{
    const std::string source = "print \"hi\"\n";
    ASSERT_EQ(mkdir(at("sub").c_str(), 0777), 0);
    own("sub");
    write("sub/prog.vel", source);
    own("sub/prog.vel");
    ASSERT_EQ(link(at("sub/prog.vel").c_str(), at("sub/prog.php").c_str()), 0);
    VelpResult r = velp({"-q", "sub/prog"}, asUser());
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "hi\n");
    EXPECT_EQ(read("sub/prog.vel"), source);
    EXPECT_NE(read("sub/prog.php"), source);

    unlink(at("sub/prog.php").c_str());
    ASSERT_EQ(link(at("sub/prog.vel").c_str(), at("sub/prog.php").c_str()), 0);
    ASSERT_EQ(chmod(at("sub").c_str(), 0555), 0);
    r = velp({"-q", "sub/prog"}, asUser());
    ASSERT_EQ(chmod(at("sub").c_str(), 0777), 0);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "sub/prog.vel L1: \"sub/prog.php\" can't be opened for writing\n"
                     "sub/prog.php, compiled 0 lines, there is 1 error\n");
    EXPECT_EQ(read("sub/prog.vel"), source);
    EXPECT_EQ(read("sub/prog.php"), source);
}

// An include that exists but may not be read says why.
TEST_F(UserTest, UnreadableIncludeSaysWhy)
{
    write("prog.vel", "include \"lib.vel\"\nprint 1\n");
    write("lib.vel", "print 2\n");
    ASSERT_EQ(chmod(at("lib.vel").c_str(), 0), 0);
    VelpResult r = velp({"-q", "prog"}, asUser());
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "./lib.vel can't be opened: Permission denied. Compilation aborted.\n");
}

// Page text is never run as PHP, whatever the code block before it left
// open: served, the page shows the PHP tags in its text as text.
TEST_F(EnvironmentTest, PageTextNeverRunsAsPhp)
{
    write("page.vel",
          "<p>a</p>\n"
          "<?vel ~~ echo 1; ?>\n"
          "<p><?php echo \"RUN\"; ?></p>\n"
          "<?vel print `b ?>\n"
          "<p><?php echo \"RUN\"; ?></p>\n"
          "<?vel # note ?><?php echo \"RUN\"; ?>\n"
          "<?vel print 2 ?>\n");
    VelpResult r = velp({"-qcw", "page"});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "page.vel L2: syntax error\npage.vel L4: syntax error\n"
                     "page.php, compiled 8 lines, there are 2 errors\n");
    std::string command = "cd '" + dir_ + "' && php -q page.php > served.txt";
    ASSERT_EQ(std::system(command.c_str()), 0);
    // the template cut short prints an empty text
    EXPECT_EQ(read("served.txt"), "<p>a</p>\n"
                                  "<p><?php echo \"RUN\"; ?></p>\n"
                                  "\n"
                                  "<p><?php echo \"RUN\"; ?></p>\n"
                                  "<?php echo \"RUN\"; ?>\n"
                                  "2\n");
}

// CR alone ends a line as LF does, in sources and pages alike.
TEST_F(EnvironmentTest, CrLineEndsCompile)
{
    write("prog.vel", "print 1 // c\rprint 2\rprint 3\r");
    VelpResult r = velp({"-q", "prog"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "1\n2\n3\n");
    write("page.vel", "<p>\r<?vel print 1 // c\rprint 2 ?>\r</p>\r");
    r = velp({"-qcw", "page"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
    std::string command = "cd '" + dir_ + "' && php -q page.php > served.txt";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(read("served.txt"), "<p>\n1\n2\n</p>\n");
}

}  // namespace
