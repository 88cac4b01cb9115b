// A private folder under the system's temporary directory for files that live
// only while one piece of work runs (a list compiled on its own, the compiler's
// compatibility header). Its files need not survive a crash, so they are not
// flushed to disk; the folder goes with everything in it when the object goes.
#pragma once

#include <string>
#include <string_view>

class ScratchFolder {
public:
    ScratchFolder() = default;
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();

    // Creates the folder, named `prefix` and six random characters; false when
    // it cannot.
    bool create(std::string_view prefix);
    // Removes the folder and everything in it now.
    void remove();
    // Ends with '/'; empty while there is no folder.
    const std::string& path() const { return path_; }

private:
    std::string path_;
};
