#include "calculator/validation.h"

#include "calculator/height.h"
#include "calculator/numbertext.h"

std::optional<ValidationFailure> validateDetails(const PersonalDetails& details, const QLocale& locale)
{
    const QString weight = QStringLiteral("Please Enter Your Weight");
    const QString loss = QStringLiteral("Please Enter Weight Do You Wish To Lose");

    if (details.name.isEmpty())
        return ValidationFailure {DetailBox::FirstName, QStringLiteral("Please Enter Your Name")};
    if (details.heightInCentimetres && details.heightCentimetres.trimmed().isEmpty())
        return ValidationFailure {DetailBox::Centimetres, QStringLiteral("Please Enter Your Height")};
    if (details.heightInCentimetres && !readCentimetres(details.heightCentimetres, locale)) {
        return ValidationFailure {DetailBox::Centimetres,
            QStringLiteral("Please Enter Your Height From %1 To %2 Centimetres")
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
