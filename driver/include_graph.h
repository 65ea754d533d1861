// The files of one run and which file includes which: the analysis fills the
// graph, the compile loop empties it so that, as far as the includes allow,
// every file is compiled after the files it includes, each exactly once.
#pragma once

#include <memory>
#include <string>
#include <vector>

struct IncludeEntry {
    std::string name;   // as the analysis met it; compiled under this name
    std::string key;    // the name normalised, for comparisons
    int done = 0;
    int pendingCount = 0;
    bool isMain = false;
    std::vector<int> dependencies;   // included entries in reading order; 0 once removed
};

// A name as compared between includes: "./" parts and "dir/.." pairs gone,
// so the same file met by two spellings is one entry.
std::string normalizeFileName(const std::string& name);

class IncludeGraph {
public:
    IncludeGraph();   // the placeholder entry at index 0 only

    int size() const { return static_cast<int>(entries_.size()); }
    IncludeEntry& operator[](int index) { return *entries_[index]; }

    // Index of the entry (from 1 on) with the same normalised name, or -1.
    int find(const std::string& name) const;
    // Index of the existing entry, else of a new one appended.
    int add(const std::string& name);
    // Entry i includes entry j (once more).
    void addDependency(int i, int j);
    // The next file to compile, or -1: the first with nothing pending, else
    // the one with the fewest pending edges, the earliest on ties.
    int next() const;
    // File j is compiled: one edge to it goes from every entry not done.
    void removeDependency(int j);

private:
    std::vector<std::unique_ptr<IncludeEntry>> entries_;
};

extern IncludeGraph sourceFiles;

// Compiles every entry of sourceFiles in the order of next(), calling
// `compileOne` with sourceFileName and isMainFile set and the names derived;
// adds each file's errorCount to totalErrors. Returns how many it compiled.
// `faultNumber` is the internal error raised if the loop overruns the table.
int compileAll(void (*compileOne)(), int faultNumber);
