#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "alarms/alarm_data_files.h"
#include "alarms/alarm_lists.h"
#include "app/quoted_line_file.h"
#include "app/shared_state.h"
#include "fake_clock.h"
#include "fake_warnings.h"
#include "platform/launcher.h"

namespace {

class FakeErrorList final : public LoadErrorList
{
public:
    void addErrorLine(const QString& line) override { lines.append(line); }
    void showErrorList() override { ++shows; }
    void beep() override { ++beeps; }
    QStringList lines;
    int shows = 0;
    int beeps = 0;
};

class FakeOverwrite final : public OverwriteQuestion
{
public:
    void FileAlreadyExist(const QString& who, const QString& name) override { asked.append(who + '|' + name); }
    QStringList asked;
};

// Programs on a pretend PATH; `broken` ones are found but fail to start. The default text application is
// `defaultApp`: its program, then its arguments; "terminal" first when it runs in a terminal; empty for none.
class PathLauncher final : public Launcher
{
public:
    std::optional<OpenCommand> defaultApplication(const QString& mimeType, const QString& path) const override
    {
        QStringList words = defaultApp;
        if (mimeType != "text/plain" || words.isEmpty())
            return std::nullopt;
        const bool terminal = words.first() == "terminal";
        if (terminal)
            words.removeFirst();
        const QString program = words.takeFirst();
        return OpenCommand{program, words << path, terminal};
    }
    QStringList defaultApp;
    bool openFile(const QString&) override { return false; }
    bool startProgram(const QString& program, const QStringList& arguments) override
    {
        started.append(QStringList{program} + arguments);
        return !broken.contains(program.section('/', -1));
    }
    QString findProgram(const QString& program) const override
    {
        if (program.startsWith('/'))
            return onPath.contains(program.section('/', -1)) ? program : QString();
        return onPath.contains(program) ? "/usr/bin/" + program : QString();
    }
    QStringList onPath;
    QStringList broken;
    QList<QStringList> started;
};

// "a|b" as a list; "" as an empty one.
QStringList listOf(const char* items)
{
    return QString(items).split('|', Qt::SkipEmptyParts);
}

struct Fixture
{
    Fixture()
    {
        state.strAppPath = dir.path() + "/prog/";
        state.setStartupDefaults();
        state.setClockActive(kFalse);
        state.bRefreshNext = kFalse;
    }
    AlarmDataFiles files(const QStringList& environment = {})
    {
        // $VISUAL, $EDITOR and $TERMINAL, in this order
        return AlarmDataFiles(state, lists,
                              AlarmDataFiles::Services{warnings, errors, overwrite, launcher, clock,
                                                       environment.value(0), environment.value(1),
                                                       environment.value(2)});
    }
    void writeFile(const QString& name, const QByteArray& bytes)
    {
        QDir().mkpath(state.strAppPath);
        QFile file(state.strAppPath + name);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QByteArray readFile(const QString& name)
    {
        QFile file(state.strAppPath + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dir;
    FakeClock clock{QDateTime(QDate(2026, 12, 6), QTime(8, 0, 0))};
    Module1 state;
    AlarmLists lists;
    FakeWarnings warnings;
    FakeErrorList errors;
    FakeOverwrite overwrite;
    PathLauncher launcher;
};

} // namespace

class TestAlarmDataFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Saving the day's lists and loading them back on the same day gives the same lists.
    void saveThenLoadGivesTheSameLists()
    {
        Fixture f;
        for (const char* line : {"repeat! 13:05:00", "once 07:30:00", "thrice 23:59:59", "twice 08:00:01"})
            QCOMPARE(f.lists.lstData.insertSorted(line), AlarmDataList::Insert::Inserted);
        f.lists.lstMessage.append("Call the garage at 13:05:00");
        f.lists.lstMessage.append("Caf\u00e9, then bed at 23:59:59");
        f.clock.setTime(QTime(7, 0, 0));
        const QStringList data = f.lists.lstData.lines();
        const QStringList messages = f.lists.lstMessage.lines();

        f.files().SaveFileClick("day.dat");
        QCOMPARE(f.readFile("day.dat"), QByteArray("\"once 07:30:00\"\r\n\"twice 08:00:01\"\r\n\"repeat! 13:05:00\"\r\n"
                                                   "\"thrice 23:59:59\"\r\n\"Call the garage at 13:05:00\"\r\n"
                                                   "\"Caf\xe9, then bed at 23:59:59\"\r\n"));
        f.lists.lstData.clear();
        f.lists.lstMessage.clear();
        f.files().LoadClick("day.dat");
        QCOMPARE(f.lists.lstData.lines(), data);
        QCOMPARE(f.lists.lstMessage.lines(), messages);
        QVERIFY(f.errors.lines.isEmpty());
        QCOMPARE(f.state.bClockActive(), kTrue);
        QCOMPARE(f.state.bRefreshNext, kTrue);
        QCOMPARE(f.state.bAlarmsPending, kTrue);

        // A second load merges: nothing is added twice, and nothing is reported for the duplicates.
        f.lists.lstMessage.removeAt(0);
        f.files().LoadClick("day.dat");
        QCOMPARE(f.lists.lstData.lines(), data);
        QCOMPARE(f.lists.lstMessage.lines(), (QStringList{messages.at(1), messages.at(0)}));
        QVERIFY(f.errors.lines.isEmpty());
        QVERIFY(f.warnings.shown.isEmpty());
    }

    // Saving over an existing file asks first; a file that cannot be written is reported.
    void saveAsksOrReports()
    {
        Fixture f;
        f.writeFile("my.dat", "\"once 09:00:00\"\r\n");
        f.lists.lstData.insertSorted("twice 10:00:00");
        f.files().SaveFileClick("my.dat");
        QCOMPARE(f.overwrite.asked, QStringList{"AlarmSet|my.dat"});
        QCOMPARE(f.readFile("my.dat"), QByteArray("\"once 09:00:00\"\r\n"));
        QVERIFY(f.warnings.shown.isEmpty());

        f.state.strAppPath += "my.dat/"; // the program folder cannot be made: a file stands in its way
        f.files().SaveFileClick("new.dat");
        QCOMPARE(f.warnings.shown.size(), 1);
        QVERIFY2(f.warnings.shown.at(0).startsWith("new.dat could not be written: "), qPrintable(f.warnings.shown[0]));
        QCOMPARE(f.lists.lstData.count(), 1);
    }

    void loadsItems_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("data");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("errors");
        const auto row = [](const char* name, const char* bytes, const char* data, const char* messages,
                            const char* errors) {
            QTest::newRow(name) << QByteArray(bytes) << listOf(data) << listOf(messages) << listOf(errors);
        };
        row("unquoted comma: each judged alone", "Coffee, then tea at 9:00\r\n\"once 09:00:00\"\r\n", "once 09:00:00",
            "", "x.dat|Invalid data in file, Data  1|Invalid data in file, Data  2");
        row("message before its alarm", "\"Tea at 09:00:00\"\r\n\"once 09:00:00\"\r\n", "once 09:00:00",
            "Tea at 09:00:00", "");
        row("passed times dropped without a word",
            "\"once 07:59:59\"\r\n\"once 08:00:00\"\r\n\"Old at 08:00:00\"\r\n\"once 08:00:01\"\r\n", "once 08:00:01",
            "", "");
        row("same time twice: the first stays",
            "\"once 09:00:00\"\r\n\"twice 09:00:00\"\r\n\"A at 09:00:00\"\r\n\"B at 09:00:00\"\r\n", "once 09:00:00",
            "A at 09:00:00", "");
        row("impossible times are errors", "\"once 99:99:99\"\r\n\"Tea at 24:00:00\"\r\n\"sometimes 09:00:00\"\r\n", "",
            "", "x.dat|Invalid data in file, Data  1|Invalid data in file, Data  2|Invalid data in file, Data  3");
        row("empty file", "", "", "", "");
    }
    void loadsItems()
    {
        QFETCH(QByteArray, bytes);
        Fixture f;
        f.writeFile("x.dat", bytes);
        f.files().LoadClick("x.dat");
        QTEST(f.lists.lstData.lines(), "data");
        QTEST(f.lists.lstMessage.lines(), "messages");
        QTEST(f.errors.lines, "errors");
        QCOMPARE(f.errors.beeps, f.errors.lines.isEmpty() ? 0 : 1);
        QVERIFY(f.warnings.shown.isEmpty());
        QCOMPARE(f.state.bAlarmsPending, toFlag(!f.lists.lstData.isEmpty()));
    }

