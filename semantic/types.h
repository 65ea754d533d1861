// Type codes, their names, the compatibility matrix, and the type checks
// of assignments and operators.
#pragma once

#include <string>

#include "semantic/text_util.h"

typedef int TypeCode;

enum class Msg : int;  // semantic/messages.h

constexpr int typeCodeCount = 36;

// Codes used by name in the checks.
enum : int {
    typeUnknown = 0, typeVoid = 1, typeByte = 2, typeBoolean = 3, typeNumber = 4,
    typeInteger = 5, typeLong = 6, typeReal = 7, typeNatural = 8, typeSmallReal = 9,
    typeText = 10, typeArray = 11, typeDict = 12, typeFile = 13, typeDir = 14,
    typeObject = 15, typeVar = 16, typeTuple = 17, typeList = 18, typeSequence = 19,
    typeJava = 20, typeFunction = 21, typeCharPtr = 22, typeScalar = 23, typeNil = 24,
    typeClass = 25, typeXml = 26, typeBytePtr = 27, typeChar = 28,
    typeIntArray = 29, typeTextArray = 30, typeNaturalArray = 31, typeRealArray = 32,
    typeNumberArray = 33, typeObjectArray = 34, typeFileArray = 35
};

// Marks kept in a symbol's flags beside the type code (low six bits).
constexpr unsigned symbolTypeMask = 63;
constexpr unsigned symbolAssigned = 64;
constexpr unsigned symbolStatic = 128;
constexpr unsigned symbolSpecialObject = 256;
// An array whose elements are arrays (int[][]): its type is array, and an
// element read from it is an array too.
constexpr unsigned symbolArrayElements = 512;

// The 36 names, "?" at 36, then null.
extern const char* const typeNames[typeCodeCount + 2];

// typeMatrix[row][column]: the resulting type of the pair, 0 when it is not
// allowed. Row = assignment target or left operand, column = value or right
// operand. Codes outside 0..35 read as 0.
struct TypeMatrixRow {
    const unsigned char* cells;
    int operator[](int column) const {
        return (cells && column >= 0 && column < typeCodeCount) ? cells[column] : 0;
    }
};
struct TypeMatrix {
    unsigned char cells[typeCodeCount][typeCodeCount];
    TypeMatrixRow operator[](int row) const {
        return TypeMatrixRow{(row >= 0 && row < typeCodeCount) ? cells[row] : nullptr};
    }
};
extern const TypeMatrix typeMatrix;

extern const int typedArrayElement[7];                // 29..35 -> element type
extern const int typedArrayOfElement[typeCodeCount];  // element -> typed array, 0 none
extern const char* const defaultValues[typeCodeCount - 10];  // codes 10..35

std::string typeName(int type);
bool isTypedArray(int type);
int elementType(int type);
bool isArrayType(int type);
bool isArrayKind(int type);
void setArrayOfType(int type);
std::string defaultValueOf(int type);
bool isAssignable(int element, int value);

void checkAssignment(int target, int value);
void checkAssignable(int element, int value);
void checkElementAssign(int container, int value);
void checkArithmetic(int left, int right, Msg word);
void checkLogical(int left, int right);
void checkBitwise(int left, int right);
void checkRelational(int left, int right);
void checkOperandForOperator(int value, int container);
void checkArrayOperand(int left, int right);
void checkSameArrayType(int left, int right);
void requireSequence();
void checkStaticAttribute();

// Type check of the assignment pair at the cursors of the assignment lists.
void translateMultipleAssignment();
int lvalueType();
int rvalueKind();
int rvalueType();

int checkSameScalar(int a, int b);
void requireList();
bool isTypedNumberArray(int type);
bool isRealKind(int type);
