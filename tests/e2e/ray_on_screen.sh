#!/bin/bash
# Starts the program on a private X server, types an angle into Text6, clicks "ПУСК" with
# real X input and checks that the screen shows red where the model puts the ray. The controls
# and the picture are found on the accessibility bus by their accessible names and descriptions.
# Usage: ray_on_screen.sh <velantra> <expected_path>
set -u
program=$(realpath "$1")
expected_path=$(realpath "$2")
angle=40
work=$(mktemp -d)
groups=()

# Each helper runs in a process group of its own, so its children end with it.
start() {  # log command...
    local log=$1; shift
    setsid "$@" > "$work/$log" 2>&1 &
    groups+=($!)
}
finish() {
    local i p
    for ((i = ${#groups[@]} - 1; i >= 0; i--)); do
        # Children first, while their parent lives to reap them (the accessibility bus).
        for p in $(ps -o pid= -g "${groups[i]}"); do
            [ "$p" = "${groups[i]}" ] || { kill "$p" 2>/dev/null && sleep 0.2; }
        done
        kill -- "-${groups[i]}" 2>/dev/null
        wait "${groups[i]}" 2>/dev/null
    done
    rm -rf "$work"
}
trap finish EXIT
fail() { echo "FAIL: $*"; exit 1; }
# waits up to 10 s for a helper to write a line into a file
first_line() {
    for _ in $(seq 100); do [ -s "$1" ] && grep -q . "$1" && break; sleep 0.1; done
    head -1 "$1"
}

"$expected_path" "$angle" > "$work/expected.txt" || fail "the chosen scene would show a message"
[ "$(wc -l < "$work/expected.txt")" -gt 10 ] || fail "the model drew too few chords"

# Xvfb takes a free display and writes its number to the descriptor given. Without -noreset it
# resets whenever its last client leaves (the accessibility bus launcher does, early) and refuses
# the program's connection meanwhile.
setsid Xvfb -displayfd 3 -noreset -screen 0 1280x800x24 -nolisten tcp 3> "$work/display" > "$work/xvfb.log" 2>&1 &
groups+=($!)
display=$(first_line "$work/display")
[ -n "$display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$display"

# A session bus with the accessibility bus on it, where Qt publishes its widgets.
setsid dbus-daemon --session --nofork --nopidfile --print-address=3 3> "$work/bus" > "$work/dbus.log" 2>&1 &
groups+=($!)
DBUS_SESSION_BUS_ADDRESS=$(first_line "$work/bus")
[ -n "$DBUS_SESSION_BUS_ADDRESS" ] || fail "no session bus"
export DBUS_SESSION_BUS_ADDRESS
start a11y.log /usr/libexec/at-spi-bus-launcher --launch-immediately
start registry.log /usr/libexec/at-spi2-registryd

unset QT_QPA_PLATFORM
(cd "$work" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec setsid "$program") > "$work/app.log" 2>&1 &
groups+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Velantra$' | head -1)
[ -n "$window" ] || fail "no window named Velantra on $DISPLAY: $(cat "$work/app.log" "$work/xvfb.log")"

# Screen rectangles (x y width height) of the angle box, the button and the picture.
/usr/bin/python3 - > "$work/places" <<'PY' || fail "controls not found on the accessibility bus"
import sys, time
import pyatspi

wanted = {
    # Its label "α0=" carries the same description; the box is the one that takes text.
    "Text6": lambda o: o.description.startswith("Начальный угол входа луча")
    and o.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY),
    "CmdOK": lambda o: o.name == "ПУСК" and o.getRole() == pyatspi.ROLE_PUSH_BUTTON,
    "Picture1": lambda o: o.name == "Picture1",
}
found = {}
deadline = time.time() + 15
while time.time() < deadline and len(found) < len(wanted):
    for app in pyatspi.Registry.getDesktop(0):
        for key, test in wanted.items():
            if key not in found and app is not None:
                obj = pyatspi.utils.findDescendant(app, test)
                if obj is not None:
                    e = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                    if e.width > 0:
                        found[key] = e
    if len(found) < len(wanted):
        time.sleep(0.3)
for key in wanted:
    if key not in found:
        sys.exit(f"{key} not found")
    e = found[key]
    print(key, e.x, e.y, e.width, e.height)
PY
place() { awk -v k="$1" -v f="$2" '$1 == k { print $f }' "$work/places"; }
centre() { echo $(($(place "$1" 2) + $(place "$1" 4) / 2)) $(($(place "$1" 3) + $(place "$1" 5) / 2)); }

shot() { import -window root "$work/$1.png" && convert "$work/$1.png" -depth 8 "rgb:$work/$1.rgb"; }
sleep 0.3
shot before

xdotool windowfocus --sync "$window"
xdotool mousemove $(centre Text6) click 1
xdotool key End BackSpace
xdotool type --delay 50 0
sleep 0.3
xdotool mousemove $(centre CmdOK) click 1
sleep 0.7
shot after
[ -n "${VELANTRA_E2E_KEEP:-}" ] && cp "$work/after.png" "$VELANTRA_E2E_KEEP"

/usr/bin/python3 - "$work/before.rgb" "$work/after.rgb" "$work/expected.txt" "$(place Picture1 2)" "$(place Picture1 3)" <<'PY'
import sys
before = open(sys.argv[1], 'rb').read()
after = open(sys.argv[2], 'rb').read()
points = [tuple(map(float, line.split())) for line in open(sys.argv[3])]
left, top = int(sys.argv[4]), int(sys.argv[5])

def red(data, x, y):
    i = (y * 1280 + x) * 3
    r, g, b = data[i], data[i + 1], data[i + 2]
    return r > 200 and g < 60 and b < 60

def near(data, px, py):
    return any(red(data, left + int(round(px)) + dx, top + int(round(py)) + dy)
               for dx in (-2, -1, 0, 1, 2) for dy in (-2, -1, 0, 1, 2))

hits = sum(near(after, px, py) for px, py in points)
stale = sum(near(before, px, py) for px, py in points)
print(f"{hits} of {len(points)} chord midpoints red after the run, {stale} before")
# Mirrored about the start point's vertical, where the ray does not go.
x0 = 2.5 / 6 * 698
wrong = sum(near(after, 2 * x0 - px, py) for px, py in points if abs(px - x0) > 8)
if hits < 0.9 * len(points) or stale > 0 or wrong > 0.2 * len(points):
    print(f"FAIL: {hits} hits, {stale} before the run, {wrong} mirrored")
    sys.exit(1)
PY
status=$?
[ $status -eq 0 ] || { cp "$work/after.png" /tmp/velantra_e2e_after.png 2>/dev/null; fail "ray not where the model puts it (screenshot /tmp/velantra_e2e_after.png)"; }
echo "PASS"
