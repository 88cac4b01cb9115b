// Replacing a file's contents without ever leaving a damaged file: the one
// writer behind model files, model list sources and the settings file. The new
// contents go to a temporary file beside the old one, are flushed to disk and
// renamed over it, so a crash or a full disk leaves either the old file or the
// new one. The replaced file keeps its permission bits and, where the process
// may set them, its owner and group. A file the user may write in a folder the
// user may not write is rewritten in place instead, with the old contents put
// back when the write fails.
#pragma once

#include <string>
#include <string_view>

// Writes content to path. A symbolic link is followed, so the file it names is
// replaced. A new file gets the usual permissions (0666 less the umask). On
// failure returns false, leaves no temporary file behind and leaves path as it
// was.
bool replaceFileContents(const std::string& path, std::string_view content);

// A private temporary folder is scratch: what is written in it need not
// survive a crash, so replaceFileContents does not flush it to disk there
// (flushing is most of the time of a short batch command). A folder is
// scratch from markScratchFolder until unmarkScratchFolder.
void markScratchFolder(const std::string& folder);
void unmarkScratchFolder(const std::string& folder);
