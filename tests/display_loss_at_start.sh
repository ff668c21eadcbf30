#!/usr/bin/env bash
# Losing the display while the game starts ends it with status 1 and a line,
# never a signal: the X server is killed 0 to 600 ms after the game starts
# (DELAYS), TRIES times each. A manual check (it takes a minute or two):
#   tests/display_loss_at_start.sh BUILD_DIR [TRIES]   (from the repository root)
# A loaded machine may take some 300 ms to reach the display; a server gone
# before that gives the line of a game started without one, "no display".
set -uo pipefail
build=$(cd "$1" && pwd)
tries=${2:-4}
work=$(mktemp -d)
xvfb=""
cleanup() { [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "display loss at start: $*" >&2; exit 1; }
. "$(dirname "$0")/support/private_display.sh"

bad=0
for ms in ${DELAYS:-0 20 50 100 200 300 400 500 600}; do
    for try in $(seq "$tries"); do
        start_private_display "$work"
        DISPLAY=$display SDL_AUDIODRIVER=dummy timeout 20 "$build/ombrel" >"$work/log" 2>&1 &
        game=$!
        sleep "$(awk "BEGIN { print $ms / 1000 }")"
        kill -KILL "$xvfb"
        wait "$xvfb" 2>/dev/null
        xvfb=""
        wait "$game"
        status=$?
        line=$(grep -E "Lost the connection to the display|There is no display" "$work/log" | head -1)
        echo "$ms ms, try $try: status $status: ${line:-no line}"
        { [ "$status" -eq 1 ] && [ -n "$line" ]; } || bad=$((bad + 1))
    done
done
[ "$bad" -eq 0 ] || fail "$bad runs did not end with status 1 and the line"
