#!/usr/bin/env bash
# Pictures of the installer's welcome, setup-type, custom, copying and completion pages for
# the README, made by the built `setup` on the offscreen platform, in a
# home of its own (a desktop that opens web pages, so no prerequisite is
# counted in the space needed).
set -euo pipefail
cd "$(dirname "$0")/.."
setup=${1:-build/release/medium/setup}
out=docs/screenshots
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$out" "$home/.config"
printf '[Default Applications]\ntext/html=browser.desktop;\n' > "$home/.config/mimeapps.list"
for page in welcome setuptype custom copying complete; do
  HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
  VORKEL_REGISTRY=$home/registry.ini QT_QPA_PLATFORM=offscreen \
    "$setup" --screenshot "$page" "$out/setup-$page.png"
done
echo "written: $out/setup-{welcome,setuptype,custom,copying,complete}.png"
