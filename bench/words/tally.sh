#!/usr/bin/env bash
# The judged shares per tier: reads the key of sample.sh and a judge's
# verdicts ("id<TAB>A|B|C|X<TAB>note", one a word) and prints, per tier, how
# many of its words are A (an everyday word or form), B (real but obscure,
# archaic, technical or awkward), C (not a Danish word as written) and X
# (offensive), and which words were C or X.
#
#   bash bench/words/tally.sh [KEY] [VERDICTS] [SAMPLE]
set -euo pipefail
key="${1:-bench/words/key.tsv}"
verdicts="${2:-bench/words/verdicts.tsv}"
sample="${3:-bench/words/sample.tsv}"
awk -F'\t' '
  FILENAME == ARGV[1] { word[$1] = $2; next }
  FILENAME == ARGV[2] { v = toupper(substr($2, 1, 1)); if (v ~ /^[ABCX]$/) verdict[$1] = v; next }
  {
    if (!($1 in verdict)) { missing++; next }
    n[$2]++; count[$2, verdict[$1]]++
    if (verdict[$1] == "C" || verdict[$1] == "X") bad[$2] = bad[$2] " " word[$1] "(" verdict[$1] ")"
  }
  END {
    printf "%-8s %6s %7s %7s %7s %7s\n", "tier", "words", "A", "B", "C", "X"
    for (t in n)
      printf "%-8s %6d %6.1f%% %6.1f%% %6.1f%% %6.1f%%\n", t, n[t], 100 * count[t, "A"] / n[t],
             100 * count[t, "B"] / n[t], 100 * count[t, "C"] / n[t], 100 * count[t, "X"] / n[t]
    for (t in bad) printf "%s, C and X:%s\n", t, bad[t]
    if (missing) printf "%d words of the key have no verdict\n", missing
  }' "$sample" "$verdicts" "$key"
