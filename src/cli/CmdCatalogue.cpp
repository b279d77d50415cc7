// tavo catalogue [--codes]: the 36 protocols with their names, line settings,
// profiles and register-type codes. --codes prints one machine-readable line
// per profile and per register type.
#include <cstdio>
#include <string>
#include <vector>

#include "base/DataFiles.h"
#include "base/Substitute.h"
#include "base/Texts.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "plc/Catalogue.h"
#include "plc/ProtocolTraits.h"

namespace tavo::cli {

namespace {

std::string Tr(const char* text) {
  return Translate("tavo::cli::CmdCatalogue", text);
}

constexpr char kUsage[] =
    "catalogue [--codes]   the 36 protocols; --codes: profiles and type codes";

std::string Joined(const std::vector<std::string>& list, const char* sep = ",") {
  std::string out;
  for (size_t i = 0; i < list.size(); ++i) {
    if (i) out += sep;
    out += list[i];
  }
  return out;
}

std::string CodeLines(uint8_t p) {
  const ProtocolProfile prof = BuildProfile(p, 0);
  std::string out;
  char buf[1024];
  std::snprintf(buf, sizeof buf,
                "%d profile W=%s;WW=%s;BW=%s;BL=%s;BA=%s;words=%u;bits=%u;bitidx=%u;step=%u;"
                "count=%u\n",
                p, Joined(prof.m_wordTypes).c_str(), Joined(prof.m_wordWriteTypes).c_str(),
                Joined(prof.m_bitWriteTypes).c_str(), Joined(prof.m_lightBitTypes).c_str(),
                Joined(prof.m_alarmBitTypes).c_str(), prof.m_maxWordAddr, prof.m_maxBitAddr,
                prof.m_maxBitIndex, prof.m_addrStep, prof.m_maxRegCount);
  out += buf;
  for (uint8_t use : {kUseWord, kUseBitWrite, kUseBitRead}) {
    const auto& list = TypeList(prof, use);
    for (size_t i = 0; i < list.size(); ++i) {
      std::snprintf(buf, sizeof buf, "%d %u %zu %s 0x%02X\n", p, use, i, list[i].c_str(),
                    RegisterTypeCode(prof, static_cast<unsigned>(i), use));
      out += buf;
    }
  }
  return out;
}

std::string Choice(const std::vector<std::string>& list, uint8_t index) {
  return index < list.size() ? list[index] : "?";
}

std::string Readable(uint8_t p) {
  const ProtocolProfile prof = BuildProfile(p, 0);
  const LineDefaults d = *DefaultLineSettings(p);
  std::string out;
  char buf[512];
  std::snprintf(buf, sizeof buf, "%2d  %s  (%s)\n", p, ProtocolName(p, Language::Chinese).c_str(),
                ProtocolName(p, Language::English).c_str());
  out += buf;
  std::string defaults =
      Choice(BaudList(p), d.baud) + " " + Choice(ShownChoices(DataBitsList()), d.dataBits) + " " +
      Choice(ShownChoices(StopBitsList()), d.stopBits) + " " +
      Choice(ShownChoices(ParityList()), d.parity) + " " +
      (d.commOption ? Choice(InterfaceList(), *d.commOption)
                    : Tr(TAVO_TRANSLATE_NOOP("tavo::cli::CmdCatalogue", "接口不变")));
  if (d.commParam)
    defaults += " " + Substitute(Tr(TAVO_TRANSLATE_NOOP("tavo::cli::CmdCatalogue", "局号 %1")),
                                 {std::to_string(*d.commParam)});
  if (d.e5Timeout)
    defaults += " " + Substitute(Tr(TAVO_TRANSLATE_NOOP("tavo::cli::CmdCatalogue", "E5超时 %1")),
                                 {std::to_string(*d.e5Timeout)});
  out += "    " +
         Substitute(Tr(TAVO_TRANSLATE_NOOP("tavo::cli::CmdCatalogue", "波特率: %1")),
                    {Joined(BaudList(p), " ")}) +
         "\n";
  out += "    " +
         Substitute(Tr(TAVO_TRANSLATE_NOOP("tavo::cli::CmdCatalogue", "默认: %1")), {defaults}) +
         "\n";
  const std::string station =
      TraitsOf(p).stationIsPanelStation
          ? Tr(TAVO_TRANSLATE_NOOP("tavo::cli::CmdCatalogue", "= 本机局号"))
          : std::to_string(prof.m_stationMin) + "-" + std::to_string(prof.m_stationMax);
  out += "    " +
         Substitute(Tr(TAVO_TRANSLATE_NOOP("tavo::cli::CmdCatalogue",
                                           "站号 %1, 字地址 0-%2, 位地址 0-%3, 位索引 0-%4, "
                                           "地址步长 %5, 寄存器个数 %6")),
                    {station, std::to_string(prof.m_maxWordAddr), std::to_string(prof.m_maxBitAddr),
                     std::to_string(prof.m_maxBitIndex), std::to_string(prof.m_addrStep),
                     std::to_string(prof.m_maxRegCount)}) +
         "\n";
  const struct {
    const char* label;
    const std::vector<std::string>& list;
  } lists[] = {{"W ", prof.m_wordTypes},
               {"WW", prof.m_wordWriteTypes},
               {"BW", prof.m_bitWriteTypes},
               {"BL", prof.m_lightBitTypes},
               {"BA", prof.m_alarmBitTypes}};
  for (const auto& l : lists)
    out += std::string("    ") + l.label + ": " + Joined(l.list, " ") + "\n";
  return out;
}

int RunCatalogue(const std::vector<std::string>& args) {
  bool codes = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--codes") {
      codes = true;
    } else if (a == "--data-dir" && i + 1 < args.size()) {
      SetDataDir(args[++i]);
    } else {
      std::fprintf(stderr, "tavo catalogue: unexpected argument '%s'\nusage: tavo %s\n", a.c_str(),
                   kUsage);
      return kExitFailure;
    }
  }
  for (uint8_t p = 1; p <= kProtocolCount; ++p) {
    const std::string text = codes ? CodeLines(p) : Readable(p);
    std::fwrite(text.data(), 1, text.size(), stdout);
  }
  return std::fflush(stdout) == 0 ? kExitOk : kExitFailure;
}

constexpr char kHelp[] =
    "Lists the 36 PLC protocols with their names and line settings.\n"
    "  --codes          one machine-readable line per protocol profile and per\n"
    "                   register type instead\n";

const CommandRegistration kRegistration({"catalogue", kUsage, RunCatalogue, kHelp});

}  // namespace

}  // namespace tavo::cli
