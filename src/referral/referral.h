#pragma once

#include "common/text.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The refer-a-friend form's texts as a submission stores them: each box's text with
// its surrounding spaces removed.
struct ReferralFields
{
    QString referrerName; // txtName, sent as taf1
    QString referrerEmail; // txtEmail, taf2
    QString referralMessage; // txtMessage, taf3
    QString friendName; // txtFriendName, taf4
    QString friendEmail; // txtFriendEmail, taf5
};

namespace Referral {

// What each box shows until the user types into it, in the person's language.
QString namePlaceholder();
QString emailPlaceholder();
QString messagePlaceholder();
QString friendNamePlaceholder();
QString friendEmailPlaceholder();

// Gaining the focus clears a box whose space-trimmed text is exactly its placeholder.
bool clearsOnFocus(const QString& text, const QString& placeholder);
// Losing the focus puts the placeholder back into a box that holds only spaces or nothing.
bool restoresOnFocusLoss(const QString& text);

// E-mail boxes: a typed space is refused with "Email Address Cannot Contain Space".
KeyVerdict filterEmailKey(char32_t code);

// The submit button's test of the two trimmed addresses: distinct, and each holding
// "@" and "." somewhere. The first failure's message, or nothing.
std::optional<QString> emailAddressesFailure(const QString& referrerEmail, const QString& friendEmail);

// The five fields in order, each failing when empty or still its placeholder. The
// first failure's message, or nothing.
std::optional<QString> referralFieldsFailure(const ReferralFields& fields);

// RFC 3986 percent-encoding of the text as UTF-8: letters, digits and "-._~" stay,
// every other byte becomes %XX (a space %20).
QByteArray percentEncoded(const QString& value);

// http://<forum host>/vexo-refer-a-friend.php?taf1=...&taf6=http://<program host>/
// with every value percent-encoded, so that a query decoder gets the texts back
// exactly whatever they hold.
QByteArray referralAddress(const ReferralFields& fields, const QString& forumHost, const QString& programHost);

// What a press of the submit button comes to: the message of the first check that
// fails (the two addresses first, then the five fields in order), or else the
// address to open.
struct Submission
{
    std::optional<QString> failure;
    QByteArray address;
};
Submission submission(const ReferralFields& fields, const QString& forumHost, const QString& programHost);

} // namespace Referral
