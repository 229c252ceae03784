// The SDL side of the runtime: one window showing the virtual screen, scaled with its aspect kept,
// and the translation of SDL's events into the runtime's input events. Everything else of the
// runtime is free of SDL.
#include "forms/backend.h"
#include "forms/input.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>

namespace forms::backend {
namespace {

struct State {
    SDL_Window* window = nullptr;
    bool ownsVideo = false;
    int virtW = 1024, virtH = 768;
    Mapping map;
    std::vector<int> xmap; // scaled presentation: destination column -> source column
    std::vector<int> ymap;
    std::map<std::pair<const Picture*, int>, SDL_Cursor*> cursors;
    PicturePtr cursorKeep[8];
    int cursorKeepNext = 0;
    SDL_Cursor* current = nullptr;
};
State s;
// The event type that wakes a waiting loop (registered with the first window).
std::atomic<Uint32> wakeEvent{0};

void Remap() {
    int w = 0, h = 0;
    SDL_Surface* surf = s.window ? SDL_GetWindowSurface(s.window) : nullptr;
    if (surf) {
        w = surf->w;
        h = surf->h;
    } else if (s.window) {
        SDL_GetWindowSize(s.window, &w, &h);
    }
    s.map.windowW = w;
    s.map.windowH = h;
    if (w <= 0 || h <= 0) {
        s.map.scale = 1;
        s.map.offX = s.map.offY = 0;
        return;
    }
    double sc = std::min(static_cast<double>(w) / s.virtW, static_cast<double>(h) / s.virtH);
    if (w == s.virtW && h == s.virtH) sc = 1;
    s.map.scale = sc;
    s.map.offX = static_cast<int>((w - std::lround(s.virtW * sc)) / 2);
    s.map.offY = static_cast<int>((h - std::lround(s.virtH * sc)) / 2);
    s.xmap.assign(static_cast<size_t>(w), -1);
    s.ymap.assign(static_cast<size_t>(h), -1);
    for (int x = 0; x < w; ++x) {
        int sx = static_cast<int>(std::floor((x - s.map.offX + 0.5) / sc));
        if (sx >= 0 && sx < s.virtW) s.xmap[static_cast<size_t>(x)] = sx;
    }
    for (int y = 0; y < h; ++y) {
        int sy = static_cast<int>(std::floor((y - s.map.offY + 0.5) / sc));
        if (sy >= 0 && sy < s.virtH) s.ymap[static_cast<size_t>(y)] = sy;
    }
    // Black bars where the screen does not reach.
    if (surf) SDL_FillRect(surf, nullptr, SDL_MapRGB(surf->format, 0, 0, 0));
}

int ShiftMask(Uint16 mod) {
    int m = 0;
    if (mod & KMOD_SHIFT) m |= 1;
    if (mod & KMOD_CTRL) m |= 2;
    if (mod & KMOD_ALT) m |= 4;
    return m;
}

Uint16 ModFromMask(int shift) {
    Uint16 m = 0;
    if (shift & 1) m |= KMOD_LSHIFT;
    if (shift & 2) m |= KMOD_LCTRL;
    if (shift & 4) m |= KMOD_LALT;
    return m;
}

int ButtonFromSdl(Uint8 b) {
    switch (b) {
    case SDL_BUTTON_LEFT:
        return 1;
    case SDL_BUTTON_RIGHT:
        return 2;
    case SDL_BUTTON_MIDDLE:
        return 4;
    default:
        return 0;
    }
}

Uint8 ButtonToSdl(int b) {
    switch (b) {
    case 2:
        return SDL_BUTTON_RIGHT;
    case 4:
        return SDL_BUTTON_MIDDLE;
    default:
        return SDL_BUTTON_LEFT;
    }
}

struct KeyPair {
    SDL_Keycode sdl;
    int16_t code;
};
const KeyPair kKeys[] = {
    {SDLK_BACKSPACE, vbKeyBack},
    {SDLK_TAB, vbKeyTab},
    {SDLK_RETURN, vbKeyReturn},
    {SDLK_KP_ENTER, vbKeyReturn},
    {SDLK_LSHIFT, vbKeyShift},
    {SDLK_RSHIFT, vbKeyShift},
    {SDLK_LCTRL, vbKeyControl},
    {SDLK_RCTRL, vbKeyControl},
    {SDLK_LALT, vbKeyMenu},
    {SDLK_RALT, vbKeyMenu},
    {SDLK_ESCAPE, vbKeyEscape},
    {SDLK_SPACE, vbKeySpace},
    {SDLK_PAGEUP, vbKeyPageUp},
    {SDLK_PAGEDOWN, vbKeyPageDown},
    {SDLK_END, vbKeyEnd},
    {SDLK_HOME, vbKeyHome},
    {SDLK_LEFT, vbKeyLeft},
    {SDLK_UP, vbKeyUp},
    {SDLK_RIGHT, vbKeyRight},
    {SDLK_DOWN, vbKeyDown},
    {SDLK_INSERT, vbKeyInsert},
    {SDLK_DELETE, vbKeyDelete},
    {SDLK_PAUSE, 19},
    {SDLK_CAPSLOCK, 20},
};

int16_t KeyCodeFromSdl(SDL_Keycode k) {
    if (k >= SDLK_a && k <= SDLK_z) return static_cast<int16_t>(vbKeyA + (k - SDLK_a));
    if (k >= SDLK_0 && k <= SDLK_9) return static_cast<int16_t>(vbKey0 + (k - SDLK_0));
    if (k >= SDLK_F1 && k <= SDLK_F12) return static_cast<int16_t>(vbKeyF1 + (k - SDLK_F1));
    if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return static_cast<int16_t>(97 + (k - SDLK_KP_1));
    if (k == SDLK_KP_0) return 96;
    for (const auto& p : kKeys)
        if (p.sdl == k) return p.code;
    return 0;
}

SDL_Keycode KeyCodeToSdl(int16_t code) {
    if (code >= vbKeyA && code < vbKeyA + 26) return SDLK_a + (code - vbKeyA);
    if (code >= vbKey0 && code < vbKey0 + 10) return SDLK_0 + (code - vbKey0);
    if (code >= vbKeyF1 && code < vbKeyF1 + 12) return SDLK_F1 + (code - vbKeyF1);
    for (const auto& p : kKeys)
        if (p.code == code) return p.sdl;
    return SDLK_UNKNOWN;
}

void ToVirtual(int wx, int wy, double& vx, double& vy) {
    vx = (wx - s.map.offX) / s.map.scale;
    vy = (wy - s.map.offY) / s.map.scale;
}

void ToWindow(double vx, double vy, int& wx, int& wy) {
    wx = static_cast<int>(std::lround(vx * s.map.scale + s.map.offX));
    wy = static_cast<int>(std::lround(vy * s.map.scale + s.map.offY));
}

Uint32 WindowId() {
    return s.window ? SDL_GetWindowID(s.window) : 0;
}

} // namespace

bool Open(const ScreenOptions& o) {
    if (s.window) return true;
    s.virtW = o.width;
    s.virtH = o.height;
    // The screen is composited in software already: it goes out through the plain window
    // framebuffer (X11 shared memory). SDL's default, a GL renderer under the window surface, is
    // Mesa's software rasteriser on a machine without a GPU: threads, CPU and memory for nothing.
    // SDL_FRAMEBUFFER_ACCELERATION in the environment still wins, for a user who wants GL.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
    if (!SDL_WasInit(SDL_INIT_VIDEO)) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
            std::fprintf(stderr, "forms: cannot start the video: %s\n", SDL_GetError());
            return false;
        }
        s.ownsVideo = true;
    }
    Uint32 flags = SDL_WINDOW_SHOWN;
    int w = o.width * std::max(1, o.windowScale), h = o.height * std::max(1, o.windowScale);
    int x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED;
    if (!o.windowed) {
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
        // Created at the display's size and place, so that it covers the display even where no
        // window manager makes it full-screen.
        SDL_DisplayMode mode;
        if (SDL_GetDesktopDisplayMode(0, &mode) == 0) {
            w = mode.w;
            h = mode.h;
            x = y = 0;
        }
    }
    s.window = SDL_CreateWindow(o.title.c_str(), x, y, w, h, flags);
    if (!s.window) {
        std::fprintf(stderr, "forms: cannot open the window: %s\n", SDL_GetError());
        if (s.ownsVideo) SDL_QuitSubSystem(SDL_INIT_VIDEO);
        s.ownsVideo = false;
        return false;
    }
    if (wakeEvent.load() == 0) wakeEvent.store(SDL_RegisterEvents(1));
    Remap();
    return true;
}

