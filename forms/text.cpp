#include "forms/text.h"

#include "forms/font_engine.h"
#include "forms/font_registry.h"
#include "forms/lang.h"
#include "forms/twips.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <mutex>
#include <tuple>
#include <unordered_map>

namespace forms {

namespace {

// Sizes beyond this many pixels are drawn at it: a mistyped size must not exhaust memory.
constexpr int kMaxPixels = 3000;
// Rendered lines kept for repainting; the cache starts afresh when it grows past this.
constexpr size_t kMaxCachedLines = 512;

struct FontKey {
    std::string file;
    int pixels = 0;
    int style = 0;
    bool operator<(const FontKey& o) const {
        return std::tie(file, pixels, style) < std::tie(o.file, o.pixels, o.style);
    }
};

struct Line {
    int w = 0, h = 0;
    std::vector<uint8_t> coverage; // w x h
};

// Open fonts and rendered lines. Held for the whole run (never freed, so still reachable at exit).
struct Cache {
    std::mutex lock;
    std::map<FontKey, TTF_Font*> fonts; // nullptr: the file could not be opened
    std::unordered_map<std::string, Line> lines;
    bool warned = false;
};

Cache& TheCache() {
    static Cache* cache = new Cache;
    return *cache;
}

int PixelSize(const FontSpec& font) {
    double px = font.size * 20.0 / TwipsPerPixelY();
    if (!(px >= 1)) return 1;
    return static_cast<int>(std::lround(std::min(px, static_cast<double>(kMaxPixels))));
}

TTF_Font* OpenCached(Cache& c, const FontKey& key) {
    auto it = c.fonts.find(key);
    if (it != c.fonts.end()) return it->second;
    TTF_Font* f = TTF_OpenFont(key.file.c_str(), key.pixels);
    if (f) TTF_SetFontStyle(f, key.style);
    c.fonts[key] = f;
    return f;
}

// The font for a spec, with its cache key: the face's file at the pixel size, emboldened where the
// face has no bold file; Arial when the face's file cannot be opened. Called with the lock held.
TTF_Font* FontFor(Cache& c, const FontSpec& spec, FontKey& key) {
    if (!EnsureFontEngine()) return nullptr;
    const FontRegistry& reg = FontRegistry::Instance();
    key.pixels = PixelSize(spec);
    for (const std::string& family : {spec.name, std::string("Arial")}) {
        key.file = reg.FileFor(family, spec.bold);
        key.style = (spec.bold && !reg.HasBoldFile(family) ? TTF_STYLE_BOLD : 0) |
                    (spec.italic ? TTF_STYLE_ITALIC : 0);
        if (TTF_Font* f = OpenCached(c, key)) return f;
    }
    if (!c.warned) {
        c.warned = true;
        std::fprintf(stderr, "forms: no font file can be opened (%s); text is not drawn\n",
                     key.file.c_str());
    }
    return nullptr;
}

// Without any font file text still takes room, so that layouts stay sane.
TextSize Estimate(const FontSpec& spec, const std::string& text) {
    int px = PixelSize(spec);
    return TextSize{static_cast<int>(std::lround(px * 0.55 * text.size())),
                    static_cast<int>(std::ceil(px * 1.15))};
}

} // namespace

TextSize MeasureText(const FontSpec& font, const std::string& text) {
    Cache& c = TheCache();
    std::lock_guard<std::mutex> hold(c.lock);
    FontKey key;
    TTF_Font* f = FontFor(c, font, key);
    if (!f) return Estimate(font, text);
    TextSize size{0, TTF_FontHeight(f)};
    if (text.empty()) return size;
    std::string utf8 = Cp1252ToUtf8(text);
    if (TTF_SizeUTF8(f, utf8.c_str(), &size.w, &size.h) != 0) return Estimate(font, text);
    return size;
}

int FontLineHeight(const FontSpec& font) {
    Cache& c = TheCache();
    std::lock_guard<std::mutex> hold(c.lock);
    FontKey key;
    TTF_Font* f = FontFor(c, font, key);
    return f ? TTF_FontHeight(f) : Estimate(font, "").h;
}

void DrawText(Canvas& canvas, int x, int y, const FontSpec& font, const std::string& text,
              int32_t color) {
    if (text.empty()) return;
    Cache& c = TheCache();
    std::lock_guard<std::mutex> hold(c.lock);
    FontKey key;
    TTF_Font* f = FontFor(c, font, key);
    if (!f) return;
    std::string id = key.file + '\n' + std::to_string(key.pixels) + '\n' +
                     std::to_string(key.style) + '\n' + text;
    auto it = c.lines.find(id);
    if (it == c.lines.end()) {
        // Rendered once in white; its alpha is the coverage, blended in the colour on each draw.
        std::string utf8 = Cp1252ToUtf8(text);
        SDL_Surface* s = TTF_RenderUTF8_Blended(f, utf8.c_str(), SDL_Color{255, 255, 255, 255});
        Line line;
        if (s && SDL_LockSurface(s) == 0) {
            line.w = s->w;
            line.h = s->h;
            line.coverage.resize(static_cast<size_t>(s->w) * s->h);
            for (int row = 0; row < s->h; ++row) {
                const uint32_t* p =
                    reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(s->pixels) +
                                                      static_cast<ptrdiff_t>(row) * s->pitch);
                for (int col = 0; col < s->w; ++col)
                    line.coverage[static_cast<size_t>(row) * s->w + col] =
                        static_cast<uint8_t>(p[col] >> 24);
            }
            SDL_UnlockSurface(s);
        }
        if (s) SDL_FreeSurface(s);
        if (c.lines.size() >= kMaxCachedLines) c.lines.clear();
        it = c.lines.emplace(std::move(id), std::move(line)).first;
    }
    const Line& line = it->second;
    canvas.BlendMask(line.coverage.data(), line.w, line.h, line.w, x, y, color);
}

// Breaks at CR LF (and a lone CR or LF).
std::vector<std::string> SplitTextLines(const std::string& s) {
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < s.size(); ++i) {
        const char ch = s[i];
        if (ch == '\r' || ch == '\n') {
            if (ch == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += ch;
        }
    }
    return lines;
}

// Greedy word wrap to the width; a word wider than the width stands on its own line.
void WrapTextLine(const FontSpec& font, const std::string& line, int width,
                  std::vector<std::string>& out) {
    if (line.empty() || MeasureText(font, line).w <= width) {
        out.push_back(line);
        return;
    }
    std::string cur;
    size_t i = 0;
    while (i < line.size()) {
        size_t j = line.find(' ', i);
        std::string word = line.substr(i, j == std::string::npos ? std::string::npos : j - i);
        std::string trial = cur.empty() ? word : cur + " " + word;
        if (!cur.empty() && MeasureText(font, trial).w > width) {
            out.push_back(cur);
            cur = word;
        } else {
            cur = trial;
        }
        if (j == std::string::npos) break;
        i = j + 1;
    }
    out.push_back(cur);
}

} // namespace forms
