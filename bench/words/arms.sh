#!/usr/bin/env bash
# A blind sample of the words two builds put into crosswords of the Danish
# stock models, for judging whether a change of the fill changed the words
# (tally.sh reads the verdicts back, with "before" and "after" as tiers).
#
#   bash bench/words/arms.sh BEFORE-VORKEL AFTER-VORKEL [BUILD] [FIRST-SEED] [CROSSWORDS] [WORDS] [OUT] [EXCLUDE]
#
# Both builds fill Stock/ModelN.skb of BUILD as it stands (the template's
# floor) with seeds FIRST-SEED .. FIRST-SEED + CROSSWORDS - 1. From each
# arm's word occurrences, WORDS distinct words are drawn, leaving out the
# words of the sample EXCLUDE (an earlier round); a word drawn by both arms
# is judged once. OUT/sample.tsv holds "id<TAB>word" in random order and is
# all the judge sees; OUT/key.tsv holds "id<TAB>arm<TAB>model" and must be
# kept from the judge.
set -euo pipefail
before="$1"
after="$2"
build="${3:-build/release}"
first="${4:-101}"
count="${5:-10}"
per_arm="${6:-150}"
out="${7:-bench/words}"
exclude="${8:-/dev/null}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
seeded() { openssl enc -aes-256-ctr -pass pass:"$1" -nosalt </dev/zero 2>/dev/null; }

for arm in before after; do
  vorkel="$before"
  [[ $arm == after ]] && vorkel="$after"
  for n in 1 2 3 4 5 6; do
    dir="$work/$arm/m$n"
    mkdir -p "$dir"
    for seed in $(seq "$first" $((first + count - 1))); do
      "$vorkel" generate "$build/Stock/Model$n.skb" -n 1 --seed "$seed" -o "$dir" >/dev/null
    done
    for raw in "$dir"/*; do
      "$build/vorkel" grid show "$raw" --words | awk -v m="Model$n" 'NF==4 {print $4 "\t" m}'
    done
  done | shuf --random-source=<(seeded "$arm-$first") \
    | awk -F'\t' 'NR == FNR {judged[$2] = 1; next} !seen[$1]++ && !judged[$1]' "$exclude" - \
    | awk -v n="$per_arm" 'NR <= n' | awk -v t="$arm" '{print $0 "\t" t}' >"$work/$arm.tsv"
done

cat "$work"/before.tsv "$work"/after.tsv | awk -F'\t' '{print $1}' | sort -u \
  | shuf --random-source=<(seeded "words-$first") | awk '{printf "%03d\t%s\n", NR, $1}' >"$work/ids.tsv"
cp "$work/ids.tsv" "$out/sample.tsv"
awk -F'\t' 'NR==FNR {id[$2]=$1; next} {print id[$1] "\t" $3 "\t" $2}' "$work/ids.tsv" \
  "$work"/before.tsv "$work"/after.tsv | sort >"$out/key.tsv"
echo "$(wc -l <"$out/sample.tsv") words in $out/sample.tsv, their arms in $out/key.tsv"