void Close() {
    for (auto& [key, cur] : s.cursors)
        SDL_FreeCursor(cur);
    s.cursors.clear();
    for (auto& k : s.cursorKeep)
        k.reset();
    s.current = nullptr;
    if (s.window) SDL_DestroyWindow(s.window);
    s.window = nullptr;
    if (s.ownsVideo) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    s.ownsVideo = false;
}

bool IsOpen() {
    return s.window != nullptr;
}

Mapping CurrentMapping() {
    return s.map;
}

void Present(const Canvas& screen, const std::vector<IRect>& rects) {
    if (!s.window) return;
    SDL_Surface* surf = SDL_GetWindowSurface(s.window);
    if (!surf) return;
    std::vector<IRect> all;
    if (surf->w != s.map.windowW || surf->h != s.map.windowH) {
        // The window changed size: the bars are cleared and the whole screen goes out again.
        Remap();
        all.assign(1, IRect{0, 0, screen.Width(), screen.Height()});
    }
    const std::vector<IRect>& todo = all.empty() ? rects : all;
    const bool direct32 = surf->format->BytesPerPixel == 4 && surf->format->Rmask == 0x00FF0000 &&
                          surf->format->Gmask == 0x0000FF00 && surf->format->Bmask == 0x000000FF;
    std::vector<SDL_Rect> out;
    if (SDL_MUSTLOCK(surf)) SDL_LockSurface(surf);
    const IRect whole{0, 0, screen.Width(), screen.Height()};
    for (const IRect& r0 : todo) {
        IRect r = r0.Intersect(whole);
        if (r.Empty()) continue;
        if (s.map.scale == 1 && s.map.offX == 0 && s.map.offY == 0 && r.x + r.w <= surf->w &&
            r.y + r.h <= surf->h) {
            for (int y = r.y; y < r.y + r.h; ++y) {
                const uint32_t* src =
                    screen.Pixels() + static_cast<size_t>(y) * screen.Width() + r.x;
                uint8_t* dst = static_cast<uint8_t*>(surf->pixels) +
                               static_cast<size_t>(y) * surf->pitch +
                               static_cast<size_t>(r.x) * surf->format->BytesPerPixel;
                if (direct32)
                    std::memcpy(dst, src, static_cast<size_t>(r.w) * 4);
                else
                    SDL_ConvertPixels(r.w, 1, SDL_PIXELFORMAT_ARGB8888, src, r.w * 4,
                                      surf->format->format, dst, surf->pitch);
            }
            out.push_back(SDL_Rect{r.x, r.y, r.w, r.h});
            continue;
        }
        // Scaled: every destination pixel takes the source pixel under its centre, so rectangles
        // presented separately meet without seams.
        const double sc = s.map.scale;
        int x0 = std::max(0, s.map.offX + static_cast<int>(std::floor(r.x * sc)) - 1);
        int y0 = std::max(0, s.map.offY + static_cast<int>(std::floor(r.y * sc)) - 1);
        int x1 = std::min(surf->w, s.map.offX + static_cast<int>(std::ceil((r.x + r.w) * sc)) + 1);
        int y1 = std::min(surf->h, s.map.offY + static_cast<int>(std::ceil((r.y + r.h) * sc)) + 1);
        if (x1 <= x0 || y1 <= y0) continue;
        std::vector<uint32_t> row(static_cast<size_t>(x1 - x0));
        for (int y = y0; y < y1; ++y) {
            int sy = s.ymap[static_cast<size_t>(y)];
            if (sy < 0) continue;
            const uint32_t* src = screen.Pixels() + static_cast<size_t>(sy) * screen.Width();
            for (int x = x0; x < x1; ++x) {
                int sx = s.xmap[static_cast<size_t>(x)];
                row[static_cast<size_t>(x - x0)] = sx < 0 ? 0xFF000000u : src[sx];
            }
            uint8_t* dst = static_cast<uint8_t*>(surf->pixels) +
                           static_cast<size_t>(y) * surf->pitch +
                           static_cast<size_t>(x0) * surf->format->BytesPerPixel;
            if (direct32)
                std::memcpy(dst, row.data(), row.size() * 4);
            else
                SDL_ConvertPixels(x1 - x0, 1, SDL_PIXELFORMAT_ARGB8888, row.data(), (x1 - x0) * 4,
                                  surf->format->format, dst, surf->pitch);
        }
        out.push_back(SDL_Rect{x0, y0, x1 - x0, y1 - y0});
    }
    if (SDL_MUSTLOCK(surf)) SDL_UnlockSurface(surf);
    if (!out.empty())
        SDL_UpdateWindowSurfaceRects(s.window, out.data(), static_cast<int>(out.size()));
}

