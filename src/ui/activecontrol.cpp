#include "ui/activecontrol.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

ActiveControl::ActiveControl(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    window->installEventFilter(this);
    watchWindowHandle();
}

void ActiveControl::watchWindowHandle()
{
    QWindow* handle = m_window->windowHandle();
    if (!handle || handle == m_handle)
        return;
    m_handle = handle;
    // Sent whenever the window's focus child changes, the window active or not.
    connect(handle, &QWindow::focusObjectChanged, this, &ActiveControl::update);
}

bool ActiveControl::isControl(const QWidget* widget) const
{
    // The menu bar takes the focus while it is worked by keyboard, but it is no
    // control: choosing a menu item does not move the focus.
    return widget && widget != m_window && widget->window() == m_window && widget->focusPolicy() != Qt::NoFocus;
}

void ActiveControl::update()
{
    // Nobody moves the focus in a hidden window; the toolkit does, when it activates
    // one that has just been hidden, and passes over the hidden focus child.
    if (!m_window->isVisible())
        return;
    QWidget* now = m_window->focusWidget();
    if (!isControl(now) || now == m_current)
        return;
    QWidget* previous = m_current.data();
    m_current = now;
    emit changed(previous, now);
}

void ActiveControl::restore()
{
    if (m_current && m_window->focusWidget() != m_current && m_current->isVisibleTo(m_window) && m_current->isEnabled())
        m_current->setFocus(Qt::ActiveWindowFocusReason);
}

bool ActiveControl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        watchWindowHandle();
        restore();
        update();
        break;
    case QEvent::WindowActivate:
        // Sent before the toolkit gives the focus to the window's focus child, or,
        // where there is none any longer (the menu bar worked by keyboard clears it),
        // to the next control in the tab order: the control the user left gets it.
        restore();
        break;
    default:
        break;
    }
    return false;
}
