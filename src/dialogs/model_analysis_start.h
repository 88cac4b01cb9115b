// The model analysis start of a view: the model list dialog on the view's
// record in use, then, by how it was closed, re-binding the engine and either
// the view start (which opens the sampling window) or the first orbit and the
// default parameter sheet. The document supplies what only it can do as
// callables, so this flow needs nothing of the document's own classes.
#pragma once

#include <functional>
#include <string>

class DynamicsEngine;
class QWidget;
class Reporter;

// How the model list dialog ended.
enum class ModelChoice { Cancelled, Chosen, ChosenForParameterSettings };

struct ModelAnalysisHooks {
    // Releases the current view's binding; called before every compile.
    std::function<void()> releaseBinding;
    // Re-binds the view's engine to its edited record (take it as the record
    // in use, Release, Bind, load the parameters); false when binding failed
    // (the document has told the user).
    std::function<bool()> bindModel;
    // Computes the view's orbit and asks for the orbit display to be rebuilt.
    std::function<void()> computeOrbit;
    // Opens the default parameter sheet of the view.
    std::function<void()> openParameterSheet;
    // The view start: places the view's objects at the model's display
    // position and opens the sampling window.
    std::function<void()> startView;
    // Binds the view's engine again to its record in use as it was (Release,
    // Bind, load the parameters, without taking the edited record). Called
    // after Cancel when a compile in the dialog released the binding, so the
    // view does not stay without its model.
    std::function<void()> restoreBinding;
};

// Shows the model list dialog on the engine's record in use. Cancel restores
// the record as it was; otherwise the record holds the chosen model.
ModelChoice chooseModel(DynamicsEngine& engine, std::string& listPath,
                        const std::string& programFolder, Reporter& reporter,
                        const std::function<void()>& releaseBinding, QWidget* parent);

// The whole start: chooseModel, then the edited record set equal to the
// record in use and the engine re-bound; plain OK continues with the view
// start, "パラメータ設定" with the orbit and the default parameter sheet.
// Cancel after a compile restores the binding of the record kept.
ModelChoice startModelAnalysis(DynamicsEngine& engine, std::string& listPath,
                               const std::string& programFolder, Reporter& reporter,
                               const ModelAnalysisHooks& hooks, QWidget* parent);
