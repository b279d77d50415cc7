#pragma once

#include <memory>
#include <string>

#include "base/Texts.h"
#include "model/Base.h"

namespace tavo {

class Project;

// Shown when a register's rectangle is set while it has more decimals than
// digits.
inline constexpr char kRegisterErrorText[] =
    TAVO_TRANSLATE_NOOP("tavo::elements::Register", "寄存器出现错误");
// The same in the user's language, as the message says it.
std::string RegisterErrorText();

// A numeric register: shows a PLC register's value with a fixed number of
// digits and decimals; may let the operator enter a value within limits,
// behind the password and through an engineering-unit scale.
class CRegister : public CBase {
 public:
  CRegister();
  // Created where the user clicked (editor pixels).
  explicit CRegister(Point at);

  const char* ClassName() const override { return "CRegister"; }
  std::unique_ptr<CBase> Clone() const override;

  void Serialize(CArchive& ar) override;
  void CalcCodeSize() override;
  // Reports to the image what the record needs: uses-flag A (protected
  // entry), uses-flag B (word code 0x51) and the warning of the last Compile.
  void CollectShared(ImageShared& shared) override;
  // Builds the record; input limits out of order are corrected first.
  void Compile() override;
  void Draw(Canvas& canvas) override;
  // Cells() cells of 18 x 36 editor pixels, doubled with m_double. Shows
  // "寄存器出现错误" when there are more decimals than digits.
  void SetScreenPos(int left, int top) override;

  // Character cells: digits + sign + 1 for the point, 2 when every digit is a
  // decimal ("0."); more decimals than digits count no point.
  int Cells() const;
  // The panel cell count of the download record (byte 9): digits + sign, +1
  // with decimals, +1 more when decimals >= digits.
  int RecordCells() const;

  uint8_t m_decimals = 0;      // "小数位", 0..10
  uint8_t m_digits = 5;        // "位数", 1..10
  uint8_t m_protected = 0;     // "加  密"
  uint8_t m_scaled = 0;        // 0 raw data, 1 engineering data
  uint8_t m_settable = 0;      // "设  定": the operator may enter a value
  uint8_t m_limited = 0;       // "上下限": entry limits apply
  int32_t m_inHigh = 0;        // "输入上限"
  int32_t m_inLow = 0;         // "输入下限"
  int32_t m_engHigh = 0;       // "工程量上限"
  int32_t m_engLow = 0;        // "工程量下限"
  uint16_t m_subTypeAddr = 0;  // address used under protocol 31
  uint8_t m_subTypeCode = 0;   // register-type code used under protocol 31

  // Set by Compile when the input limits had to be corrected (download
  // warning 1); belongs to one download, never stored.
  bool m_limitsCorrected = false;

 protected:
  CRegister(const CRegister&) = default;
};

// Where the project's registers with more decimals than digits are, a line
// each in screen and element order: "3号画面 寄存器(40,0): 小数位5多于位数3".
std::string RegisterErrorPlaces(const Project& project);

}  // namespace tavo
