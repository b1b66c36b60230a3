#!/usr/bin/env bash
# The main job: builds the programs and the stock Danish dictionary, then
# shows the dictionary at work (statistics and a pattern search).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j "$(nproc)"
vorkel=build/release/vorkel
dic=build/release/Dic/SVbyg.dic
echo "== vorkel dict stats $dic"
"$vorkel" dict stats "$dic"
echo "== vorkel dict search 'k?r?e' $dic"
"$vorkel" dict search 'k?r?e' "$dic" | head -20
