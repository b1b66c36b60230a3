#!/bin/sh
# Makes the anagram finder's stock word lists from Debian's Danish word data:
#
#   verbs.txt    Danish verbs in the infinitive, for the verb search
#   anaword.txt  short Danish nouns, a standard list for the list search
#   MedOrd.txt   every word of 2 or 3 letters, the small words that bind
#                a sentence together, a standard list for the list search
#
# Parts of speech come from the affix flags of the Danish hunspell
# dictionary (myspell-da, ISO-8859-1): an entry is a verb when it has flag W
# (present tense +r) and one of c, d (imperative), f (present participle
# -nde), h or X (past tense -te/-de). Flag W alone also marks nouns in -e
# (plural +r), so it is not enough. A noun is an entry with flag A
# (genitive +s) that is no verb. The hunspell list lacks many common verbs
# ("spise", "tale"), so a word of the wdanish list ending in -e also counts
# as a verb when the list holds its present tense (+r) and a past tense
# (+de as in "lavede", or -e+te as in "spiste"). Only lower-case entries of letters that
# also stand in the wdanish list are used.
#
# The anagram lists hold at most 2000 words, so each list takes its 2000
# shortest words (ties alphabetically) and writes them alphabetically, in
# Windows-1252 with CR LF line ends.
#
#   make-anagram-lists.sh HUNSPELL.dic WORDLIST OUTFOLDER
set -eu
affixed=$1
wordlist=$2
out=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$out"

# The stock words, lower case, letters only, 2 to 25 letters (Windows-1252).
iconv -f UTF-8 -t WINDOWS-1252 "$wordlist" 2>/dev/null |
  LC_ALL=C awk '/^[a-z\340-\366\370-\376]+$/ && length($0) >= 2 && length($0) <= 25' |
  LC_ALL=C sort -u > "$tmp/stock"

# Hunspell entries as "word flags" (the first line is the entry count).
tail -n +2 "$affixed" | iconv -f ISO-8859-1 -t WINDOWS-1252 |
  LC_ALL=C awk -F/ '$1 ~ /^[a-z\340-\366\370-\376]+$/ { print $1, $2 }' > "$tmp/entries"

{
  LC_ALL=C awk '$2 ~ /W/ && $2 ~ /[cdfhX]/ { print $1 }' "$tmp/entries"
  LC_ALL=C awk '{ word[$0] = 1 }
    END {
      for (w in word) {
        if (w !~ /e$/) continue
        stem = substr(w, 1, length(w) - 1)
        if ((w "r") in word && ((w "de") in word || (stem "te") in word)) print w
      }
    }' "$tmp/stock"
} | LC_ALL=C sort -u > "$tmp/verbs"
LC_ALL=C awk '$2 ~ /A/ { print $1 }' "$tmp/entries" | LC_ALL=C sort -u |
  LC_ALL=C comm -23 - "$tmp/verbs" | LC_ALL=C awk 'length($0) >= 3' > "$tmp/nouns"
LC_ALL=C awk 'length($0) <= 3' "$tmp/stock" > "$tmp/small"

# The 2000 shortest words of a list that are stock words, alphabetically, CR LF.
pick() {
  LC_ALL=C comm -12 "$1" "$tmp/stock" |
    LC_ALL=C awk '{ print length($0), $0 }' | LC_ALL=C sort -k1,1n -k2,2 | head -n 2000 |
    cut -d' ' -f2 | LC_ALL=C sort | sed 's/$/\r/' > "$2.tmp"
  mv "$2.tmp" "$2"
}
pick "$tmp/verbs" "$out/verbs.txt"
pick "$tmp/nouns" "$out/anaword.txt"
pick "$tmp/small" "$out/MedOrd.txt"
