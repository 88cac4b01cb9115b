#include "dialogs/environment_pages.h"

#include "dynamics/dynamics_engine.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace {

const QSize kSwatch(40, 14);

QColor colourOf(const float (&c)[4]) { return QColor::fromRgbF(c[0], c[1], c[2], c[3]); }

void paintSwatch(QPushButton* button, const float (&c)[4])
{
    QPixmap swatch(kSwatch);
    swatch.fill(QColor::fromRgbF(c[0], c[1], c[2]));
    // A frame keeps a swatch as pale as the button visible.
    QPainter frame(&swatch);
    frame.setPen(Qt::darkGray);
    frame.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    button->setIcon(QIcon(swatch));
}

// Adds radio buttons with the ids 0, 1, .. in the order of texts, in a row
// of `layout`.
QButtonGroup* addRadios(QWidget* owner, QGridLayout* layout, int row, const QStringList& texts,
                        const QList<int>& ids)
{
    auto* group = new QButtonGroup(owner);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        auto* radio = new QRadioButton(texts[i], owner);
        group->addButton(radio, ids[i]);
        layout->addWidget(radio, row, static_cast<int>(i));
    }
    return group;
}

}  // namespace

EnvironmentPage::EnvironmentPage(EnvironmentSettings& environment, const ColourChooser& chooseColour,
                                 ChangeSink changed, QWidget* parent)
    : QWidget(parent), environment_(environment), chooseColour_(chooseColour),
      changed_(std::move(changed))
{
}

void EnvironmentPage::load()
{
    for (const auto& loader : loaders_)
        loader();
}

void EnvironmentPage::restore(const EnvironmentSettings& from)
{
    for (const auto& restorer : restorers_)
        restorer(from);
}

void EnvironmentPage::report(EnvironmentChange kind)
{
    if (changed_)
        changed_(kind);
}

void EnvironmentPage::bindFlag(QCheckBox* box, IntField field, EnvironmentChange kind)
{
    loaders_.push_back([this, box, field] {
        const QSignalBlocker quiet(box);
        box->setChecked(environment_.*field == 1);
    });
    restorers_.push_back([this, field](const EnvironmentSettings& from) { environment_.*field = from.*field; });
    connect(box, &QCheckBox::toggled, this, [this, field, kind](bool on) {
        environment_.*field = on ? 1 : 0;
        report(kind);
    });
}

void EnvironmentPage::bindChoice(QButtonGroup* group, IntField field, EnvironmentChange kind)
{
    loaders_.push_back([this, group, field] {
        for (QAbstractButton* button : group->buttons()) {
            const QSignalBlocker quiet(button);
            button->setChecked(group->id(button) == environment_.*field);
        }
    });
    restorers_.push_back([this, field](const EnvironmentSettings& from) { environment_.*field = from.*field; });
    connect(group, &QButtonGroup::idClicked, this, [this, field, kind](int id) {
        environment_.*field = id;
        report(kind);
    });
}

void EnvironmentPage::bindCount(QSpinBox* spin, IntField field, int offset, EnvironmentChange kind)
{
    loaders_.push_back([this, spin, field, offset] {
        const QSignalBlocker quiet(spin);
        spin->setValue(environment_.*field + offset);
    });
    restorers_.push_back([this, field](const EnvironmentSettings& from) { environment_.*field = from.*field; });
    connect(spin, &QSpinBox::valueChanged, this, [this, field, offset, kind](int value) {
        environment_.*field = value - offset;
        report(kind);
    });
}

void EnvironmentPage::bindLength(QDoubleSpinBox* spin, DoubleField field, EnvironmentChange kind)
{
    loaders_.push_back([this, spin, field] {
        const QSignalBlocker quiet(spin);
        spin->setValue(environment_.*field);
    });
    restorers_.push_back([this, field](const EnvironmentSettings& from) { environment_.*field = from.*field; });
    connect(spin, &QDoubleSpinBox::valueChanged, this, [this, field, kind](double value) {
        environment_.*field = value;
        report(kind);
    });
}

void EnvironmentPage::bindAlphaTenths(QSpinBox* spin, ColourField field, EnvironmentChange kind)
{
    // Rounded, not truncated: a stored 0.7 is 6.99.. in tenths.
    loaders_.push_back([this, spin, field] {
        const QSignalBlocker quiet(spin);
        spin->setValue(static_cast<int>(std::lround((environment_.*field)[3] * 10.0f)));
    });
    connect(spin, &QSpinBox::valueChanged, this, [this, field, kind](int tenths) {
        (environment_.*field)[3] = static_cast<float>(tenths * 0.1);
        report(kind);
    });
}

