#include "shell/frm_menu_music.h"

#include "forms/files.h"
#include "forms/screen.h"
#include "shell/app_state.h"
#include "shell/debug_log.h"
#include "shell/settings_apply.h"
#include "shell/sounds.h"
#include "shell/startup.h"
#include "shell/user_set.h"

namespace {

constexpr int kWidth = 340, kHeight = 369; // the dialog, in pixels
constexpr int16_t kNoItem = -9997;
constexpr int16_t kMusicGroup = 2; // the music menu's voices
constexpr int16_t kCloseItem = 600, kHeadingItem = 601;
constexpr int16_t kCloseSound = 502;
constexpr int16_t kEscape = 27;

} // namespace

std::string MusicFileName(int16_t instrument) {
    return AppPath + "\\Music\\Music" + std::to_string(instrument + 1) + ".mid";
}

FrmMenuMusicForm::FrmMenuMusicForm() {
    SetName("FrmMenuMusic");
    SetCaption("Music Options");
    SetLayer(forms::FormLayer::Dialog);
    SetBorderStyle(forms::vbBSNone);

    Pict_Holder.SetBorderStyle(0);
    Lbl_Heading.SetCaption("Music");
    Lbl_Heading.SetBackColor(forms::RGB(51, 102, 51));
    Lbl_Heading.SetBackStyle(forms::vbTransparent); // the skin's heading band shows through
    Lbl_Heading.SetForeColor(forms::RGB(255, 255, 0));
    Lbl_Close.SetCaption(std::string(1, static_cast<char>(0xD1)));
    Lbl_Close.SetBackStyle(forms::vbTransparent);
    Lbl_Close.SetForeColor(forms::RGB(255, 255, 0));
    Lbl_Close.SetAlignment(forms::vbCenter);
    Shp_HL.SetBorderWidth(3);
    Shp_HL.SetBorderColor(forms::RGB(255, 90, 90));
    FRM_HolderMusicInstr.SetCaption("Volume");
    MusPict_HolderMM.SetBorderStyle(0);
    // A tune that cannot be played leaves the music silent; the debug log keeps the one record.
    MM_Music.TuneDropped = [this](const std::string& reason) {
        DebugLog("Music not played: " + MM_Music.FileName() + ": " + reason);
    };

    AT_IMG_MusicButtons.MouseMove = [this](int i, int b, int s, float x, float y) {
        AT_IMG_MusicButtons_MouseMove(static_cast<int16_t>(i), static_cast<int16_t>(b),
                                      static_cast<int16_t>(s), x, y);
    };
    AT_IMG_MusicButtons.Click = [this](int i) {
        const int16_t index = static_cast<int16_t>(i);
        AT_IMG_MusicButtons_Click(index);
    };
    Lbl_Heading.MouseMove = [this](int b, int s, float x, float y) {
        Lbl_Heading_MouseMove(static_cast<int16_t>(b), static_cast<int16_t>(s), x, y);
    };
    Lbl_Close.MouseMove = [this](int b, int s, float x, float y) {
        Lbl_Close_MouseMove(static_cast<int16_t>(b), static_cast<int16_t>(s), x, y);
    };
    Lbl_Close.Click = [this] { Lbl_Close_Click(); };
    Pict_Holder.MouseMove = [this](int b, int s, float x, float y) {
        Pict_Holder_MouseMove(static_cast<int16_t>(b), static_cast<int16_t>(s), x, y);
    };
}

forms::PicturePtr FrmMenuMusicForm::ButtonPicture(int n) const {
    if (n < 1 || n > AT_ImgLst_MusicButtons.Count()) return nullptr;
    return AT_ImgLst_MusicButtons.Picture(n);
}

void FrmMenuMusicForm::InitMusicPlayState(const forms::Flag& playFlag, const int16_t& volume,
                                          const int16_t& instrument) {
    const int16_t tune = instrument;
    if (playFlag == forms::vbTrue) {
        MM_Music.SetVolume(volume);
        MusicImgSelect(Settings.Instrument);
        MM_Music.SetFileName(MusicFileName(tune)); // always written: the tune starts afresh
        // The volume frame follows the adult's choice of whether the child may use it; playing
        // music does not open it.
        InitMusicInterActSt(Settings.MusicChange);
        MM_Music.Play();
    } else {
        MM_Music.Stop();
        // The player learns the instrument's tune even while music is off, so that music switched
        // on later (the options dialog gives Play) is heard and not silent for want of a file.
        if (MM_Music.FileName().empty()) MM_Music.SetFileName(MusicFileName(tune));
    }
}

void FrmMenuMusicForm::InitMusicInterActSt(const forms::Flag& flag) {
    FRM_HolderMusicInstr.SetEnabled(flag == forms::vbTrue);
}

void FrmMenuMusicForm::AT_IMG_MusicButtons_Click(const int16_t& Index) {
    const int16_t index = Index;
    if (index == Settings.Instrument) return; // the tune playing is not restarted
    Settings.Instrument = index;
    PreviewInstrument(index, Settings.MusicPlay);
}

void FrmMenuMusicForm::PreviewInstrument(const int16_t& Index, const forms::Flag& play) {
    const int16_t index = Index;
    MusicImgSelect(index);
    selected_ = index;
    // The same tune goes on where it is; only another file starts afresh.
    const std::string file = MusicFileName(index);
    if (file != MM_Music.FileName()) MM_Music.SetFileName(file);
    if (play == forms::vbTrue)
        MM_Music.Play();
    else
        MM_Music.Stop();
}

std::string FrmMenuMusicForm::GetMusicInstrument() const {
    return std::to_string(selected_);
}

