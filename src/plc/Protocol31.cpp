// Variable lists, codes and classes of protocol 31.

#include "plc/Protocol31.h"

#include <map>
#include <utility>

namespace tavo {

namespace {

using List = std::vector<std::string>;

// "X1" ... "X9" and the like.
List Numbered(const std::string& prefix, int first, int last) {
  List out;
  for (int i = first; i <= last; ++i) out.push_back(prefix + std::to_string(i));
  return out;
}

List Join(std::initializer_list<List> parts) {
  List out;
  for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

List Without(const List& list, std::initializer_list<std::string_view> drop) {
  List out;
  for (const auto& name : list) {
    bool keep = true;
    for (auto d : drop) keep = keep && name != d;
    if (keep) out.push_back(name);
  }
  return out;
}

// `list` with `insert` placed after the entry `after`.
List InsertAfter(const List& list, std::string_view after, const List& insert) {
  List out;
  for (const auto& name : list) {
    out.push_back(name);
    if (name == after) out.insert(out.end(), insert.begin(), insert.end());
  }
  return out;
}

using Table = std::map<std::string, List, std::less<>>;

struct Tables {
  Table wordDisplay, wordWrite, bitWrite, bitRead;
};

Tables MakeTables() {
  Tables t;
  auto& wd = t.wordDisplay;
  wd["RC"] = {"Itime",          "Dfactor",       "Offset",
              "DeadBand",       "DeadBandSeq",   "AlarmLowLimit",
              "AlarmHighLimit", "AlarmDelay",    "AlarmStatus",
              "AlarmPriority",  "Deviation",     "Function1",
              "Function2",      "Function3",     "LimitiTime",
              "LimitMin",       "LimitMax",      "LimitPBand",
              "PBand1",         "PBand2",        "PBand3",
              "PBand4",         "Deviation_Min", "Deviation_Max",
              "Value",          "Setting",       "MinMaxResetInterval"};
  wd["KV"] = Join({{"Value", "Unit"}, Numbered("X", 1, 9), Numbered("Y", 1, 9)});
  wd["AI"] = {"AlarmSensorStatus",
              "AlarmLowLimit",
              "AlarmHighLimit",
              "AlarmDelay",
              "AlarmSensorPriority",
              "AlarmPriority",
              "AlarmStatus",
              "Filter",
              "SensorType",
              "RangeMin",
              "RangeMax",
              "Min",
              "Max",
              "Value",
              "Calib",
              "Unit",
              "MinMaxResetInterval"};
  wd["UI"] = InsertAfter(wd["AI"], "AlarmStatus", {"DigAlarmStatus", "DigAlarmPriority"});
  wd["AU"] = {"Output",
              "MinOut1",
              "MinOut2",
              "MaxOut",
              "MinOut",
              "VoltMin",
              "VoltMax",
              "Mode",
              "FixedMinOut",
              "FixedMaxOut",
              "Min",
              "Max",
              "Value",
              "OutPercent",
              "ManualOutputVolt",
              "OutputVolt",
              "MinMaxResetInterval"};
  wd["DI"] = {"AlarmDelay",    "AlarmInterlock",  "AlarmStatus",
              "AlarmPriority", "TimeAlarmStatus", "TimeAlarmPriority"};
  wd["DU"] = {"OP1", "OP2", "Op3", "Mode"};
  wd["PK"] = {"Constant1", "Div_Mul", "DUCAdr", "Ival", "Unit"};
  wd["AK"] = {"DUCAdr", "Ival", "Value", "Unit"};

  auto& ww = t.wordWrite;
  ww["RC"] = Without(wd["RC"], {"Offset", "Deviation", "Deviation_Min", "Deviation_Max", "Value"});
  ww["KV"] = Join({{"Unit"}, Numbered("X", 1, 9), Numbered("Y", 1, 9)});
  ww["AI"] = {"AlarmLowLimit", "AlarmHighLimit", "AlarmDelay", "AlarmSensorPriority",
              "AlarmPriority", "Filter",         "SensorType", "RangeMin",
              "RangeMax",      "Calib",          "Unit",       "MinMaxResetInterval"};
  ww["UI"] = InsertAfter(ww["AI"], "AlarmPriority", {"DigAlarmPriority"});
  ww["AU"] = {"VoltMin",
              "VoltMax",
              "Mode",
              "FixedMinOut",
              "FixedMaxOut",
              "ManualOutputVolt",
              "MinMaxResetInterval"};
  ww["DI"] = wd["DI"];
  ww["DU"] = {"OP1", "OP2", "Op3", "Mode", "Mode"};

  const List pkBits{"SensorError"};
  auto& bw = t.bitWrite;
  bw["RC"] = Join(
      {Numbered("Inv", 1, 4), {"FailAlmLock", "AlarmAck"}, Numbered("Dir", 1, 4), {"MinMaxReset"}});
  bw["AI"] = {"AlarmAck", "MinMaxReset"};
  bw["UI"] = {"AlarmAck", "DigAlarmAck", "MinMaxReset"};
  bw["AU"] = {"MinMaxReset"};
  bw["DI"] = {"AlarmAck", "TimeAlarmAck", "ResetTimer"};
  bw["DU"] = Numbered("Inv", 1, 4);
  bw["PK"] = pkBits;

  auto& br = t.bitRead;
  br["RC"] = Join({Numbered("Inv", 1, 4),
                   {"FailAlmLock", "AlarmAck"},
                   Numbered("Dir", 1, 4),
                   {"ControlStatus", "Status", "MinMaxReset"}});
  br["AI"] = {"AlarmAck", "SensorError", "MinMaxReset"};
  br["UI"] = {"AlarmAck", "DigAlarmAck", "Status", "SensorError", "MinMaxReset"};
  br["AU"] = {"MinMaxReset", "ForceOutput"};
  br["DI"] = {"AlarmAck", "TimeAlarmAck", "Value", "ResetTimer", "PosFlank", "NegFlank"};
  br["DU"] = Join({Numbered("Inv", 1, 4), {"Value", "ForceOutput"}});
  br["PK"] = pkBits;
  return t;
}

const Tables& TheTables() {
  static const Tables tables = MakeTables();
  return tables;
}

using CodeMap = std::map<std::string, uint8_t, std::less<>>;

CodeMap MakeCodes() {
  CodeMap c{
      {"Itime", 5},
      {"Output", 5},
      {"Dfactor", 6},
      {"MinOut1", 6},
      {"Offset", 7},
      {"MinOut2", 7},
      {"MaxOut", 8},
      {"MinOut", 9},
      {"DeadBand", 11},
      {"DeadBandSeq", 12},
      {"FailAlmLock", 13},
      {"AlarmLowLimit", 14},
      {"AlarmHighLimit", 15},
      {"AlarmDelay", 16},
      {"AlarmSensorPriority", 17},
      {"AlarmInterlock", 18},
      {"AlarmStatus", 19},
      {"AlarmSensorStatus", 20},
      {"AlarmPriority", 21},
      {"AlarmAck", 22},
      {"Deviation", 27},
      {"DigAlarmStatus", 28},
      {"DigAlarmPriority", 29},
      {"DigAlarmAck", 30},
      {"Function1", 31},
      {"Div_Mul", 31},
      {"Function2", 32},
      {"Function3", 33},
      {"Filter", 34},
      {"SensorError", 35},
      {"Input1", 38},
      {"LimitiTime", 44},
      {"LimitMin", 45},
      {"VoltMin", 45},
      {"LimitMax", 46},
      {"VoltMax", 46},
      {"LimitPBand", 47},
      {"ControlStatus", 48},
      {"Mode", 48},
      {"NegFlank", 49},
      {"FixedMinOut", 50},
      {"FixedMaxOut", 51},
      // "Status" depends on the type: see VariableCode.
      {"PosFlank", 61},
      {"RangeMin", 62},
      {"RangeMax", 63},
      {"TimeAlarmStatus", 64},
      {"TimeAlarmPriority", 65},
      {"TimeAlarmAck", 66},
      {"Deviation_Min", 67},
      {"Deviation_Max", 68},
      {"ForceOutput", 71},
      {"SensorType", 72},
      {"OutPercent", 73},
      {"Calib", 74},
      {"Setting", 75},
      {"ManualOutputVolt", 75},
      {"Unit", 76},
      {"OutputVolt", 77},
      {"DateTimeReset", 97},
      {"MinMaxResetInterval", 98},
      {"MinMaxReset", 99},
      {"ResetTimer", 100},
      {"DUCAdr", 101},
      {"Ival", 102},
      {"Constant1", 103},
  };
  for (int i = 1; i <= 4; ++i) {
    c["Inv" + std::to_string(i)] = static_cast<uint8_t>(i);         // 1..4
    c["Dir" + std::to_string(i)] = static_cast<uint8_t>(22 + i);    // 23..26
    c["PBand" + std::to_string(i)] = static_cast<uint8_t>(56 + i);  // 57..60
  }
  return c;
}

CodeMap MakeClasses() {
  CodeMap c;
  const auto set = [&c](uint8_t cls, std::initializer_list<const char*> names) {
    for (const char* n : names) c[n] = cls;
  };
  set(16, {"Inv1", "Inv2", "Inv3", "Inv4", "Dir1", "Dir2", "Dir3", "Dir4", "AlarmAck",
           "ControlStatus", "DigAlarmAck", "FailAlmLock", "ForceOutput", "NegFlank", "PosFlank",
           "ResetTimer", "SensorError", "Status"});
  set(50, {"AlarmDelay", "AlarmPriority", "AlarmStatus", "DUCAdr", "DeadBandSeq",
           "DigAlarmPriority", "Div_Mul", "Filter", "Itime", "Ival", "LimitiTime", "Mode",
           "SensorType", "TimeAlarmPriority", "TimeAlarmStatus", "Unit"});
  set(100, {"AlarmHighLimit", "AlarmLowLimit", "Calib",         "Constant1",  "DeadBand",
            "Deviation",      "Deviation_Min", "Deviation_Max", "Dfactor",    "FixedMaxOut",
            "FixedMinOut",    "LimitMax",      "LimitMin",      "LimitPBand", "ManualOutputVolt",
            "MaxOut",         "MinOut",        "MinOut1",       "MinOut2",    "Offset",
            "OutPercent",     "Output",        "OutputVolt",    "PBand1",     "PBand2",
            "PBand3",         "PBand4",        "RangeMax",      "RangeMin",   "Setting",
            "VoltMax",        "VoltMin"});
  set(164, {"DateTimeReset"});
  set(194, {"AlarmInterlock"});
  return c;
}

uint8_t Find(const CodeMap& map, std::string_view name) {
  auto it = map.find(name);
  return it == map.end() ? 0 : it->second;
}

}  // namespace

const std::vector<std::string>& VariableNames(std::string_view typeName, VariableUse use) {
  static const List none;
  const Tables& t = TheTables();
  const Table* table = nullptr;
  switch (use) {
    case VariableUse::WordDisplay:
      table = &t.wordDisplay;
      break;
    case VariableUse::WordWrite:
      table = &t.wordWrite;
      break;
    case VariableUse::BitWrite:
      table = &t.bitWrite;
      break;
    case VariableUse::BitRead:
      table = &t.bitRead;
      break;
  }
  auto it = table->find(typeName);
  return it == table->end() ? none : it->second;
}

uint8_t VariableCode(std::string_view typeName, std::string_view variable) {
  static const CodeMap codes = MakeCodes();
  if (variable == "Status") return typeName == "UI" ? 70 : 56;
  return Find(codes, variable);
}

uint8_t VariableClass(std::string_view variable) {
  static const CodeMap classes = MakeClasses();
  return Find(classes, variable);
}

Variable LookupVariable(const ProtocolProfile& profile, unsigned typeIndex, VariableUse use,
                        unsigned subTypeIndex) {
  const uint8_t listUse = use == VariableUse::BitWrite  ? kUseBitWrite
                          : use == VariableUse::BitRead ? kUseBitRead
                                                        : kUseWord;
  Variable v;
  v.typeName = TypeNameAt(TypeList(profile, listUse), typeIndex);
  v.name = TypeNameAt(VariableNames(v.typeName, use), subTypeIndex);
  if (v.name.empty()) return v;
  v.code = VariableCode(v.typeName, v.name);
  v.varClass = VariableClass(v.name);
  return v;
}

Variable LookupVariable(unsigned typeIndex, VariableUse use, unsigned subTypeIndex) {
  return LookupVariable(CurrentProfile(), typeIndex, use, subTypeIndex);
}

}  // namespace tavo
