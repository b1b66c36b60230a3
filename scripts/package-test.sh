#!/usr/bin/env bash
# Builds the Debian package from a finished build (default build/release),
# installs it as root, starts what it installed, and removes it again.
# Run by scripts/test.sh when it runs as root (as CI does).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/vorkel_*.deb | head -n 1)

# dpkg may be busy with another installation: wait for its lock.
dpkg_retry() {
  for _ in $(seq 60); do
    if "$@" 2>/tmp/vorkel-dpkg.err; then return 0; fi
    grep -q "lock" /tmp/vorkel-dpkg.err || { cat /tmp/vorkel-dpkg.err >&2; return 1; }
    sleep 5
  done
  return 1
}
dpkg_retry dpkg -i "$deb"
trap 'dpkg_retry dpkg -r vorkel >/dev/null' EXIT

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
test -f /usr/share/man/man1/vorkel.1
rm -rf "$home"
echo "package $(basename "$deb"): installed, started and removed"
