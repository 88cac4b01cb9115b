#include "shell/command_table.h"

#include "shell/command_ids.h"

#include <QtGlobal>

#include <algorithm>

namespace {

using namespace CommandId;

MenuEntry command(int id, std::string text = {})
{
    return MenuEntry{MenuEntry::Kind::Command, id, std::move(text), {}};
}

MenuEntry popup(std::string text, std::vector<MenuEntry> children)
{
    return MenuEntry{MenuEntry::Kind::Popup, 0, std::move(text), std::move(children)};
}

MenuEntry separator()
{
    return MenuEntry{MenuEntry::Kind::Separator, 0, {}, {}};
}

std::vector<CommandInfo> buildCommandTable()
{
    std::vector<CommandInfo> table = {
        {ModelAnalysis, QT_TRANSLATE_NOOP("CommandTable", "数理モデル解析"), ""},
        {ModelAnalysisSingleView, QT_TRANSLATE_NOOP("CommandTable", "このビューでモデル解析"), ""},
        {SeriesAnalysis, QT_TRANSLATE_NOOP("CommandTable", "時系列データ解析"), ""},
        {SeriesAnalysisSingleView, QT_TRANSLATE_NOOP("CommandTable", "このビューで時系列解析"), ""},
        {AppExit, QT_TRANSLATE_NOOP("CommandTable", "アプリケーションの終了(&X)"), ""},
        {SaveViewImage, QT_TRANSLATE_NOOP("CommandTable", "画像を保存…"),
         QT_TRANSLATE_NOOP("CommandTable", "表示中の画面を PNG 画像に保存\n画像を保存"), "Ctrl+S"},

        {AttractorStructure, QT_TRANSLATE_NOOP("CommandTable", "アトラクタ構造"),
         QT_TRANSLATE_NOOP("CommandTable", "アトラクタ構造の提示\nアトラクタ構造の提示")},
        {VelocityDistribution, QT_TRANSLATE_NOOP("CommandTable", "速度分布"),
         QT_TRANSLATE_NOOP("CommandTable", "速度分布の提示\n速度分布の提示")},
        {LocalLyapunov, QT_TRANSLATE_NOOP("CommandTable", "局所的リアプノフ指数分布"),
         QT_TRANSLATE_NOOP("CommandTable", "局所的リアプノフ指数の提示\n局所的リアプノフ指数の提示")},
        {VectorField, QT_TRANSLATE_NOOP("CommandTable", "相空間のベクトル場"),
         QT_TRANSLATE_NOOP("CommandTable", "速度ベクトル場の提示\n速度ベクトル場の提示")},
        {TranslateRotate, QT_TRANSLATE_NOOP("CommandTable", "移動・回転"),
         QT_TRANSLATE_NOOP("CommandTable", "ポインタによるオブジェクトの移動と回転\n移動・回転")},
        {AssignInitialValue, QT_TRANSLATE_NOOP("CommandTable", "初期値の入力"),
         QT_TRANSLATE_NOOP("CommandTable", "ポインタを用いた初期値の入力\n初期値入力")},
        {LocalInformation, QT_TRANSLATE_NOOP("CommandTable", "ベクトル場の局所情報提示"),
         QT_TRANSLATE_NOOP("CommandTable", "ベクトル場の局所的情報提示\nベクトル場の局所的情報提示")},

        {SamplingSetting, QT_TRANSLATE_NOOP("CommandTable", "サンプリング・初期値の設定"), ""},
        {ParameterSetting, QT_TRANSLATE_NOOP("CommandTable", "パラメータの設定"), ""},
        {LyapunovSpectrum, QT_TRANSLATE_NOOP("CommandTable", "リアプノフスペクトラム"), ""},
        {SpectrumResponse, QT_TRANSLATE_NOOP("CommandTable", "リアプノフスペクトラムの時間推移"), ""},
        {LyapunovDimension, QT_TRANSLATE_NOOP("CommandTable", "リアプノフ次元DL"), ""},
        {DimensionResponse, QT_TRANSLATE_NOOP("CommandTable", "リアプノフ次元の時間推移"), ""},
        {RecurrencePlot, QT_TRANSLATE_NOOP("CommandTable", "リカレンスプロット"), ""},
        {EquationDisplay, QT_TRANSLATE_NOOP("CommandTable", "数理モデルの方程式の提示"), ""},
        {SeriesDisplay, QT_TRANSLATE_NOOP("CommandTable", "時系列データの提示"), ""},
        {ColourBar, QT_TRANSLATE_NOOP("CommandTable", "カラーバーの提示"), ""},
        {ReconstructionSetting, QT_TRANSLATE_NOOP("CommandTable", "再構成次元、遅れ時間の設定"), ""},
        {AnalysisSeriesDisplay, QT_TRANSLATE_NOOP("CommandTable", "解析時系列データの提示"), ""},
        {ParameterScan, QT_TRANSLATE_NOOP("CommandTable", "パラメータ走査"), ""},

        {DefaultParameters, QT_TRANSLATE_NOOP("CommandTable", "デフォルトパラメータの設定"), ""},
        {EnvironmentSetting, QT_TRANSLATE_NOOP("CommandTable", "環境設定"), ""},
        {DeviceMouse, QT_TRANSLATE_NOOP("CommandTable", "&Mouse"), ""},
        {DevicePhantom, QT_TRANSLATE_NOOP("CommandTable", "&PHANToM(TM)"), ""},
        {DeviceSpidar, QT_TRANSLATE_NOOP("CommandTable", "&SPIDAR G"), ""},
        {DisplayNormal, QT_TRANSLATE_NOOP("CommandTable", "通常モード"),
         QT_TRANSLATE_NOOP("CommandTable", "CRTディスプレイを使用する")},
        {DisplayUpDown, QT_TRANSLATE_NOOP("CommandTable", "上下２分割（立体視用）"),
         QT_TRANSLATE_NOOP("CommandTable", "液晶シャッター眼鏡(CrystalEyes)を使用する")},
        {DisplayLeftRight, QT_TRANSLATE_NOOP("CommandTable", "左右２分割（立体視用）"),
         QT_TRANSLATE_NOOP("CommandTable", "HeadMountDisplayを使用する")},
        {StereoGap, QT_TRANSLATE_NOOP("CommandTable", "上下ビュー間の隙間、視差設定"), ""},
        {OneView, QT_TRANSLATE_NOOP("CommandTable", "1 View"),
         QT_TRANSLATE_NOOP("CommandTable", "Viewの選択ボタン・シングルView\nシングルView")},
        {TwoViews, QT_TRANSLATE_NOOP("CommandTable", "2 View"),
         QT_TRANSLATE_NOOP("CommandTable", "Viewの選択ボタン・ツインView\nツインView")},
        {FourViews, QT_TRANSLATE_NOOP("CommandTable", "4 View"),
         QT_TRANSLATE_NOOP("CommandTable", "Viewの選択ボタン・４View\n４View")},
        {NineViews, QT_TRANSLATE_NOOP("CommandTable", "9 View"),
         QT_TRANSLATE_NOOP("CommandTable", "Viewの選択ボタン・９View\n９View")},
        {AllViews, QT_TRANSLATE_NOOP("CommandTable", "ALL View"),
         QT_TRANSLATE_NOOP("CommandTable", "全てのViewを操作する場合のボタン\n全てのViewをアクティブ")},
    };
    for (const ScaleCommand& scale : scaleCommands())
        table.push_back({scale.id, scale.menuText, scale.statusText});
    table.insert(table.end(), {
        {ScaleFree, QT_TRANSLATE_NOOP("CommandTable", "x Free"), ""},
        {ScaleAuto, QT_TRANSLATE_NOOP("CommandTable", "x Auto"), ""},
        {AxisDisplay, QT_TRANSLATE_NOOP("CommandTable", "座標軸の提示"),
         QT_TRANSLATE_NOOP("CommandTable", "座標軸の提示\n座標軸の提示")},
        {PositionReset, QT_TRANSLATE_NOOP("CommandTable", "提示位置リセット"),
         QT_TRANSLATE_NOOP("CommandTable", "オブジェクト位置リセット\nオブジェクト位置リセット")},
        {LanguageJapanese, "日本語", QT_TRANSLATE_NOOP("CommandTable", "日本語で表示する（次回の起動から）")},
        {LanguageEnglish, "English", QT_TRANSLATE_NOOP("CommandTable", "英語で表示する（次回の起動から）")},
        {AppAbout, QT_TRANSLATE_NOOP("CommandTable", "バージョン情報"), ""},
    });
    return table;
}

MenuEntry presentationMenu()
{
    return popup(QT_TRANSLATE_NOOP("CommandTable", "提示モード(&V)"), {
        command(AttractorStructure), command(VelocityDistribution), command(LocalLyapunov),
        command(VectorField), separator(),
        command(TranslateRotate), command(AssignInitialValue), command(LocalInformation),
    });
}

MenuEntry toolMenu()
{
    return popup(QT_TRANSLATE_NOOP("CommandTable", "ツール(&T)"), {
        command(SamplingSetting), command(ParameterSetting), command(LyapunovSpectrum),
        command(SpectrumResponse), command(LyapunovDimension), command(DimensionResponse),
        command(RecurrencePlot), command(EquationDisplay), command(SeriesDisplay),
        command(ColourBar), command(ReconstructionSetting), command(AnalysisSeriesDisplay),
        separator(), command(ParameterScan),
    });
}

MenuEntry deviceMenu(std::string phantomText = {})
{
    return popup(QT_TRANSLATE_NOOP("CommandTable", "入出力インターフェース"), {
        command(DeviceMouse), command(DevicePhantom, phantomText), command(DeviceSpidar),
    });
}

MenuEntry displayMenu()
{
    return popup(QT_TRANSLATE_NOOP("CommandTable", "ディスプレイ設定"), {
        command(DisplayNormal), command(DisplayUpDown), command(DisplayLeftRight),
    });
}

MenuEntry multiViewMenu()
{
    return popup(QT_TRANSLATE_NOOP("CommandTable", "マルチビューモード"), {
        command(OneView), command(TwoViews), command(FourViews), command(NineViews),
        separator(), command(AllViews),
    });
}

MenuEntry scaleMenu()
{
    std::vector<MenuEntry> items;
    for (const ScaleCommand& scale : scaleCommands())
        items.push_back(command(scale.id));
    items.push_back(separator());
    items.push_back(command(ScaleFree));
    items.push_back(command(ScaleAuto));
    return popup(QT_TRANSLATE_NOOP("CommandTable", "スケール"), std::move(items));
}

// Each language under its own name, so it can be found whichever is shown.
MenuEntry languageMenu()
{
    return popup(QT_TRANSLATE_NOOP("CommandTable", "言語"),
                 {command(LanguageJapanese), command(LanguageEnglish)});
}

MenuEntry helpMenu()
{
    return popup(QT_TRANSLATE_NOOP("CommandTable", "ヘルプ(&H)"), {command(AppAbout)});
}

}  // namespace

