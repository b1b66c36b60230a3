#!/usr/bin/env bash
# A blind sample of the words in crosswords of the Danish stock models, for
# a crossword editor to judge (tally.sh reads the verdicts back).
#
#   bash bench/words/sample.sh [BUILD] [CROSSWORDS-PER-MODEL] [WORDS-PER-TIER] [OUT]
#   LANGUAGE=en bash bench/words/sample.sh ...   # the English templates (ModelN-en.skb)
#
# Tiers: "default" (vorkel generate Stock/ModelN.skb as it stands: the
# template's floor, which the window's runs use as well) and "full"
# (--min-score 0: the whole list but the words scored 0). Crosswords come
# from seeds 1..N, so a sample can be made again. From each tier's word
# occurrences, WORDS-PER-TIER distinct words are drawn (a word drawn for both
# tiers is judged once). OUT/sample.tsv holds "id<TAB>word" in random order
# and nothing else: that is what the judge sees. OUT/key.tsv holds "id<TAB>
# tier<TAB>model" and stays away from the judge.
set -euo pipefail
build="${1:-build/release}"
count="${2:-10}"
per_tier="${3:-150}"
out="${4:-bench/words}"
suffix="${LANGUAGE:+-$LANGUAGE}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
seeded() { openssl enc -aes-256-ctr -pass pass:"$1" -nosalt </dev/zero 2>/dev/null; }

for tier in default full; do
  options=()
  [[ $tier == full ]] && options=(--min-score 0)
  for n in 1 2 3 4 5 6; do
    dir="$work/$tier/m$n"
    mkdir -p "$dir"
    for seed in $(seq 1 "$count"); do
      "$build/vorkel" generate "$build/Stock/Model$n$suffix.skb" -n 1 --seed "$seed" -o "$dir" \
        "${options[@]}" >/dev/null
    done
    for raw in "$dir"/*; do
      "$build/vorkel" grid show "$raw" --words | awk -v m="Model$n" 'NF==4 {print $4 "\t" m}'
    done
  done | shuf --random-source=<(seeded "$tier") | awk -F'\t' '!seen[$1]++' | awk -v n="$per_tier" 'NR <= n' \
    | awk -v t="$tier" '{print $0 "\t" t}' >"$work/$tier.tsv"
done

# One line per distinct word, in an order that says nothing of its tier.
cat "$work"/default.tsv "$work"/full.tsv | awk -F'\t' '{print $1}' | sort -u \
  | shuf --random-source=<(seeded words) | awk '{printf "%03d\t%s\n", NR, $1}' >"$work/ids.tsv"
cp "$work/ids.tsv" "$out/sample.tsv"
awk -F'\t' 'NR==FNR {id[$2]=$1; next} {print id[$1] "\t" $3 "\t" $2}' "$work/ids.tsv" \
  "$work"/default.tsv "$work"/full.tsv | sort >"$out/key.tsv"
echo "$(wc -l <"$out/sample.tsv") words in $out/sample.tsv, their tiers in $out/key.tsv"
