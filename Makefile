# Lumigrid: the two commands of the README, and the build trees behind them.
#
#   make test   install what is missing, build every tree, run every test
#   make run    install what is missing, build, start the editor under Wine
#
# Trees: build/native (g++), build/native-sanitize (ASan + UBSan),
# build/win64 (MinGW x86_64, run under Wine), build/win32 (MinGW i686, built only).

CMAKE_GENERATOR := Ninja
TREES := native native-sanitize win64 win32

config_native          :=
config_native-sanitize := -DLUMIGRID_SANITIZE=ON
config_win64           := -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake
config_win32           := -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-i686.cmake

.PHONY: all setup test run clean $(TREES)

all: $(TREES)

setup:
	@scripts/setup.sh

$(TREES): setup
	@[ -f build/$@/build.ninja ] || cmake -S . -B build/$@ -G $(CMAKE_GENERATOR) $(config_$@) >/dev/null
	@cmake --build build/$@

test: setup
	@$(MAKE) --no-print-directory $(TREES)
	@scripts/test.sh

run: setup
	@$(MAKE) --no-print-directory win64
	@scripts/run-editor.sh

clean:
	rm -rf build
