#pragma once

#include "calculator/resulttexts.h"
#include "ui/workingwindow.h"

class QLabel;

// frmDisplay: the details and the results of one calculation.
class DisplayWindow final : public WorkingWindow
{
    Q_OBJECT

public:
    DisplayWindow();

    void showResults(const ResultTexts& texts);

signals:
    // Calculate Again, the button and File > Calculate Again.
    void calculateAgainRequested();
    // The plan: its window (the button and File > See Your Plan), on paper, as PDF, on
    // the clipboard.
    void planRequested();
    void printPlanRequested();
    void savePlanRequested();
    void copyPlanRequested();
    // Follow the plan, and the progress window.
    void followPlanRequested();
    void progressRequested();

private:
    void buildControls();

    QLabel* m_lblName = nullptr;
    QLabel* m_lblAge = nullptr;
    QLabel* m_lblHeight = nullptr;
    QLabel* m_lblWeight = nullptr;
    QLabel* m_lblActivityLevel = nullptr;
    QLabel* m_lblLossWeight = nullptr;
    QLabel* m_lblTimeFrame = nullptr;
    QLabel* m_lblResult1 = nullptr;
    QLabel* m_lblResult2 = nullptr;
};
