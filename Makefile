# Set-up and everyday commands; CMake does the building. On Debian each command first
# installs the packages it needs that are missing (tools/install-packages; INSTALL_PACKAGES=0
# skips that), and every command passes its settings to CMake, so that a changed setting
# takes effect at once.
MAKEFLAGS  += --no-print-directory
INSTALL_PACKAGES ?= 1
BUILD      ?= build
SANITIZE   ?= build-sanitize
BENCHBUILD ?= build-bench
FUZZBUILD  ?= build-fuzz
PACKAGEBUILD ?= build-package
WEBBUILD   ?= build-web
WEB_PORT   ?= 8000
FUZZ_SECONDS ?= 60
FUZZ_MAX_LEN ?= 160
PREFIX     ?= /usr/local
WERROR     ?= OFF
RUNS       ?= 9
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

PROGRAM_PACKAGES = cmake g++ libedit2
TEST_PACKAGES    = $(PROGRAM_PACKAGES) libgtest-dev libgmock-dev libtinyxml2-dev tmux
BENCH_PACKAGES   = $(PROGRAM_PACKAGES) libbenchmark-dev
FUZZ_PACKAGES    = cmake clang libclang-rt-dev
PACKAGE_PACKAGES = cmake g++ dpkg-dev file lintian
BUILDFLAGS       = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
WEB_PACKAGES     = cmake emscripten
WEB_TEST_PACKAGES = $(PROGRAM_PACKAGES) chromium tmux
SANITIZER_FLAGS  = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer

# $(call install-packages,packages): installs those that are missing, unless INSTALL_PACKAGES=0.
install-packages = $(if $(filter 0,$(INSTALL_PACKAGES)),@:,tools/install-packages $(1))

# $(call configure,folder,build type,further CMake options)
configure = cmake -S . -B $(1) --log-level=NOTICE -DCMAKE_BUILD_TYPE=$(2) -DNNRULES_WERROR=$(WERROR) $(3)

# The web page: the page's own files, the program as WebAssembly, and the terminal component.
SITE       = $(WEBBUILD)/site
PAGE_FILES = web/index.html web/page.css web/page.js web/lineeditor.js web/options.js web/pictures.js web/icon.svg
XTERM      = web/node_modules/@xterm/xterm
XTERM_FIT  = web/node_modules/@xterm/addon-fit
# Debian's emscripten runs its optimizer on Node.js, which finds the JavaScript modules the
# optimizer needs in Debian's folder by itself only when it is Debian's own Node.js.
EMSCRIPTEN_ENV = NODE_PATH=/usr/share/nodejs

.PHONY: all run test fixtures sanitize bench fuzz package web web-serve web-test web-bench web-screenshot install clean

all:
	$(call install-packages,$(PROGRAM_PACKAGES))
	$(call configure,$(BUILD),Release)
	cmake --build $(BUILD) -j $(JOBS)

run:
	$(call install-packages,$(PROGRAM_PACKAGES))
	$(call configure,$(BUILD),Release)
	cmake --build $(BUILD) -j $(JOBS) --target nnrules
	$(BUILD)/nnrules

test:
	$(call install-packages,$(TEST_PACKAGES))
	$(call configure,$(BUILD),Release)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Writes the program's screens into the fixtures under tests/screens/ that they differ from
# (each part between two [...] from where it stands, the menu as [menu]) and shows what changed,
# for a change of wording to be one reviewed diff; git checkout tests/screens takes it back.
fixtures:
	$(call install-packages,$(TEST_PACKAGES))
	$(call configure,$(BUILD),Release)
	cmake --build $(BUILD) -j $(JOBS) --target test_screens test_svg
	NNRULES_REWRITE_FIXTURES=1 $(BUILD)/tests/test_screens >/dev/null 2>&1 || true
	NNRULES_REWRITE_FIXTURES=1 $(BUILD)/tests/test_svg --gtest_filter='*AsDesigned' >/dev/null 2>&1 || true
	git --no-pager diff --stat -- tests/screens tests/pictures
	git --no-pager diff -- tests/screens

sanitize:
	$(call install-packages,$(TEST_PACKAGES))
	$(call configure,$(SANITIZE),RelWithDebInfo,-DCMAKE_CXX_FLAGS="$(SANITIZER_FLAGS)")
	cmake --build $(SANITIZE) -j $(JOBS)
	cd $(SANITIZE) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

bench:
	$(call install-packages,$(BENCH_PACKAGES))
	$(call configure,$(BENCHBUILD),Release,-DNNRULES_TESTS=OFF -DNNRULES_BENCH=ON)
	cmake --build $(BENCHBUILD) -j $(JOBS)
	$(BENCHBUILD)/bench/nnrules_bench
	$(BENCHBUILD)/bench/compare_reference $(BENCHBUILD)/nnrules $(BENCHBUILD)/nnrules_reference $(RUNS)

