// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "core/alarms/alarm_data_files.h"
#include "core/alarms/alarm_lists.h"
#include "core/files/list_file_flow.h"
#include "core/io/quoted_line_file.h"
#include "core/state/warnings.h"
#include "core/wallpaper/wallpaper_logic.h"
#include "fake_clock.h"
#include "platform/launcher.h"

// A save (answered Yes, or Yes once the saver's list has closed) or a load by one of the two savers at 08:00, with
// "T at 09:00:00" in the message list. `list` is the saver's list (for the alarms, the alarm lines), `before` the
// items of the file (null: no file) and `after` those it holds then (null: as before), `shown` the question ("?")
// or warning, `loaded` the alarm lists after a load, `errors` the error list with F for the file name,
// only the number of an invalid item, "!" for the beep and "+" where the list is shown.
struct FileCase
{
    const char *name, *saver, *action, *file, *list, *before, *after = nullptr, *shown = "", *loaded = "", *errors = "";
};
const FileCase kFileCases[] = {
    {"alarms, over a file: only asks", "AlarmSet", "save", "a.dat", "once 09:00:00", "old", nullptr, "?AlarmSet,a.dat"},
    {"alarms, Yes: lists as they are", "AlarmSet", "save Yes", "a.dat", "once 09:00:00", "old",
     "once 09:00:00|twice 10:00:00|T at 09:00:00", "?AlarmSet,a.dat"},
    {"wallpaper, Yes after emptying", "Wallpaper", "save Yes", "W.dat", "a.bmp", "old", "", "?Wallpaper,W.dat"},
    {"wallpaper closed, Yes", "Wallpaper", "save closed Yes", "W.dat", "a.bmp", "old", nullptr,
     "?Wallpaper,W.dat|W.dat was not written: its list is no longer open"},
    {"a folder in the way", "AlarmSet", "save", "..", "", nullptr, nullptr, ".. could not be written: Is a directory"},
    {"wallpaper missing", "Wallpaper", "load", "W.dat", "a.bmp", nullptr, nullptr, "W.dat file not found"},
    {"merge: message first, a time already there is dropped", "AlarmSet", "load", "x.dat", "once 09:00:00",
     "A at 10:00:00|once 10:00:00|twice 10:00:00|B at 10:00:00|twice 09:00:00|B at 09:00:00", nullptr, "",
     "once 09:00:00|once 10:00:00|T at 09:00:00|A at 10:00:00"},
    {"passed times dropped without a word", "AlarmSet", "load", "x.dat", "",
     "once 07:59:59|once 08:00:00|Old at 08:00:00|once 08:00:01", nullptr, "", "once 08:00:01|T at 09:00:00"},
    {"the eighth invalid item stops the load", "AlarmSet", "load", "x.dat", "",
     "once 09:00:00|once 99:99:99|T at 24:00:00|x 09:00:00|4|twice 10:00:00|5|6|7|8|9|thrice 11:00:00", nullptr, "",
     "once 09:00:00|twice 10:00:00|T at 09:00:00", "F!|2+|3+|4+|5+|7+|8+|9+|10+|F seems to be wrong format"},
    {"empty file", "AlarmSet", "load", "x.dat", "", "", nullptr, "", "T at 09:00:00"},
};

// "my.dat" loaded at start-up (`first`, null: missing), then again for a new day at 00:00:00.005 (`second`): what the
// second load warns (`shown`), puts in the error list (as above) and loads.
struct DayCase
{
    const char *name, *first, *second, *shown = "", *errors = "", *loaded = "";
};
const DayCase kDayCases[] = {
    {"the new day's first second is due", "once 00:00:00", "once 00:00:00", "", "", "once 00:00:00"},
    {"still missing: nothing said", nullptr, nullptr},
    {"gone: said", "once 09:00:00", nullptr, "my.dat, file not found"},
    {"back: loaded, its bad item said", nullptr, "x|once 09:00:00", "", "F!|1+", "once 09:00:00"},
    {"a bad item said once, a new one said", "x|once 09:00:00", "x|y|once 09:00:00", "", "F!|2+", "once 09:00:00"},
};

