#include "ui/planoutput.h"

#include "platform/messagebox.h"
#include "platform/paper.h"
#include "ui/plandocument.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>

namespace PlanOutput {
namespace {

const QMarginsF kPageMargins {15, 15, 15, 15}; // millimetres

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

void print(QWidget* parent, const WeightPlan& plan, const PlanTexts& texts)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(localePaperSize());
    printer.setPageMargins(kPageMargins, QPageLayout::Millimeter);
    printer.setDocName(texts.title);
    // On the heap: should the window under the dialog go while it is open, the
    // dialog goes with it, and is not deleted twice.
    QPointer<QWidget> owner = parent;
    QPointer<QPrintDialog> dialog = new QPrintDialog(&printer, parent);
    dialog->setWindowTitle(QStringLiteral("Print Your Plan"));
    const int answer = dialog->exec();
    delete dialog;
    if (answer != QDialog::Accepted || !owner)
        return;
    if (!renderPlan(&printer, plan, texts, QDateTime::currentDateTime()))
        MessageBox::critical(parent, QStringLiteral("Your plan could not be printed."));
}

QString writePdf(const QString& path, const WeightPlan& plan, const PlanTexts& texts)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setPageSize(localePaperSize());
        writer.setPageMargins(kPageMargins, QPageLayout::Millimeter);
        writer.setTitle(texts.title);
        writer.setCreator(QStringLiteral("Veltro Weight Loss Calculator 1.00"));
        if (!renderPlan(&writer, plan, texts, QDateTime::currentDateTime())) {
            file.cancelWriting();
            return QStringLiteral("the PDF could not be made");
        }
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

void saveAsPdf(QWidget* parent, const WeightPlan& plan, const PlanTexts& texts)
{
    QPointer<QWidget> owner = parent;
    QPointer<QFileDialog> dialog = new QFileDialog(
        parent, QStringLiteral("Save Your Plan as PDF"), documentsFolder(), QStringLiteral("PDF documents (*.pdf)"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    dialog->selectFile(suggestedPlanFileName(plan.details.name, QDate::currentDate()));
    const bool accepted = dialog->exec() == QDialog::Accepted && dialog && !dialog->selectedFiles().isEmpty();
    const QString path = accepted ? dialog->selectedFiles().constFirst() : QString();
    delete dialog;
    if (!accepted || !owner)
        return;
    const QString failure = writePdf(path, plan, texts);
    if (!failure.isEmpty()) {
        MessageBox::critical(parent,
            QStringLiteral("Your plan could not be saved as %1: %2").arg(QDir::toNativeSeparators(path), failure));
    }
}

void copy(const PlanTexts& texts)
{
    QGuiApplication::clipboard()->setText(planPlainText(texts, QDateTime::currentDateTime()));
}

} // namespace PlanOutput