    // Ten bad items among good ones: the file name, eight numbered errors (good items counted too), then the
    // verdict; nothing after the eighth bad item is read.
    void tenBadLinesStopAtTheEighth()
    {
        Fixture f;
        QByteArray bytes = "\"once 09:00:00\"\r\n";
        for (int i = 0; i < 10; ++i)
            bytes += "\"bad line " + QByteArray::number(i) + "\"\r\n" + (i == 3 ? "\"twice 10:00:00\"\r\n" : "");
        bytes += "\"thrice 11:00:00\"\r\n";
        f.writeFile("Alarms.dat", bytes);
        f.files().LoadClick("Alarms.dat");
        QCOMPARE(f.errors.lines,
                 (QStringList{"Alarms.dat", "Invalid data in file, Data  2", "Invalid data in file, Data  3",
                              "Invalid data in file, Data  4", "Invalid data in file, Data  5",
                              "Invalid data in file, Data  7", "Invalid data in file, Data  8",
                              "Invalid data in file, Data  9", "Invalid data in file, Data  10",
                              "Alarms.dat seems to be wrong format"}));
        QCOMPARE(f.errors.beeps, 1);
        QCOMPARE(f.errors.shows, 8);
        QCOMPARE(f.lists.lstData.lines(), (QStringList{"once 09:00:00", "twice 10:00:00"}));
    }

    void missingFileIsReported()
    {
        Fixture f;
        f.files().LoadClick("my.dat");
        QCOMPARE(f.warnings.shown, QStringList{"my.dat, file not found"});
        QCOMPARE(f.state.bClockActive(), kFalse);
        QCOMPARE(f.state.bRefreshNext, kFalse);
        QDir().mkpath(f.state.strAppPath + "folder.dat");
        f.files().LoadClick("folder.dat");
        QCOMPARE(f.warnings.shown.last(), QStringLiteral("folder.dat, file not found"));
    }

