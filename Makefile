# Set-up, build, run and test on Debian 12. Every target installs what it
# needs first, so a fresh clone needs nothing but these commands; each tool
# chain comes with the target that uses it.

BUILD    ?= build
JOBS     ?= $(shell nproc)
PREFIX   ?= /usr/local

# What building and running the program need (make build, make run).
RUN_PACKAGES   := cmake g++ make qt6-base-dev qt6-charts-dev libqt6sql6-sqlite libjpeg62-turbo-dev \
                  libx11-dev fonts-liberation2 fontconfig qt6-translations-l10n
# The test suite: under a real X server, PDF pages as pictures, screenshots,
# the checks of the installed desktop files.
TEST_PACKAGES  := $(RUN_PACKAGES) xvfb xauth poppler-utils imagemagick desktop-file-utils appstream
# The benchmarks (make bench) and bench/startup.sh.
BENCH_PACKAGES := $(RUN_PACKAGES) libbenchmark-dev xvfb xauth
# The sanitizer runs (make test-sanitize*): the test suite's tools.
SANITIZE_PACKAGES := $(TEST_PACKAGES)
# The fuzz runs build with clang and its libFuzzer runtime.
FUZZ_PACKAGES  := $(RUN_PACKAGES) clang-14 libclang-rt-14-dev


SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

SANITIZE_BUILD ?= build-sanitize
# Line tables are all a sanitizer report needs; full debug information made
# the sanitized build the slowest step of CI.
SANITIZE_CMAKE := -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DMINUSLAND_SANITIZE=ON
FUZZ_BUILD     ?= build-fuzz
FUZZ_SECONDS   ?= 30
# AddressSanitizer (with its leak check) and UndefinedBehaviorSanitizer stop
# at the first finding; the suite needs no suppressions.
SANITIZE_ENV := ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:strict_init_order=1 \
                UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

# $(call install_missing,packages): installs those of the packages that are
# not installed yet.
define install_missing
	@missing=""; \
	for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi
endef

.PHONY: all deps deps-test deps-bench deps-sanitize deps-fuzz configure build run test bench \
        install package clean test-sanitize test-sanitize-logic fuzz

all: build

deps:
	$(call install_missing,$(RUN_PACKAGES))

deps-test:
	$(call install_missing,$(TEST_PACKAGES))

deps-bench:
	$(call install_missing,$(BENCH_PACKAGES))

deps-sanitize:
	$(call install_missing,$(SANITIZE_PACKAGES))

deps-fuzz:
	$(call install_missing,$(FUZZ_PACKAGES))

configure: deps
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/shell/minusland

test: deps-test build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# The whole suite built with ASan and UBSan. The random walk through the
# screens takes 600 steps here instead of 2000: under the sanitizers its
# full length alone took four and a half minutes of CI time.
test-sanitize: deps-sanitize
	@[ -f $(SANITIZE_BUILD)/CMakeCache.txt ] || \
	  cmake -S . -B $(SANITIZE_BUILD) $(SANITIZE_CMAKE)
	cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) ML_WALK_ACTIONS=600 QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# Only the tests of the exercise logic (label "logic"), with ASan and UBSan:
# a quick check while working on the logic.
test-sanitize-logic: deps-sanitize
	@[ -f $(SANITIZE_BUILD)/CMakeCache.txt ] || \
	  cmake -S . -B $(SANITIZE_BUILD) $(SANITIZE_CMAKE)
	cmake --build $(SANITIZE_BUILD) -j$(JOBS) --target ml_logic_tests
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) ctest --output-on-failure -j$(JOBS) -L logic

# libFuzzer runs of FUZZ_SECONDS each (clang, ASan, UBSan); for a long run:
# make fuzz FUZZ_SECONDS=3600. Inputs that break a property land in
# $(FUZZ_BUILD)/tests/fuzz/funde/; copy them to tests/fuzz/corpus/<target>/.
fuzz: deps-fuzz
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DMINUSLAND_FUZZ=ON -DML_FUZZ_SEKUNDEN=$(FUZZ_SECONDS) \
	  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
	  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" > /dev/null
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target ml_fuzz
	cd $(FUZZ_BUILD) && $(SANITIZE_ENV) ctest --output-on-failure -j$(JOBS) -L fuzz

# The benchmark programs are built only where libbenchmark-dev is found, so
# the build directory is configured again once it is installed.
bench: deps-bench build
	@[ -x $(BUILD)/bench/bench_ganz ] || { cmake -S . -B $(BUILD) > /dev/null && cmake --build $(BUILD) -j$(JOBS); }
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

# Honours DESTDIR and PREFIX: make install DESTDIR=/tmp/stage PREFIX=/usr
install: build
	DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, build/minusland_<version>_<arch>.deb.
package: build
	@dpkg-query -W -f='$${Status}' dpkg-dev 2>/dev/null | grep -q 'install ok installed' || \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq dpkg-dev
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
