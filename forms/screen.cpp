// The virtual screen and its compositor: dirty rectangles are collected as things change and
// repainted (desktop, forms bottom to top, overlays) and presented in one go by Update.
#include "forms/screen.h"
#include "forms/application.h"
#include "forms/backend.h"
#include "forms/form.h"
#include "forms/screen_internal.h"
#include "forms/twips.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace forms {
namespace {

struct Compositor {
    bool started = false;
    Canvas canvas;
    std::vector<IRect> dirty;
    int64_t frames = 0;
    int32_t desktop = 0;
    int pointer = 0;
    PicturePtr icon;
    std::vector<std::pair<int, detail::OverlayPainter>> overlays;
    int nextOverlay = 1;
    int width = 1024, height = 768;
};
Compositor c;

// Merges overlapping rectangles; many small ones become their bounding box.
std::vector<IRect> Coalesce(std::vector<IRect> in) {
    std::vector<IRect> out;
    for (const IRect& r : in) {
        if (r.Empty()) continue;
        IRect cur = r;
        bool merged = true;
        while (merged) {
            merged = false;
            for (size_t i = 0; i < out.size(); ++i) {
                if (!out[i].Intersect(cur).Empty() || out[i].Union(cur).w * out[i].Union(cur).h <=
                                                          out[i].w * out[i].h + cur.w * cur.h) {
                    cur = out[i].Union(cur);
                    out.erase(out.begin() + static_cast<long>(i));
                    merged = true;
                    break;
                }
            }
        }
        out.push_back(cur);
    }
    if (out.size() > 16) {
        IRect all = out[0];
        for (const IRect& r : out)
            all = all.Union(r);
        out.assign(1, all);
    }
    return out;
}

void Paint(const IRect& r) {
    c.canvas.SetClip(r);
    c.canvas.FillRect(r, c.desktop);
    for (Form* f : Application::ShownForms()) {
        if (!f->ScreenRect().Intersect(r).Empty()) f->Draw(c.canvas, r);
    }
    for (auto& [id, painter] : c.overlays) {
        c.canvas.SetClip(r);
        painter(c.canvas, r);
    }
    c.canvas.ClearClip();
}

} // namespace

ScreenOptions ParseScreenArgs(int argc, char** argv, ScreenOptions o) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        std::string size;
        if (a == "--windowed") {
            o.windowed = true;
        } else if (a == "--screen" && i + 1 < argc) {
            size = argv[++i];
        } else if (a.rfind("--screen=", 0) == 0) {
            size = a.substr(9);
        }
        if (!size.empty()) {
            int w = 0, h = 0;
            char x = 0, rest = 0;
            if (std::sscanf(size.c_str(), "%d%c%d%c", &w, &x, &h, &rest) == 3 &&
                (x == 'x' || x == 'X') && w >= 320 && h >= 240 && w <= 8192 && h <= 8192) {
                o.width = w;
                o.height = h;
            } else {
                std::fprintf(stderr,
                             "forms: ignoring --screen %s (expected WxH, at least 320x240)\n",
                             size.c_str());
            }
        }
    }
    return o;
}

double Screen::TwipsPerPixelX() {
    return forms::TwipsPerPixelX();
}
double Screen::TwipsPerPixelY() {
    return forms::TwipsPerPixelY();
}
void Screen::SetTwipsPerPixel(double x, double y) {
    forms::SetTwipsPerPixel(x, y);
    InvalidateAll();
}
double Screen::Width() {
    return c.width * forms::TwipsPerPixelX();
}
double Screen::Height() {
    return c.height * forms::TwipsPerPixelY();
}
int Screen::PixelWidth() {
    return c.width;
}
int Screen::PixelHeight() {
    return c.height;
}
const Canvas& Screen::Pixels() {
    return c.canvas;
}
int32_t Screen::GetPixel(int x, int y) {
    return c.canvas.GetPixel(x, y);
}
void Screen::Invalidate(const IRect& r) {
    if (!c.started) return;
    IRect clipped = r.Intersect(IRect{0, 0, c.width, c.height});
    if (clipped.Empty()) return;
    for (const IRect& d : c.dirty)
        if (d.Intersect(clipped) == clipped) return;
    c.dirty.push_back(clipped);
    if (c.dirty.size() > 64) c.dirty = Coalesce(std::move(c.dirty));
}
void Screen::InvalidateAll() {
    if (!c.started) return;
    c.dirty.assign(1, IRect{0, 0, c.width, c.height});
}
bool Screen::Update() {
    if (!c.started || c.dirty.empty()) return false;
    std::vector<IRect> rects = Coalesce(std::move(c.dirty));
    c.dirty.clear();
    for (const IRect& r : rects)
        Paint(r);
    backend::Present(c.canvas, rects);
    ++c.frames;
    return true;
}
int64_t Screen::FrameCount() {
    return c.frames;
}
void Screen::SetDesktopColor(int32_t color) {
    c.desktop = color & 0xFFFFFF;
    InvalidateAll();
}
int Screen::CurrentMousePointer() {
    return c.pointer;
}
PicturePtr Screen::CurrentMouseIcon() {
    return c.icon;
}

namespace detail {

bool ScreenStarted() {
    return c.started;
}
void StartScreen(int width, int height) {
    c.width = width;
    c.height = height;
    c.canvas = Canvas(width, height, c.desktop);
    c.started = true;
    c.frames = 0;
    c.dirty.clear();
    Screen::InvalidateAll();
}
void StopScreen() {
    c.started = false;
    c.dirty.clear();
    c.overlays.clear();
    c.pointer = 0;
    c.icon.reset();
    forms::SetTwipsPerPixel(15, 15);
}
int AddOverlay(OverlayPainter painter) {
    int id = c.nextOverlay++;
    c.overlays.emplace_back(id, std::move(painter));
    return id;
}
void RemoveOverlay(int id) {
    std::erase_if(c.overlays, [id](const auto& p) { return p.first == id; });
}
void SetCursorShown(int pointer, PicturePtr icon) {
    c.pointer = pointer;
    c.icon = std::move(icon);
}
void PresentAll() {
    if (!c.started) return;
    backend::Present(c.canvas, {IRect{0, 0, c.width, c.height}});
}

} // namespace detail
} // namespace forms
