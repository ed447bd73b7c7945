# The commands of the README: `make run`, `make test` and `make package`; `make core`, the core
# alone; and the robustness runs, `make sanitize` and `make fuzz`.
BUILD  ?= build
WERROR ?= OFF
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
SANITIZE_BUILD ?= build-sanitize
FUZZ_SECONDS ?= 600

.PHONY: all deps build run test core package bench sanitize fuzz clean

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) -DVELM_WERROR=$(WERROR) >/dev/null
	@cmake --build $(BUILD)

run: build
	@scripts/run.sh $(BUILD)

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

# The core alone and its tests (`make test` runs them too, in $(BUILD)): natively without Qt in
# build-core, and as WebAssembly under node in build-wasm, where emscripten is installed.
core: deps
	@scripts/core-build.sh native . build-core -- -DVELM_WERROR=$(WERROR)
	@if command -v emcmake >/dev/null; then \
	  scripts/core-build.sh wasm . build-wasm $(CURDIR)/build-core -- -DVELM_WERROR=$(WERROR); fi

# The Debian package, $(BUILD)/velmorantes_<version>_<arch>.deb.
package: build
	@cmake --build $(BUILD) --target package

bench: build
	@$(BUILD)/bench/velmorantes-bench
	@PYTHONPATH=$(BUILD)/python /usr/bin/python3 bench/python_bench.py

# Every test, the corpora's replay included, built with AddressSanitizer and
# UndefinedBehaviorSanitizer: any report fails the test that made it.
sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -G Ninja $(CMAKE_FLAGS) -DVELM_WERROR=$(WERROR) \
	    -DVELM_SANITIZE=ON -DVELM_LIBFUZZER=OFF >/dev/null
	@cmake --build $(SANITIZE_BUILD)
	@cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0 \
	    ctest --output-on-failure -j2

# Each fuzzer for FUZZ_SECONDS (libFuzzer, built by `make build` where clang has it); new
# inputs collect in $(BUILD)/fuzz/tests/fuzz/work/<target>.
fuzz: build
	@tests/fuzz/run.sh libfuzzer $(BUILD)/fuzz/tests/fuzz tests/fuzz/corpus $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) build-core build-wasm
