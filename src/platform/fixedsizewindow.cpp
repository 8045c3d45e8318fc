#include "platform/fixedsizewindow.h"

#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

class FixedSizeKeeper final : public QObject
{
public:
    explicit FixedSizeKeeper(QWidget* window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_window)
            return false;
        if (event->type() == QEvent::Show) {
            watchStates();
            // After the window's own show step, which may fix its size again (a
            // message box does).
            QTimer::singleShot(0, this, &FixedSizeKeeper::openMaximumSize);
        } else if (event->type() == QEvent::Resize && m_size.isValid() && isNormal() && m_window->size() != m_size) {
            QTimer::singleShot(0, this, [this] {
                if (isNormal())
                    m_window->resize(m_size);
            });
        }
        return false;
    }

private:
    bool isNormal() const
    {
        return !(m_window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized));
    }

    void watchStates()
    {
        QWindow* handle = m_window->windowHandle();
        if (!handle || handle == m_handle)
            return;
        m_handle = handle;
        // Minimising on Wayland changes only the window's state, no widget is told.
        connect(handle, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
            if (state == Qt::WindowMinimized)
                QTimer::singleShot(0, this, &FixedSizeKeeper::comeBack);
            else if (state == Qt::WindowMaximized || state == Qt::WindowFullScreen)
                QTimer::singleShot(0, this, [this] { m_window->setWindowState(Qt::WindowNoState); });
        });
    }

    void openMaximumSize()
    {
        if (!m_window->isVisible())
            return;
        if (!m_size.isValid())
            m_size = m_window->size();
        if (QLayout* layout = m_window->layout(); layout && layout->sizeConstraint() == QLayout::SetFixedSize)
            layout->setSizeConstraint(QLayout::SetMinimumSize);
        m_window->setMinimumSize(m_size);
        m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }

    void comeBack()
    {
        if (auto* dialog = qobject_cast<QDialog*>(m_window)) {
            dialog->reject();
            return;
        }
        // A new surface: the compositor maps it afresh.
        m_window->hide();
        m_window->setWindowState(Qt::WindowNoState);
        m_window->show();
        m_window->raise();
        m_window->activateWindow();
    }

    QWidget* m_window;
    QPointer<QWindow> m_handle;
    QSize m_size;
};

} // namespace

void keepFixedSize(QWidget* window)
{
    if (window && onWayland())
        new FixedSizeKeeper(window);
}
