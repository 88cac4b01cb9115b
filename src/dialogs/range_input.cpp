#include "dialogs/range_input.h"

#include "models/reporter.h"

#include <QLineEdit>

#include <cmath>

namespace {

std::string rangeMessage(double minimum, double maximum, const char* kind)
{
    return (QString::number(minimum, 'g', 12) + QStringLiteral(" から ") +
            QString::number(maximum, 'g', 12) + QStringLiteral(" までの") +
            QString::fromUtf8(kind) + QStringLiteral("を入力してください。"))
        .toStdString();
}

}  // namespace

RangeInput<int> parseIntInRange(const QString& text, int minimum, int maximum)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        return {std::nullopt, "整数を入力してください。"};
    if (value < minimum || value > maximum)
        return {std::nullopt, rangeMessage(minimum, maximum, "整数")};
    return {value, {}};
}

RangeInput<double> parseDoubleInRange(const QString& text, double minimum, double maximum)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return {std::nullopt, "数値を入力してください。"};
    if (value < minimum || value > maximum)
        return {std::nullopt, rangeMessage(minimum, maximum, "数字")};
    return {value, {}};
}

bool refuseEdit(QLineEdit* edit, const std::string& message, Reporter& reporter)
{
    reporter.showMessage(message);
    edit->setFocus();
    edit->selectAll();
    return false;
}
