#pragma once

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "base/Gbk.h"
#include "elements/UpLoadPic.h"
#include "model/ElementFactory.h"
#include "model/Project.h"
#include "model/ProjectFields.h"
#include "plc/Catalogue.h"

namespace tavo::test {

// Seeded projects with every element kind and every stored field set at
// random: texts in Chinese, ASCII with characters JSON escapes, long texts and
// bytes that are no GBK, pictures of the program's own form (with random
// pixels) or with foreign headers.
class ProjectGenerator : public FieldVisitor {
 public:
  explicit ProjectGenerator(uint32_t seed) : m_rng(seed) {}

  // A project of 1-3 screens of 0-8 elements; `protocol` gets one of the 36.
  void Make(Project& p, uint8_t& protocol) {
    protocol = static_cast<uint8_t>(1 + Below(kProtocolCount));
    p.m_screens.clear();
    const size_t screens = 1 + Below(3);
    for (size_t s = 0; s < screens; ++s) {
      auto screen = std::make_unique<CMainView>();
      VisitScreenFields(*screen, *this);
      const size_t elements = Below(9);
      for (size_t i = 0; i < elements; ++i) {
        static const char* const kClasses[] = {"CChars",     "CRegister", "CLight", "CFunction",
                                               "CUpLoadPic", "CBar",      "CTide",  "CDynamic"};
        auto e = CreateElementByClass(kClasses[Below(8)]);
        VisitElementFields(*e, *this);
        screen->m_elements.push_back(std::move(e));
      }
      p.m_screens.push_back(std::move(screen));
    }
    p.m_curScreen = static_cast<uint16_t>(Below(screens));
    VisitSettingsFields(p.m_settings, *this);
    VisitAlarmListFields(p.m_alarmList, *this);
  }

  void Field(const char* name, uint8_t& v) override {
    if (std::string_view(name) != "m_kind") v = static_cast<uint8_t>(Number(255));
  }
  void Field(const char*, uint16_t& v) override { v = static_cast<uint16_t>(Number(65535)); }
  void Field(const char*, int32_t& v) override {
    v = Below(4) == 0 ? static_cast<int32_t>(m_rng()) : static_cast<int32_t>(Number(400)) - 100;
  }
  void Text(const char*, std::string& gbk) override { gbk = RandomText(); }
  void TextList(const char*, std::vector<std::string>& list) override {
    list.resize(Below(5));
    for (auto& s : list) s = RandomText();
  }
  void IntList(const char*, std::vector<int32_t>& values) override {
    values.resize(Below(5));
    for (auto& v : values) v = static_cast<int32_t>(m_rng());
  }
  void Block(const char*, uint8_t* data, size_t size) override {
    m_block = data;
    m_blockSize = size;
  }
  void ByteList(const char*, std::vector<uint8_t>& bits) override {
    const size_t form = Below(6);
    if (form == 0) {
      // A foreign header: any bytes, with an image size the pixels match.
      for (size_t i = 0; i < m_blockSize; ++i) m_block[i] = static_cast<uint8_t>(m_rng());
      bits.resize(Below(40));
      for (auto& b : bits) b = static_cast<uint8_t>(m_rng());
      for (int i = 0; i < 4; ++i) m_block[20 + i] = static_cast<uint8_t>(bits.size() >> (8 * i));
      return;
    }
    CUpLoadPic own;
    const int w = static_cast<int>(Below(CUpLoadPic::kMaxWidth + 1));
    const int h = static_cast<int>(Below(CUpLoadPic::kMaxHeight + 1));
    own.SetSize(form == 1 ? 0 : w, form == 2 ? 0 : h);
    const int width = own.Width();
    const size_t rowBytes = static_cast<size_t>(CUpLoadPic::RowBytes(width));
    for (size_t i = 0; i < own.m_bits.size(); ++i) {
      const size_t x0 = (i % rowBytes) * 8;
      uint8_t b = static_cast<uint8_t>(m_rng());
      // Padding bits stay clear unless this picture is to keep them (form 3).
      for (size_t bit = 0; bit < 8 && form != 3; ++bit)
        if (x0 + bit >= static_cast<size_t>(width)) b &= static_cast<uint8_t>(~(0x80 >> bit));
      own.m_bits[i] = b;
    }
    std::copy(own.m_infoBlock.begin(), own.m_infoBlock.end(), m_block);
    bits = own.m_bits;
  }

  size_t Below(size_t n) { return static_cast<size_t>(m_rng() % n); }

 private:
  // Small values most of the time, the field's extremes now and then.
  uint32_t Number(uint32_t max) {
    switch (Below(5)) {
      case 0:
        return 0;
      case 1:
        return max;
      default:
        return static_cast<uint32_t>(m_rng() % (std::min<uint32_t>(max, 300) + 1));
    }
  }
  std::string RandomText() {
    static const char* const kChinese[] = {"温度",       "压力过高", "主画面",      "电机 1 号",
                                           "报警：急停", "€",        "设定值（℃）", "「配方」"};
    switch (Below(6)) {
      case 0:
        return "";
      case 1:
        return G(kChinese[Below(8)]);
      case 2:
        return "Tab\t\"quoted\"\\ line\nend\x01";
      case 3: {
        std::string s;
        for (size_t i = 0, n = Below(8); i < n; ++i) s += static_cast<char>(m_rng());
        return s;  // mostly no GBK
      }
      case 4:
        return std::string(255 + Below(300), 'x') + G("长");
      default:
        return "Value " + std::to_string(m_rng() % 1000);
    }
  }

  std::mt19937 m_rng;
  uint8_t* m_block = nullptr;
  size_t m_blockSize = 0;
};

}  // namespace tavo::test
