#pragma once

#include <memory>
#include <string>

#include "model/Base.h"

namespace tavo {

// A fixed line of text: ASCII characters take one 8 x 16 panel cell, GBK
// characters two. No PLC binding.
class CChars : public CBase {
 public:
  CChars();
  // Created where the user clicked (editor pixels) with its text (GBK).
  CChars(Point at, std::string text);

  const char* ClassName() const override { return "CChars"; }
  std::unique_ptr<CBase> Clone() const override;

  void Serialize(CArchive& ar) override;
  void Relocate(uint16_t& offset) override;
  void CalcCodeSize() override;
  void CollectShared(ImageShared& shared) override;
  void Compile() override;
  void Draw(Canvas& canvas) override;
  // Recomputes m_len from the text; the rectangle is m_len cells wide and one
  // cell high (18 x 36 editor pixels a cell, doubled with m_double).
  void SetScreenPos(int left, int top) override;

  // Longest text the text page accepts: one panel row.
  static constexpr size_t kMaxPageText = 24;
  // The page's X and Y ranges (panel pixels); the X maximum is negative when
  // the text cannot fit the display.
  int MaxX() const;
  int MaxY() const;

  uint8_t m_len = 0;   // byte length of m_text
  std::string m_text;  // GBK

 protected:
  CChars(const CChars&) = default;
};

}  // namespace tavo
