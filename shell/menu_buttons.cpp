// The main window's menu row and drawing row: layout from the settings, the pictures of the three
// looks, the voices, and what each button does.
#include "shell/menu_buttons.h"

#include "forms/canvas.h"
#include "forms/image_list.h"
#include "options/options_dialog.h"
#include "shell/app_state.h"
#include "shell/debug_log.h"
#include "shell/forms_list.h"
#include "shell/frm_main.h"
#include "shell/password_dialog.h"
#include "shell/popup_menu.h"
#include "shell/sound_device.h"
#include "shell/sounds.h"
#include "shell/startup.h"
#include "shell/user_set.h"
#include "tracing/alpha_data.h"
#include "tracing/animation.h"
#include "tracing/colour_picker.h"
#include "tracing/trace_clicks.h"
#include "tracing/trace_engine.h"

int16_t MenuHL = -9997;
int16_t SubMenuHL = -9997;

namespace {

constexpr int16_t kMenuCount = 5;
constexpr int16_t kSubMenuCount = 4;
// Picture offsets in the lists: normal, highlighted and pressed pictures of button i are
// i + 1, i + 1 + one row, i + 1 + two rows.
constexpr int kMenuHot = 5, kMenuPressed = 10;
constexpr int kSubMenuHot = 4, kSubMenuPressed = 8;

// The menu row is drawn on the backdrop's colour, so its holder takes that colour too.
constexpr int32_t kBackdropColor = 0xA0ECFF;   // RGB(255, 236, 160)
constexpr int32_t kDrawingRowColor = 0xCCCCFF; // RGB(255, 204, 204)

// Picture n of a list; none when the list does not hold it (its folder is missing), so that the
// buttons keep working, only without a look.
forms::PicturePtr ListPicture(const forms::ImageList& list, int n) {
    return n >= 1 && n <= list.Count() ? list.Picture(n) : nullptr;
}

// The holder is a box of its own over the backdrop and reaches past its right end. It shows what
// it covers: the window's skin (the top band, which both screens share) and the backdrop on it,
// so that the buttons seem to sit on the backdrop itself.
forms::PicturePtr HolderUnderlay(const FrmMainForm& m) {
    const forms::PictureBox& holder = m.AppPict_HolderMenu;
    const forms::Image& backdrop = m.TRCImg_SMBackDrop;
    const int w = static_cast<int>(holder.Width()), h = static_cast<int>(holder.Height());
    if (!backdrop.Picture() || w <= 0 || h <= 0) return nullptr;
    const int x = static_cast<int>(holder.Left()), y = static_cast<int>(holder.Top());
    forms::PicturePtr skin = m.Picture() ? m.Picture() : LoadMenuPicture("\\TrcSkin.jpg");
    forms::Canvas c(w, h, kBackdropColor);
    if (skin) c.Blit(skin->Pixels(), {x, y, w, h}, 0, 0);
    const forms::Canvas& under = backdrop.Picture()->Pixels();
    c.Blit(under, {0, 0, under.Width(), under.Height()}, static_cast<int>(backdrop.Left()) - x,
           static_cast<int>(backdrop.Top()) - y);
    return forms::MakePicture(std::move(c));
}

bool ValidMenu(int16_t i) {
    return i >= 0 && i < kMenuCount;
}
bool ValidSubMenu(int16_t i) {
    return i >= 0 && i < kSubMenuCount;
}

void SetMenuPicture(int16_t i, int offset) {
    FrmMainForm& m = *FrmMain;
    m.TRCImg_Menu(i).SetPicture(ListPicture(m.WOImgLst_Menu, i + 1 + offset));
}

void SetSubMenuPicture(int16_t i, int offset) {
    FrmMainForm& m = *FrmMain;
    m.TRCImg_SubMenu(i).SetPicture(ListPicture(m.TRCImgLst_SubMenu, i + 1 + offset));
}

// Before a menu opens over the tracing screen: the animation stops with the board drawn whole,
// and speech and the letter-by-letter reading stop with the word put back.
void StopWhatRuns() {
    if (Settings.LessonID != lsTracing) return;
    if (TraceAnim.AnimTimer != nullptr && TraceAnim.AnimTimer->Enabled()) {
        TraceAnim.AnimTimer->SetEnabled(false);
        RedrawAlpha();
    }
    StopSpeaking(0);
}

void OpenOptions() {
    StopWhatRuns();
    DisableMainForm();
    if (Settings.PWOptions != forms::vbFalse) {
        // The password dialog opens the options dialog once the password is right.
        PasswordAtStart = 0;
        FrmPassWord->SetVisible(true);
        FrmPassWord->SetFocus();
    } else {
        ShowOptionsDialog();
    }
}

void OpenMenu(forms::Form& menu) {
    StopWhatRuns();
    DisableMainForm();
    // The menu gives the main window back when it closes.
    menu.SetVisible(true);
}

// The character the prompt acts on; none when the board's state names neither.
AlphaData* PromptRecord() {
    if (NumAlphas == 1) return &AlphaCur;
    if (NumAlphas == 2) {
        if (AnimAlphaNo == 1) return &AlphaCur;
        if (AnimAlphaNo == 2) return &AlphaCur2;
    }
    return nullptr;
}

void Prompt(int16_t button, int16_t shift, float x, float y, int16_t mode) {
    if (AlphaData* rec = PromptRecord()) PromptAlpha(button, shift, x, y, mode, *rec);
}

} // namespace

