#include "driver/include_graph.h"

#include <climits>

#include "driver/files.h"
#include "driver/interrupts.h"
#include "driver/state.h"
#include "semantic/messages.h"

IncludeGraph sourceFiles;

std::string normalizeFileName(const std::string& name) {
    bool absolute = !name.empty() && name[0] == '/';
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= name.size()) {
        size_t slash = name.find('/', start);
        if (slash == std::string::npos)
            slash = name.size();
        std::string part = name.substr(start, slash - start);
        if (part == "..") {
            if (!parts.empty() && parts.back() != "..")
                parts.pop_back();
            else if (!absolute)
                parts.push_back(part);
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = slash + 1;
    }
    std::string result = absolute ? "/" : "";
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            result += '/';
        result += parts[i];
    }
    return result;
}

IncludeGraph::IncludeGraph() {
    entries_.push_back(std::make_unique<IncludeEntry>());
}

int IncludeGraph::find(const std::string& name) const {
    std::string key = normalizeFileName(name);
    for (size_t i = 1; i < entries_.size(); ++i)
        if (entries_[i]->key == key)
            return static_cast<int>(i);
    return -1;
}

int IncludeGraph::add(const std::string& name) {
    int index = find(name);
    if (index != -1)
        return index;
    auto entry = std::make_unique<IncludeEntry>();
    entry->name = name;
    entry->key = normalizeFileName(name);
    entries_.push_back(std::move(entry));
    return size() - 1;
}

void IncludeGraph::addDependency(int i, int j) {
    entries_[i]->dependencies.push_back(j);
    entries_[i]->pendingCount += 1;
}

int IncludeGraph::next() const {
    if (entries_.size() < 2)
        return -1;
    int best = -1;
    int least = INT_MAX;
    for (size_t i = 1; i < entries_.size(); ++i) {
        const IncludeEntry& entry = *entries_[i];
        if (entry.done)
            continue;
        if (entry.pendingCount == 0)
            return static_cast<int>(i);
        if (entry.pendingCount < least) {
            best = static_cast<int>(i);
            least = entry.pendingCount;
        }
    }
    return best;
}

void IncludeGraph::removeDependency(int j) {
    for (auto& entry : entries_) {
        if (entry->done)
            continue;
        for (int& dependency : entry->dependencies) {
            if (dependency == j) {
                dependency = 0;
                entry->pendingCount -= 1;
                break;
            }
        }
    }
}

int compileAll(void (*compileOne)(), int faultNumber) {
    const int tableSize = sourceFiles.size();
    int count = 0;
    for (int i = sourceFiles.next(); i != -1; i = sourceFiles.next()) {
        IncludeEntry& entry = sourceFiles[i];
        sourceFileName = entry.name;
        isMainFile = entry.isMain;
        setFileNames();
        entry.done = 1;
        sourceFiles.removeDependency(i);
        compileOne();
        // a run whose output nobody reads any more goes no further
        endRunIfOutputClosed();
        if (errorCount > 0)
            totalErrors = errorCount > INT_MAX - totalErrors ? INT_MAX : totalErrors + errorCount;
        if (count >= tableSize)
            fatalInternalError(faultNumber);
        count += 1;
    }
    return count;
}
