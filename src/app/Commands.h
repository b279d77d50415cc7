#pragma once

#include <vector>

namespace tavo::app {

// Command identifiers of the editor's menu, toolbar and screen-list menu.
enum CommandId : int {
  kCmdNewProject = 32771,
  kCmdLight = 32772,
  kCmdCut = 32773,
  kCmdKey = 32774,
  kCmdText = 32777,
  kCmdRegister = 32779,
  kCmdDynamic = 32780,
  kCmdNewScreen = 32781,
  kCmdComPort = 32782,
  kCmdDownload = 32783,
  kCmdPlc = 32784,
  kCmdBar = 32790,
  kCmdTrend = 32791,
  kCmdSettings = 32792,
  kCmdPicture = 32793,
  kCmdAlarmList = 32796,
  kCmdCopyScreen = 32798,
  kCmdDeleteScreen = 32799,
  kCmdScreenProperties = 32800,
  kCmdImport = 32806,
  kCmdPanelType = 32807,
  kCmdPreview = 32900,  // the panel preview window
  kCmdOpen = 57601,
  kCmdSave = 57603,
  kCmdSaveAs = 57604,
  kCmdCopy = 57634,
  kCmdPaste = 57637,
  kCmdUndo = 57643,
  kCmdRedo = 57644,
  // The screen list's clipboard commands.
  kCmdCopyScreenToClipboard = 32901,
  kCmdPasteScreen = 32902,
  // The project check: the findings list and the address cross-reference.
  kCmdFindings = 32903,
  kCmdCrossReference = 32904,
  kCmdAbout = 57664,
  kCmdExit = 57665,
};

// One row of the command table. Texts are UTF-8 source texts of the context
// kCommandContext, translated where they are shown; null when the command has none.
inline constexpr char kCommandContext[] = "tavo::app::Commands";
struct CommandInfo {
  int id;
  const char* menuText;  // with its "&" mnemonic, without the key
  const char* key;       // portable key sequence text ("Ctrl+N"), or null
  const char* prompt;    // status-bar prompt
  const char* tooltip;
};

const std::vector<CommandInfo>& CommandTable();
// The row of a command; null for an unknown id.
const CommandInfo* FindCommand(int id);

// Buttons of the toolbar from left to right; 0 stands for a separator.
const std::vector<int>& ToolbarLayout();
// Items of the "文件(&F)" menu from top to bottom; 0 stands for a separator.
// The recent files go in before the last separator.
const std::vector<int>& FileMenuLayout();
// Items of the "编辑(&E)" menu, the program's own addition beside it.
const std::vector<int>& EditMenuLayout();

// The element kind an insertion command creates; 0 for other commands.
int InsertKindOf(int id);
// The insertion command of an element kind; 0 for none.
int InsertCommandOf(int kind);

}  // namespace tavo::app
