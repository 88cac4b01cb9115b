#include "shell/program_texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QUrl programWebPage()
{
    return programReadme(QCoreApplication::applicationDirPath());
}

QUrl programReadme(const QString& programFolder)
{
    const QDir folder(programFolder);
    const QString beside = folder.filePath(QStringLiteral("README.md"));
    // The documentation folder as seen from the installed program's folder.
    const QString installed =
        QDir::cleanPath(folder.filePath(QStringLiteral(ATTRAVA_DOC_FROM_PROGRAM "/README.md")));
    for (const QString& candidate : {beside, installed}) {
        if (QFileInfo::exists(candidate))
            return QUrl::fromLocalFile(candidate);
    }
    return QUrl::fromLocalFile(beside);
}
