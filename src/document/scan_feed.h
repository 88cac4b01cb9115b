// The hand-over of a running parameter scan's cells: its worker threads put
// each cell as it is computed, and the user-interface thread takes what has
// come so far to draw it while the scan goes on.
#pragma once

#include "dynamics/parameter_scan.h"

#include <mutex>
#include <utility>
#include <vector>

class ScanFeed {
public:
    void put(const ScanCell& cell)
    {
        const std::lock_guard lock(mutex_);
        cells_.push_back(cell);
    }
    // The cells put since the last take, in the order they came.
    std::vector<ScanCell> take()
    {
        const std::lock_guard lock(mutex_);
        return std::exchange(cells_, {});
    }

private:
    std::mutex mutex_;
    std::vector<ScanCell> cells_;
};
