#include "emit/calls.h"

#include <cctype>

#include "emit/code_buffer.h"
#include "emit/translators.h"
#include "semantic/types.h"

namespace {

using F = CallForm;
using O = CallOpening;
using C = CallClosing;

// One row per call form of the predefined methods.
const MemberCallForm memberCallForms[] = {
    // form                    opening            first  last   suffix error  closing      assigns
    {F::receiverFirst,         O::phpName,        true,  false, false, false, C::common,      false},
    {F::receiverLast,          O::phpName,        false, true,  false, false, C::common,      false},
    {F::arraySplice,           O::nothing,        false, false, false, false, C::arrayInsert, true},
    {F::assignResult,          O::assignPhpName,  false, false, false, false, C::common,      true},
    {F::assignResultCaught,    O::assignPhpName,  false, false, false, true,  C::common,      true},
    {F::receiverFirstNameTail, O::phpNameToComma, true,  false, true,  false, C::common,      false},
    {F::receiverAsIs,          O::nothing,        false, false, false, false, C::conversion,  false},
    {F::filePutLines,          O::nothing,        false, false, false, false, C::arrayStore,  false},
    {F::spliceFromStart,       O::nothing,        false, false, false, false, C::arrayPack,   true},
    {F::assignReceiverLast,    O::assignPhpName,  false, true,  false, false, C::common,      true},
    {F::substrReplace,         O::nothing,        false, false, false, false, C::textInsert,  true},
    {F::strRepeatZero,         O::receiver,       false, false, false, false, C::textReserve, true},
    {F::prependPair,           O::nothing,        false, false, false, false, C::dictUnshift, true},
    {F::searchInText,          O::nothing,        false, false, false, false, C::textSearch,  false},
    {F::nonEmptyOrFalse,       O::nothing,        false, false, false, false, C::nonEmptyArray, false},
    {F::strvalOfCall,          O::nothing,        false, false, false, false, C::asText,      false},
    {F::renumbered,            O::nothing,        false, false, false, false, C::listValues,  false},
};

bool isNameStart(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool isNameChar(char c) { return isNameStart(c) || std::isdigit(static_cast<unsigned char>(c)); }

size_t nameEnd(const std::string& text, size_t at)
{
    if (at >= text.size() || !isNameStart(text[at]))
        return at;
    while (at < text.size() && isNameChar(text[at]))
        ++at;
    return at;
}

bool isPlainOperand(const std::string& text)
{
    if (text.empty())
        return false;
    size_t at = text[0] == '$' ? 1 : 0;
    if (nameEnd(text, at) == text.size() && text.size() > at)
        return true;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)) && c != '.')
            return false;
    return true;
}

}  // namespace

const MemberCallForm* memberCallForm(CallForm kind)
{
    for (const MemberCallForm& form : memberCallForms)
        if (form.form == kind)
            return &form;
    return nullptr;
}

bool takesReceiverByReference(const std::string& phpName)
{
    static const char* const names[] = {"reset", "prev", "end", "next", "array_pop",
                                        "array_push", "array_shift", "array_unshift", "sort",
                                        "rsort", "asort", "ksort", "array_splice"};
    for (const char* name : names)
        if (phpName == name)
            return true;
    return false;
}

bool isVariableText(const std::string& text)
{
    size_t i = 0;
    if (!text.empty() && text[0] == '$') {
        i = nameEnd(text, 1);
        if (i == 1)
            return false;
    } else {
        // a static member: Class::$name
        i = nameEnd(text, 0);
        if (i == 0 || text.compare(i, 3, "::$") != 0)
            return false;
        size_t end = nameEnd(text, i + 3);
        if (end == i + 3)
            return false;
        i = end;
    }
    while (i < text.size()) {
        if (text[i] == '[') {
            i = bracketEnd(text, i);
            if (i == std::string::npos)
                return false;
        } else if (text.compare(i, 2, "->") == 0) {
            size_t end = nameEnd(text, i + 2);
            if (end == i + 2)
                return false;
            i = end;
        } else if (text.compare(i, 3, "::$") == 0) {
            size_t end = nameEnd(text, i + 3);
            if (end == i + 3)
                return false;
            i = end;
        } else {
            return false;
        }
    }
    return true;
}

std::string withoutStore(const std::string& text, const std::string& receiver)
{
    std::string store = receiver + "=";
    return text.compare(0, store.size(), store) == 0 ? text.substr(store.size()) : text;
}

