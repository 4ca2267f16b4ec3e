#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "filedialogs/data_file_choice.h"

using DataFileChoice::ListState;
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

    void confirm_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<int>("current");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("boxAfter");
        QTest::addColumn<bool>("close");
        const QStringList two{"a.dat", "b.dat", "Wpaper.dat"};
        const QString none = "No file is chosen";
        const QString wall = "Wpaper.dat has data of wallpaper";

        for (const char* mode : {"Load", "Save", "Open"})
            QTest::addRow("%s: empty folder, empty box", mode)
                << mode << "" << QStringList{} << QList<int>{} << -1 << QStringList{} << none << "" << false;

        QTest::newRow("load: typed first, then selected in list order")
            << "Load"
            << "Alarms" << two << QList<int>{1, 0} << 1 << QStringList{"Alarms", "a.dat", "b.dat"} << ""
            << "Alarms" << true;
        QTest::newRow("load: nothing chosen") << "Load"
                                              << "" << two << QList<int>{} << 0 << QStringList{} << none << "" << false;
        QTest::newRow("load: the wallpaper file may be loaded")
            << "Load"
            << "" << two << QList<int>{2} << 2 << QStringList{"Wpaper.dat"} << ""
            << "" << true;

        QTest::newRow("save: .dat appended") << "Save"
                                             << "Alarms" << two << QList<int>{0} << 0 << QStringList{"Alarms.dat"} << ""
                                             << "Alarms.dat" << true;
        QTest::newRow("save: any case of .dat kept")
            << "Save"
            << "Alarms.DAT" << two << QList<int>{} << -1 << QStringList{"Alarms.DAT"} << ""
            << "Alarms.DAT" << true;
        QTest::newRow("save: typed wallpaper file")
            << "Save"
            << "WPAPER" << two << QList<int>{} << -1 << QStringList{} << wall << "WPAPER.dat" << false;
        QTest::newRow("save: current entry") << "Save"
                                             << "" << two << QList<int>{0, 1} << 1 << QStringList{"b.dat"} << ""
                                             << "" << true;
        QTest::newRow("save: current entry not selected")
            << "Save"
            << "" << two << QList<int>{0} << 1 << QStringList{} << none << "" << false;
        QTest::newRow("save: wallpaper entry")
            << "Save"
            << "" << two << QList<int>{2} << 2 << QStringList{} << wall << "" << false;

        QTest::newRow("edit: case kept, so .dat appended")
            << "Open"
            << "Alarms.DAT" << two << QList<int>{} << -1 << QStringList{"Alarms.DAT.dat"} << ""
            << "Alarms.DAT.dat" << true;
        QTest::newRow("edit: wallpaper file may be edited")
            << "Open"
            << "Wpaper" << two << QList<int>{} << -1 << QStringList{"Wpaper.dat"} << ""
            << "Wpaper.dat" << true;
        QTest::newRow("edit: current entry") << "Open"
                                             << "" << two << QList<int>{2} << 2 << QStringList{"Wpaper.dat"} << ""
                                             << "" << true;
        QTest::newRow("edit: no current entry")
            << "Open"
            << "" << two << QList<int>{0} << -1 << QStringList{} << none << "" << false;
        QTest::newRow("other caption closes") << "Print"
                                              << "x" << two << QList<int>{} << -1 << QStringList{} << ""
                                              << "x" << true;
    }
    void confirm()
    {
        QFETCH(QString, caption);
        QFETCH(QString, typed);
        QFETCH(QStringList, entries);
        QFETCH(QList<int>, selected);
        QFETCH(int, current);
        const Outcome out = DataFileChoice::confirm(caption, typed, listOf(entries, selected, current));
        QTEST(out.names, "names");
        QTEST(out.warning, "warning");
        QTEST(out.txtInput, "boxAfter");
        QTEST(out.close, "close");
    }
};

QTEST_GUILESS_MAIN(TestDataFileChoice)
#include "test_data_file_choice.moc"
