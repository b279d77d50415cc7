#include "app/Commands.h"

#include <algorithm>

#include "model/Base.h"

namespace tavo::app {

const std::vector<CommandInfo>& CommandTable() {
  static const std::vector<CommandInfo> table = {
      {kCmdNewProject, "新建工程(&N)", "Ctrl+N", "创建新工程文档", "新建工程(Ctrl+N)"},
      {kCmdOpen, "打开工程(&O)...", "Ctrl+O", "打开一个现有工程文档", "打开工程(Ctrl+O)"},
      {kCmdSave, "保存工程(&S)", "Ctrl+S", "保存当前工程文档", "保存工程(Ctrl+S)"},
      {kCmdSaveAs, "工程另存为(&A)...", nullptr, "将活动文档以一个新文件名保存", "另存为"},
      {kCmdPlc, "PLC选择(P)...", nullptr, nullptr, nullptr},
      {kCmdComPort, "选择通信口(C)...", nullptr, nullptr, nullptr},
      {kCmdDownload, "下载数据(D)", nullptr, "下载画面数据至Tavo", "下载数据"},
      {kCmdPanelType, "人机类型(&L)...", nullptr, nullptr, nullptr},
      {kCmdImport, "导入旧工程(&L)", "Ctrl+L", "导入一个旧工程文档", nullptr},
      {kCmdExit, "退出(&X)", nullptr, "退出应用程序；提示保存文档", "退出"},
      {kCmdAbout, nullptr, nullptr, "显示程序信息，版本号和版权", "关于"},
      {kCmdLight, nullptr, nullptr, "指示灯", "指示灯"},
      {kCmdKey, nullptr, nullptr, "功能键", "功能键"},
      {kCmdText, nullptr, nullptr, "文本", "文本"},
      {kCmdDynamic, nullptr, nullptr, "动态文本", "动态文本"},
      {kCmdRegister, nullptr, nullptr, "寄存器", "寄存器"},
      {kCmdBar, nullptr, nullptr, "棒状图", "棒状图"},
      {kCmdTrend, nullptr, nullptr, "趋势图", "趋势图"},
      {kCmdPicture, nullptr, nullptr, "图片", "图片"},
      {kCmdNewScreen, nullptr, nullptr, "创建新画面", "新建画面"},
      {kCmdCopyScreen, "复制画面(&C)", nullptr, "复制当前画面到新画面", "复制画面"},
      {kCmdDeleteScreen, "删除画面(&D)", nullptr, "删除当前画面", "删除画面"},
      {kCmdSettings, nullptr, nullptr, "设置Tavo初始画面号,口令等", "设置Tavo"},
      {kCmdAlarmList, nullptr, nullptr, "设置报警列表内容", "报警列表"},
      {kCmdScreenProperties, nullptr, nullptr, "修改当前画面属性", "画面属性"},
      {kCmdPreview, "面板预览(&P)...", "F5", "显示面板将如何显示当前画面，可按键并设置PLC数值",
       "面板预览(F5)"},
      {kCmdFindings, "检查结果(&K)", "F7", "显示或隐藏工程检查发现的问题", "检查结果(F7)"},
      {kCmdCrossReference, "地址交叉引用(&R)...", nullptr,
       "列出工程用到的每个PLC地址及读写它的元件", "地址交叉引用"},
      {kCmdCut, "剪切(&T)", "Ctrl+X", "剪切选中的元件并将其放到剪贴板上", "剪切"},
      {kCmdCopy, "复制(&C)", "Ctrl+C", "复制选中的元件并将其放到剪贴板上", "复制"},
      {kCmdPaste, "粘贴(&P)", "Ctrl+V", "将剪贴板上的元件粘贴到当前画面", "粘贴"},
      {kCmdUndo, "撤销(&U)", "Ctrl+Z", "撤销上一步改动", "撤销"},
      {kCmdRedo, "重做(&R)", "Ctrl+Y", "重做上一步撤销的改动", "重做"},
      {kCmdCopyScreenToClipboard, "复制到剪贴板", nullptr, "将当前画面复制到剪贴板上", nullptr},
      {kCmdPasteScreen, "粘贴画面", nullptr, "将剪贴板上的画面粘贴为新画面", nullptr},
  };
  return table;
}

const CommandInfo* FindCommand(int id) {
  const auto& table = CommandTable();
  auto it =
      std::find_if(table.begin(), table.end(), [id](const CommandInfo& c) { return c.id == id; });
  return it == table.end() ? nullptr : &*it;
}

const std::vector<int>& ToolbarLayout() {
  static const std::vector<int> layout = {
      kCmdNewProject,
      kCmdOpen,
      kCmdSave,
      0,  //
      kCmdCut,
      kCmdCopy,
      kCmdPaste,
      0,  //
      kCmdAbout,
      0,  //
      kCmdLight,
      kCmdKey,
      kCmdText,
      kCmdDynamic,
      kCmdRegister,
      0,  //
      kCmdBar,
      kCmdTrend,
      kCmdPicture,
      0,  //
      kCmdNewScreen,
      kCmdCopyScreen,
      kCmdDeleteScreen,
      0,  //
      kCmdSettings,
      kCmdAlarmList,
      kCmdDownload,
      kCmdPreview,
      0,  //
      kCmdScreenProperties,
      kCmdScreenProperties,
  };
  return layout;
}

const std::vector<int>& FileMenuLayout() {
  static const std::vector<int> layout = {
      kCmdNewProject, kCmdOpen,      kCmdSave, kCmdSaveAs, 0, kCmdPlc,  kCmdComPort,
      kCmdDownload,   kCmdPanelType, 0,        kCmdImport, 0, kCmdExit,
  };
  return layout;
}

const std::vector<int>& EditMenuLayout() {
  static const std::vector<int> layout = {kCmdUndo, kCmdRedo, 0, kCmdCut, kCmdCopy, kCmdPaste};
  return layout;
}

namespace {
struct KindCommand {
  int id;
  int kind;
};
constexpr KindCommand kInsertCommands[] = {
    {kCmdLight, kKindLight},     {kCmdKey, kKindKey},           {kCmdText, kKindText},
    {kCmdDynamic, kKindDynamic}, {kCmdRegister, kKindRegister}, {kCmdBar, kKindBar},
    {kCmdTrend, kKindTrend},     {kCmdPicture, kKindPicture},
};
}  // namespace

int InsertKindOf(int id) {
  for (const auto& k : kInsertCommands)
    if (k.id == id) return k.kind;
  return 0;
}

int InsertCommandOf(int kind) {
  for (const auto& k : kInsertCommands)
    if (k.kind == kind) return k.id;
  return 0;
}

}  // namespace tavo::app
