#include <QTest>
#include <QtEndian>

#include "sound_files.h"

// Ixo's generated sounds as the build delivers them and a player finds them.
class TestSounds : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The waves are canonical 16-bit mono PCM of about the right length (the ding's two plays are counted in the
    // alarm scenario), not clipped. The chime and the tune are played and heard in the sound output's test.
    void playable()
    {
        for (const auto& [name, seconds] : {std::pair{"ding.wav", 1.5}, {"didi.snd", 0.6}}) {
            const QByteArray b = SoundFiles::readFile(QStringLiteral(IXO_BIN_DIR "/") + name);
            QVERIFY(b.size() > 44 && b.size() % 2 == 0);
            QCOMPARE(b.left(44), SoundFiles::waveBytes({}, b.size() - 44));
            QCOMPARE_LT(qAbs((b.size() - 44) / 2 / 44100.0 - seconds), 0.05);
            int peak = 0;
            for (qsizetype at = 44; at < b.size(); at += 2)
                peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(b.constData() + at))));
            QVERIFY2(peak > 32767 / 4 && peak < 32767 * 95 / 100, name);
        }
    }
};

QTEST_GUILESS_MAIN(TestSounds)
#include "test_sounds.moc"
