#!/usr/bin/env bash
# The tray icon appears, and a second start or one without a display is refused (the menu the icon opens is every
# other scenario's way in; Remove and its exit code are the alarm scenario's).
source "$E2E_LIB"

e2e_start_desktop || exit 1
e2e_set_clock "2026-12-06 09:00:00"
e2e_start_ixo

e2e_check "tray icon embedded in the tray host" \
    e2e_wait_for 20 "tray icon" bash -c '[ -n "$(source "$E2E_LIB"; e2e_tray_icon)" ]' || { e2e_summary; exit 1; }

# A second start in the same session refuses politely, so alarms never fire twice.
second=$("$E2E_PROG/ixo" 2>&1)
e2e_check "second instance exits 0 saying so" test $? -eq 0 -a "$second" = "Ixo is already running"

# Without any display Ixo says so and exits 2 instead of aborting.
nodisplay=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$E2E_PROG/ixo" 2>&1)
e2e_check "no display: exit code 2 with one clear line" \
    test $? -eq 2 -a "$nodisplay" = "Ixo needs a graphical desktop (no display found)"

e2e_summary
