#include "semantic/run_records.h"

#include <unordered_map>
#include <vector>

namespace {

using Registry = std::unordered_map<void*, void (*)(void*)>;

// Never destroyed itself: a record deleted by another object's destructor
// at exit still finds it.
Registry& registry()
{
    static Registry* records = new Registry;
    return *records;
}

struct Pool {
    void* pool;
    void (*release)(void*);
    std::size_t (*count)(void*);
};

std::vector<Pool>& pools()
{
    static std::vector<Pool>* list = new std::vector<Pool>;
    return *list;
}

// At exit the records of the last run go too.
struct ReleaseAtExit {
    ~ReleaseAtExit() { releaseRunRecords(); }
} releaseAtExit;

}  // namespace

void run_records::add(void* record, void (*destroy)(void*))
{
    registry()[record] = destroy;
}

void run_records::addPool(void* pool, void (*release)(void*), std::size_t (*count)(void*))
{
    pools().push_back(Pool{pool, release, count});
}

void run_records::remove(void* record)
{
    registry().erase(record);
}

void releaseRunRecords()
{
    Registry records;
    records.swap(registry());
    for (auto& entry : records)
        entry.second(entry.first);
    for (const Pool& pool : pools())
        pool.release(pool.pool);
}

std::size_t liveRunRecords()
{
    std::size_t live = registry().size();
    for (const Pool& pool : pools())
        live += pool.count(pool.pool);
    return live;
}
