// The symbol table: globals, global functions, locals, the globals a
// function has used, nested block scopes, the classes, and the lookups
// that the parser's actions call for names.
#pragma once

#include <memory>
#include <string>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "semantic/classes.h"
#include "semantic/symbols.h"

constexpr int maxBlockDepth = 128;  // block scopes 0..127

// Symbol lists indexed by block depth. Depths 0..127 always exist; a
// negative depth reads an empty scratch list and a deeper one grows the
// list (entering it is reported by SymbolTable::enterBlockScope).
class BlockScopeList {
public:
    BlockScopeList();
    // Inline: every name read in a block looks at a few depths.
    SymbolList& operator[](int depth)
    {
        if (depth >= 0 && depth < size()) return *scopes[static_cast<size_t>(depth)];
        return outside(depth);
    }
    int size() const { return static_cast<int>(scopes.size()); }

private:
    SymbolList& outside(int depth);
    // One list apiece, so that a list stays where it is as deeper ones
    // are added.
    std::vector<std::unique_ptr<SymbolList>> scopes;
    SymbolList scratch;
};

// Names already reported, found by hashing: a long file may report
// thousands of distinct names, and each report looks among them first. The
// names are kept end to end in one text, a slot holding the number of one
// of them plus one (0 is empty).
class NameSet {
public:
    // False when the name was already there.
    bool insert(const std::string& name);
    bool contains(const std::string& name) const { return find(name) != nullptr; }
    void clear();
    size_t size() const { return starts.size(); }

private:
    const uint32_t* find(const std::string& name) const;
    std::string_view at(uint32_t i) const;
    void grow();

    std::string chars;
    std::vector<uint32_t> starts;
    std::vector<uint32_t> slots;
};

class SymbolTable {
public:
    unsigned savedGeneratorCounter = 0;
    unsigned savedClassGeneratorCounter = 0;
    unsigned completedClassCount = 0;
    SymbolList globals;
    std::vector<FunctionRecord*> functions;
    SymbolList locals;
    std::vector<Symbol*> functionGlobals;
    BlockScopeList blockScopes;
    BlockScopeList blockCaches;
    NameSet reportedNames;
    NameSet reportedClassNames;
    ClassRecord* currentClass = nullptr;
    std::vector<std::string> constructorLines;
    ClassTable* classes = &classTable;
    Symbol* foundSymbol = nullptr;
    FunctionRecord* foundMethod = nullptr;
    ClassRecord* foundClass = nullptr;
    int scopeCounter = 0;
    std::string scopeCounterText;
    std::string parentClassName;
    int functionVariable = 0;
    int found = -1;
    int foundScope = 0;  // 0 nowhere, 1 globals, 2 class attributes, 3 block, 4 locals
    std::vector<Symbol*> workingScope;
    std::vector<std::string> workingNames;
    int constructorWritten = 0;

    // Start of a file: the class list, no block open, not in a class or a
    // function, and no name reported as not declared yet.
    void beginFile();

    // Block-scope entry and exit of the block statements (depth, found
    // depth, the two lists of the depth, inBlockScope, scope counter; the
    // indentation stays with the rules). A block deeper than 128 is
    // reported once and still works.
    void enterBlockScope();
    void leaveBlockScope();

    // Symbol searches.
    int find(const std::string& name);
    int findIgnoreCase(const std::string& name);
    bool findInBlocks(const std::string& name);
    bool findInBlocksIgnoreCase(const std::string& name);
    bool findInBlockCaches();
    int findWorking(const std::string& name);
    int findWorkingIgnoreCase(const std::string& name);
    int findWorkingTyped(const std::string& name, int type);
    int findLocalIgnoreCase(const std::string& name);
    int findGlobalIgnoreCase(const std::string& name);
    void useFoundSymbol();
    int foundSymbolType(const std::string& name);
    int hasLocalNamed(const std::string& name);
    bool isLocalVar(const std::string& name);
    bool isReportedGlobal(const std::string& name);
    bool isReportedInClass(const std::string& name);
    void updateScopeCounterText();

