#include "parser/parser_stack.h"

#include <exception>
#include <pthread.h>
#include <stdexcept>

namespace {

// Room for the nesting limit many times over, even in a sanitizer build;
// only the pages a parse touches are ever taken from memory.
const size_t parserStackSize = size_t(1) << 30;

struct Work {
    const std::function<void()>* work;
    std::exception_ptr error;
};

void* runWork(void* data)
{
    Work* w = static_cast<Work*>(data);
    try {
        (*w->work)();
    } catch (...) {
        w->error = std::current_exception();
    }
    return nullptr;
}

}  // namespace

void runOnParserStack(const std::function<void()>& work)
{
    Work w{&work, nullptr};
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, parserStackSize);
    pthread_t thread;
    int failed = pthread_create(&thread, &attributes, runWork, &w);
    pthread_attr_destroy(&attributes);
    if (failed)
        throw std::runtime_error("cannot start the parser's thread");
    pthread_join(thread, nullptr);
    if (w.error)
        std::rethrow_exception(w.error);
}