int Poll(std::vector<InputEvent>& out) {
    int n = 0;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        InputEvent ie;
        switch (e.type) {
        case SDL_MOUSEMOTION:
            ie.kind = InputEvent::MouseMove;
            ToVirtual(e.motion.x, e.motion.y, ie.x, ie.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            ie.kind = e.type == SDL_MOUSEBUTTONDOWN ? InputEvent::MouseDown : InputEvent::MouseUp;
            ie.button = ButtonFromSdl(e.button.button);
            ie.clicks = e.button.clicks;
            ToVirtual(e.button.x, e.button.y, ie.x, ie.y);
            if (ie.button == 0) continue;
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            ie.kind = e.type == SDL_KEYDOWN ? InputEvent::KeyDown : InputEvent::KeyUp;
            ie.keyCode = KeyCodeFromSdl(e.key.keysym.sym);
            ie.shift = ShiftMask(e.key.keysym.mod);
            if (ie.keyCode == 0) continue;
            break;
        case SDL_TEXTINPUT:
            ie.kind = InputEvent::Text;
            ie.text = e.text.text;
            break;
        case SDL_QUIT:
            ie.kind = InputEvent::Quit;
            break;
        case SDL_WINDOWEVENT:
            switch (e.window.event) {
            case SDL_WINDOWEVENT_RESTORED:
                ie.kind = InputEvent::WindowRestored;
                break;
            case SDL_WINDOWEVENT_MINIMIZED:
                ie.kind = InputEvent::WindowMinimized;
                break;
            case SDL_WINDOWEVENT_SIZE_CHANGED:
                Remap();
                ie.kind = InputEvent::Exposed;
                break;
            case SDL_WINDOWEVENT_EXPOSED:
                ie.kind = InputEvent::Exposed;
                break;
            default:
                continue;
            }
            break;
        default:
            continue;
        }
        out.push_back(std::move(ie));
        ++n;
    }
    return n;
}

