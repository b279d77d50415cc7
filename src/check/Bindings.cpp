#include "check/Bindings.h"

#include <algorithm>
#include <array>

#include "base/PanelSettings.h"
#include "base/Texts.h"
#include "elements/AlarmList.h"
#include "elements/Bar.h"
#include "elements/Dynamic.h"
#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/Register.h"
#include "elements/Tide.h"
#include "plc/Catalogue.h"
#include "plc/ProtocolTraits.h"

// Where each element kind meets the PLC, read from its fields the way its
// download record takes them (which list the type index selects from, which
// address protocol 31 uses).
namespace tavo {

namespace {

constexpr std::array<std::string_view, 5> kPanelInternal = {"RP", "RWI", "RDI", "LW", "TM"};

const std::vector<std::string>& ListOf(const ProtocolProfile& p, RegisterList list) {
  switch (list) {
    case RegisterList::kWord:
      return p.m_wordTypes;
    case RegisterList::kWordWrite:
      return p.m_wordWriteTypes;
    case RegisterList::kBitWrite:
      return p.m_bitWriteTypes;
    case RegisterList::kBitRead:
      return p.m_lightBitTypes;
    case RegisterList::kAlarmBit:
      break;
  }
  return p.m_alarmBitTypes;
}

uint8_t UseOf(RegisterList list) {
  switch (list) {
    case RegisterList::kBitWrite:
      return kUseBitWrite;
    case RegisterList::kBitRead:
    case RegisterList::kAlarmBit:
      return kUseBitRead;
    default:
      return kUseWord;
  }
}

// Byte width of `count` items of a type code, a product of 0x70 counting as 2.
unsigned WidthOf(uint8_t code, unsigned count) {
  const unsigned product = unsigned{code} * count;
  return product == 0x70 ? 2 : (product & 0x0F);
}

Binding Make(const ProtocolProfile& p, RegisterList list, unsigned regType, uint8_t station,
             uint16_t address, uint8_t subAddr, unsigned count, Access access) {
  Binding b;
  b.list = list;
  b.bit = list != RegisterList::kWord && list != RegisterList::kWordWrite;
  b.regType = regType;
  const auto& names = ListOf(p, list);
  b.typeName = std::string(TypeNameAt(names, regType));
  b.typePastEnd = !names.empty() && regType >= names.size();
  b.panelInternal = !b.bit && std::find(kPanelInternal.begin(), kPanelInternal.end(), b.typeName) !=
                                  kPanelInternal.end();
  b.station = station;
  b.address = address;
  b.subAddr = subAddr;
  b.count = count;
  b.access = access;
  if (!b.bit) b.width = WidthOf(RegisterTypeCode(p.m_protocol, b.typeName, UseOf(list)), count);
  return b;
}

// A word element: register, dynamic text, bar, trend.
Binding Word(const ProtocolProfile& p, const CBase& e, uint16_t subTypeAddr, Access access) {
  const uint16_t address = TraitsOf(p.m_protocol).namedVariables ? subTypeAddr : e.m_addr;
  Binding b = Make(p, RegisterList::kWord, e.m_regType, e.m_station, address, e.m_subAddr,
                   e.m_regCount, access);
  b.countChecked = true;
  return b;
}

void KeyBindings(const CFunction& k, const ProtocolProfile& p, std::vector<Binding>& out) {
  const ProtocolTraits& traits = TraitsOf(p.m_protocol);
  const uint16_t address = traits.namedVariables ? k.m_subTypeAddr : k.m_addr;
  switch (k.m_action) {
    case kActionSetCoil: {
      const RegisterList list =
          traits.coilsThroughBitWriteList ? RegisterList::kBitWrite : RegisterList::kBitRead;
      out.push_back(
          Make(p, list, k.m_regType, k.m_station, address, k.m_subAddr, 1, Access::kWrite));
      break;
    }
    case kActionSetRegister: {
      Binding b = Make(p, RegisterList::kWord, k.m_regType, k.m_station, address, k.m_subAddr,
                       k.m_regCount, Access::kWrite);
      b.countChecked = true;
      out.push_back(b);
      break;
    }
    case kActionRecipe:
      if (!traits.keyRecipes) break;
      out.push_back(Make(p, RegisterList::kWordWrite, k.m_regType, k.m_station, k.m_addr,
                         k.m_subAddr, k.m_recipeLen, Access::kReadWrite));
      break;
    default:
      break;
  }
}

}  // namespace

std::vector<Binding> ElementBindings(const CBase& e, const ProtocolProfile& p) {
  std::vector<Binding> out;
  switch (e.m_kind) {
    case kKindRegister:
      if (auto* r = dynamic_cast<const CRegister*>(&e))
        out.push_back(
            Word(p, e, r->m_subTypeAddr, r->m_settable ? Access::kReadWrite : Access::kRead));
      break;
    case kKindDynamic:
      if (auto* d = dynamic_cast<const CDynamic*>(&e))
        out.push_back(Word(p, e, d->m_subTypeAddr, Access::kRead));
      break;
    case kKindBar:
    case kKindTrend:
      if (auto* g = dynamic_cast<const CBarTide*>(&e))
        out.push_back(Word(p, e, g->m_subTypeAddr, Access::kRead));
      break;
    case kKindLight:
      if (auto* l = dynamic_cast<const CLight*>(&e)) {
        const uint16_t address =
            TraitsOf(p.m_protocol).namedVariables ? l->m_subTypeAddr : l->m_addr;
        Binding b = Make(p, RegisterList::kBitRead, l->m_regType, l->m_station, address,
                         l->m_subAddr, 1, Access::kRead);
        b.bitOffset = l->m_bitOffset;
        out.push_back(b);
      }
      break;
    case kKindKey:
      if (auto* k = dynamic_cast<const CFunction*>(&e)) KeyBindings(*k, p, out);
      break;
    default:
      break;
  }
  return out;
}

std::vector<Binding> AlarmBindings(const CAlarmList& a, const ProtocolProfile& p) {
  if (a.m_alarmTexts.empty()) return {};
  Binding b = Make(p, RegisterList::kAlarmBit, a.m_regType, a.m_station, a.m_alarmbegin,
                   a.m_subAddr, static_cast<unsigned>(a.m_alarmTexts.size()), Access::kRead);
  b.bitOffset = a.m_bitOffset;
  return {b};
}

std::optional<Binding> ControlRegisterBinding(const PanelSettings& s, const ProtocolProfile& p) {
  if (!p.m_statusControl || s.m_ctrlFlags == 0) return std::nullopt;
  return Make(p, RegisterList::kWord, s.m_ctrlRegType, s.m_ctrlStation, s.m_ctrlRegAddr, 0, 1,
              Access::kReadWrite);
}

const char* AccessName(Access access) {
  switch (access) {
    case Access::kRead:
      return TAVO_TRANSLATE_NOOP("tavo::check::Bindings", "读");
    case Access::kWrite:
      return TAVO_TRANSLATE_NOOP("tavo::check::Bindings", "写");
    case Access::kReadWrite:
      break;
  }
  return TAVO_TRANSLATE_NOOP("tavo::check::Bindings", "读写");
}

const char* KindName(uint8_t kind) {
  switch (kind) {
    case kKindText:
      return TAVO_TRANSLATE_NOOP("tavo::check::Bindings", "文本");
    case kKindRegister:
      return TAVO_TRANSLATE_NOOP("tavo::check::Bindings", "寄存器");
    case kKindLight:
      return TAVO_TRANSLATE_NOOP("tavo::check::Bindings", "指示灯");
    case kKindKey:
      return TAVO_TRANSLATE_NOOP("tavo::check::Bindings", "功能键");
    case kKindPicture:
      return TAVO_TRANSLATE_NOOP("tavo::check::Bindings", "图片");
    case kKindBar:
      return TAVO_TRANSLATE_NOOP("tavo::check::Bindings", "棒状图");
    case kKindTrend:
      return TAVO_TRANSLATE_NOOP("tavo::check::Bindings", "趋势图");
    case kKindDynamic:
      return TAVO_TRANSLATE_NOOP("tavo::check::Bindings", "动态文本");
    default:
      return TAVO_TRANSLATE_NOOP("tavo::check::Bindings", "元件");
  }
}

std::string ShownAccessName(Access access) {
  return Translate(kBindingsContext, AccessName(access));
}

std::string ShownUserName(const std::string& name) {
  return Translate(kBindingsContext, name.c_str());
}

}  // namespace tavo
