#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "alarms/alarm_lists.h"
#include "app/error_list_window.h"
#include "app_harness.h"
#include "filedialogs/data_file_chooser.h"
#include "filedialogs/overwrite_window.h"

namespace {
void focusIn(QWidget* widget)
{
    QFocusEvent event(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(widget, &event);
}
void select(Form14& f, const QList<int>& rows, int current)
{
    f.File1->setCurrentRow(current, QItemSelectionModel::NoUpdate);
    f.File1->clearSelection();
    for (int row : rows)
        f.File1->item(row)->setSelected(true);
}
void clickItem(Form14& f, int row)
{
    QTest::mouseClick(f.File1->viewport(), Qt::LeftButton, {}, f.File1->visualItemRect(f.File1->item(row)).center());
}
} // namespace

class TestDataFileChooser : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<AppHarness> m_h;

    Form14& open(WindowRegistry::DataFileMode mode)
    {
        m_h->app->showDataFileChooser(mode);
        return *m_h->app->form14();
    }
    AlarmLists& lists() { return m_h->app->alarmLists(); }
    Module1& state() { return *m_h->state; }

private Q_SLOTS:
    void init()
    {
        m_h = std::make_unique<AppHarness>(QDateTime(QDate(2026, 12, 6), QTime(8, 0, 0)));
        m_h->start();
    }
    void cleanup() { m_h.reset(); }

