#!/usr/bin/env bash
# atspi_session.sh <program> <walker>: runs <program> on a display, a session
# bus and an accessibility bus of its own, runs the AT-SPI <walker> against it
# from another process, and ends all four again.
set -u
# Each job in a process group of its own, so that ending it ends what it
# started (the accessibility bus starts a bus daemon and a registry).
set -m
program=$1
walker=$2
work=$(mktemp -d)
pids=()
finish() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill -- -"${pids[i]}" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

for tool in Xvfb dbus-daemon /usr/libexec/at-spi-bus-launcher /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/install-deps test" >&2; exit 1; }
done

Xvfb -displayfd 3 -screen 0 1280x720x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")
export XDG_RUNTIME_DIR=$work
unset SESSION_MANAGER QT_QPA_PLATFORM

dbus-daemon --session --nofork --print-address=4 4>"$work/bus" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/bus" ] && break; sleep 0.1; done
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=($program_pid)

status=0
/usr/bin/python3 "$walker" "$program_pid" || status=$?
# Nothing the program said on its error stream is expected during the walk.
if [ -s "$work/program.log" ]; then
    echo "The program wrote to its error stream:" >&2
    sort "$work/program.log" | uniq -c >&2
    status=1
fi
exit $status
