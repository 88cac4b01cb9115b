#include "plots/plot_text.h"

#include "models/reporter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QPixmap>
#include <QWidget>

#include <utility>

namespace {

QString translate(const char* text) { return QCoreApplication::translate("PlotWindow", text); }

QAction* addContextAction(QWidget& window, const QString& text)
{
    window.setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* action = new QAction(text, &window);
    window.addAction(action);
    return action;
}

}  // namespace

QString windowTitleFor(const QString& templateTitle, const QString& viewFormat,
                       std::optional<int> viewNumber)
{
    return viewNumber ? viewFormat.arg(*viewNumber) : templateTitle;
}

QString valueLabelText(double value) { return QString::asprintf("%.3f", value); }

QString pointLabelText(long count) { return QString::number(count); }

bool saveWindowImage(QWidget& window, const QString& path)
{
    return window.grab().save(path, "PNG");
}

bool saveTextFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(text) == text.size() && file.flush();
}

void addImageSaveAction(QWidget& window, Reporter& reporter)
{
    QAction* action = addContextAction(window, translate("画像を保存…"));
    QObject::connect(action, &QAction::triggered, &window, [&window, &reporter] {
        const QString path = QFileDialog::getSaveFileName(
            &window, translate("画像を保存"), QString(), translate("PNG 画像 (*.png)"));
        if (!path.isEmpty() && !saveWindowImage(window, path))
            reporter.showMessage(
                translate("画像を %1 に保存できませんでした。").arg(path).toStdString());
    });
}

void addCsvSaveAction(QWidget& window, Reporter& reporter, std::function<QByteArray()> csv)
{
    QAction* action = addContextAction(window, translate("CSV で保存…"));
    QObject::connect(action, &QAction::triggered, &window, [&window, &reporter, csv = std::move(csv)] {
        const QString path = QFileDialog::getSaveFileName(
            &window, translate("CSV で保存"), QString(), translate("CSV ファイル (*.csv)"));
        if (!path.isEmpty() && !saveTextFile(path, csv()))
            reporter.showMessage(
                translate("CSV を %1 に保存できませんでした。").arg(path).toStdString());
    });
}

void addCopyAction(QWidget& window, std::function<QString()> values)
{
    QAction* action = addContextAction(window, translate("値をコピー"));
    action->setShortcut(QKeySequence::Copy);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, &window, [values = std::move(values)] {
        QApplication::clipboard()->setText(values());
    });
}
