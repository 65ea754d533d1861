#include "driver/run.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "driver/analyze.h"
#include "driver/config.h"
#include "driver/console.h"
#include "driver/files.h"
#include "driver/include_graph.h"
#include "driver/interrupts.h"
#include "driver/page.h"
#include "driver/state.h"
#include "emit/output.h"
#include "emit/reset.h"
#include "parser/reset.h"
#include "semantic/messages.h"
#include "semantic/reset.h"

namespace {

bool isOptionWord(const char* word) {
    return word[0] == '-' || word[0] == '/';
}

// The directory part of the file argument, separator included, or "./".
std::string directoryOf(const std::string& name) {
    size_t separator = name.find_last_of("/\\");
    if (separator == std::string::npos)
        return "./";
    return name.substr(0, separator + 1);
}

}  // namespace

void startRun() {
    resetParserRun();
    resetEmitRun();
    resetSemanticRun();
    upToDate = 1 - rebuildAll;
    hasRun = 0;
    totalErrors = 0;
    sourceFiles = IncludeGraph();
}

int runDriver(int argc, char** argv, const CompileLoops& loops) {
    if (argc < 2)
        usage();
    try {
        bool webMode = false;
        bool runAnyway = false;
        int arg = 1;
        for (; arg < argc && isOptionWord(argv[arg]); ++arg) {
            const char* word = argv[arg];
            for (const char* letter = word + 1; *letter; ++letter) {
                switch (*letter) {
                case 'b':
                case 'c': rebuildAll = 1; break;
                case 'e': break;
                case 'q': quiet = 1; break;
                case 'r': runAnyway = true; break;
                case 'v': verbose = 1; break;
                case 'w': webMode = true; break;
                case '~': keepTemp = 1; break;
                case '!':
                    dumpErrorMessages();
                    std::exit(0);
                default:
                    std::printf("Invalid option %c%c\n", word[0], *letter);
                    usage();
                }
            }
        }
        if (arg >= argc)
            usage();
        if (!quiet && (rebuildAll || verbose))
            printBanner();

        std::string extraArguments;
        std::vector<std::string> arguments;
        for (int i = arg + 1; i < argc; ++i) {
            extraArguments += ' ';
            extraArguments += argv[i];
            arguments.push_back(argv[i]);
        }
        sourceFileName = argv[arg];
        const std::string sourceDirectory = directoryOf(sourceFileName);
        setFileNames();
        const std::string runCommand = buildRunCommand(targetFileName, arguments);
        readConfigFile("velp.ini");

        startRun();
        if (webMode)
            analyzeWebPage(sourceDirectory);
        else
            analyzeSource(sourceDirectory, true);

        int compiled = 0;
        bool run = true;
        if (rebuildAll || upToDate == 0) {
            if (!quiet)
                printBanner();
            compiled = webMode ? loops.pages() : loops.sources();
            if (webMode)
                run = runAnyway;
            else
                run = (rebuildAll == 0 && totalErrors == 0) || runAnyway;
            // not even with "r": a target that is not there whole would run
            // what was there before, or nothing
            if (unwrittenTargets > 0)
                run = false;
        }
        if (run) {
            endRunIfOutputClosed();
            if (webMode) {
                if (verbose)
                    std::printf("Parsing %s\n", targetFileName.c_str());
            } else {
                if (verbose)
                    std::printf("Running %s%s\n", targetFileName.c_str(), extraArguments.c_str());
                hasRun = 1;
            }
            // Our lines come before the program's.
            std::fflush(stdout);
            int ignored = std::system(runCommand.c_str());
            (void)ignored;
        }
        if (compiled >= 2 && !quiet && !hasRun)
            std::printf("%d files processed.\n", compiled);
        std::fflush(stdout);
        return totalErrors > 255 ? 255 : totalErrors;
    } catch (const std::exception& e) {
        std::printf("Exception in main: %s\n", e.what());
        std::fflush(stdout);
        return 1;
    }
}
