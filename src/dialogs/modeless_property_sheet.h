// A modeless property sheet: pages in tabs, and below them the buttons
// "保存", OK, "キャンセル" and "適用", "保存" to the left of OK. A derived sheet
// says what each button does; OK and cancel then hide the sheet, and so does
// the close box, which neither applies nor restores anything. "適用" is
// enabled while a page has changes the sheet has not applied.
#pragma once

#include <QDialog>

#include <vector>

class QPushButton;
class QTabWidget;

class CModelessPropertySheet : public QDialog {
    Q_OBJECT
public:
    explicit CModelessPropertySheet(QWidget* parent = nullptr);

    // Adds a page as the next tab; the sheet owns it.
    void addPage(QWidget* page, const QString& title);
    // Whether the page at index has been shown (the first page is shown
    // when the sheet opens).
    bool pageShown(int index) const;

    // Enables or disables "適用".
    void setModified(bool modified);
    bool isModified() const;

    // The buttons, as the user presses them.
    void pressApply();
    void pressSave();
    void accept() override;  // OK
    void reject() override;  // cancel (also the Escape key)

protected:
    virtual void applyPages() = 0;
    virtual void savePages() = 0;
    // Before the sheet hides after OK; false keeps it open (a page refused
    // its input).
    virtual bool acceptPages() = 0;
    virtual void cancelPages() = 0;
    // The close box only hides the sheet.
    void closeEvent(QCloseEvent* event) override;

    QTabWidget* tabs() const { return tabs_; }

private:
    QTabWidget* tabs_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* applyButton_ = nullptr;
    std::vector<bool> shown_;
};
