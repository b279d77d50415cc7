// Named variables of protocol 31: lists per type and use, codes and classes.
#include <gtest/gtest.h>

#include <set>

#include "plc/Protocol31.h"

namespace tavo {
namespace {

using V = VariableUse;

TEST(Protocol31, ListSizesPerTypeAndUse) {
  struct Case {
    const char* type;
    V use;
    size_t size;
  };
  const Case cases[] = {
      {"RC", V::WordDisplay, 27}, {"KV", V::WordDisplay, 20}, {"AI", V::WordDisplay, 17},
      {"UI", V::WordDisplay, 19}, {"AU", V::WordDisplay, 17}, {"DI", V::WordDisplay, 6},
      {"DU", V::WordDisplay, 4},  {"PK", V::WordDisplay, 5},  {"AK", V::WordDisplay, 4},
      {"RC", V::WordWrite, 22},   {"KV", V::WordWrite, 19},   {"AI", V::WordWrite, 12},
      {"UI", V::WordWrite, 13},   {"AU", V::WordWrite, 7},    {"DI", V::WordWrite, 6},
      {"DU", V::WordWrite, 5},    {"PK", V::WordWrite, 0},    {"AK", V::WordWrite, 0},
      {"RC", V::BitWrite, 11},    {"AI", V::BitWrite, 2},     {"UI", V::BitWrite, 3},
      {"AU", V::BitWrite, 1},     {"DI", V::BitWrite, 3},     {"DU", V::BitWrite, 4},
      {"PK", V::BitWrite, 1},     {"KV", V::BitWrite, 0},     {"RC", V::BitRead, 13},
      {"AI", V::BitRead, 3},      {"UI", V::BitRead, 5},      {"AU", V::BitRead, 2},
      {"DI", V::BitRead, 6},      {"DU", V::BitRead, 6},      {"PK", V::BitRead, 1},
      {"AK", V::BitRead, 0},      {"XX", V::WordDisplay, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(VariableNames(c.type, c.use).size(), c.size) << c.type << " " << int(c.use);
}

TEST(Protocol31, DerivedListsKeepTheirOrder) {
  const auto& uiDisplay = VariableNames("UI", V::WordDisplay);
  EXPECT_EQ(uiDisplay[6], "AlarmStatus");
  EXPECT_EQ(uiDisplay[7], "DigAlarmStatus");
  EXPECT_EQ(uiDisplay[8], "DigAlarmPriority");
  EXPECT_EQ(uiDisplay[9], "Filter");
  const auto& uiWrite = VariableNames("UI", V::WordWrite);
  EXPECT_EQ(uiWrite[4], "AlarmPriority");
  EXPECT_EQ(uiWrite[5], "DigAlarmPriority");
  const auto& rcWrite = VariableNames("RC", V::WordWrite);
  EXPECT_EQ(rcWrite.front(), "Itime");
  EXPECT_EQ(rcWrite[2], "DeadBand");  // "Offset" left out
  EXPECT_EQ(rcWrite.back(), "MinMaxResetInterval");
  EXPECT_EQ(VariableNames("KV", V::WordDisplay)[11], "Y1");
  EXPECT_EQ(VariableNames("KV", V::WordWrite)[9], "X9");
  EXPECT_EQ(VariableNames("DU", V::WordWrite),
            (std::vector<std::string>{"OP1", "OP2", "Op3", "Mode", "Mode"}));
  EXPECT_EQ(VariableNames("RC", V::BitRead)[10], "ControlStatus");
  EXPECT_EQ(VariableNames("PK", V::BitWrite), (std::vector<std::string>{"SensorError"}));
}

TEST(Protocol31, Codes) {
  struct Case {
    const char* type;
    const char* name;
    uint8_t code;
  };
  const Case cases[] = {
      {"RC", "Inv1", 1},
      {"DU", "Inv4", 4},
      {"RC", "Itime", 5},
      {"AU", "Output", 5},
      {"AU", "MinOut2", 7},
      {"RC", "Dir1", 23},
      {"RC", "Dir4", 26},
      {"PK", "Div_Mul", 31},
      {"AI", "SensorError", 35},
      {"AU", "VoltMax", 46},
      {"DU", "Mode", 48},
      {"RC", "ControlStatus", 48},
      {"RC", "Status", 56},
      {"UI", "Status", 70},
      {"RC", "PBand1", 57},
      {"RC", "PBand4", 60},
      {"DI", "PosFlank", 61},
      {"AU", "ManualOutputVolt", 75},
      {"RC", "Setting", 75},
      {"AI", "MinMaxResetInterval", 98},
      {"RC", "MinMaxReset", 99},
      {"PK", "Constant1", 103},
      {"KV", "X1", 0},
      {"RC", "Value", 0},
      {"AU", "Min", 0},
      {"DU", "OP1", 0},
      {"RC", "", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(VariableCode(c.type, c.name), c.code) << c.name;
}

TEST(Protocol31, Classes) {
  struct Case {
    const char* name;
    uint8_t cls;
  };
  const Case cases[] = {{"Inv3", 16},
                        {"Status", 16},
                        {"SensorError", 16},
                        {"Mode", 50},
                        {"Unit", 50},
                        {"Itime", 50},
                        {"PBand2", 100},
                        {"Deviation_Max", 100},
                        {"Output", 100},
                        {"DateTimeReset", 164},
                        {"AlarmInterlock", 194},
                        {"MinMaxReset", 0},
                        {"Value", 0},
                        {"X3", 0},
                        {"TimeAlarmAck", 0}};
  for (const Case& c : cases) EXPECT_EQ(VariableClass(c.name), c.cls) << c.name;
}

TEST(Protocol31, OnlyPlainValuesLackACode) {
  // Every variable a page can offer has a code, except the plain values: a
  // misspelt name in a list or in the code table shows up here.
  std::set<std::string> plain{"Value", "Min", "Max", "OP1", "OP2", "Op3"};
  for (int i = 1; i <= 9; ++i) {
    plain.insert("X" + std::to_string(i));
    plain.insert("Y" + std::to_string(i));
  }
  auto prof = BuildProfile(31, 0);
  for (V use : {V::WordDisplay, V::WordWrite, V::BitWrite, V::BitRead})
    for (const auto& type : prof.m_wordTypes)
      for (const auto& name : VariableNames(type, use))
        EXPECT_EQ(VariableCode(type, name) == 0, plain.count(name) == 1) << type << " " << name;
}

TEST(Protocol31, LookupByIndex) {
  auto prof = BuildProfile(31, 0);
  // Type 0, sub-type 0 is "RC" "Itime": code 5, whose low nibble gives the
  // default full scale width of graphs.
  Variable v = LookupVariable(prof, 0, V::WordDisplay, 0);
  EXPECT_EQ(v.typeName, "RC");
  EXPECT_EQ(v.name, "Itime");
  EXPECT_EQ(v.code, 5);
  EXPECT_EQ(v.varClass, 50);
  // Bit read selects from BL, where index 6 is "PK".
  v = LookupVariable(prof, 6, V::BitRead, 0);
  EXPECT_EQ(v.typeName, "PK");
  EXPECT_EQ(v.name, "SensorError");
  EXPECT_EQ(v.code, 35);
  EXPECT_EQ(v.varClass, 16);
  // Past the end of both lists: last type, last variable.
  v = LookupVariable(prof, 99, V::BitWrite, 99);
  EXPECT_EQ(v.typeName, "DU");
  EXPECT_EQ(v.name, "Inv4");
  EXPECT_EQ(v.code, 4);
  // A type without a list for the use selects nothing.
  v = LookupVariable(prof, 7, V::WordWrite, 0);  // "AK"
  EXPECT_EQ(v.typeName, "AK");
  EXPECT_EQ(v.name, "");
  EXPECT_EQ(v.code, 0);
  EXPECT_EQ(v.varClass, 0);
  // The UI status bit has its own code.
  v = LookupVariable(prof, 2, V::BitRead, 2);
  EXPECT_EQ(v.name, "Status");
  EXPECT_EQ(v.code, 70);
}

}  // namespace
}  // namespace tavo