QPushButton* EnvironmentPage::colourButton(ColourField field, bool alpha, EnvironmentChange kind,
                                           const char* name)
{
    auto* button = new QPushButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setIconSize(kSwatch);
    button->setFixedSize(kSwatch + QSize(20, 12));
    loaders_.push_back([this, button, field] { paintSwatch(button, environment_.*field); });
    restorers_.push_back([this, field](const EnvironmentSettings& from) {
        std::copy(std::begin(from.*field), std::end(from.*field), std::begin(environment_.*field));
    });
    connect(button, &QPushButton::clicked, this, [this, field, alpha, kind] {
        if (!chooseColour_)
            return;
        const std::optional<QColor> chosen = chooseColour_(colourOf(environment_.*field), alpha);
        if (!chosen)
            return;
        float(&colour)[4] = environment_.*field;
        colour[0] = static_cast<float>(chosen->redF());
        colour[1] = static_cast<float>(chosen->greenF());
        colour[2] = static_cast<float>(chosen->blueF());
        if (alpha)
            colour[3] = static_cast<float>(chosen->alphaF());
        // The swatch, and an alpha shown elsewhere on the page.
        load();
        report(kind);
    });
    return button;
}

DisplayColourPage::DisplayColourPage(EnvironmentSettings& environment,
                                     const ColourChooser& chooseColour, ChangeSink changed,
                                     QWidget* parent)
    : EnvironmentPage(environment, chooseColour, std::move(changed), parent)
{
    using Env = EnvironmentSettings;
    auto* background = new QGroupBox(tr("背景"), this);
    auto* backgroundLayout = new QGridLayout(background);
    backgroundLayout->addWidget(colourButton(&Env::BackGround_Color, false, EnvironmentChange::ClearColour,
                                             "backgroundColour"),
                                0, 0, Qt::AlignLeft);

    auto* room = new QGroupBox(tr("床・部屋"), this);
    auto* roomLayout = new QGridLayout(room);
    roomLayout->addWidget(colourButton(&Env::Wall_Color, false, EnvironmentChange::Room, "wallColour"), 0, 0);
    roomLayout->addWidget(new QLabel(tr("格子数"), room), 0, 1, Qt::AlignRight);
    auto* lattice = new QSpinBox(room);
    lattice->setObjectName(QStringLiteral("wallLatticeCount"));
    lattice->setRange(0, 1000);
    roomLayout->addWidget(lattice, 0, 2);
    bindCount(lattice, &Env::Wall_Latice_Num, 0, EnvironmentChange::Room);
    QButtonGroup* floor = addRadios(room, roomLayout, 1, {tr("なし"), tr("格子状の床"), tr("チェック柄の床")},
                                    {0, 1, 2});
    floor->setObjectName(QStringLiteral("floorType"));
    bindChoice(floor, &Env::Wall_Type_Num, EnvironmentChange::Room);

    auto* orbit = new QGroupBox(tr("軌道の提示"), this);
    auto* orbitLayout = new QGridLayout(orbit);
    orbitLayout->addWidget(colourButton(&Env::Orbit_Color, false, EnvironmentChange::OrbitDisplay, "orbitColour"),
                           0, 0, Qt::AlignLeft);
    QButtonGroup* shading = addRadios(orbit, orbitLayout, 1, {tr("影あり"), tr("影なし")}, {1, 0});
    shading->setObjectName(QStringLiteral("orbitType"));
    bindChoice(shading, &Env::Orbit_Type_Num, EnvironmentChange::OrbitDisplay);

    auto* layout = new QVBoxLayout(this);
    for (QWidget* group : {background, room, orbit})
        layout->addWidget(group);
    layout->addStretch();
    load();
}

