#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include "app/shared_state.h"
#include "fake_wallpaper.h"
#include "fake_warnings.h"
#include "wallpaper/wallpaper_changer.h"
#include "wallpaper/wallpaper_form_state.h"
#include "wallpaper/wallpaper_pictures.h"
#include "wallpaper/wallpaper_times.h"

namespace {
// Marks every `iWPInterval` minutes; counts the calls.
class StepTimes final : public WallpaperTimes
{
public:
    void WallpaperSchedule(bool ticked, const QString& intervalText, Flag& bClockActive, qint16& iWPInterval,
                           qint16& iWPNext) override
    {
        ++schedules;
        if (!ticked || intervalText.isEmpty()) {
            iWPNext = -1;
            return;
        }
        iWPInterval = 5;
        iWPNext = 5;
        bClockActive = kTrue;
    }
    void NextWallpaperTime(qint16 iWPInterval, qint16& iWPNext) override
    {
        ++nexts;
        iWPNext = static_cast<qint16>((iWPNext + iWPInterval) % 60);
    }
    int schedules = 0;
    int nexts = 0;
};
} // namespace

class TestWallpaperChanger : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    Module1 m_state;
    WallpaperFormState m_form;
    FakeWarnings m_warnings;
    FakePictureConverter m_converter;
    FakeWallpaper m_setter;
    StepTimes m_times;
    QList<double> m_draws;
    std::unique_ptr<WallpaperChanger> m_changer;
    int m_tooFew = 0;

    QString path(const QString& name) const { return m_dir->filePath(name); }
    void picture(const QString& name)
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(name.toUtf8()); // the content names the picture
    }
    QByteArray content(const QString& file) const
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void makeChanger(const QStringList& entries)
    {
        for (const QString& name : entries)
            picture(name);
        m_changer->setEntries(entries);
    }
    /// What each change showed, by content; empty for a file that is not there.
    QStringList shownContents() const
    {
        QStringList contents;
        for (const QString& file : m_setter.shown)
            contents.append(QString::fromUtf8(content(file)));
        return contents;
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_state = Module1{};
        m_state.iWPInterval = 5;
        m_state.iWPNext = 10;
        m_form = WallpaperFormState{};
        m_form.strPicFolder = m_dir->path();
        m_warnings.shown.clear();
        m_converter = FakePictureConverter{};
        m_setter.shown.clear();
        m_times = StepTimes{};
        m_draws.clear();
        m_tooFew = 0;
        m_changer = std::make_unique<WallpaperChanger>(
            m_state, m_form, WallpaperChanger::Services{m_warnings, m_converter, m_setter, m_times, [this] {
                                                            return m_draws.isEmpty() ? 0.0 : m_draws.takeFirst();
                                                        }});
        m_changer->tooFewToChange = [this] { ++m_tooFew; };
    }

    void pictureKinds()
    {
        QList<int> kinds;
        for (const char* name : {"a.bmp", "A.BMP", "xbmp", "b.Gif", "c.jpg", "d.JPEG", "e.png", "mp"})
            kinds.append(int(pictureKind(name)));
        const int bmp = int(PictureKind::Bitmap);
        const int converted = int(PictureKind::Converted);
        const int other = int(PictureKind::Other);
        QCOMPARE(kinds, (QList<int>{bmp, bmp, bmp, converted, converted, converted, other, other}));
    }

    void folderOffersPicturesSortedIgnoringCase()
    {
        for (const char* name : {"b.JPG", "A.bmp", "c.gif", "a2.jpeg", "d.png", "tmpFile.bmp", "tmpFile-12.bmp",
                                 "q\"uote.bmp", "noext", "Zed.Bmp"})
            picture(QString::fromUtf8(name));
        QCOMPARE(picturesIn(m_dir->path()), (QStringList{"A.bmp", "a2.jpeg", "b.JPG", "c.gif", "Zed.Bmp"}));
        QVERIFY(picturesIn(m_dir->filePath("missing")).isEmpty());
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
        m_changer->setEntries({"1", "2", "3", "4", "5"});
        m_form.iDelCursor = static_cast<qint16>(cursor);
        m_changer->deleteSelected(rows);
        QCOMPARE(m_changer->entries(), left);
        QCOMPARE(m_form.iDelCursor, qint16(0));
    }

    // a, then b through the work bitmap (converted one change ahead), then c, then a again.
    void priorityOrderConvertsOneChangeAhead()
    {
        makeChanger({"a.bmp", "b.jpg", "c.bmp"});
        m_changer->optOption_Click(WallpaperChanger::kPriority);
        QVERIFY(m_converter.conversions.isEmpty()); // a is a bitmap: nothing to prepare

        m_changer->EMShowToShow();
        QCOMPARE(m_setter.shown, QStringList{path("a.bmp")});
        QCOMPARE(m_converter.conversions.size(), 1); // b prepared right after a was shown
        QCOMPARE(m_converter.conversions.at(0).first, path("b.jpg"));
        QCOMPARE(m_converter.conversions.at(0).second, path(kWorkBitmap));
        QCOMPARE(content(path(kWorkBitmap)), QByteArray("b.jpg"));

        m_changer->EMShowToShow();
        QCOMPARE(m_setter.shown.size(), 2);
        QCOMPARE(content(m_setter.shown.at(1)), QByteArray("b.jpg"));
        QCOMPARE(m_setter.shown.at(1), path(shownCopyName(1)));

        m_changer->EMShowToShow();
        m_changer->EMShowToShow();
        QCOMPARE(m_setter.shown.mid(2), (QStringList{path("c.bmp"), path("a.bmp")}));
        QCOMPARE(m_converter.conversions.size(), 2); // b prepared again after the second a
        QCOMPARE(m_times.nexts, 4);
        QVERIFY(m_warnings.shown.isEmpty());
    }

    // Each shown conversion gets a new name; the one shown before stays, older ones go.
    void shownCopiesChangeNameAndAreCleanedUp()
    {
        makeChanger({"a.gif", "b.jpg", "c.gif"});
        m_changer->optOption_Click(WallpaperChanger::kPriority);
        for (int i = 0; i < 4; ++i)
            m_changer->EMShowToShow();
        QCOMPARE(m_setter.shown, (QStringList{path(shownCopyName(1)), path(shownCopyName(2)), path(shownCopyName(3)),
                                              path(shownCopyName(4))}));
        QCOMPARE(content(path(shownCopyName(4))), QByteArray("a.gif"));
        QCOMPARE(QDir(m_dir->path()).entryList({"tmpFile-*.bmp"}), (QStringList{shownCopyName(3), shownCopyName(4)}));
    }

    // Random order, the draws at their extremes first, from an index left past the end of the list.
    void randomOverThreeNeverRepeats()
    {
        makeChanger({"a.bmp", "b.gif", "c.jpg"});
        m_form.iPicIndex = 7;
        m_draws = {0.0, 0.0, 1.0, 0.999999, 0.999999, 0.5, 0.5};
        QRandomGenerator generator(7);
        for (int i = 0; i < 200; ++i)
            m_draws.append(generator.generateDouble());
        m_changer->optOption_Click(WallpaperChanger::kRandom);
        QStringList shownContent; // read at once: older shown copies are removed
        for (int i = 0; i < 60; ++i) {
            m_changer->EMShowToShow();
            shownContent.append(QString::fromUtf8(content(m_setter.shown.last())));
        }
        for (int i = 1; i < shownContent.size(); ++i)
            QVERIFY2(shownContent.at(i) != shownContent.at(i - 1), qPrintable(shownContent.join(' ')));
        QCOMPARE(QSet<QString>(shownContent.begin(), shownContent.end()).size(), 3);
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
        makeChanger(entries);
        m_converter.undecodable = undecodable;
        m_changer->optOption_Click(WallpaperChanger::kPriority);
        for (const QString& name : gone)
            QFile::remove(path(name));
        for (int i = 0; i < 3; ++i)
            m_changer->EMShowToShow();
        QTEST(shownContents(), "shown");
        QTEST(m_warnings.shown, "warnings");
        QTEST(m_changer->entries(), "left");
        QTEST(m_tooFew, "tooFew");
        QTEST(m_times.nexts, "marks");
    }

    void changeNowUsesTheWorkBitmapAndSpoilsNothing()
    {
        makeChanger({"a.bmp", "b.gif", "c.bmp"});
        picture("preview.jpg");
        m_changer->optOption_Click(WallpaperChanger::kPriority);
        m_changer->EMShowToShow(); // shows a, prepares b
        QVERIFY(m_changer->changeNow(path("preview.jpg")));
        QCOMPARE(content(m_setter.shown.last()), QByteArray("preview.jpg"));
        QCOMPARE(m_form.iPicIndex, qint16(1));
        m_changer->EMShowToShow(); // b again, not the preview left in the work bitmap
        QCOMPARE(content(m_setter.shown.last()), QByteArray("b.gif"));
        QVERIFY(!m_changer->changeNow(path("gone.jpg")));
        m_changer->clearWallpaper();
        QCOMPARE(m_setter.shown.last(), QString());
    }

    // The clock calls on every 800 ms tick of the marked minute; the first call moves the mark.
    void changesOncePerMark()
    {
        makeChanger({"a.bmp", "b.bmp", "c.bmp"});
        m_changer->optOption_Click(WallpaperChanger::kPriority);
        QTime time(9, 9, 0);
        for (int tick = 0; tick < 200; ++tick, time = time.addMSecs(800))
            if (m_state.iWPNext != -1 && time.minute() == m_state.iWPNext)
                m_changer->EMShowToShow();
        QCOMPARE(m_setter.shown, (QStringList{path("a.bmp")}));
        QCOMPARE(m_state.iWPNext, qint16(15));
    }

    void scheduleEndsCatchUp()
    {
        m_state.bWPCatchUp = kTrue;
        m_changer->chkChange_Click(true, "5 min");
        QCOMPARE(m_state.bWPCatchUp, kFalse);
        QCOMPARE(m_state.bClockActive, kTrue);
        m_changer->chkChange_Click(false, "5 min");
        QCOMPARE(m_state.iWPNext, qint16(-1));
    }
};

QTEST_GUILESS_MAIN(TestWallpaperChanger)
#include "test_wallpaper_changer.moc"
