#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "driver/analyze.h"
#include "driver/include_graph.h"
#include "driver/page.h"
#include "driver/state.h"
#include "scratch.h"

namespace {

std::vector<std::string> compileOrder(IncludeGraph& graph) {
    std::vector<std::string> order;
    for (int i = graph.next(); i != -1; i = graph.next()) {
        graph[i].done = 1;
        graph.removeDependency(i);
        order.push_back(graph[i].name);
    }
    return order;
}

TEST(IncludeGraph, CompileOrder) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> edges;   // includer, included
        std::vector<std::string> order;
    };
    const Case cases[] = {
        {"includesFirst", {{"main", "a"}, {"a", "c"}, {"main", "b"}}, {"c", "a", "b", "main"}},
        {"cycleEarliestFirst", {{"a", "b"}, {"b", "a"}}, {"a", "b"}},
        {"includedTwice", {{"main", "a"}, {"main", "a"}}, {"a", "main"}},
        {"alone", {{"main", ""}}, {"main"}},
    };
    for (const Case& c : cases) {
        IncludeGraph graph;
        for (const auto& edge : c.edges) {
            int i = graph.add(edge.first);
            if (!edge.second.empty())
                graph.addDependency(i, graph.add(edge.second));
        }
        EXPECT_EQ(compileOrder(graph), c.order) << c.name;
    }
}

TEST(IncludeGraph, SpellingsOfOneFileAreOneEntry) {
    IncludeGraph graph;
    int a = graph.add("a.vel");
    EXPECT_EQ(graph.find("./a.vel"), a);
    EXPECT_EQ(graph.add("sub/../a.vel"), a);
    EXPECT_EQ(graph.find("A.vel"), -1);   // names stay case-sensitive
    EXPECT_EQ(graph.find(""), -1);        // the placeholder is never found
    EXPECT_EQ(graph[a].name, "a.vel");
    EXPECT_EQ(normalizeFileName("./src/./x/../lib.vel"), "src/lib.vel");
    EXPECT_EQ(normalizeFileName("../up.vel"), "../up.vel");
}

class Analysis : public ScratchDir {
protected:
    void SetUp() override {
        ScratchDir::SetUp();
        sourceFiles = IncludeGraph();
        verbose = 0;
        upToDate = 1;
    }
    void TearDown() override {
        verbose = 0;
        ScratchDir::TearDown();
    }
    std::vector<std::string> names() {
        std::vector<std::string> all;
        for (int i = 1; i < sourceFiles.size(); ++i)
            all.push_back(sourceFiles[i].name);
        return all;
    }
    std::vector<int> edgesOf(int i) { return sourceFiles[i].dependencies; }
};

TEST_F(Analysis, IncludesAfterCommentsUntilFirstCode) {
    write("main.vel",
          "# title\n"
          "// note\n"
          "/* a comment\n"
          "   over lines */\n"
          "<- a block\n"
          "   -> \n"
          "x\n"
          "include \"a.vel\"\n"
          "  include 'b.vel';\n"
          "print 1\n"
          "include \"c.vel\"\n");
    write("a.vel", "print 2\n");
    write("b.vel", "include \"a.vel\"\n");
    write("c.vel", "");
    sourceFileName = "main.vel";
    EXPECT_EQ(analyzeSource("./", true), 1);
    EXPECT_EQ(names(), (std::vector<std::string>{"main.vel", "./a.vel", "./b.vel"}));
    EXPECT_EQ(edgesOf(1), (std::vector<int>{2, 3}));
    EXPECT_EQ(edgesOf(3), (std::vector<int>{2}));
    EXPECT_TRUE(sourceFiles[1].isMain);
    EXPECT_FALSE(sourceFiles[2].isMain);
    EXPECT_EQ(upToDate, 0);   // no targets yet
}

TEST_F(Analysis, VerboseLines) {
    write("main.vel", "include \"lib.vel\"\ninclude \"x.php\"\ninclude_once(1)\n");
    write("lib.vel", "");
    sourceFileName = "main.vel";
    verbose = 1;
    testing::internal::CaptureStdout();
    analyzeSource("./", true);
    fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Analyzing main.vel\n"
              "included: ./lib.vel\n"
              "Analyzing ./lib.vel\n"
              "x.php not velandro, skipped\n"
              "included: \n"
              "included: \n");
}

