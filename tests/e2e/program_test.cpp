// Programs of several files, the up-to-date test, pages, and the command
// that runs the compiled program.
#include <sstream>

#include "velp_run.h"

namespace {

// The lines of a text that begin with one of the prefixes, in order.
std::string linesStartingWith(const std::string& text, std::vector<std::string> prefixes) {
    std::istringstream in(text);
    std::string line, kept;
    while (std::getline(in, line))
        for (const std::string& prefix : prefixes)
            if (line.compare(0, prefix.size(), prefix) == 0) {
                kept += line + "\n";
                break;
            }
    return kept;
}

TEST_F(VelpTest, IncludesCompileFirstInOrder) {
    write("main.vel", "# main\ninclude \"a.vel\"\ninclude \"b.vel\"\nprint \"main\"\n");
    write("a.vel", "include \"c.vel\"\nprint \"a\"\n");
    write("b.vel", "include \"c.vel\"\nprint \"b\"\n");
    write("c.vel", "print \"c\"\n");
    VelpResult r = velp({"-v", "main"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, banner() +
                         "Analyzing main.vel\n"
                         "included: ./a.vel\n"
                         "Analyzing ./a.vel\n"
                         "included: ./c.vel\n"
                         "Analyzing ./c.vel\n"
                         "included: ./b.vel\n"
                         "Analyzing ./b.vel\n"
                         "included: ./c.vel\n"
                         "Compiling ./c.vel\n"
                         "./c.php, compiled 1 lines\n"
                         "Compiling ./a.vel\n"
                         "./a.php, compiled 2 lines\n"
                         "Compiling ./b.vel\n"
                         "./b.php, compiled 2 lines\n"
                         "Compiling main.vel\n"
                         "main.php, compiled 4 lines\n"
                         "Running main.php\n"
                         "c\na\nb\nmain\n");

    // Without running: the line of processed files closes the output.
    r = velp({"-c", "main"});
    EXPECT_EQ(r.out, banner() +
                         "./c.php, compiled 1 lines\n"
                         "./a.php, compiled 2 lines\n"
                         "./b.php, compiled 2 lines\n"
                         "main.php, compiled 4 lines\n"
                         "4 files processed.\n");
    EXPECT_EQ(velp({"-cq", "main"}).out, "");
}

TEST_F(VelpTest, IncludesAreRelativeToTheMainFile) {
    mkdir(at("src").c_str(), 0755);
    mkdir(at("src/sub").c_str(), 0755);
    write("src/main.vel", "include \"sub/a.vel\"\nprint \"main\"\n");
    write("src/sub/a.vel", "include \"lib.vel\"\nprint \"a\"\n");
    write("src/lib.vel", "print \"lib\"\n");
    VelpResult r = velp({"-q", "src/main"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(exists("src/sub/a.php"));
    EXPECT_TRUE(exists("src/lib.php"));
    EXPECT_EQ(linesStartingWith(velp({"-cv", "src/main"}).out, {"Compiling"}),
              "Compiling src/lib.vel\nCompiling src/sub/a.vel\nCompiling src/main.vel\n");
}

TEST_F(VelpTest, IncludeCycleCompilesEachFileOnce) {
    write("a.vel", "include \"b.vel\"\nprint \"a\"\n");
    write("b.vel", "include \"a.vel\"\nprint \"b\"\n");
    VelpResult r = velp({"-v", "a"});
    EXPECT_EQ(linesStartingWith(r.out, {"Analyzing", "included:", "Compiling"}),
              "Analyzing a.vel\n"
              "included: ./b.vel\n"
              "Analyzing ./b.vel\n"
              "included: ./a.vel\n"
              "Compiling a.vel\n"
              "Compiling ./b.vel\n");
}

TEST_F(VelpTest, MissingIncludeEndsTheRun) {
    write("main.vel", "include \"lib.vel\"\nprint 1\n");
    VelpResult r = velp({"-q", "main"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "./lib.vel not found. Compilation aborted.\n");
    EXPECT_FALSE(exists("main.php"));
}

TEST_F(VelpTest, NothingOutOfDateRunsAtOnce) {
    stubPhp();
    write("main.vel", "include \"a.vel\"\nprint 1\n");
    write("a.vel", "print 2\n");
    velp({"-q", "main"});
    const std::vector<std::string> files = {"main.vel", "a.vel", "main.php", "a.php"};
    setTimes(files, 1600000000);
    unlink(at("php.args").c_str());

    VelpResult r = velp({"main", "x"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "stub ran\n");   // no banner, nothing compiled
    EXPECT_EQ(read("php.args"), "-q\nmain.php\nx\n");
    EXPECT_EQ(mtime("main.php"), 1600000000);

    // One included source newer than its target: every file is compiled.
    setTime("a.vel", 1600000001);
    r = velp({"-v", "main"});
    EXPECT_EQ(linesStartingWith(r.out, {"Compiling"}), "Compiling ./a.vel\nCompiling main.vel\n");
    EXPECT_GT(mtime("a.php"), 1600000001);
    EXPECT_GT(mtime("main.php"), 1600000001);
}

TEST_F(VelpTest, ErrorsInAnyFileFailTheRun) {
    stubPhp();
    write("main.vel", "include \"a.vel\"\nprint 1\n");
    write("a.vel", "print 1 and true\n");
    setTimes({"main.vel", "a.vel"}, 1600000000);
    VelpResult r = velp({"main"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, banner() +
                         "./a.vel L1: can't solve boolean expression on integer and boolean\n"
                         "./a.php, compiled 1 lines, there is 1 error\n"
                         "main.php, compiled 2 lines\n"
                         "2 files processed.\n");
    EXPECT_FALSE(exists("php.args"));
    EXPECT_EQ(mtime("a.php"), 1600000000 - 2);
    EXPECT_GT(mtime("main.php"), 1600000000);

    r = velp({"-qr", "main"});   // r runs it whatever the errors
    EXPECT_EQ(r.out, "./a.vel L1: can't solve boolean expression on integer and boolean\n"
                     "./a.php, compiled 1 lines, there is 1 error\n"
                     "stub ran\n");
}

TEST_F(VelpTest, RunCommandQuotesEveryWord) {
    stubPhp();
    write("my prog.vel", "print 1\n");
    VelpResult r = velp({"-v", "my prog", "a b", "$HOME;x", "it's", "", "*"});
    EXPECT_EQ(r.code, 0);
    // velp's lines come before the program's.
    std::string tail = "Running my prog.php a b $HOME;x it's  *\nstub ran\n";
    ASSERT_GE(r.out.size(), tail.size());
    EXPECT_EQ(r.out.substr(r.out.size() - tail.size()), tail);
    EXPECT_EQ(read("php.args"), "-q\nmy prog.php\na b\n$HOME;x\nit's\n\n*\n");
}

const char* const page =
    "<html>\n"
    "<p>a|}b</p><?vel print \"x\" ?>\n"
    "caf\xc3\xa9\n"
    "<script language=\"velandro\">\n"
    "print \"y\" // comment\n"
    "</script>\n"
    "</html>\n";

TEST_F(VelpTest, PagesCompileAndRunOnlyWithR) {
    stubPhp();
    write("page.vel", page);
    VelpResult r = velp({"-wv", "page"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, banner() +
                         "Analyzing page.vel page\n"
                         "Processing the page.vel page\n"
                         "page.php, compiled 7 lines\n");
    EXPECT_FALSE(exists("php.args"));
    std::string php = read("page.php");
    const std::string head = "<html>\n<p>a|}b</p><?php echo \"x\", \"\\n\"; ?>\ncaf\xc3\xa9\n<";
    EXPECT_EQ(php.substr(0, head.size()), head);
    EXPECT_NE(php.find("echo \"y\", \"\\n\";"), std::string::npos);
    EXPECT_FALSE(exists("EraseMe.Tmp.$$$.tmp"));

    r = velp({"-wrq", "page"});
    EXPECT_EQ(r.out, "stub ran\n");
    EXPECT_EQ(read("php.args"), "-q\npage.php\n");

    // Up to date: run at once, pages too.
    setTimes({"page.vel", "page.php"}, 1600000000);
    unlink(at("php.args").c_str());
    r = velp({"-wv", "page"});
    EXPECT_EQ(r.out, banner() + "Analyzing page.vel page\nParsing page.php\nstub ran\n");
}

TEST_F(VelpTest, PageRunsUnderPhp) {
    write("page.vel",
          "<ul>\n<?vel print 1 + 1 ?><li>|}</li>\n"
          "<script language='velandro'>print \"s\"</script>\n</ul>\n");
    VelpResult r = velp({"-wrq", "page"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "<ul>\n2\n<li>|}</li>\ns\n</ul>\n");
}

TEST_F(VelpTest, PageIncludesOfTheFirstCodeBlock) {
    write("page.vel", "<html>\n<?vel\ninclude \"head.vel\"\nprint 1\ninclude \"late.vel\"\n?>\n");
    write("head.vel", "<b>head</b>\n");
    write("late.vel", "late\n");
    VelpResult r = velp({"-wv", "page"});
    EXPECT_EQ(linesStartingWith(r.out, {"Analyzing", "included:", "Processing"}),
              "Analyzing page.vel page\n"
              "included: ./head.vel\n"
              "Analyzing ./head.vel page\n"
              "Processing the ./head.vel page\n"
              "Processing the page.vel page\n");
    EXPECT_EQ(read("head.php"), "<b>head</b>\n");
    EXPECT_FALSE(exists("late.php"));
}

}  // namespace
