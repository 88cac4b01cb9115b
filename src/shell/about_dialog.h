// The version dialog ("バージョン情報"): program icon, version, a link to the
// program's page, credits and an OK button.
#pragma once

#include <QDialog>
#include <QUrl>

#include <functional>

class QLabel;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    using LinkOpener = std::function<void(const QUrl&)>;

    // A click on the link passes `page` to `opener`; the default opener is
    // the desktop's (QDesktopServices::openUrl).
    explicit CAboutDlg(QWidget* parent = nullptr, QUrl page = {}, LinkOpener opener = {});

    QLabel* linkLabel() const { return link_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QUrl page_;
    LinkOpener opener_;
    QLabel* link_ = nullptr;
};
