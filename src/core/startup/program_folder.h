// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QString>

// Where Ixo keeps its files. The program folder holds the user's settings and lists (ixo.ini, *.dat, Wpaper.*)
// and may hold the user's own copies of the delivered files (the sounds and the help page); the shared folder
// holds the delivered files as the program brought them.
//
// A program folder beside the executable (the build's bin folder, a per-user install) is both at once. An
// installed Ixo - its executable in a "bin" folder with "../share/ixo" beside it, as /usr/bin/ixo with
// /usr/share/ixo - cannot write beside itself: its program folder is the user's data folder
// ($XDG_DATA_HOME/ixo, by default ~/.local/share/ixo) and its delivered files come from ../share/ixo.
struct ProgramFolder
{
    QString appPath;   // the program folder, ending in "/"
    QString sharePath; // the folder of the delivered files, ending in "/"; appPath itself when not installed

    bool installed() const { return appPath != sharePath; }

    /// The folders of a program whose executable sits in `executableFolder`. `dataHome` is $XDG_DATA_HOME as
    /// found (used only when absolute), `home` the user's home folder.
    static ProgramFolder locate(const QString& executableFolder, const QString& dataHome, const QString& home);

    /// Creates the program folder when it is missing; false, with the reason in `error`, when it cannot.
    bool create(QString* error) const;
};
