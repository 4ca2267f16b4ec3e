#include "app/warning_window.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/shared_state.h"
#include "platform/window_services.h"

Form11::Form11(AppContext& app, QWidget* parent) : QDialog(parent), m_app(app)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Warning Message"));

    imgWarningMessage = new QLabel(this);
    imgWarningMessage->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    Label1 = new QLabel(this);
    Label1->setWordWrap(true);
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label1->setMinimumWidth(260);
    lblMyVisibility = new QLabel(this);
    lblMyVisibility->setVisible(false);
    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, &Form11::cmdOk_Click);

    auto* row = new QHBoxLayout;
    row->addWidget(imgWarningMessage, 0, Qt::AlignTop);
    row->addWidget(Label1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(cmdOk, 0, Qt::AlignHCenter);
}

void Form11::showWarning(const QString& ErrorMsgStr)
{
    Module1& state = m_app.state();
    lblMyVisibility->setText(QString::number(state.takeWarnRank()));
    if (lPrevWho == 0)
        lPrevWho = state.lForegroundWho;
    Label1->setText(ErrorMsgStr);
    m_app.services().windows.setTopmost(this);
    show();
}

qint32 Form11::rank() const
{
    return lblMyVisibility->text().toInt();
}

void Form11::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        QTimer::singleShot(0, this, &Form11::Form_Deactivate);
}

void Form11::Form_Deactivate()
{
    if (!isVisible()) {
        deleteLater();
        return;
    }
    Module1& state = m_app.state();
    const qint32 myRank = rank();
    if (state.lForegroundWho >= 0 && myRank >= state.lForegroundWho) {
        m_app.services().windows.bringToFront(this);
        m_app.services().windows.beep();
        state.lForegroundWho = myRank;
    }
}

void Form11::cmdOk_Click()
{
    m_app.handFrontBack(lPrevWho);
    hide();
    deleteLater();
}

void Form11::reject()
{
    // Escape or the close box act as OK, so the front is handed back in every case.
    if (isVisible())
        cmdOk_Click();
}
