#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
# The wallpaper changer on a real X server: a bare window manager gets the picture as the root window's
# background (read back with xwd), and GNOME's gsettings keys (light and dark) receive the picture's URI.
source "$E2E_LIB"
probe=${WALLPAPER_PROBE:?}
here=$(dirname "$E2E_LIB")
pictures="$E2E_WORK/Pictures"
mkdir -p "$pictures"
"$probe" pictures "$pictures" || { echo "e2e: cannot make the test pictures"; exit 1; }

# root_is R G B: the middle of the root window has about this colour.
root_is() {
    local got
    got=$(xwd -root -silent | /usr/bin/python3 "$here/root_pixel.py" 512 384) || return 1
    read -r r g b <<<"$got"
    local d=$(( (r - $1) * (r - $1) + (g - $2) * (g - $2) + (b - $3) * (b - $3) ))
    [ $d -le 300 ] || { echo "  root pixel is $got, expected $1 $2 $3"; return 1; }
}
root_property_set() {
    xprop -root _XROOTPMAP_ID | grep -q 'pixmap id # 0x' &&
        [ "$(xprop -root _XROOTPMAP_ID | awk '{print $NF}')" = "$(xprop -root ESETROOT_PMAP_ID | awk '{print $NF}')" ]
}
root_property_gone() {
    xprop -root _XROOTPMAP_ID | grep -q 'not found'
}

export XDG_CURRENT_DESKTOP=i3
XDG_CURRENT_DESKTOP=i3 "$probe" change "$pictures" 1 red.bmp blue.jpg
e2e_check "bare X: first change paints the bitmap on the root window" root_is 255 0 0
e2e_check "bare X: root pixmap published in _XROOTPMAP_ID and ESETROOT_PMAP_ID" root_property_set
XDG_CURRENT_DESKTOP=i3 "$probe" change "$pictures" 2 red.bmp blue.jpg
e2e_check "bare X: second change shows the JPEG converted one change ahead" root_is 0 0 255
XDG_CURRENT_DESKTOP=i3 "$probe" clear
e2e_check "bare X: clearing leaves no picture" root_is 0 0 0
e2e_check "bare X: clearing removes the root pixmap properties" root_property_gone

export GSETTINGS_BACKEND=keyfile
key() { gsettings get org.gnome.desktop.background "$1"; }
XDG_CURRENT_DESKTOP=ubuntu:GNOME "$probe" change "$pictures" 1 red.bmp blue.jpg
e2e_check "GNOME: picture-uri holds the bitmap" test "$(key picture-uri)" = "'file://$pictures/red.bmp'"
e2e_check "GNOME: picture-uri-dark holds the bitmap" test "$(key picture-uri-dark)" = "'file://$pictures/red.bmp'"
XDG_CURRENT_DESKTOP=ubuntu:GNOME "$probe" change "$pictures" 2 red.bmp blue.jpg
shown=$(key picture-uri)
e2e_check "GNOME: the converted JPEG is shown under a new name" \
    test "$shown" != "'file://$pictures/red.bmp'" -a "$(key picture-uri-dark)" = "$shown"
shown_file=${shown#\'file://}
e2e_check "GNOME: the shown file exists" test -f "${shown_file%\'}"
XDG_CURRENT_DESKTOP=GNOME "$probe" clear
e2e_check "GNOME: clearing empties both keys" test "$(key picture-uri)$(key picture-uri-dark)" = "''''"

e2e_summary