std::string memberCallOpening(const MemberCallForm& form, const std::string& phpName,
                              const std::string& receiver, bool& ok)
{
    ok = true;
    switch (form.opening) {
    case O::phpName:
        return phpName;
    case O::phpNameToComma: {
        size_t comma = phpName.find(',');
        if (comma == std::string::npos) {
            ok = false;
            return "";
        }
        return phpName.substr(0, comma);
    }
    case O::assignPhpName:
        return receiver + "=" + phpName;
    case O::receiver:
        return receiver;
    case O::nothing:
        break;
    }
    return "";
}

std::string memberCallClosing(const MemberCallForm& form, const std::string& phpName,
                              const std::string& receiver, bool hasArguments)
{
    std::string text;
    if (form.receiverLast)
        text += (hasArguments ? "," : "") + receiver;
    if (form.suffix) {
        size_t comma = phpName.find(',');
        if (comma != std::string::npos)
            text += phpName.substr(comma);
    }
    text += ")";
    if (form.errorCapture)
        text += ")";
    return text;
}

// array "insert":  a.insert(i, x)
// writes: array_splice($a,i,0,x), and array_splice($a,i,0,array($x)) for an
// array, an object or a var value, which array_splice would spread into
// its elements: one element is inserted, as "push" does
std::string arrayInsertText(const std::string& receiver, const std::string& index,
                            const std::string& value, int valueType)
{
    bool spread = isArrayType(valueType) || valueType == typeObject || valueType == typeVar;
    return "array_splice(" + receiver + "," + index + ",0," +
           (spread ? "array(" + value + ")" : value) + ")";
}

std::string arrayPackText(const std::string& receiver)
{
    return "array_splice(" + receiver + ",0,0)";
}

std::string textInsertText(const std::string& receiver, const std::string& index,
                           const std::string& text)
{
    return receiver + "=substr_replace(" + receiver + "," + text + "," + index + ",0)";
}

std::string textReserveText(const std::string& receiver, const std::string& count)
{
    return receiver + "=str_repeat(0," + count + ")";
}

std::string dictUnshiftText(const std::string& receiver, const std::string& key,
                            const std::string& value)
{
    return receiver + "=array(" + key + "=>" + value + ")+" + receiver;
}

// text "find", "findLast" and "findLex" with an offset:  s.find(x, o)
// writes: (abs(o)>strlen($s)?false:strpos($s,x,o)), since PHP 8 throws on an
// offset outside the text where PHP 7 found nothing; without one strpos($s,x)
std::string textSearchText(const std::string& phpName, const std::string& receiver,
                           const std::string& needle, const std::string& offset)
{
    if (offset.empty())
        return phpName + "(" + receiver + (needle.empty() ? "" : "," + needle) + ")";
    RepeatedText text = repeatedText(receiver), at = repeatedText(offset);
    return "(abs(" + at.first + ")>strlen(" + text.first + ")?false:" + phpName + "(" +
           text.again + "," + needle + "," + at.again + "))";
}

// array "max", "min" and "rand":  a.max()
// writes: ($a?max($a):false): nil for an empty array, on which PHP 8 throws
std::string nonEmptyArrayText(const std::string& phpName, const std::string& receiver)
{
    RepeatedText list = repeatedText(receiver);
    return "(" + list.first + "?" + phpName + "(" + list.again + "):false)";
}

// dict "find":  d.find(x)
// writes: strval(array_search(x,$d)), the key a text as the row says ("10",
// not 10)
std::string asTextText(const std::string& phpName, const std::string& receiver,
                       const std::string& value)
{
    return "strval(" + phpName + "(" + (value.empty() ? "" : value + ",") + receiver + "))";
}

// array "unique":  a.unique()
// writes: array_values(array_unique($a)) on a list, numbered from 0 again;
// array_unique($d) on a dict or a var, whose keys stay
std::string listValuesText(const std::string& phpName, const std::string& receiver,
                           int receiverType)
{
    std::string call = phpName + "(" + receiver + ")";
    return isListType(receiverType) ? "array_values(" + call + ")" : call;
}

std::string swapText(const std::string& temp, const std::string& a, const std::string& b)
{
    return temp + "=" + a + ";" + a + "=" + b + ";" + b + "=" + temp;
}

std::string signText(const std::string& value)
{
    // The value stands three times: a long one is evaluated once.
    RepeatedText x = repeatedText(value);
    return "((" + x.first + ")?(" + x.again + ")/abs(" + x.again + "):0)";
}

std::string pluralText(const std::string& count)
{
    std::string n = isPlainOperand(count) ? count : "(" + count + ")";
    return "(" + n + ">1?\"s\":\"\")";
}
