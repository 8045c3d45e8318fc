#pragma once

#include "referral/referral.h"

#include <QByteArray>

class QWidget;

// The refer-a-friend submission: the texts of the last press of the submit button,
// kept until the next press or the end of the process, and the address built from
// them.
namespace TellAFriend {

ReferralFields& storedFields();
// The last address built, percent-encoded; empty until a submission passes.
QByteArray ReferralUrl();

// Checks the stored fields; the first failure is shown in a message box over the
// given window and ends the submission, otherwise the address is built and opened.
void SubmitReferral(QWidget* messageParent);

// Hands the last address built to the desktop's browser.
void OpenReferralPage();

} // namespace TellAFriend
