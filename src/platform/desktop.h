#pragma once

#include <QUrl>

// The one hand-over of a web address to the desktop, which opens it in the user's
// default browser, for every page the program opens. Returns at once; a failure
// is not reported.
void openAddress(const QUrl& address);
