#!/bin/sh
# The words of a tesseract OCR model (Debian's tesseract-ocr-<lang>): the
# list of words its makers saw in text on the web, which the model keeps as
# a word graph. Only the words written in lower case are printed, one a line,
# sorted: a word seen only capitalised is a name or an abbreviation.
#
#   ocr-words.sh MODEL.traineddata LETTERS OUT
#
# LETTERS is a bracket expression of the language's lower-case letters
# ("a-zæøåé"). Takes the model apart with combine_tessdata and reads the
# graph with dawg2wordlist (both in tesseract-ocr); stops with a message
# when a tool is missing or the file is no model.
set -eu
if [ $# -ne 3 ]; then
  echo "usage: ocr-words.sh MODEL.traineddata LETTERS OUT" >&2
  exit 2
fi
model=$1
letters=$2
out=$3
for tool in combine_tessdata dawg2wordlist; do
  if ! command -v "$tool" >/dev/null; then
    echo "ocr-words.sh: $tool is missing (from tesseract-ocr; scripts/install-deps.sh installs it)" >&2
    exit 1
  fi
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
if ! combine_tessdata -u "$model" "$tmp/ocr." >/dev/null 2>&1 ||
   ! dawg2wordlist "$tmp/ocr.lstm-unicharset" "$tmp/ocr.lstm-word-dawg" "$tmp/words" >/dev/null 2>&1; then
  echo "ocr-words.sh: no word list could be taken out of $model: is it a tesseract model?" >&2
  exit 1
fi
{ LC_ALL=C.UTF-8 grep -x "[$letters][$letters]*" "$tmp/words" || true; } | LC_ALL=C sort -u > "$out"
