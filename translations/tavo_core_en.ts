<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>tavo::base::Captions</name>
    <message>
        <source>下载画面数据</source>
        <translation>Download screen data</translation>
    </message>
</context>
<context>
    <name>tavo::check::Bindings</name>
    <message>
        <source>读</source>
        <translation>read</translation>
    </message>
    <message>
        <source>写</source>
        <translation>write</translation>
    </message>
    <message>
        <source>读写</source>
        <translation>read/write</translation>
    </message>
    <message>
        <source>文本</source>
        <translation>Text</translation>
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
        <source>图片</source>
        <translation>Picture</translation>
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
    <message>
        <source>元件</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>报警列表</source>
        <translation>Alarm list</translation>
    </message>
    <message>
        <source>控制寄存器</source>
        <translation>Control register</translation>
    </message>
    <message>
        <source>%1(%2,%3)</source>
        <translation>%1 (%2,%3)</translation>
    </message>
</context>
<context>
    <name>tavo::check::CrossReference</name>
    <message>
        <source>位</source>
        <translation>bit</translation>
    </message>
    <message>
        <source>%1字节</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>局号%1</source>
        <translation>Station %1</translation>
    </message>
    <message>
        <source>画面%1</source>
        <translation>Screen %1</translation>
    </message>
    <message>
        <source>1字节</source>
        <translation>1 byte</translation>
    </message>
</context>
<context>
    <name>tavo::check::Finding</name>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Note</translation>
    </message>
    <message>
        <source> 画面%1</source>
        <translation> screen %1</translation>
    </message>
    <message>
        <source> 元件%1</source>
        <translation> element %1</translation>
    </message>
    <message>
        <source>%1 个错误, %2 个警告, %3 个提示</source>
        <translation>Errors: %1, warnings: %2, notes: %3</translation>
    </message>
</context>
<context>
    <name>tavo::check::ImageBudget</name>
    <message>
        <source>文件头</source>
        <translation>Header</translation>
    </message>
    <message>
        <source>指示灯图形</source>
        <translation>Light pictures</translation>
    </message>
    <message>
        <source>按键图形</source>
        <translation>Key pictures</translation>
    </message>
    <message>
        <source>汉字字模</source>
        <translation>Chinese glyphs</translation>
    </message>
    <message>
        <source>字符字模</source>
        <translation>Character glyphs</translation>
    </message>
    <message>
        <source>图片数据</source>
        <translation>Picture data</translation>
    </message>
    <message>
        <source>画面表</source>
        <translation>Screen table</translation>
    </message>
    <message>
        <source>元件索引</source>
        <translation>Element index</translation>
    </message>
    <message>
        <source>元件记录</source>
        <translation>Element records</translation>
    </message>
    <message>
        <source>动态文本表</source>
        <translation>Dynamic text tables</translation>
    </message>
    <message>
        <source>报警列表</source>
        <translation>Alarm list</translation>
    </message>
    <message>
        <source>合计</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>上限</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>剩余</source>
        <translation>Remaining</translation>
    </message>
    <message>
        <source>汉字 %1 个, 字符 %2 个, 按键图形 %3 个</source>
        <translation>%1 Chinese glyphs, %2 character glyphs, %3 key pictures</translation>
    </message>
    <message>
        <source>画面    元件数      字节</source>
        <translation>Screen  Elements     Bytes</translation>
    </message>
