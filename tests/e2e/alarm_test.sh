#!/usr/bin/env bash
# The road of one alarm through the real windows, and Stop and Remove:
# at 19:29:50 the user adds 7:30:00 PM "twice" with the message "Call the garage"; at 19:30:00 a message window
# opens on top with that text and the sound plays exactly twice. Then a "repeat!" alarm plays until Stop (a left
# click on the icon), and Remove ends Ixo with exit code 0 within a second.
source "$E2E_LIB"

e2e_start_desktop || exit 1
e2e_set_clock "2026-12-06 19:29:00"
e2e_start_ixo
e2e_wait_for 20 "tray icon" bash -c '[ -n "$(source "$E2E_LIB"; e2e_tray_icon)" ]' || { e2e_summary; exit 1; }

e2e_check "Alarm Set opens from the tray menu" e2e_open_alarm_set || { e2e_summary; exit 1; }
# Opened in the evening, the AM/PM box is preset to PM.
e2e_set_clock "2026-12-06 19:29:40"
e2e_add_alarm 7 30 00 0 2 "Call the garage"

message=$(e2e_window '^Message  06 Dec 2026 / 07:30 PM$' 40)
e2e_check "at 19:30:00 the message window opens" test -n "$message"
if [ -n "$message" ]; then
    above() { xprop -id "$message" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
    e2e_check "the message window stays on top" above
    e2e_check "it shows the message" \
        test "$(e2e_window_texts '^Message  ')" = "$(printf 'Message  06 Dec 2026 / 07:30 PM\tCall the garage at 19:30:00')"
fi
# The ding is 1.5 s: two plays are over well within 6 s.
two_bursts() { [ "$(e2e_sound_bursts)" = 2 ]; }
e2e_check "the sound played exactly twice" e2e_wait_for 8 "two bursts" two_bursts
sleep 2
e2e_check "and not a third time" two_bursts

# OK closes the message window; the Alarm Set window is closed (hidden) and opened again from the tray.
if [ -n "$message" ]; then
    xdotool windowactivate --sync "$message" key --delay 100 Return
    e2e_check "OK closes the message window" \
        e2e_wait_for 5 "message window to close" bash -c "! xdotool search --onlyvisible --name '^Message  '"
fi
xdotool windowactivate --sync "$win" key alt+F4
e2e_wait_for 5 "Alarm Set to hide" bash -c "! xdotool search --onlyvisible --name '^Tindalo Alarm Clock'"
e2e_check "Alarm Set opens again" e2e_open_alarm_set || { e2e_summary; exit 1; }
e2e_check "the list is saved through the file chooser" e2e_save_as after
e2e_check "the fired alarm and its message left the lists (saved list is empty)" \
    test -f "$E2E_PROG/after.dat" -a ! -s "$E2E_PROG/after.dat"
xdotool windowactivate --sync "$win"
sleep 0.3
for i in $(seq 16); do xdotool key --delay 40 shift+Tab; done # from the save button back to the hour box

# A repeating alarm keeps sounding until Stop.
e2e_set_clock "2026-12-06 19:31:40"
e2e_add_alarm 7 32 00 0 4
growing_after() { [ "$(e2e_sound_bursts)" -ge "$1" ]; }
e2e_check "a repeat! alarm plays again and again" e2e_wait_for 40 "repeats" growing_after 5
e2e_left_click_icon
sleep 1
before=$(e2e_sound_bursts)
sleep 3
e2e_check "Stop (left click on the icon) silences it" test "$(e2e_sound_bursts)" = "$before"

ended() { ! kill -0 "$IXO_PID" 2>/dev/null; }
# A click xdotool sends to a menu is now and then not delivered; the menu is tried again then.
for attempt in 1 2 3; do
    e2e_menu Remove
    e2e_wait_for 1 "ixo to end" ended && break
done
e2e_check "Remove ends the program within a second" ended
wait "$IXO_PID"
code=$?
e2e_check "exit code is 0 (was $code)" test "$code" -eq 0

e2e_summary
