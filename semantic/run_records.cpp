#include "semantic/run_records.h"

#include <unordered_map>

namespace {

using Registry = std::unordered_map<void*, void (*)(void*)>;

// Never destroyed itself: a record deleted by another object's destructor
// at exit still finds it.
Registry& registry()
{
    static Registry* records = new Registry;
    return *records;
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
}

std::size_t liveRunRecords()
{
    return registry().size();
}
