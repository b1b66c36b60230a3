#!/usr/bin/env bash
# Builds everything and runs every test twice: in a normal build and in a
# build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j "$jobs"
ctest --test-dir build/release -j "$jobs" --output-on-failure
# The Debian package: built, installed, started and removed (needs root).
if [ "$(id -u)" = 0 ]; then bash scripts/package-test.sh build/release; fi

# The sanitized build makes the stock dictionaries of three languages only
# (Danish, and Swedish and Icelandic for their letters): the others add
# nothing under the sanitizers but a minute of importing and loading.
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORKEL_SANITIZE=ON \
      -DVORKEL_BUILD_BENCH=OFF -DVORKEL_BUILD_QT=OFF -DVORKEL_STOCK_LANGUAGES='dk;sv;is' >/dev/null
cmake --build build/asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/asan -j "$jobs" --output-on-failure

# Every file reader fuzzed for a few seconds (libFuzzer, clang): about a
# minute in all. The long campaign is `bash scripts/fuzz.sh 600`.
bash scripts/fuzz.sh 5
