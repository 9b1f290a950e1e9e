#!/bin/sh
# Starts Quorvant under Xvfb, types the four example investments of the README into the grid
# (as a user would, with clicks, keys and Tab), chooses 2021 and saves a screenshot.
# Usage: sh scripts/screenshot.sh [build dir] [output png] [--empty]
set -e
BUILD=${1:-build}
OUT=${2:-docs/main-window.png}
EMPTY=${3:-}
mkdir -p "$(dirname "$OUT")"
xvfb-run -a -s '-screen 0 1400x1000x24' sh -c '
  "$0" &
  pid=$!
  for i in $(seq 1 50); do xdotool search --name "Quorvant\$" >/dev/null 2>&1 && break; sleep 0.2; done
  sleep 1
  k() { xdotool "$@"; sleep 0.12; }
  row() { # row(y, downs, texts...): choose the type with Down presses, then Tab through the cells
    y=$1; downs=$2; shift 2
    k mousemove 140 "$y" click 1
    i=0; while [ $i -lt "$downs" ]; do k key Down; i=$((i + 1)); done
    k key Tab
    for t in "$@"; do k type "$t"; k key Tab; done
  }
  if [ -z "$2" ]; then
    row 255 0 2020 200000 1000 2 3 80 3 20
    row 278 1 2020 150000 800 2 2
    row 301 2 2020 10000 0 5 10000 6
    row 324 4 2020 1000 100 10 5
    k mousemove 570 456 click 1
    k key Down Return
    k mousemove 700 900
    sleep 0.5
  fi
  /usr/bin/import -window root -crop 1342x926+0+0 "$1"
  kill $pid
' "$BUILD/quorvant" "$OUT" "$EMPTY"
echo "wrote $OUT"
