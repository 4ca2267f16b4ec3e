#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <set>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "sound_files.h"

// Reads Ixo's generated sounds back as a player would: the two wave files field by field, the tune event by event.
namespace {

const QStringList kSoundFiles{"ding.wav", "didi.snd", "air.mid"};

quint32 be(const QByteArray& b, qsizetype at, int width)
{
    quint32 v = 0;
    for (int i = 0; i < width; ++i)
        v = (v << 8) | static_cast<quint8>(b.at(at + i));
    return v;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Runs the generator into `folder`; returns its exit code, or -1 when it did not run to an end.
int runGenerator(const QString& folder)
{
    QProcess tool;
    tool.start(QStringLiteral(IXO_MAKE_SOUNDS), {folder});
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit)
        return -1;
    return tool.exitCode();
}

// Peak of |sample| per 10 ms window.
std::vector<int> windowPeaks(const std::vector<qint16>& pcm, int sampleRate)
{
    const std::size_t window = static_cast<std::size_t>(sampleRate / 100);
    std::vector<int> peaks;
    for (std::size_t at = 0; at < pcm.size(); at += window) {
        int peak = 0;
        for (std::size_t n = at; n < std::min(pcm.size(), at + window); ++n)
            peak = std::max(peak, std::abs(static_cast<int>(pcm[n])));
        peaks.push_back(peak);
    }
    return peaks;
}

// Strikes: windows whose peak more than doubles the previous one and reaches a fifth of the loudest.
int countStrikes(const std::vector<int>& peaks)
{
    const int loudest = *std::max_element(peaks.begin(), peaks.end());
    int strikes = 0;
    int previous = 0;
    for (const int peak : peaks) {
        if (peak > 2 * previous && peak * 5 >= loudest)
            ++strikes;
        previous = peak;
    }
    return strikes;
}

} // namespace

