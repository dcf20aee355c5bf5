# Set-up and everyday commands; CMake does the building.
BUILD      ?= build
SANITIZE   ?= build-sanitize
BENCHBUILD ?= build-bench
WERROR     ?= OFF
RUNS       ?= 9
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all run test sanitize bench clean

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

clean:
	rm -rf $(BUILD) $(SANITIZE) $(BENCHBUILD)
