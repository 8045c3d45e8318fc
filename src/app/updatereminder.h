#pragma once

#include <QDate>
#include <QString>

// What the reminder does at a start, from the stored "Duration" text and today.
enum class ReminderDecision {
    FirstRun, // nothing usable stored: store today, no message
    Quiet, // within 14 days either side of the stored date: do nothing
    Show, // ask about an update, then store today
};

ReminderDecision decideReminder(const QString& storedText, const QDate& today);

// The stored date: ISO 8601, or the user's short date format of earlier versions.
// Invalid when the text is neither.
QDate readStoredDate(const QString& storedText, const QDate& today);

// The text stored for a date, the same in every locale.
QString storedDateText(const QDate& date);

inline const QString kReminderText
    = QStringLiteral("There maybe an update to this software available\rDo you want to check for an update?");

// Every fifteen days or more, offers at start-up to open the download page.
void runUpdateReminder();
void runUpdateReminder(const QDate& today);
