# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
# Helpers for end-to-end scenarios; sourced by a scenario that runs under run-e2e.
# Every process started here is recorded and stopped by its id when the scenario exits.

e2e_pids=()
e2e_passed=0
e2e_failed=0

e2e_stop_all() {
    kill "${e2e_pids[@]}" 2>/dev/null
    wait "${e2e_pids[@]}" 2>/dev/null
}
trap e2e_stop_all EXIT

# Starts the window manager, the tray host and the accessibility bus, through which scenarios read the texts
# Ixo's windows show (Qt joins that bus only if it is up when the program starts).
e2e_start_desktop() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null ||
        echo "e2e: the accessibility bus did not start; window texts cannot be read"
    openbox >"$E2E_WORK/openbox.log" 2>&1 &
    e2e_pids+=($!)
    trayer --edge top --align right --widthtype request --height 24 --transparent false \
        >"$E2E_WORK/trayer.log" 2>&1 &
    e2e_pids+=($!)
    e2e_wait_for 10 "tray host" xdotool search --class trayer
}

# Ixo always runs on a faked clock (libfaketime) that the scenario starts at a date and time of its own choosing:
# e2e_set_clock "YYYY-MM-DD HH:MM:SS" before e2e_start_ixo. From then on Ixo's clock runs at real pace from that
# time; called again while Ixo runs, the clock jumps, as after a suspend or a clock change (timers keep real time).
# libfaketime takes the clock as an offset from the real one, so the real time is read here with the preload
# library left out: the whole suite may itself run under faketime, whose settings are not passed on to Ixo.
e2e_set_clock() {
    local target
    target=$(LD_PRELOAD= date -d "$1" +%s) || return 1
    printf '%+d\n' $((target - $(LD_PRELOAD= date +%s))) >"$E2E_WORK/faketime"
}

# Starts Ixo from the program folder on the scenario's faked clock; sets IXO_PID. The times of files are left
# real (NO_FAKE_STAT): shifted, they made Ixo's start-up slower whenever the clock was moved. E2E_PRELOAD, when set,
# is preloaded before libfaketime (the clock-set shim).
e2e_start_ixo() {
    [ -f "$E2E_WORK/faketime" ] || { echo "e2e: the scenario starts Ixo without setting its clock"; return 1; }
    (
        unset $(compgen -e | grep '^FAKETIME')
        export FAKETIME_TIMESTAMP_FILE="$E2E_WORK/faketime" FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1 \
            NO_FAKE_STAT=1 \
            LD_PRELOAD="${E2E_PRELOAD:+$E2E_PRELOAD }$(ls /usr/lib/*/faketime/libfaketime.so.1 | head -n1)"
        exec "$E2E_PROG/ixo"
    ) >>"$E2E_WORK/ixo.log" 2>&1 &
    IXO_PID=$!
    e2e_pids+=($IXO_PID)
}

# e2e_start "YYYY-MM-DD HH:MM:SS": the desktop, then Ixo on a clock starting at that time; waits for its tray icon.
# A scenario that does not get so far ends there, failed.
e2e_start() {
    e2e_start_desktop || exit 1
    e2e_set_clock "$1"
    e2e_start_ixo
    e2e_wait_for 20 "tray icon" e2e_tray_icon || { e2e_summary; exit 1; }
}

# Counts the bursts of sound Ixo has played so far (SDL's disk driver output).
e2e_sound_bursts() {
    /usr/bin/python3 "$(dirname "$E2E_LIB")/pcm_bursts.py" "$SDL_DISKAUDIOFILE"
}

# e2e_wait_for SECONDS WHAT COMMAND...: runs COMMAND until it succeeds, for at most SECONDS.
e2e_wait_for() {
    local limit=$1 what=$2
    shift 2
    local deadline=$((SECONDS + limit))
    while [ $SECONDS -lt $deadline ]; do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.2
    done
    echo "e2e: timed out waiting for $what"
    return 1
}

