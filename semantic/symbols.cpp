#include "semantic/symbols.h"

#include <cstdio>

#include "emit/state.h"
#include "semantic/messages.h"
#include "semantic/types.h"

const std::string unknownName = "?";

Symbol::Symbol(const std::string& name, uint32_t flags, uint32_t kind, int classIndex)
    : name(name), phpText(name), flags(flags), kind(kind), classIndex(classIndex) {}

Symbol::Symbol(const std::string& name, const std::string& phpText, uint32_t flags,
               uint32_t kind, int classIndex)
    : name(name), phpText(phpText), flags(flags), kind(kind), classIndex(classIndex) {}

Symbol::Symbol(const std::string& name, uint32_t flags)
    : Symbol(name, name, flags, static_cast<uint32_t>(currentKind), currentClassIndex) {}

Symbol::Symbol(const std::string& name, const std::string& phpText, uint32_t flags)
    : Symbol(name, phpText, flags, static_cast<uint32_t>(currentKind), currentClassIndex) {}

// "?" spelled out: records may be made before unknownName is built.
FunctionRecord::FunctionRecord() : name("?") {}

FunctionRecord::FunctionRecord(const std::string& name) : name(name) {}

void FunctionRecord::addReturnType(int type) { returnTypes.push_back(type); }

void FunctionRecord::addReturnedType(int type) { returnedTypes.push_back(type); }

void FunctionRecord::addParameter(int type, int flags, int acceptsObject) {
    parameterTypes.push_back(type | flags);
    parameterClassIndex.push_back(currentClassIndex);
    parameterAcceptsObject.push_back(acceptsObject);
}

void FunctionRecord::addArgumentType(int type) { argumentTypes.push_back(type); }

void FunctionRecord::addFunctionParameter(const FunctionRecord* source, const std::string& name) {
    if (!source) {
        functionParameters.push_back(nullptr);
        return;
    }
    FunctionRecord* copy = new FunctionRecord(name);
    copy->returnTypes = source->returnTypes;
    copy->parameterTypes = source->parameterTypes;
    copy->parameterClassIndex = source->parameterClassIndex;
    copy->parameterAcceptsObject = source->parameterAcceptsObject;
    functionParameters.push_back(copy);
}

FunctionRecord* FunctionRecord::findFunctionParameter(const std::string& parameterName) {
    for (FunctionRecord* parameter : functionParameters)
        if (parameter && parameter->name == parameterName) return parameter;
    return new FunctionRecord();
}

namespace {

int atIndex(const std::vector<int>& values, int index) {
    return (index >= 0 && index < static_cast<int>(values.size())) ? values[index] : 0;
}

}  // namespace

int FunctionRecord::returnTypeAt() const { return atIndex(returnTypes, cursor); }

int FunctionRecord::parameterTypeAt() const { return atIndex(parameterTypes, cursor) & 63; }

int FunctionRecord::resultType() const {
    if (returnTypes.empty()) return 0;
    if (returnTypes.size() == 1) return returnTypes[0];
    return typeTuple;
}

void FunctionRecord::saveArguments() {
    pushInt(cursor);
    pushPointer(new std::vector<int>(argumentTypes));
}

void FunctionRecord::restoreArguments() {
    // Pops follow pushes; an unmatched restore keeps the current state.
    if (intStack.empty() || pointerStack.empty()) return;
    cursor = popInt();
    std::vector<int>* saved = static_cast<std::vector<int>*>(popPointer());
    if (saved) {
        argumentTypes = *saved;
        delete saved;
    }
}

void FunctionRecord::beginArguments() {
    if (nestingDepth >= 1) saveArguments();
    ++nestingDepth;
}

void FunctionRecord::endArguments() {
    if (nestingDepth >= 2) restoreArguments();
    if (nestingDepth > 0) --nestingDepth;
}

int FunctionRecord::checkArguments(bool report) {
    int total = static_cast<int>(parameterTypes.size());
    int required = 0;
    for (int parameter : parameterTypes)
        if (!(parameter & 64)) ++required;
    int given = static_cast<int>(argumentTypes.size());
    if (given > total || given < required) {
        if (report) reportArgumentCount(name, total, given);
        return 0;
    }
    for (int i = 0; i < given; ++i) {
        if (parameterTypes[i] & 64) continue;
        int parameter = parameterTypes[i] & 63;
        int argument = argumentTypes[i];
        if (typeMatrix[parameter][argument] != 0) continue;
        if (argument == typeObject && atIndex(parameterAcceptsObject, i) != 0) continue;
        if (report) reportCallTypeError(44, name, parameter, argument);
        return 0;
    }
    return 1;
}