// --- The menu row.

void ApplyMenuButtons() {
    FrmMainForm* m = FrmMain.Peek();
    if (m == nullptr) return;
    LoadMenuImages();
    ArrangeMenuButtons();
    const double w = m->TRCImg_Menu(0).Width();
    const double h = m->TRCImg_Menu(0).Height();
    m->AppPict_HolderMenu.Move(336, 6, 5 * w + 35, h);
    m->AppPict_HolderMenu.SetBackColor(kBackdropColor);
    m->TRCImg_SMBackDrop.Move(304, 2, m->AppPict_HolderMenu.Width() + 20, 49);
    m->AppPict_HolderMenu.SetPicture(HolderUnderlay(*m));
}

void LoadMenuImages() {
    if (FrmMain.Peek() == nullptr) return;
    for (int16_t i = 0; i < kMenuCount; ++i)
        SetMenuPicture(i, 0);
    // Every button now shows its normal look: none is highlighted any more.
    MenuHL = NoneCode;
}

// Right to left in index order, 6 pixels apart: the options button rightmost, the row centred in
// its holder.
void ArrangeMenuButtons() {
    FrmMainForm* m = FrmMain.Peek();
    if (m == nullptr) return;
    int n = 0;
    for (int i = 0; i < kMenuCount; ++i)
        if (Settings.MenuButton(i) != 0) ++n;
    static const double firstLeft[kMenuCount + 1] = {200, 85, 105, 125, 145, 165};
    const double s = firstLeft[n];
    const double w = m->TRCImg_Menu(0).Width();
    int k = 0;
    for (int i = 0; i < kMenuCount; ++i) {
        forms::Image& button = m->TRCImg_Menu(i);
        if (Settings.MenuButton(i) != 0) {
            button.SetLeft(s - (w + 6) * k);
            button.SetVisible(true);
            ++k;
        } else {
            button.SetVisible(false);
        }
    }
    for (int i = 0; i < kMenuCount; ++i)
        m->TRCImg_Menu(i).SetTop(0);
}

void MenuMouseMove(int16_t index) {
    if (ColorPending || !ValidMenu(index)) return;
    if (index == MenuHL) return;
    SubMenuUnhighlight();
    MenuUnhighlight();
    MenuHL = index;
    SetMenuPicture(index, kMenuHot);
    PlayMainMenuSound(index);
}

void MenuUnhighlight() {
    if (MenuHL == NoneCode) return;
    if (ValidMenu(MenuHL) && FrmMain.Peek() != nullptr) SetMenuPicture(MenuHL, 0);
    MenuHL = NoneCode;
    StopMMDevice(0);
}

void MenuMouseDown(int16_t index) {
    if (ColorPending || !ValidMenu(index)) return;
    SetMenuPicture(index, kMenuPressed);
}

