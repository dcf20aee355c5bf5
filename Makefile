# Set-up and everyday commands; CMake does the building.
BUILD      ?= build
SANITIZE   ?= build-sanitize
BENCHBUILD ?= build-bench
FUZZBUILD  ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_MAX_LEN ?= 160
PREFIX     ?= /usr/local
WERROR     ?= OFF
RUNS       ?= 9
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all run test sanitize bench fuzz install clean

all: $(BUILD)/Makefile
	cmake --build $(BUILD) -j $(JOBS)

$(BUILD)/Makefile:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DNNRULES_WERROR=$(WERROR)

run: all
	./$(BUILD)/nnrules

test: all
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

sanitize:
	cmake -S . -B $(SANITIZE) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNNRULES_WERROR=$(WERROR) \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
	cmake --build $(SANITIZE) -j $(JOBS)
	cd $(SANITIZE) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

bench:
	cmake -S . -B $(BENCHBUILD) -DCMAKE_BUILD_TYPE=Release -DNNRULES_TESTS=OFF -DNNRULES_BENCH=ON
	cmake --build $(BENCHBUILD) -j $(JOBS)
	./$(BENCHBUILD)/bench/nnrules_bench
	./$(BENCHBUILD)/bench/compare_reference $(BENCHBUILD)/nnrules $(BENCHBUILD)/nnrules_reference $(RUNS)

# Coverage-guided fuzzing of the whole menu loop for FUZZ_SECONDS; a crash, a sanitizer
# report, a leak or an input running over 20 s fails, leaving the input in $(FUZZBUILD).
# Inputs are kept to FUZZ_MAX_LEN bytes: that holds every full dialog, and a longer input
# mostly repeats demo runs, each of which may train for up to 100000 cycles.
fuzz:
	cmake -S . -B $(FUZZBUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNNRULES_TESTS=OFF -DNNRULES_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
	cmake --build $(FUZZBUILD) -j $(JOBS) --target fuzz_menu
	mkdir -p $(FUZZBUILD)/corpus
	./$(FUZZBUILD)/tests/fuzz/fuzz_menu -max_total_time=$(FUZZ_SECONDS) -timeout=20 -max_len=$(FUZZ_MAX_LEN) \
	  -rss_limit_mb=4096 -artifact_prefix=$(FUZZBUILD)/ -print_final_stats=1 \
	  $(FUZZBUILD)/corpus tests/fuzz/corpus

install: all
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD) $(SANITIZE) $(BENCHBUILD) $(FUZZBUILD)
