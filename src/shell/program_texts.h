// The program's fixed identity texts: the main window title, the version
// line of the version dialog and the page its link opens.
#pragma once

#include <QString>
#include <QUrl>

inline const QString mainWindowTitle = QStringLiteral("Attrava Ver.1.05a");
inline const QString versionText = QStringLiteral("Attrava Version 1.05a");

// The program's page: the README of its source tree.
QUrl programWebPage();
