#include "ui/windowparts.h"

#include "platform/desktop.h"
#include "platform/fixedsizewindow.h"
#include "platform/language.h"
#include "ui/linklabel.h"
#include "ui/look.h"
#include "ui/textfit.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAccessibleWidget>
#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocumentFragment>

using namespace Look;

namespace {

// The title bar of every window.
struct WindowCaption
{
    Q_DECLARE_TR_FUNCTIONS(WindowCaption)
};

// What a screen reader calls the scroll bars of a scrolling view.
struct ScrollParts
{
    Q_DECLARE_TR_FUNCTIONS(ScrollParts)
};

// The context of the menu tables' captions.
constexpr const char* kMenuContext = "Menu";

QString menuText(const char* caption)
{
    return QCoreApplication::translate(kMenuContext, caption);
}

} // namespace

namespace WindowParts {

QString windowCaption()
{
    //: Title bar of every window, and the program's name at the top of the about box
    //: (228 px wide there) and of the exit screen (337 px, large type). "Veltro" is the
    //: product's name and stays as it is.
    return WindowCaption::tr("Veltro Weight Loss Calculator v1.0");
}

Qt::WindowFlags fixedWindowFlags(Qt::WindowType type)
{
    return type | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
}

void finishWindow(QWidget* window, const QString& name)
{
    window->setObjectName(name);
    window->setWindowTitle(windowCaption());
    window->setWindowIcon(appIcon());
    // English texts fit the sizes the windows were drawn with; a translation may not.
    if (translationInstalled())
        TextFit::fitWindow(window);
    placeInCentre(window);
    keepFixedSize(window);
}

void openPage(WebLink page)
{
    openAddress(webLinkAddress(page));
}

LinkLabel* pageLink(QWidget* parent, const QString& name, const QString& text, WebLink page)
{
    auto* link = new LinkLabel(parent);
    link->setObjectName(name);
    link->setText(text);
    QObject::connect(link, &LinkLabel::clicked, link, [page] { openPage(page); });
    return link;
}

MenuEntry pageEntry(const char* name, const char* caption, WebLink page)
{
    return {name, caption, [page] { openPage(page); }};
}

namespace {

QAction* addEntry(QWidget* menu, const MenuEntry& entry)
{
    auto* action = new QAction(menu);
    action->setObjectName(QLatin1String(entry.name));
    if (entry.caption) {
        action->setText(menuText(entry.caption));
        action->setShortcut(entry.shortcut);
        QObject::connect(action, &QAction::triggered, action, entry.command);
    } else {
        action->setSeparator(true);
    }
    menu->addAction(action);
    return action;
}

} // namespace

QMenu* addMenu(QMenuBar* bar, const char* name, const char* caption, std::initializer_list<MenuEntry> entries)
{
    QMenu* menu = bar->addMenu(menuText(caption));
    menu->setObjectName(QLatin1String(name));
    for (const MenuEntry& entry : entries)
        addEntry(menu, entry);
    return menu;
}

void nameScrollParts(QAbstractScrollArea* area, const QString& what)
{
    //: Screen reader's name of the vertical scroll bar of a view; %1 is what the view
    //: shows, e.g. "the milestones" or "your plan in words".
    area->verticalScrollBar()->setAccessibleName(ScrollParts::tr("Scroll %1 up and down").arg(what));
    //: Screen reader's name of the horizontal scroll bar of a view; %1 is what the view
    //: shows, e.g. "the milestones" or "your plan in words".
    area->horizontalScrollBar()->setAccessibleName(ScrollParts::tr("Scroll %1 sideways").arg(what));
    area->viewport()->setAccessibleName(what);
    for (const char* name : {"qt_scrollarea_vcontainer", "qt_scrollarea_hcontainer"}) {
        if (auto* container = area->findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly))
            //: Screen reader's name of the strip holding a view's scroll bar; %1 is what
            //: the view shows, e.g. "the milestones" or "your plan in words".
            container->setAccessibleName(ScrollParts::tr("Scroll bar of %1").arg(what));
    }
}

QString selectedRowsText(const QAbstractItemView* table)
{
    const QAbstractItemModel* model = table->model();
    QStringList lines;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (!table->selectionModel()->isRowSelected(row, QModelIndex()))
            continue;
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

bool copySelection(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
        return false;
    QString selected;
    if (auto* text = qobject_cast<QTextEdit*>(watched))
        selected = text->textCursor().selection().toPlainText();
    else if (auto* table = qobject_cast<QAbstractItemView*>(watched))
        selected = selectedRowsText(table);
    if (selected.isEmpty()) {
        event->ignore();
        return event->type() == QEvent::ShortcutOverride;
    }
    event->accept();
    if (event->type() == QEvent::KeyPress)
        QGuiApplication::clipboard()->setText(selected);
    return true;
}

QPushButton* commandButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(Look::verdana(8.25, true));
    button->setAutoDefault(false);
    Look::setColors(button, Look::kCream, Qt::black, false);
    return button;
}

void setUpDocumentText(QTextBrowser* text, const char* name, const QString& accessibleName, QObject* filter)
{
    text->setObjectName(QLatin1String(name));
    text->setAccessibleName(accessibleName);
    text->setOpenLinks(false);
    text->setFont(Look::verdana(9));
    text->setFrameShape(QFrame::NoFrame);
    text->setTextInteractionFlags(Qt::TextBrowserInteraction);
    Look::setColors(text, Look::kNavy, Look::kWhite);
    text->installEventFilter(filter);
    // Within a sentence ("Scroll your plan in words up and down") only the name's first
    // letter goes small: the nouns of a language that writes them capitalised stay so.
    QString inSentence = accessibleName;
    if (!inSentence.isEmpty())
        inSentence[0] = inSentence.at(0).toLower();
    nameScrollParts(text, inSentence);
}

QSplitter* splitter(Qt::Orientation orientation, QWidget* parent, const char* name, const QString& accessibleName,
    std::initializer_list<std::pair<QWidget*, int>> parts, const QString& handleName)
{
    auto* splitter = new QSplitter(orientation, parent);
    splitter->setObjectName(QLatin1String(name));
    splitter->setAccessibleName(accessibleName);
    splitter->setChildrenCollapsible(false);
    for (const auto& [part, share] : parts) {
        splitter->addWidget(part);
        splitter->setStretchFactor(splitter->count() - 1, share);
    }
    for (int i = 1; i < splitter->count(); ++i)
        splitter->handle(i)->setAccessibleName(handleName);
    return splitter;
}

namespace {

QAccessibleInterface* accessibleRole(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("WeightChart"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    if (className == QLatin1String("QSplitterHandle"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Separator);
    return nullptr;
}

} // namespace

void installAccessibleRoles()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleRole);
        return true;
    }();
    Q_UNUSED(installed);
}

QAction* addCommand(QMenuBar* bar, const MenuEntry& entry)
{
    return addEntry(bar, entry);
}

} // namespace WindowParts
