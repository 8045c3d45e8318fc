#include "platform/desktop.h"

#include <QDesktopServices>

void openAddress(const QUrl& address)
{
    if (address.isValid())
        QDesktopServices::openUrl(address);
}
