#include "semantic/builtins.h"

#include <string_view>

#include <algorithm>

#include "emit/state.h"
#include "semantic/messages.h"
#include "semantic/symbols.h"
#include "semantic/text_util.h"
#include "semantic/types.h"

namespace {

using F = CallForm;
using S = FunctionForm;

constexpr BuiltinEntry method(const char* name, const char* phpName, int receiver, int modifies,
                              CallForm kind, int count, int argument1, int argument2, int result) {
    return BuiltinEntry{name, phpName, receiver, modifies, kind, S::plain, count,
                        {argument1, argument2, noArgument, noArgument}, result};
}

constexpr BuiltinEntry function(const char* name, const char* phpName, FunctionForm special,
                                int count, int argument1, int argument2, int argument3,
                                int argument4, int result) {
    return BuiltinEntry{name, phpName, typeUnknown, keepsReceiver, F::none, special, count,
                        {argument1, argument2, argument3, argument4}, result};
}

// The first separator has receiver separatorNumber and no PHP name, 0 in
// its other numbers; the final one has separatorNumber in every number.
constexpr BuiltinEntry separator(int number) {
    return BuiltinEntry{"---", "", separatorNumber, number, static_cast<CallForm>(number),
                        static_cast<FunctionForm>(number), number,
                        {number, number, number, number}, number};
}

// Short names for the table's columns.
constexpr int keeps = keepsReceiver;
constexpr int changes = changesReceiver;
constexpr int none = noArgument;
constexpr int optional = optionalArgument;

constexpr const char* toXmlClosure =
    R"php((function($d){$x=function($d)use(&$x){$a="";$c="";foreach($d as $k=>$v){if(is_array($v)){$r=$x($v);$c.="<$k".$r[0].">".$r[1]."</$k>";}elseif($k==="data"){$c.=htmlspecialchars($v);}else{$a.=" $k=\"".htmlspecialchars($v)."\"";}}return array($a,$c);};$r=$x($d);return $r[1];}))php";

}  // namespace

