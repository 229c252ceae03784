// The text box and the command button: the text and Change, typing while focused, the mask, who
// gets the keys (the focused box, the form first with KeyPreview), and a button's click and face.
#include "tests/support/headless.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <utility>
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

TEST_F(TextBoxTest, ATypedKeyReplacesTheSelectionAndBackspaceDeletesIt) {
    form.Entry.SetText("owlet");
    form.Entry.SetFocus();
    h.Pump();
    form.Entry.SetSelStart(1);
    form.Entry.SetSelLength(9);
    EXPECT_EQ(form.Entry.SelLength(), 4) << "kept within the text";
    h.Type("x");
    EXPECT_EQ(form.Entry.Text(), "ox");
    EXPECT_EQ(form.Entry.SelLength(), 0);
    h.Type("y");
    EXPECT_EQ(form.Entry.Text(), "oxy") << "no selection: typed at the end";
    form.Entry.SetSelStart(0);
    form.Entry.SetSelLength(2);
    h.Key(vbKeyBack);
    EXPECT_EQ(form.Entry.Text(), "y");
    form.Entry.SetSelLength(1);
    form.Entry.SetText("new");
    EXPECT_EQ(form.Entry.SelLength(), 0) << "a new text clears the selection";
}

TEST_F(TextBoxTest, AChangeHandlerMaySelectWhatWasJustTyped) {
    form.Entry.Change = [this] {
        form.Entry.SetSelStart(0);
        form.Entry.SetSelLength(static_cast<int>(form.Entry.Text().size()));
    };
    form.Entry.SetFocus();
    h.Pump();
    h.Type("ab");
    EXPECT_EQ(form.Entry.Text(), "b") << "each key replaced the selected text";
    EXPECT_EQ(form.Entry.SelLength(), 1);
}

TEST_F(TextBoxTest, GotFocusAndLostFocusFollowTheFocusedControl) {
    TextBox other{&form};
    other.Move(20, 120, 80, 24);
    std::vector<std::string> log;
    form.Entry.GotFocus = [&] { log.push_back("entry got"); };
    form.Entry.LostFocus = [&] { log.push_back("entry lost"); };
    other.GotFocus = [&] { log.push_back("other got"); };
    h.ClickOn(form.Entry, 5, 5);
    h.ClickOn(form.Entry, 5, 5);
    h.ClickOn(other, 5, 5);
    EXPECT_EQ(log, (std::vector<std::string>{"entry got", "entry lost", "other got"}));
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

namespace {

// A dialog page with one of each: a check box, an option group in a frame and one outside it,
// a list, a combo, a tab strip and a slider, each logging its events.
class DialogForm : public Form {
  public:
    TabStrip Tabs{this};
    CheckBox Check{this};
    Frame Group{this};
    OptionButton OptA{&Group}, OptB{&Group}, OptC{&Group};
    OptionButton Alone{this};
    ListBox List{this};
    ComboBox Combo{this};
    Slider Speed{this};
    std::vector<std::string> log;

    DialogForm() {
        SetBorderStyle(vbBSNone);
        Move(0, 0, 600 * 15, 400 * 15);
        Tabs.Move(10, 10, 300, 60);
        for (const char* t : {"General", "Colors", "Speaking"})
            Tabs.AddTab(t);
        Check.Move(10, 80, 120, 17);
        Check.SetCaption("&Auto play");
        Group.Move(10, 110, 150, 90);
        Group.SetCaption("Reset");
        OptA.Move(8, 16, 120, 17);
        OptB.Move(8, 36, 120, 17);
        OptC.Move(8, 56, 120, 17);
        Alone.Move(10, 210, 120, 17);
        List.Move(200, 80, 120, 60);
        Combo.Move(350, 80, 150, 21);
        Combo.SetStyle(vbComboDropdownList);
        Speed.Move(200, 160, 200, 32);
        Speed.SetMax(100);
        Tabs.Click = [this] { log.push_back("tab" + std::to_string(Tabs.SelectedItem())); };
        Check.Click = [this] { log.push_back("check" + std::to_string(Check.Value())); };
        OptA.Click = [this] { log.push_back("optA"); };
        OptB.Click = [this] { log.push_back("optB"); };
        OptC.Click = [this] { log.push_back("optC"); };
        Alone.Click = [this] { log.push_back("alone"); };
        List.Click = [this] { log.push_back("list" + std::to_string(List.ListIndex())); };
        Combo.Click = [this] { log.push_back("combo" + std::to_string(Combo.ListIndex())); };
        Speed.Change = [this] { log.push_back("change" + std::to_string(Speed.Value())); };
        Speed.Click = [this] { log.push_back("sclick"); };
        Speed.MouseUp = [this](int, int, float, float) { log.push_back("sup"); };
    }
};

class DialogControlsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form.Show();
        h.Pump();
    }
    std::vector<std::string> Take() { return std::exchange(form.log, {}); }
    static int ErrorOf(const std::function<void()>& f) {
        try {
            f();
        } catch (const RuntimeError& e) {
            return e.Number();
        }
        return 0;
    }
    Headless h;
    DialogForm form;
};

