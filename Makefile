# The two commands people use: `make run` and `make test`. Everything else is a step of them.
JOBS ?= 2
MAKEFLAGS += --no-print-directory
NATIVE := build/native
WIN := build/win
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Release

.PHONY: all setup build native win test test-native test-win run bench fuzz clean

all: build

setup:
	@tools/setup

build: setup native win

native:
	@cmake -S . -B $(NATIVE) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

win: native
	@cmake -S . -B $(WIN) $(CMAKE_FLAGS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
	@cmake --build $(WIN) -j $(JOBS)

test: build
	@tools/run-tests

run: build
	@tools/run-reader

bench: build
	@tools/run-benchmarks

fuzz: setup
	@tools/run-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build
