// The predefined methods of the basic types and the predefined global
// functions, with the index that finds them.
#pragma once

#include <string>
#include <vector>

// One row of builtinTable. Method rows use receiver, modifies, kind,
// argumentCount, argumentTypes[0..1] and result; global-function rows use
// special, argumentCount, argumentTypes[0..3] and result. An argument type
// of 0 is absent, type + 128 is optional; an argument count of -1 is any.
struct BuiltinEntry {
    const char* name;
    const char* phpName;
    int receiver;       // method rows: receiver TypeCode (65535 on separators)
    int modifies;       // method rows: 1 when the method changes its receiver
    int kind;           // method rows: form of the PHP call
    int special;        // function rows: 0 plain, 2 swap, 3 plural, 6 localtime, 7 sign
    int argumentCount;
    int argumentTypes[4];
    int result;
};

constexpr int builtinRowCount = 185;
constexpr int firstGlobalFunctionRow = 129;  // the row after the first separator
extern const BuiltinEntry builtinTable[builtinRowCount];

extern int methodCount;          // rows before the first separator (128)
extern int globalFunctionCount;  // rows between the separators (55)

// Global-function row i, counted from firstGlobalFunctionRow.
const BuiltinEntry& globalFunctionRow(int i);

// Whether the row is typed text but its PHP function gives false (or null)
// at the end of its input: readline, read, readdir, key, getcwd, filetype.
// Its call is written strval(...), so that the value compares as a text
// ("!=" writes "!==": `line != ""` must end a loop over readline).
bool textOrFalse(const BuiltinEntry& row);

class MethodTable {
public:
    int startIndex[32];  // first method row per receiver type (0 when none)
    int found;           // row of the last successful search, -1 after a failed one

    MethodTable();
    int findForType(const std::string& name, int type);
    int findGlobalFunction(const std::string& name);
    int methodFlag(int i) const;
    void pushFunctionParameters();
    int checkFunctionArguments(int i);
    int checkMethodArguments(int i);
    int findDictMethod(const std::string& name);

private:
    // Global-function rows by the length of their name (the last bucket
    // holds every longer one), in table order: a call's name is compared
    // with the few of its own length.
    // Each row with the first byte of its name, compared before the rest.
    static constexpr int lengthBuckets = 32;
    struct NamedRow {
        int row;
        unsigned char first;
    };
    std::vector<NamedRow> functionsOfLength[lengthBuckets];

    int searchReceiver(const std::string& name, int type);
    int checkRowArguments(const BuiltinEntry& row, int positions);
};

extern MethodTable methodTable;
