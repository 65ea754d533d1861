// XML literals: one nested PHP array per literal, written entry by entry.
// Each open element keeps what it holds so far, so that every entry after
// the first of its element gets its separator, whatever came before it.
#pragma once

#include <string>

// A new literal statement: no element open.
void xmlBeginLiteral();
// The head of an element. The outermost one is "name=[" (or a bare "[" when
// the name cannot be a PHP variable), a nested one "\"name\"=>[".
void xmlWriteHead(const std::string& name, bool outermost, bool assignable);
// One attribute: "\"name\"=>" and the value's PHP text.
void xmlWriteAttribute(const std::string& name, const std::string& value);
// A line end between attributes writes a blank.
void xmlWriteAttributeBreak();
// A content value: the first of its element keyed "data", later ones
// listed after it.
void xmlWriteContent(const std::string& value);
// "]" of the innermost element.
void xmlWriteClose();
// "]" for every element still open (after a syntax error).
void xmlCloseOpenElements();
// How many elements are open.
int xmlOpenDepth();
