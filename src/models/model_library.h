// Where the model library of a list lives and how it is built: the system C
// compiler turns the list source into <program folder>/<list base name>.so.
// The same compiler checks a single model's function before it goes into a list.
#pragma once

#include <string>
#include <string_view>

struct ModelLibraryPaths {
    std::string programFolder;  // ends with '/'
    std::string listPath;       // full path of the list source
    std::string listBaseName;   // file name of listPath without its last extension
    std::string libraryPath;    // programFolder + listBaseName + ".so"
};

// The folder of the running executable, with a trailing '/'.
std::string executableFolder();

// listPath may be relative ("./model/Eqnbank.c" or ".\model\Eqnbank.c"):
// such a path is taken relative to programFolder.
ModelLibraryPaths computeLibraryPaths(const std::string& programFolder,
                                      const std::string& listPath);

struct CompileResult {
    bool ok = false;
    std::string diagnostics;  // the compiler's own messages (or why it could not start)
    bool reused = false;      // the library (or the passed check) came from the cache
};

// Builds the library from the list source and its vector-field companion
// (written beside it) and returns when the compiler has ended. The compiler
// is `cc`, or the program named by ATTRAVA_CC. A library built before from
// the same sources and compiler settings is taken from the cache instead. The
// new library is written under a temporary name and renamed into place only
// on success, so a failed build leaves the previous library untouched.
CompileResult Compile(const ModelLibraryPaths& paths);

// Has the compiler that Compile starts check that source, a list source on
// its own, compiles with the same compatibility header; nothing is written
// but a cache entry that remembers a passed check (keyed like a build, by the
// compiler and the text it sees), so that the same models checked again, as
// every batch call does, do not run the compiler.
CompileResult CheckCompiles(std::string_view source);
