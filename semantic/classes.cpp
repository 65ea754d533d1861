#include "semantic/classes.h"

#include <algorithm>

#include "emit/declarations.h"
#include "emit/output.h"
#include "emit/state.h"
#include "semantic/messages.h"
#include "semantic/php_names.h"
#include "semantic/symbol_table.h"
#include "semantic/text_util.h"
#include "semantic/types.h"

ClassTable classTable;

int ClassRecord::findAttribute(const std::string& attributeName) {
    for (size_t i = 0; i < attributes.size(); ++i)
        if (attributes[i]->name == attributeName) return found = static_cast<int>(i);
    return found = -1;
}

int ClassRecord::findAttributeIgnoreCase(const std::string& attributeName) {
    for (size_t i = 0; i < attributes.size(); ++i)
        if (equalsIgnoreCaseBytes(attributes[i]->name, attributeName))
            return found = static_cast<int>(i);
    return found = -1;
}

int ClassRecord::findMethod(const std::string& methodName) {
    for (size_t i = 0; i < methods.size(); ++i)
        if (methods[i]->name == methodName) return found = static_cast<int>(i);
    return found = -1;
}

int ClassRecord::findMethodIgnoreCase(const std::string& methodName) {
    for (size_t i = 0; i < methods.size(); ++i)
        if (equalsIgnoreCaseBytes(methods[i]->name, methodName)) return found = static_cast<int>(i);
    return found = -1;
}

int ClassRecord::findStaticMethod(const std::string& methodName) {
    for (size_t i = 0; i < methods.size(); ++i)
        if (methods[i]->name == methodName && methods[i]->staticMark)
            return found = static_cast<int>(i);
    return found = -1;
}

int ClassRecord::findNextMethod(const std::string& methodName) {
    for (size_t i = found < 0 ? 0 : found + 1; i < methods.size(); ++i)
        if (methods[i]->name == methodName) return found = static_cast<int>(i);
    return found = -1;
}

void ClassRecord::addAttribute(Symbol* symbol) {
    if (findAttributeIgnoreCase(symbol->name.str()) >= 0)
        reportErrorName(Msg::alreadyDeclared, symbol->name.str());
    attributes.push_back(symbol);
}

namespace {

// Overloads with the same parameter types (object parameters of the same
// class) are duplicates.
bool sameSignature(const FunctionRecord& added, const FunctionRecord& existing) {
    if (added.parameterTypes.size() != existing.parameterTypes.size()) return false;
    for (size_t i = 0; i < added.parameterTypes.size(); ++i) {
        int mine = added.parameterTypes[i] & symbolTypeMask;
        int theirs = existing.parameterTypes[i] & symbolTypeMask;
        if (typeMatrix[mine][theirs] == 0) return false;
        if (mine == typeObject) {
            if (theirs != typeObject) return false;
            int myClass = i < added.parameterClassIndex.size() ? added.parameterClassIndex[i] : 0;
            int theirClass =
                i < existing.parameterClassIndex.size() ? existing.parameterClassIndex[i] : 0;
            if (myClass != theirClass) return false;
        }
    }
    return true;
}

}  // namespace

void ClassRecord::addMethod(FunctionRecord* record) {
    bool overloaded = false;
    for (size_t i = 0; i < methods.size(); ++i) {
        FunctionRecord* existing = methods[i];
        if (!equalsIgnoreCaseBytes(existing->name, record->name)) continue;
        if (existing->overloadMark == 0) existing->overloadMark = 1;
        found = static_cast<int>(i);
        overloaded = true;
        if (sameSignature(*record, *existing)) {
            reportErrorName(Msg::alreadyDeclared, record->name);
            return;
        }
    }
    record->overloadMark = overloaded ? 1 : 0;
    methods.push_back(record);
}

