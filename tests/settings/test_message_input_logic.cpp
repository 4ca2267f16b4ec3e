#include <memory>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "alarms/alarm_lists.h"
#include "app/shared_state.h"
#include "settings/message_input_logic.h"
#include "settings/settings_file.h"

namespace {
QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestMessageInputLogic : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_state = std::make_unique<Module1>();
        m_state->strAppPath = m_dir->path() + QStringLiteral("/");
        m_lists = std::make_unique<AlarmLists>();
        for (const char* line : {"once 07:30:00", "thrice 13:05:00", "twice 19:30:00"})
            m_lists->lstData.insertSorted(QString::fromLatin1(line));
        for (const char* line : {"Call the garage at 13:05:00", "Cake at 19:30:00", "Cake again at 13:05:00"})
            m_lists->lstMessage.append(QString::fromLatin1(line));
    }

    // Opening on thrice 13:05:00 takes the first of its two messages out for editing; the other stays.
    void loadTakesTheFirstMessageOfTheSelectedTime()
    {
        m_lists->lstData.setSelected(1);
        const MessageInput::Loaded loaded = MessageInput::load(*m_state, *m_lists);
        QCOMPARE(loaded.message, QStringLiteral("Call the garage"));
        QCOMPARE(m_lists->lstMessage.lines(),
                 (QStringList{QStringLiteral("Cake at 19:30:00"), QStringLiteral("Cake again at 13:05:00")}));
        QVERIFY(!loaded.fontSize); // no settings file
        QVERIFY(!loaded.position);
    }

    void loadWithoutSelectionTakesNothing()
    {
        m_lists->lstData.setSelected(-1);
        QCOMPARE(MessageInput::load(*m_state, *m_lists).message, QString());
        QCOMPARE(m_lists->lstMessage.count(), 3);
    }

    // Only the font size depends on slot 7 being "[FontSize]"; slot 2 counts only when spelled as stored.
    void loadReadsSlots7And2_data()
    {
        QTest::addColumn<QString>("fontSection");
        QTest::addColumn<qint16>("fontSize");
        QTest::addColumn<QString>("placeSection");
        QTest::addColumn<int>("expectedFont");
        QTest::addColumn<bool>("placeTaken");
        QTest::newRow("both") << QStringLiteral("[FontSize]") << qint16(14) << QStringLiteral("[MessaegInputLoc]") << 14
                              << true;
        QTest::newRow("slot 7 foreign") << QStringLiteral("[Other]") << qint16(14)
                                        << QStringLiteral("[MessaegInputLoc]") << 0 << true;
        QTest::newRow("slot 2 spelled right is not ours")
            << QStringLiteral("[FontSize]") << qint16(11) << QStringLiteral("[MessageInputLoc]") << 11 << false;
        QTest::newRow("slot 2 with blanks is not ours")
            << QStringLiteral("[FontSize]") << qint16(11) << QStringLiteral(" [MessaegInputLoc") << 11 << false;
        QTest::newRow("size zero is no size")
            << QStringLiteral("[FontSize]") << qint16(0) << QStringLiteral("[MessaegInputLoc]") << 0 << true;
        QTest::newRow("size beyond 72 is no size")
            << QStringLiteral("[FontSize]") << qint16(300) << QStringLiteral("[MessaegInputLoc]") << 0 << true;
    }
    void loadReadsSlots7And2()
    {
        QFETCH(QString, fontSection);
        QFETCH(qint16, fontSize);
        QFETCH(QString, placeSection);
        QFETCH(int, expectedFont);
        QFETCH(bool, placeTaken);
        QVERIFY(m_state->settingsFile().writeSlots(
            {{7, IniRecord{fontSection, fontSize, 0, {}}}, {2, IniRecord{placeSection, 210, 95, {}}}}));
        m_lists->lstData.setSelected(2);
        const MessageInput::Loaded loaded = MessageInput::load(*m_state, *m_lists);
        QCOMPARE(loaded.fontSize.value_or(0), expectedFont);
        QCOMPARE(loaded.position.has_value(), placeTaken);
        if (placeTaken)
            QCOMPARE(*loaded.position, QPoint(210, 95));
        QCOMPARE(loaded.message, QStringLiteral("Cake"));
    }

    void saveRoundsHalfToEvenBeforeLookingAtTheText_data()
    {
        QTest::addColumn<double>("size");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("added");
        const int added = int(MessageInput::SaveResult::Added);
        const int nothing = int(MessageInput::SaveResult::NothingToSave);
        QTest::newRow("12.5 is 12") << 12.5 << QStringLiteral("Tea") << 12 << added
                                    << QStringLiteral("Tea at 19:30:00");
        QTest::newRow("11.5 is 12") << 11.5 << QStringLiteral("Tea") << 12 << added
                                    << QStringLiteral("Tea at 19:30:00");
        QTest::newRow("10.5 is 10, empty text") << 10.5 << QString() << 10 << nothing << QString();
        QTest::newRow("spaces count as text")
            << 9.0 << QStringLiteral("  ") << 9 << added << QStringLiteral("   at 19:30:00");
        QTest::newRow("line breaks become spaces")
            << 9.0 << QStringLiteral("Tea\nand cake\r\n") << 9 << added << QStringLiteral("Tea and cake   at 19:30:00");
    }
    void saveRoundsHalfToEvenBeforeLookingAtTheText()
    {
        QFETCH(double, size);
        QFETCH(QString, text);
        QFETCH(int, stored);
        QFETCH(int, result);
        QFETCH(QString, added);
        m_lists->lstData.setSelected(2);
        m_state->recIni.iData2 = 7;
        bool written = false;
        QCOMPARE(int(MessageInput::save(*m_state, *m_lists, size, text, &written)), result);
        QVERIFY(written);
        const QByteArray slot7 = readAll(m_state->settingsFile().path()).mid(6 * 51, 51);
        QCOMPARE(IniRecord::fromBytes(slot7).section(), QStringLiteral("[FontSize]"));
        QCOMPARE(int(IniRecord::fromBytes(slot7).iData1), stored);
        QCOMPARE(m_lists->lstMessage.count(), added.isEmpty() ? 3 : 4);
        if (!added.isEmpty())
            QCOMPARE(m_lists->lstMessage.lines().constLast(), added);
    }

    void saveWithoutSelectionAddsNothing()
    {
        m_lists->lstData.setSelected(-1);
        QCOMPARE(MessageInput::save(*m_state, *m_lists, 9, QStringLiteral("Tea")),
                 MessageInput::SaveResult::NothingToSave);
        QCOMPARE(m_lists->lstMessage.count(), 3);
        QVERIFY(m_state->settingsFile().exists());
    }

    // The place goes to slot 2: the name fills its 17 bytes, left in iData1, top in iData2.
    void positionBytes()
    {
        QVERIFY(MessageInput::storePosition(*m_state, QPoint(300, -2)));
        const QByteArray bytes = readAll(m_state->settingsFile().path());
        QCOMPARE(bytes.size(), 102);
        QCOMPARE(bytes.left(51), QByteArray(51, '\0'));
        QCOMPARE(bytes.mid(51, 21), QByteArray("[MessaegInputLoc]") + QByteArray::fromHex("2c01feff"));
    }

    void fontSteps_data()
    {
        QTest::addColumn<double>("size");
        QTest::addColumn<double>("smaller");
        QTest::addColumn<double>("larger");
        QTest::newRow("design size") << 9.0 << 8.0 << 10.0;
        QTest::newRow("6 only beeps on -") << 6.0 << -1.0 << 7.0;
        QTest::newRow("just above 6") << 6.5 << 5.5 << 7.5;
        QTest::newRow("just below 16.8") << 16.7 << 15.7 << 17.7;
        QTest::newRow("16.8 only beeps on +") << 16.8 << 15.8 << -1.0;
        QTest::newRow("17") << 17.0 << 16.0 << -1.0;
    }
    void fontSteps()
    {
        QFETCH(double, size);
        QFETCH(double, smaller);
        QFETCH(double, larger);
        QCOMPARE(MessageInput::smallerFont(size).value_or(-1.0), smaller);
        QCOMPARE(MessageInput::largerFont(size).value_or(-1.0), larger);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Module1> m_state;
    std::unique_ptr<AlarmLists> m_lists;
};

QTEST_GUILESS_MAIN(TestMessageInputLogic)
#include "test_message_input_logic.moc"
