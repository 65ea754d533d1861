// File naming, existence and times of sources and targets.
#pragma once

#include <cstdio>
#include <ctime>
#include <string>

// The file opened for reading when it is a regular file (a link to one
// counts), else null; never waits on a FIFO or a device.
FILE* openRegularFile(const std::string& name);

// 1 when the file is a regular file that opens for reading, else 0.
int fileExists(const std::string& name);

// Why `name`, which does not open as a regular file, cannot be read: ""
// when it is missing or no regular file (it is then not found), else the
// system's reason (a file that exists but may not be read, or no file
// left to open).
std::string unreadableReason(const std::string& name);

// Ends the run (exit code 1) when `sourceFileName` does not exist, or
// cannot be opened (the reason said).
void checkSourceExists();

// Derives baseName and targetFileName from sourceFileName, appending ".vel"
// to it when its extension is not ".vel" in any case; ends the run when the
// source does not exist.
void setFileNames();

// The PHP file of a source name: ".vel" (any case) replaced by ".php", or
// ".php" appended.
std::string targetNameFor(const std::string& source);

// Modification time of a file in seconds; 0 when it cannot be opened.
time_t modificationTime(const std::string& name);

// The source's PHP file exists, is not the source itself, and is not older
// than the source.
bool isUpToDate(const std::string& source);

// Sets the times of targetFileName to those of sourceFileName less two
// seconds, so the next run finds the target stale and compiles it again.
void resetTargetTime();

// Creates the prepared copy of the file being compiled, under a new name in
// the working folder, and names it in tempFileName; null when it cannot be
// made.
FILE* createPreparedCopy();

// Deletes the prepared copy, or under option "~" renames it to
// keptTempFileName.
void finishPreparedCopy();
