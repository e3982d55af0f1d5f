#!/usr/bin/env bash
# Smoke test of the real binary on a real (virtual) X display: it starts in a working folder with the icon
# set, the help and the sample collection, shows its main window, and ends with exit code 0 when the user
# chooses "Datei" → "Beenden" with the keyboard (Alt+D, then e).
#
# Usage: smoke_test.sh <path-to-tessora-binary> <repo-root>
set -u

readonly WINDOW_TITLE='Tessora - Farbfundus'
readonly START_TIMEOUT=20 # seconds until the main window must be there
readonly QUIT_TIMEOUT=20  # seconds until the program must have ended after the keys

fail() {
    echo "FAIL: smoke test: $*"
    exit 1
}

[ $# -eq 2 ] || fail "usage: $0 <path-to-tessora-binary> <repo-root>"
binary=$(realpath "$1") || fail "no binary at $1"
repo=$(realpath "$2") || fail "no repository at $2"
[ -x "$binary" ] || fail "$binary is not executable"
for tool in Xvfb xdotool sqlite3; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

work=$(mktemp -d)
xvfb_pid=''
app_pid=''
cleanup() {
    # Only what this script started is ended, by its own process id.
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# The working folder the program expects: gfx/, help/ and the collection file.
mkdir -p "$work/gfx" "$work/help"
cp "$repo"/assets/gfx/*.ico "$work/gfx/" || fail "cannot copy the icon set"
cp "$repo/assets/help/index.html" "$work/help/" || fail "cannot copy the help"
sqlite3 "$work/colours.tsdb" <"$repo/assets/sample_collection.sql" || fail "cannot create the collection"

# Xvfb picks a free display itself and writes its number to the given descriptor once it accepts clients.
exec 3>"$work/display"
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 1 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb gave no display number"
export DISPLAY=":$(head -n1 "$work/display")"
echo "smoke test: display $DISPLAY, working folder $work"

# A sanitized build reports leaks at exit through its exit code; what the X11 platform's system libraries
# keep for the process's lifetime is not the program's and must not fail the test.
printf '%s\n' 'leak:libdbus-1.so' 'leak:libfontconfig.so' >"$work/lsan.supp"
export LSAN_OPTIONS="suppressions=$work/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

# The real platform, whatever the test environment set for the unit tests.
(cd "$work" && QT_QPA_PLATFORM=xcb exec "$binary" >"$work/tessora.log" 2>&1) &
app_pid=$!

window=$(timeout "$START_TIMEOUT" xdotool search --sync --onlyvisible --name "^${WINDOW_TITLE}\$" | head -n1)
[ -n "$window" ] ||
    fail "no window '$WINDOW_TITLE' within ${START_TIMEOUT}s; program output: $(cat "$work/tessora.log")"
kill -0 "$app_pid" 2>/dev/null || fail "the program ended on its own before it was asked to"
echo "smoke test: main window $window is up"

# Without a window manager there is nobody to activate the window; giving it the input focus is enough for
# Qt to treat it as active. The keys go through XTEST to the focused window, like real typing.
quit_by_menu() {
    xdotool windowfocus --sync "$window" || return 1
    sleep 0.3
    xdotool key --clearmodifiers alt+d || return 1
    sleep 0.5
    xdotool key --clearmodifiers e || return 1
}

ended() { ! kill -0 "$app_pid" 2>/dev/null; }

# A key that arrives before the menu is open is lost, so the menu path is tried again, a few times at most.
for attempt in 1 2 3; do
    ended && break
    echo "smoke test: Datei → Beenden, attempt $attempt"
    quit_by_menu || echo "smoke test: attempt $attempt: xdotool could not send the keys"
    for _ in $(seq 1 $((QUIT_TIMEOUT * 10 / 3))); do
        ended && break
        sleep 0.1
    done
done

if ! ended; then
    kill "$app_pid" 2>/dev/null
    wait "$app_pid" 2>/dev/null
    app_pid=''
    fail "the program did not end within ${QUIT_TIMEOUT}s after Datei → Beenden; output: $(cat "$work/tessora.log")"
fi
wait "$app_pid"
status=$?
app_pid=''
[ "$status" -eq 0 ] || fail "the program ended with exit code $status; output: $(cat "$work/tessora.log")"
echo "PASS: smoke test: Tessora started, showed '$WINDOW_TITLE' and quit through Datei → Beenden with exit code 0"
