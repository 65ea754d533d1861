# The two entry points: `make demo` and `make test`.
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 4)

.PHONY: setup build demo test clean

setup:
	@scripts/setup.sh

build: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# Compiles and runs the example program in a scratch copy, so the
# generated .php files never land beside the sources in the tree.
demo: build
	@rm -rf $(BUILD)/demo && cp -r examples $(BUILD)/demo
	@cd $(BUILD)/demo && ../velp hello

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)
