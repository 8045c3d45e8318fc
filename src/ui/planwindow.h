#pragma once

#include "calculator/plan.h"
#include "calculator/plantext.h"

#include <QDialog>

class QTextBrowser;
class WeightChart;

// The person's plan for the calculation just made: the chart of the weight day by
// day, and below it the plan in words and tables. Resizable; Escape closes it. It
// prints, saves and copies nothing itself: it asks for it.
class PlanWindow final : public QDialog
{
    Q_OBJECT

public:
    explicit PlanWindow(QWidget* parent);

    void showPlan(const WeightPlan& plan, const PlanTexts& texts);

signals:
    // Close, Escape or the close box: its owner decides.
    void closeRequested();
    void printRequested();
    void savePdfRequested();
    void copyRequested();

public slots:
    void reject() override { emit closeRequested(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WeightChart* m_chart;
    QTextBrowser* m_text;
};
