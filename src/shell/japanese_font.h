// Makes the application's widgets use a Japanese font, so menus and dialogs
// show Japanese glyph forms rather than a fallback font's.
#pragma once

// Sets the application font's family to "Noto Sans CJK JP" when installed;
// the size stays the platform's. Returns whether the family was found. Call
// after the QApplication exists.
bool useJapaneseApplicationFont();
