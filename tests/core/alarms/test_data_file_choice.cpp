// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "core/alarms/data_file_choice.h"

using DataFileChoice::ListState;
using DataFileChoice::Mode;
using DataFileChoice::Outcome;

// Confirm in a mode with a typed name, over a list of the first entries of a.dat, b.dat and Wpaper.dat, one flag each
// ("x" selected, "-" not; no flags: an empty folder) and the current row; then the names handed on ("|" between),
// the warning and the name box afterwards. The chooser closes when names are handed on.
struct ConfirmCase
{
    const char* name;
    Mode mode;
    const char *typed, *list;
    int current;
    const char *names, *warning, *boxAfter;
};
constexpr const char* kNone = "No file is chosen";
constexpr const char* kWall = "Wpaper.dat has data of wallpaper";
const ConfirmCase kConfirmCases[] = {
    {"load: empty folder, empty box", Mode::Load, "", "", -1, "", kNone, ""},
    {"load: typed first, then the selected", Mode::Load, "Alarms", "xx-", 1, "Alarms|a.dat|b.dat", "", "Alarms"},
    {"load: the wallpaper file may be loaded", Mode::Load, "", "--x", 2, "Wpaper.dat", "", ""},
    {"save: .dat appended", Mode::Save, "Alarms", "x--", 0, "Alarms.dat", "", "Alarms.dat"},
    {"save: typed wallpaper file", Mode::Save, "WPAPER", "---", -1, "", kWall, "WPAPER.dat"},
    {"save: current entry", Mode::Save, "", "xx-", 1, "b.dat", "", ""},
    {"save: current entry not selected", Mode::Save, "", "x--", 1, "", kNone, ""},
    {"save: wallpaper entry", Mode::Save, "", "--x", 2, "", kWall, ""},
    {"edit: case kept, so .dat appended", Mode::Edit, "Alarms.DAT", "---", -1, "Alarms.DAT.dat", "", "Alarms.DAT.dat"},
    {"edit: current entry", Mode::Edit, "", "--x", 2, "Wpaper.dat", "", ""},
    {"edit: no current entry", Mode::Edit, "", "x--", -1, "", kNone, ""},
};

class TestDataFileChoice : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void listsDataFilesIgnoringCase()
    {
        QTemporaryDir dir;
        for (const char* name : {"b.dat", "A.DAT", "c.Dat", "notes.txt", "dat", "x.data", ".dat"})
            QVERIFY(QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
        QDir(dir.path()).mkdir("folder.dat");
        QVERIFY(QFile::link(dir.filePath("b.dat"), dir.filePath("link.dat")));
        QCOMPARE(DataFileChoice::listDataFiles(dir.path()),
                 (QStringList{".dat", "A.DAT", "b.dat", "c.Dat", "link.dat"}));
        QVERIFY(DataFileChoice::listDataFiles(dir.filePath("missing")).isEmpty());
    }

    void keyFilter()
    {
        const QString kept = QStringLiteral("My_alarms-2.dat Wecker\u00e4\u65e5");
        QCOMPARE(DataFileChoice::filterName(kept + "a b/c\\d:e!#$%&'()*?\"<>|~\t\n../../etc/passwd"),
                 QString(kept).remove(' ') + "abcde....etcpasswd");
    }

    void confirm_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kConfirmCases)); ++i)
            QTest::newRow(kConfirmCases[i].name) << i;
    }
    void confirm()
    {
        QFETCH(int, row);
        const ConfirmCase& c = kConfirmCases[row];
        const QString flags(c.list);
        ListState list{QStringList{"a.dat", "b.dat", "Wpaper.dat"}.mid(0, flags.size()), {}, c.current};
        for (const QChar flag : flags)
            list.selected.append(flag == 'x');
        const Outcome out = DataFileChoice::confirm(c.mode, c.typed, list);
        QCOMPARE(out.names, QString(c.names).split('|', Qt::SkipEmptyParts));
        QCOMPARE(out.warning, c.warning);
        QCOMPARE(out.nameText, c.boxAfter);
        QCOMPARE(out.close, !out.names.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDataFileChoice)
#include "test_data_file_choice.moc"
