#pragma once

// Whether a translation of the program's texts is in force. Without one the windows
// show their English texts and keep the sizes and places they were drawn with.
bool translationInstalled();

// Stand-in until the program loads its translations: what translationInstalled()
// answers. Tests switch it on with the translator they install.
void setTranslationInstalled(bool installed);
