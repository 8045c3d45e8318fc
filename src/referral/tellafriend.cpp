#include "referral/tellafriend.h"

#include "app/messagebox.h"
#include "links/siteconfig.h"
#include "links/weblink.h"

#include <QUrl>

namespace TellAFriend {
namespace {

ReferralFields g_fields;
QByteArray g_referralUrl;

} // namespace

ReferralFields& storedFields()
{
    return g_fields;
}

QByteArray ReferralUrl()
{
    return g_referralUrl;
}

void SubmitReferral(QWidget* messageParent)
{
    if (const auto failure = Referral::referralFieldsFailure(g_fields)) {
        MessageBox::critical(messageParent, *failure);
        return;
    }
    g_referralUrl = Referral::referralAddress(g_fields, SiteConfig::mainHost(), SiteConfig::programHost());
    OpenReferralPage();
}

void OpenReferralPage()
{
    // Strict parsing keeps the address byte for byte: Qt neither decodes nor
    // re-encodes what the builder escaped.
    openAddress(QUrl::fromEncoded(g_referralUrl, QUrl::StrictMode));
}

} // namespace TellAFriend
