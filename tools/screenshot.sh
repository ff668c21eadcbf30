#!/bin/sh
# The live check of the title: starts a virtual X display, runs build/ombrel
# from the repository root as a player would, waits for the title to come up
# out of its fade, grabs the screen (build/live-title.png unless OUT.png is
# given) and quits through the exit box (Escape, then y). Its timing is the
# wall clock's, so the picture differs run by run; the committed screenshots
# in docs/screenshots/ come from build/tools/gameshot instead.
#
#   tools/screenshot.sh DISPLAY_NUMBER [OUT.png]
#
# Needs Xvfb, xdotool and ImageMagick's import. Sound goes to SDL's dummy
# driver.
set -eu

if [ $# -lt 1 ]; then
    echo "usage: $0 DISPLAY_NUMBER [OUT.png]" >&2
    exit 2
fi
display=":$1"
root=$(cd "$(dirname "$0")/.." && pwd)
out=${2:-"$root/build/live-title.png"}
case $out in /*) ;; *) out="$(pwd)/$out" ;; esac

cd "$root"
if [ ! -x build/ombrel ]; then
    echo "$0: build/ombrel is missing; build it first" >&2
    exit 1
fi

export DISPLAY="$display"
# Someone else's display would be grabbed and left running: refuse it.
if xdotool getdisplaygeometry >/dev/null 2>&1; then
    echo "$0: display $display is already in use" >&2
    exit 1
fi
Xvfb "$display" -screen 0 640x480x24 >/dev/null 2>&1 &
xvfb=$!
game=
finish() {
    [ -n "$game" ] && kill "$game" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
}
trap finish EXIT

# Xvfb takes a moment before it accepts clients.
tries=0
until xdotool getdisplaygeometry >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ $tries -gt 50 ] || ! kill -0 "$xvfb" 2>/dev/null; then
        echo "$0: display $display did not come up" >&2
        exit 1
    fi
    sleep 0.1
done

SDL_AUDIODRIVER=dummy build/ombrel &
game=$!
if ! timeout 10 xdotool search --sync --name '^Ombrel$' >/dev/null; then
    echo "$0: the game window did not appear" >&2
    exit 1
fi
# The title fades in over about 0.65 s after its first frame; the world
# behind it loads first.
sleep 3
mkdir -p "$(dirname "$out")"
import -window root "$out"

xdotool key Escape
sleep 0.3
xdotool key y
wait "$game"
game=
echo "$out"
