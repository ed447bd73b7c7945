# The commands of the README: `make run`, `make test` and `make package`.
BUILD  ?= build
WERROR ?= OFF
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps build run test package bench clean

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

# The Debian package, $(BUILD)/velmorantes_<version>_<arch>.deb.
package: build
	@cmake --build $(BUILD) --target package

bench: build
	@$(BUILD)/bench/velmorantes-bench

clean:
	rm -rf $(BUILD)
