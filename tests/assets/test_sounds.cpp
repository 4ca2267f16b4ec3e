#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Reads Ixo's generated sounds back as a player would: the two wave files field by field, the tune event by event.
namespace {

const QStringList kSoundFiles{QStringLiteral("ding.wav"), QStringLiteral("didi.snd"), QStringLiteral("air.mid")};

quint32 le(const QByteArray& b, qsizetype at, int width)
{
    quint32 v = 0;
    for (int i = width - 1; i >= 0; --i)
        v = (v << 8) | static_cast<quint8>(b.at(at + i));
    return v;
}

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
        QCOMPARE(runGenerator(second.filePath(QStringLiteral("new/folder"))), 0);
        for (const QString& name : kSoundFiles) {
            const QByteArray made = readAll(first.filePath(name));
            QVERIFY2(!made.isEmpty(), qPrintable(name));
            QVERIFY2(made == readAll(second.filePath(QStringLiteral("new/folder/") + name)), qPrintable(name));
            QVERIFY2(made == readAll(QStringLiteral(IXO_BIN_DIR "/") + name), qPrintable(name + " in the build"));
        }
        // Nothing but the three files is left behind.
        QCOMPARE(QDir(first.path()).entryList(QDir::Files, QDir::Name),
                 (QStringList{"air.mid", "didi.snd", "ding.wav"}));
    }

    void failsWhenFolderCannotBeMade()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("a file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QCOMPARE(runGenerator(blocker.fileName()), 1);
        QCOMPARE(runGenerator(blocker.fileName() + QStringLiteral("/below")), 1);
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
        QVERIFY(b.size() > 44);

        // Canonical RIFF/WAVE: RIFF header, a 16-byte "fmt " chunk, then the "data" chunk to the end of the file.
        QCOMPARE(b.left(4), QByteArray("RIFF"));
        QCOMPARE(le(b, 4, 4), quint32(b.size() - 8));
        QCOMPARE(b.mid(8, 4), QByteArray("WAVE"));
        QCOMPARE(b.mid(12, 4), QByteArray("fmt "));
        QCOMPARE(le(b, 16, 4), 16u);
        QCOMPARE(le(b, 20, 2), 1u); // PCM
        QCOMPARE(le(b, 22, 2), 1u); // mono
        const quint32 rate = le(b, 24, 4);
        QCOMPARE(rate, 44100u);
        QCOMPARE(le(b, 28, 4), rate * 2); // bytes a second
        QCOMPARE(le(b, 32, 2), 2u);       // bytes a sample frame
        QCOMPARE(le(b, 34, 2), 16u);      // bits a sample
        QCOMPARE(b.mid(36, 4), QByteArray("data"));
        const quint32 dataBytes = le(b, 40, 4);
        QCOMPARE(dataBytes, quint32(b.size() - 44));
        QCOMPARE(dataBytes % 2, 0u);

        std::vector<qint16> pcm(dataBytes / 2);
        for (std::size_t n = 0; n < pcm.size(); ++n)
            pcm[n] = static_cast<qint16>(le(b, 44 + 2 * static_cast<qsizetype>(n), 2));
        QVERIFY(std::abs(static_cast<double>(pcm.size()) / rate - seconds) < 0.05);

        int peak = 0;
        for (const qint16 s : pcm)
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        QVERIFY2(peak > 32767 / 4, "audible");
        QVERIFY2(peak < 32767 * 95 / 100, "headroom below clipping");

        // No click at either end: the sound starts from silence and swells over a few samples, and the last 2 ms
        // are near silence.
        QVERIFY2(std::abs(pcm.front()) < 32767 / 100, "starts from silence");
        for (std::size_t n = 0; n < rate / 2000; ++n)
            QVERIFY2(std::abs(pcm[n]) < peak / 4, "soft attack");
        for (std::size_t n = 0; n < rate / 500; ++n)
            QVERIFY2(std::abs(pcm[pcm.size() - 1 - n]) < 32767 / 100, "fades out");

        const std::vector<int> peaks = windowPeaks(pcm, static_cast<int>(rate));
        QCOMPARE(countStrikes(peaks), strikes);
        // A struck sound rings down: the last tenth is much quieter than the loudest moment.
        const int tail = *std::max_element(peaks.end() - static_cast<long>(peaks.size() / 10), peaks.end());
        QVERIFY(tail * 4 < peak);
    }

    void tune()
    {
        const QByteArray b = readAll(QStringLiteral(IXO_BIN_DIR "/air.mid"));
        QVERIFY(b.size() > 22);

        QCOMPARE(b.left(4), QByteArray("MThd"));
        QCOMPARE(be(b, 4, 4), 6u);
        QCOMPARE(be(b, 8, 2), 0u); // format 0
        QCOMPARE(be(b, 10, 2), 1u);
        const quint32 division = be(b, 12, 2);
        QVERIFY(division > 0 && division < 0x8000); // ticks a quarter note
        QCOMPARE(b.mid(14, 4), QByteArray("MTrk"));
        const quint32 length = be(b, 18, 4);
        QCOMPARE(qsizetype(length), b.size() - 22); // the one track fills the rest of the file

        qsizetype at = 22;
        const qsizetype end = b.size();
        const auto byte = [&]() -> std::optional<quint8> {
            if (at >= end)
                return std::nullopt;
            return static_cast<quint8>(b.at(at++));
        };
        const auto varLen = [&]() -> std::optional<quint32> {
            quint32 v = 0;
            for (int i = 0; i < 4; ++i) {
                const auto c = byte();
                if (!c)
                    return std::nullopt;
                v = (v << 7) | (*c & 0x7Fu);
                if (!(*c & 0x80u))
                    return v;
            }
            return std::nullopt;
        };

        double seconds = 0.0;
        double secondsPerTick = 0.5 / division; // 120 beats a minute until a tempo event says otherwise
        quint8 status = 0;
        bool ended = false;
        int noteOns = 0;
        std::map<int, int> sounding; // channel * 128 + key -> count
        std::map<int, bool> programmed;
        while (at < end) {
            QVERIFY2(!ended, "events after End of Track");
            const auto delta = varLen();
            QVERIFY(delta);
            seconds += *delta * secondsPerTick;
            auto first = byte();
            QVERIFY(first);
            if (*first == 0xFF) {
                const auto type = byte();
                const auto size = varLen();
                QVERIFY(type && size && at + qsizetype(*size) <= end);
                if (*type == 0x51) {
                    QCOMPARE(*size, 3u);
                    secondsPerTick = be(b, at, 3) / 1e6 / division;
                }
                if (*type == 0x2F) {
                    QCOMPARE(*size, 0u);
                    ended = true;
                }
                at += *size;
                continue;
            }
            QVERIFY2(*first != 0xF0 && *first != 0xF7, "no system exclusive messages");
            if (*first & 0x80u) {
                status = *first;
                first = byte();
                QVERIFY(first);
            }
            QVERIFY2(status != 0, "running status before any status");
            const int channel = status & 0x0F;
            const int kind = status & 0xF0;
            const int data1 = *first;
            QVERIFY(data1 < 0x80);
            if (kind == 0xC0 || kind == 0xD0) {
                if (kind == 0xC0)
                    programmed[channel] = true;
                continue;
            }
            const auto data2 = byte();
            QVERIFY(data2 && *data2 < 0x80);
            const int key = channel * 128 + data1;
            if (kind == 0x90 && *data2 > 0) {
                QVERIFY2(programmed[channel], "every playing channel chooses its instrument first");
                ++sounding[key];
                ++noteOns;
            } else if (kind == 0x80 || kind == 0x90) {
                QVERIFY2(sounding[key] > 0, "note released that was not struck");
                --sounding[key];
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
