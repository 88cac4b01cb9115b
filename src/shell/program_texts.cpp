#include "shell/program_texts.h"

QUrl programWebPage()
{
    return QUrl::fromLocalFile(QStringLiteral(ATTRAVA_README_PATH));
}