class TestSounds : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The build delivers the generator's output, and every run of it gives the same bytes.
    void deliveredAndReproducible()
    {
        QTemporaryDir first;
        QTemporaryDir second;
        QVERIFY(first.isValid() && second.isValid());
        QCOMPARE(runGenerator(first.path()), 0);
        QCOMPARE(runGenerator(second.filePath("new/folder")), 0);
        for (const QString& name : kSoundFiles) {
            const QByteArray made = readAll(first.filePath(name));
            QVERIFY2(!made.isEmpty(), qPrintable(name));
            QVERIFY2(made == readAll(second.filePath("new/folder/" + name)), qPrintable(name));
            QVERIFY2(made == readAll(QStringLiteral(IXO_BIN_DIR "/") + name), qPrintable(name + " in the build"));
        }
        // Nothing but the three files is left behind.
        QCOMPARE(QDir(first.path()).entryList(QDir::Files, QDir::Name),
                 (QStringList{"air.mid", "didi.snd", "ding.wav"}));
    }

    void failsWhenFolderCannotBeMade()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("a file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QCOMPARE(runGenerator(blocker.fileName()), 1);
        QCOMPARE(runGenerator(blocker.fileName() + "/below"), 1);
    }

    void waveFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<int>("strikes");
        QTest::newRow("alarm ding") << "ding.wav" << 1.5 << 1;
        QTest::newRow("two-tone chime") << "didi.snd" << 0.6 << 2;
    }
    void waveFile()
    {
        QFETCH(QString, name);
        QFETCH(double, seconds);
        QFETCH(int, strikes);
        const QByteArray b = readAll(QStringLiteral(IXO_BIN_DIR "/") + name);
        // Canonical 16-bit mono PCM at 44100 Hz: the 44-byte header, then the samples to the end of the file.
        QVERIFY(b.size() > 44 && b.size() % 2 == 0);
        QCOMPARE(b.left(44), SoundFiles::waveBytes({}, 44100, b.size() - 44));
        std::vector<qint16> pcm(std::size_t(b.size() - 44) / 2);
        for (std::size_t n = 0; n < pcm.size(); ++n)
            pcm[n] = qFromLittleEndian<qint16>(b.constData() + 44 + 2 * n);
        QVERIFY(std::abs(double(pcm.size()) / 44100 - seconds) < 0.05);

        int peak = 0;
        for (const qint16 s : pcm)
            peak = std::max(peak, std::abs(int(s)));
        QVERIFY2(peak > 32767 / 4 && peak < 32767 * 95 / 100, "audible, with headroom below clipping");
        // No click at either end: a soft attack over the first half millisecond, near silence in the last 2 ms.
        QVERIFY2(std::abs(pcm.front()) < 327, "starts from silence");
        for (std::size_t n = 0; n < 22; ++n)
            QVERIFY2(std::abs(pcm[n]) < peak / 4, "soft attack");
        for (std::size_t n = 0; n < 88; ++n)
            QVERIFY2(std::abs(pcm[pcm.size() - 1 - n]) < 327, "fades out");

        const std::vector<int> peaks = windowPeaks(pcm, 44100);
        QCOMPARE(countStrikes(peaks), strikes);
        // A struck sound rings down: the last tenth is much quieter than the loudest moment.
        QVERIFY(*std::max_element(peaks.end() - long(peaks.size() / 10), peaks.end()) * 4 < peak);
    }

    // The tune read event by event: well formed, every note released, an instrument chosen, 10 to 15 seconds.
    void tune()
    {
        const QByteArray b = readAll(QStringLiteral(IXO_BIN_DIR "/air.mid"));
        QVERIFY(b.size() > 22);
        QCOMPARE(b.left(12), QByteArray("MThd\0\0\0\6\0\0\0\1", 12)); // format 0, one track
        const quint32 division = be(b, 12, 2);
        QVERIFY(division > 0 && division < 0x8000); // ticks a quarter note
        QCOMPARE(b.mid(14, 4), QByteArray("MTrk"));
        QCOMPARE(qsizetype(be(b, 18, 4)), b.size() - 22); // the one track fills the rest of the file

        qsizetype at = 22;
        bool truncated = false;
        const auto byte = [&]() -> quint8 {
            truncated = truncated || at >= b.size();
            return truncated ? 0 : quint8(b.at(at++));
        };
        const auto varLen = [&] {
            quint32 v = 0;
            for (int i = 0; i < 4; ++i) {
                const quint8 c = byte();
                v = (v << 7) | (c & 0x7Fu);
                if (!(c & 0x80u))
                    return v;
            }
            truncated = true;
            return v;
        };
        double seconds = 0.0;
        double secondsPerTick = 0.5 / division; // 120 beats a minute until a tempo event says otherwise
        quint8 status = 0;
        bool ended = false;
        int noteOns = 0;
        std::map<int, int> sounding; // channel * 128 + key -> count
        std::set<int> programmed;
        while (at < b.size()) {
            QVERIFY2(!ended, "events after End of Track");
            seconds += varLen() * secondsPerTick;
            quint8 first = byte();
            if (first == 0xFF) {
                const quint8 type = byte();
                const quint32 size = varLen();
                QVERIFY(!truncated && at + qsizetype(size) <= b.size() && (type != 0x51 || size == 3));
                if (type == 0x51)
                    secondsPerTick = be(b, at, 3) / 1e6 / division;
                ended = type == 0x2F && size == 0;
                at += size;
                continue;
            }
            QVERIFY2(first != 0xF0 && first != 0xF7, "no system exclusive messages");
            if (first & 0x80u) {
                status = first;
                first = byte();
            }
            QVERIFY2(status != 0 && first < 0x80, "a status byte, then data bytes");
            const int channel = status & 0x0F;
            const int kind = status & 0xF0;
            if (kind == 0xC0)
                programmed.insert(channel);
            if (kind == 0xC0 || kind == 0xD0)
                continue;
            const quint8 velocity = byte();
            QVERIFY(!truncated && velocity < 0x80);
            int& count = sounding[channel * 128 + first];
            if (kind == 0x90 && velocity > 0) {
                QVERIFY2(programmed.count(channel), "every playing channel chooses its instrument first");
                ++count;
                ++noteOns;
            } else if (kind == 0x80 || kind == 0x90) {
                QVERIFY2(count-- > 0, "note released that was not struck");
            }
        }
        QVERIFY2(ended, "the track ends with End of Track");
        QVERIFY(noteOns >= 16);
        for (const auto& [key, count] : sounding)
            QVERIFY2(count == 0, "no note is left hanging");
        QVERIFY2(seconds >= 10.0 && seconds <= 15.0, qPrintable(QString::number(seconds)));
    }
};

QTEST_GUILESS_MAIN(TestSounds)
#include "test_sounds.moc"
