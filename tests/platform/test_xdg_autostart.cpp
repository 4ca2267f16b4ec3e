#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "platform/linux/xdg_autostart.h"

class TestXdgAutostart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void execArgument()
    {
        QStringList exec;
        for (const char* path :
             {"/usr/bin/ixo", "/opt/my apps/ixo", "/opt/$HOME/ixo", "/opt/100%/ixo", "/opt/a\\b/ixo", "/opt/\"x`/ixo"})
            exec.append(XdgAutostart::execArgument(path));
        QCOMPARE(exec, (QStringList{"\"/usr/bin/ixo\"", "\"/opt/my apps/ixo\"", "\"/opt/\\\\$HOME/ixo\"",
                                    "\"/opt/100%%/ixo\"", "\"/opt/a\\\\\\\\b/ixo\"", "\"/opt/\\\\\"x\\\\`/ixo\""}));
    }

    // The entry goes to $XDG_CONFIG_HOME/autostart, passes desktop-file-validate, runs this executable, and
    // goes again on removal.
    void writesValidatesAndRemoves()
    {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        QCOMPARE(XdgAutostart::defaultConfigHome(), config.path());
        const QString exe = config.filePath("my apps $1/Ixo 100%");
        XdgAutostart autostart(XdgAutostart::defaultConfigHome(), exe);
        const QString entry = config.path() + "/autostart/Ixo.exe.desktop";
        QCOMPARE(autostart.entryPath(), entry);
        QVERIFY(!autostart.isEnabled());

        QString error;
        QVERIFY2(autostart.enable(&error), qPrintable(error));
        QVERIFY(autostart.isEnabled());
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.startsWith("[Desktop Entry]\n") && text.contains("\nType=Application\n"));
        QVERIFY(text.contains("\nExec=" + XdgAutostart::execArgument(exe).toUtf8() + "\n"));

        const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
        QVERIFY2(!validator.isEmpty(), "desktop-file-validate is missing (scripts/install-deps installs it)");
        QProcess validate;
        validate.start(validator, {entry});
        QVERIFY(validate.waitForFinished());
        const QByteArray report = validate.readAllStandardOutput() + validate.readAllStandardError();
        QVERIFY2(validate.exitCode() == 0 && report.isEmpty(), report.constData());

        QVERIFY(autostart.disable(&error) && !QFile::exists(entry));
        QVERIFY(autostart.disable(&error)); // nothing left to remove still counts as done
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(XdgAutostart::defaultConfigHome(), QDir::homePath() + "/.config");
    }

    void refusesWhatCannotBeWritten()
    {
        QTemporaryDir config;
        QString error;
        QVERIFY(!XdgAutostart(config.path(), "ixo").enable(&error));
        QVERIFY(!XdgAutostart(config.path(), "/opt/a\nb/ixo").enable(&error));
        QVERIFY(QFile(config.filePath("autostart")).open(QIODevice::WriteOnly)); // a file where the folder belongs
        XdgAutostart blocked(config.path(), "/usr/bin/ixo");
        error.clear();
        QVERIFY(!blocked.enable(&error) && !error.isEmpty() && !blocked.isEnabled());
    }
};

QTEST_GUILESS_MAIN(TestXdgAutostart)
#include "test_xdg_autostart.moc"
