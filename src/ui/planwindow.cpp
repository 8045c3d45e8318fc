#include "ui/planwindow.h"

#include "ui/look.h"
#include "ui/plandocument.h"
#include "ui/weightchart.h"
#include "ui/windowparts.h"

#include <QAction>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Look;

PlanWindow::PlanWindow(QWidget* parent)
    : QDialog(parent,
        Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
            | Qt::WindowCloseButtonHint)
    , m_chart(new WeightChart(this))
    , m_milestones(new QTreeWidget(this))
    , m_text(new QTextBrowser(this))
{
    WindowParts::installAccessibleRoles();
    setObjectName(QStringLiteral("frmPlan"));
    //: Caption of the plan window until a plan is shown in it
    setWindowTitle(tr("Your Plan - Veltro Weight Loss Calculator"));
    setWindowIcon(appIcon());
    setColors(this, kNavy, kWhite);
    setFont(verdana(8.25));
    //: Name of the plan window, read by a screen reader
    setAccessibleName(tr("Your plan"));

    // The milestones as a table of their own, which a screen reader reads row by row
    // with the column headers (a flat tree: a table view would add a nameless corner).
    m_milestones->setObjectName(QStringLiteral("tblMilestones"));
    m_milestones->setFont(verdana(8.25));
    m_milestones->setRootIsDecorated(false);
    m_milestones->setUniformRowHeights(true);
    m_milestones->setItemsExpandable(false);
    m_milestones->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_milestones->setAllColumnsShowFocus(true);
    m_milestones->header()->setStretchLastSection(false);
    m_milestones->header()->setSectionsMovable(false);
    m_milestones->setFrameShape(QFrame::NoFrame);
    setColors(m_milestones, kNavy, kWhite);
    m_milestones->installEventFilter(this);

    //: Name of the plan window's text (the plan in sentences below the chart), read by a screen reader
    WindowParts::setUpDocumentText(m_text, "txtPlan", tr("Your plan in words"), this);
    //: What the milestone table's scroll bars move, read by a screen reader in names such as "Scroll the
    //: milestones up and down"
    WindowParts::nameScrollParts(m_milestones, tr("the milestones"));

    //: Name of the plan window's parts together (chart, milestone table and text), read by a screen reader
    QSplitter* parts = WindowParts::splitter(Qt::Vertical, this, "splPlan", tr("Your plan"),
        {{m_chart, 4}, {m_milestones, 2}, {m_text, 5}},
        //: Name of the bars between the chart, the milestone table and the text of the plan window, which
        //: are dragged to share the room; read by a screen reader
        tr("Move to give the chart, the table or the text more room"));

    auto* buttons = new QHBoxLayout;
    struct Button
    {
        const char* name;
        const char* caption;
        QKeySequence key;
        void (PlanWindow::*signal)();
    };
    const Button table[] = {
        //: Button in the row at the foot of the plan window
        {"cmdPrintPlan", QT_TRANSLATE_NOOP("PlanWindow", "&Print..."), QKeySequence::Print,
            &PlanWindow::printRequested},
        //: Button in the row at the foot of the plan window
        {"cmdSavePlan", QT_TRANSLATE_NOOP("PlanWindow", "Save as P&DF..."), QKeySequence::Save,
            &PlanWindow::savePdfRequested},
        //: Button in the row at the foot of the plan window: copies the whole plan as text
        {"cmdCopyPlan", QT_TRANSLATE_NOOP("PlanWindow", "&Copy"), QKeySequence::Copy, &PlanWindow::copyRequested},
        //: Button in the row at the foot of the plan window: the person starts following this plan and
        //: keeping weigh-ins against it
        {"cmdFollowPlan", QT_TRANSLATE_NOOP("PlanWindow", "&Follow This Plan"), {}, &PlanWindow::followRequested},
        //: Button in the row at the foot of the plan window: opens the progress window
        {"cmdProgress", QT_TRANSLATE_NOOP("PlanWindow", "Your P&rogress..."), {}, &PlanWindow::progressRequested},
    };
    for (const Button& b : table) {
        QPushButton* button
            = WindowParts::commandButton(this, b.name, QCoreApplication::translate("PlanWindow", b.caption));
        connect(button, &QPushButton::clicked, this, b.signal);
        buttons->addWidget(button);
        if (b.key.isEmpty())
            continue;
        button->setToolTip(b.key.toString(QKeySequence::NativeText));
        auto* shortcut = new QAction(button);
        shortcut->setShortcut(b.key);
        connect(shortcut, &QAction::triggered, this, b.signal);
        addAction(shortcut);
    }
    buttons->addStretch();
    //: Button at the right of the row at the foot of the plan window
    QPushButton* close = WindowParts::commandButton(this, "cmdClosePlan", tr("Close"));
    connect(close, &QPushButton::clicked, this, &PlanWindow::closeRequested);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(parts, 1);
    layout->addLayout(buttons);

    // As large as suits the plan, never more than the screen it opens on; never so
    // small that a button's caption is cut.
    const QSize least = layout->minimumSize().expandedTo(QSize(px(5400), px(4500)));
    const QSize wanted(px(11000), px(10500));
    const QSize room = (parent && parent->screen() ? parent->screen() : screen())->availableGeometry().size()
        - QSize(px(300), px(900));
    resize(wanted.boundedTo(room).expandedTo(least));
    setMinimumSize(least);
    m_chart->setFocus(Qt::OtherFocusReason);
}

void PlanWindow::showPlan(const WeightPlan& plan, const PlanTexts& texts)
{
    ChartData chart = planChart(plan);
    chart.kilogramsFirst = texts.kilogramsFirst;
    m_chart->setChart(chart);
    m_chart->setAccessibleDescription(texts.chartDescription + QLatin1Char(' ') + texts.outlook);

    m_milestones->clear();
    m_milestones->setAccessibleName(texts.milestoneTitle);
    m_milestones->setColumnCount(static_cast<int>(texts.milestoneHeader.size()));
    m_milestones->setHeaderLabels(texts.milestoneHeader);
    QList<QTreeWidgetItem*> rows;
    for (const QStringList& cells : texts.milestoneRows) {
        auto* item = new QTreeWidgetItem(cells);
        for (int column = 2; column < cells.size(); ++column)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        rows << item;
    }
    m_milestones->addTopLevelItems(rows);
    for (int column = 0; column < m_milestones->columnCount(); ++column) {
        if (column >= 2)
            m_milestones->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        m_milestones->resizeColumnToContents(column);
        m_milestones->setColumnWidth(column, m_milestones->columnWidth(column) + px(240));
    }
    // No table where there is no loss to show.
    m_milestones->setVisible(!texts.milestoneRows.isEmpty());

    m_text->setHtml(planHtml(texts, false));
    //: Caption of the plan window; %1 is the plan's title, such as "Weight loss plan for Anna"
    setWindowTitle(tr("%1 - Veltro Weight Loss Calculator").arg(texts.title));
}

bool PlanWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Copy takes what is selected in the text or the table; with nothing selected, the
    // window's Copy takes the key and copies the whole plan.
    if ((watched == m_text || watched == m_milestones) && WindowParts::copySelection(watched, event))
        return true;
    return QDialog::eventFilter(watched, event);
}
