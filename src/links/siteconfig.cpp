#include "links/siteconfig.h"

#include "buildconfig.h"

#include <QCoreApplication>

namespace {

// The sentence a build names the holder of all rights with, when the maker set none
// of its own. Only this one is translated: a maker's own sentence stays as they wrote
// it, since no translation has it.
//: Last sentence of the about box's description, which ends the text of a fixed-size box; keep it no longer than the
//: English. Quillory Softwares is the maker's name: keep it as it is
const char* const kDefaultRightsSentence
    = QT_TRANSLATE_NOOP("SiteConfig", "All rights of this software are reserved by Quillory Softwares.");

} // namespace

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
    const char* const configured = VELTRO_RIGHTS_SENTENCE;
    if (qstrcmp(configured, kDefaultRightsSentence) == 0)
        return QCoreApplication::translate("SiteConfig", kDefaultRightsSentence);
    return QString::fromUtf8(configured);
}

} // namespace SiteConfig