# Coverage-guided fuzzing of the whole program for FUZZ_SECONDS. An input's first line, when
# it begins with -, is the command line (tests/fuzz/fuzz_menu.cpp); the seeds are what the
# fixtures under tests/screens/ type, their options on that line, and tests/fuzz/seeds/, and
# tests/fuzz/options.dict gives the options' words. A crash, a sanitizer report, a leak or an
# input running over 20 s fails, leaving the input in $(FUZZBUILD). Inputs are kept to
# FUZZ_MAX_LEN bytes: that holds every full dialog, and a longer input mostly repeats demo
# runs, each of which trains for up to 2000 cycles here.
fuzz:
	$(call install-packages,$(FUZZ_PACKAGES))
	$(call configure,$(FUZZBUILD),RelWithDebInfo,-DNNRULES_TESTS=OFF -DNNRULES_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++)
	cmake --build $(FUZZBUILD) -j $(JOBS) --target fuzz_menu
	rm -rf $(FUZZBUILD)/seeds && mkdir -p $(FUZZBUILD)/corpus $(FUZZBUILD)/seeds
	for fixture in tests/screens/*.txt; do \
	  seed=$(FUZZBUILD)/seeds/$$(basename "$$fixture" .txt); \
	  options=$$(echo $$(sed -n 's/^options: //p; s/^typed at a terminal$$/typed/p' "$$fixture")); \
	  if [ -n "$$options" ]; then echo "- $$options" > "$$seed"; else : > "$$seed"; fi; \
	  sed -n 's/^< \?//p' "$$fixture" >> "$$seed"; done
	cp tests/fuzz/seeds/* $(FUZZBUILD)/seeds/
	$(FUZZBUILD)/tests/fuzz/fuzz_menu -max_total_time=$(FUZZ_SECONDS) -timeout=20 -max_len=$(FUZZ_MAX_LEN) \
	  -dict=tests/fuzz/options.dict -rss_limit_mb=4096 -artifact_prefix=$(FUZZBUILD)/ -print_final_stats=1 \
	  $(FUZZBUILD)/corpus $(FUZZBUILD)/seeds

# The Debian package $(PACKAGEBUILD)/nnrules_<version>_<arch>.deb, from a Release build of
# the program alone with the hardening flags Debian builds its packages with (dpkg-buildflags;
# the build type's -O3 comes after their -O2 and wins), then checked by lintian, which fails
# the command on an error but not on a warning. What goes in it is what `make install`
# installs, in the forms that cmake/package.cmake gives it (NNRULES_PACKAGE).
package:
	$(call install-packages,$(PACKAGE_PACKAGES))
	$(call configure,$(PACKAGEBUILD),Release,-DNNRULES_TESTS=OFF -DNNRULES_PACKAGE=ON \
	  -DCMAKE_CXX_FLAGS="$$($(BUILDFLAGS) CPPFLAGS) $$($(BUILDFLAGS) CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$($(BUILDFLAGS) LDFLAGS)")
	rm -f $(PACKAGEBUILD)/nnrules_*.deb
	cmake --build $(PACKAGEBUILD) -j $(JOBS) --target package
	lintian --fail-on error --display-info $(PACKAGEBUILD)/nnrules_*.deb

# The program in a web page: $(SITE) holds all that any static web host needs to serve it.
# It is optimised for size (MinSizeRel, -Os): the page loads a third less than at -O3, and the
# back-propagation run is about as fast.
# npm installs the terminal component and its addon that fits it to the window, pinned by
# web/package-lock.json, when that changes; Debian's npm is installed only where there is no
# npm at all, since another Node.js (from its own packages) brings its npm along and
# conflicts with Debian's.
web: $(XTERM)/package.json
	$(call install-packages,$(WEB_PACKAGES))
	$(EMSCRIPTEN_ENV) emcmake $(call configure,$(WEBBUILD),MinSizeRel,-DNNRULES_TESTS=OFF)
	$(EMSCRIPTEN_ENV) cmake --build $(WEBBUILD) -j $(JOBS) --target nnrules
	rm -rf $(SITE) && mkdir -p $(SITE)
	cp $(PAGE_FILES) $(WEBBUILD)/nnrules.js $(WEBBUILD)/nnrules.wasm $(XTERM)/lib/xterm.mjs \
	  $(XTERM)/css/xterm.css $(XTERM_FIT)/lib/addon-fit.mjs $(SITE)/

$(XTERM)/package.json: web/package-lock.json
	command -v npm >/dev/null || $(call install-packages,npm)
	cd web && npm ci --no-audit --no-fund
	touch $@

# Serves the page on this machine only, at http://localhost:$(WEB_PORT)/, until Ctrl-C.
web-serve: web
	@echo "The page is at http://localhost:$(WEB_PORT)/ (add ?demo=bpn&pictures for options)"
	python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory $(SITE)

# The page in headless Chromium, typed at as a person types, against the native program's
# text for the same lines (tests/web/); its screenshots go to $(WEBBUILD)/screenshots.
web-test: web
	$(call install-packages,$(WEB_TEST_PACKAGES))
	$(call configure,$(BUILD),Release)
	cmake --build $(BUILD) -j $(JOBS) --target nnrules terminal_screen
	node tests/web/page.test.mjs $(SITE) $(BUILD)

# The back-propagation run in the page against the native program at a terminal (tmux): fails
# when the page takes more than 3 times as long.
web-bench: web
	$(call install-packages,$(WEB_TEST_PACKAGES))
	$(call configure,$(BUILD),Release)
	cmake --build $(BUILD) -j $(JOBS) --target nnrules
	node bench/page.bench.mjs $(SITE) $(BUILD)

# The README's picture of the page, doc/web-page.png, taken anew.
web-screenshot: web
	$(call install-packages,chromium)
	node tools/screenshot.mjs $(SITE) doc/web-page.png

install: all
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD) $(SANITIZE) $(BENCHBUILD) $(FUZZBUILD) $(PACKAGEBUILD) $(WEBBUILD)
