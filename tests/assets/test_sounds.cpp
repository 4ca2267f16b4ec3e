#include <QFile>
#include <QTest>
#include <QtEndian>

#include "sound_files.h"

namespace {
QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

// Ixo's generated sounds as the build delivers them and a player finds them.
class TestSounds : public QObject
{
    Q_OBJECT
private Q_SLOTS:
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
