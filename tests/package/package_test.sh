#!/usr/bin/env bash
# Builds the Debian package from the build folder, unpacks it into a scratch
# root, checks its contents and metadata, then runs the unpacked program through
# its launcher as an ordinary user (nobody when run as root; otherwise the
# current user with the unpacked tree made read-only):
#   1. offscreen, ended by a signal: the private program folder is made and the
#      program runs from it;
#   2. on the X display (Xvfb), closed like a window manager would: setup.txt is
#      written in the private folder;
#   3. after a change of setup.txt and a simulated upgrade of the installed
#      folder: the change is kept and the new shipped file is linked.
# Needs DISPLAY (an Xvfb started with -ac) for steps 2 and 3.
# Usage: package_test.sh <build folder>
set -euo pipefail

build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

scratch=$(mktemp -d)
program_pid=
cleanup() {
    if [ -n "$program_pid" ]; then kill -9 "$program_pid" 2>/dev/null || true; fi
    chmod -R u+w "$scratch" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
chmod 755 "$scratch"

# --- the package ---------------------------------------------------------
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack failed"; }
debs=("$scratch"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, got: ${debs[*]}"
deb=${debs[0]}
echo "package: $(basename "$deb") ($(du -h "$deb" | cut -f1))"

[ "$(dpkg-deb -f "$deb" Package)" = radiane ] || fail "package name"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# Debian 13 renamed some libraries for 64-bit time_t (libqt6core6t64).
for need in fonts-noto-cjk libqt6sql6-sqlite libqt6widgets6 libqt6gui6 libqt6core6; do
    [[ ",$depends," == *[,\ ]"$need"?(t64)[\ ,\(]* ]] || fail "Depends lacks $need"
done

# --- its files ---------------------------------------------------------------
root=$scratch/root
dpkg -x "$deb" "$root"
prog=$root/usr/lib/radiane
expect=(
    usr/bin/radiane
    usr/lib/radiane/radiane
    usr/lib/radiane/radiane-site.so
    usr/lib/radiane/radiane-progress.so
    usr/lib/radiane/radicals.tsv
    usr/lib/radiane/zg.txt
    usr/lib/radiane/zg2.txt
    usr/lib/radiane/frequency.txt
    usr/lib/radiane/zg2forms.txt
    usr/lib/radiane/splits.txt
    usr/lib/radiane/strokes.tsv
    usr/lib/radiane/words.tsv
    usr/lib/radiane/shortcodes.tsv
    usr/lib/radiane/formexamples.tsv
    usr/lib/radiane/wwbb11.dat
    usr/lib/radiane/keyboard.png
    usr/lib/radiane/chart.png
    usr/lib/radiane/panel-folded.png
    usr/lib/radiane/panel-shown.png
    usr/lib/radiane/PixOS.urf
    usr/lib/radiane/licenses/NOTICE.txt
    usr/share/applications/org.radiane.Radiane.desktop
    usr/share/metainfo/org.radiane.Radiane.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/radiane.svg
)
for f in "${expect[@]}"; do
    [ -f "$root/$f" ] || fail "package lacks $f"
done
[ -x "$root/usr/bin/radiane" ] && [ -x "$prog/radiane" ] || fail "launcher or program not executable"
for f in setup.txt face.txt; do
    [ ! -e "$prog/$f" ] || fail "package ships the settings file $f"
done
# Every shipped data file is in the program folder, unchanged.
src=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")
(cd "$src/data" && find . -type f ! -name CMakeLists.txt ! -name 'README*' | sort) >"$scratch/data.list"
while read -r f; do
    cmp -s "$src/data/$f" "$prog/$f" || fail "program folder lacks or changed $f"
done <"$scratch/data.list"
echo "files: $(wc -l <"$scratch/data.list") data files and the program in usr/lib/radiane"
file "$prog/radiane" | grep -q 'not stripped' && fail "executable not stripped"

desktop-file-validate "$root/usr/share/applications/org.radiane.Radiane.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.radiane.Radiane.metainfo.xml" ||
    fail "metainfo"
for f in usr/share/doc/radiane/copyright usr/share/doc/radiane/changelog.gz \
    usr/share/man/man1/radiane.1.gz; do
    [ -f "$root/$f" ] || fail "package lacks $f"
done
# Errors fail the test; warnings are shown.
command -v lintian >/dev/null || fail "lintian missing (scripts/install-deps)"
lintian --fail-on error "$deb" ||
    fail "lintian reports errors"

# --- running the installed program ------------------------------------------
home=$scratch/home
mkdir -p "$home"
if [ "$(id -u)" -eq 0 ]; then
    chown nobody:nogroup "$home"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
    chmod -R a-w "$root"
    as_user=()
fi
private=$home/.local/share/radiane

# Starts the launcher in the background with a clean environment; sets program_pid.
start() {
    "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" "$@" \
        "$root/usr/bin/radiane" >>"$scratch/run.log" 2>&1 &
    program_pid=$!
}

# Waits up to 10 s for a condition; fails with a message.
wait_for() {
    local what=$1
    shift
    for _ in $(seq 100); do
        "$@" && return 0
        kill -0 "$program_pid" 2>/dev/null || { cat "$scratch/run.log"; fail "program ended: $what"; }
        sleep 0.1
    done
    cat "$scratch/run.log"
    fail "timed out: $what"
}

ended() { ! kill -0 "$program_pid" 2>/dev/null; }

# The program runs from the private folder: its executable is the copy there.
check_runs_privately() {
    if [ -r "/proc/$program_pid/exe" ]; then
        [ "$(readlink "/proc/$program_pid/exe")" = "$(readlink -f "$private/radiane")" ] ||
            fail "program runs from $(readlink "/proc/$program_pid/exe")"
    fi
}

main_window() { xdotool search --onlyvisible --name '^Radiane' 2>/dev/null | head -1; }
window_shown() { [ -n "$(main_window)" ]; }

# Run on the X display, then close the main window; the program must end by itself.
run_and_close() {
    start DISPLAY="$DISPLAY"
    local window=
    wait_for "main window shown" window_shown
    window=$(main_window)
    check_runs_privately
    python3 "$here/close_window.py" "$window"
    for _ in $(seq 100); do ended && break; sleep 0.1; done
    ended || fail "program still running after its window was closed"
    wait "$program_pid" || fail "program ended with status $?"
    program_pid=
}

# 1. First start, offscreen.
start QT_QPA_PLATFORM=offscreen
wait_for "face.txt made in the private folder" test -f "$private/face.txt"
sleep 1
kill -0 "$program_pid" 2>/dev/null || { cat "$scratch/run.log"; fail "program ended at start"; }
check_runs_privately
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
program_pid=
[ -f "$private/radiane" ] && [ ! -L "$private/radiane" ] || fail "executable not copied"
cmp -s "$prog/radiane" "$private/radiane" || fail "private executable differs"
for f in zg.txt zg2.txt wwbb11.dat bmp chart.png PixOS.urf; do
    [ "$(readlink "$private/$f")" = "$prog/$f" ] || fail "$f not linked to the installed folder"
done
echo "run 1: private folder made, program started offscreen"

# 2. On the display, closed by the user: the settings are written.
[ -n "${DISPLAY:-}" ] || fail "no DISPLAY for the close test (run under xvfb-run -s -ac)"
run_and_close
[ "$(cat "$private/setup.txt")" = $'1\r' ] || fail "setup.txt after first close: $(od -c "$private/setup.txt")"
echo "run 2: closed, setup.txt written"

# 3. The learner's setting changes; then the installed program is upgraded.
printf '2\r\n' >"$private/setup.txt"
[ "$(id -u)" -eq 0 ] || chmod -R u+w "$root"
cp "$prog/PixOS.urf" "$prog/Added.urf"
touch -d '+1 minute' "$prog/radiane"
[ "$(id -u)" -eq 0 ] || chmod -R a-w "$root"
stamp_before=$(cat "$private/.installed-from")
run_and_close
[ "$(cat "$private/setup.txt")" = $'2\r' ] || fail "setup.txt not kept: $(od -c "$private/setup.txt")"
[ "$(readlink "$private/Added.urf")" = "$prog/Added.urf" ] || fail "new shipped file not linked"
[ "$(cat "$private/.installed-from")" != "$stamp_before" ] || fail "upgrade not noticed"
echo "run 3: setting kept across runs and an upgrade"

for f in setup.txt face.txt; do
    [ ! -e "$prog/$f" ] || fail "program wrote $f into the installed folder"
done
echo "ok"