    void modesSetCaptions_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("button");
        const auto row = [](const char* name, WindowRegistry::DataFileMode mode, const char* label,
                            const char* button) {
            QTest::newRow(name) << int(mode) << QString(label) << QString(button);
        };
        row("load", WindowRegistry::DataFileMode::Load, "Load data from files :", "Load");
        row("save", WindowRegistry::DataFileMode::Save, "Save file as :", "Save");
        row("edit", WindowRegistry::DataFileMode::Edit, "Open a file to edit data :", "Open");
    }
    void modesSetCaptions()
    {
        QFETCH(int, mode);
        m_h->writeFile("b.dat", "");
        m_h->writeFile("A.DAT", "");
        state().lForegroundWho = 1000003;
        // A chooser left open in another mode is replaced by a fresh one.
        open(WindowRegistry::DataFileMode::Save);
        Form14& f = open(WindowRegistry::DataFileMode(mode));
        QTEST(f.Label1->text(), "label");
        QTEST(f.cmdConfirm->text(), "button");
        QCOMPARE(f.imgLoad->isVisibleTo(&f), mode == int(WindowRegistry::DataFileMode::Load));
        QCOMPARE(f.imgSave->isVisibleTo(&f), mode == int(WindowRegistry::DataFileMode::Save));
        QCOMPARE(f.imgEdit->isVisibleTo(&f), mode == int(WindowRegistry::DataFileMode::Edit));
        QCOMPARE(itemTexts(f.File1), (QStringList{"A.DAT", "b.dat"}));
        QCOMPARE(state().lForegroundWho, 13);
        QCOMPARE(f.lPrevWho, 0); // the first chooser handed the front back when it went

        f.cmdCancel_Click();
        QCOMPARE(state().lForegroundWho, 0);
        QVERIFY(!m_h->app->form14());
    }

    void typedNameIsFiltered()
    {
        Form14& f = open(WindowRegistry::DataFileMode::Save);
        QTest::keyClicks(f.txtInput, "My alarms/../x:1!");
        QCOMPARE(f.txtInput->text(), "Myalarms..x1");
    }

    void saveWritesTheListsAndAsksBeforeReplacing()
    {
        lists().lstData.insertSorted("once 09:00:00");
        lists().lstMessage.append("Tea at 09:00:00");
        Form14& f = open(WindowRegistry::DataFileMode::Save);
        f.txtInput->setText("Alarms");
        f.cmdConfirm_Click();
        QVERIFY(!m_h->app->form14());
        QCOMPARE(m_h->readFile("Alarms.dat"), QByteArray("\"once 09:00:00\"\r\n\"Tea at 09:00:00\"\r\n"));

        // Again over the same file, chosen in the list: the question comes, Cancel keeps the file.
        Form14& again = open(WindowRegistry::DataFileMode::Save);
        select(again, {0}, 0);
        lists().lstData.insertSorted("twice 10:00:00");
        again.cmdConfirm_Click();
        Form13& question = m_h->app->form13();
        QVERIFY(question.isVisible());
        QCOMPARE(m_h->app->form13PrevWho(), 13);
        QCOMPARE(state().lForegroundWho, 0); // the chooser went after handing over
        question.cmdCancel_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(m_h->readFile("Alarms.dat"), QByteArray("\"once 09:00:00\"\r\n\"Tea at 09:00:00\"\r\n"));

        // Yes writes the lists as they are when it is pressed.
        open(WindowRegistry::DataFileMode::Save).txtInput->setText("Alarms.dat");
        m_h->app->form14()->cmdConfirm_Click();
        lists().lstMessage.append("Nap at 10:00:00");
        m_h->app->form13().cmdYes_Click();
        QCOMPARE(m_h->readFile("Alarms.dat"),
                 QByteArray("\"once 09:00:00\"\r\n\"twice 10:00:00\"\r\n\"Tea at 09:00:00\"\r\n"
                            "\"Nap at 10:00:00\"\r\n"));
        QVERIFY(visibleWarnings().isEmpty());
    }

    // A refused name is shown as corrected, with the warning; the chooser stays.
    void saveRefusesTheWallpaperFile()
    {
        Form14& f = open(WindowRegistry::DataFileMode::Save);
        f.txtInput->setText("WPAPER");
        f.cmdConfirm_Click();
        QCOMPARE(m_h->app->form14(), &f);
        QCOMPARE(f.txtInput->text(), "WPAPER.dat");
        QCOMPARE(visibleWarnings(), QStringList{"Wpaper.dat has data of wallpaper"});
        QCOMPARE(m_h->readFile("WPAPER.dat"), QByteArray("<missing>"));
    }

    void loadMergesTypedAndSelectedFiles()
    {
        m_h->writeFile("a.dat", "\"once 09:00:00\"\r\n");
        m_h->writeFile("b.dat", "\"twice 10:00:00\"\r\n\"junk\"\r\n");
        m_h->writeFile("Alarms", "\"thrice 11:00:00\"\r\n");
        Form14& f = open(WindowRegistry::DataFileMode::Load);
        select(f, {1, 0}, 1);
        f.txtInput->setFocus();
        QTest::keyClicks(f.txtInput, "Alarms");
        f.cmdConfirm_Click();
        QVERIFY(!m_h->app->form14());
        QCOMPARE(lists().lstData.lines(), (QStringList{"once 09:00:00", "twice 10:00:00", "thrice 11:00:00"}));
        QCOMPARE(itemTexts(m_h->app->form10().lstErrorMsg), (QStringList{"b.dat", "Invalid data in file, Data  2"}));
        QVERIFY(m_h->app->form10().isVisible());
    }

    // In the save and edit modes a list choice and a typed name exclude each other.
    void listChoiceAndTypedNameExclude()
    {
        m_h->writeFile("a.dat", "");
        m_h->writeFile("b.dat", "");
        Form14& f = open(WindowRegistry::DataFileMode::Edit);
        f.show();
        f.txtInput->setText("typed");
        clickItem(f, 1);
        QVERIFY(f.txtInput->text().isEmpty());
        QVERIFY(f.File1->item(1)->isSelected());
        focusIn(f.txtInput);
        QVERIFY(!f.File1->item(1)->isSelected());
        select(f, {1}, 1);
        QTest::keyPress(f.File1, Qt::Key_Shift);
        QVERIFY(!f.File1->item(1)->isSelected());
        f.txtInput->setText("typed");
        QTest::keyClick(f.File1, Qt::Key_Up); // choosing with the arrow keys is a click
        QVERIFY(f.File1->item(0)->isSelected());
        QVERIFY(f.txtInput->text().isEmpty());

        m_h->fakes->launcher.knownPrograms = QStringList{"kate"};
        select(f, {0}, 0);
        f.cmdConfirm_Click();
        QVERIFY(!m_h->app->form14());
        QCOMPARE(m_h->fakes->launcher.started.last(), (QStringList{"/usr/bin/kate", m_h->appPath() + "a.dat"}));

        Form14& load = open(WindowRegistry::DataFileMode::Load);
        load.show();
        load.txtInput->setText("typed");
        clickItem(load, 1);
        QCOMPARE(load.txtInput->text(), "typed");
        focusIn(load.txtInput);
        QVERIFY(load.File1->item(1)->isSelected());
    }

    void takesTheFrontBackAndGoesWhenHidden()
    {
        Form14& f = open(WindowRegistry::DataFileMode::Load);
        f.show();
        state().lForegroundWho = 1; // the message input window claimed it
        f.Form_Deactivate();
        QCOMPARE(m_h->fakes->windows.beeps, 1);
        QCOMPARE(state().lForegroundWho, 13);
        f.hide();
        f.Form_Deactivate();
        QVERIFY(!m_h->app->form14());
        QCOMPARE(state().lForegroundWho, 0);
    }
};

QTEST_MAIN(TestDataFileChooser)
#include "test_data_file_chooser.moc"
