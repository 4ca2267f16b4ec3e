#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/event_sound.h"
#include "platform/linux/desktop_launcher.h"
#include "platform/linux/desktop_window_services.h"

namespace {
// Plays nothing; says it did when `playable`.
class FakeEventSound final : public EventSound
{
public:
    bool play(const QString& eventId) override { return played.append(eventId), playable; }
    bool playable = true;
    QStringList played;
};

bool writeFile(const QString& path, const QByteArray& text, QFile::Permissions permissions = {})
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() &&
           (!permissions || file.setPermissions(permissions));
}
} // namespace

class TestDesktopServices : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The Exec line of a desktop entry: quoting and escapes, the file put in for the first file code (or added),
    // other codes dropped, the Terminal key read; hidden or broken entries give nothing.
    void desktopEntryCommand_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("command"); // program and arguments joined by "|"; "terminal" first when in one
        const QString head = "[Desktop Entry]\nType=Application\nName=Editor\n";
        const auto row = [&head](const char* name, const char* rest, const char* command) {
            QTest::newRow(name) << head + rest << command;
        };
        row("file code", "Exec=gnome-text-editor --new-window %U\n", "gnome-text-editor|--new-window|/a b/my.dat");
        row("no file code: added at the end", "Exec=/usr/bin/kate -b\n", "/usr/bin/kate|-b|/a b/my.dat");
        row("quotes, escapes, other codes, a second file code",
            "Exec=\"/opt/my ed/ed\" --title=\"say \\\\\"hi\\\\\"\" %i %c 100%% %f %F\n",
            "/opt/my ed/ed|--title=say \"hi\"|100%|/a b/my.dat");
        row("terminal editor", "Terminal=true\nExec=vim %F\n", "terminal|vim|/a b/my.dat");
        row("keys of other groups ignored",
            "Exec=gedit %U\n[Desktop Action new]\nExec=gedit --new-window\nTerminal=true\n", "gedit|/a b/my.dat");
        row("hidden", "Hidden=true\nExec=gedit %U\n", "");
        row("no Exec", "", "");
        row("open quote", "Exec=\"gedit %U\n", "");
    }
    void desktopEntryCommand()
    {
        QFETCH(QString, entry);
        const std::optional<OpenCommand> found = ::desktopEntryCommand(entry, QStringLiteral("/a b/my.dat"));
        QStringList got;
        if (found)
            got << QStringList(found->terminal ? 1 : 0, "terminal") << found->program << found->arguments;
        QTEST(got.join('|'), "command");
    }

    // The default application is what xdg-mime names (or else gio), found among the desktop entries; an entry
    // whose TryExec program is missing, or no default, gives nothing.
    void defaultApplicationFromXdgMime()
    {
        QTemporaryDir dir;
        const QString bin = dir.filePath("bin"), apps = dir.filePath("data/applications");
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(apps));
        const auto exe = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        QVERIFY(writeFile(bin + "/xdg-mime",
                          "#!/bin/sh\n[ \"$*\" = \"query default text/plain\" ] && exec /bin/cat \"$0.answer\"\n",
                          exe));
        QVERIFY(writeFile(bin + "/gio", "#!/bin/sh\n[ \"$*\" = \"mime text/plain\" ] && exec /bin/cat \"$0.answer\"\n",
                          exe));
        const QByteArray entry = "[Desktop Entry]\nType=Application\nExec=my-editor %f\n";
        qputenv("PATH", bin.toLocal8Bit()); // for this test only: the others run no program
        qputenv("XDG_DATA_HOME", dir.filePath("data").toLocal8Bit());
        const DesktopLauncher launcher;
        QList<std::optional<OpenCommand>> found;
        auto ask = [&](const QByteArray& xdgMime, const QByteArray& gio, const QByteArray& desktopEntry) {
            if (writeFile(bin + "/xdg-mime.answer", xdgMime) && writeFile(bin + "/gio.answer", gio) &&
                writeFile(apps + "/my-editor.desktop", desktopEntry))
                found.append(launcher.defaultApplication("text/plain", "/p/my.dat"));
        };
        ask("my-editor.desktop\n", "", entry);
        ask("my-editor.desktop\n", "", "[Desktop Entry]\nTryExec=no-such-editor\nExec=x %f\n");
        ask("", "Default application for \u201ctext/plain\u201d: my-editor.desktop\nRegistered applications:\n", entry);
        ask("", "No default applications for \u201ctext/plain\u201d\n", entry);
        const OpenCommand myEditor{"my-editor", {"/p/my.dat"}, false};
        QCOMPARE(found, (QList<std::optional<OpenCommand>>{myEditor, std::nullopt, myEditor, std::nullopt}));
    }

    // The beep is the sound theme's bell; the X bell only when that cannot be played.
    void beepPlaysTheThemeBell()
    {
        FakeEventSound sounds;
        int xBells = 0;
        DesktopWindowServices windows(sounds, [&xBells] { ++xBells; });
        windows.beep();
        QVERIFY(sounds.played == QStringList{"bell"} && xBells == 0);
        sounds.playable = false;
        windows.beep();
        QVERIFY(sounds.played.size() == 2 && xBells == 1);
    }
};

QTEST_GUILESS_MAIN(TestDesktopServices)
#include "test_desktop_services.moc"
