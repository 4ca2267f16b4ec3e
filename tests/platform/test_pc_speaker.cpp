#include <csignal>
#include <fcntl.h>
#include <linux/input.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <QTest>

#include "fake_sound.h"
#include "platform/linux/pc_speaker.h"

namespace {
// The tone values a writer sends through a pipe for the batches of tones; -1 for an event that is no tone, or
// alone when the writer failed.
QList<int> written(const QList<QList<SpeakerTone>>& batches)
{
    int fds[2];
    bool failed = ::pipe2(fds, O_CLOEXEC) != 0;
    if (failed)
        return {-1};
    {
        EvdevToneWriter writer(fds[1]);
        for (const QList<SpeakerTone>& tones : batches)
            writer.queue(tones);
        writer.waitUntilIdle();
        failed = writer.hasFailed();
    }
    QList<int> values;
    input_event event{};
    while (::read(fds[0], &event, sizeof(event)) == ssize_t(sizeof(event)))
        values.append(event.type == EV_SND && event.code == SND_TONE ? event.value : -1);
    ::close(fds[0]);
    return failed ? QList<int>{-1} : values;
}
} // namespace

class TestPcSpeaker : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each tone becomes one tone event, and the speaker is switched off after the last (the writer may switch off
    // between two requests) and once more when it ends.
    void writesToneEventsThenOff()
    {
        const QList<int> values = written({{{2000.0, 1}, {1499.6, 1}}, {{550.4, 1}}});
        if (values != QList<int>{2000, 1500, 0, 550, 0, 0})
            QCOMPARE(values, (QList<int>{2000, 1500, 550, 0, 0}));
    }

    // More tones than may wait at once: the oldest waiting ones give way, so the newest always sound.
    void fullQueueDropsTheOldest()
    {
        QList<SpeakerTone> tones;
        for (int hertz = 100; hertz < 250; ++hertz)
            tones.append({double(hertz), 1});
        QList<int> values = written({tones});
        values.removeAll(0);
        QCOMPARE(values.size(), int(EvdevToneWriter::kMaxWaitingTones));
        QCOMPARE(values.last(), 249);
    }

    // A device that fails is reported; files that are not tone devices are passed over, and without a sound output
    // nothing plays tones.
    void failuresAndOtherDevices()
    {
        int fds[2];
        QCOMPARE(::pipe2(fds, O_CLOEXEC), 0);
        ::close(fds[0]);
        std::signal(SIGPIPE, SIG_IGN);
        EvdevToneWriter writer(fds[1]);
        QVERIFY(writer.queue({{1000.0, 1}}));
        writer.waitUntilIdle();
        QVERIFY(writer.hasFailed() && !writer.queue({{1000.0, 1}}));

        QTemporaryDir dir;
        QVERIFY(QFile(dir.filePath("event0")).open(QIODevice::WriteOnly));
        FakeSpeaker noOutput;
        noOutput.present = false;
        PcSpeaker speaker(noOutput, dir.path());
        QVERIFY(!speaker.isPresent() && !speaker.usesDevice());
    }
};

QTEST_GUILESS_MAIN(TestPcSpeaker)
#include "test_pc_speaker.moc"
