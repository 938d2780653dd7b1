# Set up and run Coinwright on a Debian 12 machine.
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run every test
#   make bench  build and run the benchmarks (prints figures)
#   make install [PREFIX=DIR]    build and install (default ~/.local)
#   make uninstall [PREFIX=DIR]  remove that installation (the data home stays)
#   make package  build the Debian package (.deb) in the build folder
#   make fuzz     fuzz the update information parser for FUZZ_SECONDS (clang)

BUILD    ?= build
JOBS     ?= $(shell nproc)
PACKAGES := build-essential cmake pkg-config ccache libsqlcipher-dev sqlcipher libgtest-dev nlohmann-json3-dev \
            libsodium-dev libtinyxml2-dev libxlsxwriter-dev libcurl4-openssl-dev \
            qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6svg6 libqt6opengl6-dev qt6-multimedia-dev qt6-translations-l10n \
            gstreamer1.0-plugins-base gstreamer1.0-plugins-good \
            fonts-noto-cjk fonts-wqy-zenhei xvfb xauth imagemagick poppler-utils python3-openpyxl
SUDO     := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
CLI      := $(BUILD)/src/cli/coinwright-cli
PREFIX   ?= $(HOME)/.local

.PHONY: deps configure build test run bench clean install uninstall package fuzz

# Installs only the packages that are not installed yet, so a second run does nothing.
deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get -o DPkg::Lock::Timeout=300 update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get -o DPkg::Lock::Timeout=300 install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Starts the desktop program on the data home ($$COINWRIGHT_HOME or ~/.local/share/Coinwright).
# Without a display (a server, a container) it runs on Qt's VNC platform
# plugin (package qt6-qpa-plugins): a VNC viewer connects to port VNC_PORT.
VNC_PORT ?= 5900
VNC_SIZE ?= 1280x800
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then exec $(BUILD)/src/app/coinwright; fi; \
	echo "No display: Coinwright runs as a VNC server."; \
	echo "  Connect a VNC viewer to $$(hostname -I 2>/dev/null | cut -d' ' -f1 | grep . || echo localhost):$(VNC_PORT)"; \
	echo "  (from elsewhere, safer through SSH: ssh -L $(VNC_PORT):localhost:$(VNC_PORT) $$(hostname), then localhost:$(VNC_PORT))."; \
	echo "  The VNC server asks for no password: anyone who reaches the port sees the program."; \
	echo "  Stop it with 用户 > 退出 in the program, or Ctrl+C here."; \
	QT_QPA_PLATFORM=vnc:size=$(VNC_SIZE):port=$(VNC_PORT) exec $(BUILD)/src/app/coinwright

bench: build
	$(BUILD)/bench/cw_bench

install: build
	cmake --install $(BUILD) --prefix $(PREFIX) --strip

uninstall:
	cmake -DPREFIX=$(PREFIX) -P cmake/Uninstall.cmake

package: build
	cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/*.deb

# libFuzzer needs clang, so the fuzzer has a build folder of its own. New inputs
# it finds go to $(FUZZ_BUILD)/corpus; the committed ones in fuzz/corpus are read.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz:
	@command -v clang++ >/dev/null || $(MAKE) deps PACKAGES=clang
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCW_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target update_info_fuzzer
	mkdir -p $(FUZZ_BUILD)/corpus
	$(FUZZ_BUILD)/fuzz/update_info_fuzzer -max_total_time=$(FUZZ_SECONDS) $(FUZZ_BUILD)/corpus fuzz/corpus

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
