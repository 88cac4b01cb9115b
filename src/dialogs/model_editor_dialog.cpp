#include "dialogs/model_editor_dialog.h"

#include "dialogs/dialog_widgets.h"

#include "models/model_paths.h"
#include "models/model_record.h"
#include "models/reporter.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString titleFor(EditorMode mode)
{
    switch (mode) {
    case EditorMode::New:
        return CModelEditorDialog::tr("数理モデルの新規作成");
    case EditorMode::Edit:
        return CModelEditorDialog::tr("数理モデルの編集");
    case EditorMode::Add:
        break;
    }
    return CModelEditorDialog::tr("数理モデルの追加");
}

// "使用文字：" and the letters an equation may use, each after a blank.
QString usedLettersLabel(const std::string& letters)
{
    return letters.empty()
               ? CModelEditorDialog::tr("使用文字：")
               : CModelEditorDialog::tr("使用文字： %1").arg(QString::fromStdString(letters));
}

}  // namespace

CModelEditorDialog::CModelEditorDialog(EditorMode mode, ModelListEditor& list, ModelRecord& record,
                                       Reporter& reporter, DialogPrompts prompts, QWidget* parent)
    : QDialog(parent), mode_(mode), list_(list), record_(record), reporter_(reporter),
      prompts_(std::move(prompts))
{
    setWindowTitle(titleFor(mode));

    auto* fileGroup = new QGroupBox(tr("モデルファイル"), this);
    pathDisplay_ = makePathDisplay(fileGroup, "modelFilePath", 360);
    chooseButton_ = new QPushButton(tr("ファイル選択"), fileGroup);
    chooseButton_->setObjectName(QStringLiteral("chooseFileButton"));
    auto* fileRow = new QHBoxLayout(fileGroup);
    fileRow->addWidget(pathDisplay_, 1);
    fileRow->addWidget(chooseButton_);

    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName(QStringLiteral("modelNameEdit"));
    dimensionList_ = new QComboBox(this);
    dimensionList_->setObjectName(QStringLiteral("dimensionList"));
    for (int n = 3; n <= 6; ++n)
        dimensionList_->addItem(QString::number(n));
    parameterList_ = new QComboBox(this);
    parameterList_->setObjectName(QStringLiteral("parameterList"));
    for (int p = 0; p <= 10; ++p)
        parameterList_->addItem(QString::number(p));
    variableLetters_ = new QLabel(this);
    variableLetters_->setObjectName(QStringLiteral("variableLetters"));
    parameterLetters_ = new QLabel(this);
    parameterLetters_->setObjectName(QStringLiteral("parameterLetters"));

    auto* modelGrid = new QGridLayout;
    modelGrid->addWidget(new QLabel(tr("モデル名"), this), 0, 0);
    modelGrid->addWidget(nameEdit_, 0, 1);
    modelGrid->addWidget(new QLabel(tr("（半角英数、先頭以外数字可）"), this), 0, 2, 1, 2);
    modelGrid->addWidget(new QLabel(tr("次元"), this), 1, 0);
    modelGrid->addWidget(dimensionList_, 1, 1);
    modelGrid->addWidget(variableLetters_, 1, 2, 1, 2);
    modelGrid->addWidget(new QLabel(tr("パラメータ数"), this), 2, 0);
    modelGrid->addWidget(parameterList_, 2, 1);
    modelGrid->addWidget(parameterLetters_, 2, 2, 1, 2);
    modelGrid->setColumnStretch(3, 1);

    auto* equationGroup = new QGroupBox(tr("モデルの方程式"), this);
    auto* equationGrid = new QGridLayout(equationGroup);
    for (int k = 0; k < kMaxVariables; ++k) {
        equationEdits_[k] = new QLineEdit(equationGroup);
        equationEdits_[k]->setObjectName(QStringLiteral("equationEdit%1").arg(k));
        equationEdits_[k]->setMinimumWidth(420);
        equationGrid->addWidget(
            new QLabel(QStringLiteral("d%1/dt =").arg(QChar(variableLetter(k))), equationGroup), k, 0);
        equationGrid->addWidget(equationEdits_[k], k, 1);
    }

    saveButton_ = new QPushButton(tr("ファイル保存"), this);
    saveButton_->setObjectName(QStringLiteral("saveFileButton"));
    okButton_ = new QPushButton(mode == EditorMode::Edit ? tr("編集完了")
                                                         : tr("リスト追加"),
                                this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    cancelButton_ = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(saveButton_);
    buttonRow->addStretch(1);
    buttonRow->addWidget(okButton_);
    buttonRow->addWidget(cancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fileGroup);
    layout->addLayout(modelGrid);
    layout->addWidget(equationGroup);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(chooseButton_, nameEdit_);
    setTabOrder(nameEdit_, dimensionList_);
    setTabOrder(dimensionList_, parameterList_);
    setTabOrder(parameterList_, equationEdits_[0]);
    for (int k = 1; k < kMaxVariables; ++k)
        setTabOrder(equationEdits_[k - 1], equationEdits_[k]);
    setTabOrder(equationEdits_[kMaxVariables - 1], saveButton_);
    setTabOrder(saveButton_, okButton_);
    setTabOrder(okButton_, cancelButton_);

    connect(chooseButton_, &QPushButton::clicked, this, &CModelEditorDialog::chooseFile);
    connect(saveButton_, &QPushButton::clicked, this, &CModelEditorDialog::saveFile);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(nameEdit_, &QLineEdit::textChanged, this, &CModelEditorDialog::markChanged);
    for (QLineEdit* edit : equationEdits_)
        connect(edit, &QLineEdit::textChanged, this, &CModelEditorDialog::markChanged);
    for (QComboBox* list : {dimensionList_, parameterList_}) {
        connect(list, &QComboBox::currentIndexChanged, this, [this] {
            updateLetters();
            markChanged();
        });
    }

    fillFromRecord();
    // A new model has nothing to add until it is saved; an edited or added
    // one can go into the list as it is.
    setSaveNeeded(mode == EditorMode::New);
    initialised_ = true;
    nameEdit_->setFocus();
}

void CModelEditorDialog::fillFromRecord()
{
    pathDisplay_->setText(fromStd(record_.ModelFileDir));
    nameEdit_->setText(fromStd(record_.ModelName));
    dimensionList_->setCurrentIndex(std::clamp(record_.Dimension, 3, kMaxVariables) - 3);
    parameterList_->setCurrentIndex(std::clamp(record_.Parameter, 0, kMaxParameters));
    for (int k = 0; k < kMaxVariables; ++k)
        equationEdits_[k]->setText(k < record_.Dimension ? fromStd(record_.Function[k]) : QString());
    updateLetters();
}

void CModelEditorDialog::updateLetters()
{
    const int dimension = dimensionList_->currentIndex() + 3;
    variableLetters_->setText(usedLettersLabel(usedVariableLetters(dimension)));
    parameterLetters_->setText(usedLettersLabel(usedParameterLetters(parameterList_->currentIndex())));
    for (int k = 0; k < kMaxVariables; ++k) {
        const bool unused = k >= dimension;
        equationEdits_[k]->setReadOnly(unused);
        // Rows beyond the dimension look and behave like the unused fields
        // they are: greyed and skipped by the tab key.
        equationEdits_[k]->setFocusPolicy(unused ? Qt::NoFocus : Qt::StrongFocus);
        QPalette palette = this->palette();
        if (unused)
            palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        equationEdits_[k]->setPalette(palette);
    }
}

void CModelEditorDialog::markChanged()
{
    if (initialised_)
        setSaveNeeded(true);
}

void CModelEditorDialog::setSaveNeeded(bool needed)
{
    saveButton_->setEnabled(needed);
    okButton_->setEnabled(!needed);
    // Enter presses the button that moves the work on.
    saveButton_->setDefault(needed);
    okButton_->setDefault(!needed);
}

ModelDraft CModelEditorDialog::draftFromControls() const
{
    ModelDraft draft;
    draft.name = nameEdit_->text().toStdString();
    draft.dimension = dimensionList_->currentIndex() + 3;
    draft.parameterCount = parameterList_->currentIndex();
    for (int k = 0; k < kMaxVariables; ++k)
        draft.equations[k] = equationEdits_[k]->text().toStdString();
    return draft;
}

void CModelEditorDialog::chooseFile()
{
    const QString chosen = prompts_.chooseFile(
        this, {fromStd(resolveAgainst(record_.ModelFileDir, list_.listFolder())), QStringLiteral("txt"),
               QString::fromLatin1(FileFilters::ModelFiles), false});
    if (chosen.isEmpty() || !list_.readChosenModelFile(chosen.toStdString()))
        return;
    mode_ = EditorMode::Add;
    okButton_->setText(tr("リスト追加"));
    initialised_ = false;
    fillFromRecord();
    initialised_ = true;
    setSaveNeeded(false);
}

void CModelEditorDialog::accept()
{
    if (takeResult_ && !takeResult_())
        return;
    QDialog::accept();
}

void CModelEditorDialog::saveFile()
{
    const ModelDraft draft = draftFromControls();
    if (const auto refusal = draftRefusal(draft)) {
        reporter_.report(*refusal);
        return;
    }
    const std::string folder = record_.ModelFileDir.empty()
                                   ? list_.listFolder()
                                   : folderOf(resolveAgainst(record_.ModelFileDir, list_.listFolder()));
    const QString chosen = prompts_.chooseFile(
        this, {fromStd(folder + draft.name + ".txt"), QStringLiteral("txt"),
               QString::fromLatin1(FileFilters::ModelSaveFiles), true});
    if (chosen.isEmpty() || !saveDraft(draft, chosen.toStdString(), record_, reporter_))
        return;
    pathDisplay_->setText(fromStd(record_.ModelFileDir));
    saved_ = true;
    setSaveNeeded(false);
}