# e2e_root_is R G B: the middle of the root window (1024 x 768) has about this colour.
e2e_root_is() {
    local r g b
    IFS='(,)' read -r _ _ r g b _ < <(import -window root -crop 1x1+512+384 -depth 8 txt:- 2>/dev/null | tail -n1)
    [ -n "$b" ] && [ $(( (r - $1) * (r - $1) + (g - $2) * (g - $2) + (b - $3) * (b - $3) )) -le 300 ] ||
        { echo "  root pixel is $r $g $b, expected $1 $2 $3"; return 1; }
}

# Prints "X Y W H" of the window with id $1 (absolute position).
e2e_geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
                             /Width:/{w=$NF} /Height:/{h=$NF} END{print x, y, w, h}'
}

# The id of Ixo's tray icon: its window embedded in the tray host's panel, once mapped (it takes no clicks before).
e2e_tray_icon() {
    local id
    id=$(xwininfo -root -tree | awk '/"panel": \("panel" "trayer"\)/{p=1} p && /"Ixo": \("ixo" "Ixo"\)/{print $1; exit}')
    [ -n "$id" ] && xwininfo -id "$id" | grep -q 'Map State: IsViewable' && echo "$id"
}

# The id of Ixo's popup menu, when shown: a top-level Ixo window, mapped, with a menu's size. Qt creates the
# menu's window a moment before it maps and places it (still 640x480 at 0,0), and the menu is only taken once
# it is on screen.
e2e_popup_menu() {
    local id
    for id in $(xwininfo -root -children | awk '/"Ixo": \("ixo" "Ixo"\)/ && $0 !~ /1x1\+/ {print $1}'); do
        xwininfo -id "$id" | grep -q 'Map State: IsViewable' && { echo "$id"; return 0; }
    done
    return 1
}

e2e_check() {
    local name=$1
    shift
    if "$@"; then
        echo "PASS: $name"
        e2e_passed=$((e2e_passed + 1))
    else
        echo "FAIL: $name"
        e2e_failed=$((e2e_failed + 1))
        command -v import >/dev/null && import -window root "$E2E_WORK/fail-$e2e_failed.png" 2>/dev/null
        return 1
    fi
}

# Prints "N passed, M failed"; fails when a check failed or none was made.
e2e_summary() {
    echo "$e2e_passed passed, $e2e_failed failed"
    [ $e2e_failed -eq 0 ] && [ $e2e_passed -gt 0 ]
}

# e2e_skip REASON: ends a scenario that cannot run on this machine; it is counted as skipped, not passed.
e2e_skip() {
    echo "skipped: $1"
    exit 77
}

# e2e_menu ITEM: opens the tray menu with a right click on the icon and clicks ITEM (About, "Alarm Set", Schedule,
# Settings, Wallpaper, Help, Stop, Disable or Remove) where the menu draws it: the items' centres as measured on the
# 204-pixel-high menu, scaled to the menu's real height. The icon may be embedded a moment before it takes clicks,
# and a click is now and then not delivered: until the menu has closed on the item, it is tried again.
e2e_menu() {
    local offset
    case "$1" in
    About) offset=10 ;; "Alarm Set") offset=34 ;; Schedule) offset=56 ;; Settings) offset=78 ;;
    Wallpaper) offset=100 ;; Help) offset=124 ;; Stop) offset=146 ;; Disable) offset=170 ;; Remove) offset=192 ;;
    *) echo "e2e: no menu item $1"; return 1 ;;
    esac
    local icon menu attempt
    find_menu_now() { menu=$(e2e_popup_menu); }
    for attempt in 1 2 3 4 5; do
        icon=$(e2e_tray_icon)
        [ -n "$icon" ] || { sleep 1; continue; }
        read -r ix iy iw ih < <(e2e_geometry "$icon")
        xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) click 3
        e2e_wait_for 5 "tray menu" find_menu_now || continue
        read -r mx my mw mh < <(e2e_geometry "$menu")
        xdotool mousemove $((mx + mw / 3)) $((my + offset * mh / 204))
        sleep 0.2
        xdotool click 1
        e2e_wait_for 3 "the menu to close" bash -c "! xwininfo -id $menu 2>/dev/null | grep -q IsViewable" &&
            return 0
        xdotool key Escape
    done
    echo "e2e: the menu item $1 could not be clicked"
    return 1
}

