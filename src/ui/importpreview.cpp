#include "ui/importpreview.h"

#include "ui/look.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Look;

namespace {

// The dialog that shows what an import of weigh-ins will do.
struct ImportPreviewDialog
{
    Q_DECLARE_TR_FUNCTIONS(ImportPreviewDialog)
};

QString summary(const QString& fileName, const ImportPreview& p)
{
    const int n = p.added;
    //: The number of weigh-ins a file adds, in the sentence "%1 adds %2 and replaces..." at the top of the
    //: import dialog; English writes the form of one
    const QString one = ImportPreviewDialog::tr("%n weigh-in", "", n);
    //: The number of weigh-ins a file adds, in the sentence "%1 adds %2 and replaces..." at the top of the
    //: import dialog; English writes the form of more than one
    const QString more = ImportPreviewDialog::tr("%n weigh-ins", "", n);
    const QString added = n == 1 ? one : more;
    //: First sentence at the top of the import dialog: %1 is the file's name, %2 the number of weigh-ins it
    //: adds, such as "3 weigh-ins", and %n the number of weigh-ins of the journal it replaces
    QString text = ImportPreviewDialog::tr(
        "%1 adds %2 and replaces %n (a weigh-in of the same day, of another weight).", "", p.replaced)
                       .arg(fileName, added);
    if (const int m = p.unchanged; m > 0) {
        //: Sentence of the import dialog: the number of weigh-ins of the file that the journal holds already;
        //: English writes the form of one
        const QString one = ImportPreviewDialog::tr("%n is there already.", "", m);
        //: Sentence of the import dialog: the number of weigh-ins of the file that the journal holds already;
        //: English writes the form of more than one
        const QString more = ImportPreviewDialog::tr("%n are there already.", "", m);
        text += QLatin1Char(' ') + (m == 1 ? one : more);
    }
    if (p.added + p.replaced == 0) {
        //: Sentence of the import dialog when the file adds and replaces no weigh-in
        text += QLatin1Char(' ') + ImportPreviewDialog::tr("There is nothing to import.");
    }
    const int left = static_cast<int>(p.rejected.size() + p.replacedInFile.size());
    if (left > 0) {
        //: Last sentence at the top of the import dialog; the lines left out, each with its reason, are listed
        //: below it. English writes the form of one
        const QString one = ImportPreviewDialog::tr("%n line is left out:", "", left);
        //: Last sentence at the top of the import dialog; the lines left out, each with its reason, are listed
        //: below it. English writes the form of more than one
        const QString more = ImportPreviewDialog::tr("%n lines are left out:", "", left);
        text += QLatin1Char(' ') + (left == 1 ? one : more);
    }
    return text;
}

} // namespace

bool confirmImport(QWidget* parent, const QString& fileName, const ImportPreview& preview)
{
    // On the heap: should the window under it go while it is open, the dialog goes
    // with it, and is not deleted twice.
    QPointer<QDialog> dialog = new QDialog(parent);
    dialog->setObjectName(QStringLiteral("frmImportPreview"));
    //: Caption of the dialog that shows what an import of weigh-ins will do, before the person imports
    dialog->setWindowTitle(ImportPreviewDialog::tr("Import Weigh-ins - Veltro Weight Loss Calculator"));
    dialog->setFont(verdana(8.25));
    setColors(dialog, kNavy, kWhite);

    auto* said = new QLabel(summary(fileName, preview), dialog);
    said->setObjectName(QStringLiteral("lblImportSummary"));
    said->setWordWrap(true);
    said->setTextFormat(Qt::PlainText);
    said->setFont(verdana(9, true));
    setColors(said, kNavy, kWhite, false);

    QStringList lines;
    QList<CsvLineNote> notes = preview.rejected + preview.replacedInFile;
    std::sort(notes.begin(), notes.end(), [](const CsvLineNote& a, const CsvLineNote& b) { return a.line < b.line; });
    // Enough to see what is wrong with a file; a list of a hundred thousand would
    // keep the window from opening.
    constexpr int kMostShown = 1000;
    for (const CsvLineNote& note : notes.mid(0, kMostShown))
        //: A line of the file the import leaves out, in the list of the import dialog: %1 is its number in
        //: the file and %2 the reason
        lines << ImportPreviewDialog::tr("Line %1: %2").arg(note.line).arg(note.reason);
    if (notes.size() > kMostShown) {
        //: End of the list of lines left out in the import dialog where it is too long to show whole; %n is
        //: the number of lines not shown
        lines << ImportPreviewDialog::tr("... and %n more.", "", static_cast<int>(notes.size() - kMostShown));
    }
    auto* left = new QPlainTextEdit(lines.join(QLatin1Char('\n')), dialog);
    left->setObjectName(QStringLiteral("txtLeftOut"));
    //: Name of the list of lines left out in the import dialog, read by a screen reader
    left->setAccessibleName(ImportPreviewDialog::tr("Lines left out"));
    left->setReadOnly(true);
    left->setVisible(!lines.isEmpty());
    setColors(left, kNavy, kWhite);
    said->setBuddy(left);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, dialog);
    //: Button of the import dialog that stores the weigh-ins of the file
    QPushButton* import = buttons->addButton(ImportPreviewDialog::tr("&Import"), QDialogButtonBox::AcceptRole);
    import->setObjectName(QStringLiteral("cmdImport"));
    import->setEnabled(preview.added + preview.replaced > 0);
    import->setDefault(import->isEnabled());
    for (QAbstractButton* b : buttons->buttons()) {
        b->setFont(verdana(8.25, true));
        setColors(b, kCream, Qt::black, false);
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(said);
    layout->addWidget(left, 1);
    layout->addWidget(buttons);
    dialog->resize(px(8000), lines.isEmpty() ? px(1800) : px(5400));

    const bool accepted = dialog->exec() == QDialog::Accepted;
    delete dialog;
    return accepted;
}