</context>
<context>
    <name>tavo::check::ProjectCheck</name>
    <message>
        <source>%1的类型序号%2超出协议的类型表，下载时用最后一个类型%3</source>
        <translation>%1: register type %2 is past the protocol&apos;s type list; the download uses the last type, %3</translation>
    </message>
    <message>
        <source>%1的地址%2超出面板内部寄存器的最大地址%3</source>
        <translation>%1: address %2 is above %3, the highest address of the panel&apos;s internal registers</translation>
    </message>
    <message>
        <source>%1的局号%2超出协议允许的%3至%4</source>
        <translation>%1: station %2 is outside the protocol&apos;s range %3 to %4</translation>
    </message>
    <message>
        <source>%1的寄存器个数%2超出协议允许的1至%3</source>
        <translation>%1: register count %2 is outside the protocol&apos;s range 1 to %3</translation>
    </message>
    <message>
        <source>%1的地址%2超出协议允许的最大地址%3</source>
        <translation>%1: address %2 is above %3, the protocol&apos;s highest address</translation>
    </message>
    <message>
        <source>%1的子地址%2超出协议允许的最大位号%3</source>
        <translation>%1: sub-address %2 is above %3, the protocol&apos;s highest bit number</translation>
    </message>
    <message>
        <source>协议有报警线圈，但报警列表没有内容</source>
        <translation>The protocol has alarm coils, but the alarm list is empty</translation>
    </message>
    <message>
        <source>协议没有报警线圈类型，报警列表却有%1条内容(在此协议下不能编辑)</source>
        <translation>The protocol has no alarm coil type, yet the alarm list holds %1 entries (not editable under this protocol)</translation>
    </message>
    <message>
        <source>%1完全在192×64显示区之外</source>
        <translation>%1 lies wholly outside the 192×64 display area</translation>
    </message>
    <message>
        <source>%1部分超出192×64显示区</source>
        <translation>%1 lies partly outside the 192×64 display area</translation>
    </message>
    <message>
        <source>%1被%2完全遮住</source>
        <translation>%1 is wholly hidden behind %2</translation>
    </message>
    <message>
        <source>按键%1</source>
        <translation>key %1</translation>
    </message>
    <message>
        <source>初始画面%1不存在，下载时改用%2号画面</source>
        <translation>Start screen %1 does not exist; the download uses screen %2 instead</translation>
    </message>
    <message>
        <source>屏幕保护画面%1不存在，下载时改用%2号画面</source>
        <translation>Screen saver screen %1 does not exist; the download uses screen %2 instead</translation>
    </message>
    <message>
        <source>%1号画面按‘↑’键转到的%2号画面不存在</source>
        <translation>Screen %2, which the ‘↑’ key of screen %1 leads to, does not exist</translation>
    </message>
    <message>
        <source>%1号画面按‘↓’键转到的%2号画面不存在</source>
        <translation>Screen %2, which the ‘↓’ key of screen %1 leads to, does not exist</translation>
    </message>
    <message>
        <source>%1跳转到的%2号画面不存在</source>
        <translation>%1 jumps to screen %2, which does not exist</translation>
    </message>
    <message>
        <source>%1跳转到报警列表，但报警列表没有内容</source>
        <translation>%1 jumps to the alarm list, but the alarm list is empty</translation>
    </message>
    <message>
        <source>%1与%2是同一个%3，面板只执行其中一个</source>
        <translation>%1 and %2 are both the %3; the panel runs only one of them</translation>
    </message>
    <message>
        <source>画面号%1重复</source>
        <translation>Screen number %1 is used more than once</translation>
    </message>
    <message>
        <source>%1的文字在第%2字节有GBK不能编码的字节%3，面板显示错乱</source>
        <translation>%1: byte %2 of the text is %3, which GBK cannot encode; the panel shows the text garbled</translation>
    </message>
    <message>
        <source>%1的文字中%2在字库中没有字形，面板上显示为空白</source>
        <translation>%1: the font library has no glyph for %2 of the text; the panel shows blanks</translation>
    </message>
    <message>
        <source>%1的文字中%2等%3个字符在字库中没有字形，面板上显示为空白</source>
        <translation>%1: the font library has no glyph for %2 and more, %3 characters of the text; the panel shows blanks</translation>
    </message>
    <message>
        <source>%1第%2行</source>
        <translation>%1 row %2</translation>
    </message>
    <message>
        <source>报警列表第%1条</source>
        <translation>Alarm list entry %1</translation>
    </message>
    <message>
        <source>%1的位数%2或小数位%3超出0至10</source>
        <translation>%1: digits %2 or decimals %3 outside 0 to 10</translation>
    </message>
    <message>
        <source>寄存器出现错误: %1的小数位%2多于位数%3</source>
        <translation>Register error: %1 has %2 decimals, more than its %3 digits</translation>
    </message>
    <message>
        <source>%1的输入上限%2不大于下限%3，下载时改正并询问是否取消下载</source>
        <translation>%1: input upper limit %2 is not above lower limit %3; the download corrects it and asks whether to cancel</translation>
    </message>
    <message>
        <source>%1的满额度值%2不大于零额度值%3，下载时改正并询问是否取消下载</source>
        <translation>%1: full scale %2 is not above zero scale %3; the download corrects it and asks whether to cancel</translation>
    </message>
    <message>
        <source>画面数据共%1字节，离32767字节的上限只剩%2字节</source>
        <translation>The screen data is %1 bytes, only %2 bytes below the limit of 32767</translation>
    </message>
    <message>
        <source>找不到字库文件，未检查文字的字形</source>
        <translation>Font library files not found; the glyphs of the texts were not checked</translation>
    </message>
