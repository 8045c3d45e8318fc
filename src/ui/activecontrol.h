#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

// The control of a window that holds the window's focus: the one a key typed into
// the window goes to. It changes when the focus moves to another control of the same
// window, for whatever reason (a click, Tab, an access key, the program's own
// setFocus) and whether or not the window is active at that moment. The window
// losing or regaining the activation (a message box, a menu, another program) leaves
// it as it is, and when the window is shown or activated again the focus goes back
// to it.
//
// The focus events of the toolkit cannot tell this: a move made while the window is
// not active sends them only when the window is activated again, and then with the
// reason of the activation.
class ActiveControl final : public QObject
{
    Q_OBJECT

public:
    explicit ActiveControl(QWidget* window);

    QWidget* current() const { return m_current.data(); }

signals:
    // The focus has moved from one control of the window to another; previous is
    // null for the first control the window gives the focus to.
    void changed(QWidget* previous, QWidget* current);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchWindowHandle();
    void update();
    void restore();
    bool isControl(const QWidget* widget) const;

    QWidget* m_window;
    QPointer<QWindow> m_handle;
    QPointer<QWidget> m_current;
};
