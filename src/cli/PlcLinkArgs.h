#pragma once

// The options of `tavo preview` and `tavo monitor` that choose a live PLC:
// --plc rtu:DEVICE|tcp:HOST:PORT, --plc-base 0|1, --word-order high|low,
// --timeout SECONDS, --interval MS.

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "link/LinkedPlc.h"
#include "link/ModbusLink.h"
#include "panel/PanelRuntime.h"

namespace tavo::cli {

struct PlcLinkArgs {
  std::string plc;  // empty: the simulated PLC
  int base = link::kDefaultAddressBase;
  link::WordOrder order = link::WordOrder::HighFirst;
  std::chrono::milliseconds timeout{1000};
  std::chrono::milliseconds interval{200};
};

// The --help lines of the link options.
extern const char* const kPlcLinkHelp;

// Takes args[i] (and its value) when it is one of the link options; false
// when it is not, or with `error` set when its value is bad.
bool ParsePlcLinkOption(const std::vector<std::string>& args, size_t& i, PlcLinkArgs& out,
                        std::string& error);

// The link to the PLC for a compiled image (its protocol and line settings);
// nullopt with the reason when the protocol cannot be linked.
std::optional<link::LinkOptions> MakeLinkOptions(const PlcLinkArgs& args,
                                                 const panel::ImageHeader& header,
                                                 std::string& error);

// How long one poll of these items may take at most: one timeout per
// station, and a little more.
std::chrono::milliseconds PollDeadline(const PlcLinkArgs& args,
                                       const std::vector<panel::ScreenBinding>& items);

// Polls what the runtime watches now: waits for the writes handed over, then
// for a whole poll after them, and takes its values. False at the deadline.
bool SettleLink(panel::PanelRuntime& runtime, link::LinkedPlc& plc, const PlcLinkArgs& args);

// The value of a watched item as its element reads it ("-" when not linked).
std::string ShownValue(const panel::PanelRuntime& runtime, const link::LinkedPlc& plc,
                       const panel::ScreenBinding& item);

}  // namespace tavo::cli
