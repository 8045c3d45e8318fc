#pragma once

#include "ui/windowparts.h"

#include <QMainWindow>

class LinkLabel;

// What the two working windows (the main window and the results window) share: a
// client area of fixed size on navy under the menu bar, the forum banner across its
// top, the band of the two offers at its bottom, the Help menu with Donate and Make
// Money Online, and closing, which their owner decides.
class WorkingWindow : public QMainWindow
{
    Q_OBJECT

signals:
    // File > Exit, or the close box.
    void closeRequested();
    void aboutRequested();

protected:
    // The client area's width and height in twips.
    WorkingWindow(int width, int height);

    QWidget* clientArea() const { return m_clientArea; }

    // The frame Frame2 holding the link Label61 to the forum's home page.
    void addForumBanner(const QRect& frame, const QRect& link, const QColor& background);

    // The frame Frame5 with the two offers, which overlap: the full-branding offer is
    // created last and so lies in front.
    struct OfferBand
    {
        LinkLabel* coBrand;
        LinkLabel* fullBrand;
    };
    OfferBand addOfferBand(const QRect& frame, const QRect& coBrand, const QRect& fullBrand);

    // The menu bar: the window's own File menu, then Help, Donate and Make Money
    // Online, whose names and captions differ between the windows in three places.
    // Captions are marked in the context "Menu", as the menu tables' are.
    struct HelpMenuNames
    {
        const char* firstSeparator;
        const char* secondSeparator;
        const char* updateCaption;
    };
    void addMenus(
        const char* fileMenuName, std::initializer_list<WindowParts::MenuEntry> fileMenu, const HelpMenuNames& help);

    // Fixes the window's size to its contents and places it; called last.
    void finish(const QString& name);

    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* m_clientArea;
};
