#include "app/updatereminder.h"

#include "links/weblink.h"
#include "platform/desktop.h"
#include "platform/messagebox.h"
#include "platform/settingsstore.h"

#include <QLocale>

namespace {

const QString kSection = QStringLiteral("Settings");
const QString kKey = QStringLiteral("Duration");
constexpr qint64 kQuietDays = 14;

// A two-digit year reads as 19xx; the date meant is the one nearest today.
QDate nearestCentury(QDate date, const QDate& today)
{
    while (date.addYears(50) < today)
        date = date.addYears(100);
    return date;
}

} // namespace

QDate readStoredDate(const QString& storedText, const QDate& today)
{
    const QDate iso = QDate::fromString(storedText, Qt::ISODate);
    if (iso.isValid())
        return iso;
    const QLocale locale;
    const QDate shortDate = locale.toDate(storedText, QLocale::ShortFormat);
    if (!shortDate.isValid())
        return QDate();
    if (!locale.dateFormat(QLocale::ShortFormat).contains(QStringLiteral("yyyy")))
        return nearestCentury(shortDate, today);
    return shortDate;
}

QString storedDateText(const QDate& date)
{
    return date.toString(Qt::ISODate);
}

ReminderDecision decideReminder(const QString& storedText, const QDate& today)
{
    const QDate stored = readStoredDate(storedText, today);
    // Earlier versions fell silent for good over a date they could no longer read; it
    // now counts as a first run, so the count starts again from today.
    if (!stored.isValid())
        return ReminderDecision::FirstRun;
    const qint64 n = today.daysTo(stored);
    if (n >= -kQuietDays && n <= kQuietDays)
        return ReminderDecision::Quiet;
    return ReminderDecision::Show;
}

void runUpdateReminder()
{
    runUpdateReminder(QDate::currentDate());
}

void runUpdateReminder(const QDate& today)
{
    const QString stored = SettingsStore::value(kSection, kKey);
    switch (decideReminder(stored, today)) {
    case ReminderDecision::FirstRun:
        SettingsStore::setValue(kSection, kKey, storedDateText(today));
        return;
    case ReminderDecision::Quiet:
        return;
    case ReminderDecision::Show:
        break;
    }

    const auto answer
        = MessageBox::show(nullptr, kReminderText, QMessageBox::Information, QMessageBox::Yes | QMessageBox::No);
    // Renewed whatever the answer, and on disk before the page opens. A store that
    // cannot be written costs only the date.
    SettingsStore::setValue(kSection, kKey, storedDateText(today));
    if (answer == QMessageBox::Yes)
        openAddress(webLinkAddress(WebLink::DownloadPage));
}
