# The two commands: `make run` (the program in the terminal, in build/dados) and `make test` (every test,
# then again under AddressSanitizer and UndefinedBehaviorSanitizer).
JOBS ?= $(shell nproc 2>/dev/null || echo 4)
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: all run test build build-asan clean

all: build

build:
	@test -f build/CMakeCache.txt || cmake -S . -B build $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j $(JOBS)

build-asan:
	@test -f build-asan/CMakeCache.txt || cmake -S . -B build-asan $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DPALUDEX_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)

# The data folder is seeded from examples/ the first time only: the user's own files there are kept.
run: build
	@test -d build/dados || { mkdir -p build/dados && cp -R examples/. build/dados/; }
	cd build/dados && ../paludex

test: build build-asan
	cd build && ctest --output-on-failure -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf build build-asan