void MenuMouseUp(int16_t index, int16_t button) {
    if (ColorPending || !ValidMenu(index)) return;
    SetMenuPicture(index, kMenuHot);
    ClearAlphaHover();
    switch (index) {
    case mnOptions:
        // For the people who maintain the program: a right click ends it at once.
        if (DebugOn && button == forms::vbRightButton) EndProgram();
        OpenOptions();
        break;
    case mnChoice:
        OpenMenu(*FrmMenuLessons);
        break;
    case mnMusic:
        OpenMenu(*FrmMenuMusic);
        break;
    case mnLevel:
        OpenMenu(*FrmMenuLevel);
        break;
    case mnAlphaType:
        OpenMenu(*FrmMenuAlpha);
        break;
    default:
        break;
    }
    PlayUISound(usMenuPress);
}

// --- The drawing row.

void ApplySubMenuButtons() {
    if (FrmMain.Peek() == nullptr) return;
    LoadSubMenuImages();
    ArrangeSubMenuButtons(forms::vbTrue);
}

void LoadSubMenuImages() {
    if (FrmMain.Peek() == nullptr) return;
    for (int16_t i = 0; i < kSubMenuCount; ++i)
        SetSubMenuPicture(i, 0);
    SubMenuHL = NoneCode;
}

// Right to left without gaps: next is the rightmost.
void ArrangeSubMenuButtons(forms::Flag visible) {
    FrmMainForm* m = FrmMain.Peek();
    if (m == nullptr) return;
    forms::PictureBox& holder = m->TrcPict_Menus;
    if (!visible) {
        holder.SetVisible(false);
        return;
    }
    const forms::ImageList& list = m->TRCImgLst_SubMenu;
    holder.Move(304, 50, 4 * list.ImageWidth(), list.ImageHeight());
    holder.SetBackColor(kDrawingRowColor);
    int n = 0;
    for (int i = 0; i < kSubMenuCount; ++i)
        if (Settings.SMButton(i) != 0) ++n;
    static const double firstLeft[kSubMenuCount + 1] = {0, 100, 130, 163, 196};
    const double s = firstLeft[n];
    int k = 0;
    for (int i = 0; i < kSubMenuCount; ++i) {
        forms::Image& button = m->TRCImg_SubMenu(i);
        if (Settings.SMButton(i) != 0) {
            button.SetLeft(s - k * button.Width());
            button.SetVisible(true);
            ++k;
        } else {
            button.SetVisible(false);
        }
    }
}

// Hovering still works while a picked colour waits: the child hears what a button does.
void SubMenuMouseMove(int16_t index) {
    if (!ValidSubMenu(index) || index == SubMenuHL) return;
    MenuUnhighlight();
    SubMenuUnhighlight();
    SubMenuHL = index;
    SetSubMenuPicture(index, kSubMenuHot);
    PlaySubMenuSound(index);
}

void SubMenuUnhighlight() {
    if (SubMenuHL == NoneCode) return;
    if (ValidSubMenu(SubMenuHL) && FrmMain.Peek() != nullptr) SetSubMenuPicture(SubMenuHL, 0);
    StopMMDevice(0);
    SubMenuHL = NoneCode;
}

void SubMenuMouseDown(int16_t index, int16_t button, int16_t shift, float x, float y) {
    if (ColorPending || !ValidSubMenu(index)) return;
    ClearAlphaHover();
    StopMMDevice(0);
    SetSubMenuPicture(index, kSubMenuPressed);
    // The prompt shows on the press and goes on with the release.
    if (index == smPrompt) Prompt(button, shift, x, y, 1);
}

void SubMenuMouseUp(int16_t index, int16_t button, int16_t shift, float x, float y) {
    if (ColorPending || !ValidSubMenu(index)) return;
    SetSubMenuPicture(index, kSubMenuHot);
    StopMMDevice(0);
    switch (index) {
    case smNext:
        NextAlpha();
        break;
    case smPrevious:
        PrevAlpha();
        break;
    case smPrompt:
        Prompt(button, shift, x, y, 2);
        break;
    case smDemo:
        StartAlphaDemo();
        break;
    default:
        break;
    }
}
