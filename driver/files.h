// File naming, existence and times of sources and targets.
#pragma once

#include <ctime>
#include <string>

// 1 when the file opens for reading, else 0.
int fileExists(const std::string& name);

// Ends the run (exit code 1) when `sourceFileName` does not exist.
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

// The source's PHP file exists and is not older than the source.
bool isUpToDate(const std::string& source);

// Sets the times of targetFileName to those of sourceFileName less two
// seconds, so the next run finds the target stale and compiles it again.
void resetTargetTime();
