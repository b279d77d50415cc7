<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>tavo::app::AboutDialog</name>
    <message>
        <source>关于 </source>
        <translation>About </translation>
    </message>
    <message>
        <source> 1.0 版

</source>
        <translation> version 1.0

</translation>
    </message>
    <message>
        <source>Tavo 操作面板的画面设计与下载工具
</source>
        <translation>Screen design and download tool for Tavo operator panels
</translation>
    </message>
    <message>
        <source>版权所有 (C) Tavo</source>
        <translation>Copyright (C) Tavo</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tavo::app::AlarmListDialog</name>
    <message>
        <source>报警列表</source>
        <translation>Alarm list</translation>
    </message>
    <message>
        <source>报警列表起始线圈</source>
        <translation>First coil of the alarm list</translation>
    </message>
    <message>
        <source>局号</source>
        <translation>Stn</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>Addr</translation>
    </message>
    <message>
        <source>子地址</source>
        <translation>Sub</translation>
    </message>
    <message>
        <source>偏移</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>线圈</source>
        <translation>Coil</translation>
    </message>
    <message>
        <source>报警内容</source>
        <translation>Alarm text</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tavo::app::BudgetGauge</name>
    <message>
        <source>剩余 %1 字节</source>
        <translation>%1 bytes left</translation>
    </message>
    <message>
        <source>剩余 %1 字节，接近上限</source>
        <translation>%1 bytes left, near the limit</translation>
    </message>
    <message>
        <source>超出上限 %1 字节，无法下载</source>
        <translation>%1 bytes over the limit, cannot download</translation>
    </message>
    <message>
        <source>
汉字 %1 个, 字符 %2 个, 按键图形 %3 个</source>
        <translation>
Chinese characters: %1, characters: %2, key pictures: %3</translation>
    </message>
    <message>
        <source>画面数据 %1 / %2 字节</source>
        <translation>Image %1 / %2 bytes</translation>
    </message>
    <message>
        <source>画面数据 32,767 / 32,767 字节</source>
        <translation>Image 32,767 / 32,767 bytes</translation>
    </message>
