#pragma once

#include "journal/journalrecords.h"

#include <QList>
#include <QLocale>
#include <QString>

// How far a weigh-in may stand from the line through the week before it, as a share of
// that weight, before the program asks whether it was meant.
inline constexpr double kDoubtfulShare = 0.03;

// The question to ask before a weigh-in is stored, or the empty text when it looks like
// the person's weight. It is doubtful when it reads as the other unit (83 lb typed by
// someone at 183 lb: 83 kg is near), or when it lies more than 3 % of the weight from
// the line through the weigh-ins of the seven days before its day. `earlier` are the
// journal's weigh-ins; the one of the same day, which it replaces, is not compared.
QString weighInDoubt(const WeighIn& weighIn, const QList<WeighIn>& earlier, const QLocale& locale = QLocale());
