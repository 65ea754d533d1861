// The command line: usage text, options, output forms, summary lines, exit
// codes, the temporary file and the configuration file.
#include "velp_run.h"

namespace {

const char* const hello = "print \"hi\" // greeting\n";

TEST_F(VelpTest, UsageAndInvalidOptionsExitZero) {
    write("prog.vel", hello);
    struct Case {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{}, usageText()},
        {{"-v"}, usageText()},
        {{"-q"}, usageText()},
        {{"-", "/"}, usageText()},
        {{"-x", "prog"}, "Invalid option -x\n" + usageText()},
        {{"-vX", "prog"}, "Invalid option -X\n" + usageText()},
        {{"/home/p.vel"}, "Invalid option /h\n" + usageText()},
    };
    for (const Case& c : cases) {
        VelpResult r = velp(c.args);
        EXPECT_EQ(r.code, 0) << c.out;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
    }
    EXPECT_FALSE(exists("prog.php"));
}

TEST_F(VelpTest, MissingSourceExitsOne) {
    for (auto args : {std::vector<std::string>{"nofile"}, {"-w", "page.html"}}) {
        VelpResult r = velp(args);
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.out, args.back() + ".vel not found...\n");
    }
}

// A folder in place of a source or a target is no file: it is neither
// compiled as an empty source nor taken as an up-to-date target.
TEST_F(VelpTest, FoldersAreNoFiles) {
    mkdir(at("dir.vel").c_str(), 0755);
    VelpResult source = velp({"-q", "dir"});
    EXPECT_EQ(source.code, 1);
    EXPECT_EQ(source.out, "dir.vel not found...\n");
    EXPECT_FALSE(exists("dir.php"));

    write("prog.vel", "print 1\n");
    mkdir(at("prog.php").c_str(), 0755);
    setTime("prog.php", 1400000000);
    VelpResult target = velp({"-q", "prog"});
    EXPECT_EQ(target.code, 1);
    EXPECT_EQ(target.out, "prog.vel L1: \"prog.php\" can't be opened for writing\n"
                          "prog.php, compiled 0 lines, there is 1 error\n");
    // The failed compile leaves the folder's times alone.
    EXPECT_EQ(mtime("prog.php"), 1400000000);
}

TEST_F(VelpTest, MessageListing) {
    VelpResult r = velp({"-!", "prog"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out.substr(0, 32), "1 syntax error\n2 semantic error\n");
    EXPECT_NE(r.out.find("\n46 not declared\n"), std::string::npos);
    EXPECT_NE(r.out.find("\n69 \n"), std::string::npos);
    EXPECT_EQ(r.out.substr(r.out.size() - 23), "\n90 unbalanced XML tag\n");
}

TEST_F(VelpTest, OutputForms) {
    const std::string summary = "prog.php, compiled 1 lines\n";
    struct Case {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"prog"}, banner() + summary + "hi\n"},
        {{"-q", "prog.vel"}, "hi\n"},
        {{"-v", "prog"},
         banner() + "Analyzing prog.vel\nCompiling prog.vel\n" + summary + "Running prog.php\nhi\n"},
        {{"/v", "prog"},
         banner() + "Analyzing prog.vel\nCompiling prog.vel\n" + summary + "Running prog.php\nhi\n"},
        {{"-vq", "prog"}, "Analyzing prog.vel\nCompiling prog.vel\nRunning prog.php\nhi\n"},
        {{"-e", "-cv", "prog"}, banner() + "Analyzing prog.vel\nCompiling prog.vel\n" + summary},
        {{"-b", "prog"}, banner() + summary},
        {{"-cr", "prog"}, banner() + summary + "hi\n"},
    };
    write("prog.vel", hello);
    for (const Case& c : cases) {
        unlink(at("prog.php").c_str());
        VelpResult r = velp(c.args);
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(r.out, c.out) << c.args[0];
        EXPECT_TRUE(exists("prog.php"));
    }
}

