#include "harness.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

#include <antlr/ANTLRException.hpp>

#include "VelandroLexer.hpp"
#include "VelandroParser.hpp"
#include "semantic/file_names.h"
#include "emit/output.h"
#include "parser/parser_stack.h"
#include "semantic/messages.h"

namespace {

// Sends one file descriptor to a temporary file while it lives.
class Capture {
public:
    explicit Capture(int fd) : fd_(fd), file_(std::tmpfile())
    {
        flushAll();
        saved_ = dup(fd_);
        dup2(fileno(file_), fd_);
    }
    ~Capture()
    {
        restore();
        std::fclose(file_);
    }
    std::string text()
    {
        restore();
        std::string result;
        std::rewind(file_);
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, file_)) > 0)
            result.append(buffer, n);
        return result;
    }

private:
    static void flushAll()
    {
        std::cout.flush();
        std::cerr.flush();
        std::fflush(stdout);
        std::fflush(stderr);
    }
    void restore()
    {
        if (saved_ < 0)
            return;
        flushAll();
        dup2(saved_, fd_);
        close(saved_);
        saved_ = -1;
    }
    int fd_;
    FILE* file_;
    int saved_ = -1;
};

}  // namespace

std::string makeTempFolder()
{
    char pattern[] = "/tmp/velp-translate-XXXXXX";
    const char* folder = mkdtemp(pattern);
    return folder ? folder : "/tmp";
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

Translation translate(const std::string& text, const std::string& name, StartRule rule,
                      const std::string& target)
{
    Translation result;
    std::string targetName = target;
    std::string ownFolder;
    if (targetName.empty()) {
        std::string base = name.substr(0, name.rfind('.'));
        ownFolder = makeTempFolder();
        targetName = ownFolder + "/" + base + ".php";
    }
    std::remove(targetName.c_str());
    sourceFileName = name;
    targetFileName = targetName;

    {
        Capture out(1);
        Capture err(2);
        std::istringstream input(text);
        VelandroLexer lexer(input);
        lexer.setFilename(name);
        lexer.setPageInput(rule == StartRule::webPage);
        VelandroParser parser(lexer);
        parser.setFilename(name);
        try {
            runOnParserStack([&parser, rule] {
                parser.translateFile(rule == StartRule::webPage);
            });
        } catch (const antlr::ANTLRException& ex) {
            result.escaped = true;
            std::cerr << "escaped: " << ex.toString() << std::endl;
        }
        result.out = out.text();
        result.err = err.text();
    }
    result.errors = errorCount;
    result.lines = lineNumber;
    result.closed = outputFile == nullptr;
    result.written = std::ifstream(targetName).good();
    if (result.written)
        result.php = readFile(targetName);
    if (!ownFolder.empty())
        std::filesystem::remove_all(ownFolder);
    return result;
}

CommandResult runCommand(const std::string& command, const std::string& input)
{
    std::string folder = makeTempFolder();
    std::string in = folder + "/stdin", out = folder + "/stdout", err = folder + "/stderr";
    writeFile(in, input);
    CommandResult result;
    int status = std::system((command + " <" + in + " >" + out + " 2>" + err).c_str());
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = readFile(out);
    result.err = readFile(err);
    std::filesystem::remove_all(folder);
    return result;
}
