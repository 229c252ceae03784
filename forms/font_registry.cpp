#include "forms/font_registry.h"

#include "forms/errors.h"
#include "forms/files.h"
#include "forms/font_engine.h"
#include "forms/lang.h"

#include <SDL_ttf.h>

#include <cstdio>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace forms {

namespace {

// "Arial" is served by the metric-compatible Liberation Sans of Debian's fonts-liberation.
constexpr const char* kArialRegular =
    "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";
constexpr const char* kArialBold = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf";

// First line of the font resource files this runtime writes; the next line names the font file.
constexpr const char* kResourceMagic = "WiseOwlet font resource 1";
constexpr const char* kResourceFileKey = "File=";

std::vector<std::string>& ViewerLog() {
    static std::vector<std::string> log;
    return log;
}

std::string CutAtNul(const std::string& s) {
    return s.substr(0, s.find('\0'));
}

std::string Absolute(const std::string& path) {
    if (!path.empty() && path[0] == '/') return path;
    char buf[4096];
    if (!getcwd(buf, sizeof buf)) return path;
    return std::string(buf) + "/" + path;
}

bool Contains(const std::string& hay, const char* needle) {
    return UCase(hay).find(needle) != std::string::npos;
}

// Whether the file opens as a font.
bool IsFontFile(const std::string& path) {
    if (!FileExists(path) || !EnsureFontEngine()) return false;
    TTF_Font* f = TTF_OpenFont(path.c_str(), 12);
    if (!f) return false;
    TTF_CloseFont(f);
    return true;
}

} // namespace

bool EnsureFontEngine() {
    static const bool ok = TTF_WasInit() > 0 || TTF_Init() == 0;
    return ok;
}

FontRegistry& FontRegistry::Instance() {
    static FontRegistry registry;
    return registry;
}

FontRegistry::FontRegistry() {
    Reset();
}

void FontRegistry::Reset() {
    faces_.clear();
    faces_.push_back(Face{"Arial", kArialRegular, kArialBold});
    ViewerLog().clear();
}

int FontRegistry::AddFontFile(const std::string& path) {
    std::string real = Absolute(ResolvePath(path));
    if (!FileExists(real) || !EnsureFontEngine()) return 0;
    TTF_Font* first = TTF_OpenFontIndex(real.c_str(), 12, 0);
    if (!first) return 0;
    long count = TTF_FontFaces(first);
    TTF_CloseFont(first);
    int added = 0;
    for (long i = 0; i < count; ++i) {
        TTF_Font* f = TTF_OpenFontIndex(real.c_str(), 12, i);
        if (!f) continue;
        const char* fam = TTF_FontFaceFamilyName(f);
        const char* sty = TTF_FontFaceStyleName(f);
        std::string family = fam ? fam : "", style = sty ? sty : "";
        TTF_CloseFont(f);
        if (family.empty()) continue;
        Face* face = nullptr;
        for (Face& x : faces_)
            if (UCase(x.family) == UCase(family)) face = &x;
        if (!face) {
            faces_.push_back(Face{family, "", ""});
            face = &faces_.back();
        }
        bool bold = Contains(style, "BOLD"),
             italic = Contains(style, "ITALIC") || Contains(style, "OBLIQUE");
        // Upright faces fill their slot; any face serves a family that has nothing better yet.
        if (bold && !italic) face->bold = real;
        if (!bold && !italic) face->regular = real;
        if (face->regular.empty()) face->regular = real;
        ++added;
    }
    return added;
}

bool FontRegistry::HasFace(const std::string& family) const {
    std::string want = UCase(family);
    for (const Face& f : faces_)
        if (UCase(f.family) == want) return true;
    return false;
}

const FontRegistry::Face& FontRegistry::Find(const std::string& family) const {
    std::string want = UCase(family);
    for (const Face& f : faces_)
        if (UCase(f.family) == want) return f;
    for (const Face& f : faces_)
        if (UCase(f.family) == "ARIAL") return f;
    return faces_.front();
}

std::string FontRegistry::FileFor(const std::string& family, bool bold) const {
    const Face& f = Find(family);
    return bold && !f.bold.empty() ? f.bold : f.regular;
}

bool FontRegistry::HasBoldFile(const std::string& family) const {
    const Face& f = Find(family);
    return !f.bold.empty() && f.bold != f.regular;
}