</context>
<context>
    <name>tavo::app::ComPortDialog</name>
    <message>
        <source>选择通信口</source>
        <translation>Communication port</translation>
    </message>
    <message>
        <source>选择计算机的通信口用于下载画面数据...</source>
        <translation>Choose the computer&apos;s port for downloading the screens...</translation>
    </message>
    <message>
        <source>通信口:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tavo::app::Commands</name>
    <message>
        <source>新建工程(&amp;N)</source>
        <translation>&amp;New project</translation>
    </message>
    <message>
        <source>创建新工程文档</source>
        <translation>Create a new project</translation>
    </message>
    <message>
        <source>新建工程(Ctrl+N)</source>
        <translation>New project (Ctrl+N)</translation>
    </message>
    <message>
        <source>打开工程(&amp;O)...</source>
        <translation>&amp;Open project...</translation>
    </message>
    <message>
        <source>打开一个现有工程文档</source>
        <translation>Open an existing project</translation>
    </message>
    <message>
        <source>打开工程(Ctrl+O)</source>
        <translation>Open project (Ctrl+O)</translation>
    </message>
    <message>
        <source>保存工程(&amp;S)</source>
        <translation>&amp;Save project</translation>
    </message>
    <message>
        <source>保存当前工程文档</source>
        <translation>Save the current project</translation>
    </message>
    <message>
        <source>保存工程(Ctrl+S)</source>
        <translation>Save project (Ctrl+S)</translation>
    </message>
    <message>
        <source>工程另存为(&amp;A)...</source>
        <translation>Save project &amp;as...</translation>
    </message>
    <message>
        <source>将活动文档以一个新文件名保存</source>
        <translation>Save the project under a new name</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>PLC选择(P)...</source>
        <translation>Select PLC...</translation>
    </message>
    <message>
        <source>选择通信口(C)...</source>
        <translation>Communication port...</translation>
    </message>
    <message>
        <source>下载数据(D)</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>下载画面数据至Tavo</source>
        <translation>Download the screens to the Tavo panel</translation>
    </message>
    <message>
        <source>下载数据</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>人机类型(&amp;L)...</source>
        <translation>Pane&amp;l type...</translation>
    </message>
    <message>
        <source>导入旧工程(&amp;L)</source>
        <translation>Import o&amp;ld project</translation>
    </message>
    <message>
        <source>导入一个旧工程文档</source>
        <translation>Import a project of the previous generation</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>退出应用程序；提示保存文档</source>
        <translation>Quit the application; asks to save the project</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>显示程序信息，版本号和版权</source>
        <translation>Show program information, version and copyright</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>指示灯</source>
        <translation>Lamp</translation>
    </message>
    <message>
        <source>功能键</source>
        <translation>Function key</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>动态文本</source>
        <translation>Dynamic text</translation>
    </message>
    <message>
        <source>寄存器</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>棒状图</source>
        <translation>Bar graph</translation>
    </message>
    <message>
        <source>趋势图</source>
        <translation>Trend graph</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>创建新画面</source>
        <translation>Create a new screen</translation>
    </message>
    <message>
        <source>新建画面</source>
        <translation>New screen</translation>
    </message>
    <message>
        <source>复制画面(&amp;C)</source>
        <translation>&amp;Copy screen</translation>
    </message>
    <message>
        <source>复制当前画面到新画面</source>
        <translation>Copy the current screen to a new screen</translation>
    </message>
    <message>
        <source>复制画面</source>
        <translation>Copy screen</translation>
    </message>
    <message>
        <source>删除画面(&amp;D)</source>
        <translation>&amp;Delete screen</translation>
    </message>
    <message>
        <source>删除当前画面</source>
        <translation>Delete the current screen</translation>
    </message>
    <message>
        <source>删除画面</source>
        <translation>Delete screen</translation>
    </message>
    <message>
        <source>设置Tavo初始画面号,口令等</source>
        <translation>Set the panel&apos;s start screen, password and more</translation>
    </message>
    <message>
        <source>设置Tavo</source>
        <translation>Panel settings</translation>
    </message>
    <message>
        <source>设置报警列表内容</source>
        <translation>Set the contents of the alarm list</translation>
    </message>
    <message>
        <source>报警列表</source>
        <translation>Alarm list</translation>
    </message>
    <message>
        <source>修改当前画面属性</source>
        <translation>Change the properties of the current screen</translation>
    </message>
    <message>
        <source>画面属性</source>
        <translation>Screen properties</translation>
    </message>
    <message>
        <source>面板预览(&amp;P)...</source>
        <translation>Panel &amp;preview...</translation>
    </message>
    <message>
        <source>显示面板将如何显示当前画面，可按键并设置PLC数值</source>
        <translation>Show the current screen as the panel will; press keys and set PLC values</translation>
    </message>
    <message>
        <source>面板预览(F5)</source>
        <translation>Panel preview (F5)</translation>
    </message>
    <message>
        <source>检查结果(&amp;K)</source>
        <translation>Chec&amp;k results</translation>
    </message>
    <message>
        <source>显示或隐藏工程检查发现的问题</source>
        <translation>Show or hide the problems the project check found</translation>
    </message>
    <message>
        <source>检查结果(F7)</source>
        <translation>Check results (F7)</translation>
    </message>
    <message>
        <source>地址交叉引用(&amp;R)...</source>
        <translation>Address cross-&amp;reference...</translation>
    </message>
    <message>
        <source>列出工程用到的每个PLC地址及读写它的元件</source>
        <translation>List every PLC address the project uses and the elements that read or write it</translation>
    </message>
    <message>
        <source>地址交叉引用</source>
        <translation>Address cross-reference</translation>
    </message>
    <message>
        <source>剪切(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>剪切选中的元件并将其放到剪贴板上</source>
        <translation>Cut the selected element to the clipboard</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>复制选中的元件并将其放到剪贴板上</source>
        <translation>Copy the selected element to the clipboard</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>粘贴(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>将剪贴板上的元件粘贴到当前画面</source>
        <translation>Paste the element on the clipboard into the current screen</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>撤销(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>撤销上一步改动</source>
        <translation>Undo the last change</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>重做上一步撤销的改动</source>
        <translation>Redo the last undone change</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>复制到剪贴板</source>
        <translation>Copy to clipboard</translation>
    </message>
    <message>
        <source>将当前画面复制到剪贴板上</source>
        <translation>Copy the current screen to the clipboard</translation>
    </message>
    <message>
        <source>粘贴画面</source>
        <translation>Paste screen</translation>
    </message>
    <message>
        <source>将剪贴板上的画面粘贴为新画面</source>
        <translation>Paste the screen on the clipboard as a new screen</translation>
    </message>
</context>
<context>
    <name>tavo::app::CopyScreenDialog</name>
    <message>
        <source>复制画面</source>
        <translation>Copy screen</translation>
    </message>
    <message>
        <source>复制%1号画面到:</source>
        <translation>Copy screen %1 to:</translation>
    </message>
</context>
<context>
    <name>tavo::app::CrossReferenceWindow</name>
    <message>
        <source>地址交叉引用</source>
        <translation>Address cross-reference</translation>
    </message>
    <message>
        <source>地址、元件、画面号或画面说明，如 D100</source>
        <translation>Address, element, screen number or description, e.g. D100</translation>
    </message>
    <message>
        <source>导出CSV(&amp;E)...</source>
        <translation>&amp;Export CSV...</translation>
    </message>
    <message>
        <source>局号</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>读写</source>
        <translation>Access</translation>
    </message>
    <message>
        <source>个数</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>筛选:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>共 %1 处，显示 %2 处</source>
        <translation>Uses: %1, shown: %2</translation>
    </message>
    <message>
        <source>，已导出到 </source>
        <translation>, exported to </translation>
    </message>
    <message>
        <source>地址</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>宽度</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>画面</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>元件</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>画面说明</source>
        <translation>Screen description</translation>
    </message>
    <message>
        <source>地址交叉引用.csv</source>
        <translation>address-cross-reference.csv</translation>
    </message>
</context>
<context>
    <name>tavo::app::DynamicPage</name>
    <message>
        <source>动态文本属性</source>
        <translation>Dynamic text properties</translation>
    </message>
    <message>
        <source>倍角</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>反相</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>局号:</source>
        <translation>Station:</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>子类型:</source>
        <translation>Sub-t.:</translation>
    </message>
    <message>
        <source>地址:</source>
        <translation>Addr:</translation>
    </message>
    <message>
        <source>子地址:</source>
        <translation>Sub:</translation>
    </message>
    <message>
        <source>模式:</source>
        <translation>Mode:</translation>
    </message>
    <message>
        <source>十进制</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>有符号数</source>
        <translation>Signed</translation>
    </message>
    <message>
        <source>显示文本</source>
        <translation>Texts shown</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>tavo::app::FileDialogs</name>
    <message>
        <source>Tavo  画面数据文件(*.orx);;Tavo  画面数据文本(*.json);;所有文件(*.*)</source>
        <translation>Tavo project (*.orx);;Tavo project text (*.json);;All files (*.*)</translation>
    </message>
    <message>
        <source>Tavo文件 (*.orx)</source>
        <translation>Tavo project (*.orx)</translation>
    </message>
    <message>
        <source>Tavo文本 (*.json)</source>
        <translation>Tavo project text (*.json)</translation>
    </message>
    <message>
        <source>Tavo  旧工程数据文件(*.qse);;所有文件(*.*)</source>
        <translation>Tavo old project (*.qse);;All files (*.*)</translation>
    </message>
    <message>
        <source>bmp文件(*.bmp)</source>
        <translation>BMP image (*.bmp)</translation>
    </message>
    <message>
        <source>CSV文件 (*.csv)</source>
        <translation>CSV file (*.csv)</translation>
    </message>
</context>
<context>
    <name>tavo::app::FindingsDock</name>
    <message>
        <source>检查结果</source>
        <translation>Check results</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>元件</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>没有打开的工程</source>
        <translation>No project open</translation>
    </message>
    <message>
        <source>未发现问题</source>
        <translation>No problems found</translation>
    </message>
    <message>
        <source>%1 个错误, %2 个警告, %3 个提示</source>
        <translation>Errors: %1, warnings: %2, notes: %3</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>Severity</translation>
    </message>
    <message>
        <source>代码</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>画面</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>tavo::app::GraphPage</name>
    <message>
        <source>属性</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>宽:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>高:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>方向:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>数据采集:</source>
        <translation>Samples:</translation>
    </message>
    <message>
        <source>点</source>
        <translation>pts</translation>
    </message>
    <message>
        <source>采样间隔:</source>
        <translation>Interval:</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>局号:</source>
        <translation>Station:</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>子类型:</source>
        <translation>Subtype:</translation>
    </message>
    <message>
        <source>地址:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>子地址:</source>
        <translation>Sub-addr.:</translation>
    </message>
    <message>
        <source>寄存器个数:</source>
        <translation>Reg. count:</translation>
    </message>
    <message>
        <source>模式:</source>
        <translation>Mode:</translation>
    </message>
    <message>
        <source>十进制</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>有符号数</source>
        <translation>Signed</translation>
    </message>
    <message>
        <source>满额度值:</source>
        <translation>Full:</translation>
    </message>
    <message>
        <source>零额度值:</source>
        <translation>Zero:</translation>
    </message>
</context>
<context>
    <name>tavo::app::ImportDialog</name>
    <message>
        <source>导入旧的工程文件</source>
        <translation>Import an old project</translation>
    </message>
    <message>
        <source>开始转换</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>取   消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>正在转换旧的工程数据...........</source>
        <translation>Converting the old project...........</translation>
    </message>
</context>
<context>
    <name>tavo::app::KeyPage</name>
    <message>
        <source>功能键属性</source>
        <translation>Function key properties</translation>
    </message>
    <message>
        <source>倍角</source>
        <translation>Dbl.</translation>
    </message>
    <message>
        <source>反相</source>
        <translation>Inv.</translation>
    </message>
    <message>
        <source>键:</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>手形</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>隐形</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>Pwd</translation>
    </message>
    <message>
        <source>设定线圈</source>
        <translation>Set coil</translation>
    </message>
    <message>
        <source>画面跳转</source>
        <translation>Jump</translation>
    </message>
    <message>
        <source>设定寄存器</source>
        <translation>Set register</translation>
    </message>
    <message>
        <source>配方</source>
        <translation>Recipe</translation>
    </message>
    <message>
        <source>局号:</source>
        <translation>Stn:</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>子类型:</source>
        <translation>Sub-t.:</translation>
    </message>
    <message>
        <source>地址:</source>
        <translation>Addr:</translation>
    </message>
    <message>
        <source>子地址:</source>
        <translation>Sub:</translation>
    </message>
    <message>
        <source>参数:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <source>设定为ON</source>
        <translation>Set ON</translation>
    </message>
    <message>
        <source>设定为OFF</source>
        <translation>Set OFF</translation>
    </message>
    <message>
        <source>取反</source>
        <translation>Toggle</translation>
    </message>
    <message>
        <source>瞬时ON</source>
        <translation>Pulse</translation>
    </message>
    <message>
        <source>跳转至:</source>
        <translation>Go to:</translation>
    </message>
    <message>
        <source>画面</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>报警列表</source>
        <translation>Alarm list</translation>
    </message>
    <message>
        <source>时间/日期</source>
        <translation>Time/date</translation>
    </message>
    <message>
        <source>上传</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>下载</source>
        <translation>Dnload</translation>
    </message>
    <message>
        <source>基址增加</source>
        <translation>Base +</translation>
    </message>
    <message>
        <source>基址减少</source>
        <translation>Base -</translation>
    </message>
    <message>
        <source>上下限:</source>
        <translation>Limits:</translation>
    </message>
    <message>
        <source>目标地址:</source>
        <translation>Target:</translation>
    </message>
    <message>
        <source>长度:</source>
        <translation>Len:</translation>
    </message>
</context>
<context>
    <name>tavo::app::LightPage</name>
    <message>
        <source>指示灯属性</source>
        <translation>Lamp properties</translation>
    </message>
    <message>
        <source>倍角</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>种类:</source>
        <translation>Style:</translation>
    </message>
    <message>
        <source>逻辑:</source>
        <translation>Logic:</translation>
    </message>
    <message>
        <source>局号:</source>
        <translation>Station:</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>子类型:</source>
        <translation>Subtype:</translation>
    </message>
    <message>
        <source>地址:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>子地址:</source>
        <translation>Sub:</translation>
    </message>
    <message>
        <source>偏移:</source>
        <translation>Offset:</translation>
    </message>
</context>
<context>
    <name>tavo::app::MainFrame</name>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>查看(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>无协议</source>
        <translation>No protocol</translation>
    </message>
    <message>
        <source>就绪</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>大写</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>滚动</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>撤销(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>撤销 %1(&amp;U)</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>重做(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>重做 %1(&amp;R)</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>设置Tavo</source>
        <translation>Panel settings</translation>
    </message>
    <message>
        <source>报警列表</source>
        <translation>Alarm list</translation>
    </message>
    <message>
        <source>PLC选择</source>
        <translation>Select PLC</translation>
    </message>
    <message>
        <source>打开该文档</source>
        <translation>Open this project</translation>
    </message>
    <message>
        <source>画面%1 </source>
        <translation>Screen %1 </translation>
    </message>
    <message>
        <source>元件%1 </source>
        <translation>Element %1 </translation>
    </message>
    <message>
        <source>工程检查发现%1个错误：</source>
        <translation>Errors found by the project check: %1</translation>
    </message>
    <message>
        <source>（其余%1个见“检查结果”）</source>
        <translation>(%1 more in “Check results”)</translation>
    </message>
    <message>
        <source>有错误的画面数据可能被拒绝下载，或使面板工作异常。仍要编译并下载吗？</source>
        <translation>The panel may refuse screens with errors or work wrongly with them. Compile and download anyway?</translation>
    </message>
    <message>
        <source>协议号错误!!!</source>
        <translation>Bad protocol number!!!</translation>
    </message>
    <message>
        <source>改正上下限</source>
        <translation>Correct limits</translation>
    </message>
</context>
<context>
    <name>tavo::app::MainView</name>
    <message>
        <source>画面</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>描述</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>功能</source>
        <translation>Functions</translation>
    </message>
    <message>
        <source>剪贴板中没有可以粘贴的工程内容</source>
        <translation>The clipboard holds nothing of a project to paste</translation>
    </message>
    <message>
        <source>没有空闲的画面号</source>
        <translation>No free screen number</translation>
    </message>
    <message>
        <source>修改%1</source>
        <translation>Change %1</translation>
    </message>
    <message>
        <source>新建画面</source>
        <translation>New screen</translation>
    </message>
    <message>
        <source>复制画面</source>
        <translation>Copy screen</translation>
    </message>
    <message>
        <source>删除画面</source>
        <translation>Delete screen</translation>
    </message>
    <message>
        <source>粘贴的元件的寄存器类型不在当前PLC协议中，已改用该协议的默认局号和地址</source>
        <translation>Register type not in this protocol: default station and address set</translation>
    </message>
    <message>
        <source>剪切元件</source>
        <translation>Cut element</translation>
    </message>
    <message>
        <source>粘贴元件</source>
        <translation>Paste element</translation>
    </message>
    <message>
        <source>粘贴画面</source>
        <translation>Paste screen</translation>
    </message>
</context>
<context>
    <name>tavo::app::NewScreenDialog</name>
    <message>
        <source>新建画面</source>
        <translation>New screen</translation>
    </message>
    <message>
        <source>画面号:</source>
        <translation>Screen number:</translation>
    </message>
    <message>
        <source>画面描述:</source>
        <translation>Description:</translation>
    </message>
</context>
<context>
    <name>tavo::app::PageArea</name>
    <message>
        <source>属性页已将超出范围的值改为允许的值，工程已修改</source>
        <translation>Out-of-range values corrected; the project is modified</translation>
    </message>
</context>
<context>
    <name>tavo::app::PanelSettingsDialog</name>
    <message>
        <source>初始画面号:</source>
        <translation>Start screen:</translation>
    </message>
    <message>
        <source>口令:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>屏幕保护:</source>
        <translation>Saver:</translation>
    </message>
    <message>
        <source>显示画面</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>关闭背景光</source>
        <translation>Backlight off</translation>
    </message>
    <message>
        <source>控制寄存器号:</source>
        <translation>Ctrl register:</translation>
    </message>
    <message>
        <source>PLC局号:</source>
        <translation>Station:</translation>
    </message>
    <message>
        <source>状态控制</source>
        <translation>Status control</translation>
    </message>
    <message>
        <source>自动变换显示画面,</source>
        <translation>PLC sets screen,</translation>
    </message>
    <message>
        <source>报告当前画面号</source>
        <translation>Report screen</translation>
    </message>
    <message>
        <source>控制蜂鸣器</source>
        <translation>Control the buzzer</translation>
    </message>
    <message>
        <source>外围控制</source>
        <translation>Peripherals</translation>
    </message>
    <message>
        <source>使用时钟模块</source>
        <translation>Use clock module</translation>
    </message>
    <message>
        <source>确   定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取   消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>设置%1</source>
        <translation>%1 settings</translation>
    </message>
    <message>
        <source>%1参数</source>
        <translation>%1 parameters</translation>
    </message>
    <message>
        <source>%1控制</source>
        <translation>%1 control</translation>
    </message>
</context>
<context>
    <name>tavo::app::PicturePage</name>
    <message>
        <source>图片属性</source>
        <translation>Picture properties</translation>
    </message>
    <message>
        <source>宽:</source>
        <translation>W:</translation>
    </message>
    <message>
        <source>高:</source>
        <translation>H:</translation>
    </message>
</context>
<context>
    <name>tavo::app::PlcDialog</name>
    <message>
        <source>PLC选择</source>
        <translation>Select PLC</translation>
    </message>
    <message>
        <source>PLC厂家及类型:</source>
        <translation>PLC make and type:</translation>
    </message>
    <message>
        <source>设置通信参数</source>
        <translation>Communication settings</translation>
    </message>
    <message>
        <source>局号:</source>
        <translation>Station:</translation>
    </message>
    <message>
        <source>E5超时:</source>
        <translation>E5 timeout:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>数据位</source>
        <translation>Data bits</translation>
    </message>
    <message>
        <source>停止位</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <source>校验位</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>选  项</source>
        <translation>Option</translation>
    </message>
</context>
<context>
    <name>tavo::app::PreviewCompile</name>
    <message>
        <source>工程无法编译</source>
        <translation>The project cannot be compiled</translation>
    </message>
    <message>
        <source>工程无法复制</source>
        <translation>The project cannot be copied</translation>
    </message>
</context>
<context>
    <name>tavo::app::PreviewLink</name>
    <message>
        <source>模拟</source>
        <translation>Simulated</translation>
    </message>
    <message>
        <source>地址从1起</source>
        <translation>1-based</translation>
    </message>
    <message>
        <source>地址从0起</source>
        <translation>0-based</translation>
    </message>
    <message>
        <source>高字在前</source>
        <translation>High first</translation>
    </message>
    <message>
        <source>低字在前</source>
        <translation>Low first</translation>
    </message>
    <message>
        <source>连接</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>断开</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>没有可以链接的画面数据</source>
        <translation>No screen data to link</translation>
    </message>
    <message>
        <source>请选择通信口</source>
        <translation>Choose a port</translation>
    </message>
    <message>
        <source>请输入主机</source>
        <translation>Enter a host</translation>
    </message>
    <message>
        <source> · %1 · %2 请求/秒 · 错误 %3 · 超时 %4</source>
        <translation> · %1 · %2 requests/s · errors %3 · timeouts %4</translation>
    </message>
</context>
<context>
    <name>tavo::app::PreviewValues</name>
    <message>
        <source>元件</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>站号</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>State</translation>
    </message>
    <message>
        <source>“%1”不是%2的有效数值</source>
        <translation>“%1” is no valid value of %2</translation>
    </message>
    <message>
        <source>寄存器</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>指示灯</source>
        <translation>Lamp</translation>
    </message>
    <message>
        <source>功能键</source>
        <translation>Function key</translation>
    </message>
    <message>
        <source>棒状图</source>
        <translation>Bar graph</translation>
    </message>
    <message>
        <source>趋势图</source>
        <translation>Trend graph</translation>
    </message>
    <message>
        <source>动态文本</source>
        <translation>Dynamic text</translation>
    </message>
</context>
<context>
    <name>tavo::app::PreviewWindow</name>
    <message>
        <source>画面 %1</source>
        <translation>Screen %1</translation>
    </message>
    <message>
        <source>报警列表</source>
        <translation>Alarm list</translation>
    </message>
    <message>
        <source>时间日期</source>
        <translation>Time and date</translation>
    </message>
    <message>
        <source>屏幕保护</source>
        <translation>Screen saver</translation>
    </message>
    <message>
        <source>面板预览</source>
        <translation>Panel preview</translation>
    </message>
    <message>
        <source>缩放:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>图像 %1 字节</source>
        <translation>Image %1 bytes</translation>
    </message>
    <message>
        <source>另有 %1 个问题</source>
        <translation>problems not shown: %1</translation>
    </message>
    <message>
        <source>没有打开的工程</source>
        <translation>No project open</translation>
    </message>
</context>
<context>
    <name>tavo::app::QtPrompter</name>
    <message>
        <source>Tavo画面设置工具</source>
        <translation>Tavo Screen Editor</translation>
    </message>
</context>
<context>
    <name>tavo::app::RegisterPage</name>
    <message>
        <source>寄存器属性</source>
        <translation>Register properties</translation>
    </message>
    <message>
        <source>倍角</source>
        <translation>Dbl.</translation>
    </message>
    <message>
        <source>反相</source>
        <translation>Inv.</translation>
    </message>
    <message>
        <source>位数:</source>
        <translation>Digits:</translation>
    </message>
    <message>
        <source>小数位:</source>
        <translation>Dec. pl.:</translation>
    </message>
    <message>
        <source>模式:</source>
        <translation>Mode:</translation>
    </message>
    <message>
        <source>十进制</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>有符号数</source>
        <translation>Signed</translation>
    </message>
    <message>
        <source>局号:</source>
        <translation>Station:</translation>
    </message>
    <message>
        <source>类型:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>子类型:</source>
        <translation>Subtype:</translation>
    </message>
    <message>
        <source>寄存器个数:</source>
        <translation>Reg. count:</translation>
    </message>
    <message>
        <source>地址:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>子地址:</source>
        <translation>Sub-addr.:</translation>
    </message>
    <message>
        <source>设  定</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>加  密</source>
        <translation>Pwd</translation>
    </message>
    <message>
        <source>上下限</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>输入上限:</source>
        <translation>Input max:</translation>
    </message>
    <message>
        <source>输入下限:</source>
        <translation>Input min:</translation>
    </message>
    <message>
        <source>工程量上限:</source>
        <translation>Scale max:</translation>
    </message>
    <message>
        <source>工程量下限:</source>
        <translation>Scale min:</translation>
    </message>
</context>
<context>
    <name>tavo::app::ScreenDialogs</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tavo::app::ScreenPage</name>
    <message>
        <source>画面属性</source>
        <translation>Screen properties</translation>
    </message>
    <message>
        <source>画面描述:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>按向上键至画面:</source>
        <translation>Screen on Up:</translation>
    </message>
    <message>
        <source>按向下键至画面:</source>
        <translation>Screen on Down:</translation>
    </message>
</context>
<context>
    <name>tavo::app::SplashWindow</name>
    <message>
        <source>画面设置工具</source>
        <translation>Screen Editor</translation>
    </message>
    <message>
        <source>版本 1.0</source>
        <translation>Version 1.0</translation>
    </message>
</context>
<context>
    <name>tavo::app::TextPage</name>
    <message>
        <source>文本属性</source>
        <translation>Text properties</translation>
    </message>
    <message>
        <source>坐标</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>特性</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>倍角</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>反相</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>文字串:</source>
        <translation>Text:</translation>
    </message>
</context>
</TS>
