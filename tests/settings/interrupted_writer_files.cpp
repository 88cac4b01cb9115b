#include "interrupted_writer.h"

#include "models/model_list.h"
#include "models/model_record.h"
#include "models/reporter.h"
#include "settings/profile_file.h"

#include <fstream>
#include <sstream>

namespace {

// Large enough that a write takes a while, so kills land inside writes too.
constexpr int kOtherModels = 40;
constexpr int kOtherKeys = 400;

ModelRecord modelVersion(const std::filesystem::path& folder, int version)
{
    ModelRecord record;
    record.ModelName = "Target";
    record.ModelFileDir = (folder / "Target.txt").string();
    record.Function[0] = version == 0 ? "a*y-a*x" : "-(a*y-a*x)";
    record.Function[1] = "-x*z+b*x-y";
    record.Function[2] = "x*y-c*z";
    record.Sampling_Point = version == 0 ? 10000 : 20000;
    return record;
}

bool writeList(const std::filesystem::path& folder, int version)
{
    const std::string list = writtenFilePath(WrittenFile::ModelList, folder).string();
    CollectingReporter reporter;
    ModelRecord record = modelVersion(folder, version);
    if (!std::filesystem::exists(list)) {
        if (!CreateList(list, reporter))
            return false;
        for (int k = 0; k < kOtherModels; ++k) {
            ModelRecord other = record;
            other.ModelName = "Other" + std::to_string(k);
            other.ModelFileDir = (folder / (other.ModelName + ".txt")).string();
            if (!AppendModel(list, other, reporter) || (k == kOtherModels / 2 && !AppendModel(list, record, reporter)))
                return false;
        }
    }
    return ReplaceModel(list, record, record.ModelName, record.ModelFileDir, reporter);
}

bool writeSettings(const std::filesystem::path& folder, int version)
{
    ProfileFile store(writtenFilePath(WrittenFile::Settings, folder));
    for (int k = 0; k < kOtherKeys; ++k)
        store.setProfileInt("EnvironmentData", "Key" + std::to_string(k), k);
    store.setProfileString("ProgramData", "model_list_path",
                           version == 0 ? "./model/Eqnbank.c" : "/home/user/lists/Other.c");
    return store.save();
}

}  // namespace

std::filesystem::path writtenFilePath(WrittenFile kind, const std::filesystem::path& folder)
{
    switch (kind) {
    case WrittenFile::ModelList:
        return folder / "Eqnbank.c";
    case WrittenFile::ModelFile:
        return folder / "Target.txt";
    case WrittenFile::Settings:
        break;
    }
    return folder / kSettingsFileName;
}

bool writeVersion(WrittenFile kind, const std::filesystem::path& folder, int version)
{
    switch (kind) {
    case WrittenFile::ModelList:
        return writeList(folder, version);
    case WrittenFile::ModelFile: {
        CollectingReporter reporter;
        return modelVersion(folder, version).Write(reporter);
    }
    case WrittenFile::Settings:
        break;
    }
    return writeSettings(folder, version);
}

std::string comparableText(WrittenFile kind, const std::string& bytes)
{
    if (kind != WrittenFile::ModelList)
        return bytes;
    std::istringstream in(bytes);
    std::string kept;
    std::string line;
    while (std::getline(in, line)) {
        const bool dateLine = line.size() == 21 && line.starts_with("//") && line[6] == '/';
        if (!dateLine)
            kept += line + '\n';
    }
    return kept;
}
