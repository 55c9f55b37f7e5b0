#!/bin/bash
# Starts the program on a private X server, types an angle into Text6, clicks "ПУСК" with
# real X input and checks that the screen shows red where the model puts the ray; then types an
# upper index above the lower one and answers the error box that opens. The controls and the
# picture are found on the accessibility bus by their accessible names and descriptions.
# With --wayland the program runs natively on a headless weston at scale 2 instead, where no
# client can send input to another: the same steps go through the accessibility bus, and the
# picture is found on weston's screenshot by its boundary, as a Wayland client does not know
# where it is.
# Usage: ray_on_screen.sh [--wayland] <velantra> <expected_path>
set -u
session=x11
[ "${1:-}" = --wayland ] && { session=wayland; shift; }
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

if [ $session = x11 ]; then
    # Xvfb takes a free display and writes its number to the descriptor given. Without -noreset
    # it resets whenever its last client leaves (the accessibility bus launcher does, early) and
    # refuses the program's connection meanwhile.
    setsid Xvfb -displayfd 3 -noreset -screen 0 1280x800x24 -nolisten tcp 3> "$work/display" > "$work/xvfb.log" 2>&1 &
    groups+=($!)
    display=$(first_line "$work/display")
    [ -n "$display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    export DISPLAY=":$display"
    platform=xcb scale=1
else
    export XDG_RUNTIME_DIR=$work/xdg
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset DISPLAY
    # Without the pixman renderer the headless output stays empty; the debug protocol lets
    # weston-screenshooter read it.
    start weston.log weston --backend=headless-backend.so --use-pixman --debug --no-config \
        --socket=velantra --width=1280 --height=800 --scale=2
    for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/velantra" ] && break; sleep 0.1; done
    [ -S "$XDG_RUNTIME_DIR/velantra" ] || fail "weston did not start: $(cat "$work/weston.log")"
    export WAYLAND_DISPLAY=velantra
    platform=wayland scale=2
fi

# A session bus with the accessibility bus on it, where Qt publishes its widgets.
setsid dbus-daemon --session --nofork --nopidfile --print-address=3 3> "$work/bus" > "$work/dbus.log" 2>&1 &
groups+=($!)
DBUS_SESSION_BUS_ADDRESS=$(first_line "$work/bus")
[ -n "$DBUS_SESSION_BUS_ADDRESS" ] || fail "no session bus"
export DBUS_SESSION_BUS_ADDRESS
start a11y.log /usr/libexec/at-spi-bus-launcher --launch-immediately
start registry.log /usr/libexec/at-spi2-registryd

(cd "$work" && QT_QPA_PLATFORM=$platform QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec setsid "$program") > "$work/app.log" 2>&1 &
groups+=($!)
if [ $session = x11 ]; then
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Velantra$' | head -1)
    [ -n "$window" ] || fail "no window named Velantra on $DISPLAY: $(cat "$work/app.log" "$work/xvfb.log")"
fi

# Screen rectangles (x y width height) of the angle box, the button and the picture; on Wayland
# relative to the window.
/usr/bin/python3 - > "$work/places" <<'PY' || fail "controls not found on the accessibility bus"
import sys, time
import pyatspi

wanted = {
    # Its label "α0=" carries the same description; the box is the one that takes text.
    "Text6": lambda o: o.description.startswith("Начальный угол входа луча")
    and o.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY),
    "CmdOK": lambda o: o.name == "ПУСК" and o.getRole() == pyatspi.ROLE_PUSH_BUTTON,
    "Picture1": lambda o: o.name == "Здесь траектория луча",
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

shot() {
    if [ $session = x11 ]; then
        import -window root "$work/$1.png"
    else
        rm -f "$work"/wayland-screenshot*.png
        (cd "$work" && timeout 10 weston-screenshooter) && mv "$work"/wayland-screenshot*.png "$work/$1.png"
    fi && convert "$work/$1.png" -depth 8 "rgb:$work/$1.rgb"
}
# Runs a step on the accessibility bus: finds the widget `test` names and calls `act` on it.
on_bus() {  # test act
    /usr/bin/python3 - "$1" "$2" <<'PY'
import sys, time
import pyatspi
test, act = (eval("lambda o: " + a) for a in sys.argv[1:3])
deadline = time.time() + 15
while time.time() < deadline:
    for app in pyatspi.Registry.getDesktop(0):
        obj = app and pyatspi.utils.findDescendant(app, test)
        if obj is not None:
            print(act(obj))
            sys.exit(0)
    time.sleep(0.3)
sys.exit("not found on the accessibility bus")
PY
}
sleep 0.3
shot before || fail "no screenshot: $(cat "$work"/*.log)"
# The picture in words, as a screen reader reads it: the scene, then after ПУСК the run.
picture='o.name == "Здесь траектория луча"'
words=$(on_bus "$picture" 'o.description') || fail "no picture on the accessibility bus"
case $words in "Вверху среда с показателем преломления"*"α0 = 45°.") ;; *) fail "picture described as: $words" ;; esac

