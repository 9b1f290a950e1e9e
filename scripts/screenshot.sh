#!/bin/sh
# Takes a screenshot of the main window under Xvfb: sh scripts/screenshot.sh [build dir] [output png]
set -e
BUILD=${1:-build}
OUT=${2:-docs/main-window.png}
mkdir -p "$(dirname "$OUT")"
xvfb-run -a -s '-screen 0 1400x1000x24' sh -c "
  '$BUILD/quorvant' &
  pid=\$!
  for i in \$(seq 1 50); do xdotool search --name '^Quorvant\$' >/dev/null 2>&1 && break; sleep 0.2; done
  sleep 1
  /usr/bin/import -window root -crop 1342x926+0+0 '$OUT'
  kill \$pid
"
echo "wrote $OUT"