    // The longest list a file can fill loads whole.
    void fullDayFileLoads()
    {
        Fixture f;
        f.clock.setTime(QTime(0, 0, 0));
        QStringList lines;
        for (int s = 1; s <= AlarmDataList::kMaxLines; ++s)
            lines.append("once " + QTime(0, 0).addSecs(s).toString("HH:mm:ss"));
        QVERIFY(QuotedLineFile::write(f.state.strAppPath + "big.dat", lines));
        f.files().LoadClick("big.dat");
        QCOMPARE(f.lists.lstData.count(), AlarmDataList::kMaxLines);
        QCOMPARE(f.lists.lstData.lines(), lines);
        QVERIFY(f.errors.lines.isEmpty());
        QVERIFY(f.warnings.shown.isEmpty());

        // One more than fits: the load stops once, with one warning.
        f.lists.lstData.clear();
        lines.append("once 23:00:00");
        QVERIFY(QuotedLineFile::write(f.state.strAppPath + "big.dat", lines));
        f.files().LoadClick("big.dat");
        QCOMPARE(f.lists.lstData.count(), AlarmDataList::kMaxLines);
        QCOMPARE(f.warnings.shown, QStringList{"The alarm list is full (32767 events)"});
    }

    // The file opens in a window the user sees: the desktop's default text application, a desktop editor, or a
    // terminal editor inside a terminal emulator; never a terminal editor without a terminal.
    void editorChoice_data()
    {
        QTest::addColumn<QStringList>("environment"); // $VISUAL|$EDITOR|$TERMINAL
        QTest::addColumn<QStringList>("defaultApp");
        QTest::addColumn<QStringList>("onPath");
        QTest::addColumn<QStringList>("broken");
        QTest::addColumn<QStringList>("started"); // the program and arguments that started, or empty
        const auto row = [](const char* name, QStringList environment, const char* defaultApp, const char* onPath,
                            const char* broken, const char* started) {
            QStringList program = listOf(started);
            if (!program.isEmpty())
                program.append("/my file;rm -rf ~.dat");
            QTest::newRow(name) << environment << listOf(defaultApp) << listOf(onPath) << listOf(broken) << program;
        };
        row("desktop default first", {"gvim"}, "gnome-text-editor|--new-window", "gnome-text-editor|kate|gvim", "",
            "/usr/bin/gnome-text-editor|--new-window");
        row("default terminal editor in a terminal", {}, "terminal|vim", "vim|x-terminal-emulator", "",
            "/usr/bin/x-terminal-emulator|-e|vim");
        row("default that fails: first desktop editor", {}, "nonesuch", "mousepad|kate", "", "/usr/bin/kate");
        row("an editor that fails to start is passed over", {}, "", "gedit|pluma", "gedit", "/usr/bin/pluma");
        row("VISUAL in TERMINAL, both with options", {"vim -p", "nano", "kitty --single"}, "",
            "vim|nano|kitty|x-terminal-emulator", "", "/usr/bin/kitty|--single|-e|vim|-p");
        row("EDITOR in the Debian terminal", {"", "nano"}, "", "nano|x-terminal-emulator", "",
            "/usr/bin/x-terminal-emulator|-e|nano");
        row("TERMINAL missing", {"vim", "", "nonesuch"}, "", "vim|x-terminal-emulator", "",
            "/usr/bin/x-terminal-emulator|-e|vim");
        row("Debian's editor", {}, "", "editor|x-terminal-emulator", "", "/usr/bin/x-terminal-emulator|-e|editor");
        row("terminal editor without a terminal", {"vim", "nano"}, "terminal|vim", "vim|nano|editor", "", "");
        row("terminal but no such editor", {"vim"}, "", "x-terminal-emulator", "", "");
        row("nothing", {}, "", "", "", "");
        row("nothing starts", {}, "", "kate|vim|x-terminal-emulator", "kate|x-terminal-emulator", "");
    }
    void editorChoice()
    {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, started);
        Fixture f;
        f.state.strAppPath = "/";
        QFETCH(QStringList, defaultApp);
        QFETCH(QStringList, onPath);
        QFETCH(QStringList, broken);
        f.launcher.defaultApp = defaultApp;
        f.launcher.onPath = onPath;
        f.launcher.broken = broken;
        f.files(environment).EditorClick("my file;rm -rf ~.dat");
        if (started.isEmpty()) {
            QCOMPARE(f.warnings.shown, QStringList{"notepad and wordpad not found"});
            for (const QStringList& attempt : std::as_const(f.launcher.started))
                QVERIFY2(!broken.isEmpty(), qPrintable(attempt.join(' ')));
        } else {
            QVERIFY(f.warnings.shown.isEmpty());
            QCOMPARE(f.launcher.started.last(), started);
        }
    }
};

QTEST_GUILESS_MAIN(TestAlarmDataFiles)
#include "test_alarm_data_files.moc"
