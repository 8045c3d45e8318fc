#pragma once

#include "calculator/plan.h"
#include "calculator/plantext.h"

#include <QString>

class QWidget;

// Keeping the plan: on paper, as a PDF file, on the clipboard.
namespace PlanOutput {

// The system's print dialog, then the plan on the printer chosen.
void print(QWidget* parent, const WeightPlan& plan, const PlanTexts& texts);

// A file dialog in the user's documents folder, suggesting a name of the person's name
// and the date, then the PDF; a file that cannot be written is reported with its path
// and the reason, and leaves nothing behind.
void saveAsPdf(QWidget* parent, const WeightPlan& plan, const PlanTexts& texts);

// Writes the PDF through a file that takes the place of any old one only once it is
// whole. Empty when it went well, otherwise the reason.
QString writePdf(const QString& path, const WeightPlan& plan, const PlanTexts& texts);

// The plan as plain text on the clipboard.
void copy(const PlanTexts& texts);

} // namespace PlanOutput
