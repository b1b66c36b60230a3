#!/bin/sh
# Scores every entry of the Danish word list (wdanish) for crosswords, from
# 0 (never) to 100 (a word every reader knows), out of Debian's Danish word
# data:
#
#   hunspell  the Danish hunspell dictionary (myspell-da, ISO-8859-1): its
#             entries are the base forms; the word list adds every form the
#             affix rules make of them. Flags b, c and d make the imperative
#             ("gemme" -> "gem", "dvæle" -> "dvæl", "dirigere" -> "dirigér").
#   thesaurus the Danish thesaurus (mythes-da): its headwords and the single
#             words among their synonyms, the words people write and look up.
#   freedict  the headwords of the Danish-English dictionary
#             (dict-freedict-dan-eng): a learner's core vocabulary.
#   web       the words of the Danish OCR model (tesseract-ocr-dan): a list
#             of about 190,000 words seen in Danish text on the web, taken
#             out with combine_tessdata and dawg2wordlist (tesseract-ocr).
#             Only its words written in lower case count: a word seen only
#             capitalised is a name or an abbreviation ("Evert", "EDB").
#   offensive data/offensive-da.txt, reviewed by hand, and its inflections.
#
# The rule, first match wins:
#
#    0  an offensive word or an inflection of one
#    0  a word without a vowel: an abbreviation the list writes in lower
#       case ("cm", "tv", "pc")
#    5  an imperative ("beløn", "dvæl", "tig") that neither the thesaurus
#       nor freedict knows (they know "hop" and "løb" as nouns)
#    5  an -s form of a word the list holds without the -s: genitives
#       ("aksels", "lårs") and the passive, unless it is a base form the
#       thesaurus or freedict knows ("hus", "kurs")
#   10  anything else, plus
#         30 for a base form (a hunspell entry),
#         40 for a word of the thesaurus,
#         20 for a freedict headword;
#       then an inflection people write (in the web list, not a base
#       form) scores at least 50, and a word they do not write loses 40
#       (keeping at least 1: only the two rules above give 0).
#
# So an everyday inflection ("ejere", "koder") is in the tier at 50, a base
# form the thesaurus knows and people write at 80 or more; a word the web
# list lacks stays in it only when all three dictionaries know it
# ("strube", "ordspil": 60) and leaves it otherwise ("okapi", "agar": 40):
# the thesaurus also lists foreign words and rare senses that hardly anyone
# writes. A base form that only the web list and hunspell know stays out
# ("mitose", "genera": 40): judged blind, most of those were technical or
# learned words.
#
#   make-word-scores.sh WORDLIST HUNSPELL.dic THESAURUS.dat FREEDICT.index OCR.traineddata OFFENSIVE OUT
#
# OUT gets one "word<TAB>score" line per entry of WORDLIST, UTF-8, for
# `vorkel dict import --scores`. A source that is missing, empty or that
# yields too few words (a broken package) stops the script with a message
# naming it, so a build never makes a tier of nothing.
set -eu
if [ $# -ne 7 ]; then
  echo "usage: make-word-scores.sh WORDLIST HUNSPELL.dic THESAURUS.dat FREEDICT.index OCR.traineddata OFFENSIVE OUT" >&2
  exit 2
fi
wordlist=$1
hunspell=$2
thesaurus=$3
freedict=$4
ocr=$5
offensive=$6
out=$7
for source in "$wordlist:wdanish" "$hunspell:myspell-da" "$thesaurus:mythes-da" \
              "$freedict:dict-freedict-dan-eng" "$ocr:tesseract-ocr-dan" "$offensive:the source tree"; do
  file=${source%:*}
  package=${source##*:}
  if [ ! -s "$file" ]; then
    echo "make-word-scores.sh: the score source $file is missing or empty (from $package; scripts/install-deps.sh installs it)" >&2
    exit 1
  fi
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# A set must hold at least this many words, or its source is not what it
# should be.
need() {
  count=$(wc -l < "$1")
  if [ "$count" -lt "$2" ]; then
    echo "make-word-scores.sh: $3 gives only $count words (at least $2 expected): is it the right file?" >&2
    exit 1
  fi
}

LC_ALL=C sort -u "$wordlist" > "$tmp/list"
need "$tmp/list" 1000 "$wordlist"

# Base forms and their flags: "word flags" (the first line is the count).
tail -n +2 "$hunspell" | iconv -f ISO-8859-1 -t UTF-8 |
  LC_ALL=C awk '{ split($1, p, "/"); print p[1], p[2] }' > "$tmp/entries"
cut -d' ' -f1 "$tmp/entries" | LC_ALL=C sort -u > "$tmp/stems"
need "$tmp/stems" 1000 "$hunspell"
LC_ALL=C awk '
  $2 ~ /c/ && $1 ~ /e$/ { print substr($1, 1, length($1) - 1) }
  $2 ~ /b/ && $1 ~ /[bdfgklmnprst]e$/ { print substr($1, 1, length($1) - 2) }
  $2 ~ /d/ && $1 ~ /ere$/ { print substr($1, 1, length($1) - 3) "ér" }
' "$tmp/entries" | LC_ALL=C sort -u > "$tmp/imperatives"

# Thesaurus words: headwords ("word|count") and synonyms ("(pos)|a|b (note)").
LC_ALL=C awk -F'|' '
  NR == 1 { next }
  /^\(/ || /^\|/ { for (i = 2; i <= NF; ++i) print $i; next }
  { print $1 }
' "$thesaurus" | sed 's/ *([^)]*)//g' | LC_ALL=C grep -v '[ .-]' | LC_ALL=C sort -u > "$tmp/thesaurus"
need "$tmp/thesaurus" 1000 "$thesaurus"

LC_ALL=C awk -F'\t' '!/^00database/ { print $1 }' "$freedict" | LC_ALL=C sort -u > "$tmp/freedict"
need "$tmp/freedict" 1000 "$freedict"

# The OCR model's words written in lower case.
sh "$(dirname "$0")/ocr-words.sh" "$ocr" 'a-zæøåé' "$tmp/web"
need "$tmp/web" 1000 "$ocr"

LC_ALL=C grep -v '^#' "$offensive" | LC_ALL=C grep -v '^ *$' > "$tmp/offensive"
need "$tmp/offensive" 10 "$offensive"

LC_ALL=C awk -v tmp="$tmp" '
  BEGIN {
    while ((getline w < (tmp "/stems")) > 0) stem[w] = 1
    while ((getline w < (tmp "/imperatives")) > 0) imperative[w] = 1
    while ((getline w < (tmp "/thesaurus")) > 0) thesaurus[w] = 1
    while ((getline w < (tmp "/freedict")) > 0) freedict[w] = 1
    while ((getline w < (tmp "/web")) > 0) web[w] = 1
    n = split("s e en ens et ets er erne ernes ne nes n ns r rne rnes de t", endings, " ")
    while ((getline w < (tmp "/offensive")) > 0) {
      offensive[w] = 1
      for (i = 1; i <= n; ++i) offensive[w endings[i]] = 1
    }
  }
  { word[NR] = $0; inlist[$0] = 1 }
  END {
    for (k = 1; k <= NR; ++k) {
      w = word[k]
      known = (w in thesaurus) || (w in freedict)
      if (w in offensive) score = 0
      else if (w !~ /a|e|i|o|u|y|æ|ø|å|é/) score = 0
      else if (!known && (w in imperative)) score = 5
      else if (!(known && (w in stem)) && w ~ /s$/ && (substr(w, 1, length(w) - 1) in inlist)) score = 5
      else {
        score = 10 + 30 * (w in stem) + 40 * (w in thesaurus) + 20 * (w in freedict)
        if (!(w in web)) score = (score > 40) ? score - 40 : 1
        else if (score < 50 && !(w in stem)) score = 50
      }
      print w "\t" score
    }
  }
' "$tmp/list" > "$tmp/scores"
need "$tmp/scores" 1000 "the scoring"
mv "$tmp/scores" "$out"
