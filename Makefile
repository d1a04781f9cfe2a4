# Lumigrid: the two commands of the README, and the build trees behind them.
#
#   make test   install what is missing, build every tree, run every test
#   make run    install what is missing, build, start the editor under Wine
#   make fuzz   run the libFuzzer targets longer (FUZZ_SECONDS each, default 300)
#   make bench  time lumigrid-cli's start-up and build against objcopy and srec_cat, the
#               editor's repaint (make bench-repaint: that one alone) and
#               Create Hex File's build at scale (make bench-export)
#   make bench-text  time lumigrid-cli text on 20 characters of Unifont
#   make bench-export-code  time and peak memory of exporting the largest
#               pattern as code, in every language
#   make dist   the Windows releases in dist/: the win64 and win32 zips, the win64 installer
#   make install [PREFIX=/usr/local] [DESTDIR=...]   lumigrid-cli (and lumigrid-cli-media), its man page, and the
#               editor with its Wine launcher when the win64 tree is built
#   make uninstall [DESTDIR=...]   removes what make install put in place
#
# Trees: build/native (g++), build/native-sanitize (ASan + UBSan),
# build/win64 (MinGW x86_64, run under Wine), build/win32 (MinGW i686, built only),
# build/native-fuzz (clang, libFuzzer with ASan + UBSan).

CMAKE_GENERATOR := Ninja
TREES := native native-sanitize win64 win32 native-fuzz
FUZZ_SECONDS ?= 300
PREFIX ?= /usr/local

config_native          :=
config_native-sanitize := -DLUMIGRID_SANITIZE=ON
config_win64           := -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake
config_win32           := -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-i686.cmake
config_native-fuzz     := -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DLUMIGRID_FUZZ=ON -DLUMIGRID_TESTS=OFF

.PHONY: all setup test run fuzz bench bench-repaint bench-export bench-text bench-export-code dist install uninstall clean $(TREES)

all: $(TREES)

setup:
	@scripts/setup.sh

# Configures a tree the first time: $(call configure,TREE)
configure = [ -f build/$(1)/build.ninja ] || cmake -S . -B build/$(1) -G $(CMAKE_GENERATOR) $(config_$(1)) >/dev/null

$(TREES): setup
	@$(call configure,$@)
	@cmake --build build/$@

# The tests check the releases too, so they are made first.
test: setup
	@$(MAKE) --no-print-directory $(TREES) dist
	@scripts/test.sh

# Only what it runs: the editor and Panekit.dll, not the tests and examples.
run: setup
	@$(call configure,win64)
	@cmake --build build/win64 --target lumigrid
	@scripts/run-editor.sh

fuzz: setup
	@$(MAKE) --no-print-directory native-fuzz
	@scripts/fuzz.sh $(FUZZ_SECONDS) build/native-fuzz

bench: setup
	@$(MAKE) --no-print-directory native
	@bench/run.sh build/native/bin/lumigrid-cli
	@$(MAKE) --no-print-directory bench-repaint
	@$(MAKE) --no-print-directory bench-export

bench-repaint: setup
	@$(MAKE) --no-print-directory win64
	@bench/repaint.sh build/win64

bench-export: setup
	@$(MAKE) --no-print-directory win64
	@bench/export.sh build/win64

bench-text: setup
	@$(MAKE) --no-print-directory native
	@bench/text.sh build/native/bin/lumigrid-cli

bench-export-code: setup
	@$(call configure,native)
	@cmake --build build/native --target export_code_bench
	@build/native/bin/export_code_bench

dist: setup
	@$(call configure,win64)
	@$(call configure,win32)
	@cmake --build build/win64 --target dist
	@cmake --build build/win32 --target dist

install: setup
	@$(call configure,native)
	@cmake --build build/native --target lumigrid-cli lumigrid-cli-media Panekit man desktop-icons user-guide
	@DESTDIR="$(DESTDIR)" cmake --install build/native --prefix "$(PREFIX)"

uninstall:
	@DESTDIR="$(DESTDIR)" packaging/uninstall.sh build/native/install_manifest.txt

clean:
	rm -rf build
