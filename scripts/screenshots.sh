#!/usr/bin/env bash
# Takes the README's screenshots of the window programs from the real
# programs, on Qt's offscreen platform, into docs/screenshots/.
#   bash scripts/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${BUILD_DIR:-build/release}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target q4_screenshots stock_folder >&2
mkdir -p docs/screenshots
QT_QPA_PLATFORM=offscreen "$build/q4_screenshots" "$build/Stock" docs/screenshots