// Method rows grouped by receiver type (void, number, integer, real,
// natural, text, array, dict, var, file, dir), a separator, the global
// functions, a final separator.
const BuiltinEntry builtinTable[builtinRowCount] = {
    method("setDyn", "void", typeVoid, keeps, F::none, 0, none, none, typeUnknown),  // 0
    method("toint", "intval", typeNumber, keeps, F::receiverFirst, 0, none, none, typeInteger),  // 1
    method("tointeger", "intval", typeNumber, keeps, F::receiverFirst, 0, none, none, typeInteger),  // 2
    method("toreal", "doubleval", typeNumber, keeps, F::receiverFirst, 0, none, none, typeReal),  // 3
    method("totext", "strval", typeNumber, keeps, F::receiverFirst, 0, none, none, typeText),  // 4
    method("tonatural", "intval", typeNumber, keeps, F::receiverFirst, 0, none, none, typeNatural),  // 5
    method("totext", "strval", typeInteger, keeps, F::receiverFirst, 0, none, none, typeText),  // 6
    method("toreal", "doubleval", typeInteger, keeps, F::receiverFirst, 0, none, none, typeReal),  // 7
    method("tonatural", "intval", typeInteger, keeps, F::receiverFirst, 0, none, none, typeNatural),  // 8
    method("totext", "strval", typeReal, keeps, F::receiverFirst, 0, none, none, typeText),  // 9
    method("toint", "intval", typeReal, keeps, F::receiverFirst, 0, none, none, typeInteger),  // 10
    method("tointeger", "intval", typeReal, keeps, F::receiverFirst, 0, none, none, typeInteger),  // 11
    method("tonatural", "intval", typeReal, keeps, F::receiverFirst, 0, none, none, typeNatural),  // 12
    method("tointeger", "intval", typeNatural, keeps, F::receiverFirst, 0, none, none, typeInteger),  // 13
    method("totext", "strval", typeNatural, keeps, F::receiverFirst, 0, none, none, typeText),  // 14
    method("toreal", "doubleval", typeNatural, keeps, F::receiverFirst, 0, none, none, typeReal),  // 15
    method("toint", "intval", typeNatural, keeps, F::receiverFirst, 0, none, none, typeInteger),  // 16
    // PHP has no strcat: append the argument to the receiver.
    method("cat", "(function($b,$a){return $a.$b;})", typeText, changes, F::assignReceiverLast, 1, typeText, none, typeVoid),  // 17
    method("capitalize", "ucfirst", typeText, keeps, F::receiverFirst, 0, none, none, typeText),  // 18
    method("compare", "strcasecmp", typeText, keeps, F::receiverFirst, 1, typeText, none, typeInteger),  // 19
    method("dup", "str_repeat", typeText, keeps, F::receiverFirst, 1, typeInteger, none, typeText),  // 20
    // with an offset outside the text: not found, as PHP 7 gave it
    method("find", "strpos", typeText, keeps, F::searchInText, 2, typeText, typeInteger+optional, typeInteger),  // 21
    method("findLast", "strrpos", typeText, keeps, F::searchInText, 2, typeText, typeInteger+optional, typeInteger),  // 22
    method("findLex", "stripos", typeText, keeps, F::searchInText, 2, typeText, typeInteger+optional, typeInteger),  // 23
    method("identical", "strcmp", typeText, keeps, F::receiverFirst, 1, typeText, none, typeInteger),  // 24
    method("insert", "", typeText, keeps, F::substrReplace, 2, typeInteger, typeText, typeVoid),  // 25
    method("isnumber", "is_numeric", typeText, keeps, F::receiverFirst, 0, none, none, typeBoolean),  // 26
    method("length", "strlen", typeText, keeps, F::receiverFirst, 0, none, none, typeInteger),  // 27
    method("lower", "strtolower", typeText, keeps, F::receiverFirst, 0, none, none, typeText),  // 28
    method("ltrim", "ltrim", typeText, keeps, F::receiverFirst, 0, none, none, typeText),  // 29
    method("replace", "str_replace", typeText, keeps, F::assignReceiverLast, 2, typeText, typeText, typeText),  // 30
    method("reserve", "str_repeat", typeText, keeps, F::strRepeatZero, 1, typeInteger, none, typeVoid),  // 31
    method("rtrim", "rtrim", typeText, keeps, F::receiverFirst, 0, none, none, typeText),  // 32
    method("split", "explode", typeText, keeps, F::receiverLast, 1, typeText, none, typeArray),  // 33
    method("trim", "trim", typeText, keeps, F::receiverFirst, 0, none, none, typeText),  // 34
    method("tofunction", "", typeText, keeps, F::receiverAsIs, 0, none, none, typeFunction),  // 35
    method("toint", "intval", typeText, keeps, F::receiverFirst, 0, none, none, typeInteger),  // 36
    method("tointeger", "intval", typeText, keeps, F::receiverFirst, 0, none, none, typeInteger),  // 37
    method("tonumber", "doubleval", typeText, keeps, F::receiverFirst, 0, none, none, typeNumber),  // 38
    method("toreal", "doubleval", typeText, keeps, F::receiverFirst, 0, none, none, typeReal),  // 39
    method("tonatural", "doubleval", typeText, keeps, F::receiverFirst, 0, none, none, typeNatural),  // 40
    method("tostr", "", typeText, keeps, F::receiverAsIs, 0, none, none, typeCharPtr),  // 41
    method("totext", "", typeText, keeps, F::receiverAsIs, 0, none, none, typeText),  // 42
    method("tofile", "file_put_contents", typeText, keeps, F::receiverLast, 1, typeText, none, typeVoid),  // 43
    method("upper", "strtoupper", typeText, keeps, F::receiverFirst, 0, none, none, typeText),  // 44
    method("wrap", "wordwrap", typeText, keeps, F::receiverFirst, 0, none, none, typeText),  // 45
    method("fill", "str_repeat", typeText, changes, F::assignResult, 2, typeText, typeInteger, typeText),  // 46
    method("slice", "substr", typeText, keeps, F::receiverFirst, 2, typeInteger, typeInteger+optional, typeText),  // 47
    method("begin", "reset", typeArray, keeps, F::receiverFirst, 0, none, none, typeVar),  // 48
    method("dec", "prev", typeArray, keeps, F::receiverFirst, 0, none, none, typeVar),  // 49
    method("display", "print_r", typeArray, keeps, F::receiverFirst, 0, none, none, typeVoid),  // 50
    method("end", "end", typeArray, keeps, F::receiverFirst, 0, none, none, typeVar),  // 51
    method("empty", "empty", typeArray, keeps, F::receiverFirst, 0, none, none, typeBoolean),  // 52
    method("find", "array_search", typeArray, keeps, F::receiverLast, 1, typeVar, none, typeInteger),  // 53
    // in_array needs the value looked for.
    method("inarray", "in_array", typeArray, keeps, F::receiverLast, 1, typeVar, none, typeBoolean),  // 54
    method("inc", "next", typeArray, keeps, F::receiverFirst, 0, none, none, typeVar),  // 55
    method("index", "key", typeArray, keeps, F::receiverFirst, 0, none, none, typeInteger),  // 56
    method("insert", "", typeArray, keeps, F::arraySplice, 2, typeInteger, typeVar, typeVoid),  // 57
    method("join", "implode", typeArray, keeps, F::receiverLast, 1, typeText, none, typeText),  // 58
    method("key", "key", typeArray, keeps, F::receiverFirst, 0, none, none, typeText),  // 59
    method("length", "count", typeArray, keeps, F::receiverFirst, 0, none, none, typeInteger),  // 60
    method("load", "file", typeArray, changes, F::assignResult, 2, typeText, typeInteger+optional, typeBoolean),  // 61
    method("store", "", typeArray, changes, F::filePutLines, 2, typeText, typeBoolean+optional, typeVoid),  // 62
    method("map", "array_map", typeArray, changes, F::receiverLast, 1, typeFunction, none, typeArray),  // 63
    // nil for an empty array
    method("max", "max", typeArray, keeps, F::nonEmptyOrFalse, 0, none, none, typeVar),  // 64
    method("merge", "array_merge", typeArray, changes, F::receiverFirst, -1, typeVar, none, typeDict),  // 65
    method("min", "min", typeArray, keeps, F::nonEmptyOrFalse, 0, none, none, typeVar),  // 66
    method("pack", "", typeArray, keeps, F::spliceFromStart, 0, none, none, typeVoid),  // 67
    method("pop", "array_pop", typeArray, keeps, F::receiverFirst, 0, none, none, typeVar),  // 68
    method("push", "array_push", typeArray, changes, F::receiverFirst, 1, typeVar, none, typeVoid),  // 69
    method("rand", "array_rand", typeArray, keeps, F::nonEmptyOrFalse, 0, none, none, typeVar),  // 70
    method("reverse", "array_reverse", typeArray, keeps, F::receiverFirst, 0, none, none, typeList),  // 71
    method("shift", "array_shift", typeArray, keeps, F::receiverFirst, 0, none, none, typeVar),  // 72
    method("size", "count", typeArray, keeps, F::receiverFirst, 0, none, none, typeInteger),  // 73
    method("slice", "array_slice", typeArray, keeps, F::receiverFirst, 2, typeInteger, typeInteger, typeList),  // 74
    method("sort", "sort", typeArray, keeps, F::receiverFirst, 1, typeInteger+optional, none, typeVoid),  // 75
    method("rsort", "rsort", typeArray, keeps, F::receiverFirst, 1, typeInteger+optional, none, typeVoid),  // 76
    method("splice", "array_splice", typeArray, keeps, F::receiverFirst, 2, typeInteger, typeInteger, typeVoid),  // 77
    method("sum", "array_sum", typeArray, keeps, F::receiverFirst, 0, none, none, typeNumber),  // 78
    // implode takes the separator first.
    method("toString", "implode", typeArray, keeps, F::receiverLast, 1, typeText+optional, none, typeText),  // 79
    // implode takes the separator first.
    method("toText", "implode", typeArray, keeps, F::receiverLast, 1, typeText+optional, none, typeText),  // 80
    // a list numbered from 0 again
    method("unique", "array_unique", typeArray, keeps, F::renumbered, 0, none, none, typeList),  // 81
    method("unshift", "array_unshift", typeArray, changes, F::receiverFirst, 1, typeVar, none, typeVoid),  // 82
    method("value", "current", typeArray, keeps, F::receiverFirst, 0, none, none, typeVar),  // 83
    method("values", "array_values", typeArray, keeps, F::receiverFirst, 0, none, none, typeArray),  // 84
    method("keys", "array_keys", typeDict, keeps, F::receiverFirst, 0, none, none, typeList),  // 85
    // array_search takes the value first, the dict second; the key is a text.
    method("find", "array_search", typeDict, keeps, F::strvalOfCall, 1, typeText, none, typeText),  // 86
    // array_key_exists takes the key first, the dict second.
    method("hasKey", "array_key_exists", typeDict, keeps, F::receiverLast, 1, typeText, none, typeBoolean),  // 87
    // Loads "key=value" lines of a file into the dict.
    method("load", "parse_ini_file", typeDict, changes, F::assignResult, 2, typeText, typeInteger+optional, typeVoid),  // 88
    method("sort", "asort", typeDict, keeps, F::receiverFirst, 1, typeInteger+optional, none, typeVoid),  // 89
    method("ksort", "ksort", typeDict, keeps, F::receiverFirst, 1, typeInteger+optional, none, typeVoid),  // 90
    method("unshift", "", typeDict, keeps, F::prependPair, 2, typeText, typeVar, typeVoid),  // 91
    method("values", "array_values", typeDict, keeps, F::receiverFirst, 0, none, none, typeArray),  // 92
    // The dict as XML text: nested dicts become elements, "data" the text.
    method("toXML", toXmlClosure, typeDict, keeps, F::receiverFirst, 0, none, none, typeText),  // 93
    method("isArray", "is_array", typeVar, keeps, F::receiverFirst, 0, none, none, typeBoolean),  // 94
    method("isText", "is_string", typeVar, keeps, F::receiverFirst, 0, none, none, typeBoolean),  // 95
    method("isNumber", "is_double", typeVar, keeps, F::receiverFirst, 0, none, none, typeBoolean),  // 96
    method("isReal", "is_double", typeVar, keeps, F::receiverFirst, 0, none, none, typeBoolean),  // 97
    method("isBoolean", "is_bool", typeVar, keeps, F::receiverFirst, 0, none, none, typeBoolean),  // 98
    method("isNatural", "is_double", typeVar, keeps, F::receiverFirst, 0, none, none, typeBoolean),  // 99
    method("isInt", "is_int", typeVar, keeps, F::receiverFirst, 0, none, none, typeBoolean),  // 100
    method("isInteger", "is_int", typeVar, keeps, F::receiverFirst, 0, none, none, typeBoolean),  // 101
    method("isFile", "is_object", typeVar, keeps, F::receiverFirst, 0, none, none, typeBoolean),  // 102
    method("arraytype", "arrayType", typeVar, keeps, F::receiverAsIs, 0, none, none, typeInteger),  // 103
    method("toboolean", "toBoolean", typeVar, keeps, F::receiverAsIs, 0, none, none, typeBoolean),  // 104
    // PHP has no toInt.
    method("toint", "intval", typeVar, keeps, F::receiverFirst, 0, none, none, typeInteger),  // 105
    // PHP has no toInteger.
    method("tointeger", "intval", typeVar, keeps, F::receiverFirst, 0, none, none, typeInteger),  // 106
    method("toreal", "toReal", typeVar, keeps, F::receiverAsIs, 0, none, none, typeReal),  // 107
    method("tonatural", "toNatural", typeVar, keeps, F::receiverAsIs, 0, none, none, typeNatural),  // 108
    method("totext", "toText", typeVar, keeps, F::receiverAsIs, 0, none, none, typeText),  // 109
    method("tonumber", "toNumber", typeVar, keeps, F::receiverAsIs, 0, none, none, typeNumber),  // 110
    method("toarray", "toArray", typeVar, keeps, F::receiverAsIs, 0, none, none, typeArray),  // 111
    method("todict", "toDict", typeVar, keeps, F::receiverAsIs, 0, none, none, typeDict),  // 112
    method("tofile", "toFile", typeVar, keeps, F::receiverAsIs, 0, none, none, typeFile),  // 113
    method("toobject", "toObject", typeVar, keeps, F::receiverAsIs, 0, none, none, typeObject),  // 114
    method("tolist", "toList", typeVar, keeps, F::receiverAsIs, 0, typeInteger+optional, none, typeObject),  // 115
    method("open", "fopen", typeFile, changes, F::assignResultCaught, 2, typeText, typeText, typeInteger),  // 116
    method("close", "fclose", typeFile, changes, F::receiverFirst, 0, none, none, typeInteger),  // 117
    method("read", "fread", typeFile, keeps, F::receiverFirst, 1, typeInteger, none, typeText),  // 118
    method("write", "fwrite", typeFile, keeps, F::receiverFirst, 1, typeText, none, typeInteger),  // 119
    method("readline", "fgets,65536", typeFile, keeps, F::receiverFirstNameTail, 0, none, none, typeText),  // 120
    method("writeline", "fputs", typeFile, keeps, F::receiverFirst, 1, typeText, none, typeVoid),  // 121
    method("eof", "feof", typeFile, keeps, F::receiverFirst, 0, none, none, typeBoolean),  // 122
    method("seek", "fseek", typeFile, keeps, F::receiverFirst, 1, typeInteger, none, typeInteger),  // 123
    // A file is an open handle: filesize wants a name.
    method("size", "(function($f){return fstat($f)[\"size\"];})", typeFile, keeps, F::receiverFirst, 0, none, none, typeNatural),  // 124
    // PHP has no filetime; a file is an open handle.
    method("time", "(function($f){return fstat($f)[\"mtime\"];})", typeFile, keeps, F::receiverFirst, 0, none, none, typeNatural),  // 125
    // file_exists wants a name; an open handle exists.
    method("exists", "is_resource", typeFile, keeps, F::receiverFirst, 0, none, none, typeBoolean),  // 126
    method("dir", "dir", typeDir, keeps, F::receiverAsIs, 1, typeText, none, typeDir),  // 127
    separator(0),  // 128
    function("abs", "abs", S::plain, 1, typeNumber, none, none, none, typeNumber),  // 129
    function("sin", "sin", S::plain, 1, typeReal, none, none, none, typeReal),  // 130
    function("cos", "cos", S::plain, 1, typeReal, none, none, none, typeReal),  // 131
    function("tan", "tan", S::plain, 1, typeReal, none, none, none, typeReal),  // 132
    function("log", "log", S::plain, 1, typeReal, none, none, none, typeReal),  // 133
    function("sqrt", "sqrt", S::plain, 1, typeReal, none, none, none, typeReal),  // 134
    function("exp", "exp", S::plain, 1, typeReal, none, none, none, typeReal),  // 135
    function("asin", "asin", S::plain, 1, typeReal, none, none, none, typeReal),  // 136
    function("acos", "acos", S::plain, 1, typeReal, none, none, none, typeReal),  // 137
    function("atan", "atan", S::plain, 1, typeReal, none, none, none, typeReal),  // 138
    function("ceil", "ceil", S::plain, 1, typeReal, none, none, none, typeReal),  // 139
    function("floor", "floor", S::plain, 1, typeReal, none, none, none, typeReal),  // 140
    function("fmod", "fmod", S::plain, 2, typeNumber, typeNumber, none, none, typeNumber),  // 141
    function("pow", "pow", S::plain, 2, typeNumber, typeNumber, none, none, typeNumber),  // 142
    function("sign", "", S::signOfValue, 1, typeNumber, none, none, none, typeInteger),  // 143
    function("time", "time", S::plain, 0, none, none, none, none, typeInteger),  // 144
    function("localtime", "localtime(time(),1", S::callOpenedByName, 0, none, none, none, none, typeDict),  // 145
    // a boolean, not the integer intval gives
    function("boolval", "boolval", S::plain, 1, typeInteger, none, none, none, typeBoolean),  // 146
    function("chr", "chr", S::plain, 1, typeInteger, none, none, none, typeText),  // 147
    function("ord", "ord", S::plain, 1, typeText, none, none, none, typeInteger),  // 148
    function("str", "strval", S::plain, 1, typeNumber, none, none, none, typeText),  // 149
    function("naturalval", "intval", S::plain, 1, typeVar, none, none, none, typeNatural),  // 150
    // PHP has no isArray.
    function("isList", "is_array", S::plain, 1, typeVar, none, none, none, typeBoolean),  // 151
    function("die", "die", S::plain, 1, typeText, none, none, none, typeVoid),  // 152
    function("exec", "system", S::plain, 1, typeText, none, none, none, typeInteger),  // 153
    function("exit", "exit", S::plain, 1, typeVar+optional, none, none, none, typeVoid),  // 154
    function("max", "max", S::plain, 2, typeVar, typeVar, none, none, typeVar),  // 155
    function("min", "min", S::plain, 2, typeVar, typeVar, none, none, typeVar),  // 156
    function("pad", "str_pad", S::plain, 4, typeText, typeInteger, typeText+optional, typeInteger+optional, typeText),  // 157
    function("plural", "", S::pluralSuffix, 1, typeInteger, none, none, none, typeText),  // 158
    function("rand", "rand", S::plain, 0, none, none, none, none, typeInteger),  // 159
    function("randomize", "srand", S::plain, 1, typeInteger, none, none, none, typeVoid),  // 160
    function("range", "range", S::plain, 2, typeInteger, typeInteger, none, none, typeArray),  // 161
    function("swap", "list", S::swapByTemporary, 2, typeVar, typeVar, none, none, typeVoid),  // 162
    function("system", "system", S::plain, 1, typeText, none, none, none, typeInteger),  // 163
    function("round", "round", S::plain, 1, typeNumber, none, none, none, typeNumber),  // 164
    function("unlink", "unlink", S::plain, 1, typeCharPtr, none, none, none, typeBoolean),  // 165
    function("rename", "rename", S::plain, 2, typeCharPtr, typeCharPtr, none, none, typeBoolean),  // 166
    function("chdir", "chdir", S::plain, 1, typeCharPtr, none, none, none, typeBoolean),  // 167
    function("mkdir", "mkdir", S::plain, 1, typeCharPtr, none, none, none, typeBoolean),  // 168
    function("rmdir", "rmdir", S::plain, 1, typeCharPtr, none, none, none, typeBoolean),  // 169
    // PHP has no is_associative; the test takes any value.
    function("is_dict", "(function($a){return is_array($a)&&$a!==array_values($a);})", S::plain, 1, typeVar, none, none, none, typeBoolean),  // 170
    function("is_dir", "is_dir", S::plain, 1, typeCharPtr, none, none, none, typeBoolean),  // 171
    function("is_file", "is_file", S::plain, 1, typeCharPtr, none, none, none, typeBoolean),  // 172
    function("filetype", "filetype", S::plain, 1, typeCharPtr, none, none, none, typeText),  // 173
    function("filesize", "filesize", S::plain, 1, typeCharPtr, none, none, none, typeNumber),  // 174
    function("filetime", "filemtime", S::plain, 1, typeCharPtr, none, none, none, typeInteger),  // 175
    function("file_exists", "file_exists", S::plain, 1, typeCharPtr, none, none, none, typeBoolean),  // 176
    function("fileToArray", "file", S::plain, 1, typeCharPtr, none, none, none, typeArray),  // 177
    function("getcwd", "getcwd", S::plain, 0, none, none, none, none, typeText),  // 178
    function("scandir", "scandir", S::plain, 1, typeCharPtr, none, none, none, typeArray),  // 179
    function("opendir", "opendir", S::plain, 1, typeCharPtr, none, none, none, typeDir),  // 180
    function("closedir", "closedir", S::plain, 1, typeDir, none, none, none, typeVoid),  // 181
    function("readdir", "readdir", S::plain, 1, typeDir, none, none, none, typeText),  // 182
    function("rewinddir", "rewinddir", S::plain, 1, typeDir, none, none, none, typeVoid),  // 183
    separator(separatorNumber),  // 184
};

