#include "ui/columnchoice.h"

#include "ui/look.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Look;

namespace {

QComboBox* box(QWidget* parent, const char* name, const QString& accessible)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setAccessibleName(accessible);
    return combo;
}

QLabel* text(QWidget* parent, const QString& shown, const char* name = nullptr)
{
    auto* label = new QLabel(shown, parent);
    if (name)
        label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    setColors(label, kNavy, kWhite, false);
    return label;
}

} // namespace

std::optional<CsvColumnChoice> chooseCsvColumns(
    QWidget* parent, const QString& fileName, const QString& why, const CsvTable& table, const CsvColumnChoice& initial)
{
    QPointer<QDialog> dialog = new QDialog(parent);
    dialog->setObjectName(QStringLiteral("frmCsvColumns"));
    dialog->setWindowTitle(QStringLiteral("Columns of the File - Veltro Weight Loss Calculator"));
    dialog->setFont(verdana(8.25));
    setColors(dialog, kNavy, kWhite);

    auto* said = text(dialog,
        QStringLiteral("%1 does not tell everything the import needs. %2 Please say which column is the date, which "
                       "the weight, how the dates are written and in which unit the weights are. The choice is "
                       "remembered for files with the same columns.")
            .arg(fileName, why),
        "lblCsvColumnsWhy");
    said->setFont(verdana(9, true));

    QComboBox* date = box(dialog, "cboDateColumn", QStringLiteral("Column of the dates"));
    QComboBox* weight = box(dialog, "cboWeightColumn", QStringLiteral("Column of the weights"));
    for (int i = 0; i < table.header.size(); ++i) {
        const QString name = shortQuote(table.header.at(i).trimmed());
        const QString shown = QStringLiteral("%1: %2").arg(i + 1).arg(name);
        date->addItem(shown, i);
        weight->addItem(shown, i);
    }
    date->setCurrentIndex(date->findData(initial.dateColumn));
    weight->setCurrentIndex(weight->findData(initial.weightColumn));
    QComboBox* form = box(dialog, "cboDateForm", QStringLiteral("Form of the dates"));
    QLabel* formNote = text(dialog, QString(), "lblDateFormNote");
    QComboBox* unit = box(dialog, "cboWeightUnit", QStringLiteral("Unit of the weights"));
    unit->addItem(QStringLiteral("kilograms (kg)"), QStringLiteral("kg"));
    unit->addItem(QStringLiteral("pounds (lb)"), QStringLiteral("lb"));
    if (unitColumnOf(table) >= 0)
        unit->addItem(QStringLiteral("as each line's unit column says"), QStringLiteral("column"));
    unit->setCurrentIndex(unit->findData(initial.unit ? unitSymbol(*initial.unit) : QStringLiteral("column")));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, dialog);
    QPushButton* ok = buttons->addButton(QStringLiteral("&Preview"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdPreview"));
    ok->setDefault(true);
    for (QAbstractButton* b : buttons->buttons()) {
        b->setFont(verdana(8.25, true));
        setColors(b, kCream, Qt::black, false);
    }

    // The forms offered are those that read the dates of the column chosen.
    const auto offerForms = [&, dialog] {
        const DateForms forms = dateFormsOf(table, date->currentData().toInt());
        form->clear();
        for (const DateOrder order : forms.orders)
            form->addItem(dateOrderName(order), static_cast<int>(order));
        const int wanted = form->findData(static_cast<int>(initial.dateOrder));
        form->setCurrentIndex(wanted >= 0 ? wanted : 0);
        formNote->setText(
            forms.orders.isEmpty() ? QStringLiteral("No date of this column reads as a day.") : forms.note);
        formNote->setVisible(!formNote->text().isEmpty());
        ok->setEnabled(!forms.orders.isEmpty() && date->currentIndex() != weight->currentIndex());
    };
    offerForms();
    QObject::connect(date, qOverload<int>(&QComboBox::currentIndexChanged), dialog, offerForms);
    QObject::connect(weight, qOverload<int>(&QComboBox::currentIndexChanged), dialog, offerForms);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);

    auto* fields = new QFormLayout;
    const auto row = [&](const QString& label, QWidget* field) {
        QLabel* l = text(dialog, label);
        l->setBuddy(field);
        fields->addRow(l, field);
    };
    row(QStringLiteral("&Date:"), date);
    row(QStringLiteral("&Weight:"), weight);
    row(QStringLiteral("Dates &written as:"), form);
    fields->addRow(QString(), formNote);
    row(QStringLiteral("&Unit:"), unit);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(said);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    dialog->resize(px(8000), dialog->sizeHint().height());

    std::optional<CsvColumnChoice> choice;
    if (dialog->exec() == QDialog::Accepted && dialog) {
        choice = CsvColumnChoice {};
        choice->dateColumn = date->currentData().toInt();
        choice->weightColumn = weight->currentData().toInt();
        choice->dateOrder = static_cast<DateOrder>(form->currentData().toInt());
        const QString symbol = unit->currentData().toString();
        if (symbol != QLatin1String("column"))
            choice->unit = symbol == QLatin1String("kg") ? WeightUnit::Kilograms : WeightUnit::Pounds;
    }
    delete dialog;
    return choice;
}
