// A writer for the interrupted-write test: replaces one file over and over,
// switching between its two versions, until it is killed. It writes one byte
// to standard output before its first write, so the test can kill it at a
// chosen moment after it has started.
//
//   attrava-interrupted-writer list|model|settings FOLDER
#include "interrupted_writer.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    const WrittenFile kind = std::strcmp(argv[1], "list") == 0    ? WrittenFile::ModelList
                             : std::strcmp(argv[1], "model") == 0 ? WrittenFile::ModelFile
                                                                  : WrittenFile::Settings;
    const char started = '!';
    if (::write(STDOUT_FILENO, &started, 1) != 1)
        return 1;
    for (int version = 1;; version = 1 - version)
        if (!writeVersion(kind, argv[2], version))
            return 1;
}
