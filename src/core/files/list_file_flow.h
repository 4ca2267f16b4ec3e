// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>

#include <QMap>
#include <QString>
#include <QStringList>

struct SharedState;
class Warnings;

// The question asked before an existing list file is replaced; its Yes answer writes the file through
// ListFileFlow::overwrite().
class OverwriteQuestion
{
public:
    virtual ~OverwriteQuestion() = default;
    virtual void askOverwrite(const QString& saver, const QString& fileName) = 0;
};

// Saving and loading the quoted-line list files of the program folder (the alarm lists, "Wpaper.dat") for every
// saver alike: a new file is written at once, an existing one only after the overwrite question, from the saver's
// list as it stands when the answer comes; a load reports a file that is missing or cannot be read.
class ListFileFlow final
{
public:
    /// What follows the file name in the warning for a file to load that is not there.
    static inline const QString kNotFound = QStringLiteral(QT_TRANSLATE_NOOP("Messages", "%1, file not found"));

    ListFileFlow(const SharedState& state, Warnings& warnings, OverwriteQuestion& question);

    /// `lines` gives the list of the saver `who` ("AlarmSet", "Wallpaper") as it stands; an empty function
    /// forgets the saver, whose list is then no longer open.
    void setSaver(const QString& who, std::function<QStringList()> lines);

    /// Writes the list of `who` to `fileName` of the program folder, creating the folder; when the file exists,
    /// asks the overwrite question instead and writes nothing.
    void save(const QString& who, const QString& fileName);
    /// The overwrite question answered Yes: writes the list of `who` as it stands now. A saver whose list has
    /// closed since is named in a warning; no saver at all writes nothing.
    void overwrite(const QString& who, const QString& fileName);

    /// Hands the items of `fileName` of the program folder to `take` in file order until it returns false.
    /// False, after a warning, when the file is missing (`notFound` with the file's name for %1) or cannot be read.
    bool load(const QString& fileName, const std::function<bool(const QString&)>& take,
              const QString& notFound = kNotFound);

private:
    void write(const QString& fileName, const QStringList& lines);

    const SharedState& m_state;
    Warnings& m_warnings;
    OverwriteQuestion& m_question;
    QMap<QString, std::function<QStringList()>> m_savers;
};