using Log = std::vector<std::string>;

TEST_F(DialogControlsTest, ValuesSetFromCodeRaiseTheirEventOnlyOnAChange) {
    form.List.AddItem("a");
    form.List.AddItem("b");
    form.Combo.AddItem("x");
    form.Combo.AddItem("y");
    form.Check.SetValue(1);
    form.Check.SetValue(1);
    form.Check.SetValue(vbGrayed);
    form.List.SetListIndex(1);
    form.List.SetListIndex(1);
    form.Combo.SetListIndex(0);
    form.Combo.SetListIndex(0);
    form.Tabs.SetSelectedItem(1); // already selected: the first tab added is
    form.Tabs.SetSelectedItem(3);
    form.Speed.SetValue(40);
    form.Speed.SetValue(40);
    EXPECT_EQ(Take(), (Log{"check1", "check2", "list1", "combo0", "tab3", "change40"}));
    EXPECT_EQ(form.Combo.Text(), "x");
    EXPECT_EQ(form.List.Text(), "b");
}

TEST_F(DialogControlsTest, ACheckBoxClickTogglesAndSpaceDoesTooWhenFocused) {
    h.ClickOn(form.Check, 5, 8);
    EXPECT_EQ(form.Check.Value(), 1);
    EXPECT_TRUE(form.Check.HasFocus());
    h.ClickOn(form.Check, 60, 8); // on the caption
    EXPECT_EQ(form.Check.Value(), 0);
    h.Key(vbKeySpace);
    EXPECT_EQ(Take(), (Log{"check1", "check0", "check1"}));
    form.Check.SetValue(vbGrayed);
    h.ClickOn(form.Check, 5, 8);
    EXPECT_EQ(form.Check.Value(), 0) << "a click clears a grey box";
    EXPECT_EQ(ErrorOf([&] { form.Check.SetValue(3); }), errInvalidPropertyValue);
}

TEST_F(DialogControlsTest, OptionButtonsAreGroupedByTheirContainer) {
    form.OptA.SetValue(true);
    form.Alone.SetValue(true);
    EXPECT_TRUE(form.OptA.Value()) << "another container's button leaves the group alone";
    h.ClickOn(form.OptB, 5, 8);
    EXPECT_FALSE(form.OptA.Value());
    EXPECT_TRUE(form.OptB.Value());
    EXPECT_TRUE(form.Alone.Value());
    h.ClickOn(form.OptB, 5, 8); // already set: no change, no Click
    h.Key(vbKeyDown);           // focused: the next of the group
    EXPECT_TRUE(form.OptC.Value());
    EXPECT_TRUE(form.OptC.HasFocus());
    h.Key(vbKeyDown); // wraps to the first
    EXPECT_TRUE(form.OptA.Value());
    form.OptA.SetValue(false);
    EXPECT_EQ(Take(), (Log{"optA", "alone", "optB", "optC", "optA"}));
    EXPECT_FALSE(form.OptB.Value() || form.OptC.Value() || form.OptA.Value());
}

