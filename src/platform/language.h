#pragma once

#include <QString>
#include <QStringList>

// The program speaks English, its own language, and German, French and Spanish
// through translations of its texts. English needs no translation at all.

// The translation for the session's languages, most wanted first, as
// QLocale::uiLanguages() gives them: "de", "fr" or "es" for the first of them the
// program speaks, whatever its region, and an empty string (English) when that first
// one is English or C/POSIX or none is spoken. Languages it does not speak are
// skipped, as gettext does with LANGUAGE.
QString chooseTranslation(const QStringList& uiLanguages);

// Once an application object exists: installs the program's translation and the
// toolkit's own (the buttons of message boxes, the file and print dialogs) for the
// session's languages. For English it does nothing, not even make a translator, so
// that the program starts as fast as it always has. True when a translation is in
// force afterwards.
bool installTranslation();
bool installTranslation(const QStringList& uiLanguages);

// Whether the program's texts are translated: a translated text may be longer than
// the English one the fixed-size windows were laid out for.
bool translationInstalled();

// For tests that install a translator of their own: what translationInstalled()
// answers from now on.
void setTranslationInstalled(bool installed);
