// Which translation the session's languages choose, and that the translations reach
// every program that links the library.

#include "platform/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QtTest>

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void choosesFirstSpokenLanguage_data();
    void choosesFirstSpokenLanguage();
    void translationsAreBuiltIn();
    void englishInstallsNothing();
};

void TestLanguage::choosesFirstSpokenLanguage_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nothing") << QStringList() << QString();
    QTest::newRow("C") << QStringList {"C"} << QString();
    QTest::newRow("POSIX") << QStringList {"POSIX"} << QString();
    QTest::newRow("American") << QStringList {"en-US", "en"} << QString();
    QTest::newRow("British before German") << QStringList {"en-GB", "de-DE"} << QString();
    QTest::newRow("German") << QStringList {"de-DE", "de"} << "de";
    QTest::newRow("Austrian") << QStringList {"de-AT"} << "de";
    QTest::newRow("Swiss German, gettext's spelling") << QStringList {"de_CH.UTF-8"} << "de";
    QTest::newRow("Canadian French") << QStringList {"fr-CA"} << "fr";
    QTest::newRow("Belgian French with a variant") << QStringList {"fr_BE@euro"} << "fr";
    QTest::newRow("Mexican Spanish") << QStringList {"es-MX", "es"} << "es";
    QTest::newRow("upper case") << QStringList {"ES-ES"} << "es";
    QTest::newRow("Italian, then German") << QStringList {"it", "de"} << "de";
    QTest::newRow("Italian, then English, then German") << QStringList {"it-IT", "en", "de"} << QString();
    QTest::newRow("Spanish before French") << QStringList {"es", "fr"} << "es";
    QTest::newRow("French before English") << QStringList {"fr-FR", "en-US"} << "fr";
    QTest::newRow("none spoken") << QStringList {"it-IT", "pt-BR", "ja"} << QString();
    QTest::newRow("Estonian is not Spanish") << QStringList {"et"} << QString();
    QTest::newRow("Cornish is not C") << QStringList {"kw"} << QString();
    QTest::newRow("empty entry skipped") << QStringList {"", "fr"} << "fr";
}

void TestLanguage::choosesFirstSpokenLanguage()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, expected);
    QCOMPARE(chooseTranslation(uiLanguages), expected);
}

void TestLanguage::translationsAreBuiltIn()
{
    for (const char* language : {"de", "fr", "es"}) {
        const QString file = QStringLiteral(":/i18n/veltro_%1.qm").arg(QLatin1String(language));
        QVERIFY2(QFile::exists(file), qPrintable(file));
    }
}

// English needs no translation; German then gets one and the windows are told.
void TestLanguage::englishInstallsNothing()
{
    QVERIFY(!installTranslation({QStringLiteral("en-US"), QStringLiteral("de-DE")}));
    QVERIFY(!installTranslation({QStringLiteral("C")}));
    QVERIFY(!translationInstalled());
    QVERIFY(!QCoreApplication::instance()->findChild<QTranslator*>());

    QVERIFY(installTranslation({QStringLiteral("it-IT"), QStringLiteral("de-AT")}));
    QVERIFY(translationInstalled());
    QVERIFY(QCoreApplication::instance()->findChild<QTranslator*>());
    // The toolkit's buttons speak it too, where Debian's translations of the toolkit are installed.
    if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm")))
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
