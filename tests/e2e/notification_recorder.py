#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
# A notification server for end-to-end scenarios: owns org.freedesktop.Notifications on the session bus and writes
# each call to FILE, "notify ID<TAB>summary<TAB>body<TAB>actions<TAB>urgency<TAB>suppress-sound<TAB>timeout" or
# "close ID". test.Recorder.Invoke(ID, ACTION) answers as a user's click on a button, with ActionInvoked.
# Usage: notification_recorder.py FILE
import sys

import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

IFACE = "org.freedesktop.Notifications"
out = open(sys.argv[1], "a", buffering=1)


class Recorder(dbus.service.Object):
    @dbus.service.method(IFACE, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        self.last = replaces or getattr(self, "last", 0) + 1
        print("notify %d" % self.last, summary, body, ",".join(actions), int(hints.get("urgency", -1)),
              bool(hints.get("suppress-sound")), timeout, sep="\t", file=out)
        return self.last

    @dbus.service.method(IFACE, in_signature="u")
    def CloseNotification(self, nid):
        print("close %d" % nid, file=out)

    @dbus.service.method("test.Recorder", in_signature="us")
    def Invoke(self, nid, action):
        self.ActionInvoked(nid, action)

    @dbus.service.signal(IFACE, signature="us")
    def ActionInvoked(self, nid, action):
        pass


Recorder(dbus.service.BusName(IFACE, dbus.SessionBus(mainloop=DBusGMainLoop())), "/org/freedesktop/Notifications")
GLib.MainLoop().run()
