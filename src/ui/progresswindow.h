#pragma once

#include "calculator/progresstext.h"
#include "journal/journalrecords.h"
#include "ui/weightchart.h"

#include <QDate>
#include <QList>
#include <QMainWindow>

class QAction;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSplitter;
class QTextBrowser;
class QTreeView;
class WeighInRows;

// What the progress window shows.
struct ProgressView
{
    QString problem; // why weigh-ins cannot be kept; empty when they can
    ProgressTexts texts;
    QList<QDate> rowDates; // the day of each row of texts.weighInRows
    QDate today; // rows after it are weigh-ins dated after today
    QList<WeighIn> weighIns; // as entered, for editing
    ChartData chart;
    bool kilograms = false; // the unit of the weigh-in box, and the one shown first
    ChartRange range = ChartRange::Plan; // the days the chart shows
    QString undoText; // what Undo takes back; empty when nothing
    QString redoText;
};

// Your Progress: a weigh-in box, the weigh-ins in a table, the chart of the plan
// followed with the weigh-ins and their trend, and where the person stands, in words.
// It stores, prints, saves and copies nothing itself: it asks for it.
class ProgressWindow final : public QMainWindow
{
    Q_OBJECT

public:
    ProgressWindow();

    void showProgress(const ProgressView& view);
    // After a weigh-in was stored: the box is emptied and editing ends.
    void clearWeighIn();

signals:
    // A weigh-in to store; `replacing` is the day of the one edited, or no date.
    void weighInRequested(const WeighIn& weighIn, const QDate& replacing);
    void removeRequested(const QList<QDate>& days);
    void undoRequested();
    void redoRequested();
    void importRequested();
    void exportRequested();
    void printRequested();
    void savePdfRequested();
    void copyRequested();
    void unitChosen(bool kilograms);
    void chartRangeChosen(ChartRange range);
    // Close, Escape or the close box: its owner decides.
    void closeRequested();
    // The window came to the front: what another process stored meanwhile can be shown.
    void activated();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void addWeighIn();
    void editSelected();
    void stopEditing();
    // Add says Replace where the day chosen has a weigh-in already.
    void nameAdd();
    void removeSelected();
    QList<QDate> selectedDays() const;
    void escape();
    void fitTable();

    QLabel* m_problem;
    QLineEdit* m_weight;
    QComboBox* m_unit;
    QDateEdit* m_date;
    QComboBox* m_range;
    QPushButton* m_add;
    WeighInRows* m_rows;
    QTreeView* m_table;
    WeightChart* m_chart;
    QTextBrowser* m_text;
    QSplitter* m_across = nullptr;
    bool m_sized = false;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_edit = nullptr;
    QAction* m_delete = nullptr;

    ProgressView m_view;
    QDate m_editing; // the day of the weigh-in being edited, or none
};
