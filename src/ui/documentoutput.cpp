#include "ui/documentoutput.h"

#include "platform/messagebox.h"
#include "platform/paper.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QPdfWriter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>

namespace DocumentOutput {
namespace {

const QMarginsF kPageMargins {15, 15, 15, 15}; // millimetres

// The messages of printing and saving a document, and the file dialogs' words.
struct DocumentOutputText
{
    Q_DECLARE_TR_FUNCTIONS(DocumentOutputText)
};

// Runs a file dialog on the heap: should the window under it go while it is open,
// the dialog goes with it, and is not deleted twice. The path chosen, or nothing.
QString runFileDialog(QFileDialog* created)
{
    QPointer<QFileDialog> dialog = created;
    const bool accepted = dialog->exec() == QDialog::Accepted && dialog && !dialog->selectedFiles().isEmpty();
    const QString path = accepted ? dialog->selectedFiles().constFirst() : QString();
    delete dialog;
    return path;
}

} // namespace

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

void print(QWidget* parent, const QString& dialogTitle, const Document& document)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(localePaperSize());
    printer.setPageMargins(kPageMargins, QPageLayout::Millimeter);
    printer.setDocName(document.title);
    QPointer<QWidget> owner = parent;
    QPointer<QPrintDialog> dialog = new QPrintDialog(&printer, parent);
    dialog->setWindowTitle(dialogTitle);
    const int answer = dialog->exec();
    delete dialog;
    if (answer != QDialog::Accepted || !owner)
        return;
    if (!document.render(&printer, QDateTime::currentDateTime())) {
        //: Message box after printing failed; %1 is what was printed: "Your plan" or "Your progress"
        MessageBox::critical(parent, DocumentOutputText::tr("%1 could not be printed.").arg(document.what));
    }
}

std::function<QString(const QString&)>& guard()
{
    static std::function<QString(const QString&)> instance;
    return instance;
}

void setGuard(std::function<QString(const QString& path)> guard)
{
    DocumentOutput::guard() = std::move(guard);
}

QString writePdf(const QString& path, const Document& document)
{
    if (guard()) {
        if (const QString refused = guard()(path); !refused.isEmpty())
            return refused;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setPageSize(localePaperSize());
        writer.setPageMargins(kPageMargins, QPageLayout::Millimeter);
        writer.setTitle(document.title);
        //: The program that made a PDF file, shown among the file's properties in a PDF reader
        writer.setCreator(DocumentOutputText::tr("Veltro Weight Loss Calculator 1.00"));
        if (!document.render(&writer, QDateTime::currentDateTime())) {
            file.cancelWriting();
            //: Why a PDF file could not be saved; it ends the message "%1 could not be saved as %2: %3"
            return DocumentOutputText::tr("the PDF could not be made");
        }
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

void saveAsPdf(QWidget* parent, const QString& dialogTitle, const QString& suggestedName, const Document& document)
{
    QPointer<QWidget> owner = parent;
    //: The kind of file in the file dialog that saves a PDF; keep "(*.pdf)" as it is
    const QString path = fileToSave(
        parent, dialogTitle, suggestedName, DocumentOutputText::tr("PDF documents (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty() || !owner)
        return;
    const QString failure = writePdf(path, document);
    if (!failure.isEmpty()) {
        //: Message box after saving a PDF failed; %1 is what was saved ("Your plan" or "Your progress"), %2
        //: the file's path and %3 the reason, such as "Permission denied"
        MessageBox::critical(parent,
            DocumentOutputText::tr("%1 could not be saved as %2: %3")
                .arg(document.what, QDir::toNativeSeparators(path), failure));
    }
}

QString fileToSave(QWidget* parent, const QString& dialogTitle, const QString& suggestedName, const QString& filter,
    const QString& suffix)
{
    auto* dialog = new QFileDialog(parent, dialogTitle, documentsFolder(), filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(suffix);
    dialog->selectFile(suggestedName);
    return runFileDialog(dialog);
}

QString fileToOpen(QWidget* parent, const QString& dialogTitle, const QString& filter)
{
    auto* dialog = new QFileDialog(parent, dialogTitle, documentsFolder(), filter);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    return runFileDialog(dialog);
}

} // namespace DocumentOutput
