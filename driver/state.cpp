#include "driver/state.h"

const char* const keptTempFileName = "EraseMe.Tmp.$$$.tmp";
std::string tempFileName = keptTempFileName;

int quiet = 0;
int verbose = 0;
int rebuildAll = 0;
int keepTemp = 0;
int upToDate = 0;
int hasRun = 0;
bool bannerShown = false;

int totalErrors = 0;
