// The paper follows the user's LC_PAPER, not the language of LANG. Each case runs the
// test program again with that environment, as the program starts with it.

#include "platform/paper.h"

#include <QGuiApplication>
#include <QProcess>
#include <QtTest>
#include <cstdio>

namespace {

const char kProbe[] = "--print-paper";

bool localeGenerated(const QString& name)
{
    QProcess locale;
    locale.start(QStringLiteral("locale"), {QStringLiteral("-a")});
    if (!locale.waitForFinished())
        return false;
    QString wanted = name.toLower();
    wanted.remove(QLatin1Char('-'));
    return QString::fromLocal8Bit(locale.readAllStandardOutput()).toLower().remove(QLatin1Char('-')).contains(wanted);
}

} // namespace

class TestPaper : public QObject
{
    Q_OBJECT

private slots:
    void followsLcPaper_data();
    void followsLcPaper();
};

void TestPaper::followsLcPaper_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("paper");
    QTest::addColumn<QString>("expected");
    QTest::newRow("French, American paper") << "fr_FR.UTF-8"
                                            << "en_US.UTF-8"
                                            << "Letter";
    QTest::newRow("American, French paper") << "en_US.UTF-8"
                                            << "fr_FR.UTF-8"
                                            << "A4";
    QTest::newRow("American") << "en_US.UTF-8" << QString() << "Letter";
}

void TestPaper::followsLcPaper()
{
    QFETCH(QString, lang);
    QFETCH(QString, paper);
    QFETCH(QString, expected);
    for (const QString& name : {QStringLiteral("en_US.UTF-8"), QStringLiteral("fr_FR.UTF-8")})
        QVERIFY2(
            localeGenerated(name), qPrintable(name + QStringLiteral(" is not generated (scripts/deps.sh does it)")));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_PAPER", "LC_MEASUREMENT", "LANGUAGE"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("LANG"), lang);
    if (!paper.isEmpty())
        env.insert(QStringLiteral("LC_PAPER"), paper);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess probe;
    probe.setProcessEnvironment(env);
    probe.start(QCoreApplication::applicationFilePath(), {QLatin1String(kProbe)});
    QVERIFY(probe.waitForFinished());
    QCOMPARE(QString::fromLatin1(probe.readAllStandardOutput()).trimmed(), expected);
}

int main(int argc, char* argv[])
{
    if (argc == 2 && qstrcmp(argv[1], kProbe) == 0) {
        QGuiApplication app(argc, argv);
        std::printf("%s\n", qPrintable(localePaperSize().key()));
        return 0;
    }
    QCoreApplication app(argc, argv);
    TestPaper test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_paper.moc"
