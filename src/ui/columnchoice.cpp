#include "ui/columnchoice.h"

#include "ui/look.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Look;

namespace {

// The dialog that asks for the columns of a file of weigh-ins that does not name them.
struct ColumnChoiceDialog
{
    Q_DECLARE_TR_FUNCTIONS(ColumnChoiceDialog)
};

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
    //: Caption of the dialog that asks which columns of a file to import hold the dates and the weights
    dialog->setWindowTitle(ColumnChoiceDialog::tr("Columns of the File - Veltro Weight Loss Calculator"));
    dialog->setFont(verdana(8.25));
    setColors(dialog, kNavy, kWhite);

    auto* said = text(dialog,
        //: Text at the top of the column dialog: %1 is the file's name and %2 one or more sentences on what the
        //: file does not tell, such as "Its columns have no names."
        ColumnChoiceDialog::tr(
            "%1 does not tell everything the import needs. %2 Please say which column is the date, which the "
            "weight, how the dates are written and in which unit the weights are. The choice is remembered for "
            "files with the same columns.")
            .arg(fileName, why),
        "lblCsvColumnsWhy");
    said->setFont(verdana(9, true));

    //: Name of the box that chooses the column of the dates, read by a screen reader
    QComboBox* date = box(dialog, "cboDateColumn", ColumnChoiceDialog::tr("Column of the dates"));
    //: Name of the box that chooses the column of the weights, read by a screen reader
    QComboBox* weight = box(dialog, "cboWeightColumn", ColumnChoiceDialog::tr("Column of the weights"));
    for (int i = 0; i < table.header.size(); ++i) {
        const QString name = shortQuote(table.header.at(i).trimmed());
        //: A column in the boxes of the column dialog: %1 is its number, counted from 1, and %2 what its first
        //: line says, in quotation marks
        const QString shown = ColumnChoiceDialog::tr("%1: %2").arg(i + 1).arg(name);
        date->addItem(shown, i);
        weight->addItem(shown, i);
    }
    date->setCurrentIndex(date->findData(initial.dateColumn));
    weight->setCurrentIndex(weight->findData(initial.weightColumn));
    //: Name of the box that chooses how the dates are written (day before month...), read by a screen reader
    QComboBox* form = box(dialog, "cboDateForm", ColumnChoiceDialog::tr("Form of the dates"));
    QLabel* formNote = text(dialog, QString(), "lblDateFormNote");
    //: Name of the box that chooses the unit of the weights, read by a screen reader
    QComboBox* unit = box(dialog, "cboWeightUnit", ColumnChoiceDialog::tr("Unit of the weights"));
    //: A choice of the unit box of the column dialog
    unit->addItem(ColumnChoiceDialog::tr("kilograms (kg)"), QStringLiteral("kg"));
    //: A choice of the unit box of the column dialog
    unit->addItem(ColumnChoiceDialog::tr("pounds (lb)"), QStringLiteral("lb"));
    if (unitColumnOf(table) >= 0) {
        //: A choice of the unit box of the column dialog, where the file has a column that gives each weight's
        //: unit
        unit->addItem(ColumnChoiceDialog::tr("as each line's unit column says"), QStringLiteral("column"));
    }
    unit->setCurrentIndex(unit->findData(initial.unit ? unitSymbol(*initial.unit) : QStringLiteral("column")));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, dialog);
    //: Button of the column dialog: goes on to show what the import will do, before anything is stored
    QPushButton* ok = buttons->addButton(ColumnChoiceDialog::tr("&Preview"), QDialogButtonBox::AcceptRole);
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
        //: Note below the box of the dates' form when the column chosen as the dates holds no date
        formNote->setText(
            forms.orders.isEmpty() ? ColumnChoiceDialog::tr("No date of this column reads as a day.") : forms.note);
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
    //: Label of the box that chooses the column of the dates
    row(ColumnChoiceDialog::tr("&Date:"), date);
    //: Label of the box that chooses the column of the weights
    row(ColumnChoiceDialog::tr("&Weight:"), weight);
    //: Label of the box that chooses how the dates are written, such as "day, month, year"
    row(ColumnChoiceDialog::tr("Dates &written as:"), form);
    fields->addRow(QString(), formNote);
    //: Label of the box that chooses the unit of the weights
    row(ColumnChoiceDialog::tr("&Unit:"), unit);
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
