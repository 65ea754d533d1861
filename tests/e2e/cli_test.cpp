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
    VelpResult target = velp({"-q", "prog"});
    EXPECT_EQ(target.code, 1);
    EXPECT_EQ(target.out, "prog.vel L1: \"prog.php\" can't be opened for writing\n"
                          "prog.php, compiled 0 lines, there is 1 error\n");
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

TEST_F(VelpTest, UnwritableTemporaryFileFailsTheFile) {
    write("prog.vel", hello);
    ASSERT_EQ(mkdir(at("EraseMe.Tmp.$$$.tmp").c_str(), 0755), 0);
    write("prog.php", "old");
    setTime("prog.vel", 1500000000);
    setTime("prog.php", 1400000000);
    VelpResult r = velp({"-q", "prog"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "Exception in parser: cannot write EraseMe.Tmp.$$$.tmp\n");
    EXPECT_EQ(mtime("prog.php"), 1500000000 - 2);

    // A page is prepared before its compilation: the run ends.
    write("page.vel", "<p>x</p>\n");
    r = velp({"-wq", "page"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "Exception in main: cannot write EraseMe.Tmp.$$$.tmp\n");
    EXPECT_FALSE(exists("page.php"));
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
