#include "dialogs/series_file_dialog.h"

#include "dialogs/dialog_widgets.h"
#include "dynamics/dynamics_engine.h"
#include "dynamics/series_layout.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

// An integer / real pair of radios in a group box.
struct FormatGroup {
    QGroupBox* group;
    QRadioButton* integer;
    QRadioButton* real;
};

FormatGroup makeFormatGroup(const QString& title, const char* name, const QRect& place,
                            QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    group->setGeometry(place);
    auto* integer = new QRadioButton(QCoreApplication::translate("CSeriesFileDialog", "整数"), group);
    integer->setObjectName(QStringLiteral("%1Integer").arg(QLatin1String(name)));
    integer->setGeometry(12, 20, 70, 20);
    auto* real = new QRadioButton(QCoreApplication::translate("CSeriesFileDialog", "実数"), group);
    real->setObjectName(QStringLiteral("%1Real").arg(QLatin1String(name)));
    real->setGeometry(90, 20, 70, 20);
    return {group, integer, real};
}

void addExamples(const QStringList& lines, int x, int y, QWidget* parent)
{
    for (const QString& line : lines) {
        auto* label = new QLabel(line, parent);
        label->setGeometry(x, y, 215, 18);
        y += 18;
    }
}

}  // namespace

CSeriesFileDialog::CSeriesFileDialog(DynamicsEngine& engine, Reporter& reporter, QWidget* parent)
    : QDialog(parent), engine_(engine), reporter_(reporter)
{
    setWindowTitle(tr("時系列データファイルの選択"));

    auto* fileGroup = new QGroupBox(tr("時系列データファイル"), this);
    fileGroup->setGeometry(10, 5, 460, 52);
    pathLabel_ = makePathDisplay(fileGroup, "pathLabel", 360);
    pathLabel_->setGeometry(10, 22, 360, 22);
    QPushButton* browseButton = makeButton(tr("選択"), "browseButton", fileGroup);
    browseButton->setGeometry(378, 21, 72, 24);

    dataOnlyChoice_ = new QRadioButton(tr("データのみ"), this);
    dataOnlyChoice_->setObjectName(QStringLiteral("dataOnlyChoice"));
    dataOnlyChoice_->setGeometry(15, 65, 215, 20);
    addExamples({tr("カンマ区切り　data,data,data,…"), tr("スペース区切り　data data data …"),
                 tr("タブ区切り　data    data    data     …"), tr("改行　data↓")},
                35, 87, this);
    pairsChoice_ = new QRadioButton(tr("時間（間隔一定）、データ"), this);
    pairsChoice_->setObjectName(QStringLiteral("timeColumnChoice"));
    pairsChoice_->setGeometry(245, 65, 215, 20);
    addExamples({tr("カンマ区切り　time,data↓"), tr("スペース区切り　time data↓"),
                 tr("タブ区切り　time    data↓")},
                265, 87, this);

    const FormatGroup data = makeFormatGroup(tr("データ値の書式"), "data", QRect(10, 165, 225, 50), this);
    integerDataChoice_ = data.integer;
    realDataChoice_ = data.real;
    const FormatGroup time = makeFormatGroup(tr("時間値の書式"), "time", QRect(245, 165, 225, 50), this);
    timeGroup_ = time.group;
    integerTimeChoice_ = time.integer;
    realTimeChoice_ = time.real;

    auto* sampleGroup = new QGroupBox(tr("データ読み込みサンプル"), this);
    sampleGroup->setGeometry(10, 222, 300, 125);
    samples_ = new QListWidget(sampleGroup);
    samples_->setObjectName(QStringLiteral("sampleList"));
    samples_->setGeometry(10, 20, 280, 96);

    auto* okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    okButton->setGeometry(360, 280, 90, 24);
    QPushButton* cancelButton = makeButton(tr("ｷｬﾝｾﾙ"), "cancelButton", this);
    cancelButton->setGeometry(360, 312, 90, 24);
    setFixedSize(480, 357);

    connect(browseButton, &QPushButton::clicked, this, &CSeriesFileDialog::browse);
    connect(okButton, &QPushButton::clicked, this, &CSeriesFileDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    for (QRadioButton* choice : {dataOnlyChoice_, pairsChoice_, integerDataChoice_, realDataChoice_,
                                 integerTimeChoice_, realTimeChoice_}) {
        connect(choice, &QRadioButton::clicked, this, [this] {
            takeLayout();
            fillSamples();
        });
    }

    pathLabel_->setText(fromStd(engine_.recordInUse.seriesFile));
    showLayout();
    fillSamples();
}

void CSeriesFileDialog::browse()
{
    QFileDialog dialog(this, tr("時系列データファイルの選択"), path(),
                       tr("TimesData Files (*.txt);;All Files (*)"));
    dialog.setObjectName(QStringLiteral("seriesFileBrowser"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (!path().isEmpty())
        dialog.selectFile(path());
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        choosePath(dialog.selectedFiles().constFirst());
}

void CSeriesFileDialog::choosePath(const QString& path)
{
    ModelRecord& record = engine_.recordInUse;
    record.seriesFile = path.toStdString();
    pathLabel_->setText(path);
    if (const auto layout = detectSeriesLayoutOfFile(record.seriesFile)) {
        record.storageForm = layout->timeColumn ? 1 : 0;
        record.dataFormat = layout->realData ? 1 : 0;
        record.timeFormat = layout->realTime ? 1 : 0;
    }
    showLayout();
    fillSamples();
}

void CSeriesFileDialog::accept()
{
    takeLayout();
    QDialog::accept();
}

QString CSeriesFileDialog::path() const { return pathLabel_->text(); }

QStringList CSeriesFileDialog::sampleLines() const
{
    QStringList lines;
    for (int row = 0; row < samples_->count(); ++row)
        lines.append(samples_->item(row)->text());
    return lines;
}

void CSeriesFileDialog::showLayout()
{
    const ModelRecord& record = engine_.recordInUse;
    pairsChoice_->setChecked(record.storageForm == 1);
    dataOnlyChoice_->setChecked(record.storageForm != 1);
    realDataChoice_->setChecked(record.dataFormat == 1);
    integerDataChoice_->setChecked(record.dataFormat != 1);
    realTimeChoice_->setChecked(record.timeFormat == 1);
    integerTimeChoice_->setChecked(record.timeFormat != 1);
    timeGroup_->setEnabled(record.storageForm == 1);
}

void CSeriesFileDialog::takeLayout()
{
    ModelRecord& record = engine_.recordInUse;
    record.storageForm = pairsChoice_->isChecked() ? 1 : 0;
    record.dataFormat = realDataChoice_->isChecked() ? 1 : 0;
    record.timeFormat = realTimeChoice_->isChecked() ? 1 : 0;
    timeGroup_->setEnabled(record.storageForm == 1);
}

void CSeriesFileDialog::fillSamples()
{
    samples_->clear();
    if (engine_.recordInUse.seriesFile.empty())
        return;
    // A scratch engine reads the sample, so the view's series and record
    // stay as they are until the caller reads the whole file.
    DynamicsEngine sample;
    sample.recordInUse = engine_.recordInUse;
    sample.recordInUse.seriesLimit = kSeriesSampleCount;
    if (!sample.readSeriesFile(reporter_).opened)
        return;
    // Five lines whatever the file holds; lines past its values stay empty.
    for (int k = 0; k < kSeriesSampleCount; ++k) {
        const auto index = static_cast<std::size_t>(k);
        samples_->addItem(index < sample.series.size() ? QString::asprintf("%lf", sample.series[index])
                                                      : QString());
    }
}
