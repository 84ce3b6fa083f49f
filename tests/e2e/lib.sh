# shellcheck shell=bash
# Helpers of the end-to-end test: steps, waits with a deadline, screenshots, pixels and
# real X input through xdotool. Sourced by pupil_session.sh; needs OUT (output folder).

STEP="start"
E2E_POLL=0.05

step() {
    STEP=$1
    printf '[%5.1fs] %s\n' "$(awk "BEGIN{printf \"%.1f\", $EPOCHREALTIME - ${E2E_T0:-$EPOCHREALTIME}}")" "$STEP"
}

shot() { import -window root "$1" 2>/dev/null; }

fail() {
    echo "FAILED at step \"$STEP\": $*" >&2
    if [ -n "${APP_PID:-}" ]; then
        local w
        for w in $(visible_windows); do
            echo "  window $w \"$(title_of "$w")\" $(xdotool getwindowgeometry "$w" 2>/dev/null | tr -s '\n ' ' ')" >&2
        done
        echo "  keyboard focus: $(xdotool getwindowfocus 2>/dev/null)" >&2
    fi
    if [ -s "$OUT/tavir.log" ]; then
        echo "  the program's last output:" >&2
        tail -n 20 "$OUT/tavir.log" | sed 's/^/    /' >&2
    fi
    shot "$OUT/failure.png" && echo "last screenshot: $OUT/failure.png" >&2
    exit 1
}

# wait_for SECONDS DESCRIPTION COMMAND...: polls COMMAND until it succeeds. The deadline is
# stretched by E2E_TIME_FACTOR (default 3) for slow builds and busy machines; a passing
# condition returns at once whatever it is.
wait_for() {
    local seconds=$(($1 * ${E2E_TIME_FACTOR:-3})) what=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        ((SECONDS < deadline)) || fail "timed out after ${seconds}s waiting for $what"
        sleep "$E2E_POLL"
    done
}

# --- windows --------------------------------------------------------------------------

# Visible top-level windows of the program whose title matches the regular expression.
window_named() { xdotool search --all --onlyvisible --pid "$APP_PID" --name "$1" 2>/dev/null | head -1; }
window_shown() { [ -n "$(window_named "$1")" ]; }
window_gone() { [ -z "$(window_named "$1")" ]; }

# Every visible window of the program, popups (menus) included.
visible_windows() { xdotool search --all --onlyvisible --pid "$APP_PID" --name "" 2>/dev/null | sort; }
popup_count() { visible_windows | wc -l; }
more_windows_than() { [ "$(popup_count)" -gt "$1" ]; }
windows_back_to() { [ "$(popup_count)" -le "$1" ]; }

# x y of a window's top-left corner on the screen.
window_origin() {
    xdotool getwindowgeometry --shell "$1" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}'
}
focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
title_of() { xdotool getwindowname "$1" 2>/dev/null; }
title_is() { [ "$(title_of "$1")" = "$2" ]; }

# --- pixels ---------------------------------------------------------------------------

# "r,g,b" of the screen pixel at x y.
pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
        sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -1
}
pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; }
pixel_is_not() { local p; p=$(pixel "$1" "$2"); [ -n "$p" ] && [ "$p" != "$3" ]; }

# crop FILE X Y W H: saves that part of the screen.
crop() { import -window root -crop "${4}x${5}+${2}+${3}" +repage "$1" 2>/dev/null; }

# Number of pixels that differ by more than the fuzz between two pictures of one size.
pixels_differing() { compare -metric AE -fuzz 12% "$1" "$2" null: 2>&1 >/dev/null | cut -d' ' -f1; }

# --- input ----------------------------------------------------------------------------

# Moves the pointer there in small steps (Qt reads drags from motion events).
glide() {
    local x=$1 y=$2 steps=${3:-8} from fx fy i
    from=$(xdotool getmouselocation --shell)
    fx=$(sed -n 's/^X=//p' <<<"$from")
    fy=$(sed -n 's/^Y=//p' <<<"$from")
    for ((i = 1; i <= steps; i++)); do
        xdotool mousemove $((fx + (x - fx) * i / steps)) $((fy + (y - fy) * i / steps))
        sleep 0.02
    done
}

# drag X1 Y1 X2 Y2: left button down at the first point, glide, up at the second.
drag() {
    xdotool mousemove "$1" "$2"
    sleep 0.05
    xdotool mousemove "$(($1 + 1))" "$2" mousemove "$1" "$2"
    xdotool mousedown 1
    glide "$3" "$4" 10
    xdotool mousemove "$(($3 + 1))" "$4" mousemove "$3" "$4"
    sleep 0.05
    xdotool mouseup 1
}

# click X Y [BUTTON]. With no window manager, Qt takes a click on a window that was mapped
# or unmapped under a still pointer only once the pointer has entered it: so the pointer
# first leaves for the screen's corner, where no window is, and comes back.
click_at() {
    xdotool mousemove 0 0
    xdotool mousemove "$(($1 + 1))" "$(($2 + 1))" mousemove "$1" "$2"
    xdotool click "${3:-1}"
}

key() { xdotool key --clearmodifiers "$@"; }
