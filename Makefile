# Set-up, build, run and test on Debian 12. Every target installs what is
# missing first, so a fresh clone needs nothing but these commands.

BUILD    ?= build
JOBS     ?= $(shell nproc)
PREFIX   ?= /usr/local
PACKAGES := cmake g++ make qt6-base-dev qt6-charts-dev libqt6sql6-sqlite libjpeg62-turbo-dev libbenchmark-dev libx11-dev \
            fonts-liberation2 fontconfig xvfb xauth desktop-file-utils appstream

# The worksheet tests read the PDFs back with pdftotext and pdftoppm.
PACKAGES += poppler-utils

SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

# Robustness runs, each in its own build directory. make fuzz builds with clang.
PACKAGES += clang-14 libclang-rt-14-dev
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD     ?= build-fuzz
FUZZ_SECONDS   ?= 30
# AddressSanitizer (with its leak check) and UndefinedBehaviorSanitizer stop
# at the first finding; the suite needs no suppressions.
SANITIZE_ENV := ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:strict_init_order=1 \
                UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

.PHONY: all deps configure build run test bench install package clean \
        test-sanitize test-sanitize-logic fuzz

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

configure: deps
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/shell/minusland

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# The whole suite built with ASan and UBSan.
test-sanitize: deps
	@[ -f $(SANITIZE_BUILD)/CMakeCache.txt ] || \
	  cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMINUSLAND_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# Only the tests of the exercise logic (label "logic"), with ASan and UBSan:
# a quick check while working on the logic.
test-sanitize-logic: deps
	@[ -f $(SANITIZE_BUILD)/CMakeCache.txt ] || \
	  cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMINUSLAND_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j$(JOBS) --target ml_logic_tests
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) ctest --output-on-failure -j$(JOBS) -L logic

# libFuzzer runs of FUZZ_SECONDS each (clang, ASan, UBSan); for a long run:
# make fuzz FUZZ_SECONDS=3600. Inputs that break a property land in
# $(FUZZ_BUILD)/tests/fuzz/funde/; copy them to tests/fuzz/corpus/<target>/.
fuzz: deps
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DMINUSLAND_FUZZ=ON -DML_FUZZ_SEKUNDEN=$(FUZZ_SECONDS) \
	  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
	  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" > /dev/null
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target ml_fuzz
	cd $(FUZZ_BUILD) && $(SANITIZE_ENV) ctest --output-on-failure -j$(JOBS) -L fuzz

bench: build
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
