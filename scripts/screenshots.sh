#!/usr/bin/env bash
# Takes the README's screenshots of the window programs from the real
# programs, on Qt's offscreen platform, into docs/screenshots/.
#   bash scripts/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${BUILD_DIR:-build/release}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target q4_screenshots penvik_screenshots vorkel stock_folder >&2
mkdir -p docs/screenshots
QT_QPA_PLATFORM=offscreen "$build/q4_screenshots" "$build/Stock" docs/screenshots

# penvik: a crossword generated from Model1 and handed over, with clues
# typed in; then the first page of its PDF, rendered by poppler's pdftoppm.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$build/vorkel" generate "$build/Stock/Model1.skb" -n 1 -o "$tmp" --seed 4 >/dev/null
QT_QPA_PLATFORM=offscreen "$build/penvik_screenshots" "$tmp"/x10_*.010 "$tmp" "$build/Stock/dksort.score"
cp "$tmp/penvik-window.png" docs/screenshots/penvik-window.png
pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$tmp/penvik.pdf" docs/screenshots/penvik-pdf
echo docs/screenshots/penvik-pdf.png
