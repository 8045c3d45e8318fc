#include "ui/planoutput.h"

#include "ui/documentoutput.h"
#include "ui/plandocument.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

namespace PlanOutput {
namespace {

// The titles of the print and file dialogs of the plan, and its name in their messages.
struct PlanOutputText
{
    Q_DECLARE_TR_FUNCTIONS(PlanOutputText)
};

using DocumentOutput::Document;

Document document(const WeightPlan& plan, const PlanTexts& texts)
{
    //: The plan as a message names it when it cannot be printed or saved: it stands at the start of
    //: "%1 could not be printed." and "%1 could not be saved as %2: %3"
    return {
        texts.title, PlanOutputText::tr("Your plan"), [plan, texts](QPagedPaintDevice* device, const QDateTime& made) {
            return renderPlan(device, plan, texts, made);
        }};
}

} // namespace

void print(QWidget* parent, const WeightPlan& plan, const PlanTexts& texts)
{
    //: Caption of the print dialog opened from the plan window
    DocumentOutput::print(parent, PlanOutputText::tr("Print Your Plan"), document(plan, texts));
}

QString writePdf(const QString& path, const WeightPlan& plan, const PlanTexts& texts)
{
    return DocumentOutput::writePdf(path, document(plan, texts));
}

void saveAsPdf(QWidget* parent, const WeightPlan& plan, const PlanTexts& texts)
{
    //: Caption of the file dialog that saves the plan as a PDF file
    DocumentOutput::saveAsPdf(parent, PlanOutputText::tr("Save Your Plan as PDF"),
        suggestedPlanFileName(plan.details.name, QDate::currentDate()), document(plan, texts));
}

void copy(const PlanTexts& texts)
{
    QGuiApplication::clipboard()->setText(planPlainText(texts, QDateTime::currentDateTime()));
}

} // namespace PlanOutput
