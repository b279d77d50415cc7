#!/usr/bin/env bash
# The project's one entry point.
#   ./build.sh build   install missing Debian packages, configure and build into build/
#   ./build.sh run     build, then start the editor (arguments are passed to it)
#   ./build.sh test    check the formatting, build with warnings as errors, run every
#                      test, check an installation and the package, then run the
#                      tests again under ASan+UBSan
#   ./build.sh package build, then make the Debian package in build/package/
#   ./build.sh fuzz [SECONDS]  build the libFuzzer targets (clang) into build-fuzz/ and run
#                      each for SECONDS (default 60), its corpus kept in build-fuzz/fuzz-corpus/
#   ./build.sh format  format every C++ file of the tree in place
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev qt6-base-dev
          qt6-serialport-dev libgl-dev libstb-dev unifont xvfb xauth libmodbus-dev ccache
          rapidjson-dev)
# Qt's own dialogs and buttons (file dialogs, message-box buttons) in Chinese.
PACKAGES+=(qt6-translations-l10n)
# The programs' catalogues: lupdate and lrelease, and their CMake package.
PACKAGES+=(qt6-l10n-tools qt6-tools-dev)
# Installing and packaging: the validators of the installed files, the
# package tools and the manual-page reader.
PACKAGES+=(desktop-file-utils appstream libxml2-utils shared-mime-info dpkg-dev file man-db)
# The tree's one format (.clang-format), checked by the test run.
PACKAGES+=(clang-format)
# The fuzz targets only: libFuzzer comes with clang.
FUZZ_PACKAGES=(clang libclang-rt-dev)
JOBS=$(nproc 2>/dev/null || echo 2)

install_deps() {  # extra packages...
  local missing=()
  for p in "${PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "build.sh: installing ${missing[*]}" >&2
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
  fi
}

configure_and_build() {  # dir, extra cmake args...
  local dir=$1; shift
  # Warnings are errors only on request (TAVO_WERROR=ON): compiler releases
  # differ in their false positives, and a new one must not stop a build.
  local werror=${TAVO_WERROR:-OFF}
  # The compiler cache makes a rebuild of an unchanged tree quick (a second
  # clone, a worktree, the sanitizer tree after a clean). Paths are taken
  # relative to the checkout, so that clones in other folders share the cache.
  local launcher=()
  if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
    export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
    export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-10G}
  fi
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVO_WERROR=$werror "${launcher[@]}" "$@" >/dev/null
  cmake --build "$dir" -j"$JOBS"
}

do_build() {
  install_deps
  configure_and_build build
}

check_format() {
  git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
}

do_test() {
  install_deps
  check_format
  # The test run holds the tree to no warnings at all.
  export TAVO_WERROR=${TAVO_WERROR:-ON}
  configure_and_build build
  ctest --test-dir build --output-on-failure -j"$JOBS" --timeout 600
  # The built tree installed into a staging prefix, tried, validated and packaged.
  packaging/check-install.sh build --package
  # Second pass: the same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
  # The editor's windows are left out of this pass: they add build time, and
  # what they decide lives in the core and the window-free page logic
  # (tests_pages), which this pass covers.
  # -O1 and line tables only compile faster than -O2 -g, and the
  # sanitizers' reports still name file and line.
  # This tree is held to no warnings too; the sanitizers' instrumentation
  # leads GCC to false positives the build above does not have, which are
  # silenced where they arise (tests/cli/HelpCommandTest.cpp).
  configure_and_build build-asan -DTAVO_SANITIZE=ON -DTAVO_BUILD_APP=OFF \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG"
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j"$JOBS" --timeout 900
}

do_package() {
  do_build
  (cd build && cpack -G DEB)
}

do_fuzz() {
  local seconds=${1:-60}
  install_deps "${FUZZ_PACKAGES[@]}"
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTAVO_FUZZ=ON -DTAVO_BUILD_APP=OFF >/dev/null
  cmake --build build-fuzz -j"$JOBS" --target fuzz
  local failed=0
  for exe in build-fuzz/bin/fuzz_*; do
    local name=${exe##*/fuzz_}
    local corpus=build-fuzz/fuzz-corpus/$name
    mkdir -p "$corpus"
    echo "build.sh: fuzzing $name for ${seconds}s" >&2
    # A crash leaves its input as build-fuzz/crash-<name>-*.
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
      "$exe" -max_total_time="$seconds" -print_final_stats=1 -timeout=20 -rss_limit_mb=2048 \
      -artifact_prefix="build-fuzz/crash-$name-" "$corpus" "build-fuzz/fuzz-seeds/$name" ||
      failed=1
  done
  return $failed
}

do_run() {
  do_build
  exec build/bin/tavo-editor "$@"
}

case "${1:-build}" in
  build) do_build ;;
  run) shift; do_run "$@" ;;
  test) do_test ;;
  package) do_package ;;
  fuzz) shift; do_fuzz "$@" ;;
  format) install_deps; git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format -i ;;
  *) echo "usage: $0 build|run|test|package|fuzz [SECONDS]|format" >&2; exit 2 ;;
esac
