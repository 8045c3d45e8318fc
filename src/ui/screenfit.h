#pragma once

#include <QMargins>
#include <QObject>
#include <QSize>

class QScreen;
class QScrollArea;
class QWidget;

// The size a window of the given natural size takes in a room (the screen's available
// area less the window's frame): its own size where it fits; otherwise as much as
// the room holds, with a scroll bar's extent added for each direction that scrolls.
QSize fittedWindowSize(const QSize& natural, const QSize& room, int scrollBarExtent);

// Keeps a window of fixed size usable on a screen smaller than it is. Where the window
// with its frame fits the screen's available area, nothing changes. Where it does not,
// its client area goes into a scroll area, the window takes the room there is, and
// the control that has the focus is scrolled into view; mouse and keyboard reach every
// control. The window is placed by place(), centred on the screen it is to show on.
class ScreenFit final : public QObject
{
    Q_OBJECT

public:
    // The client area is the window's central widget (a main window) or the one child
    // that holds every control at the window's top-left corner.
    ScreenFit(QWidget* window, QWidget* clientArea);

    // Fits the window to the screen's available area and centres it there, its title
    // bar never off the area. A window without a fitter is only centred.
    static void place(QWidget* window, QScreen* screen);

    bool scrolls() const { return m_scrollArea != nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fit(QScreen* screen);
    void putIntoScrollArea();
    void setWindowSize(const QSize& size);
    QMargins frameMargins() const;
    void showFocusedControl(QObject* focus);

    QWidget* m_window;
    QWidget* m_clientArea;
    QSize m_natural;
    QScrollArea* m_scrollArea = nullptr; // the window's, once it scrolls
    // The window manager's frame, once it is known from a window on the screen.
    QMargins m_knownFrame;
    bool m_checkFrame = false;
};
