# The two commands of the README: `make run` and `make test`. Both start with the setup script,
# so a fresh Debian 12 machine needs nothing but this checkout (and make, which
# scripts/bootstrap installs when it is missing).

BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_WIN  ?= build-windows
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
# make mutate: how many mutants, drawn with which seed; MUTATE_ARGS takes folders and flags
N          ?= 60
SEED       ?= 18
MUTATE_ARGS ?=

.PHONY: all setup build build-asan run test test-normal test-asan bench fuzz mutate loc demo format clean \
	windows windows-test

all: build

setup:
	./scripts/setup

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

build: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

$(BUILD_ASAN)/build.ninja:
	cmake -S . -B $(BUILD_ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTABULO_SANITIZE=ON -DTABULO_BENCH=OFF $(CMAKE_ARGS)

build-asan: setup $(BUILD_ASAN)/build.ninja
	cmake --build $(BUILD_ASAN) -j $(JOBS)

run: build
	./scripts/run-demo $(BUILD)/src/tabulo

test: test-normal test-asan

test-normal: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: build-asan
	QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	ctest --test-dir $(BUILD_ASAN) --output-on-failure -j $(JOBS)

bench: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/tabulo_bench

fuzz: setup
	./scripts/fuzz

# How many small faults in the core the tests catch (scripts/mutate --help).
mutate: setup
	N=$(N) SEED=$(SEED) ./scripts/mutate $(MUTATE_ARGS)

# Lines of code per folder and the share of test code.
loc:
	./scripts/loc

# Windows: Tabulo.exe against a Qt for MinGW-w64 built once per machine into ~/.cache/tabulo
# (scripts/windows-qt), packed as dist/Tabulo-<version>-windows-x64.zip; its tests run under
# Wine. Not part of `make test`.
windows:
	./scripts/windows-paket $(BUILD_WIN)

windows-test: windows
	./scripts/windows-test $(BUILD_WIN)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_WIN) build-fuzz build-mutate
