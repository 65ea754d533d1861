#include "emit/slices.h"

#include <cctype>
#include <climits>

#include "emit/code_buffer.h"
#include "emit/state.h"
#include "semantic/messages.h"
#include "semantic/types.h"

// Upper-bound kinds:
//   0 no upper bound (to the end)      5 kinds differ (run-time arithmetic)
//   1 expression                       6 the whole container (assignment)
//   2 constant not below 0             7 to the end with "-1" (dict assignment)
//   3 negative constant                8 explicit bound after a lower bound (dict)
//   4 finished constant argument       9 explicit bound from the start (dict)

Interval::Interval()
    : containerType(0), kind(0), lowerKind(0), lowerValue(0), upperKind(0), upperValue(0),
      inclusive(0)
{
}

Interval readInterval;
Interval assignInterval;
const char* const intervalOperationNames[4] = {"unknow", "insert", "array_slice", "array_splice"};

bool isConstantBound(const std::string& text)
{
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)) && c != '%' && c != '*' && c != '+' &&
            c != '-' && c != '/' && c != '^')
            return false;
    }
    return true;
}

// The leading decimal integer of a constant bound, with its sign (3*2 is 3).
static long long boundValue(const std::string& text)
{
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        if (value < INT_MAX)
            value = value * 10 + (text[i] - '0');
    }
    if (value > INT_MAX)
        value = INT_MAX;
    return negative ? -value : value;
}

int constantBoundValue(const std::string& text)
{
    return static_cast<int>(boundValue(text));
}

namespace {
long long magnitude(long long v) { return v < 0 ? -v : v; }

// A finished number becomes both the argument text and the value.
void setUpper(Interval& in, long long value)
{
    in.upperText = std::to_string(value);
    in.upperValue = static_cast<int>(value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value);
}

// An upper bound of -1 with "..": the slice runs to the end. ("-- -2"
// excludes the element at -2, as a variable bound of -2 does.)
bool reachesEnd(long long v, int inc) { return v == -1 && inc == 1; }

// Element count from the lower to the upper constant bound.
long long boundLength(const Interval& in, long long v, int inc)
{
    return magnitude(magnitude(v) - magnitude(in.lowerValue)) + inc;
}
}

void formatUpperValue(Interval& in)
{
    in.upperText = std::to_string(in.upperValue);
}

void parseFromBound(Interval& in, const std::string& text)
{
    if (text.empty()) {
        in.lowerText = "0";
        in.lowerKind = boundConstant;
        in.lowerValue = 0;
    } else if (isConstantBound(text)) {
        in.lowerText = text;
        in.lowerValue = constantBoundValue(text);
        in.lowerKind = in.lowerValue < 0 ? boundNegative : boundConstant;
    } else {
        in.lowerText = text;
        in.lowerKind = boundVariable;
        in.lowerValue = 1;
    }
}

void parseToBound(Interval& in, int inc)
{
    const std::string& text = in.upperText;
    if (text.empty()) {
        in.upperKind = boundToEnd;
        return;
    }
    if (!isConstantBound(text)) {
        in.upperKind = boundVariable;
        return;
    }
    long long v = boundValue(text);
    in.upperValue = static_cast<int>(v);
    if (reachesEnd(v, inc)) {
        in.upperKind = boundToEnd;
        return;
    }
    if (v < 0) {
        in.upperKind = boundNegative;
        if (in.lowerValue == 0) {
            setUpper(in, v + inc);
            in.upperKind = boundCount;
            return;
        }
    } else {
        in.upperKind = boundConstant;
    }
    if (in.upperKind == in.lowerKind)
        setUpper(in, boundLength(in, v, inc));
    else if (in.lowerKind == boundVariable)
        in.upperKind = boundVariable;
}

