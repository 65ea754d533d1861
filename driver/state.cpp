#include "driver/state.h"

std::string sourceFileName;
std::string targetFileName;
std::string baseName;
bool isMainFile = true;
std::string newPrefix = "new ";
std::string phpExtension = ".php";
