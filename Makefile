# The two commands of the README: `make run` and `make test`. Both install what
# is missing first, so they work on a fresh Debian 12 machine.
JOBS ?= $(shell nproc)
BUILD ?= build

.PHONY: deps configure build program run test bench clean

deps:
	@scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

# The program with its data and kadenzo-tool, without tests or benchmarks.
program: configure
	cmake --build $(BUILD) -j $(JOBS) --target kadenzo kadenzo-tool

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: program
	@scripts/run-demo $(BUILD)

test: deps
	@scripts/test-all

bench: build
	$(BUILD)/bench/kadenzo_bench

clean:
	rm -rf build build-asan build-fuzz build-ci
