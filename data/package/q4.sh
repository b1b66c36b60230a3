#!/bin/sh
# The window program as the Debian package starts it: in the user's own
# folder ($VORKEL_HOME, else ~/Vorkel), made from the stock data in
# /usr/share/vorkel on the first start, so that the program finds its
# profile, templates, dictionary and output folder.
case "$1" in
  --version|--help) exec /usr/lib/vorkel/q4 "$@" ;;
esac
dir="${VORKEL_HOME:-$HOME/Vorkel}"
/usr/lib/vorkel/vorkel-user-folder /usr/share/vorkel "$dir" || exit 1
# A template named on the command line keeps its meaning after the cd.
n=$#
for a in "$@"; do
  case "$a" in
    -*|/*) ;;
    *) [ -e "$a" ] && a="$PWD/$a" ;;
  esac
  set -- "$@" "$a"
done
shift "$n"
cd "$dir" || exit 1
exec /usr/lib/vorkel/q4 "$@"
