#pragma once
// The pop-up menus' common frame: a borderless skinned dialog of 340 x 369 pixels covered by its
// skin picture, with a heading, a close label and the same closing steps. A menu is opened by a
// main-menu button, which disables the main window; a choice in it takes effect at once while
// the menu stays open; the close label or Esc hides it and hands the main window back. Each menu
// has one instance for the whole run: hidden and shown again, it keeps its fields and colours.
#include "forms/form.h"
#include "forms/label.h"
#include "forms/picture_box.h"

#include <cstdint>
#include <string>

class PopupMenuForm : public forms::Form {
  public:
    // soundGroup: the group the menu's items speak in; closeGroup: the group its close label
    // speaks in (the alphabet and level menus share the alphabet menu's).
    PopupMenuForm(const char* name, const char* heading, const char* skin, int16_t soundGroup,
                  int16_t closeGroup);

    forms::PictureBox Pict_Holder{this};
    forms::Label Lbl_Heading{&Pict_Holder};
    forms::Label Lbl_Close{&Pict_Holder};

    // Hides the menu when it is visible: the closing sound, PendingAction 1 and the main window
    // enabled and focused, whose activation then resumes the current activity.
    void HideMenu();

    void Form_KeyUp(int16_t& keyCode, int16_t shift) override;
    void Lbl_Close_Click();
    void Lbl_Close_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Lbl_Heading_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void Pict_Holder_MouseMove(int16_t Button, int16_t Shift, float X, float Y);

    static constexpr int kWidth = 340;  // pixels
    static constexpr int kHeight = 369; // pixels

  protected:
    // Size, place, skin, heading and close label; the menus' own layouts start with it.
    void InitFrame();

  private:
    std::string heading_;
    std::string skin_;
    int16_t soundGroup_;
    int16_t closeGroup_;
};

// A picture of the program's image folder (PathImagesApp & name), or none when the file is
// missing or unreadable: a menu without its pictures still works.
forms::PicturePtr LoadMenuPicture(const std::string& name);

// Colours the menus share.
constexpr int32_t kMenuYellow = 0x00FFFF;     // RGB(255, 255, 0)
constexpr int32_t kMenuFrameColor = 0x5A5AFF; // RGB(255, 90, 90), the selection frame
constexpr int kMenuFrameWidth = 3;
