<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>The document will close when the transfer ends.</source>
        <translation>传输结束后将关闭此文档。</translation>
    </message>
</context>
<context>
    <name>tarn::AboutDialog</name>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
</context>
<context>
    <name>tarn::AppTitles</name>
    <message>
        <source>For Help, press F1</source>
        <translation>按 F1 获取帮助</translation>
    </message>
</context>
<context>
    <name>tarn::BackupsDialog</name>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>type %1</source>
        <translation>型号 %1</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Show &amp;Folder</source>
        <translation>显示文件夹(&amp;F)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>Read or Write</source>
        <translation>读取或写入</translation>
    </message>
    <message>
        <source>Model Type</source>
        <translation>机型</translation>
    </message>
    <message>
        <source>Channels Programmed</source>
        <translation>已编程信道</translation>
    </message>
    <message>
        <source>No backups yet. Every read from a radio and every write to one is kept in %1.</source>
        <translation>还没有备份。每次从电台读取和向电台写入的数据都保存在 %1 中。</translation>
    </message>
    <message>
        <source>Kept in %1; the newest %2 are kept.</source>
        <translation>保存在 %1 中；保留最新的 %2 份。</translation>
    </message>
</context>
<context>
    <name>tarn::ChannelCodec</name>
    <message>
        <source>Channel NO.</source>
        <translation>信道号</translation>
    </message>
    <message>
        <source>RX Freq</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>TX Freq</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>QT/DQT Dec</source>
        <translation>接收亚音</translation>
    </message>
    <message>
        <source>QT/DQT Enc</source>
        <translation>发射亚音</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>发射功率</translation>
    </message>
    <message>
        <source>CHN Lock</source>
        <translation>信道锁定</translation>
    </message>
</context>
<context>
    <name>tarn::ChannelListFiles</name>
    <message>
        <source>and %1 more.</source>
        <translation>另有 %1 处。</translation>
    </message>
    <message>
        <source>Nothing has been changed.</source>
        <translation>没有做任何更改。</translation>
    </message>
    <message>
        <source>Could not import %1.</source>
        <translation>无法导入 %1。</translation>
    </message>
    <message>
        <source>Could not export %1.</source>
        <translation>无法导出 %1。</translation>
    </message>
    <message>
        <source>Could not import &quot;%1&quot;:</source>
        <translation>无法导入“%1”：</translation>
    </message>
    <message>
        <source>The list holds %1 channels; the radio has %2.</source>
        <translation>此列表有 %1 个信道，而电台只有 %2 个。</translation>
    </message>
</context>
<context>
    <name>tarn::ChannelTableModel</name>
    <message>
        <source>Channel %1</source>
        <translation>信道 %1</translation>
    </message>
    <message>
        <source>Outside the band of the model (%1): the radio cannot use this channel</source>
        <translation>超出本机型的频段（%1）：电台无法使用此信道</translation>
    </message>
</context>
<context>
    <name>tarn::CommandTable</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>新建(&amp;N)	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>新建文档
新建</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>打开(&amp;O)...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>打开已有文档
打开</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>关闭当前文档
关闭</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>保存(&amp;S)	Ctrl+S</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>保存当前文档
保存</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>以新文件名保存当前文档
另存为</translation>
    </message>
    <message>
        <source>&amp;Import Channels...</source>
        <translation>导入信道(&amp;I)...</translation>
    </message>
    <message>
        <source>Place the channels of a CHIRP CSV channel list into the active document
Import Channels</source>
        <translation>将 CHIRP CSV 信道列表中的信道放入当前文档
导入信道</translation>
    </message>
    <message>
        <source>&amp;Export Channels...</source>
        <translation>导出信道(&amp;E)...</translation>
    </message>
    <message>
        <source>Write the channels of the active document as a CHIRP CSV channel list
Export Channels</source>
        <translation>将当前文档的信道写成 CHIRP CSV 信道列表
导出信道</translation>
    </message>
    <message>
        <source>Co&amp;mpare With...</source>
        <translation>比较(&amp;M)...</translation>
    </message>
    <message>
        <source>Mark what differs from a .sin file
Compare</source>
        <translation>标出与 .sin 文件的不同之处
