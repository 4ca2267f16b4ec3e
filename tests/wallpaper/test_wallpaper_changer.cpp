#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "app/shared_state.h"
#include "fake_wallpaper.h"
#include "fake_warnings.h"
#include "wallpaper/wallpaper_changer.h"
#include "wallpaper/wallpaper_form_state.h"
#include "wallpaper/wallpaper_logic.h"
#include "wallpaper/wallpaper_pictures.h"
#include "wallpaper/wallpaper_times.h"

namespace {
// Marks every `iWPInterval` minutes and counts the moves; a ticked box marks minute 5.
class StepTimes final : public WallpaperTimes
{
public:
    void WallpaperSchedule(bool ticked, const QString&, Flag& bClockActive, qint16&, qint16& iWPNext) override
    {
        bClockActive = toFlag(ticked);
        iWPNext = ticked ? 5 : -1;
    }
    void NextWallpaperTime(qint16 iWPInterval, qint16& iWPNext) override
    {
        ++nexts;
        iWPNext = static_cast<qint16>((iWPNext + iWPInterval) % 60);
    }
    int nexts = 0;
};
} // namespace

// A changer over fakes in a temporary picture folder; the random draws are taken from `draws`, then 0.
struct Rig
{
    Rig()
    {
        form.strPicFolder = dir.path();
        changer.tooFewToChange = [this] { ++tooFew; };
    }
    QTemporaryDir dir;
    Module1 state;
    WallpaperFormState form;
    FakeWarnings warnings;
    FakePictureConverter converter;
    FakeWallpaper setter;
    StepTimes times;
    QList<double> draws;
    int tooFew = 0;
    WallpaperChanger changer{state, form, {warnings, converter, setter, times, [this] {
                                               return draws.isEmpty() ? 0.0 : draws.takeFirst();
                                           }}};
};