void FrmMenuMusicForm::ShowSelection(const int16_t& Index) {
    const int16_t index = Index;
    AT_IMG_MusicButtons(hoverIndex_).SetPicture(ButtonPicture(hoverIndex_ + 1));
    AT_IMG_MusicButtons(index).SetPicture(ButtonPicture(index + 7));
}

void FrmMenuMusicForm::MusicImgSelect(const int16_t& Index) {
    const forms::Image& button = AT_IMG_MusicButtons(Index);
    Shp_HL.Move(button.Left() - 2, button.Top() - 2);
}

void FrmMenuMusicForm::HideFrmMenuMusic() {
    if (!Visible()) return;
    PlayUISound(kCloseSound);
    EnableMainForm();
    Hide();
    PendingAction = paResume;
}

void FrmMenuMusicForm::Form_Load() {
    const std::string lists =
        forms::ProgramFolder() + "\\Images\\App\\Lists\\AT_ImgLst_MusicButtons";
    if (forms::FolderExists(lists)) AT_ImgLst_MusicButtons.LoadFolder(lists);

    InitMusicPlayState(Settings.MusicPlay, Settings.Volume, Settings.Instrument);
    InitMusicInterActSt(Settings.MusicChange);
    selected_ = Settings.Instrument;
    hoverIndex_ = Settings.Instrument;
    ShowSelection(5);
    hoverIndex_ = 5;
    MusicImgSelect(Settings.Instrument);
    LayOut();
}

void FrmMenuMusicForm::LayOut() {
    const double tppX = forms::Screen::TwipsPerPixelX();
    const double tppY = forms::Screen::TwipsPerPixelY();
    Move((forms::Screen::Width() - kWidth * tppX) / 2,
         (forms::Screen::Height() - kHeight * tppY) / 2, kWidth * tppX, kHeight * tppY);
    Pict_Holder.Move(0, 0, kWidth, kHeight);
    // Without its skin the menu still works, plain.
    const std::string skin = PathImagesApp + "\\DialogMusSkin.Jpg";
    if (forms::FileExists(skin)) Pict_Holder.SetPicture(forms::LoadPicture(skin));

    for (int i = 0; i <= 5; ++i)
        AT_IMG_MusicButtons(i).SetPicture(ButtonPicture(i + 1));
    const double w = AT_IMG_MusicButtons(0).Width(), h = AT_IMG_MusicButtons(0).Height();
    for (int k = 0; k <= 2; ++k) {
        const double left = 20 + k * w + 10 * (k + 1);
        AT_IMG_MusicButtons(k).Move(left, 70);
        AT_IMG_MusicButtons(k + 3).Move(left, 70 + h + 15);
    }

    const forms::Image& chosen = AT_IMG_MusicButtons(selected_);
    Shp_HL.Move(chosen.Left() - 2, chosen.Top() - 2, w + 4, h + 4);
    Shp_HL.SetBorderWidth(3);
    Shp_HL.SetBorderColor(forms::RGB(255, 90, 90));

    InitMusicInterActSt(Settings.MusicChange);
    FRM_HolderMusicInstr.Move(14, 280, kWidth - 2 * (14 + 1), 73);
    MusPict_HolderMM.Move(10, 15, 0.9 * FRM_HolderMusicInstr.Width(),
                          0.7 * FRM_HolderMusicInstr.Height());
    MusPict_HolderMM.SetBackColor(FRM_HolderMusicInstr.BackColor());
    MM_Music.Move(2, 0, MusPict_HolderMM.Width(), 46);

    const double headingSize = 1.35 * tppX;
    Lbl_Heading.SetFontName(::FontName(1));
    Lbl_Heading.SetFontSize(headingSize);
    Lbl_Heading.Move(10, 4, 120, 2 * headingSize);
    Lbl_Close.SetFontName(::FontName(2));
    Lbl_Close.SetFontSize(1.5 * headingSize);
    const double closeSide = 1.5 * Lbl_Heading.Height();
    Lbl_Close.Move(kWidth - 55, 0, closeSide, closeSide);
}

void FrmMenuMusicForm::Form_KeyUp(int16_t& keyCode, int16_t) {
    if (keyCode == kEscape) HideFrmMenuMusic();
}

void FrmMenuMusicForm::AT_IMG_MusicButtons_MouseMove(int16_t Index, int16_t, int16_t, float,
                                                     float) {
    if (Index == hoverIndex_) return;
    ShowSelection(Index);
    hoverIndex_ = Index;
    PlayHoverSound(kMusicGroup, Index);
}

void FrmMenuMusicForm::Lbl_Heading_MouseMove(int16_t, int16_t, float, float) {
    PlayHoverSound(kMusicGroup, kHeadingItem);
}

void FrmMenuMusicForm::Lbl_Close_MouseMove(int16_t, int16_t, float, float) {
    PlayHoverSound(kMusicGroup, kCloseItem);
}

void FrmMenuMusicForm::Lbl_Close_Click() {
    HideFrmMenuMusic();
}

void FrmMenuMusicForm::Pict_Holder_MouseMove(int16_t, int16_t, float, float) {
    PlayHoverSound(kNoItem, kNoItem);
}

void ShowFrmMenuMusic() {
    FrmMenuMusic->Show();
    FrmMenuMusic->SetFocus();
}

// The "[Music]" apply step: the first use loads the menu (whose load starts the music), then the
// live settings are applied once more.
void ApplyMusicPlayState(int16_t instrument, int16_t volume, forms::Flag musicPlay) {
    FrmMenuMusic->InitMusicPlayState(musicPlay, volume, instrument);
}
