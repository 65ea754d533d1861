// The golden translation cases: each cases/<family>/<case>.vel (a source) or
// <case>.page (a page prepared as the driver prepares it) stands beside
//   <case>.php   the PHP expected (it must pass "php -l");
//   <case>.diag  optional: "errors: N", then the console lines in order,
//                "out: " for standard output, "err: " for standard error;
//                without it the case must translate silently with no error;
//   <case>.run   optional: what the PHP prints when run (standard input from
//                <case>.in when present); it must run without any message.
#include <algorithm>
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
};

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
    ASSERT_TRUE(fs::exists(expectedPhp)) << "missing " << expectedPhp;

    CommandResult lint = runCommand("php -l " + expectedPhp);
    EXPECT_EQ(lint.status, 0) << expectedPhp << " fails php -l:\n" << lint.out << lint.err;

    StartRule rule = file.extension() == ".page" ? StartRule::webPage : StartRule::sourceFile;
    std::string folder = makeTempFolder();
    std::string target = folder + "/" + file.stem().string() + ".php";
    startRun();
    Translation result = translate(readFile(file.string()), file.stem().string() + ".vel", rule,
                                   target);

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