void parseTextToBound(Interval& in, int inc)
{
    std::string& text = in.upperText;
    if (text.empty()) {
        in.upperKind = boundToEnd;
        return;
    }
    if (!isConstantBound(text)) {
        // a negative value counts from the end, as in an array's slice
        in.upperKind = boundVariable;
        return;
    }
    long long v = boundValue(text);
    in.upperValue = static_cast<int>(v);
    if (v < 0 && inc == 0)
        reportError(Msg::rangeSymbolMisused);
    if (reachesEnd(v, inc)) {
        in.upperKind = boundToEnd;
        return;
    }
    in.upperKind = v < 0 ? boundNegative : boundConstant;
    if (in.lowerValue == 0)
        setUpper(in, v + inc);
    else if (in.upperKind == in.lowerKind)
        setUpper(in, boundLength(in, v, inc));
    else
        in.upperKind = boundMixed;
}

void parseTextAssignBound(Interval& in, int inc)
{
    const std::string& text = in.upperText;
    if (text.empty()) {
        in.upperKind = boundToEnd;
        return;
    }
    if (!isConstantBound(text)) {
        in.upperKind = boundVariable;
        return;
    }
    long long v = boundValue(text);
    in.upperValue = static_cast<int>(v);
    if (v < 0) {
        if (inc == 0)
            reportError(Msg::rangeSymbolMisused);
        if (reachesEnd(v, inc)) {
            in.upperKind = boundToEnd;
            return;
        }
        in.upperKind = boundNegative;
        if (in.lowerValue == 0) {
            setUpper(in, v + inc);
            in.upperKind = boundCount;
            return;
        }
    } else {
        in.upperKind = boundConstant;
    }
    if (in.upperKind == in.lowerKind)
        setUpper(in, v + inc);
    else
        in.upperKind = boundMixed;
}

void parseDictAssignBound(Interval& in, int inc)
{
    std::string& text = in.upperText;
    // "--" to the end keeps the last element, as its read leaves it out
    if ((text.empty() || text == "-1") && inc == 1) {
        if (in.lowerValue == 0) {
            in.upperKind = boundWhole;
        } else {
            setUpper(in, -1);
            in.upperKind = boundToLast;
        }
        return;
    }
    if (text.empty())
        text = "-1";
    bool variable = !isConstantBound(text);
    std::string bound = text;
    if (inc == 1)
        text += "+1";
    // a negative value counts from the end, as in an array's slice
    if (variable)
        text += "+count(" + in.container + ")*(" + bound + "<0)";
    in.upperKind = in.lowerValue == 0 ? boundFromStart : boundMiddle;
}

void parseArrayAssignBound(Interval& in, int inc)
{
    std::string& text = in.upperText;
    if (text.empty() || text == "-1") {
        if (in.lowerValue == 0 && inc == 1) {
            in.upperKind = boundWhole;
            return;
        }
        text = "-1";
    }
    if (!isConstantBound(text)) {
        in.upperKind = boundVariable;
        return;
    }
    long long v = boundValue(text);
    in.upperValue = static_cast<int>(v);
    if (v >= 0) {
        in.upperKind = boundConstant;
    } else {
        in.upperKind = boundNegative;
        if (in.lowerValue == 0) {
            setUpper(in, v + inc);
            in.upperKind = boundCount;
            return;
        }
    }
    if (in.upperKind == in.lowerKind) {
        setUpper(in, boundLength(in, v, inc));
        in.upperKind = boundCount;
    } else if (in.lowerKind == boundVariable) {
        in.upperKind = boundVariable;
    }
}

namespace {
// A char * holds a text in PHP: its slices are substr forms too.
bool isTextContainer(int type) { return type == typeText || type == typeCharPtr; }

void fillInterval(Interval& in, int kind)
{
    in.container = codeBuffer;
    in.lowerSource = sliceStart;
    in.upperSource = sliceEnd;
    in.kind = kind;
    in.containerType = sliceContainerType;

    parseFromBound(in, sliceStart);

    in.upperText = sliceEnd;
    in.upperValue = 0;
    int inc = rangeInclusive ? 1 : 0;
    in.inclusive = inc;
    if (kind == 2) {
        if (isTextContainer(in.containerType))
            parseTextToBound(in, inc);
        else
            parseToBound(in, inc);
    } else if (isTextContainer(in.containerType)) {
        parseTextAssignBound(in, inc);
    } else if (in.containerType == typeDict) {
        parseDictAssignBound(in, inc);
    } else {
        parseArrayAssignBound(in, inc);
    }
}

}

