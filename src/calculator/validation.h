#pragma once

#include "calculator/personaldetails.h"

#include <QLocale>
#include <QString>
#include <optional>

// The boxes that Calculate checks, in the order it checks them.
enum class DetailBox { FirstName, Centimetres, Pound, Kg, LossPound, LossKg };

struct ValidationFailure
{
    DetailBox box;
    QString message;
};

// The first box that stops the calculation, with its message, or nothing when all
// five are filled. The name and the kilogram boxes must not be empty; the pound
// boxes, which the calculation reads, must also hold a number of zero or more. A
// height given in centimetres comes after the name: a whole number from 100 to 250.
std::optional<ValidationFailure> validateDetails(const PersonalDetails& details, const QLocale& locale = QLocale());
