#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "filedialogs/data_file_choice.h"

using DataFileChoice::ListState;
using DataFileChoice::Mode;
using DataFileChoice::Outcome;

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

    // Rows: mode, typed name, the selected rows and the current row of the list, then the names handed on, the
    // warning and the name box afterwards.
    void confirm_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<int>("current");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("boxAfter"); // the chooser closes when names are handed on
        const QStringList three{"a.dat", "b.dat", "Wpaper.dat"};
        const auto row = [&three](const char* name, Mode mode, const char* typed, QList<int> selected, int current,
                                  const char* names, const char* warning, const char* boxAfter) {
            const QStringList handed = QString(names).split('|', Qt::SkipEmptyParts);
            QTest::newRow(name) << mode << QString(typed) << three << selected << current << handed << QString(warning)
                                << QString(boxAfter);
        };
        const char* none = "No file is chosen";
        const char* wall = "Wpaper.dat has data of wallpaper";
        for (const Mode mode : {Mode::Load, Mode::Save, Mode::Edit})
            QTest::addRow("%s: empty folder, empty box", qPrintable(DataFileChoice::confirmCaption(mode)))
                << mode << "" << QStringList{} << QList<int>{} << -1 << QStringList{} << none << "";
        row("load: typed first, then selected in list order", Mode::Load, "Alarms", {1, 0}, 1, "Alarms|a.dat|b.dat", "",
            "Alarms");
        row("load: the wallpaper file may be loaded", Mode::Load, "", {2}, 2, "Wpaper.dat", "", "");
        row("save: .dat appended", Mode::Save, "Alarms", {0}, 0, "Alarms.dat", "", "Alarms.dat");
        row("save: typed wallpaper file", Mode::Save, "WPAPER", {}, -1, "", wall, "WPAPER.dat");
        row("save: current entry", Mode::Save, "", {0, 1}, 1, "b.dat", "", "");
        row("save: current entry not selected", Mode::Save, "", {0}, 1, "", none, "");
        row("save: wallpaper entry", Mode::Save, "", {2}, 2, "", wall, "");
        row("edit: case kept, so .dat appended", Mode::Edit, "Alarms.DAT", {}, -1, "Alarms.DAT.dat", "",
            "Alarms.DAT.dat");
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
        ListState list{entries, {}, current};
        for (qsizetype i = 0; i < entries.size(); ++i)
            list.selected.append(selected.contains(int(i)));
        const Outcome out = DataFileChoice::confirm(mode, typed, list);
        QTEST(out.names, "names");
        QTEST(out.warning, "warning");
        QTEST(out.txtInput, "boxAfter");
        QCOMPARE(out.close, !out.names.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDataFileChoice)
#include "test_data_file_choice.moc"
