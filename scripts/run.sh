#!/bin/sh
# Installs what is missing, builds and launches Quorvant. Without a display it starts
# a virtual one (Xvfb) so the program still runs.
set -e
cd "$(dirname "$0")/.."
sh scripts/setup.sh
sh scripts/build.sh
if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ]; then
    echo "No display: running under Xvfb (see the README for screenshots and VNC)."
    exec xvfb-run -a -s '-screen 0 1400x1000x24' ./build/quorvant "$@"
fi
exec ./build/quorvant "$@"
