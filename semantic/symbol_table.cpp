#include "semantic/symbol_table.h"

#include <cstring>

#include "emit/code_buffer.h"
#include "emit/declarations.h"
#include "emit/state.h"
#include "semantic/messages.h"
#include "semantic/text_util.h"
#include "semantic/types.h"

SymbolTable symbolTable;

int blockDepth = -1;
int blockFoundDepth = -1;
int inClass = 0;
int inFunction = 0;
int inBlockScope = 0;

BlockScopeList::BlockScopeList() {
    scopes.reserve(maxBlockDepth);
    while (size() < maxBlockDepth) scopes.push_back(std::make_unique<SymbolList>());
}

SymbolList& BlockScopeList::outside(int depth) {
    if (depth < 0) {
        scratch.clear();
        return scratch;
    }
    while (depth >= size()) scopes.push_back(std::make_unique<SymbolList>());
    return *scopes[static_cast<size_t>(depth)];
}

namespace {

int indexIn(const std::vector<Symbol*>& scope, const std::string& name) {
    for (size_t i = 0; i < scope.size(); ++i)
        if (scope[i] && scope[i]->name == name) return static_cast<int>(i);
    return -1;
}

int indexInIgnoreCase(const std::vector<Symbol*>& scope, const std::string& name) {
    for (size_t i = 0; i < scope.size(); ++i)
        if (scope[i] && equalsIgnoreCaseBytes(scope[i]->name, name)) return static_cast<int>(i);
    return -1;
}

Symbol* symbolIn(std::vector<Symbol*>& scope, const std::string& name) {
    int index = indexIn(scope, name);
    return index < 0 ? nullptr : scope[index];
}

Symbol* symbolIn(const SymbolList& scope, const std::string& name) {
    int index = scope.indexOf(name);
    return index < 0 ? nullptr : scope[index];
}

}  // namespace

namespace {

uint32_t hashReported(std::string_view name) {
    uint32_t h = 2166136261u;
    for (unsigned char c : name) h = (h ^ c) * 16777619u;
    return h;
}

}  // namespace

std::string_view NameSet::at(uint32_t i) const {
    size_t end = i + 1 < starts.size() ? starts[i + 1] : chars.size();
    return std::string_view(chars).substr(starts[i], end - starts[i]);
}

const uint32_t* NameSet::find(const std::string& name) const {
    if (slots.empty()) return nullptr;
    const size_t mask = slots.size() - 1;
    for (size_t i = hashReported(name) & mask;; i = (i + 1) & mask) {
        if (slots[i] == 0) return nullptr;
        if (at(slots[i] - 1) == name) return &slots[i];
    }
}

void NameSet::grow() {
    slots.assign(slots.empty() ? 64 : slots.size() * 2, 0);
    const size_t mask = slots.size() - 1;
    for (uint32_t n = 0; n < starts.size(); ++n) {
        size_t i = hashReported(at(n)) & mask;
        while (slots[i] != 0) i = (i + 1) & mask;
        slots[i] = n + 1;
    }
}

bool NameSet::insert(const std::string& name) {
    if (find(name)) return false;
    starts.push_back(static_cast<uint32_t>(chars.size()));
    chars += name;
    if (starts.size() * 4 > slots.size() * 3) {
        grow();
        return true;
    }
    const size_t mask = slots.size() - 1;
    size_t i = hashReported(name) & mask;
    while (slots[i] != 0) i = (i + 1) & mask;
    slots[i] = static_cast<uint32_t>(starts.size());
    return true;
}

void NameSet::clear() {
    chars.clear();
    starts.clear();
    slots.clear();
}

void SymbolTable::beginFile() {
    classes = &classTable;
    blockDepth = -1;
    blockFoundDepth = -1;
    inBlockScope = 0;
    inClass = 0;
    inFunction = 0;
    reportedNames.clear();
    reportedClassNames.clear();
}

void SymbolTable::enterBlockScope() {
    int depth = blockDepth + 1;
    if (depth == maxBlockDepth) reportErrorText("too many nested blocks");
    blockDepth = depth;
    blockFoundDepth = -1;
    blockScopes[depth].clear();
    blockCaches[depth].clear();
    inBlockScope = 1;
    ++scopeCounter;
    updateScopeCounterText();
}

