#!/usr/bin/env bash
# The program on a desktop with a window manager: Xvfb at 1024x768 under
# openbox. Each child window, opened by its button, must open centred over the
# main window, stay in front of it when the user clicks the chart beside it, lie
# on the screen and, closed by its close box, give the main window its input
# back. A message box that a child raises belongs to that child and stays in
# front of it, the second of two in a row too, and the keyboard goes back to
# the child after it. Every control is reached by Tab, the program naming the
# control that has the focus at each stop; Enter and Space press buttons and
# Escape leaves a window. The test waits for what it expects to happen, never
# for a fixed time.
#
# usage: desktop_test.sh PROGRAM
# With SCREENSHOTS set to a folder, a picture of the screen is left there at
# every step.
set -euo pipefail

program="$1"
work="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*" >&2
    shot "failed"
    exit 1
}

step=0
shot() {
    [ -n "${SCREENSHOTS:-}" ] || return 0
    step=$((step + 1))
    local picture
    picture="$SCREENSHOTS/$(printf %02d "$step")-$1.png"
    if command -v import >/dev/null; then
        import -window root "$picture" 2>/dev/null || true
    else
        scrot -o "$picture" 2>/dev/null || true
    fi
}

# Runs the command until it succeeds, for at most ten seconds.
wait_until() {
    for _ in $(seq 200); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    return 1
}

# The desktop: a screen, then the window manager, ready once it says so.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_until test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")"
# Under a heavy load openbox has been seen to give up on a screen that had
# just come up: one that ends before it is ready is started again, twice at
# most.
openbox_starts=0
start_openbox() {
    openbox --sm-disable 2>>"$work/openbox.log" &
    openbox_pid=$!
    pids+=("$openbox_pid")
    openbox_starts=$((openbox_starts + 1))
}
start_openbox

# Waits until the window manager has handled all that came before, a click
# among it: it adds a desktop and takes it away again, each seen done only
# once the manager has come to it. A request that comes while it starts may
# go unseen, and is made again.
desktops() { xprop -root _NET_NUMBER_OF_DESKTOPS | sed -n 's/.*= //p'; }
set_desktops() { wmctrl -n "$1" && [ "$(desktops)" = "$1" ]; }
wm_caught_up() {
    local count
    count="$(desktops)"
    wait_until set_desktops $((count + 1)) || fail "openbox did not add a desktop"
    wait_until set_desktops "$count" || fail "openbox did not take the desktop away"
}
has_desktops() { [ -n "$(desktops)" ]; }
openbox_ready() {
    has_desktops && return 0
    if ! kill -0 "$openbox_pid" 2>/dev/null && [ "$openbox_starts" -lt 3 ]; then
        start_openbox
    fi
    return 1
}
wait_until openbox_ready || fail "openbox did not start: $(cat "$work/openbox.log")"
wm_caught_up

# The program runs from a folder of its own, where its run data file lies.
# It names each control that takes the focus, with its window's title, in a
# file: "Change pressure/unitList".
cp "$program" "$work/psychart"
focus_log="$work/focus"
: >"$focus_log"
(cd "$work" && PSYCHART_FOCUS_LOG="$focus_log" exec ./psychart) 2>"$work/program.log" &
pids+=($!)

focused() { tail -n 1 "$focus_log"; }
focus_is() { [ "$(focused)" = "$1" ]; }
wait_for_focus() { wait_until focus_is "$1" || fail "the focus did not go to $1 but stays on $(focused)"; }
focus_changes() { wc -l <"$focus_log"; }
focus_moved() { [ "$(focus_changes)" -gt "$1" ]; }

# Presses the key (Tab by default) until the control named has the focus,
# waiting at each stop until the program names the control it went to.
tab_to() {
    local wanted="$1" key="${2:-Tab}" changes
    for _ in $(seq 40); do
        focus_is "$wanted" && return 0
        changes="$(focus_changes)"
        xdotool key "$key"
        wait_until focus_moved "$changes" || fail "$key did not move the focus on from $(focused)"
    done
    fail "$key did not reach $wanted"
}

main_title="Psychrometric chart - English Units"
window_titled() { xdotool search --onlyvisible --name "^$1\$" | head -n 1; }
wait_for_window() {
    wait_until window_titled "$1" || fail "the window \"$1\" did not open"
    window_titled "$1"
}
window_gone() { ! xdotool search --onlyvisible --name "^$1\$"; }
wait_for_window_gone() { wait_until window_gone "$1" || fail "\"$1\" did not close"; }

