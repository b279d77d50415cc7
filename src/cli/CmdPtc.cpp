// tavo ptc -o FILE --driver PROTOCOL:VERSION:PATH ...: builds a protocol file
// ("ormed_Ptc.dat") from driver binaries, one record per --driver in the order
// given. The order is the order of the protocol list the editor offers.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "base/DataFiles.h"
#include "base/SafeFile.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "plc/Catalogue.h"
#include "plc/ProtocolFiles.h"

namespace tavo::cli {

namespace {

constexpr char kUsage[] = "ptc -o FILE --driver PROTOCOL:VERSION:PATH ...   build a protocol file";

bool ParseNumber(const std::string& text, unsigned max, unsigned& out) {
  if (text.empty() || text.size() > 5) return false;
  unsigned v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + static_cast<unsigned>(c - '0');
  }
  if (v > max) return false;
  out = v;
  return true;
}

// "PROTOCOL:VERSION:PATH"; the path may itself hold colons.
bool ParseDriver(const std::string& driverArg, unsigned& protocol, unsigned& version,
                 std::string& path) {
  const size_t a = driverArg.find(':');
  if (a == std::string::npos) return false;
  const size_t b = driverArg.find(':', a + 1);
  if (b == std::string::npos) return false;
  path = driverArg.substr(b + 1);
  return ParseNumber(driverArg.substr(0, a), 255, protocol) &&
         ParseNumber(driverArg.substr(a + 1, b - a - 1), 255, version) && !path.empty();
}

bool ReadDriverFile(const std::string& path, std::vector<uint8_t>& out, std::string& error) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    error = "cannot read driver " + path;
    return false;
  }
  const auto size = std::filesystem::file_size(path, ec);
  if (ec || size > kPtcMaxDriver) {
    error = "driver " + path + " is larger than " + std::to_string(kPtcMaxDriver) + " bytes";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (!in.good() && !in.eof()) {
    error = "cannot read driver " + path;
    return false;
  }
  return true;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "tavo ptc: %s\n", message.c_str());
  return kExitFailure;
}

int RunPtc(const std::vector<std::string>& args) {
  std::string outPath;
  std::vector<std::string> driverArgs;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "-o" && hasValue) {
      outPath = args[++i];
    } else if (a == "--driver" && hasValue) {
      driverArgs.push_back(args[++i]);
    } else if (a == "--data-dir" && hasValue) {
      SetDataDir(args[++i]);
    } else {
      return Fail("unexpected argument '" + a + "'\nusage: tavo " + kUsage);
    }
  }
  if (outPath.empty() || driverArgs.empty()) return Fail(std::string("usage: tavo ") + kUsage);

  std::vector<PtcRecord> records;
  std::set<unsigned> seen;
  for (const std::string& driverArg : driverArgs) {
    unsigned protocol = 0, version = 0;
    std::string path, error;
    if (!ParseDriver(driverArg, protocol, version, path))
      return Fail("--driver wants PROTOCOL:VERSION:PATH with numbers 0-255, not '" + driverArg +
                  "'");
    if (protocol < 1 || protocol > kProtocolCount)
      return Fail("protocol " + std::to_string(protocol) + " is not one of 1-36");
    if (!seen.insert(protocol).second)
      return Fail("protocol " + std::to_string(protocol) + " given twice");
    PtcRecord r;
    r.protocol = static_cast<uint8_t>(protocol);
    r.version = static_cast<uint8_t>(version);
    if (!ReadDriverFile(path, r.driver, error)) return Fail(error);
    records.push_back(std::move(r));
  }

  std::vector<uint8_t> file;
  std::string error;
  if (!BuildProtocolFile(records, file, error)) return Fail(error);
  if (int err = WriteFileSafely(outPath, file); err != 0)
    return Fail("cannot write " + outPath + ": " + std::strerror(err));
  return kExitOk;
}

constexpr char kHelp[] =
    "Builds a protocol file (\"ormed_Ptc.dat\") from protocol driver binaries, one\n"
    "record per --driver in the order given (the order the editor lists them).\n"
    "  -o FILE          the protocol file to write\n"
    "  --driver PROTOCOL:VERSION:PATH   a driver: protocol number and version\n"
    "                   (0-255) and the file holding it\n";

const CommandRegistration kRegistration({"ptc", kUsage, RunPtc, kHelp});

}  // namespace

}  // namespace tavo::cli
