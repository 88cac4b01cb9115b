#include "dynamics/scan_csv.h"

#include "dynamics/text_out.h"

#include <algorithm>
#include <string>

namespace {

// Digits of the largest index below count.
int widthFor(long count)
{
    return static_cast<int>(std::to_string(std::max(count - 1, 0L)).size());
}

std::string header(const ScanSettings& settings, int dimension)
{
    const std::string param(1, parameterLetter(settings.axis.parameter));
    if (settings.axis2) {
        const std::string value = settings.kind == ScanKind::Spectrum ? "lambda_max"
                                  : settings.kind == ScanKind::Maxima ? "distinct_maxima"
                                                                      : "distinct_crossings";
        return "#i,j," + param + "," + parameterLetter(settings.axis2->parameter) + "," + value + "\n";
    }
    if (settings.kind == ScanKind::Spectrum) {
        std::string text = "#i," + param;
        for (int k = 0; k < dimension; ++k)
            text += std::string(",lambda_") + variableLetter(k);
        return text + ",DL\n";
    }
    return "#i,k," + param + "," + variableLetter(settings.variable) + "\n";
}

}  // namespace

void writeScanCsv(TextOut& text, const ScanSettings& settings, const ScanResult& result)
{
    if (settings.shardIndex == 0)
        text.text(header(settings, result.dimension));

    const int widthI = widthFor(settings.axis.count);
    const int widthJ = settings.axis2 ? widthFor(settings.axis2->count) : 0;
    const int widthK = widthFor(settings.points);
    // Rows by i, then j (or k): the bytewise order of their index fields.
    std::vector<const ScanCell*> cells;
    for (const ScanCell& cell : result.cells)
        if (cell.computed)
            cells.push_back(&cell);
    std::stable_sort(cells.begin(), cells.end(),
                     [](const ScanCell* a, const ScanCell* b) { return a->i < b->i; });

    for (const ScanCell* cell : cells) {
        const auto start = [&] {
            text.integer(cell->i, widthI);
            text.put(',');
        };
        if (settings.axis2) {
            start();
            text.integer(cell->j, widthJ);
            text.put(',');
            text.shortest(cell->value);
            text.put(',');
            text.shortest(cell->value2);
            text.put(',');
            if (cell->exists)
                text.shortest(cell->values[0]);
            text.put('\n');
        } else if (settings.kind == ScanKind::Spectrum) {
            start();
            text.shortest(cell->value);
            for (int k = 0; k <= result.dimension; ++k) {
                text.put(',');
                if (cell->exists)
                    text.shortest(cell->values[static_cast<std::size_t>(k)]);
            }
            text.put('\n');
        } else if (!cell->exists) {
            start();
            text.integer(0, widthK);
            text.put(',');
            text.shortest(cell->value);
            text.text(",\n");
        } else {
            for (std::size_t k = 0; k < cell->values.size(); ++k) {
                start();
                text.integer(static_cast<long>(k), widthK);
                text.put(',');
                text.shortest(cell->value);
                text.put(',');
                text.shortest(cell->values[k]);
                text.put('\n');
            }
        }
    }
}
