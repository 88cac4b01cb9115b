// The language of the program's texts. They are written in Japanese; the
// English texts come from the program's translation, built into the program.
// The toolkit's own texts (the file chooser, message-box buttons, the edit
// fields' context menus) follow: Qt's Japanese translation for Japanese, its
// own English otherwise.
#pragma once

#include "settings/program_settings.h"

// Installs the translations of `language`. Returns whether every one it
// needs was found; a missing one leaves those texts in their own language.
// Call after the QApplication exists and before any window is made.
bool useInterfaceLanguage(InterfaceLanguage language);

// Installs the toolkit's Japanese translation when it is installed. Returns
// whether it was found.
bool useJapaneseToolkitTexts();
