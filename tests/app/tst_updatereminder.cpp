#include "app/updatereminder.h"
#include "links/weblink.h"
#include "platform/messagebox.h"
#include "platform/settingsstore.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(ReminderDecision)

// Catches the pages the program hands to the desktop and what the settings file held
// at that moment.
class PageCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
    QString durationWhenOpened;

public slots:
    void openUrl(const QUrl& url)
    {
        opened.append(url);
        durationWhenOpened = SettingsStore::value(QStringLiteral("Settings"), QStringLiteral("Duration"));
    }
};

class TestUpdateReminder : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_config;
    PageCatcher m_catcher;
    const QDate m_today {2024, 3, 10};

    QString storedDuration() const
    {
        return SettingsStore::value(QStringLiteral("Settings"), QStringLiteral("Duration"));
    }
    void seedDuration(const QString& text)
    {
        QVERIFY(SettingsStore::setValue(QStringLiteral("Settings"), QStringLiteral("Duration"), text));
    }
    static QByteArray fileBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
        QVERIFY(SettingsStore::fileName().startsWith(m_config.path()));
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_catcher, "openUrl");
    }

    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }

    void init()
    {
        QFile::remove(SettingsStore::fileName());
        MessageBox::setRecording(true);
        m_catcher.opened.clear();
        m_catcher.durationWhenOpened.clear();
        QLocale::setDefault(QLocale::c());
    }

    void decision_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<ReminderDecision>("expected");
        const QDate today = m_today;
        QTest::newRow("empty") << QString() << ReminderDecision::FirstRun;
        QTest::newRow("damaged") << QStringLiteral("Tuesday?") << ReminderDecision::FirstRun;
        QTest::newRow("impossible date") << QStringLiteral("2024-02-30") << ReminderDecision::FirstRun;
        QTest::newRow("today") << storedDateText(today) << ReminderDecision::Quiet;
        QTest::newRow("14 days ago") << storedDateText(today.addDays(-14)) << ReminderDecision::Quiet;
        QTest::newRow("15 days ago") << storedDateText(today.addDays(-15)) << ReminderDecision::Show;
        QTest::newRow("14 days ahead") << storedDateText(today.addDays(14)) << ReminderDecision::Quiet;
        QTest::newRow("15 days ahead") << storedDateText(today.addDays(15)) << ReminderDecision::Show;
        QTest::newRow("years ago") << QStringLiteral("1999-12-31") << ReminderDecision::Show;
    }

    void decision()
    {
        QFETCH(QString, stored);
        QFETCH(ReminderDecision, expected);
        QCOMPARE(decideReminder(stored, m_today), expected);
    }

    // Stores of earlier versions hold the date in the user's short format, often with
    // a two-digit year.
    void legacyShortDates_data()
    {
        QTest::addColumn<QString>("localeName");
        QTest::newRow("en_US") << QStringLiteral("en_US");
        QTest::newRow("de_DE") << QStringLiteral("de_DE");
        QTest::newRow("C") << QStringLiteral("C");
    }

    void legacyShortDates()
    {
        QFETCH(QString, localeName);
        const QLocale locale(localeName);
        QLocale::setDefault(locale);
        for (int daysAgo : {0, 14, 15, 400}) {
            const QDate date = m_today.addDays(-daysAgo);
            const QString text = locale.toString(date, QLocale::ShortFormat);
            QCOMPARE(readStoredDate(text, m_today), date);
        }
        QCOMPARE(decideReminder(locale.toString(m_today.addDays(-14), QLocale::ShortFormat), m_today),
            ReminderDecision::Quiet);
        QCOMPARE(decideReminder(locale.toString(m_today.addDays(-15), QLocale::ShortFormat), m_today),
            ReminderDecision::Show);
    }

    void storedTextIsIsoInEveryLocale()
    {
        QLocale::setDefault(QLocale(QStringLiteral("ar_EG")));
        QCOMPARE(storedDateText(QDate(2024, 1, 5)), QStringLiteral("2024-01-05"));
    }

    void firstRunStoresTodaySilently()
    {
        runUpdateReminder(m_today);
        QVERIFY(MessageBox::takeShown().isEmpty());
        QCOMPARE(storedDuration(), QStringLiteral("2024-03-10"));
        QVERIFY(m_catcher.opened.isEmpty());
    }

    void damagedValueStartsTheCountAgain()
    {
        seedDuration(QStringLiteral("31.13.2023"));
        runUpdateReminder(m_today);
        QVERIFY(MessageBox::takeShown().isEmpty());
        QCOMPARE(storedDuration(), QStringLiteral("2024-03-10"));
    }

    void quietLeavesTheFileAlone()
    {
        seedDuration(storedDateText(m_today.addDays(-14)));
        const QByteArray before = fileBytes(SettingsStore::fileName());
        QVERIFY(!before.isEmpty());
        runUpdateReminder(m_today);
        QVERIFY(MessageBox::takeShown().isEmpty());
        QCOMPARE(fileBytes(SettingsStore::fileName()), before);
    }

    void yesStoresTodayThenOpensTheDownloadPage()
    {
        seedDuration(storedDateText(m_today.addDays(-15)));
        QString durationWhileAsking;
        MessageBox::setObserver([&](const MessageBox::Shown&) { durationWhileAsking = storedDuration(); });
        MessageBox::setNextAnswer(QMessageBox::Yes);
        runUpdateReminder(m_today);

        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).text,
            QStringLiteral("There maybe an update to this software available") + QChar(13)
                + QStringLiteral("Do you want to check for an update?"));
        QCOMPARE(shown.at(0).title, QStringLiteral("Veltro Weight Loss Calculator"));
        QCOMPARE(shown.at(0).icon, QMessageBox::Information);
        QCOMPARE(shown.at(0).buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(durationWhileAsking, QStringLiteral("2024-02-24"));

        QCOMPARE(m_catcher.opened, QList<QUrl> {webLinkAddress(WebLink::DownloadPage)});
        QCOMPARE(m_catcher.durationWhenOpened, QStringLiteral("2024-03-10"));
    }

    void noStoresTodayAndOpensNothing()
    {
        seedDuration(storedDateText(m_today.addDays(30)));
        MessageBox::setNextAnswer(QMessageBox::No);
        runUpdateReminder(m_today);
        QCOMPARE(MessageBox::takeShown().size(), 1);
        QVERIFY(m_catcher.opened.isEmpty());
        QCOMPARE(storedDuration(), QStringLiteral("2024-03-10"));

        // The same day again: quiet.
        runUpdateReminder(m_today);
        QVERIFY(MessageBox::takeShown().isEmpty());
    }

    // A store that cannot be written costs the date and nothing else.
    void unwritableStore()
    {
        // No folder can be made where a plain file stands in the way, even by root.
        QTemporaryDir blocked;
        QVERIFY(blocked.isValid());
        QFile plain(blocked.filePath(QStringLiteral("config")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, plain.fileName());
        runUpdateReminder(m_today);
        QVERIFY(MessageBox::takeShown().isEmpty());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());

        // A read-only file in a read-only folder still brings the message and the page.
        seedDuration(storedDateText(m_today.addDays(-20)));
        const QString file = SettingsStore::fileName();
        const QByteArray seeded = fileBytes(file);
        const QString folder = QFileInfo(file).absolutePath();
        const auto restore = qScopeGuard([&] {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        });
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        if (QFile probe(file); probe.open(QIODevice::ReadWrite))
            QSKIP("file permissions do not bind this user (root)");

        MessageBox::setNextAnswer(QMessageBox::Yes);
        runUpdateReminder(m_today);
        QCOMPARE(MessageBox::takeShown().size(), 1);
        QCOMPARE(m_catcher.opened, QList<QUrl> {webLinkAddress(WebLink::DownloadPage)});
        QCOMPARE(fileBytes(file), seeded);
    }
};

QTEST_MAIN(TestUpdateReminder)
#include "tst_updatereminder.moc"
