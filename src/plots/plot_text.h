// The texts the plot windows share: the title rule (a window keeps its own
// title with one view and names its view when the document shows several),
// the label formats, and the context-menu actions that save a window as an
// image, save text as a file and copy text.
#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;
class Reporter;

// templateTitle with one view (no number); viewFormat with its "%1" replaced
// by the view number otherwise.
QString windowTitleFor(const QString& templateTitle, const QString& viewFormat,
                       std::optional<int> viewNumber);

// A value label: three decimals.
QString valueLabelText(double value);
// A point-count label.
QString pointLabelText(long count);

// Saves what the window shows as a PNG image at its resolution (on a screen
// with a device pixel ratio of 2, twice the logical size). False when the
// file could not be written.
bool saveWindowImage(QWidget& window, const QString& path);
// Writes text to path as UTF-8; false when the file could not be written.
bool saveTextFile(const QString& path, const QByteArray& text);

// Adds "画像を保存…" to the window's context menu: it asks for a file name and
// saves the window's image there, reporting a failure.
void addImageSaveAction(QWidget& window, Reporter& reporter);
// Adds "CSV で保存…": asks for a file name and writes the text `csv` makes.
void addCsvSaveAction(QWidget& window, Reporter& reporter, std::function<QByteArray()> csv);
// Adds "値をコピー" with Ctrl+C in the window: puts the text `values` makes on
// the clipboard.
void addCopyAction(QWidget& window, std::function<QString()> values);
