#include "semantic/symbols.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "emit/state.h"
#include "semantic/messages.h"
#include "semantic/text_util.h"
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
    savedArguments.emplace_back(cursor, argumentTypes);
}

void FunctionRecord::restoreArguments() {
    // Pops follow pushes; an unmatched restore keeps the current state.
    if (savedArguments.empty()) return;
    cursor = savedArguments.back().first;
    argumentTypes = std::move(savedArguments.back().second);
    savedArguments.pop_back();
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

// FNV-1a over the name, exactly or with each byte or-ed with 0x20, the
// key under which equalsIgnoreCaseBytes sees two names as equal.
uint32_t hashName(const std::string& name, bool folded) {
    uint32_t h = 2166136261u;
    const unsigned char mask = folded ? 0x20 : 0;
    for (char c : name) h = (h ^ (static_cast<unsigned char>(c) | mask)) * 16777619u;
    return h;
}

bool sameName(const std::string& a, const std::string& b, bool folded) {
    return folded ? equalsIgnoreCaseBytes(a, b) : a == b;
}

// A pool of symbol-sized blocks, carved from large chunks and reused
// through a free list.
class SymbolPool {
public:
    void* take() {
        if (free_) {
            Free* block = free_;
            free_ = block->next;
            return block;
        }
        if (left_ == 0) {
            chunks_.emplace_back(new Block[kChunk]);
            next_ = chunks_.back().get();
            left_ = kChunk;
        }
        --left_;
        return next_++;
    }
    void give(void* block) {
        Free* f = static_cast<Free*>(block);
        f->next = free_;
        free_ = f;
    }

private:
    struct Free {
        Free* next;
    };
    union Block {
        Free free;
        alignas(Symbol) unsigned char bytes[sizeof(Symbol)];
    };
    static constexpr size_t kChunk = 1024;
    std::vector<std::unique_ptr<Block[]>> chunks_;
    Block* next_ = nullptr;
    size_t left_ = 0;
    Free* free_ = nullptr;
};

SymbolPool& symbolPool() {
    static SymbolPool* pool = new SymbolPool();  // outlives every symbol
    return *pool;
}

}  // namespace

void* Symbol::operator new(size_t size) {
    void* block = size != sizeof(Symbol) ? ::operator new(size) : symbolPool().take();
    run_records::add(block, [](void* p) { delete static_cast<Symbol*>(p); });
    return block;
}

void Symbol::operator delete(void* block, size_t size) {
    if (!block) return;
    run_records::remove(block);
    if (size != sizeof(Symbol)) {
        ::operator delete(block);
        return;
    }
    symbolPool().give(block);
}

SymbolList& SymbolList::operator=(std::initializer_list<Symbol*> symbols) {
    clear();
    for (Symbol* symbol : symbols) push_back(symbol);
    return *this;
}

void SymbolList::push_back(Symbol* symbol) {
    uint32_t item = static_cast<uint32_t>(items.size()) + 1;
    items.push_back(symbol);
    if (!symbol) return;
    // At most three quarters full, so that a miss ends soon.
    if ((used + 1) * 4 > slots.size() * 3) grow();
    const uint32_t hash = hashName(symbol->name, true);
    const size_t mask = slots.size() - 1;
    size_t at = hash & mask;
    while (slots[at].item != 0) at = (at + 1) & mask;
    slots[at] = Slot{hash, item};
    ++used;
}

void SymbolList::clear() {
    items.clear();
    slots.clear();
    used = 0;
}

void SymbolList::grow() {
    std::vector<Slot> old;
    old.swap(slots);
    slots.assign(old.empty() ? 16 : old.size() * 2, Slot{0, 0});
    const size_t mask = slots.size() - 1;
    // In the order the symbols were added, so that each hash keeps its order.
    std::vector<Slot> live;
    live.reserve(used);
    for (const Slot& slot : old)
        if (slot.item != 0) live.push_back(slot);
    std::sort(live.begin(), live.end(), [](const Slot& a, const Slot& b) { return a.item < b.item; });
    for (const Slot& slot : live) {
        size_t at = slot.hash & mask;
        while (slots[at].item != 0) at = (at + 1) & mask;
        slots[at] = slot;
    }
}

int SymbolList::lookup(const std::string& name, bool ignoreCase) const {
    if (slots.empty()) return -1;
    const uint32_t hash = hashName(name, true);
    const size_t mask = slots.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots[at];
        if (slot.item == 0) return -1;
        if (slot.hash == hash && sameName(items[slot.item - 1]->name, name, ignoreCase))
            return static_cast<int>(slot.item) - 1;
    }
}

int SymbolList::indexOf(const std::string& name) const { return lookup(name, false); }

int SymbolList::indexOfIgnoreCase(const std::string& name) const { return lookup(name, true); }
