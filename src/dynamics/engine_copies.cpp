// Worker copies of the engine: what a computation on another thread needs to
// start from, and the hand-over of its results into the view's engine.
#include "dynamics/dynamics_engine.h"

#include <algorithm>
#include <utility>

void DynamicsEngine::takeInputsOf(const DynamicsEngine& source, bool withOrbit)
{
    recordInUse = source.recordInUse;
    recordEdited = source.recordEdited;
    std::copy(std::begin(source.displayBasis), std::end(source.displayBasis), displayBasis);
    source.binding.shareInto(binding);
    if (!withOrbit)
        return;
    orbit = source.orbit;
    stepSizes = source.stepSizes;
    elapsedTime = source.elapsedTime;
    diverged = source.diverged;
    orbitReady = source.orbitReady;
}

void DynamicsEngine::takeOrbitFrom(DynamicsEngine& worker)
{
    orbit = std::move(worker.orbit);
    displayPoints = std::move(worker.displayPoints);
    stepSizes = std::move(worker.stepSizes);
    elapsedTime = worker.elapsedTime;
    recordInUse.validPointCount = worker.recordInUse.validPointCount;
    diverged = worker.diverged;
    orbitReady = worker.orbitReady;
}

void DynamicsEngine::takeResponsesFrom(DynamicsEngine& worker, LyapunovResponses which)
{
    spectrumResponse = std::move(worker.spectrumResponse);
    partialSumResponse = std::move(worker.partialSumResponse);
    spectrumResponseMin = worker.spectrumResponseMin;
    spectrumResponseMax = worker.spectrumResponseMax;
    if (which != LyapunovResponses::SpectrumAndDimension)
        return;
    dimensionResponse = std::move(worker.dimensionResponse);
    dimensionResponseMin = worker.dimensionResponseMin;
    dimensionResponseMax = worker.dimensionResponseMax;
}
