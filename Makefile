# Front door: `make demo`, `make test`, `make bench` (and `make fuzz` for the XML reader).
# Each target installs what it needs on a fresh Debian 12 machine, then builds what is stale.

JOBS     ?= $(shell nproc)
NATIVE   := build/native
WIN32    := build/win32
SANDBOX  := tools/sandbox.sh
# Only warnings and errors of the build are shown.
QUIET_BUILD := -DCMAKE_RULE_MESSAGES=OFF -DCMAKE_TARGET_MESSAGES=OFF

.PHONY: all deps native win32 test test-native test-win32 demo bench fuzz clean

all: native win32

deps:
	@tools/install-deps.sh base

native: deps
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(QUIET_BUILD) >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS) -- --no-print-directory -s

win32: deps
	@cmake -S . -B $(WIN32) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-i686.cmake \
	       -DCMAKE_BUILD_TYPE=RelWithDebInfo $(QUIET_BUILD) >/dev/null
	@cmake --build $(WIN32) -j $(JOBS) -- --no-print-directory -s

test: test-native test-win32

test-native: native
	@cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)

test-win32: win32
	@$(SANDBOX) ctest --test-dir $(WIN32) --output-on-failure

demo: win32
	@$(SANDBOX) tools/demo.sh $(WIN32)/bin

bench: native win32
	@tools/install-deps.sh bench
	@tools/bench.sh $(NATIVE) $(WIN32)

fuzz: deps
	@tools/install-deps.sh fuzz
	@tools/fuzz.sh

clean:
	rm -rf build out