if [ $session = x11 ]; then
    xdotool windowfocus --sync "$window"
    xdotool mousemove $(centre Text6) click 1
    xdotool key End BackSpace
    xdotool type --delay 50 0
    sleep 0.3
    xdotool mousemove $(centre CmdOK) click 1
else
    on_bus 'o.description.startswith("Начальный угол входа луча") and o.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)' \
        'o.queryEditableText().setTextContents("40")' > /dev/null || fail "cannot type into Text6"
    sleep 0.3
    on_bus 'o.name == "ПУСК" and o.getRole() == pyatspi.ROLE_PUSH_BUTTON' \
        'o.queryAction().doAction(0)' > /dev/null || fail "cannot press ПУСК"
fi
sleep 0.7
shot after
words=$(on_bus "$picture" 'o.description')
case $words in "Вершина траектории"*"Луч уходит за нижний край рисунка"*) ;; *) fail "after ПУСК the picture is described as: $words" ;; esac
[ -n "${VELANTRA_E2E_KEEP:-}" ] && cp "$work/after.png" "$VELANTRA_E2E_KEEP"

/usr/bin/python3 - "$work/before.rgb" "$work/after.rgb" "$work/expected.txt" "$(place Picture1 2)" "$(place Picture1 3)" $session $scale <<'PY'
import sys
before = open(sys.argv[1], 'rb').read()
after = open(sys.argv[2], 'rb').read()
points = [tuple(map(float, line.split())) for line in open(sys.argv[3])]
left, top = int(sys.argv[4]), int(sys.argv[5])
s = int(sys.argv[7])  # device pixels per pixel of the picture
width = 1280 * s
if sys.argv[6] == "wayland":
    # The boundary (y = 0): the first black row across the picture, from its left edge.
    run = bytes(3 * 600 * s)
    found = None
    for y in range(800 * s):
        row = before[y * width * 3:(y + 1) * width * 3]
        i = row.find(run)
        while i >= 0 and i % 3:
            i = row.find(run, i + 1)
        if i >= 0:
            found = (i // 3, y)
            break
    if found is None:
        sys.exit("FAIL: no boundary on the screen")
    left, top = found[0] / s, found[1] / s - 123

def red(data, x, y):
    i = (y * width + x) * 3
    r, g, b = data[i], data[i + 1], data[i + 2]
    return r > 200 and g < 60 and b < 60

def near(data, px, py):
    x, y = int(round((left + px) * s)), int(round((top + py) * s))
    return any(red(data, x + dx, y + dy) for dx in range(-2 * s, 2 * s + 1)
               for dy in range(-2 * s, 2 * s + 1))

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

# An upper index above the lower one: the program beeps, shows its error box and puts a valid
# index back once the box is answered. The box holds up the call that typed the index until then.
index='o.description == "Показатель преломления верхней среды" and o.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)'
on_bus "$index" 'o.queryEditableText().setTextContents("2")' > "$work/typed.txt" 2>&1 &
typing=$!
text=$(on_bus 'o.name == "Ошибка" and o.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG)' \
    '" ".join(c.name for c in pyatspi.utils.findAllDescendants(o, lambda c: True))') ||
    fail "no error box after an upper index of 2"
case $text in *"Показатель преломления вверху должен быть меньше"*) ;; *) fail "error box says: $text" ;; esac
on_bus 'o.name == "Ошибка" and o.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG)' \
    'pyatspi.utils.findDescendant(o, lambda c: c.getRole() == pyatspi.ROLE_PUSH_BUTTON).queryAction().doAction(0)' > /dev/null ||
    fail "cannot answer the error box"
wait $typing
index_text=$(on_bus "$index" 'o.queryText().getText(0, -1)')
[ "$index_text" = " 1.001" ] || fail "upper index after the error box: $index_text"
echo "PASS"