hex() { printf '0x%x' "$1"; }
active_is() { xprop -root _NET_ACTIVE_WINDOW | grep -q "$(hex "$1")\$"; }
maximized() { xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ; }

main="$(wait_for_window "$main_title")"
wait_until maximized "$main" || fail "the main window was not maximized"
wait_until active_is "$main" || fail "the main window did not take the keyboard"
wait_until grep -q "^$main_title/" "$focus_log" || fail "no control of the main window took the focus"
read -r main_top main_width main_height <<<"$(xwininfo -id "$main" \
    | awk '/Absolute upper-left Y/ {top = $NF} /^  Width/ {width = $NF} /^  Height/ {height = $NF}
           END {print top, width, height}')"

# Left, top, right and bottom of the window with its frame, on the screen.
frame_of() {
    local info left top width height extents
    info="$(xwininfo -id "$1")"
    left=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$info")
    top=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$info")
    width=$(awk '/^  Width/ {print $NF}' <<<"$info")
    height=$(awk '/^  Height/ {print $NF}' <<<"$info")
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r l r t b <<<"${extents:-0 0 0 0}"
    echo "$((left - l)) $((top - t)) $((left + width + r)) $((top + height + b))"
}

# Clicks at a point of the window's own area.
click_in() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    wm_caught_up
}

# The chart near the main window's bottom corners, below the band of controls
# however many rows it takes: points of the window's own area.
chart_left=(60 $((main_height - 40)))
chart_right=($((main_width - 44)) $((main_height - 40)))

# Gives a control of the main window the keyboard: a click on the chart, then
# Tab (or the key given) until the control has the focus.
focus_main() {
    xdotool mousemove --window "$main" "${chart_left[@]}" click 1
    wait_until active_is "$main" || fail "the main window did not take the keyboard"
    wait_for_focus "$main_title/surfaceWidget"
    tab_to "$main_title/$1" "${2:-Tab}"
}

# Position of the window in the desktop's stacking order, bottom first.
stacking_place() {
    xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g' | tr ' ' '\n' | grep -n -x "$(hex "$1")" \
        | cut -d: -f1
}

in_front_of() {
    local above below
    above="$(stacking_place "$1")"
    below="$(stacking_place "$2")"
    [ -n "$above" ] && [ -n "$below" ] && [ "$above" -gt "$below" ]
}

overlaps() { # two rectangles: left top right bottom each
    [ "$1" -lt "$7" ] && [ "$5" -lt "$3" ] && [ "$2" -lt "$8" ] && [ "$6" -lt "$4" ]
}

# Clicks the chart where the child does not lie, then checks the child.
check_child() {
    local child="$1" title="$2"
    local frame
    frame="$(frame_of "$child")"
    read -r left top right bottom <<<"$frame"
    [ "$left" -ge 0 ] && [ "$top" -ge 0 ] && [ "$right" -le 1024 ] && [ "$bottom" -le 768 ] \
        || fail "\"$title\" lies off the screen: $frame"
    # The program places it centred over the main window.
    local main_left main_top_edge main_right main_bottom
    read -r main_left main_top_edge main_right main_bottom <<<"$(frame_of "$main")"
    local dx=$(((left + right - main_left - main_right) / 2)) dy=$(((top + bottom - main_top_edge - main_bottom) / 2))
    [ "${dx#-}" -le 10 ] && [ "${dy#-}" -le 10 ] \
        || fail "\"$title\" is not centred over the main window: $frame, its centre ${dx}, ${dy} off"
    # A point of the chart below the band of controls, clear of the child.
    local point=("${chart_left[@]}")
    local x=${point[0]} y=${point[1]}
    if overlaps "$left" "$top" "$right" "$bottom" $((x - 1)) $((main_top + y - 1)) $((x + 1)) $((main_top + y + 1)); then
        point=("${chart_right[@]}")
    fi
    click_in "$main" "${point[@]}"
    shot "$(tr ' /' '--' <<<"$title")-after-click-on-chart"
    in_front_of "$child" "$main" || fail "\"$title\" went behind the main window"
}

# Closes the child by its close box, or by the key given; the main window
# takes the keyboard back.
close_child() {
    local child="$1" title="$2"
    if [ -n "${3:-}" ]; then
        xdotool key "$3"
    else
        wmctrl -i -c "$(hex "$child")"
    fi
    wait_for_window_gone "$title"
    wait_until active_is "$main" || fail "the main window did not take the keyboard back from \"$title\""
}

