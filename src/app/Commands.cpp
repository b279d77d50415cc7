#include "app/Commands.h"

#include <QtGlobal>
#include <algorithm>

#include "model/Base.h"

namespace tavo::app {

const std::vector<CommandInfo>& CommandTable() {
  static const std::vector<CommandInfo> table = {
      {kCmdNewProject, QT_TRANSLATE_NOOP("tavo::app::Commands", "新建工程(&N)"), "Ctrl+N",
       QT_TRANSLATE_NOOP("tavo::app::Commands", "创建新工程文档"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "新建工程(Ctrl+N)")},
      {kCmdOpen, QT_TRANSLATE_NOOP("tavo::app::Commands", "打开工程(&O)..."), "Ctrl+O",
       QT_TRANSLATE_NOOP("tavo::app::Commands", "打开一个现有工程文档"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "打开工程(Ctrl+O)")},
      {kCmdSave, QT_TRANSLATE_NOOP("tavo::app::Commands", "保存工程(&S)"), "Ctrl+S",
       QT_TRANSLATE_NOOP("tavo::app::Commands", "保存当前工程文档"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "保存工程(Ctrl+S)")},
      {kCmdSaveAs, QT_TRANSLATE_NOOP("tavo::app::Commands", "工程另存为(&A)..."), nullptr,
       QT_TRANSLATE_NOOP("tavo::app::Commands", "将活动文档以一个新文件名保存"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "另存为")},
      {kCmdPlc, QT_TRANSLATE_NOOP("tavo::app::Commands", "PLC选择(P)..."), nullptr, nullptr,
       nullptr},
      {kCmdComPort, QT_TRANSLATE_NOOP("tavo::app::Commands", "选择通信口(C)..."), nullptr, nullptr,
       nullptr},
      {kCmdDownload, QT_TRANSLATE_NOOP("tavo::app::Commands", "下载数据(D)"), nullptr,
       QT_TRANSLATE_NOOP("tavo::app::Commands", "下载画面数据至Tavo"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "下载数据")},
      {kCmdPanelType, QT_TRANSLATE_NOOP("tavo::app::Commands", "人机类型(&L)..."), nullptr, nullptr,
       nullptr},
      {kCmdImport, QT_TRANSLATE_NOOP("tavo::app::Commands", "导入旧工程(&L)"), "Ctrl+L",
       QT_TRANSLATE_NOOP("tavo::app::Commands", "导入一个旧工程文档"), nullptr},
      {kCmdExit, QT_TRANSLATE_NOOP("tavo::app::Commands", "退出(&X)"), nullptr,
       QT_TRANSLATE_NOOP("tavo::app::Commands", "退出应用程序；提示保存文档"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "退出")},
      {kCmdAbout, nullptr, nullptr,
       QT_TRANSLATE_NOOP("tavo::app::Commands", "显示程序信息，版本号和版权"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "关于")},
      {kCmdLight, nullptr, nullptr, QT_TRANSLATE_NOOP("tavo::app::Commands", "指示灯"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "指示灯")},
      {kCmdKey, nullptr, nullptr, QT_TRANSLATE_NOOP("tavo::app::Commands", "功能键"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "功能键")},
      {kCmdText, nullptr, nullptr, QT_TRANSLATE_NOOP("tavo::app::Commands", "文本"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "文本")},
      {kCmdDynamic, nullptr, nullptr, QT_TRANSLATE_NOOP("tavo::app::Commands", "动态文本"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "动态文本")},
      {kCmdRegister, nullptr, nullptr, QT_TRANSLATE_NOOP("tavo::app::Commands", "寄存器"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "寄存器")},
      {kCmdBar, nullptr, nullptr, QT_TRANSLATE_NOOP("tavo::app::Commands", "棒状图"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "棒状图")},
      {kCmdTrend, nullptr, nullptr, QT_TRANSLATE_NOOP("tavo::app::Commands", "趋势图"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "趋势图")},
      {kCmdPicture, nullptr, nullptr, QT_TRANSLATE_NOOP("tavo::app::Commands", "图片"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "图片")},
      {kCmdNewScreen, nullptr, nullptr, QT_TRANSLATE_NOOP("tavo::app::Commands", "创建新画面"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "新建画面")},
      {kCmdCopyScreen, QT_TRANSLATE_NOOP("tavo::app::Commands", "复制画面(&C)"), nullptr,
       QT_TRANSLATE_NOOP("tavo::app::Commands", "复制当前画面到新画面"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "复制画面")},
      {kCmdDeleteScreen, QT_TRANSLATE_NOOP("tavo::app::Commands", "删除画面(&D)"), nullptr,
       QT_TRANSLATE_NOOP("tavo::app::Commands", "删除当前画面"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "删除画面")},
      {kCmdSettings, nullptr, nullptr,
       QT_TRANSLATE_NOOP("tavo::app::Commands", "设置Tavo初始画面号,口令等"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "设置Tavo")},
      {kCmdAlarmList, nullptr, nullptr,
       QT_TRANSLATE_NOOP("tavo::app::Commands", "设置报警列表内容"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "报警列表")},
      {kCmdScreenProperties, nullptr, nullptr,
       QT_TRANSLATE_NOOP("tavo::app::Commands", "修改当前画面属性"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "画面属性")},
      {kCmdPreview, QT_TRANSLATE_NOOP("tavo::app::Commands", "面板预览(&P)..."), "F5",
       QT_TRANSLATE_NOOP("tavo::app::Commands", "显示面板将如何显示当前画面，可按键并设置PLC数值"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "面板预览(F5)")},
      {kCmdFindings, QT_TRANSLATE_NOOP("tavo::app::Commands", "检查结果(&K)"), "F7",
       QT_TRANSLATE_NOOP("tavo::app::Commands", "显示或隐藏工程检查发现的问题"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "检查结果(F7)")},
      {kCmdCrossReference, QT_TRANSLATE_NOOP("tavo::app::Commands", "地址交叉引用(&R)..."), nullptr,
       QT_TRANSLATE_NOOP("tavo::app::Commands", "列出工程用到的每个PLC地址及读写它的元件"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "地址交叉引用")},
      {kCmdCut, QT_TRANSLATE_NOOP("tavo::app::Commands", "剪切(&T)"), "Ctrl+X",
       QT_TRANSLATE_NOOP("tavo::app::Commands", "剪切选中的元件并将其放到剪贴板上"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "剪切")},
      {kCmdCopy, QT_TRANSLATE_NOOP("tavo::app::Commands", "复制(&C)"), "Ctrl+C",
       QT_TRANSLATE_NOOP("tavo::app::Commands", "复制选中的元件并将其放到剪贴板上"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "复制")},
      {kCmdPaste, QT_TRANSLATE_NOOP("tavo::app::Commands", "粘贴(&P)"), "Ctrl+V",
       QT_TRANSLATE_NOOP("tavo::app::Commands", "将剪贴板上的元件粘贴到当前画面"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "粘贴")},
      {kCmdUndo, QT_TRANSLATE_NOOP("tavo::app::Commands", "撤销(&U)"), "Ctrl+Z",
       QT_TRANSLATE_NOOP("tavo::app::Commands", "撤销上一步改动"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "撤销")},
      {kCmdRedo, QT_TRANSLATE_NOOP("tavo::app::Commands", "重做(&R)"), "Ctrl+Y",
       QT_TRANSLATE_NOOP("tavo::app::Commands", "重做上一步撤销的改动"),
       QT_TRANSLATE_NOOP("tavo::app::Commands", "重做")},
      {kCmdCopyScreenToClipboard, QT_TRANSLATE_NOOP("tavo::app::Commands", "复制到剪贴板"), nullptr,
       QT_TRANSLATE_NOOP("tavo::app::Commands", "将当前画面复制到剪贴板上"), nullptr},
      {kCmdPasteScreen, QT_TRANSLATE_NOOP("tavo::app::Commands", "粘贴画面"), nullptr,
       QT_TRANSLATE_NOOP("tavo::app::Commands", "将剪贴板上的画面粘贴为新画面"), nullptr},
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