</context>
<context>
    <name>tavo::cli::CmdCatalogue</name>
    <message>
        <source>接口不变</source>
        <translation>interface unchanged</translation>
    </message>
    <message>
        <source>局号 %1</source>
        <translation>station %1</translation>
    </message>
    <message>
        <source>E5超时 %1</source>
        <translation>E5 timeout %1</translation>
    </message>
    <message>
        <source>波特率: %1</source>
        <translation>Baud rates: %1</translation>
    </message>
    <message>
        <source>默认: %1</source>
        <translation>Default: %1</translation>
    </message>
    <message>
        <source>= 本机局号</source>
        <translation>= panel station</translation>
    </message>
    <message>
        <source>站号 %1, 字地址 0-%2, 位地址 0-%3, 位索引 0-%4, 地址步长 %5, 寄存器个数 %6</source>
        <translation>Station %1, word address 0-%2, bit address 0-%3, bit index 0-%4, address step %5, register count %6</translation>
    </message>
</context>
<context>
    <name>tavo::download::Compile</name>
    <message>
        <source>寄存器原始数据上下限输入有误，取消下载吗?</source>
        <translation>The raw data limits of a register are wrong. Cancel the download?</translation>
    </message>
    <message>
        <source>错误！</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>画面数据共%1字节，超出下位机画面数据区的32767字节，不能下载!</source>
        <translation>The screen data is %1 bytes, more than the 32767 bytes of the panel&apos;s screen data area. It cannot be downloaded!</translation>
    </message>
    <message>
        <source>%1号画面有%2个元件，超出每个画面最多255个元件，不能下载!</source>
        <translation>Screen %1 has %2 elements, more than the 255 a screen can hold. It cannot be downloaded!</translation>
    </message>
</context>
<context>
    <name>tavo::download::Transfer</name>
    <message>
        <source>正在下载画面数据......</source>
        <translation>Downloading screen data......</translation>
    </message>
    <message>
        <source>取   消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>无法打开通信口%1!</source>
        <translation>Cannot open the port %1!</translation>
    </message>
    <message>
        <source>通讯错误次数越界</source>
        <translation>Too many communication errors</translation>
    </message>
    <message>
        <source>延时越界</source>
        <translation>Timed out</translation>
    </message>
    <message>
        <source>重发次数越界</source>
        <translation>Too many resends</translation>
    </message>
    <message>
        <source>返回信息错误!</source>
        <translation>Wrong reply from the panel!</translation>
    </message>
    <message>
        <source>通讯无响应!!!</source>
        <translation>No response from the panel!!!</translation>
    </message>
    <message>
        <source>Tavo  下位机无响应</source>
        <translation>Tavo  no response from the panel</translation>
    </message>
    <message>
        <source>本次通信失败!!!</source>
        <translation>Communication failed!!!</translation>
    </message>
    <message>
        <source>下载完成!画面数据共%1字节</source>
        <translation>Download complete! The screen data is %1 bytes</translation>
    </message>
    <message>
        <source>确实要取消下载吗?</source>
        <translation>Cancel the download?</translation>
    </message>
    <message>
        <source>下载数据超出下位机存储空间!</source>
        <translation>The download does not fit in the panel&apos;s memory!</translation>
    </message>
