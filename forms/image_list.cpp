#include "forms/image_list.h"

#include "forms/errors.h"
#include "forms/files.h"

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

int ImageList::LoadFolder(const std::string& folder) {
    std::vector<PicturePtr> loaded;
    for (int n = 1;; ++n) {
        std::string found;
        for (const char* ext : {".png", ".bmp", ".jpg", ".jpeg"}) {
            std::string path = ResolvePath(folder + "/" + std::to_string(n) + ext);
            if (FileExists(path)) {
                found = path;
                break;
            }
        }
        if (found.empty()) break;
        loaded.push_back(LoadPicture(found));
    }
    pictures_.clear();
    for (PicturePtr& p : loaded)
        Add(std::move(p));
    return Count();
}

} // namespace forms
