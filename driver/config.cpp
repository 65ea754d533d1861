#include "driver/config.h"

#include <cstdio>

#include "driver/files.h"
#include "driver/text.h"

std::string configKey;
std::string configValue;

bool readConfigFile(const std::string& name) {
    // Only a regular file: a FIFO or a device of that name is no
    // configuration, read as none, and never waited on.
    FILE* f = openRegularFile(name);
    if (!f)
        return true;
    LineReader reader(f);
    std::string line;
    while (reader.read(line))
        parseConfigLine(line);
    std::fclose(f);
    return true;
}

int parseConfigLine(const std::string& line) {
    if (!line.empty() && line[0] == '#')
        return 1;
    size_t eq = line.find('=');
    if (eq == std::string::npos)
        return 0;
    configKey = line.substr(0, eq);
    configValue = line.substr(eq + 1);
    trimLeading(configKey);
    trimTrailing(configKey);
    trimLeading(configValue);
    trimTrailing(configValue);
    return applyConfigEntry() ? 1 : 0;
}

bool applyConfigEntry() {
    return true;
}