void SymbolTable::leaveBlockScope() {
    int depth = blockDepth;
    if (depth < 0) {
        inBlockScope = 0;
        return;
    }
    inBlockScope = depth > 0 ? 1 : 0;
    blockScopes[depth].clear();
    blockCaches[depth].clear();
    blockDepth = depth - 1;
    --scopeCounter;
}

int SymbolTable::find(const std::string& name) { return findIn(name, false); }

int SymbolTable::findIgnoreCase(const std::string& name) { return findIn(name, true); }

int SymbolTable::findIn(const std::string& name, bool ignoreCase) {
    if (inBlockScope && findInDepths(blockScopes, name, ignoreCase)) {
        foundSymbol = blockScopes[blockFoundDepth][found];
        foundScope = 3;
        return found;
    }
    if (inFunction &&
        (found = ignoreCase ? locals.indexOfIgnoreCase(name) : locals.indexOf(name)) >= 0) {
        foundSymbol = locals[found];
        foundScope = 4;
        return found;
    }
    if (!inClass) {
        if ((found = ignoreCase ? globals.indexOfIgnoreCase(name) : globals.indexOf(name)) >= 0) {
            foundSymbol = globals[found];
            foundScope = 1;
            return found;
        }
    } else if (currentClass &&
               (found = ignoreCase ? currentClass->findAttributeIgnoreCase(name)
                                   : currentClass->findAttribute(name)) >= 0) {
        foundSymbol = currentClass->attributes[found];
        foundScope = 2;
        return found;
    }
    found = -1;
    foundScope = 0;
    return -1;
}

bool SymbolTable::findInBlocks(const std::string& name) {
    return findInDepths(blockScopes, name, false);
}

bool SymbolTable::findInBlocksIgnoreCase(const std::string& name) {
    return findInDepths(blockScopes, name, true);
}

bool SymbolTable::findInBlockCaches() { return findInDepths(blockCaches, currentIdentifier, false); }

bool SymbolTable::findInDepths(BlockScopeList& lists, const std::string& name, bool ignoreCase) {
    for (int depth = 0; depth <= blockDepth; ++depth) {
        int index = ignoreCase ? lists[depth].indexOfIgnoreCase(name) : lists[depth].indexOf(name);
        if (index >= 0) {
            blockFoundDepth = depth;
            found = index;
            return true;
        }
    }
    found = -1;
    return false;
}

int SymbolTable::findWorking(const std::string& name) { return found = indexIn(workingScope, name); }

int SymbolTable::findWorkingIgnoreCase(const std::string& name) {
    return found = indexInIgnoreCase(workingScope, name);
}

int SymbolTable::findWorkingTyped(const std::string& name, int type) {
    for (size_t i = 0; i < workingScope.size(); ++i) {
        Symbol* symbol = workingScope[i];
        if (symbol && symbol->name == name && static_cast<int>(symbol->flags & symbolTypeMask) == type)
            return found = static_cast<int>(i);
    }
    return found = -1;
}

int SymbolTable::findLocalIgnoreCase(const std::string& name) {
    return found = locals.indexOfIgnoreCase(name);
}

int SymbolTable::findGlobalIgnoreCase(const std::string& name) {
    return found = globals.indexOfIgnoreCase(name);
}

void SymbolTable::useFoundSymbol() {
    if (!foundSymbol) return;
    currentClassIndex = foundSymbol->classIndex;
    assignedFlag = foundSymbol->flags & symbolAssigned;
    staticFlag = foundSymbol->flags & symbolStatic;
    specialObjectFlag = foundSymbol->flags & symbolSpecialObject;
    elementsAreArrays = (foundSymbol->flags & symbolArrayElements) != 0;
    currentType = foundSymbol->flags & symbolTypeMask;
    currentKind = static_cast<int>(foundSymbol->kind);
    // A name's text is usually the name, which the caller has just put in
    // codeBuffer: comparing costs less than copying it again.
    const std::string_view text = foundSymbol->phpText();
    if (codeBuffer.size() != text.size() ||
        std::memcmp(codeBuffer.data(), text.data(), text.size()) != 0)
        codeBuffer = text;
}

