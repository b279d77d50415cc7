#pragma once

// The live link behind the panel runtime's PLC interface. Reads come from
// the values the link polled last (taken over by Sync on the caller's
// thread, so that a drawing never sees half a poll); writes go to the PLC
// and show at once, until a poll after the write reads the PLC's own value.
// The panel's own registers stay here, in the runtime's memory.

#include <map>

#include "link/ModbusLink.h"
#include "panel/PanelRuntime.h"
#include "panel/PlcInterface.h"

namespace tavo::link {

class LinkedPlc : public panel::PlcInterface {
 public:
  explicit LinkedPlc(ModbusLink& link) : m_link(link) {}

  uint32_t Get(const panel::PlcKey& key) const override;
  void Set(const panel::PlcKey& key, uint32_t value) override;
  const std::vector<uint32_t>* History(const panel::PlcKey&) const override { return nullptr; }
  uint64_t Revision() const override { return m_revision; }

  // Polls what the runtime watches now (call after every key and screen change).
  void Watch(const std::vector<panel::ScreenBinding>& items);
  // Takes over what the link read since the last call; true when a value or
  // a state changed.
  bool Sync();

  ItemReading Reading(const panel::PlcKey& key) const;
  const LinkStats& Stats() const { return m_stats; }
  uint64_t Polls() const { return m_poll; }
  // The sequence number of the last write handed to the link (0: none).
  uint64_t LastWrite() const { return m_lastWrite; }
  ModbusLink& Link() { return m_link; }

 private:
  ModbusLink& m_link;
  std::map<panel::PlcKey, uint8_t> m_widths;  // of the watched items
  std::map<panel::PlcKey, ItemReading> m_items;
  std::map<panel::PlcKey, uint32_t> m_panel;    // registers the panel keeps
  std::map<panel::PlcKey, uint64_t> m_pending;  // last write of an item not yet read back
  LinkStats m_stats;
  uint64_t m_poll = 0;
  uint64_t m_lastWrite = 0;
  uint64_t m_revision = 0;
};

// The links items of the runtime's watched bindings.
std::vector<LinkItem> LinkItemsOf(const std::vector<panel::ScreenBinding>& items);

}  // namespace tavo::link
