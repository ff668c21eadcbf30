#!/usr/bin/env bash
# Plays the part of a desktop with an installed game: starts it through its
# launcher (from another directory, on a private X server, with no audio
# device), waits until it has drawn a picture, then quits through the exit
# box, Escape and y, expecting status 0. The package's autopkgtest runs it on
# /usr/games/ombrel; tests/installed_game.sh on a temporary install.
#   tests/play_installed.sh LAUNCHER
set -euo pipefail
launcher="$1"
work=$(mktemp -d)
xvfb=""
game=""
cleanup() {
    # A game stuck in a frame never reads the quit SDL makes of a TERM.
    [ -n "$game" ] && kill -KILL "$game" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "installed game: $*" >&2
    [ -f "$work/log" ] && sed 's/^/  game: /' "$work/log" >&2
    exit 1
}
[ -x "$launcher" ] || fail "no launcher at $launcher"

. "$(dirname "$0")/support/private_display.sh"
start_private_display "$work"

export DISPLAY="$display" SDL_AUDIODRIVER=dummy XDG_CACHE_HOME="$work/cache"
# In a sanitizer build, the full unwind on every allocation (kept to match the
# one suppressed leak by name) deadlocks the software OpenGL driver's JIT in
# libgcc's unwinder; the suite's own runs, without OpenGL, check the leaks.
export ASAN_OPTIONS="detect_leaks=0:fast_unwind_on_malloc=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
unset SDL_VIDEODRIVER
(cd / && exec "$launcher") 2>"$work/log" &
game=$!

brightest() {
    import -display "$display" -window root png:- 2>/dev/null | convert png:- -format '%[fx:maxima]' info: 2>/dev/null
}
drawn=""
for _ in $(seq 150); do
    kill -0 "$game" 2>/dev/null || { wait "$game" || true; game=""; fail "ended before drawing anything"; }
    level=$(brightest || echo 0)
    if awk -v v="$level" 'BEGIN { exit !(v > 0.3) }'; then drawn=yes; break; fi
    sleep 0.2
done
[ -n "$drawn" ] || fail "drew nothing in 30 s"

xdotool mousemove 320 240 key Escape
sleep 0.5
kill -0 "$game" 2>/dev/null || fail "Escape ended the game instead of asking"
xdotool key y
for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "still running 10 s after y in the exit box"
status=0
wait "$game" || status=$?
game=""
[ "$status" -eq 0 ] || fail "exit status $status"
grep -q "Requesting Stop Main Loop" "$work/log" || fail "no stop in the log"
echo "installed game: started through $launcher, drew its screen, quit with status 0"
