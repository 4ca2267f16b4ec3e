// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include "platform/autostart.h"

// Start at log-in through the XDG autostart convention: a desktop entry "Ixo.exe.desktop" in the user's
// autostart folder ($XDG_CONFIG_HOME/autostart, by default ~/.config/autostart) that runs this executable.
class XdgAutostart final : public Autostart
{
public:
    /// `configHome` is the user's configuration folder, `executable` the absolute path of the program to run.
    XdgAutostart(QString configHome, QString executable);

    bool enable(QString* error) override;
    bool disable(QString* error) override;
    bool isEnabled() const override;

    /// The entry's path.
    QString entryPath() const;
    /// $XDG_CONFIG_HOME when it is an absolute path, else ~/.config.
    static QString defaultConfigHome();
    /// The desktop entry that runs `executable`; empty when the path cannot be written in one (control
    /// characters).
    static QByteArray entry(const QString& executable);
    /// `argument` quoted for an Exec key: in double quotes, with the quoting and string escapes applied.
    static QString execArgument(const QString& argument);

    static inline const QString kEntryName = QStringLiteral("Ixo.exe.desktop");

private:
    QString m_configHome;
    QString m_executable;
};
