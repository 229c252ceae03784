#pragma once
// The music menu: a skinned pop-up with six instrument buttons, each switching the background tune
// to its instrument's MIDI file, and the "Volume" frame holding the program's one background music
// player MM_Music. The form stays loaded from start-up to the end (it is only hidden), so the
// player keeps playing while the menu is closed; the settings' apply step, the main window's
// minimise and restore and the options dialog drive the same player.
#include "forms/control_array.h"
#include "forms/default_instance.h"
#include "forms/form.h"
#include "forms/frame.h"
#include "forms/image.h"
#include "forms/image_list.h"
#include "forms/label.h"
#include "forms/lang.h"
#include "forms/music_player.h"
#include "forms/picture_box.h"
#include "forms/shape.h"
#include "forms/sound_channel.h"

#include <cstdint>
#include <string>

// The music file of an instrument (0 to 5): AppPath & "\Music\Music" & (i + 1) & ".mid".
std::string MusicFileName(int16_t instrument);

class FrmMenuMusicForm : public forms::Form {
  public:
    FrmMenuMusicForm();

    forms::PictureBox Pict_Holder{this};
    forms::Label Lbl_Heading{&Pict_Holder};
    forms::Label Lbl_Close{&Pict_Holder};
    forms::ControlArray<forms::Image> AT_IMG_MusicButtons{&Pict_Holder, 0, 5};
    forms::Shape Shp_HL{&Pict_Holder};
    forms::Frame FRM_HolderMusicInstr{&Pict_Holder};
    forms::PictureBox MusPict_HolderMM{&FRM_HolderMusicInstr};
    forms::MusicPlayer MM_Music{&MusPict_HolderMM};
    // Lies outside the visible area and plays nothing.
    forms::SoundChannel MUSMMCon_Music{this};
    // 1-6 the normal pictures of buttons 0-5, 7-12 their highlighted pictures.
    forms::ImageList AT_ImgLst_MusicButtons;

    // Public procedures.
    void InitMusicPlayState(const forms::Flag& playFlag, const int16_t& volume,
                            const int16_t& instrument);
    void InitMusicInterActSt(const forms::Flag& flag);
    void AT_IMG_MusicButtons_Click(const int16_t& Index);
    // Selects an instrument here and gives the player its tune, playing or halted by play, but
    // leaves the live instrument as it is: the options dialog lets an adult hear a pick before
    // it is applied.
    void PreviewInstrument(const int16_t& Index, const forms::Flag& play);
    std::string GetMusicInstrument() const;
    void ShowSelection(const int16_t& Index);
    void MusicImgSelect(const int16_t& Index);
    void HideFrmMenuMusic();

    // Form fields.
    int16_t HoverIndex() const { return hoverIndex_; }
    int16_t SelectedInstrument() const { return selected_; }

    // Events.
    void Form_Load() override;
    void Form_KeyUp(int16_t& keyCode, int16_t shift) override;
    void AT_IMG_MusicButtons_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X,
                                       float Y);
    void Lbl_Heading_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Lbl_Close_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Lbl_Close_Click();
    void Pict_Holder_MouseMove(int16_t Button, int16_t Shift, float X, float Y);

  private:
    void LayOut();
    forms::PicturePtr ButtonPicture(int n) const; // nullptr where the list lacks it

    int16_t hoverIndex_ = 0;
    int16_t selected_ = 0;
};

inline forms::DefaultInstance<FrmMenuMusicForm> FrmMenuMusic;

// Opens the music menu (the main window's music button disables the main window first).
void ShowFrmMenuMusic();
