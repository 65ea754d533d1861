#include "parser/parser_stack.h"

#include <condition_variable>
#include <exception>
#include <mutex>
#include <pthread.h>
#include <stdexcept>

#include "VelandroLexer.hpp"
#include "VelandroParser.hpp"
#include "parser/nesting.h"
#include "semantic/file_names.h"
#include "semantic/symbol_table.h"

namespace {

// The room one level of nesting takes, many times over: a level takes
// about a kilobyte in a release build, four or five in a sanitizer build.
#if defined(__SANITIZE_ADDRESS__)
#define VELP_STACK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELP_STACK_CHECKED 1
#endif
#endif
#ifdef VELP_STACK_CHECKED
constexpr size_t roomPerLevel = size_t(64) << 10;
#else
constexpr size_t roomPerLevel = size_t(16) << 10;
#endif

// Sized to the deepest parse the limits let through, operands nested to
// their limit inside blocks nested to theirs, and no more: the stack is
// reserved whole, and an address-space limit (a container's, a shared
// host's) must leave room for the rest of the compile.
constexpr size_t parserStackSize =
    (static_cast<size_t>(maxExpressionNesting) + 2 * static_cast<size_t>(maxBlockDepth)) *
    roomPerLevel;

// One thread, started at the first parse and kept for the next ones (a
// stack this size costs a sanitizer build much to set up and tear down).
// Never destroyed: it may still wait for work while the process ends.
struct Worker {
    std::mutex mutex;
    std::condition_variable changed;
    const std::function<void()>* work = nullptr;
    std::exception_ptr error;
    bool done = false;
};

void* serve(void* data)
{
    Worker& worker = *static_cast<Worker*>(data);
    std::unique_lock<std::mutex> lock(worker.mutex);
    for (;;) {
        worker.changed.wait(lock, [&worker] { return worker.work != nullptr; });
        const std::function<void()>* work = worker.work;
        lock.unlock();
        std::exception_ptr error;
        try {
            (*work)();
        } catch (...) {
            error = std::current_exception();
        }
        lock.lock();
        worker.error = error;
        worker.work = nullptr;
        worker.done = true;
        worker.changed.notify_all();
    }
    return nullptr;
}

Worker* startWorker()
{
    Worker* worker = new Worker;
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, parserStackSize);
    pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
    pthread_t thread;
    int failed = pthread_create(&thread, &attributes, serve, worker);
    pthread_attr_destroy(&attributes);
    if (failed) {
        delete worker;
        return nullptr;
    }
    return worker;
}

}  // namespace

void runOnParserStack(const std::function<void()>& work)
{
    static Worker* worker = startWorker();
    if (!worker)
        throw std::runtime_error("cannot start the parser's thread");
    std::exception_ptr error;
    {
        std::unique_lock<std::mutex> lock(worker->mutex);
        worker->done = false;
        worker->work = &work;
        worker->changed.notify_all();
        worker->changed.wait(lock, [] { return worker->done; });
        error = worker->error;
        worker->error = nullptr;
    }
    if (error)
        std::rethrow_exception(error);
}

void translatePrepared(bool page, std::string prepared)
{
    MemoryInput input(std::move(prepared));
    runOnParserStack([&input, page] {
        VelandroLexer lexer(input);
        lexer.setFilename(sourceFileName);
        lexer.setPageInput(page);
        VelandroParser parser(lexer);
        parser.setFilename(sourceFileName);
        parser.translateFile(page);
    });
}
