#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the tests and the
# editor need and the machine lacks. Quick and silent when nothing is missing.
set -euo pipefail

packages=(
    make cmake ninja-build g++ clang            # native tree, fuzzing
    libgtest-dev googletest                     # tests: native library, sources for Windows
    g++-mingw-w64-x86-64 g++-mingw-w64-i686     # the Windows trees
    wine wine64                                 # runs the Windows programs
    xvfb xauth xdotool x11-apps imagemagick     # virtual display, driving and screenshots
    fonts-ipafont-gothic                        # Japanese dialog texts
    binutils srecord                            # peer readers of the HEX files: objcopy, srec_cat
    libclang-rt-dev                             # clang's libFuzzer and sanitizer runtimes (only recommended by clang)
    libstb-dev                                  # picture decoding and PNG writing for lumigrid-cli
    libcli11-dev                                # lumigrid-cli: its argument parser (header-only, all trees)
    fonts-wine                                  # Marlett and Wine's own fonts: caption button symbols
    libfreetype-dev pkg-config                  # text: bitmap and outline fonts in the native tree
    unifont xfonts-shinonome                    # text: the default Unifont .hex fonts, Japanese bitmap fonts
    libharfbuzz-dev libfribidi-dev              # text: shaping and right-to-left order in the native trees
    fonts-misaki xfonts-base fonts-dejavu-core  # text: 8-pixel kanji, fixed 5x8 Latin, Arabic and Hebrew outlines
    nsis zip unzip                              # releases: the Windows installer and zips
    man-db bash-completion                      # releases: man -l checks the man page; the completion is loaded as bash does
    python3-markdown                            # releases: the user guide's HTML page, made from docs/user/
    libgif-dev dpkg-dev                         # animated GIFs: giflib natively; its sources unpacked for Windows
    rapidjson-dev                               # export: reading exported JSON back (header-only, all trees)
    gcc-avr avr-libc binutils-avr python3       # export tests: exported C built for an ATmega328P, Python run
    rustc                                       # export tests: exported Rust built and run
    strace                                      # lumigrid-cli test: the files a command opens (no shared library)
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# giflib for the Windows trees, from Debian's source package.
"$(dirname "$0")/giflib-source.sh"