TEST_F(Analysis, CycleEntersEachFileOnce) {
    write("a.vel", "include \"b.vel\"\n");
    write("b.vel", "include \"a.vel\"\n");
    sourceFileName = "a.vel";
    analyzeSource("./", true);
    EXPECT_EQ(names(), (std::vector<std::string>{"a.vel", "./b.vel"}));
    EXPECT_EQ(edgesOf(1), (std::vector<int>{2}));
    EXPECT_EQ(edgesOf(2), (std::vector<int>{1}));
    EXPECT_EQ(compileOrder(sourceFiles), (std::vector<std::string>{"a.vel", "./b.vel"}));
}

TEST_F(Analysis, IncludesAreRelativeToTheMainFile) {
    ASSERT_EQ(system("mkdir -p src/sub"), 0);
    write("src/main.vel", "include \"sub/a.vel\"\n");
    write("src/sub/a.vel", "include \"lib.vel\"\n");
    write("src/lib.vel", "");
    sourceFileName = "src/main.vel";
    analyzeSource("src/", true);
    EXPECT_EQ(names(), (std::vector<std::string>{"src/main.vel", "src/sub/a.vel", "src/lib.vel"}));
}

TEST_F(Analysis, ReopenedCommentStillFindsIncludes) {
    write("main.vel", "/* one */ /* two\n*/\ninclude \"a.vel\"\n");
    write("a.vel", "");
    sourceFileName = "main.vel";
    analyzeSource("./", true);
    EXPECT_EQ(names(), (std::vector<std::string>{"main.vel", "./a.vel"}));
}

TEST_F(Analysis, UpToDateTest) {
    write("a.vel", "include \"b.vel\"\n");
    write("b.vel", "");
    write("a.php", "");
    write("b.php", "");
    for (auto& f : {"a.vel", "b.vel", "a.php"})
        setTime(f, 1000000);
    setTime("b.php", 999999);   // one target older than its source
    sourceFileName = "a.vel";
    analyzeSource("./", true);
    EXPECT_EQ(upToDate, 0);

    sourceFiles = IncludeGraph();
    upToDate = 1;
    setTime("b.php", 1000000);   // same time counts as up to date
    sourceFileName = "a.vel";
    analyzeSource("./", true);
    EXPECT_EQ(upToDate, 1);
}

TEST_F(Analysis, MissingIncludeEndsTheRun) {
    write("main.vel", "include \"gone.vel\"\n");
    sourceFileName = "main.vel";
    EXPECT_EXIT(analyzeSource("./", true), ::testing::ExitedWithCode(1), "");
}

TEST_F(Analysis, ResolveInclude) {
    write("lib.vel", "");
    write("LIB.VEL", "");
    mkdir("sub dir", 0755);
    write("sub dir/l.vel", "");
    struct Case {
        const char* line;
        const char* name;
    } cases[] = {
        {"include \"lib.vel\"", "./lib.vel"},
        {"include 'LIB.VEL';", "./LIB.VEL"},
        {"include lib.vel; x", "./lib.vel"},
        {"include_once \"lib.vel\"", ""},
        {"include(\"lib.vel\")", ""},
        {"include \"x.php\"", ""},
        {"include", ""},
        // A quoted name is read whole.
        {"include \"sub dir/l.vel\"", "./sub dir/l.vel"},
        {"include 'sub dir/l.vel';", "./sub dir/l.vel"},
    };
    for (const Case& c : cases) {
        std::string line = c.line;
        EXPECT_EQ(resolveInclude(line, "./", line.find("include") + 7), c.name) << c.line;
    }
    std::string absolute = "include \"" + dir_ + "/lib.vel\"";
    EXPECT_EQ(resolveInclude(absolute, "src/", 7), dir_ + "/lib.vel");
}

TEST_F(Analysis, PageIncludesOfTheFirstCodeBlock) {
    write("page.vel",
          "<html>\n"
          "<?vel\n"
          "include \"head.vel\" // shared\n"
          "\n"
          "include \"foot.vel\"\n"
          "print 1\n"
          "include \"late.vel\"\n"
          "?>\n");
    write("head.vel", "<?vel include \"foot.vel\" ?>\n");
    write("foot.vel", "text\n");
    write("late.vel", "");
    sourceFileName = "page.vel";
    analyzeWebPage("./");
    EXPECT_EQ(names(), (std::vector<std::string>{"page.vel", "./head.vel", "./foot.vel"}));
    EXPECT_EQ(edgesOf(1), (std::vector<int>{2, 3}));
    EXPECT_EQ(edgesOf(2), (std::vector<int>{3}));
    for (int i = 1; i < sourceFiles.size(); ++i)
        EXPECT_TRUE(sourceFiles[i].isMain);
}

}  // namespace
