#!/usr/bin/env bash
# How many clue cells of crosswords from the stock models get a clue draft,
# and how long drafting one crossword takes.
#
#   bash bench/clues/coverage.sh [BUILD] [CROSSWORDS-PER-MODEL]
#
# Makes the crosswords with the stock templates (their default word tier),
# asks `vorkel clue suggest` for every word (no clue database: the built-in
# list and the thesaurus), and prints per model the words, the words with a draft and
# the share, the clues penvik reports too long for their box in the PDF and
# the words poppler finds printed outside their cell; then times
# `penvik --svg --auto-clues` on one Model3 crossword.
set -euo pipefail
build="${1:-build/release}"
count="${2:-10}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VORKEL_CLUE_DATABASE="$work/none.sqlite"
total=0 drafted=0 unfit=0 outside=0
for n in 1 2 3 4 5 6; do
  mkdir -p "$work/m$n"
  "$build/vorkel" generate "$build/Stock/Model$n.skb" -n "$count" -o "$work/m$n" >/dev/null
  words=()
  for raw in "$work/m$n"/*; do
    mapfile -t -O "${#words[@]}" words < <("$build/vorkel" grid show "$raw" --words | awk 'NF==4 {print $4}')
  done
  "$build/vorkel" clue suggest "${words[@]}" >"$work/m$n.tsv"
  w=$(wc -l <"$work/m$n.tsv")
  d=$(awk -F'\t' '$2 != ""' "$work/m$n.tsv" | wc -l)
  # Clues that do not fit their box at 5.5 pt in the PDF, as penvik reports them.
  # And, read back from the PDF by poppler, the words printed over an edge
  # of their cell (bench/clues/inside.awk).
  u=0 o=0
  for raw in "$work/m$n"/*[0-9]; do
    c=$(QT_QPA_PLATFORM=offscreen "$build/penvik" --pdf "$raw.pdf" --auto-clues "$raw" 2>&1 | grep -c 'for langt' || true)
    u=$((u + c))
    "$build/vorkel" grid show "$raw" >"$work/grid.txt"
    read -r _ out < <(pdftotext -bbox -f 1 -l 1 "$raw.pdf" - |
      awk -v columns="$(head -1 "$work/grid.txt" | awk '{print length($0)}')" \
          -v rows="$(wc -l <"$work/grid.txt")" -f "$(dirname "$0")/inside.awk" | tail -1)
    o=$((o + out))
  done
  total=$((total + w)) drafted=$((drafted + d)) unfit=$((unfit + u)) outside=$((outside + o))
  awk -v m="Model$n" -v w="$w" -v d="$d" -v u="$u" -v o="$o" 'BEGIN {printf "%-7s %5d words %5d drafted %5.1f %%  %4d too long for their box at 5.5 pt, %d words outside their cell\n", m, w, d, 100 * d / w, u, o}'
done
awk -v w="$total" -v d="$drafted" -v u="$unfit" -v o="$outside" 'BEGIN {printf "all     %5d words %5d drafted %5.1f %%  %4d too long for their box at 5.5 pt (%.1f %%), %d words outside their cell\n", w, d, 100 * d / w, u, 100 * u / w, o}'
raw=$(ls "$work/m3"/* | head -1)
start=$(date +%s%N)
QT_QPA_PLATFORM=offscreen "$build/penvik" --svg "$work/p.svg" --auto-clues "$raw" >/dev/null 2>&1
with=$(( ($(date +%s%N) - start) / 1000000 ))
start=$(date +%s%N)
QT_QPA_PLATFORM=offscreen "$build/penvik" --svg "$work/p.svg" "$raw" >/dev/null 2>&1
without=$(( ($(date +%s%N) - start) / 1000000 ))
echo "penvik --svg on a Model3 crossword: $with ms with --auto-clues, $without ms without"
