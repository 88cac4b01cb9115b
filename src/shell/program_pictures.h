// The program's drawn pictures: the splash bitmap (name, a Lorenz attractor
// coloured by speed, version) and the program icon (the attractor alone).
#pragma once

#include <QPixmap>

// The 480 by 320 splash bitmap.
QPixmap drawSplashBitmap();

// The program icon, `size` pixels square.
QPixmap drawProgramIcon(int size);
