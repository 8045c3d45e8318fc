#include "platform/language.h"

namespace {

bool g_translationInstalled = false;

} // namespace

bool translationInstalled()
{
    return g_translationInstalled;
}

void setTranslationInstalled(bool installed)
{
    g_translationInstalled = installed;
}