比较</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>打印(&amp;P)...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>打印当前文档
打印</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>显示整页
打印预览</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>打印设置(&amp;R)...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>更改打印机和打印选项
打印设置</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>最近的文件</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>打开此文档</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>退出程序；提示保存文档
退出</translation>
    </message>
    <message>
        <source>&amp;Model Information</source>
        <translation>机型信息(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>撤销(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last change
Undo</source>
        <translation>撤销上一次更改
撤销</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>重做(&amp;R)	Ctrl+Y</translation>
    </message>
    <message>
        <source>Redo the change last undone
Redo</source>
        <translation>重做上一次撤销的更改
重做</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>剪切(&amp;T)	Ctrl+X</translation>
    </message>
    <message>
        <source>Cut the selected channels and put them on the clipboard
Cut</source>
        <translation>剪切所选信道并放到剪贴板上
剪切</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>复制(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selected channels to the clipboard
Copy</source>
        <translation>将所选信道复制到剪贴板
复制</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>粘贴(&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <source>Paste channels from the clipboard
Paste</source>
        <translation>从剪贴板粘贴信道
粘贴</translation>
    </message>
    <message>
        <source>C&amp;lear Channels	Del</source>
        <translation>清除信道(&amp;L)	Del</translation>
    </message>
    <message>
        <source>Empty the selected channels
Clear Channels</source>
        <translation>清空所选信道
清除信道</translation>
    </message>
    <message>
        <source>&amp;Insert Channel</source>
        <translation>插入信道(&amp;I)</translation>
    </message>
    <message>
        <source>Insert an empty channel at the current channel
Insert Channel</source>
        <translation>在当前信道处插入一个空信道
插入信道</translation>
    </message>
    <message>
        <source>&amp;Delete Channel</source>
        <translation>删除信道(&amp;D)</translation>
    </message>
    <message>
        <source>Delete the selected channels
Delete Channel</source>
        <translation>删除所选信道
删除信道</translation>
    </message>
    <message>
        <source>&amp;Optional Features</source>
        <translation>可选功能(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Read From Radio	Ctrl+R</source>
        <translation>从电台读取(&amp;R)	Ctrl+R</translation>
    </message>
    <message>
        <source>Read Data From Radio
Read</source>
        <translation>从电台读取数据
读取</translation>
    </message>
    <message>
        <source>&amp;Write To Radio	Ctrl+W</source>
        <translation>写入电台(&amp;W)	Ctrl+W</translation>
    </message>
    <message>
        <source>Write Data to Radio 
Write</source>
        <translation>向电台写入数据
写入</translation>
    </message>
    <message>
        <source>&amp;Edit Data	Ctrl+G</source>
        <translation>编辑数据(&amp;E)	Ctrl+G</translation>
    </message>
    <message>
        <source>Edit channel Data 
Edit</source>
        <translation>编辑信道数据
编辑</translation>
    </message>
    <message>
        <source>&amp;Backups...</source>
        <translation>备份(&amp;B)...</translation>
    </message>
    <message>
        <source>Open an image kept from a read or a write
Backups</source>
        <translation>打开读取或写入时保存的数据
备份</translation>
    </message>
    <message>
        <source>&amp;Verify After Write</source>
        <translation>写入后校验(&amp;V)</translation>
    </message>
    <message>
        <source>Read the radio back after every write and compare
Verify After Write</source>
        <translation>每次写入后读回电台数据并比较
写入后校验</translation>
    </message>
    <message>
        <source>COM1(&amp;P)</source>
        <translation>COM1(&amp;P)</translation>
    </message>
    <message>
        <source>Choose Communication Port one 
Com1</source>
        <translation>选择通信端口一
Com1</translation>
    </message>
    <message>
        <source>COM2(&amp;Q)</source>
        <translation>COM2(&amp;Q)</translation>
    </message>
    <message>
        <source>Choose Communication Port two 
Com2</source>
        <translation>选择通信端口二
Com2</translation>
    </message>
    <message>
        <source>COM3(&amp;S)</source>
        <translation>COM3(&amp;S)</translation>
    </message>
    <message>
        <source>Choose Communication Port three 
Com3</source>
        <translation>选择通信端口三
Com3</translation>
    </message>
    <message>
        <source>COM4(&amp;T)</source>
        <translation>COM4(&amp;T)</translation>
    </message>
    <message>
        <source>Choose Communication Port four 
Com4</source>
        <translation>选择通信端口四
Com4</translation>
    </message>
    <message>
        <source>P&amp;orts...</source>
        <translation>端口(&amp;O)...</translation>
    </message>
    <message>
        <source>Choose the device each communication port opens
Ports</source>
        <translation>选择每个通信端口打开的设备
端口</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>显示或隐藏工具栏
切换工具栏</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>显示或隐藏状态栏
切换状态栏</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>新建窗口(&amp;N)</translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation>为当前文档打开另一个窗口
新建窗口</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>层叠(&amp;C)</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>层叠排列窗口
层叠窗口</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>平铺(&amp;T)</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>平铺排列窗口，互不重叠
平铺窗口</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>排列图标(&amp;A)</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation>在窗口底部排列图标
排列图标</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>Choose the language of TARN&apos;s menus and windows
Language</source>
        <translation>选择 TARN 菜单和窗口的语言
语言</translation>
    </message>
    <message>
        <source>Show TARN in English
English</source>
        <translation>以英文显示 TARN
英文</translation>
    </message>
    <message>
        <source>Show TARN in Simplified Chinese
Chinese</source>
        <translation>以简体中文显示 TARN
中文</translation>
    </message>
    <message>
        <source>TARN &amp;Help	F1</source>
        <translation>TARN 帮助(&amp;H)	F1</translation>
    </message>
    <message>
        <source>Open the user guide
Help</source>
        <translation>打开用户指南
帮助</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>显示程序信息、版本号和版权
关于</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>机型(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>编程(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Place this ready-made channel list into the active document</source>
        <translation>将此现成信道列表放入当前文档</translation>
    </message>
    <message>
        <source>Channel &amp;Lists</source>
        <translation>信道列表(&amp;L)</translation>
    </message>
    <message>
        <source>Place a ready-made channel list into the active document
Channel Lists</source>
        <translation>将现成的信道列表放入当前文档
信道列表</translation>
    </message>
    <message>
        <source>Sort C&amp;hannels...</source>
        <translation>信道排序(&amp;H)...</translation>
    </message>
    <message>
        <source>Reorder the channels by a column
Sort Channels</source>
        <translation>按某一列重新排列信道
信道排序</translation>
    </message>
    <message>
        <source>Mo&amp;ve Up	Ctrl+Shift+Up</source>
        <translation>上移(&amp;V)	Ctrl+Shift+Up</translation>
    </message>
    <message>
        <source>Move the selected channels up by one
Move Up</source>
        <translation>将所选信道上移一位
上移</translation>
    </message>
    <message>
        <source>Move Do&amp;wn	Ctrl+Shift+Down</source>
        <translation>下移(&amp;W)	Ctrl+Shift+Down</translation>
    </message>
    <message>
        <source>Move the selected channels down by one
Move Down</source>
        <translation>将所选信道下移一位
下移</translation>
    </message>
    <message>
        <source>Edit &amp;Selected Channels...</source>
        <translation>编辑所选信道(&amp;S)...</translation>
    </message>
    <message>
        <source>Set TX offset, tones, power or lock on all selected channels
Edit Selected Channels</source>
        <translation>为所有所选信道设置发射频差、亚音、功率或锁定
编辑所选信道</translation>
    </message>
    <message>
        <source>Fill Chann&amp;els...</source>
        <translation>填充信道(&amp;E)...</translation>
    </message>
    <message>
        <source>Program a run of channels at stepped frequencies
Fill Channels</source>
        <translation>按频率步进编写一串信道
填充信道</translation>
    </message>
    <message>
        <source>Band Pla&amp;n</source>
        <translation>频段规划(&amp;N)</translation>
    </message>
    <message>
        <source>Choose the band plan of the repeater offsets
Band Plan</source>
        <translation>选择中继频差所依据的频段规划
频段规划</translation>
    </message>
    <message>
        <source>IARU Region &amp;1</source>
        <translation>IARU 第一区(&amp;1)</translation>
    </message>
    <message>
        <source>Repeater offsets of IARU Region 1: 0.6 MHz on 2 m, 7.6 MHz on 70 cm</source>
        <translation>IARU 第一区的中继频差：2 米波段 0.6 MHz，70 厘米波段 7.6 MHz</translation>
    </message>
    <message>
        <source>IARU Region &amp;2 / US</source>
        <translation>IARU 第二区 / 美国(&amp;2)</translation>
    </message>
    <message>
        <source>Repeater offsets of IARU Region 2 and the US: 0.6 MHz on 2 m, 5 MHz on 70 cm</source>
        <translation>IARU 第二区及美国的中继频差：2 米波段 0.6 MHz，70 厘米波段 5 MHz</translation>
    </message>
    <message>
        <source>IARU Region &amp;3</source>
        <translation>IARU 第三区(&amp;3)</translation>
    </message>
    <message>
        <source>Repeater offsets of IARU Region 3: 0.6 MHz on 2 m, 5 MHz on 70 cm</source>
        <translation>IARU 第三区的中继频差：2 米波段 0.6 MHz，70 厘米波段 5 MHz</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>查找(&amp;F)...	Ctrl+F</translation>
    </message>
    <message>
        <source>Show only the channels that hold a text or a frequency
Find</source>
        <translation>只显示含有某段文字或某个频率的信道
查找</translation>
    </message>
</context>
<context>
    <name>tarn::CompareSettingsWindow</name>
    <message>
        <source>The radio would hold the same from both.</source>
        <translation>两者写入电台的内容相同。</translation>
    </message>
    <message>
        <source>%1 (marked in the grid).</source>
        <translation>%1（已在表格中标出）。</translation>
    </message>
    <message>
        <source>%1 (no cell or dialog shows it).</source>
        <translation>%1（没有单元格或对话框显示它）。</translation>
    </message>
    <message>
        <source>Compared With %1</source>
        <translation>与 %1 比较</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置项</translation>
    </message>
    <message>
        <source>This Document</source>
        <translation>本文档</translation>
    </message>
    <message>
        <source>Compared File</source>
        <translation>比较的文件</translation>
    </message>
</context>
<context>
    <name>tarn::DocumentManager</name>
    <message>
        <source>The row dump &quot;%1&quot; could not be written.</source>
        <translation>无法写入行转储文件“%1”。</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>保存对 %1 的更改吗？</translation>
    </message>
</context>
<context>
    <name>tarn::DocumentWindow</name>
    <message>
        <source>This window will close when the transfer ends.</source>
        <translation>传输结束后将关闭此窗口。</translation>
    </message>
</context>
<context>
    <name>tarn::EditChannelsDialog</name>
    <message>
        <source>Edit Selected Channels</source>
        <translation>编辑所选信道</translation>
    </message>
    <message numerus="yes">
        <source>%n channels are selected; empty channels stay empty.</source>
        <translation>
            <numerusform>已选择 %n 个信道；空信道保持为空。</numerusform>
        </translation>
    </message>
    <message>
        <source>TX &amp;offset:</source>
        <translation>发射频差(&amp;O)：</translation>
    </message>
    <message>
        <source>QT/DQT &amp;Dec:</source>
        <translation>QT/DQT 解码(&amp;D)：</translation>
    </message>
    <message>
        <source>QT/DQT &amp;Enc:</source>
        <translation>QT/DQT 编码(&amp;E)：</translation>
    </message>
    <message>
        <source>TX &amp;Power:</source>
        <translation>发射功率(&amp;P)：</translation>
    </message>
    <message>
        <source>CHN &amp;Lock:</source>
        <translation>信道锁定(&amp;L)：</translation>
    </message>
    <message>
        <source>The TX offset is a number with an optional sign, or + or - alone for the band plan&apos;s offset.</source>
        <translation>发射频差须为数字（可带正负号），或单独的 + 或 -，表示采用频段规划的频差。</translation>
    </message>
</context>
<context>
    <name>tarn::FillChannelsDialog</name>
    <message>
        <source>0 (simplex)</source>
        <translation>0（同频）</translation>
    </message>
    <message>
        <source>Fill Channels</source>
        <translation>填充信道</translation>
    </message>
    <message>
        <source>MHz, e.g. 446.00625</source>
        <translation>MHz，例如 446.00625</translation>
    </message>
    <message>
        <source>kHz; pick one or type another</source>
        <translation>kHz；可选择或自行输入</translation>
    </message>
    <message>
        <source>&amp;First channel:</source>
        <translation>起始信道(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Channels:</source>
        <translation>信道数(&amp;C)：</translation>
    </message>
    <message>
        <source>&amp;Start frequency (MHz):</source>
        <translation>起始频率(&amp;S)（MHz）：</translation>
    </message>
    <message>
        <source>S&amp;tep (kHz):</source>
        <translation>步进(&amp;T)（kHz）：</translation>
    </message>
    <message>
        <source>TX &amp;offset:</source>
        <translation>发射频差(&amp;O)：</translation>
    </message>
    <message>
        <source>QT/DQT &amp;Dec:</source>
        <translation>QT/DQT 解码(&amp;D)：</translation>
    </message>
    <message>
        <source>QT/DQT &amp;Enc:</source>
        <translation>QT/DQT 编码(&amp;E)：</translation>
    </message>
    <message>
        <source>TX &amp;Power:</source>
        <translation>发射功率(&amp;P)：</translation>
    </message>
    <message>
        <source>CHN &amp;Lock:</source>
        <translation>信道锁定(&amp;L)：</translation>
    </message>
    <message>
        <source>Type the start frequency in MHz.</source>
        <translation>请输入以 MHz 为单位的起始频率。</translation>
    </message>
    <message>
        <source>The step is a number of kHz.</source>
        <translation>步进须为以 kHz 为单位的数字。</translation>
    </message>
    <message>
        <source>The TX offset is a number with an optional sign, or + or - alone for the band plan&apos;s offset.</source>
        <translation>发射频差须为数字（可带正负号），或单独的 + 或 -，表示采用频段规划的频差。</translation>
    </message>
</context>
<context>
    <name>tarn::FindBar</name>
    <message>
        <source>Type to show only the channels that hold the text; Esc shows all of them again</source>
        <translation>输入文字，只显示含有它的信道；按 Esc 重新显示全部信道</translation>
    </message>
    <message>
        <source>No channel matches &quot;%1&quot;.</source>
        <translation>没有信道与“%1”相符。</translation>
    </message>
    <message>
        <source>%1 of %2 channels</source>
        <translation>%2 个信道中的 %1 个</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>查找(&amp;F)：</translation>
    </message>
    <message>
        <source>Frequency, tone, power or lock</source>
        <translation>频率、亚音、功率或锁定</translation>
    </message>
    <message>
        <source>Close the find bar and show every channel (Esc)</source>
        <translation>关闭查找栏并显示全部信道（Esc）</translation>
    </message>
</context>
<context>
    <name>tarn::HelpWindow</name>
    <message>
        <source>TARN Help</source>
        <translation>TARN 帮助</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>用户指南</translation>
    </message>
    <message>
        <source>The user guide is not installed.</source>
        <translation>未安装用户指南。</translation>
    </message>
</context>
<context>
    <name>tarn::ImportChannelsDialog</name>
    <message>
        <source>Channel list: %1</source>
        <translation>信道列表：%1</translation>
    </message>
    <message>
        <source>&amp;First channel:</source>
        <translation>起始信道(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Empty every channel the list does not name</source>
        <translation>清空列表中未列出的所有信道(&amp;E)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <source>As the list numbers them</source>
        <translation>按列表中的编号</translation>
    </message>
    <message>
        <source>The list cannot be imported:</source>
        <translation>无法导入该列表：</translation>
    </message>
</context>
<context>
    <name>tarn::MainWindow</name>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>1 channel outside the band</source>
        <translation>1 个信道超出频段</translation>
    </message>
    <message>
        <source>%1 channels outside the band</source>
        <translation>%1 个信道超出频段</translation>
    </message>
</context>
<context>
    <name>tarn::ModelInfoDialog</name>
    <message>
        <source>Model Type</source>
        <translation>机型</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Model Information</source>
        <translation>机型信息</translation>
    </message>
</context>
<context>
    <name>tarn::OptionalFeatures</name>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>存储</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>步进</translation>
    </message>
    <message>
        <source>Vox delay time</source>
        <translation>声控延时</translation>
    </message>
    <message>
        <source>Time out timer(TOT)</source>
        <translation>发射限时(TOT)</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>按键音</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>呼叫音</translation>
    </message>
    <message>
        <source>Battery Save</source>
        <translation>省电</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>遇忙禁发</translation>
    </message>
    <message>
        <source>Encoder</source>
        <translation>编码器</translation>
    </message>
    <message>
        <source>Vox Gain Level</source>
        <translation>声控灵敏度</translation>
    </message>
    <message>
        <source>Scan Mode</source>
        <translation>扫描方式</translation>
    </message>
    <message>
        <source>Keypad lock</source>
        <translation>键盘锁</translation>
    </message>
    <message>
        <source>LED</source>
        <translation>指示灯</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>信道名称</translation>
    </message>
</context>
<context>
    <name>tarn::OptionalFeaturesDialog</name>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>tarn::Prompt</name>
    <message>
        <source>Do you Exit?</source>
        <translation>确定要退出吗？</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Do you rewrite data?</source>
        <translation>要改写数据吗？</translation>
    </message>
    <message>
        <source>Verify failed: 1 block differs, at %1</source>
        <translation>校验失败：1 个数据块不一致，位于 %1</translation>
    </message>
    <message>
        <source>Verify failed: %1 blocks differ, the first at %2</source>
        <translation>校验失败：%1 个数据块不一致，第一个位于 %2</translation>
    </message>
    <message>
        <source>Writing stopped after %1 of %2 blocks: the radio is partly programmed. Write again to complete it.</source>
        <translation>写入在第 %1 / %2 个数据块后中断：对讲机只写入了一部分。请重新写入以完成编程。</translation>
    </message>
    <message>
        <source>Verify %1</source>
        <translation>校验 %1</translation>
    </message>
    <message>
        <source>The radio&apos;s memory was not kept as a backup: %1</source>
        <translation>对讲机的存储内容未能保存为备份：%1</translation>
    </message>
    <message>
        <source>Please input Number</source>
        <translation>请输入数字</translation>
    </message>
    <message>
        <source>Error Data Format，Please input again</source>
        <translation>数据格式错误，请重新输入</translation>
    </message>
    <message>
        <source>Error data Value，Please input according the step value(6.25K/5k)</source>
        <translation>数据值错误，请按步进值（6.25K/5K）输入</translation>
    </message>
    <message>
        <source>The frequency must lie between 100 and 600 MHz.</source>
        <translation>频率必须在 100 至 600 MHz 之间。</translation>
    </message>
    <message>
        <source>This is not a number.</source>
        <translation>这不是一个数字。</translation>
    </message>
    <message>
        <source>Please choose a tone or code from the list</source>
        <translation>请从列表中选择亚音频率或数字亚音码</translation>
    </message>
    <message>
        <source>Could not Open the Port,Please check whether the Port are occupied or the device are ok</source>
        <translation>无法打开端口，请检查端口是否被占用或设备是否正常</translation>
    </message>
    <message>
        <source>Now are detecting Communication Port,Please wait...</source>
        <translation>正在检测通信端口，请稍候……</translation>
    </message>
    <message>
        <source>Waiting the response from radio....</source>
        <translation>正在等待对讲机响应……</translation>
    </message>
    <message>
        <source>Communication Error，Please check all the connections and the radio power</source>
        <translation>通信错误，请检查所有连接和对讲机电源</translation>
    </message>
    <message>
        <source> Radio Type are not match for your setting，If you want continue,push ok button</source>
        <translation>对讲机型号与您的设置不符，如要继续，请按“确定”</translation>
    </message>
    <message>
        <source> Error in the Send Order</source>
        <translation>发送命令出错</translation>
    </message>
    <message>
        <source> Program Interrupt，Please reset the radio and try again</source>
        <translation>编程中断，请重启对讲机后重试</translation>
    </message>
    <message>
        <source>not received enough  byte</source>
        <translation>接收的字节数不足</translation>
    </message>
    <message>
        <source>Error had happen,please try again</source>
        <translation>发生错误，请重试</translation>
    </message>
    <message>
        <source>Verifying: reading the radio back...</source>
        <translation>正在校验：回读对讲机……</translation>
    </message>
    <message>
        <source>Verify passed: the radio holds what was written</source>
        <translation>校验通过：对讲机中的数据与写入的一致</translation>
    </message>
    <message>
        <source>Verify could not read the radio back</source>
        <translation>校验失败：无法回读对讲机</translation>
    </message>
    <message>
        <source>tarn-cli: unknown verb &apos;%1&apos;</source>
        <translation>tarn-cli：未知的动词“%1”</translation>
    </message>
    <message>
        <source>tarn-cli: warning: no backup kept: %1</source>
        <translation>tarn-cli：警告：未保存备份：%1</translation>
    </message>
    <message>
        <source>tarn-cli: backup %1</source>
        <translation>tarn-cli：备份 %1</translation>
    </message>
    <message>
        <source>tarn-cli: cannot write %1</source>
        <translation>tarn-cli：无法写入 %1</translation>
    </message>
    <message>
        <source>tarn-cli: %1</source>
        <translation>tarn-cli：%1</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: cannot open: %2</source>
        <translation>无法打开“%1”：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: cannot open</source>
        <translation>无法打开“%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: cannot read</source>
        <translation>无法读取“%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: too large for a channel table</source>
        <translation>“%1”：超出信道表的大小</translation>
    </message>
    <message>
        <source>Found or sorted: Insert, Delete, Move, Sort and Fill are off</source>
        <translation>已查找或排序：插入、删除、移动、排序和填充不可用</translation>
    </message>
    <message>
        <source>Several channels are pasted only while every channel shows in channel order: they land on the channels after the first, which a found or sorted view hides or shows elsewhere. Close the find bar (Esc), and click a sorted column&apos;s header until its arrow goes.</source>
        <translation>只有全部信道按信道号顺序显示时才能粘贴多个信道：它们会落到第一个信道之后的信道上，而查找或排序后的视图会隐藏这些信道或把它们显示在别处。请关闭查找栏（Esc），并点击已排序列的表头，直到箭头消失。</translation>
    </message>
</context>
<context>
    <name>tarn::RadioLink</name>
    <message>
        <source>Reading Data Progress</source>
        <translation>读取数据进度</translation>
    </message>
    <message>
        <source>Writing Data Progress</source>
        <translation>写入数据进度</translation>
    </message>
</context>
<context>
    <name>tarn::ShellLanguage</name>
    <message>
        <source>The language could not be saved in %1; it applies until TARN ends.</source>
        <translation>无法将语言保存到 %1 中；在 TARN 结束前有效。</translation>
    </message>
</context>
<context>
    <name>tarn::SortChannelsDialog</name>
    <message>
        <source>&amp;Ascending</source>
        <translation>升序(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>降序(&amp;D)</translation>
    </message>
    <message numerus="yes">
        <source>Only the %n &amp;selected channels</source>
        <translation>
            <numerusform>仅排序所选的 %n 个信道(&amp;S)</numerusform>
        </translation>
    </message>
    <message>
        <source>Sort Channels</source>
        <translation>信道排序</translation>
    </message>
    <message>
        <source>Only the &amp;selected channels</source>
        <translation>仅排序所选信道(&amp;S)</translation>
    </message>
    <message>
        <source>Sort &amp;by:</source>
        <translation>排序依据(&amp;B)：</translation>
    </message>
    <message>
        <source>Order:</source>
        <translation>顺序：</translation>
    </message>
</context>
<context>
    <name>tarn::TarnApplication</name>
    <message>
        <source>TARN will close when the transfer ends.</source>
        <translation>传输结束后 TARN 将关闭。</translation>
    </message>
    <message>
        <source>Could not compare with %1.</source>
        <translation>无法与 %1 比较。</translation>
    </message>
</context>
<context>
    <name>tarn::TarnDocument</name>
    <message>
        <source>Could not open %1.</source>
        <translation>无法打开 %1。</translation>
    </message>
    <message>
        <source>Could not save %1.
The file on disk has not been changed.</source>
        <translation>无法保存 %1。
磁盘上的文件没有改变。</translation>
    </message>
</context>
<context>
    <name>tarn::TransferProgressDialog</name>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Progress：</source>
        <translation>进度：</translation>
    </message>
    <message>
        <source>   Not start yet</source>
        <translation>   尚未开始</translation>
    </message>
</context>
<context>
    <name>tarn::TxOffsetField</name>
    <message>
        <source>TX = RX + offset, with a sign; + or - alone takes the band plan&apos;s repeater offset</source>
        <translation>发射 = 接收 + 频差（带正负号）；单独的 + 或 - 采用频段规划的中继频差</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>kHz</source>
        <translation>kHz</translation>
    </message>
</context>
</TS>