int SymbolTable::foundSymbolType(const std::string& name) {
    if (find(name) < 0) return 0;
    int type = foundSymbol->flags & symbolTypeMask;
    if (type == typeFunction) functionVariable = 1;
    return type;
}

int SymbolTable::hasLocalNamed(const std::string& name) { return locals.indexOf(name) >= 0; }

bool SymbolTable::isLocalVar(const std::string& name) {
    for (Symbol* symbol : locals)
        if (symbol && symbol->name == name && (symbol->flags & symbolTypeMask) == typeVar) return true;
    return false;
}

bool SymbolTable::isReportedGlobal(const std::string& name) { return reportedNames.contains(name); }

bool SymbolTable::isReportedInClass(const std::string& name) {
    return reportedClassNames.contains(name);
}

void SymbolTable::updateScopeCounterText() { scopeCounterText = intToText(scopeCounter); }

namespace {

std::string foldedName(const std::string& name) {
    std::string key(name);
    for (char& c : key) c = static_cast<char>(static_cast<unsigned char>(c) | 0x20);
    return key;
}

}  // namespace

void SymbolTable::indexFunction(size_t i) {
    if (functions[i]) {
        functionsByName.emplace(functions[i]->name, static_cast<int>(i));
        functionsByFoldedName.emplace(foldedName(functions[i]->name), static_cast<int>(i));
    }
}

// Index of the first function of that name, -1 when none.
int SymbolTable::indexedFunction(const std::string& name, bool ignoreCase) {
    if (functionsIndexed > functions.size()) {
        functionsByName.clear();
        functionsByFoldedName.clear();
        functionsIndexed = 0;
    }
    while (functionsIndexed < functions.size()) indexFunction(functionsIndexed++);
    const auto& index = ignoreCase ? functionsByFoldedName : functionsByName;
    auto it = index.find(ignoreCase ? foldedName(name) : name);
    return it == index.end() ? -1 : it->second;
}

void SymbolTable::addFunction(FunctionRecord* record, bool noCheck) {
    if (!record) return;
    if (!noCheck && indexedFunction(record->name, false) >= 0)
        reportErrorName(Msg::alreadyDeclared, record->name);
    functions.push_back(record);
}

int SymbolTable::findGlobalFunctionIgnoreCase(const std::string& name) {
    return found = indexedFunction(name, true);
}

int SymbolTable::findGlobalFunction(const std::string& name) {
    return found = indexedFunction(name, false);
}

FunctionRecord* SymbolTable::findFunction(const std::string& name) {
    functionVariable = 0;
    if (inClass && currentClass) {
        int index = currentClass->findMethod(name);
        if (index >= 0) return currentClass->methods[index];
        std::string owner;
        if (FunctionRecord* inherited = findInheritedMethod(name, owner)) {
            checkMemberAccess(owner, inherited->visibility, name);
            return inherited;
        }
        if (FunctionRecord* inherited = phpInheritedMethod(name)) return inherited;
    }
    int index = indexedFunction(name, false);
    if (index >= 0) return functions[static_cast<size_t>(index)];
    if (find(name) >= 0 && (foundSymbol->flags & symbolTypeMask) == typeFunction) functionVariable = 1;
    return new FunctionRecord();
}

void declareFunctionName() {
    if (symbolTable.findGlobalIgnoreCase(currentIdentifier) >= 0) {
        reportErrorName(Msg::duplicateName, codeBuffer);
        return;
    }
    symbolTable.globals.push_back(new Symbol(currentIdentifier, 85, 0, 0));
}

// --- Lookups of a name (currentIdentifier) for writing and for reading

