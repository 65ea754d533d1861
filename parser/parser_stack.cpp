#include "parser/parser_stack.h"

#include <condition_variable>
#include <exception>
#include <mutex>
#include <pthread.h>
#include <stdexcept>

#include "VelandroLexer.hpp"
#include "VelandroParser.hpp"
#include "semantic/file_names.h"

namespace {

// Room for the nesting limit many times over, even in a sanitizer build;
// only the pages a parse touches are ever taken from memory.
const size_t parserStackSize = size_t(1) << 30;

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
        VelandroParser parser(lexer);
        parser.setFilename(sourceFileName);
        parser.translateFile(page);
    });
}