void translateIntervalRead(Interval& interval)
{
    fillInterval(interval, 2);
    codeBuffer = translateInterval(interval);
}

void translateIntervalAssign(Interval& interval)
{
    fillInterval(interval, 3);
}

std::string translateInterval(Interval& interval)
{
    if (interval.kind == 2) {
        if (isTextContainer(interval.containerType))
            return translateTextIndex(interval);
        return translateCountBound(interval, true);
    }
    if (interval.kind == 3) {
        if (interval.containerType == typeDict)
            return translateArrayRange(interval);
        if (isTextContainer(interval.containerType))
            return translateTextRange(interval);
        return translateCountBound(interval, false);
    }
    reportError(Msg::illegalInterval);
    return std::string();
}

namespace {
// A read slice whose length names the container again (count or strlen):
// the container as it first stands, and the interval that names it after.
RepeatedText repeatedContainer(const Interval& in, Interval& again)
{
    RepeatedText k = repeatedText(in.container);
    again = in;
    again.container = k.again;
    return k;
}
}

std::string translateCountBound(Interval& in, bool read)
{
    const std::string& k = in.container;
    int op = in.kind >= 0 && in.kind < 4 ? in.kind : 0;
    bool named = in.upperKind == boundVariable ||
                 ((in.upperKind == boundConstant || in.upperKind == boundNegative) && in.upperKind != in.lowerKind);
    Interval again;
    std::string first = read && named ? repeatedContainer(in, again).first : k;
    std::string text = std::string(intervalOperationNames[op]) + "(" + first + "," + in.lowerText;
    switch (in.upperKind) {
    case boundToEnd:
        if (in.inclusive == 0)
            text += ",-1";
        break;
    case boundVariable:
        text += "," + translateNegativeIndex(read ? again : in, true);
        break;
    case boundConstant:
    case boundNegative:
        if (in.upperKind == in.lowerKind)
            text += "," + in.upperText;
        else
            text += "," + translateNegativeIndex(read ? again : in, true);
        break;
    case boundCount:
        text += "," + in.upperText;
        break;
    case boundWhole:
        text += ",count(" + k + ")";
        if (in.inclusive == 0)
            text += "-1";
        break;
    default:
        reportError(Msg::illegalInterval);
        break;
    }
    if (!read && in.valueText != "false")
        text += "," + in.valueText;
    // a dict keeps its keys, numeric texts included
    if (read && in.containerType == typeDict)
        text += in.upperKind == boundToEnd && in.inclusive != 0 ? ",null,true" : ",true";
    return text + ")";
}

// a dict slice removed:  d[lo..up] = nil
// writes: $d=array_diff_key($d,array_slice($d,lo,n,true)), the slice taken
// as an array's by position and removed by its keys, so the others keep
// theirs (array_splice would renumber numeric ones)
std::string translateDictRemoval(Interval& in)
{
    Interval part = in;
    part.kind = 2;
    part.containerType = typeDict;
    return in.container + "=array_diff_key(" + in.container + "," + translateCountBound(part, true) +
           ")";
}

// a dict slice assigned:  d[lo..up] = v
// writes: $d=array_replace(array_slice($d,0,lo,true),v,array_slice($d,up,null,true))
// (the parts before and after the slice with their keys, numeric texts
// included, which array_merge would renumber)
std::string translateArrayRange(Interval& in)
{
    const std::string& k = in.container;
    const std::string& v = in.valueText;
    std::string head = k + "=array_replace(array_slice(" + k + ",0," + in.lowerText + ",true),";
    std::string tail = ",array_slice(" + k + "," + in.upperText + ",null,true))";
    switch (in.upperKind) {
    case boundWhole:
        return k + "=" + v;
    case boundToLast:
        return head + v + ")";
    case boundFromStart:
        return k + "=array_replace(" + v + tail;
    default:
        return head + v + tail;
    }
}

