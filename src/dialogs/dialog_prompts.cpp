#include "dialogs/dialog_prompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString chooseWithFileDialog(QWidget* parent, const FileRequest& request)
{
    QFileDialog chooser(parent);
    chooser.setAcceptMode(request.forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    chooser.setFileMode(request.forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    chooser.setNameFilters(request.filter.split(QStringLiteral(";;")));
    chooser.setDefaultSuffix(request.defaultSuffix);
    chooser.setOption(QFileDialog::DontConfirmOverwrite, request.callerAsksBeforeReplacing);
    const QFileInfo initial(request.initialPath);
    if (!request.initialPath.isEmpty()) {
        if (initial.dir().exists())
            chooser.setDirectory(initial.dir());
        chooser.selectFile(initial.fileName());
    }
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return {};
    return chooser.selectedFiles().constFirst();
}

bool askWithMessageBox(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Ps"), question,
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("ｷｬﾝｾﾙ"));
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

bool askYesNoWithMessageBox(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Ps"), question,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace

DialogPrompts standardPrompts()
{
    return {chooseWithFileDialog, askWithMessageBox, askYesNoWithMessageBox};
}
