#include "panel/PanelRuntime.h"

#include <algorithm>
#include <cctype>
#include <fstream>

#include "model/Base.h"
#include "panel/FirmwareFont.h"
#include "panel/ValueFormat.h"

namespace tavo::panel {

namespace {

struct KeyName {
  PanelKey key;
  const char* name;
};

constexpr KeyName kKeyNames[] = {
    {PanelKey::Esc, "ESC"},   {PanelKey::Left, "LEFT"}, {PanelKey::Right, "RIGHT"},
    {PanelKey::Down, "DOWN"}, {PanelKey::Up, "UP"},     {PanelKey::Set, "SET"},
    {PanelKey::Ent, "ENT"},   {PanelKey::Alm, "ALM"},   {PanelKey::Digit0, "0"},
    {PanelKey::Digit1, "1"},  {PanelKey::Digit2, "2"},  {PanelKey::Digit3, "3"},
    {PanelKey::Digit4, "4"},  {PanelKey::Digit5, "5"},  {PanelKey::Digit6, "6"},
    {PanelKey::Digit7, "7"},  {PanelKey::Digit8, "8"},  {PanelKey::Digit9, "9"},
    {PanelKey::Clr, "CLR"},
};

// A trend keeps no more samples than it can show (at most 255 points).
constexpr size_t kMaxTrendSamples = 256;

}  // namespace

const std::vector<PanelKey>& AllPanelKeys() {
  static const std::vector<PanelKey> keys = [] {
    std::vector<PanelKey> k;
    for (const KeyName& n : kKeyNames) k.push_back(n.key);
    return k;
  }();
  return keys;
}

const char* PanelKeyName(PanelKey key) {
  for (const KeyName& n : kKeyNames)
    if (n.key == key) return n.name;
  return "?";
}

std::optional<PanelKey> PanelKeyFromName(std::string_view name) {
  for (const KeyName& n : kKeyNames) {
    const std::string_view candidate = n.name;
    if (candidate.size() != name.size()) continue;
    bool same = true;
    for (size_t i = 0; i < name.size() && same; ++i)
      same = std::toupper(static_cast<unsigned char>(name[i])) == candidate[i];
    if (same) return n.key;
  }
  return std::nullopt;
}

int PanelKeyDigit(PanelKey key) {
  const std::string_view name = PanelKeyName(key);
  return name.size() == 1 && name[0] >= '0' && name[0] <= '9' ? name[0] - '0' : -1;
}

PanelRuntime::PanelRuntime() : m_clock([] { return std::time(nullptr); }) {}

bool PanelRuntime::Load(std::span<const uint8_t> bytes) {
  m_image = PanelImage::FromBytes(bytes);
  m_imageProblems = m_image.Problems();
  m_alarms = ReadAlarmList(m_image, m_imageProblems);
  m_view = PanelView::Nothing;
  m_screenPosition = -1;
  m_screen = {};
  m_trends.clear();
  m_entry.reset();
  m_status.clear();
  m_idle = {};
  m_lastControlValue.reset();
  m_momentary.clear();
  if (!m_image.Ready()) return false;
  const std::optional<uint16_t> start = StartScreen();
  if (!start) {
    m_status = "the image holds no screen";
    return true;
  }
  EnterScreen(m_image.FindScreen(*start));
  return true;
}

bool PanelRuntime::LoadFile(const std::string& path, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read " + path;
    return false;
  }
  constexpr size_t kMaxBytes = 0x10000;
  std::vector<uint8_t> bytes(kMaxBytes + 1);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(in.gcount()));
  if (bytes.size() > kMaxBytes) {
    error = path + ": larger than a panel memory (65536 bytes)";
    m_image = {};
    m_view = PanelView::Nothing;
    return false;
  }
  if (!Load(bytes)) {
    error = path + ": " + Notice();
    return false;
  }
  return true;
}

std::optional<uint16_t> PanelRuntime::StartScreen() const {
  if (!m_image.Ready() || m_image.Screens().empty()) return std::nullopt;
  const uint16_t start = m_image.Header().startScreen;
  if (m_image.FindScreen(start) >= 0) return start;
  return m_image.Screens().front().number;
}

std::optional<uint16_t> PanelRuntime::CurrentScreen() const {
  if (m_screenPosition < 0) return std::nullopt;
  return m_image.Screens()[static_cast<size_t>(m_screenPosition)].number;
}

bool PanelRuntime::ShowScreen(uint16_t number) {
  const int position = m_image.FindScreen(number);
  if (position < 0) return false;
  EnterScreen(position);
  return true;
}

