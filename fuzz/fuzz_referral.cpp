// The refer-a-friend submission over five arbitrary box texts: trimming, the two
// e-mail checks, the five field checks, and the address. Whenever the checks pass,
// the address is a valid, plain-ASCII URL that Qt keeps byte for byte, and both a
// URL query parser and an HTML form decoder get the five texts back exactly, with
// the program's own site as the sixth value.

#include "fuzzcheck.h"
#include "links/siteconfig.h"
#include "referral/referral.h"

#include <QByteArray>
#include <QUrl>
#include <QUrlQuery>

using namespace Referral;

namespace {

// application/x-www-form-urlencoded, as a web script reads a query: pairs split at
// "&", name and value at the first "=", "+" a space, %XX a byte, the bytes UTF-8.
QList<QPair<QString, QString>> formDecoded(const QByteArray& query)
{
    QList<QPair<QString, QString>> pairs;
    for (const QByteArray& pair : query.split('&')) {
        if (pair.isEmpty())
            continue;
        const qsizetype equals = pair.indexOf('=');
        QByteArray name = equals < 0 ? pair : pair.left(equals);
        QByteArray value = equals < 0 ? QByteArray() : pair.mid(equals + 1);
        name.replace('+', ' ');
        value.replace('+', ' ');
        pairs.append({QString::fromUtf8(QByteArray::fromPercentEncoding(name)),
            QString::fromUtf8(QByteArray::fromPercentEncoding(value))});
    }
    return pairs;
}

// Unicode's noncharacters (U+FDD0 to U+FDEF, U+FFFE and U+FFFF in every plane): valid
// in UTF-8, but Qt's URL decoder turns them into replacement characters.
bool hasNoncharacter(const QString& text)
{
    for (const char32_t c : text.toUcs4()) {
        if ((c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE)
            return true;
    }
    return false;
}

QString fieldsText(const ReferralFields& f)
{
    return QStringLiteral("name %1 email %2 message %3 friend %4 friend email %5")
        .arg(quoted(f.referrerName), quoted(f.referrerEmail), quoted(f.referralMessage), quoted(f.friendName),
            quoted(f.friendEmail));
}

void checkTrimmed(const QString& box, const QString& trimmed)
{
    FUZZ_REQUIRE(!trimmed.startsWith(QLatin1Char(' ')) && !trimmed.endsWith(QLatin1Char(' ')), quoted(box));
    FUZZ_REQUIRE(box.contains(trimmed), quoted(box));
    // Only spaces go: what was cut off either side is spaces alone.
    const qsizetype at = box.indexOf(trimmed);
    const QString cut = box.left(at) + box.mid(at + trimmed.size());
    FUZZ_REQUIRE(cut.count(QLatin1Char(' ')) == cut.size(), quoted(box));
    FUZZ_REQUIRE(trimSpaces(trimmed) == trimmed, quoted(box));
}

void checkAddress(const ReferralFields& fields, const QString& forumHost, const QString& programHost)
{
    const QByteArray address = referralAddress(fields, forumHost, programHost);
    const QString ctx = fieldsText(fields) + QStringLiteral(" address ") + QString::fromLatin1(address.left(400));

    for (const char c : address)
        FUZZ_REQUIRE(c > 0x20 && c < 0x7f, ctx);

    // What the browser is handed: Qt keeps the address byte for byte.
    const QUrl url = QUrl::fromEncoded(address, QUrl::StrictMode);
    FUZZ_REQUIRE(url.isValid(), ctx + url.errorString());
    FUZZ_REQUIRE(url.toEncoded() == address, ctx);
    FUZZ_REQUIRE(url.scheme() == QLatin1String("http"), ctx);
    FUZZ_REQUIRE(url.path() == QLatin1String("/vexo-refer-a-friend.php"), ctx);
    FUZZ_REQUIRE(url.authority() == forumHost, ctx);

    const QString expected[] = {fields.referrerName, fields.referrerEmail, fields.referralMessage, fields.friendName,
        fields.friendEmail, QStringLiteral("http://") + programHost + QLatin1Char('/')};

    const QList<QPair<QString, QString>> items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    FUZZ_REQUIRE(items.size() == 6, ctx);
    const QList<QPair<QString, QString>> form = formDecoded(address.mid(address.indexOf('?') + 1));
    FUZZ_REQUIRE(form.size() == 6, ctx);
    for (int i = 0; i < 6; ++i) {
        const QString key = QStringLiteral("taf%1").arg(i + 1);
        FUZZ_REQUIRE(items[i].first == key, ctx + QLatin1Char(' ') + key);
        FUZZ_REQUIRE(items[i].second == expected[i] || hasNoncharacter(expected[i]), ctx + QLatin1Char(' ') + key);
        FUZZ_REQUIRE(form[i].first == key && form[i].second == expected[i], ctx + QLatin1Char(' ') + key);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const QString placeholders[] = {
        namePlaceholder(), emailPlaceholder(), messagePlaceholder(), friendNamePlaceholder(), friendEmailPlaceholder()};
    // The five boxes: any text, or a placeholder with spaces around it.
    QString boxes[5];
    for (int i = 0; i < 5; ++i) {
        if (data.ConsumeIntegralInRange<int>(0, 5) == 0)
            boxes[i] = QString(data.ConsumeIntegralInRange<int>(0, 2), QLatin1Char(' ')) + placeholders[i]
                + QString(data.ConsumeIntegralInRange<int>(0, 2), QLatin1Char(' '));
        else
            boxes[i] = consumeUnicodeText(data, 512);
    }

    ReferralFields fields;
    QString* stored[] = {
        &fields.referrerName, &fields.referrerEmail, &fields.referralMessage, &fields.friendName, &fields.friendEmail};
    for (int i = 0; i < 5; ++i) {
        *stored[i] = trimSpaces(boxes[i]);
        checkTrimmed(boxes[i], *stored[i]);
    }
    const QString ctx = fieldsText(fields);

    const auto emailFailure = emailAddressesFailure(fields.referrerEmail, fields.friendEmail);
    const auto hasAtAndDot
        = [](const QString& a) { return a.contains(QLatin1Char('@')) && a.contains(QLatin1Char('.')); };
    if (fields.referrerEmail == fields.friendEmail)
        FUZZ_REQUIRE(emailFailure == QLatin1String("Please Enter Distinct Email Addresses"), ctx);
    else if (!hasAtAndDot(fields.referrerEmail) || !hasAtAndDot(fields.friendEmail))
        FUZZ_REQUIRE(emailFailure == QLatin1String("Please Enter Proper Email Address"), ctx);
    else
        FUZZ_REQUIRE(!emailFailure, ctx);

    const auto fieldFailure = referralFieldsFailure(fields);
    const char* messages[] = {"Please Enter Your Name", "Please Enter Your Email", "Please Enter Your Message",
        "Please Enter Your Friend's Name", "Please Enter Your Friend's Email"};
    int firstFailing = -1;
    for (int i = 0; i < 5 && firstFailing < 0; ++i) {
        if (stored[i]->isEmpty() || *stored[i] == placeholders[i])
            firstFailing = i;
    }
    if (firstFailing >= 0)
        FUZZ_REQUIRE(fieldFailure == QLatin1String(messages[firstFailing]), ctx);
    else
        FUZZ_REQUIRE(!fieldFailure, ctx);
    // Addresses that pass the submit button's test always pass the e-mail field checks.
    if (!emailFailure)
        FUZZ_REQUIRE(!fieldFailure || (firstFailing != 1 && firstFailing != 4), ctx);

    // The address is built only for texts that pass; any five texts must survive it.
    checkAddress(fields, SiteConfig::mainHost(), SiteConfig::programHost());
    checkAddress(fields, QStringLiteral("127.0.0.1:38471"), QStringLiteral("veltro.loopback.example"));
    return 0;
}
