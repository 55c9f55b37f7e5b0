#!/bin/bash
# Starts the program on a virtual X server, types an angle into Text6, clicks "ПУСК" with
# real X input and checks that the screen shows red where the model puts the ray.
# Usage: ray_on_screen.sh <velantra> <expected_path>
set -u
program=$1
expected_path=$2
angle=40
work=$(mktemp -d)
display_number=$((90 + RANDOM % 400))
xvfb_pid=
app_pid=

finish() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$expected_path" "$angle" > "$work/expected.txt" || fail "the chosen scene would show a message"
[ "$(wc -l < "$work/expected.txt")" -gt 10 ] || fail "the model drew too few chords"

Xvfb ":$display_number" -screen 0 1280x800x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display_number"
for _ in $(seq 50); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo > /dev/null 2>&1 || fail "Xvfb did not start"

unset QT_QPA_PLATFORM
(cd "$work" && exec "$program") > "$work/app.log" 2>&1 &
app_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Velantra$' | head -1)
[ -n "$window" ] || fail "no window named Velantra"
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
win_x=$X
win_y=$Y

shot() { import -window root "$work/$1.png" && convert "$work/$1.png" -depth 8 "rgb:$work/$1.rgb"; }
shot before

# The client area starts below the menu bar: the first row whose left margin shows the
# window background 224, 224, 224.
client_y=$(python3 - "$work/before.rgb" "$win_x" "$win_y" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
x, y0 = int(sys.argv[2]) + 2, int(sys.argv[3])
for y in range(y0, y0 + 80):
    i = (y * 1280 + x) * 3
    if data[i:i + 3] == bytes([224, 224, 224]):
        print(y)
        break
PY
)
[ -n "$client_y" ] || fail "client area not found"

# Text6 sits at (315, 275) px in the client area, CmdOK at (643, 275), both 60 × 26.
xdotool windowfocus --sync "$window"
xdotool mousemove $((win_x + 345)) $((client_y + 288)) click 1
xdotool key End BackSpace
xdotool type --delay 50 0
sleep 0.3
xdotool mousemove $((win_x + 673)) $((client_y + 288)) click 1
sleep 0.7
shot after
[ -n "${VELANTRA_E2E_KEEP:-}" ] && cp "$work/after.png" "$VELANTRA_E2E_KEEP"

python3 - "$work/before.rgb" "$work/after.rgb" "$work/expected.txt" "$win_x" "$client_y" <<'PY'
import sys
before = open(sys.argv[1], 'rb').read()
after = open(sys.argv[2], 'rb').read()
points = [tuple(map(float, line.split())) for line in open(sys.argv[3])]
left, top = int(sys.argv[4]) + 5, int(sys.argv[5]) + 5

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
    print(f"FAIL: mirrored hits {wrong}")
    sys.exit(1)
PY
status=$?
[ $status -eq 0 ] || { cp "$work/after.png" /tmp/velantra_e2e_after.png 2>/dev/null; fail "ray not where the model puts it (screenshot /tmp/velantra_e2e_after.png)"; }
echo "PASS"