class TestWallpaperChanger : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<Rig> r;

    QString path(const QString& name) const { return r->dir.filePath(name); }
    void picture(const QString& name)
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(name.toUtf8()); // the content names the picture
    }
    static QString content(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    /// The pictures made and set as the list, the order chosen.
    void makeChanger(const QStringList& entries, WallpaperChanger::Order order = WallpaperChanger::kPriority)
    {
        for (const QString& name : entries)
            picture(name);
        r->changer.setEntries(entries);
        r->changer.optOption_Click(order);
    }
    void change(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            r->changer.EMShowToShow();
    }

private Q_SLOTS:
    void init() { r = std::make_unique<Rig>(); }

    void pictureKinds()
    {
        QList<int> kinds;
        for (const char* name : {"a.bmp", "A.BMP", "xbmp", "b.Gif", "c.jpg", "d.JPEG", "e.png", "mp"})
            kinds.append(int(pictureKind(name)));
        const int bmp = int(PictureKind::Bitmap), converted = int(PictureKind::Converted),
                  other = int(PictureKind::Other);
        QCOMPARE(kinds, (QList<int>{bmp, bmp, bmp, converted, converted, converted, other, other}));
    }

    void folderOffersPicturesSortedIgnoringCase()
    {
        for (const char* name : {"b.JPG", "A.bmp", "c.gif", "a2.jpeg", "d.png", "tmpFile.bmp", "tmpFile-12.bmp",
                                 "q\"uote.bmp", "noext", "Zed.Bmp"})
            picture(QString::fromUtf8(name));
        QCOMPARE(picturesIn(r->dir.path()), (QStringList{"A.bmp", "a2.jpeg", "b.JPG", "c.gif", "Zed.Bmp"}));
        QVERIFY(picturesIn(r->dir.filePath("missing")).isEmpty());
    }

    void deleteSelected_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("entries 1 and 3 of five") << QList<int>{0, 2} << 0 << QStringList{"2", "4", "5"};
        QTest::newRow("selection given backwards") << QList<int>{4, 1} << 0 << QStringList{"1", "3", "4"};
        QTest::newRow("stale cursor past the selection") << QList<int>{0, 1} << 4 << QStringList{"3", "4", "5"};
        QTest::newRow("all") << QList<int>{0, 1, 2, 3, 4} << 0 << QStringList{};
        QTest::newRow("rows out of range ignored") << QList<int>{-1, 7} << 0 << QStringList{"1", "2", "3", "4", "5"};
    }
    void deleteSelected()
    {
        QFETCH(QList<int>, rows);
        QFETCH(int, cursor);
        QFETCH(QStringList, left);
        r->changer.setEntries({"1", "2", "3", "4", "5"});
        r->form.iDelCursor = static_cast<qint16>(cursor);
        r->changer.deleteSelected(rows);
        QCOMPARE(r->changer.entries(), left);
        QCOMPARE(r->form.iDelCursor, qint16(0));
    }

    // a, then b through the work bitmap (converted one change ahead), then c, then a again.
    void priorityOrderConvertsOneChangeAhead()
    {
        makeChanger({"a.bmp", "b.jpg", "c.bmp"});
        QVERIFY(r->converter.conversions.isEmpty()); // a is a bitmap: nothing to prepare
        change();
        QCOMPARE(r->setter.shown, QStringList{path("a.bmp")});
        QCOMPARE(r->converter.conversions, (QList<QPair<QString, QString>>{{path("b.jpg"), path(kWorkBitmap)}}));
        QCOMPARE(content(path(kWorkBitmap)), "b.jpg");
        change(3);
        QCOMPARE(r->setter.shown, (QStringList{path("a.bmp"), path(shownCopyName(1)), path("c.bmp"), path("a.bmp")}));
        QCOMPARE(content(path(shownCopyName(1))), "b.jpg");
        QCOMPARE(r->converter.conversions.size(), 2); // b prepared again after the second a
    }

    // Each shown conversion gets a new name; the one shown before stays, older ones go.
    void shownCopiesChangeNameAndAreCleanedUp()
    {
        makeChanger({"a.gif", "b.jpg", "c.gif"});
        change(4);
        QCOMPARE(r->setter.shown, (QStringList{path(shownCopyName(1)), path(shownCopyName(2)), path(shownCopyName(3)),
                                               path(shownCopyName(4))}));
        QCOMPARE(content(path(shownCopyName(4))), "a.gif");
        QCOMPARE(QDir(r->dir.path()).entryList({"tmpFile-*.bmp"}), (QStringList{shownCopyName(3), shownCopyName(4)}));
    }

    // Random order, the draws at their extremes first, from an index left past the end of the list.
    void randomOverThreeNeverRepeats()
    {
        r->form.iPicIndex = 7;
        r->draws = {0.0, 0.0, 1.0, 0.999999, 0.999999, 0.5, 0.5};
        QRandomGenerator generator(7);
        for (int i = 0; i < 200; ++i)
            r->draws.append(generator.generateDouble());
        makeChanger({"a.bmp", "b.gif", "c.jpg"}, WallpaperChanger::kRandom);
        QStringList shown; // read at once: older shown copies are removed
        for (int i = 0; i < 60; ++i) {
            change();
            shown.append(content(r->setter.shown.last()));
        }
        for (int i = 1; i < shown.size(); ++i)
            QVERIFY2(shown.at(i) != shown.at(i - 1), qPrintable(shown.join(' ')));
        QCOMPARE(QSet<QString>(shown.begin(), shown.end()).size(), 3);
    }

    // Three changes in list order with pictures gone, undecodable or of another kind: what is shown, what is
    // dropped with a warning, and when too few are left to change. The mark moves only while there is a list.
    void changesInListOrder_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("gone"); // removed after the order was chosen
        QTest::addColumn<QStringList>("undecodable");
        QTest::addColumn<QStringList>("shown"); // by content
        QTest::addColumn<QStringList>("warnings");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<int>("tooFew");
        QTest::addColumn<int>("marks");
        const QStringList none;
        QTest::newRow("two missing dropped at once")
            << QStringList{"a.bmp", "b.bmp", "c.bmp", "d.bmp"} << QStringList{"b.bmp", "c.bmp"} << none
            << QStringList{"a.bmp", "d.bmp", "a.bmp"} << QStringList{"b.bmp file not found", "c.bmp file not found"}
            << QStringList{"a.bmp", "d.bmp"} << 0 << 3;
        QTest::newRow("undecodable dropped")
            << QStringList{"a.bmp", "b.gif", "c.jpg"} << none << QStringList{"b.gif"}
            << QStringList{"a.bmp", "c.jpg", "a.bmp"} << QStringList{"b.gif cannot be read as a picture"}
            << QStringList{"a.bmp", "c.jpg"} << 0 << 3;
        QTest::newRow("one left ends the change")
            << QStringList{"a.bmp", "b.bmp"} << QStringList{"b.bmp"} << none << QStringList{"a.bmp", "a.bmp", "a.bmp"}
            << QStringList{"b.bmp file not found"} << QStringList{"a.bmp"} << 1 << 3;
        // a is shown (the desktop will fail on it), then dropped when it is prepared again.
        QTest::newRow("the last ones go too")
            << QStringList{"a.bmp", "b.bmp"} << QStringList{"a.bmp", "b.bmp"} << none << QStringList{""}
            << QStringList{"b.bmp file not found", "a.bmp file not found"} << none << 2 << 1;
        QTest::newRow("another ending is never shown")
            << QStringList{"a.png", "b.bmp"} << none << none << QStringList{"b.bmp"} << none
            << QStringList{"a.png", "b.bmp"} << 0 << 3;
        // With fewer than three entries nothing is prepared when the order is chosen.
        QTest::newRow("unprepared GIF converted when its turn comes")
            << QStringList{"a.gif", "b.bmp"} << none << none << QStringList{"a.gif", "b.bmp", "a.gif"} << none
            << QStringList{"a.gif", "b.bmp"} << 0 << 3;
    }
    void changesInListOrder()
    {
        QFETCH(QStringList, entries);
        QFETCH(QStringList, gone);
        QFETCH(QStringList, undecodable);
        r->converter.undecodable = undecodable;
        makeChanger(entries);
        for (const QString& name : gone)
            QFile::remove(path(name));
        change(3);
        QStringList shown;
        for (const QString& file : std::as_const(r->setter.shown))
            shown.append(content(file));
        QTEST(shown, "shown");
        QTEST(r->warnings.shown, "warnings");
        QTEST(r->changer.entries(), "left");
        QTEST(r->tooFew, "tooFew");
        QTEST(r->times.nexts, "marks");
    }

    // A folder the work bitmap cannot be written to: the GIF and JPEG entries stay, one warning names the folder
    // and the reason, bitmaps go on changing; once the folder can be written again the GIF shows.
    void unwritableFolderKeepsTheEntries()
    {
        r->converter.unwritable = "Permission denied";
        makeChanger({"a.bmp", "b.gif", "c.jpg"});
        change(4);
        QCOMPARE(r->changer.entries(), (QStringList{"a.bmp", "b.gif", "c.jpg"}));
        QCOMPARE(r->warnings.shown, QStringList{"GIF and JPEG pictures cannot be shown: the folder " + r->dir.path() +
                                                " cannot be written (Permission denied)"});
        QCOMPARE(r->setter.shown, (QStringList{path("a.bmp"), path("a.bmp")}));
        QVERIFY(!r->changer.changeNow(path("b.gif")));
        r->converter.unwritable.clear();
        change();
        QCOMPARE(content(r->setter.shown.last()), "b.gif");
        QCOMPARE(r->warnings.shown.size(), 1);
    }

    void changeNowUsesTheWorkBitmapAndSpoilsNothing()
    {
        makeChanger({"a.bmp", "b.gif", "c.bmp"});
        picture("preview.jpg");
        change(); // shows a, prepares b
        QVERIFY(r->changer.changeNow(path("preview.jpg")));
        QCOMPARE(content(r->setter.shown.last()), "preview.jpg");
        QCOMPARE(r->form.iPicIndex, qint16(1));
        change(); // b again, not the preview left in the work bitmap
        QCOMPARE(content(r->setter.shown.last()), "b.gif");
        QVERIFY(!r->changer.changeNow(path("gone.jpg")));
        r->changer.clearWallpaper();
        QCOMPARE(r->setter.shown.last(), QString());
    }

    void scheduleEndsCatchUp()
    {
        r->state.bWPCatchUp = kTrue;
        r->changer.chkChange_Click(true, "5 min");
        QCOMPARE(r->state.bWPCatchUp, kFalse);
        QCOMPARE(r->state.bClockActive(), kTrue);
        r->changer.chkChange_Click(false, "5 min");
        QCOMPARE(r->state.iWPNext, qint16(-1));
    }

    // The logic without a window: the switch needs two pictures and an interval and runs the schedule; after a
    // delete fewer than three entries force list order and fewer than two end the change; the closing steps keep
    // the state while a change is scheduled; a load without the list file keeps the list.
    void logicListRulesAndSwitch()
    {
        r->state.strAppPath = r->dir.path() + "/";
        QSettings(r->state.strAppPath + "Wpaper.ini", QSettings::IniFormat)
            .setValue("Wallpaper/PictureFolder", r->dir.path());
        WallpaperLogic logic(r->state, r->form, {r->warnings, r->converter, r->setter, r->times, {}});
        int shown = 0;
        logic.changed = [&shown] { ++shown; };
        logic.load();
        QCOMPARE(logic.option(), 1);
        for (const char* name : {"a.bmp", "b.bmp", "c.bmp", "d.bmp"}) {
            picture(name);
            logic.add(name);
        }
        QVERIFY(!logic.changeEnabled()); // no interval yet
        logic.setIntervalText("5 min");
        logic.cbChange_Click();
        QVERIFY(logic.changeEnabled());
        logic.setChangeTicked(true);
        QCOMPARE(r->state.iWPNext, qint16(5));
        logic.chooseOption(2);
        logic.deleteSelected({0, 2});
        QCOMPARE(logic.entries(), (QStringList{"b.bmp", "d.bmp"}));
        QVERIFY(logic.option() == 1 && logic.changeTicked());
        QVERIFY(!logic.closeSteps()); // scheduled: the state stays
        logic.deleteSelected({});     // nothing selected: nothing happens
        logic.deleteSelected({1});
        QVERIFY(!logic.changeTicked() && !logic.changeEnabled());
        QCOMPARE(r->state.iWPNext, qint16(-1));
        QVERIFY(logic.closeSteps());
        logic.loadList({"c.bmp", "a.bmp"}); // two entries and an interval: the change may be used again
        QVERIFY(logic.entries() == QStringList({"c.bmp", "a.bmp"}) && logic.changeEnabled());
        QVERIFY(shown > 0);
        logic.release();
        QVERIFY(!logic.isReady() && logic.entries().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestWallpaperChanger)
#include "test_wallpaper_changer.moc"
