# make run   installs what is missing, builds and starts the game
# make test  installs what is missing, builds and runs every test through CTest
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
JOBS ?= $(shell nproc)

.PHONY: run test test-asan soak soak-asan bench fuzz build deps format clean pictures

run: build
	$(BUILD_DIR)/shell/coilrun $(ARGS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The same suite with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DCOILRUN_SANITIZE=ON -DCOILRUN_BENCHMARKS=OFF
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Autopilot games, headless, with every promise of the model checked after
# each beat; a short run of the same is part of make test.
SOAK_BEATS ?= 100000
soak: build
	$(BUILD_DIR)/tests/soak/coilrun-soak $(SOAK_BEATS)

soak-asan: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DCOILRUN_SANITIZE=ON -DCOILRUN_BENCHMARKS=OFF
	cmake --build $(ASAN_DIR) -j $(JOBS) --target coilrun-soak
	$(ASAN_DIR)/tests/soak/coilrun-soak $(SOAK_BEATS)

bench: build
	@for program in $(BUILD_DIR)/bench/coilrun_bench_*; do echo "== $$program"; $$program; done

# The file decoders under libFuzzer (clang), apart from the normal build.
# New inputs go to the first corpus directory, in the build tree.
FUZZ_DIR ?= build-fuzz
FUZZ_RUNS ?= 1000000
fuzz: deps
	cmake -S fuzz -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	mkdir -p $(FUZZ_DIR)/corpus $(FUZZ_DIR)/corpus-high-scores $(FUZZ_DIR)/corpus-settings
	$(FUZZ_DIR)/coilrun_fuzz_level_decoders -runs=$(FUZZ_RUNS) $(FUZZ_DIR)/corpus data/samples
	$(FUZZ_DIR)/coilrun_fuzz_high_scores -runs=$(FUZZ_RUNS) $(FUZZ_DIR)/corpus-high-scores fuzz/corpus/high_scores
	$(FUZZ_DIR)/coilrun_fuzz_settings -runs=$(FUZZ_RUNS) $(FUZZ_DIR)/corpus-settings fuzz/corpus/settings

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
