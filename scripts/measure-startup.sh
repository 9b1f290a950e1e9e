#!/bin/sh
# Times start-up to the first shown window, the program beside a bare QMainWindow built the
# same way (median of N runs each, under Xvfb), and reports resident memory after start.
# Usage: sh scripts/measure-startup.sh [build dir] [runs]
set -e
BUILD=${1:-build}
RUNS=${2:-10}
PROBE="$BUILD/bench/bench_startup"
[ -x "$PROBE" ] || { echo "build $PROBE first (cmake --build $BUILD --target bench_startup)"; exit 1; }
xvfb-run -a -s '-screen 0 1400x1000x24' sh -c "
for mode in quorvant bare; do
  times=''
  for i in \$(seq 1 $RUNS); do
    start=\$(date +%s%N)
    rss=\$('$PROBE' \$mode | sed -n 's/rss_kib //p')
    end=\$(date +%s%N)
    times=\"\$times \$(( (end - start) / 1000000 ))\"
  done
  median=\$(echo \$times | tr ' ' '\n' | sort -n | awk '{a[NR]=\$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}')
  echo \"\$mode: median \${median} ms to the first shown window (runs:\$times), resident \${rss} KiB\"
done
"
