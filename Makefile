# The two entry points: `make demo` and `make test`.
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 4)

.PHONY: setup build velp demo test golden sanitize fuzz bench clean

setup:
	@scripts/setup.sh

build: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# The compiler alone, without the test programs. The build's own output goes
# to a log, shown only when the build fails.
velp: setup
	@echo "Building velp"
	@mkdir -p $(BUILD) && { cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release && \
	    cmake --build $(BUILD) --target velp -j $(JOBS); } >$(BUILD)/velp.log 2>&1 || \
	    { cat $(BUILD)/velp.log; exit 1; }

# Compiles and runs the example program in a scratch copy, so the
# generated .php files never land beside the sources in the tree.
demo: velp
	@rm -rf $(BUILD)/demo && cp -r examples $(BUILD)/demo
	@cd $(BUILD)/demo && ../velp hello

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Rewrites the golden cases' expected files (.php, .diag, .run) from this
# build, only where they differ: review the diff with git, then commit it.
# The test program itself finds the cases, new ones included.
golden: build
	@cd $(BUILD) && VELP_GOLDEN_WRITE=1 ./tests/translate_tests --gtest_filter='Cases/GoldenCase.*' \
	    --gtest_brief=1 >golden.log 2>&1 || { cat golden.log; exit 1; }
	@git status --short tests/translate/cases

# The whole suite once more, built with AddressSanitizer and
# UndefinedBehaviorSanitizer; any report fails it. Memory kept until exit on
# purpose is listed, with its reason, in tests/sanitize/lsan.supp.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0 \
    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
sanitize: setup
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELP_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS) >$(SANITIZE_BUILD)/build.log 2>&1 || \
	    { cat $(SANITIZE_BUILD)/build.log; exit 1; }
	@cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS)

# The libFuzzer target, built with clang (installed by the set-up when
# missing), run for FUZZ_TIME seconds on a corpus seeded from the golden
# cases. Whatever it finds is minimized into tests/fuzz/kept/, which make
# test replays.
FUZZ_BUILD ?= build-fuzz
FUZZ_TIME ?= 60
fuzz:
	@scripts/setup.sh fuzz
	@mkdir -p $(FUZZ_BUILD) && { CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) \
	    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELP_FUZZ=ON && \
	    cmake --build $(FUZZ_BUILD) --target velp_fuzz -j $(JOBS); } >$(FUZZ_BUILD)/build.log 2>&1 || \
	    { cat $(FUZZ_BUILD)/build.log; exit 1; }
	@tests/fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_TIME)

# The compile-speed benchmark (bench/bench.php): figures, not a test.
bench: velp
	@php bench/bench.php $(BUILD)/velp

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
