#pragma once

#include "links/weblink.h"

#include <QKeySequence>
#include <QRect>
#include <QString>
#include <functional>
#include <initializer_list>

class LinkLabel;
class QAbstractScrollArea;
class QAbstractItemView;
class QAction;
class QMenu;
class QMenuBar;
class QEvent;
class QObject;
class QPushButton;
class QSplitter;
class QTextBrowser;
class QWidget;

// What all the program's windows share: caption, title bar, placement, page links
// and menu tables.
namespace WindowParts {

// The caption of every window, in the language in force.
QString windowCaption();

// A title bar with a close box and no minimise or maximise button.
Qt::WindowFlags fixedWindowFlags(Qt::WindowType type = Qt::Window);

// Names the window, gives it the caption and the icon, centres it on its screen and
// keeps its size; called once the window has its size.
void finishWindow(QWidget* window, const QString& name);

// Opens one of the program's pages in the default browser.
void openPage(WebLink page);

// A label that opens a page when clicked.
LinkLabel* pageLink(QWidget* parent, const QString& name, const QString& text, WebLink page);

// One entry of a menu table: the object name, the caption with its access key (none
// for a separator) and what choosing it does. Captions are marked in the context
// "Menu" (QT_TRANSLATE_NOOP("Menu", "&File")) and translated where the menu is built.
struct MenuEntry
{
    const char* name;
    const char* caption = nullptr;
    std::function<void()> command = {};
    QKeySequence shortcut = {};
};
MenuEntry pageEntry(const char* name, const char* caption, WebLink page);

// The caption, like the entries', is marked in the context "Menu".
QMenu* addMenu(QMenuBar* bar, const char* name, const char* caption, std::initializer_list<MenuEntry> entries);
// Names the parts the toolkit adds to a scrolling view (its scroll bars, their
// containers and the viewport) for a screen reader, after what the view shows.
void nameScrollParts(QAbstractScrollArea* area, const QString& what);

// The rows selected in a table, a line each, its cells separated by tabs: what Copy
// takes from it.
QString selectedRowsText(const QAbstractItemView* table);

// Copy in a text or a table with something selected there takes the selection; with
// nothing selected the key goes on to the window's own Copy. For an event filter: true
// where the event was taken.
bool copySelection(QObject* watched, QEvent* event);

// A button of the plan's and the progress window's rows: bold caption on cream, never
// pressed by Enter elsewhere in the window.
QPushButton* commandButton(QWidget* parent, const char* name, const QString& caption);

// The text of a document window: the window's colours, links that stay in the program,
// the scroll parts named after it, and Copy (through the filter given) taking the
// selection.
void setUpDocumentText(QTextBrowser* text, const char* name, const QString& accessibleName, QObject* filter);

// A splitter of a document window: its parts in order, each with its share of the
// room, none of them ever collapsed, and its handles named for a screen reader.
QSplitter* splitter(Qt::Orientation orientation, QWidget* parent, const char* name, const QString& accessibleName,
    std::initializer_list<std::pair<QWidget*, int>> parts, const QString& handleName);

// Makes a screen reader find the weight charts as pictures and the splitters' handles
// as separators. Once for the program; each window that has either calls it.
void installAccessibleRoles();

// A command on the menu bar itself.
QAction* addCommand(QMenuBar* bar, const MenuEntry& entry);

} // namespace WindowParts
