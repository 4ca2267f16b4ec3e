#!/usr/bin/env bash
# Missed events: "my.dat" loads at start-up (automatic load on) with two events a few seconds ahead; the clock
# is disabled from the tray while they pass and enabled again: each fires once, late, in its own message window
# that says when it was due, without sound.
source "$E2E_LIB"

now=$(date +%s)
if [ "$(date -d "@$((now + 90))" +%H)" = 00 ]; then
    echo "missed events: too close to midnight for events later today"; e2e_summary; exit 0
fi
t1=$(date -d "@$((now + 15))" +%H:%M:%S)
t2=$(date -d "@$((now + 17))" +%H:%M:%S)
printf '"once %s"\r\n"thrice %s"\r\n' "$t1" "$t2" >"$E2E_PROG/my.dat"
# Slot 4 of ixo.ini: "[Setting]", sound on, error messages on, "ALAEOn" (load my.dat at start-up).
{ head -c 153 /dev/zero; printf '%-17s\001\000\001\000%-30s' '[Setting]' 'ALAEOnDCWSOfUISPOfISOMOf'; } \
    >"$E2E_PROG/ixo.ini"

e2e_start_desktop || exit 1
e2e_start_ixo
e2e_wait_for 20 "tray icon" bash -c '[ -n "$(source "$E2E_LIB"; e2e_tray_icon)" ]' || { e2e_summary; exit 1; }
e2e_menu Disable
sleep $((now + 19 - $(date +%s)))
e2e_check "nothing fires while disabled" test -z "$(xdotool search --onlyvisible --name '^Message  ')"
e2e_menu Disable

two_windows() { [ "$(xdotool search --onlyvisible --name '^Message  ' | wc -l)" -eq 2 ]; }
e2e_check "after enabling, both events fire late (by the next second 0)" e2e_wait_for 70 "two message windows" two_windows
sleep 2
e2e_check "each fires once" two_windows
late_texts() { e2e_window_texts '^Message  ' | cut -f2 | sort; }
e2e_check "each says when it was due" test "$(late_texts)" = "$(printf 'alarm at %s\nalarm at %s' "$t1" "$t2")"
e2e_check "late events make no sound" test "$(e2e_sound_bursts)" = 0

e2e_summary
