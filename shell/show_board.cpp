// The show board beside the drawing board: the current character's picture, or for a number
// above ten the sum it is made of, and then its sentence.
#include "forms/canvas.h"
#include "forms/errors.h"
#include "forms/image.h"
#include "forms/label.h"
#include "shell/frm_main.h"
#include "shell/sounds.h"
#include "shell/user_set.h"
#include "tracing/alpha_data.h"

std::string MMPicturePath;

namespace {

void ShowPictureNotSum(bool picture) {
    FrmMainForm& f = *FrmMain;
    f.ATImg_ShowBoard(0).SetVisible(picture);
    f.TrcLbl_Numbers(0).SetVisible(!picture);
    f.TrcLbl_Numbers(1).SetVisible(!picture);
}

// False when the picture is missing or unreadable: the board is then left empty.
bool LoadShowBoardPicture() {
    forms::Image& image = FrmMain->ATImg_ShowBoard(0);
    MMPicturePath = ShowBoardPictureFile();
    try {
        if (MMPicturePath.empty()) forms::Raise(forms::errFileNotFound);
        image.SetPicture(forms::LoadPicture(MMPicturePath));
    } catch (const forms::RuntimeError&) {
        image.SetPicture(nullptr);
        return false;
    }
    return true;
}

} // namespace

// Shown on the main window that exists; the engine also runs on boards of its own.
void ShowBoardPicture(int16_t flag) {
    if (FrmMain.Peek() == nullptr) return;
    FrmMainForm& f = *FrmMain;
    if (Settings.AlphabetType != 3) {
        if (f.TrcLbl_Numbers(0).Visible()) ShowPictureNotSum(true);
        if (!LoadShowBoardPicture()) return;
    } else {
        const std::string text = forms::Trim(AlphaCur.Alpha + AlphaCur2.Alpha);
        const int16_t n = forms::IsNumeric(text) ? forms::CInt(text) : 0;
        if (n >= 11) {
            if (f.ATImg_ShowBoard(0).Visible()) ShowPictureNotSum(false);
            const std::string sum = forms::CStr(n / 10 * 10) + "+" + forms::CStr(n % 10) + "=";
            f.TrcLbl_Numbers(0).SetCaption(sum);
            f.TrcLbl_Numbers(1).SetCaption(sum);
        } else {
            if (!LoadShowBoardPicture()) return;
            if (!f.ATImg_ShowBoard(0).Visible()) ShowPictureNotSum(true);
        }
    }
    if (flag == 0) SpeakSentence();
}
