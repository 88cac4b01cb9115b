// Numeric ids of every menu and toolbar command. The document, the view and
// the main frame register their handlers and update rules under these ids.
#pragma once

namespace CommandId {

// "メニュー(&M)"
constexpr int ModelAnalysis = 32921;
constexpr int ModelAnalysisSingleView = 32922;
constexpr int SeriesAnalysis = 32923;
constexpr int SeriesAnalysisSingleView = 32941;
constexpr int AppExit = 57665;
// Saves the drawn frame of the 3-D view as a PNG image (Ctrl+S).
constexpr int SaveViewImage = 32943;

// "提示モード(&V)"
constexpr int AttractorStructure = 32799;
constexpr int VelocityDistribution = 32800;
constexpr int LocalLyapunov = 32802;
constexpr int VectorField = 32920;
constexpr int TranslateRotate = 32815;
constexpr int AssignInitialValue = 33805;
constexpr int LocalInformation = 32932;

// "ツール(&T)"
constexpr int SamplingSetting = 33804;
constexpr int ParameterSetting = 32814;
constexpr int LyapunovSpectrum = 32805;
constexpr int SpectrumResponse = 33907;
constexpr int LyapunovDimension = 32806;
constexpr int DimensionResponse = 33908;
constexpr int RecurrencePlot = 32915;
constexpr int EquationDisplay = 32930;
constexpr int SeriesDisplay = 33906;
constexpr int ColourBar = 33829;
constexpr int ReconstructionSetting = 32935;
constexpr int AnalysisSeriesDisplay = 32940;
constexpr int ParameterScan = 33950;

// "オプション(&O)"
constexpr int DefaultParameters = 33905;
constexpr int EnvironmentSetting = 32797;
constexpr int DeviceMouse = 32778;
constexpr int DevicePhantom = 32780;
constexpr int DeviceSpidar = 32933;
constexpr int DisplayNormal = 32771;
constexpr int DisplayUpDown = 32772;
constexpr int DisplayLeftRight = 32773;
constexpr int StereoGap = 32925;
constexpr int OneView = 33844;
constexpr int TwoViews = 33845;
constexpr int FourViews = 33846;
constexpr int NineViews = 32918;
constexpr int AllViews = 32917;
constexpr int ScaleFree = 33811;
constexpr int ScaleAuto = 32942;
constexpr int AxisDisplay = 33784;
constexpr int PositionReset = 32937;
// The language of the texts from the next start.
constexpr int LanguageJapanese = 33951;
constexpr int LanguageEnglish = 33952;

// "ヘルプ(&H)"
constexpr int AppAbout = 57664;

}  // namespace CommandId
