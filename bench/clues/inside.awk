# Counts the words of a printed puzzle page that poppler finds outside their
# cell: reads `pdftotext -bbox -f 1 -l 1 PAGE.pdf -` and, with the grid's
# size (-v columns=W -v rows=H), places the grid as penvik does on A4
# (15 mm margins, the grid 39 mm from the top, square cells of at most
# 16 mm, centred across). A word is outside when its box, as the font gives
# it, reaches over an edge of the cell its middle lies in. Prints
# "WORDS OUTSIDE" and, for each word outside, a line "outside: WORD".
BEGIN {
  mm = 72 / 25.4
  cell = 180 / columns
  if (243 / rows < cell) cell = 243 / rows
  if (16 < cell) cell = 16
  left = (15 + (180 - cell * columns) / 2) * mm
  top = 39 * mm
  cell *= mm
  slack = 0.01  # points: rounding of the PDF's numbers
}
/<word / {
  match($0, /xMin="[0-9.]+"/); x0 = substr($0, RSTART + 6, RLENGTH - 7) + 0
  match($0, /yMin="[0-9.]+"/); y0 = substr($0, RSTART + 6, RLENGTH - 7) + 0
  match($0, /xMax="[0-9.]+"/); x1 = substr($0, RSTART + 6, RLENGTH - 7) + 0
  match($0, /yMax="[0-9.]+"/); y1 = substr($0, RSTART + 6, RLENGTH - 7) + 0
  if (y0 < top - slack) next  # the title and the crossword's name
  text = $0; sub(/^.*">/, "", text); sub(/<\/word>.*$/, "", text)
  words++
  c = int(((x0 + x1) / 2 - left) / cell); r = int(((y0 + y1) / 2 - top) / cell)
  cx = left + c * cell; cy = top + r * cell
  if (x0 < cx - slack || x1 > cx + cell + slack || y0 < cy - slack || y1 > cy + cell + slack) {
    outside++
    print "outside: " text
  }
}
END { print words + 0, outside + 0 }
