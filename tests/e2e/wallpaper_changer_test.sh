#!/usr/bin/env bash
# The wallpaper changer of the real program on a bare X server: a list of a BMP and a JPEG kept with "Change in
# every " 5 min in priority order, slot 5 "Check" in ixo.ini so the changer starts with Ixo; with the clock moved
# to each mark, the root window's background changes in list order (red, blue, red).
source "$E2E_LIB"
probe=${WALLPAPER_PROBE:?}
pictures="$E2E_WORK/Pictures"
mkdir -p "$pictures"
"$probe" pictures "$pictures" || { echo "e2e: cannot make the test pictures"; exit 1; }
printf '"red.bmp"\r\n"blue.jpg"\r\n' >"$E2E_PROG/Wpaper.dat"
cat >"$E2E_PROG/Wpaper.ini" <<INI
[Wallpaper]
KeepSettings=true
PictureFolder=$pictures
Change=true
Interval=5 min
Random=false
INI
{ head -c 204 /dev/zero; printf '%-17s\000\000\000\000%-30s' '' 'Check'; } >"$E2E_PROG/ixo.ini"
unset XDG_CURRENT_DESKTOP

e2e_start_desktop || exit 1
e2e_set_clock "2026-12-06 12:04:55"
e2e_start_ixo
e2e_check "12:05, the first mark: red (the BMP)" e2e_wait_for 20 "red root" e2e_root_is 255 0 0
e2e_set_clock "2026-12-06 12:09:57"
e2e_check "12:10: blue (the JPEG, converted one change ahead)" e2e_wait_for 15 "blue root" e2e_root_is 0 0 255
e2e_set_clock "2026-12-06 12:14:57"
e2e_check "12:15: back to red" e2e_wait_for 15 "red root again" e2e_root_is 255 0 0
kill "$IXO_PID"

e2e_summary
