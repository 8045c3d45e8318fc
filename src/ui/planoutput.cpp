#include "ui/planoutput.h"

#include "ui/documentoutput.h"
#include "ui/plandocument.h"

#include <QClipboard>
#include <QGuiApplication>

namespace PlanOutput {
namespace {

DocumentOutput::Document document(const WeightPlan& plan, const PlanTexts& texts)
{
    return {texts.title, QStringLiteral("Your plan"), [plan, texts](QPagedPaintDevice* device, const QDateTime& made) {
                return renderPlan(device, plan, texts, made);
            }};
}

} // namespace

void print(QWidget* parent, const WeightPlan& plan, const PlanTexts& texts)
{
    DocumentOutput::print(parent, QStringLiteral("Print Your Plan"), document(plan, texts));
}

QString writePdf(const QString& path, const WeightPlan& plan, const PlanTexts& texts)
{
    return DocumentOutput::writePdf(path, document(plan, texts));
}

void saveAsPdf(QWidget* parent, const WeightPlan& plan, const PlanTexts& texts)
{
    DocumentOutput::saveAsPdf(parent, QStringLiteral("Save Your Plan as PDF"),
        suggestedPlanFileName(plan.details.name, QDate::currentDate()), document(plan, texts));
}

void copy(const PlanTexts& texts)
{
    QGuiApplication::clipboard()->setText(planPlainText(texts, QDateTime::currentDateTime()));
}

} // namespace PlanOutput
