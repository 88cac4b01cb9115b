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

namespace {

// The texts of a "save as" action: its menu item, the file chooser's title
// and filter, and the message when writing fails (%1: the path).
struct SaveTexts {
    const char* action;
    const char* title;
    const char* filter;
    const char* failure;
};

void addSaveAction(QWidget& window, Reporter& reporter, const SaveTexts& texts,
                   std::function<bool(const QString&)> write)
{
    const auto text = [](const char* source) {
        return QCoreApplication::translate("PlotWindow", source);
    };
    QAction* action = addContextAction(window, text(texts.action));
    QObject::connect(action, &QAction::triggered, &window,
                     [&window, &reporter, texts, text, write = std::move(write)] {
                         const QString path = QFileDialog::getSaveFileName(
                             &window, text(texts.title), QString(), text(texts.filter));
                         if (!path.isEmpty() && !write(path))
                             reporter.showMessage(text(texts.failure).arg(path).toStdString());
                     });
}

}  // namespace

void addImageSaveAction(QWidget& window, Reporter& reporter)
{
    const SaveTexts texts{QT_TRANSLATE_NOOP("PlotWindow", "画像を保存…"),
                          QT_TRANSLATE_NOOP("PlotWindow", "画像を保存"),
                          QT_TRANSLATE_NOOP("PlotWindow", "PNG 画像 (*.png)"),
                          QT_TRANSLATE_NOOP("PlotWindow", "画像を %1 に保存できませんでした。")};
    addSaveAction(window, reporter, texts,
                  [&window](const QString& path) { return saveWindowImage(window, path); });
}

void addCsvSaveAction(QWidget& window, Reporter& reporter, std::function<QByteArray()> csv)
{
    const SaveTexts texts{QT_TRANSLATE_NOOP("PlotWindow", "CSV で保存…"),
                          QT_TRANSLATE_NOOP("PlotWindow", "CSV で保存"),
                          QT_TRANSLATE_NOOP("PlotWindow", "CSV ファイル (*.csv)"),
                          QT_TRANSLATE_NOOP("PlotWindow", "CSV を %1 に保存できませんでした。")};
    addSaveAction(window, reporter, texts,
                  [csv = std::move(csv)](const QString& path) { return saveTextFile(path, csv()); });
}

void addCopyAction(QWidget& window, std::function<QString()> values)
{
    QAction* action =
        addContextAction(window, QCoreApplication::translate("PlotWindow", "値をコピー"));
    action->setShortcut(QKeySequence::Copy);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, &window, [values = std::move(values)] {
        QApplication::clipboard()->setText(values());
    });
}
