#include "shell/japanese_font.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

bool useJapaneseApplicationFont()
{
    const QString family = QStringLiteral("Noto Sans CJK JP");
    if (!QFontDatabase::hasFamily(family))
        return false;
    QFont font = QApplication::font();
    font.setFamilies({family});
    QApplication::setFont(font);
    return true;
}