</context>
<context>
    <name>tavo::elements::KeyNames</name>
    <message>
        <source>‘ESC’键</source>
        <translation>‘ESC’ key</translation>
    </message>
    <message>
        <source>‘←’键</source>
        <translation>‘←’ key</translation>
    </message>
    <message>
        <source>‘→’键</source>
        <translation>‘→’ key</translation>
    </message>
    <message>
        <source>‘↓’键</source>
        <translation>‘↓’ key</translation>
    </message>
    <message>
        <source>‘↑’键</source>
        <translation>‘↑’ key</translation>
    </message>
    <message>
        <source>‘SET’键</source>
        <translation>‘SET’ key</translation>
    </message>
    <message>
        <source>‘ENT’键</source>
        <translation>‘ENT’ key</translation>
    </message>
    <message>
        <source>‘ALM’键</source>
        <translation>‘ALM’ key</translation>
    </message>
    <message>
        <source>‘0’键</source>
        <translation>‘0’ key</translation>
    </message>
    <message>
        <source>‘1’键</source>
        <translation>‘1’ key</translation>
    </message>
    <message>
        <source>‘2’键</source>
        <translation>‘2’ key</translation>
    </message>
    <message>
        <source>‘3’键</source>
        <translation>‘3’ key</translation>
    </message>
    <message>
        <source>‘4’键</source>
        <translation>‘4’ key</translation>
    </message>
    <message>
        <source>‘5’键</source>
        <translation>‘5’ key</translation>
    </message>
    <message>
        <source>‘6’键</source>
        <translation>‘6’ key</translation>
    </message>
    <message>
        <source>‘7’键</source>
        <translation>‘7’ key</translation>
    </message>
    <message>
        <source>‘8’键</source>
        <translation>‘8’ key</translation>
    </message>
    <message>
        <source>‘9’键</source>
        <translation>‘9’ key</translation>
    </message>
    <message>
        <source>‘CLR’键</source>
        <translation>‘CLR’ key</translation>
    </message>
</context>
<context>
    <name>tavo::elements::Register</name>
    <message>
        <source>%1号画面 寄存器(%2,%3): 小数位%4多于位数%5</source>
        <translation>Screen %1 register (%2,%3): %4 decimals, more than its %5 digits</translation>
    </message>
    <message>
        <source>寄存器出现错误</source>
        <translation>Register error</translation>
    </message>
</context>
<context>
    <name>tavo::link::ModbusLink</name>
    <message>
        <source>正在连接</source>
        <translation>Connecting</translation>
    </message>
    <message>
        <source>已连接</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>无响应</source>
        <translation>No response</translation>
    </message>
    <message>
        <source>连接失败</source>
        <translation>Connection failed</translation>
    </message>
    <message>
        <source>等待</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>面板内部</source>
        <translation>Panel internal</translation>
    </message>
    <message>
        <source>未链接</source>
        <translation>Not linked</translation>
    </message>
</context>
<context>
    <name>tavo::model::Base</name>
    <message>
        <source>排序出错</source>
        <translation>Sort error</translation>
    </message>
