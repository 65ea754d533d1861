// Slices of arrays, dicts and texts: bounds parsed into an Interval, then
// written as array_slice / array_splice / array_merge / substr calls.
#pragma once

#include <string>

// What a bound of an Interval is. A lower bound is a variable, a constant
// or a negative constant; an upper bound may also be one of the others.
enum BoundKind : int {
    boundToEnd = 0,      // none: the slice runs to the end
    boundVariable = 1,   // known at run time (an upper one: its length computed there)
    boundConstant = 2,   // a constant >= 0
    boundNegative = 3,   // a negative constant, counted from the end
    boundCount = 4,      // the upper text is the length argument of the slice's call
    boundMixed = 5,      // a text's constant upper bound of another kind than its lower one
    boundWhole = 6,      // an assignment to the whole container
    boundToLast = 7,     // a dict's part from the lower bound to the end
    boundMiddle = 8,     // a dict's part with elements before and after it
    boundFromStart = 9,  // a dict's part from the start
};

struct Interval {
    int containerType;      // typeText, typeDict, anything else an array
    std::string container;  // PHP text of the container
    int kind;               // 2 read, 3 assignment
    std::string lowerText;
    int lowerKind;          // a BoundKind
    int lowerValue;
    std::string upperText;
    int upperKind;          // a BoundKind
    int upperValue;
    std::string valueText;  // value assigned to the slice ("false" removes it)
    int inclusive;          // rangeInclusive when the bounds were read
    std::string lowerSource;  // the bound texts as the reference rule gave them
    std::string upperSource;
    Interval();
};

extern Interval readInterval;
extern Interval assignInterval;
extern const char* const intervalOperationNames[4];

void translateIntervalRead(Interval& interval);
void translateIntervalAssign(Interval& interval);
std::string translateInterval(Interval& interval);
std::string translateCountBound(Interval& interval, bool read);
std::string translateArrayRange(Interval& interval);
// The removal of a dict slice whose bounds were read as an array's.
std::string translateDictRemoval(Interval& interval);
std::string translateTextIndex(Interval& interval);
std::string translateTextRange(Interval& interval);
std::string translateNegativeIndex(Interval& interval, bool array);

// Bound helpers. A constant bound holds only digits and % * + - / ^; its
// value is its leading signed integer. The parsers read the bound texts into
// the interval: the lower one, then the upper one by operation and container.
bool isConstantBound(const std::string& text);
int constantBoundValue(const std::string& text);
void parseFromBound(Interval& interval, const std::string& text);
void parseToBound(Interval& interval, int inclusive);          // array read
void parseTextToBound(Interval& interval, int inclusive);      // text read
void parseTextAssignBound(Interval& interval, int inclusive);  // text assignment
void parseDictAssignBound(Interval& interval, int inclusive);  // dict assignment
void parseArrayAssignBound(Interval& interval, int inclusive); // array assignment
void formatUpperValue(Interval& interval);                     // upper text = upper value
