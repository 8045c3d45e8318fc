#include "calculator/validation.h"

#include "calculator/height.h"
#include "calculator/numbertext.h"

#include <QCoreApplication>

namespace {

// Shown in a message box over the main window when Calculate stops at a box.
struct ValidationText
{
    Q_DECLARE_TR_FUNCTIONS(Validation)
};

} // namespace

std::optional<ValidationFailure> validateDetails(const PersonalDetails& details, const QLocale& locale)
{
    //: Message box over the main window when Calculate finds a weight box empty; one short line
    const QString weight = ValidationText::tr("Please Enter Your Weight");
    //: Message box over the main window when Calculate finds a box of the weight to lose empty; one short line
    const QString loss = ValidationText::tr("Please Enter Weight Do You Wish To Lose");

    if (details.name.isEmpty()) {
        //: Message box over the main window when Calculate finds the name box empty; one short line
        return ValidationFailure {DetailBox::FirstName, ValidationText::tr("Please Enter Your Name")};
    }
    if (details.heightInCentimetres && details.heightCentimetres.trimmed().isEmpty()) {
        //: Message box over the main window when Calculate finds the height box empty; one short line
        return ValidationFailure {DetailBox::Centimetres, ValidationText::tr("Please Enter Your Height")};
    }
    if (details.heightInCentimetres && !readCentimetres(details.heightCentimetres, locale)) {
        //: Message box over the main window when the height in centimetres is out of bounds; one short line.
        //: %1 and %2 are the shortest and the tallest height, 100 and 250
        return ValidationFailure {DetailBox::Centimetres,
            ValidationText::tr("Please Enter Your Height From %1 To %2 Centimetres")
                .arg(kShortestCentimetres)
                .arg(kTallestCentimetres)};
    }
    if (!isNonNegativeNumber(details.weightPounds, locale))
        return ValidationFailure {DetailBox::Pound, weight};
    if (details.weightKg.isEmpty())
        return ValidationFailure {DetailBox::Kg, weight};
    if (!isNonNegativeNumber(details.lossPounds, locale))
        return ValidationFailure {DetailBox::LossPound, loss};
    if (details.lossKg.isEmpty())
        return ValidationFailure {DetailBox::LossKg, loss};
    return std::nullopt;
}