void ClassTable::updateIndex() const {
    if (indexed > size() || (indexed > 0 && ((*this)[0] != firstIndexed ||
                                             (*this)[indexed - 1] != lastIndexed))) {
        byKey.clear();
        indexed = 0;
    }
    for (; indexed < size(); ++indexed) {
        const ClassRecord* record = (*this)[indexed];
        int i = static_cast<int>(indexed);
        Named& named = byKey[record->name];
        if (named.exact < 0) named.exact = i;
        for (size_t dot = record->name.find('.'); dot != std::string::npos;
             dot = record->name.find('.', dot + 1)) {
            Named& tail = byKey[record->name.substr(dot + 1)];
            if (tail.tail < 0) tail.tail = i;
        }
    }
    firstIndexed = empty() ? nullptr : front();
    lastIndexed = empty() ? nullptr : back();
}

// The first class of that name, else the first whose name ends with "."
// and the name.
int ClassTable::indexOf(const std::string& className) const {
    updateIndex();
    auto named = byKey.find(className);
    if (named == byKey.end()) return -1;
    return named->second.exact >= 0 ? named->second.exact : named->second.tail;
}

void ClassTable::checkAmbiguous(int i) const {
    if (i < 0 || i >= static_cast<int>(size())) return;
    for (size_t j = i + 1; j < size(); ++j) {
        if ((*this)[j]->name == (*this)[i]->name) {
            reportErrorName(Msg::ambiguous, (*this)[i]->name);
            return;
        }
    }
}

// --- Class operations of the symbol table

ClassTable& SymbolTable::classList() {
    if (!classes) classes = &classTable;
    return *classes;
}

ClassRecord* SymbolTable::classAt(int i) const {
    const ClassTable& list = classes ? *classes : classTable;
    if (i < 0 || i >= static_cast<int>(list.size())) return nullptr;
    return list[i];
}

namespace {

// Classes whose parent chain was reported as a cycle.
std::vector<const ClassRecord*> cyclicClasses;

// Reports a parent chain that comes back to one of its classes, once for
// the classes of that cycle.
void reportCycle(const std::vector<const ClassRecord*>& chain, const std::string& parentName) {
    for (const ClassRecord* record : chain)
        if (std::find(cyclicClasses.begin(), cyclicClasses.end(), record) != cyclicClasses.end())
            return;
    cyclicClasses.insert(cyclicClasses.end(), chain.begin(), chain.end());
    reportErrorName(Msg::cannotBeUsedHere, parentName);
}

}  // namespace

void forgetReportedCycles() { cyclicClasses.clear(); }

void SymbolTable::beginClass(const std::string& name) {
    inClass = 1;
    constructorWritten = 0;
    savedClassGeneratorCounter = static_cast<unsigned>(generatorCounter);
    constructorLines.clear();
    currentClass = new ClassRecord();
    currentClass->name = name;
    currentClass->typeCode = typeClass;
    currentClass->flags = currentIdentifier == "dom" ? 256 : 0;
    classList().push_back(currentClass);
    ++scopeCounter;
    updateScopeCounterText();
}

void SymbolTable::setParentClass(const std::string& name) {
    if (!currentClass) return;
    currentClass->parentName = name;
    // A class may not be its own ancestor: the walks along the chain would
    // never end and PHP refuses the class.
    std::vector<const ClassRecord*> seen;
    std::string next = name;
    while (!next.empty()) {
        int index = classList().indexOf(next);
        if (index < 0) return;
        const ClassRecord* ancestor = classList()[index];
        if (ancestor == currentClass) {
            seen.push_back(currentClass);
            reportCycle(seen, name);
            return;
        }
        if (std::find(seen.begin(), seen.end(), ancestor) != seen.end()) return;
        seen.push_back(ancestor);
        next = ancestor->parentName;
    }
}

void SymbolTable::endClass() {
    inClass = 0;
    if (constructorWritten == 0 && !constructorLines.empty()) emitGeneratedConstructor(*this);
    --scopeCounter;
    generatorCounter = static_cast<int>(savedClassGeneratorCounter);
    ++completedClassCount;
}

