#include "dialogs/model_list_dialog.h"

#include "dialogs/dialog_widgets.h"
#include "dialogs/compile_progress.h"
#include "dialogs/model_editor_dialog.h"
#include "models/model_record.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

CModelListDialog::CModelListDialog(ModelRecord& record, std::string& listPath,
                                   const std::string& programFolder, Reporter& reporter,
                                   std::function<void()> releaseBinding, QWidget* parent)
    : QDialog(parent), record_(record), reporter_(reporter),
      list_(record, listPath, programFolder, reporter), prompts_(standardPrompts())
{
    setWindowTitle(tr("数理モデルの選択"));
    list_.releaseBinding = std::move(releaseBinding);
    list_.compiler = [this, build = list_.compiler](const ModelLibraryPaths& paths) {
        return compileShowingProgress(build, paths, this);
    };
    list_.compileFailed = [this](const std::string& modelName, const CompileResult& result) {
        showCompileFailure(modelName, result);
    };

    auto* listGroup = new QGroupBox(tr("リストファイル"), this);
    listPathDisplay_ = makePathDisplay(listGroup, "listPath", 380);
    auto* chooseListButton = makeButton(tr("選択"), "chooseListButton", listGroup);
    auto* newListButton = makeButton(tr("新規作成"), "newListButton", listGroup);
    auto* listRow = new QHBoxLayout(listGroup);
    listRow->addWidget(listPathDisplay_, 1);
    listRow->addWidget(chooseListButton);
    listRow->addWidget(newListButton);

    auto* modelGroup = new QGroupBox(tr("モデルファイル"), this);
    modelPathDisplay_ = makePathDisplay(modelGroup, "modelPath", 380);
    names_ = new QListWidget(modelGroup);
    names_->setObjectName(QStringLiteral("modelNames"));
    names_->setSelectionMode(QAbstractItemView::SingleSelection);
    names_->setMinimumHeight(170);
    auto* newModelButton = makeButton(tr("新規作成"), "newModelButton", modelGroup);
    auto* addButton = makeButton(tr("追加"), "addModelButton", modelGroup);
    auto* editButton = makeButton(tr("編集"), "editModelButton", modelGroup);
    auto* removeButton = makeButton(tr("削除"), "removeModelButton", modelGroup);
    auto* modelButtons = new QVBoxLayout;
    for (QPushButton* button : {newModelButton, addButton, editButton, removeButton})
        modelButtons->addWidget(button);
    modelButtons->addStretch(1);
    auto* modelGrid = new QGridLayout(modelGroup);
    modelGrid->addWidget(modelPathDisplay_, 0, 0, 1, 2);
    modelGrid->addWidget(names_, 1, 0);
    modelGrid->addLayout(modelButtons, 1, 1);
    modelGrid->setColumnStretch(0, 1);

    auto* parameterButton = makeButton(tr("パラメータ設定"), "parameterSettingsButton", this);
    okButton_ = makeButton(QStringLiteral("OK"), "okButton", this);
    okButton_->setDefault(true);
    auto* cancelButton = makeButton(tr("ｷｬﾝｾﾙ"), "cancelButton", this);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(parameterButton);
    buttonRow->addStretch(1);
    buttonRow->addWidget(okButton_);
    buttonRow->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listGroup);
    layout->addWidget(modelGroup, 1);
    layout->addLayout(buttonRow);

    setTabOrder(names_, newModelButton);
    setTabOrder(newModelButton, addButton);
    setTabOrder(addButton, editButton);
    setTabOrder(editButton, removeButton);
    setTabOrder(removeButton, parameterButton);
    setTabOrder(parameterButton, okButton_);
    setTabOrder(okButton_, cancelButton);
    setTabOrder(cancelButton, chooseListButton);
    setTabOrder(chooseListButton, newListButton);

    connect(chooseListButton, &QPushButton::clicked, this, &CModelListDialog::chooseList);
    connect(newListButton, &QPushButton::clicked, this, &CModelListDialog::createList);
    connect(newModelButton, &QPushButton::clicked, this, &CModelListDialog::newModel);
    connect(addButton, &QPushButton::clicked, this, &CModelListDialog::addModel);
    connect(editButton, &QPushButton::clicked, this, &CModelListDialog::editModel);
    connect(removeButton, &QPushButton::clicked, this, &CModelListDialog::removeModel);
    connect(parameterButton, &QPushButton::clicked, this, &CModelListDialog::parameterSettings);
    connect(okButton_, &QPushButton::clicked, this, &CModelListDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(names_, &QListWidget::currentRowChanged, this, [this](int row) {
        list_.select(row);
        showSelectedPath();
    });
    connect(names_, &QListWidget::itemDoubleClicked, this, &CModelListDialog::accept);

    list_.fill();
    refresh();
    names_->setFocus();
}

