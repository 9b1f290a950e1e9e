#!/bin/sh
# Builds the Debian package, checks it with lintian, installs it with apt-get as a user would,
# runs the installed programs and removes the package again (as root, or with sudo):
#   sh scripts/package-check.sh [build dir, default build-deb]
# It fails when lintian reports an error, the package does not install, a library the
# programs need is missing from its dependencies, an installed file is missing, the installed
# quorvant-export does not work, or the installed quorvant does not write its start-up line
# within a minute. The program is never left running and the package never left installed.
set -e
cd "$(dirname "$0")/.."
BUILD=${1:-build-deb}
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
WORK=$(mktemp -d)
APP_PID=""
INSTALLED=""
cleanup() {
    if [ -n "$APP_PID" ]; then
        kill "$APP_PID" 2>/dev/null || true
        wait "$APP_PID" 2>/dev/null || true
    fi
    if [ -n "$INSTALLED" ]; then
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get remove -y -qq -o DPkg::Lock::Timeout=300 quorvant >/dev/null 2>&1 || true
    fi
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
fail() {
    echo "package check FAILED: $*" >&2
    exit 1
}

if ! sh scripts/package.sh "$BUILD" >"$WORK/package.log" 2>&1; then
    cat "$WORK/package.log" >&2
    fail "the package was not built"
fi
DEB=$(tail -n 1 "$WORK/package.log")
echo "package: $DEB"
case "$(basename "$DEB")" in
quorvant_*_"$(dpkg --print-architecture)".deb) ;;
*) fail "unexpected package name $(basename "$DEB")" ;;
esac

# lintian: warnings are shown, errors fail.
command -v lintian >/dev/null 2>&1 || fail "lintian is not installed (sh scripts/setup.sh)"
if ! lintian --fail-on error "$DEB" >"$WORK/lintian.log" 2>&1; then
    cat "$WORK/lintian.log" >&2
    fail "lintian reports errors"
fi
grep -v 'running with root privileges' "$WORK/lintian.log" || true
echo "lintian: no errors"

if dpkg-query -W -f='${Status}' quorvant 2>/dev/null | grep -q "install ok installed"; then
    echo "note: a quorvant package is installed already; it is replaced and removed"
fi
INSTALLED=yes
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq -o DPkg::Lock::Timeout=300 --no-install-recommends "$DEB" >"$WORK/apt.log" 2>&1 ||
    { cat "$WORK/apt.log" >&2; fail "apt-get install $DEB"; }
dpkg-query -W -f='${Status} ${Version}\n' quorvant | grep -q "^install ok installed " ||
    fail "quorvant is not installed after apt-get install"
echo "installed: $(dpkg-query -W -f='${Package} ${Version}' quorvant)"

# Every file the menu, the file manager and Help need is listed by dpkg and present.
dpkg -L quorvant >"$WORK/files"
for f in /usr/bin/quorvant /usr/bin/quorvant-export /usr/share/applications/quorvant.desktop \
    /usr/share/icons/hicolor/48x48/apps/quorvant.png /usr/share/icons/hicolor/128x128/apps/quorvant.png \
    /usr/share/icons/hicolor/256x256/apps/quorvant.png /usr/share/mime/packages/quorvant.xml \
    /usr/share/doc/quorvant/handleiding.html /usr/share/doc/quorvant/manual-en.html /usr/share/doc/quorvant/LICENSE-DejaVu.txt \
    /usr/share/doc/quorvant/copyright /usr/share/man/man1/quorvant.1.gz /usr/share/man/man1/quorvant-export.1.gz; do
    # A machine whose dpkg leaves out documentation (path-exclude, as container images do)
    # neither unpacks nor lists those files; the program then shows the manual it carries.
    case "$f" in
    /usr/share/doc/* | /usr/share/man/*)
        if grep -qs '^path-exclude=/usr/share/\(doc\|man\)' /etc/dpkg/dpkg.cfg /etc/dpkg/dpkg.cfg.d/*; then
            echo "note: dpkg leaves out /usr/share/doc and /usr/share/man here: $f not checked"
            continue
        fi ;;
    esac
    grep -qx "$f" "$WORK/files" || fail "dpkg -L quorvant does not list $f"
    [ -s "$f" ] || fail "$f is missing or empty"
done
echo "dpkg -L: programs, desktop entry, icons, MIME type, manual, manual pages and copyright listed"
# dpkg's trigger registers the .inv type where the MIME database is installed.
if [ -f /usr/share/mime/globs2 ]; then
    grep -q 'application/x-quorvant-inv:\*\.inv$' /usr/share/mime/globs2 ||
        fail "the MIME database does not know *.inv after installing"
    echo "MIME database: *.inv is application/x-quorvant-inv"
fi

# Every library the programs are linked with comes from a package the package depends on.
DEPENDS=$(dpkg-query -W -f='${Depends}' quorvant)
echo "$DEPENDS" | tr ',|' '\n\n' | sed 's/^ *\([^ ]*\).*/\1/' >"$WORK/depends"
for program in /usr/bin/quorvant /usr/bin/quorvant-export; do
    ldd "$program" >"$WORK/ldd"
    for name in $(readelf -d "$program" | sed -n 's/^.*(NEEDED).*\[\(.*\)\]$/\1/p'); do
        lib=$(sed -n "s/^[[:space:]]*$name => \(\/[^ ]*\) .*$/\1/p" "$WORK/ldd")
        # The dynamic loader stands by its path alone: "/lib64/ld-linux-x86-64.so.2 (0x...)".
        [ -n "$lib" ] || lib=$(sed -n "s/^[[:space:]]*\(\/[^ ]*\/$name\) (.*$/\1/p" "$WORK/ldd")
        [ -n "$lib" ] || fail "$program needs $name, which is not found"
        owner=$(dpkg -S "$lib" 2>/dev/null | head -n 1 | cut -d: -f1)
        [ -n "$owner" ] || owner=$(dpkg -S "$(readlink -f "$lib")" 2>/dev/null | head -n 1 | cut -d: -f1)
        [ -n "$owner" ] || fail "$lib (needed by $program) belongs to no package"
        grep -qx "$owner" "$WORK/depends" ||
            fail "$program needs $name from $owner, which is not among the dependencies: $DEPENDS"
    done