bool SymbolTable::isConstructor(const FunctionRecord* record) {
    if (!record || !currentClass) return false;
    if (record->name == currentClass->name) return true;
    if (equalsIgnoreCaseBytes(record->name, currentClass->name))
        reportErrorName(Msg::differentCase, record->name + " and " + currentClass->name);
    return false;
}

void SymbolTable::flushConstructorLines() {
    for (const std::string& line : constructorLines) emitIndented(line);
    constructorWritten = 1;
}

int SymbolTable::isClassName(const std::string& name) {
    found = classList().indexOf(name);
    return found != -1;
}

int SymbolTable::classIndexOrError(const std::string& name) {
    int index = classList().indexOf(name);
    if (index == -1) reportErrorName(Msg::classNotDefined, name);
    return index;
}

std::string SymbolTable::className(int i) const {
    ClassRecord* record = classAt(i);
    return record ? record->name : unknownName;
}

std::string SymbolTable::foundClassName() {
    classList().checkAmbiguous(found);
    return className(found);
}

int SymbolTable::foundClassType() const {
    ClassRecord* record = classAt(found);
    return record ? record->typeCode : 0;
}

int SymbolTable::foundClassFlags() const {
    ClassRecord* record = classAt(found);
    return record ? record->flags : 0;
}

std::string SymbolTable::shortClassName(const std::string& name) {
    std::string::size_type dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(dot + 1);
}

std::string SymbolTable::foundShortClassName() const { return shortClassName(className(found)); }

const std::string& SymbolTable::classNameOfInstance(const std::string& name, bool report) {
    if (find(name) >= 0 && foundSymbol && foundSymbol->classIndex >= 0) {
        const ClassRecord* record = classAt(foundSymbol->classIndex);
        return record ? record->name : unknownName;
    }
    if (report) reportErrorName(Msg::notDeclaredInstance, name);
    return unknownName;
}

FunctionRecord* SymbolTable::findMethodOf(const std::string& name, const std::string& method) {
    if (isClassName(name)) return findMethod(name, method, true);
    return findMethod(classNameOfInstance(name, true), method, true);
}

namespace {

// Walks a parent chain from className: visit(record) returns true to stop.
// An unknown class reports 29 and ends the walk (visit gets an empty
// record); a chain that comes back to a class already seen ends it too.
// A class PHP defines that no file declares ends it silently: the result
// is its name (empty when the walk ends otherwise).
template <typename Visit>
std::string walkClassChain(SymbolTable& table, std::string className, Visit visit,
                           bool emptyOnUnknown) {
    std::vector<const ClassRecord*> seen;
    while (true) {
        int index = table.classes ? table.classes->indexOf(className) : classTable.indexOf(className);
        if (index < 0) {
            if (isPhpExtendableClass(className)) return className;
            reportErrorName(Msg::classNotDefined, className);
            if (emptyOnUnknown) {
                table.foundClass = new ClassRecord();
                visit(table.foundClass);
            }
            return std::string();
        }
        ClassRecord* record = table.classes ? (*table.classes)[index] : classTable[index];
        if (std::find(seen.begin(), seen.end(), record) != seen.end()) {
            reportCycle(seen, record->name);
            return std::string();
        }
        seen.push_back(record);
        table.foundClass = record;
        if (visit(record)) return std::string();
        if (record->parentName.empty()) return std::string();
        className = record->parentName;
    }
}


// The record of a call of PHP's method, made for the call as a predefined
// one's is: any arguments pass.
FunctionRecord* uncheckedRecord(const std::string& name, int result, bool isStatic) {
    FunctionRecord* record = new FunctionRecord(name);
    record->unchecked = true;
    record->staticMark = isStatic ? symbolStatic : 0;
    record->addReturnType(result);
    return record;
}

// A public method of PHP's class, with the result PHP gives it.
FunctionRecord* phpMethodRecord(const std::string& method, const PhpMethod& found) {
    return uncheckedRecord(method, found.resultType, found.isStatic);
}

// The constructor a class runs from PHP's class it extends.
FunctionRecord* phpConstructorRecord(const std::string& className) {
    return uncheckedRecord(className, typeVoid, false);
}

}  // namespace

