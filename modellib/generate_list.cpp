// attrava-genlist: writes a model list source from model files.
//
//   attrava-genlist <list source> <model file>...
//   attrava-genlist --fields <list source> <companion source>
//
// Creates the list with its head and appends one model block per model file,
// in the order given. A model is named after its file (without extension);
// a model file in the list source's own folder is recorded as "./<file name>",
// so the list and its model files can be moved together.
//
// With --fields it writes the whole-field companion of a list source instead,
// as the program's build writes it beside the list.
#include "cli/failure_text.h"
#include "models/file_replace.h"
#include "models/model_list.h"
#include "models/model_paths.h"
#include "models/model_record.h"
#include "models/reporter.h"
#include "models/text_io.h"
#include "models/vector_field_source.h"

#include <cstdio>
#include <string>

namespace {

class PrintingReporter : public Reporter {
public:
    void report(const Failure& failure) override { showMessage(englishText(failure)); }
    void showMessage(std::string_view text) override
    {
        std::fprintf(stderr, "attrava-genlist: %.*s\n", static_cast<int>(text.size()), text.data());
    }
};

std::string storedModelPath(const std::string& modelPath, const std::string& listPath)
{
    if (isSameFile(folderOf(modelPath), folderOf(listPath)))
        return "./" + fileNameOf(modelPath);
    return withSlashes(modelPath);
}

std::string modelNameOf(const std::string& modelPath)
{
    const std::string fileName = fileNameOf(modelPath);
    return fileName.substr(0, fileName.rfind('.'));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: attrava-genlist <list source> <model file>...\n"
                             "       attrava-genlist --fields <list source> <companion source>\n");
        return 2;
    }
    if (std::string(argv[1]) == "--fields") {
        std::string listText;
        if (argc != 4 || !readFileBytes(argv[2], listText) ||
            !replaceFileContents(argv[3], vectorFieldSourceText(listText))) {
            std::fprintf(stderr, "attrava-genlist: cannot write the companion of %s\n",
                         argc > 2 ? argv[2] : "(no list)");
            return 1;
        }
        return 0;
    }
    PrintingReporter reporter;
    const std::string listPath = argv[1];
    if (!CreateList(listPath, reporter))
        return 1;
    for (int i = 2; i < argc; ++i) {
        ModelRecord record;
        record.ModelFileDir = argv[i];
        if (!record.Read(reporter))
            return 1;
        record.ModelName = modelNameOf(argv[i]);
        record.ModelFileDir = storedModelPath(argv[i], listPath);
        if (!AppendModel(listPath, record, reporter))
            return 1;
    }
    return 0;
}
