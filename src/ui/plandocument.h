#pragma once

#include "calculator/plan.h"
#include "calculator/plantext.h"
#include "ui/weightchart.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

class QPagedPaintDevice;

// Where the chart goes in a document's rich text.
inline const QString kDocumentChartMark = QStringLiteral("[chart]");

// The parts of a document's rich text, on the screen's navy or on paper.
QString documentHeadingColor(bool onPaper);
QString documentBorderColor(bool onPaper);
QString documentHeading(const QString& title, bool onPaper);
QString documentParagraph(const QString& text);

// A table of a document whose header repeats on every page it runs onto; the cells
// of the columns from the given one on that hold figures are set right.
QString documentTable(
    const QStringList& header, const QList<QStringList>& rows, const QString& border, int firstFigureColumn);

// Lays rich text out on the pages of a printer or a PDF writer, as text (which a PDF
// reader can search) with the chart drawn in lines where the text holds its mark; the
// title, the time it was made and the page number at the foot of every page. False
// when the device cannot be painted on.
bool renderDocument(QPagedPaintDevice* device, const QString& html, const ChartData& chart, const QString& title,
    const QString& madeText, const QLocale& locale = QLocale());
class QTextDocument;

// The plan as rich text. On the screen it follows the chart, which has a widget of its
// own: the results, where the weight goes, any caution, the milestones, how the
// figures are computed, other paces, after the goal and the details entered. On paper
// it is whole: title, the time it was made, the details, the results, the chart, and
// the rest.
QString planHtml(const PlanTexts& texts, bool onPaper, const QString& made = QString());

// Lays the plan out on the pages of a printer or a PDF writer, as text (which a PDF
// reader can search) with the chart drawn in lines; the time it was made and the page
// number at the foot of every page. False when the device cannot be painted on.
bool renderPlan(QPagedPaintDevice* device, const WeightPlan& plan, const PlanTexts& texts, const QDateTime& made,
    const QLocale& locale = QLocale());

// Lays the document out again so that no short paragraph is split by a page break and
// no heading stands alone at the foot of a page: either starts the next page.
void keepBlocksTogether(QTextDocument& document, double pageHeight);
