// The configuration file "velp.ini": lines of a key, "=" and a value, and
// "#" comment lines. Every entry is accepted; none changes a run, the
// options being given on the command line.
#pragma once

#include <string>

extern std::string configKey;     // key of the line being read
extern std::string configValue;   // its value

// Reads every line of the file; true, also when the file does not exist
// or is no regular file.
bool readConfigFile(const std::string& name);

// 1 for a comment line, 0 for a line without "=", else applyConfigEntry().
int parseConfigLine(const std::string& line);

// The hook for configuration entries: accepts every key.
bool applyConfigEntry();
