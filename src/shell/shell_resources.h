// The shell's images: the 16 by 15 toolbar buttons from its resource file
// and the program icon.
#pragma once

#include <QIcon>
#include <QPixmap>

// The toolbar button image of a command, or a null pixmap when the command
// has no button.
QPixmap toolbarPixmap(int commandId);

// The program's window icon (also shown in the version dialog).
QIcon programIcon();