FunctionRecord* SymbolTable::findMethod(const std::string& className, const std::string& method,
                                        bool report) {
    FunctionRecord* result = nullptr;
    std::string owner;
    std::string phpClass = walkClassChain(*this, className, [&](ClassRecord* record) {
        int index = record->findMethod(method);
        if (index < 0) return false;
        result = record->methods[index];
        owner = record->name;
        return true;
    }, true);
    if (result) {
        if (report) checkMemberAccess(owner, result->visibility, method);
        return result;
    }
    if (!phpClass.empty()) {
        PhpMethod found = findPhpMethod(phpClass, method);
        if (found.found) return phpMethodRecord(method, found);
    }
    if (report) reportErrorName(Msg::methodNotFound, method);
    return new FunctionRecord();
}

FunctionRecord* SymbolTable::findStaticMethod(const std::string& className,
                                              const std::string& method) {
    FunctionRecord* result = nullptr;
    std::string phpClass = walkClassChain(*this, className, [&](ClassRecord* record) {
        int index = record->findStaticMethod(method);
        if (index < 0) return false;
        result = record->methods[index];
        return true;
    }, true);
    if (result) return result;
    if (!phpClass.empty()) {
        PhpMethod found = findPhpMethod(phpClass, method);
        if (found.found && found.isStatic) return phpMethodRecord(method, found);
    }
    reportErrorName(Msg::methodNotFound, method);
    return new FunctionRecord();
}

FunctionRecord* SymbolTable::findConstructor(const std::string& className) {
    FunctionRecord* result = nullptr;
    bool generated = false;
    std::string phpClass = walkClassChain(*this, className, [&](ClassRecord* record) {
        int index = record->findMethod(record->name);
        if (index < 0) index = record->findMethod(shortClassName(record->name));
        if (index >= 0) {
            result = record->methods[index];
            return true;
        }
        generated = hasGeneratedConstructor(record->name);
        return generated;
    }, true);
    if (!result && !generated && !phpClass.empty() && phpConstructorArguments(phpClass) >= 0)
        return phpConstructorRecord(className);
    return result ? result : new FunctionRecord();
}

Symbol* SymbolTable::findAttribute(std::string& className, const std::string& name) {
    Symbol* result = nullptr;
    std::string owner;
    walkClassChain(*this, className, [&](ClassRecord* record) {
        int index = record->findAttribute(name);
        if (index < 0) return false;
        result = record->attributes[index];
        owner = record->name;
        return true;
    }, false);
    className = owner;
    return result;
}

namespace {

// Visits the classes of the current class's parent chain, silently: the
// chain's faults are reported where it is searched by name.
template <typename Visit>
bool anyParent(SymbolTable& table, Visit visit) {
    if (!table.currentClass || !table.classes) return false;
    std::vector<const ClassRecord*> seen{table.currentClass};
    std::string next = table.currentClass->parentName;
    while (!next.empty()) {
        int index = table.classes->indexOf(next);
        if (index < 0) return false;
        ClassRecord* record = (*table.classes)[index];
        if (std::find(seen.begin(), seen.end(), record) != seen.end()) return false;
        seen.push_back(record);
        if (visit(record)) return true;
        next = record->parentName;
    }
    return false;
}

}  // namespace

bool SymbolTable::isInheritedMethod(const std::string& name) {
    if (anyParent(*this, [&](ClassRecord* record) { return record->findMethod(name) >= 0; }))
        return true;
    std::string phpClass = inClass ? phpAncestor(currentClass) : std::string();
    return !phpClass.empty() && findPhpMethod(phpClass, name).found;
}

std::string SymbolTable::phpAncestor(const ClassRecord* record) {
    std::vector<const ClassRecord*> seen;
    while (record && std::find(seen.begin(), seen.end(), record) == seen.end()) {
        seen.push_back(record);
        if (record->parentName.empty()) return std::string();
        int index = classList().indexOf(record->parentName);
        if (index < 0)
            return isPhpExtendableClass(record->parentName) ? record->parentName : std::string();
        record = classList()[index];
    }
    return std::string();
}

