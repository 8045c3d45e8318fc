#include "referral/referral.h"

#include <QUrl>

namespace Referral {

bool clearsOnFocus(const QString& text, const QString& placeholder)
{
    return trimSpaces(text) == placeholder;
}

bool restoresOnFocusLoss(const QString& text)
{
    return trimSpaces(text).isEmpty();
}

KeyVerdict filterEmailKey(char32_t code)
{
    if (code == kSpace)
        return KeyVerdict {false, 0, QStringLiteral("Email Address Cannot Contain Space")};
    return KeyVerdict {true, code, QString()};
}

std::optional<QString> emailAddressesFailure(const QString& referrerEmail, const QString& friendEmail)
{
    if (referrerEmail == friendEmail)
        return QStringLiteral("Please Enter Distinct Email Addresses");
    for (const QChar required : {QLatin1Char('@'), QLatin1Char('.')}) {
        if (!referrerEmail.contains(required) || !friendEmail.contains(required))
            return QStringLiteral("Please Enter Proper Email Address");
    }
    return std::nullopt;
}

std::optional<QString> referralFieldsFailure(const ReferralFields& fields)
{
    struct Check
    {
        const QString& value;
        const QString& placeholder;
        const char* message;
    };
    const Check checks[] = {
        {fields.referrerName, kNamePlaceholder, "Please Enter Your Name"},
        {fields.referrerEmail, kEmailPlaceholder, "Please Enter Your Email"},
        {fields.referralMessage, kMessagePlaceholder, "Please Enter Your Message"},
        {fields.friendName, kFriendNamePlaceholder, "Please Enter Your Friend's Name"},
        {fields.friendEmail, kFriendEmailPlaceholder, "Please Enter Your Friend's Email"},
    };
    for (const Check& check : checks) {
        const QString value = trimSpaces(check.value);
        if (value.isEmpty() || value == check.placeholder)
            return QString::fromLatin1(check.message);
    }
    return std::nullopt;
}

QByteArray percentEncoded(const QString& value)
{
    // Qt leaves exactly the unreserved characters of RFC 3986 as they are.
    return QUrl::toPercentEncoding(value);
}

QByteArray referralAddress(const ReferralFields& fields, const QString& forumHost, const QString& programHost)
{
    const QString programSite = QStringLiteral("http://") + programHost + QLatin1Char('/');
    const QString values[] = {fields.referrerName, fields.referrerEmail, fields.referralMessage, fields.friendName,
        fields.friendEmail, programSite};

    QByteArray address = "http://" + forumHost.toUtf8() + "/vexo-refer-a-friend.php";
    char separator = '?';
    int key = 1;
    for (const QString& value : values) {
        address += separator;
        address += "taf" + QByteArray::number(key++) + '=' + percentEncoded(value);
        separator = '&';
    }
    return address;
}

Submission submission(const ReferralFields& fields, const QString& forumHost, const QString& programHost)
{
    if (auto failure = emailAddressesFailure(fields.referrerEmail, fields.friendEmail))
        return {failure, {}};
    if (auto failure = referralFieldsFailure(fields))
        return {failure, {}};
    return {std::nullopt, referralAddress(fields, forumHost, programHost)};
}

} // namespace Referral