int methodCount = 0;
int globalFunctionCount = 0;

MethodTable methodTable;

const BuiltinEntry& globalFunctionRow(int i) {
    if (i < 0 || i >= globalFunctionCount) return builtinTable[builtinRowCount - 1];
    return builtinTable[methodCount + 1 + i];
}

bool textOrFalse(const BuiltinEntry& row) {
    static const char* const names[] = {"fgets", "fread", "readdir", "key", "getcwd",
                                        "filetype"};
    if (row.result != typeText)
        return false;
    std::string_view name = row.phpName;
    name = name.substr(0, name.find(','));
    for (const char* n : names)
        if (name == n)
            return true;
    return false;
}

MethodTable::MethodTable() : found(-1) {
    for (int& start : startIndex) start = 0;
    bool seen[32] = {};
    int row = 0;
    for (; row < builtinRowCount && builtinTable[row].receiver != separatorNumber; ++row) {
        int receiver = builtinTable[row].receiver;
        if (receiver >= 0 && receiver < 32 && !seen[receiver]) {
            seen[receiver] = true;
            startIndex[receiver] = row;
        }
    }
    methodCount = row;
    int functions = 0;
    for (row = methodCount + 1;
         row < builtinRowCount && builtinTable[row].argumentCount != separatorNumber; ++row)
        ++functions;
    globalFunctionCount = functions;
    for (int i = 0; i < globalFunctionCount; ++i) {
        const char* rowName = globalFunctionRow(i).name;
        std::string::size_type length = std::char_traits<char>::length(rowName);
        functionsOfLength[std::min<std::string::size_type>(length, lengthBuckets - 1)].push_back(
            NamedRow{i, static_cast<unsigned char>(rowName[0])});
    }
}

