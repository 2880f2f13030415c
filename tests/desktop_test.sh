#!/usr/bin/env bash
# The program on a desktop with a window manager: Xvfb at 1024x768 under
# openbox. Each child window, opened by its button, must open centred over the
# main window, stay in front of it when the user clicks the chart beside it, lie
# on the screen and, closed by its close box, give the main window its input
# back. A message box that a child raises belongs to that child and stays in
# front of it, the second of two in a row too, and the keyboard goes back to
# the child after it. Each command is reached by its place in its window's
# keyboard order, never by where it lies.
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

# Runs the command until it succeeds, for at most five seconds.
wait_until() {
    for _ in $(seq 100); do
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
openbox --sm-disable 2>"$work/openbox.log" &
pids+=($!)
wait_until xprop -root -notype _NET_SUPPORTING_WM_CHECK || fail "openbox did not start"
sleep 0.2

# The program runs from a folder of its own, where its run data file lies.
cp "$program" "$work/psychart"
(cd "$work" && exec ./psychart) 2>"$work/program.log" &
pids+=($!)

window_titled() { xdotool search --onlyvisible --name "^$1\$" | head -n 1; }
wait_for_window() {
    wait_until window_titled "$1" || fail "the window \"$1\" did not open"
    window_titled "$1"
}
main="$(wait_for_window "Psychrometric chart - English Units")"
sleep 0.3
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
click_in() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.1; }

hex() { printf '0x%x' "$1"; }
active_is() { xprop -root _NET_ACTIVE_WINDOW | grep -q "$(hex "$1")\$"; }

# The chart near the main window's bottom corners, below the band of controls
# however many rows it takes: points of the window's own area.
chart_left=(60 $((main_height - 40)))
chart_right=($((main_width - 44)) $((main_height - 40)))

# The main window's keyboard order: the chart comes last in it, so Tab goes
# from the chart on to the commands in the order they stand in the band, and
# Shift+Tab goes back from it past the chart's scroll area to the point's
# controls.
after_chart=("Draw chart" "Clear chart" "Save chart" "Set/reset atmos pressure" "Mixing problem" "View saved data")
before_chart=("chart scroll area" "Locate point" "point identification" "second value" "first value")

# The place of the first word in the list of the others, from 1.
place_in() {
    local wanted="$1" place=0 word
    shift
    for word in "$@"; do
        place=$((place + 1))
        [ "$word" = "$wanted" ] && echo "$place" && return 0
    done
    return 1
}

# Gives a control of the main window the keyboard, then presses the keys that
# follow: a click on the chart, then Tab or Shift+Tab to the control.
focus_main() {
    local control="$1" step count
    shift
    if count="$(place_in "$control" "${after_chart[@]}")"; then
        step=Tab
    elif count="$(place_in "$control" "${before_chart[@]}")"; then
        step=shift+Tab
    else
        fail "the main window has no control \"$control\" in its keyboard order"
    fi
    xdotool mousemove --window "$main" "${chart_left[@]}" click 1
    wait_until active_is "$main" || fail "the main window did not take the keyboard"
    local keys=()
    for _ in $(seq "$count"); do keys+=("$step"); done
    xdotool key "${keys[@]}" "$@"
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

close_child() {
    local child="$1" title="$2"
    wmctrl -i -c "$(hex "$child")"
    wait_until bash -c "! xdotool search --onlyvisible --name '^$title\$'" || fail "\"$title\" did not close"
    sleep 0.2
}

open_child() {
    local command="$1" title="$2"
    focus_main "$command" space
    local child
    child="$(wait_for_window "$title")" || exit 1
    sleep 0.2
    echo "$child"
}

# The chart-type dialog leaves "Draw chart" and the four limit lists free.
child="$(open_child "Draw chart" "Chart type option")"
read -r left top right bottom <<<"$(frame_of "$child")"
! overlaps "$left" "$top" "$right" "$bottom" 0 19 580 70 \
    || fail "\"Chart type option\" covers Draw chart or the chart limits"
check_child "$child" "Chart type option"
close_child "$child" "Chart type option"

for window in "Set/reset atmos pressure:Change pressure" "Mixing problem:Mixing problem" \
    "View saved data:View saved data"; do
    child="$(open_child "${window%%:*}" "${window#*:}")"
    check_child "$child" "${window#*:}"
    close_child "$child" "${window#*:}"
done

# Draw the standard chart, give a point and locate it. The chart-type dialog
# opens with the focus on the chosen chart type, and Tab goes on past the other
# type to Draw chart.
child="$(open_child "Draw chart" "Chart type option")"
xdotool key Tab space
wait_until bash -c "! xdotool search --onlyvisible --name '^Chart type option\$'" || fail "the chart was not drawn"
focus_main "first value"
xdotool type "75"
focus_main "second value"
xdotool type "65"
child="$(open_child "Locate point" "Locate point")"
check_child "$child" "Locate point"
close_child "$child" "Locate point"

# A message box of the pressure dialog belongs to it and stays in front.
# The dialog opens with the focus on its unit list; the value box takes no
# input for the standard pressure, so Tab goes on to Set.
child="$(open_child "Set/reset atmos pressure" "Change pressure")"
xdotool key Tab space
box="$(wait_for_window "DELETE")"
shot "pressure-question"
xprop -id "$box" WM_TRANSIENT_FOR | grep -q "$(hex "$child")\$" \
    || fail "the pressure dialog's question does not belong to it"
click_in "$child" 100 20
in_front_of "$box" "$child" || fail "the pressure dialog's question went behind it"
xdotool key Escape
wait_until bash -c "! xdotool search --onlyvisible --name '^DELETE\$'" || fail "the question did not close"
close_child "$child" "Change pressure"

# The second of two boxes in a row belongs to the pressure dialog too, and the
# keyboard goes back to the dialog after it. The dialog opens with the focus
# on its unit list: Down chooses "Inches of Hg", Tab goes to the value box and
# on to Set.
child="$(open_child "Set/reset atmos pressure" "Change pressure")"
xdotool key Down Tab
xdotool type "200"
xdotool key Tab space
wait_for_window "DELETE" >/dev/null
xdotool key y
other_box() { xdotool search --onlyvisible --name "^Psychrometric chart - English Units\$" | grep -v -x "$main" | head -n 1; }
wait_until other_box || fail "the pressure dialog did not say its value is out of range"
box="$(other_box)"
shot "pressure-out-of-range"
xprop -id "$box" WM_TRANSIENT_FOR | grep -q "$(hex "$child")\$" \
    || fail "the pressure dialog's out-of-range box does not belong to it"
xdotool key Return
wait_until active_is "$child" || fail "the keyboard did not go back to the pressure dialog"
shot "pressure-after-out-of-range"
close_child "$child" "Change pressure"

# The main window takes input again: its command opens its window.
child="$(open_child "Mixing problem" "Mixing problem")"
close_child "$child" "Mixing problem"
shot "end"
echo "1 passed, 0 failed"
