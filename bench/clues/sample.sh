#!/usr/bin/env bash
# A blind sample of clue drafts for a crossword editor to judge: the best
# draft of words from crosswords of the six stock models (their default
# tier), no clue database, so only the thesaurus and the word forms speak.
#
#   bash bench/clues/sample.sh [BUILD] [CROSSWORDS-PER-MODEL] [PAIRS] [OUT] [SEED]
#
# Crosswords come from the seed (1 unless given) on, so a sample can be
# made again, and a new seed gives new crosswords. OUT gets
# "ANSWER<TAB>draft" lines in random order, one per distinct answer that has
# a draft.
set -euo pipefail
build="${1:-build/release}"
count="${2:-3}"
pairs="${3:-100}"
out="${4:-bench/clues/sample.tsv}"
seed="${5:-1}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VORKEL_CLUE_DATABASE="$work/none.sqlite"
seeded() { openssl enc -aes-256-ctr -pass pass:"$1" -nosalt </dev/zero 2>/dev/null; }
words=()
for n in 1 2 3 4 5 6; do
  "$build/vorkel" generate "$build/Stock/Model$n.skb" -n "$count" --seed "$seed" -o "$work/m$n" >/dev/null
  for raw in "$work/m$n"/*; do
    mapfile -t -O "${#words[@]}" words < <("$build/vorkel" grid show "$raw" --words | awk 'NF==4 {print $4}')
  done
done
"$build/vorkel" clue suggest "${words[@]}" | awk -F'\t' '$2 != "" && !seen[$1]++' \
  | shuf --random-source=<(seeded clues) | awk -v n="$pairs" 'NR <= n' >"$out"
echo "$(wc -l <"$out") pairs in $out"
