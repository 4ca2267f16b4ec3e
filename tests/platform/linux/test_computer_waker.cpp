// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "platform/linux/system_computer_waker.h"

using Way = ComputerWaker::Way;

// The ways to wake against scripted services on a private bus (python3-dbusmock): the KDE power manager's wake-ups,
// logind's sleep delay, and shell scripts standing in for the wake helper. Each test starts the services it needs.
class TestComputerWaker : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QProcess m_bus;
    std::vector<std::unique_ptr<QProcess>> m_services;
    std::optional<QDBusConnection> m_connection;

    QDBusConnection& bus() { return *m_connection; }
    /// Starts a python3-dbusmock template on the private bus, logging to NAME.log, and waits for its name.
    void startService(const QString& templateName, const QString& name)
    {
        m_services.emplace_back(std::make_unique<QProcess>())
            ->start("/usr/bin/python3",
                    {"-m", "dbusmock", "--session", "-t", templateName, "-l", m_dir.filePath(name + ".log")});
        QTRY_VERIFY(bus().interface()->isServiceRegistered(name));
    }
    /// The power manager's calls, without their times.
    QStringList powerCalls() const
    {
        QFile log(m_dir.filePath("org.kde.Solid.PowerManagement.log"));
        if (!log.open(QIODevice::ReadOnly))
            return {};
        const QRegularExpression time("^[0-9.]+ ", QRegularExpression::MultilineOption);
        return QString::fromUtf8(log.readAll()).remove(time).split('\n', Qt::SkipEmptyParts);
    }
    QDBusMessage login(const QString& interface, const QString& method, const QVariantList& arguments = {})
    {
        QDBusMessage call =
            QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1", interface, method);
        call.setArguments(arguments);
        return bus().call(call);
    }
    int inhibitors()
    {
        const QDBusArgument list =
            login("org.freedesktop.login1.Manager", "ListInhibitors").arguments().value(0).value<QDBusArgument>();
        int count = 0;
        for (list.beginArray(); !list.atEnd(); ++count)
            list.asVariant();
        return count;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (QProcess::execute("/usr/bin/python3", {"-c", "import dbusmock"}) != 0)
            QSKIP("python3-dbusmock is not installed (scripts/install-deps test)");
        m_bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QVERIFY2(m_bus.waitForReadyRead(10000), "dbus-daemon did not start");
        const QString address = QString::fromUtf8(m_bus.readLine()).trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8()); // for the services started
        m_connection = QDBusConnection::connectToBus(address, "private");
        QVERIFY(bus().isConnected());
    }
    void cleanup() { m_services.clear(); }

    // scheduleWakeup with the time, the old cookie cleared on each change and when taken back; before sleep the request
    // is sent again and the sleep delay let go once it is answered, taken again after the resume; the end clears.
    void powerManager()
    {
        startService("logind", "org.freedesktop.login1");
        startService(QFINDTESTDATA("kde_power_mock.py"), "org.kde.Solid.PowerManagement");
        auto waker = std::make_unique<SystemComputerWaker>(
            SystemComputerWaker::Setup{bus(), bus(), {}, {Way::PowerManager, Way::Helper}});
        QTRY_COMPARE(waker->way(), Way::PowerManager);
        QTRY_VERIFY(waker->holdsSleepDelay() && inhibitors() == 1);
        const auto prepareForSleep = [this](bool on) {
            login("org.freedesktop.DBus.Mock", "EmitSignal",
                  {"org.freedesktop.login1.Manager", "PrepareForSleep", "b",
                   QVariantList{QVariant::fromValue(QDBusVariant(on))}});
        };
        const QString scheduled = "scheduleWakeup \"" + bus().baseService() + "\" \"/io/github/ixo/Ixo/Wake\" ";
        waker->wakeAt(QDateTime::fromSecsSinceEpoch(1796540340));
        waker->wakeAt(QDateTime::fromSecsSinceEpoch(1796543940));
        waker->onBeforeSleep = [&waker] { waker->wakeAt(QDateTime::fromSecsSinceEpoch(1796547540)); };
        QTRY_VERIFY(waker->isAnswered());
        prepareForSleep(true);
        QTRY_VERIFY(!waker->holdsSleepDelay() && inhibitors() == 0);
        QCOMPARE(powerCalls().mid(3), (QStringList{"clearWakeup 2", scheduled + "1796547540"}));
        prepareForSleep(false);
        QTRY_VERIFY(waker->holdsSleepDelay() && inhibitors() == 1);
        waker->wakeAt({});
        waker->wakeAt(QDateTime::fromSecsSinceEpoch(1796551140));
        QTRY_VERIFY(waker->isAnswered());
        waker.reset();
        QTRY_COMPARE(powerCalls(), (QStringList{scheduled + "1796540340", scheduled + "1796543940", "clearWakeup 1",
                                                "clearWakeup 2", scheduled + "1796547540", "clearWakeup 3",
                                                scheduled + "1796551140", "clearWakeup 4"}));
    }

    // Without the power manager the helper is next: it is fed the times and empty lines; a helper that cannot arm, or
    // none, leaves no way, and the line says why.
    void helperOrNone_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("whyNot");
        QTest::newRow("works") << "echo ready; while read -r t; do echo \"$t.\" >>\"$0.log\"; echo armed; done"
                               << "";
        QTest::newRow("no capability") << "echo 'cannot arm: Operation not permitted'; exit 1"
                                       << "the wake helper stopped: cannot arm: Operation not permitted";
        QTest::newRow("not installed") << ""
                                       << "the wake helper is not installed (" + m_dir.filePath("helper") + ")";
    }
    void helperOrNone()
    {
        QFETCH(QString, body);
        QFETCH(QString, whyNot);
        QFile script(m_dir.filePath("helper"));
        QVERIFY(script.open(QIODevice::WriteOnly) && script.write(("#!/bin/sh\n" + body).toUtf8()) > 0);
        script.setPermissions(body.isEmpty() ? QFile::ReadOwner : QFile::ReadOwner | QFile::ExeOwner);
        script.close();
        SystemComputerWaker waker({bus(), bus(), script.fileName(), {Way::PowerManager, Way::Helper}});
        QTRY_COMPARE(waker.whyNot(), whyNot.isEmpty() ? "" : "the KDE power manager is not running; " + whyNot);
        QTRY_COMPARE(waker.way(), whyNot.isEmpty() ? Way::Helper : Way::None);
        waker.wakeAt(QDateTime::fromSecsSinceEpoch(1796540340));
        waker.wakeAt({});
        QFile log(script.fileName() + ".log");
        if (whyNot.isEmpty()) // read afresh on each try
            QTRY_VERIFY((log.close(), log.open(QIODevice::ReadOnly)) && log.readAll() == "1796540340.\n.\n");
    }
};

QTEST_GUILESS_MAIN(TestComputerWaker)
#include "test_computer_waker.moc"
