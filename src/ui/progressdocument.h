#pragma once

#include "calculator/progresstext.h"
#include "ui/weightchart.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

class QPagedPaintDevice;

// The progress as rich text. On the screen it follows the chart and the table of
// weigh-ins, which have widgets of their own: where the person stands, a plan from
// today and what the weigh-ins say. On paper it is whole: title, the time it was made,
// the chart, the rest and the table of weigh-ins.
QString progressHtml(const ProgressTexts& texts, bool onPaper, const QString& made = QString());

// Lays the progress out on the pages of a printer or a PDF writer.
bool renderProgress(QPagedPaintDevice* device, const ChartData& chart, const ProgressTexts& texts,
    const QDateTime& made, const QLocale& locale = QLocale());