TEST_F(VelpTest, NamesKeepTheirCase) {
    write("PROG.VEL", hello);
    VelpResult r = velp({"-q", "PROG.VEL"});
    EXPECT_EQ(r.out, "hi\n");
    EXPECT_TRUE(exists("PROG.php"));
    write("x.txt.vel", hello);
    EXPECT_EQ(velp({"-q", "x.txt"}).out, "hi\n");
    EXPECT_TRUE(exists("x.txt.php"));
}

TEST_F(VelpTest, SummaryLinesWithErrors) {
    struct Case {
        std::string source;
        std::vector<std::string> args;
        int code;
        std::string out;
    } cases[] = {
        {"print 1\nprint 1 and true\n", {"prog"}, 1,
         banner() + "prog.vel L2: can't solve boolean expression on integer and boolean\n"
                    "prog.php, compiled 2 lines, there is 1 error\n"},
        {"print 1 and true\nprint \"s\" + 1\nprint 2\n", {"-q", "prog"}, 2,
         "prog.vel L1: can't solve boolean expression on integer and boolean\n"
         "prog.vel L2: can't solve add or substract expression on text and integer\n"
         "prog.php, compiled 3 lines, there are 2 errors\n"},
    };
    for (const Case& c : cases) {
        write("prog.vel", c.source);
        setTime("prog.vel", 1500000000);
        VelpResult r = velp(c.args);
        EXPECT_EQ(r.code, c.code);
        EXPECT_EQ(r.out, c.out);   // the program is not run
        // The target is made older than its source, so the next run compiles again.
        EXPECT_EQ(mtime("prog.php"), 1500000000 - 2);
        r = velp({"-q", "prog"});
        EXPECT_NE(r.out.find("prog.php, compiled"), std::string::npos);
    }
}

TEST_F(VelpTest, ExitCodeOfManyErrorsIsCapped) {
    std::string source;
    for (int i = 0; i < 256; ++i)
        source += "print 1 and true\n";
    write("prog.vel", source);
    VelpResult r = velp({"-q", "prog"});
    EXPECT_EQ(r.code, 255);
    EXPECT_NE(r.out.find("prog.php, compiled 256 lines, there are 256 errors\n"), std::string::npos);
}

TEST_F(VelpTest, TemporaryFileDeletedOrKept) {
    write("prog.vel", "print \"a\" /* one\n two */ // three\nprint \"b\"\n");
    VelpResult r = velp({"-q", "prog"});
    EXPECT_EQ(r.out, "a\nb\n");
    EXPECT_FALSE(exists("EraseMe.Tmp.$$$.tmp"));
    r = velp({"-q~c", "prog"});
    EXPECT_EQ(read("EraseMe.Tmp.$$$.tmp"), "print \"a\"\n\nprint \"b\"\n");
}

