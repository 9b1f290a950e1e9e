#!/bin/sh
# Installs what building, testing and running Quorvant needs on Debian 12 (as root, or with sudo).
set -e
PACKAGES="g++ cmake ninja-build qtbase5-dev qtbase5-dev-tools libqt5charts5-dev libqt5svg5-dev \
libbenchmark-dev clang libclang-rt-14-dev xvfb xauth xdotool imagemagick fonts-dejavu-core qttranslations5-l10n fonts-dejavu-extra libxlsxwriter-dev python3-openpyxl \
lintian dpkg-dev poppler-utils qttools5-dev qttools5-dev-tools"

missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO=sudo
    echo "Installing:$missing"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi
