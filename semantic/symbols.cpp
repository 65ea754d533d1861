#include "semantic/symbols.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "emit/state.h"
#include "semantic/messages.h"
#include "semantic/text_util.h"
#include "semantic/types.h"

const std::string unknownName = "?";

Symbol::Symbol(const std::string& name, uint32_t flags, uint32_t kind, int classIndex)
    : name(name), flags(flags), kind(kind), classIndex(classIndex) {}

Symbol::Symbol(const std::string& name, const std::string& phpText, uint32_t flags,
               uint32_t kind, int classIndex)
    : name(name), flags(flags), kind(kind), classIndex(classIndex) {
    setPhpText(phpText);
}

void Symbol::setPhpText(const std::string& phpText) {
    if (phpText == name)
        text.reset();
    else if (text)
        *text = phpText;
    else
        text = std::make_unique<std::string>(phpText);
}

Symbol::Symbol(const std::string& name, uint32_t flags)
    : Symbol(name, flags, static_cast<uint32_t>(currentKind), currentClassIndex) {}

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

// Names are read a word at a time: a search hashes the whole name and
// compares it once more with the symbol it finds.
uint64_t load64(const char* p) {
    uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

uint64_t load32(const char* p) {
    uint32_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// The bytes of a name of at most eight in one word, each byte read at
// least once: two names of one length give one word only when they are
// the same bytes.
uint64_t shortWord(const char* p, size_t n) {
    if (n >= 4) return load32(p) | (load32(p + n - 4) << 32);
    if (n == 0) return 0;
    return uint64_t(static_cast<unsigned char>(p[0])) |
           uint64_t(static_cast<unsigned char>(p[n / 2])) << 8 |
           uint64_t(static_cast<unsigned char>(p[n - 1])) << 16;
}

// Or-ed into every byte: the key under which equalsIgnoreCaseBytes sees
// two names as equal.
constexpr uint64_t foldMask = 0x2020202020202020ull;

// The hash of the name with its case folded.
uint32_t hashName(const std::string& name) {
    const char* p = name.data();
    size_t n = name.size();
    uint64_t h = static_cast<uint64_t>(n) * 0x9e3779b97f4a7c15ull;
    for (; n > 8; p += 8, n -= 8) {
        h = (h ^ (load64(p) | foldMask)) * 0xff51afd7ed558ccdull;
        h ^= h >> 29;
    }
    h = (h ^ (shortWord(p, n) | foldMask)) * 0xff51afd7ed558ccdull;
    // The slot is chosen by the low bits: every byte must reach them.
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ull;
    return static_cast<uint32_t>(h ^ (h >> 33));
}

// Exact, or with each byte folded as equalsIgnoreCaseBytes folds it.
bool sameName(const std::string& a, const std::string& b, bool folded) {
    size_t n = a.size();
    if (n != b.size()) return false;
    const uint64_t mask = folded ? foldMask : 0;
    const char* x = a.data();
    const char* y = b.data();
    for (; n > 8; x += 8, y += 8, n -= 8)
        if ((load64(x) | mask) != (load64(y) | mask)) return false;
    return (shortWord(x, n) | mask) == (shortWord(y, n) | mask);
}

// A pool of symbol-sized blocks, carved from large aligned chunks and
// reused through a free list. Each chunk knows which of its blocks hold a
// symbol, so the pool is one record of the run that frees them all: no
// entry per symbol is kept anywhere else.
class SymbolPool {
public:
    SymbolPool() {
        run_records::addPool(
            this, [](void* pool) { static_cast<SymbolPool*>(pool)->release(); },
            [](void* pool) { return static_cast<SymbolPool*>(pool)->live_; });
    }
    void* take() {
        Block* block;
        if (free_) {
            block = reinterpret_cast<Block*>(free_);
            free_ = free_->next;
        } else {
            if (left_ == 0) addChunk();
            --left_;
            block = next_++;
        }
        Chunk* chunk = chunkOf(block);
        chunk->live[block - chunk->blocks] = 1;
        ++live_;
        return block;
    }
    void give(void* memory) {
        Block* block = static_cast<Block*>(memory);
        Chunk* chunk = chunkOf(block);
        chunk->live[block - chunk->blocks] = 0;
        --live_;
        Free* f = reinterpret_cast<Free*>(block);
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
    static constexpr size_t kChunkBytes = size_t(1) << 17;
    static constexpr size_t kBlocks = (kChunkBytes - 64) / (sizeof(Block) + 1);
    struct Chunk {
        Block blocks[kBlocks];
        unsigned char live[kBlocks];
    };
    static_assert(sizeof(Chunk) <= kChunkBytes, "a chunk fits its alignment");

    static Chunk* chunkOf(Block* block) {
        return reinterpret_cast<Chunk*>(reinterpret_cast<uintptr_t>(block) & ~(kChunkBytes - 1));
    }
    void addChunk() {
        void* memory = std::aligned_alloc(kChunkBytes, kChunkBytes);
        if (!memory) throw std::bad_alloc();
        Chunk* chunk = static_cast<Chunk*>(memory);
        std::memset(chunk->live, 0, sizeof chunk->live);
        chunks_.push_back(chunk);
        next_ = chunk->blocks;
        left_ = kBlocks;
    }
    // Every symbol still alive is deleted; the chunks stay for the next run.
    void release() {
        for (Chunk* chunk : chunks_)
            for (size_t i = 0; i < kBlocks && live_ != 0; ++i)
                if (chunk->live[i]) delete reinterpret_cast<Symbol*>(&chunk->blocks[i]);
    }

    std::vector<Chunk*> chunks_;
    Block* next_ = nullptr;
    size_t left_ = 0;
    Free* free_ = nullptr;
    size_t live_ = 0;
};

SymbolPool& symbolPool() {
    static SymbolPool* pool = new SymbolPool();  // outlives every symbol
    return *pool;
}

}  // namespace

void* Symbol::operator new(size_t size) {
    if (size != sizeof(Symbol)) {
        void* block = ::operator new(size);
        run_records::add(block, [](void* p) { delete static_cast<Symbol*>(p); });
        return block;
    }
    return symbolPool().take();
}

void Symbol::operator delete(void* block, size_t size) {
    if (!block) return;
    if (size != sizeof(Symbol)) {
        run_records::remove(block);
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
    items.push_back(symbol);
    if (!symbol) return;
    // At most half full, so that a miss ends within a few probes: most
    // searches of a block's lists miss.
    if ((used + 1) * 2 > slots.size()) {
        grow();
        return;
    }
    place(items.size() - 1, hashName(symbol->name));
}

void SymbolList::clear() {
    items.clear();
    slots.clear();
    used = 0;
}

void SymbolList::place(size_t i, uint32_t hash) {
    const size_t mask = slots.size() - 1;
    size_t at = hash & mask;
    while (slots[at].item != 0) at = (at + 1) & mask;
    slots[at] = Slot{hash, static_cast<uint32_t>(i) + 1};
    ++used;
}

// Twice the slots, filled from the old ones with their stored hashes, so
// that no symbol is read again. The old table is walked from an empty slot
// on, one run of full slots after another: symbols of one hash then come in
// the order they were added and keep it. The symbol just added, not in the
// old table, goes in last.
void SymbolList::grow() {
    const std::vector<Slot> old = std::move(slots);
    slots.assign(old.empty() ? 16 : old.size() * 2, Slot{0, 0});
    used = 0;
    const size_t size = old.size();
    size_t start = 0;
    while (start < size && old[start].item != 0) ++start;
    for (size_t k = 0; k < size; ++k) {
        const Slot& slot = old[(start + k) & (size - 1)];
        if (slot.item != 0) place(slot.item - 1, slot.hash);
    }
    const size_t last = items.size() - 1;
    if (items[last]) place(last, hashName(items[last]->name));
}

int SymbolList::lookup(const std::string& name, bool ignoreCase) const {
    if (slots.empty()) return -1;
    const uint32_t hash = hashName(name);
    const size_t mask = slots.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots[at];
        if (slot.item == 0) return -1;
        if (slot.hash == hash && sameName(items[slot.item - 1]->name, name, ignoreCase))
            return static_cast<int>(slot.item) - 1;
    }
}


