#include "emit/assign.h"

#include "emit/expr_levels.h"
#include "emit/state.h"

LvalueList lvalueList;
RvalueList rvalueList;

const LvalueEntry& LvalueList::atCursor() const
{
    static const LvalueEntry none;
    return cursor >= 0 && cursor < count ? entries[cursor] : none;
}

const RvalueEntry& RvalueList::atCursor() const
{
    static const RvalueEntry none;
    return cursor >= 0 && cursor < count ? entries[cursor] : none;
}

void resetAssignLists()
{
    lvalueList.count = lvalueList.cursor = 0;
    rvalueList.count = rvalueList.cursor = 0;
    assignedFlag = 64;
}

void resetRvalues() { rvalueList.count = rvalueList.cursor = 0; }

static void appendLvalue(const std::string& text)
{
    LvalueEntry entry;
    entry.text = text;
    entry.type = currentType;
    entry.accessKind = referenceAccessKind;
    entry.flag = lvalueFlag;
    if (lvalueList.entries.size() <= static_cast<size_t>(lvalueList.count))
        lvalueList.entries.resize(static_cast<size_t>(lvalueList.count) + 1);
    lvalueList.entries[lvalueList.count++] = entry;
}

void addLvalue() { appendLvalue(lvalueText); }
void addLvalueExpr() { appendLvalue(currentExpression()); }
void rewindLvalues() { lvalueList.cursor = 0; }
void rewindRvalues() { rvalueList.cursor = 0; }
std::string currentLvalue() { return lvalueList.atCursor().text; }
std::string currentRvalue() { return rvalueList.atCursor().text; }
int lvalueAccessKind() { return lvalueList.atCursor().accessKind; }
int lvalueFlagAt() { return lvalueList.atCursor().flag; }
int rvalueFlagAt() { return rvalueList.atCursor().flag; }

void nextLvalue()
{
    if (lvalueList.cursor <= lvalueList.count)
        ++lvalueList.cursor;
}

void advanceRvalue()
{
    if (rvalueList.cursor <= rvalueList.count)
        ++rvalueList.cursor;
}

std::string nextRvalue()
{
    std::string text = currentRvalue();
    advanceRvalue();
    return text;
}

int prevLvalue()
{
    if (lvalueList.cursor > 0)
        --lvalueList.cursor;
    return lvalueList.cursor;
}

int lastLvalue()
{
    lvalueList.cursor = lvalueList.count - 1;
    return lvalueList.cursor;
}

void addRvalueTyped(const std::string& text, int type, int kind)
{
    RvalueEntry entry;
    entry.text = text;
    entry.type = type;
    entry.kind = kind;
    entry.flag = rvalueFlag;
    if (rvalueList.entries.size() <= static_cast<size_t>(rvalueList.count))
        rvalueList.entries.resize(static_cast<size_t>(rvalueList.count) + 1);
    rvalueList.entries[rvalueList.count++] = entry;
}

void addRvalue(const std::string& text) { addRvalueTyped(text, currentType, 0); }

void setRvalueType(int type)
{
    if (rvalueList.cursor >= 0 && rvalueList.cursor < rvalueList.count)
        rvalueList.entries[rvalueList.cursor].type = type;
}

void emitAssignOperator() {}
void translateAssignment() {}
void translateErrorAssign() {}
void translateArrayAssignOp() {}
void translateAssignUnpack() {}
void translateAssignLoop() {}
