#pragma once

#include "calculator/plan.h"
#include "calculator/plantext.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

class QPagedPaintDevice;
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