void CModelListDialog::refresh()
{
    listPathDisplay_->setText(fromStd(list_.listPath()));
    const QSignalBlocker blocker(names_);
    names_->clear();
    for (const ModelListEntry& entry : list_.entries())
        names_->addItem(fromStd(entry.name));
    names_->setCurrentRow(list_.selected());
    showSelectedPath();
}

void CModelListDialog::showSelectedPath()
{
    modelPathDisplay_->setText(fromStd(list_.selectedPath()));
    modelPathDisplay_->setToolTip(modelPathDisplay_->text());
    listPathDisplay_->setToolTip(listPathDisplay_->text());
}

void CModelListDialog::chooseList()
{
    const QString chosen = prompts_.chooseFile(
        this, {fromStd(list_.proposedListPath()), QStringLiteral("c"),
               QString::fromLatin1(FileFilters::ModelListFiles), false});
    if (chosen.isEmpty())
        return;
    list_.chooseList(chosen.toStdString());
    refresh();
}

void CModelListDialog::createList()
{
    const QString chosen = prompts_.chooseFile(
        this, {fromStd(list_.proposedNewListPath()), QStringLiteral("c"),
               QString::fromLatin1(FileFilters::ModelListFiles), true, true});
    if (chosen.isEmpty())
        return;
    // A new list starts empty: an existing file is replaced only on the
    // user's explicit Yes.
    if (QFileInfo::exists(chosen) &&
        !prompts_.askYesNo(this, tr("「%1」はすでにあります。空のリストで置き換えますか？")
                                     .arg(QFileInfo(chosen).fileName())))
        return;
    list_.createList(chosen.toStdString());
    refresh();
}

void CModelListDialog::newModel()
{
    if (!list_.requireList())
        return;
    list_.resetRecord();
    runEditor(EditorMode::New, {});
}

void CModelListDialog::addModel()
{
    if (!list_.requireList())
        return;
    const QString chosen = prompts_.chooseFile(
        this, {fromStd(list_.selectedPath().empty() ? list_.listFolder() : list_.selectedPath()),
               QStringLiteral("txt"), QString::fromLatin1(FileFilters::ModelFiles), false});
    if (chosen.isEmpty() || !list_.readChosenModelFile(chosen.toStdString()))
        return;
    runEditor(EditorMode::Add, {});
}

void CModelListDialog::editModel()
{
    EditSession session;
    if (list_.beginEdit(session))
        runEditor(EditorMode::Edit, session);
}

void CModelListDialog::runEditor(EditorMode mode, const EditSession& session)
{
    CModelEditorDialog editor(mode, list_, record_, reporter_, prompts_, this);
    bool taken = false;
    editor.setResultTaker([&] {
        const EditorResult result = list_.takeEditorResult(editor.mode(), editor.saved(), session);
        taken = result == EditorResult::Taken;
        return result != EditorResult::Refused;
    });
    if (editor.exec() != QDialog::Accepted)
        return;
    if (taken)
        list_.compileLibrary(record_.ModelName);
    refresh();
}

void CModelListDialog::removeModel()
{
    list_.removeSelected();
    refresh();
}

void CModelListDialog::parameterSettings()
{
    closingMode_ = ClosedForParameterSettings;
    const bool mayClose = list_.acceptForParameterSettings([this] {
        return prompts_.askOkCancel(
            this, tr("現在選択されているリストファイルから生成されるＤＬＬがありません。"
                     "コンパイルしますか？"));
    });
    refresh();
    raise();
    activateWindow();
    if (mayClose)
        QDialog::accept();
}

void CModelListDialog::accept()
{
    closingMode_ = ClosedWithOk;
    if (list_.acceptSelection())
        QDialog::accept();
}

void CModelListDialog::showCompileFailure(const std::string& modelName, const CompileResult& result)
{
    CCompileFailureDialog failure(modelName, result, this);
    failure.exec();
}
