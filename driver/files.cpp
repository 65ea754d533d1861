#include "driver/files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "driver/state.h"
#include "emit/leftovers.h"
#include "semantic/messages.h"
#include "semantic/text_util.h"

FILE* openRegularFile(const std::string& name) {
    // Opened without waiting, so a FIFO or a device never holds the run up;
    // its kind is checked on what was opened.
    int fd = open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return nullptr;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    FILE* f = fdopen(fd, "r");
    if (!f)
        close(fd);
    return f;
}

int fileExists(const std::string& name) {
    FILE* f = openRegularFile(name);
    if (!f)
        return 0;
    std::fclose(f);
    return 1;
}

std::string unreadableReason(const std::string& name) {
    int fd = open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        close(fd);
        return std::string();
    }
    if (errno == ENOENT || errno == ENOTDIR)
        return std::string();
    return std::strerror(errno);
}

void checkSourceExists() {
    if (fileExists(sourceFileName))
        return;
    std::string reason = unreadableReason(sourceFileName);
    if (reason.empty())
        fatal(sourceFileName + " not found...");
    fatal(sourceFileName + " can't be opened: " + reason);
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
    struct stat st;
    if (stat(name.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return 0;
    return st.st_mtime;
}

bool isUpToDate(const std::string& source) {
    time_t sourceTime = modificationTime(source);
    if (sourceTime == 0)
        return false;
    const std::string target = targetNameFor(source);
    time_t targetTime = modificationTime(target);
    if (targetTime == 0)
        return false;
    // A target that is the source itself (a hard link, a link to it) is
    // never its translation.
    struct stat sourceStatus, targetStatus;
    if (stat(source.c_str(), &sourceStatus) == 0 && stat(target.c_str(), &targetStatus) == 0 &&
        sourceStatus.st_dev == targetStatus.st_dev && sourceStatus.st_ino == targetStatus.st_ino)
        return false;
    return targetTime >= sourceTime;
}

void resetTargetTime() {
    // Only a target that is a regular file of its own: never a folder, a
    // device, or what a link points at.
    struct stat target;
    if (lstat(targetFileName.c_str(), &target) != 0 || !S_ISREG(target.st_mode))
        return;
    struct stat source;
    time_t t = stat(sourceFileName.c_str(), &source) == 0 ? source.st_mtime - 2 : -2;
    struct timespec times[2];
    times[0].tv_sec = t;
    times[0].tv_nsec = 0;
    times[1] = times[0];
    utimensat(AT_FDCWD, targetFileName.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

FILE* createPreparedCopy() {
    // A name of its own, made exclusively (no file or link of that name is
    // ever opened), so runs in one folder each read their own copy; named
    // to the leftovers, so a run that is ended removes it.
    LeftoverChange change;
    std::string pattern = "EraseMe.Tmp.XXXXXX.tmp";
    int fd = mkstemps(&pattern[0], 4);
    if (fd < 0)
        return nullptr;
    trackLeftover(Leftover::preparedCopy, pattern.c_str());
    FILE* f = fdopen(fd, "w");
    if (!f) {
        close(fd);
        unlink(pattern.c_str());
        forgetLeftover(Leftover::preparedCopy);
        return nullptr;
    }
    tempFileName = pattern;
    return f;
}

void finishPreparedCopy() {
    if (tempFileName.empty() || tempFileName == keptTempFileName)
        return;
    LeftoverChange change;
    // Renamed in place of a link of that name, never written through it.
    if (!keepTemp || std::rename(tempFileName.c_str(), keptTempFileName) != 0)
        unlink(tempFileName.c_str());
    forgetLeftover(Leftover::preparedCopy);
    tempFileName = keptTempFileName;
}
