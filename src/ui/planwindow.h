#pragma once

#include "calculator/plan.h"
#include "calculator/plantext.h"

#include <QDialog>

class QTreeWidget;
class QTextBrowser;
class WeightChart;

// The person's plan for the calculation just made: the chart of the weight day by
// day, the milestones as a table and below them the plan in words. Resizable; Escape
// closes it. It prints, saves, copies and closes nothing itself: it asks for it.
class PlanWindow final : public QDialog
{
    Q_OBJECT

public:
    explicit PlanWindow(QWidget* parent);

    void showPlan(const WeightPlan& plan, const PlanTexts& texts);

signals:
    // Close, Escape or the close box.
    void closeRequested();
    void printRequested();
    void savePdfRequested();
    void copyRequested();
    void followRequested();
    void progressRequested();

public slots:
    void reject() override { emit closeRequested(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WeightChart* m_chart;
    QTreeWidget* m_milestones;
    QTextBrowser* m_text;
};
