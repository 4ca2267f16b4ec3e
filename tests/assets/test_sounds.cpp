#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "sound_files.h"

namespace {
QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs the generator into `folder`; returns its exit code, or -1 when it did not run to an end.
int runGenerator(const QString& folder)
{
    QProcess tool;
    tool.start(QStringLiteral(IXO_MAKE_SOUNDS), {folder});
    return tool.waitForFinished(60000) && tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}
} // namespace

// Ixo's generated sounds as a player finds them.
class TestSounds : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The build delivers the generator's output, a new run gives the same bytes, and nothing else is left
    // behind; a folder that cannot be made fails the run.
    void deliveredAndReproducible()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("new/folder/");
        QCOMPARE(runGenerator(folder), 0);
        QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name), (QStringList{"air.mid", "didi.snd", "ding.wav"}));
        for (const QString name : {"air.mid", "didi.snd", "ding.wav"}) {
            const QByteArray made = readAll(folder + name);
            QVERIFY2(!made.isEmpty() && made == readAll(QStringLiteral(IXO_BIN_DIR "/") + name), qPrintable(name));
        }
        QCOMPARE(runGenerator(folder + "air.mid/below"), 1);
    }

    // The waves are canonical 16-bit mono PCM of about the right length (the ding's two plays are counted in the
    // alarm scenario), not clipped; the tune is one well-formed track ending with End of Track.
    void playable()
    {
        for (const auto& [name, seconds] : {std::pair{"ding.wav", 1.5}, {"didi.snd", 0.6}}) {
            const QByteArray b = readAll(QStringLiteral(IXO_BIN_DIR "/") + name);
            QVERIFY(b.size() > 44 && b.size() % 2 == 0);
            QCOMPARE(b.left(44), SoundFiles::waveBytes({}, 44100, b.size() - 44));
            QCOMPARE_LT(qAbs((b.size() - 44) / 2 / 44100.0 - seconds), 0.05);
            int peak = 0;
            for (qsizetype at = 44; at < b.size(); at += 2)
                peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(b.constData() + at))));
            QVERIFY2(peak > 32767 / 4 && peak < 32767 * 95 / 100, name);
        }

        const QByteArray tune = readAll(QStringLiteral(IXO_BIN_DIR "/air.mid"));
        QVERIFY(tune.startsWith(QByteArray("MThd\0\0\0\6\0\0\0\1", 12)) && tune.mid(14, 4) == "MTrk");
        QCOMPARE(qFromBigEndian<quint32>(tune.constData() + 18), quint32(tune.size() - 22)); // the track fills the rest
        QVERIFY(tune.endsWith(QByteArray("\xFF\x2F\x00", 3)));
    }
};

QTEST_GUILESS_MAIN(TestSounds)
#include "test_sounds.moc"