std::vector<std::string> FontRegistry::Faces() const {
    std::vector<std::string> names;
    for (const Face& f : faces_)
        names.push_back(f.family);
    return names;
}

std::string GetWindowsDirectory() {
    std::string dir;
    const char* over = std::getenv("WO_WINDOWS_DIR");
    if (over && *over) {
        dir = over;
    } else {
        const char* xdg = std::getenv("XDG_DATA_HOME");
        if (xdg && xdg[0] == '/') {
            dir = xdg;
        } else {
            const char* home = std::getenv("HOME");
            if (!home || !*home) {
                const passwd* pw = getpwuid(getuid());
                home = pw ? pw->pw_dir : nullptr;
            }
            if (!home || !*home) return "";
            dir = std::string(home) + "/.local/share";
        }
        dir += "/WiseOwlet/Windows";
    }
    while (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    try {
        MakeFolder(dir + "/Fonts");
    } catch (const RuntimeError&) {
        return "";
    }
    if (!FolderExists(ResolvePath(dir + "/Fonts"))) return "";
    return ResolvePath(dir);
}

namespace {
// The text of the resource file for a font file, or "" when ttfPath names no font.
std::string ResourceText(int hidden, const std::string& ttfPath, const std::string& currentPath) {
    std::string ttf = CutAtNul(ttfPath), current = CutAtNul(currentPath);
    if (ttf.empty()) return "";
    // A bare file name is looked for in the current path, as the platform's call does.
    if (!current.empty() && ttf[0] != '/' && ttf[0] != '\\') ttf = current + "/" + ttf;
    std::string real = Absolute(ResolvePath(ttf));
    if (!IsFontFile(real)) return "";
    return std::string(kResourceMagic) + "\n" + kResourceFileKey + real +
           "\nHidden=" + std::to_string(hidden) + "\n";
}
} // namespace

bool FontResourceIsFor(int hidden, const std::string& fotPath, const std::string& ttfPath,
                       const std::string& currentPath) {
    const std::string fot = ResolvePath(CutAtNul(fotPath));
    if (fot.empty() || !FileExists(fot)) return false;
    const std::string want = ResourceText(hidden, ttfPath, currentPath);
    if (want.empty()) return false;
    try {
        return ReadAllText(fot) == want;
    } catch (const RuntimeError&) {
        return false;
    }
}

int CreateScalableFontResource(int hidden, const std::string& fotPath, const std::string& ttfPath,
                               const std::string& currentPath) {
    const std::string fot = CutAtNul(fotPath);
    if (fot.empty()) return 0;
    const std::string text = ResourceText(hidden, ttfPath, currentPath);
    if (text.empty()) return 0;
    try {
        WriteAllText(fot, text);
    } catch (const RuntimeError&) {
        return 0;
    }
    return 1;
}

int AddFontResource(const std::string& fotPath) {
    std::string real = ResolvePath(CutAtNul(fotPath));
    if (!FileExists(real)) return 0;
    std::string text;
    try {
        text = ReadAllText(real);
    } catch (const RuntimeError&) {
        return 0;
    }
    std::string magic = std::string(kResourceMagic) + "\n";
    if (text.compare(0, magic.size(), magic) != 0) {
        // A font file given directly, which the platform's call also takes.
        return FontRegistry::Instance().AddFontFile(real);
    }
    size_t at = text.find(kResourceFileKey, magic.size());
    if (at == std::string::npos) return 0;
    at += std::string(kResourceFileKey).size();
    std::string file = text.substr(at, text.find('\n', at) - at);
    return FontRegistry::Instance().AddFontFile(file);
}

int ScreenFontCount() {
    return static_cast<int>(FontRegistry::Instance().Faces().size());
}

std::string ScreenFontName(int i) {
    std::vector<std::string> faces = FontRegistry::Instance().Faces();
    if (i < 0 || i >= static_cast<int>(faces.size())) Raise(errSubscript);
    return faces[static_cast<size_t>(i)];
}

void StartFontFolderViewer(const std::string& folder) {
    ViewerLog().push_back(folder);
    // Said as this system writes the folder, so that it can be opened from the line.
    std::fprintf(stderr, "forms: no font folder viewer here; not opening %s\n",
                 ResolvePath(folder).c_str());
}

const std::vector<std::string>& FontFolderViewerLog() {
    return ViewerLog();
}

} // namespace forms
