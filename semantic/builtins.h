// The predefined methods of the basic types and the predefined global
// functions, with the index that finds them.
#pragma once

#include <string>
#include <vector>

// The PHP a predefined method's call writes (P its PHP name, R the
// receiver, a0 and a1 the arguments); emit/calls.cpp has one row per form.
enum class CallForm : int {
    none = 0,                  // no form: reported as an unknown action
    receiverFirst = 1,         // P(R,args)
    receiverLast = 2,          // P(args,R)
    arraySplice = 4,           // array_splice(R,a0,0,a1)
    assignResult = 6,          // R=P(args)
    assignResultCaught = 7,    // $error=(R=P(args))
    receiverFirstNameTail = 8, // P up to its comma, (R,args, then P from its comma)
    receiverAsIs = 9,          // R unchanged, typed as the row's result
    filePutLines = 11,         // file_put_contents(a0,implode("\n",R))
    spliceFromStart = 13,      // array_splice(R,0,0)
    assignReceiverLast = 15,   // R=P(args,R)
    substrReplace = 16,        // R=substr_replace(R,a1,a0,0)
    strRepeatZero = 17,        // R=str_repeat(0,a0)
    prependPair = 20,          // R=array(a0=>a1)+R
    searchInText = 21,         // P(R,a0), or with an offset a1 checked against strlen(R)
    nonEmptyOrFalse = 22,      // (R?P(R):false)
    strvalOfCall = 23,         // strval(P(a0,R))
    renumbered = 24,           // array_values(P(R)) on a list, P(R) otherwise
};

// How the call rule writes a predefined function.
enum class FunctionForm : int {
    plain = 0,             // P(args)
    swapByTemporary = 2,   // $t=a0;a0=a1;a1=$t
    pluralSuffix = 3,      // (a0>1?"s":"")
    callOpenedByName = 6,  // P opens the call with its first arguments: P,args)
    signOfValue = 7,       // ((a0)?(a0)/abs(a0):0)
};

// The forms the call rule writes whole from the arguments, after the list.
constexpr bool builtFromArguments(FunctionForm form)
{
    return form == FunctionForm::swapByTemporary || form == FunctionForm::pluralSuffix ||
           form == FunctionForm::signOfValue;
}

// Argument types of a row: a TypeCode, noArgument where there is none, and
// optionalArgument added to the type of one that may be left out.
constexpr int noArgument = 0;
constexpr int optionalArgument = 128;
constexpr int argumentTypeMask = optionalArgument - 1;

// Method rows: whether the method changes its receiver.
constexpr int keepsReceiver = 0;
constexpr int changesReceiver = 1;

// The number in a separator row (every number of the final one).
constexpr int separatorNumber = 65535;

// One row of builtinTable. Method rows use receiver, modifies, kind,
// argumentCount, argumentTypes[0..1] and result; global-function rows use
// special, argumentCount, argumentTypes[0..3] and result. An argument count
// of -1 is any.
struct BuiltinEntry {
    const char* name;
    const char* phpName;
    int receiver;          // method rows: receiver TypeCode (separatorNumber on separators)
    int modifies;          // method rows: keepsReceiver or changesReceiver
    CallForm kind;         // method rows
    FunctionForm special;  // function rows
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
