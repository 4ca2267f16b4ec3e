#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
# The wallpaper changer of the real program on a bare X server: a list of a BMP and a JPEG kept with "Change in
# every " 5 min in priority order, slot 5 "Check" in ixo.ini so the changer starts with Ixo; with the clock moved
# to each mark, the root window's background changes in list order (red, blue; round the list again: the changer's
# tests), published for other programs in _XROOTPMAP_ID and ESETROOT_PMAP_ID; clearing leaves black and takes the
# properties away. (The commands on the desktops that have their own setting: the desktop services' tests.)
source "$E2E_LIB"
pictures="$E2E_WORK/Pictures"
mkdir -p "$pictures" && "${WALLPAPER_PROBE:?}" pictures "$pictures" || { echo "e2e: cannot make the test pictures"; exit 1; }
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
root_property_set() {
    xprop -root _XROOTPMAP_ID | grep -q 'pixmap id # 0x' &&
        [ "$(xprop -root _XROOTPMAP_ID | awk '{print $NF}')" = "$(xprop -root ESETROOT_PMAP_ID | awk '{print $NF}')" ]
}

e2e_start_desktop || exit 1
e2e_set_clock "2026-12-06 12:04:55"
e2e_start_ixo
e2e_check "12:05, the first mark: red (the BMP)" e2e_wait_for 20 "red root" e2e_root_is 255 0 0
e2e_check "the root pixmap is published in _XROOTPMAP_ID and ESETROOT_PMAP_ID" root_property_set
e2e_set_clock "2026-12-06 12:09:57"
e2e_check "12:10: blue (the JPEG, converted one change ahead)" e2e_wait_for 15 "blue root" e2e_root_is 0 0 255
kill "$IXO_PID" && wait "$IXO_PID" 2>/dev/null
"${WALLPAPER_PROBE:?}" clear
e2e_check "clearing leaves no picture" e2e_root_is 0 0 0
e2e_check "clearing removes the root pixmap properties" bash -c "xprop -root _XROOTPMAP_ID | grep -q 'not found'"

e2e_summary
