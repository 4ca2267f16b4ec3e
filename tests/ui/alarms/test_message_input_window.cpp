// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/alarms/message_input_logic.h"
#include "core/io/settings_file.h"
#include "ui/alarms/message_input_window.h"
#include "window_fixture.h"
#include "window_pictures.h"

// The message input over a hand-made context, for the selected line of the day's lists.
class TestMessageInputWindow : public QObject
{
    Q_OBJECT
    std::unique_ptr<WindowFixture> m_f;
    std::unique_ptr<MessageInputWindow> m_w;

    /// The window as a double click on the alarm `line`, with the message `message` if given, opens it.
    MessageInputWindow& opened(const QString& line = "thrice 13:05:00",
                               const QString& message = "Call the garage at 13:05:00")
    {
        m_f->lists.alarms.insertSorted(line);
        if (!message.isEmpty())
            m_f->lists.messages.append(message);
        m_f->lists.alarms.setSelected(m_f->lists.alarms.lines().indexOf(line));
        m_w = std::make_unique<MessageInputWindow>(m_f->context, m_f->lists);
        m_w->showInput();
        return *m_w;
    }

private Q_SLOTS:
    void init() { m_f = std::make_unique<WindowFixture>(); }
    void cleanup() { m_w.reset(); }

    void newMessage()
    {
        MessageInputWindow& input = opened("once 11:30:00", {});
        QTest::keyClicks(input.m_messageBox, "Call the garage");
        QCOMPARE(WindowPictures::compare(&input, "message-input"), QString());
    }

    // The message input takes the line's message out for editing, on top; Save puts it back, stores the size the
    // size buttons set and hands the front to nobody. A double quote becomes an apostrophe; the box takes at most
    // 626 characters, cutting what arrived last.
    void editAndSave()
    {
        QVERIFY(m_f->state.settingsFile().writeSlot(IniSlot::FontSize, IniRecord{kSectionFontSize, 6, 0, {}}));
        MessageInputWindow* input = &opened();
        QCOMPARE(input->focusWidget(), input->m_messageBox); // typing goes into the box, whatever the desktop activates
        QCOMPARE(input->m_messageBox->toPlainText(), "Call the garage");
        QVERIFY(m_f->lists.messages.isEmpty() && m_f->fakes.windows.topmost.contains(input));
        QApplication::clipboard()->setText(" \"now\"" + QString(620, 'a'));
        input->m_messageBox->moveCursor(QTextCursor::End);
        input->m_messageBox->paste();
        QCOMPARE(input->m_messageBox->toPlainText(), "Call the garage 'now'" + QString(605, 'a'));
        QTest::mouseClick(input->m_largerButton, Qt::LeftButton);
        input->m_saveButton->click();
        QVERIFY(m_f->lists.messages.count() == 1 && m_f->warnings.shown.isEmpty() && !input->isVisible());
        QVERIFY(m_f->state.frontHolder == 0 && m_f->state.settingsFile().readSlot(IniSlot::FontSize)->data1 == 7);
        QCOMPARE(m_f->requests.asked, (QStringList{"messageInputClosed", "messageInputUnloaded"}));

        // Abandon (or the close box) leaves the message as it was while its alarm is listed; an emptied box saved
        // removes it, with the warning.
        for (const QString how : {"Abandon", "Save an empty box", "Abandon after the alarm fired"}) {
            m_f->lists.messages.clear();
            MessageInputWindow& box = opened();
            QTest::keyClicks(box.m_messageBox, " now");
            if (how.endsWith("fired"))
                m_f->lists.alarms.removeAt(0);
            if (how.startsWith("Save"))
                box.m_messageBox->clear();
            (how.startsWith("Save") ? box.m_saveButton : box.m_abandonButton)->click();
            QVERIFY(!box.isVisible());
            QCOMPARE(m_f->lists.messages.count(), how.startsWith("Save") || how.endsWith("fired") ? 0 : 1);
        }
        QCOMPARE(m_f->warnings.shown, QStringList{MessageInput::kNothingToSave});
    }
};

IXO_WINDOW_TEST_MAIN(TestMessageInputWindow)
#include "test_message_input_window.moc"