std::string translateTextIndex(Interval& in)
{
    Interval again;
    std::string first = in.upperKind == boundVariable || in.upperKind == boundMixed
                            ? repeatedContainer(in, again).first
                            : in.container;
    std::string text = "substr(" + first + "," + in.lowerText;
    switch (in.upperKind) {
    case boundToEnd:
        if (in.inclusive == 0)
            text += ",-1";
        break;
    case boundVariable:
    case boundMixed:
        text += "," + translateNegativeIndex(again, false);
        break;
    case boundConstant:
    case boundNegative:
    case boundCount:
        text += "," + in.upperText;
        break;
    default:
        reportError(Msg::illegalInterval);
        break;
    }
    return text + ")";
}

std::string translateTextRange(Interval& in)
{
    const std::string& k = in.container;
    const std::string& lo = in.lowerText;
    const std::string& up = in.upperText;
    const std::string& v = in.valueText;

    std::string head;
    if (in.lowerValue != 0 && !lo.empty())
        head = "substr(" + k + ",0," + lo + ")";

    std::string tail;
    switch (in.upperKind) {
    case boundVariable:
        // a negative bound counts from the end, as in an array's slice
        tail = "substr(" + k + "," + up + (in.inclusive == 1 ? "+1" : "") + "+strlen(" + k + ")*(" +
               up + "<0))";
        break;
    case boundMixed:
        tail = "substr(" + k + "," + up + (in.inclusive == 1 ? "+1" : "") + ")";
        break;
    case boundConstant:
    case boundNegative:
    case boundCount:
        tail = "substr(" + k + "," + up + ")";
        break;
    case boundToEnd:
        // "--" without an upper bound keeps the last character, as its read
        // leaves it out
        if (in.inclusive == 0)
            tail = in.lowerValue != 0 && !lo.empty() ? "substr(substr(" + k + "," + lo + "),-1)"
                                                     : "substr(" + k + ",-1)";
        else if (head.empty())
            head = "substr(" + k + ",0,0)";
        break;
    default:
        reportError(Msg::illegalInterval);
        break;
    }

    if (!v.empty() && v != "\"\"" && v != "''") {
        std::string text = k + "=";
        if (!head.empty())
            text += head + ".";
        text += v;
        if (!tail.empty())
            text += "." + tail;
        return text;
    }
    // The slice is deleted: keep what stands before and after it.
    if (!head.empty() && !tail.empty())
        return k + "=" + head + "." + tail;
    if (!head.empty())
        return k + "=substr(" + k + ",0," + lo + ")";
    return k + "=" + tail;
}

std::string translateNegativeIndex(Interval& in, bool array)
{
    const std::string f = array ? "count" : "strlen";
    const std::string& k = in.container;
    const std::string& lo = in.lowerText;
    const std::string& up = in.upperText;
    std::string term;
    if (in.upperKind == boundNegative) {
        if (in.lowerKind == boundNegative)
            internalError(1002);
        else if (in.lowerKind == boundConstant)
            term = "+" + f + "(" + k + ")";
        else
            term = "+" + f + "(" + k + ")*(1-(" + lo + "<0))";
    } else if (in.upperKind == boundConstant) {
        if (in.lowerKind == boundNegative)
            term = "-" + f + "(" + k + ")";
        else if (in.lowerKind == boundConstant)
            internalError(1001);
        else
            term = "-" + f + "(" + k + ")*(" + lo + "<0)";
    } else {
        if (in.lowerKind == boundNegative)
            term = "+" + f + "(" + k + ")*((" + up + "<0)-1)";
        else if (in.lowerKind == boundConstant)
            term = "+" + f + "(" + k + ")*(" + up + "<0)";
        else
            term = "+" + f + "(" + k + ")*((" + up + "<0)-(" + lo + "<0))";
    }
    return up + "-(" + lo + ")" + term + (in.inclusive == 1 ? "+1" : "");
}
