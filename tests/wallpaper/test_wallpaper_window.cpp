#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

#include "app_harness.h"
#include "filedialogs/overwrite_window.h"
#include "wallpaper/wallpaper_logic.h"
#include "wallpaper/wallpaper_window.h"

class TestWallpaperWindow : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<AppHarness> m_h;
    QString m_pictures;

    Form12& form() { return m_h->app->form12(); }
    void add(std::initializer_list<const char*> names)
    {
        for (const char* name : names) {
            m_h->app->wallpaperForm().strPicName = QString::fromLatin1(name);
            form().cmdAdd_Click();
        }
    }
    QByteArray listFile() const { return m_h->readFile("Wpaper.dat"); }
    static void unloadPending() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

private Q_SLOTS:
    void init()
    {
        m_h = std::make_unique<AppHarness>(QDateTime(QDate(2026, 12, 6), QTime(10, 7, 0)));
        m_pictures = m_h->outsidePath("Pictures");
        QVERIFY(QDir().mkpath(m_pictures));
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(Qt::green);
        for (const char* name : {"c.gif", "a.bmp", "B.jpg", "d.bmp"}) // all bitmaps inside: the names are enough
            QVERIFY(image.save(m_pictures + "/" + name, "BMP"));
        QSettings(m_h->appPath() + "Wpaper.ini", QSettings::IniFormat).setValue("Wallpaper/PictureFolder", m_pictures);
        m_h->start();
    }
    void cleanup() { m_h.reset(); }

    // Save writes the list; over an existing file the question decides, and Yes
    // writes the list as it is when answered. Load reads it back.
    void saveAsksOverAnExistingFile()
    {
        add({"a.bmp"});
        form().CmdSaveToFile_Click();
        QCOMPARE(listFile(), QByteArray("\"a.bmp\"\r\n"));
        m_h->state->lForegroundWho = 1000004;
        add({"B.jpg"});
        form().CmdSaveToFile_Click();
        QVERIFY(m_h->app->form13().isVisible());
        QCOMPARE(m_h->state->lForegroundWho, 157);
        QCOMPARE(m_h->app->form13PrevWho(), 1000004);
        QCOMPARE(m_h->fakes->windows.beeps, 1);
        m_h->app->form13().cmdCancel_Click();
        unloadPending();
        QCOMPARE(listFile(), QByteArray("\"a.bmp\"\r\n"));
        QCOMPARE(m_h->state->lForegroundWho, 0);
        form().CmdSaveToFile_Click();
        QCOMPARE(m_h->app->form13PrevWho(), 1000004); // kept from the first question
        add({"a.bmp"});
        m_h->app->form13().cmdYes_Click();
        unloadPending();
        QCOMPARE(listFile(), QByteArray("\"a.bmp\"\r\n\"B.jpg\"\r\n\"a.bmp\"\r\n"));
        form().cmdDeleteAll_Click();
        form().cmdLoad_Click();
        QCOMPARE(itemTexts(form().lstShow), (QStringList{"a.bmp", "B.jpg", "a.bmp"}));

        // A question left for a list that is no longer open writes nothing.
        m_h->app->form13().FileAlreadyExist("Elsewhere", "Wpaper.dat");
        m_h->app->form13().cmdYes_Click();
        QCOMPARE(listFile(), QByteArray("\"a.bmp\"\r\n\"B.jpg\"\r\n\"a.bmp\"\r\n"));
        QCOMPARE(visibleWarnings(), QStringList{"Wpaper.dat was not written: its list is no longer open"});
    }

    // The boxes mirror the logic: a click runs the logic's handler, and its list rules show in the boxes.
    void boxesMirrorTheLogic()
    {
        Form12& f = form();
        add({"a.bmp", "B.jpg"});
        f.cbChange->setCurrentIndex(0);
        f.cbChange_Click();
        f.chkChange->click();
        QCOMPARE(m_h->state->iWPNext, qint16(10));
        f.lstShow->item(1)->setSelected(true);
        f.cmdDelete_Click();
        QVERIFY(!f.chkChange->isChecked() && !f.chkChange->isEnabled() && f.optOption1->isChecked());
        QCOMPARE(m_h->state->iWPNext, qint16(-1));
    }

    // A click on an entry whose file is gone removes it with a warning; one that is there can become the wallpaper.
    void clickOnEntry()
    {
        Form12& f = form();
        add({"a.bmp", "d.bmp"});
        QFile::remove(m_pictures + "/d.bmp");
        f.lstShow->setCurrentRow(1);
        f.lstShow_Click();
        QCOMPARE(itemTexts(f.lstShow), QStringList{"a.bmp"});
        QCOMPARE(visibleWarnings(), QStringList{"d.bmp file not found"});
        f.lstShow->setCurrentRow(0);
        f.lstShow_Click();
        f.cmdChangeWall_Click();
        QCOMPARE(m_h->fakes->wallpaper.shown, QStringList{m_pictures + "/tmpFile-1.bmp"});
        f.cmdClearWall_Click();
        QCOMPARE(m_h->fakes->wallpaper.shown.last(), QString());
    }

    // Closing, or the clock's recompute, lets the wallpaper state go with nothing scheduled; while a change is
    // scheduled closing only hides, and the tray shows the same list again.
    void closeHidesWhileScheduledElseUnloads()
    {
        QVERIFY(!m_h->app->wallpaper().isReady()); // nothing kept: not ready at start-up
        m_h->app->readyWallpaper();
        m_h->app->releaseWallpaperIfHidden();
        QVERIFY(!m_h->app->wallpaper().isReady());
        m_h->app->form1().mWallpaper_Click();
        m_h->app->releaseWallpaperIfHidden(); // shown and idle: stays
        unloadPending();
        QVERIFY(m_h->app->isForm12Loaded());
        Form12& f = form();
        QVERIFY(f.isVisible());
        add({"a.bmp", "d.bmp"});
        f.cbChange->setCurrentIndex(4);
        f.cbChange_Click();
        f.chkChange->setChecked(true);
        QCOMPARE(m_h->state->iWPNext, qint16(11)); // "1 hr" at 10:07
        f.cmdClose_Click();
        m_h->app->releaseWallpaperIfHidden(); // scheduled: stays
        unloadPending();
        QVERIFY(m_h->app->isForm12Loaded());
        QVERIFY(!form().isVisible());
        m_h->app->form1().mWallpaper_Click();
        QVERIFY(form().isVisible());
        QCOMPARE(itemTexts(form().lstShow), (QStringList{"a.bmp", "d.bmp"}));
        form().chkChange->setChecked(false);
        form().cmdClose_Click();
        unloadPending();
        QVERIFY(!m_h->app->isForm12Loaded() && !m_h->app->wallpaper().isReady());
    }

    // Kept settings with the change on mark slot 5, so the next start loads the changer hidden and schedules.
    void keptChangeStartsWithTheProgram()
    {
        m_h->app->form1().mWallpaper_Click();
        Form12& f = form();
        add({"a.bmp", "B.jpg", "c.gif"});
        f.CmdSaveToFile_Click();
        f.cbChange->setCurrentIndex(1);
        f.cbChange_Click();
        f.chkChange->setChecked(true);
        f.optOption2->setChecked(true);
        f.chkKeepSet->setChecked(true);
        f.cmdClose_Click();
        m_h->stop();
        m_h->start();
        QVERIFY(!m_h->app->isForm12Loaded()); // the changer works without its window
        WallpaperLogic& logic = m_h->app->wallpaper();
        QCOMPARE(logic.entries(), (QStringList{"a.bmp", "B.jpg", "c.gif"}));
        QVERIFY(logic.changeTicked());
        QCOMPARE(logic.option(), 2);
        QCOMPARE(logic.intervalText(), "10 min");
        QCOMPARE(m_h->state->iWPNext, qint16(10));
        QCOMPARE(m_h->state->bClockActive(), kTrue);

        // A change goes through the desktop service.
        logic.EMShowToShow();
        QCOMPARE(m_h->fakes->wallpaper.shown.size(), 1);
        QCOMPARE(m_h->state->iWPNext, qint16(10)); // the clock still reads 10:07: the mark after now

        // The window opened now shows that state.
        m_h->app->form1().mWallpaper_Click();
        QVERIFY(form().chkChange->isChecked() && form().optOption2->isChecked());
        QCOMPARE(itemTexts(form().lstShow), (QStringList{"a.bmp", "B.jpg", "c.gif"}));
    }
};

QTEST_MAIN(TestWallpaperWindow)
#include "test_wallpaper_window.moc"
