// Makes the toolkit's own texts Japanese: the standard dialogs (the file
// chooser, message-box buttons) and the edit fields' context menus, so they
// read like the rest of the program.
#pragma once

// Installs the toolkit's Japanese translation when it is installed. Returns
// whether it was found. Call after the QApplication exists.
bool useJapaneseToolkitTexts();