const std::array<ScaleCommand, 11>& scaleCommands()
{
    static const std::array<ScaleCommand, 11> scales = {{
        {33792, QT_TRANSLATE_NOOP("CommandTable", "x 100"),
         QT_TRANSLATE_NOOP("CommandTable", "x 100\nx 100"), 100},
        {33793, QT_TRANSLATE_NOOP("CommandTable", "x 50"),
         QT_TRANSLATE_NOOP("CommandTable", "x 50\nx 50"), 50},
        {33794, QT_TRANSLATE_NOOP("CommandTable", "x 10"),
         QT_TRANSLATE_NOOP("CommandTable", "x 10\nx 10"), 10},
        {33795, QT_TRANSLATE_NOOP("CommandTable", "x 5"),
         QT_TRANSLATE_NOOP("CommandTable", "x 5\nx 5"), 5},
        {33796, QT_TRANSLATE_NOOP("CommandTable", "x 1"),
         QT_TRANSLATE_NOOP("CommandTable", "x 1\nx 1"), 1},
        {33797, QT_TRANSLATE_NOOP("CommandTable", "x 0.5"),
         QT_TRANSLATE_NOOP("CommandTable", "x 0.5\nx 0.5"), 0.5},
        {33798, QT_TRANSLATE_NOOP("CommandTable", "x 0.1"),
         QT_TRANSLATE_NOOP("CommandTable", "x 0.1\nx 0.1"), 0.1},
        {33799, QT_TRANSLATE_NOOP("CommandTable", "x 0.05"),
         QT_TRANSLATE_NOOP("CommandTable", "x 0.05\nx 0.05"), 0.05},
        {33800, QT_TRANSLATE_NOOP("CommandTable", "x 0.01"),
         QT_TRANSLATE_NOOP("CommandTable", "x 0.01\nx 0.01"), 0.01},
        {33827, QT_TRANSLATE_NOOP("CommandTable", "x 0.005"),
         QT_TRANSLATE_NOOP("CommandTable", "x 0.005\nx 0.005"), 0.005},
        {33883, QT_TRANSLATE_NOOP("CommandTable", "x 0.001"),
         QT_TRANSLATE_NOOP("CommandTable", "x 0.001\nx 0.001"), 0.001},
    }};
    return scales;
}

