#include "ui/exitscreen.h"

#include "ui/look.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QScreen>

using namespace Look;

ExitScreen::ExitScreen(Shell& shell)
    : QWidget(nullptr,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
    , m_shell(shell)
{
    setObjectName(QStringLiteral("frmExitScreen"));
    setWindowTitle(QStringLiteral("Veltro Weight Loss Calculator v1.0"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/veltro.png")));
    setFixedSize(px(11115), px(4725));
    setColors(this, kWhite, Qt::black);

    auto* cmdClose = new QPushButton(QStringLiteral("E&xit"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(twips(6000, 2760, 1245, 375));
    connect(cmdClose, &QPushButton::clicked, this, &ExitScreen::cmdClose_Click);
    cmdClose->setFocus(Qt::OtherFocusReason);

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void ExitScreen::Form_Load()
{
    // Above every other window from now on, without taking the activation when shown.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setAttribute(Qt::WA_ShowWithoutActivating, true);
}

void ExitScreen::Form_Unload()
{
    m_shell.EndApplication();
}

void ExitScreen::cmdClose_Click()
{
    m_shell.EndApplication();
}

void ExitScreen::closeEvent(QCloseEvent* event)
{
    if (!m_shell.isUnloading(FormId::ExitScreen))
        m_shell.unloadForm(FormId::ExitScreen);
    event->accept();
}
