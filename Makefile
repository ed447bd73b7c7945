# The commands of the README: `make run`, `make test`, `make package`, `make web` and
# `make web-serve`; `make core`, the core alone; and the robustness runs, `make sanitize` and
# `make fuzz`.
BUILD  ?= build
WERROR ?= OFF
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
SANITIZE_BUILD ?= build-sanitize
FUZZ_SECONDS ?= 600
# The web page: the core in WebAssembly (Debian's emscripten) built in $(WEB_BUILD), the
# page's static files laid out in $(BUILD)/web; `make web-serve` serves them on $(WEB_PORT).
WEB_BUILD ?= build-web
WEB_PORT ?= 8080
WEB_CMAKE_FLAGS ?=
# Debian's emscripten runs its tools under node with Debian's own node modules (acorn ...).
WEB_ENV = NODE_PATH=/usr/share/nodejs

.PHONY: all deps build run test core package bench sanitize fuzz clean web web-serve

all: build

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) -DVELM_WERROR=$(WERROR) >/dev/null
	@cmake --build $(BUILD)

run: build
	@scripts/run.sh $(BUILD)

# The web page is built first where emscripten is installed (deps installs it), so that its
# tests (Web.*) run against it.
test: build
	@if command -v emcmake >/dev/null 2>&1; then $(MAKE) --no-print-directory web; fi
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

web: deps
	@$(WEB_ENV) emcmake cmake -S . -B $(WEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELM_WEB=ON -DVELM_WERROR=$(WERROR) \
	    -DVELM_WEB_OUTPUT=$(CURDIR)/$(BUILD)/web $(WEB_CMAKE_FLAGS) >/dev/null
	@$(WEB_ENV) cmake --build $(WEB_BUILD)

web-serve: web
	@echo "VELMORANTES on http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops it)"
	@python3 -m http.server --bind 127.0.0.1 --directory $(BUILD)/web $(WEB_PORT)

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
	@if [ -f $(BUILD)/web/velmorantes.mjs ]; then node bench/web/bench.mjs; fi

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
	rm -rf $(BUILD) $(SANITIZE_BUILD) build-core build-wasm $(WEB_BUILD)
