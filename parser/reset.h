// What a new run and a new file start from, for the state only the
// parser's actions read.
#pragma once

// A new run: every value as it is when velp starts. Includes the file reset.
void resetParserRun();

// A new file: no class, function, extern class or PHP block open, no
// expression nested, nothing of the file before in the skips' memory.
void resetParserFile();
