#pragma once
// The font registry: the faces of the font files registered with it, by family name, compared
// without regard to case. "Arial" is always present (a metric-compatible free font). A face that is
// asked for and missing is drawn in "Arial". Also the equivalents of the platform's font calls.
#include <string>
#include <vector>

namespace forms {

class FontRegistry {
  public:
    static FontRegistry& Instance();
    // Registers a TrueType file; returns the number of faces it added (0 when it is no font).
    int AddFontFile(const std::string& path);
    bool HasFace(const std::string& family) const;
    // The file serving a face (Arial's for a missing one), bold chosen where a bold file exists.
    std::string FileFor(const std::string& family, bool bold) const;
    // Whether the face (Arial for a missing one) has a bold file of its own; bold text in a face
    // without one is emboldened by the renderer.
    bool HasBoldFile(const std::string& family) const;
    std::vector<std::string> Faces() const; // installed screen faces, as their files name them
    void Reset();                           // back to Arial alone, viewer log cleared (tests)

  private:
    FontRegistry();
    struct Face {
        std::string family, regular, bold;
    };
    const Face& Find(const std::string& family) const; // Arial's face for a missing one
    std::vector<Face> faces_;
};

// The Windows folder: a writable folder of the user's under the XDG data home
// ($XDG_DATA_HOME/WiseOwlet/Windows, else ~/.local/share/WiseOwlet/Windows); the environment
// variable WO_WINDOWS_DIR overrides it (tests). Created on first use; "" when none can be made.
std::string GetWindowsDirectory();
// Makes a font resource file at fotPath (a small text file of this runtime's own) that refers to
// ttfPath, looked for in currentPath when it is a bare name; returns 1, or 0 when the TrueType
// file is missing or no font or the resource cannot be written. Paths are cut at a NUL.
int CreateScalableFontResource(int hidden, const std::string& fotPath, const std::string& ttfPath,
                               const std::string& currentPath);
// True when fotPath is a font resource file that CreateScalableFontResource made for ttfPath
// (the same file, the same hidden flag), so that making it again would change nothing.
bool FontResourceIsFor(int hidden, const std::string& fotPath, const std::string& ttfPath,
                       const std::string& currentPath);
// Adds the fonts that a font resource file (or a font file given directly) refers to, for this
// run; returns how many faces were added, 0 when the file is missing or names no font.
int AddFontResource(const std::string& fotPath);
int ScreenFontCount();
std::string ScreenFontName(int i); // i from 0; error 9 outside
// Starting the font folder viewer: a logged no-op. The folders asked for are kept, in order.
void StartFontFolderViewer(const std::string& folder);
const std::vector<std::string>& FontFolderViewerLog();

} // namespace forms
