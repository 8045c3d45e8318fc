#include "ui/importpreview.h"

#include "ui/look.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Look;

namespace {

QString count(int n, const char* one, const char* many)
{
    return n == 1 ? QString::fromUtf8(one) : QString::fromUtf8(many).arg(n);
}

QString summary(const QString& fileName, const ImportPreview& p)
{
    QString text = QStringLiteral("%1 adds %2 and replaces %3 (a weigh-in of the same day, of another weight).")
                       .arg(fileName, count(p.added, "1 weigh-in", "%1 weigh-ins"), count(p.replaced, "1", "%1"));
    if (p.unchanged > 0)
        text += QLatin1Char(' ') + count(p.unchanged, "1 is", "%1 are") + QStringLiteral(" there already.");
    if (p.added + p.replaced == 0)
        text += QStringLiteral(" There is nothing to import.");
    const int left = static_cast<int>(p.rejected.size() + p.replacedInFile.size());
    if (left > 0) {
        text += QLatin1Char(' ') + count(left, "1 line is left out:", "%1 lines are left out:");
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
    dialog->setWindowTitle(QStringLiteral("Import Weigh-ins - Veltro Weight Loss Calculator"));
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
        lines << QStringLiteral("Line %1: %2").arg(note.line).arg(note.reason);
    if (notes.size() > kMostShown)
        lines << QStringLiteral("... and %1 more.").arg(notes.size() - kMostShown);
    auto* left = new QPlainTextEdit(lines.join(QLatin1Char('\n')), dialog);
    left->setObjectName(QStringLiteral("txtLeftOut"));
    left->setAccessibleName(QStringLiteral("Lines left out"));
    left->setReadOnly(true);
    left->setVisible(!lines.isEmpty());
    setColors(left, kNavy, kWhite);
    said->setBuddy(left);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, dialog);
    QPushButton* import = buttons->addButton(QStringLiteral("&Import"), QDialogButtonBox::AcceptRole);
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