# e2e_window TITLE-REGEX [SECONDS]: waits for a visible window whose title matches; prints its id.
e2e_window() {
    local deadline=$((SECONDS + ${2:-10}))
    until xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 | grep .; do
        [ $SECONDS -lt $deadline ] && sleep 0.2 || return 1
    done
}

# e2e_open_alarm_set: the Alarm Set window from the tray menu, activated, the cursor in its hour box; sets win.
e2e_open_alarm_set() {
    e2e_menu "Alarm Set"
    win=$(e2e_window '^Tindalo Alarm Clock' 10) || return 1
    xdotool windowactivate --sync "$win"
    sleep 0.5
}

# e2e_expect WHAT "CODE|STDOUT|STDERR" ARGUMENT...: runs ixo ARGUMENT... as a script would, with no display, and checks
# its exit code, standard output (its lines joined by "/") and standard error.
e2e_expect() {
    local out code got
    out=$(env -u DISPLAY "$E2E_PROG/ixo" "${@:3}" 2>"$E2E_WORK/err")
    code=$?
    got="$code|${out//$'\n'//}|$(cat "$E2E_WORK/err")"
    e2e_check "$1" test "$got" = "$2" || echo "  got '$got'"
}

# e2e_window_texts TITLE-REGEX: one line per Ixo window whose title matches, "title<TAB>text of its text boxes".
e2e_window_texts() {
    /usr/bin/python3 "$(dirname "$E2E_LIB")/window_text.py" "$1" 2>>"$E2E_WORK/a11y.log"
}

# e2e_add_alarm HOUR MIN SEC TOGGLE-AMPM WORD [MESSAGE]: types an alarm into the focused Alarm Set window, whose
# focus is in the hour box. TOGGLE-AMPM is 1 to switch AM/PM once, 0 to keep the preset; WORD is 1 once, 2 twice,
# 3 thrice or 4 repeat!: the play-times box is first taken to its top with Up, then moved down, so the result does
# not depend on the word chosen before. With MESSAGE the alarm is added with a message, typed into the Input
# Message window and saved.
e2e_add_alarm() {
    local k="xdotool key --delay 60" t="xdotool type --delay 60" i
    $k End BackSpace BackSpace BackSpace; $t "$1"; $k Tab
    $k End BackSpace BackSpace BackSpace; $t "$2"; $k Tab
    $k End BackSpace BackSpace BackSpace; $t "$3"; $k Tab
    [ "$4" = 1 ] && $k space
    $k Tab Tab
    sleep 0.2
    $k Down Up Up Up Up Up
    for i in $(seq 2 "$5"); do $k Down; done
    sleep 0.2
    if [ -z "${6:-}" ]; then
        $k Return
        return 0
    fi
    $k Tab Tab space
    local input
    input=$(e2e_window '^Input Message$' 10) || return 1
    xdotool windowactivate --sync "$input"
    sleep 0.3
    $t "$6"
    $k Tab space
    e2e_wait_for 10 "Input Message to close" bash -c "! xdotool search --onlyvisible --name '^Input Message$'"
}

# e2e_chooser TABS NAME: in the Alarm Set window, the button TABS Tabs on opens the file chooser; NAME is typed into
# its name box.
e2e_chooser() {
    local k="xdotool key --delay 60"
    $k $(printf 'Tab %.0s' $(seq "$1")) space
    xdotool windowactivate --sync "$(e2e_window '^ Load Data From Files' 10)" || return 1
    sleep 0.3
    $k Tab # from the file list to the name box
    xdotool type --delay 60 "$2"
}
