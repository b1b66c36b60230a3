#!/bin/sh
# Scores every entry of a word list for crosswords from the size classes of
# Debian's word lists, for the languages that have them (English: wbritish
# is the list of size 50, wbritish-small the words of the smaller sizes,
# the common words every speaker knows):
#
#    0  an offensive word of OFFENSIVE (reviewed by hand) or its
#       inflection: the word followed by -s -es -ed -ing -er -ers -y
#    0  a Roman numeral ("ii", "lix", "xxiv"), which the lists hold among
#       their common words; "mix", "mi" and "xi" are words first
#   80  a word of CORE, the smaller list, that people write: the word list
#       of the language's OCR model (tesseract-ocr-<lang>, words seen in
#       text on the web) holds it in lower case
#   40  every other word of WORDLIST (CORE holds forms no one writes too:
#       "bettor", "gaoling", "featheriest")
#
#   make-size-scores.sh WORDLIST CORE OCR.traineddata OFFENSIVE OUT
#
# OUT gets one "word<TAB>score" line per entry of WORDLIST, UTF-8, for
# `vorkel dict import --scores`. A source that is missing, empty or
# too small stops the script with a message naming it; nothing is written.
set -eu
if [ $# -ne 5 ]; then
  echo "usage: make-size-scores.sh WORDLIST CORE OCR.traineddata OFFENSIVE OUT" >&2
  exit 2
fi
wordlist=$1
core=$2
ocr=$3
offensive=$4
out=$5
for file in "$wordlist" "$core" "$ocr" "$offensive"; do
  if [ ! -s "$file" ]; then
    echo "make-size-scores.sh: the score source $file is missing or empty (scripts/install-deps.sh installs the word lists)" >&2
    exit 1
  fi
done
if [ "$(wc -l < "$core")" -lt 1000 ]; then
  echo "make-size-scores.sh: $core holds fewer than 1000 words: is it the right file?" >&2
  exit 1
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
sh "$(dirname "$0")/ocr-words.sh" "$ocr" 'a-z' "$tmp/web"
if [ "$(wc -l < "$tmp/web")" -lt 1000 ]; then
  echo "make-size-scores.sh: $ocr gives fewer than 1000 words: is it the right file?" >&2
  exit 1
fi
LC_ALL=C awk -v core="$core" -v web="$tmp/web" -v offensive="$offensive" '
  BEGIN {
    while ((getline w < web) > 0) written[w] = 1
    while ((getline w < core) > 0) if (w in written) common[w] = 1
    n = split("s es ed ing er ers y", endings, " ")
    while ((getline w < offensive) > 0) {
      if (w ~ /^#/ || w ~ /^ *$/) continue
      bad[w] = 1
      for (i = 1; i <= n; ++i) bad[w endings[i]] = 1
    }
  }
  function numeral(w) {
    return length(w) >= 2 && w !~ /^(mix|mi|xi)$/ &&
           w ~ /^m?m?m?(cm|cd|d?c?c?c?)(xc|xl|l?x?x?x?)(ix|iv|v?i?i?i?)$/
  }
  { print $0 "\t" (($0 in bad) || numeral($0) ? 0 : ($0 in common) ? 80 : 40) }
' "$wordlist" > "$tmp/scores"
mv "$tmp/scores" "$out"
