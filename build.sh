#!/usr/bin/env bash
# zgedit: install what is missing, build, and run the editor, the tests or the
# benchmarks. See README.md.
#
#   ./build.sh run     build a Release build and start the editor
#   ./build.sh test    build and run every test: the format and clang-tidy
#                      checks, the normal suite, the same suite under
#                      AddressSanitizer + UndefinedBehaviorSanitizer, and a
#                      short run of each fuzz target
#   ./build.sh bench   build a Release build and run the benchmarks
#   ./build.sh deb     build the Debian package into build/release
#
# Environment: ZG_FUZZ_SECONDS (default 30) is how long each fuzz target runs
# in `test`; 0 skips fuzzing. ZG_SKIP_SANITIZERS=1 skips the sanitizer suite.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")"
ROOT=$(pwd)
JOBS=$(nproc 2>/dev/null || echo 2)
# AddressSanitizer keeps freed memory in a quarantine of 256 MB by default, and
# each fuzz target and test program then reaches 300 to 600 MB; a small one
# still finds use after free, and the runs fit a 2-core CI machine.
ZG_ASAN_OPTIONS=quarantine_size_mb=16

BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev
                libgtest-dev libgmock-dev libbenchmark-dev
                libfreetype-dev libfontconfig-dev zlib1g-dev
                fonts-liberation fonts-dejavu-core)
RUN_PACKAGES=(qt6-qpa-plugins)
TEST_PACKAGES=(clang libclang-rt-14-dev desktop-file-utils appstream clang-format-14 clang-tidy-14
               fontconfig gcc groff-base gcc-avr avr-libc binutils-avr)
PACKAGE_PACKAGES=(dpkg-dev file)

source "$ROOT/scripts/install_missing.sh"

configure_and_build() {  # dir, cmake options...
  local dir=$1
  shift
  cmake -S "$ROOT" -B "$dir" -G Ninja "$@"
  cmake --build "$dir" -j "$JOBS"
}

run_ctest() {  # dir
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$1" --output-on-failure -j "$JOBS"
}

# The house style: every C++ file as clang-format 14 lays it out, and the
# short list of fault-finding checks in .clang-tidy, warnings as errors.
check_style() {  # build dir with compile_commands.json
  echo "Checking the format (clang-format 14)"
  git -C "$ROOT" ls-files -z '*.cpp' '*.h' | (cd "$ROOT" && xargs -0 clang-format-14 --dry-run --Werror)
  echo "Running clang-tidy 14"
  local sources
  mapfile -t sources < <(git -C "$ROOT" ls-files 'src/*.cpp')
  (cd "$ROOT" && run-clang-tidy-14 -p "$1" -quiet -j "$JOBS" "${sources[@]}" > "$1/clang-tidy.log" 2>&1) || {
    grep -E "(warning|error):" "$1/clang-tidy.log" | sort -u
    echo "clang-tidy found faults (full output in $1/clang-tidy.log)" >&2
    return 1
  }
}

run_fuzzers() {
  local seconds=${ZG_FUZZ_SECONDS:-30}
  if [ "$seconds" = 0 ]; then
    echo "Fuzzing skipped (ZG_FUZZ_SECONDS=0)"
    return 0
  fi
  CC=clang CXX=clang++ configure_and_build "$ROOT/build/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZG_BUILD_FUZZ=ON -DZG_BUILD_GUI=OFF -DZG_BUILD_TESTS=OFF -DZG_BUILD_BENCH=OFF
  local corpus target
  local -a options
  for source in "$ROOT"/fuzz/fuzz_*.cpp; do
    target=$(basename "$source" .cpp)
    corpus=$(mktemp -d)
    if [ -d "$ROOT/fuzz/corpus/${target#fuzz_}" ]; then
      cp -r "$ROOT/fuzz/corpus/${target#fuzz_}/." "$corpus/"
    fi
    mapfile -t options < <(fuzz_options "$ROOT/fuzz/$target.options")
    echo "Fuzzing $target for ${seconds}s ${options[*]}"
    ASAN_OPTIONS=$ZG_ASAN_OPTIONS "$ROOT/build/fuzz/fuzz/$target" -max_total_time="$seconds" \
      -print_final_stats=1 -artifact_prefix="$ROOT/build/fuzz/" "${options[@]}" "$corpus" 2>&1 |
      tail -n 12
    rm -rf "$corpus"
  done
}

# A target's own libFuzzer flags, from fuzz/TARGET.options beside its source:
# the `name = value` lines of its [libfuzzer] section, one flag -name=value each
# (the form OSS-Fuzz reads).
fuzz_options() {  # options file, may be missing
  [ -f "$1" ] || return 0
  awk -F '=' '
    /^[[:space:]]*#/ { next }
    /^[[:space:]]*\[/ { section = $0; gsub(/[][[:space:]]/, "", section); next }
    section == "libfuzzer" && NF == 2 {
      gsub(/[[:space:]]/, "", $1); gsub(/[[:space:]]/, "", $2); print "-" $1 "=" $2
    }' "$1"
}

cmd=${1:-}
case "$cmd" in
  run)
    install_missing "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}"
    configure_and_build "$ROOT/build/release" -DCMAKE_BUILD_TYPE=Release -DZG_BUILD_TESTS=OFF \
      -DZG_BUILD_BENCH=OFF
    exec "$ROOT/build/release/src/app/zgedit"
    ;;
  test)
    install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    configure_and_build "$ROOT/build/debug" -DCMAKE_BUILD_TYPE=Debug -DZG_WERROR=ON
    check_style "$ROOT/build/debug"
    run_ctest "$ROOT/build/debug"
    if [ "${ZG_SKIP_SANITIZERS:-0}" != 1 ]; then
      configure_and_build "$ROOT/build/asan" -DCMAKE_BUILD_TYPE=Debug -DZG_WERROR=ON \
        -DZG_SANITIZE=ON -DZG_BUILD_BENCH=OFF
      ASAN_OPTIONS=$ZG_ASAN_OPTIONS:detect_leaks=1:strict_string_checks=1 \
        LSAN_OPTIONS=suppressions="$ROOT/tests/lsan.supp":print_suppressions=0 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        run_ctest "$ROOT/build/asan"
    fi
    run_fuzzers
    ;;
  bench)
    install_missing "${BUILD_PACKAGES[@]}"
    configure_and_build "$ROOT/build/release" -DCMAKE_BUILD_TYPE=Release -DZG_BUILD_TESTS=OFF \
      -DZG_BUILD_BENCH=ON
    QT_QPA_PLATFORM=offscreen "$ROOT/build/release/bench/zg_bench" "${@:2}"
    ;;
  deb)
    install_missing "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
    configure_and_build "$ROOT/build/release" -DCMAKE_BUILD_TYPE=Release -DZG_BUILD_TESTS=OFF \
      -DZG_BUILD_BENCH=OFF
    (cd "$ROOT/build/release" && cpack -G DEB)
    ;;
  *)
    echo "usage: ./build.sh run|test|bench|deb" >&2
    exit 2
    ;;
esac
