#include "../pseudotranslator.h"
#include "referral/referral.h"

#include <QTest>
#include <QUrl>
#include <QUrlQuery>

using namespace Referral;

Q_DECLARE_METATYPE(ReferralFields)

class TestReferral : public QObject
{
    Q_OBJECT

private slots:
    void trimmingRemovesSpacesOnly_data();
    void trimmingRemovesSpacesOnly();
    void emailAddressChecks_data();
    void emailAddressChecks();
    void fieldChecksInOrder_data();
    void fieldChecksInOrder();
    void addressOfPlainValues();
    void translatedPlaceholdersCountAsEmpty();
    void addressRoundTrip_data();
    void addressRoundTrip();
};

namespace {

ReferralFields validFields()
{
    return ReferralFields {QStringLiteral("Ann"), QStringLiteral("ann@example.org"), QStringLiteral("Your Message\r\n"),
        QStringLiteral("Bob"), QStringLiteral("bob@example.org")};
}

} // namespace

void TestReferral::trimmingRemovesSpacesOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    QTest::newRow("surrounding spaces") << "  Your Name   "
                                        << "Your Name";
    QTest::newRow("inner spaces stay") << " a  b "
                                       << "a  b";
    QTest::newRow("only spaces") << "     "
                                 << "";
    QTest::newRow("line break stays") << "Your Message\r\n"
                                      << "Your Message\r\n";
    QTest::newRow("tab stays") << "\t x \t"
                               << "\t x \t";
    QTest::newRow("spaces outside a line break") << " \r\n "
                                                 << "\r\n";
}

void TestReferral::trimmingRemovesSpacesOnly()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(trimSpaces(text), trimmed);
}

void TestReferral::emailAddressChecks_data()
{
    QTest::addColumn<QString>("mine");
    QTest::addColumn<QString>("friends");
    QTest::addColumn<QString>("message"); // empty: both pass

    const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
    const QString proper = QStringLiteral("Please Enter Proper Email Address");
    QTest::newRow("same") << "a@b.c"
                          << "a@b.c" << distinct;
    QTest::newRow("both empty") << ""
                                << "" << distinct;
    QTest::newRow("case differs") << "A@b.c"
                                  << "a@b.c"
                                  << "";
    QTest::newRow("placeholders") << "Your Email Address"
                                  << "Friend's Email Address" << proper;
    QTest::newRow("mine lacks @") << "ab.c"
                                  << "a@b.c" << proper;
    QTest::newRow("friend's lacks @") << "a@b.c"
                                      << "ab.c" << proper;
    QTest::newRow("@ without dot") << "a@bc"
                                   << "d@e.f" << proper;
    QTest::newRow("friend's @ without dot") << "a@b.c"
                                            << "d@ef" << proper;
    QTest::newRow("dot before @, anywhere") << ".a@"
                                            << "b.@"
                                            << "";
    QTest::newRow("several of each") << "a@@b..c"
                                     << "@.@."
                                     << "";
}

void TestReferral::emailAddressChecks()
{
    QFETCH(QString, mine);
    QFETCH(QString, friends);
    QFETCH(QString, message);
    QCOMPARE(emailAddressesFailure(mine, friends).value_or(QString()), message);
}

void TestReferral::fieldChecksInOrder_data()
{
    QTest::addColumn<ReferralFields>("fields");
    QTest::addColumn<QString>("message"); // empty: all pass

    QTest::newRow("all valid") << validFields() << "";
    ReferralFields f = validFields();
    f.referrerName = QStringLiteral("Your Name");
    f.friendEmail.clear();
    QTest::newRow("name first") << f << "Please Enter Your Name";
    f = validFields();
    f.referrerName = QStringLiteral("   ");
    QTest::newRow("name of spaces") << f << "Please Enter Your Name";
    f = validFields();
    f.referrerName = QStringLiteral("your name");
    QTest::newRow("placeholder in other case passes") << f << "";
    f = validFields();
    f.referrerEmail = QStringLiteral("Your Email Address");
    f.referralMessage.clear();
    QTest::newRow("email before message") << f << "Please Enter Your Email";
    f = validFields();
    f.referralMessage = QStringLiteral("Your Message");
    QTest::newRow("message placeholder") << f << "Please Enter Your Message";
    f = validFields();
    f.referralMessage.clear();
    QTest::newRow("message empty") << f << "Please Enter Your Message";
    f = validFields();
    f.friendName = QStringLiteral("Friend's Name");
    f.friendEmail = QStringLiteral("Friend's Email Address");
    QTest::newRow("friend's name before friend's email") << f << "Please Enter Your Friend's Name";
    f = validFields();
    f.friendEmail.clear();
    QTest::newRow("friend's email") << f << "Please Enter Your Friend's Email";
}

void TestReferral::fieldChecksInOrder()
{
    QFETCH(ReferralFields, fields);
    QFETCH(QString, message);
    QCOMPARE(referralFieldsFailure(fields).value_or(QString()), message);
}

