#!/usr/bin/env bash
# Start-up, batch and per-fill cost of `vorkel generate`, for one or more
# builds side by side in one run (interleaved, so a change of load touches
# them alike):
#
#   bash bench/scripts/startup-and-batch.sh OLD/vorkel build/release/vorkel
#
# Each program runs from its own build folder's Stock templates. Prints,
# per program: processor time (user + system) of a whole `-n 1` process and
# its load phase (medians of 10), the per-fill processor time (the JSON's
# generate_cpu_seconds, median of 10), and wall, user and system time of
# 2,000 Model1 crosswords with --jobs 2 (medians of 3).
set -euo pipefail
[[ $# -ge 1 ]] || { echo "usage: $0 VORKEL..." >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

for round in $(seq 10); do
  for p in "$@"; do
    id=$(echo "$p" | md5sum | cut -c1-8)
    stock=$(dirname "$p")/Stock
    out="$work/out-$id"
    mkdir -p "$out"
    /usr/bin/time -f "%U %S" -o "$work/t" "$p" generate "$stock/Model1.skb" -n 1 --seed "$round" \
      -o "$out" --json > "$work/j" 2>/dev/null
    awk '{print $1 + $2}' "$work/t" >> "$work/process-$id"
    grep -o '"load_cpu_seconds": [0-9.e-]*' "$work/j" | awk '{print $2}' >> "$work/load-$id"
    grep -o '"generate_cpu_seconds": [0-9.e-]*' "$work/j" | awk '{print $2}' >> "$work/fill-$id"
    rm -rf "$out"
  done
done
for round in 1 2 3; do
  for p in "$@"; do
    id=$(echo "$p" | md5sum | cut -c1-8)
    stock=$(dirname "$p")/Stock
    out="$work/bout-$id"
    mkdir -p "$out"
    /usr/bin/time -f "%e %U %S" -o "$work/t" "$p" generate "$stock/Model1.skb" -n 2000 --jobs 2 \
      --seed "$round" -o "$out" > /dev/null 2>&1
    cat "$work/t" >> "$work/batch-$id"
    rm -rf "$out"
  done
done
printf '%-40s %12s %10s %10s %10s %10s %10s\n' program "process ms" "load ms" "fill ms" \
  "batch wall" "batch user" "batch sys"
for p in "$@"; do
  id=$(echo "$p" | md5sum | cut -c1-8)
  printf '%-40s %12.1f %10.1f %10.2f %10.2f %10.2f %10.2f\n' "$p" \
    "$(median < "$work/process-$id" | awk '{print $1 * 1000}')" \
    "$(median < "$work/load-$id" | awk '{print $1 * 1000}')" \
    "$(median < "$work/fill-$id" | awk '{print $1 * 1000}')" \
    "$(awk '{print $1}' "$work/batch-$id" | median)" \
    "$(awk '{print $2}' "$work/batch-$id" | median)" \
    "$(awk '{print $3}' "$work/batch-$id" | median)"
done
