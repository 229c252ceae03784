#pragma once
// The table of the program folder's media (media/manifest.tsv): what the generator makes and
// what the program reads. Tests read it from here rather than keeping lists of their own.
#include <string>
#include <vector>

struct MediaEntry {
    std::string path; // under the program folder, '/'-separated, matched without regard to case
    std::string kind; // letter, speech, effect, midi, font, licence, jpeg, png, bmp, mark, pointer
    int width = 0;    // pictures
    int height = 0;   // pictures
    double maxSeconds = 0; // sounds and tunes
    std::string detail;    // what it says or shows; a font's family name
};

std::vector<MediaEntry> ReadMediaManifest();
// The entries of one kind.
std::vector<MediaEntry> MediaOfKind(const std::string& kind);
