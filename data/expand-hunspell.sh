#!/bin/sh
# Expands a hunspell dictionary into a plain word list (UTF-8, one word a
# line) with Debian's `unmunch` (hunspell-tools), for dictionaries that ship
# as stems and affix rules, such as Icelandic (hunspell-is).
#
#   expand-hunspell.sh AFF DIC OUT
#
# unmunch is the old myspell tool: it knows one-character flags, 8-bit text,
# conditions of at most 8 characters, and it strips a rule's text without
# testing that the word ends in it. The hunspell-is files use numeric flags
# (FLAG num, 333 suffix classes), UTF-8, morphological fields and rules whose
# strip text goes beyond their condition ("SFX 61 ill lar ." turns "hemill"
# into "hemlar" but must leave "hestur" alone). So the files are first
# rewritten into what unmunch reads, without changing what they mean:
#
#   - text to ISO-8859-1 (all Icelandic letters are in it);
#   - morphological fields (after a tab, AM aliases) and continuation
#     classes of affixes ("s/526": name suffixes on a genitive) left out;
#   - each rule's condition widened by its strip text, so that unmunch only
#     strips what is there; a rule whose strip text its own condition
#     refuses never applies and is dropped, as is one whose widened
#     condition exceeds unmunch's 8 characters (counted on stderr);
#   - the suffix classes taken 62 at a time, each given a letter or digit as
#     flag, and unmunch run once per group on the stems that carry them.
#
# Entries without flags are words as they stand. Only suffix rules are
# supported (hunspell-is has no prefixes); the script stops on a PFX line.
set -eu
aff=$1
dic=$2
out=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

grep -v '^AM ' "$aff" | iconv -c -f UTF-8 -t ISO-8859-1 > "$tmp/aff"
iconv -c -f UTF-8 -t ISO-8859-1 "$dic" > "$tmp/dic"
if grep -q '^PFX' "$tmp/aff"; then
  echo "expand-hunspell.sh: prefixes are not supported" >&2
  exit 1
fi

LC_ALL=C awk -v tmp="$tmp" '
  function accepts(token, ch,   body) {
    if (token == ".") return 1
    if (substr(token, 1, 2) == "[^") return index(substr(token, 3, length(token) - 3), ch) == 0
    if (substr(token, 1, 1) == "[") return index(substr(token, 2, length(token) - 2), ch) > 0
    return token == ch
  }
  # The rule `strip add cond` as unmunch reads it, or "" when it never applies.
  function widen(strip, cond,   n, tok, i, c, m, len, j, t, ch, out) {
    n = 0
    for (i = 1; i <= length(cond); ) {
      c = substr(cond, i, 1)
      if (c == "[") { j = index(substr(cond, i), "]"); tok[++n] = substr(cond, i, j); i += j }
      else { tok[++n] = c; i++ }
    }
    if (cond == ".") n = 0
    m = length(strip)
    len = m > n ? m : n
    if (len > 8) { ++tooLong; return "" }
    out = ""
    for (j = 1; j <= len; j++) {       # j-th character from the end
      t = j <= n ? tok[n - j + 1] : "."
      if (j <= m) {
        ch = substr(strip, m - j + 1, 1)
        if (!accepts(t, ch)) { ++refused; return "" }
        t = ch
      }
      out = t out
    }
    return out == "" ? "." : out
  }
  BEGIN {
    flags = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"
    perGroup = length(flags)
  }
  FNR == 1 && FILENAME ~ /dic$/ { next }     # the entry count
  FILENAME ~ /aff$/ && $1 == "FLAG" { numeric = ($2 == "num") }
  FILENAME ~ /aff$/ && $1 == "SFX" && NF == 4 && ($3 == "Y" || $3 == "N") {
    id[$2] = classes++
    next
  }
  FILENAME ~ /aff$/ && $1 == "SFX" && NF >= 5 && ($2 in id) {
    strip = $3 == "0" ? "" : $3
    add = $4
    sub(/\/.*/, "", add)
    if (add == "") add = "0"
    cond = widen(strip, $5)
    if (cond == "") next
    rule[$2, ++rules[$2]] = (strip == "" ? "0" : strip) " " add " " cond
    next
  }
  FILENAME ~ /dic$/ {
    entry = $0
    sub(/\t.*/, "", entry)
    sub(/[ \t]+$/, "", entry)
    if (entry == "" || entry ~ /\\/) next
    slash = index(entry, "/")
    if (slash == 0) { print entry > (tmp "/plain"); next }
    word = substr(entry, 1, slash - 1)
    list = substr(entry, slash + 1)
    if (numeric) count = split(list, f, ",")
    else { count = length(list); for (i = 1; i <= count; i++) f[i] = substr(list, i, 1) }
    delete mapped
    for (i = 1; i <= count; i++) {
      if (!(f[i] in id)) continue
      g = int(id[f[i]] / perGroup)
      mapped[g] = mapped[g] substr(flags, id[f[i]] % perGroup + 1, 1)
    }
    print word > (tmp "/plain")
    for (g in mapped) print word "/" mapped[g] > (tmp "/group" g ".dic")
  }
  END {
    for (name in id) {
      g = int(id[name] / perGroup)
      file = tmp "/group" g ".aff"
      if (!(g in started)) { print "SET ISO8859-1" > file; started[g] = 1 }
      flag = substr(flags, id[name] % perGroup + 1, 1)
      print "SFX " flag " N " rules[name] + 0 > file
      for (r = 1; r <= rules[name]; r++) print "SFX " flag " " rule[name, r] > file
    }
    if (refused + tooLong > 0)
      printf "expand-hunspell.sh: %d rules never apply, %d have conditions too long for unmunch\n", \
             refused, tooLong > "/dev/stderr"
  }
' "$tmp/aff" "$tmp/dic"

for groupDic in "$tmp"/group*.dic; do
  [ -e "$groupDic" ] || continue
  group=${groupDic%.dic}
  # unmunch wants the entry count first
  { wc -l < "$groupDic"; cat "$groupDic"; } > "$group.in"
  unmunch "$group.in" "$group.aff" 2>/dev/null >> "$tmp/plain"
done
LC_ALL=C sort -u "$tmp/plain" | iconv -f ISO-8859-1 -t UTF-8 > "$out.tmp"
mv "$out.tmp" "$out"