</context>
<context>
    <name>tavo::model::DisplayView</name>
    <message>
        <source>移动元件</source>
        <translation>Move element</translation>
    </message>
    <message>
        <source>放置元件</source>
        <translation>Place element</translation>
    </message>
    <message>
        <source>删除元件</source>
        <translation>Delete element</translation>
    </message>
    <message>
        <source>删除画面</source>
        <translation>Delete screen</translation>
    </message>
</context>
<context>
    <name>tavo::model::EditHistory</name>
    <message>
        <source>选择画面</source>
        <translation>Select screen</translation>
    </message>
    <message>
        <source>选择元件</source>
        <translation>Select element</translation>
    </message>
</context>
<context>
    <name>tavo::model::OldProjectImport</name>
    <message>
        <source>文件格式非法!</source>
        <translation>Invalid file format!</translation>
    </message>
    <message>
        <source>文件打开错误!</source>
        <translation>The file cannot be opened!</translation>
    </message>
    <message>
        <source>导入失败!</source>
        <translation>Import failed!</translation>
    </message>
    <message>
        <source>旧工程导入成功!</source>
        <translation>The old project was imported!</translation>
    </message>
</context>
<context>
    <name>tavo::model::Project</name>
    <message>
        <source>画面已存在</source>
        <translation>Screen exists</translation>
    </message>
    <message>
        <source>无标题</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>%1号画面已存在</source>
        <translation>Screen %1 already exists</translation>
    </message>
    <message>
        <source>复制画面号和当前画面号相同!!!</source>
        <translation>The copy&apos;s screen number is that of the current screen!!!</translation>
    </message>
    <message>
        <source>画面号相同</source>
        <translation>Same screen number</translation>
    </message>
    <message>
        <source>%1号画面已经存在，要替换吗?</source>
        <translation>Screen %1 already exists. Replace it?</translation>
    </message>
    <message>
        <source>确实要删除%1号画面吗?</source>
        <translation>Delete screen %1?</translation>
    </message>
    <message>
        <source>删除画面</source>
        <translation>Delete screen</translation>
    </message>
    <message>
        <source>将改动保存到 %1？</source>
        <translation>Save the changes to %1?</translation>
    </message>
    <message>
        <source>新文件</source>
        <translation>New file</translation>
    </message>
    <message>
        <source>从不</source>
        <translation>Never</translation>
    </message>
    <message>
        <source>1分钟后</source>
        <translation>1 min</translation>
    </message>
    <message>
        <source>2分钟后</source>
        <translation>2 min</translation>
    </message>
    <message>
        <source>3分钟后</source>
        <translation>3 min</translation>
    </message>
    <message>
        <source>5分钟后</source>
        <translation>5 min</translation>
    </message>
    <message>
        <source>10分钟后</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>15分钟后</source>
        <translation>15 min</translation>
    </message>
    <message>
        <source>20分钟后</source>
        <translation>20 min</translation>
    </message>
    <message>
        <source>30分钟后</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>45分钟后</source>
        <translation>45 min</translation>
    </message>
    <message>
        <source>1小时后</source>
        <translation>1 hour</translation>
    </message>
</context>
<context>
    <name>tavo::model::ProjectFile</name>
    <message>
        <source>文件格式错误</source>
        <translation>File format error</translation>
    </message>
    <message>
        <source>打开文档失败。</source>
        <translation>Failed to open the document.</translation>
    </message>
    <message>
        <source>打开文件%1时出错!</source>
        <translation>Error opening the file %1!</translation>
    </message>
    <message>
        <source>请确认是否为orx文件!</source>
        <translation>Please check that this is an .orx file!</translation>
    </message>
    <message>
        <source>软件版本不匹配!</source>
        <translation>The file is from another software version!</translation>
    </message>
    <message>
        <source>%1 格式错。</source>
        <translation>%1 has a format error.</translation>
    </message>
    <message>
        <source>%1 含有非预期的对象。</source>
        <translation>%1 holds an unexpected object.</translation>
    </message>
    <message>
        <source>%1 包含错误的模式。</source>
        <translation>%1 holds a wrong schema.</translation>
    </message>
    <message>
        <source>试图越过其尾端对 %1 进行读写。</source>
        <translation>Attempted to read or write past the end of %1.</translation>
    </message>
    <message>
        <source>目的磁盘驱动器已满。</source>
        <translation>The destination disk is full.</translation>
    </message>
    <message>
        <source>对 %1 的存取被拒绝。</source>
        <translation>Access to %1 was denied.</translation>
    </message>
    <message>
        <source>保存文档失败。</source>
        <translation>Failed to save the document.</translation>
    </message>