TEST_F(DialogControlsTest, ListItemsAddRemoveAndIndexBounds) {
    ListBox& l = form.List;
    for (const char* s : {"one", "two", "four"})
        l.AddItem(s);
    l.AddItem("three", 2);
    EXPECT_EQ(l.ListCount(), 4);
    EXPECT_EQ(l.List(2), "three");
    l.SetListIndex(3);
    l.RemoveItem(0);
    EXPECT_EQ(l.ListIndex(), 2) << "the selection stays on its item";
    EXPECT_EQ(l.Text(), "four");
    l.RemoveItem(2);
    EXPECT_EQ(l.ListIndex(), -1) << "the selected item went";
    EXPECT_EQ(Take(), Log{"list3"}) << "removal raises no Click";
    struct Case {
        const char* what;
        std::function<void()> call;
        int error;
    } cases[] = {
        {"List(count)", [&] { (void)l.List(2); }, errInvalidArrayIndex},
        {"List(-1)", [&] { (void)l.List(-1); }, errInvalidArrayIndex},
        {"RemoveItem(count)", [&] { l.RemoveItem(2); }, errInvalidArrayIndex},
        {"AddItem past the end", [&] { l.AddItem("x", 4); }, errInvalidArrayIndex},
        {"ListIndex = count", [&] { l.SetListIndex(2); }, errInvalidPropertyValue},
        {"ListIndex = -2", [&] { l.SetListIndex(-2); }, errInvalidPropertyValue},
        {"combo ListIndex", [&] { form.Combo.SetListIndex(0); }, errInvalidPropertyValue},
        {"combo List", [&] { (void)form.Combo.List(0); }, errInvalidArrayIndex},
        {"tab 4 of 3", [&] { form.Tabs.SetSelectedItem(4); }, errInvalidPropertyValue},
        {"tab caption 0", [&] { (void)form.Tabs.TabCaption(0); }, errInvalidArrayIndex},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorOf(c.call), c.error) << c.what;
    EXPECT_EQ(l.ListCount(), 2);
    l.SetListIndex(-1);
    l.SetListIndex(0);
    l.Clear();
    EXPECT_EQ(l.ListIndex(), -1);
    EXPECT_EQ(l.ListCount(), 0);
    EXPECT_EQ(Take(), Log{"list0"});
}

TEST_F(DialogControlsTest, AListSelectsByMouseAndKeysAndScrollsToTheSelection) {
    ListBox& l = form.List;
    for (int i = 0; i < 10; ++i)
        l.AddItem("item " + std::to_string(i));
    ASSERT_LT(l.VisibleCount(), 10);
    h.ClickOn(l, 10, 2 + l.ItemHeight() * 1.5);
    EXPECT_EQ(l.ListIndex(), 1);
    h.Key(vbKeyDown);
    h.Key(vbKeyEnd);
    EXPECT_EQ(l.ListIndex(), 9);
    EXPECT_GT(l.TopIndex(), 0) << "the selection is scrolled into view";
    h.Key(vbKeyHome);
    EXPECT_EQ(l.TopIndex(), 0);
    EXPECT_EQ(Take(), (Log{"list1", "list2", "list9", "list0"}));
}

TEST_F(DialogControlsTest, SliderClampsStepsByLargeChangeAndDrags) {
    Slider& s = form.Speed;
    s.SetValue(250);
    s.SetValue(-3);
    EXPECT_EQ(Take(), (Log{"change100", "change0"}));
    s.SetLargeChange(5);
    s.SetValue(50);
    Take();
    const IRect t = s.ThumbRect();
    h.ClickOn(s, t.x - 10, t.y + 5); // the track left of the thumb
    EXPECT_EQ(s.Value(), 45);
    EXPECT_EQ(Take(), (Log{"change45", "sup", "sclick"}));
    h.ClickOn(s, t.x + t.w + 20, t.y + 5);
    EXPECT_EQ(s.Value(), 50);
    Take();
    // Drag the thumb to the right end: every value on the way raises Change, the last is Max.
    const IRect t2 = s.ThumbRect();
    double x, y;
    Headless::At(s, t2.x + t2.w / 2.0, t2.y + 5, x, y);
    h.Down(x, y);
    h.Move(x + 30, y);
    h.Move(x + 500, y);
    h.Up(x + 500, y);
    EXPECT_EQ(s.Value(), 100);
    const Log dragged = Take();
    ASSERT_GE(dragged.size(), 3u);
    EXPECT_EQ(Log(dragged.end() - 3, dragged.end()), (Log{"change100", "sup", "sclick"}));
    s.SetMax(80); // the value follows the range
    EXPECT_EQ(s.Value(), 80);
    EXPECT_EQ(ErrorOf([&] { s.SetMin(90); }), errInvalidPropertyValue);
    s.SetFocus();
    h.Pump();
    // A key that moves the thumb is a finished change, as a click is; one at the end is none.
    h.Key(vbKeyLeft);
    h.Key(vbKeyPageUp);
    h.Key(vbKeyHome);
    h.Key(vbKeyHome);
    EXPECT_EQ(Take(),
              (Log{"change80", "change79", "sclick", "change74", "sclick", "change0", "sclick"}));
}

// Wherever the pointer is let go after a drag, the value the thumb shows is the one stored: the
// release ends in one Click.
struct SliderDropCase {
    const char* name;
    double dx, dy; // from where the thumb was taken
    int32_t value;
};

class SliderDropTest : public DialogControlsTest,
                       public ::testing::WithParamInterface<SliderDropCase> {};

