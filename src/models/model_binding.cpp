// Loading the model library. The dynamic loader hands out an object already
// loaded under the same path name instead of reading the file again, so a
// library rebuilt under its old name would stay invisible while any other view
// holds the old one. Each load therefore goes through a hard link whose name
// is unique to the library file's identity (device and inode): a rebuilt
// library has a new inode, hence a new name, and is loaded afresh, while the
// same file keeps giving the same loaded object. The link is removed as soon
// as the library is mapped.
#include "models/model_binding.h"

#include "models/model_paths.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dlfcn.h>
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
        void* symbol = ::dlsym(handle, modelName.c_str());
        if (symbol != nullptr) {
            BindFunction(reinterpret_cast<ModelFunction>(symbol), dimension, parameterCount);
            libraryHandle = handle;
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
void ModelBinding::BindFunction(ModelFunction function, int /*dimension*/, int /*parameterCount*/)
{
    modelFunction = function;
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
    bound = 0;
}

void ModelBinding::shareInto(ModelBinding& other) const
{
    other.Release();
    if (bound == 0)
        return;
    other.BindFunction(modelFunction, 0, 0);
    std::copy(std::begin(parameterArg), std::end(parameterArg), std::begin(other.parameterArg));
    other.libraryHandle = libraryHandle;
    other.library_ = library_;
}
