// The temporary files a file replace writes beside its target, and the
// removal of those a killed writer left behind. Each temporary name carries
// the process id of its writer; a name whose process no longer runs belongs
// to a write that never finished, so the next replace in that folder removes
// it instead of leaving it to pile up.
#pragma once

#include <filesystem>

// ".attrava-<pid>-<serial>.tmp" in folder, with a serial number this process
// has not used before.
std::filesystem::path nextTemporaryName(const std::filesystem::path& folder);

// Removes the temporary files in folder whose writer process is gone. Files
// of running processes (this one included) and every other file are kept.
void removeStaleTemporaries(const std::filesystem::path& folder);
