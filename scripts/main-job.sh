#!/usr/bin/env bash
# The main job: builds the programs, the stock Danish dictionary and the
# stock folder, generates crosswords from the stock template Model1.skb and
# shows one of them.
#   bash scripts/main-job.sh [COUNT] [extra vorkel generate options...]
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-5}
shift || true
bash scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j "$(nproc)" --target vorkel stock_folder
stock=build/release/Stock
out=build/release/crosswords
mkdir -p "$out"
export VORKEL_REGISTRY="$PWD/$stock/registry.ini"
echo "== vorkel generate $stock/Model1.skb -n $count -o $out $*"
build/release/vorkel generate "$stock/Model1.skb" -n "$count" -o "$out" --json "$@" \
  | tee "$out/last-run.json"
first=$(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["files"][0])' "$out/last-run.json")
echo "== $first (raw crossword, Windows-1252 shown as UTF-8)"
iconv -f CP1252 -t UTF-8 "$first" | tr -d '\r'
