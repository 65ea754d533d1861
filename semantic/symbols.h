// Symbols (declared names) and function records (signatures, with the
// state of the call being checked against them).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <cstddef>
#include <unordered_map>
#include <utility>
#include <vector>

#include "semantic/run_records.h"

// Name of an empty record made by a failed search.
extern const std::string unknownName;

// Who may use a class member.
enum : int { visibilityPublic = 0, visibilityPrivate = 1, visibilityProtected = 2 };

// A symbol's name, fixed once made: up to 22 bytes are kept in place (a
// symbol is one of tens of thousands), a longer name on the heap. It reads
// as a string_view and ends with a NUL.
class SymbolName {
public:
    explicit SymbolName(std::string_view text);
    ~SymbolName();
    SymbolName(const SymbolName&) = delete;
    SymbolName& operator=(const SymbolName&) = delete;

    const char* data() const { return far() ? farBytes() : raw_; }
    size_t size() const { return far() ? farSize() : static_cast<unsigned char>(raw_[kTag]); }
    const char* c_str() const { return data(); }
    std::string_view view() const { return std::string_view(data(), size()); }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(data(), size()); }

private:
    // raw_[kTag] holds the size of a name kept in place, or kFar; a far
    // name's pointer and size lie at the front.
    static constexpr size_t kTag = 23;
    static constexpr unsigned char kFar = 0xff;
    bool far() const { return static_cast<unsigned char>(raw_[kTag]) == kFar; }
    const char* farBytes() const;
    size_t farSize() const;

    alignas(char*) char raw_[24];
};

inline bool operator==(const SymbolName& a, std::string_view b) { return a.view() == b; }
inline bool operator==(std::string_view a, const SymbolName& b) { return a == b.view(); }
std::string operator+(std::string_view a, const SymbolName& b);

struct Symbol {
    const SymbolName name;  // the PHP text is usually this
    int classIndex;
    const uint32_t hash;   // of the name with its case folded, as lists index it
    uint16_t flags;        // type code (symbolTypeMask) and the symbol marks of semantic/types.h
    uint8_t kind;          // 1 declaration, 2 assignment, 3 enum item, 4 constant (3..5 read-only)
    uint8_t visibility = 0;  // of an attribute: visibilityPublic, Private or Protected

    Symbol(const std::string& name, uint32_t flags, uint32_t kind, int classIndex);
    Symbol(const std::string& name, const std::string& phpText, uint32_t flags,
           uint32_t kind, int classIndex);
    // Kind and class index from currentKind and currentClassIndex.
    Symbol(const std::string& name, uint32_t flags);
    Symbol(const std::string& name, const std::string& phpText, uint32_t flags);
    ~Symbol();
    Symbol(const Symbol&) = delete;
    Symbol& operator=(const Symbol&) = delete;

    // Symbols come from one pool: a long program declares tens of
    // thousands, and a heap block each cost time and a header apiece.
    // Each is a record of the run too (semantic/run_records.h).
    static void* operator new(size_t size);
    static void operator delete(void* block, size_t size);

    // Written for a use of the name: the name itself for nearly every
    // symbol, so only another text is stored, apart, by number.
    std::string_view phpText() const { return text == 0 ? name.view() : storedText(); }
    void setPhpText(const std::string& phpText);

private:
    std::string_view storedText() const;
    uint32_t text = 0;
};

// An ordered list of symbols that also finds a name without walking the
// list: the global scope of a long program holds tens of thousands of
// names, and every use of one is looked up. A search gives the first
// entry of that name, as a walk from the front would.
class SymbolList {
public:
    SymbolList() = default;
    SymbolList(std::initializer_list<Symbol*> symbols) { *this = symbols; }
    SymbolList& operator=(std::initializer_list<Symbol*> symbols);

    void push_back(Symbol* symbol);
    // The index of the first symbol of the new one's name (not null), case
    // folded as indexOfIgnoreCase folds it; -1 once the symbol is added at
    // the end. One search serves both.
    int pushUnlessFolded(Symbol* symbol);
    void clear();