bool HasPendingInput() {
    SDL_PumpEvents();
    SDL_Event e;
    int n = SDL_PeepEvents(&e, 1, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT) +
            SDL_PeepEvents(&e, 1, SDL_PEEKEVENT, SDL_KEYDOWN, SDL_TEXTINPUT) +
            SDL_PeepEvents(&e, 1, SDL_PEEKEVENT, SDL_MOUSEMOTION, SDL_MOUSEBUTTONUP);
    return n > 0;
}

void PostWake() {
    const Uint32 type = wakeEvent.load();
    if (type == 0 || type == static_cast<Uint32>(-1)) return;
    SDL_Event e;
    SDL_zero(e);
    e.type = type;
    SDL_PushEvent(&e);
}

bool Wait(int ms) {
    if (!s.window) {
        if (ms > 0) SDL_Delay(static_cast<Uint32>(ms));
        return false;
    }
    return SDL_WaitEventTimeout(nullptr, std::max(0, ms)) == 1;
}

void SetCursor(int pointer, const PicturePtr& icon, int hotX, int hotY) {
    if (!s.window) return;
    SDL_Cursor* want = nullptr;
    if (pointer == 99 && icon) {
        auto key = std::make_pair(icon.get(), hotX * 65536 + hotY);
        auto it = s.cursors.find(key);
        if (it != s.cursors.end()) {
            want = it->second;
        } else {
            const Canvas& px = icon->Pixels();
            SDL_Surface* surf = SDL_CreateRGBSurfaceWithFormatFrom(
                const_cast<uint32_t*>(px.Pixels()), px.Width(), px.Height(), 32, px.Width() * 4,
                SDL_PIXELFORMAT_ARGB8888);
            if (surf) {
                want = SDL_CreateColorCursor(surf, hotX, hotY);
                SDL_FreeSurface(surf);
            }
            if (want) {
                s.cursors[key] = want;
                // Keep the picture alive while its cursor is cached (keys hold its address).
                s.cursorKeep[s.cursorKeepNext++ % 8] = icon;
                if (s.cursors.size() > 64) {
                    // Many distinct icons: start the cache again (keeping the current one).
                    for (auto& [k, c] : s.cursors)
                        if (c != want && c != s.current) SDL_FreeCursor(c);
                    auto keep = s.cursors[key];
                    s.cursors.clear();
                    s.cursors[key] = keep;
                }
            }
        }
    }
    if (!want) want = SDL_GetDefaultCursor();
    if (want && want != s.current) {
        SDL_SetCursor(want);
        s.current = want;
    }
}

