// Print, echo and input statements.
#pragma once

#include <string>

extern std::string inputPrompt;  // prompt of the input statement, as written, or empty

// --- Print, echo, input
void writePrintList();
void translateInput();
