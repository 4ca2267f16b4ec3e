#include <algorithm>
#include <cmath>
#include <cstdint>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "sound_files.h"

// Checks Ixo's generated sounds as a player would find them.
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

    // The wave files are canonical 16-bit mono PCM of the right length with audible, unclipped strikes; the tune
    // is one well-formed track that ends with End of Track.
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
        QVERIFY(b.size() > 44 && b.size() % 2 == 0);
        QCOMPARE(b.left(44), SoundFiles::waveBytes({}, 44100, b.size() - 44));
        std::vector<qint16> pcm(std::size_t(b.size() - 44) / 2);
        for (std::size_t n = 0; n < pcm.size(); ++n)
            pcm[n] = qFromLittleEndian<qint16>(b.constData() + 44 + 2 * n);
        QVERIFY(std::abs(double(pcm.size()) / 44100 - seconds) < 0.05);
        const std::vector<int> peaks = windowPeaks(pcm, 44100);
        const int peak = *std::max_element(peaks.begin(), peaks.end());
        QVERIFY2(peak > 32767 / 4 && peak < 32767 * 95 / 100, "audible, with headroom below clipping");
        QVERIFY2(std::abs(pcm.front()) < 327 && std::abs(pcm.back()) < 327, "no click at either end");
        QCOMPARE(countStrikes(peaks), strikes);
    }

    void tune()
    {
        const QByteArray b = readAll(QStringLiteral(IXO_BIN_DIR "/air.mid"));
        QVERIFY(b.size() > 22);
        QCOMPARE(b.left(12), QByteArray("MThd\0\0\0\6\0\0\0\1", 12)); // format 0, one track
        QCOMPARE(b.mid(14, 4), QByteArray("MTrk"));
        QCOMPARE(qsizetype(be(b, 18, 4)), b.size() - 22); // the one track fills the rest of the file
        QVERIFY(b.endsWith(QByteArray("\xFF\x2F\x00", 3)));
    }
};

QTEST_GUILESS_MAIN(TestSounds)
#include "test_sounds.moc"
