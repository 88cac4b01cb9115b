#include "shell/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Installs a translator owned by the application, which keeps it for its
// lifetime, when `load` finds its file.
template <typename Load>
bool installTranslator(Load load)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!load(*translator)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace

bool useJapaneseToolkitTexts()
{
    return installTranslator([](QTranslator& translator) {
        return translator.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                               QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    });
}

bool useInterfaceLanguage(InterfaceLanguage language)
{
    if (language == InterfaceLanguage::Japanese)
        return useJapaneseToolkitTexts();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return installTranslator([](QTranslator& translator) {
        return translator.load(QStringLiteral(":/translations/attrava_en.qm"));
    });
}
