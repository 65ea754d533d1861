// Assignment lists (targets and values of one statement) and the writers
// that turn them into PHP assignments. The lists grow as needed and their
// cursors never read past the last entry.
#pragma once

#include <string>
#include <vector>

#include "emit/slices.h"

struct LvalueEntry {
    std::string text;     // PHP text of the target as the rule built it
    int type = 0;         // target type code
    int accessKind = 0;   // referenceAccessKind of the target (emit/state.h)
    int flag = 0;         // lvalueFlag when added
    int containerType = 0;   // indexedContainerType when added (element targets)
    bool textKey = false;    // indexedByText when added: the element is named by a key
    Interval interval;       // assignInterval when added (slice targets): one per target
};

struct RvalueEntry {
    std::string text;     // PHP text of the value
    int type = 0;         // value type code
    int kind = 0;         // 0 addRvalue, 2 single, 3 typed array, 5 tuple, 6 array/dict/list
    int flag = 0;         // rvalueFlag when added
    bool scalar = false;  // a single value of a scalar type
    bool wrapped = false; // that scalar written as array(...) for an array target
};

struct LvalueList {
    std::vector<LvalueEntry> entries;
    int count = 0;
    int cursor = 0;
    // The entry at the cursor; an empty entry when the cursor is past the end.
    const LvalueEntry& atCursor() const;
};

struct RvalueList {
    std::vector<RvalueEntry> entries;
    int count = 0;
    int cursor = 0;
    const RvalueEntry& atCursor() const;
};

extern LvalueList lvalueList;
extern RvalueList rvalueList;

void resetAssignLists();
void resetRvalues();
void addLvalue();
void addLvalueExpr();
void rewindLvalues();
void rewindRvalues();
std::string currentLvalue();
std::string currentRvalue();
int lvalueAccessKind();
int lvalueFlagAt();
int rvalueFlagAt();
void nextLvalue();
void advanceRvalue();
std::string nextRvalue();
int prevLvalue();
int lastLvalue();
void addRvalue(const std::string& text);
void addRvalueTyped(const std::string& text, int type, int kind);
void setRvalueType(int type);

void emitAssignOperator();
void translateAssignment();
void translateErrorAssign();
void translateArrayAssignOp();
void translateAssignUnpack();
void translateAssignLoop();