namespace {

void use(Symbol* symbol) {
    symbolTable.foundSymbol = symbol;
    symbolTable.useFoundSymbol();
}

void mark(Symbol* symbol) { symbol->flags |= symbolAssigned; }

// A static attribute of the current class is written self::$name: it is a
// class property, not a global.
void useStaticAttributeText(Symbol* symbol) {
    if (symbol->flags & symbolStatic) codeBuffer = "self::$" + stripDollar(std::string(symbol->phpText()));
}

void cache(unsigned flags) {
    symbolTable.blockCaches[blockDepth].push_back(
        new Symbol(currentIdentifier, codeBuffer, flags, static_cast<uint32_t>(currentKind),
                   currentClassIndex));
}

Symbol* cacheEntry() {
    if (!symbolTable.findInBlockCaches()) return nullptr;
    return symbolTable.blockCaches[blockFoundDepth][symbolTable.found];
}

Symbol* outerBlockEntry() {
    if (!symbolTable.findInBlocks(currentIdentifier)) return nullptr;
    return symbolTable.blockScopes[blockFoundDepth][symbolTable.found];
}

Symbol* classAttribute() {
    ClassRecord* owner = symbolTable.currentClass;
    if (!owner) return nullptr;
    int index = owner->findAttribute(currentIdentifier);
    return index < 0 ? nullptr : owner->attributes[index];
}

void checkAssigned() {
    if (assignedFlag == 0) reportErrorName(Msg::usedBeforeAssignment, currentIdentifier);
}

bool isEnumItem(const Symbol* symbol) { return symbol->kind == kindEnumItem; }

// Lookup steps for a target; false when the lookup ended early (no
// constant check).
bool findTarget() {
    SymbolTable& table = symbolTable;
    const std::string& name = currentIdentifier;
    bool inBlock = inBlockScope != 0;
    Symbol* symbol;

    if (!inBlock && !inFunction && !inClass) {
        if (!(symbol = symbolIn(table.globals, name))) return reportNotDeclared(name), false;
        use(symbol);
        mark(symbol);
        return true;
    }
    if (!inBlock && !inFunction) {
        if (!(symbol = classAttribute())) return reportNotDeclared(name), false;
        use(symbol);
        mark(symbol);
        return true;
    }
    if (!inBlock) {
        if ((symbol = symbolIn(table.locals, name))) {
            use(symbol);
            mark(symbol);
            return true;
        }
        if ((symbol = symbolIn(table.functionGlobals, name))) {
            use(symbol);
            return false;
        }
        if (inClass) {
            if ((symbol = classAttribute())) {
                use(symbol);
                mark(symbol);
                if (symbol->flags & symbolStatic)
                    useStaticAttributeText(symbol);
                else
                    table.functionGlobals.push_back(symbol);
                return true;
            }
            if (loadClassAttribute(name)) return true;
            return reportNotDeclared(name), false;
        }
        if (!(symbol = symbolIn(table.globals, name))) return reportNotDeclared(name), false;
        use(symbol);
        emitGlobalDeclaration();
        assignedFlag = symbolAssigned;
        mark(symbol);
        table.functionGlobals.push_back(symbol);
        return true;
    }

    // In a block scope.
    if ((symbol = cacheEntry())) {
        use(symbol);
        return false;
    }
    if ((symbol = symbolIn(table.blockScopes[blockDepth], name))) {
        use(symbol);
        mark(symbol);
        return true;
    }
    if ((symbol = outerBlockEntry())) {
        use(symbol);
        if (!(symbol->flags & symbolAssigned)) cache(currentType | symbolAssigned);
        return true;
    }
    if (inFunction) {
        if ((symbol = symbolIn(table.functionGlobals, name))) {
            use(symbol);
            return false;
        }
        if ((symbol = symbolIn(table.locals, name))) {
            use(symbol);
            if (!(symbol->flags & symbolAssigned)) cache(currentType | symbolAssigned);
            return true;
        }
    }
    if (inClass) {
        if ((symbol = classAttribute())) {
            use(symbol);
            if (inFunction) useStaticAttributeText(symbol);
            if (!(symbol->flags & symbolAssigned)) cache(currentType | staticFlag);
            return true;
        }
        if (loadClassAttribute(name)) return true;
        return reportNotDeclared(name), false;
    }
    if (!(symbol = symbolIn(table.globals, name))) return reportNotDeclared(name), false;
    use(symbol);
    cache(currentType | symbolAssigned);
    if (inFunction) emitGlobalDeclaration();
    return true;
}

// A global read from a class body: only an enumeration item is visible
// there, anything else is reported. False when no global has the name.
bool readGlobalFromClass(const std::string& name) {
    Symbol* symbol = symbolIn(symbolTable.globals, name);
    if (!symbol) return false;
    use(symbol);
    if (isEnumItem(symbol))
        checkAssigned();
    else
        reportErrorName(Msg::notAccessibleFromClass, name);
    return true;
}

}  // namespace

