#include <algorithm>

#include "elements/DownloadRecord.h"
#include "elements/ElementCommon.h"
#include "elements/Function.h"
#include "elements/ImageShared.h"
#include "plc/Catalogue.h"
#include "plc/Protocol.h"
#include "plc/ProtocolTraits.h"

// The function key's download record and its key pictures.
namespace tavo {

namespace {

// The panel's key codes, by index into the key list (ESC, left, right, down,
// up, SET, ENT, ALM, 0-9, CLR).
constexpr uint8_t kKeyCodes[kKeyCount] = {0,  4,  6,  2,  3,  5,  7,  1,  10, 13,
                                          12, 11, 18, 19, 14, 15, 16, 17, 8};

// Action codes of record byte 10.
constexpr uint8_t kSetRegisterCode = 5;
constexpr uint8_t kRecipeCode = 6;   // + the recipe operation
constexpr uint8_t kJumpCode = 0x80;  // + the jump kind

constexpr uint8_t kCoilOps = 4, kJumpKinds = 3, kRecipeOps = 4;

uint8_t KeyCode(uint8_t keyIndex) {
  return keyIndex < kKeyCount ? kKeyCodes[keyIndex] : 0;
}

// Set-coil register-type code: a named variable's own code, else the code of
// the bit-write list or of the light list, as the protocol writes its coils.
uint8_t CoilCode(uint8_t p, uint8_t regType, uint8_t subTypeCode) {
  const ProtocolTraits& traits = TraitsOf(p);
  if (traits.namedVariables) return subTypeCode;
  return traits.coilsThroughBitWriteList ? BitWriteCode(regType) : BitReadCode(regType);
}

// Recipe code: the function-key write type's word code, except that "W" and
// "DM" (the panel's own recipe memory) give 0.
uint8_t RecipeCode(uint8_t p, uint8_t regType) {
  const std::string_view name = TypeNameAt(CurrentProfile().m_wordWriteTypes, regType);
  if (name == "W" || name == "DM") return 0;
  return RegisterTypeCode(p, name, kUseWord);
}

}  // namespace

void CFunction::CalcCodeSize() {
  m_codeSize = static_cast<uint16_t>(17 + Flag(m_hand));
}

void CFunction::Compile() {
  CLightFunc::Compile();
  const uint8_t p = CurrentProtocol();
  const bool named = TraitsOf(p).namedVariables;
  PutByte(m_code, 2,
          static_cast<uint8_t>(Flag(m_inverse) | Flag(m_double) << 1 | Flag(m_hidden) << 2 |
                               Flag(m_protected) << 6));
  const uint8_t key = KeyCode(m_picStyle);
  PutByte(m_code, 9, key);
  PutByte(m_code, 15, static_cast<uint8_t>(2 * Flag(m_hand) + 2));

  // An action, coil operation, jump kind or recipe operation that only a
  // damaged file holds leaves the key without an action: byte 10 stays 0.
  const auto value = static_cast<uint32_t>(m_setValue);
  switch (m_action) {
    case kActionSetCoil: {
      if (m_coilOp >= kCoilOps) break;
      const uint8_t c = CoilCode(p, m_regType, m_coilSubTypeCode);
      PutByte(m_code, 4, c);
      Put16(m_code, 5, named ? m_subTypeAddr : BitAddress(p, m_addr, m_subAddr));
      PutByte(m_code, 7, RegisterWidth(c, m_regCount));
      PutByte(m_code, 10, static_cast<uint8_t>(m_coilOp + 1));
      Put32(m_code, 11, value);
      break;
    }
    case kActionJump:
      if (m_jumpKind >= kJumpKinds) break;
      PutByte(m_code, 10, static_cast<uint8_t>(kJumpCode + m_jumpKind));
      Put16(m_code, 13, m_screenNo);
      break;
    case kActionSetRegister: {
      const uint8_t c = named ? m_regSubTypeCode : WordCode(m_regType);
      PutByte(m_code, 4, c);
      Put16(m_code, 5, named ? m_subTypeAddr : m_addr);
      PutByte(m_code, 7, RegisterWidth(c, m_regCount));
      PutByte(m_code, 10, kSetRegisterCode);
      Put32(m_code, 11, value);
      break;
    }
    case kActionRecipe:
      if (m_recipeOp >= kRecipeOps) break;
      if (!TraitsOf(p).keyRecipes) {
        // These protocols carry no recipe operands; the action byte repeats
        // the key code as the panel has always received it.
        PutByte(m_code, 10, key);
        break;
      }
      PutByte(m_code, 4, RecipeCode(p, m_regType));
      Put16(m_code, 5, BitAddress(p, m_addr, m_subAddr));
      PutByte(m_code, 10, static_cast<uint8_t>(kRecipeCode + m_recipeOp));
      Put16(m_code, 11, static_cast<uint16_t>(m_recipeTarget));
      Put16(m_code, 13, m_recipeLen);
      break;
    default:
      break;
  }
}

void CFunction::CollectShared(ImageShared& shared) {
  if (Flag(m_protected)) shared.usesFlagA = true;
  size_t at = 16;
  if (Flag(m_hand)) PutByte(m_code, at++, shared.KeyPictureIndex(ImageShared::kHandPicture));
  // A key index past the twenty key pictures shows as the last one, as the
  // editor draws it.
  const auto picture = static_cast<uint8_t>(std::min<int>(m_picStyle, kKeyPictureCount - 1));
  PutByte(m_code, at, shared.KeyPictureIndex(picture));
}

void CFunction::Relocate(uint16_t& offset) {
  if (m_code.size() < 16u) return;
  const size_t count = m_code[15] / 2;
  for (size_t i = 0; i < count && 16 + i < m_code.size(); ++i)
    m_code[16 + i] = static_cast<uint8_t>(m_code[16 + i] + offset);
}

}  // namespace tavo
