// A view's hold on the model library: the loaded library, the function named
// after the record in use, and the four caller-owned argument buffers. A
// computation on another thread gets a binding of its own that shares the
// loaded library (see shareInto), so the library stays loaded while either
// binding holds it.
#pragma once

#include "models/model_function.h"

#include <memory>
#include <string>

class ModelBinding {
public:
    ModelBinding() = default;
    ModelBinding(const ModelBinding&) = delete;
    ModelBinding& operator=(const ModelBinding&) = delete;
    ~ModelBinding() { Release(); }

    // Loads the library at libraryPath and looks up modelName, which must be
    // a model name (not a reserved one) that the library itself defines: a
    // name only the C library behind it has is not in the library. Does nothing
    // (and returns true) when already bound. On failure nothing stays loaded,
    // bound is 0 and error says why. A library rebuilt since another binding
    // loaded it is loaded afresh, so each binding sees the version that was on
    // disk when it bound.
    bool Bind(const std::string& libraryPath, const std::string& modelName, int dimension,
              int parameterCount, std::string* error = nullptr);

    // Binds a function that lives in this process (tests, reference runs,
    // the workers of a scan), with its whole-field function when it has one.
    void BindFunction(ModelFunction function, int dimension, int parameterCount,
                      VectorFieldFunction field = nullptr, StepFunction step = nullptr);

    // Drops this binding's hold on the library (unloaded once no other
    // binding shares it); nothing when unbound.
    void Release();

    // Binds `other` to the same functions and loaded library, with argument
    // buffers of its own holding this binding's parameters. `other` is
    // released first; nothing more when this binding is unbound.
    void shareInto(ModelBinding& other) const;

    int bound = 0;
    void* libraryHandle = nullptr;  // the loaded library, null for an in-process function
    ModelFunction modelFunction = nullptr;
    // The model's whole vector field when the library exports it; null
    // otherwise, and the engine then calls modelFunction once per derivative.
    VectorFieldFunction vectorField = nullptr;
    // Its Runge-Kutta step over the whole field when the library exports it.
    StepFunction rungeKuttaStep = nullptr;
    int dimensionArg[1] = {0};
    double variableArg[6] = {0, 0, 0, 0, 0, 0};
    double parameterArg[10] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    double inputDataArg[1] = {0.0};

private:
    // Owns one reference to the library for every binding that shares it.
    std::shared_ptr<void> library_;
};
