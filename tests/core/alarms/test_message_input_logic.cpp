// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <memory>

#include <QTemporaryDir>
#include <QTest>

#include "core/alarms/alarm_lists.h"
#include "core/alarms/message_input_logic.h"
#include "core/io/settings_file.h"
#include "core/state/shared_state.h"

class TestMessageInputLogic : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_state = std::make_unique<SharedState>();
        m_state->appPath = m_dir->path() + QStringLiteral("/");
        m_lists = std::make_unique<AlarmLists>();
        for (const char* line : {"once 07:30:00", "thrice 13:05:00", "twice 19:30:00"})
            m_lists->alarms.insertSorted(QString::fromLatin1(line));
        for (const char* line : {"Call the garage at 13:05:00", "Cake at 19:30:00", "Cake again at 13:05:00"})
            m_lists->messages.append(QString::fromLatin1(line));
    }

    // The first message with the selected line's time is taken out for editing; the others stay. Only the font
    // size depends on slot 7 being "[FontSize]" (1 to 72); slot 2 counts only when spelled as stored.
    void loadReadsTheMessageAndSlots7And2_data()
    {
        QTest::addColumn<QString>("fontSection");
        QTest::addColumn<qint16>("fontSize");
        QTest::addColumn<QString>("placeSection");
        QTest::addColumn<int>("expectedFont");
        QTest::addColumn<bool>("placeTaken");
        const QString font = "[FontSize]", place = "[MessaegInputLoc]";
        QTest::newRow("slot 7 foreign") << "[Other]" << qint16(14) << place << 0 << true;
        QTest::newRow("slot 2 spelled right is not ours") << font << qint16(11) << "[MessageInputLoc]" << 11 << false;
        QTest::newRow("size zero is no size") << font << qint16(0) << place << 0 << true;
        QTest::newRow("size 72 is the largest") << font << qint16(72) << place << 72 << true;
        QTest::newRow("size beyond 72 is no size") << font << qint16(73) << place << 0 << true;
    }
    void loadReadsTheMessageAndSlots7And2()
    {
        QFETCH(QString, fontSection);
        QFETCH(qint16, fontSize);
        QFETCH(QString, placeSection);
        QFETCH(bool, placeTaken);
        QFETCH(int, expectedFont);
        QVERIFY(m_state->settingsFile().writeSlots(
            {{7, IniRecord{fontSection, fontSize, 0, {}}}, {2, IniRecord{placeSection, 210, -95, {}}}}));
        m_lists->alarms.setSelected(-1);
        QCOMPARE(MessageInput::load(*m_state, *m_lists).message, QString());
        m_lists->alarms.setSelected(1);
        const MessageInput::Loaded loaded = MessageInput::load(*m_state, *m_lists);
        QCOMPARE(loaded.message, "Call the garage");
        QCOMPARE(m_lists->messages.lines(), (QStringList{"Cake at 19:30:00", "Cake again at 13:05:00"}));
        QCOMPARE(loaded.fontSize, expectedFont ? std::optional<int>(expectedFont) : std::nullopt);
        QCOMPARE(loaded.position, placeTaken ? std::optional<QPoint>(QPoint(210, -95)) : std::nullopt);
    }

    // Slot 7 gets the rounded size before the text is looked at; the text becomes one message line, for the alarm
    // the window was opened for, even when an insert meanwhile (Snooze, the bus, the midnight load) selected its own
    // line; an alarm that fired meanwhile has nothing to save.
    void saveStoresTheSizeThenTheMessage_data()
    {
        QTest::addColumn<double>("size");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("added"); // empty: nothing to save
        QTest::newRow("11.5 is 12") << 11.5 << QStringLiteral("Tea") << 12 << QStringLiteral("Tea at 19:30:00");
        QTest::newRow("10.5 is 10, empty text") << 10.5 << QString() << 10 << QString();
        QTest::newRow("line breaks become spaces")
            << 9.0 << QStringLiteral("Tea\nand cake\r\n") << 9 << QStringLiteral("Tea and cake   at 19:30:00");
        QTest::newRow("a quote, a tab, a lone surrogate")
            << 9.0 << (QStringLiteral("\"Tea\"\tfor") + QChar(0xD83D) + "two") << 9
            << QStringLiteral("'Tea' for two at 19:30:00");
        const QString x = QString(624, 'x'), smile = QStringLiteral("\U0001F600");
        QTest::newRow("626 kept") << 9.0 << x + smile << 9 << x + smile + " at 19:30:00";
        QTest::newRow("cut at 626, a pair kept whole") << 9.0 << x + "x" + smile << 9 << x + "x at 19:30:00";
        QTest::newRow("its alarm fired") << 9.0 << QStringLiteral("Tea") << 9 << "";
    }
    void saveStoresTheSizeThenTheMessage()
    {
        QFETCH(double, size);
        QFETCH(QString, text);
        QFETCH(QString, added);
        m_lists->alarms.setSelected(2); // the window opened for it, then an insert selected its own line
        m_lists->alarms.insertSorted("once 21:00:00");
        if (QTest::currentDataTag() == QByteArray("its alarm fired"))
            m_lists->alarms.removeAt(2);
        QCOMPARE(MessageInput::save(*m_state, *m_lists, "twice 19:30:00", size, text),
                 added.isEmpty() ? MessageInput::SaveResult::NothingToSave : MessageInput::SaveResult::Added);
        const IniRecord slot7 = *m_state->settingsFile().readSlot(IniSlot::FontSize);
        QCOMPARE(slot7.section(), QStringLiteral("[FontSize]"));
        QTEST(int(slot7.data1), "stored");
        QCOMPARE(m_lists->messages.lines().mid(3), added.isEmpty() ? QStringList() : QStringList{added});
    }

    void fontSteps_data()
    {
        QTest::addColumn<double>("size");
        QTest::addColumn<double>("smaller");
        QTest::addColumn<double>("larger");
        QTest::newRow("6 only beeps on -") << 6.0 << -1.0 << 7.0;
        QTest::newRow("just inside") << 6.5 << 5.5 << 7.5;
        QTest::newRow("16.8 only beeps on +") << 16.8 << 15.8 << -1.0;
    }
    void fontSteps()
    {
        QFETCH(double, size);
        QTEST(MessageInput::smallerFont(size).value_or(-1.0), "smaller");
        QTEST(MessageInput::largerFont(size).value_or(-1.0), "larger");
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SharedState> m_state;
    std::unique_ptr<AlarmLists> m_lists;
};

QTEST_GUILESS_MAIN(TestMessageInputLogic)
#include "test_message_input_logic.moc"
