#pragma once

// Protocol 31 addresses named variables of the device: an element chooses a
// register type ("RC", "KV", "AI", ...) and then a sub-type, the variable,
// from a list that depends on the type and on how the element uses it. The
// variable's code and class replace the register-type code and address.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "plc/Catalogue.h"

namespace tavo {

inline constexpr uint8_t kProtocolNamedVariables = 31;

// How an element uses the variable. The type index of word display and word
// write points into the W list, bit write into BW, bit read into BL.
enum class VariableUse { WordDisplay, WordWrite, BitWrite, BitRead };

// The variable names of a type for a use; empty when the type has none there.
// A PK variable in a bit context uses the PK bit list ("SensorError").
const std::vector<std::string>& VariableNames(std::string_view typeName, VariableUse use);

// The one-byte variable code; 0 for a name without a code. "Status" is 70 for
// the type "UI" and 56 otherwise.
uint8_t VariableCode(std::string_view typeName, std::string_view variable);

// The variable class, which bounds the value field of the pages: 16, 50, 100,
// 164, 194, or 0 for any other name.
uint8_t VariableClass(std::string_view variable);

struct Variable {
  std::string typeName;
  std::string name;  // empty when the type has no list for the use
  uint8_t code = 0;
  uint8_t varClass = 0;
};

// The variable an element selects with its register-type index and sub-type
// index in `profile`. Indices at or past the end of a list mean its last entry.
Variable LookupVariable(const ProtocolProfile& profile, unsigned typeIndex, VariableUse use,
                        unsigned subTypeIndex);
// The same for the current profile.
Variable LookupVariable(unsigned typeIndex, VariableUse use, unsigned subTypeIndex);

}  // namespace tavo
