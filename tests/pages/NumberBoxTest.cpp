// The number box and the bound controls without a window.
#include <gtest/gtest.h>

#include <random>

#include "base/Gbk.h"
#include "pages/BoundControls.h"
#include "pages/NumberBox.h"

namespace tavo::app {
namespace {

// Types each character at the end of the text as a keystroke; returns how
// many were refused.
int Type(NumberBox& box, const std::string& chars) {
  int refused = 0;
  for (char c : chars)
    if (box.UserText(box.Text() + c, true) == NumberBox::Edit::Refused) ++refused;
  return refused;
}

struct ParseCase {
  const char* text;
  Radix radix;
  int64_t min, max;
  TextCheck check;
  int64_t value;
};

TEST(NumberBoxParse, ReadsEachRadixAgainstTheRange) {
  const ParseCase cases[] = {
      {"", Radix::Unsigned, 0, 10, TextCheck::Empty, 0},
      {"  ", Radix::Signed, 0, 10, TextCheck::Empty, 0},
      {"7", Radix::Unsigned, 0, 10, TextCheck::Valid, 7},
      {" 7 ", Radix::Unsigned, 0, 10, TextCheck::Valid, 7},  // as "%d%s" reads it
      {"+7", Radix::Signed, -10, 10, TextCheck::Valid, 7},
      {"11", Radix::Unsigned, 0, 10, TextCheck::OutOfRange, 11},
      {"-3", Radix::Unsigned, 0, 10, TextCheck::OutOfRange, -3},
      {"-", Radix::Signed, -10, 10, TextCheck::LoneMinus, 0},
      {"-", Radix::Unsigned, 0, 10, TextCheck::NotNumber, 0},
      {"7x", Radix::Unsigned, 0, 10, TextCheck::NotNumber, 0},
      {"1 2", Radix::Unsigned, 0, 100, TextCheck::NotNumber, 0},
      {"fF", Radix::Hex, 0, 255, TextCheck::Valid, 255},
      {"FG", Radix::Hex, 0, 255, TextCheck::NotNumber, 0},
      {"-1", Radix::Hex, 0, 255, TextCheck::NotNumber, 0},
      {"17", Radix::Octal, 0, 100, TextCheck::Valid, 15},
      {"18", Radix::Octal, 0, 100, TextCheck::NotNumber, 0},
      {"99999999999999999999999", Radix::Unsigned, 0, 0xFFFFFFFFLL, TextCheck::OutOfRange, 0},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(c.text);
    const ParsedText p = ParseNumber(c.text, c.radix, c.min, c.max);
    EXPECT_EQ(p.check, c.check);
    if (c.check == TextCheck::Valid) {
      EXPECT_EQ(p.value, c.value);
    }
  }
  EXPECT_EQ(FormatNumber(255, Radix::Hex), "FF");
  EXPECT_EQ(FormatNumber(8, Radix::Octal), "10");
  EXPECT_EQ(FormatNumber(-5, Radix::Signed), "-5");
}

TEST(NumberBox, AKeystrokePastTheMaximumIsRefusedAndTheTextSelected) {
  int32_t y = 0;
  NumberBox box;
  box.SetRadix(Radix::Signed);
  box.Bind(y);
  box.SetRange(0, 48);
  box.SetFocused(true);
  box.UserText("", true);
  EXPECT_EQ(Type(box, "300"), 1);
  EXPECT_EQ(box.Text(), "30");
  EXPECT_EQ(y, 30);
  EXPECT_TRUE(box.TakeSelectAll());
  EXPECT_TRUE(box.Changed());
}

TEST(NumberBox, APrefixBelowTheMinimumIsKeptUnstoredWhileItCanStillGrowIntoRange) {
  uint8_t width = 16;
  NumberBox box;
  box.Bind(width);
  box.SetRange(16, 44);
  box.SetFocused(true);
  box.UserText("", true);  // clearing stores the range's value nearest 0
  EXPECT_EQ(width, 16);
  EXPECT_EQ(Type(box, "5"), 1);  // 50..59 are all above 44
  EXPECT_EQ(Type(box, "2"), 0);  // 20..29 can follow
  EXPECT_EQ(box.Text(), "2");
  EXPECT_EQ(width, 16);
  EXPECT_EQ(Type(box, "4"), 0);
  EXPECT_EQ(width, 24);
  // Leaving the box shows what is stored again.
  box.UserText("3", true);
  EXPECT_EQ(width, 24);
  box.FocusOut();
  EXPECT_EQ(box.Text(), "24");
  EXPECT_FALSE(box.Changed());
}

TEST(NumberBox, ALoneMinusAndAnEmptyBoxStoreZero) {
  int32_t v = 40;
  NumberBox box;
  box.SetRadix(Radix::Signed);
  box.Bind(v);
  box.SetRange(-100, 100);
  box.SetFocused(true);
  box.UserText("", true);
  EXPECT_EQ(v, 0);
  EXPECT_EQ(box.Text(), "");
  EXPECT_EQ(Type(box, "-"), 0);
  EXPECT_EQ(box.Text(), "-");
  EXPECT_EQ(v, 0);
  EXPECT_EQ(Type(box, "7"), 0);
  EXPECT_EQ(v, -7);
  EXPECT_EQ(Type(box, "00"), 1);  // -700 is below -100 for good
  EXPECT_EQ(v, -70);

  uint8_t u = 5;
  NumberBox unsignedBox;
  unsignedBox.Bind(u);
  unsignedBox.SetRange(0, 200);
  EXPECT_EQ(unsignedBox.UserText("-", true), NumberBox::Edit::Refused);
  EXPECT_EQ(unsignedBox.Text(), "5");
}

TEST(NumberBox, RadixModesTakeOnlyTheirDigits) {
  uint16_t addr = 8;
  NumberBox box;
  box.SetRadix(Radix::Octal);
  box.Bind(addr);
  box.SetRange(0, 9999);
  EXPECT_EQ(box.Text(), "10");
  box.UserText("", true);
  EXPECT_EQ(Type(box, "78"), 1);
  EXPECT_EQ(addr, 7);
  box.SetRadix(Radix::Hex);
  EXPECT_EQ(box.Text(), "7");
  EXPECT_EQ(Type(box, "aG"), 1);
  EXPECT_EQ(box.Text(), "7a");
  EXPECT_EQ(addr, 0x7A);
}

TEST(NumberBox, ValuesKeepTheFieldsWidthAndSign) {
  int32_t high = -1;  // 0xFFFFFFFF as an unsigned limit
  NumberBox box;
  box.Bind(high);
  box.SetRange(0, 4294967295.0);
  EXPECT_EQ(box.Text(), "4294967295");
  box.SetRadix(Radix::Signed);
  box.SetRange(-2147483648.0, 2147483647.0);
  EXPECT_EQ(box.Text(), "-1");
  box.SetValue(int64_t{1} << 40);
  EXPECT_EQ(high, 2147483647);

  uint8_t byte = 0;
  NumberBox small;
  small.Bind(byte);
  small.SetRange(0, 255);
  small.SetFocused(true);
  EXPECT_EQ(Type(small, "256"), 1);
  EXPECT_EQ(byte, 25);
}

TEST(NumberBox, ASingleValueRangeFixesTheFieldAndAnEmptyOneLeavesIt) {
  uint8_t count = 2;
  NumberBox box;
  box.Bind(count);
  box.SetRange(1, 1);
  EXPECT_FALSE(box.Enabled());
  EXPECT_EQ(count, 1);
  EXPECT_EQ(box.Text(), "1");
  box.Step(1);  // arrows do nothing while disabled
  EXPECT_EQ(count, 1);
  box.SetRange(1, 2);
  EXPECT_TRUE(box.Enabled());
  EXPECT_EQ(count, 1);

  // A text wider than the display has no X range; a bit offset of a type
  // without bits has the range 0..-1. Neither may write its maximum.
  int32_t x = 100;
  NumberBox pos;
  pos.SetRadix(Radix::Signed);
  pos.Bind(x);
  pos.SetRange(0, -192);
  EXPECT_FALSE(pos.Enabled());
  EXPECT_EQ(x, 100);
  uint8_t offset = 0;
  NumberBox bits;
  bits.Bind(offset);
  bits.SetRange(0, -1);
  EXPECT_EQ(offset, 0);
  EXPECT_EQ(bits.Text(), "0");

  // A hidden box keeps its field whatever its range.
  uint8_t sub = 9;
  NumberBox hidden;
  hidden.SetVisible(false);
  hidden.Bind(sub);
  hidden.SetRange(0, 0);
  hidden.SetRange(0, 3);
  EXPECT_EQ(sub, 9);
}

TEST(NumberBox, AZeroBelowTheMinimumIsRefusedAndTheTextSelected) {
  uint16_t screen = 1;
  NumberBox box;
  box.Bind(screen);
  box.SetRange(1, 65535);
  box.SetFocused(true);
  EXPECT_EQ(box.UserText("0", true), NumberBox::Edit::Refused);  // all selected, "0" typed
  EXPECT_EQ(box.Text(), "1");
  EXPECT_TRUE(box.TakeSelectAll());
  EXPECT_EQ(screen, 1);
  EXPECT_EQ(Type(box, "0"), 0);  // "10": fine
  EXPECT_EQ(screen, 10);
  box.UserText("", true);
  EXPECT_EQ(Type(box, "05"), 1);  // no leading zero either
  EXPECT_EQ(box.Text(), "5");
  EXPECT_EQ(screen, 5);

  int32_t low = -3;
  NumberBox signedBox;
  signedBox.SetRadix(Radix::Signed);
  signedBox.Bind(low);
  signedBox.SetRange(-100, -1);
  signedBox.SetFocused(true);
  signedBox.UserText("-", true);
  EXPECT_EQ(Type(signedBox, "0"), 1);  // "-0" never reaches -100..-1
  EXPECT_EQ(Type(signedBox, "7"), 0);
  EXPECT_EQ(low, -7);
}

TEST(NumberBox, ArrowsStepWithinTheRangeAndMarkTheBox) {
  uint16_t v = 9;
  int edits = 0;
  NumberBox box;
  box.onUserEdit = [&] { ++edits; };
  box.Bind(v);
  box.SetRange(0, 10);
  box.SetStep(2);
  box.Step(1);
  EXPECT_EQ(v, 10);
  EXPECT_TRUE(box.Changed());
  box.Step(-1);
  box.Step(-1);
  EXPECT_EQ(v, 6);
  EXPECT_EQ(box.Text(), "6");
  EXPECT_EQ(edits, 3);
}

TEST(NumberBox, ProgramUpdatesAndFocusLossClearTheChangedMark) {
  uint16_t v = 0;
  NumberBox box;
  box.Bind(v);
  box.SetRange(0, 100);
  box.SetFocused(true);
  Type(box, "5");
  EXPECT_TRUE(box.Changed());
  box.FocusOut();
  EXPECT_FALSE(box.Changed());
  box.UserText("7", false);  // a change without the focus: a program update
  EXPECT_FALSE(box.Changed());
  box.SetFocused(true);
  box.UserText("8", true);
  box.SetFocused(false);
  box.SetValue(3);
  EXPECT_FALSE(box.Changed());
  EXPECT_EQ(box.Text(), "3");
}

TEST(NumberBox, APastedTextOutOfRangeIsSelectedAndNotStored) {
  uint16_t v = 4;
  NumberBox box;
  box.Bind(v);
  box.SetRange(0, 100);
  box.SetFocused(true);
  EXPECT_EQ(box.UserText("500", false), NumberBox::Edit::Accepted);
  EXPECT_EQ(box.Text(), "500");
  EXPECT_TRUE(box.TakeSelectAll());
  EXPECT_EQ(v, 4);
  box.FocusOut();
  EXPECT_EQ(box.Text(), "4");
}

// Random typing, deleting and pasting into boxes of every radix and width:
// the bound field never leaves the range, and a refused keystroke leaves the
// text as it was.
TEST(NumberBox, NoUserInputPutsAFieldOutsideItsRange) {
  std::mt19937 rng(20261208);
  const std::string keys = "0123456789-+ aFgx7";
  const Radix radices[] = {Radix::Unsigned, Radix::Signed, Radix::Hex, Radix::Octal};
  for (int round = 0; round < 400; ++round) {
    int32_t field = 0;
    NumberBox box;
    const Radix radix = radices[round % 4];
    box.SetRadix(radix);
    box.Bind(field);
    const int64_t lo = radix == Radix::Signed ? -int64_t(rng() % 70000) : int64_t(rng() % 300);
    const int64_t hi = lo + 1 + int64_t(rng() % 100000);
    box.SetRange(static_cast<double>(lo), static_cast<double>(hi));
    box.SetFocused(true);
    for (int step = 0; step < 40; ++step) {
      const std::string before = box.Text();
      std::string text = before;
      switch (rng() % 4) {
        case 0:
          if (!text.empty()) text.erase(rng() % text.size(), 1);
          break;
        case 1:
          text = std::string(1 + rng() % 3, keys[rng() % keys.size()]);  // a paste
          break;
        default:
          text.insert(text.empty() ? 0 : rng() % (text.size() + 1), 1, keys[rng() % keys.size()]);
      }
      const bool keystroke = text.size() == before.size() + 1 || text.size() + 1 == before.size();
      if (box.UserText(text, keystroke) == NumberBox::Edit::Refused) {
        EXPECT_EQ(box.Text(), before);
      }
      ASSERT_GE(box.Value(), lo) << "text " << box.Text();
      ASSERT_LE(box.Value(), hi) << "text " << box.Text();
      if (rng() % 8 == 0) box.Step(rng() % 2 ? 1 : -1);
    }
    box.FocusOut();
    EXPECT_EQ(ParseNumber(box.Text(), radix, lo, hi).value, box.Value());
  }
}

TEST(BoundText, KeystrokesPastTheLimitAreRefusedAndPastesCut) {
  std::string field;
  BoundText text;
  text.Bind(field, 4);
  EXPECT_TRUE(text.UserText("abcd", true));
  EXPECT_FALSE(text.UserText("abcde", true));
  EXPECT_EQ(field, "abcd");
  // A two-byte character that does not fit is dropped whole.
  EXPECT_TRUE(text.UserText(G("ab中文"), false));
  EXPECT_EQ(field, "ab" + G("中"));
  EXPECT_EQ(CutGbk(G("a中"), 2), "a");
  EXPECT_EQ(CutGbk("abc", 0), "");
  EXPECT_TRUE(text.Changed());
}

TEST(BoundCombo, BindingClampsToTheLastEntryAndAnEmptyListHides) {
  uint8_t index = 7;
  BoundCombo combo;
  combo.Bind(index, {"a", "b"});
  EXPECT_EQ(index, 1);
  EXPECT_EQ(combo.SelectedName(), "b");
  EXPECT_TRUE(combo.Visible());
  combo.Choose(1);
  EXPECT_FALSE(combo.Changed());  // the same entry again changes nothing
  combo.Choose(0);
  EXPECT_TRUE(combo.Changed());
  EXPECT_EQ(index, 0);
  combo.Bind(index, {});
  EXPECT_FALSE(combo.Visible());
  EXPECT_EQ(combo.Selected(), -1);
}

TEST(BoundCheck, AClickTogglesTheByte) {
  uint8_t flag = 2;  // a damaged file's "set"
  BoundCheck check;
  check.Bind(flag);
  EXPECT_TRUE(check.Checked());
  check.Click();
  EXPECT_EQ(flag, 0);
  check.Click();
  EXPECT_EQ(flag, 1);
  EXPECT_TRUE(check.Changed());
  check.SetEnabled(false);
  check.Click();
  EXPECT_EQ(flag, 1);
}

}  // namespace
}  // namespace tavo::app
