// The start rules recurse once or more for every level an operand, a block
// or an element nests. The nesting limits are set for the stack the parse
// runs on here, not for whatever stack the caller has (a sanitizer build
// takes several times the room a level takes in a release build).
#pragma once

#include <functional>
#include <string>

// Runs `work` on a thread with a stack sized for the deepest nesting the
// rules allow, and waits for it; an exception `work` throws is rethrown here.
void runOnParserStack(const std::function<void()>& work);

// The lexer and the source or page start rule over a prepared text, on that
// stack; the output file stays open.
void translatePrepared(bool page, std::string prepared);
