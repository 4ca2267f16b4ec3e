#include "filedialogs/overwrite_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/app_context.h"
#include "app/deactivation_hook.h"
#include "app/shared_state.h"
#include "platform/window_services.h"

Form13::Form13(AppContext& app, QWidget* parent) : QDialog(parent), m_app(app)
{
    DeactivationHook::install(this, &Form13::Form_Deactivate);
    setWindowTitle(QStringLiteral("Warning Message"));

    imgWarningMessage = new QLabel(this);
    imgWarningMessage->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    Label1 = new QLabel(QStringLiteral("File already exists, overwrite ?"), this);
    cmdYes = new QPushButton(QStringLiteral("Yes"), this);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setDefault(true);
    connect(cmdYes, &QPushButton::clicked, this, &Form13::cmdYes_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &Form13::cmdCancel_Click);

    auto* row = new QHBoxLayout;
    row->addWidget(imgWarningMessage, 0, Qt::AlignTop);
    row->addWidget(Label1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdYes);
    buttons->addWidget(cmdCancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);

    m_app.registerForegroundDialog(kWhoOverwrite, this);
}

Form13::~Form13() = default;

void Form13::FileAlreadyExist(const QString& WhereDoYouComeFrom_, const QString& fFileName_)
{
    FrontOrder& front = m_app.frontOrder();
    front.rememberPrevious(m_app.form13PrevWho());
    front.claim(kWhoOverwrite);
    m_app.services().windows.setTopmost(this);
    show();
    WhereDoYouComeFrom = WhereDoYouComeFrom_;
    fFileName = fFileName_;
    m_app.services().windows.beep();
}

void Form13::cmdYes_Click()
{
    m_app.listFiles().overwrite(WhereDoYouComeFrom, fFileName);
    unload();
}

void Form13::cmdCancel_Click()
{
    unload();
}

void Form13::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_app.handFrontBack(m_app.form13PrevWho());
    hide();
    m_app.unloadForm13();
}

void Form13::Form_Deactivate()
{
    if (m_unloaded)
        return;
    if (!isVisible()) {
        unload();
        return;
    }
    m_app.reclaimFront(this, kWhoOverwrite);
}

void Form13::closeEvent(QCloseEvent* event)
{
    // The close box answers Cancel.
    event->ignore();
    unload();
}

void Form13::reject()
{
    unload();
}
