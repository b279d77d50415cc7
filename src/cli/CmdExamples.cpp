// tavo examples DIR: writes the example projects of the repository's
// examples/ folder with the program's own model and writer. A developer
// command, not listed in the usage.
#include <cstdio>
#include <string>
#include <vector>

#include "base/Gbk.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "elements/Bar.h"
#include "elements/Chars.h"
#include "elements/Dynamic.h"
#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/Register.h"
#include "elements/Tide.h"
#include "elements/UpLoadPic.h"
#include "model/ProjectFile.h"
#include "plc/Catalogue.h"
#include "plc/Protocol31.h"
#include "plc/ProtocolTraits.h"

namespace tavo::cli {

namespace {

// Answers the PLC choice of "新建工程" with the protocol and its default line
// settings; prints messages.
class ExamplePrompter : public SilentPrompter {
 public:
  explicit ExamplePrompter(uint8_t protocol) : m_protocol(protocol) {}
  void Message(const std::string& text, const std::string&, MessageIcon) override {
    std::fprintf(stderr, "%s\n", text.c_str());
  }
  std::optional<PlcChoice> ChoosePlc(const PlcChoice& proposed) override {
    PlcChoice c = proposed;
    c.protocol = m_protocol;
    c.plcPos = static_cast<uint8_t>(m_protocol - 1);
    if (auto d = DefaultLineSettings(m_protocol)) {
      c.baud = d->baud;
      c.dataBits = d->dataBits;
      c.stopBits = d->stopBits;
      c.parity = d->parity;
      if (d->commOption) c.commOption = *d->commOption;
      if (d->commParam) c.commParam = *d->commParam;
      if (d->e5Timeout) c.e5Timeout = *d->e5Timeout;
    }
    return c;
  }

