#!/usr/bin/env bash
# The game writes nothing: run under strace, it opens no file for writing or
# creating outside /dev and /proc, and the name and address typed at the end
# are in nothing it writes.
#   tests/nothing_written.sh BUILD_DIR   (from the repository root)
# Two runs: the game itself on a private X server, title, Space, a walk, then
# Escape and y; and the mercy route through the test runner, a whole game from
# the title to the program's stop, typing a name and an address at the end.
# Under X the software OpenGL driver keeps a shader cache in the home
# directory; that one path is the driver's and is let pass by name.
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
xvfb=""
game=""
cleanup() {
    # The game is strace's child, and a game stuck in a frame never reads
    # the quit SDL makes of a TERM: the child is killed outright.
    if [ -n "$game" ]; then
        for child in $(pgrep -P "$game" || true); do kill -KILL "$child" 2>/dev/null || true; done
        kill "$game" 2>/dev/null || true
    fi
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "nothing written: $*" >&2; exit 1; }

# Opens that may write or create, minus /dev, /proc and the driver's cache;
# the runner's own log tap (an unnamed file in /tmp) is the test's, not the game's.
writes() {
    grep -E 'open(at)?\(|creat\(' "$1" | grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|creat\(' |
        grep -vE '"/(dev|proc)/' | grep -v 'mesa_shader_cache' | grep -vE '"/tmp", [^)]*O_TMPFILE' || true
}
# A sanitizer build's leak check cannot run under ptrace; the leaks are the
# sanitizer run's to find. Without it the full unwind on every allocation
# (there to match the one suppressed leak) serves nothing, and it deadlocks
# the software OpenGL driver: its JIT registers unwind tables under libgcc's
# lock, allocates, and the unwinder then waits for that same lock.
export ASAN_OPTIONS="detect_leaks=0:fast_unwind_on_malloc=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
# Stopping the traced program at the traced calls only keeps a sanitizer
# build's playthroughs within the test's time.
trace="strace -f -qq --seccomp-bpf -s 4096 -e trace=open,openat,creat,write,writev,pwrite64,sendto,sendmsg"

. "$(dirname "$0")/support/private_display.sh"
start_private_display "$work"

(unset SDL_VIDEODRIVER; export DISPLAY="$display" SDL_AUDIODRIVER=dummy
 exec $trace -o "$work/game.trace" "$build/ombrel") 2>"$work/game.log" &
game=$!
send() { DISPLAY="$display" xdotool "$@"; }
# Keys sent before the window is up would be lost, and the game never asked
# to stop: the title is waited for, however slow the build.
for _ in $(seq 600); do grep -q 'Starting Main Loop' "$work/game.log" 2>/dev/null && break; sleep 0.1; done
grep -q 'Starting Main Loop' "$work/game.log" || fail "the game did not start in 60 s: $(cat "$work/game.log")"
sleep 3                       # the title's fade-in
send key space; sleep 2       # into the game
send keydown Up; sleep 1; send keyup Up
send key Escape; sleep 0.5; send key y
for _ in $(seq 300); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the game did not stop after Escape and y: $(cat "$work/game.log")"
wait "$game" || fail "the game ended with status $?: $(cat "$work/game.log")"
game=""
found=$(writes "$work/game.trace")
[ -z "$found" ] || fail "the game opened for writing:
$found"

SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy $trace -o "$work/routes.trace" \
    "$build/tests/ombrel_tests" --gtest_filter='Playthrough.MercyThenTheQuestions' >"$work/routes.out" 2>&1 ||
    fail "the routes failed: $(cat "$work/routes.out")"
# A disabled route passes by not running.
grep -q 'OK \] Playthrough.MercyThenTheQuestions' "$work/routes.out" ||
    fail "the mercy route, title to end screen, did not run: $(cat "$work/routes.out")"
found=$(writes "$work/routes.trace")
[ -z "$found" ] || fail "a playthrough opened for writing:
$found"
# Kept in a file: grep -q leaving a pipe early would, under pipefail, turn a
# match into a failure of the pipe.
grep -E '^[0-9]+ +(write|writev|pwrite64|sendto|sendmsg)\(' "$work/routes.trace" >"$work/written" || true
# The runner's own report is in what was written: the search below sees output.
grep -qF 'Playthrough.MercyThenTheQuestions' "$work/written" || fail "the trace shows no output at all"
# The name and address the routes type at the end screen.
for typed in 'Ada' 'ada@example.org'; do
    ! grep -qF "$typed" "$work/written" || fail "\"$typed\" was written out"
done
echo "nothing written"
