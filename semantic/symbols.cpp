#include "semantic/symbols.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>
#include <new>

#include "emit/state.h"
#include "semantic/messages.h"
#include "semantic/text_util.h"
#include "semantic/types.h"

const std::string unknownName = "?";

SymbolName::SymbolName(std::string_view text) {
    if (text.size() < kTag) {
        std::memcpy(raw_, text.data(), text.size());
        raw_[text.size()] = '\0';
        raw_[kTag] = static_cast<char>(text.size());
        return;
    }
    char* bytes = new char[text.size() + 1];
    std::memcpy(bytes, text.data(), text.size());
    bytes[text.size()] = '\0';
    const size_t size = text.size();
    std::memcpy(raw_, &bytes, sizeof bytes);
    std::memcpy(raw_ + sizeof bytes, &size, sizeof size);
    raw_[kTag] = static_cast<char>(kFar);
}

SymbolName::~SymbolName() {
    if (far()) delete[] farBytes();
}

const char* SymbolName::farBytes() const {
    const char* bytes;
    std::memcpy(&bytes, raw_, sizeof bytes);
    return bytes;
}

size_t SymbolName::farSize() const {
    size_t size;
    std::memcpy(&size, raw_ + sizeof(char*), sizeof size);
    return size;
}

std::string operator+(std::string_view a, const SymbolName& b) {
    std::string joined;
    joined.reserve(a.size() + b.size());
    joined.append(a.data(), a.size());
    joined.append(b.data(), b.size());
    return joined;
}

namespace {
uint32_t hashName(std::string_view name);

// The PHP texts of the symbols written otherwise than their names (a
// parameter's "$name", an enumeration item's value), by number from 1; a
// number is reused once its symbol is gone. A deque keeps each text in
// place while others are added.
class SymbolTexts {
public:
    uint32_t add(const std::string& text) {
        if (free_.empty()) {
            texts_.push_back(text);
            return static_cast<uint32_t>(texts_.size());
        }
        const uint32_t number = free_.back();
        free_.pop_back();
        texts_[number - 1] = text;
        return number;
    }
    void remove(uint32_t number) {
        std::string().swap(texts_[number - 1]);
        free_.push_back(number);
    }
    std::string& operator[](uint32_t number) { return texts_[number - 1]; }

private:
    std::deque<std::string> texts_;
    std::vector<uint32_t> free_;
};

SymbolTexts& symbolTexts() {
    static SymbolTexts* texts = new SymbolTexts();  // outlives every symbol
    return *texts;
}
}  // namespace

Symbol::Symbol(const std::string& name, uint32_t flags, uint32_t kind, int classIndex)
    : name(name), classIndex(classIndex), hash(hashName(name)),
      flags(static_cast<uint16_t>(flags)), kind(static_cast<uint8_t>(kind)) {}

Symbol::Symbol(const std::string& name, const std::string& phpText, uint32_t flags,
               uint32_t kind, int classIndex)
    : Symbol(name, flags, kind, classIndex) {
    setPhpText(phpText);
}

Symbol::~Symbol() {
    if (text != 0) symbolTexts().remove(text);
}

std::string_view Symbol::storedText() const { return symbolTexts()[text]; }

