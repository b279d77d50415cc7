// Names, offered baud rates and default line settings of the 36 protocols.

#include <array>

#include "base/Texts.h"
#include "plc/Catalogue.h"

namespace tavo {

namespace {

using namespace line;

enum class Bauds : uint8_t { Full, FirstFive, Short };  // Short: "9600", "19200"

struct CatalogueRow {
  const char* chinese;
  const char* english;
  Bauds bauds;
  uint8_t baud;  // index into the offered list
  uint8_t dataBits, stopBits, parity;
  int iface;      // interface index, -1 = left as it was
  int station;    // default panel station number, -1 = none
  int e5Timeout;  // default E5 timeout, -1 = none
};

constexpr int kKeep = -1;

// One row per protocol, in protocol order.
// clang-format off
constexpr std::array<CatalogueRow, kProtocolCount> kRows{{
    /* 1*/ {"ECOSTEP", "ECOSTEP", Bauds::Full, kBaud9600, kData8, kStop1, kParityNone, kIface232, kKeep, kKeep},
    /* 2*/ {"西门子S7-200 系列", "Siemens (S7-200)", Bauds::Short, 0, kData8, kStop1, kParityEven, kIface485, kKeep, 10000},
    /* 3*/ {"Modbus RTU", "Modbus RTU", Bauds::Full, kBaud19200, kData8, kStop1, kParityEven, kIface232, kKeep, 500},
    /* 4*/ {"三菱(FX系列)", "Mitsubishi (FX)", Bauds::Full, kBaud9600, kData7, kStop1, kParityEven, kIface232, kKeep, kKeep},
    /* 5*/ {"欧姆龙(CPM/CQM系列)", "Omron (CPM/CQM)", Bauds::FirstFive, kBaud9600, kData7, kStop2, kParityEven, kIface232, kKeep, kKeep},
    /* 6*/ {"松下(FPM/FP1/FP0)", "Panasonic (FPM/FP1/FP0)", Bauds::Full, kBaud9600, kData8, kStop1, kParityOdd, kIface232, kKeep, kKeep},
    /* 7*/ {"光洋S系列", "KOYO (S)", Bauds::FirstFive, kBaud9600, kData8, kStop1, kParityOdd, kIface232, kKeep, kKeep},
    /* 8*/ {"施耐德(Micro/Neza/Twido)", "Schneider (M/N/T)", Bauds::Full, kBaud9600, kData8, kStop1, kParityEven, kIface232, kKeep, kKeep},
    /* 9*/ {"宇电 (AI)", "AI (AI)", Bauds::Full, kBaud9600, kData8, kStop1, kParityNone, kIface232, kKeep, kKeep},
    /*10*/ {"永宏(MU/MA)", "FETAK (MU/MA)", Bauds::Full, kBaud9600, kData7, kStop1, kParityEven, kIface232, kKeep, kKeep},
    /*11*/ {"LG Master-K Cnet", "LG Master-K Cnet", Bauds::Full, kBaud9600, kData8, kStop1, kParityNone, kIface232, kKeep, kKeep},
    /*12*/ {"LG Modbus(K80/K120)", "LG Modbus(K80/K120)", Bauds::Full, kBaud9600, kData8, kStop1, kParityEven, kIface232, kKeep, kKeep},
    /*13*/ {"台达 (DVP)", "DELTA (DVP)", Bauds::Full, kBaud9600, kData7, kStop1, kParityEven, kIface232, kKeep, kKeep},
    /*14*/ {"自由机型", "Free", Bauds::Full, kBaud19200, kData8, kStop1, kParityNone, kIface232, 1, kKeep},
    /*15*/ {"AB_DF1", "AB_DF1", Bauds::Full, kBaud19200, kData8, kStop1, kParityNone, kKeep, kKeep, kKeep},
    /*16*/ {"Modbus ASCII", "Modbus ASCII", Bauds::Full, kBaud19200, kData7, kStop1, kParityEven, kIface232, kKeep, kKeep},
    /*17*/ {"SAIA S-BUS", "SAIA S-BUS", Bauds::Full, kBaud9600, kData8, kStop1, kParityNone, kIface232, kKeep, kKeep},
    /*18*/ {"LG Master-K CPU", "LG Master-K CPU", Bauds::Full, kBaud38400, kData8, kStop1, kParityNone, kIface232, kKeep, kKeep},
    /*19*/ {"Modbus RTU Extend", "Modbus RTU Extend", Bauds::Full, kBaud19200, kData8, kStop1, kParityEven, kIface232, kKeep, kKeep},
    /*20*/ {"Emerson PLC EC20", "Emerson EC20", Bauds::Full, kBaud19200, kData8, kStop1, kParityEven, kIface232, kKeep, kKeep},
    /*21*/ {"Modbus Server", "Modbus Server", Bauds::Full, kBaud19200, kData8, kStop1, kParityEven, kIface232, 1, kKeep},
    /*22*/ {"LG Glofa Cnet", "LG Glofa Cnet", Bauds::Full, kBaud9600, kData8, kStop1, kParityNone, kIface232, kKeep, kKeep},
    /*23*/ {"VIGOR", "VIGOR", Bauds::Full, kBaud19200, kData7, kStop1, kParityEven, kIface232, kKeep, kKeep},
    /*24*/ {"KEYENCE", "KEYENCE", Bauds::Full, kBaud9600, kData8, kStop1, kParityEven, kIface232, kKeep, kKeep},
    /*25*/ {"和利时(G3系列)", "Hollysys(G3 series)", Bauds::Full, kBaud19200, kData8, kStop1, kParityEven, kIface232, kKeep, kKeep},
    /*26*/ {"日立(HITACHI)", "HITACHI(EH-A14DR)", Bauds::Full, kBaud19200, kData7, kStop1, kParityEven, kIface232, kKeep, kKeep},
    /*27*/ {"欧姆龙(CP1H)", "OMRON(CP1H)", Bauds::Full, kBaud9600, kData7, kStop2, kParityEven, kIface232, kKeep, kKeep},
    /*28*/ {"台安(TP03)", "TAIAN(TP03)", Bauds::Full, kBaud19200, kData8, kStop2, kParityNone, kIface232, kKeep, kKeep},
    /*29*/ {"KDN-k3", "KDN-k3", Bauds::Full, kBaud9600, kData8, kStop1, kParityNone, kIface232, kKeep, kKeep},
    /*30*/ {"KINCO", "KINCO", Bauds::Full, kBaud9600, kData8, kStop1, kParityNone, kIface232, kKeep, kKeep},
    /*31*/ {"KTC", "KTC", Bauds::Full, kBaud9600, kData8, kStop1, kParityNone, kIface232, kKeep, kKeep},
    /*32*/ {"OEMax", "OEMax", Bauds::Full, kBaud9600, kData8, kStop1, kParityNone, kIface232, kKeep, kKeep},
    /*33*/ {"GE-SNPX", "GE-SNPX", Bauds::Full, kBaud19200, kData8, kStop1, kParityOdd, kIface232, kKeep, kKeep},
    /*34*/ {"德维森V80", "techwayson V80", Bauds::Full, kBaud19200, kData8, kStop1, kParityEven, kIface232, kKeep, 500},
    /*35*/ {"Haiwell", "Haiwell", Bauds::Full, kBaud19200, kData8, kStop2, kParityNone, kIface232, kKeep, kKeep},
    /*36*/ {"IDEC", "IDEC", Bauds::Full, kBaud9600, kData7, kStop1, kParityEven, kIface232, kKeep, kKeep},
}};
// clang-format on

std::vector<std::string> NameColumn(bool chinese) {
  std::vector<std::string> out;
  for (const auto& row : kRows) out.emplace_back(chinese ? row.chinese : row.english);
  return out;
}

}  // namespace

const std::vector<std::string>& ProtocolNames(Language language) {
  static const std::vector<std::string> chinese = NameColumn(true);
  static const std::vector<std::string> english = NameColumn(false);
  return language == Language::Chinese ? chinese : english;
}

std::string ProtocolName(uint8_t protocol, Language language) {
  if (!IsCatalogueProtocol(protocol)) return {};
  return ProtocolNames(language)[protocol - 1];
}

std::string NoResponseText(Language language) {
  return language == Language::Chinese ? "Tavo  下位机无响应" : "Tavo   no response";
}

const std::vector<std::string>& FullBaudList() {
  static const std::vector<std::string> list{"1200",  "2400",  "4800",  "9600",
                                             "19200", "38400", "115200"};
  return list;
}

const std::vector<std::string>& DataBitsList() {
  static const std::vector<std::string> list{TAVO_TRANSLATE_NOOP("tavo::plc::Catalogue", "7位"),
                                             TAVO_TRANSLATE_NOOP("tavo::plc::Catalogue", "8位")};
  return list;
}

const std::vector<std::string>& StopBitsList() {
  static const std::vector<std::string> list{TAVO_TRANSLATE_NOOP("tavo::plc::Catalogue", "1位"),
                                             TAVO_TRANSLATE_NOOP("tavo::plc::Catalogue", "2位")};
  return list;
}

const std::vector<std::string>& ParityList() {
  static const std::vector<std::string> list{TAVO_TRANSLATE_NOOP("tavo::plc::Catalogue", "无校验"),
                                             TAVO_TRANSLATE_NOOP("tavo::plc::Catalogue", "奇校验"),
                                             TAVO_TRANSLATE_NOOP("tavo::plc::Catalogue", "偶校验")};
  return list;
}

const std::vector<std::string>& InterfaceList() {
  static const std::vector<std::string> list{"232", "485"};
  return list;
}

const std::vector<std::string>& BaudList(uint8_t protocol) {
  static const std::vector<std::string> firstFive(FullBaudList().begin(),
                                                  FullBaudList().begin() + 5);
  static const std::vector<std::string> shortList{"9600", "19200"};
  if (!IsCatalogueProtocol(protocol)) return FullBaudList();
  switch (kRows[protocol - 1].bauds) {
    case Bauds::FirstFive:
      return firstFive;
    case Bauds::Short:
      return shortList;
    case Bauds::Full:
      break;
  }
  return FullBaudList();
}

std::optional<LineDefaults> DefaultLineSettings(uint8_t protocol) {
  if (!IsCatalogueProtocol(protocol)) return std::nullopt;
  const CatalogueRow& row = kRows[protocol - 1];
  LineDefaults d;
  d.baud = row.baud;
  d.dataBits = row.dataBits;
  d.stopBits = row.stopBits;
  d.parity = row.parity;
  if (row.iface != kKeep) d.commOption = static_cast<uint8_t>(row.iface);
  if (row.station != kKeep) d.commParam = static_cast<uint8_t>(row.station);
  if (row.e5Timeout != kKeep) d.e5Timeout = static_cast<uint16_t>(row.e5Timeout);
  return d;
}

bool UsesPanelStation(uint8_t protocol) {
  return protocol == 14 || protocol == 21 || protocol == 31;
}

bool UsesE5Timeout(uint8_t protocol) {
  return protocol == 2 || protocol == 3 || protocol == 34;
}

std::vector<std::string> ShownChoices(const std::vector<std::string>& list) {
  return TranslateAll("tavo::plc::Catalogue", list);
}

}  // namespace tavo
