# The two commands of the README: `make run` and `make test`. Both install what
# is missing first, so they work on a fresh Debian 12 machine.
JOBS ?= $(shell nproc)
BUILD ?= build

.PHONY: deps configure build program run test bench package clean

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

# The Debian package, built apart from the development build with Debian's
# hardening flags: only the programs and their data, never the tests (the
# install step would otherwise build everything first). tests/package-check
# then tries the package as installed.
PKG_BUILD ?= build-pkg
package: deps
	cmake -S . -B $(PKG_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKADENZO_BENCH=OFF \
	  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)"
	cmake --build $(PKG_BUILD) -j $(JOBS) --target kadenzo kadenzo-tool kadenzo_desktop_files
	cd $(PKG_BUILD) && cpack -G DEB
	tests/package-check $(PKG_BUILD)

clean:
	rm -rf build build-asan build-fuzz build-ci build-pkg
