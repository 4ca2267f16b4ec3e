#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "app/app_context.h"
#include "app/error_list_window.h"
#include "app/shared_state.h"
#include "app/warning_window.h"
#include "fake_services.h"

namespace {
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
private Q_SLOTS:
    void init()
    {
        m_fakes = std::make_unique<FakeServices>();
        m_state = std::make_unique<Module1>();
        m_state->setStartupDefaults();
        m_app = std::make_unique<AppContext>(*m_state, m_fakes->services());
    }
    void cleanup()
    {
        for (Form11* f : openWarnings())
            delete f;
        m_app.reset();
    }

    void twoWarningsGetConsecutiveRanks()
    {
        m_app->AnswerOk(QStringLiteral("first"));
        m_app->AnswerOk(QStringLiteral("second"));
        const auto windows = openWarnings();
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows[0]->rank(), 1000000);
        QCOMPARE(windows[1]->rank(), 1000001);
        QCOMPARE(windows[0]->Label1->text(), QStringLiteral("first"));
        QCOMPARE(windows[0]->windowTitle(), QStringLiteral("Warning Message"));
        QVERIFY(m_fakes->windows.topmost.contains(windows[1]));

        // The older one loses the front: the newer one (higher rank) claims it back with a beep.
        windows[0]->Form_Deactivate();
        QCOMPARE(m_state->lForegroundWho, 1000000);
        windows[1]->Form_Deactivate();
        QCOMPARE(m_state->lForegroundWho, 1000001);
        QCOMPARE(m_fakes->windows.beeps, 2);
        windows[0]->Form_Deactivate(); // outranked now: nothing
        QCOMPARE(m_state->lForegroundWho, 1000001);
        QCOMPARE(m_fakes->windows.beeps, 2);
    }

    void messageWindowClaimIsNotStolen()
    {
        m_state->lForegroundWho = 2000005;
        m_app->AnswerOk(QStringLiteral("quiet"));
        openWarnings().first()->Form_Deactivate();
        QCOMPARE(m_state->lForegroundWho, 2000005);
        QCOMPARE(m_fakes->windows.beeps, 0);
    }

    // A warning raised over the file chooser puts the chooser back on top after OK.
    void okHandsTheFrontBack()
    {
        QWidget chooser;
        chooser.show();
        m_app->registerForegroundDialog(kWhoFileChooser, &chooser);
        m_state->lForegroundWho = kWhoFileChooser;
        m_app->AnswerOk(QStringLiteral("No file is chosen"));
        QPointer<Form11> warning = openWarnings().first();
        QCOMPARE(warning->lPrevWho, kWhoFileChooser);
        m_fakes->windows.topmost.clear();
        warning->cmdOk->click();
        QCOMPARE(m_state->lForegroundWho, 0);
        QCOMPARE(m_fakes->windows.topmost, QList<QWidget*>{&chooser});
        QTRY_VERIFY(warning.isNull());
    }

    void whoWillForegroundIgnoresHiddenAndUnknownCodes()
    {
        QWidget overwrite;
        m_app->registerForegroundDialog(kWhoOverwrite, &overwrite);
        m_app->WhoWillForeground(kWhoOverwrite); // not visible
        m_app->WhoWillForeground(1000003);
        m_app->WhoWillForeground(0);
        QVERIFY(m_fakes->windows.topmost.isEmpty());
    }

    void errorListCollectsLinesUntilOk()
    {
        Form10& list = m_app->form10();
        list.addError(QStringLiteral("bad.dat"));
        list.addError(QStringLiteral("Invalid data in file, Data  3"));
        QCOMPARE(list.lstErrorMsg->count(), 2);
        list.cmdOk->click();
        QVERIFY(!m_app->isForm10Loaded());
        QCOMPARE(m_app->form10().lstErrorMsg->count(), 0);
    }

private:
    std::unique_ptr<FakeServices> m_fakes;
    std::unique_ptr<Module1> m_state;
    std::unique_ptr<AppContext> m_app;
};

QTEST_MAIN(TestWarningWindow)
#include "test_warning_window.moc"
