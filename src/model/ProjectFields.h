#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tavo {

class CAlarmList;
class CBase;
class CMainView;
struct PanelSettings;

// Visits the stored fields of a part of a project, each under the field's
// own name, in the order the project file holds them. Values are passed by
// reference, so one walk serves writing them out (JSON, text) and filling
// them in.
class FieldVisitor {
 public:
  virtual ~FieldVisitor() = default;
  virtual void Field(const char* name, uint8_t& v) = 0;
  virtual void Field(const char* name, uint16_t& v) = 0;
  virtual void Field(const char* name, int32_t& v) = 0;
  virtual void Text(const char* name, std::string& gbk) = 0;
  virtual void TextList(const char* name, std::vector<std::string>& gbk) = 0;
  virtual void IntList(const char* name, std::vector<int32_t>& values) = 0;
  // A block of fixed size (the picture's header).
  virtual void Block(const char* name, uint8_t* data, size_t size) = 0;
  // Bytes of any length (the picture's pixels).
  virtual void ByteList(const char* name, std::vector<uint8_t>& bytes) = 0;
};

// Fields 7-23 of the file (m_curScreen and the protocol number are the
// project's and the program's, not the settings').
void VisitSettingsFields(PanelSettings& settings, FieldVisitor& v);
// Number, description and key targets (the elements are a list of their own).
void VisitScreenFields(CMainView& screen, FieldVisitor& v);
void VisitAlarmListFields(CAlarmList& alarms, FieldVisitor& v);
// m_kind, m_x, m_y, then the element kind's own stored fields. Returns false
// (visiting nothing) for a class that is not a stored element kind.
bool VisitElementFields(CBase& element, FieldVisitor& v);

}  // namespace tavo
