// The scan command's option texts turned into scan settings: a parameter
// range "b=20:30:100", a section plane "x=0.5", a shard "3/10", the kind and
// the recorded variable. Each parser returns an empty string when the text is
// valid, otherwise what is wrong with it.
#pragma once

#include "dynamics/parameter_scan.h"

#include <string>
#include <string_view>

// "NAME=FROM:TO:COUNT" with NAME one of a .. j, finite bounds and COUNT in
// 1 .. 100000.
std::string parseScanAxis(std::string_view text, ScanAxis& axis);
// "L=C" with L one of x, y, z, w, v, u and C finite.
std::string parseSectionPlane(std::string_view text, int& variable, double& level);
// "K/N" with 0 <= K < N.
std::string parseShard(std::string_view text, int& index, int& count);
// "maxima", "section" or "spectrum".
std::string parseScanKind(std::string_view text, ScanKind& kind);
// A variable letter x, y, z, w, v, u.
std::string parseVariableLetter(std::string_view text, int& variable);

// Why the settings do not fit the model (parameters and variables it does
// not have, a second parameter equal to the first, too many points), or empty.
std::string scanSettingsProblem(const ModelRecord& record, const ScanSettings& settings);
