#include "shell/start_checks.h"

#include "models/model_paths.h"
#include "settings/profile_file.h"
#include "settings/program_settings.h"
#include "settings/value_check.h"

#include <QCoreApplication>
#include <QStringList>

#include <filesystem>

std::string ignoreDamagedSettings(ProfileFile& store)
{
    const std::vector<std::string> ignored = ignoreUnusableSettings(store);
    if (ignored.empty())
        return {};
    QStringList keys;
    for (const std::string& key : ignored)
        keys << QString::fromStdString(key);
    return QCoreApplication::translate("StartChecks",
                                       "設定ファイル「%1」の次の値は使えないため、既定値を使います。\n%2")
        .arg(QString::fromStdString(store.path().string()), keys.join(QLatin1Char('\n')))
        .toStdString();
}

std::string replaceMissingModelList(const std::string& programFolder, std::string& listPath)
{
    std::error_code ec;
    if (std::filesystem::exists(resolveAgainst(listPath, programFolder), ec))
        return {};
    // Without the shipped list there is nothing to offer; the model commands
    // say that the list cannot be opened when they need it.
    const std::string shipped = ProgramSettings().modelListPath;
    const std::string shippedPath = resolveAgainst(shipped, programFolder);
    if (listPath == shipped || !std::filesystem::exists(shippedPath, ec))
        return {};
    const QString missing = QString::fromStdString(listPath);
    listPath = shipped;
    return QCoreApplication::translate(
               "StartChecks",
               "設定されたモデルリスト「%1」が見つかりません。付属のモデルリスト「%2」を使います。")
        .arg(missing, QString::fromStdString(shippedPath))
        .toStdString();
}
