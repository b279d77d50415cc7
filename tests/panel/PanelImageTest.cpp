// Which bytes the runtime accepts as screen data, and how it survives damaged
// ones.
#include <gtest/gtest.h>

#include <random>

#include "panel/PanelRuntime.h"
#include "panel/TestImage.h"

namespace tavo::panel {
namespace {

using test::TestImage;

// One screen of every kind, two screens, an alarm list.
TestImage RichImage() {
  TestImage t;
  for (int i = 0; i < 4; ++i) t.slots.push_back(test::SlotBox(0, 0, 4 + 4 * i, 16));
  t.slots.push_back(test::SlotBox(2, 2, 14, 14));  // key picture, slot 4
  t.slots.push_back(test::SlotBox(0, 0, 16, 2));   // wide glyph, slot 5
  t.narrow = {test::NarrowColumn(1), test::NarrowColumn(5)};
  t.pictures = {{0xFF, 0x81, 0x81, 0xFF}};
  t.screens = {{1,
                2,
                2,
                {test::Text(0, 0, {0x80, 0x05, 0, 1}), test::Light(40, 0, 1, 0, 0, 1),
                 test::Key(60, 0, 0, 7, 3, 1, 0, {4}), test::Picture(100, 0, 4, 8, 0),
                 test::Graph(false, 0, 20, 0, 2, 30, 12, 100, 0, 8),
                 test::Graph(true, 40, 20, 0, 2, 60, 40, 100, 0, 10),
                 test::Dynamic(110, 20, 0, 3, 2, {{0, {0, 1}}, {1, {0x80, 0x05}}}),
                 test::Register(110, 40, 0x20 | 0x08, 2, 5, 1)}},
               {2, 1, 1, {test::Text(0, 0, {1, 1}, 0x03)}}};
  t.alarms = test::TestAlarms{};
  t.alarms->texts = {{0, 1}, {0x80, 0x05}};
  return t;
}

std::vector<uint8_t> AsMemory(const std::vector<uint8_t>& image, bool marked) {
  std::vector<uint8_t> memory(0x10000, 0xFF);
  std::copy(image.begin(), image.end(), memory.begin() + 0x8000);
  if (marked) {
    memory[0x8000] = 0x5A;
    memory[0x8001] = 0xA5;
  }
  return memory;
}

TEST(PanelImage, CompiledImageAndMarkedMemoryShowTheSame) {
  const std::vector<uint8_t> image = RichImage().Build();
  PanelRuntime compiled, memory;
  ASSERT_TRUE(compiled.Load(image));
  EXPECT_EQ(compiled.Image().Origin(), ImageOrigin::CompiledImage);
  EXPECT_TRUE(compiled.Problems().empty()) << compiled.Problems().front();
  ASSERT_TRUE(memory.Load(AsMemory(image, true)));
  EXPECT_EQ(memory.Image().Origin(), ImageOrigin::PanelMemory);
  EXPECT_GT(compiled.Render().CountLit(), 100);
  EXPECT_EQ(compiled.Render(), memory.Render());
  // An image file that already carries the mark is shown as well.
  std::vector<uint8_t> marked = image;
  marked[0] = 0x5A;
  marked[1] = 0xA5;
  EXPECT_TRUE(PanelRuntime().Load(marked));
}

TEST(PanelImage, MemoryWithoutTheValidityMarkShowsNothing) {
  const std::vector<uint8_t> image = RichImage().Build();
  // A download cut off anywhere leaves FF FF (or the old bytes) at 0x8000.
  for (size_t cut : {size_t{0}, size_t{128}, image.size()}) {
    std::vector<uint8_t> memory(0x10000, 0);
    std::copy(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(cut),
              memory.begin() + 0x8000);
    memory[0x8000] = memory[0x8001] = 0xFF;
    PanelRuntime rt;
    EXPECT_FALSE(rt.Load(memory));
    EXPECT_EQ(rt.Image().State(), ImageState::NoValidityMark);
    EXPECT_NE(rt.Notice().find("validity mark"), std::string::npos);
    EXPECT_EQ(rt.View(), PanelView::Nothing);
    EXPECT_EQ(rt.Render().CountLit(), 0);
    rt.PressKey(PanelKey::Ent);
    rt.Advance(std::chrono::minutes(1));
    EXPECT_EQ(rt.Render().CountLit(), 0);
  }
}

TEST(PanelImage, OtherBytesAreNoImage) {
  std::vector<uint8_t> image = RichImage().Build();
  const struct {
    const char* what;
    std::vector<uint8_t> bytes;
  } cases[] = {
      {"empty", {}},
      {"shorter than the header", std::vector<uint8_t>(image.begin(), image.begin() + 47)},
      {"larger than the image area", std::vector<uint8_t>(0x8001, 0xFF)},
      {"between area and memory size", std::vector<uint8_t>(0xFFFF, 0xFF)},
      {"wrong first bytes",
       [&] {
         auto b = image;
         b[0] = 0;
         return b;
       }()},
  };
  for (const auto& c : cases) {
    PanelRuntime rt;
    EXPECT_FALSE(rt.Load(c.bytes)) << c.what;
    EXPECT_EQ(rt.Image().State(), ImageState::NotAnImage) << c.what;
    EXPECT_FALSE(rt.Notice().empty()) << c.what;
    EXPECT_EQ(rt.Render().CountLit(), 0) << c.what;
  }
}

TEST(PanelImage, CutImagesShowWhatIsThereAndSayWhatIsMissing) {
  const std::vector<uint8_t> image = RichImage().Build();
  for (size_t size = 48; size < image.size(); ++size) {
    PanelRuntime rt;
    ASSERT_TRUE(rt.Load(std::span(image).first(size)));
    rt.Render();
    EXPECT_FALSE(rt.Problems().empty()) << size;
  }
}

TEST(PanelImage, ReferencesOutsideTheirAreasAreReported) {
  TestImage t = RichImage();
  t.screens[1].elements = {test::Text(0, 0, {0x80, 0x40}),   // slot 64: past the slots
                           test::Text(0, 16, {0x7F}),        // narrow 127: past the glyphs
                           test::Light(0, 32, 1, 0, 9, 9)};  // lamp picture 9
  PanelRuntime rt;
  ASSERT_TRUE(rt.Load(t.Build()));
  ASSERT_TRUE(rt.ShowScreen(2));
  rt.Render();
  const std::vector<std::string> p = rt.Problems();
  ASSERT_EQ(p.size(), 4u);
  EXPECT_NE(p[0].find("wide glyph slot 64"), std::string::npos) << p[0];
  EXPECT_NE(p[1].find("narrow glyph 127"), std::string::npos) << p[1];
  EXPECT_NE(p[2].find("lamp picture 9"), std::string::npos) << p[2];
}

TEST(PanelImage, UnknownKindsAndCountsPastTheImage) {
  std::vector<uint8_t> image = RichImage().Build();
  const uint16_t table = static_cast<uint16_t>(image[2] << 8 | image[3]);
  const size_t index =
      static_cast<size_t>(image[table - 0x8000 + 7] << 8 | image[table - 0x8000 + 8]) - 0x8000;
  image[index] = 9;                 // first element: unknown kind
  image[table - 0x8000 + 2] = 255;  // screen 1 claims 255 elements
  image[16] = 0xFF;                 // 65280 + screens
  PanelRuntime rt;
  ASSERT_TRUE(rt.Load(image));
  rt.Render();
  bool unknown = false, screens = false;
  for (const std::string& p : rt.Problems()) {
    unknown = unknown || p.find("unknown kind 9") != std::string::npos;
    screens = screens || p.find("screen table") != std::string::npos;
  }
  EXPECT_TRUE(unknown);
  EXPECT_TRUE(screens);
}

// Thousands of damaged images: every one loads or is refused, draws, takes
// every key and some time, and never reads outside its bytes (the sanitizer
// build checks that).
TEST(PanelImage, MutatedImagesNeverCrash) {
  const std::vector<uint8_t> good = RichImage().Build();
  std::mt19937 rng(20240611);
  auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng); };
  for (int round = 0; round < 3000; ++round) {
    std::vector<uint8_t> bytes = good;
    const int edits = 1 + static_cast<int>(pick(8));
    for (int e = 0; e < edits; ++e) {
      switch (pick(5)) {
        case 0:  // a random byte
          bytes[pick(bytes.size())] = static_cast<uint8_t>(pick(256));
          break;
        case 1:  // a bit
          bytes[pick(bytes.size())] ^= static_cast<uint8_t>(1u << pick(8));
          break;
        case 2:  // an address-like word pointing anywhere in the area
          if (bytes.size() > 2) {
            const size_t at = pick(bytes.size() - 1);
            bytes[at] = static_cast<uint8_t>(0x80 + pick(0x80));
            bytes[at + 1] = static_cast<uint8_t>(pick(256));
          }
          break;
        case 3:  // cut
          bytes.resize(std::max<size_t>(2, pick(bytes.size() + 1)));
          break;
        default:  // a header field
          bytes[2 + pick(40)] = static_cast<uint8_t>(pick(256));
      }
    }
    bytes[0] = bytes[1] = 0xFF;
    PanelRuntime rt;
    rt.Plc().Set({1, 0x02, 2, 0}, static_cast<uint32_t>(rng()));
    rt.Plc().Set({1, 0x02, 3, 0}, 1);
    rt.Plc().Set({1, 0x10, 1, 0}, 1);
    if (!rt.Load(bytes)) continue;
    rt.Render();
    for (PanelKey k : AllPanelKeys()) {
      rt.PressKey(k);
      rt.Render();
    }
    rt.PressKey(PanelKey::Set);
    rt.PressKey(PanelKey::Digit5);
    rt.PressKey(PanelKey::Ent);
    rt.PressKey(PanelKey::Alm);
    rt.Render();
    rt.Advance(std::chrono::hours(2));
    rt.Render();
    rt.Bindings();
    for (const ScreenEntry& s : rt.Screens()) {
      if (s.number % 7 != 0) continue;  // a sample of the (possibly thousands of) screens
      rt.ShowScreen(s.number);
      rt.Render();
    }
  }
}

}  // namespace
}  // namespace tavo::panel
