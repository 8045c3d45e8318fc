#include "referral/referral.h"

#include <QCoreApplication>
#include <QUrl>

namespace Referral {
namespace {

// The refer-a-friend form of the exit screen: its boxes' placeholders and the
// message boxes its checks show.
struct ReferralText
{
    Q_DECLARE_TR_FUNCTIONS(Referral)
};

} // namespace

QString namePlaceholder()
{
    //: Placeholder of the exit screen's box for the person's name, 225 px wide
    return ReferralText::tr("Your Name");
}

QString emailPlaceholder()
{
    //: Placeholder of the exit screen's box for the person's e-mail address, 225 px wide
    return ReferralText::tr("Your Email Address");
}

QString messagePlaceholder()
{
    //: Placeholder of the exit screen's box for the message to the friend, 121 px wide
    return ReferralText::tr("Your Message");
}

QString friendNamePlaceholder()
{
    //: Placeholder of the exit screen's box for the friend's name, 225 px wide
    return ReferralText::tr("Friend's Name");
}

QString friendEmailPlaceholder()
{
    //: Placeholder of the exit screen's box for the friend's e-mail address, 225 px wide
    return ReferralText::tr("Friend's Email Address");
}

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
        //: Message box over the exit screen when a space is typed into an e-mail box; one short line
        return KeyVerdict {false, 0, ReferralText::tr("Email Address Cannot Contain Space")};
    return KeyVerdict {true, code, QString()};
}

std::optional<QString> emailAddressesFailure(const QString& referrerEmail, const QString& friendEmail)
{
    if (referrerEmail == friendEmail) {
        //: Message box over the exit screen when both e-mail addresses are the same; one short line
        return ReferralText::tr("Please Enter Distinct Email Addresses");
    }
    for (const QChar required : {QLatin1Char('@'), QLatin1Char('.')}) {
        if (!referrerEmail.contains(required) || !friendEmail.contains(required)) {
            //: Message box over the exit screen when an e-mail address lacks "@" or "."; one short line
            return ReferralText::tr("Please Enter Proper Email Address");
        }
    }
    return std::nullopt;
}

std::optional<QString> referralFieldsFailure(const ReferralFields& fields)
{
    // A box still showing its placeholder is as empty: the placeholder as the box
    // shows it, in the person's language.
    struct Check
    {
        const QString& value;
        QString placeholder;
        const char* message;
    };
    const Check checks[] = {
        //: Message box over the exit screen when the person's name is left empty; one short line
        {fields.referrerName, namePlaceholder(), QT_TRANSLATE_NOOP("Referral", "Please Enter Your Name")},
        //: Message box over the exit screen when the person's e-mail address is left empty; one short line
        {fields.referrerEmail, emailPlaceholder(), QT_TRANSLATE_NOOP("Referral", "Please Enter Your Email")},
        //: Message box over the exit screen when the message to the friend is left empty; one short line
        {fields.referralMessage, messagePlaceholder(), QT_TRANSLATE_NOOP("Referral", "Please Enter Your Message")},
        //: Message box over the exit screen when the friend's name is left empty; one short line
        {fields.friendName, friendNamePlaceholder(), QT_TRANSLATE_NOOP("Referral", "Please Enter Your Friend's Name")},
        //: Message box over the exit screen when the friend's e-mail address is left empty; one short line
        {fields.friendEmail, friendEmailPlaceholder(),
            QT_TRANSLATE_NOOP("Referral", "Please Enter Your Friend's Email")},
    };
    for (const Check& check : checks) {
        const QString value = trimSpaces(check.value);
        if (value.isEmpty() || value == check.placeholder)
            return QCoreApplication::translate("Referral", check.message);
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
