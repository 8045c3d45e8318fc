#pragma once

#include <QString>

// The sites the program names and links to, fixed when the program is built.
namespace SiteConfig {

QString mainHost(); // the maker's main site, which is its discussion forum
QString helpHost(); // the maker's help site
QString programHost(); // the program's own site
QString rightsSentence();

// The forum's address as the program's texts write it, e.g. "www.quillory.example".
inline QString forumAddress()
{
    return mainHost();
}

} // namespace SiteConfig