 private:
  uint8_t m_protocol;
};

// Places an element of the kind at a panel position on the current screen.
template <class T>
T& Place(Project& p, uint8_t kind, int x, int y) {
  CBase* e = p.PlaceElement(kind, {PanelToEditor(x), PanelToEditor(y)});
  e->m_x = x;
  e->m_y = y;
  return dynamic_cast<T&>(*e);
}

void Text(Project& p, int x, int y, const char* utf8, bool inverse = false) {
  auto& t = Place<CChars>(p, kKindText, x, y);
  t.m_text = G(utf8);
  t.m_inverse = inverse;
  t.PlaceAtStoredPosition();
}

CRegister& Register(Project& p, int x, int y, uint16_t addr, uint8_t digits, uint8_t decimals) {
  auto& r = Place<CRegister>(p, kKindRegister, x, y);
  r.m_addr = addr;
  r.m_digits = digits;
  r.m_decimals = decimals;
  r.PlaceAtStoredPosition();
  return r;
}

CFunction& JumpKey(Project& p, int x, int y, uint8_t key, uint16_t screen, bool hand = false) {
  auto& k = Place<CFunction>(p, kKindKey, x, y);
  k.m_picStyle = key;
  k.m_action = kActionJump;
  k.m_jumpKind = 0;
  k.m_screenNo = screen;
  k.m_hand = hand;
  k.PlaceAtStoredPosition();
  return k;
}

// A new project under the protocol with its default line settings.
bool NewExampleProject(Project& p, uint8_t protocol) {
  ExamplePrompter prompter(protocol);
  SetPrompter(&prompter);
  p.m_protocolFileOk = [] { return true; };  // no driver is needed to make a project
  const bool ok = p.NewProject();
  SetPrompter(nullptr);
  return ok;
}

void FillAlarms(Project& p, std::vector<const char*> texts) {
  for (const char* t : texts) p.m_alarmList.m_alarmTexts.push_back(G(t));
}

// Every element kind, Chinese texts, three screens and an alarm list.
bool AllElements(Project& p) {
  if (!NewExampleProject(p, 3)) return false;
  p.m_settings.m_startScreen = 1;
  p.m_settings.m_password = 1234;
  p.CurrentScreen()->m_description = G("主画面");
  Text(p, 0, 0, "温度监控系统", true);
  Text(p, 0, 16, "温度:");
  Register(p, 48, 16, 100, 4, 1).m_signed = 1;
  Text(p, 96, 16, "℃");
  auto& run = Place<CLight>(p, kKindLight, 176, 0);
  run.m_addr = 1;
  auto& state = Place<CDynamic>(p, kKindDynamic, 0, 32);
  state.m_addr = 101;
  const char* rows[] = {"停止", "运行", "故障"};
  for (int i = 0; i < 3; ++i) {
    state.m_texts[i] = G(rows[i]);
    state.m_valueTexts[i] = std::to_string(i);
    state.m_values[i] = i;
  }
  state.PlaceAtStoredPosition();
  JumpKey(p, 144, 48, 2, 2, true);  // "→" with the hand: to screen 2

  p.AddScreen(2, G("趋势与棒图"));
  auto& bar = Place<CBar>(p, kKindBar, 0, 0);
  bar.m_addr = 100;
  bar.m_fullScale = 1000;
  bar.PlaceAtStoredPosition();
  auto& trend = Place<CTide>(p, kKindTrend, 24, 0);
  trend.m_addr = 100;
  trend.m_fullScale = 1000;
  trend.m_interval = 10;
  trend.m_points = 40;
  trend.PlaceAtStoredPosition();
  Text(p, 128, 0, "压力");
  Register(p, 128, 16, 102, 5, 2);
  JumpKey(p, 176, 48, 1, 1);  // "←": back to screen 1
  JumpKey(p, 128, 48, 7, 3);  // "ALM" key to screen 3

  p.AddScreen(3, G("参数与图片"));
  auto& pic = Place<CUpLoadPic>(p, kKindPicture, 0, 0);
  const int w = 32, h = 16;
  pic.SetSize(w, h);
  std::vector<uint32_t> pixels(w * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool frame = x == 0 || y == 0 || x == w - 1 || y == h - 1;
      const bool diagonal = x / 2 == y || (w - 1 - x) / 2 == y;
      pixels[y * w + x] = frame || diagonal ? 0xFFFFFF : 0x000000;
    }
  pic.CaptureRgb(pixels);
  pic.PlaceAtStoredPosition();
  Text(p, 40, 0, "设定值:");
  auto& set = Register(p, 104, 0, 200, 5, 0);
  set.m_settable = 1;
  set.m_limited = 1;
  set.m_inHigh = 3000;
  set.m_inLow = 10;
  set.m_protected = 1;
  auto& toggle = Place<CFunction>(p, kKindKey, 40, 24);
  toggle.m_picStyle = 5;  // "SET"
  toggle.m_action = kActionSetCoil;
  toggle.m_coilOp = 2;
  toggle.m_addr = 10;
  toggle.PlaceAtStoredPosition();
  auto& write = Place<CFunction>(p, kKindKey, 64, 24);
  write.m_picStyle = 8;  // "0"
  write.m_action = kActionSetRegister;
  write.m_setValue = -2;
  write.m_valueFormat = 2;
  write.m_valueSigned = 1;
  write.m_signed = 1;
  write.m_addr = 200;
  write.PlaceAtStoredPosition();
  auto& recipe = Place<CFunction>(p, kKindKey, 88, 24);
  recipe.m_picStyle = 6;  // "ENT"
  recipe.m_action = kActionRecipe;
  recipe.m_recipeOp = 1;
  recipe.m_recipeTarget = 16;
  recipe.m_recipeLen = 8;
  recipe.m_addr = 300;
  recipe.m_hidden = 1;
  recipe.PlaceAtStoredPosition();
  JumpKey(p, 176, 48, 0, 1);  // "ESC": home
  p.SelectScreen(0);
  FillAlarms(p, {"温度过高", "压力过低", "电机过载", "急停按下"});
  return true;
}

// A small project per protocol family: a title, two values, a light, keys
// between two screens and an alarm list.
bool ProtocolExample(Project& p, uint8_t protocol, const char* title) {
  if (!NewExampleProject(p, protocol)) return false;
  p.CurrentScreen()->m_description = G("运行画面");
  Text(p, 0, 0, title);
  Text(p, 0, 16, "转速:");
  auto& speed = Register(p, 48, 16, 10, 4, 0);
  Text(p, 0, 32, "电流:");
  auto& current = Register(p, 48, 32, 11, 4, 1);
  auto& lamp = Place<CLight>(p, kKindLight, 176, 16);
  lamp.m_picStyle = 1;
  if (TraitsOf(protocol).namedVariables) {
    // The device's named variables: a word and a bit of type 0.
    for (CRegister* r : {&speed, &current}) {
      r->m_subType = static_cast<uint8_t>(r == &speed ? 0 : 1);
      const Variable v = LookupVariable(r->m_regType, VariableUse::WordDisplay, r->m_subType);
      r->m_subTypeCode = v.code;
      r->m_subTypeAddr = r->m_addr;
    }
    const Variable bit = LookupVariable(lamp.m_regType, VariableUse::BitRead, 0);
    lamp.m_subTypeCode = bit.code;
    lamp.m_subTypeAddr = lamp.m_addr;
  }
  JumpKey(p, 176, 48, 2, 2);
  p.AddScreen(2, G("参数设置"));
  Text(p, 0, 0, "设定转速:");
  auto& set = Register(p, 80, 0, 20, 4, 0);
  set.m_settable = 1;
  JumpKey(p, 176, 48, 1, 1);
  p.SelectScreen(0);
  FillAlarms(p, {"变频器故障", "通讯中断"});
  p.m_alarmList.m_alarmbegin = DefaultAddress(protocol);
  return true;
}

int RunExamples(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: tavo examples DIR\n");
    return kExitFailure;
  }
  const std::string dir = args[0];
  struct Example {
    const char* file;
    std::function<bool(Project&)> build;
  } examples[] = {
      {"all-elements.orx", AllElements},
      {"modbus-rtu.orx", [](Project& p) { return ProtocolExample(p, 3, "Modbus RTU 变频器"); }},
      {"siemens-s7-200.orx", [](Project& p) { return ProtocolExample(p, 2, "西门子 S7-200"); }},
      {"mitsubishi-fx.orx", [](Project& p) { return ProtocolExample(p, 4, "三菱 FX 系列"); }},
      {"omron-cpm.orx", [](Project& p) { return ProtocolExample(p, 5, "欧姆龙 CPM"); }},
      {"panasonic-fp.orx", [](Project& p) { return ProtocolExample(p, 6, "松下 FP0"); }},
      {"delta-dvp.orx", [](Project& p) { return ProtocolExample(p, 13, "台达 DVP"); }},
      {"ktc-variables.orx", [](Project& p) { return ProtocolExample(p, 31, "KTC 命名变量"); }},
  };
  for (auto& e : examples) {
    Project project;
    if (!e.build(project) || !SaveProjectFile(project, dir + "/" + e.file)) {
      std::fprintf(stderr, "tavo examples: %s failed\n", e.file);
      return kExitFailure;
    }
    std::printf("%s/%s\n", dir.c_str(), e.file);
  }
  return kExitOk;
}

const CommandRegistration kRegistration({"examples", "", RunExamples});

}  // namespace

}  // namespace tavo::cli
