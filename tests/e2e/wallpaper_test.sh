#!/usr/bin/env bash
# The wallpaper changer on a real X server: a bare window manager gets the picture as the root window's
# background, published for other programs, and loses it on clearing (the colours of the changes, read back with
# xwd, are the real program's in wallpaper_changer_test.sh); GNOME's gsettings keys (light and dark) receive the
# picture's URI.
source "$E2E_LIB"
probe=${WALLPAPER_PROBE:?}
pictures="$E2E_WORK/Pictures"
mkdir -p "$pictures"
"$probe" pictures "$pictures" || { echo "e2e: cannot make the test pictures"; exit 1; }

root_property_set() {
    xprop -root _XROOTPMAP_ID | grep -q 'pixmap id # 0x' &&
        [ "$(xprop -root _XROOTPMAP_ID | awk '{print $NF}')" = "$(xprop -root ESETROOT_PMAP_ID | awk '{print $NF}')" ]
}
root_property_gone() {
    xprop -root _XROOTPMAP_ID | grep -q 'not found'
}

export XDG_CURRENT_DESKTOP=i3
XDG_CURRENT_DESKTOP=i3 "$probe" change "$pictures" 2 red.bmp blue.jpg
e2e_check "bare X: root pixmap published in _XROOTPMAP_ID and ESETROOT_PMAP_ID" root_property_set
XDG_CURRENT_DESKTOP=i3 "$probe" clear
e2e_check "bare X: clearing leaves no picture" e2e_root_is 0 0 0
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
