// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QTest>

#include "core/io/quoted_line_file.h"

class TestQuotedLineFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void decodesItems_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("lone LF, lone CR") << QByteArray("\"a\"\n\"b\"\r\"c\"") << QStringList{"a", "b", "c"};
        QTest::newRow("unquoted with a comma is two items")
            << QByteArray("once 07:30:00, twice 08:00:00  \r\n") << QStringList{"once 07:30:00", "twice 08:00:00"};
        QTest::newRow("text after the closing quote dropped")
            << QByteArray("  \"a, b\" tail,\"c\"\r\n") << QStringList{"a, b", "c"};
        QTest::newRow("UTF-8 file, byte order mark skipped")
            << QByteArray("\xef\xbb\xbf\"caf\xc3\xa9\"\r\n\"\xd0\x96\"")
            << QStringList{QStringLiteral("caf\u00e9"), QStringLiteral("\u0416")};
        QTest::newRow("one byte that is not UTF-8 makes the whole file Windows-1252")
            << QByteArray("\"caf\xc3\xa9\"\r\n\"\xe9\"")
            << QStringList{QStringLiteral("caf\u00c3\u00a9"), QStringLiteral("\u00e9")};
    }
    void decodesItems()
    {
        QFETCH(QByteArray, bytes);
        QTEST(QuotedLineFile::decode(bytes), "items");
    }

    // Text Windows-1252 can hold is written in it, one byte a character; anything else makes the whole file UTF-8.
    // Either way it reads back unchanged.
    void encodesWindows1252OrUtf8_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Cyrillic and Western")
            << QStringList{QStringLiteral("\u00e9"), QStringLiteral("\u041f\u0440\u0438\u0432\u0435\u0442")}
            << QByteArray("\"\xc3\xa9\"\r\n\"\xd0\x9f\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82\"\r\n");
        QTest::newRow("Windows-1252 that would read as UTF-8")
            << QStringList{QStringLiteral("\u00c3\u00a9")} << QByteArray("\"\xc3\x83\xc2\xa9\"\r\n");
        QTest::newRow("Western, an old file with unassigned bytes")
            << QStringList{"a.bmp", QStringLiteral("caf\u00e9 \u20ac \u0081\u008d\u008f\u0090\u009d \u0153")}
            << QByteArray("\"a.bmp\"\r\n\"caf\xe9 \x80 \x81\x8d\x8f\x90\x9d \x9c\"\r\n");
    }
    void encodesWindows1252OrUtf8()
    {
        QFETCH(QStringList, lines);
        QFETCH(QByteArray, bytes);
        QCOMPARE(QuotedLineFile::encode(lines), bytes);
        QCOMPARE(QuotedLineFile::decode(bytes), lines);
    }
};

QTEST_GUILESS_MAIN(TestQuotedLineFile)
#include "test_quoted_line_file.moc"
