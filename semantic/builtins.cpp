#include "semantic/builtins.h"

#include <string_view>

#include <algorithm>

#include "emit/state.h"
#include "semantic/messages.h"
#include "semantic/symbols.h"
#include "semantic/text_util.h"
#include "semantic/types.h"

namespace {

constexpr BuiltinEntry method(const char* name, const char* phpName, int receiver, int modifies,
                              int kind, int count, int argument1, int argument2, int result) {
    return BuiltinEntry{name, phpName, receiver, modifies, kind, 0, count,
                        {argument1, argument2, 0, 0}, result};
}

constexpr BuiltinEntry function(const char* name, const char* phpName, int special, int count,
                                int argument1, int argument2, int argument3, int argument4,
                                int result) {
    return BuiltinEntry{name, phpName, 0, 0, 0, special, count,
                        {argument1, argument2, argument3, argument4}, result};
}

// The first separator has receiver 65535 and no PHP name; the final one has
// 65535 in every number.
constexpr BuiltinEntry separator(int number) {
    return BuiltinEntry{"---", "", 65535, number, number, number, number,
                        {number, number, number, number}, number};
}

constexpr const char* toXmlClosure =
    R"php((function($d){$x=function($d)use(&$x){$a="";$c="";foreach($d as $k=>$v){if(is_array($v)){$r=$x($v);$c.="<$k".$r[0].">".$r[1]."</$k>";}elseif($k==="data"){$c.=htmlspecialchars($v);}else{$a.=" $k=\"".htmlspecialchars($v)."\"";}}return array($a,$c);};$r=$x($d);return $r[1];}))php";

}  // namespace

