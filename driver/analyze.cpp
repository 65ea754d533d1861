#include "driver/analyze.h"

#include <cstdio>
#include <exception>
#include <vector>

#include "driver/files.h"
#include "driver/include_graph.h"
#include "driver/state.h"
#include "driver/text.h"
#include "semantic/messages.h"
#include "semantic/text_util.h"

namespace {

// Comment states of the scan: plain lines, inside "/* */", inside "<- ->".
enum { PLAIN = 0, IN_COMMENT = 2, IN_BLOCK = 3 };

bool startsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// The state after the rest of a line from `pos` on: further comments or
// blocks may open and close on it; the last one left open decides.
int stateAfter(const std::string& line, size_t pos) {
    for (;;) {
        size_t comment = line.find("/*", pos);
        size_t block = line.find("<-", pos);
        if (comment == std::string::npos && block == std::string::npos)
            return PLAIN;
        int state = comment < block ? IN_COMMENT : IN_BLOCK;
        size_t open = comment < block ? comment : block;
        size_t close = line.find(state == IN_COMMENT ? "*/" : "->", open + 2);
        if (close == std::string::npos)
            return state;
        pos = close + 2;
    }
}

struct FileCloser {
    FILE* file;
    ~FileCloser() {
        if (file)
            std::fclose(file);
    }
};

}  // namespace

std::string resolveInclude(const std::string& line, const std::string& directory, size_t start) {
    std::string statement = start <= line.size() ? line.substr(start) : std::string();
    size_t semicolon = statement.find(';');
    if (semicolon != std::string::npos)
        statement.resize(semicolon);
    size_t i = statement.find_first_not_of(" \t");
    if (i == std::string::npos)
        i = statement.size();
    size_t j;
    if (i < statement.size() && (statement[i] == '"' || statement[i] == '\'')) {
        // A quoted name is read whole, blanks and all.
        j = statement.find(statement[i], i + 1);
        i += 1;
    } else {
        i = statement.find_first_not_of(" \"'", i);
        if (i == std::string::npos)
            i = statement.size();
        j = statement.find_first_of("\n\r\"' ", i);
    }
    if (j == std::string::npos)
        j = statement.size();
    if (i < statement.size() && (statement[i] == '(' || statement[i] == '_'))
        return std::string();
    std::string name = statement.substr(i, j - i);
    if (hasVelExtension(name)) {
        if (!(startsWith(name, "/") || (name.size() >= 2 && name[1] == ':')))
            name = directory + name;
        if (!fileExists(name)) {
            std::string reason = unreadableReason(name);
            if (reason.empty())
                fatal(name + " not found. Compilation aborted.");
            fatal(name + " can't be opened: " + reason + ". Compilation aborted.");
        }
        return name;
    }
    if (verbose)
        std::printf("%s not velandro, skipped\n", name.c_str());
    return std::string();
}

int followIncludes(const std::string& directory, const std::function<FileHead()>& readHead) {
    // Depth first, on a stack of its own: each file's head is read and the
    // file closed before its includes are followed, so a chain of any
    // depth holds one file open at a time and never deepens the call stack.
    struct Step {
        FileHead head;
        size_t next = 0;   // the include to follow next
    };
    std::vector<Step> steps;
    steps.push_back(Step{readHead()});
    const int first = steps.back().head.index;
    while (!steps.empty()) {
        Step& step = steps.back();
        if (step.next == step.head.includes.size()) {
            const int done = step.head.index;
            steps.pop_back();
            if (!steps.empty()) {
                sourceFiles.addDependency(steps.back().head.index, done);
                steps.back().next += 1;
            }
            continue;
        }
        try {
            const IncludeStatement& include = step.head.includes[step.next];
            std::string name = resolveInclude(include.line, directory, include.start);
            if (verbose)
                std::printf("included: %s\n", name.c_str());
            int included = name.empty() ? 0 : sourceFiles.find(name);
            if (included == -1) {
                sourceFileName = name;
                steps.push_back(Step{readHead()});
                continue;
            }
            if (!name.empty())
                sourceFiles.addDependency(step.head.index, included);
            step.next += 1;
        } catch (const std::exception& e) {
            // the file's scan ends there; the file that includes it goes on
            std::printf("Exception in vel: %s\n", e.what());
            step.head.includes.resize(step.next);
        }
    }
    return first;
}

namespace {

// The head of the source named by sourceFileName: its entry, and the
// include statements before its first other code line.
FileHead readSourceHead(bool mainFile) {
    FileHead head;
    try {
        if (verbose)
            std::printf("Analyzing %s\n", sourceFileName.c_str());
        head.index = sourceFiles.add(sourceFileName);
        if (mainFile)
            sourceFiles[head.index].isMain = true;
        if (upToDate == 1)
            upToDate = isUpToDate(sourceFileName) ? 1 : 0;

        FileCloser source{openRegularFile(sourceFileName)};
        if (!source.file)
            return head;
        LineReader reader(source.file);
        std::string line;
        int state = PLAIN;
        while (reader.read(line)) {
            trimTrailing(line);
            trimLeading(line);
            if (line.size() < 2)
                continue;
            size_t from = 0;
            if (state == PLAIN) {
                if (line[0] == '#' || startsWith(line, "//"))
                    continue;
                if (startsWith(line, "/*")) {
                    state = IN_COMMENT;
                    from = 2;
                } else if (startsWith(line, "<-")) {
                    state = IN_BLOCK;
                    from = 2;
                }
            }
            if (state != PLAIN) {
                size_t close = line.find(state == IN_COMMENT ? "*/" : "->", from);
                if (close != std::string::npos)
                    state = stateAfter(line, close + 2);
                continue;
            }
            size_t at = line.find("include");
            if (at == std::string::npos)
                break;
            head.includes.push_back(IncludeStatement{line, at + 7});
        }
    } catch (const std::exception& e) {
        std::printf("Exception in vel: %s\n", e.what());
    }
    return head;
}

}  // namespace

int analyzeSource(const std::string& directory, bool mainFile) {
    bool first = mainFile;
    return followIncludes(directory, [&first] {
        FileHead head = readSourceHead(first);
        first = false;
        return head;
    });
}
