// Every picture of the program: the pictures of the letters and numbers, the dialog and screen
// skins, and the pictures of the image lists, in one friendly style: soft rounded shapes,
// gentle gradients and colour emoji.
#include "media/pictures.h"

#include "media/paint.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace media {

namespace fs = std::filesystem;
using forms::Canvas;

namespace {

// ---- Colours shared by pictures that sit on one another -------------------------------------

constexpr uint32_t White = Rgb(255, 255, 255);
constexpr uint32_t Ink = Rgb(60, 50, 80);
constexpr uint32_t HeadingGreen = Rgb(51, 102, 51);   // the dialogs' heading labels' back colour
constexpr uint32_t DialogBody = Rgb(255, 246, 222);   // cream body of the skinned dialogs
constexpr uint32_t AlphaPanel = Rgb(255, 228, 170);   // the alphabet menu's framed panel
constexpr uint32_t DrawRowPink = Rgb(255, 204, 204);  // the drawing buttons' holder
constexpr uint32_t PuzzlePink = Rgb(255, 202, 202);   // the puzzle panel
constexpr uint32_t TileTeal = Rgb(51, 175, 175);      // the character tiles' holder
constexpr uint32_t Felt = Rgb(46, 139, 87);           // the coin board's felt
constexpr uint32_t ClockPanel = Rgb(0, 51, 102);      // the puzzle clock's panel
constexpr uint32_t BackdropFill = Rgb(255, 236, 160); // behind the menu buttons

const fs::path* gImages = nullptr;
struct SheetItem {
    std::string name;
    Canvas pic;
};
std::vector<SheetItem>* gSheet = nullptr;

void Write(const Canvas& c, const std::string& rel) {
    fs::path p = *gImages / rel;
    fs::create_directories(p.parent_path());
    Save(c, p.string());
    if (gSheet) gSheet->push_back({rel, c});
}

Canvas Solid(int w, int h, uint32_t colour) {
    Canvas c = Transparent(w, h);
    std::fill(c.Pixels(), c.Pixels() + static_cast<size_t>(w) * h, colour | 0xFF000000u);
    return c;
}

Mask Full(int w, int h) {
    Mask m(w, h);
    std::fill(m.a.begin(), m.a.end(), 255);
    return m;
}

// Soft round blobs of light, placed by a fixed pseudo-random sequence.
void Bubbles(Canvas& c, uint32_t colour, int count, double rmin, double rmax, unsigned seed,
             const std::function<bool(double, double, double)>& allowed = nullptr) {
    uint32_t s = seed * 2654435761u + 1;
    auto rnd = [&s]() {
        s = s * 1664525u + 1013904223u;
        return (s >> 8) / double(1 << 24);
    };
    for (int i = 0; i < count; ++i) {
        double x = rnd() * c.Width(), y = rnd() * c.Height(), r = rmin + rnd() * (rmax - rmin);
        if (allowed && !allowed(x, y, r)) continue;
        Paint(c, CircleMask(c.Width(), c.Height(), x, y, r), colour);
    }
}

// A five-pointed star.
std::vector<std::pair<double, double>> StarPoints(double cx, double cy, double r, double inner) {
    std::vector<std::pair<double, double>> pts;
    for (int i = 0; i < 10; ++i) {
        double a = -M_PI / 2 + i * M_PI / 5;
        double rr = i % 2 ? r * inner : r;
        pts.emplace_back(cx + rr * std::cos(a), cy + rr * std::sin(a));
    }
    return pts;
}

// ---- Pictures of the letters and numbers -----------------------------------------------------

struct Thing {
    char32_t emoji;
    uint32_t top, bottom; // background
};

// Soft pastel backgrounds, one hue family per picture so that neighbours differ.
const uint32_t kSkyTop = Rgb(206, 236, 255), kSkyBottom = Rgb(236, 248, 255);
const std::vector<std::pair<uint32_t, uint32_t>> kBackgrounds = {
    {Rgb(255, 226, 226), Rgb(255, 244, 236)}, // rose
    {Rgb(214, 236, 255), Rgb(238, 248, 255)}, // sky
    {Rgb(222, 246, 214), Rgb(244, 252, 236)}, // meadow
    {Rgb(255, 240, 204), Rgb(255, 250, 232)}, // sun
    {Rgb(236, 226, 255), Rgb(248, 242, 255)}, // lilac
    {Rgb(210, 244, 240), Rgb(238, 252, 248)}, // mint
};

Canvas PictureBackground(int w, int h, int index) {
    auto [top, bottom] = kBackgrounds[index % kBackgrounds.size()];
    Canvas c = Solid(w, h, top);
    PaintVGradient(c, Full(w, h), top, bottom, 0, h);
    // A gentle glow behind the subject and a few bubbles of light.
    Paint(c, EllipseMask(w, h, w * 0.66, h * 0.58, w * 0.36, h * 0.42), Rgb(255, 255, 255, 110));
    Bubbles(c, Rgb(255, 255, 255, 70), 9, 4, 11, 31 + index);
    // A soft ground line under the subject.
    Paint(c, EllipseMask(w, h, w * 0.66, h * 0.93, w * 0.3, h * 0.05), Rgb(0, 0, 0, 22));
    return c;
}

// Eggs in a nest: the emoji egg is brown and reads as a potato when there are several.
void DrawEggs(Canvas& c, double cx, double cy) {
    const int w = c.Width(), h = c.Height();
    auto egg = [&](double ex, double ey, double rx, double ry, double tilt) {
        std::vector<std::pair<double, double>> pts;
        for (int k = 0; k < 72; ++k) {
            double t = k * 2 * M_PI / 72;
            double x = rx * std::sin(t) * (1 - 0.16 * std::cos(t)), y = -ry * std::cos(t);
            pts.emplace_back(ex + x * std::cos(tilt) - y * std::sin(tilt),
                             ey + x * std::sin(tilt) + y * std::cos(tilt));
        }
        Mask m = PolygonMask(w, h, pts);
        Shadow(c, m, 2, 3, 3, 60);
        PaintRadial(c, m, Rgb(255, 254, 248), Rgb(232, 216, 190), ex - rx * 0.4, ey - ry * 0.45,
                    ry * 1.6);
    };
    // The back of the nest, the eggs, then the front of the nest over their lower halves.
    Paint(c, EllipseMask(w, h, cx, cy + 30, 70, 22), Rgb(120, 78, 40));
    egg(cx - 30, cy, 21, 29, -0.25);
    egg(cx + 30, cy, 21, 29, 0.25);
    egg(cx, cy - 10, 22, 31, 0);
    Mask front = EllipseMask(w, h, cx, cy + 40, 74, 24);
    front.Subtract(EllipseMask(w, h, cx, cy + 18, 62, 14));
    PaintVGradient(c, front, Rgb(176, 120, 62), Rgb(120, 76, 38), static_cast<int>(cy + 16),
                   static_cast<int>(cy + 64));
    for (int k = 0; k < 9; ++k) {
        double x = cx - 60 + k * 15;
        Paint(c, LineMask(w, h, x, cy + 36 + (k % 2) * 6, x + 22, cy + 44 - (k % 3) * 4, 2.2),
              Rgb(96, 60, 28, 200));
    }
}

// A blue jug with white spots, a spout and a handle.
void DrawJug(Canvas& c, double cx, double top) {
    const int w = c.Width(), h = c.Height();
    const uint32_t blue = Rgb(66, 134, 224), dark = Rgb(34, 80, 160);
    // The handle first, behind the body.
    Mask handle(w, h);
    const std::vector<std::pair<double, double>> hp = {{24, 18}, {48, 16}, {62, 34},
                                                       {60, 58}, {44, 78}, {30, 86}};
    for (size_t i = 0; i + 1 < hp.size(); ++i)
        handle.Add(LineMask(w, h, cx + hp[i].first, top + hp[i].second, cx + hp[i + 1].first,
                            top + hp[i + 1].second, 13));
    Shadow(c, handle, 2, 3, 3, 50);
    Paint(c, handle, dark);
    Mask handleIn(w, h);
    for (size_t i = 0; i + 1 < hp.size(); ++i)
        handleIn.Add(LineMask(w, h, cx + hp[i].first, top + hp[i].second, cx + hp[i + 1].first,
                              top + hp[i + 1].second, 7));
    Paint(c, handleIn, blue);
    // The body: a profile with a narrow neck, a round belly and a flat foot; the spout on the left.
    const double prof[][2] = {{0, 30},  {8, 27},   {22, 27},  {40, 38}, {62, 45},
                              {84, 42}, {104, 36}, {116, 33}, {120, 30}};
    std::vector<std::pair<double, double>> body;
    for (const auto& p : prof)
        body.emplace_back(cx + p[1], top + p[0]);
    for (int i = static_cast<int>(std::size(prof)) - 1; i >= 0; --i)
        body.emplace_back(cx - prof[i][1], top + prof[i][0]);
    body.insert(body.end() - 1, {cx - 44, top - 10});
    Mask m = PolygonMask(w, h, body);
    Shadow(c, m, 2, 3, 3, 60);
    PaintRadial(c, m, Shade(blue, 1.3), blue, cx - 18, top + 40, 70);
    // White spots, a dark rim and a shine.
    Mask spots(w, h);
    const double sp[][2] = {{-22, 50}, {6, 44},   {30, 60},  {-10, 76}, {18, 88},
                            {-30, 92}, {-2, 104}, {28, 100}, {-18, 30}, {14, 22}};
    for (const auto& p : sp)
        spots.Add(CircleMask(w, h, cx + p[0], top + p[1], 5.5));
    spots.Intersect(m);
    Paint(c, spots, Rgb(255, 255, 255, 235));
    Paint(c, EllipseMask(w, h, cx + 1, top + 1, 30, 5), dark);
    Paint(c, EllipseMask(w, h, cx + 1, top + 1, 26, 3), Rgb(220, 236, 255));
    Mask shine = EllipseMask(w, h, cx - 26, top + 62, 6, 20);
    shine.Intersect(m);
    Paint(c, shine, Rgb(255, 255, 255, 90));
}

void LetterPicture(char letter,
                   const std::vector<std::tuple<char32_t, double, double, double>>& parts,
                   int index) {
    const int w = 260, h = 175;
    Canvas c = PictureBackground(w, h, index);
    const bool floats = letter == 'B' || letter == 'Y';
    // The subject stands right of centre and low, so the top-left corner stays free for the
    // big letter written over the picture.
    if (floats) {
        // Boats float on a little sea.
        std::vector<std::pair<double, double>> sea;
        for (int x = 66; x <= 260; x += 2)
            sea.emplace_back(x, 150 + 3.5 * std::sin(x / 9.0));
        sea.emplace_back(260, 175);
        sea.emplace_back(66, 175);
        Mask water = PolygonMask(w, h, sea);
        water.Intersect(EllipseMask(w, h, 171, 175, 110, 34));
        PaintVGradient(c, water, Rgb(110, 190, 240, 220), Rgb(60, 140, 220, 240), 146, 175);
        for (int k = 0; k < 4; ++k)
            Paint(
                c,
                LineMask(w, h, 108 + k * 34, 160 + (k % 2) * 5, 124 + k * 34, 160 + (k % 2) * 5, 2),
                Rgb(255, 255, 255, 150));
    }
    for (auto [cp, dx, dy, size] : parts)
        DrawEmoji(c, cp, w * 0.66 + dx, h * 0.55 + dy, size);
    if (floats) {
        Mask ripple(w, h);
        for (int x = 98; x < 244; x += 2)
            ripple.Add(LineMask(w, h, x, 158 + 2.5 * std::sin(x / 7.0), x + 2,
                                158 + 2.5 * std::sin((x + 2) / 7.0), 3));
        Paint(c, ripple, Rgb(90, 170, 235, 200));
    }
    if (letter == 'E')
        DrawEggs(c, w * 0.66, h * 0.5);
    else if (letter == 'J')
        DrawJug(c, w * 0.64, h * 0.14);
    Write(c, std::string(1, letter) + ".jpg");
}

void LetterPictures() {
    const double big = 132;
    struct L {
        char ch;
        std::vector<std::tuple<char32_t, double, double, double>> parts;
    };
    const std::vector<L> letters = {
        {'A', {{0x1F34E, 0, 0, big}}},                         // apple
        {'B', {{0x26F5, 0, 0, big}}},                          // sailing boat
        {'C', {{0x1F404, 0, 4, 140}}},                         // cow
        {'D', {{0x1F415, 0, 4, 140}}},                         // dog
        {'E', {}},                                             // eggs, drawn
        {'F', {{0x1F438, 0, 0, big}}},                         // frog
        {'G', {{0x1F3B8, 0, 0, big}}},                         // guitar
        {'H', {{0x1F40E, 0, 2, 140}}},                         // horse
        {'I', {{0x1F41E, 0, 0, 124}}},                         // ladybird
        {'J', {}},                                             // jug, drawn
        {'K', {{0x1FA81, 0, -4, big}}},                        // kite
        {'L', {{0x1F981, 0, 0, big}}},                         // lion
        {'M', {{0x1F42D, 0, 0, 124}}},                         // mouse
        {'N', {{0x1F95C, -26, 8, 96}, {0x1F330, 36, 14, 80}}}, // nuts
        {'O', {{0x1F34A, 0, 0, big}}},                         // orange
        {'P', {{0x1F99C, 0, 0, big}}},                         // parrot
        {'Q', {{0x1FAB6, 0, 0, big}}},                         // quill
        {'R', {{0x1F407, 0, 2, 140}}},                         // rabbit
        {'S', {{0x1F411, 0, 2, 140}}},                         // sheep
        {'T', {{0x1F9F8, 0, 0, big}}},                         // teddy
        {'U', {{0x2602, 0, 0, big}}},                          // umbrella
        {'V', {{0x1F3BB, 0, 0, big}}},                         // violin
        {'W', {{0x231A, 0, 0, 124}}},                          // watch
        {'X', {{0x1F4E6, 0, 0, 124}}},                         // box
        {'Y', {{0x1F6E5, 0, 0, 140}}},                         // motor yacht
        {'Z', {{0x1F993, 0, 2, 140}}},                         // zebra
    };
    for (size_t i = 0; i < letters.size(); ++i)
        LetterPicture(letters[i].ch, letters[i].parts, static_cast<int>(i));
}

void NumberPictures() {
    // The things counted, matching the spoken sentences.
    const char32_t things[10] = {0x1F989, 0x1F986, 0x1F41F, 0x1F388, 0x1F33C,
                                 0x1F98B, 0x2B50,  0x1F353, 0x26BD,  0x1F697};
    const std::vector<std::vector<int>> rows = {{1},    {2},    {3},    {2, 2}, {3, 2},
                                                {3, 3}, {4, 3}, {4, 4}, {5, 4}, {5, 5}};
    const int w = 260, h = 175;
    for (int n = 1; n <= 10; ++n) {
        auto [top, bottom] = kBackgrounds[(n + 2) % kBackgrounds.size()];
        Canvas c = Solid(w, h, top);
        PaintVGradient(c, Full(w, h), top, bottom, 0, h);
        Bubbles(c, Rgb(255, 255, 255, 70), 8, 4, 10, 101 + n);
        const auto& r = rows[n - 1];
        int cols = *std::max_element(r.begin(), r.end());
        double cw = (w - 16.0) / cols, ch = (h - 14.0) / r.size();
        double size = std::min({cw * 0.84, ch * 0.84, 118.0});
        for (size_t row = 0; row < r.size(); ++row) {
            double cy = 7 + ch * (row + 0.5);
            double rowWidth = cw * r[row];
            for (int k = 0; k < r[row]; ++k) {
                double cx = (w - rowWidth) / 2 + cw * (k + 0.5);
                // A soft white plate under each thing makes each one a separate, countable spot.
                Paint(c, CircleMask(w, h, cx, cy, size * 0.56), Rgb(255, 255, 255, 150));
                DrawEmoji(c, things[n - 1], cx, cy, size);
            }
        }
        Write(c, std::to_string(n) + ".jpg");
    }
}

// ---- Skins ----------------------------------------------------------------------------------

// A dialog: a dark green heading band with a soft shine, a cream body, a rounded frame.
Canvas DialogSkin(int w, int h, int band = 40) {
    Canvas c = Solid(w, h, DialogBody);
    Bubbles(c, Rgb(255, 214, 150, 60), 14, 6, 16, 7,
            [band](double, double y, double r) { return y - r > band + 4; });
    Mask bandMask = RoundRectMask(w, h, 0, 0, w, band, 0);
    PaintVGradient(c, bandMask, Shade(HeadingGreen, 1.25), HeadingGreen, 0, band);
    Paint(c, RoundRectMask(w, h, 0, band, w, 3, 0), Rgb(255, 204, 51));
    // The frame.
    Mask frame = RoundRectMask(w, h, 0, 0, w, h, 0);
    frame.Subtract(RoundRectMask(w, h, 3, 3, w - 6, h - 6, 10));
    Paint(c, frame, Shade(HeadingGreen, 0.8));
    return c;
}

void Skins() {
    // The alphabet menu: a framed panel holds the four tiles.
    {
        Canvas c = DialogSkin(340, 369);
        Mask panel = RoundRectMask(340, 369, 34, 65, 272, 272, 22);
        Shadow(c, panel, 2, 3, 3, 60);
        Paint(c, panel, AlphaPanel);
        Write(c, "App/DialogAlphaSkin.Jpg");
    }
    // The level menu: a staircase, one step per level, rising to the right. Each coloured step
    // is exactly the area that chooses its level (the menu's clickable label, its size in twips
    // at 15 twips a pixel, standing on the level's number), so that any point of a step answers;
    // the number sits below it on a pale plate.
    {
        Canvas c = DialogSkin(340, 369);
        struct Step {
            double numberLeft, numberTop, numberW; // pixels
            double areaW, areaH;                   // twips
            uint32_t colour;
        };
        const Step steps[3] = {{70, 305, 300.0 / 15, 660, 1140, Rgb(60, 170, 60)},
                               {152, 256, 492.0 / 15, 444, 1716, Rgb(245, 150, 40)},
                               {238, 208, 564.0 / 15, 564, 1644, Rgb(225, 80, 80)}};
        const double numberH = 348.0 / 15;
        for (const Step& st : steps) {
            const double centre = st.numberLeft + st.numberW / 2;
            const double w = st.areaW / 15, h = st.areaH / 15;
            const double x = centre - w / 2, y = st.numberTop - h;
            Mask step = RoundRectMask(340, 369, x + 1, y + 1, w - 2, h - 2, 6);
            Shadow(c, step, 2, 3, 3, 60);
            PaintVGradient(c, step, Shade(st.colour, 1.2), st.colour, static_cast<int>(y),
                           static_cast<int>(y + h));
            Paint(c, RoundRectMask(340, 369, x + 4, y + 6, w - 8, 5, 2), Rgb(255, 255, 255, 60));
            const double plateW = std::max(w, st.numberW + 8);
            Paint(
                c,
                RoundRectMask(340, 369, centre - plateW / 2, st.numberTop + 1, plateW, numberH, 5),
                Rgb(255, 255, 255, 170));
        }
        Write(c, "App/DialogLvlSkin.Jpg");
    }
    // The lesson menu: two soft panels behind the two buttons.
    {
        Canvas c = DialogSkin(340, 369);
        for (int top : {82, 228}) {
            Mask p = RoundRectMask(340, 369, 82 - 24, top - 24, 165 + 48, 90 + 48, 20);
            Paint(c, p, Rgb(255, 232, 190));
        }
        Write(c, "App/DialogLsnSkin.Jpg");
    }
    // The music menu: notes around the six buttons, a panel for the volume.
    {
        Canvas c = DialogSkin(340, 369);
        Mask p = RoundRectMask(340, 369, 14, 276, 310, 80, 12);
        Paint(c, p, Rgb(255, 232, 190));
        DrawEmoji(c, 0x1F3B6, 22, 58, 18, 200);
        DrawEmoji(c, 0x1F3B5, 318, 58, 18, 200);
        Write(c, "App/DialogMusSkin.Jpg");
    }
    // The completion dialog: stars and a trophy under the message.
    {
        Canvas c = DialogSkin(343, 369);
        const std::vector<std::tuple<double, double, double, uint32_t>> stars = {
            {40, 80, 14, Rgb(255, 200, 40)},   {300, 95, 10, Rgb(255, 120, 160)},
            {60, 300, 12, Rgb(120, 180, 255)}, {290, 300, 14, Rgb(255, 200, 40)},
            {30, 200, 9, Rgb(255, 120, 160)},  {315, 220, 9, Rgb(120, 200, 120)},
            {150, 90, 8, Rgb(120, 180, 255)},  {200, 70, 11, Rgb(255, 160, 60)}};
        for (auto [x, y, r, col] : stars)
            Paint(c, PolygonMask(343, 369, StarPoints(x, y, r, 0.45)), col);
        DrawEmoji(c, 0x1F3C6, 171, 300, 88);
        Write(c, "App/ComplSkin.Jpg");
    }
    // The password dialog: a lock where the lock label is.
    {
        Canvas c = DialogSkin(340, 149, 40);
        Mask plate = RoundRectMask(340, 149, 248, 56, 69, 71, 14);
        Paint(c, plate, Rgb(255, 228, 170));
        DrawEmoji(c, 0x1F512, 248 + 34.5, 56 + 35.5, 58);
        Write(c, "App/PWSkin.Jpg");
    }
}

// The main window's background: the top band (behind the word and the menu row) is the same
// on both screens, so the menu backdrop fits both.
uint32_t ScreenTop(int y) {
    return Mix(Rgb(190, 228, 255), Rgb(232, 246, 255), std::min(1.0, y / 76.0));
}

Canvas ScreenSkin(uint32_t lowTop, uint32_t lowBottom, unsigned seed) {
    const int w = 616, h = 458;
    Canvas c = Solid(w, h, lowTop);
    for (int y = 0; y < h; ++y) {
        uint32_t col = y < 76 ? ScreenTop(y) : Mix(lowTop, lowBottom, (y - 76) / double(h - 76));
        for (int x = 0; x < w; ++x)
            c.Pixels()[static_cast<size_t>(y) * w + x] = col;
    }
    // Clouds in the band left of the menus, soft dots below.
    auto cloud = [&](double x, double y, double s) {
        Mask m = EllipseMask(w, h, x, y, 26 * s, 10 * s);
        m.Add(CircleMask(w, h, x - 9 * s, y - 6 * s, 11 * s));
        m.Add(CircleMask(w, h, x + 8 * s, y - 8 * s, 13 * s));
        Paint(c, m, Rgb(255, 255, 255, 200));
    };
    cloud(70, 40, 1.0);
    cloud(250, 28, 0.8);
    Bubbles(c, Rgb(255, 255, 255, 60), 40, 4, 12, seed,
            [](double, double y, double r) { return y - r > 80; });
    return c;
}

void ScreenSkins() {
    Write(ScreenSkin(Rgb(255, 232, 214), Rgb(255, 214, 200), 3), "App/TrcSkin.jpg");
    Write(ScreenSkin(Rgb(226, 244, 214), Rgb(204, 232, 196), 5), "App/PuzSkin.jpg");

    // The coin board: a wooden frame round green felt, a hollow under every coin.
    const int w = 470, h = 296;
    Canvas c = Solid(w, h, Rgb(176, 112, 58));
    PaintVGradient(c, Full(w, h), Rgb(196, 132, 72), Rgb(150, 92, 46), 0, h);
    Mask felt = RoundRectMask(w, h, 14, 14, w - 28, h - 28, 16);
    Shadow(c, felt, -1, -2, 2, 90);
    Paint(c, felt, Felt);
    for (int r = 0; r < 4; ++r)
        for (int col = 0; col < 7; ++col)
            Paint(c, CircleMask(w, h, 32 + col * 58 + 29, 32 + r * 58 + 30, 26), Rgb(0, 0, 0, 35));
    Write(c, "App/PuzBG.Jpg");

    // The alphabet menu's tile: a blue rounded square on the panel colour.
    Canvas t = Solid(100, 100, AlphaPanel);
    Mask tile = RoundRectMask(100, 100, 4, 4, 92, 92, 20);
    Shadow(t, tile, 1, 2, 2, 70);
    PaintVGradient(t, tile, Rgb(120, 178, 255), Rgb(50, 100, 200), 4, 96);
    Mask shine = RoundRectMask(100, 100, 12, 9, 76, 34, 14);
    Paint(t, shine, Rgb(255, 255, 255, 50));
    Write(t, "App/DialogAlphaButton.Bmp");
}

// ---- Buttons of the image lists ---------------------------------------------------------------

enum class State { Normal, Hot, Pressed, Off };

// A round-cornered button face with its glyph: hot glows yellow, pressed sinks, off is grey.
Canvas ButtonFace(int w, int h, uint32_t around, uint32_t colour, double radius, State st,
                  const std::function<void(Canvas&, double dx, double dy)>& glyph, int inset = 1) {
    Canvas c = Solid(w, h, around);
    double sink = st == State::Pressed ? 1 : 0;
    Mask face = RoundRectMask(w, h, inset, inset, w - 2 * inset, h - 2 * inset - 1, radius);
    if (st != State::Pressed) Shadow(c, face, 0, 1, 1, 80);
    uint32_t col = st == State::Hot       ? Rgb(255, 214, 64)
                   : st == State::Pressed ? Shade(colour, 0.8)
                                          : colour;
    PaintVGradient(c, face, Shade(col, 1.35), col, inset, h - inset);
    Mask rim = face;
    rim.Subtract(RoundRectMask(w, h, inset + 1.5, inset + 1.5, w - 2 * inset - 3, h - 2 * inset - 4,
                               radius - 1.5));
    Paint(c, rim, Shade(col, 0.7));
    if (st == State::Hot) {
        Mask glow = face;
        glow.Subtract(RoundRectMask(w, h, inset + 2.5, inset + 2.5, w - 2 * inset - 5,
                                    h - 2 * inset - 6, radius - 2.5));
        Paint(c, glow, Rgb(255, 255, 255, 170));
    }
    Canvas g = Transparent(w, h);
    glyph(g, sink, sink);
    if (st == State::Off) {
        c = Greyscale(c, 0.35);
        g = Greyscale(g, 0.3);
    }
    Compose(c, g, 0, 0);
    return c;
}

void MenuButtons() {
    // options, lessons, music, level, alphabet type
    const char32_t icons[5] = {0x2699, 0x1F4DA, 0x1F3B5, 0x1FA9C, 0x1F524};
    const uint32_t colours[5] = {Rgb(240, 110, 100), Rgb(110, 190, 110), Rgb(185, 140, 240),
                                 Rgb(90, 195, 200), Rgb(90, 150, 240)};
    const State states[4] = {State::Normal, State::Hot, State::Pressed, State::Off};
    for (int s = 0; s < 4; ++s)
        for (int i = 0; i < 5; ++i) {
            Canvas c = ButtonFace(
                35, 35, BackdropFill, colours[i], 10, states[s],
                [&](Canvas& g, double dx, double dy) {
                    if (i == 3) {
                        // The level: three steps rising, as in the level menu.
                        const uint32_t steps[3] = {Rgb(110, 190, 110), Rgb(245, 160, 60),
                                                   Rgb(230, 105, 105)};
                        const double sz = states[s] == State::Pressed ? 0.92 : 1.0;
                        for (int k = 0; k < 3; ++k) {
                            double x = 17.5 + dx + (-11 + k * 7.5) * sz,
                                   top = 17 + dy + (5 - k * 6) * sz;
                            Mask m = RoundRectMask(35, 35, x - 3, top, 7 * sz, 27 + dy - top, 1.5);
                            Paint(g, m.Shifted(0, 1), Rgb(0, 0, 0, 60));
                            Paint(g, m, steps[k]);
                            Paint(g, RoundRectMask(35, 35, x - 3, top, 7 * sz, 1.5, 0.5),
                                  Rgb(255, 255, 255, 140));
                        }
                        return;
                    }
                    if (i == 4) {
                        // The alphabet type: a capital and a small letter.
                        Mask t = TextMask(35, 35, "Aa", 17.5 + dx, 17 + dy, 17);
                        Paint(g, t.Shifted(0, 1), Rgb(0, 0, 0, 90));
                        Paint(g, t, states[s] == State::Hot ? Rgb(200, 40, 40) : White);
                        return;
                    }
                    DrawEmoji(g, icons[i], 17.5 + dx, 17 + dy,
                              states[s] == State::Pressed ? 21 : 23);
                });
            Write(c, "App/Lists/WOImgLst_Menu/" + std::to_string(s * 5 + i + 1) + ".png");
        }
}

// An arrow polygon pointing right (dir 1) or left (dir -1), centred on (cx, cy).
std::vector<std::pair<double, double>> ArrowPoints(double cx, double cy, double len, double thick,
                                                   double head, int dir) {
    std::vector<std::pair<double, double>> p = {
        {-len / 2, -thick / 2}, {len / 2 - head, -thick / 2}, {len / 2 - head, -head * 0.9},
        {len / 2, 0},           {len / 2 - head, head * 0.9}, {len / 2 - head, thick / 2},
        {-len / 2, thick / 2}};
    for (auto& [x, y] : p) {
        x = cx + dir * x;
        y = cy + y;
    }
    return p;
}

Canvas DrawingButton(int i, State st) {
    const uint32_t colours[4] = {Rgb(80, 180, 90), Rgb(80, 150, 235), Rgb(250, 150, 50),
                                 Rgb(170, 110, 220)};
    return ButtonFace(
        65, 27, DrawRowPink, colours[i], 12, st,
        [&](Canvas& g, double dx, double dy) {
            const int w = 65, h = 27;
            auto glyphShadow = [&](const Mask& m) {
                Paint(g, m.Shifted(0, 1), Rgb(0, 0, 0, 70));
                Paint(g, m, st == State::Hot ? Rgb(40, 90, 170) : White);
            };
            if (i == 0)
                glyphShadow(PolygonMask(w, h, ArrowPoints(32.5 + dx, 13 + dy, 30, 7, 11, 1)));
            else if (i == 1)
                glyphShadow(PolygonMask(w, h, ArrowPoints(32.5 + dx, 13 + dy, 30, 7, 11, -1)));
            else if (i == 2) {
                // One step: a pencil and a dotted line.
                for (int k = 0; k < 3; ++k)
                    glyphShadow(CircleMask(w, h, 12 + k * 7 + dx, 17 + dy, 2.2));
                DrawEmoji(g, 0x270F, 44 + dx, 13 + dy, 20);
            } else {
                // The whole letter: a writing hand.
                DrawEmoji(g, 0x270D, 32.5 + dx, 13 + dy, 22);
            }
        },
        1);
}

void DrawingButtons() {
    const State states[3] = {State::Normal, State::Hot, State::Pressed};
    for (int s = 0; s < 3; ++s)
        for (int i = 0; i < 4; ++i)
            Write(DrawingButton(i, states[s]),
                  "App/Lists/TRCImgLst_SubMenu/" + std::to_string(s * 4 + i + 1) + ".png");

    // The backdrop behind the menu row, on the screens' top band.
    const int w = 230, h = 49;
    Canvas b = Solid(w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.Pixels()[static_cast<size_t>(y) * w + x] = ScreenTop(y + 2);
    Mask bar = RoundRectMask(w, h, 1, 1, w - 2, h - 3, 16);
    Shadow(b, bar, 0, 2, 2, 60);
    Paint(b, bar, BackdropFill);
    Mask rim = bar;
    rim.Subtract(RoundRectMask(w, h, 3, 3, w - 6, h - 7, 14));
    Paint(b, rim, Rgb(240, 190, 80));
    Write(b, "App/FrmMain_TRCImg_SMBackDrop.png");

    // The options dialog's picture of the four drawing buttons, one under the other.
    Canvas all = Solid(65, 4 * 27, DrawRowPink);
    for (int i = 0; i < 4; ++i)
        Compose(all, DrawingButton(i, State::Normal), 0, i * 27);
    Write(all, "App/FrmOptions_SMnu_Img.png");
}

void MusicButtons() {
    // drum, saxophone, guitar, Caribbean (steel) drums, trumpet, banjo
    const char32_t icons[6] = {0x1F941, 0x1F3B7, 0x1F3B8, 0x1FA98, 0x1F3BA, 0x1FA95};
    const uint32_t colours[6] = {Rgb(255, 200, 200), Rgb(255, 226, 160), Rgb(200, 232, 255),
                                 Rgb(190, 240, 200), Rgb(236, 214, 255), Rgb(255, 214, 236)};
    for (int hot = 0; hot < 2; ++hot)
        for (int i = 0; i < 6; ++i) {
            Canvas c = ButtonFace(
                86, 86, DialogBody, colours[i], 20, hot ? State::Hot : State::Normal,
                [&](Canvas& g, double, double) {
                    if (i == 3) {
                        // Caribbean drums: a drum with palm leaves.
                        DrawEmoji(g, 0x1F334, 58, 30, 34, 230);
                        DrawEmoji(g, icons[i], 38, 48, 52);
                    } else {
                        DrawEmoji(g, icons[i], 43, 42, 60);
                    }
                },
                3);
            Write(c,
                  "App/Lists/AT_ImgLst_MusicButtons/" + std::to_string(hot * 6 + i + 1) + ".png");
        }
}

void LessonButtons() {
    const int w = 165, h = 90;
    // Tracing: a dotted letter with a pencil.
    {
        Canvas c = ButtonFace(
            w, h, Rgb(255, 232, 190), Rgb(255, 250, 200), 18, State::Normal,
            [&](Canvas& g, double, double) {
                const std::vector<std::pair<double, double>> a = {{30, 72}, {50, 18}, {70, 72}};
                for (int s = 0; s < 2; ++s)
                    for (int k = 0; k <= 8; ++k) {
                        double t = k / 8.0;
                        double x = a[s].first + (a[s + 1].first - a[s].first) * t;
                        double y = a[s].second + (a[s + 1].second - a[s].second) * t;
                        Paint(g, CircleMask(w, h, x, y, 3.2), Rgb(220, 60, 60));
                    }
                for (int k = 0; k <= 4; ++k)
                    Paint(g, CircleMask(w, h, 39 + k * 5.5, 52, 3.2), Rgb(220, 60, 60));
                DrawEmoji(g, 0x270F, 118, 45, 62);
            },
            3);
        Write(c, "App/FrmMenuLessons_Img_Button_0.png");
    }
    // Puzzle: a puzzle piece beside three coins.
    {
        Canvas c = ButtonFace(
            w, h, Rgb(255, 232, 190), Rgb(210, 240, 210), 18, State::Normal,
            [&](Canvas& g, double, double) {
                const char* letters[3] = {"A", "B", "C"};
                for (int k = 0; k < 3; ++k) {
                    double cx = 30 + k * 26, cy = 45 + (k == 1 ? -10 : 8);
                    Paint(g, CircleMask(w, h, cx, cy + 1.5, 13), Rgb(0, 0, 0, 60));
                    PaintRadial(g, CircleMask(w, h, cx, cy, 13), Rgb(255, 140, 120),
                                Rgb(200, 60, 50), cx - 4, cy - 4, 16);
                    Paint(g, TextMask(w, h, letters[k], cx, cy, 14), White);
                }
                DrawEmoji(g, 0x1F9E9, 124, 45, 60);
            },
            3);
        Write(c, "App/FrmMenuLessons_Img_Button_1.png");
    }
}

uint32_t PaletteColour(int i) {
    static const int rgb[40][3] = {
        {102, 0, 0},     {153, 0, 0},     {204, 0, 0},     {255, 0, 0},     {0, 102, 0},
        {0, 153, 0},     {0, 204, 0},     {0, 255, 0},     {0, 0, 102},     {0, 0, 153},
        {0, 0, 204},     {0, 0, 255},     {102, 102, 0},   {153, 153, 0},   {204, 204, 0},
        {255, 255, 0},   {102, 0, 102},   {153, 0, 153},   {204, 0, 204},   {255, 0, 255},
        {0, 102, 102},   {0, 153, 153},   {0, 204, 204},   {0, 255, 255},   {0, 0, 0},
        {102, 102, 102}, {225, 225, 225}, {255, 255, 255}, {255, 102, 0},   {255, 153, 0},
        {255, 153, 153}, {255, 0, 102},   {255, 0, 204},   {255, 102, 204}, {0, 102, 255},
        {0, 153, 255},   {102, 153, 255}, {102, 204, 102}, {153, 255, 153}, {0, 0, 0}};
    return Rgb(rgb[i][0], rgb[i][1], rgb[i][2]);
}

// A mark drawn on pure red, which the overlay leaves out: every pixel is either exactly red or a
// colour of the mark (no blend with red at the edges).
Canvas MarkOnRed(const std::function<void(Canvas&)>& draw) {
    Canvas m = Transparent(35, 35);
    draw(m);
    Canvas out = Solid(35, 35, Rgb(255, 0, 0));
    for (int i = 0; i < 35 * 35; ++i) {
        uint32_t p = m.Pixels()[i];
        if ((p >> 24) >= 128) {
            uint32_t opaque = p | 0xFF000000u;
            if ((opaque & 0xFFFFFF) == 0xFF0000) opaque = Rgb(254, 0, 0);
            out.Pixels()[i] = opaque;
        }
    }
    return out;
}

void Swatches() {
    for (int i = 0; i < 40; ++i) {
        uint32_t col = PaletteColour(i);
        Canvas c = Solid(35, 35, Shade(col, 0.75));
        Mask inner = RoundRectMask(35, 35, 2, 2, 31, 31, 5);
        PaintVGradient(c, inner, Shade(col, 1.12), col, 2, 33);
        Paint(c, RoundRectMask(35, 35, 5, 4, 25, 9, 4), Rgb(255, 255, 255, 60));
        if (i == 39) {
            // Reset: a white turning arrow on black.
            Mask arc = RingMask(35, 35, 17.5, 18.5, 9, 3.4);
            arc.Subtract(PolygonMask(35, 35, {{17.5, 18.5}, {35, 0}, {35, 12}}));
            Paint(c, arc, White);
            Paint(c, PolygonMask(35, 35, {{22, 4}, {32, 10}, {21, 15}}), White);
        }
        Write(c, "App/Lists/AT_ImageList_ColorPickers/" + std::to_string(i + 1) + ".png");
    }
    // 41: the hover mark, a bright frame; 42: the picked mark, a frame with a tick.
    Canvas hover = MarkOnRed([](Canvas& m) {
        Mask frame = RoundRectMask(35, 35, 0, 0, 35, 35, 6);
        frame.Subtract(RoundRectMask(35, 35, 4, 4, 27, 27, 4));
        Paint(m, frame, Rgb(255, 255, 128));
        Mask edge = RoundRectMask(35, 35, 0, 0, 35, 35, 6);
        edge.Subtract(RoundRectMask(35, 35, 1.5, 1.5, 32, 32, 5));
        Paint(m, edge, Rgb(40, 40, 40));
    });
    Write(hover, "App/Lists/AT_ImageList_ColorPickers/41.png");
    Canvas picked = MarkOnRed([](Canvas& m) {
        Mask frame = RoundRectMask(35, 35, 0, 0, 35, 35, 6);
        frame.Subtract(RoundRectMask(35, 35, 4, 4, 27, 27, 4));
        Paint(m, frame, White);
        Mask tick = LineMask(35, 35, 9, 18, 15, 25, 7);
        tick.Add(LineMask(35, 35, 15, 25, 27, 10, 7));
        Paint(m, tick, Rgb(30, 30, 30));
        Mask tickIn = LineMask(35, 35, 9, 18, 15, 25, 3.5);
        tickIn.Add(LineMask(35, 35, 15, 25, 27, 10, 3.5));
        Paint(m, tickIn, White);
        Mask edge = RoundRectMask(35, 35, 0, 0, 35, 35, 6);
        edge.Subtract(RoundRectMask(35, 35, 1.5, 1.5, 32, 32, 5));
        Paint(m, edge, Rgb(40, 40, 40));
    });
    Write(picked, "App/Lists/AT_ImageList_ColorPickers/42.png");
}

void LabelTiles() {
    // 30 in range, 31 current, 32 hover (pink centre), 33 outside the range.
    const uint32_t fills[4] = {Rgb(150, 175, 255), Rgb(255, 153, 0), Rgb(150, 175, 255),
                               Rgb(153, 153, 153)};
    for (int i = 0; i < 4; ++i) {
        Canvas c = Solid(51, 51, TileTeal);
        Mask tile = RoundRectMask(51, 51, 1, 1, 49, 49, 11);
        Paint(c, tile, Shade(fills[i], 0.82));
        Mask inner = RoundRectMask(51, 51, 2.5, 2.5, 46, 45, 9.5);
        Paint(c, inner, fills[i]);
        Paint(c, RoundRectMask(51, 51, 7, 5, 37, 12, 6), Rgb(255, 255, 255, 55));
        if (i == 2) Paint(c, RoundRectMask(51, 51, 11, 11, 29, 29, 9), Rgb(255, 170, 210));
        Write(c, "App/FrmMain_AT_Image_AlphaBG_" + std::to_string(30 + i) + ".png");
    }
}

void Coins() {
    const int s = 58;
    auto coin = [&](uint32_t light, uint32_t dark, uint32_t rim, bool dashed, bool glow) {
        Canvas c = Solid(s, s, Felt);
        Mask disc = CircleMask(s, s, 29, 29, 26.5);
        if (glow) {
            Paint(c, CircleMask(s, s, 29, 29, 29).Blurred(1), Rgb(255, 255, 150, 200));
        }
        Shadow(c, disc, 1, 2, 2, 110);
        if (dashed) {
            Paint(c, disc, Rgb(255, 255, 255, 40));
            for (int k = 0; k < 16; ++k) {
                double a0 = k * 2 * M_PI / 16, a1 = a0 + M_PI / 16;
                Paint(c,
                      LineMask(s, s, 29 + 24 * std::cos(a0), 29 + 24 * std::sin(a0),
                               29 + 24 * std::cos(a1), 29 + 24 * std::sin(a1), 2.5),
                      Rgb(230, 255, 230, 200));
            }
            return c;
        }
        PaintRadial(c, disc, light, dark, 22, 20, 34);
        Paint(c, RingMask(s, s, 29, 29, 23.5, 2.2), rim);
        Paint(c, RingMask(s, s, 29, 29, 26, 1.2), Shade(dark, 0.7));
        Paint(c, EllipseMask(s, s, 23, 17, 10, 5), Rgb(255, 255, 255, 60));
        return c;
    };
    // 1 ordinary: a warm red coin on which black and yellow captions both read.
    Write(coin(Rgb(240, 110, 95), Rgb(190, 50, 45), Rgb(255, 170, 150), false, false),
          "App/Lists/PuzImgLst_Menus/1.png");
    // 2 click me next: glowing gold with sparkles.
    {
        Canvas c = coin(Rgb(255, 230, 110), Rgb(235, 160, 20), Rgb(255, 250, 200), false, true);
        Paint(c, PolygonMask(s, s, StarPoints(47, 11, 6, 0.4)), White);
        Paint(c, PolygonMask(s, s, StarPoints(10, 45, 4.5, 0.4)), White);
        Write(c, "App/Lists/PuzImgLst_Menus/2.png");
    }
    // 3 fixed: a grey stone with a star, which never moves.
    {
        Canvas c = coin(Rgb(200, 200, 205), Rgb(120, 120, 130), Rgb(230, 230, 235), false, false);
        Paint(c, PolygonMask(s, s, StarPoints(29, 30, 13, 0.45)), Rgb(150, 150, 160));
        Write(c, "App/Lists/PuzImgLst_Menus/3.png");
    }
    // 4 blank: an empty place.
    Write(coin(0, 0, 0, true, false), "App/Lists/PuzImgLst_Menus/4.png");
}

void PuzzleButtons() {
    const int w = 42, h = 46;
    const uint32_t colours[3] = {Rgb(90, 160, 240), Rgb(90, 160, 240), Rgb(250, 140, 60)};
    const State states[3] = {State::Normal, State::Hot, State::Pressed};
    for (int s = 0; s < 3; ++s)
        for (int i = 0; i < 3; ++i) {
            Canvas c = ButtonFace(
                w, h, PuzzlePink, colours[i], 12, states[s],
                [&](Canvas& g, double dx, double dy) {
                    if (i == 2) {
                        DrawEmoji(g, 0x1F3B2, 21 + dx, 22 + dy, 28);
                        return;
                    }
                    // A curved arrow: back turns left, forward turns right.
                    int dir = i == 0 ? -1 : 1;
                    double cx = 21 + dx, cy = 24 + dy;
                    // The upper half of a ring, with the head at the end the arrow turns to.
                    Mask arc = RingMask(w, h, cx, cy, 10, 5);
                    for (int y = static_cast<int>(cy); y < h; ++y)
                        for (int x = 0; x < w; ++x)
                            arc.at(x, y) = 0;
                    Mask head = PolygonMask(w, h,
                                            {{cx + 10.0 * dir - 8, cy - 0.5},
                                             {cx + 10.0 * dir + 8, cy - 0.5},
                                             {cx + 10.0 * dir, cy + 9}});
                    arc.Add(head);
                    Paint(g, arc.Shifted(0, 1), Rgb(0, 0, 0, 80));
                    Paint(g, arc, states[s] == State::Hot ? Rgb(40, 90, 170) : White);
                },
                2);
            Write(c, "App/Lists/PuzImgLst_Menu/" + std::to_string(s * 3 + i + 1) + ".png");
        }
    // The clock's running arrows, pointing left: unlit and lit.
    for (int lit = 0; lit < 2; ++lit) {
        Canvas c = Solid(19, 30, ClockPanel);
        Mask tri = PolygonMask(19, 30, {{3, 15}, {16, 5}, {16, 25}});
        if (lit) Paint(c, tri.Blurred(1), Rgb(255, 240, 120, 160));
        Paint(c, PolygonMask(19, 30, {{4, 15}, {15, 7}, {15, 23}}),
              lit ? Rgb(255, 210, 40) : Rgb(60, 90, 130));
        Write(c, "App/FrmMain_PuzImg_Arrow_" + std::to_string(5 + lit) + ".png");
    }
}

void SmallButtons() {
    // The completion dialog's OK: low enough to end above the message, which starts 25 pixels
    // below the picture's top.
    Canvas ok = ButtonFace(
        60, 24, DialogBody, Rgb(70, 180, 80), 9, State::Normal,
        [](Canvas& g, double, double) {
            Mask t = TextMask(60, 24, "OK", 30, 11, 16);
            Paint(g, t.Shifted(0, 1), Rgb(0, 0, 0, 80));
            Paint(g, t, White);
        },
        1);
    Write(ok, "App/FrmCompletion_ImgOK.png");
    // The options dialog's title-bar buttons: 0 End, 1 Minimize.
    for (int i = 0; i < 2; ++i) {
        uint32_t col = i == 0 ? Rgb(220, 70, 60) : Rgb(70, 130, 220);
        Canvas c = Solid(21, 21, Shade(col, 0.7));
        Paint(c, RoundRectMask(21, 21, 1, 1, 19, 19, 3), col);
        if (i == 0) {
            Mask x = LineMask(21, 21, 6, 6, 15, 15, 3);
            x.Add(LineMask(21, 21, 15, 6, 6, 15, 3));
            Paint(c, x, White);
        } else {
            Paint(c, LineMask(21, 21, 6, 15, 15, 15, 3), White);
        }
        Write(c, "App/FrmOptions_WOImg_CBox_" + std::to_string(i) + ".png");
    }
}

void Pointers() {
    // 1 (on the window while a colour waits): a palette, the colour in hand. Hot spot: centre.
    Write(EmojiFit(0x1F3A8, 32, 32), "App/Lists/ATImgLst_MouseIcons/1.png");
    // 2 (on the boards): a paint brush whose tip is at the bottom left.
    {
        Canvas c = Transparent(32, 32);
        // Noto's brush points to the lower left already.
        Compose(c, EmojiFit(0x1F58C, 32, 32), 0, 0);
        Write(c, "App/Lists/ATImgLst_MouseIcons/2.png");
    }
    // The hand over the word, fingertip at the top centre.
    Write(EmojiFit(0x1F446, 32, 32), "App/Lists/ATImgLst_MouseCursors/1.png");
    // The program's icon.
    Write(EmojiFit(0x1F989, 64, 64), "App/FrmMain_Icon.png");
}

void ContactSheet(const std::vector<SheetItem>& items, const std::string& path) {
    // Pictures in rows on a light page, grouped by folder (an image list to a group), each
    // group under its name and each picture over its own.
    const int width = 1700, gap = 12, label = 14, heading = 22;
    auto groupOf = [](const std::string& name) {
        if (name.rfind("App/Lists/", 0) == 0)
            return "Images/" + name.substr(0, name.find_last_of('/'));
        return std::string(name.rfind("App/", 0) == 0 ? "Images/App" : "Images");
    };
    auto labelOf = [](const std::string& name) {
        std::string shown = name.substr(name.find_last_of('/') + 1);
        if (shown.rfind("FrmMain_", 0) == 0 || shown.rfind("FrmOptions_", 0) == 0)
            shown = shown.substr(shown.find('_') + 1);
        return shown.size() > 24 ? shown.substr(0, 24) : shown;
    };
    struct Placed {
        const SheetItem* item;
        int x, y;
    };
    // One heading per folder: the pictures of a folder together, in the order first made.
    std::vector<std::string> order;
    for (const auto& it : items)
        if (std::find(order.begin(), order.end(), groupOf(it.name)) == order.end())
            order.push_back(groupOf(it.name));
    std::vector<const SheetItem*> sorted;
    for (const auto& it : items)
        sorted.push_back(&it);
    std::stable_sort(sorted.begin(), sorted.end(), [&](const SheetItem* a, const SheetItem* b) {
        return std::find(order.begin(), order.end(), groupOf(a->name)) <
               std::find(order.begin(), order.end(), groupOf(b->name));
    });
    std::vector<Placed> placed;
    std::vector<std::pair<std::string, int>> headings;
    int x = gap, y = gap, rowH = 0;
    std::string group;
    for (const SheetItem* item : sorted) {
        const SheetItem& it = *item;
        int cellW = std::max(it.pic.Width(), 9 * static_cast<int>(labelOf(it.name).size()) / 2 + 8);
        bool newGroup = groupOf(it.name) != group;
        if (newGroup || x + cellW + gap > width) {
            if (x > gap) y += rowH + label + gap;
            x = gap;
            rowH = 0;
        }
        if (newGroup) {
            group = groupOf(it.name);
            headings.emplace_back(group, y);
            y += heading;
        }
        placed.push_back({&it, x, y});
        x += cellW + gap;
        rowH = std::max(rowH, it.pic.Height());
    }
    int height = y + rowH + label + gap;
    Canvas sheet = Solid(width, height, Rgb(250, 250, 250));
    for (const auto& [name, hy] : headings) {
        Canvas text = Transparent(width, heading);
        Paint(text, TextMask(width, heading, name, width / 2.0, heading / 2.0, 14),
              Rgb(40, 60, 120));
        Compose(sheet, text, 0, hy);
    }
    for (const auto& p : placed) {
        // A checkerboard shows where a picture is transparent.
        const Canvas& pic = p.item->pic;
        for (int yy = 0; yy < pic.Height(); ++yy)
            for (int xx = 0; xx < pic.Width(); ++xx)
                sheet.Pixels()[static_cast<size_t>(p.y + yy) * width + p.x + xx] =
                    ((xx / 4 + yy / 4) % 2) ? Rgb(220, 220, 220) : Rgb(245, 245, 245);
        Compose(sheet, pic, p.x, p.y);
        std::string shown = labelOf(p.item->name);
        int cw = std::max(pic.Width(), 9 * static_cast<int>(shown.size()) / 2 + 8);
        Canvas text = Transparent(cw, label);
        Paint(text, TextMask(cw, label, shown, pic.Width() / 2.0, 7, 9), Rgb(80, 80, 80));
        Compose(sheet, text, p.x, p.y + pic.Height());
    }
    Save(sheet, path);
}

} // namespace

void WritePictures(const std::string& appFolder, const std::string& contactSheet) {
    fs::path images = fs::path(appFolder) / "Images";
    fs::create_directories(images / "App" / "Lists");
    gImages = &images;
    std::vector<SheetItem> sheet;
    if (!contactSheet.empty()) gSheet = &sheet;
    LetterPictures();
    NumberPictures();
    Skins();
    ScreenSkins();
    MenuButtons();
    DrawingButtons();
    MusicButtons();
    LessonButtons();
    Swatches();
    LabelTiles();
    Coins();
    PuzzleButtons();
    SmallButtons();
    Pointers();
    if (!contactSheet.empty()) ContactSheet(sheet, contactSheet);
    gSheet = nullptr;
    gImages = nullptr;
    ShutdownFonts();
}

} // namespace media
