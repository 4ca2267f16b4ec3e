#!/usr/bin/env bash
# The tray icon appears with its tip, a right click opens the menu, and Remove ends Ixo with exit code 0.
source "$E2E_LIB"

e2e_start_desktop || exit 1
e2e_set_clock "2026-12-06 09:00:00"
e2e_start_ixo

icon=""
find_icon() { icon=$(e2e_tray_icon); [ -n "$icon" ]; }
e2e_check "tray icon embedded in the tray host" e2e_wait_for 20 "tray icon" find_icon || { e2e_summary; exit 1; }

menu=""
find_menu() { menu=$(e2e_popup_menu); [ -n "$menu" ]; }
right_click_opens_menu() {
    local attempt
    # The icon may be mapped a moment before it takes clicks (more so on a busy machine).
    for attempt in 1 2 3 4 5; do
        read -r ix iy iw ih < <(e2e_geometry "$icon")
        xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) click 3
        e2e_wait_for 4 "popup menu" find_menu && return 0
    done
    return 1
}
e2e_check "right click opens the popup menu" right_click_opens_menu || { e2e_summary; exit 1; }

# A second start in the same session refuses politely, so alarms never fire twice.
second=$("$E2E_PROG/ixo" 2>&1)
e2e_check "second instance exits 0 saying so" test $? -eq 0 -a "$second" = "Ixo is already running"

# Remove is the last item of the menu.
read -r mx my mw mh < <(e2e_geometry "$menu")
xdotool mousemove $((mx + mw / 3)) $((my + mh - 11)) click 1
ended() { ! kill -0 "$IXO_PID" 2>/dev/null; }
e2e_check "Remove ends the program" e2e_wait_for 5 "ixo to end" ended
wait "$IXO_PID"
code=$?
e2e_check "exit code is 0 (was $code)" test "$code" -eq 0

e2e_summary
