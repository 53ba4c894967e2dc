# The two commands: `make run` (the program alone is built, then run in the terminal in dados/) and `make test`
# (every test, then again under AddressSanitizer and UndefinedBehaviorSanitizer).
JOBS ?= $(shell nproc 2>/dev/null || echo 4)
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: all run test configure build build-asan clean dados-antigos

all: build

configure:
	@test -f build/CMakeCache.txt || cmake -S . -B build $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build build -j $(JOBS)

build-asan:
	@test -f build-asan/CMakeCache.txt || cmake -S . -B build-asan $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DPALUDEX_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)

# The data folder is dados/, outside build/, so that no make target removes it. Earlier versions kept it in
# build/dados: such a folder is moved to dados/ when there is none yet, before build/ is used or removed.
dados-antigos:
	@test -d dados || ! test -d build/dados || mv build/dados dados

# The data folder is seeded from examples/ the first time only.
run: configure dados-antigos
	cmake --build build -j $(JOBS) --target paludex
	@test -d dados || { mkdir dados && cp -R examples/. dados/; }
	cd dados && ../build/paludex

test: build build-asan
	cd build && ctest --output-on-failure -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# A data folder left in build/dados beside an existing dados/ is not removed: the user says where it goes.
clean: dados-antigos
	@! test -d build/dados || { echo "build/dados guarda dados e dados/ também existe: tire build/dados de build/ antes de make clean" >&2; exit 1; }
	rm -rf build build-asan
