#include "panel/SimulatedPlc.h"

#include <cstdio>
#include <fstream>

#include "model/JsonReader.h"

namespace tavo::panel {

namespace {

constexpr size_t kMaxValuesFileBytes = 1 << 20;
constexpr size_t kMaxEntries = 65536;
constexpr size_t kMaxSamples = 4096;

bool ToRaw(const JsonValue& v, uint32_t& out) {
  if (v.type == JsonValue::Type::Bool) {
    out = v.boolean ? 1 : 0;
    return true;
  }
  if (v.type != JsonValue::Type::Integer || v.integer < INT32_MIN || v.integer > UINT32_MAX)
    return false;
  out = static_cast<uint32_t>(v.integer);
  return true;
}

// A number, or a string holding a decimal or 0x-prefixed hexadecimal number.
bool ToField(const JsonValue* v, int64_t max, int64_t fallback, int64_t& out) {
  if (!v) {
    out = fallback;
    return true;
  }
  if (v->type == JsonValue::Type::Integer) {
    out = v->integer;
  } else if (v->type == JsonValue::Type::String) {
    const std::string& s = v->string;
    const bool hex = s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X');
    const size_t first = hex ? 2 : 0;
    if (s.size() == first || s.size() - first > 8) return false;
    out = 0;
    for (size_t i = first; i < s.size(); ++i) {
      const char c = s[i];
      int d = -1;
      if (c >= '0' && c <= '9') d = c - '0';
      if (hex && c >= 'a' && c <= 'f') d = c - 'a' + 10;
      if (hex && c >= 'A' && c <= 'F') d = c - 'A' + 10;
      if (d < 0) return false;
      out = out * (hex ? 16 : 10) + d;
    }
  } else {
    return false;
  }
  return out >= 0 && out <= max;
}

}  // namespace

std::string DescribeKey(const PlcKey& key) {
  char text[80];
  std::snprintf(text, sizeof text, "station %u, type 0x%02X, address %u, sub %u",
                static_cast<unsigned>(key.station), static_cast<unsigned>(key.type),
                static_cast<unsigned>(key.address), static_cast<unsigned>(key.sub));
  return text;
}

uint32_t SimulatedPlc::Get(const PlcKey& key) const {
  auto it = m_values.find(key);
  return it == m_values.end() ? 0 : it->second;
}

void SimulatedPlc::Set(const PlcKey& key, uint32_t value) {
  auto [it, inserted] = m_values.try_emplace(key, value);
  if (!inserted && it->second == value) return;
  it->second = value;
  ++m_revision;
}

void SimulatedPlc::Erase(const PlcKey& key) {
  if (m_values.erase(key) + m_history.erase(key) != 0) ++m_revision;
}

void SimulatedPlc::Clear() {
  m_values.clear();
  m_history.clear();
  ++m_revision;
}

const std::vector<uint32_t>* SimulatedPlc::History(const PlcKey& key) const {
  auto it = m_history.find(key);
  return it == m_history.end() ? nullptr : &it->second;
}

void SimulatedPlc::SetHistory(const PlcKey& key, std::vector<uint32_t> samples) {
  if (samples.size() > kMaxSamples)
    samples.erase(samples.begin(), samples.end() - static_cast<std::ptrdiff_t>(kMaxSamples));
  m_history[key] = std::move(samples);
  ++m_revision;
}

bool LoadPlcValues(std::string_view json, SimulatedPlc& plc, std::string& error) {
  if (json.size() > kMaxValuesFileBytes) {
    error = "the values file is larger than 1 MiB";
    return false;
  }
  JsonValue doc;
  if (!ParseJson(json, doc, error)) return false;
  const JsonValue* list = doc.type == JsonValue::Type::Array ? &doc : doc.Member("values");
  if (!list || list->type != JsonValue::Type::Array) {
    error = "the values file holds no list \"values\"";
    return false;
  }
  if (list->items.size() > kMaxEntries) {
    error = "the values file holds more than 65536 entries";
    return false;
  }
  SimulatedPlc loaded = plc;
  for (size_t i = 0; i < list->items.size(); ++i) {
    const JsonValue& e = list->items[i];
    const std::string where = "entry " + std::to_string(i + 1);
    if (e.type != JsonValue::Type::Object) {
      error = where + " is not an object";
      return false;
    }
    int64_t station = 0, type = 0, address = 0, sub = 0;
    if (!ToField(e.Member("station"), 255, 1, station) ||
        !ToField(e.Member("type"), 255, -1, type) || type < 0 ||
        !ToField(e.Member("address"), 65535, -1, address) || address < 0 ||
        !ToField(e.Member("sub"), 255, 0, sub)) {
      error = where + ": \"type\" (0-255) and \"address\" (0-65535) are needed; \"station\" " +
              "and \"sub\" are 0-255";
      return false;
    }
    const PlcKey key{static_cast<uint8_t>(station), static_cast<uint8_t>(type),
                     static_cast<uint16_t>(address), static_cast<uint8_t>(sub)};
    const JsonValue* value = e.Member("value");
    if (!value) {
      error = where + " has no \"value\"";
      return false;
    }
    uint32_t raw = 0;
    if (value->type == JsonValue::Type::Array) {
      if (value->items.empty() || value->items.size() > kMaxSamples) {
        error = where + ": a list of samples holds 1 to 4096 values";
        return false;
      }
      std::vector<uint32_t> samples;
      for (const JsonValue& s : value->items) {
        if (!ToRaw(s, raw)) {
          error = where + ": samples are integers from -2147483648 to 4294967295";
          return false;
        }
        samples.push_back(raw);
      }
      loaded.Set(key, samples.back());
      samples.pop_back();
      loaded.SetHistory(key, std::move(samples));
    } else if (ToRaw(*value, raw)) {
      loaded.Set(key, raw);
    } else {
      error = where + ": \"value\" is an integer from -2147483648 to 4294967295, true, false " +
              "or a list of samples";
      return false;
    }
  }
  plc = std::move(loaded);
  return true;
}

bool LoadPlcValuesFile(const std::string& path, SimulatedPlc& plc, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read " + path;
    return false;
  }
  std::string text(kMaxValuesFileBytes + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<size_t>(in.gcount()));
  if (!LoadPlcValues(text, plc, error)) {
    error = path + ": " + error;
    return false;
  }
  return true;
}

std::string SavePlcValues(const SimulatedPlc& plc) {
  std::string out = "{\"values\": [\n";
  bool first = true;
  for (const auto& [key, value] : plc.Values()) {
    if (!first) out += ",\n";
    first = false;
    char line[160];
    std::snprintf(line, sizeof line,
                  "  {\"station\": %u, \"type\": \"0x%02X\", \"address\": %u, \"sub\": %u, "
                  "\"value\": ",
                  static_cast<unsigned>(key.station), static_cast<unsigned>(key.type),
                  static_cast<unsigned>(key.address), static_cast<unsigned>(key.sub));
    out += line;
    const std::vector<uint32_t>* history = plc.History(key);
    if (history && !history->empty()) {
      out += '[';
      for (uint32_t s : *history) out += std::to_string(s) + ", ";
      out += std::to_string(value) + ']';
    } else {
      out += std::to_string(value);
    }
    out += '}';
  }
  out += "\n]}\n";
  return out;
}

}  // namespace tavo::panel
