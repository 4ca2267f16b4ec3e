#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "alarms/alarm_lists.h"
#include "app/app_context.h"
#include "app/error_list_window.h"
#include "app/main_window.h"
#include "app/shared_state.h"
#include "app/warning_window.h"
#include "fake_services.h"
#include "filedialogs/data_file_chooser.h"
#include "filedialogs/overwrite_window.h"

namespace {
QStringList warningTexts()
{
    QStringList texts;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<Form11*>(w); f && f->isVisible())
            texts.append(f->Label1->text());
    return texts;
}
void focusIn(QWidget* widget)
{
    QFocusEvent event(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(widget, &event);
}
QStringList items(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}
} // namespace

class TestDataFileChooser : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<Module1> m_state;
    std::unique_ptr<AppContext> m_app;

    QString appPath() const { return m_dir->filePath("prog") + "/"; }
    void writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile file(appPath() + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readFile(const QString& name) const
    {
        QFile file(appPath() + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    Form14& open(AppContext::DataFileMode mode)
    {
        m_app->showDataFileChooser(mode);
        return *m_app->form14();
    }
    void select(Form14& f, const QList<int>& rows, int current)
    {
        f.File1->setCurrentRow(current, QItemSelectionModel::NoUpdate);
        f.File1->clearSelection();
        for (int row : rows)
            f.File1->item(row)->setSelected(true);
    }
    AlarmLists& lists() { return m_app->alarmLists(); }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir().mkpath(appPath());
        m_fakes = std::make_unique<FakeServices>();
        m_fakes->clock.set(QDateTime(QDate(2026, 12, 6), QTime(8, 0, 0)));
        m_state = std::make_unique<Module1>();
        m_app = std::make_unique<AppContext>(*m_state, m_fakes->services());
        m_app->form1().Form_Load(m_dir->filePath("prog"));
    }
    void cleanup()
    {
        m_app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_state.reset();
        m_fakes.reset();
        m_dir.reset();
    }

    void modesSetCaptions_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("button");
        QTest::newRow("load") << int(AppContext::DataFileMode::Load) << "Load data from files :"
                              << "Load";
        QTest::newRow("save") << int(AppContext::DataFileMode::Save) << "Save file as :"
                              << "Save";
        QTest::newRow("edit") << int(AppContext::DataFileMode::Edit) << "Open a file to edit data :"
                              << "Open";
    }
    void modesSetCaptions()
    {
        QFETCH(int, mode);
        writeFile("b.dat", "");
        writeFile("A.DAT", "");
        writeFile("notes.txt", "");
        m_state->lForegroundWho = 1000003;
        // A chooser left open in another mode is replaced by a fresh one.
        open(AppContext::DataFileMode::Save);
        Form14& f = open(AppContext::DataFileMode(mode));
        QTEST(f.Label1->text(), "label");
        QTEST(f.cmdConfirm->text(), "button");
        QCOMPARE(f.windowTitle(), QStringLiteral(" Load Data From Files"));
        QCOMPARE(f.imgLoad->isVisibleTo(&f), mode == int(AppContext::DataFileMode::Load));
        QCOMPARE(f.imgSave->isVisibleTo(&f), mode == int(AppContext::DataFileMode::Save));
        QCOMPARE(f.imgEdit->isVisibleTo(&f), mode == int(AppContext::DataFileMode::Edit));
        QCOMPARE(items(f.File1), (QStringList{"A.DAT", "b.dat"}));
        QCOMPARE(f.File1->selectionMode(), QAbstractItemView::ExtendedSelection);
        QVERIFY(f.cmdConfirm->isDefault());
        QVERIFY(m_fakes->windows.topmost.contains(&f));
        QCOMPARE(m_state->lForegroundWho, 13);
        QCOMPARE(f.lPrevWho, 0); // the first chooser handed the front back when it went

        f.cmdCancel_Click();
        QCOMPARE(m_state->lForegroundWho, 0);
        QVERIFY(!m_app->form14());
    }

    void typedNameIsFiltered()
    {
        Form14& f = open(AppContext::DataFileMode::Save);
        QTest::keyClicks(f.txtInput, "My alarms/../x:1!");
        QCOMPARE(f.txtInput->text(), QStringLiteral("Myalarms..x1"));
        f.txtInput->clear();
        f.txtInput->insert("a b/c"); // pasted
        QCOMPARE(f.txtInput->text(), QStringLiteral("abc"));
    }

    void saveWritesTheListsAndAsksBeforeReplacing()
    {
        lists().lstData.insertSorted("once 09:00:00");
        lists().lstMessage.append("Tea at 09:00:00");
        Form14& f = open(AppContext::DataFileMode::Save);
        f.txtInput->setText("Alarms");
        f.cmdConfirm_Click();
        QVERIFY(!m_app->form14());
        QCOMPARE(readFile("Alarms.dat"), QByteArray("\"once 09:00:00\"\r\n\"Tea at 09:00:00\"\r\n"));

        // Again over the same file, chosen in the list: the question comes, Cancel keeps the file.
        Form14& again = open(AppContext::DataFileMode::Save);
        select(again, {0}, 0);
        lists().lstData.insertSorted("twice 10:00:00");
        again.cmdConfirm_Click();
        Form13& question = m_app->form13();
        QVERIFY(question.isVisible());
        QCOMPARE(m_app->form13PrevWho(), 13);
        QCOMPARE(m_state->lForegroundWho, 0); // the chooser went after handing over
        question.cmdCancel_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(readFile("Alarms.dat"), QByteArray("\"once 09:00:00\"\r\n\"Tea at 09:00:00\"\r\n"));

        // Yes writes the lists as they are when it is pressed.
        open(AppContext::DataFileMode::Save).txtInput->setText("Alarms.dat");
        m_app->form14()->cmdConfirm_Click();
        lists().lstMessage.append("Nap at 10:00:00");
        m_app->form13().cmdYes_Click();
        QCOMPARE(readFile("Alarms.dat"), QByteArray("\"once 09:00:00\"\r\n\"twice 10:00:00\"\r\n\"Tea at 09:00:00\"\r\n"
                                                    "\"Nap at 10:00:00\"\r\n"));
        QVERIFY(warningTexts().isEmpty());
    }

    void saveRefusesTheWallpaperFile()
    {
        Form14& f = open(AppContext::DataFileMode::Save);
        f.txtInput->setText("WPAPER");
        f.cmdConfirm_Click();
        QCOMPARE(m_app->form14(), &f);
        QCOMPARE(f.txtInput->text(), QStringLiteral("WPAPER.dat"));
        QCOMPARE(warningTexts(), QStringList{"Wpaper.dat has data of wallpaper"});
        QCOMPARE(readFile("WPAPER.dat"), QByteArray("<missing>"));
    }

    void loadMergesTypedAndSelectedFiles()
    {
        writeFile("a.dat", "\"once 09:00:00\"\r\n");
        writeFile("b.dat", "\"twice 10:00:00\"\r\n\"junk\"\r\n");
        writeFile("Alarms", "\"thrice 11:00:00\"\r\n");
        Form14& f = open(AppContext::DataFileMode::Load);
        select(f, {1, 0}, 1);
        f.txtInput->setFocus();
        QTest::keyClicks(f.txtInput, "Alarms");
        f.cmdConfirm_Click();
        QVERIFY(!m_app->form14());
        QCOMPARE(lists().lstData.lines(), (QStringList{"once 09:00:00", "twice 10:00:00", "thrice 11:00:00"}));
        QVERIFY(m_app->isForm10Loaded());
        QCOMPARE(items(m_app->form10().lstErrorMsg), (QStringList{"b.dat", "Invalid data in file, Data  2"}));
        QVERIFY(m_app->form10().isVisible());
        QCOMPARE(m_state->bClockActive, kTrue);

        Form14& none = open(AppContext::DataFileMode::Load);
        none.File1->clearSelection();
        none.cmdConfirm_Click();
        QCOMPARE(m_app->form14(), &none);
        QCOMPARE(warningTexts(), QStringList{"No file is chosen"});
    }

    // In the save and edit modes a list choice and a typed name exclude each other.
    void listChoiceAndTypedNameExclude()
    {
        writeFile("a.dat", "");
        writeFile("b.dat", "");
        Form14& f = open(AppContext::DataFileMode::Edit);
        f.show();
        f.txtInput->setText("typed");
        QTest::mouseClick(f.File1->viewport(), Qt::LeftButton, {}, f.File1->visualItemRect(f.File1->item(1)).center());
        QVERIFY(f.txtInput->text().isEmpty());
        QVERIFY(f.File1->item(1)->isSelected());
        focusIn(f.txtInput);
        QVERIFY(!f.File1->item(1)->isSelected());
        select(f, {1}, 1);
        QTest::keyPress(f.File1, Qt::Key_Shift);
        QVERIFY(!f.File1->item(1)->isSelected());

        m_fakes->launcher.knownPrograms = QStringList{"kate"};
        select(f, {0}, 0);
        f.cmdConfirm_Click();
        QVERIFY(!m_app->form14());
        QCOMPARE(m_fakes->launcher.started.last(), (QStringList{"/usr/bin/kate", appPath() + "a.dat"}));

        Form14& load = open(AppContext::DataFileMode::Load);
        load.show();
        load.txtInput->setText("typed");
        QTest::mouseClick(load.File1->viewport(), Qt::LeftButton, {},
                          load.File1->visualItemRect(load.File1->item(1)).center());
        QCOMPARE(load.txtInput->text(), QStringLiteral("typed"));
        focusIn(load.txtInput);
        QVERIFY(load.File1->item(1)->isSelected());
    }

    void takesTheFrontBackUnlessOutranked()
    {
        Form14& f = open(AppContext::DataFileMode::Load);
        f.show();
        m_state->lForegroundWho = 1; // the message input window claimed it
        f.Form_Deactivate();
        QCOMPARE(m_fakes->windows.fronted.count(&f), 1);
        QCOMPARE(m_fakes->windows.beeps, 1);
        QCOMPARE(m_state->lForegroundWho, 13);
        m_state->lForegroundWho = 157;
        f.Form_Deactivate();
        QCOMPARE(m_fakes->windows.fronted.count(&f), 1);
        f.hide();
        f.Form_Deactivate();
        QVERIFY(!m_app->form14());
        QCOMPARE(m_state->lForegroundWho, 0);
    }
};

QTEST_MAIN(TestDataFileChooser)
#include "test_data_file_chooser.moc"
