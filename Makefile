# Set-up, build, run and test on Debian 12. Every target installs what is
# missing first, so a fresh clone needs nothing but these commands.

BUILD    ?= build
JOBS     ?= $(shell nproc)
PREFIX   ?= /usr/local
PACKAGES := cmake g++ make qt6-base-dev libjpeg62-turbo-dev libbenchmark-dev libx11-dev \
            fonts-liberation2 fontconfig xvfb xauth desktop-file-utils appstream

SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: all deps configure build run test bench install package clean

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
	rm -rf $(BUILD)
