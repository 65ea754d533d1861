# The two entry points: `make demo` and `make test`.
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 4)

.PHONY: setup build velp demo test clean

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

clean:
	rm -rf $(BUILD)
