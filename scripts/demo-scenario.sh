#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
# The demo, run by scripts/demo under tests/e2e/run-e2e: Ixo on a private desktop, an alarm set a few seconds
# ahead through the real windows, and what a user would see and hear saved into $DEMO_OUT.
source "$E2E_LIB"
out=${DEMO_OUT:?}

e2e_start_desktop || exit 1
# Ixo's clock starts on a morning of its own, whatever the machine's clock says.
e2e_set_clock "2026-12-06 07:29:00"
e2e_start_ixo
e2e_wait_for 20 "tray icon" bash -c '[ -n "$(source "$E2E_LIB"; e2e_tray_icon)" ]' || exit 1

# The tray menu, held open for its picture.
icon=$(e2e_tray_icon)
read -r ix iy iw ih < <(e2e_geometry "$icon")
xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) click 3
e2e_wait_for 5 "tray menu" bash -c '[ -n "$(source "$E2E_LIB"; e2e_popup_menu)" ]' && sleep 0.3 &&
    import -window root -crop 260x230+764+0 +repage "$out/tray-menu.png" && echo "demo: $out/tray-menu.png"
xdotool key Escape
sleep 0.5

e2e_menu "Alarm Set"
win=$(e2e_window '^Tindalo Alarm Clock' 10) || exit 1
xdotool windowactivate --sync "$win"
sleep 0.5
# An alarm 15 seconds ahead ("twice", with a message): 7:30:00 AM, the AM/PM box preset to AM in the morning.
e2e_set_clock "2026-12-06 07:29:45"
e2e_add_alarm 7 30 00 0 2 "Time for the demo" || exit 1
sleep 0.5
import -window "$win" "$out/alarm-set.png" && echo "demo: $out/alarm-set.png"

message=$(e2e_window '^Message  ' 30) || { echo "demo: the alarm did not go off"; exit 1; }
sleep 4
import -window "$message" "$out/message-window.png" && echo "demo: $out/message-window.png"
xdotool windowactivate --sync "$message" key Return
sleep 1
# The Settings and wallpaper windows.
e2e_menu Settings
if w=$(e2e_window '^Settings$' 10); then
    sleep 0.5
    import -window "$w" "$out/settings.png" && echo "demo: $out/settings.png"
    xdotool windowactivate --sync "$w" key alt+F4
fi
e2e_menu Wallpaper
if w=$(e2e_window 'Change Wallpaper$' 10); then
    sleep 0.5
    import -window "$w" "$out/wallpaper.png" && echo "demo: $out/wallpaper.png"
    xdotool windowactivate --sync "$w" key alt+F4
fi
sox -t raw -r 44100 -e signed -b 16 -c 2 "$SDL_DISKAUDIOFILE" "$out/alarm.wav" 2>/dev/null && echo "demo: $out/alarm.wav"
e2e_menu Remove
wait "$IXO_PID"
