#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "app/error_list_window.h"
#include "app_harness.h"

namespace {
// The warning windows on screen, oldest first.
QList<Form11*> openWarnings()
{
    QList<Form11*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<Form11*>(w); f && f->isVisible())
            found.append(f);
    std::sort(found.begin(), found.end(), [](Form11* a, Form11* b) { return a->rank() < b->rank(); });
    return found;
}
} // namespace

class TestWarningWindow : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<AppHarness> m_h;

private Q_SLOTS:
    void init()
    {
        m_h = std::make_unique<AppHarness>();
        m_h->startBare();
    }
    void cleanup() { m_h.reset(); }

    // Each warning takes the next rank (the claim by rank is the front order's).
    void twoWarningsGetConsecutiveRanks()
    {
        m_h->app->AnswerOk("first");
        m_h->app->AnswerOk("second");
        const QList<Form11*> windows = openWarnings();
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows[0]->rank(), 1000000);
        QCOMPARE(windows[1]->rank(), 1000001);
        QCOMPARE(windows[0]->Label1->text(), "first");
        QCOMPARE(windows[0]->windowTitle(), "Warning Message");
        QVERIFY(m_h->fakes->windows.topmost.contains(windows[1]));
        windows[1]->Form_Deactivate(); // the deactivation runs the claim
        QCOMPARE(m_h->state->lForegroundWho, 1000001);
    }

    // A warning raised over the file chooser puts the chooser back on top after OK.
    void okHandsTheFrontBack()
    {
        QWidget chooser;
        chooser.show();
        m_h->app->registerForegroundDialog(kWhoFileChooser, &chooser);
        m_h->state->lForegroundWho = kWhoFileChooser;
        m_h->app->AnswerOk("No file is chosen");
        QPointer<Form11> warning = openWarnings().first();
        m_h->fakes->windows.topmost.clear();
        warning->cmdOk->click();
        QCOMPARE(m_h->state->lForegroundWho, 0);
        QCOMPARE(m_h->fakes->windows.topmost, QList<QWidget*>{&chooser});
        QTRY_VERIFY(warning.isNull());
    }

    void whoWillForegroundIgnoresHiddenAndUnknownCodes()
    {
        QWidget overwrite;
        m_h->app->registerForegroundDialog(kWhoOverwrite, &overwrite);
        for (qint32 code : {kWhoOverwrite, 1000003, 0}) // not visible, unknown, nobody
            m_h->app->WhoWillForeground(code);
        QVERIFY(m_h->fakes->windows.topmost.isEmpty());
    }

    void errorListCollectsLinesUntilOk()
    {
        Form10& list = m_h->app->form10();
        list.addError("bad.dat");
        list.addError("Invalid data in file, Data  3");
        QCOMPARE(itemTexts(list.lstErrorMsg), (QStringList{"bad.dat", "Invalid data in file, Data  3"}));
        list.cmdOk->click();
        QVERIFY(!m_h->app->isForm10Loaded());
        QCOMPARE(m_h->app->form10().lstErrorMsg->count(), 0);
    }
};

QTEST_MAIN(TestWarningWindow)
#include "test_warning_window.moc"
