#pragma once

#include "journal/weighincsv.h"

#include <optional>

class QWidget;

// Asks which column of a file is the date, which the weight, which form the dates
// are in (only the forms that read them, with a word where they read in more than
// one way) and the unit, when the file does not tell. `why` is what it did not tell;
// the boxes start at `initial`. Nothing when the person cancels.
std::optional<CsvColumnChoice> chooseCsvColumns(QWidget* parent, const QString& fileName, const QString& why,
    const CsvTable& table, const CsvColumnChoice& initial);