const std::vector<CommandInfo>& commandTable()
{
    static const std::vector<CommandInfo> table = buildCommandTable();
    return table;
}

const CommandInfo* findCommand(int id)
{
    const auto& table = commandTable();
    const auto it = std::find_if(table.begin(), table.end(),
                                 [id](const CommandInfo& info) { return info.id == id; });
    return it == table.end() ? nullptr : &*it;
}

const std::vector<MenuEntry>& mainMenuLayout()
{
    static const std::vector<MenuEntry> layout = {
        popup(QT_TRANSLATE_NOOP("CommandTable", "メニュー(&M)"), {
            command(ModelAnalysis), command(SeriesAnalysis), separator(), command(SaveViewImage),
            separator(), command(AppExit),
        }),
        presentationMenu(),
        toolMenu(),
        popup(QT_TRANSLATE_NOOP("CommandTable", "オプション(&O)"), {
            command(DefaultParameters), command(EnvironmentSetting), languageMenu(), separator(),
            deviceMenu(), displayMenu(), multiViewMenu(), scaleMenu(), separator(),
            command(AxisDisplay), command(PositionReset),
        }),
        helpMenu(),
    };
    return layout;
}

// The context menu also offers the two analysis starts that first go back
// to one view, so a model or a series can be started on a single view from
// a multi-view layout in one step.
const std::vector<MenuEntry>& contextMenuLayout()
{
    static const std::vector<MenuEntry> layout = {
        popup(QT_TRANSLATE_NOOP("CommandTable", "メニュー(&M)"), {
            command(ModelAnalysis), command(SeriesAnalysis), separator(),
            command(ModelAnalysisSingleView), command(SeriesAnalysisSingleView), separator(),
            command(SaveViewImage),
        }),
        presentationMenu(),
        toolMenu(),
        popup(QT_TRANSLATE_NOOP("CommandTable", "オプション(&O)"), {
            command(DefaultParameters), command(EnvironmentSetting), languageMenu(), separator(),
            multiViewMenu(), scaleMenu(), separator(),
            command(AxisDisplay), command(PositionReset),
        }),
        popup(QT_TRANSLATE_NOOP("CommandTable", "デバイス(&D)"), {
            deviceMenu(QT_TRANSLATE_NOOP("CommandTable", "&PHANToM")), displayMenu(), separator(),
            command(StereoGap),
        }),
        helpMenu(),
        separator(),
        command(AppExit),
    };
    return layout;
}

const std::vector<int>& toolbarLayout()
{
    static const std::vector<int> layout = {
        OneView, TwoViews, FourViews, NineViews, AllViews, 0,
        TranslateRotate, AssignInitialValue, LocalInformation, 0,
        AttractorStructure, VelocityDistribution, LocalLyapunov, VectorField, 0,
        AxisDisplay, PositionReset,
    };
    return layout;
}

std::string statusBarPart(const std::string& statusText)
{
    return statusText.substr(0, statusText.find('\n'));
}

std::string tooltipPart(const std::string& statusText)
{
    const std::size_t newline = statusText.find('\n');
    return newline == std::string::npos ? std::string() : statusText.substr(newline + 1);
}
