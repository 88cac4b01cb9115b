// attrava-cli scan: parameter scans of a model file (maxima, section values,
// Lyapunov spectra, or a two-parameter grid) written as CSV and as a picture.
#include "cli/commands.h"
#include "cli/model_options.h"
#include "cli/model_session.h"
#include "cli/option_checks.h"
#include "cli/output_file.h"
#include "cli/progress.h"
#include "cli/scan_image.h"
#include "cli/scan_options.h"
#include "cli/tool_messages.h"
#include "dynamics/scan_csv.h"
#include "dynamics/text_out.h"

#include <cstdio>

namespace {

struct ScanOptions {
    std::string modelFile;
    ModelOptions model;
    ScanSettings settings;
    std::string param, param2, kind = "maxima", var, section = "x=0", shard = "0/1", outPath, image;
};

// The settings from the option texts; empty when they are valid.
std::string readSettings(const ScanOptions& options, ScanSettings& settings)
{
    std::string problem = parseScanAxis(options.param, settings.axis);
    if (problem.empty() && !options.param2.empty()) {
        settings.axis2 = ScanAxis{};
        problem = parseScanAxis(options.param2, *settings.axis2);
    }
    if (problem.empty())
        problem = parseScanKind(options.kind, settings.kind);
    if (problem.empty() && !options.var.empty())
        problem = parseVariableLetter(options.var, settings.variable);
    if (problem.empty())
        problem = parseSectionPlane(options.section, settings.sectionVariable, settings.sectionLevel);
    if (problem.empty())
        problem = parseShard(options.shard, settings.shardIndex, settings.shardCount);
    return problem;
}

int runScanCommand(const ScanOptions& options)
{
    ScanSettings settings = options.settings;
    if (const std::string problem = readSettings(options, settings); !problem.empty())
        return fail("scan: " + problem);

    ModelSession session;
    if (!session.open(options.modelFile, options.model))
        return 1;
    DynamicsEngine& engine = session.engine;
    if (options.var.empty())
        settings.variable = engine.recordInUse.Dimension >= 3 ? 2 : 0;
    if (const std::string problem = scanSettingsProblem(engine.recordInUse, settings); !problem.empty())
        return fail("scan: " + problem);

    ScanResult result;
    {
        ProgressDisplay progress("scan");
        progress.stage("scanning");
        result = runScan(engine, settings, progress.control());
    }

    std::FILE* out = openOutput(options.outPath);
    if (out == nullptr)
        return fail("scan: cannot open the output file " + options.outPath);
    TextOut text(out);
    writeScanCsv(text, settings, result);
    const bool written = text.finish();
    if (!closeOutput(out) || !written)
        return fail("scan: writing the CSV failed");
    std::string error;
    if (!options.image.empty() && !writeScanImage(options.image, settings, result, error))
        return fail("scan: " + error);
    return 0;
}

}  // namespace

void declareScanCommand(CliTool& tool)
{
    auto [command, options] = tool.addCommand(
        "scan", "scan a parameter range: maxima, section values or spectra (CSV, PNG)", runScanCommand);
    command.footer(
        "For COUNT values of parameter NAME from FROM to TO, integrates the model,\n"
        "drops the transient and analyses the next points: the local maxima of\n"
        "--var, its values where the orbit crosses --section upward, or the\n"
        "Lyapunov spectrum and dimension. With --param2 the scan covers a grid and\n"
        "writes per cell the number of distinct maxima (section values) or the\n"
        "largest exponent. Rows start with their zero-padded indices: the files of\n"
        "all shards, put together and sorted bytewise (LC_ALL=C sort), are the file\n"
        "of one run.");
    addInputFile(command, options.modelFile, "MODEL_FILE", "the model file", true);
    command.add_option("--param", options.param, "the scanned parameter and its values")
        ->type_name("NAME=FROM:TO:COUNT")->required();
    command.add_option("--param2", options.param2, "a second parameter: scan a grid")
        ->type_name("NAME=FROM:TO:COUNT");
    command.add_option("--kind", options.kind, "maxima (default), section or spectrum")
        ->type_name("KIND");
    command.add_option("--var", options.var, "recorded variable (default z, or x for fewer variables)")
        ->type_name("L");
    command.add_option("--section", options.section, "section plane (default x=0)")->type_name("L=C");
    addWholeNumber(command, "--transient", options.settings.transient, 0, 10000000,
                   "points dropped after the start (default 1000)")
        ->type_name("T");
    addWholeNumber(command, "--points", options.settings.points, 1, 10000000,
                   "points analysed after the transient (default 10000)")
        ->type_name("N");
    command.add_flag("--continue", options.settings.continueFromPrevious,
                     "start each value from the previous value's end state");
    options.settings.threads = 0;
    addWholeNumber(command, "--threads", options.settings.threads, 1, 1024,
                   "worker threads (default: one per processor)")
        ->type_name("K");
    command.add_option("--shard", options.shard, "compute only the K-th of N slices of the values")
        ->type_name("K/N");
    addOutputOption(command, options.outPath, "FILE", "write the CSV to FILE instead of standard output");
    command.add_option("--image", options.image, "also draw the scan into the PNG picture FILE")
        ->type_name("FILE");

    // The model options, but for --points and --param, which the scan uses.
    const char* const group = kModelOptionsGroup;
    addPositiveNumber(command, "--interval", options.model.interval,
                      "sampling interval (the initial one with --auto), H > 0")
        ->type_name("H")
        ->group(group);
    addPositiveNumber(command, "--auto", options.model.autoAccuracy,
                      "automatic sampling interval with accuracy EPS > 0")
        ->type_name("EPS")
        ->group(group);
    addAssignments(command, "--set", std::string(kParameterLetters), options.model.parameters,
                   "value of a parameter that is not scanned (a .. j), repeatable")
        ->type_name("a=V")
        ->group(group);
    addAssignments(command, "--init", std::string(kVariableLetters), options.model.initialValues,
                   "initial value of a variable (x .. u), repeatable")
        ->type_name("x=V")
        ->group(group);
}
