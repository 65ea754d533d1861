#include "driver/console.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "driver/files.h"
#include "driver/state.h"
#include "semantic/messages.h"

const char* const projectAddress = "https://velp.example.org";

void printBanner() {
    if (bannerShown)
        return;
    std::string banner = std::string("\nVelandro-PHP 7 Compiler V. 18.5 - ") + projectAddress;
    std::puts(banner.c_str());
    bannerShown = true;
}

void usage() {
    printBanner();
    std::puts("Usage: velp [options] filename");
    std::puts("Options:");
    std::puts("  -w   process a web page in HTML code");
    std::puts("  -r   run the compiled code, ignore errors");
    std::puts("  -c   rebuild all files");
    std::puts("  -v   verbose");
    std::puts("  -q   quiet");
    std::exit(0);
}

void printCompileSummary(int errors) {
    bool silent = errors == 0 && quiet;
    if (!silent)
        std::printf("%s, compiled %d lines", targetFileName.c_str(), lineNumber - 1);
    if (errors == 1)
        std::printf(", there is 1 error");
    else if (errors > 1)
        std::printf(", there are %d errors", errors);
    if (errors > 0)
        resetTargetTime();
    if (!silent)
        std::putchar('\n');
}

std::string shellQuote(const std::string& word) {
    static const char* const plain =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_@%+=:,./-";
    bool needsQuotes = word.empty();
    for (char c : word) {
        if (c == '\0' || !std::strchr(plain, c)) {
            needsQuotes = true;
            break;
        }
    }
    if (!needsQuotes)
        return word;
    std::string quoted = "'";
    for (char c : word) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    quoted += "'";
    return quoted;
}

std::string buildRunCommand(const std::string& target, const std::vector<std::string>& arguments) {
    std::string command = "php -q " + shellQuote(target) + " ";
    for (const std::string& argument : arguments)
        command += " " + shellQuote(argument);
    return command;
}
