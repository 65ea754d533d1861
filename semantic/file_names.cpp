#include "semantic/file_names.h"

std::string sourceFileName;
std::string targetFileName;
std::string baseName;
std::string phpExtension = ".php";
bool isMainFile = true;