    size_t size() const { return items.size(); }
    bool empty() const { return items.empty(); }
    Symbol* operator[](size_t i) const { return items[i]; }
    Symbol* back() const { return items.back(); }
    std::vector<Symbol*>::const_iterator begin() const { return items.begin(); }
    std::vector<Symbol*>::const_iterator end() const { return items.end(); }

    // Index of the first symbol of that name, -1 when none; the second
    // compares as equalsIgnoreCaseBytes does.
    // An empty list (most block scopes) answers without a call.
    int indexOf(std::string_view name) const { return mask == 0 ? -1 : lookup(name, false); }
    int indexOfIgnoreCase(std::string_view name) const
    {
        return mask == 0 ? -1 : lookup(name, true);
    }

private:
    // Open addressing over the list itself, one 32-bit slot per symbol:
    // the bits under the table's mask hold an index into items plus one
    // (0 is empty), the bits above it the same bits of the symbol's hash,
    // so that a probe reads a symbol only when they agree. The table has at
    // least two slots for each entry of items, so an index always fits.
    // Symbols of one hash lie along the probe sequence in the order they
    // were added, so the first match of a probe is the first entry.
    void place(uint32_t item, uint32_t hash);
    void grow();
    // The first entry of that name and hash, or -1 with `empty` the free
    // slot where the search ended.
    int search(std::string_view name, uint32_t hash, bool ignoreCase, uint32_t& empty) const;
    int lookup(std::string_view name, bool ignoreCase) const;

    std::vector<Symbol*> items;
    std::unique_ptr<uint32_t[]> slots;
    uint32_t mask = 0;   // slots - 1, 0 while there is no table
};

// Marks kept in a parameter type beside its type code (symbolTypeMask).
constexpr int parameterDefaulted = 64;   // a default value is given
constexpr int parameterNamedType = 128;  // typed by a named value's define
constexpr int parameterAlias = 256;      // passed by reference ("alias")

struct FunctionRecord : RunRecord<FunctionRecord> {
    std::string name;
    std::string phpName;
    uint32_t staticMark = 0;
    int visibility = 0;    // of a method: visibilityPublic, Private or Protected
    int cursor = 0;
    int nestingDepth = 0;
    // The outer calls' argument types and cursors while a call of the same
    // function is nested in their arguments; owned here, so a call left by
    // a syntax error loses nothing to a shared stack.
    std::vector<std::pair<int, std::vector<int>>> savedArguments;
    int overloadMark = 0;
    std::vector<int> returnTypes;
    // The class of an object result (the first result type), -1 when the
    // result is no object of a known class: a member chain goes on in it.
    int resultClassIndex = -1;
    // A method of a class PHP defines: its parameters are not known here,
    // so any arguments pass.
    bool unchecked = false;
    std::vector<int> returnedTypes;
    std::vector<int> parameterTypes;   // type code | the parameter marks above
    std::vector<int> argumentTypes;
    std::vector<int> parameterClassIndex;
    std::vector<int> parameterAcceptsObject;
    // Signatures of function-typed parameters; may hold null entries.
    std::vector<FunctionRecord*> functionParameters;

    FunctionRecord();
    explicit FunctionRecord(const std::string& name);

    void addReturnType(int type);
    void addReturnedType(int type);
    void addParameter(int type, int flags, int acceptsObject = 0);
    void addArgumentType(int type);
    // A copy of the source's signature under the name; a null source adds a
    // null entry so the list stays parallel to the parameters.
    void addFunctionParameter(const FunctionRecord* source, const std::string& name);
    FunctionRecord* findFunctionParameter(const std::string& name);
    int returnTypeAt() const;
    int parameterTypeAt() const;
    int resultType() const;
    void beginArguments();
    void endArguments();
    int checkArguments(bool report = true);
    int checkReturnedValues();

    void saveArguments();
    void restoreArguments();
    void copyArgumentsFrom(FunctionRecord* other) const;
    void makeOverloadName(const std::string& baseName);
    FunctionRecord* functionParameterAt();
    bool sameParameters(const FunctionRecord& other) const;
    bool matchSignature(FunctionRecord& other);
};
