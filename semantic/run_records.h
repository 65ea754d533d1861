// Symbols, function records and class records are made with new and named
// from many lists at once (scopes, caches, classes, calls); no list owns
// them, and a failed search hands out a fresh empty record. Each record a
// run makes is kept here and freed with the others: by releaseRunRecords()
// when the caller knows no list names them any more, at the latest when the
// process ends.
#pragma once

#include <cstddef>

namespace run_records {
void add(void* record, void (*destroy)(void*));
void remove(void* record);
// A pool that keeps the records it makes itself (symbols): released with
// the others, counted as the records it holds; it stays registered.
void addPool(void* pool, void (*release)(void*), std::size_t (*count)(void*));
}  // namespace run_records

// The records' base: their new and delete keep the list of live records.
template <class Record>
struct RunRecord {
    static void* operator new(std::size_t size)
    {
        void* record = ::operator new(size);
        run_records::add(record, [](void* p) { delete static_cast<Record*>(p); });
        return record;
    }
    static void operator delete(void* record)
    {
        run_records::remove(record);
        ::operator delete(record);
    }
};

// Frees every record made so far. Only when nothing names one any more:
// between runs, with the symbol table and the class list started afresh.
void releaseRunRecords();

// Records alive now.
std::size_t liveRunRecords();
