#include "platform/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

namespace {

bool g_translationInstalled = false;

// "de-AT", "de_AT.UTF-8@euro" and "de" are all German.
QString languageOf(const QString& entry)
{
    QString language = entry.trimmed().toLower();
    const qsizetype end = language.indexOf(QRegularExpression(QStringLiteral("[-_.@]")));
    return end < 0 ? language : language.left(end);
}

} // namespace

QString chooseTranslation(const QStringList& uiLanguages)
{
    for (const QString& entry : uiLanguages) {
        const QString language = languageOf(entry);
        if (language == QLatin1String("en") || language == QLatin1String("c") || language == QLatin1String("posix"))
            return {};
        if (language == QLatin1String("de") || language == QLatin1String("fr") || language == QLatin1String("es"))
            return language;
    }
    return {};
}

bool installTranslation()
{
    return installTranslation(QLocale::system().uiLanguages());
}

bool installTranslation(const QStringList& uiLanguages)
{
    const QString language = chooseTranslation(uiLanguages);
    if (language.isEmpty() || g_translationInstalled || !QCoreApplication::instance())
        return g_translationInstalled;

    // The toolkit's first: the translator installed last is asked first, so the
    // program's own texts win where both know one.
    auto* toolkit = new QTranslator(QCoreApplication::instance());
    if (toolkit->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(toolkit);
    else
        delete toolkit;

    auto* program = new QTranslator(QCoreApplication::instance());
    if (!program->load(QStringLiteral(":/i18n/veltro_") + language)) {
        delete program;
        return false;
    }
    QCoreApplication::installTranslator(program);
    g_translationInstalled = true;
    return true;
}

bool translationInstalled()
{
    return g_translationInstalled;
}

void setTranslationInstalled(bool installed)
{
    g_translationInstalled = installed;
}