void Iconify(bool iconify) {
    if (!s.window) return;
    if (iconify)
        SDL_MinimizeWindow(s.window);
    else
        SDL_RestoreWindow(s.window);
}

} // namespace forms::backend

namespace forms {

namespace {
void PushMouse(Uint32 type, double x, double y, int button, int clicks) {
    using namespace backend;
    SDL_Event e;
    SDL_zero(e);
    e.type = type;
    int wx = 0, wy = 0;
    ToWindow(x, y, wx, wy);
    if (type == SDL_MOUSEMOTION) {
        e.motion.windowID = WindowId();
        e.motion.x = wx;
        e.motion.y = wy;
    } else {
        e.button.windowID = WindowId();
        e.button.button = ButtonToSdl(button);
        e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.button.clicks = static_cast<Uint8>(clicks);
        e.button.x = wx;
        e.button.y = wy;
    }
    SDL_PushEvent(&e);
}

void PushKey(Uint32 type, int16_t code, int shift) {
    using namespace backend;
    SDL_Event e;
    SDL_zero(e);
    e.type = type;
    e.key.windowID = WindowId();
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = KeyCodeToSdl(code);
    e.key.keysym.scancode = SDL_GetScancodeFromKey(e.key.keysym.sym);
    e.key.keysym.mod = ModFromMask(shift);
    SDL_PushEvent(&e);
}

void PushWindow(Uint8 event) {
    SDL_Event e;
    SDL_zero(e);
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = backend::WindowId();
    e.window.event = event;
    SDL_PushEvent(&e);
}
} // namespace

void PostMouseMove(double x, double y) {
    PushMouse(SDL_MOUSEMOTION, x, y, 0, 0);
}
void PostMouseDown(double x, double y, int button, int clicks) {
    PushMouse(SDL_MOUSEBUTTONDOWN, x, y, button, clicks);
}
void PostMouseUp(double x, double y, int button, int clicks) {
    PushMouse(SDL_MOUSEBUTTONUP, x, y, button, clicks);
}
void PostKeyDown(int16_t keyCode, int shift) {
    PushKey(SDL_KEYDOWN, keyCode, shift);
}
void PostKeyUp(int16_t keyCode, int shift) {
    PushKey(SDL_KEYUP, keyCode, shift);
}
void PostText(const char* utf8) {
    SDL_Event e;
    SDL_zero(e);
    e.type = SDL_TEXTINPUT;
    e.text.windowID = backend::WindowId();
    SDL_strlcpy(e.text.text, utf8, sizeof(e.text.text));
    SDL_PushEvent(&e);
}
void PostWindowRestored() {
    PushWindow(SDL_WINDOWEVENT_RESTORED);
}
void PostWindowMinimized() {
    PushWindow(SDL_WINDOWEVENT_MINIMIZED);
}
void PostQuit() {
    SDL_Event e;
    SDL_zero(e);
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}

} // namespace forms
