# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Ixo developers
# The KDE power manager's wake-ups, a python3-dbusmock template for the session bus (--session): scheduleWakeup
# answers the cookies 1, 2, 3, ...
BUS_NAME = 'org.kde.Solid.PowerManagement'
MAIN_OBJ = '/org/kde/Solid/PowerManagement'
MAIN_IFACE = 'org.kde.Solid.PowerManagement'


def load(mock, parameters):
    count = 'self.cookies = getattr(self, "cookies", 0) + 1\nret = self.cookies'
    mock.AddMethods(MAIN_IFACE, [('scheduleWakeup', 'sot', 'u', count), ('clearWakeup', 'i', '', '')])
