// The program's fixed identity texts: the main window title, the version
// line of the version dialog and the page its link opens.
#pragma once

#include <QString>
#include <QUrl>

inline const QString mainWindowTitle = QStringLiteral("Attrava Ver.1.05a");
inline const QString versionText = QStringLiteral("Attrava Version 1.05a");

// The program's page: its README, looked up when asked, since the program may
// run from any copy of its folder.
QUrl programWebPage();

// The README a program in programFolder shows: the one beside the program
// (a build's program folder), else the installed one under the documentation
// folder that an install puts beside the program's bin folder. When neither
// exists, the one beside the program.
QUrl programReadme(const QString& programFolder);