</context>
<context>
    <name>tavo::pages::BasicPageLogic</name>
    <message>
        <source>圆形</source>
        <translation>Round</translation>
    </message>
    <message>
        <source>方形</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>正逻辑</source>
        <translation>Positive</translation>
    </message>
    <message>
        <source>负逻辑</source>
        <translation>Negative</translation>
    </message>
    <message>
        <source>%1号画面</source>
        <translation>Screen %1</translation>
    </message>
</context>
<context>
    <name>tavo::pages::GraphPageLogic</name>
    <message>
        <source>趋势图属性</source>
        <translation>Trend graph properties</translation>
    </message>
    <message>
        <source>棒状图属性</source>
        <translation>Bar graph properties</translation>
    </message>
    <message>
        <source>向上</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>向下</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>向左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>向右</source>
        <translation>Right</translation>
    </message>
</context>
<context>
    <name>tavo::pages::PanelSettingsForm</name>
    <message>
        <source>对应%1</source>
        <translation>Uses %1</translation>
    </message>
</context>
<context>
    <name>tavo::pages::RegisterPageLogic</name>
    <message>
        <source>原始数据</source>
        <translation>Raw data</translation>
    </message>
    <message>
        <source>工程数据</source>
        <translation>Scaled</translation>
    </message>
</context>
<context>
    <name>tavo::plc::Catalogue</name>
    <message>
        <source>7位</source>
        <translation>7 bits</translation>
    </message>
    <message>
        <source>8位</source>
        <translation>8 bits</translation>
    </message>
    <message>
        <source>1位</source>
        <translation>1 bit</translation>
    </message>
    <message>
        <source>2位</source>
        <translation>2 bits</translation>
    </message>
    <message>
        <source>无校验</source>
        <translation>No parity</translation>
    </message>
    <message>
        <source>奇校验</source>
        <translation>Odd parity</translation>
    </message>
    <message>
        <source>偶校验</source>
        <translation>Even parity</translation>
    </message>
    <message>
        <source>无符号</source>
        <translation>Unsigned</translation>
    </message>
    <message>
        <source>有符号</source>
        <translation>Signed</translation>
    </message>
</context>
<context>
    <name>tavo::plc::ProtocolFiles</name>
    <message>
        <source>文件%1不存在!</source>
        <translation>The file %1 does not exist!</translation>
    </message>
    <message>
        <source>此协议不存在!</source>
        <translation>This protocol does not exist!</translation>
    </message>
    <message>
        <source>文件ormed_Ptc.dat出错!!!</source>
        <translation>The file ormed_Ptc.dat is damaged!!!</translation>
    </message>
</context>
<context>
    <name>tavo::render::GlyphTables</name>
    <message>
        <source>请确认文件%1是否存在!</source>
        <translation>Please check that the file %1 exists!</translation>
    </message>
</context>
<context>
    <name>tavo::render::PictureFile</name>
    <message>
        <source>打开位图</source>
        <translation>Open bitmap</translation>
    </message>
    <message>
        <source>打开位图出错!!!</source>
        <translation>Error opening the bitmap!!!</translation>
    </message>
    <message>
        <source>位图尺寸太大!!!</source>
        <translation>The bitmap is too large!!!</translation>
    </message>
</context>
</TS>
