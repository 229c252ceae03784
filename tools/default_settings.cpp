// Writes the settings file of a fresh install: the default settings, through the program's own
// writer. Usage: default_settings <settings file> [--keep]; --keep leaves an existing file alone,
// so that a rebuild never overwrites the settings someone has saved.
#include "forms/errors.h"
#include "forms/files.h"
#include "shell/settings_file.h"
#include "shell/user_set.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <settings file> [--keep]\n", argv[0]);
        return 2;
    }
    const std::string path = argv[1];
    const bool keep = argc > 2 && std::string(argv[2]) == "--keep";
    if (keep && forms::FileExists(path)) return 0;
    try {
        ProcessAllSections(umDefaults, Settings, Settings);
        IniText = "";
        ProcessAllSections(umWrite, Settings, Settings);
        WriteSettingsFile(IniText, path);
    } catch (const forms::RuntimeError& e) {
        std::fprintf(stderr, "%s: cannot write %s: %s\n", argv[0], path.c_str(),
                     e.Description().c_str());
        return 1;
    }
    return 0;
}
