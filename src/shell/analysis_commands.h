// Connects the analysis commands to the command router: "数理モデル解析"
// (and its twin that first shows one view), which resets the active view,
// lets the user choose a model and starts the view on it, and the tools
// items that open a view's windows: the sampling and initial value window,
// the Lyapunov spectrum and dimension, their temporal responses, the model
// equations, the colour bar and the parameter sliders; the options items that
// open the active view's default parameter sheet and environment sheet;
// "時系列データ解析" (and its one-view twin), which lets the user choose a data
// file and starts the view on its series with the reconstruction window, and
// the time-series tools items: the reconstruction window, the time-series and
// analysed-data windows and the recurrence plot.
#pragma once

#include "dialogs/model_analysis_start.h"

class CUser;
class CommandRouter;
class QWidget;
class Reporter;

// The model selection and view start on the active view, after
// prepareAnalysisStart: the model list dialog on the view's record in use.
// Cancel puts the record back and, when a compile in the dialog released the
// view's model, binds it again. OK binds the chosen model and opens the
// sampling window; "パラメータ設定" binds it and computes its orbit. A model
// that cannot be bound is reported and leaves the view unbound.
ModelChoice runModelAnalysisStart(CUser& document, Reporter& reporter, QWidget* dialogParent);

// The time-series start on the active view, after prepareAnalysisStart: the
// data file dialog on the view's record in use; OK reads the whole file and
// starts the view, which opens the reconstruction window. False after Cancel
// or when the file gave no value (said to the user).
bool runSeriesAnalysisStart(CUser& document, Reporter& reporter, QWidget* dialogParent);

// All arguments must outlive the router's use of the handlers; the model
// list dialog is shown over `dialogParent`.
void registerAnalysisCommands(CommandRouter& router, CUser& document, Reporter& reporter,
                              QWidget* dialogParent);
