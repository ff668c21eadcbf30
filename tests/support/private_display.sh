# Sourced by the shell tests that need a real X server. start_private_display
# starts Xvfb on a display number it picks itself (-displayfd), so tests run
# side by side never race for the same one, and waits until it takes
# clients. Sets display (":N") and xvfb (its pid); the caller's cleanup kills
# it. Calls the caller's fail on any trouble.
start_private_display() {
    local fifo="$1/displayfd"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    xvfb=$!
    local number=""
    read -r -t 10 number <"$fifo" || true
    rm -f "$fifo"
    [ -n "$number" ] || fail "Xvfb did not start"
    display=":$number"
    for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && return 0; sleep 0.1; done
    fail "Xvfb did not take clients on $display"
}