FunctionRecord* SymbolTable::phpInheritedMethod(const std::string& name) {
    if (!inClass || !currentClass) return nullptr;
    std::string phpClass = phpAncestor(currentClass);
    if (phpClass.empty()) return nullptr;
    PhpMethod found = findPhpMethod(phpClass, name);
    return found.found ? phpMethodRecord(name, found) : nullptr;
}

bool SymbolTable::inheritsPhpMethod(const ClassRecord* record, const std::string& name) {
    std::string phpClass = phpAncestor(record);
    return !phpClass.empty() && phpClassHasMethod(phpClass, name);
}

bool SymbolTable::inheritsPhpAttribute(const ClassRecord* record, const Symbol& attribute) {
    std::string phpClass = phpAncestor(record);
    return !phpClass.empty() && phpPropertyForbids(phpClass, attribute.name.str(),
                                                   attribute.visibility,
                                                   (attribute.flags & symbolStatic) != 0);
}

FunctionRecord* SymbolTable::findInheritedMethod(const std::string& name, std::string& owner) {
    FunctionRecord* result = nullptr;
    anyParent(*this, [&](ClassRecord* record) {
        int index = record->findMethod(name);
        if (index < 0) return false;
        result = record->methods[index];
        owner = record->name;
        return true;
    });
    return result;
}

bool SymbolTable::isInheritedAttribute(const std::string& name) {
    return anyParent(*this, [&](ClassRecord* record) { return record->findAttribute(name) >= 0; });
}

bool SymbolTable::isParentClassName(const std::string& name) const {
    return name == parentClassName;
}

ClassRecord* SymbolTable::findClass(const std::string& name) {
    int index = classList().indexOf(name);
    if (index < 0) {
        reportErrorName(Msg::classNotDefined, name);
        return new ClassRecord();
    }
    return classList()[index];
}

FunctionRecord* SymbolTable::nextOverload(int start) {
    std::vector<const ClassRecord*> seen;
    ClassRecord* record = foundClass;
    int from = start < 0 ? 0 : start;
    while (record && std::find(seen.begin(), seen.end(), record) == seen.end()) {
        seen.push_back(record);
        for (size_t i = from; i < record->methods.size(); ++i) {
            if (record->methods[i]->name == memberName) {
                record->found = static_cast<int>(i);
                foundClass = record;
                return foundMethod = record->methods[i];
            }
        }
        if (record->parentName.empty()) break;
        int index = classList().indexOf(record->parentName);
        record = index < 0 ? nullptr : classList()[index];
        from = 0;
    }
    foundMethod = nullptr;
    return new FunctionRecord();
}

bool SymbolTable::isClassOrParent(const std::string& name) {
    if (!currentClass) return false;
    if (currentClass->name == name) return true;
    return anyParent(*this, [&](ClassRecord* record) { return record->name == name; });
}

void SymbolTable::checkMemberAccess(const std::string& ownerName, int visibility,
                                    const std::string& name) {
    if (visibility == visibilityPublic) return;
    bool allowed = false;
    if (inClass && currentClass) {
        if (visibility == visibilityPrivate)
            allowed = currentClass->name == ownerName;
        else
            allowed = isClassOrParent(ownerName);
    }
    if (!allowed) reportErrorName(Msg::notAccessibleFromClass, name);
}

int SymbolTable::foundClassIndex(const std::string& name) {
    if (find(name) >= 0 && foundSymbol) return foundSymbol->classIndex;
    return -1;
}

void SymbolTable::addClassIfMissing(const std::string& name, int typeCode) {
    if (classList().indexOf(name) >= 0) return;
    ClassRecord* record = new ClassRecord();
    record->name = name;
    record->typeCode = typeCode;
    classList().push_back(record);
}
