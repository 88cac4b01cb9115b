// The views' parameter scans and the parameter a scan hands back to its view.
#include "document/user_document.h"

#include <utility>

void CUser::startScan(int view, const ScanSettings& settings, std::shared_ptr<ScanFeed> feed,
                      std::function<void(JobStatus)> done)
{
    if (view < 0 || view >= kViewSlotCount)
        return;
    auto worker = std::make_shared<DynamicsEngine>();
    worker->takeInputsOf(views[static_cast<std::size_t>(view)].engine, false);
    jobs.submit(Job{view, JobKind::ParameterScan,
                    [worker, settings, feed = std::move(feed)](const JobControl& control) {
                        runScan(*worker, settings, control,
                                [&feed](const ScanCell& cell) { feed->put(cell); });
                    },
                    std::move(done)});
}

void CUser::setViewParameter(int view, int parameter, double value)
{
    if (view < 0 || view >= kViewSlotCount || parameter < 0 || parameter >= kMaxParameters)
        return;
    DynamicsEngine& engine = views[static_cast<std::size_t>(view)].engine;
    if (engine.binding.bound != 1)
        return;
    engine.recordInUse.Parameter_Default[parameter] = value;
    engine.loadParameters();
    computeViewOrbit(view);
}
