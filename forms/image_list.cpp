#include "forms/image_list.h"

#include "forms/errors.h"
#include "forms/files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace forms {

int ImageList::Add(PicturePtr picture) {
    if (!picture) Raise(errInvalidCall);
    if (width_ == 0 && height_ == 0) {
        width_ = picture->Width();
        height_ = picture->Height();
    }
    pictures_.push_back(std::move(picture));
    return Count();
}

PicturePtr ImageList::Picture(int i) const {
    if (i < 1 || i > Count()) Raise(errSubscript);
    return pictures_[static_cast<size_t>(i - 1)];
}

PicturePtr ImageList::Overlay(int base, int mark) const {
    PicturePtr b = Picture(base), m = Picture(mark);
    const Canvas& bp = b->Pixels();
    const Canvas& mp = m->Pixels();
    Canvas out(bp.Width(), bp.Height(), backColor_);
    out.BlitBlend(bp, IRect{0, 0, bp.Width(), bp.Height()}, 0, 0);
    // The mark: its mask-colour pixels let the base show; the others are drawn as they are,
    // blended where the picture itself is partly transparent.
    Canvas markPart(mp.Width(), mp.Height(), 0);
    const uint32_t key = ToPixel(maskColor_) & 0x00FFFFFFu;
    for (int y = 0; y < mp.Height(); ++y)
        for (int x = 0; x < mp.Width(); ++x) {
            uint32_t p = mp.RawPixel(x, y);
            markPart.Pixels()[static_cast<size_t>(y) * mp.Width() + x] =
                useMaskColor_ && (p & 0x00FFFFFFu) == key ? 0u : p;
        }
    out.BlitBlend(markPart, IRect{0, 0, mp.Width(), mp.Height()}, 0, 0); // stays opaque
    return MakePicture(std::move(out));
}

namespace {

// The highest n of the folder's pictures n.png, n.bmp, n.jpg, n.jpeg (any case); 0 for none.
int HighestNumber(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    int highest = 0;
    for (const auto& e : fs::directory_iterator(ResolvePath(folder), ec)) {
        const std::string stem = e.path().stem().string();
        std::string ext = e.path().extension().string();
        for (char& c : ext)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (ext != ".png" && ext != ".bmp" && ext != ".jpg" && ext != ".jpeg") continue;
        if (stem.empty() || stem.size() > 4 ||
            !std::all_of(stem.begin(), stem.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        highest = std::max(highest, std::stoi(stem));
    }
    return highest;
}

} // namespace

int ImageList::LoadFolder(const std::string& folder) {
    const int highest = HighestNumber(folder);
    std::vector<PicturePtr> loaded(static_cast<size_t>(highest));
    int w = width_, h = height_;
    for (int n = 1; n <= highest; ++n) {
        for (const char* ext : {".png", ".bmp", ".jpg", ".jpeg"}) {
            std::string path = ResolvePath(folder + "/" + std::to_string(n) + ext);
            if (!FileExists(path)) continue;
            try {
                loaded[static_cast<size_t>(n - 1)] = LoadPicture(path);
            } catch (const RuntimeError&) {
            }
            break;
        }
        const PicturePtr& p = loaded[static_cast<size_t>(n - 1)];
        if (p && w == 0 && h == 0) {
            w = p->Width();
            h = p->Height();
        }
    }
    // A picture missing or unreadable keeps its number, empty, so the others keep theirs.
    pictures_.clear();
    for (PicturePtr& p : loaded) {
        if (!p) {
            Canvas empty(std::max(w, 1), std::max(h, 1));
            std::fill(empty.Pixels(), empty.Pixels() + empty.Width() * empty.Height(), 0u);
            p = MakePicture(std::move(empty));
        }
        Add(std::move(p));
    }
    return Count();
}

} // namespace forms
