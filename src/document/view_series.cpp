// A time-series view's data: reading the data file the file dialog chose and
// the delay reconstruction the reconstruction window asks for.
#include "document/user_document.h"

#include <algorithm>

bool CUser::readViewSeries(int view)
{
    if (view < 0 || view >= kViewSlotCount)
        return false;
    jobs.cancelView(view);
    DynamicsEngine& engine = views[static_cast<std::size_t>(view)].engine;
    engine.recordInUse.seriesLimit = kSeriesValueLimit;
    const SeriesReadResult read = engine.readSeriesFile(reporter_);
    if (!read.opened || engine.series.empty())
        return false;
    engine.computeDisplayBasis();
    return true;
}

int CUser::reconstructViewSeries(int view)
{
    if (view < 0 || view >= kViewSlotCount)
        return 0;
    // Results for the previous embedding must not land on the new one; the
    // advice depends on the series alone and goes on.
    for (const JobKind kind : {JobKind::SeriesExponent, JobKind::RecurrenceMeasures,
                               JobKind::Recurrence, JobKind::Spectrum, JobKind::Dimension})
        jobs.cancel(view, kind);
    ViewSlot& slot = views[static_cast<std::size_t>(view)];
    DynamicsEngine& engine = slot.engine;
    engine.computeDisplayBasis();
    if (!engine.reconstruct() || engine.recordInUse.validPointCount < 2) {
        engine.orbit.clear();
        engine.displayPoints.clear();
        engine.recordInUse.validPointCount = 0;
    }
    slot.environment.rebuildLevel = std::max(slot.environment.rebuildLevel, RebuildLevel::Orbit);
    refreshViewWindows(view);
    return engine.recordInUse.validPointCount;
}
