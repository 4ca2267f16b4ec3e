#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "filedialogs/data_file_choice.h"

using DataFileChoice::ListState;
using DataFileChoice::Mode;
using DataFileChoice::Outcome;

namespace {
ListState listOf(const QStringList& entries, const QList<int>& selectedRows, int current)
{
    ListState list;
    list.entries = entries;
    for (qsizetype i = 0; i < entries.size(); ++i)
        list.selected.append(selectedRows.contains(int(i)));
    list.current = current;
    return list;
}
} // namespace

class TestDataFileChoice : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void listsDataFilesIgnoringCase()
    {
        QTemporaryDir dir;
        for (const char* name : {"b.dat", "A.DAT", "c.Dat", "notes.txt", "dat", "x.data", ".dat"}) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QDir(dir.path()).mkdir("folder.dat");
        QVERIFY(QFile::link(dir.filePath("b.dat"), dir.filePath("link.dat")));
        QCOMPARE(DataFileChoice::listDataFiles(dir.path()),
                 (QStringList{".dat", "A.DAT", "b.dat", "c.Dat", "link.dat"}));
        QVERIFY(DataFileChoice::listDataFiles(dir.filePath("missing")).isEmpty());
    }

    void keyFilter()
    {
        QCOMPARE(DataFileChoice::filterName("My_alarms-2.dat"), QStringLiteral("My_alarms-2.dat"));
        QCOMPARE(DataFileChoice::filterName("a b/c\\d:e!#$%&'()*?\"<>|~\t\n"), QStringLiteral("abcde"));
        QCOMPARE(DataFileChoice::filterName("../../etc/passwd"), QStringLiteral("....etcpasswd"));
        QCOMPARE(DataFileChoice::filterName(QStringLiteral("Wecker\u00e4\u65e5")),
                 QStringLiteral("Wecker\u00e4\u65e5"));
    }

    // Rows: mode, typed name, the selected rows and the current row of the list, then the names handed on,
    // the warning and the name box afterwards; the chooser closes when names are handed on.
    void confirm_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<int>("current");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("boxAfter");
        QTest::addColumn<bool>("close");
        const QStringList three{"a.dat", "b.dat", "Wpaper.dat"};
        const auto row = [&three](const char* name, Mode mode, const char* typed, QList<int> selected, int current,
                                  const char* names, const char* warning, const char* boxAfter) {
            const QStringList handed = QString(names).split('|', Qt::SkipEmptyParts);
            QTest::newRow(name) << mode << QString(typed) << three << selected << current << handed << QString(warning)
                                << QString(boxAfter) << !handed.isEmpty();
        };
        const char* none = "No file is chosen";
        const char* wall = "Wpaper.dat has data of wallpaper";
        for (const Mode mode : {Mode::Load, Mode::Save, Mode::Edit})
            QTest::addRow("%s: empty folder, empty box", qPrintable(DataFileChoice::confirmCaption(mode)))
                << mode << "" << QStringList{} << QList<int>{} << -1 << QStringList{} << none << "" << false;
        row("load: typed first, then selected in list order", Mode::Load, "Alarms", {1, 0}, 1, "Alarms|a.dat|b.dat", "",
            "Alarms");
        row("load: nothing chosen", Mode::Load, "", {}, 0, "", none, "");
        row("load: the wallpaper file may be loaded", Mode::Load, "", {2}, 2, "Wpaper.dat", "", "");
        row("save: .dat appended", Mode::Save, "Alarms", {0}, 0, "Alarms.dat", "", "Alarms.dat");
        row("save: any case of .dat kept", Mode::Save, "Alarms.DAT", {}, -1, "Alarms.DAT", "", "Alarms.DAT");
        row("save: typed wallpaper file", Mode::Save, "WPAPER", {}, -1, "", wall, "WPAPER.dat");
        row("save: current entry", Mode::Save, "", {0, 1}, 1, "b.dat", "", "");
        row("save: current entry not selected", Mode::Save, "", {0}, 1, "", none, "");
        row("save: wallpaper entry", Mode::Save, "", {2}, 2, "", wall, "");
        row("edit: case kept, so .dat appended", Mode::Edit, "Alarms.DAT", {}, -1, "Alarms.DAT.dat", "",
            "Alarms.DAT.dat");
        row("edit: wallpaper file may be edited", Mode::Edit, "Wpaper", {}, -1, "Wpaper.dat", "", "Wpaper.dat");
        row("edit: current entry", Mode::Edit, "", {2}, 2, "Wpaper.dat", "", "");
        row("edit: no current entry", Mode::Edit, "", {0}, -1, "", none, "");
    }
    void confirm()
    {
        QFETCH(Mode, mode);
        QFETCH(QString, typed);
        QFETCH(QStringList, entries);
        QFETCH(QList<int>, selected);
        QFETCH(int, current);
        const Outcome out = DataFileChoice::confirm(mode, typed, listOf(entries, selected, current));
        QTEST(out.names, "names");
        QTEST(out.warning, "warning");
        QTEST(out.txtInput, "boxAfter");
        QTEST(out.close, "close");
    }
};

QTEST_GUILESS_MAIN(TestDataFileChoice)
#include "test_data_file_choice.moc"
