#pragma once

#include <memory>

#include "elements/LightFunc.h"

namespace tavo {

// Actions of a function key (m_action).
enum KeyAction : uint8_t {
  kActionSetCoil = 0,      // "设定线圈"
  kActionJump = 1,         // "画面跳转"
  kActionSetRegister = 2,  // "设定寄存器"
  kActionRecipe = 3,       // "配方"
};

// Which option SetOption stores.
enum KeyOption : int {
  kOptionAction = 1,
  kOptionCoilOp = 2,
  kOptionJumpKind = 3,
  kOptionRecipeOp = 4,
};

// Number of keys in the key list ("‘ESC’键" ... "‘CLR’键").
constexpr int kKeyCount = 19;
// The hand's entry in the image's key-picture list.
constexpr uint8_t kHandKeyPicture = 20;

// A function key: one key of the panel's keypad bound, on one screen, to an
// action (set a coil, jump to a screen, set a register, move a recipe).
// m_picStyle is the key index, m_inverse the inverse face, m_double the size.
class CFunction : public CLightFunc {
 public:
  CFunction();
  // Created where the user clicked (editor pixels).
  explicit CFunction(Point at);

  const char* ClassName() const override { return "CFunction"; }
  std::unique_ptr<CBase> Clone() const override;

  void Serialize(CArchive& ar) override;
  // Stores the page's radio choice: which 1 action, 2 coil operation, 3 jump
  // kind, 4 recipe operation; any other `which` changes nothing.
  void SetOption(uint8_t value, int which) override;
  // Adds the base to the picture references (bytes 16 on).
  void Relocate(uint16_t& offset) override;
  void CalcCodeSize() override;
  // Enters the hand and the key picture into the image's key-picture list.
  void CollectShared(ImageShared& shared) override;
  void Compile() override;
  void Draw(Canvas& canvas) override;
  // Side() high, Side() wide, twice that with the hand.
  void SetScreenPos(int left, int top) override;

  // Sets the value format and the fields that follow it: m_valueSigned and
  // m_signed for signed decimal (2), m_valueHex for hexadecimal (1).
  void SetValueFormat(uint8_t format);
  // The picture the editor draws for the key: the dotted outline when hidden,
  // else the dark or bright face. May lie past the picture set for a key index
  // that only a damaged file holds.
  int KeyPicture() const;
  // The hand's picture (dark or bright with m_inverse).
  int HandPicture() const;

  uint8_t m_hand = 0;             // "手形": drawn with a pointing hand at its left
  uint8_t m_hidden = 0;           // "隐形": invisible on the panel
  uint8_t m_protected = 0;        // "加密": behind the user password
  uint8_t m_action = 0;           // KeyAction
  uint8_t m_coilOp = 0;           // 0 ON, 1 OFF, 2 toggle, 3 momentary ON
  uint8_t m_jumpKind = 0;         // 0 screen, 1 alarm list, 2 time and date
  uint8_t m_recipeOp = 0;         // 0 upload, 1 download, 2 base up, 3 base down
  uint16_t m_screenNo = 0;        // jump target, 1..65535
  int32_t m_setValue = 0;         // written by set register
  int32_t m_recipeTarget = 0;     // "目标地址", 0..1024
  uint16_t m_recipeLen = 0;       // "长度", 0..1024
  uint16_t m_subTypeAddr = 0;     // address used under protocol 31
  uint8_t m_regSubTypeCode = 0;   // register-type code of set register under protocol 31
  uint8_t m_coilSubTypeCode = 0;  // register-type code of set coil under protocol 31

 protected:
  CFunction(const CFunction&) = default;
};

}  // namespace tavo
