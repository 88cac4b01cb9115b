#include "dialogs/modeless_property_sheet.h"

#include "dialogs/dialog_widgets.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

CModelessPropertySheet::CModelessPropertySheet(QWidget* parent) : QDialog(parent)
{
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("sheetPages"));
    saveButton_ = makeButton(tr("保存"), "saveButton", this);
    okButton_ = makeButton(tr("OK"), "okButton", this);
    cancelButton_ = makeButton(tr("キャンセル"), "cancelButton", this);
    applyButton_ = makeButton(tr("適用(&A)"), "applyButton", this);
    applyButton_->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {saveButton_, okButton_, cancelButton_, applyButton_})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);

    connect(saveButton_, &QPushButton::clicked, this, &CModelessPropertySheet::pressSave);
    connect(okButton_, &QPushButton::clicked, this, &CModelessPropertySheet::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &CModelessPropertySheet::reject);
    connect(applyButton_, &QPushButton::clicked, this, &CModelessPropertySheet::pressApply);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0 && index < static_cast<int>(shown_.size()))
            shown_[static_cast<std::size_t>(index)] = true;
    });
}

void CModelessPropertySheet::addPage(QWidget* page, const QString& title)
{
    shown_.push_back(shown_.empty());
    tabs_->addTab(page, title);
}

bool CModelessPropertySheet::pageShown(int index) const
{
    return index >= 0 && index < static_cast<int>(shown_.size()) &&
           shown_[static_cast<std::size_t>(index)];
}

void CModelessPropertySheet::setModified(bool modified) { applyButton_->setEnabled(modified); }

bool CModelessPropertySheet::isModified() const { return applyButton_->isEnabled(); }

void CModelessPropertySheet::pressApply()
{
    applyPages();
}

void CModelessPropertySheet::pressSave() { savePages(); }

void CModelessPropertySheet::accept()
{
    if (acceptPages())
        hide();
}

void CModelessPropertySheet::reject()
{
    cancelPages();
    hide();
}

void CModelessPropertySheet::closeEvent(QCloseEvent* event)
{
    event->accept();
    hide();
}
