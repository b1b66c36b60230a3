#!/usr/bin/env bash
# A blind sample of the clues as penvik prints them: for crosswords of the
# six stock models, the draft each clue cell gets from "Foreslå ledeord" or
# --auto-clues, where a draft that does not fit its box gives way to one
# that does and no clue is used twice in a puzzle (bench_drafts --pairs).
# No clue database. Unlike sample.sh, which takes each word's best draft,
# this shows the shorter clues printed in half cells.
#
#   bash bench/clues/printed.sh [BUILD] [CROSSWORDS-PER-MODEL] [PAIRS] [OUT] [SEED]
#
# OUT gets "ANSWER<TAB>clue" lines in random order, one per distinct answer.
set -euo pipefail
build="${1:-build/release}"
count="${2:-3}"
pairs="${3:-100}"
out="${4:-bench/clues/printed.tsv}"
seed="${5:-1}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VORKEL_CLUE_DATABASE="$work/none.sqlite"
seeded() { openssl enc -aes-256-ctr -pass pass:"$1" -nosalt </dev/zero 2>/dev/null; }
for n in 1 2 3 4 5 6; do
  "$build/bench/bench_drafts" --model "$n" --crosswords "$count" --runs 1 --seed "$seed" \
    --pairs "$work/pairs.tsv" >/dev/null 2>&1
done
shuf --random-source=<(seeded printed) "$work/pairs.tsv" | awk -F'\t' '!seen[$1]++' |
  awk -v n="$pairs" 'NR <= n' >"$out"
echo "$(wc -l <"$out") pairs in $out"
