#include "link/LinkedPlc.h"

namespace tavo::link {

std::vector<LinkItem> LinkItemsOf(const std::vector<panel::ScreenBinding>& items) {
  std::vector<LinkItem> out;
  for (const panel::ScreenBinding& b : items) out.push_back({b.key, b.width});
  return out;
}

uint32_t LinkedPlc::Get(const panel::PlcKey& key) const {
  if (auto it = m_items.find(key); it != m_items.end() && it->second.state != ItemState::Panel &&
                                   it->second.state != ItemState::NotLinked)
    return it->second.value;
  auto it = m_panel.find(key);
  return it == m_panel.end() ? 0 : it->second;
}

void LinkedPlc::Set(const panel::PlcKey& key, uint32_t value) {
  auto width = m_widths.find(key);
  const uint8_t w = width != m_widths.end() ? width->second : static_cast<uint8_t>(key.type & 0x0F);
  const ItemPlace place = PlaceItem(key, w, m_link.Options().plan.base);
  if (place.route != ItemRoute::Modbus) {
    uint32_t& held = m_panel[key];
    if (held != value) ++m_revision;
    held = value;
    return;
  }
  ItemReading& r = m_items[key];
  if (r.value != value) ++m_revision;
  r.value = value;
  m_lastWrite = m_link.Write({key, w}, value);
  m_pending[key] = m_lastWrite;
}

void LinkedPlc::Watch(const std::vector<panel::ScreenBinding>& items) {
  m_widths.clear();
  for (const panel::ScreenBinding& b : items) m_widths[b.key] = b.width;
  m_link.Watch(LinkItemsOf(items));
}

bool LinkedPlc::Sync() {
  LinkSnapshot s = m_link.Snapshot();
  bool changed = s.stats.state != m_stats.state || s.stats.lastError != m_stats.lastError;
  for (auto& [key, reading] : s.items) {
    ItemReading& mine = m_items[key];
    auto pending = m_pending.find(key);
    // A value read before the item's last write finished is the old one.
    const bool stale = pending != m_pending.end() && pending->second > s.readAfter;
    if (pending != m_pending.end() && !stale && reading.state == ItemState::Ok)
      m_pending.erase(pending);
    if (stale) reading.value = mine.value;
    if (mine.value != reading.value) ++m_revision;
    changed = changed || mine.value != reading.value || mine.state != reading.state ||
              mine.error != reading.error;
    mine = std::move(reading);
  }
  m_stats = std::move(s.stats);
  m_poll = s.poll;
  return changed;
}

ItemReading LinkedPlc::Reading(const panel::PlcKey& key) const {
  auto it = m_items.find(key);
  if (it != m_items.end()) return it->second;
  return {};
}

}  // namespace tavo::link
