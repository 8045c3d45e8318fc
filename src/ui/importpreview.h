#pragma once

#include "journal/weighincsv.h"

#include <QString>

class QWidget;

// What an import will do, before anything is stored: how many weigh-ins it adds and
// replaces, and every line it leaves out with its number and the reason. True when
// the person chose Import.
bool confirmImport(QWidget* parent, const QString& fileName, const ImportPreview& preview);