void PanelRuntime::EnterScreen(int position) {
  m_screenPosition = position;
  m_screen = DecodeScreen(m_image, m_image.Screens()[static_cast<size_t>(position)]);
  m_view = PanelView::Screen;
  m_entry.reset();
  m_entryText.clear();
  ResetTrends();
  if (m_image.Header().ctrlFlags & 0x02) ReportScreen();
}

const ElementRecord* PanelRuntime::Element(size_t position) const {
  return position < m_screen.elements.size() ? &m_screen.elements[position] : nullptr;
}

std::vector<ScreenBinding> PanelRuntime::Bindings() const {
  std::vector<ScreenBinding> out;
  auto add = [&](const Binding& b, uint8_t kind, size_t element, bool written) {
    for (ScreenBinding& s : out)
      if (s.key == b.key) {
        s.written = s.written || written;
        return;
      }
    out.push_back({b.key, b.width, kind, element, written});
  };
  for (size_t i = 0; i < m_screen.elements.size(); ++i) {
    const ElementRecord& e = m_screen.elements[i];
    const RecordBody& body = e.body;
    if (auto* r = std::get_if<RegisterRecord>(&body)) add(r->binding, e.kind, i, r->settable);
    if (auto* l = std::get_if<LightRecord>(&body)) add(l->binding, e.kind, i, false);
    if (auto* g = std::get_if<GraphRecord>(&body)) add(g->binding, e.kind, i, false);
    if (auto* d = std::get_if<DynamicRecord>(&body)) add(d->binding, e.kind, i, false);
    if (auto* k = std::get_if<KeyRecord>(&body))
      if (k->action >= kActionCoilOn && k->action <= kActionSetRegister)
        add(k->binding, e.kind, i, true);
  }
  return out;
}

bool ReadsSigned(const std::vector<ElementRecord>& elements, const ScreenBinding& b) {
  if (b.kind == 0 || b.element >= elements.size()) return false;
  const RecordBody& body = elements[b.element].body;
  if (auto* r = std::get_if<RegisterRecord>(&body)) return r->isSigned;
  if (auto* g = std::get_if<GraphRecord>(&body)) return g->isSigned;
  if (auto* d = std::get_if<DynamicRecord>(&body)) return d->isSigned;
  return false;
}

std::vector<ScreenBinding> PanelRuntime::WatchedItems() const {
  std::vector<ScreenBinding> out = Bindings();
  auto add = [&](const PlcKey& key, uint8_t width, bool written) {
    for (ScreenBinding& s : out)
      if (s.key == key) {
        s.written = s.written || written;
        return;
      }
    out.push_back({key, width, 0, 0, written});
  };
  const ImageHeader& h = m_image.Header();
  if (m_image.Ready()) {
    const uint8_t width = h.ctrlType & 0x0F;
    if (h.ctrlFlags & 0x01) add({h.ctrlStation, h.ctrlType, h.ctrlAddress, 0}, width, false);
    if (h.ctrlFlags & 0x02) {
      const uint16_t step = h.wordStep == 0 ? 1 : h.wordStep;
      add({h.ctrlStation, h.ctrlType, static_cast<uint16_t>(h.ctrlAddress + step), 0}, width, true);
    }
  }
  if (m_view == PanelView::AlarmList)
    for (const AlarmEntry& e : m_alarms.entries)
      add(AlarmBitOf(m_alarms, e.number, h.wordStep).key, m_alarms.width, false);
  return out;
}

// ---- trends ----

void PanelRuntime::ResetTrends() {
  m_trends.clear();
  m_trendClock.assign(m_screen.elements.size(), std::chrono::milliseconds{0});
  for (size_t i = 0; i < m_screen.elements.size(); ++i) {
    auto* g = std::get_if<GraphRecord>(&m_screen.elements[i].body);
    if (!g || !g->trend) continue;
    std::deque<uint32_t>& samples = m_trends[i];
    if (const std::vector<uint32_t>* history = Source().History(g->binding.key)) {
      const size_t keep = std::min(history->size(), kMaxTrendSamples - 1);
      samples.assign(history->end() - static_cast<std::ptrdiff_t>(keep), history->end());
    }
    samples.push_back(Source().Get(g->binding.key));
  }
}

// ---- time ----

