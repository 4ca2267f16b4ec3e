#include <csignal>
#include <fcntl.h>
#include <linux/input.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "fake_sound.h"
#include "platform/linux/pc_speaker.h"

class TestPcSpeaker : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each tone becomes one tone event, and the speaker is switched off after the last.
    void writesToneEventsThenOff()
    {
        int fds[2];
        QCOMPARE(::pipe2(fds, O_CLOEXEC), 0);
        {
            EvdevToneWriter writer(fds[1]);
            QVERIFY(writer.queue({{2000.0, 1}, {1499.6, 1}}));
            QVERIFY(writer.queue({{550.4, 1}}));
            writer.waitUntilIdle();
            QVERIFY(!writer.hasFailed());
        }
        QList<int> values;
        input_event event{};
        while (::read(fds[0], &event, sizeof(event)) == ssize_t(sizeof(event))) {
            QCOMPARE(event.type, quint16(EV_SND));
            QCOMPARE(event.code, quint16(SND_TONE));
            values.append(event.value);
        }
        ::close(fds[0]);
        // The writer may switch off between the two requests; it switches off after the last tone and once
        // more when it ends.
        const QList<int> together{2000, 1500, 550, 0, 0};
        const QList<int> apart{2000, 1500, 0, 550, 0, 0};
        if (values != apart)
            QCOMPARE(values, together);
    }

    // More tones than may wait at once: the oldest waiting ones give way, so the newest always sound.
    void fullQueueDropsTheOldest()
    {
        int fds[2];
        QCOMPARE(::pipe2(fds, O_CLOEXEC), 0);
        QList<SpeakerTone> tones;
        for (int hertz = 100; hertz < 100 + 150; ++hertz)
            tones.append({double(hertz), 1});
        {
            EvdevToneWriter writer(fds[1]);
            QVERIFY(writer.queue(tones));
            writer.waitUntilIdle();
        }
        QList<int> values;
        input_event event{};
        while (::read(fds[0], &event, sizeof(event)) == ssize_t(sizeof(event)))
            if (event.value != 0)
                values.append(event.value);
        ::close(fds[0]);
        QCOMPARE(values.size(), int(EvdevToneWriter::kMaxWaitingTones));
        QCOMPARE(values.last(), 249);
    }

    void failedDeviceIsReported()
    {
        int fds[2];
        QCOMPARE(::pipe2(fds, O_CLOEXEC), 0);
        ::close(fds[0]);
        std::signal(SIGPIPE, SIG_IGN);
        EvdevToneWriter writer(fds[1]);
        QVERIFY(writer.queue({{1000.0, 1}}));
        writer.waitUntilIdle();
        QVERIFY(writer.hasFailed());
        QVERIFY(!writer.queue({{1000.0, 1}}));
    }

    // Files that are not tone devices are passed over; without a sound output nothing plays tones.
    void onlyToneDevicesAreTaken()
    {
        QTemporaryDir dir;
        QFile fake(dir.filePath(QStringLiteral("event0")));
        QVERIFY(fake.open(QIODevice::WriteOnly));
        fake.close();
        FakeSpeaker noOutput;
        noOutput.present = false;
        PcSpeaker speaker(noOutput, dir.path());
        QVERIFY(!speaker.isPresent());
        QVERIFY(!speaker.usesDevice());
    }
};

QTEST_GUILESS_MAIN(TestPcSpeaker)
#include "test_pc_speaker.moc"
