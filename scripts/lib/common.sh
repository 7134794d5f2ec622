# Shared by scripts/run and scripts/test: install what is missing, configure and build.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
JOBS=$(nproc 2>/dev/null || echo 2)
# The program is built optimised, as users get it; BUILD_TYPE=Debug for a debugging build.
BUILD_TYPE=${BUILD_TYPE:-Release}

# Each entry is PACKAGE or PACKAGE:COMMAND; with a command, the package is only installed when
# the command is missing (a machine may have npm from another source, which Debian's npm
# package conflicts with).
# Wine comes with what it recommends (its fonts among them: the skins' text is measured with
# them); "wine" brings the wine command itself. The skins' font, Tahoma, is drawn in DejaVu Sans
# Condensed, which has every Vietnamese letter, linked to WenQuanYi Micro Hei for Chinese
# (scripts/lib/wine-prefix.sh), as Windows links Tahoma to its own CJK fonts.
BASE_PACKAGES=(wine:wine wine64 fonts-wine fonts-dejavu-extra fonts-wqy-microhei
               g++-mingw-w64-x86-64-posix:x86_64-w64-mingw32-g++-posix cmake:cmake
               make:make googletest npm:npm ca-certificates)
SCREEN_PACKAGES=(xvfb:Xvfb x11-utils:xwininfo imagemagick:import xdotool:xdotool)
# The native build of the data library (tests/native): the host's clang with its sanitizer and
# libFuzzer runtimes.
NATIVE_PACKAGES=(clang:clang++ libclang-rt-dev)

log() { printf '\033[1m==> %s\033[0m\n' "$*" >&2; }

# ensure_packages PKG... : apt-get installs the packages that are not installed yet.
ensure_packages() {
  local missing=()
  local entry p cmd
  for entry in "$@"; do
    p=${entry%%:*} cmd=""
    [ "$p" != "$entry" ] && cmd=${entry#*:}
    if [ -n "$cmd" ]; then
      command -v "$cmd" >/dev/null 2>&1 || missing+=("$p")
    else
      dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  log "Installing ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

configure_and_build() {
  if [ ! -f "$BUILD_DIR/CMakeCache.txt" ] ||
     ! grep -qx "CMAKE_BUILD_TYPE:STRING=$BUILD_TYPE" "$BUILD_DIR/CMakeCache.txt"; then
    log "Configuring $BUILD_DIR ($BUILD_TYPE)"
    cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
      -DCMAKE_BUILD_TYPE="$BUILD_TYPE" >/dev/null
  fi
  log "Building"
  cmake --build "$BUILD_DIR" --parallel "$JOBS" -- --no-print-directory "$@"
}

# configure_and_build_native : the data library and its sanitizer and fuzz tests, built with the
# host's clang into $BUILD_DIR/native (the Wine build's ctest runs them under the label sanitize).
configure_and_build_native() {
  local native="$BUILD_DIR/native"
  if [ ! -f "$native/CMakeCache.txt" ]; then
    log "Configuring $native (native, sanitizers)"
    CC=clang CXX=clang++ cmake -S "$ROOT/tests/native" -B "$native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  fi
  log "Building the native data library"
  cmake --build "$native" --parallel "$JOBS" -- --no-print-directory
}

# wine_prefix null|x11 : prints the path of a ready Wine prefix with that display driver.
wine_prefix() {
  local driver=$1 prefix="$BUILD_DIR/wineprefix"
  [ "$driver" = x11 ] && prefix="$BUILD_DIR/wineprefix-x11"
  WINE_PREFIX_NO_SERVER=1 "$ROOT/scripts/lib/wine-prefix.sh" "$prefix" "$driver"
  echo "$prefix"
}
