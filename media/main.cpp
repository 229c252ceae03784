// The media generator: writes the program's music and pictures into the program folder, and
// a contact sheet of the pictures when asked.
//   wo_mediagen <program folder> [--contact-sheet <png>]
#include "media/pictures.h"
#include "media/tunes.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <program folder> [--contact-sheet <png>]\n", argv[0]);
        return 2;
    }
    const std::string app = argv[1];
    try {
        std::filesystem::create_directories(app + "/Music");
        media::WriteTunes(app + "/Music");
        std::string sheet;
        for (int i = 2; i + 1 < argc; ++i)
            if (std::string(argv[i]) == "--contact-sheet") sheet = argv[i + 1];
        media::WritePictures(app, sheet);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "wo_mediagen: %s\n", e.what());
        return 1;
    }
    return 0;
}