done
echo "dependencies: every library the programs are linked with is depended on"

# The installed exporter: its usage, and a saving plan projected over three years.
/usr/bin/quorvant-export --help >"$WORK/help" 2>&1 || fail "quorvant-export --help exits with $?"
head -n 1 "$WORK/help" | grep -q '^usage: quorvant-export ' || fail "quorvant-export --help printed: $(head -n 3 "$WORK/help")"
echo "quorvant-export --help: $(head -n 1 "$WORK/help")"
{
    printf 'Cash voor cashflow;;;;;;;;;;;Maandelijks sparen;2020;1000;250;;;;;;;;;;;;;'
    i=1
    while [ $i -lt 30 ]; do
        printf 'Onderpand met hefboom;;;;;;;;;;;;;;;;'
        i=$((i + 1))
    done
} >"$WORK/saving.inv"
/usr/bin/quorvant-export --years 3 "$WORK/saving.inv" >"$WORK/saving.csv" || fail "quorvant-export exits with $?"
printf '1,3,2020,2020,1000,0,1000,0,0,0,0,0,0\n1,3,2021,2020,4000,0,4000,0,0,0,0,0,0\n1,3,2022,2020,7000,0,7000,0,0,0,0,0,0\n' \
    >"$WORK/expected.csv"
tail -n +2 "$WORK/saving.csv" | cmp -s - "$WORK/expected.csv" ||
    fail "quorvant-export wrote: $(cat "$WORK/saving.csv")"
echo "quorvant-export: a saving plan over three years as expected"

# The installed window, offscreen, with a home of its own (no recovery file, no settings):
# it must write its start-up line; then it is stopped. timeout ends it even if this script
# is killed first.
mkdir -p "$WORK/home/.config" "$WORK/home/.local/share" "$WORK/home/.cache" "$WORK/runtime"
chmod 700 "$WORK/runtime"
HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_DATA_HOME="$WORK/home/.local/share" \
    XDG_CACHE_HOME="$WORK/home/.cache" XDG_RUNTIME_DIR="$WORK/runtime" QT_QPA_PLATFORM=offscreen \
    timeout -k 5 120 /usr/bin/quorvant </dev/null >"$WORK/app.out" 2>"$WORK/app.err" &
APP_PID=$!
started=""
i=0
while [ $i -lt 600 ]; do
    if grep -q '^Start application$' "$WORK/app.err"; then
        started=yes
        break
    fi
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.1
    i=$((i + 1))
done
if [ -z "$started" ]; then
    cat "$WORK/app.err" >&2
    fail "the installed quorvant wrote no \"Start application\" within 60 s"
fi
# Still running after its start-up line: it did not fall over right after writing it.
sleep 1
kill -0 "$APP_PID" 2>/dev/null || { cat "$WORK/app.err" >&2; fail "the installed quorvant stopped by itself"; }
kill "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
kill -0 "$APP_PID" 2>/dev/null && fail "the installed quorvant is still running"
APP_PID=""
echo "quorvant: the installed program started offscreen (\"Start application\") and was stopped"

INSTALLED=""
DEBIAN_FRONTEND=noninteractive $SUDO apt-get remove -y -qq -o DPkg::Lock::Timeout=300 quorvant >"$WORK/apt.log" 2>&1 ||
    { cat "$WORK/apt.log" >&2; fail "apt-get remove quorvant"; }
if dpkg-query -W -f='${Status}' quorvant 2>/dev/null | grep -q "install ok installed"; then
    fail "quorvant is still installed after apt-get remove"
fi
[ ! -e /usr/bin/quorvant ] && [ ! -e /usr/share/applications/quorvant.desktop ] ||
    fail "files are left after apt-get remove"
echo "removed: quorvant"
echo "package check passed: $(basename "$DEB")"
