#include "cli/PlcLinkArgs.h"

#include <charconv>
#include <set>

#include "panel/ValueFormat.h"

namespace tavo::cli {

const char* const kPlcLinkHelp =
    "  --plc rtu:DEVICE|tcp:HOST:PORT   a live Modbus PLC: a serial port with the project's line\n"
    "                   settings, or a TCP gateway or simulator (the station is the unit id)\n"
    "  --plc-base 0|1   1 (default): \"4x 1\" is register offset 0; 0: it is offset 1\n"
    "  --word-order high|low   which register of a two-register value holds the high\n"
    "                   16 bits: the one at the lower address (high, default) or the other\n"
    "  --timeout SECONDS   wait this long for an answer of the PLC (1 to 60, 1 by default)\n"
    "  --interval MS    poll every MS milliseconds (10 to 60000, 200 by default)\n";

namespace {

bool ParseNumber(const std::string& text, long lo, long hi, long& out) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, out);
  return !text.empty() && ec == std::errc() && ptr == end && out >= lo && out <= hi;
}

}  // namespace

bool ParsePlcLinkOption(const std::vector<std::string>& args, size_t& i, PlcLinkArgs& out,
                        std::string& error) {
  const std::string& a = args[i];
  if (a != "--plc" && a != "--plc-base" && a != "--word-order" && a != "--timeout" &&
      a != "--interval")
    return false;
  if (i + 1 >= args.size() || args[i + 1].empty()) {
    error = a + " needs a value";
    return false;
  }
  const std::string& v = args[++i];
  long n = 0;
  if (a == "--plc") {
    if (!link::ParseLinkTarget(v, error)) return false;
    out.plc = v;
  } else if (a == "--plc-base") {
    if (v != "0" && v != "1") {
      error = "--plc-base: '" + v + "' is neither 0 nor 1";
      return false;
    }
    out.base = v == "1" ? 1 : 0;
  } else if (a == "--word-order") {
    if (v != "high" && v != "low") {
      error = "--word-order: '" + v + "' is neither high nor low";
      return false;
    }
    out.order = v == "high" ? link::WordOrder::HighFirst : link::WordOrder::LowFirst;
  } else if (a == "--timeout") {
    if (!ParseNumber(v, 1, 60, n)) {
      error = "--timeout: '" + v + "' is not a number of seconds from 1 to 60";
      return false;
    }
    out.timeout = std::chrono::seconds(n);
  } else {
    if (!ParseNumber(v, 10, 60000, n)) {
      error = "--interval: '" + v + "' is not a number of milliseconds from 10 to 60000";
      return false;
    }
    out.interval = std::chrono::milliseconds(n);
  }
  return true;
}

std::optional<link::LinkOptions> MakeLinkOptions(const PlcLinkArgs& args,
                                                 const panel::ImageHeader& header,
                                                 std::string& error) {
  std::optional<link::LinkTarget> target = link::ParseLinkTarget(args.plc, error);
  if (!target) return std::nullopt;
  error = link::LinkProtocolRefusal(header.protocol, target->serial);
  if (!error.empty()) return std::nullopt;
  link::LinkOptions o;
  o.target = *target;
  o.line = link::LineSettingsOf(header);
  o.plan.base = args.base;
  o.order = args.order;
  o.timeout = args.timeout;
  o.interval = args.interval;
  return o;
}

std::chrono::milliseconds PollDeadline(const PlcLinkArgs& args,
                                       const std::vector<panel::ScreenBinding>& items) {
  std::set<uint8_t> stations;
  for (const panel::ScreenBinding& b : items) stations.insert(b.key.station);
  return args.timeout * static_cast<long>(stations.size() + 1) + std::chrono::seconds(1);
}

bool SettleLink(panel::PanelRuntime& runtime, link::LinkedPlc& plc, const PlcLinkArgs& args) {
  const std::vector<panel::ScreenBinding> items = runtime.WatchedItems();
  plc.Watch(items);
  const std::chrono::milliseconds deadline = PollDeadline(args, items);
  link::ModbusLink& modbus = plc.Link();
  if (!modbus.WaitForWrite(plc.LastWrite(), deadline)) return false;
  // The poll running now may have begun before the writes or the new items.
  const uint64_t poll = modbus.Snapshot().poll;
  if (!modbus.WaitForPoll(poll + 1, deadline)) return false;
  plc.Sync();
  return true;
}

std::string ShownValue(const panel::PanelRuntime& runtime, const link::LinkedPlc& plc,
                       const panel::ScreenBinding& item) {
  if (plc.Reading(item.key).state == link::ItemState::NotLinked) return "-";
  const uint32_t raw = plc.Get(item.key);
  if (item.width == 0) return raw ? "1" : "0";
  const auto width = static_cast<uint8_t>(std::min<int>(item.width, 4));
  return std::to_string(panel::ItemValue(raw, width, panel::ReadsSigned(runtime.Elements(), item)));
}

}  // namespace tavo::cli
