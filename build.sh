#!/usr/bin/env bash
# One entry point for newcomers and CI:
#   ./build.sh run    install what is missing, build, run the default job
#   ./build.sh test   install what is missing, build everything, run all tests
#                     (Linux, Linux under the sanitizers, Windows under Wine)
set -euo pipefail
cd "$(dirname "$0")"
here=$(pwd)
jobs=${LORIVEX_JOBS:-2}

packages_common=(g++ cmake make libgtest-dev libgmock-dev libpugixml-dev libzip-dev libgif-dev
                 fp-utils p7zip-full locales-all libreoffice-writer-nogui zip unzip)
# "wine" is the package of the wine command; wine64 alone lacks it.
# dpkg-dev unpacks the library sources the Windows build cross-compiles.
# nsis makes the installer.
packages_windows=(g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 xvfb
                  dpkg-dev libz-mingw-w64-dev nsis)

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "== Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() { # build DIR [cmake args...]
  local dir=$1; shift
  echo "== Building $dir"
  cmake -S "$here" -B "$here/$dir" "$@" >/dev/null
  cmake --build "$here/$dir" -j"$jobs"
}

case "${1:-}" in
  run)
    install_missing "${packages_common[@]}"
    build build -DCMAKE_BUILD_TYPE=Release
    echo "== lorivex --help"
    build/bin/lorivex --help
    echo "== lorivex compile (the sample help document)"
    build/bin/lorivex compile -o build/Sample.chm --overwrite --no-open
    echo "== The compiled help file: build/Sample.chm"
    ;;
  test)
    install_missing "${packages_common[@]}" "${packages_windows[@]}"
    build build -DCMAKE_BUILD_TYPE=Release
    build build-asan -DCMAKE_BUILD_TYPE=Debug -DLORIVEX_SANITIZE=ON
    # pugixml, libzip and giflib for MinGW-w64, from Debian's sources (cached)
    cmake/windows-deps.sh build-win
    # The installer takes the manual the Linux build compiled, and the
    # Linux build's compile is compared with the Windows one (tests/faces/).
    build build-win -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
          -DLORIVEX_LINUX_BUILD="$here/build"
    echo "== Linux tests"
    (cd build && ctest --output-on-failure -j"$jobs")
    echo "== Linux tests under AddressSanitizer and UndefinedBehaviorSanitizer"
    (cd build-asan && ctest --output-on-failure -j"$jobs")
    echo "== Windows tests under Wine"
    tests/wine/prefix.sh build-win
    # A Windows program now and then fails to start under Wine (gone in a
    # tenth of a second, before any test ran): such a suite gets one more run.
    (cd build-win && ctest --output-on-failure --repeat until-pass:2)
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