TEST_P(SliderDropTest, ADragEndsInOneClickWhereverItIsLetGo) {
    const SliderDropCase& c = GetParam();
    Slider& s = form.Speed;
    s.SetValue(50);
    Take();
    const IRect t = s.ThumbRect();
    double x, y;
    Headless::At(s, t.x + t.w / 2.0, t.y + 5, x, y);
    h.Down(x, y);
    h.Move(x + c.dx, y + c.dy);
    h.Up(x + c.dx, y + c.dy);
    EXPECT_EQ(s.Value(), c.value);
    const Log log = Take();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(Log(log.end() - 2, log.end()), (Log{"sup", "sclick"}));
    EXPECT_EQ(std::count(log.begin(), log.end(), "sclick"), 1);
}

INSTANTIATE_TEST_SUITE_P(Drops, SliderDropTest,
                         ::testing::Values(SliderDropCase{"OnTheSlider", 20, 0, 61},
                                           SliderDropCase{"PastTheRightEnd", 400, 0, 100},
                                           SliderDropCase{"PastTheLeftEnd", -300, 0, 0},
                                           SliderDropCase{"BelowTheSlider", 20, 120, 61}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DialogControlsTest, APressOnATabSelectsItOnce) {
    const IRect third = form.Tabs.TabRect(3);
    h.ClickOn(form.Tabs, third.x + third.w / 2.0, third.y + third.h / 2.0);
    EXPECT_EQ(form.Tabs.SelectedItem(), 3);
    h.ClickOn(form.Tabs, third.x + third.w / 2.0, third.y + third.h / 2.0);
    h.ClickOn(form.Tabs, 100, 50); // on the page: nothing
    h.Key(vbKeyLeft);
    EXPECT_EQ(Take(), (Log{"tab3", "tab2"}));
    EXPECT_EQ(form.Tabs.Tabs(), 3);
    EXPECT_GT(form.Tabs.TabRowHeight(), 12);
    EXPECT_LT(third.y + third.h, form.Tabs.TabRowHeight() + 2);
}

TEST_F(DialogControlsTest, TheComboDropsDownAndAReleaseOnAnItemChoosesIt) {
    ComboBox& c = form.Combo;
    for (const char* s : {"Drum", "Saxophone", "Guitar"})
        c.AddItem(s);
    h.ClickOn(c, 20, 10);
    ASSERT_TRUE(c.DroppedDown());
    const IRect item = c.DropItemRect(2);
    ASSERT_FALSE(item.Empty());
    EXPECT_GE(item.y, c.ScreenRect().y + c.ScreenRect().h) << "below the field";
    EXPECT_NE(h.Pixel(item.x + 40, item.y + 4), RGB(240, 240, 240)) << "the list is drawn";
    h.Click(item.x + 5, item.y + 3);
    EXPECT_FALSE(c.DroppedDown());
    EXPECT_EQ(c.ListIndex(), 2);
    EXPECT_EQ(c.Text(), "Guitar");
    // Opened again: a press outside closes it, choosing nothing, and reaches nothing else.
    h.ClickOn(c, 20, 10);
    ASSERT_TRUE(c.DroppedDown());
    h.ClickOn(form.Check, 5, 8);
    EXPECT_FALSE(c.DroppedDown());
    EXPECT_EQ(form.Check.Value(), 0);
    // The keys: Up on the closed box, then in the open list Down and Enter.
    c.SetFocus();
    h.Pump();
    h.Key(vbKeyUp);
    h.Key(vbKeyDown, vbAltMask);
    ASSERT_TRUE(c.DroppedDown());
    h.Key(vbKeyDown);
    h.Key(vbKeyReturn);
    EXPECT_FALSE(c.DroppedDown());
    EXPECT_EQ(Take(), (Log{"combo2", "combo1", "combo2"}));
}

TEST_F(DialogControlsTest, TwoQuickPressesOnACheckBoxAreTwoClicksAndTheTickShows) {
    auto ink = [&] {
        const IRect b = form.Check.BoxRect();
        const IRect r = form.Check.ScreenRect();
        int dark = 0;
        for (int y = r.y + b.y + 3; y < r.y + b.y + b.h - 3; ++y)
            for (int x = r.x + b.x + 3; x < r.x + b.x + b.w - 3; ++x)
                dark += h.Pixel(x, y) == RGB(0, 0, 0);
        return dark;
    };
    EXPECT_EQ(ink(), 0);
    double x, y;
    Headless::At(form.Check, 5, 8, x, y);
    h.DoubleClick(x, y);
    EXPECT_EQ(Take(), (Log{"check1", "check0"}));
    form.Check.SetValue(1);
    EXPECT_GT(ink(), 10) << "the tick";
}

TEST_F(DialogControlsTest, AnEditableComboTakesTypedTextAndAListComboOnlyItsItems) {
    ComboBox& c = form.Combo;
    c.AddItem("Puzzle");
    c.SetStyle(vbComboDropdown);
    int changes = 0;
    c.Change = [&] { ++changes; };
    c.SetFocus();
    h.Pump();
    h.Type("Puz");
    EXPECT_EQ(c.Text(), "Puz");
    EXPECT_EQ(c.ListIndex(), -1);
    h.Type("zle");
    EXPECT_EQ(c.ListIndex(), 0) << "the text of an item selects it";
    EXPECT_EQ(changes, 6);
    c.SetStyle(vbComboDropdownList);
    EXPECT_EQ(ErrorOf([&] { c.SetText("Chess"); }), errInvalidPropertyValue);
    EXPECT_EQ(c.Text(), "Puzzle");
}

// --- The colour dialog ------------------------------------------------------------------------

TEST(CommonDialogTest, OkSetsTheColourCancelRaisesOnlyWithCancelError) {
    Headless h;
    CommonDialog dlg;
    dlg.SetColor(RGB(1, 2, 3));
    std::optional<int32_t> answer = RGB(255, 0, 0);
    int32_t seen = -1;
    SetColorDialogResponder([&](int32_t start) {
        seen = start;
        return answer;
    });
    dlg.ShowColor();
    EXPECT_EQ(seen, RGB(1, 2, 3));
    EXPECT_EQ(dlg.Color(), RGB(255, 0, 0));
    answer.reset();
    dlg.ShowColor(); // cancelled without CancelError: nothing happens
    EXPECT_EQ(dlg.Color(), RGB(255, 0, 0));
    dlg.SetCancelError(true);
    try {
        dlg.ShowColor();
        ADD_FAILURE() << "Cancel raises";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), errCancel);
    }
    EXPECT_EQ(dlg.Color(), RGB(255, 0, 0));
    SetColorDialogResponder(nullptr);
}

