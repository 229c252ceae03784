#pragma once
// The background form: a borderless window as large as the screen, at the bottom of the window
// order, in the background colour, with (as the background option asks) the 26 letter pictures
// along the screen edges clockwise from the top left, each with its letter pair ("Aa") in big type
// over it and the pair's shadow. FrmGeneral is the please-wait window shown while it loads.
#include "forms/control_array.h"
#include "forms/default_instance.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/label.h"

#include <cstdint>

struct UserSet;

class FrmBackGroundForm : public forms::Form {
  public:
    FrmBackGroundForm();

    // Each does nothing when element 0 (or the form) already has the value, so re-applying
    // unchanged settings touches none of the 26.
    void InitBGColorAlpha(const int32_t& color);
    void InitBGColorAlphaShdw(const int32_t& color);
    void InitBGColor(const int32_t& color);
    void ShowImages(const int16_t& flag);
    void ShowAlphabets(const int16_t& flag);
    // Sizes 1 and more, when the letters are not of that size already.
    void ChangeFontSize(const int16_t& size);

    // Pictures first, then the shadows, then the letters: each letter in front of its shadow.
    forms::ControlArray<forms::Image> BGimg_Background{this, 0, 25};
    forms::ControlArray<forms::Label> BGlbl_AlphabetShdw{this, 0, 25};
    forms::ControlArray<forms::Label> BGlbl_Alphabet{this, 0, 25};

    void Form_Load() override;
    void Form_Unload(int16_t& cancel) override;

  private:
    void LayoutBGImages();
    void InitBGFont();
};

// The please-wait window shown while the background form loads its pictures.
class FrmGeneralForm : public forms::Form {
  public:
    FrmGeneralForm();
    forms::Label Label_General{this};
};

inline forms::DefaultInstance<FrmBackGroundForm> FrmBackGround;
inline forms::DefaultInstance<FrmGeneralForm> FrmGeneral;
