// How attrava-cli prints the results of the time-series analyses: as
// "NAME value" lines for reading by eye and by scripts, or as one JSON object
// with the curves behind them (--json). Numbers carry 10 significant digits;
// a value that was not found is "none" in the lines and null in JSON.
#pragma once

#include "dynamics/embedding_advice.h"
#include "dynamics/recurrence_quantification.h"
#include "dynamics/series_lyapunov.h"

#include <cstdio>

// "delay T" and "dimension M"; JSON {"delay", "dimension", "ami", "fnn"}.
void printEmbeddingAdvice(std::FILE* out, const EmbeddingAdvice& advice, bool json);

// "lambda VALUE"; JSON adds the embedding, the windows, the fit and the
// divergence curve y(0..K).
void printSeriesLyapunov(std::FILE* out, const SeriesLyapunovResult& result, int dimension,
                         int delay, double samplingInterval, bool json);

// One line per measure in the order RR DET L Lmax ENTR LAM TT; JSON adds eps
// and the Theiler window.
void printRecurrenceQuantities(std::FILE* out, const RecurrenceQuantities& q, int theilerWindow,
                               bool json);