void PanelRuntime::Advance(std::chrono::milliseconds elapsed) {
  if (!m_image.Ready() || elapsed.count() <= 0) return;
  for (auto& [position, samples] : m_trends) {
    const auto* g = std::get_if<GraphRecord>(&m_screen.elements[position].body);
    const std::chrono::milliseconds interval{1000LL * std::max<uint16_t>(g->interval, 1)};
    auto& clock = m_trendClock[position];
    clock += elapsed;
    // Sampling more than the trend can hold changes nothing but the time.
    const long long due = clock / interval;
    clock %= interval;
    const size_t count = static_cast<size_t>(std::min<long long>(due, kMaxTrendSamples));
    const uint32_t value = Source().Get(g->binding.key);
    for (size_t i = 0; i < count; ++i) samples.push_back(value);
    while (samples.size() > kMaxTrendSamples) samples.pop_front();
  }
  WatchControlRegister();
  if (m_view == PanelView::Saver || m_view == PanelView::Nothing) return;
  m_idle += elapsed;
  const uint8_t minutes = m_image.Header().saverMinutes;
  if (minutes == 0 || m_idle < std::chrono::minutes(minutes)) return;
  m_saverFrom = m_screenPosition;
  m_saverFromView = m_view;
  const int saver =
      m_image.Header().saverScreen == 0 ? -1 : m_image.FindScreen(m_image.Header().saverScreen);
  m_saverBlank = saver < 0;
  if (saver >= 0) EnterScreen(saver);
  m_view = PanelView::Saver;
}

void PanelRuntime::WatchControlRegister() {
  const ImageHeader& h = m_image.Header();
  if (!(h.ctrlFlags & 0x01)) return;
  const uint32_t value = Source().Get({h.ctrlStation, h.ctrlType, h.ctrlAddress, 0}) & 0xFFFF;
  if (m_lastControlValue == value) return;
  m_lastControlValue = value;
  if (value == 0 || CurrentScreen() == value) return;
  if (m_view == PanelView::Saver) Wake();
  if (!ShowScreen(static_cast<uint16_t>(value)))
    m_status = "the PLC asks for screen " + std::to_string(value) + ", which the image lacks";
}

void PanelRuntime::ReportScreen() {
  const ImageHeader& h = m_image.Header();
  const uint16_t step = h.wordStep == 0 ? 1 : h.wordStep;
  if (auto current = CurrentScreen())
    Source().Set({h.ctrlStation, h.ctrlType, static_cast<uint16_t>(h.ctrlAddress + step), 0},
                 *current);
}

void PanelRuntime::Wake() {
  m_idle = {};
  if (m_view != PanelView::Saver) return;
  if (!m_saverBlank && m_saverFrom >= 0 && m_saverFrom != m_screenPosition)
    EnterScreen(m_saverFrom);
  m_view = m_saverFrom >= 0 ? m_saverFromView : PanelView::Nothing;
}

// ---- display ----

void PanelRuntime::Render(PanelBitmap& out) const {
  out.Clear();
  m_paintProblems.clear();
  const PaintContext context{m_image, Source(), &m_trends, &m_paintProblems};
  switch (m_view) {
    case PanelView::Nothing:
      return;
    case PanelView::AlarmList:
      PaintAlarmList(out, m_alarms, m_alarmFirst, context);
      return;
    case PanelView::Clock: {
      const std::time_t now = m_clock();
      std::tm t{};
      localtime_r(&now, &t);
      char date[16], time[16];
      std::snprintf(date, sizeof date, "%04d-%02d-%02d", (t.tm_year + 1900) % 10000,
                    (t.tm_mon + 1) % 100, t.tm_mday % 100);
      std::snprintf(time, sizeof time, "%02d:%02d:%02d", t.tm_hour % 100, t.tm_min % 100,
                    t.tm_sec % 100);
      DrawFirmwareText(out, 56, 2, date, 1, false);
      DrawFirmwareText(out, 32, 26, time, 2, false);
      return;
    }
    case PanelView::Saver:
      if (m_saverBlank) return;
      [[fallthrough]];
    case PanelView::Screen:
      for (size_t i = 0; i < m_screen.elements.size(); ++i)
        PaintElement(out, m_screen.elements[i], i, context);
      if (m_entry)
        if (const ElementRecord* e = Element(*m_entry)) PaintRegisterEntry(out, *e, EntryShown());
      return;
  }
}

std::vector<std::string> PanelRuntime::Problems() const {
  std::vector<std::string> out = m_imageProblems;
  out.insert(out.end(), m_screen.problems.begin(), m_screen.problems.end());
  out.insert(out.end(), m_paintProblems.begin(), m_paintProblems.end());
  return out;
}

bool WritePanelPng(const PanelBitmap& bitmap, int scale, const std::string& path) {
  return bitmap.ToCanvas(scale).WritePng(path);
}

}  // namespace tavo::panel
