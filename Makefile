# The README's two commands, `make run` and `make test`, plus `make bench`.
# Each installs what is missing first.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
NATIVE := build/native
WIN := build/win
BENCH := build/bench
SQLITE := third_party/sqlite3mc
XVFB := xvfb-run -a -s "-screen 0 1280x1024x24"

.PHONY: all deps native win test test-native test-win run bench screenshots clean

all: native win

deps:
	@./scripts/install-deps.sh
	@./scripts/fetch-sqlite.sh $(SQLITE)

$(NATIVE)/CMakeCache.txt: | deps
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug -DQUORLEN_SANITIZE=ON

$(WIN)/CMakeCache.txt: | deps
	cmake -S . -B $(WIN) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DQUORLEN_BENCH=ON \
	  -DQUORLEN_HOST_TOOLS=$(CURDIR)/$(NATIVE)/tools

native: deps $(NATIVE)/CMakeCache.txt
	cmake --build $(NATIVE) -j $(JOBS)

# The cross build uses the store builder and skin packer of the native build.
win: native $(WIN)/CMakeCache.txt
	cmake --build $(WIN) -j $(JOBS)

test-native: native
	ctest --test-dir $(NATIVE) --output-on-failure

test-win: win
	@./scripts/wine-prefix.sh
	$(XVFB) ./scripts/win-tests.sh $(WIN)

test: test-native test-win

run: win
	@./scripts/wine-prefix.sh
	cd $(WIN)/app && ../../../scripts/wine-run.sh ./quorlen.exe

bench: deps
	cmake -S . -B $(BENCH) -DCMAKE_BUILD_TYPE=Release -DQUORLEN_TESTS=OFF -DQUORLEN_BENCH=ON
	cmake --build $(BENCH) -j $(JOBS)
	./scripts/run-benchmarks.sh $(BENCH)
	$(MAKE) native $(WIN)/CMakeCache.txt
	cmake -B $(WIN) -DQUORLEN_BENCH=ON >/dev/null
	cmake --build $(WIN) -j $(JOBS)
	@./scripts/wine-prefix.sh
	$(XVFB) ./scripts/run-benchmarks.sh $(WIN)

# Pictures of the main window and the about window in build/screenshots.
screenshots: win
	@./scripts/wine-prefix.sh
	$(XVFB) ./scripts/screenshots.sh $(WIN)

clean:
	rm -rf build
