// What a new run and a new file start from, for the emitters' state: the
// output writer, the expression levels, the state stacks and the values
// the parser's actions leave for the translators.
#pragma once

// A new run: no output file open, every value as it is when velp starts.
// Includes the file reset.
void resetEmitRun();

// A new file: no indentation, no expression, call, stack entry or
// temporary of a file before. What the last construct left in the values
// it hands on (currentType, codeBuffer, ...) stays: each construct sets
// them before it reads them.
void resetEmitFile();
