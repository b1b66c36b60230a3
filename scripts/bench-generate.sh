#!/usr/bin/env bash
# Builds a Release tree and runs the generation benchmark: vorkel generate
# against qxw's batch filler on the stock models. Arguments go to
# bench_generate (e.g. --runs 5 --models 1,2; --help lists them). The tables
# go to stdout and to <build>/bench-generate.md.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${BUILD_DIR:-build/bench-release}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORKEL_BUILD_QT=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target vorkel stock_dictionary stock_folder bench_generate >&2
"$build/bench/bench_generate" "$@" | tee "$build/bench-generate.md"