    // Functions.
    void addFunction(FunctionRecord* record, bool noCheck = false);
    int findGlobalFunctionIgnoreCase(const std::string& name);
    int findGlobalFunction(const std::string& name);
    FunctionRecord* findFunction(const std::string& name);

    // Classes.
    void beginClass(const std::string& name);
    void setParentClass(const std::string& name);
    void endClass();
    bool isConstructor(const FunctionRecord* record);
    void flushConstructorLines();
    int isClassName(const std::string& name);
    int classIndexOrError(const std::string& name);
    std::string className(int i) const;
    std::string foundClassName();
    int foundClassType() const;
    int foundClassFlags() const;
    std::string foundShortClassName() const;
    // The class record's own name (or unknownName), not copied: each
    // reference segment asks for it.
    const std::string& classNameOfInstance(const std::string& name, bool report);
    FunctionRecord* findMethodOf(const std::string& name, const std::string& method);
    FunctionRecord* findMethod(const std::string& className, const std::string& method,
                               bool report);
    FunctionRecord* findStaticMethod(const std::string& className, const std::string& method);
    // The constructor a "new" of the class runs: its own, or the nearest
    // parent's; an empty record when the chain has none, or when the
    // nearest constructor is a generated one (it takes no argument).
    FunctionRecord* findConstructor(const std::string& className);
    // Walks the parent chain of className; afterwards className holds the
    // class that has the attribute, or "" when none has it.
    Symbol* findAttribute(std::string& className, const std::string& name);
    bool isInheritedMethod(const std::string& name);
    // The method of a parent of the current class, nearest first; owner
    // gets the parent's name. Null when none has it.
    FunctionRecord* findInheritedMethod(const std::string& name, std::string& owner);
    bool isInheritedAttribute(const std::string& name);
    // The class PHP defines, declared by no file, that the parent chain of
    // a class ends in; empty when it ends otherwise.
    std::string phpAncestor(const ClassRecord* record);
    // A public method of that PHP class, inherited by the current class.
    FunctionRecord* phpInheritedMethod(const std::string& name);
    // Whether the class would declare again a method or an attribute that
    // comes to it from that PHP class, as PHP does not let it.
    bool inheritsPhpMethod(const ClassRecord* record, const std::string& name);
    bool inheritsPhpAttribute(const ClassRecord* record, const Symbol& attribute);
    bool isParentClassName(const std::string& name) const;
    ClassRecord* findClass(const std::string& name);
    FunctionRecord* nextOverload(int start);
    static std::string shortClassName(const std::string& name);
    bool isClassOrParent(const std::string& name);
    // A private member is used only in its class, a protected one in its
    // class and the classes below it; elsewhere reported (28).
    void checkMemberAccess(const std::string& ownerName, int visibility, const std::string& name);
    int foundClassIndex(const std::string& name);
    void addClassIfMissing(const std::string& name, int typeCode);

private:
    // The global functions by name, exact and case folded, the first of
    // each: a program may define thousands, and every call looks one up.
    // Rebuilt when the list has grown other than through addFunction.
    std::unordered_map<std::string, int> functionsByName;
    std::unordered_map<std::string, int> functionsByFoldedName;
    size_t functionsIndexed = 0;
    void indexFunction(size_t i);
    int indexedFunction(const std::string& name, bool ignoreCase);

    int findIn(const std::string& name, bool ignoreCase);
    // Searches the lists of depths 0 to blockDepth, outermost first.
    bool findInDepths(BlockScopeList& lists, const std::string& name, bool ignoreCase);
    ClassTable& classList();
    ClassRecord* classAt(int i) const;
};

extern SymbolTable symbolTable;

extern int blockDepth;       // innermost block scope, -1 when none
extern int blockFoundDepth;  // depth where the last block search found the name
extern int inClass;
extern int inFunction;
extern int inBlockScope;

void declareFunctionName();
void lookupIdentifier();
void lookupIdentifierInExpression();