# Opens a child window by a command of the main window, pressed by the key
# given (Space by default); the child takes the keyboard.
open_child() {
    local command="$1" title="$2"
    focus_main "$command"
    xdotool key "${3:-space}"
    local child
    child="$(wait_for_window "$title")" || exit 1
    wait_until active_is "$child" || fail "\"$title\" did not take the keyboard"
    wait_until grep -q "^$title/" "$focus_log" || fail "no control of \"$title\" took the focus"
    echo "$child"
}

# The chart-type dialog leaves "Draw chart" and the four limit lists free.
child="$(open_child drawChartButton "Chart type option")"
read -r left top right bottom <<<"$(frame_of "$child")"
! overlaps "$left" "$top" "$right" "$bottom" 0 19 580 70 \
    || fail "\"Chart type option\" covers Draw chart or the chart limits"
check_child "$child" "Chart type option"
close_child "$child" "Chart type option"

# Closed, each gives the keyboard back to its button, but the mixing window,
# whose way out gives it to the chart.
for window in "setPressureButton:Change pressure:setPressureButton" \
    "mixingProblemButton:Mixing problem:surfaceWidget" "viewSavedDataButton:View saved data:viewSavedDataButton"; do
    IFS=: read -r command title focus_after <<<"$window"
    child="$(open_child "$command" "$title")"
    check_child "$child" "$title"
    close_child "$child" "$title"
    wait_for_focus "$main_title/$focus_after"
done

# Draw the standard chart with Enter, give a point and locate it. Once drawn,
# the chart has the focus.
child="$(open_child drawChartButton "Chart type option" Return)"
tab_to "Chart type option/drawChartButton"
xdotool key Return
wait_for_window_gone "Chart type option"
wait_for_focus "$main_title/surfaceWidget"
focus_main firstPropertyValue
xdotool type "75"
focus_main secondPropertyValue shift+Tab
xdotool type "65"
child="$(open_child locatePointButton "Locate point" KP_Enter)"
wait_for_focus "Locate point/locateOnChartButton"
check_child "$child" "Locate point"
close_child "$child" "Locate point"

# A message box of the pressure dialog belongs to it and stays in front.
child="$(open_child setPressureButton "Change pressure")"
tab_to "Change pressure/setButton"
xdotool key Return
box="$(wait_for_window "DELETE")"
shot "pressure-question"
xprop -id "$box" WM_TRANSIENT_FOR | grep -q "$(hex "$child")\$" \
    || fail "the pressure dialog's question does not belong to it"
click_in "$child" 100 20
in_front_of "$box" "$child" || fail "the pressure dialog's question went behind it"
xdotool key Escape
wait_for_window_gone "DELETE"
wait_for_focus "Change pressure/setButton"
close_child "$child" "Change pressure"

# The second of two boxes in a row belongs to the pressure dialog too, and the
# keyboard goes back to the dialog after it. Down chooses "Inches of Hg" in
# the unit list, which has the focus when the dialog opens.
child="$(open_child setPressureButton "Change pressure")"
wait_for_focus "Change pressure/unitList"
xdotool key Down
tab_to "Change pressure/valueBox"
xdotool type "200"
tab_to "Change pressure/setButton"
xdotool key space
wait_for_window "DELETE" >/dev/null
xdotool key y
other_box() { xdotool search --onlyvisible --name "^$main_title\$" | grep -v -x "$main" | head -n 1; }
wait_until other_box || fail "the pressure dialog did not say its value is out of range"
box="$(other_box)"
shot "pressure-out-of-range"
xprop -id "$box" WM_TRANSIENT_FOR | grep -q "$(hex "$child")\$" \
    || fail "the pressure dialog's out-of-range box does not belong to it"
xdotool key Return
wait_until active_is "$child" || fail "the keyboard did not go back to the pressure dialog"
wait_for_focus "Change pressure/setButton"
shot "pressure-after-out-of-range"
close_child "$child" "Change pressure"

# The main window takes input again: its command opens its window, which
# Escape leaves, giving the chart the focus.
child="$(open_child mixingProblemButton "Mixing problem")"
close_child "$child" "Mixing problem" Escape
wait_for_focus "$main_title/surfaceWidget"
shot "end"
echo "1 passed, 0 failed"
