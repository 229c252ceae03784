#include "tests/support/media_manifest.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

std::vector<MediaEntry> ReadMediaManifest() {
    std::ifstream in(WO_SOURCE_DIR "/media/manifest.tsv");
    if (!in) throw std::runtime_error("media/manifest.tsv is missing");
    std::vector<MediaEntry> out;
    std::string line;
    bool header = true;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (header) { // the column names
            header = false;
            continue;
        }
        std::vector<std::string> f;
        std::stringstream ss(line);
        std::string cell;
        while (std::getline(ss, cell, '\t'))
            f.push_back(cell);
        f.resize(6);
        MediaEntry e;
        e.path = f[0];
        e.kind = f[1];
        e.width = f[2].empty() ? 0 : std::stoi(f[2]);
        e.height = f[3].empty() ? 0 : std::stoi(f[3]);
        e.maxSeconds = f[4].empty() ? 0 : std::stod(f[4]);
        e.detail = f[5];
        out.push_back(e);
    }
    return out;
}

std::vector<MediaEntry> MediaOfKind(const std::string& kind) {
    std::vector<MediaEntry> out;
    for (auto& e : ReadMediaManifest())
        if (e.kind == kind) out.push_back(e);
    return out;
}
