#include "driver/files.h"

#include <cstdio>
#include <sys/stat.h>
#include <utime.h>

#include "driver/state.h"
#include "semantic/messages.h"
#include "semantic/text_util.h"

namespace {
// A folder opens for reading too, but holds no lines: only a regular file
// counts as a source or a target.
bool isRegularFile(FILE* f, struct stat& st) {
    return fstat(fileno(f), &st) == 0 && S_ISREG(st.st_mode);
}
}  // namespace

int fileExists(const std::string& name) {
    FILE* f = std::fopen(name.c_str(), "r");
    if (!f)
        return 0;
    struct stat st;
    bool regular = isRegularFile(f, st);
    std::fclose(f);
    return regular ? 1 : 0;
}

void checkSourceExists() {
    if (!fileExists(sourceFileName))
        fatal(sourceFileName + " not found...");
}

void setFileNames() {
    size_t dot = sourceFileName.rfind('.');
    if (dot != std::string::npos && equalsIgnoreCase(sourceFileName.substr(dot), ".vel")) {
        baseName = sourceFileName.substr(0, dot);
    } else {
        baseName = sourceFileName;
        sourceFileName += ".vel";
    }
    checkSourceExists();
    targetFileName = baseName + phpExtension;
}

std::string targetNameFor(const std::string& source) {
    size_t n = source.size();
    if (n >= 5 && equalsIgnoreCase(source.substr(n - 4), ".vel"))
        return source.substr(0, n - 4) + phpExtension;
    return source + phpExtension;
}

time_t modificationTime(const std::string& name) {
    FILE* f = std::fopen(name.c_str(), "r");
    if (!f)
        return 0;
    struct stat st;
    time_t t = isRegularFile(f, st) ? st.st_mtime : 0;
    std::fclose(f);
    return t;
}

bool isUpToDate(const std::string& source) {
    time_t sourceTime = modificationTime(source);
    if (sourceTime == 0)
        return false;
    time_t targetTime = modificationTime(targetNameFor(source));
    if (targetTime == 0)
        return false;
    return targetTime >= sourceTime;
}

void resetTargetTime() {
    FILE* f = std::fopen(sourceFileName.c_str(), "r");
    time_t t = -2;
    if (f) {
        struct stat st;
        if (fstat(fileno(f), &st) == 0)
            t = st.st_mtime - 2;
        std::fclose(f);
    }
    struct utimbuf times;
    times.actime = t;
    times.modtime = t;
    utime(targetFileName.c_str(), &times);
}
