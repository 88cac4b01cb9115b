#include "shell/command_table.h"

#include "shell/command_ids.h"

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
        {ModelAnalysis, "数理モデル解析", ""},
        {ModelAnalysisSingleView, "", ""},
        {SeriesAnalysis, "時系列データ解析", ""},
        {SeriesAnalysisSingleView, "", ""},
        {AppExit, "アプリケーションの終了(&X)", ""},
        {SaveViewImage, "画像を保存…", "表示中の画面を PNG 画像に保存\n画像を保存", "Ctrl+S"},

        {AttractorStructure, "アトラクタ構造", "アトラクタ構造の提示\nアトラクタ構造の提示"},
        {VelocityDistribution, "速度分布", "速度分布の提示\n速度分布の提示"},
        {LocalLyapunov, "局所的リアプノフ指数分布", "局所的リアプノフ指数の提示\n局所的リアプノフ指数の提示"},
        {VectorField, "相空間のベクトル場", "速度ベクトル場の提示\n速度ベクトル場の提示"},
        {TranslateRotate, "移動・回転", "ポインタによるオブジェクトの移動と回転\n移動・回転"},
        {AssignInitialValue, "初期値の入力", "ポインタを用いた初期値の入力\n初期値入力"},
        {LocalInformation, "ベクトル場の局所情報提示", "ベクトル場の局所的情報提示\nベクトル場の局所的情報提示"},

        {SamplingSetting, "サンプリング・初期値の設定", ""},
        {ParameterSetting, "パラメータの設定", ""},
        {LyapunovSpectrum, "リアプノフスペクトラム", ""},
        {SpectrumResponse, "リアプノフスペクトラムの時間推移", ""},
        {LyapunovDimension, "リアプノフ次元DL", ""},
        {DimensionResponse, "リアプノフ次元の時間推移", ""},
        {RecurrencePlot, "リカレンスプロット", ""},
        {EquationDisplay, "数理モデルの方程式の提示", ""},
        {SeriesDisplay, "時系列データの提示", ""},
        {ColourBar, "カラーバーの提示", ""},
        {ReconstructionSetting, "再構成次元、遅れ時間の設定", ""},
        {AnalysisSeriesDisplay, "解析時系列データの提示", ""},

        {DefaultParameters, "デフォルトパラメータの設定", ""},
        {EnvironmentSetting, "環境設定", ""},
        {DeviceMouse, "&Mouse", ""},
        {DevicePhantom, "&PHANToM(TM)", ""},
        {DeviceSpidar, "&SPIDAR G", ""},
        {DisplayNormal, "通常モード", "CRTディスプレイを使用する"},
        {DisplayUpDown, "上下２分割（立体視用）", "液晶シャッター眼鏡(CrystalEyes)を使用する"},
        {DisplayLeftRight, "左右２分割（立体視用）", "HeadMountDisplayを使用する"},
        {StereoGap, "上下ビュー間の隙間、視差設定", ""},
        {OneView, "1 View", "Viewの選択ボタン・シングルView\nシングルView"},
        {TwoViews, "2 View", "Viewの選択ボタン・ツインView\nツインView"},
        {FourViews, "4 View", "Viewの選択ボタン・４View\n４View"},
        {NineViews, "9 View", "Viewの選択ボタン・９View\n９View"},
        {AllViews, "ALL View", "全てのViewを操作する場合のボタン\n全てのViewをアクティブ"},
    };
    // The scale items carry their own text as status text and tooltip.
    for (const ScaleCommand& scale : scaleCommands())
        table.push_back({scale.id, scale.menuText, std::string(scale.menuText) + "\n" + scale.menuText});
    table.insert(table.end(), {
        {ScaleFree, "x Free", ""},
        {ScaleAuto, "x Auto", ""},
        {AxisDisplay, "座標軸の提示", "座標軸の提示\n座標軸の提示"},
        {PositionReset, "提示位置リセット", "オブジェクト位置リセット\nオブジェクト位置リセット"},
        {AppAbout, "バージョン情報", ""},
    });
    return table;
}

MenuEntry presentationMenu()
{
    return popup("提示モード(&V)", {
        command(AttractorStructure), command(VelocityDistribution), command(LocalLyapunov),
        command(VectorField), separator(),
        command(TranslateRotate), command(AssignInitialValue), command(LocalInformation),
    });
}

MenuEntry toolMenu()
{
    return popup("ツール(&T)", {
        command(SamplingSetting), command(ParameterSetting), command(LyapunovSpectrum),
        command(SpectrumResponse), command(LyapunovDimension), command(DimensionResponse),
        command(RecurrencePlot), command(EquationDisplay), command(SeriesDisplay),
        command(ColourBar), command(ReconstructionSetting), command(AnalysisSeriesDisplay),
    });
}

MenuEntry deviceMenu(std::string phantomText = {})
{
    return popup("入出力インターフェース", {
        command(DeviceMouse), command(DevicePhantom, phantomText), command(DeviceSpidar),
    });
}

MenuEntry displayMenu()
{
    return popup("ディスプレイ設定", {
        command(DisplayNormal), command(DisplayUpDown), command(DisplayLeftRight),
    });
}

MenuEntry multiViewMenu()
{
    return popup("マルチビューモード", {
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
    return popup("スケール", std::move(items));
}

MenuEntry helpMenu()
{
    return popup("ヘルプ(&H)", {command(AppAbout)});
}

}  // namespace

const std::array<ScaleCommand, 11>& scaleCommands()
{
    static const std::array<ScaleCommand, 11> scales = {{
        {33792, "x 100", 100},
        {33793, "x 50", 50},
        {33794, "x 10", 10},
        {33795, "x 5", 5},
        {33796, "x 1", 1},
        {33797, "x 0.5", 0.5},
        {33798, "x 0.1", 0.1},
        {33799, "x 0.05", 0.05},
        {33800, "x 0.01", 0.01},
        {33827, "x 0.005", 0.005},
        {33883, "x 0.001", 0.001},
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
        popup("メニュー(&M)", {
            command(ModelAnalysis), command(SeriesAnalysis), separator(), command(SaveViewImage),
            separator(), command(AppExit),
        }),
        presentationMenu(),
        toolMenu(),
        popup("オプション(&O)", {
            command(DefaultParameters), command(EnvironmentSetting), separator(),
            deviceMenu(), displayMenu(), multiViewMenu(), scaleMenu(), separator(),
            command(AxisDisplay), command(PositionReset),
        }),
        helpMenu(),
    };
    return layout;
}

const std::vector<MenuEntry>& contextMenuLayout()
{
    static const std::vector<MenuEntry> layout = {
        popup("メニュー(&M)", {command(ModelAnalysis), command(SeriesAnalysis), separator(),
                               command(SaveViewImage)}),
        presentationMenu(),
        toolMenu(),
        popup("オプション(&O)", {
            command(DefaultParameters), command(EnvironmentSetting), separator(),
            multiViewMenu(), scaleMenu(), separator(),
            command(AxisDisplay), command(PositionReset),
        }),
        popup("デバイス(&D)", {
            deviceMenu("&PHANToM"), displayMenu(), separator(), command(StereoGap),
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
