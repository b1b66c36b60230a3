#!/usr/bin/env bash
# Fuzzes every file reader with libFuzzer (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer on), one target after the other.
#
#   bash scripts/fuzz.sh            # 10 seconds per target
#   bash scripts/fuzz.sh 600        # ten minutes per target
#   RUNS=1000000 bash scripts/fuzz.sh 0    # a million executions per target
#   TARGETS="PathFile Profile" bash scripts/fuzz.sh 60
#   TIMEOUT=5 bash scripts/fuzz.sh 600     # on a busy machine: seconds before an input counts as a hang
#
# Each target starts from its seed corpus (tests/fuzz/corpus/<target>) and
# the inputs that once crashed it (tests/fuzz/crashes/<target>); what it
# finds on the way is kept in build/fuzz/corpus/<target> for the next run.
# An input that crashes, leaks or runs over a second is written to
# build/fuzz/artifacts/<target>/ and the script fails: copy it into
# tests/fuzz/crashes/<target>/ once mended, so the replay test keeps it.
# A summary line per target gives executions, time, coverage and features.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-10}"
runs="${RUNS:--1}"
timeout="${TIMEOUT:-1}"
bash scripts/install-deps.sh

CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE= \
  -DCMAKE_CXX_FLAGS="-O1" -DVORKEL_FUZZ=ON >/dev/null
targets="${TARGETS:-$(sed -n 's/^  \([A-Za-z0-9]*\):vorkel_[a-z]*)\{0,1\}$/\1/p' tests/fuzz/CMakeLists.txt)}"
if ! cmake --build build/fuzz -j "$(nproc)" --target $(printf 'fuzz_%s ' $targets) \
     >build/fuzz/build.log 2>&1; then
  grep -E -m20 'error|FAILED' build/fuzz/build.log >&2
  exit 1
fi

status=0
for t in $targets; do
  work="build/fuzz/corpus/$t"
  artifacts="build/fuzz/artifacts/$t"
  mkdir -p "$work" "$artifacts"
  seeds=("tests/fuzz/corpus/$t")
  [[ -d "tests/fuzz/crashes/$t" ]] && seeds+=("tests/fuzz/crashes/$t")
  log="build/fuzz/$t.log"
  # Inputs as large as the stock files of the kind, no larger: longer ones
  # only make each execution slower.
  case "$t" in
    DocumentFile) max_len=16384 ;;
    WordFile | AnagramWordList) max_len=8192 ;;
    WordIndexFile) max_len=262144 ;;  # every length's tables, even with no words
    *) max_len=4096 ;;
  esac
  start=$(date +%s)
  if ! ASAN_OPTIONS=detect_leaks=1 \
       "build/fuzz/tests/fuzz/fuzz_$t" "$work" "${seeds[@]}" -max_total_time="$seconds" -runs="$runs" \
       -timeout="$timeout" -rss_limit_mb=2048 -max_len="$max_len" -print_final_stats=1 \
       -artifact_prefix="$artifacts/" >"$log" 2>&1; then
    status=1
    echo "fuzz_$t: FAILED, see $log and $artifacts/" >&2
    grep -m1 -E 'ERROR|broken promise|timeout|leak' "$log" >&2 || true
  fi
  end=$(date +%s)
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  cov=$(grep -oE 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -1 || true)
  slowest=$(sed -n 's/^stat::slowest_unit_time_sec: *//p' "$log")
  printf 'fuzz_%-16s %10s execs  %5ss  %s  corpus %s files  slowest %ss\n' "$t" "${execs:-?}" \
    "$((end - start))" "${cov:-?}" "$(ls "$work" | wc -l)" "${slowest:-?}"
done
exit "$status"
