// Loading the model library. The dynamic loader hands out an object already
// loaded under the same path name instead of reading the file again, so a
// library rebuilt under its old name would stay invisible while any other view
// holds the old one. Each load therefore goes through a hard link whose name
// is unique to the library file's identity (device and inode): a rebuilt
// library has a new inode, hence a new name, and is loaded afresh, while the
// same file keeps giving the same loaded object. The link is removed as soon
// as the library is mapped.
#include "models/model_binding.h"

#include "models/equation_check.h"
#include "models/model_paths.h"
#include "models/reserved_names.h"
#include "models/vector_field_source.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void* openLibrary(const std::string& libraryPath, std::string& error)
{
    // A name without "/" would make the loader search its library path.
    const std::string path =
        libraryPath.find('/') == std::string::npos ? "./" + libraryPath : libraryPath;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        error = path + ": " + std::strerror(errno);
        return nullptr;
    }
    const std::string alias = folderOf(path) + "." + fileNameOf(path) + "." +
                              std::to_string(::getpid()) + "." + std::to_string(info.st_dev) +
                              "." + std::to_string(info.st_ino) + ".so";
    const bool linked = ::link(path.c_str(), alias.c_str()) == 0;
    // Without a link (a folder that refuses it) the library is loaded by its
    // own name, which is only stale if another binding holds an older build.
    void* handle = ::dlopen(linked ? alias.c_str() : path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (linked)
        ::unlink(alias.c_str());
    if (handle == nullptr) {
        const char* message = ::dlerror();
        error = message != nullptr ? message : path + ": cannot be loaded";
    }
    return handle;
}

// Whether symbol lies in the object loaded as handle itself. dlsym also finds
// names in the libraries the model library depends on (the C and math
// libraries), and those are no model functions.
bool definedByLibrary(void* handle, void* symbol)
{
    link_map* library = nullptr;
    link_map* holder = nullptr;
    Dl_info info{};
    return ::dlinfo(handle, RTLD_DI_LINKMAP, &library) == 0 &&
           ::dladdr1(symbol, &info, reinterpret_cast<void**>(&holder), RTLD_DL_LINKMAP) != 0 &&
           holder != nullptr && holder == library;
}

}  // namespace

bool ModelBinding::Bind(const std::string& libraryPath, const std::string& modelName, int dimension,
                        int parameterCount, std::string* error)
{
    if (bound == 1)
        return true;
    std::string why;
    if (dimension < 1 || dimension > 6 || parameterCount < 0 || parameterCount > 10) {
        why = "model dimension or parameter count out of range";
    } else if (void* handle = openLibrary(libraryPath, why)) {
        ::dlerror();
        // Only a name a model may have and the library itself defines is a
        // model function; the list head's function and the linker's symbols
        // are in the library too, but under reserved names.
        void* symbol = isValidModelName(modelName) && !isReservedName(modelName)
                           ? ::dlsym(handle, modelName.c_str())
                           : nullptr;
        if (symbol != nullptr && definedByLibrary(handle, symbol)) {
            libraryHandle = handle;
            const auto ownSymbol = [handle](const std::string& name) {
                void* found = ::dlsym(handle, name.c_str());
                return found != nullptr && definedByLibrary(handle, found) ? found : nullptr;
            };
            BindFunction(reinterpret_cast<ModelFunction>(symbol), dimension, parameterCount,
                         reinterpret_cast<VectorFieldFunction>(ownSymbol(vectorFieldSymbol(modelName))),
                         reinterpret_cast<StepFunction>(ownSymbol(rungeKuttaStepSymbol(modelName))));
            library_ = std::shared_ptr<void>(handle, [](void* h) { ::dlclose(h); });
            return true;
        }
        why = libraryPath + ": no model function named \"" + modelName + "\"";
        ::dlclose(handle);
    }
    if (error != nullptr)
        *error = why;
    return false;
}

// The buffers have the full capacities (6 variables, 10 parameters), so every
// element is cleared whatever the model's dimension and parameter count.
void ModelBinding::BindFunction(ModelFunction function, int /*dimension*/, int /*parameterCount*/,
                                VectorFieldFunction field, StepFunction step)
{
    modelFunction = function;
    vectorField = field;
    rungeKuttaStep = step;
    dimensionArg[0] = 0;
    std::fill(std::begin(variableArg), std::end(variableArg), 0.0);
    std::fill(std::begin(parameterArg), std::end(parameterArg), 0.0);
    inputDataArg[0] = 0.0;
    bound = 1;
}

void ModelBinding::Release()
{
    if (bound == 0)
        return;
    library_.reset();
    libraryHandle = nullptr;
    modelFunction = nullptr;
    vectorField = nullptr;
    rungeKuttaStep = nullptr;
    bound = 0;
}

void ModelBinding::shareInto(ModelBinding& other) const
{
    other.Release();
    if (bound == 0)
        return;
    other.BindFunction(modelFunction, 0, 0, vectorField, rungeKuttaStep);
    std::copy(std::begin(parameterArg), std::end(parameterArg), std::begin(other.parameterArg));
    other.libraryHandle = libraryHandle;
    other.library_ = library_;
}