// $VISUAL|$EDITOR|$TERMINAL, the default text application ("!" before it when it runs in a terminal), the programs on
// the PATH (found as "/" and the name), those that fail to start, and what started (empty: none, and a warning);
// lists are separated by "|".
struct EditorCase
{
    const char *name, *environment, *defaultApp, *onPath, *broken, *started;
};
const EditorCase kEditorCases[] = {
    {"desktop default first", "gvim", "gedit|--new-window", "gedit|kate|gvim", "", "/gedit|--new-window"},
    {"terminal default", "", "!vim", "vim|x-terminal-emulator", "", "/x-terminal-emulator|-e|vim"},
    {"failing default, desktop editors in order", "", "nonesuch", "mousepad|gedit|kate", "gedit", "/kate"},
    {"VISUAL in TERMINAL", "vim -p|nano|kitty -1", "", "vim|nano|kitty|x-terminal-emulator", "", "/kitty|-1|-e|vim|-p"},
    {"terminal editor without a terminal", "vim|nano", "!vim", "vim|nano|editor", "", ""},
};

// "a|b" as a list; "" as an empty one.
static QStringList listOf(const char* items)
{
    return QString(items).split('|', Qt::SkipEmptyParts);
}

// The program folder and the lists; the warnings, the error list and the overwrite question record what they are
// given, and programs are found and started as `ed` says.
struct Fixture final : Warnings, LoadErrorList, OverwriteQuestion, Launcher
{
    Fixture()
    {
        state.appPath = dir.path() + "/";
        flow.setSaver(AlarmDataFiles::kSaver, [this] { return AlarmDataFiles::fileLines(lists); });
        flow.setSaver(WallpaperLogic::kSaver, [this] { return wallpaper; });
    }
    AlarmDataFiles files()
    {
        const QStringList e = QString(ed.environment).split('|'); // $VISUAL, $EDITOR, $TERMINAL
        return AlarmDataFiles(state, lists, {*this, *this, flow, *this, clock, e.value(0), e.value(1), e.value(2)});
    }
    void warn(const QString& text) override { shown.append(text); }
    void addErrorLine(const QString& l) override { lines.append(QString(l).remove("Invalid data in file, Data  ")); }
    void showErrorList() override { lines.last() += '+'; }
    void beep() override { lines.last() += '!'; }
    void askOverwrite(const QString& who, const QString& name) override { shown.append('?' + who + ',' + name); }
    void askDefaultApplication(const QString& mimeType, const QString& path, DefaultApplicationAnswer answer) override
    {
        const QStringList words = listOf(ed.defaultApp);
        if (mimeType != "text/plain" || words.isEmpty())
            return answer(std::nullopt);
        answer(OpenCommand{QString(words[0]).remove('!'), words.mid(1) << path, words[0].startsWith('!')});
    }
    void openFile(const QString&, std::function<void()>) override {}
    bool startProgram(const QString& program, const QStringList& arguments) override
    {
        if (listOf(ed.broken).contains(program.mid(1)))
            return false;
        started.append((QStringList{program} + arguments).join('|'));
        return true;
    }
    QString findProgram(const QString& n) const override { return listOf(ed.onPath).contains(n) ? '/' + n : ""; }

    QTemporaryDir dir;
    FakeClock clock;
    SharedState state;
    AlarmLists lists;
    QStringList wallpaper, shown, lines, started;
    ListFileFlow flow{state, *this, *this};
    EditorCase ed{};
};

template <typename Case, std::size_t N> static void rows(const Case (&cases)[N])
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < N; ++i)
        QTest::newRow(cases[i].name) << int(i);
}

class TestAlarmDataFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Both savers through the one flow: a new file is written at once; over an existing one the question decides
    // and Yes writes the list as it stands then. A load merges into the lists or reports what it cannot take.
    void listFiles_data() { rows(kFileCases); }
    void listFiles()
    {
        QFETCH(int, row);
        const FileCase& c = kFileCases[row];
        const bool alarms = c.saver == AlarmDataFiles::kSaver;
        Fixture f;
        for (const QString& line : listOf(c.list))
            alarms ? void(f.lists.alarms.insertSorted(line)) : f.wallpaper.append(line);
        f.lists.messages.append("T at 09:00:00");
        if (c.before)
            QVERIFY(QuotedLineFile::write(f.state.appPath + c.file, listOf(c.before)));
        const bool load = c.action == QLatin1String("load");
        if (load && alarms) {
            f.files().load(c.file);
            const bool done = f.shown.isEmpty();
            QVERIFY(f.state.clockActive() == done && f.state.refreshNext == done &&
                    (!done || f.state.alarmsPending == !f.lists.alarms.isEmpty()));
        } else if (load) {
            const auto take = [](const QString&) { return true; };
            QVERIFY(f.flow.load(c.file, take, WallpaperLogic::kListNotFound) == !*c.shown);
        } else {
            alarms ? f.files().save(c.file) : f.flow.save(c.saver, c.file);
            f.lists.alarms.insertSorted("twice 10:00:00"); // the lists change while the question is open
            f.wallpaper.clear();
            if (QByteArray(c.action).endsWith("closed Yes"))
                f.flow.setSaver(c.saver, nullptr);
            if (QByteArray(c.action).endsWith("Yes"))
                f.flow.overwrite(c.saver, c.file);
        }
        QFile file(f.state.appPath + c.file);
        const char* after = c.after ? c.after : c.before;
        QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing>",
                 after ? QuotedLineFile::encode(listOf(after)) : "<missing>");
        QCOMPARE(f.shown, listOf(c.shown));
        QCOMPARE(load && alarms ? AlarmDataFiles::fileLines(f.lists) : QStringList{}, listOf(c.loaded));
        QCOMPARE(f.lines.join('|').replace(c.file, "F"), QString(c.errors));
    }

    // A new day's plan: its events from the second the date changed on are due; of what is wrong with the file only
    // what has changed since the last load is reported, so a computer left on does not warn every morning.
    void dayPlanAgain_data() { rows(kDayCases); }
    void dayPlanAgain()
    {
        QFETCH(int, row);
        const DayCase& c = kDayCases[row];
        Fixture f;
        f.clock.set(QDateTime(QDate(2026, 12, 7), QTime(0, 0, 0, 5)));
        LoadFindings found;
        for (const bool newDay : {false, true}) {
            const char* items = newDay ? c.second : c.first;
            QFile::remove(f.state.appPath + "my.dat");
            QVERIFY(!items || QuotedLineFile::write(f.state.appPath + "my.dat", listOf(items)));
            f.shown.clear(), f.lines.clear(), f.lists.alarms.clear();
            found = newDay ? f.files().load("my.dat", QTime(0, 0), &found) : f.files().load("my.dat");
        }
        QCOMPARE(f.shown, listOf(c.shown));
        QCOMPARE(f.lines.join('|').replace("my.dat", "F"), QString(c.errors));
        QCOMPARE(AlarmDataFiles::fileLines(f.lists), listOf(c.loaded));
    }

    // A file with more lines than the list holds fills it and stops the load there, with one warning.
    void fullListStopsTheLoad()
    {
        Fixture f;
        QStringList lines;
        for (int s = 1; s <= AlarmDataList::kMaxLines + 1; ++s)
            lines.append("once " + QTime(8, 0).addSecs(s).toString("HH:mm:ss"));
        QVERIFY(QuotedLineFile::write(f.state.appPath + "big.dat", lines + QStringList{"M at 23:00:00"}));
        f.files().load("big.dat");
        QCOMPARE(AlarmDataFiles::fileLines(f.lists), lines.mid(0, AlarmDataList::kMaxLines));
        QCOMPARE(f.shown, QStringList{"The alarm list is full (32767 events)"});
    }

    // The file opens in a window the user sees: the desktop's default text application, a desktop editor, or a
    // terminal editor inside a terminal emulator; never a terminal editor without a terminal. (An answer that comes
    // later, when the chooser's data files are gone: the end-to-end alarm scenario.)
    void editorChoice_data() { rows(kEditorCases); }
    void editorChoice()
    {
        QFETCH(int, row);
        Fixture f;
        f.ed = kEditorCases[row];
        f.state.appPath = "/";
        f.files().edit("my file;rm -rf ~.dat");
        // Besides programs that fail to start, only the one expected starts, with the file as one argument.
        QCOMPARE(f.started.join('\n'), *f.ed.started ? f.ed.started + QString("|/my file;rm -rf ~.dat") : "");
        QCOMPARE(f.shown, *f.ed.started ? QStringList{} : QStringList{"notepad and wordpad not found"});
    }
};

QTEST_GUILESS_MAIN(TestAlarmDataFiles)
#include "test_alarm_data_files.moc"
