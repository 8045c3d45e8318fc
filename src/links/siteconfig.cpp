#include "links/siteconfig.h"

#include "buildconfig.h"

namespace SiteConfig {

QString mainHost()
{
    return QStringLiteral(VELTRO_MAIN_HOST);
}

QString helpHost()
{
    return QStringLiteral(VELTRO_HELP_HOST);
}

QString programHost()
{
    return QStringLiteral(VELTRO_PROGRAM_HOST);
}

QString rightsSentence()
{
    return QStringLiteral(VELTRO_RIGHTS_SENTENCE);
}

} // namespace SiteConfig