void lookupIdentifier() {
    if (!findTarget()) return;
    if (currentKind >= kindEnumItem && currentKind <= lastConstantKind) {
        reportErrorName(Msg::constantAssigned, currentIdentifier);
        // an enumeration item's text is its value: "$5=..." would not parse
        codeBuffer = currentIdentifier;
    }
}

void lookupIdentifierInExpression() {
    if (inLvalue) {
        lookupIdentifier();
        return;
    }
    currentType = 0;
    SymbolTable& table = symbolTable;
    const std::string& name = currentIdentifier;
    bool inBlock = inBlockScope != 0;
    Symbol* symbol;

    if (!inBlock && !inFunction && !inClass) {
        if (!(symbol = symbolIn(table.globals, name))) return reportNotDeclared(name);
        use(symbol);
        checkAssigned();
        return;
    }
    if (!inBlock && !inFunction) {
        if (loadClassAttribute(name)) return;
        if ((symbol = classAttribute())) {
            // a value that uses it is set by the constructor or after the class
            use(symbol);
            useStaticAttributeText(symbol);
            return;
        }
        if (readGlobalFromClass(name)) return;
        reportErrorName(Msg::unknownScope, name);
        return;
    }
    if (!inBlock) {
        if ((symbol = symbolIn(table.locals, name))) {
            use(symbol);
            checkAssigned();
            return;
        }
        if ((symbol = symbolIn(table.functionGlobals, name))) return use(symbol);
        if (inClass) {
            if ((symbol = classAttribute())) {
                use(symbol);
                if (symbol->flags & symbolStatic)
                    useStaticAttributeText(symbol);
                else
                    table.functionGlobals.push_back(symbol);
                return;
            }
            if (loadClassAttribute(name)) return;
            if (readGlobalFromClass(name)) return;
            return reportNotDeclared(name);
        }
        if (!(symbol = symbolIn(table.globals, name))) return reportNotDeclared(name);
        use(symbol);
        if (!isEnumItem(symbol)) emitGlobalDeclaration();
        table.functionGlobals.push_back(symbol);
        return;
    }

    // In a block scope.
    if ((symbol = symbolIn(table.blockScopes[blockDepth], name))) {
        use(symbol);
        checkAssigned();
        return;
    }
    if ((symbol = cacheEntry())) return use(symbol);
    if ((symbol = outerBlockEntry())) {
        use(symbol);
        checkAssigned();
        return;
    }
    if (inFunction) {
        if ((symbol = symbolIn(table.locals, name))) {
            use(symbol);
            checkAssigned();
            return;
        }
        if ((symbol = symbolIn(table.functionGlobals, name))) return use(symbol);
    }
    if (inClass) {
        if (loadClassAttribute(name)) return;
        if ((symbol = classAttribute())) {
            use(symbol);
            if (inFunction) useStaticAttributeText(symbol);
            return;
        }
        if ((symbol = symbolIn(table.globals, name))) {
            use(symbol);
            if (!isEnumItem(symbol)) reportErrorName(Msg::notAccessibleFromClass, name);
            return;
        }
        return reportNotDeclared(name);
    }
    if (!(symbol = symbolIn(table.globals, name))) return reportNotDeclared(name);
    use(symbol);
    if (!inFunction || isEnumItem(symbol)) {
        checkAssigned();
        return;
    }
    emitGlobalDeclaration();
    cache(currentType | assignedFlag);
}
