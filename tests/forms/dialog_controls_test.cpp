// The text box and the command button: the text and Change, typing while focused, the mask, who
// gets the keys (the focused box, the form first with KeyPreview), and a button's click and face.
#include "tests/support/headless.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace forms;
using testsupport::Headless;

namespace {

// A borderless form at the top-left with one text box, logging the keys the form sees.
class EntryForm : public Form {
  public:
    TextBox Entry{this};
    Label Note{this};
    std::vector<std::string> log;
    int changes = 0;
    bool swallowPresses = false;

    EntryForm() {
        SetBorderStyle(vbBSNone);
        Move(0, 0, 300 * 15, 200 * 15);
        Entry.Move(20, 20, 120, 24);
        Note.Move(20, 80, 100, 20);
        Entry.Change = [this] { ++changes; };
    }
    void Form_KeyDown(int16_t& k, int16_t) override { log.push_back("Down" + std::to_string(k)); }
    void Form_KeyPress(int16_t& k) override {
        log.push_back("Press" + std::to_string(k));
        if (swallowPresses) k = 0;
    }
};

class TextBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.Show();
        h.Pump();
    }
    Headless h;
    EntryForm form;
};

TEST_F(TextBoxTest, ChangeIsRaisedOnlyWhenTheTextChanges) {
    form.Entry.SetText("owl");
    form.Entry.SetText("owl");
    EXPECT_EQ(form.changes, 1);
    form.Entry.SetText("");
    EXPECT_EQ(form.changes, 2);
    EXPECT_EQ(form.Entry.Text(), "");
}

TEST_F(TextBoxTest, TypingGoesToTheFocusedBoxAndNotToTheForm) {
    form.Entry.SetFocus();
    h.Pump();
    EXPECT_TRUE(form.Entry.HasFocus());
    h.Type("ab\xc3\xa9");
    EXPECT_EQ(form.Entry.Text(), "ab\xe9"); // the Western code page's e-acute
    EXPECT_EQ(form.changes, 3);
    h.Key(vbKeyBack);
    EXPECT_EQ(form.Entry.Text(), "ab");
    h.Key(vbKeyReturn);
    EXPECT_EQ(form.Entry.Text(), "ab") << "Enter adds nothing to a one-line box";
    EXPECT_TRUE(form.log.empty()) << "without KeyPreview the form sees no key";
}

TEST_F(TextBoxTest, BackspaceOnAnEmptyBoxChangesNothing) {
    form.Entry.SetFocus();
    h.Pump();
    h.Key(vbKeyBack);
    EXPECT_EQ(form.changes, 0);
}

TEST_F(TextBoxTest, KeyPreviewLetsTheFormSeeAndSwallowKeysFirst) {
    form.SetKeyPreview(true);
    form.Entry.SetFocus();
    h.Pump();
    h.Type("a");
    h.Key(vbKeyEscape);
    EXPECT_EQ(form.log, (std::vector<std::string>{"Press97", "Down27", "Press27"}));
    EXPECT_EQ(form.Entry.Text(), "a");
    form.swallowPresses = true;
    h.Type("b");
    EXPECT_EQ(form.Entry.Text(), "a") << "a key the form set to 0 does not reach the box";
}

TEST_F(TextBoxTest, WithoutTheFocusOrWhileHiddenTheFormGetsTheKeys) {
    h.Type("x");
    EXPECT_EQ(form.Entry.Text(), "");
    EXPECT_EQ(form.log, std::vector<std::string>{"Press120"});
    form.Entry.SetFocus();
    form.Entry.SetVisible(false);
    h.Pump();
    h.Type("y");
    EXPECT_EQ(form.Entry.Text(), "");
    EXPECT_EQ(form.log.back(), "Press121");
}

TEST_F(TextBoxTest, APressOnTheBoxGivesItTheFocus) {
    EXPECT_FALSE(form.Entry.HasFocus());
    h.ClickOn(form.Entry, 5, 5);
    EXPECT_TRUE(form.Entry.HasFocus());
    h.Type("k");
    EXPECT_EQ(form.Entry.Text(), "k");
    h.ClickOn(form.Note, 5, 5);
    EXPECT_TRUE(form.Entry.HasFocus()) << "a label takes no focus";
}

TEST_F(TextBoxTest, PasswordCharMasksWhatIsShownButNotTheText) {
    form.Entry.SetPasswordChar("*x");
    EXPECT_EQ(form.Entry.PasswordChar(), "*");
    form.Entry.SetText("se cret");
    EXPECT_EQ(form.Entry.DisplayText(), "*******");
    EXPECT_EQ(form.Entry.Text(), "se cret");
    form.Entry.SetPasswordChar("");
    EXPECT_EQ(form.Entry.DisplayText(), "se cret");
}

TEST_F(TextBoxTest, MaxLengthStopsTyping) {
    form.Entry.SetMaxLength(2);
    form.Entry.SetFocus();
    h.Pump();
    h.Type("abc");
    EXPECT_EQ(form.Entry.Text(), "ab");
}

TEST_F(TextBoxTest, TheMaskIsDrawnAndTheBoxIsWhite) {
    form.Entry.SetFocus();
    form.Entry.SetPasswordChar("*");
    form.Entry.SetText("abc");
    h.Pump();
    EXPECT_EQ(h.Pixel(130, 30), RGB(255, 255, 255));
    bool ink = false;
    for (int x = 22; x < 60 && !ink; ++x)
        for (int y = 24; y < 40 && !ink; ++y)
            ink = h.Pixel(x, y) != RGB(255, 255, 255);
    EXPECT_TRUE(ink) << "the stars show";
}

TEST_F(TextBoxTest, AFocusedBoxThatGoesAwayLeavesNoFocus) {
    auto* box = new TextBox(&form);
    box->Move(10, 100, 50, 20);
    box->SetFocus();
    EXPECT_EQ(form.ActiveControl(), box);
    delete box;
    EXPECT_EQ(form.ActiveControl(), nullptr);
    h.Type("z");
    EXPECT_EQ(form.log.back(), "Press122");
}

} // namespace

namespace {

// A command button: Click on a press and release over it, its caption centred on its face.
class ButtonForm : public Form {
  public:
    CommandButton OK{this};
    Label Over{this}; // windowless: the button stays above it
    int clicks = 0;
    ButtonForm() {
        SetBorderStyle(vbBSNone);
        Move(0, 0, 300 * 15, 200 * 15);
        OK.Move(20, 20, 80, 26);
        OK.SetCaption("&OK");
        OK.SetBackColor(RGB(200, 200, 200));
        Over.Move(0, 0, 200, 100);
        OK.Click = [this] { ++clicks; };
    }
};

TEST(CommandButtonTest, ClicksAboveWindowlessControlsAndCentresItsCaption) {
    Headless h;
    ButtonForm form;
    form.Show();
    h.Pump();
    h.ClickOn(form.OK, 40, 13);
    EXPECT_EQ(form.clicks, 1);
    EXPECT_EQ(h.Pixel(22, 22), RGB(200, 200, 200)) << "the face";
    // The caption's ink lies about the middle, none near the left edge.
    int left = 1000, right = -1;
    for (int x = 22; x < 98; ++x)
        for (int y = 24; y < 42; ++y)
            if (h.Pixel(x, y) != RGB(200, 200, 200) && h.Pixel(x, y) != RGB(160, 160, 160)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(right, left);
    EXPECT_NEAR((left + right) / 2.0, 60, 3);
}

} // namespace