// Method rows grouped by receiver type (1, 4, 5, 7, 8, 10, 11, 12, 16, 13,
// 14), a separator, the global functions, a final separator.
const BuiltinEntry builtinTable[builtinRowCount] = {
    method("setDyn", "void", 1, 0, 0, 0, 0, 0, 0),  // 0
    method("toint", "intval", 4, 0, 1, 0, 0, 0, 5),  // 1
    method("tointeger", "intval", 4, 0, 1, 0, 0, 0, 5),  // 2
    method("toreal", "doubleval", 4, 0, 1, 0, 0, 0, 7),  // 3
    method("totext", "strval", 4, 0, 1, 0, 0, 0, 10),  // 4
    method("tonatural", "intval", 4, 0, 1, 0, 0, 0, 8),  // 5
    method("totext", "strval", 5, 0, 1, 0, 0, 0, 10),  // 6
    method("toreal", "doubleval", 5, 0, 1, 0, 0, 0, 7),  // 7
    method("tonatural", "intval", 5, 0, 1, 0, 0, 0, 8),  // 8
    method("totext", "strval", 7, 0, 1, 0, 0, 0, 10),  // 9
    method("toint", "intval", 7, 0, 1, 0, 0, 0, 5),  // 10
    method("tointeger", "intval", 7, 0, 1, 0, 0, 0, 5),  // 11
    method("tonatural", "intval", 7, 0, 1, 0, 0, 0, 8),  // 12
    method("tointeger", "intval", 8, 0, 1, 0, 0, 0, 5),  // 13
    method("totext", "strval", 8, 0, 1, 0, 0, 0, 10),  // 14
    method("toreal", "doubleval", 8, 0, 1, 0, 0, 0, 7),  // 15
    method("toint", "intval", 8, 0, 1, 0, 0, 0, 5),  // 16
    // PHP has no strcat: append the argument to the receiver.
    method("cat", "(function($b,$a){return $a.$b;})", 10, 1, 15, 1, 10, 0, 1),  // 17
    method("capitalize", "ucfirst", 10, 0, 1, 0, 0, 0, 10),  // 18
    method("compare", "strcasecmp", 10, 0, 1, 1, 10, 0, 5),  // 19
    method("dup", "str_repeat", 10, 0, 1, 1, 5, 0, 10),  // 20
    // with an offset outside the text: not found, as PHP 7 gave it
    method("find", "strpos", 10, 0, 21, 2, 10, 5+128, 5),  // 21
    method("findLast", "strrpos", 10, 0, 21, 2, 10, 5+128, 5),  // 22
    method("findLex", "stripos", 10, 0, 21, 2, 10, 5+128, 5),  // 23
    method("identical", "strcmp", 10, 0, 1, 1, 10, 0, 5),  // 24
    method("insert", "", 10, 0, 16, 2, 5, 10, 1),  // 25
    method("isnumber", "is_numeric", 10, 0, 1, 0, 0, 0, 3),  // 26
    method("length", "strlen", 10, 0, 1, 0, 0, 0, 5),  // 27
    method("lower", "strtolower", 10, 0, 1, 0, 0, 0, 10),  // 28
    method("ltrim", "ltrim", 10, 0, 1, 0, 0, 0, 10),  // 29
    method("replace", "str_replace", 10, 0, 15, 2, 10, 10, 10),  // 30
    method("reserve", "str_repeat", 10, 0, 17, 1, 5, 0, 1),  // 31
    method("rtrim", "rtrim", 10, 0, 1, 0, 0, 0, 10),  // 32
    method("split", "explode", 10, 0, 2, 1, 10, 0, 11),  // 33
    method("trim", "trim", 10, 0, 1, 0, 0, 0, 10),  // 34
    method("tofunction", "", 10, 0, 9, 0, 0, 0, 21),  // 35
    method("toint", "intval", 10, 0, 1, 0, 0, 0, 5),  // 36
    method("tointeger", "intval", 10, 0, 1, 0, 0, 0, 5),  // 37
    method("tonumber", "doubleval", 10, 0, 1, 0, 0, 0, 4),  // 38
    method("toreal", "doubleval", 10, 0, 1, 0, 0, 0, 7),  // 39
    method("tonatural", "doubleval", 10, 0, 1, 0, 0, 0, 8),  // 40
    method("tostr", "", 10, 0, 9, 0, 0, 0, 22),  // 41
    method("totext", "", 10, 0, 9, 0, 0, 0, 10),  // 42
    method("tofile", "file_put_contents", 10, 0, 2, 1, 10, 0, 1),  // 43
    method("upper", "strtoupper", 10, 0, 1, 0, 0, 0, 10),  // 44
    method("wrap", "wordwrap", 10, 0, 1, 0, 0, 0, 10),  // 45
    method("fill", "str_repeat", 10, 1, 6, 2, 10, 5, 10),  // 46
    method("slice", "substr", 10, 0, 1, 2, 5, 5+128, 10),  // 47
    method("begin", "reset", 11, 0, 1, 0, 0, 0, 16),  // 48
    method("dec", "prev", 11, 0, 1, 0, 0, 0, 16),  // 49
    method("display", "print_r", 11, 0, 1, 0, 0, 0, 1),  // 50
    method("end", "end", 11, 0, 1, 0, 0, 0, 16),  // 51
    method("empty", "empty", 11, 0, 1, 0, 0, 0, 3),  // 52
    method("find", "array_search", 11, 0, 2, 1, 16, 0, 5),  // 53
    // in_array needs the value looked for.
    method("inarray", "in_array", 11, 0, 2, 1, 16, 0, 3),  // 54
    method("inc", "next", 11, 0, 1, 0, 0, 0, 16),  // 55
    method("index", "key", 11, 0, 1, 0, 0, 0, 5),  // 56
    method("insert", "", 11, 0, 4, 2, 5, 16, 1),  // 57
    method("join", "implode", 11, 0, 2, 1, 10, 0, 10),  // 58
    method("key", "key", 11, 0, 1, 0, 0, 0, 10),  // 59
    method("length", "count", 11, 0, 1, 0, 0, 0, 5),  // 60
    method("load", "file", 11, 1, 6, 2, 10, 5+128, 3),  // 61
    method("store", "", 11, 1, 11, 2, 10, 3+128, 1),  // 62
    method("map", "array_map", 11, 1, 2, 1, 21, 0, 11),  // 63
    // nil for an empty array
    method("max", "max", 11, 0, 22, 0, 0, 0, 16),  // 64
    method("merge", "array_merge", 11, 1, 1, -1, 16, 0, 12),  // 65
    method("min", "min", 11, 0, 22, 0, 0, 0, 16),  // 66
    method("pack", "", 11, 0, 13, 0, 0, 0, 1),  // 67
    method("pop", "array_pop", 11, 0, 1, 0, 0, 0, 16),  // 68
    method("push", "array_push", 11, 1, 1, 1, 16, 0, 1),  // 69
    method("rand", "array_rand", 11, 0, 22, 0, 0, 0, 16),  // 70
    method("reverse", "array_reverse", 11, 0, 1, 0, 0, 0, 18),  // 71
    method("shift", "array_shift", 11, 0, 1, 0, 0, 0, 16),  // 72
    method("size", "count", 11, 0, 1, 0, 0, 0, 5),  // 73
    method("slice", "array_slice", 11, 0, 1, 2, 5, 5, 18),  // 74
    method("sort", "sort", 11, 0, 1, 1, 5+128, 0, 1),  // 75
    method("rsort", "rsort", 11, 0, 1, 1, 5+128, 0, 1),  // 76
    method("splice", "array_splice", 11, 0, 1, 2, 5, 5, 1),  // 77
    method("sum", "array_sum", 11, 0, 1, 0, 0, 0, 4),  // 78
    // implode takes the separator first.
    method("toString", "implode", 11, 0, 2, 1, 10+128, 0, 10),  // 79
    // implode takes the separator first.
    method("toText", "implode", 11, 0, 2, 1, 10+128, 0, 10),  // 80
    // a list numbered from 0 again
    method("unique", "array_unique", 11, 0, 24, 0, 0, 0, 18),  // 81
    method("unshift", "array_unshift", 11, 1, 1, 1, 16, 0, 1),  // 82
    method("value", "current", 11, 0, 1, 0, 0, 0, 16),  // 83
    method("values", "array_values", 11, 0, 1, 0, 0, 0, 11),  // 84
    method("keys", "array_keys", 12, 0, 1, 0, 0, 0, 18),  // 85
    // array_search takes the value first, the dict second; the key is a text.
    method("find", "array_search", 12, 0, 23, 1, 10, 0, 10),  // 86
    // array_key_exists takes the key first, the dict second.
    method("hasKey", "array_key_exists", 12, 0, 2, 1, 10, 0, 3),  // 87
    // Loads "key=value" lines of a file into the dict.
    method("load", "parse_ini_file", 12, 1, 6, 2, 10, 5+128, 1),  // 88
    method("sort", "asort", 12, 0, 1, 1, 5+128, 0, 1),  // 89
    method("ksort", "ksort", 12, 0, 1, 1, 5+128, 0, 1),  // 90
    method("unshift", "", 12, 0, 20, 2, 10, 16, 1),  // 91
    method("values", "array_values", 12, 0, 1, 0, 0, 0, 11),  // 92
    // The dict as XML text: nested dicts become elements, "data" the text.
    method("toXML", toXmlClosure, 12, 0, 1, 0, 0, 0, 10),  // 93
    method("isArray", "is_array", 16, 0, 1, 0, 0, 0, 3),  // 94
    method("isText", "is_string", 16, 0, 1, 0, 0, 0, 3),  // 95
    method("isNumber", "is_double", 16, 0, 1, 0, 0, 0, 3),  // 96
    method("isReal", "is_double", 16, 0, 1, 0, 0, 0, 3),  // 97
    method("isBoolean", "is_bool", 16, 0, 1, 0, 0, 0, 3),  // 98
    method("isNatural", "is_double", 16, 0, 1, 0, 0, 0, 3),  // 99
    method("isInt", "is_int", 16, 0, 1, 0, 0, 0, 3),  // 100
    method("isInteger", "is_int", 16, 0, 1, 0, 0, 0, 3),  // 101
    method("isFile", "is_object", 16, 0, 1, 0, 0, 0, 3),  // 102
    method("arraytype", "arrayType", 16, 0, 9, 0, 0, 0, 5),  // 103
    method("toboolean", "toBoolean", 16, 0, 9, 0, 0, 0, 3),  // 104
    // PHP has no toInt.
    method("toint", "intval", 16, 0, 1, 0, 0, 0, 5),  // 105
    // PHP has no toInteger.
    method("tointeger", "intval", 16, 0, 1, 0, 0, 0, 5),  // 106
    method("toreal", "toReal", 16, 0, 9, 0, 0, 0, 7),  // 107
    method("tonatural", "toNatural", 16, 0, 9, 0, 0, 0, 8),  // 108
    method("totext", "toText", 16, 0, 9, 0, 0, 0, 10),  // 109
    method("tonumber", "toNumber", 16, 0, 9, 0, 0, 0, 4),  // 110
    method("toarray", "toArray", 16, 0, 9, 0, 0, 0, 11),  // 111
    method("todict", "toDict", 16, 0, 9, 0, 0, 0, 12),  // 112
    method("tofile", "toFile", 16, 0, 9, 0, 0, 0, 13),  // 113
    method("toobject", "toObject", 16, 0, 9, 0, 0, 0, 15),  // 114
    method("tolist", "toList", 16, 0, 9, 0, 5+128, 0, 15),  // 115
    method("open", "fopen", 13, 1, 7, 2, 10, 10, 5),  // 116
    method("close", "fclose", 13, 1, 1, 0, 0, 0, 5),  // 117
    method("read", "fread", 13, 0, 1, 1, 5, 0, 10),  // 118
    method("write", "fwrite", 13, 0, 1, 1, 10, 0, 5),  // 119
    method("readline", "fgets,65536", 13, 0, 8, 0, 0, 0, 10),  // 120
    method("writeline", "fputs", 13, 0, 1, 1, 10, 0, 1),  // 121
    method("eof", "feof", 13, 0, 1, 0, 0, 0, 3),  // 122
    method("seek", "fseek", 13, 0, 1, 1, 5, 0, 5),  // 123
    // A file is an open handle: filesize wants a name.
    method("size", "(function($f){return fstat($f)[\"size\"];})", 13, 0, 1, 0, 0, 0, 8),  // 124
    // PHP has no filetime; a file is an open handle.
    method("time", "(function($f){return fstat($f)[\"mtime\"];})", 13, 0, 1, 0, 0, 0, 8),  // 125
    // file_exists wants a name; an open handle exists.
    method("exists", "is_resource", 13, 0, 1, 0, 0, 0, 3),  // 126
    method("dir", "dir", 14, 0, 9, 1, 10, 0, 14),  // 127
    separator(0),  // 128
    function("abs", "abs", 0, 1, 4, 0, 0, 0, 4),  // 129
    function("sin", "sin", 0, 1, 7, 0, 0, 0, 7),  // 130
    function("cos", "cos", 0, 1, 7, 0, 0, 0, 7),  // 131
    function("tan", "tan", 0, 1, 7, 0, 0, 0, 7),  // 132
    function("log", "log", 0, 1, 7, 0, 0, 0, 7),  // 133
    function("sqrt", "sqrt", 0, 1, 7, 0, 0, 0, 7),  // 134
    function("exp", "exp", 0, 1, 7, 0, 0, 0, 7),  // 135
    function("asin", "asin", 0, 1, 7, 0, 0, 0, 7),  // 136
    function("acos", "acos", 0, 1, 7, 0, 0, 0, 7),  // 137
    function("atan", "atan", 0, 1, 7, 0, 0, 0, 7),  // 138
    function("ceil", "ceil", 0, 1, 7, 0, 0, 0, 7),  // 139
    function("floor", "floor", 0, 1, 7, 0, 0, 0, 7),  // 140
    function("fmod", "fmod", 0, 2, 4, 4, 0, 0, 4),  // 141
    function("pow", "pow", 0, 2, 4, 4, 0, 0, 4),  // 142
    function("sign", "", 7, 1, 4, 0, 0, 0, 5),  // 143
    function("time", "time", 0, 0, 0, 0, 0, 0, 5),  // 144
    function("localtime", "localtime(time(),1", 6, 0, 0, 0, 0, 0, 12),  // 145
    // a boolean, not the integer intval gives
    function("boolval", "boolval", 0, 1, 5, 0, 0, 0, 3),  // 146
    function("chr", "chr", 0, 1, 5, 0, 0, 0, 10),  // 147
    function("ord", "ord", 0, 1, 10, 0, 0, 0, 5),  // 148
    function("str", "strval", 0, 1, 4, 0, 0, 0, 10),  // 149
    function("naturalval", "intval", 0, 1, 16, 0, 0, 0, 8),  // 150
    // PHP has no isArray.
    function("isList", "is_array", 0, 1, 16, 0, 0, 0, 3),  // 151
    function("die", "die", 0, 1, 10, 0, 0, 0, 1),  // 152
    function("exec", "system", 0, 1, 10, 0, 0, 0, 5),  // 153
    function("exit", "exit", 0, 1, 16+128, 0, 0, 0, 1),  // 154
    function("max", "max", 0, 2, 16, 16, 0, 0, 16),  // 155
    function("min", "min", 0, 2, 16, 16, 0, 0, 16),  // 156
    function("pad", "str_pad", 0, 4, 10, 5, 10+128, 5+128, 10),  // 157
    function("plural", "", 3, 1, 5, 0, 0, 0, 10),  // 158
    function("rand", "rand", 0, 0, 0, 0, 0, 0, 5),  // 159
    function("randomize", "srand", 0, 1, 5, 0, 0, 0, 1),  // 160
    function("range", "range", 0, 2, 5, 5, 0, 0, 11),  // 161
    function("swap", "list", 2, 2, 16, 16, 0, 0, 1),  // 162
    function("system", "system", 0, 1, 10, 0, 0, 0, 5),  // 163
    function("round", "round", 0, 1, 4, 0, 0, 0, 4),  // 164
    function("unlink", "unlink", 0, 1, 22, 0, 0, 0, 3),  // 165
    function("rename", "rename", 0, 2, 22, 22, 0, 0, 3),  // 166
    function("chdir", "chdir", 0, 1, 22, 0, 0, 0, 3),  // 167
    function("mkdir", "mkdir", 0, 1, 22, 0, 0, 0, 3),  // 168
    function("rmdir", "rmdir", 0, 1, 22, 0, 0, 0, 3),  // 169
    // PHP has no is_associative; the test takes any value.
    function("is_dict", "(function($a){return is_array($a)&&$a!==array_values($a);})", 0, 1, 16, 0, 0, 0, 3),  // 170
    function("is_dir", "is_dir", 0, 1, 22, 0, 0, 0, 3),  // 171
    function("is_file", "is_file", 0, 1, 22, 0, 0, 0, 3),  // 172
    function("filetype", "filetype", 0, 1, 22, 0, 0, 0, 10),  // 173
    function("filesize", "filesize", 0, 1, 22, 0, 0, 0, 4),  // 174
    function("filetime", "filemtime", 0, 1, 22, 0, 0, 0, 5),  // 175
    function("file_exists", "file_exists", 0, 1, 22, 0, 0, 0, 3),  // 176
    function("fileToArray", "file", 0, 1, 22, 0, 0, 0, 11),  // 177
    function("getcwd", "getcwd", 0, 0, 0, 0, 0, 0, 10),  // 178
    function("scandir", "scandir", 0, 1, 22, 0, 0, 0, 11),  // 179
    function("opendir", "opendir", 0, 1, 22, 0, 0, 0, 14),  // 180
    function("closedir", "closedir", 0, 1, 14, 0, 0, 0, 1),  // 181
    function("readdir", "readdir", 0, 1, 14, 0, 0, 0, 10),  // 182
    function("rewinddir", "rewinddir", 0, 1, 14, 0, 0, 0, 1),  // 183
    separator(65535),  // 184
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
    if (row.result != 10)
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
    for (; row < builtinRowCount && builtinTable[row].receiver != 65535; ++row) {
        int receiver = builtinTable[row].receiver;
        if (receiver >= 0 && receiver < 32 && !seen[receiver]) {
            seen[receiver] = true;
            startIndex[receiver] = row;
        }
    }
    methodCount = row;
    int functions = 0;
    for (row = methodCount + 1;
         row < builtinRowCount && builtinTable[row].argumentCount != 65535; ++row)
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
        if (row.argumentTypes[i] >= 1 && row.argumentTypes[i] <= 127) ++required;
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
    int declared = row.argumentTypes[position - 1] & 127;
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

void MethodTable::reportBadArguments() {
    std::string name = currentCall ? currentCall->name : "";
    reportErrorName(Msg::badArguments, name.empty() ? "virtual method " : name);
}
