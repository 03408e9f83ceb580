# The README's two commands, `make run` and `make test`, plus `make bench`.
# Each installs what is missing first.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
NATIVE := build/native
WIN := build/win
BENCH := build/bench
SQLITE := third_party/sqlite3mc
XVFB := xvfb-run -a -s "-screen 0 1280x1024x24"

.PHONY: all deps native win test test-native test-win run bench screenshots fuzz clean

all: native win

deps:
	@./scripts/install-deps.sh
	@./scripts/fetch-sqlite.sh $(SQLITE)

$(NATIVE)/CMakeCache.txt: | deps
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug -DQUORLEN_SANITIZE=ON

native: deps $(NATIVE)/CMakeCache.txt
	cmake --build $(NATIVE) -j $(JOBS)

# The cross build runs the store builder and skin tools of the native build;
# configuring every time keeps that folder set even in an older build tree.
win: native
	cmake -S . -B $(WIN) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DQUORLEN_BENCH=ON \
	  -DQUORLEN_HOST_TOOLS=$(CURDIR)/$(NATIVE)/tools > /dev/null
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
	$(MAKE) win
	@./scripts/wine-prefix.sh
	$(XVFB) ./scripts/run-benchmarks.sh $(WIN)

# Pictures of the main window, the about window and the skin gallery in
# build/screenshots, their skinned frames checked against the skin's images.
screenshots: win
	@./scripts/wine-prefix.sh
	$(XVFB) ./scripts/screenshots.sh $(WIN)
	./scripts/check-screenshot-frames.sh $(WIN)

# Fuzzing the skin reader and parse with libFuzzer (clang only; never part of
# make test, which replays the seed corpus instead). FUZZ_TIME in seconds.
FUZZ := build/fuzz
FUZZ_TIME ?= 300
FUZZ_SOURCES := tests/skin/fuzz_skin.cpp data/streams.cpp \
  $(filter-out ui/skin/win32_% ui/skin/win_%.cpp ui/skin/gdi_canvas.cpp ui/skin/skin_hint.cpp,$(wildcard ui/skin/*.cpp)) \
  tools/skin_packer/lzh_encoder.cpp tools/skin_packer/skin_archive_writer.cpp tools/skin_packer/bmp_writer.cpp

fuzz:
	@command -v clang++ >/dev/null && dpkg -s libfuzzer-14-dev >/dev/null 2>&1 || \
	  { [ "$$(id -u)" -eq 0 ] || { echo "make fuzz needs clang and libfuzzer-14-dev" >&2; exit 1; }; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends clang libfuzzer-14-dev; }
	mkdir -p $(FUZZ)/corpus $(FUZZ)/artifacts
	clang++ -std=c++20 -O1 -g -I. -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
	  -o $(FUZZ)/fuzz_skin $(FUZZ_SOURCES)
	$(FUZZ)/fuzz_skin $(FUZZ)/corpus tests/skin/corpus -max_total_time=$(FUZZ_TIME) -max_len=65536 \
	  -rss_limit_mb=2048 -timeout=20 -print_final_stats=1 -artifact_prefix=$(FUZZ)/artifacts/

clean:
	rm -rf build