void TestReferral::addressOfPlainValues()
{
    const ReferralFields f {QStringLiteral("Ann"), QStringLiteral("ann@example.org"),
        QStringLiteral("Your Message\r\n"), QStringLiteral("Bob Smith"), QStringLiteral("bob.smith@example.org")};
    const QByteArray address = referralAddress(f, QStringLiteral("127.0.0.1:8080"), QStringLiteral("prog.example"));
    QCOMPARE(address,
        QByteArray("http://127.0.0.1:8080/vexo-refer-a-friend.php?taf1=Ann&taf2=ann%40example.org"
                   "&taf3=Your%20Message%0D%0A&taf4=Bob%20Smith&taf5=bob.smith%40example.org"
                   "&taf6=http%3A%2F%2Fprog.example%2F"));
}

void TestReferral::addressRoundTrip_data()
{
    QTest::addColumn<ReferralFields>("fields");
    QTest::newRow("forged field") << ReferralFields {QStringLiteral("Ann&taf5=x@evil.example"),
        QStringLiteral("a+b@c.d"), QStringLiteral("50% off? a/b #1 = 2"), QStringLiteral("Bob=Smith"),
        QStringLiteral("bob@x.y")};
    QTest::newRow("spaces, tabs and line breaks")
        << ReferralFields {QStringLiteral("Ann  Lee"), QStringLiteral("a@b.c"),
               QStringLiteral("Hello\tthere\r\nsecond line\r\n"), QStringLiteral("Bob\r"), QStringLiteral("b@c.d\n")};
    QTest::newRow("letters outside ASCII") << ReferralFields {QStringLiteral("Zoë Ångström"),
        QStringLiteral("zoë@exämple.org"), QStringLiteral("Grüße – \u2019quoted\u2019 \u6771\u4eac \U0001F600"),
        QStringLiteral("Łukasz"), QStringLiteral("ł@ü.pl")};
    QTest::newRow("unreserved and reserved") << ReferralFields {QStringLiteral("-._~AZaz09"), QStringLiteral(":/?#[]@"),
        QStringLiteral("!$&'()*+,;="), QStringLiteral("\"<>\\^`{|}"), QStringLiteral("%25%%")};
}

void TestReferral::addressRoundTrip()
{
    QFETCH(ReferralFields, fields);
    const QByteArray address
        = referralAddress(fields, QStringLiteral("forum.example:8080"), QStringLiteral("veltro.example"));

    // Only unreserved characters and escapes reach the query.
    const QByteArray query = address.mid(address.indexOf('?') + 1);
    for (const char c : query)
        QVERIFY2(
            QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-._~%&=").contains(c), query);

    // What the desktop is handed is the address byte for byte.
    const QUrl url = QUrl::fromEncoded(address, QUrl::StrictMode);
    QVERIFY(url.isValid());
    QCOMPARE(url.toEncoded(), address);
    QCOMPARE(url.host(), QStringLiteral("forum.example"));
    QCOMPARE(url.port(), 8080);
    QCOMPARE(url.path(), QStringLiteral("/vexo-refer-a-friend.php"));

    const auto items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    QCOMPARE(items.size(), 6);
    const QStringList expected {fields.referrerName, fields.referrerEmail, fields.referralMessage, fields.friendName,
        fields.friendEmail, QStringLiteral("http://veltro.example/")};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(items.at(i).first, QStringLiteral("taf%1").arg(i + 1));
        QCOMPARE(items.at(i).second, expected.at(i));
    }
}

// The boxes show their placeholders in the person's language; a box still showing
// one is as empty as in English.
void TestReferral::translatedPlaceholdersCountAsEmpty()
{
    const PseudoTranslation translation;
    QCOMPARE(namePlaceholder(), QStringLiteral("<Your Name>"));
    ReferralFields fields {namePlaceholder(), QStringLiteral("ann@a.example"), messagePlaceholder(),
        friendNamePlaceholder(), QStringLiteral("bob@b.example")};
    QCOMPARE(referralFieldsFailure(fields).value_or(QString()), QStringLiteral("<Please Enter Your Name>"));
    fields.referrerName = QStringLiteral("Ann");
    QCOMPARE(referralFieldsFailure(fields).value_or(QString()), QStringLiteral("<Please Enter Your Message>"));
    fields.referralMessage = QStringLiteral("Hi");
    QCOMPARE(referralFieldsFailure(fields).value_or(QString()), QStringLiteral("<Please Enter Your Friend's Name>"));
    fields.friendName = QStringLiteral("Bob");
    QVERIFY(!referralFieldsFailure(fields));
    QCOMPARE(filterEmailKey(U' ').refusalText, QStringLiteral("<Email Address Cannot Contain Space>"));
}

QTEST_GUILESS_MAIN(TestReferral)
#include "tst_referral.moc"
