#include <QTest>

#include "app/front_order.h"
#include "app/shared_state.h"

class TestFrontOrder : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A window that lost the activation (claimant) takes the front back with a beep unless a higher code holds
    // it; when it goes, it hands the front back to what held it when it came, if that is a dialog.
    void claimProtocol_data()
    {
        QTest::addColumn<qint32>("holder");
        QTest::addColumn<qint32>("claimant");
        QTest::addColumn<qint32>("result");
        QTest::addColumn<bool>("beep");
        QTest::addColumn<qint32>("handBack");
        const qint32 in = kWhoMessageInput, ch = kWhoFileChooser, ow = kWhoOverwrite;
        const qint32 warn = kWarnSeqFirst, lastWarn = kWarnSeqEnd - 1, msg = kMsgWinSeqFirst;
        QTest::newRow("input over nobody") << 0 << in << in << true << 0;
        QTest::newRow("input keeps its own claim") << in << in << in << true << in;
        QTest::newRow("input under the chooser") << ch << in << ch << false << ch;
        QTest::newRow("chooser over the input") << in << ch << ch << true << in;
        QTest::newRow("chooser under overwrite") << ow << ch << ow << false << ow;
        QTest::newRow("overwrite over the chooser") << ch << ow << ow << true << ch;
        QTest::newRow("overwrite under a warning") << warn << ow << warn << false << 0;
        QTest::newRow("warning over overwrite") << ow << warn << warn << true << ow;
        QTest::newRow("warning keeps its own rank") << warn << warn << warn << true << 0;
        QTest::newRow("newer warning") << warn << warn + 1 << warn + 1 << true << 0;
        QTest::newRow("older warning") << warn + 1 << warn << warn + 1 << false << 0;
        QTest::newRow("last warning under a message") << msg << lastWarn << msg << false << 0;
        QTest::newRow("message over the last warning") << lastWarn << msg << msg << true << 0;
        QTest::newRow("message keeps its own number") << msg + 1 << msg + 1 << msg + 1 << true << 0;
        QTest::newRow("older message") << msg + 1 << msg << msg + 1 << false << 0;
    }
    void claimProtocol()
    {
        QFETCH(qint32, holder);
        QFETCH(qint32, claimant);
        Module1 state;
        state.lForegroundWho = holder;
        FrontOrder front(state);
        QTEST(front.reclaim(claimant), "beep");
        QTEST(state.lForegroundWho, "result");
        QTEST(front.release(holder), "handBack");
        QCOMPARE(state.lForegroundWho, 0);
    }

    // A dialog claims the front as it comes; what it hands back is remembered from its first opening on.
    void openingClaimKeepsTheFirstPrevious()
    {
        Module1 state;
        FrontOrder front(state);
        qint32 prevWho = 0;
        state.lForegroundWho = kWhoFileChooser;
        front.rememberPrevious(prevWho);
        QCOMPARE(front.claim(kWhoOverwrite), kWhoFileChooser);
        front.rememberPrevious(prevWho);
        QCOMPARE(QList<qint32>({prevWho, front.holder()}), QList<qint32>({kWhoFileChooser, kWhoOverwrite}));
    }
};

QTEST_GUILESS_MAIN(TestFrontOrder)
#include "test_front_order.moc"
