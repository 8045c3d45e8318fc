#include "app/weightunit.h"

#include "platform/settingsstore.h"

#include <QString>

namespace WeightUnitSetting {
namespace {

const QString kSection = QStringLiteral("Settings");
const QString kKey = QStringLiteral("WeightUnit");
const QString kKilograms = QStringLiteral("kg");
const QString kPounds = QStringLiteral("lb");

} // namespace

std::optional<bool> kilogramsFirst()
{
    const QString stored = SettingsStore::value(kSection, kKey);
    if (stored == kKilograms)
        return true;
    if (stored == kPounds)
        return false;
    return std::nullopt;
}

void remember(bool kilograms)
{
    // Pounds are the unit until kilograms are chosen: nothing is written for them then.
    if (kilogramsFirst().value_or(false) != kilograms)
        SettingsStore::setValue(kSection, kKey, kilograms ? kKilograms : kPounds);
}

void forget()
{
    if (kilogramsFirst())
        SettingsStore::setValue(kSection, kKey, QString());
}

} // namespace WeightUnitSetting
