#include "forms/canvas.h"
#include "forms/errors.h"
#include "forms/files.h"
#include "forms/lang.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>
#include <mutex>

namespace forms {

namespace {

// SDL_image needs no video subsystem; its codecs are started once, on first use.
void EnsureImageCodecs() {
    static std::once_flag once;
    std::call_once(once, [] { IMG_Init(IMG_INIT_PNG | IMG_INIT_JPG); });
}

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && LCase(s.substr(s.size() - tail.size())) == tail;
}

} // namespace

PicturePtr LoadPicture(const std::string& path) {
    if (path.substr(0, path.find('\0')).empty()) return nullptr; // no file: no picture
    std::string real = ResolvePath(path);
    if (!FileExists(real)) Raise(errFileNotFound);
    EnsureImageCodecs();
    SDL_Surface* loaded = IMG_Load(real.c_str());
    if (!loaded) Raise(errInvalidPicture);
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    if (!argb) Raise(errInvalidPicture);
    Canvas c(argb->w, argb->h);
    if (SDL_LockSurface(argb) == 0) {
        for (int y = 0; y < argb->h; ++y)
            std::memcpy(c.Pixels() + static_cast<size_t>(y) * argb->w,
                        static_cast<const uint8_t*>(argb->pixels) +
                            static_cast<size_t>(y) * argb->pitch,
                        static_cast<size_t>(argb->w) * 4);
        SDL_UnlockSurface(argb);
    }
    SDL_FreeSurface(argb);
    return MakePicture(std::move(c));
}

PicturePtr MakePicture(Canvas pixels) {
    return std::make_shared<const Picture>(std::move(pixels));
}

void SavePicture(const Canvas& c, const std::string& path) {
    if (c.Width() == 0 || c.Height() == 0) Raise(errInvalidPicture);
    std::string real = ResolvePath(path);
    EnsureImageCodecs();
    SDL_Surface* s =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(c.Pixels()), c.Width(), c.Height(),
                                           32, c.Width() * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!s) Raise(errPathFileAccess);
    int rc;
    if (EndsWith(real, ".jpg") || EndsWith(real, ".jpeg"))
        rc = IMG_SaveJPG(s, real.c_str(), 90);
    else if (EndsWith(real, ".bmp"))
        rc = SDL_SaveBMP(s, real.c_str());
    else
        rc = IMG_SavePNG(s, real.c_str());
    SDL_FreeSurface(s);
    if (rc != 0) Raise(errPathFileAccess);
}

} // namespace forms
