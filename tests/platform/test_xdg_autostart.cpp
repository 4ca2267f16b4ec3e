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
    void execArgument_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/bin/ixo"
                               << "\"/usr/bin/ixo\"";
        QTest::newRow("blank") << "/opt/my apps/ixo"
                               << "\"/opt/my apps/ixo\"";
        QTest::newRow("dollar") << "/opt/$HOME/ixo"
                                << "\"/opt/\\\\$HOME/ixo\"";
        QTest::newRow("percent") << "/opt/100%/ixo"
                                 << "\"/opt/100%%/ixo\"";
        QTest::newRow("backslash") << "/opt/a\\b/ixo"
                                   << "\"/opt/a\\\\\\\\b/ixo\"";
        QTest::newRow("quote and backtick") << "/opt/\"x`/ixo"
                                            << "\"/opt/\\\\\"x\\\\`/ixo\"";
    }
    void execArgument()
    {
        QFETCH(QString, path);
        QTEST(XdgAutostart::execArgument(path), "exec");
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
        QVERIFY(text.startsWith("[Desktop Entry]\n"));
        QVERIFY(text.contains("\nType=Application\n"));
        QVERIFY(text.contains("\nExec=" + XdgAutostart::execArgument(exe).toUtf8() + "\n"));

        const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
        QVERIFY2(!validator.isEmpty(), "desktop-file-validate is missing (scripts/install-deps installs it)");
        QProcess validate;
        validate.start(validator, {entry});
        QVERIFY(validate.waitForFinished());
        const QByteArray report = validate.readAllStandardOutput() + validate.readAllStandardError();
        QVERIFY2(validate.exitCode() == 0 && report.isEmpty(), report.constData());

        QVERIFY(autostart.disable(&error));
        QVERIFY(!QFile::exists(entry));
        QVERIFY(autostart.disable(&error)); // nothing left to remove still counts as done
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(XdgAutostart::defaultConfigHome(), QDir::homePath() + "/.config");
    }

    void refusesWhatCannotBeWritten()
    {
        QTemporaryDir config;
        QString error;
        XdgAutostart relative(config.path(), "ixo");
        QVERIFY(!relative.enable(&error));
        XdgAutostart newline(config.path(), "/opt/a\nb/ixo");
        QVERIFY(!newline.enable(&error));
        QFile blocker(config.filePath("autostart"));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder belongs
        blocker.close();
        XdgAutostart blocked(config.path(), "/usr/bin/ixo");
        QVERIFY(!blocked.enable(&error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!blocked.isEnabled());
    }
};

QTEST_GUILESS_MAIN(TestXdgAutostart)
#include "test_xdg_autostart.moc"
