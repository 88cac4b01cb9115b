// Reading a one-dimensional time series from a text file and rebuilding a
// phase-space orbit from it by delay coordinates.
//
// The file is a stream of numbers separated by white space. Each item of the
// series is one number (data only) or a time-data pair whose time is
// discarded; integers and reals are converted as by "%d" and "%lf", without
// depending on the process locale. Reading stops at the first item the chosen
// layout cannot convert, or at a real that is not finite ("nan", "inf", or
// one beyond the range of a double), keeping what was read before it.
#include "dynamics/allocation.h"
#include "dynamics/dynamics_engine.h"
#include "models/reporter.h"
#include "models/text_io.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// Numbers are never this long; a longer run of characters is not one.
constexpr std::size_t kMaxTokenLength = 512;
constexpr std::size_t kBufferSize = 1 << 16;

bool isSpace(int c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Hands out one number at a time from a buffered file, the way scanf
// conversions consume it: white space is skipped, a number is read as far as
// it goes, and what follows it (say ".5" after "1" under "%d") is the start of
// the next item.
class NumberScanner {
public:
    explicit NumberScanner(std::FILE* file) : file_(file), buffer_(new char[kBufferSize]) {}

    enum class Outcome { Value, End, Bad, NotFinite };

    // Reads the next number as an integer ("%d") or a real ("%lf").
    Outcome next(bool real, double& value)
    {
        if (!loadToken())
            return Outcome::End;
        if (tokenTooLong_)
            return Outcome::Bad;
        const char* first = token_.data();
        const char* last = first + token_.size();
        // scanf accepts an explicit plus sign, from_chars does not.
        const char* digits = (first != last && *first == '+') ? first + 1 : first;
        if (digits != first && digits != last && *digits == '-')
            return Outcome::Bad;
        // "nan" and "inf" are numbers, but no series value: refused as such
        // whichever layout the item was read with.
        double realValue = 0.0;
        const auto asReal = std::from_chars(digits, last, realValue);
        if (asReal.ec == std::errc() && !std::isfinite(realValue))
            return Outcome::NotFinite;
        const char* end = nullptr;
        if (real) {
            if (asReal.ec != std::errc())
                return Outcome::Bad;
            value = realValue;
            end = asReal.ptr;
        } else {
            int parsed = 0;
            const auto result = std::from_chars(digits, last, parsed);
            if (result.ec != std::errc())
                return Outcome::Bad;
            value = parsed;
            end = result.ptr;
        }
        token_.erase(0, static_cast<std::size_t>(end - first));
        return Outcome::Value;
    }

    // The text of the item the last Bad or NotFinite outcome stopped at.
    const std::string& pendingText() const { return token_; }

private:
    // Makes token_ the next run of non-space characters (or what is left of
    // the current one). False at the end of the file.
    bool loadToken()
    {
        if (!token_.empty())
            return true;
        int c = get();
        while (c != EOF && isSpace(c))
            c = get();
        while (c != EOF && !isSpace(c)) {
            if (token_.size() < kMaxTokenLength)
                token_.push_back(static_cast<char>(c));
            else
                tokenTooLong_ = true;
            c = get();
        }
        return !token_.empty();
    }

    int get()
    {
        if (pos_ == size_) {
            size_ = std::fread(buffer_.get(), 1, kBufferSize, file_);
            pos_ = 0;
            if (size_ == 0)
                return EOF;
        }
        return static_cast<unsigned char>(buffer_[pos_++]);
    }

    std::FILE* file_;
    std::unique_ptr<char[]> buffer_;
    std::size_t size_ = 0;
    std::size_t pos_ = 0;
    std::string token_;
    bool tokenTooLong_ = false;
};

}  // namespace

SeriesReadResult DynamicsEngine::readSeriesFile(Reporter& reporter)
{
    SeriesReadResult result;
    FileHandle file = openForReading(recordInUse.seriesFile);
    if (!file) {
        reporter.report({FailureKind::SeriesUnreadable, recordInUse.seriesFile});
        return result;
    }
    result.opened = true;

    const bool pairs = recordInUse.storageForm == 1;
    const bool realData = recordInUse.dataFormat == 1;
    const bool realTime = recordInUse.timeFormat == 1;
    const long limit = std::max(recordInUse.seriesLimit, 0);

    NumberScanner scanner(file.get());
    std::vector<double> values;
    while (static_cast<long>(values.size()) < limit) {
        double value = 0.0;
        auto outcome = NumberScanner::Outcome::Value;
        if (pairs) {
            double time = 0.0;
            outcome = scanner.next(realTime, time);
            if (outcome == NumberScanner::Outcome::End)
                break;
            if (outcome == NumberScanner::Outcome::Value) {
                outcome = scanner.next(realData, value);
                // A time without its data value: the pair is incomplete.
                if (outcome == NumberScanner::Outcome::End)
                    outcome = NumberScanner::Outcome::Bad;
            }
        } else {
            outcome = scanner.next(realData, value);
            if (outcome == NumberScanner::Outcome::End)
                break;
        }
        if (outcome == NumberScanner::Outcome::Bad || outcome == NumberScanner::Outcome::NotFinite) {
            result.stoppedAtBadItem = true;
            result.badItemNotFinite = outcome == NumberScanner::Outcome::NotFinite;
            result.badItemIndex = static_cast<long>(values.size());
            result.badItemText = scanner.pendingText();
            break;
        }
        values.push_back(value);
    }

    series = std::move(values);
    recordInUse.seriesCount = static_cast<int>(series.size());
    if (!series.empty())
        orbitReady = 1;
    return result;
}

void DynamicsEngine::computeSeriesBounds()
{
    const std::size_t count =
        std::min(static_cast<std::size_t>(std::max(recordInUse.seriesCount, 0)), series.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (i == 0) {
            seriesMax = seriesMin = series[0];
            continue;
        }
        if (series[i] > seriesMax)
            seriesMax = series[i];
        if (series[i] < seriesMin)
            seriesMin = series[i];
    }
}

bool DynamicsEngine::reconstruct()
{
    const long m = recordInUse.Dimension;
    const long tau = recordInUse.delay;
    const long count = std::min(static_cast<long>(std::max(recordInUse.seriesCount, 0)),
                                static_cast<long>(series.size()));
    // One vector fewer than the series would allow, as the time-series window
    // and the Lyapunov steps expect; never negative. A delay of 0 would repeat
    // one value in every coordinate, so it reconstructs nothing.
    long vectors = count - (m - 1) * tau - 1;
    if (m < 1 || m > kMaxVariables || tau < 1 || vectors < 0)
        vectors = 0;

    if (!allocated([&] {
            orbit.assign(static_cast<std::size_t>(vectors), StateVector{});
            displayPoints.assign(static_cast<std::size_t>(vectors), Vector3{});
        })) {
        releaseOrbitArrays();
        return false;
    }
    for (long k = 0; k < vectors; ++k) {
        StateVector x;
        for (long j = 0; j < m; ++j)
            x[static_cast<int>(j)] = series[static_cast<std::size_t>(k + j * tau)];
        orbit[static_cast<std::size_t>(k)] = x;
        displayPoints[static_cast<std::size_t>(k)] = projectToDisplay(x);
    }
    recordInUse.validPointCount = static_cast<int>(vectors);
    // The reconstruction replaces the integrated orbit, so a divergence of
    // that orbit no longer applies.
    diverged = 0;
    return true;
}
