#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
"""A notification server for end-to-end scenarios: owns org.freedesktop.Notifications on the session bus and writes
each call to FILE, "notify ID<TAB>summary<TAB>body<TAB>actions<TAB>urgency<TAB>suppress-sound<TAB>timeout" or "close ID".
test.Recorder.Invoke(ID, ACTION) answers as a user's click on a button: ActionInvoked, then NotificationClosed.
Usage: notification_recorder.py FILE"""
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

PATH, IFACE = "/org/freedesktop/Notifications", "org.freedesktop.Notifications"


class Recorder(dbus.service.Object):
    def __init__(self, bus, log):
        super().__init__(bus, PATH)
        self.log, self.last = log, 0

    def write(self, *fields):
        with open(self.log, "a") as f:
            print(*fields, sep="\t", file=f)

    @dbus.service.method(IFACE, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        self.last += 1
        nid = replaces or self.last
        self.write("notify %d" % nid, summary, body, ",".join(actions), int(hints.get("urgency", -1)),
                   bool(hints.get("suppress-sound")), timeout)
        return nid

    @dbus.service.method(IFACE, in_signature="u")
    def CloseNotification(self, nid):
        self.write("close %d" % nid)

    @dbus.service.method(IFACE, out_signature="as")
    def GetCapabilities(self):
        return ["actions", "body"]

    @dbus.service.method("test.Recorder", in_signature="us")
    def Invoke(self, nid, action):
        self.ActionInvoked(nid, action)
        self.NotificationClosed(nid, 2)

    @dbus.service.signal(IFACE, signature="us")
    def ActionInvoked(self, nid, action):
        pass

    @dbus.service.signal(IFACE, signature="uu")
    def NotificationClosed(self, nid, reason):
        pass


DBusGMainLoop(set_as_default=True)
bus = dbus.SessionBus()
name = dbus.service.BusName(IFACE, bus)
Recorder(bus, sys.argv[1])
GLib.MainLoop().run()
