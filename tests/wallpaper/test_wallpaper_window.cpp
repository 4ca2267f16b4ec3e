#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "app/app_context.h"
#include "app/main_window.h"
#include "app/shared_state.h"
#include "app/warning_window.h"
#include "fake_services.h"
#include "filedialogs/overwrite_window.h"
#include "wallpaper/wallpaper_window.h"

namespace {
QStringList warningTexts()
{
    QStringList texts;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<Form11*>(w); f && f->isVisible())
            texts.append(f->Label1->text());
    return texts;
}
QStringList items(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}
} // namespace

class TestWallpaperWindow : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<Module1> m_state;
    std::unique_ptr<AppContext> m_app;
    QString m_pictures;

    QString appPath() const { return m_dir->filePath("prog") + "/"; }
    void startApp()
    {
        m_fakes = std::make_unique<FakeServices>();
        m_fakes->clock.set(QDateTime(QDate(2026, 12, 6), QTime(10, 7, 0)));
        m_state = std::make_unique<Module1>();
        m_app = std::make_unique<AppContext>(*m_state, m_fakes->services());
        m_app->form1().Form_Load(m_dir->filePath("prog"));
    }
    void stopApp()
    {
        m_app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_state.reset();
        m_fakes.reset();
    }
    Form12& form() { return m_app->form12(); }
    void add(const QString& name)
    {
        m_app->wallpaperForm().strPicName = name;
        form().cmdAdd_Click();
    }
    QByteArray listFile() const
    {
        QFile file(appPath() + "Wpaper.dat");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void unloadPending() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_pictures = m_dir->filePath("Pictures");
        QVERIFY(QDir().mkpath(m_pictures));
        QVERIFY(QDir().mkpath(appPath()));
        for (const char* name : {"c.gif", "a.bmp", "B.jpg", "d.bmp", "e.bmp"}) {
            QImage image(8, 6, QImage::Format_RGB32);
            image.fill(Qt::green);
            const QString file = m_pictures + "/" + name;
            QVERIFY(image.save(file, file.endsWith("gif") ? "BMP" : nullptr)); // Qt writes no GIF; the name is enough
        }
        QSettings(appPath() + "Wpaper.ini", QSettings::IniFormat).setValue("Wallpaper/PictureFolder", m_pictures);
        startApp();
    }
    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<Form11*>(w))
                delete w;
        stopApp();
    }

    void saveWritesQuotedLines_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("three pictures: 27 bytes")
            << QStringList{"a.bmp", "b.jpg", "c.gif"} << QByteArray("\"a.bmp\"\r\n\"b.jpg\"\r\n\"c.gif\"\r\n");
        QTest::newRow("empty list: 0 bytes") << QStringList{} << QByteArray("");
        QTest::newRow("same picture twice")
            << QStringList{"a.bmp", "a.bmp"} << QByteArray("\"a.bmp\"\r\n\"a.bmp\"\r\n");
    }
    void saveWritesQuotedLines()
    {
        QFETCH(QStringList, entries);
        QFETCH(QByteArray, bytes);
        for (const QString& e : entries)
            add(e);
        form().CmdSaveToFile_Click();
        QCOMPARE(listFile(), bytes);
        form().cmdDeleteAll_Click();
        form().cmdLoad_Click();
        QCOMPARE(items(form().lstShow), entries);
    }

    // Over an existing file the question decides, and Yes writes the list as it is when answered.
    void saveOverExistingFileAsks()
    {
        add("a.bmp");
        form().CmdSaveToFile_Click();
        m_state->lForegroundWho = 1000004;
        add("B.jpg");
        form().CmdSaveToFile_Click();
        Form13& question = m_app->form13();
        QVERIFY(question.isVisible());
        QCOMPARE(question.windowTitle(), "Warning Message");
        QCOMPARE(question.Label1->text(), "File already exists, overwrite ?");
        QCOMPARE(m_state->lForegroundWho, 157);
        QCOMPARE(m_app->form13PrevWho(), 1000004);
        QCOMPARE(m_fakes->windows.beeps, 1);

        question.cmdCancel_Click();
        unloadPending();
        QCOMPARE(listFile(), QByteArray("\"a.bmp\"\r\n"));
        QCOMPARE(m_state->lForegroundWho, 0);

        form().CmdSaveToFile_Click();
        QCOMPARE(m_app->form13PrevWho(), 1000004); // kept from the first question
        add("c.gif");
        m_app->form13().cmdYes_Click();
        unloadPending();
        QCOMPARE(listFile(), QByteArray("\"a.bmp\"\r\n\"B.jpg\"\r\n\"c.gif\"\r\n"));

        form().cmdDeleteAll_Click();
        form().CmdSaveToFile_Click();
        m_app->form13().cmdYes_Click();
        QCOMPARE(listFile(), QByteArray(""));
    }

    void unknownSaverWritesNothing()
    {
        add("a.bmp");
        form().CmdSaveToFile_Click();
        m_app->form13().FileAlreadyExist("Elsewhere", "Wpaper.dat");
        m_app->form13().cmdYes_Click();
        QCOMPARE(listFile(), QByteArray("\"a.bmp\"\r\n"));
        QCOMPARE(warningTexts(), QStringList{"Wpaper.dat was not written: its list is no longer open"});
    }

    void listRulesAfterDelete()
    {
        Form12& f = form();
        for (const char* name : {"a.bmp", "B.jpg", "c.gif", "d.bmp"})
            add(name);
        f.cbChange->setCurrentIndex(0);
        f.cbChange_Click();
        QVERIFY(f.chkChange->isEnabled());
        f.chkChange->setChecked(true);
        QCOMPARE(m_state->iWPNext, qint16(10));
        QCOMPARE(m_state->bClockActive, kTrue);
        f.optOption2->setChecked(true);

        f.lstShow->item(0)->setSelected(true);
        f.lstShow->item(2)->setSelected(true);
        f.cmdDelete_Click();
        QCOMPARE(items(f.lstShow), (QStringList{"B.jpg", "d.bmp"}));
        QVERIFY(f.optOption1->isChecked()); // two left: random is not possible
        QVERIFY(f.chkChange->isChecked());

        f.lstShow->item(1)->setSelected(true);
        f.cmdDelete_Click();
        QVERIFY(!f.chkChange->isChecked()); // one left: no timed change
        QVERIFY(!f.chkChange->isEnabled());
        QVERIFY(f.cbChange->isEnabled());
        QCOMPARE(m_state->iWPNext, qint16(-1));

        f.cmdDelete_Click(); // nothing selected: nothing happens
        QCOMPARE(items(f.lstShow), QStringList{"B.jpg"});
    }

    void clickOnMissingEntryRemovesItWithWarning()
    {
        Form12& f = form();
        add("a.bmp");
        add("d.bmp");
        QFile::remove(m_pictures + "/d.bmp");
        f.lstShow->setCurrentRow(1);
        f.lstShow_Click();
        QCOMPARE(items(f.lstShow), QStringList{"a.bmp"});
        QCOMPARE(warningTexts(), QStringList{"d.bmp file not found"});

        f.lstShow->setCurrentRow(0);
        f.lstShow_Click();
        QCOMPARE(f.previewPath(), m_pictures + "/a.bmp");
        f.cmdChangeWall_Click();
        QCOMPARE(m_fakes->wallpaper.shown, QStringList{m_pictures + "/tmpFile-1.bmp"});
        f.cmdClearWall_Click();
        QCOMPARE(m_fakes->wallpaper.shown.last(), QString());
    }

    void loadOfMissingFileKeepsTheList()
    {
        add("a.bmp");
        form().cmdLoad_Click();
        QCOMPARE(items(form().lstShow), QStringList{"a.bmp"});
        QCOMPARE(warningTexts(), QStringList{"Wpaper.dat file not found"});
    }

    // Closing while a change is scheduled only hides; the tray shows the same list again.
    void closeHidesWhileScheduledElseUnloads()
    {
        m_app->form1().mWallpaper_Click();
        Form12& f = form();
        QVERIFY(f.isVisible());
        add("a.bmp");
        add("d.bmp");
        f.cbChange->setCurrentIndex(4);
        f.cbChange_Click();
        f.chkChange->setChecked(true);
        QCOMPARE(m_state->iWPInterval, qint16(60));
        QCOMPARE(m_state->iWPNext, qint16(11));
        f.cmdClose_Click();
        unloadPending();
        QVERIFY(m_app->isForm12Loaded());
        QVERIFY(!form().isVisible());

        m_app->form1().mWallpaper_Click();
        QVERIFY(form().isVisible());
        QCOMPARE(items(form().lstShow), (QStringList{"a.bmp", "d.bmp"}));

        form().chkChange->setChecked(false);
        form().cmdClose_Click();
        unloadPending();
        QVERIFY(!m_app->isForm12Loaded());
    }

    // The clock's recompute unloads a hidden window with nothing scheduled, never a shown one.
    void clockUnloadsOnlyHiddenIdleWindow()
    {
        QVERIFY(!m_app->isForm12Loaded()); // nothing kept: not loaded at start-up
        QVERIFY(!form().isVisible());
        m_app->unloadForm12IfHidden();
        unloadPending();
        QVERIFY(!m_app->isForm12Loaded());
        m_app->form1().mWallpaper_Click();
        m_app->unloadForm12IfHidden();
        unloadPending();
        QVERIFY(m_app->isForm12Loaded());
    }

    // Kept settings with the change on mark slot 5, so the next start loads the changer hidden and schedules.
    void keptChangeStartsWithTheProgram()
    {
        m_app->form1().mWallpaper_Click();
        Form12& f = form();
        for (const char* name : {"a.bmp", "B.jpg", "c.gif"})
            add(name);
        f.CmdSaveToFile_Click();
        f.cbChange->setCurrentIndex(1);
        f.cbChange_Click();
        f.chkChange->setChecked(true);
        f.optOption2->setChecked(true);
        f.chkKeepSet->setChecked(true);
        f.move(40, 50);
        f.cmdClose_Click();
        stopApp();

        startApp();
        QVERIFY(m_app->isForm12Loaded());
        Form12& again = form();
        QVERIFY(!again.isVisible());
        QCOMPARE(items(again.lstShow), (QStringList{"a.bmp", "B.jpg", "c.gif"}));
        QVERIFY(again.chkChange->isChecked());
        QVERIFY(again.optOption2->isChecked());
        QCOMPARE(again.cbChange->currentText(), "10 min");
        QCOMPARE(m_state->iWPNext, qint16(10));
        QCOMPARE(m_state->bClockActive, kTrue);

        // A change goes through the desktop service.
        again.EMShowToShow();
        QCOMPARE(m_fakes->wallpaper.shown.size(), 1);
        QCOMPARE(m_state->iWPNext, qint16(10)); // the clock still reads 10:07: the mark after now
    }
};

QTEST_MAIN(TestWallpaperWindow)
#include "test_wallpaper_window.moc"