class RealColorDialogTest : public ::testing::Test {
  protected:
    // Runs ShowColor while a timer plays the user's part once the dialog shows.
    void ShowWhile(std::function<void()> user) {
        Timer t;
        t.SetInterval(10);
        t.Tick = [&] {
            t.SetEnabled(false);
            ASSERT_TRUE(ColorDialogShowing());
            user();
        };
        t.SetEnabled(true);
        dlg.ShowColor();
    }
    static void Press(const std::array<int, 4>& r, int clicks = 1) {
        PostMouseDown(r[0] + 5, r[1] + 5, 1, clicks);
        PostMouseUp(r[0] + 5, r[1] + 5, 1, clicks);
    }
    Headless h;
    CommonDialog dlg;
};

TEST_F(RealColorDialogTest, AColourPickedWithTheMouseAndOk) {
    dlg.SetColor(RGB(9, 9, 9));
    ShowWhile([] {
        Press(ColorDialogCellRects()[5]);
        Press(ColorDialogButtonRect(true));
    });
    EXPECT_FALSE(ColorDialogShowing());
    EXPECT_EQ(dlg.Color(), ColorDialogPalette()[5]);
    ShowWhile([] { Press(ColorDialogCellRects()[7], 2); }); // a double press answers OK
    EXPECT_EQ(dlg.Color(), ColorDialogPalette()[7]);
}

TEST_F(RealColorDialogTest, KeysMoveThePickEnterTakesItEscCancels) {
    dlg.SetColor(ColorDialogPalette()[0]);
    ShowWhile([] {
        PostKeyDown(vbKeyRight);
        PostKeyDown(vbKeyDown);
        PostKeyDown(vbKeyReturn);
    });
    EXPECT_EQ(dlg.Color(), ColorDialogPalette()[kColorColumns + 1]);
    dlg.SetCancelError(true);
    int error = 0;
    try {
        ShowWhile([] {
            PostKeyDown(vbKeyLeft);
            PostKeyDown(vbKeyEscape);
        });
    } catch (const RuntimeError& e) {
        error = e.Number();
    }
    EXPECT_EQ(error, errCancel);
    EXPECT_EQ(dlg.Color(), ColorDialogPalette()[kColorColumns + 1]);
    EXPECT_THROW(ShowWhile([] { Press(ColorDialogButtonRect(false)); }), RuntimeError)
        << "Cancel by the mouse raises too";
}

} // namespace