void Symbol::setPhpText(const std::string& phpText) {
    if (phpText == name) {
        if (text != 0) symbolTexts().remove(text);
        text = 0;
    } else if (text != 0) {
        symbolTexts()[text] = phpText;
    } else {
        text = symbolTexts().add(phpText);
    }
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

int FunctionRecord::parameterTypeAt() const {
    return atIndex(parameterTypes, cursor) & symbolTypeMask;
}

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
    if (unchecked) return 1;
    int total = static_cast<int>(parameterTypes.size());
    int required = 0;
    for (int parameter : parameterTypes)
        if (!(parameter & parameterDefaulted)) ++required;
    int given = static_cast<int>(argumentTypes.size());
    if (given > total || given < required) {
        if (report) reportArgumentCount(name, total, given);
        return 0;
    }
    for (int i = 0; i < given; ++i) {
        if (parameterTypes[i] & parameterDefaulted) continue;
        int parameter = parameterTypes[i] & symbolTypeMask;
        int argument = argumentTypes[i];
        if (typeMatrix[parameter][argument] != 0) continue;
        if (argument == typeObject && atIndex(parameterAcceptsObject, i) != 0) continue;
        if (report) reportCallTypeError(Msg::badArgumentIn, name, parameter, argument);
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
            reportCallTypeError(Msg::badReturnTypeIn, name, returnTypes[i], returnedTypes[i]);
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

bool FunctionRecord::sameParameters(const FunctionRecord& other) const {
    if (parameterTypes.size() != other.parameterTypes.size()) return false;
    for (size_t i = 0; i < parameterTypes.size(); ++i) {
        int mine = parameterTypes[i] & symbolTypeMask;
        int theirs = other.parameterTypes[i] & symbolTypeMask;
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
    for (int parameter : other.parameterTypes) argumentTypes.push_back(parameter & symbolTypeMask);
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
uint32_t hashName(std::string_view name) {
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
bool sameName(std::string_view a, std::string_view b, bool folded) {
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
    // At most half full, so that a miss ends within a few probes: most
    // searches of a block's lists miss.
    if (items.size() * 2 > size_t(mask) + 1) {
        grow();
        return;
    }
    if (symbol) place(static_cast<uint32_t>(items.size() - 1), symbol->hash);
}

void SymbolList::clear() {
    items.clear();
    slots.reset();
    mask = 0;
}

void SymbolList::place(uint32_t item, uint32_t hash) {
    uint32_t at = hash & mask;
    while (slots[at] != 0) at = (at + 1) & mask;
    slots[at] = (hash & ~mask) | (item + 1);
}

// Twice the slots (or more, for a list of many nulls), filled in the order
// of the list from the hashes its symbols keep: symbols of one hash then
// lie along the probe sequence in the order they were added. The table is
// cleared by writing (not by calloc): a fresh page read first would fault
// twice, once for the zero page and once more on its first write.
void SymbolList::grow() {
    size_t size = mask == 0 ? 16 : (size_t(mask) + 1) * 2;
    while (size < items.size() * 2) size *= 2;
    if (size > (size_t(1) << 31)) throw std::bad_alloc();
    slots.reset(new uint32_t[size]());
    mask = static_cast<uint32_t>(size - 1);
    const uint32_t count = static_cast<uint32_t>(items.size());
    for (uint32_t i = 0; i < count; ++i)
        if (items[i]) place(i, items[i]->hash);
}

inline int SymbolList::search(std::string_view name, uint32_t hash, bool ignoreCase,
                               uint32_t& empty) const {
    const uint32_t tag = hash & ~mask;
    for (uint32_t at = hash & mask;; at = (at + 1) & mask) {
        const uint32_t slot = slots[at];
        if (slot == 0) {
            empty = at;
            return -1;
        }
        if ((slot & ~mask) == tag) {
            const uint32_t item = (slot & mask) - 1;
            if (sameName(items[item]->name, name, ignoreCase)) return static_cast<int>(item);
        }
    }
}

int SymbolList::pushUnlessFolded(Symbol* symbol) {
    // Without a growth ahead, the slot where the search ends takes it.
    if (mask != 0 && (items.size() + 1) * 2 <= size_t(mask) + 1) {
        uint32_t empty;
        const int found = search(symbol->name, symbol->hash, true, empty);
        if (found >= 0) return found;
        items.push_back(symbol);
        slots[empty] = (symbol->hash & ~mask) | static_cast<uint32_t>(items.size());
        return -1;
    }
    const int found = indexOfIgnoreCase(symbol->name);
    if (found < 0) push_back(symbol);
    return found;
}

int SymbolList::lookup(std::string_view name, bool ignoreCase) const {
    uint32_t empty;
    return search(name, hashName(name), ignoreCase, empty);
}


