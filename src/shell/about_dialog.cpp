#include "shell/about_dialog.h"

#include "shell/program_texts.h"
#include "shell/shell_resources.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

QFont linkFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(12);
    font.setUnderline(true);
    return font;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent, QUrl page, LinkOpener opener)
    : QDialog(parent), page_(page.isEmpty() ? programWebPage() : std::move(page)),
      opener_(opener ? std::move(opener) : LinkOpener([](const QUrl& url) { QDesktopServices::openUrl(url); }))
{
    setWindowTitle(tr("バージョン情報"));

    auto* icon = new QLabel(this);
    icon->setPixmap(programIcon().pixmap(32, 32));

    link_ = new QLabel(page_.toString(), this);
    link_->setObjectName(QStringLiteral("linkLabel"));
    link_->setFont(linkFont());
    QPalette blue = link_->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    link_->setPalette(blue);
    link_->setCursor(Qt::PointingHandCursor);
    link_->installEventFilter(this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(new QLabel(versionText, this), 0, 1);
    grid->addWidget(link_, 1, 1);
    grid->addWidget(new QLabel(tr("連続力学系のアトラクタを描き、解析する実験室"), this), 2, 1);
    grid->addWidget(new QLabel(tr("Attrava 開発グループ"), this), 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("2024"), this), 4, 1);
    grid->addWidget(buttons, 0, 2, 2, 1, Qt::AlignTop);
}

bool CAboutDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == link_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        opener_(page_);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
