#include "platform/settingsstore.h"

#include "platform/executablename.h"

#include <QSettings>

namespace SettingsStore {
namespace {

QString keyPath(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

QString value(const QString& section, const QString& key)
{
    const QString name = executableName();
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, name, name);
    return settings.value(keyPath(section, key)).toString();
}

bool setValue(const QString& section, const QString& key, const QString& value)
{
    const QString name = executableName();
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, name, name);
    settings.setValue(keyPath(section, key), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString fileName()
{
    const QString name = executableName();
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, name, name).fileName();
}

} // namespace SettingsStore