int MethodTable::searchReceiver(const std::string& name, int type) {
    if (type < 0 || type >= 32) return -1;
    int start = startIndex[type];
    if (start >= methodCount) return -1;
    for (int row = start; row < methodCount && builtinTable[row].receiver == type; ++row)
        if (equalsIgnoreCase(name, builtinTable[row].name)) return row;
    return -1;
}

int MethodTable::findForType(const std::string& name, int type) {
    if (isTypedArray(type)) type = typeArray;
    found = -1;
    if (type == typeVar) {
        for (int row = 1; row < methodCount; ++row) {
            if (equalsIgnoreCase(name, builtinTable[row].name)) {
                found = row;
                break;
            }
        }
        return found;
    }
    if (type == typeDict) {
        found = searchReceiver(name, typeDict);
        if (found >= 0) return found;
        type = typeArray;
    }
    found = searchReceiver(name, type);
    return found;
}

int MethodTable::findDictMethod(const std::string& name) {
    found = searchReceiver(name, typeDict);
    return found;
}

int MethodTable::findGlobalFunction(const std::string& name) {
    // The first byte as equalsIgnoreCase compares it: folded when the
    // name's byte is 32..127.
    const bool empty = name.empty();
    const unsigned char first = empty ? 0 : static_cast<unsigned char>(name[0]);
    const bool fold = first >= 32 && first <= 127;
    const int key = fold ? first | 0x20 : first;
    for (const NamedRow& entry :
         functionsOfLength[std::min<std::string::size_type>(name.size(), lengthBuckets - 1)]) {
        if (!empty && (fold ? entry.first | 0x20 : entry.first) != key) continue;
        if (equalsIgnoreCase(name, globalFunctionRow(entry.row).name)) {
            found = entry.row;
            return 1;
        }
    }
    found = -1;
    return 0;
}

