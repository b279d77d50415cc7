#include "pages/AlarmListForm.h"

#include <cstdio>

#include "pages/PageRules.h"
#include "plc/ProtocolTraits.h"

namespace tavo::app {

namespace {

std::string Format(const char* format, long long value) {
  char buf[32];
  std::snprintf(buf, sizeof buf, format, value);
  return buf;
}

unsigned TypeWidth(const ProtocolProfile& profile, unsigned regType) {
  return RegisterTypeCode(profile, regType, kUseWord) & 0x0F;
}

}  // namespace

std::string CoilLabel(const ProtocolProfile& profile, const CAlarmList& list,
                      const std::string& typeName, unsigned width, int i) {
  const long long a = list.m_alarmbegin;
  const long long b = 8LL * width;
  if (b == 0 || i < 1) return {};
  if (BitOffsetShown(profile)) {
    if (i > b) return {};
    return Format("%04llx", a) + " " + Format("%02llx", list.m_subAddr) + " " +
           Format("%02llx", (i + list.m_bitOffset - 1) % b);
  }
  const long long k = i + list.m_subAddr - 1;
  const ProtocolTraits& traits = TraitsOf(profile.m_protocol);
  std::string label;
  switch (profile.Switch(1) ? traits.alarmLabelWithBit : traits.alarmLabelPlain) {
    case CoilNumbering::WordDotBit:
      label = Format("%lld", a + k / b) + Format(".%llx", k % b);
      break;
    case CoilNumbering::WordHexBit:
      label = Format("%lld", a + k / b) + Format("%llx", k % b);
      break;
    case CoilNumbering::WordDotDataBit: {
      const long long b2 = b > 8 ? b - 8 : b;  // the word's bits less its 8 status bits
      label = Format("%lld", a + k / b2) + Format(".%llx", k % b2);
      break;
    }
    case CoilNumbering::FileWordSlashBit:
      label = Format(":%lld", a + k / b) + Format("/%llx", k % b);
      break;
    case CoilNumbering::Consecutive:
      label = Format("%lld", a + i - 1);
      break;
    case CoilNumbering::SlashConsecutive:
      label = Format("/%lld", a + i - 1);
      break;
    case CoilNumbering::OctalConsecutive:
      label = Format("%llo", a + i - 1);
      break;
  }
  return typeName + label;
}

void AlarmListForm::Open(const CAlarmList& list) {
  EndEdit();
  const ProtocolProfile& profile = CurrentProfile();
  work_.m_station = list.m_station;
  work_.m_alarmbegin = list.m_alarmbegin;
  work_.m_subAddr = list.m_subAddr;
  work_.m_regType = list.m_regType;
  work_.m_bitOffset = list.m_bitOffset;
  work_.m_alarmTexts = list.m_alarmTexts;

  station.SetRadix(Radix::Unsigned);
  station.Bind(work_.m_station);
  station.SetRange(profile.m_stationMin, profile.m_stationMax);
  type.Bind(work_.m_regType, profile.m_alarmBitTypes);
  addr.SetRadix(profile.OctalAddresses() ? Radix::Octal : Radix::Unsigned);
  addr.Bind(work_.m_alarmbegin);
  addr.SetRange(TraitsOf(profile.m_protocol).alarmAddressMin, profile.m_maxBitAddr);
  subAddr.SetRadix(Radix::Unsigned);
  subAddr.Bind(work_.m_subAddr);
  subAddr.SetRange(0, TraitsOf(profile.m_protocol).alarmSubAddress ? profile.m_maxBitIndex : 0);
  bitOffset.SetRadix(Radix::Unsigned);
  // Visibility first: a hidden box never changes its field.
  bitOffset.SetVisible(BitOffsetShown(profile));
  bitOffset.Bind(work_.m_bitOffset);
  UpdateBitOffsetRange();
  for (ControlState* c : std::initializer_list<ControlState*>{&type, &textBox}) c->ClearChanged();
  GridChanged();
}

void AlarmListForm::Accept(CAlarmList& list) const {
  list.m_station = work_.m_station;
  list.m_alarmbegin = work_.m_alarmbegin;
  list.m_subAddr = work_.m_subAddr;
  list.m_regType = work_.m_regType;
  list.m_bitOffset = work_.m_bitOffset;
  list.m_alarmTexts = work_.m_alarmTexts;
}

void AlarmListForm::UpdateBitOffsetRange() {
  bitOffset.SetRange(0, Capacity() - 1);
}

int AlarmListForm::Capacity() const {
  return static_cast<int>(8 * TypeWidth(CurrentProfile(), work_.m_regType));
}

int AlarmListForm::RowCount() const {
  const int n = static_cast<int>(work_.m_alarmTexts.size());
  return n + (n < Capacity() ? 1 : 0);
}

std::string AlarmListForm::Label(int row) const {
  if (row < 0 || row >= RowCount()) return {};
  const ProtocolProfile& profile = CurrentProfile();
  return CoilLabel(profile, work_, type.SelectedName(), TypeWidth(profile, work_.m_regType),
                   row + 1);
}

std::string AlarmListForm::Text(int row) const {
  if (row < 0 || static_cast<size_t>(row) >= work_.m_alarmTexts.size()) return {};
  return work_.m_alarmTexts[row];
}

bool AlarmListForm::EditText(int row) {
  EndEdit();
  if (row < 0 || row >= RowCount()) return false;
  editText_ = Text(row);
  editRow_ = row;
  textBox.Bind(editText_, CAlarmList::kMaxTextBytes);
  textBox.onUserEdit = [this] { TextEdited(); };
  textBox.SetVisible(true);
  return true;
}

void AlarmListForm::EndEdit() {
  textBox.SetVisible(false);  // the edit box is shown only over the cell being edited
  editRow_ = -1;
  editText_.clear();
  textBox.Bind(editText_, CAlarmList::kMaxTextBytes);
  textBox.onUserEdit = nullptr;
}

void AlarmListForm::TextEdited() {
  if (editRow_ < 0) return;
  work_.SetText(static_cast<size_t>(editRow_), editText_);
  textBox.ClearChanged();
  const bool gone = static_cast<size_t>(editRow_) >= work_.m_alarmTexts.size();
  GridChanged();
  if (gone && editText_.empty()) {
    EndEdit();
    if (onEditClosed) onEditClosed();
  }
}

void AlarmListForm::Idle() {
  if (type.Changed()) {
    type.ClearChanged();
    const int capacity = Capacity();
    work_.KeepAtMost(static_cast<size_t>(capacity));
    UpdateBitOffsetRange();
    if (editRow_ >= RowCount()) {
      EndEdit();
      if (onEditClosed) onEditClosed();
    }
    GridChanged();
  }
  if (addr.Changed() || subAddr.Changed() || bitOffset.Changed()) {
    addr.ClearChanged();
    subAddr.ClearChanged();
    bitOffset.ClearChanged();
    GridChanged();
  }
  station.ClearChanged();
}

}  // namespace tavo::app
