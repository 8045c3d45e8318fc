#include "ui/screenfit.h"

#include "ui/look.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>

namespace {

// A window manager's frame before the window is on the screen, when nothing tells it
// yet: a little more than common title bars and borders take, so that a window that
// might not fit is not left hanging over the edge.
const QMargins kFrameGuess {4, 32, 4, 4};

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

QSize fittedWindowSize(const QSize& natural, const QSize& room, int scrollBarExtent)
{
    if (natural.width() <= room.width() && natural.height() <= room.height())
        return natural;
    QSize size = natural;
    // A scroll bar across one direction takes room from the other, which may then
    // scroll as well.
    bool across = natural.width() > room.width();
    bool down = natural.height() > room.height();
    for (int round = 0; round < 2; ++round) {
        size = natural + QSize(down ? scrollBarExtent : 0, across ? scrollBarExtent : 0);
        across = size.width() > room.width();
        down = size.height() > room.height();
    }
    return size.boundedTo(room).expandedTo(QSize(1, 1));
}

ScreenFit::ScreenFit(QWidget* window, QWidget* clientArea)
    : QObject(window)
    , m_window(window)
    , m_clientArea(clientArea)
    , m_natural(window->size())
{
    window->installEventFilter(this);
}

void ScreenFit::place(QWidget* window, QScreen* screen)
{
    if (!screen)
        screen = window->screen();
    if (!screen)
        return;
    QMargins frame = kFrameGuess;
    if (auto* fitter = window->findChild<ScreenFit*>(QString(), Qt::FindDirectChildrenOnly)) {
        fitter->fit(screen);
        frame = fitter->frameMargins();
    }
    const QSize outer = window->size().grownBy(frame);
    window->move(Look::centredPosition(screen->availableGeometry(), outer));
}

void ScreenFit::fit(QScreen* screen)
{
    // A window whose texts grew after it was built (a translated figure) has grown with
    // them; until it scrolls, its size before it is shown is its natural one.
    if (!m_scrollArea && !m_window->isVisible())
        m_natural = m_window->size();
    const QSize room = screen->availableGeometry().size().shrunkBy(frameMargins());
    const QSize size = fittedWindowSize(
        m_natural, room, m_window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_window));
    if (size != m_natural)
        putIntoScrollArea();
    if (m_scrollArea)
        setWindowSize(size);
    // On X11 the frame is known once the window manager has framed the window; the
    // size is checked again then. A Wayland compositor places windows itself.
    m_checkFrame = !onWayland();
}

QMargins ScreenFit::frameMargins() const
{
    if (QWindow* handle = m_window->windowHandle()) {
        const QMargins frame = handle->frameMargins();
        if (!frame.isNull())
            return frame;
    }
    return m_knownFrame.isNull() ? kFrameGuess : m_knownFrame;
}

void ScreenFit::putIntoScrollArea()
{
    if (m_scrollArea)
        return;
    QWidget* focus = m_window->focusWidget();
    auto* scrollArea = new QScrollArea;
    scrollArea->setObjectName(QStringLiteral("scrollArea"));
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setFocusPolicy(Qt::NoFocus);
    scrollArea->setPalette(m_clientArea->palette());
    scrollArea->viewport()->setAutoFillBackground(true);
    if (auto* main = qobject_cast<QMainWindow*>(m_window)) {
        main->takeCentralWidget();
        scrollArea->setWidget(m_clientArea);
        main->setCentralWidget(scrollArea);
    } else {
        scrollArea->setWidget(m_clientArea);
        auto* layout = new QVBoxLayout(m_window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(scrollArea);
    }
    m_scrollArea = scrollArea;
    // Controls that change parents are hidden; on a window already on the screen they
    // are shown again at once.
    if (m_window->isVisible()) {
        m_clientArea->show();
        scrollArea->show();
    }
    // Moving the controls elsewhere takes the focus from them; the same one gets it back.
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
    if (QWindow* handle = m_window->windowHandle())
        connect(handle, &QWindow::focusObjectChanged, this, &ScreenFit::showFocusedControl);
}

void ScreenFit::setWindowSize(const QSize& size)
{
    if (QLayout* layout = m_window->layout())
        layout->setSizeConstraint(QLayout::SetDefaultConstraint);
    m_window->setFixedSize(size);
}

void ScreenFit::showFocusedControl(QObject* focus)
{
    auto* control = qobject_cast<QWidget*>(focus);
    if (m_scrollArea && control && m_clientArea->isAncestorOf(control))
        m_scrollArea->ensureWidgetVisible(control, 8, 8);
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        if (m_scrollArea) {
            if (QWindow* handle = m_window->windowHandle())
                connect(
                    handle, &QWindow::focusObjectChanged, this, &ScreenFit::showFocusedControl, Qt::UniqueConnection);
        }
        break;
    case QEvent::Move: {
        // The first move that comes with the window manager's frame: the guess made
        // before is put right, the window grown back or shrunk to what fits, and kept
        // on the screen.
        if (!m_checkFrame)
            break;
        QWindow* handle = m_window->windowHandle();
        QScreen* screen = m_window->screen();
        if (!handle || !screen || handle->frameMargins().isNull())
            break;
        m_checkFrame = false;
        m_knownFrame = handle->frameMargins();
        const QSize before = m_window->size();
        fit(screen);
        m_checkFrame = false;
        const QRect available = screen->availableGeometry();
        if (m_window->size() != before || !available.contains(m_window->frameGeometry()))
            m_window->move(Look::centredPosition(available, m_window->frameGeometry().size()));
        break;
    }
    default:
        break;
    }
    return false;
}
