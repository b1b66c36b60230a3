#!/usr/bin/env bash
# Builds the Debian package from a finished build (default build/release),
# installs it as root, starts what it installed, and removes it again.
# Run by scripts/test.sh when it runs as root (as CI does).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/vorkel_*.deb | head -n 1)
# Debian's package checker: no error (the warnings that stay are listed in
# the README's package section).
if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" >&2
fi

# dpkg may be busy with another installation: wait for its lock.
dpkg_retry() {
  for _ in $(seq 60); do
    if "$@" 2>/tmp/vorkel-dpkg.err; then return 0; fi
    grep -q "lock" /tmp/vorkel-dpkg.err || { cat /tmp/vorkel-dpkg.err >&2; return 1; }
    sleep 5
  done
  return 1
}
# Removed again however the test ends, also when dpkg -i leaves it
# unconfigured (a dependency missing: scripts/install-deps.sh installs them).
trap 'dpkg_retry dpkg -r vorkel >/dev/null' EXIT
dpkg_retry dpkg -i "$deb"

# The command line, and the stock data through a user's own folder, as the
# window program of the package starts it.
/usr/bin/vorkel --help >/dev/null
home=$(mktemp -d)
HOME=$home VORKEL_REGISTRY=$home/registry.ini /usr/lib/vorkel/vorkel-user-folder /usr/share/vorkel "$home/Vorkel"
(cd "$home/Vorkel" && HOME=$home VORKEL_REGISTRY=$home/registry.ini /usr/bin/vorkel generate Model1.skb -n 1 --seed 1 >/dev/null)
ls "$home/Vorkel/Lager"/x10_* >/dev/null
if [ -x /usr/bin/q4 ]; then
  QT_QPA_PLATFORM=offscreen /usr/bin/q4 --version
fi
test -f /usr/share/mime/packages/vorkel.xml
grep -q '"\*.ktd"' /usr/share/mime/packages/vorkel.xml
# The manual pages (compressed or not, as the build made them).
for page in vorkel q4 penvik; do
  if [ "$page" = vorkel ] || [ -x "/usr/bin/$page" ]; then
    ls /usr/share/man/man1/"$page".1* >/dev/null
  fi
done
test -f /usr/share/doc/vorkel/copyright
head -n 1 /usr/share/doc/vorkel/copyright | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/'
gzip -t /usr/share/doc/vorkel/changelog.Debian.gz
test -f /usr/share/metainfo/dk.vendrik.vorkel.metainfo.xml
dpkg-query -W -f='${Depends}\n' vorkel | grep -q 'xdg-utils'
entries=(/usr/share/applications/vorkel.desktop)
[ -x /usr/bin/penvik ] && entries+=(/usr/share/applications/penvik.desktop)
for entry in "${entries[@]}"; do test -f "$entry"; done
# The desktop's own checkers, where they are installed (scripts/install-deps.sh
# installs them).
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "${entries[@]}"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net /usr/share/metainfo/dk.vendrik.vorkel.metainfo.xml >/dev/null
fi
rm -rf "$home"
echo "package $(basename "$deb"): installed, started and removed"
