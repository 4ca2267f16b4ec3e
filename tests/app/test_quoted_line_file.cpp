#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/quoted_line_file.h"

class TestQuotedLineFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void encodesQuotedCrLfLines()
    {
        const QStringList lines{QStringLiteral("a.bmp"), QStringLiteral("b.jpg"), QStringLiteral("c.gif")};
        const QByteArray bytes = QuotedLineFile::encode(lines);
        QCOMPARE(bytes, QByteArray("\"a.bmp\"\r\n\"b.jpg\"\r\n\"c.gif\"\r\n"));
        QCOMPARE(QuotedLineFile::encode({}), QByteArray());
        QCOMPARE(QuotedLineFile::decode(bytes), lines);
    }

    void decodesItems_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("CR LF") << QByteArray("\"once 07:30:00\"\r\n\"Call at 07:30:00\"\r\n")
                               << QStringList{"once 07:30:00", "Call at 07:30:00"};
        QTest::newRow("lone LF") << QByteArray("\"a\"\n\"b\"\n") << QStringList{"a", "b"};
        QTest::newRow("lone CR") << QByteArray("\"a\"\r\"b\"") << QStringList{"a", "b"};
        QTest::newRow("unquoted with a comma is two items")
            << QByteArray("once 07:30:00, twice 08:00:00  \r\n") << QStringList{"once 07:30:00", "twice 08:00:00"};
        QTest::newRow("text after the closing quote dropped")
            << QByteArray("  \"a, b\" tail,\"c\"\r\n") << QStringList{"a, b", "c"};
        QTest::newRow("quote inside is not doubled")
            << QByteArray("\"say \"hi\" at 09:00:00\"\r\n") << QStringList{"say "};
        QTest::newRow("unterminated quote runs to the end") << QByteArray("\"open") << QStringList{"open"};
        QTest::newRow("empty lines hold no item") << QByteArray("\r\n\r\n  \r\n\"x\"\r\n") << QStringList{"x"};
        QTest::newRow("latin-1 byte") << QByteArray("\"caf\xe9\"") << QStringList{QStringLiteral("caf\u00e9")};
    }
    void decodesItems()
    {
        QFETCH(QByteArray, bytes);
        QTEST(QuotedLineFile::decode(bytes), "items");
    }

    void writeReplacesAndCreatesFolder()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + QStringLiteral("/sub/my.dat");
        QVERIFY(QuotedLineFile::write(path, {QStringLiteral("once 07:30:00")}));
        QVERIFY(QuotedLineFile::write(path, {}));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.size(), 0);
        QStringList items{QStringLiteral("stale")};
        QVERIFY(QuotedLineFile::read(path, &items));
        QVERIFY(items.isEmpty());
        QVERIFY(!QuotedLineFile::read(dir.path() + QStringLiteral("/missing.dat"), &items));
    }
};

QTEST_GUILESS_MAIN(TestQuotedLineFile)
#include "test_quoted_line_file.moc"
