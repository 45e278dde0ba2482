# Two commands do everything on a fresh Debian machine:
#   make demo   installs what is missing, builds, and runs the gallery
#               (without a display: its guided tour, every step checked)
#   make test   installs what is missing, builds all three targets, runs every test
# and `make bench` runs the benchmarks.

BUILD  := build
JOBS   ?= $(shell nproc)
CMAKE_GEN := -G Ninja

.PHONY: all deps native win64 win32 test test-native test-wine demo pictures bench fuzz soak clean

all: native win64 win32

deps:
	@scripts/install-deps.sh

# Native: the platform-free core, its tests and fuzz targets, under
# AddressSanitizer and UndefinedBehaviorSanitizer.
native: deps
	@test -f $(BUILD)/native/build.ninja || cmake -S . -B $(BUILD)/native $(CMAKE_GEN) \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_BUILD_TYPE=Debug -DLATTICE_SANITIZE=ON
	cmake --build $(BUILD)/native -j $(JOBS)

# x86-64 Windows: every DLL, the gallery and the test programs; runs under Wine.
win64: deps
	@test -f $(BUILD)/win64/build.ninja || cmake -S . -B $(BUILD)/win64 $(CMAKE_GEN) \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)/win64 -j $(JOBS)

# i686 Windows, the product's own target: every DLL and the gallery, built
# and linked as PE32 (there is no 32-bit Wine here to run them); the DLL's
# export table read from the file, and the host project compiled and linked
# against the installed tree.
win32: deps
	@test -f $(BUILD)/win32/build.ninja || cmake -S . -B $(BUILD)/win32 $(CMAKE_GEN) \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release -DLATTICE_WINE_TESTS=OFF
	cmake --build $(BUILD)/win32 -j $(JOBS)
	scripts/check-pe32.sh $(BUILD)/win32/bin
	scripts/check-exports.sh $(BUILD)/win32/bin/C_LatticeObject.dll tests/contract/exports
	scripts/build-contract-host.sh $(BUILD)/win32 $(CURDIR)/cmake/mingw-i686.cmake -DHOST_EACH_HEADER_FIRST=OFF
	scripts/check-pe32.sh $(BUILD)/win32/contract/host

test: native win64 win32
	$(MAKE) test-native test-wine

test-native:
	ctest --test-dir $(BUILD)/native --output-on-failure -j $(JOBS)

# One Xvfb, one persistent wineserver, the build's own prefix, code page 950;
# the short soak beside it in a session of its own.
test-wine:
	scripts/wine-tests.sh $(BUILD)/win64

demo: win64
	scripts/demo.sh $(BUILD)/win64

# The README's pictures of the controls, taken by the tour and made small.
pictures: win64
	scripts/demo.sh $(BUILD)/win64 --pictures docs/pictures

bench: win64
	scripts/bench.sh $(BUILD)/win64

# Long fuzzing runs of the core, FUZZ_SECONDS per target (FUZZ_TARGETS to
# pick some); what they find is kept in $(BUILD)/native/fuzz-corpus.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=
fuzz: native
	fuzz/run-long.sh $(BUILD)/native $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# Every control created, used and destroyed 10,000 times in one process; fails
# if its GDI or USER objects or its memory grow. Takes one to a few hours
# (0.4 to over 1 s per cycle of all the controls); SOAK_CONTROL picks one.
SOAK_CYCLES ?= 10000
SOAK_CONTROL ?=
soak: win64
	scripts/wine-session.sh $(BUILD)/win64 scripts/wine-exec.sh $(BUILD)/win64/bin/soak_controls.exe $(SOAK_CYCLES) $(SOAK_CONTROL)

clean:
	rm -rf $(BUILD)
