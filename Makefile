# make run   installs what is missing, builds the game alone and starts it
# make test  installs what is missing, builds everything and runs every test through CTest
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
JOBS ?= $(shell nproc)

.PHONY: run game test test-asan soak soak-asan tournament bench fuzz build deps format clean pictures

run: game
	$(BUILD_DIR)/shell/coilrun $(ARGS)

# What the game needs, and no more: the program (with its levels and
# pictures inside), audio.dat beside it, and the icon. The tests, fuzz
# replays and benchmarks are most of the build and wait for make test.
GAME_TARGETS = coilrun coilrun_icons
game: deps
	cmake -S . -B $(BUILD_DIR)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target $(GAME_TARGETS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The same suite with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DCOILRUN_SANITIZE=ON -DCOILRUN_BENCHMARKS=OFF
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  ctest --output-on-failure -j $(JOBS)

# Autopilot games, headless, with every promise of the model checked after
# each beat; a short run of the same is part of make test.
SOAK_BEATS ?= 100000
soak: build
	$(BUILD_DIR)/tests/soak/coilrun-soak $(SOAK_BEATS)

soak-asan: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DCOILRUN_SANITIZE=ON -DCOILRUN_BENCHMARKS=OFF
	cmake --build $(ASAN_DIR) -j $(JOBS) --target coilrun-soak
	$(ASAN_DIR)/tests/soak/coilrun-soak $(SOAK_BEATS)

# Each computer skill against the one below it: TOURNAMENT_GAMES seeded
# two-player competitions per pair on the built-in levels. Prints the table
# and fails when a skill wins less than 60 % against the one below it.
TOURNAMENT_GAMES ?= 200
tournament: build
	$(BUILD_DIR)/tests/tournament/coilrun-tournament $(TOURNAMENT_GAMES)

bench: build
	@for program in $(BUILD_DIR)/bench/coilrun_bench_*; do echo "== $$program"; $$program; done

# Every fuzz target in fuzz/ under libFuzzer (clang), apart from the normal
# build, each on its seed corpus fuzz/corpus/NAME. New inputs go to the
# build tree's corpus; a fault is written to $(FUZZ_DIR)/findings/NAME and
# stops the run (keep it in fuzz/corpus/NAME, where make test replays it).
# FUZZ_TIME, in seconds, bounds each target's run as well.
FUZZ_DIR ?= build-fuzz
FUZZ_RUNS ?= 10000000
FUZZ_TIME ?= 0
fuzz: deps
	cmake -S . -B $(FUZZ_DIR) -DCOILRUN_FUZZING=ON -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	@for program in $(FUZZ_DIR)/fuzz/coilrun_fuzz_*; do \
	  [ -f "$$program" ] && [ -x "$$program" ] || continue; \
	  name=$${program##*/coilrun_fuzz_}; \
	  echo "== $$name"; \
	  mkdir -p $(FUZZ_DIR)/corpus/$$name $(FUZZ_DIR)/findings/$$name; \
	  $$program -runs=$(FUZZ_RUNS) -max_total_time=$(FUZZ_TIME) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_DIR)/findings/$$name/ $(FUZZ_DIR)/corpus/$$name fuzz/corpus/$$name || exit 1; \
	done

# The pictures in data/pictures/ are committed; this paints them again.
pictures: deps
	cmake -S . -B $(BUILD_DIR)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target coilrun-picture-generator
	$(BUILD_DIR)/tools/pictures/coilrun-picture-generator data/pictures

build: deps
	cmake -S . -B $(BUILD_DIR)
	cmake --build $(BUILD_DIR) -j $(JOBS)

deps:
	@scripts/install-deps --check >/dev/null || scripts/install-deps

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
