// What a new run and a new file start from, for the state of the semantic
// model. The names of the file being compiled (file_names.h) are the
// driver's to set, before either.
#pragma once

// A new run: no symbol, function, class or named value is known, and every
// record the last run made is freed. Only once nothing above the model
// names a record any more (the emitters' and the parser's state reset
// first). Includes the file reset.
void resetSemanticRun();

// A new file: line 1, no error yet, no scope open, no undeclared name
// reported. The declarations of the files before stay for the run.
void resetSemanticFile();
