#include "cli/orbit_output.h"

#include "dynamics/text_out.h"

#include <algorithm>

bool writeOrbitPoints(std::FILE* out, const std::vector<StateVector>& orbit, int count,
                      int dimension)
{
    const std::size_t points = std::min(static_cast<std::size_t>(std::max(count, 0)), orbit.size());
    TextOut text(out);
    for (std::size_t i = 0; i < points; ++i) {
        for (int k = 0; k < dimension; ++k) {
            if (k > 0)
                text.put(' ');
            text.general17(orbit[i].c[k]);
        }
        text.put('\n');
    }
    return text.finish();
}
