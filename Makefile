# The two commands of the README, and what they stand on.
#   make demo   build Lotwarden.exe and start it under Wine on a synthetic game folder
#   make test   build everything and run every test: native, sanitizers, Wine
#   make bench  the game-data benchmarks (native, optimised), then the
#               start-up benchmarks under Wine, warm and cold
#   make package  the zip a player downloads (build/windows/Lotwarden-<version>.zip)
#               and lotwarden-cli for Linux (build/native/lotwarden-cli-<version>-linux-x86_64.tar.gz)
#   make fuzz   the libFuzzer targets, FUZZ_SECONDS each (clang; FUZZ_MERGE=1
#               merges inputs with new coverage into fuzz/corpus)

BUILD         := build
CMAKE_GEN     := -G Ninja
JOBS          ?= $(shell nproc)
FUZZ_SECONDS  ?= 120
FUZZ_MERGE    ?= 0
NATIVE_CMAKE  := -DCMAKE_BUILD_TYPE=RelWithDebInfo
WINDOWS_CMAKE := -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
WINDOWS64_CMAKE := -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake
# The Windows build Wine runs: the 32-bit program players get, or, where the
# kernel runs no 32-bit code, the same sources built for 64 bits. Which one
# is known only once bootstrap has installed Wine, so the recipes that run
# Wine decide it then, once (wine_make), and hand it to a make of their own.
# There it names the build tree here and, through the environment, the
# loader, the prefix and the registry view of every script (scripts/wine-env).
WINE_TREE     = $(if $(filter x86_64,$(LOTWARDEN_WINE_ARCH)),windows64,windows)
WINE_CMAKE    = $(if $(filter x86_64,$(LOTWARDEN_WINE_ARCH)),$(WINDOWS64_CMAKE),$(WINDOWS_CMAKE))
wine_make     = $(MAKE) --no-print-directory LOTWARDEN_WINE_ARCH=$$(scripts/wine-arch)
export LOTWARDEN_WINE_ARCH
FUZZ_CMAKE    := -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOTWARDEN_FUZZ=ON \
                 -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++

# Configured once; later builds re-run CMake by themselves when a list changes.
configure = test -f $(BUILD)/$(1)/CMakeCache.txt || cmake -S . -B $(BUILD)/$(1) $(CMAKE_GEN) $(2) >/dev/null
build     = cmake --build $(BUILD)/$(1) -j $(JOBS) $(if $(2),--target $(2))
ctest     = ctest --test-dir $(BUILD)/$(1) --output-on-failure --no-tests=error

.PHONY: all bootstrap native sanitize windows windows64 test test-native test-sanitize test-threads test-windows \
        demo bench package fuzz format clean wine-decided wine-tests wine-demo wine-bench

all: native windows

bootstrap:
	@scripts/bootstrap

native: bootstrap
	$(call configure,native,$(NATIVE_CMAKE))
	$(call build,native)

sanitize: bootstrap
	$(call configure,sanitize,-DCMAKE_BUILD_TYPE=Debug -DLOTWARDEN_SANITIZE=ON)
	$(call build,sanitize)

windows: bootstrap
	$(call configure,windows,$(WINDOWS_CMAKE))
	$(call build,windows)

windows64: bootstrap
	$(call configure,windows64,$(WINDOWS64_CMAKE))
	$(call build,windows64)

test-native: native
	$(call ctest,native) -j $(JOBS)

test-sanitize: sanitize
	$(call ctest,sanitize) -j $(JOBS)

# ThreadSanitizer over the one class that reads on threads of its own; its
# tree builds nothing else.
test-threads: bootstrap
	$(call configure,threads,-DCMAKE_BUILD_TYPE=Debug -DLOTWARDEN_SANITIZE_THREADS=ON)
	$(call build,threads,days_read_ahead_tests)
	$(BUILD)/threads/tests/gamedata/days_read_ahead_tests

# The program players get is built in any case.
test-windows: windows
	$(wine_make) wine-tests

test: test-native test-sanitize test-threads test-windows

demo: bootstrap
	$(wine_make) wine-demo

bench: native windows
	$(BUILD)/native/bench/lotwarden-bench
	$(wine_make) wine-bench

# Run by wine_make alone, with the decision made.
wine-decided:
	@test -n "$(LOTWARDEN_WINE_ARCH)" || { echo "make: $(MAKECMDGOALS) is run by make test, demo and bench" >&2; exit 1; }

# One Wine session (display, prefix, wineserver) for the whole run. The
# label keeps the count honest: no Wine test found is a failure.
wine-tests: wine-decided
	$(call configure,$(WINE_TREE),$(WINE_CMAKE))
	$(call build,$(WINE_TREE))
	scripts/wine-session $(call ctest,$(WINE_TREE)) -L wine

# Only what the demo runs: the program, its help file and the game-folder
# generator, not the tests, so a player's first command is quick.
wine-demo: wine-decided
	$(call configure,$(WINE_TREE),$(WINE_CMAKE))
	$(call build,$(WINE_TREE),Lotwarden lotwarden_help)
	$(call configure,native,$(NATIVE_CMAKE))
	$(call build,native,make-game-folder)
	scripts/demo $(CURDIR)/$(BUILD)/$(WINE_TREE)/Lotwarden.exe

wine-bench: wine-decided
	$(call configure,$(WINE_TREE),$(WINE_CMAKE))
	$(call build,$(WINE_TREE),lotwarden-wine-bench)
	scripts/wine-session wine $(BUILD)/$(WINE_TREE)/lotwarden-wine-bench.exe
	scripts/bench-cold-start

package: windows
	cd $(BUILD)/windows && cpack
	$(call configure,native,$(NATIVE_CMAKE))
	$(call build,native,cli_package)

# Its own tree, built with clang; only the fuzz programs are built in it.
# The committed corpora are replayed first, then each target is fuzzed.
fuzz: bootstrap
	$(call configure,fuzz,$(FUZZ_CMAKE))
	cmake --build $(BUILD)/fuzz -j $(JOBS) --target fuzzers
	$(call ctest,fuzz) -L fuzz
	FUZZ_MERGE=$(FUZZ_MERGE) scripts/fuzz-campaign $(BUILD)/fuzz $(FUZZ_SECONDS)

format:
	find app about bench cli common finder framework fuzz gamedata res tests tools ui \
	    \( -name '*.cpp' -o -name '*.h' \) -print0 2>/dev/null | xargs -0 clang-format -i

clean:
	rm -rf $(BUILD)
