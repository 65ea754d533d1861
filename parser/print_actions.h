// Print, echo and input statements.
#pragma once

#include <string>

extern std::string inputPrompt;  // prompt of the input statement, as written, or empty

// --- Print, echo, input
void writePrintList();
void translateInput();

// --- The steps of the print rules
// A value of print or echo, after its expression: nil stands as null.
void takePrintValue();
// A print with no value.
void writeEmptyPrint();
