// The golden translation cases: each cases/<family>/<case>.vel (a source) or
// <case>.page (a page prepared as the driver prepares it) stands beside
//   <case>.php   the PHP expected (it must pass "php -l");
//   <case>.diag  optional: "errors: N", then the console lines in order,
//                "out: " for standard output, "err: " for standard error;
//                without it the case must translate silently with no error;
//   <case>.run   optional: what the PHP prints when run (standard input from
//                <case>.in when present); it must run without any message.
//
// With VELP_GOLDEN_WRITE set (`make golden`), each case's expected files are
// first rewritten from this build: the .php, the .diag (removed when the
// translation is silent), and the .run of a case that has one (an empty
// .run asks for the output to be recorded) when the program runs cleanly.
// A file is written only when what it says differs, so on a clean checkout
// nothing changes.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "harness.h"

namespace fs = std::filesystem;

namespace {

const fs::path casesFolder = fs::path(VELP_SOURCE_DIR) / "tests" / "translate" / "cases";

std::vector<fs::path> findCases()
{
    std::vector<fs::path> cases;
    for (const auto& entry : fs::recursive_directory_iterator(casesFolder)) {
        std::string ext = entry.path().extension().string();
        if (entry.is_regular_file() && (ext == ".vel" || ext == ".page"))
            cases.push_back(entry.path());
    }
    std::sort(cases.begin(), cases.end());
    return cases;
}

std::string caseName(const fs::path& file)
{
    std::string name = file.parent_path().filename().string() + "_" + file.stem().string();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

std::string sibling(const fs::path& file, const char* ext)
{
    fs::path path = file;
    path.replace_extension(ext);
    return path.string();
}

struct Expected {
    int errors = 0;
    std::string out;
    std::string err;

    bool operator==(const Expected& o) const {
        return errors == o.errors && out == o.out && err == o.err;
    }
    bool silent() const { return *this == Expected(); }
};

const bool rewriting = std::getenv("VELP_GOLDEN_WRITE") != nullptr;

// The .diag text of `e`: the count unless 0, then the lines of each stream.
std::string diagnosticsText(const Expected& e)
{
    std::string text = e.errors ? "errors: " + std::to_string(e.errors) + "\n" : "";
    for (const auto& [prefix, lines] : {std::pair{"out: ", &e.out}, std::pair{"err: ", &e.err}}) {
        std::istringstream in(*lines);
        std::string line;
        while (std::getline(in, line))
            text += prefix + line + "\n";
    }
    return text;
}

void rewriteIfChanged(const std::string& path, const std::string& text)
{
    if (!fs::exists(path) || readFile(path) != text)
        writeFile(path, text);
}

Expected readDiagnostics(const fs::path& file)
{
    Expected expected;
    std::string path = sibling(file, ".diag");
    if (!fs::exists(path))
        return expected;
    std::istringstream lines(readFile(path));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("errors: ", 0) == 0)
            expected.errors = std::stoi(line.substr(8));
        else if (line.rfind("out: ", 0) == 0)
            expected.out += line.substr(5) + "\n";
        else if (line.rfind("err: ", 0) == 0)
            expected.err += line.substr(5) + "\n";
        else
            ADD_FAILURE() << path << ": line without a known prefix: " << line;
    }
    return expected;
}

class GoldenCase : public testing::TestWithParam<fs::path> {};

TEST_P(GoldenCase, TranslatesAsExpected)
{
    const fs::path& file = GetParam();
    std::string expectedPhp = sibling(file, ".php");

    StartRule rule = file.extension() == ".page" ? StartRule::webPage : StartRule::sourceFile;
    std::string folder = makeTempFolder();
    std::string target = folder + "/" + file.stem().string() + ".php";
    startRun();
    Translation result = translate(readFile(file.string()), file.stem().string() + ".vel", rule,
                                   target);
    if (rewriting) {
        rewriteIfChanged(expectedPhp, result.php);
        Expected now{result.errors, result.out, result.err};
        std::string diag = sibling(file, ".diag");
        if (now.silent())
            fs::remove(diag);
        else if (!(readDiagnostics(file) == now))
            writeFile(diag, diagnosticsText(now));
    }

    ASSERT_TRUE(fs::exists(expectedPhp)) << "missing " << expectedPhp;
    CommandResult lint = runCommand("php -l " + expectedPhp);
    EXPECT_EQ(lint.status, 0) << expectedPhp << " fails php -l:\n" << lint.out << lint.err;

    Expected expected = readDiagnostics(file);
    EXPECT_FALSE(result.escaped);
    EXPECT_TRUE(result.closed);
    EXPECT_EQ(result.php, readFile(expectedPhp));
    EXPECT_EQ(result.out, expected.out);
    EXPECT_EQ(result.err, expected.err);
    EXPECT_EQ(result.errors, expected.errors);

    std::string expectedRun = sibling(file, ".run");
    if (fs::exists(expectedRun)) {
        std::string input = fs::exists(sibling(file, ".in")) ? readFile(sibling(file, ".in")) : "";
        CommandResult run = runCommand(
            "cd " + folder + " && php -d display_errors=stderr -d error_reporting=-1 -q " + target,
            input);
        if (rewriting && run.status == 0 && run.err.empty())
            rewriteIfChanged(expectedRun, run.out);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, readFile(expectedRun));
    }
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenCase, testing::ValuesIn(findCases()),
                         [](const testing::TestParamInfo<fs::path>& info) {
                             return caseName(info.param);
                         });

}  // namespace
