#include "ui/planwindow.h"

#include "ui/look.h"
#include "ui/plandocument.h"
#include "ui/weightchart.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Look;

PlanWindow::PlanWindow(QWidget* parent)
    : QDialog(parent,
        Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
            | Qt::WindowCloseButtonHint)
    , m_chart(new WeightChart(this))
    , m_text(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("frmPlan"));
    setWindowTitle(QStringLiteral("Your Plan - Veltro Weight Loss Calculator"));
    setWindowIcon(appIcon());
    setColors(this, kNavy, kWhite);
    setFont(verdana(8.25));
    setAccessibleName(QStringLiteral("Your plan"));

    m_text->setObjectName(QStringLiteral("txtPlan"));
    m_text->setAccessibleName(QStringLiteral("Your plan in words"));
    m_text->setOpenLinks(false);
    m_text->setFont(verdana(9));
    m_text->setFrameShape(QFrame::NoFrame);
    setColors(m_text, kNavy, kWhite);
    m_text->setTextInteractionFlags(Qt::TextBrowserInteraction);
    // Copy, with nothing selected, copies the whole plan.
    m_text->installEventFilter(this);

    auto* buttons = new QHBoxLayout;
    struct Button
    {
        const char* name;
        const char* caption;
        QKeySequence key;
        void (PlanWindow::*signal)();
    };
    const Button table[] = {
        {"cmdPrintPlan", "&Print...", QKeySequence::Print, &PlanWindow::printRequested},
        {"cmdSavePlan", "Save as P&DF...", QKeySequence::Save, &PlanWindow::savePdfRequested},
        {"cmdCopyPlan", "&Copy", QKeySequence::Copy, &PlanWindow::copyRequested},
    };
    for (const Button& b : table) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(QLatin1String(b.name));
        button->setFont(verdana(8.25, true));
        button->setAutoDefault(false);
        button->setToolTip(b.key.toString(QKeySequence::NativeText));
        setColors(button, kCream, Qt::black, false);
        connect(button, &QPushButton::clicked, this, b.signal);
        buttons->addWidget(button);
        auto* shortcut = new QAction(button);
        shortcut->setShortcut(b.key);
        connect(shortcut, &QAction::triggered, this, b.signal);
        addAction(shortcut);
    }
    buttons->addStretch();
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("cmdClosePlan"));
    close->setFont(verdana(8.25, true));
    close->setAutoDefault(false);
    setColors(close, kCream, Qt::black, false);
    connect(close, &QPushButton::clicked, this, &PlanWindow::closeRequested);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_chart, 2);
    layout->addWidget(m_text, 3);
    layout->addLayout(buttons);

    // As large as suits the plan, never more than the screen it opens on.
    const QSize wanted(px(11000), px(10500));
    const QSize room = (parent && parent->screen() ? parent->screen() : screen())->availableGeometry().size()
        - QSize(px(300), px(900));
    resize(wanted.boundedTo(room).expandedTo(QSize(px(5400), px(4500))));
    setMinimumSize(px(5400), px(4500));
    m_chart->setFocus(Qt::OtherFocusReason);
}

void PlanWindow::showPlan(const WeightPlan& plan, const PlanTexts& texts)
{
    m_chart->setPlan(plan);
    m_chart->setAccessibleDescription(texts.chartDescription + QLatin1Char(' ') + texts.outlook);
    m_text->setHtml(planHtml(texts, false));
    setWindowTitle(texts.title + QStringLiteral(" - Veltro Weight Loss Calculator"));
}

bool PlanWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_text && event->type() == QEvent::ShortcutOverride) {
        // Without a selection, the window's Copy takes the key.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) && !m_text->textCursor().hasSelection()) {
            event->ignore();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