// The prepared copy is made under a name of its own: a folder or a link of
// the kept copy's name neither stops the run nor is written through.
TEST_F(VelpTest, PreparedCopyNeverWritesThroughALink) {
    write("prog.vel", hello);
    ASSERT_EQ(mkdir(at("EraseMe.Tmp.$$$.tmp").c_str(), 0755), 0);
    VelpResult r = velp({"-q", "prog"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "hi\n");
    rmdir(at("EraseMe.Tmp.$$$.tmp").c_str());

    write("victim.txt", "precious\n");
    ASSERT_EQ(symlink("victim.txt", at("EraseMe.Tmp.$$$.tmp").c_str()), 0);
    r = velp({"-q~c", "prog"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(read("victim.txt"), "precious\n");
    EXPECT_EQ(read("EraseMe.Tmp.$$$.tmp"), "print \"hi\"\n");
    struct stat st;
    ASSERT_EQ(lstat(at("EraseMe.Tmp.$$$.tmp").c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
}

// A target that is a link is replaced by the new file; what it pointed at
// stays as it was.
TEST_F(VelpTest, TargetLinkIsReplacedNotWrittenThrough) {
    write("prog.vel", hello);
    write("victim.txt", "precious\n");
    setTime("victim.txt", 1400000000);
    ASSERT_EQ(symlink("victim.txt", at("prog.php").c_str()), 0);
    VelpResult r = velp({"-q", "prog"});
    EXPECT_EQ(r.out, "hi\n");
    EXPECT_EQ(read("victim.txt"), "precious\n");
    struct stat st;
    ASSERT_EQ(lstat(at("prog.php").c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
}

// The new target takes the place of the old one with the old one's
// permissions.
TEST_F(VelpTest, TargetKeepsItsPermissions) {
    write("prog.vel", hello);
    write("prog.php", "old");
    ASSERT_EQ(chmod(at("prog.php").c_str(), 0640), 0);
    setTime("prog.php", 1400000000);
    VelpResult r = velp({"-q", "prog"});
    EXPECT_EQ(r.out, "hi\n");
    struct stat st;
    ASSERT_EQ(stat(at("prog.php").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// A FIFO or a device as the source is no file to read, reported at once.
TEST_F(VelpTest, SourceThatIsNoRegularFileIsUnreadable) {
    ASSERT_EQ(mkfifo(at("fifo.vel").c_str(), 0644), 0);
    ASSERT_EQ(symlink("/dev/zero", at("zero.vel").c_str()), 0);
    for (const char* name : {"fifo", "zero"}) {
        VelpResult r = velp({"-q", name});
        EXPECT_EQ(r.code, 1) << name;
        EXPECT_EQ(r.out, std::string(name) + ".vel not found...\n");
    }
}

// Runs in one folder at the same time each read their own copy and write
// their own target: each prints what it prints alone.
TEST_F(VelpTest, ConcurrentRunsInOneFolder) {
    const int runs = 12;
    for (int i = 0; i < runs; ++i)
        write("p" + std::to_string(i) + ".vel",
              "int n = " + std::to_string(i) + "\nprint \"run\"\nprint n\n");
    std::string script = "cd '" + dir_ + "' && for i in $(seq 0 " + std::to_string(runs - 1) +
                         "); do '" VELP_PROGRAM "' -cq p$i > out$i.txt 2>&1 & done; wait";
    ASSERT_EQ(std::system(script.c_str()), 0);
    for (int i = 0; i < runs; ++i) {
        std::string n = std::to_string(i);
        EXPECT_TRUE(exists("p" + n + ".php")) << n;
        EXPECT_EQ(read("out" + n + ".txt"), "") << n;
        VelpResult r = velp({"-q", "p" + n});
        EXPECT_EQ(r.out, "run\n" + n + "\n");
    }
    // No prepared copy or half-written target is left behind.
    EXPECT_EQ(std::system(("ls '" + dir_ + "' | grep -q -e EraseMe -e 'php\\.'").c_str()) == 0,
              false);
}

TEST_F(VelpTest, ConfigurationFileHasNoEffect) {
    write("prog.vel", hello);
    VelpResult plain = velp({"prog"});
    unlink(at("prog.php").c_str());
    write("velp.ini", "# settings\nquiet = 1\nrebuild=1\n  verbose = yes\nno equals sign\n");
    VelpResult configured = velp({"prog"});
    EXPECT_EQ(configured.out, plain.out);
    EXPECT_EQ(configured.code, 0);
}

TEST_F(VelpTest, LongLinesAndUtf8ReadWhole) {
    std::string word(70000, 'x');
    write("prog.vel", "# caf\xc3\xa9\nprint \"" + word + "\"\nprint \"\xc3\xa9\"\n");
    VelpResult r = velp({"-q", "prog"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out == word + "\n\xc3\xa9\n") << r.out.size() << " bytes out";
    EXPECT_EQ(r.err.substr(0, 200), "");
    EXPECT_NE(read("prog.php").find("caf\xc3\xa9\n"), std::string::npos);
}

TEST_F(VelpTest, CommentMarksInsideTextsAndBlocksStay) {
    write("prog.vel",
          "print \"a\\\\\" /* one\n"
          " two */\n"
          "print `x // y\n"
          "/* z */ w`\n"
          "~~ echo \"n\"; // php\n"
          "~~\n"
          "print \"it\\\"s // here\"\n");
    VelpResult r = velp({"-q", "prog"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "a\\\nx // y\n/* z */ w\nnit\"s // here\n");
}

}  // namespace
