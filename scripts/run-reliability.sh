#!/usr/bin/env bash
# CI for reliability: the test suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan), then a bounded libFuzzer run of
# whole conversions (build-fuzz) seeded with the project's netlists. Fails if
# anything fails; a crash input is left in the fuzzing folder it names.
set -euo pipefail
cd "$(dirname "$0")/.."
fuzz_seconds=${BRISEL_FUZZ_SECONDS:-60}

scripts/install-deps.sh clang libclang-rt-14-dev  # clang's libFuzzer and sanitizer runtimes

sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

echo "== Sanitised test suite (build-asan)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRISEL_BUILD_GUI=OFF \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$sanitizers -g -O1" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" >/dev/null
cmake --build build-asan --parallel 2
(cd build-asan && ctest --output-on-failure --parallel 2 --timeout 300)

echo "== Fuzzing whole conversions for ${fuzz_seconds} s (build-fuzz)"
# A folder configured from another source folder starts afresh.
if [ -f build-fuzz/CMakeCache.txt ] && ! grep -qx "CMAKE_HOME_DIRECTORY:INTERNAL=$PWD" build-fuzz/CMakeCache.txt; then
  rm -rf build-fuzz/CMakeCache.txt build-fuzz/CMakeFiles
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DBRISEL_BUILD_FUZZ=ON -DBRISEL_BUILD_GUI=OFF -DBRISEL_BUILD_TESTS=OFF >/dev/null
cmake --build build-fuzz --parallel 2 --target brisel_fuzz_conversion
work=$(mktemp -d "${TMPDIR:-/tmp}/brisel-fuzzing-XXXXXX")
mkdir -p "$work/corpus" "$work/tmp"
cp tests/data/*.net examples/*.net tests/reliability/data/* "$work/corpus/"
if TMPDIR="$work/tmp" build-fuzz/fuzz/brisel_fuzz_conversion -max_total_time="$fuzz_seconds" \
     -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus"; then
  rm -rf "$work"
else
  echo "Fuzzing found a failing input: $(ls "$work"/crash-* "$work"/timeout-* "$work"/oom-* 2>/dev/null)" >&2
  echo "Add it to tests/reliability/data/ with a test." >&2
  exit 1
fi
