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
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>已校验</translation>
    </message>
    <message>
        <source>Partly written</source>
        <translation>部分写入</translation>
    </message>
    <message>
        <source>Verify failed</source>
        <translation>校验失败</translation>
    </message>
    <message>
        <source>Not verified</source>
        <translation>未校验</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
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
    <name>tarn::ChannelCommands</name>
    <message>
        <source>&amp;Undo %1	Ctrl+Z</source>
        <translation>撤销 %1(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo %1	Ctrl+Y</source>
        <translation>重做 %1(&amp;R)	Ctrl+Y</translation>
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
    <name>tarn::ChannelTablePrinter</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
</context>
<context>
    <name>tarn::ChannelView</name>
    <message>
        <source>Please click the CommBox to choose value，For help，please press F1</source>
        <translation>请点击下拉框选择数值，如需帮助，请按 F1</translation>
    </message>
    <message>
        <source>Please Click the cell to edit or input data，For help，please press F1</source>
        <translation>请点击单元格编辑或输入数据，如需帮助，请按 F1</translation>
    </message>
    <message>
        <source>For help，please press F1</source>
        <translation>如需帮助，请按 F1</translation>
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
    <message>
        <source>Show &amp;Last Serial Trace</source>
        <translation>显示最近的串口记录(&amp;L)</translation>
    </message>
    <message>
        <source>Show the bytes of the last transfer with the radio
Last Serial Trace</source>
        <translation>显示与对讲机最近一次传输的字节
最近的串口记录</translation>
    </message>
    <message>
        <source>Report a &amp;Problem...</source>
        <translation>报告问题(&amp;P)...</translation>
    </message>
    <message>
        <source>Put together the facts a problem report needs
Report a Problem</source>
        <translation>汇集问题报告所需的信息
报告问题</translation>
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
    <name>tarn::PortListModel</name>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Chip</source>
        <translation>芯片</translation>
    </message>
    <message>
        <source>USB ID</source>
        <translation>USB ID</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>制造商</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>序列号</translation>
    </message>
</context>
<context>
    <name>tarn::PortsDialog</name>
    <message>
        <source>Serial ports on this machine:</source>
        <translation>本机的串口：</translation>
    </message>
    <message>
        <source>Choose the device each port of the Setup menu opens. Leave a port empty for its default.</source>
        <translation>选择“设置”菜单中每个端口打开的设备。留空则使用其默认设备。</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>刷新(&amp;R)</translation>
    </message>
    <message>
        <source>default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>opens %1 (set by %2)</source>
        <translation>打开 %1（由 %2 设定）</translation>
    </message>
    <message>
        <source>opens %1</source>
        <translation>打开 %1</translation>
    </message>
</context>
<context>
    <name>tarn::ProblemReport</name>
    <message>
        <source>%1 (built with %2)</source>
        <translation>%1（编译时为 %2）</translation>
    </message>
    <message>
        <source>description: %1</source>
        <translation>描述：%1</translation>
    </message>
    <message>
        <source>manufacturer: %1</source>
        <translation>制造商：%1</translation>
    </message>
    <message>
        <source>USB id: %1:%2</source>
        <translation>USB 标识：%1:%2</translation>
    </message>
    <message>
        <source>serial number: %1</source>
        <translation>序列号：%1</translation>
    </message>
    <message>
        <source>chip: %1</source>
        <translation>芯片：%1</translation>
    </message>
    <message>
        <source>listed, without details</source>
        <translation>已列出，无详细信息</translation>
    </message>
    <message>
        <source>[frequency left out]</source>
        <translation>[频率已略去]</translation>
    </message>
    <message>
        <source>Program: %1</source>
        <translation>程序：%1</translation>
    </message>
    <message>
        <source>Qt: %1</source>
        <translation>Qt：%1</translation>
    </message>
    <message>
        <source>System: %1</source>
        <translation>系统：%1</translation>
    </message>
    <message>
        <source>Port: no window open</source>
        <translation>端口：没有打开的窗口</translation>
    </message>
    <message>
        <source>Port: %1 (%2)</source>
        <translation>端口：%1（%2）</translation>
    </message>
    <message>
        <source>Port identity: %1</source>
        <translation>端口标识：%1</translation>
    </message>
    <message>
        <source>not among the system&apos;s serial ports</source>
        <translation>不在系统的串口列表中</translation>
    </message>
    <message>
        <source>Last message: none</source>
        <translation>最近的消息：无</translation>
    </message>
    <message>
        <source>Last message: %1</source>
        <translation>最近的消息：%1</translation>
    </message>
    <message>
        <source>Last serial trace: %1</source>
        <translation>最近的串口记录：%1</translation>
    </message>
    <message>
        <source>none kept yet</source>
        <translation>尚未保存</translation>
    </message>
</context>
<context>
    <name>tarn::ProblemReportDialog</name>
    <message>
        <source>Report a Problem</source>
        <translation>报告问题</translation>
    </message>
    <message>
        <source>Copy this text into your report. Nothing is sent from here.</source>
        <translation>请将此文本复制到您的报告中。此处不会发送任何内容。</translation>
    </message>
    <message>
        <source>Include &amp;frequencies in the last message</source>
        <translation>包含最近消息中的频率(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
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
        <source>&quot;%1&quot;: %2</source>
        <translation>“%1”：%2</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>无法打开：%1</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message>
        <source>%1, not a channel file</source>
        <translation>%1，不是信道文件</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>管道</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>套接字</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>a channel file</source>
        <translation>信道文件</translation>
    </message>
    <message>
        <source>not a channel file: it holds %1 bytes, a channel file holds %2</source>
        <translation>不是信道文件：它有 %1 字节，信道文件为 %2 字节</translation>
    </message>
    <message>
        <source>%1 is %2 bytes; a channel file has %3. Open its first %3 bytes?</source>
        <translation>%1 有 %2 字节；信道文件为 %3 字节。要打开它的前 %3 字节吗？</translation>
    </message>
    <message>
        <source>cannot create a file in its folder: %1</source>
        <translation>无法在其文件夹中创建文件：%1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>无法写入：%1</translation>
    </message>
    <message>
        <source>cannot replace the file: %1</source>
        <translation>无法替换该文件：%1</translation>
    </message>
    <message>
        <source>cannot look at it: %1</source>
        <translation>无法查看：%1</translation>
    </message>
    <message>
        <source>a link that leads to no file (%1)</source>
        <translation>指向不存在的文件的链接（%1）</translation>
    </message>
    <message>
        <source>%1, not %2; nothing written</source>
        <translation>%1，不是%2；未写入任何内容</translation>
    </message>
    <message>
        <source>the file is read-only for you; nothing written</source>
        <translation>您对该文件只有读权限；未写入任何内容</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>第 %1 行，%2 列：%3</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>TX power must be High, Middle, Low or empty</source>
        <translation>发射功率必须为 High、Middle、Low 或空</translation>
    </message>
    <message>
        <source>channel lock must be Lock, UnLock or empty</source>
        <translation>信道锁定必须为 Lock、UnLock 或空</translation>
    </message>
    <message>
        <source>a channel without frequencies holds nothing else</source>
        <translation>没有频率的信道不能有其他内容</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number (digits, optionally a point and digits)</source>
        <translation>“%1”不是数字（数字，可带小数点及其后的数字）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a non-zero digit after the fifth decimal, finer than the radio&apos;s 10 Hz</source>
        <translation>“%1”在第五位小数之后有非零数字，比对讲机的 10 Hz 更精细</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a frequency from 100 to 600 MHz</source>
        <translation>“%1”不是 100 到 600 MHz 之间的频率</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is on neither the 6.25 kHz nor the 5 kHz step</source>
        <translation>“%1”既不在 6.25 kHz 步进上，也不在 5 kHz 步进上</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no tone or code of the tone list</source>
        <translation>“%1”不是亚音列表中的亚音或数字码</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>不是文本文件</translation>
    </message>
    <message>
        <source>line 1: expected the header line &quot;%1&quot;</source>
        <translation>第 1 行：应为表头行“%1”</translation>
    </message>
    <message>
        <source>line %1: expected %2 columns, found %3</source>
        <translation>第 %1 行：应有 %2 列，实际为 %3 列</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no channel of the file (1 to %2)</source>
        <translation>“%1”不是文件中的信道（1 到 %2）</translation>
    </message>
    <message>
        <source>channel %1 is already on line %2</source>
        <translation>信道 %1 已在第 %2 行</translation>
    </message>
    <message>
        <source>Nothing to paste: the clipboard holds no channels</source>
        <translation>没有可粘贴的内容：剪贴板中没有信道</translation>
    </message>
    <message>
        <source>No empty channel below channel %1 to make room</source>
        <translation>信道 %1 下方没有空信道可腾出位置</translation>
    </message>
    <message>
        <source>The clipboard holds %1 channels; from channel %2 only %3 fit.</source>
        <translation>剪贴板中有 %1 个信道；从信道 %2 开始只能放下 %3 个。</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds bad cells.</source>
        <translation>未粘贴任何内容：剪贴板中有错误的单元格。</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>……另有 %1 处</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>not a CSV text file (it holds a NUL byte)</source>
        <translation>不是 CSV 文本文件（含有 NUL 字节）</translation>
    </message>
    <message>
        <source>the column %1 appears twice</source>
        <translation>列 %1 出现了两次</translation>
    </message>
    <message>
        <source>not a CSV list: its columns are not separated by commas</source>
        <translation>不是 CSV 列表：各列不是以逗号分隔的</translation>
    </message>
    <message>
        <source>no %1 column (the first line names the columns)</source>
        <translation>没有 %1 列（第一行为列名）</translation>
    </message>
    <message>
        <source>%1 fields where the first line has %2</source>
        <translation>有 %1 个字段，而第一行有 %2 个</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is also on line %2</source>
        <translation>“%1”也在第 %2 行</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number</source>
        <translation>“%1”不是整数</translation>
    </message>
    <message>
        <source>the file holds no channels</source>
        <translation>文件中没有信道</translation>
    </message>
    <message>
        <source>the first channel must be from 1 to %1</source>
        <translation>第一个信道必须在 1 到 %1 之间</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no frequency</source>
        <translation>“%1”不是频率</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a duplex (empty, +, -, split or off)</source>
        <translation>“%1”不是 Duplex 值（空、+、-、split 或 off）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives a TX frequency of %2 MHz, which is not a frequency from 100 to 600 MHz</source>
        <translation>“%1”得出的发射频率为 %2 MHz，不是 100 到 600 MHz 之间的频率</translation>
    </message>
    <message>
        <source>&quot;%1&quot; gives a TX frequency of %2 MHz, which is on neither the 6.25 kHz nor the 5 kHz step</source>
        <translation>“%1”得出的发射频率为 %2 MHz，既不在 6.25 kHz 步进上，也不在 5 kHz 步进上</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a power (High, Mid, Low, watts such as 5.0W, or empty)</source>
        <translation>“%1”不是功率（High、Mid、Low、如 5.0W 的瓦数，或空）</translation>
    </message>
    <message>
        <source>the file has no such column</source>
        <translation>文件中没有此列</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>另有 %1 处</translation>
    </message>
    <message>
        <source>and perhaps more</source>
        <translation>可能还有更多</translation>
    </message>
    <message>
        <source>Could not import &quot;%1&quot;:</source>
        <translation>无法导入“%1”：</translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation>另有 %1 处。</translation>
    </message>
    <message>
        <source>Nothing has been changed.</source>
        <translation>没有做任何更改。</translation>
    </message>
    <message>
        <source>Numbering: the lines go to channel %1 and on, in list order.</source>
        <translation>编号：各行按列表顺序放到信道 %1 及其后。</translation>
    </message>
    <message>
        <source>Numbering: the first Location %1 goes to channel %2 as asked.</source>
        <translation>编号：按要求，第一个 Location %1 放到信道 %2。</translation>
    </message>
    <message>
        <source>Numbering: the list starts at Location 0, so channel = Location + 1.</source>
        <translation>编号：列表从 Location 0 开始，因此信道 = Location + 1。</translation>
    </message>
    <message>
        <source>Numbering: the Locations are channel numbers (the first is Location %1).</source>
        <translation>编号：Location 即信道号（第一个是 Location %1）。</translation>
    </message>
    <message>
        <source>Channels placed: none.</source>
        <translation>放入的信道：无。</translation>
    </message>
    <message>
        <source>Channels placed: %1 (%2).</source>
        <translation>放入的信道：%1 个（%2）。</translation>
    </message>
    <message>
        <source>Every other channel is emptied.</source>
        <translation>其他所有信道都被清空。</translation>
    </message>
    <message>
        <source>Every other channel keeps what it had.</source>
        <translation>其他所有信道保持原样。</translation>
    </message>
    <message>
        <source>Lines left out: %1, beyond the %2 channels:</source>
        <translation>略去的行：%1 行，超出了 %2 个信道：</translation>
    </message>
    <message>
        <source>  line %1, Location %2</source>
        <translation>  第 %1 行，Location %2</translation>
    </message>
    <message>
        <source>  line %1</source>
        <translation>  第 %1 行</translation>
    </message>
    <message>
        <source>  and %1 more</source>
        <translation>  另有 %1 行</translation>
    </message>
    <message>
        <source>Columns dropped (the radio cannot hold them):</source>
        <translation>舍弃的列（对讲机无法保存）：</translation>
    </message>
    <message>
        <source>  %1: a value on 1 line</source>
        <translation>  %1：1 行有值</translation>
    </message>
    <message>
        <source>  %1: a value on %2 lines</source>
        <translation>  %1：%2 行有值</translation>
    </message>
    <message>
        <source>Columns not known, ignored: %1.</source>
        <translation>未知的列，已忽略：%1。</translation>
    </message>
    <message>
        <source>Power figures: %1.</source>
        <translation>功率数值：%1。</translation>
    </message>
    <message>
        <source>Channels written: %1.</source>
        <translation>写出的信道：%1 个。</translation>
    </message>
    <message>
        <source>Left out, having only a TX frequency, which the list cannot hold: channel %1.</source>
        <translation>已略去只有发射频率（列表无法保存）的信道：信道 %1。</translation>
    </message>
    <message>
        <source>Left out, having only a TX frequency, which the list cannot hold: channels %1.</source>
        <translation>已略去只有发射频率（列表无法保存）的信道：信道 %1。</translation>
    </message>
    <message>
        <source>Nothing to fill.</source>
        <translation>没有要填充的信道。</translation>
    </message>
    <message>
        <source>From channel %1 only %2 channels fit, not %3.</source>
        <translation>从信道 %1 开始只能放下 %2 个信道，而不是 %3 个。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no tone or code of the list.</source>
        <translation>“%1”不是列表中的亚音或数字码。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no TX power.</source>
        <translation>“%1”不是有效的发射功率。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no channel lock.</source>
        <translation>“%1”不是有效的信道锁定。</translation>
    </message>
    <message>
        <source>Channel %1: RX Freq %2.</source>
        <translation>信道 %1：接收频率 %2。</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>信道 %1：%2</translation>
    </message>
    <message>
        <source>%1 MHz is outside 100-600 MHz</source>
        <translation>%1 MHz 超出 100-600 MHz</translation>
    </message>
    <message>
        <source>%1 MHz is on neither the 6.25 kHz nor the 5 kHz step</source>
        <translation>%1 MHz 既不在 6.25 kHz 步进上，也不在 5 kHz 步进上</translation>
    </message>
    <message>
        <source>TX Freq %1.</source>
        <translation>发射频率 %1。</translation>
    </message>
    <message>
        <source>Channel %1 has no RX Freq to set its TX Freq from.</source>
        <translation>信道 %1 没有接收频率，无法据此设置发射频率。</translation>
    </message>
    <message>
        <source>No standard repeater offset for %1 MHz in %2: only the 144-148 MHz and 420-450 MHz bands have one.</source>
        <translation>%2 中 %1 MHz 没有标准中继偏移：只有 144-148 MHz 和 420-450 MHz 频段有。</translation>
    </message>
    <message>
        <source>Nothing was changed. %1</source>
        <translation>没有做任何更改。%1</translation>
    </message>
    <message>
        <source>Nothing was filled. %1</source>
        <translation>没有填充任何信道。%1</translation>
    </message>
    <message>
        <source>Fill Channels replaces 1 programmed channel.</source>
        <translation>填充信道将替换 1 个已编程的信道。</translation>
    </message>
    <message>
        <source>Fill Channels replaces %1 programmed channels.</source>
        <translation>填充信道将替换 %1 个已编程的信道。</translation>
    </message>
    <message>
        <source>cannot write the backup &quot;%1&quot;: %2</source>
        <translation>无法写入备份“%1”：%2</translation>
    </message>
    <message>
        <source>there is no folder for backups: neither XDG_DATA_HOME nor HOME is set</source>
        <translation>没有存放备份的文件夹：XDG_DATA_HOME 和 HOME 都未设置</translation>
    </message>
    <message>
        <source>cannot create the backups folder &quot;%1&quot;: %2</source>
        <translation>无法创建备份文件夹“%1”：%2</translation>
    </message>
    <message>
        <source>cannot create the backup &quot;%1&quot;: %2</source>
        <translation>无法创建备份“%1”：%2</translation>
    </message>
    <message>
        <source>too many backups in one second in &quot;%1&quot;</source>
        <translation>一秒内的备份太多，位于“%1”</translation>
    </message>
    <message>
        <source>tarn-cli %1: %2</source>
        <translation>tarn-cli %1：%2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>to standard output</source>
        <translation>到标准输出</translation>
    </message>
    <message>
        <source>the table to standard output</source>
        <translation>表格到标准输出</translation>
    </message>
    <message>
        <source>the channel list to standard output</source>
        <translation>信道列表到标准输出</translation>
    </message>
    <message>
        <source>the image to standard output</source>
        <translation>映像到标准输出</translation>
    </message>
    <message>
        <source>the report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>--retry takes a count, not &apos;%1&apos;</source>
        <translation>--retry 需要一个次数，而不是“%1”</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>one file only</source>
        <translation>只能给出一个文件</translation>
    </message>
    <message>
        <source>--port and a file are required</source>
        <translation>需要 --port 和一个文件</translation>
    </message>
    <message>
        <source>%1 takes one --port</source>
        <translation>%1 只接受一个 --port</translation>
    </message>
    <message>
        <source>--verify belongs to write</source>
        <translation>--verify 只用于 write</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>未知参数“%1”</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>--listen takes HOST:PORT, not &quot;%1&quot;</source>
        <translation>--listen 需要 HOST:PORT，而不是“%1”</translation>
    </message>
    <message>
        <source>--port is required</source>
        <translation>需要 --port</translation>
    </message>
    <message>
        <source>--listen %1 reaches beyond this computer: add --allow-remote</source>
        <translation>--listen %1 可从本机以外访问：请加上 --allow-remote</translation>
    </message>
    <message>
        <source>--first takes a channel from 1 to %1, not &quot;%2&quot;</source>
        <translation>--first 需要 1 到 %1 之间的信道，而不是“%2”</translation>
    </message>
    <message>
        <source>no standard input to read the table from</source>
        <translation>没有可读取表格的标准输入</translation>
    </message>
    <message>
        <source>nothing written</source>
        <translation>未写入任何内容</translation>
    </message>
    <message>
        <source>will not write a memory image to a terminal; redirect it</source>
        <translation>不会把存储映像写到终端；请重定向输出</translation>
    </message>
    <message>
        <source>warning: could not write the row dump %1</source>
        <translation>警告：无法写入行转储文件 %1</translation>
    </message>
    <message>
        <source>the system reports no serial ports</source>
        <translation>系统没有报告任何串口</translation>
    </message>
    <message>
        <source>COM%1 is %2</source>
        <translation>COM%1 为 %2</translation>
    </message>
    <message>
        <source>Channels sorted by %1.</source>
        <translation>信道已按 %1 排序。</translation>
    </message>
    <message>
        <source>Channels sorted by %1, descending.</source>
        <translation>信道已按 %1 降序排序。</translation>
    </message>
    <message>
        <source>Channels already in order by %1.</source>
        <translation>信道已按 %1 排好顺序，无需移动。</translation>
    </message>
    <message>
        <source>Channels already in order by %1, descending.</source>
        <translation>信道已按 %1 降序排好顺序，无需移动。</translation>
    </message>
    <message>
        <source>the image read from the radio is kept in %1</source>
        <translation>从对讲机读取的映像保存在 %1</translation>
    </message>
    <message>
        <source>read %1 (%2 channels)</source>
        <translation>已读取 %1（%2 个信道）</translation>
    </message>
    <message>
        <source>wrote %1</source>
        <translation>已写入 %1</translation>
    </message>
    <message>
        <source>wrote %1 (verified)</source>
        <translation>已写入 %1（已校验）</translation>
    </message>
    <message>
        <source>warning: channels outside the band %1 of the model, which the radio cannot use: %2</source>
        <translation>警告：以下信道超出机型频段 %1，对讲机无法使用：%2</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>  (retrying)</source>
        <translation>  （重试）</translation>
    </message>
    <message>
        <source>  (continuing: --force-type)</source>
        <translation>  （继续：--force-type）</translation>
    </message>
    <message>
        <source>Reading [%1</source>
        <translation>读取 [%1</translation>
    </message>
    <message>
        <source>Writing [%1</source>
        <translation>写入 [%1</translation>
    </message>
    <message>
        <source>Verifying [%1</source>
        <translation>校验 [%1</translation>
    </message>
    <message>
        <source>Reading %1%</source>
        <translation>读取 %1%</translation>
    </message>
    <message>
        <source>Writing %1%</source>
        <translation>写入 %1%</translation>
    </message>
    <message>
        <source>Verifying %1%</source>
        <translation>校验 %1%</translation>
    </message>
    <message>
        <source>cannot listen on &quot;%1&quot;: not an address</source>
        <translation>无法在“%1”上监听：不是地址</translation>
    </message>
    <message>
        <source>cannot listen on %1: %2</source>
        <translation>无法在 %1 上监听：%2</translation>
    </message>
    <message>
        <source>refused a client from %1</source>
        <translation>拒绝了来自 %1 的客户端</translation>
    </message>
    <message>
        <source>could not open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>client from %1 on %2</source>
        <translation>来自 %1 的客户端使用 %2</translation>
    </message>
    <message>
        <source>client gone; port closed</source>
        <translation>客户端已离开；端口已关闭</translation>
    </message>
    <message>
        <source>the port failed</source>
        <translation>端口出错</translation>
    </message>
    <message>
        <source>Read From Radio</source>
        <translation>从电台读取</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <source>Model Information</source>
        <translation>机型信息</translation>
    </message>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>Sort Channels</source>
        <translation>信道排序</translation>
    </message>
    <message>
        <source>Insert Channel</source>
        <translation>插入信道</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Edit Channel %1</source>
        <translation>编辑信道 %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>编辑 %1</translation>
    </message>
    <message>
        <source>Fill %1</source>
        <translation>填充 %1</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>移动 %1</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>剪切 %1</translation>
    </message>
    <message>
        <source>Paste %1</source>
        <translation>粘贴 %1</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>清空 %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>删除 %1</translation>
    </message>
    <message>
        <source>1 Channel</source>
        <translation>1 个信道</translation>
    </message>
    <message>
        <source>%1 Channels</source>
        <translation>%1 个信道</translation>
    </message>
    <message>
        <source>Please directly double click inside the table</source>
        <translation>请直接在表格内双击</translation>
    </message>
    <message>
        <source>%1  Writing  [%2</source>
        <translation>%1  写入     [%2</translation>
    </message>
    <message>
        <source>%1  Verifying [%2</source>
        <translation>%1  校验     [%2</translation>
    </message>
    <message>
        <source>%1  Done     [%2</source>
        <translation>%1  完成     [%2</translation>
    </message>
    <message>
        <source>%1  Failed   [%2</source>
        <translation>%1  失败     [%2</translation>
    </message>
    <message>
        <source>Done %1%</source>
        <translation>完成 %1%</translation>
    </message>
    <message>
        <source>Failed %1%</source>
        <translation>失败 %1%</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>正被另一个程序使用</translation>
    </message>
    <message>
        <source>the port stopped working (%1)</source>
        <translation>端口停止工作（%1）</translation>
    </message>
    <message>
        <source>read error</source>
        <translation>读取错误</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>写入错误</translation>
    </message>
    <message>
        <source>device gone</source>
        <translation>设备已移除</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>权限不足</translation>
    </message>
    <message>
        <source>i/o error</source>
        <translation>输入/输出错误</translation>
    </message>
    <message>
        <source>Found or sorted: Insert, Delete, Move, Sort and Fill are off</source>
        <translation>已查找或排序：插入、删除、移动、排序和填充不可用</translation>
    </message>
    <message>
        <source>Several channels are pasted only while every channel shows in channel order: they land on the channels after the first, which a found or sorted view hides or shows elsewhere. Close the find bar (Esc), and click a sorted column&apos;s header until its arrow goes.</source>
        <translation>只有全部信道按信道号顺序显示时才能粘贴多个信道：它们会落到第一个信道之后的信道上，而查找或排序后的视图会隐藏这些信道或把它们显示在别处。请关闭查找栏（Esc），并点击已排序列的表头，直到箭头消失。</translation>
    </message>
    <message>
        <source>Your account may not use %1. Add it to the group that owns the device (sudo usermod -aG %2 %3), then log out and in again.</source>
        <translation>您的账户无权使用 %1。请把账户加入拥有该设备的用户组（sudo usermod -aG %2 %3），然后注销并重新登录。</translation>
    </message>
    <message>
        <source>Your account may not use %1, and its group %2 may not either. A udev rule can give the device to a group such as dialout; then add your account to it (sudo usermod -aG dialout %3) and log out and in again.</source>
        <translation>您的账户无权使用 %1，其用户组 %2 也无权使用。可用 udev 规则把该设备交给 dialout 等用户组；然后把您的账户加入该组（sudo usermod -aG dialout %3），再注销并重新登录。</translation>
    </message>
    <message>
        <source>No such device: is the cable plugged in? (%1)</source>
        <translation>没有该设备：数据线插好了吗？（%1）</translation>
    </message>
    <message>
        <source>The serial ports present: %1.</source>
        <translation>现有的串口：%1。</translation>
    </message>
    <message>
        <source>No USB serial port is present, and the braille display service brltty is installed: it takes CH340 and other USB serial adapters for itself. Without a braille display, remove it (sudo apt remove brltty) or disable it (sudo systemctl mask brltty-udev.service), then plug the cable in again.</source>
        <translation>没有任何 USB 串口，而系统装有盲文显示服务 brltty：它会占用 CH340 等 USB 串口适配器。如果不用盲文显示器，请卸载它（sudo apt remove brltty）或禁用它（sudo systemctl mask brltty-udev.service），然后重新插上数据线。</translation>
    </message>
    <message>
        <source>The port %1 is in use by %2 (process %3). Close it, then try again.</source>
        <translation>端口 %1 正被 %2（进程 %3）占用。请关闭该程序后重试。</translation>
    </message>
    <message>
        <source>The port %1 is in use by another program. Close it, then try again.</source>
        <translation>端口 %1 正被另一个程序占用。请关闭该程序后重试。</translation>
    </message>
    <message>
        <source>The port %1 is in use by another window&apos;s transfer: wait until it ends.</source>
        <translation>端口 %1 正被另一个窗口的传输占用：请等待其结束。</translation>
    </message>
    <message>
        <source>The port %1 could not be opened: %2</source>
        <translation>无法打开端口 %1：%2</translation>
    </message>
    <message>
        <source>The serial trace was not kept: %1</source>
        <translation>未能保存串口记录：%1</translation>
    </message>
    <message>
        <source>tarn-cli: warning: no serial trace kept: %1</source>
        <translation>tarn-cli：警告：未保存串口记录：%1</translation>
    </message>
    <message>
        <source>tarn-cli: warning: the trace was not written to %1: %2</source>
        <translation>tarn-cli：警告：串口记录未写入 %1：%2</translation>
    </message>
    <message>
        <source>cannot write the trace %1: %2</source>
        <translation>无法写入串口记录 %1：%2</translation>
    </message>
    <message>
        <source>--trace takes one --port; a fleet&apos;s traces are kept in the traces folder</source>
        <translation>--trace 只能配合一个 --port；多台同时写入时，各自的串口记录保存在记录文件夹中</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>无法写入“%1”：%2</translation>
    </message>
    <message>
        <source>Written: %1 blocks</source>
        <translation>已写入：%1 个数据块</translation>
    </message>
    <message>
        <source>Written and verified: %1 blocks match</source>
        <translation>已写入并校验：%1 个数据块一致</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>设置：%1</translation>
    </message>
    <message>
        <source>Bytes no cell or setting shows: %1</source>
        <translation>表格和设置中都不显示的字节：%1 个</translation>
    </message>
    <message>
        <source>How the transfer ended was not kept beside its backup: %1</source>
        <translation>未能在备份旁记录传输结果：%1</translation>
    </message>
    <message>
        <source>The last channel written is channel %1.</source>
        <translation>最后写入的信道是信道 %1。</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>bytes no cell shows</source>
        <translation>表格中不显示的字节</translation>
    </message>
    <message>
        <source>No channel was written whole.</source>
        <translation>没有任何信道被完整写入。</translation>
    </message>
    <message>
        <source>Every channel was written; the settings were not.</source>
        <translation>所有信道均已写入，但设置未写入。</translation>
    </message>
    <message>
        <source>tarn-cli: warning: %1</source>
        <translation>tarn-cli：警告：%1</translation>
    </message>
</context>
<context>
    <name>tarn::QtShellDialogs</name>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Channel lists (*.csv);;All files (*)</source>
        <translation>信道列表 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>导出信道</translation>
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
    <message>
        <source>No serial trace has been kept yet. A trace of each transfer with the radio is kept in %1 (the last ten).</source>
        <translation>尚未保存任何串口记录。与对讲机的每次传输都会在 %1 中保存一份记录（保留最近十份）。</translation>
    </message>
    <message>
        <source>Could not show the serial trace %1: %2</source>
        <translation>无法显示串口记录 %1：%2</translation>
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
    <name>tarn::TraceViewer</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 不是普通文件。</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB.</source>
        <translation>%1 大于 %2 MiB。</translation>
    </message>
    <message>
        <source>Last Serial Trace</source>
        <translation>最近的串口记录</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Serial traces (*.trace);;All files (*)</source>
        <translation>串口记录 (*.trace);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Could not save the serial trace as %1: %2</source>
        <translation>无法将串口记录另存为 %1：%2</translation>
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
    <message>
        <source>Close</source>
        <translation>关闭</translation>
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
<context>
    <name>tarn::WindowCaptions</name>
    <message>
        <source>Channel Information [Channel-%1]</source>
        <translation>信道信息 [信道-%1]</translation>
    </message>
</context>
<context>
    <name>tarn::cli::Help</name>
    <message>
        <source>Usage: tarn-cli apply FILE.sin TABLE.tsv [-o OUT.sin]

Stores a channel table in the layout &apos;tarn-cli show&apos; prints into the memory image
of FILE.sin (or of a copy written to OUT.sin), exactly as saving from the channel
grid does, including the row dump 1.txt in the current folder. The table may list
some channels only, in any order: each line goes to the channel its Channel NO.
names, and channels not listed keep every byte they had. Every cell is checked as
the grid&apos;s editor would check it; if anything is wrong, each bad cell is reported
and nothing is written. A number cell must be a number as a whole: digits,
optionally a point and more digits (no sign, exponent or comma).

TABLE.tsv &apos;-&apos; reads the table from standard input; -o - writes the image to
standard output (refused when that is a terminal). The row dump is written only
once the image is stored.
</source>
        <translation>用法：tarn-cli apply FILE.sin TABLE.tsv [-o OUT.sin]

把一张与“tarn-cli show”输出格式相同的信道表存入 FILE.sin 的存储映像（或写到
OUT.sin 的副本），与在信道表格中保存完全一样，包括当前文件夹中的行转储文件
1.txt。表中可以只列部分信道，顺序不限：每行写入其 Channel NO. 所指的信道，
未列出的信道的每个字节都保持不变。每个单元格都按表格编辑器的规则检查；只要
有错，就逐一报告每个有误的单元格，并且什么都不写入。数字单元格必须整体是一个
数：数字，可带一个小数点及其后的数字（不能有正负号、指数或逗号）。

TABLE.tsv 为“-”时从标准输入读取表格；-o - 把映像写到标准输出（标准输出为
终端时拒绝）。只有在映像存好之后才写行转储文件。
</translation>
    </message>
    <message>
        <source>store an edited channel table into a memory image</source>
        <translation>把编辑过的信道表存入存储映像</translation>
    </message>
    <message>
        <source>Usage: tarn-cli bridge --port PORT [--listen HOST:PORT] [--allow-origin ORIGIN]...
                       [--allow-remote]

Relays PORT (opened 9600 8N1 while a page uses it) over a WebSocket, so the TARN
page in a browser reaches a radio on this computer or, for a wired LAN, another.
Prints the address to give the page: open it as tarn.html?bridge=ADDRESS, or choose
&quot;Remote port...&quot; in its progress window. Runs until interrupted.

  --port PORT           the serial port (COM1, /dev/ttyUSB0, ...)
  --listen HOST:PORT    where to listen (default 127.0.0.1:8890; port 0: any)
  --allow-origin ORIGIN also accept pages from ORIGIN (pages opened from disk,
                        http://localhost and http://127.0.0.1 always are)
  --allow-remote        allow --listen on an address other computers reach

Only a client presenting the address&apos;s token is served, one at a time; others are
closed with code 1013.
</source>
        <translation>用法：tarn-cli bridge --port PORT [--listen HOST:PORT] [--allow-origin ORIGIN]...
                       [--allow-remote]

通过 WebSocket 转接串口 PORT（网页使用时以 9600 8N1 打开），使浏览器中的 TARN
网页能连到本机上的对讲机，在有线局域网中也可连到另一台计算机上的对讲机。
程序会输出交给网页的地址：以 tarn.html?bridge=ADDRESS 打开网页，或在其进度
窗口中选择“Remote port...”。一直运行到被中断为止。

  --port PORT           串口（COM1、/dev/ttyUSB0 等）
  --listen HOST:PORT    监听地址（默认 127.0.0.1:8890；端口 0：任意端口）
  --allow-origin ORIGIN 也接受来自 ORIGIN 的网页（从磁盘打开的网页、
                        http://localhost 和 http://127.0.0.1 总是接受）
  --allow-remote        允许 --listen 使用其他计算机可以访问的地址

只为出示该地址令牌的客户端服务，且一次只服务一个；其他连接以代码 1013 关闭。
</translation>
    </message>
    <message>
        <source>relay a serial port to the browser page</source>
        <translation>把串口转接给浏览器网页</translation>
    </message>
    <message>
        <source>Usage: tarn-cli check FILE.sin

Lists, one line per channel and column, what the radio cannot use or the program
would not keep as it is:
  - a frequency outside the band of Model Information&apos;s Frequency entry (an
    image whose band names no entry is not checked for band)
  - bytes the channel grid cannot show as they are, so that opening and saving
    the file would change them: the power code 11, a tone or code that is no
    list entry, digits that are no decimal digits
Nothing is changed.
</source>
        <translation>用法：tarn-cli check FILE.sin

逐个信道、逐列列出对讲机无法使用或程序不能按原样保留的内容，每项一行：
  - 超出“机型信息”中“频率”项所指频段的频率（频段不对应任何一项的映像
    不做频段检查）
  - 信道表格无法按原样显示、因而打开再保存文件就会改变的字节：功率代码 11、
    不在列表中的亚音或数字码、不是十进制数字的数位
不做任何修改。
</translation>
    </message>
    <message>
        <source>list channels the radio cannot use or a save would change</source>
        <translation>列出对讲机无法使用或保存时会改变的信道</translation>
    </message>
    <message>
        <source>Usage: tarn-cli VERB [ARGS]

Verbs:
</source>
        <translation>用法：tarn-cli VERB [ARGS]

子命令：
</translation>
    </message>
    <message>
        <source>
Channel files are 8192 bytes; show, apply, import, export, diff and write refuse
any other size unless given --any-size (the first 8192 bytes of a larger file).

&apos;tarn-cli VERB --help&apos; describes a verb.
</source>
        <translation>
信道文件为 8192 字节；show、apply、import、export、diff 和 write 拒绝其他大小
的文件，除非给出 --any-size（取较大文件的前 8192 字节）。

“tarn-cli VERB --help”说明一个子命令。
</translation>
    </message>
    <message>
        <source>Usage: tarn-cli diff A.sin B.sin [--json]

Lists what differs from A to B as TARN shows it: channel by channel the cells of
the grid (&quot;CH 12  RX Freq  146.52000 -&gt; 146.52500&quot;), then the radio-wide settings
by the names of the option dialogs (&quot;Squelch Level  4 -&gt; 7&quot;), then how many other
bytes a radio transfer moves differ. Bytes that only files keep (never sent to a
radio) are counted on a line of their own and do not make the images differ.
An empty cell shows as (empty), a setting with no list entry as (none).

  --json   the same as one JSON object:
           {&quot;equal&quot;: BOOL,
            &quot;channels&quot;: [{&quot;channel&quot;: N, &quot;field&quot;: &quot;RX Freq&quot;, &quot;from&quot;: TEXT,
                          &quot;to&quot;: TEXT}, ...],
            &quot;settings&quot;: [{&quot;name&quot;: &quot;Squelch Level&quot;, &quot;from&quot;: TEXT, &quot;to&quot;: TEXT},
                         ...],
            &quot;otherBytes&quot;: N, &quot;untransferredBytes&quot;: N}

Exit status, as diff(1): 0 equal, 1 different, 2 a usage or file error, or a
report that could not be written.
</source>
        <translation>用法：tarn-cli diff A.sin B.sin [--json]

按 TARN 的显示方式列出从 A 到 B 的不同之处：先逐个信道列出表格中的单元格
（&quot;CH 12  RX Freq  146.52000 -&gt; 146.52500&quot;），再按选项对话框中的名称列出整机
设置（&quot;Squelch Level  4 -&gt; 7&quot;），最后是对讲机传输所涉及的其他字节中有多少个
不同。只保存在文件中（从不发送给对讲机）的字节单独占一行计数，不会使两个
映像被视为不同。空单元格显示为 (empty)，没有对应列表项的设置显示为 (none)。
报告本身总是英文，便于脚本处理。

  --json   以一个 JSON 对象给出同样的内容：
           {&quot;equal&quot;: BOOL,
            &quot;channels&quot;: [{&quot;channel&quot;: N, &quot;field&quot;: &quot;RX Freq&quot;, &quot;from&quot;: TEXT,
                          &quot;to&quot;: TEXT}, ...],
            &quot;settings&quot;: [{&quot;name&quot;: &quot;Squelch Level&quot;, &quot;from&quot;: TEXT, &quot;to&quot;: TEXT},
                         ...],
            &quot;otherBytes&quot;: N, &quot;untransferredBytes&quot;: N}

退出状态与 diff(1) 相同：0 相同，1 不同，2 用法或文件错误，或报告无法写出。
</translation>
    </message>
    <message>
        <source>list what differs between two memory images</source>
        <translation>列出两个存储映像之间的不同之处</translation>
    </message>
    <message>
        <source>done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>a file or data error</source>
        <translation>文件或数据错误</translation>
    </message>
    <message>
        <source>wrong arguments</source>
        <translation>参数错误</translation>
    </message>
    <message>
        <source>no radio, a communication error or a refused radio type; nothing was
       written to the radio</source>
        <translation>没有对讲机、通信错误或对讲机型号被拒绝；没有向对讲机
       写入任何内容</translation>
    </message>
    <message>
        <source>the write stopped (failed or cancelled) after the radio was partly
       written: write it again before use</source>
        <translation>写入在对讲机已被部分写入后停止（失败或取消）：使用前
       请重新写入</translation>
    </message>
    <message>
        <source>cancelled before anything was written to the radio</source>
        <translation>在向对讲机写入任何内容之前已取消</translation>
    </message>
    <message>
        <source>the radio read back differs from what was written</source>
        <translation>从对讲机读回的内容与写入的不同</translation>
    </message>
    <message>
        <source>the radio could not be read back to verify the write</source>
        <translation>无法从对讲机读回以校验写入</translation>
    </message>
    <message>
        <source>channels were found outside the model&apos;s band or with bytes a save
       would change</source>
        <translation>发现了超出机型频段的信道，或保存时会改变的字节</translation>
    </message>
    <message>
        <source>
Exit status:
</source>
        <translation>
退出状态：
</translation>
    </message>
    <message>
        <source>Usage: tarn-cli export FILE.sin [LIST.csv]

Writes every channel of FILE.sin that has an RX frequency, in channel order, as a
channel list in CHIRP&apos;s CSV format: to LIST.csv, or to standard output without it
or with &apos;-&apos;. A channel with only a TX frequency cannot be written; it is left out
and named on standard error.
</source>
        <translation>用法：tarn-cli export FILE.sin [LIST.csv]

把 FILE.sin 中每个有接收频率的信道按信道顺序写成 CHIRP CSV 格式的信道列表：
写到 LIST.csv；没有给出或为“-”时写到标准输出。只有发射频率的信道无法写出；
它被略去，并在标准错误输出中列出。
</translation>
    </message>
    <message>
        <source>write the channels of a memory image as a CHIRP CSV list</source>
        <translation>把存储映像的信道写成 CHIRP CSV 列表</translation>
    </message>
    <message>
        <source>  --any-size     take the first 8192 bytes of a larger channel file (by default
                 a file of any size but 8192 bytes is refused)
</source>
        <translation>  --any-size     取较大信道文件的前 8192 字节（默认拒绝大小不是 8192 字节
                 的文件）
</translation>
    </message>
    <message>
        <source>Usage: tarn-cli import FILE.sin LIST.csv [-o OUT.sin] [--replace] [--first N]

Places the channels of a channel list in CHIRP&apos;s CSV format into the memory image
of FILE.sin (or of a copy written to OUT.sin). Location n goes to channel n; when
the lowest Location is 0 every Location moves up by one; --first N puts the lowest
Location on channel N. Locations beyond the image&apos;s channels are left out. The
channels the list does not name keep what they had; --replace empties them.

Every cell is checked as the channel grid checks a typed value. If anything is
wrong, each bad cell is reported and nothing is written, not even 1.txt. Otherwise
the report goes to standard error, and the image and the row dump 1.txt in the
current folder are written as &apos;tarn-cli apply&apos; writes them (-o - writes the image
to standard output, refused when that is a terminal).
</source>
        <translation>用法：tarn-cli import FILE.sin LIST.csv [-o OUT.sin] [--replace] [--first N]

把 CHIRP CSV 格式信道列表中的信道放入 FILE.sin 的存储映像（或写到 OUT.sin 的
副本）。Location n 放到信道 n；最小的 Location 为 0 时，所有 Location 加一；
--first N 把最小的 Location 放到信道 N。超出映像信道数的 Location 被略去。
列表未提到的信道保持原样；--replace 则清空它们。

每个单元格都按信道表格检查输入值的规则检查。只要有错，就逐一报告每个有误的
单元格，并且什么都不写入，连 1.txt 也不写。否则报告写到标准错误输出，映像和
当前文件夹中的行转储文件 1.txt 按“tarn-cli apply”的方式写出（-o - 把映像写到
标准输出，标准输出为终端时拒绝）。
</translation>
    </message>
    <message>
        <source>place the channels of a CHIRP CSV list into a memory image</source>
        <translation>把 CHIRP CSV 列表中的信道放入存储映像</translation>
    </message>
    <message>
        <source>Usage: tarn-cli new FILE.sin

Writes the memory image of a new document: no channels programmed, 199 channels,
the default radio settings. An existing FILE is replaced.
</source>
        <translation>用法：tarn-cli new FILE.sin

写出一个新文档的存储映像：没有编程任何信道，199 个信道，对讲机设置为默认值。
已有的 FILE 会被替换。
</translation>
    </message>
    <message>
        <source>write a new, empty memory image</source>
        <translation>写出一个新的空白存储映像</translation>
    </message>
    <message>
        <source>list the serial ports</source>
        <translation>列出串口</translation>
    </message>
    <message>
        <source>Usage: tarn-cli read --port P [--retry N] [--force-type] OUT.sin

Reads the channels and settings from the radio into a new memory image and stores
it as OUT.sin (replaced as a whole, and only after a complete read). OUT.sin is
checked before the radio is touched; should storing still fail, the image is kept
in a file in the temporary folder and the message names it.

</source>
        <translation>用法：tarn-cli read --port P [--retry N] [--force-type] OUT.sin

从对讲机读取信道和设置到一个新的存储映像，并存为 OUT.sin（整体替换，且只在
完整读取之后）。接触对讲机之前先检查 OUT.sin；如果存储仍然失败，映像会保存在
临时文件夹中的一个文件里，并在消息中给出其名称。

</translation>
    </message>
    <message>
        <source>read a radio&apos;s memory into a .sin file</source>
        <translation>把对讲机的存储内容读入 .sin 文件</translation>
    </message>
    <message>
        <source>Usage: tarn-cli show FILE.sin

Prints the channel table as the channel grid shows it: a header line with the
seven column names, then one tab-separated line per channel (199, or 160 for the
models that have 160). Empty cells stay empty.
</source>
        <translation>用法：tarn-cli show FILE.sin

按信道表格的显示方式输出信道表：一行表头，列出七个列名，然后每个信道一行，
以制表符分隔（199 个，对有 160 个信道的机型为 160 个）。空单元格保持为空。
表头和内容总是英文，便于脚本处理。
</translation>
    </message>
    <message>
        <source>print the channel table as tab-separated text</source>
        <translation>以制表符分隔的文本输出信道表</translation>
    </message>
    <message>
        <source>Usage: tarn-cli sort FILE.sin --by rx|tx|dec|enc|power [--desc] [-o OUT.sin]

Reorders the channels of FILE.sin (or of a copy written to OUT.sin) by RX Freq,
TX Freq, QT/DQT Dec, QT/DQT Enc or TX Power, ascending or with --desc descending.
The sort is stable; tones go in the order of the tone list, power High, Middle,
Low, then the unnamed fourth value; channels without the value go last. Whole
16-byte channel rows move, so bits no column shows go with their channels. The
image and the row dump 1.txt in the current folder are written as &apos;tarn-cli
apply&apos; writes them (-o - writes the image to standard output, refused when that
is a terminal).
</source>
        <translation>用法：tarn-cli sort FILE.sin --by rx|tx|dec|enc|power [--desc] [-o OUT.sin]

按 RX Freq、TX Freq、QT/DQT Dec、QT/DQT Enc 或 TX Power 对 FILE.sin（或写到
OUT.sin 的副本）的信道重新排序，默认升序，给出 --desc 时降序。排序是稳定的；
亚音按亚音列表的顺序，功率按 High、Middle、Low，然后是未命名的第四个值；
没有该值的信道排在最后。移动的是整个 16 字节的信道行，因此没有任何列显示的
位也随其信道移动。映像和当前文件夹中的行转储文件 1.txt 按“tarn-cli apply”的
方式写出（-o - 把映像写到标准输出，标准输出为终端时拒绝）。
</translation>
    </message>
    <message>
        <source>reorder the channels of a memory image by a column</source>
        <translation>按某一列对存储映像的信道重新排序</translation>
    </message>
    <message>
        <source>  --port P       a device path such as /dev/ttyUSB0, or COM1 to COM4 (through
                 TARN_COM1..TARN_COM4, the settings, or /dev/ttyUSB0..3)
  --retry N      answer Retry to a communication error up to N times (default 0)
  --force-type   continue when the radio reports another radio type

Every message of the radio link is printed to stderr. Ctrl-C, SIGTERM and SIGHUP
cancel the transfer and close the port properly. Every image read, and every
image written, is kept as a backup in $XDG_DATA_HOME/tarn/backups (default
~/.local/share/tarn/backups; the newest 200 are kept); its path is printed to
stderr.
</source>
        <translation>  --port P       设备路径，例如 /dev/ttyUSB0，或 COM1 到 COM4（经由
                 TARN_COM1..TARN_COM4、设置或 /dev/ttyUSB0..3）
  --retry N      遇到通信错误时最多重试 N 次（默认 0）
  --force-type   对讲机报告的是另一种型号时仍然继续

对讲机链路的每条消息都输出到标准错误输出。Ctrl-C、SIGTERM 和 SIGHUP 会取消
传输并正确关闭端口。每次读取的映像和每次写入的映像都作为备份保存在
$XDG_DATA_HOME/tarn/backups（默认 ~/.local/share/tarn/backups；保留最新的
200 个）；其路径输出到标准错误输出。
</translation>
    </message>
    <message>
        <source>Usage: tarn-cli write --port P [--port P2 ...] [--verify] [--retry N] [--force-type]
                      IN.sin

Writes the channels and settings of IN.sin, as the file holds them, into the
radio.

  --verify       read the radio back after the write and compare it with what was
                 sent (the last 8 settings bytes are never read back)
  --port P2 ...  up to 8 ports: every radio is written at the same time, each with
                 a progress line and a backup of its own; a table of the outcomes
                 goes to stdout and the exit status is the gravest one met, in the
                 order 4, 6, 7, 3, 5, 1
A channel outside the band of the file&apos;s model is written as it is, after a
warning on stderr that lists such channels (&apos;tarn-cli check&apos; says more).
</source>
        <translation>用法：tarn-cli write --port P [--port P2 ...] [--verify] [--retry N] [--force-type]
                      IN.sin

把 IN.sin 的信道和设置按文件中的原样写入对讲机。

  --verify       写入后从对讲机读回，并与发送的内容比较（设置的最后 8 个字节
                 从不读回）
  --port P2 ...  最多 8 个端口：所有对讲机同时写入，各有自己的进度行和备份；
                 结果表输出到标准输出，退出状态取遇到的最严重的一个，顺序为
                 4、6、7、3、5、1
超出文件所属机型频段的信道按原样写入，写入前在标准错误输出中给出列出这些信道
的警告（“tarn-cli check”给出更多信息）。
</translation>
    </message>
    <message>
        <source>write a .sin file into a radio</source>
        <translation>把 .sin 文件写入对讲机</translation>
    </message>
    <message>
        <source>Usage: tarn-cli ports [--json]

Lists the serial ports the system reports, one a line, tab-separated: device path,
description, USB vendor:product ids, manufacturer, serial number (&quot;-&quot; where
unknown). Where COM1 to COM4 lead goes to stderr.
</source>
        <translation>用法：tarn-cli ports [--json]

列出系统报告的串口，每行一个，以制表符分隔：设备路径、描述、USB 厂商:产品
编号、制造商、序列号（未知处为“-”）。COM1 到 COM4 分别通向哪里，写到标准
错误输出。
</translation>
    </message>
    <message>
        <source>
  --json   print a JSON array instead, one object a port: device, description,
           manufacturer, vendor_id, product_id, serial_number and chip (the
           USB serial adapter&apos;s chip, such as CH340/CH341); null where unknown
</source>
        <translation>
  --json   改为输出一个 JSON 数组，每个端口一个对象：device、description、
           manufacturer、vendor_id、product_id、serial_number 和 chip（USB 串口
           适配器的芯片，如 CH340/CH341）；未知处为 null
</translation>
    </message>
    <message>
        <source>
  --trace FILE   write the serial trace of the transfer to FILE as well

The bytes of every transfer, both ways, are kept as a serial trace in
$XDG_STATE_HOME/tarn/traces (default ~/.local/state/tarn/traces; the newest 10
are kept).
</source>
        <translation>
  --trace FILE   同时将本次传输的串口记录写入 FILE

每次传输双向的字节都会作为串口记录保存在
$XDG_STATE_HOME/tarn/traces（默认 ~/.local/state/tarn/traces；保留最新的 10 份）。
</translation>
    </message>
</context>
</TS>