int FunctionRecord::checkReturnedValues() {
    int declared = static_cast<int>(returnTypes.size());
    int returned = static_cast<int>(returnedTypes.size());
    if (declared != returned) {
        reportReturnCount(name, declared, returned);
        return 0;
    }
    for (int i = 0; i < declared; ++i) {
        if (typeMatrix[returnTypes[i]][returnedTypes[i]] == 0) {
            reportCallTypeError(45, name, returnTypes[i], returnedTypes[i]);
            return 0;
        }
    }
    return 1;
}

void FunctionRecord::copyArgumentsFrom(FunctionRecord* other) const {
    if (!other) return;
    other->argumentTypes = argumentTypes;
    other->cursor = 0;
}

void FunctionRecord::makeOverloadName(const std::string& baseName) {
    if (overloadMark != 0) {
        char buffer[16];
        snprintf(buffer, sizeof buffer, "_%d", overloadMark);
        phpName = buffer + baseName;
    } else {
        phpName = baseName;
    }
    ++overloadMark;
}

FunctionRecord* FunctionRecord::functionParameterAt() {
    if (cursor >= 0 && cursor < static_cast<int>(functionParameters.size()) &&
        functionParameters[cursor])
        return functionParameters[cursor];
    return new FunctionRecord();
}

int FunctionRecord::returnedTypeAt() const { return atIndex(returnedTypes, cursor); }

int FunctionRecord::argumentTypeAt() const { return atIndex(argumentTypes, cursor); }

int FunctionRecord::parameterNamedTypeAt() const { return atIndex(parameterTypes, cursor) & 128; }

bool FunctionRecord::sameParameters(const FunctionRecord& other) const {
    if (parameterTypes.size() != other.parameterTypes.size()) return false;
    for (size_t i = 0; i < parameterTypes.size(); ++i) {
        int mine = parameterTypes[i] & 63;
        int theirs = other.parameterTypes[i] & 63;
        if (typeMatrix[mine][theirs] == 0) return false;
        if (mine == typeObject || theirs == typeObject) {
            if (mine != theirs) return false;
            if (atIndex(parameterClassIndex, static_cast<int>(i)) !=
                atIndex(other.parameterClassIndex, static_cast<int>(i)))
                return false;
        }
    }
    return true;
}

bool FunctionRecord::matchSignature(FunctionRecord& other) {
    returnedTypes = other.returnTypes;
    cursor = 0;
    other.cursor = 0;
    bool returnsMatch = checkReturnedValues() != 0;
    argumentTypes.clear();
    for (int parameter : other.parameterTypes) argumentTypes.push_back(parameter & 63);
    bool argumentsMatch = checkArguments() != 0;
    return returnsMatch && argumentsMatch;
}

namespace {

// The key under which equalsIgnoreCaseBytes sees two names as equal.
std::string foldedKey(const std::string& name) {
    std::string key(name);
    for (char& c : key) c = static_cast<char>(static_cast<unsigned char>(c) | 0x20);
    return key;
}

int indexIn(const std::unordered_map<std::string, int>& index, const std::string& key) {
    auto it = index.find(key);
    return it == index.end() ? -1 : it->second;
}

}  // namespace

SymbolList& SymbolList::operator=(std::initializer_list<Symbol*> symbols) {
    clear();
    for (Symbol* symbol : symbols) push_back(symbol);
    return *this;
}

void SymbolList::push_back(Symbol* symbol) {
    int i = static_cast<int>(items.size());
    items.push_back(symbol);
    if (!symbol) return;
    exact.emplace(symbol->name, i);
    folded.emplace(foldedKey(symbol->name), i);
}

void SymbolList::clear() {
    items.clear();
    exact.clear();
    folded.clear();
}

int SymbolList::indexOf(const std::string& name) const { return indexIn(exact, name); }

int SymbolList::indexOfIgnoreCase(const std::string& name) const {
    return indexIn(folded, foldedKey(name));
}