AxisSettingPage::AxisSettingPage(EnvironmentSettings& environment, const ColourChooser& chooseColour,
                                 ChangeSink changed, QWidget* parent)
    : EnvironmentPage(environment, chooseColour, std::move(changed), parent)
{
    using Env = EnvironmentSettings;
    constexpr EnvironmentChange kAxes = EnvironmentChange::Axes;
    auto* layout = new QGridLayout(this);
    QButtonGroup* type = addRadios(this, layout, 0, {tr("軸型"), tr("箱型")}, {0, 1});
    type->setObjectName(QStringLiteral("axisType"));
    bindChoice(type, &Env::Axis_Num_Type, kAxes);

    int row = 1;
    // A flag with its colour button on one row.
    const auto flagRow = [&](const QString& text, IntField flag, const char* flagName, ColourField colour,
                             bool alpha, const char* colourName) {
        auto* box = new QCheckBox(text, this);
        box->setObjectName(QString::fromLatin1(flagName));
        bindFlag(box, flag, kAxes);
        layout->addWidget(box, row, 0);
        layout->addWidget(colourButton(colour, alpha, kAxes, colourName), row, 1, Qt::AlignLeft);
        ++row;
        return box;
    };
    // A label or check box followed by a spin box.
    const auto spinRow = [&](QWidget* label, QWidget* spin) {
        layout->addWidget(label, row, 0);
        layout->addWidget(spin, row, 1, Qt::AlignLeft);
        ++row;
    };

    flagRow(tr("軸の色固定"), &Env::Axis_Type0_Flag_Color, "axisColourFlag", &Env::Axis_Type0_AxisColor,
            false, "axisColour");
    auto* lengthFlag = new QCheckBox(tr("軸長さ固定"), this);
    lengthFlag->setObjectName(QStringLiteral("axisLengthFlag"));
    bindFlag(lengthFlag, &Env::Axis_Type0_Flag_Length, kAxes);
    auto* length = new QDoubleSpinBox(this);
    length->setObjectName(QStringLiteral("axisLength"));
    length->setRange(0.0, 100.0);
    length->setDecimals(3);
    bindLength(length, &Env::Axis_Type0_Length, kAxes);
    spinRow(lengthFlag, length);

    flagRow(tr("軸目盛り"), &Env::Axis_Type1_Flag_Text, "tickTextFlag", &Env::Axis_Type1_TextColor, false,
            "tickTextColour");
    auto* ticks = new QSpinBox(this);
    ticks->setObjectName(QStringLiteral("tickCount"));
    ticks->setRange(1, 20);
    // The stored number is one less than the ticks shown.
    bindCount(ticks, &Env::Axis_Scale_Numbers, 1, kAxes);
    spinRow(new QLabel(tr("目盛り数(目安)"), this), ticks);

    flagRow(tr("座標軸名"), &Env::Axis_Type1_Flag_Name, "axisNameFlag", &Env::Axis_Type1_NameColor, false,
            "axisNameColour");
    flagRow(tr("枠表示"), &Env::Axis_Type1_Flag_Box, "boxFlag", &Env::Axis_Type1_BoxColor, false, "boxColour");
    backFlag_ = flagRow(tr("背面表示"), &Env::Axis_Type1_Flag_Back, "backFlag", &Env::Axis_Type1_BackColor,
                        true, "backColour");
    auto* transparency = new QSpinBox(this);
    transparency->setObjectName(QStringLiteral("backAlpha"));
    transparency->setRange(0, 10);
    bindAlphaTenths(transparency, &Env::Axis_Type1_BackColor, kAxes);
    spinRow(new QLabel(tr("背面透過率(1-10)"), this), transparency);
    flagRow(tr("x-y平面格子"), &Env::Axis_Type1_Flag_xyLatice, "xyLatticeFlag",
            &Env::Axis_Type1_xyLaticeColor, false, "xyLatticeColour");
    layout->setRowStretch(row, 1);
    layout->setColumnStretch(2, 1);
    load();
}

void AxisSettingPage::showDimension(int dimension) { backFlag_->setEnabled(dimension == 3); }

AxisArrangementPage::AxisArrangementPage(DynamicsEngine& engine, ChangeSink changed, QWidget* parent)
    : QWidget(parent), engine_(engine), changed_(std::move(changed))
{
    auto* fourGroup = new QGroupBox(tr("４次元軸配置"), this);
    auto* fourLayout = new QGridLayout(fourGroup);
    arrangement_ = new QButtonGroup(this);
    const QString arrangements[] = {tr("放射状配置"), tr("正方体配置"), tr("超立方体配置"),
                                    tr("直行座標系＋色軸選択")};
    for (int mode = 0; mode < 4; ++mode) {
        auto* radio = new QRadioButton(arrangements[mode], fourGroup);
        radio->setObjectName(QStringLiteral("arrangement%1").arg(mode));
        arrangement_->addButton(radio, mode);
        fourLayout->addWidget(radio, mode, 0);
    }
    auto* colourGroup = new QGroupBox(tr("３次元直行座標＋α"), fourGroup);
    auto* colourLayout = new QVBoxLayout(colourGroup);
    colourAxis_ = new QButtonGroup(this);
    for (int k = 0; k < 4; ++k) {
        auto* radio = new QRadioButton(tr("%1 座標成分").arg(QChar(variableLetter(k))), colourGroup);
        radio->setObjectName(QStringLiteral("colourAxis%1").arg(k));
        colourAxis_->addButton(radio, k);
        colourLayout->addWidget(radio);
    }
    fourLayout->addWidget(colourGroup, 0, 1, 4, 1);

    auto* manyGroup = new QGroupBox(tr("５次元以上の軸配置"), this);
    auto* manyLayout = new QVBoxLayout(manyGroup);
    manyLayout->addWidget(new QLabel(tr("放射状配置"), manyGroup));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fourGroup);
    layout->addWidget(manyGroup);
    layout->addStretch();

    const auto choose = [this](int ModelRecord::*field) {
        return [this, field](int id) {
            engine_.recordInUse.*field = id;
            if (changed_)
                changed_(EnvironmentChange::DisplayBasis);
        };
    };
    connect(arrangement_, &QButtonGroup::idClicked, this, choose(&ModelRecord::Basis_Axis_Mode));
    connect(colourAxis_, &QButtonGroup::idClicked, this, choose(&ModelRecord::Color_Axis_Number));
    load();
}

void AxisArrangementPage::load()
{
    const ModelRecord& record = engine_.recordInUse;
    const bool four = record.Dimension == 4;
    for (QButtonGroup* group : {arrangement_, colourAxis_}) {
        const int chosen = group == arrangement_ ? record.Basis_Axis_Mode : record.Color_Axis_Number;
        for (QAbstractButton* button : group->buttons()) {
            const QSignalBlocker quiet(button);
            button->setChecked(group->id(button) == chosen);
            button->setEnabled(four);
        }
    }
}

void AxisArrangementPage::read()
{
    if (engine_.recordInUse.Dimension > 4)
        engine_.recordInUse.Basis_Axis_Mode = 0;
}
