#include "semantic/types.h"

#include "emit/assign.h"
#include "emit/code_buffer.h"
#include "emit/state.h"
#include "semantic/messages.h"
#include "semantic/symbol_table.h"

const char* const typeNames[typeCodeCount + 2] = {
    "unknow type", "void", "byte", "boolean", "number", "integer", "long", "real",
    "natural", "small real", "text", "array", "dict", "file", "dir", "object",
    "var", "tuple", "list", "sequence", "java", "function", "char *", "scalar",
    "nil", "class", "xml structure", "byte *", "char", "int array", "text array",
    "natural array", "real array", "number array", "object array", "file array",
    "?", nullptr,
};

// Rows: target or left operand; columns: value or right operand.
const TypeMatrix typeMatrix = {{
    { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 0
    { 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 1
    { 0, 0, 2, 0, 4, 5, 0, 7, 0, 0, 2, 0, 0, 0, 0,15,16, 0, 0, 0, 0, 0, 2, 2, 4, 2, 0, 2, 2, 0, 0, 0, 0, 0, 0, 0},  // 2
    { 0, 0, 0, 3, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0,15,15, 3, 0, 0, 0, 0, 0, 0, 3, 3, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 3
    { 0, 0, 4, 3, 4, 4, 4, 4, 4, 4, 0, 0, 0, 0, 0,15, 4, 0, 0, 0, 0, 0, 0, 4, 4, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 4
    { 0, 0, 5, 0, 4, 5, 0, 7, 5, 0, 0, 0, 0, 0, 0,15,16, 0, 0, 0, 0, 0, 0, 5, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 5
    { 0, 0, 0, 0, 4, 0, 6, 0, 0, 0, 0, 0, 0, 0, 0,15,16, 0, 0, 0, 0, 0, 0, 6, 4, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 6
    { 0, 0, 7, 0, 4, 7, 0, 7, 7, 0, 0, 0, 0, 0, 0,15, 7, 0, 0, 0, 0, 0, 0, 7, 4, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 7
    { 0, 0, 0, 0, 4, 8, 0, 7, 8, 0, 0, 0, 0, 0, 0,15, 8, 0, 0, 0, 0, 0, 0, 8, 4, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 8
    { 0, 0, 0, 0, 4, 0, 0, 0, 0, 9, 0, 0, 0, 0, 0,15, 9, 0, 0, 0, 0, 0, 0, 9, 4, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 9
    { 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,10, 0, 0, 0, 0,15,10, 0, 0,10, 0,21,10,10,10,10, 0,10,10, 0, 0, 0, 0, 0, 0, 0},  // 10
    { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,11, 0, 0, 0, 0,11, 0,11,11, 0, 0, 0, 0,11, 0, 0, 0, 0,11,11,11,11,11,11, 0},  // 11
    { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,12,12, 0, 0, 0,12, 0,12,12, 0, 0, 0, 0,12, 0, 0, 0, 0,12,12,12,12,12,12, 0},  // 12
    { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,13, 0,15,13, 0, 0, 0, 0, 0, 0, 0,13,13, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 13
    { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,14,15,14, 0, 0, 0, 0, 0, 0,14,14,14, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 14
    { 0, 0,15,15,15,15,15,15,15,15,15,15,15,15,15,15,15, 0,15,15, 0,21,15, 0,15,15, 0,15,15, 0, 0, 0, 0, 0, 0, 0},  // 15
    { 0, 0,16, 3, 4,16,16, 7,16, 9,10,11,12,13,14,15,16, 0,18,18, 0,21,10,16,16,16, 0,10,10,16,16,16,16,16,16, 0},  // 16
    { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,18,18, 0, 0, 0, 0, 0,17, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 17
    { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,11,12, 0, 0,15,18,18,18,18, 0, 0, 0, 0,18,18, 0, 0, 0,18,18,18,18,18,18,18},  // 18
    { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,10,11,12, 0, 0,15,18,18,18,18, 0, 0,10, 0,19,19, 0,10,10,29,30,31,32,33,34,35},  // 19
    { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,20, 0, 0, 0, 0,20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 20
    { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,21, 0, 0, 0, 0,21,16, 0, 0, 0, 0,21,21, 0,21,21, 0,21,21, 0, 0, 0, 0, 0, 0, 0},  // 21
    { 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,10, 0, 0, 0, 0,15,10, 0, 0,10, 0,21,22,22,10,22, 0,22,22, 0, 0, 0, 0, 0, 0, 0},  // 22
    { 0, 0, 2, 3, 4, 5, 6, 7, 8, 9,10, 0, 0, 0, 0,15,16, 0, 0,10, 0, 0,22,23,23,23, 0,22,22, 0, 0, 0, 0, 0, 0, 0},  // 23
    { 0, 0, 2, 3, 4, 5,16, 4,16, 9,10,11,12,13,14,15,16, 0,18,18, 0,21,10,23,24,24, 0,10,10, 0, 0, 0, 0, 0, 0, 0},  // 24
    { 0, 0, 2, 3, 4, 5,16, 4,16, 9,10,11,12,13,14,15,16,18,18,19,20,21,22,23,24,25, 0,22,22, 0, 0, 0, 0, 0, 0, 0},  // 25
    { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,26, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 26
    { 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,10, 0, 0, 0, 0,15,10, 0, 0,10, 0,21,22,22,10,22, 0,22,22, 0, 0, 0, 0, 0, 0, 0},  // 27
    { 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,10, 0, 0, 0, 0,15,10, 0, 0,10, 0,21,22,22,10,22, 0,22,22, 0, 0, 0, 0, 0, 0, 0},  // 28
    { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,11,12, 0, 0,15,18,18,29,29, 0, 0, 0, 0,18,18, 0, 0, 0,29, 0, 0, 0, 0, 0, 0},  // 29
    { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,11,12, 0, 0,15,18,18,30,30, 0, 0, 0, 0,18,18, 0, 0, 0, 0,30, 0, 0, 0, 0, 0},  // 30
    { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,11,12, 0, 0,15,18,18,31,31, 0, 0, 0, 0,18,18, 0, 0, 0, 0, 0,31, 0, 0, 0, 0},  // 31
    { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,11,12, 0, 0,15,18,18,32,32, 0, 0, 0, 0,18,18, 0, 0, 0, 0, 0, 0,32, 0, 0, 0},  // 32
    { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,11,12, 0, 0,15,18,18,33,33, 0, 0, 0, 0,18,18, 0, 0, 0, 0, 0, 0, 0,33, 0, 0},  // 33
    { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,11,12, 0, 0,15,18,18,34,34, 0, 0, 0, 0,18,18, 0, 0, 0, 0, 0, 0, 0, 0,34, 0},  // 34
    { 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,11,12, 0, 0,15,18,18,35,35, 0, 0, 0, 0,18,18, 0, 0, 0, 0, 0, 0, 0, 0, 0,35},  // 35
}};

const int typedArrayElement[7] = {
    typeInteger, typeText, typeNatural, typeReal, typeNumber, typeObject, typeFile,
};

const int typedArrayOfElement[typeCodeCount] = {
    0, 0, 0, 0, typeNumberArray, typeIntArray, 0, typeRealArray, typeNaturalArray, 0,
    typeTextArray, 0, 0, typeFileArray, typeObjectArray, typeObjectArray, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
};

const char* const defaultValues[typeCodeCount - 10] = {
    "\"\"",                                    // 10 text
    "array()", "array()",                      // 11 array, 12 dict
    "false", "false", "false", "false", "false",  // 13..17
    "array()",                                 // 18 list
    "false", "false", "false", "false", "false", "false", "false", "false", "false", "false",  // 19..28
    "array()", "array()", "array()", "array()", "array()", "array()", "array()",  // 29..35
};

std::string typeName(int type) {
    if (type < 0 || type > typeCodeCount) {
        internalError(3001);
        return "error";
    }
    return typeNames[type];
}

bool isTypedArray(int type) { return type >= typeIntArray && type <= typeFileArray; }

int elementType(int type) {
    return isTypedArray(type) ? typedArrayElement[type - typeIntArray] : type;
}

bool isArrayType(int type) {
    return type == typeArray || type == typeDict || type == typeList || isTypedArray(type);
}

bool isArrayKind(int type) { return isArrayType(type); }

void setArrayOfType(int type) {
    if (isArrayType(type)) {
        // An array of arrays: no typed array has arrays for elements.
        currentType = typeArray;
        arrayElementsMark = symbolArrayElements;
        return;
    }
    if (type >= 0 && type < typeCodeCount && typedArrayOfElement[type] != 0)
        currentType = typedArrayOfElement[type];
}

std::string defaultValueOf(int type) {
    if (type < typeText || type >= typeCodeCount) return "false";
    return defaultValues[type - typeText];
}

bool isAssignable(int element, int value) {
    if (element == value || value == typeVar || element == typeVar) return true;
    if (value == typeInteger)
        return element == typeNumber || element == typeInteger || element == typeReal ||
               element == typeNatural;
    if (value == typeReal || value == typeNatural) return element == typeNumber;
    return false;
}

namespace {

bool compoundOperator() { return assignOperator != '='; }

void checkByMatrix(int target, int value) {
    if (typeMatrix[target][value] == 0) reportCantAssign(target, value);
}

}  // namespace

void checkAssignment(int target, int value) {
    if (target == typeVar) return;
    if (target == typeArray || target == typeDict) {
        if (compoundOperator()) return;
        checkByMatrix(target, value);
        return;
    }
    if (target == typeObject) {
        if (value == typeObject) return;
        if (specialObjectFlag && (value == typeText || value == typeCharPtr)) return;
        reportCantAssign(target, value);
        return;
    }
    if (isTypedArray(target)) {
        if (value == typeList || value == typeNil) return;
        if (isTypedArray(value)) {
            if (value != target) reportCantAssign(target, value);
            return;
        }
        int element = elementType(target);
        if (!compoundOperator()) {
            if (typeMatrix[element][value] == 0) reportCantAssign(target, value);
        } else if (!isAssignable(element, value)) {
            reportOperatorTypeError(Msg::wordArray, target, value);
        }
        return;
    }
    checkByMatrix(target, value);
}

void checkAssignable(int element, int value) {
    if (!isAssignable(element, value)) reportCantAssign(element, value);
}

void checkElementAssign(int container, int value) {
    int element = elementType(container);
    if (element != value && !isAssignable(element, value))
        reportOperatorTypeError(Msg::wordArray, container, value);
}

void checkArithmetic(int left, int right, Msg word) {
    int result = typeMatrix[left][right];
    if (result == 0) {
        reportOperatorTypeError(word, left, right);
        currentType = 0;
        return;
    }
    currentType = (word == Msg::wordDivide && left == typeInteger) ? typeNumber : result;
}

void checkLogical(int left, int right) {
    if (typeMatrix[left][typeBoolean] == 0 || typeMatrix[right][typeBoolean] == 0)
        reportOperatorTypeError(Msg::wordBoolean, left, right);
    currentType = typeBoolean;
}

namespace {

bool isBitwiseOperand(int type) {
    return type == typeByte || type == typeBoolean || type == typeNumber || type == typeInteger ||
           type == typeReal || type == typeNatural || type == typeVar;
}

bool isPlainArray(int type) { return type == typeArray || type == typeDict || type == typeList; }

}  // namespace

void checkBitwise(int left, int right) {
    if (isBitwiseOperand(left) && isBitwiseOperand(right)) {
        currentType = left;
        return;
    }
    reportOperatorTypeError(Msg::wordBinary, left, right);
    currentType = typeBoolean;
}

void checkRelational(int left, int right) {
    if (typeMatrix[left][right] == 0) reportOperatorTypeError(Msg::wordRelational, left, right);
    currentType = typeBoolean;
}

void checkOperandForOperator(int value, int container) {
    if (isTypedArray(container)) {
        if (isAssignable(elementType(container), value)) {
            currentType = typeBoolean;
            return;
        }
    } else if (container == typeText || container == typeArray || container == typeDict ||
               container == typeObject || container == typeVar || container == typeCharPtr) {
        currentType = typeBoolean;
        return;
    }
    reportErrorName(Msg::operatorMismatch, typeName(container));
    currentType = 0;
}

void checkArrayOperand(int left, int right) {
    if (left != right && left == typeVar && isPlainArray(right)) {
        currentType = right;
        return;
    }
    if (left == right) {
        if (isPlainArray(left) || isTypedArray(left)) {
            currentType = left;
            return;
        }
        if (left == typeVar) {
            currentType = typeArray;
            return;
        }
    }
    if (right == typeVar && isPlainArray(left)) {
        currentType = left;
        return;
    }
    reportOperatorTypeError(Msg::wordArray, left, right);
    currentType = typeList;
}

void checkSameArrayType(int left, int right) {
    if (left == right) return;
    reportOperatorTypeError(Msg::wordArray, left, right);
    currentType = typeList;
}

void requireSequence() {
    if (typeMatrix[typeSequence][currentType] == 0) reportRequiredType(Msg::requiredDynamicList);
}

void requireList() {
    if (typeMatrix[typeList][currentType] == 0) reportRequiredType(Msg::requiredDynamicList);
}

void checkStaticAttribute() {
    if (symbolTable.isClassName(currentIdentifier) && staticFlag == 0)
        reportErrorName(Msg::notStaticAttribute, memberName);
}

int lvalueType() { return lvalueList.atCursor().type; }

int rvalueKind() { return rvalueList.atCursor().kind; }

int rvalueType() { return rvalueList.atCursor().type; }

namespace {

// The record of the function whose results a multiple assignment spreads,
// or null when there is none. Only the first target reports a missing
// function: the later ones look for the same call.
FunctionRecord* spreadFunction(bool report) {
    std::string receiver = splitStaticAccess();
    std::string called = splitArrowAccess();
    if (receiver == "?" || (receiver == "this" && inClass)) {
        if (inClass && symbolTable.currentClass) {
            FunctionRecord* method = symbolTable.findMethod(symbolTable.currentClass->name, called, false);
            if (method->name != unknownName) return method;
        }
        int index = symbolTable.findGlobalFunctionIgnoreCase(called);
        if (index >= 0) return symbolTable.functions[index];
        if (report) reportErrorName(Msg::functionNotDefined, called);
        return nullptr;
    }
    FunctionRecord* record;
    if (report) {
        record = symbolTable.findMethodOf(receiver, called);
    } else {
        std::string owner = symbolTable.isClassName(receiver)
                                ? receiver
                                : symbolTable.classNameOfInstance(receiver, false);
        record = symbolTable.classes && symbolTable.classes->indexOf(owner) >= 0
                     ? symbolTable.findMethod(owner, called, false)
                     : nullptr;
    }
    return (!record || record->name == unknownName) ? nullptr : record;
}

}  // namespace

void translateMultipleAssignment() {
    int target = lvalueType();
    if (rvalueKind() != 5) {
        checkAssignment(target, rvalueType());
        return;
    }
    int index = returnValueIndex++;
    FunctionRecord* function = spreadFunction(index == 0);
    if (!function) return;
    int count = static_cast<int>(function->returnTypes.size());
    int value = 0;
    if (index >= 0 && index < count) {
        value = function->returnTypes[index];
    } else if (index == count) {
        // The first target past the function's last result.
        reportAssignCount(assignTargetCount, count);
    }
    checkAssignment(target, value);
}

int checkSameScalar(int a, int b) {
    int foldedA = (a == typeBoolean || a == typeNumber || a == typeInteger || a == typeReal ||
                   a == typeNatural || a == typeText || a == typeDir) ? typeScalar : a;
    int foldedB = (b == typeBoolean || b == typeNumber || b == typeInteger || b == typeReal ||
                   b == typeNatural || b == typeText) ? typeScalar : b;
    if (foldedA != foldedB) reportCantAssign(foldedA, foldedB);
    return b;
}

bool isTypedNumberArray(int type) { return type >= typeNaturalArray && type <= typeNumberArray; }

bool isRealKind(int type) { return type == typeNumber || type == typeReal || type == typeNatural; }
