#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/PanelSettings.h"
#include "base/Prompter.h"
#include "elements/AlarmList.h"
#include "model/Screen.h"
#include "plc/ProtocolFiles.h"

namespace tavo {

// The project the editor's main view holds: screens in ascending number order,
// the panel settings, the alarm list and the file state. The protocol number
// itself is program-wide (plc/Protocol.h); a project file stores it.
class Project {
 public:
  Project();

  // ---- screen list ----
  // Creates a screen with key targets number-1 / number+1, inserts it in
  // number order and makes it current. No element is selected afterwards.
  CMainView& AddScreen(uint16_t number, const std::string& description);
  struct Found {
    bool found;
    size_t position;  // where it is, or where it would be inserted
  };
  Found FindScreen(uint16_t number) const;
  CMainView* ScreenAt(size_t position) const;
  CMainView* CurrentScreen() const { return ScreenAt(m_curScreen); }
  void RemoveScreenAt(size_t position);
  void DeleteAllScreens();
  // Chooses a screen from the screen list; false (nothing changes) for an
  // invalid row.
  bool SelectScreen(size_t position);
  size_t ScreenCount() const { return m_screens.size(); }

  // ---- screen commands (questions through CurrentPrompter()) ----
  // "新建画面": false when the number exists ("%d号画面已存在"), the dialog stays.
  bool NewScreen(uint16_t number, const std::string& description);
  // "复制画面": copies the current screen to `target`.
  void CopyScreen(uint16_t target);
  // "删除画面": asks, then deletes the current screen (a project keeps one).
  void DeleteScreen();
  // The Delete key: deletes the selected element, or else the current screen.
  void DeleteKey();

  // ---- element editing on the current screen ----
  CBase* PlaceElement(uint8_t kind, Point at);
  bool ClickAt(Point at);  // selects the topmost element hit; false if none
  CBase* SelectedElement() const;
  void SelectNothing() { m_elementSelected = false; }

  // ---- project life ----
  void ResetSettings();  // the new-project values of the panel settings
  // "新建工程": protocol-file check, offer to save, PLC choice, fresh project.
  // False when stopped or cancelled.
  bool NewProject();
  // Offers to save a modified project; false when the user cancelled.
  // The title as the user reads it: a new project's "新文件" in the user's
  // language, a file's name as it is.
  std::string ShownTitle() const;
  bool SaveModified();
  void SetModified(bool modified = true) { m_modified = modified; }
  bool IsModified() const { return m_modified; }
  bool HasProject() const { return m_hasProject; }
  // Applies the program-wide protocol to the project: rebuilds the profile
  // and the settings that derive from it.
  void ApplyProtocol(uint8_t protocol);
  // Start-up values of the line settings for the protocol (its defaults).
  void ApplyLineSettings(const PlcChoice& choice);

  std::vector<std::unique_ptr<CMainView>> m_screens;
  uint16_t m_curScreen = 0;
  PanelSettings m_settings;
  CAlarmList m_alarmList;
  uint8_t m_fileVersion = 11;
  uint8_t m_formatMark = 1;
  std::string m_path;   // empty while untitled
  std::string m_title;  // kNewProjectTitle for a new project, else the file's name
  bool m_modified = false;
  bool m_hasProject = false;
  bool m_elementSelected = false;

  // The new-project check of the protocol file: true when its catalogue offers
  // protocols, else it says "文件ormed_Ptc.dat出错!!!". Tests may replace it.
  std::function<bool()> m_protocolFileOk = [] {
    return CurrentProtocolFiles().CheckForNewProject();
  };
  // Saves the project (to m_path, or asking for one); the project file's
  // SaveProject unless replaced.
  std::function<bool(Project&)> m_save;
};

// Screen-saver delay index 0..10 as the dialog names it.
extern const char* const kSaverDelayNames[11];
// A new project's title, "新文件" (context tavo::model::Project).
extern const char* const kNewProjectTitle;

}  // namespace tavo