int MethodTable::methodFlag(int i) const {
    if (i < 0 || i >= methodCount) return 0;
    return builtinTable[i].modifies;
}

void MethodTable::pushFunctionParameters() {
    if (!currentCall) return;
    currentCall->parameterTypes.clear();
    currentCall->parameterClassIndex.clear();
    currentCall->parameterAcceptsObject.clear();
    if (found < 0 || found >= globalFunctionCount) return;
    for (int type : globalFunctionRow(found).argumentTypes) currentCall->addParameter(type, 0);
}

namespace {

// Name a predefined call's diagnostics carry: the call's record, or the
// row's own name when the record has none.
std::string callName(const BuiltinEntry& row) {
    if (currentCall && !currentCall->name.empty() && currentCall->name != unknownName)
        return currentCall->name;
    return row.name;
}

}  // namespace

int MethodTable::checkRowArguments(const BuiltinEntry& row, int positions) {
    int given = currentCall ? static_cast<int>(currentCall->argumentTypes.size()) : 0;
    int required = 0;
    for (int i = 0; i < 2; ++i)
        if (row.argumentTypes[i] > noArgument && row.argumentTypes[i] <= argumentTypeMask)
            ++required;
    int position;
    if (row.argumentCount == -1) {
        if (given == 0) return 1;
        position = 1;
    } else {
        if (given < required) {
            reportArgumentCount(callName(row), required, given);
            return 0;
        }
        if (given > row.argumentCount) {
            reportArgumentCount(callName(row), row.argumentCount, given);
            return 0;
        }
        position = given;
    }
    if (position < 1 || position > positions) return 1;
    int declared = row.argumentTypes[position - 1] & argumentTypeMask;
    if (typeMatrix[declared][currentCall->argumentTypes[position - 1]] != 0) return 1;
    reportErrorName(Msg::badArguments, callName(row));
    return 0;
}

int MethodTable::checkFunctionArguments(int i) {
    if (i < 0 || i >= globalFunctionCount) return 0;
    return checkRowArguments(globalFunctionRow(i), 4);
}

int MethodTable::checkMethodArguments(int i) {
    if (i < 0 || i >= methodCount) return 0;
    return checkRowArguments(builtinTable[i], 2);
}
