#pragma once

#include <QString>

// The per-user store of the values kept between runs: Qt's native settings format,
// with organization and application both the executable's name.
namespace SettingsStore {

// The text under section and key, or the empty text when there is none.
QString value(const QString& section, const QString& key);

// Creates or replaces the value and writes it out at once. False when the store could
// not be written; the caller carries on either way.
bool setValue(const QString& section, const QString& key, const QString& value);

// Where the store lives, for messages and tests.
QString fileName();

} // namespace SettingsStore
