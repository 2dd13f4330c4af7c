<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>DisplaySession</name>
    <message>
        <source>keep the graph window on top of other windows</source>
        <translation>keep the graph window on top of other windows</translation>
    </message>
    <message>
        <source>put the graph window back where it was</source>
        <translation>put the graph window back where it was</translation>
    </message>
    <message>
        <source>use a global hot key for click-through</source>
        <translation>use a global hot key for click-through</translation>
    </message>
    <message>
        <source>On this Wayland session without XWayland, Meterly cannot %1.</source>
        <translation>On this Wayland session without XWayland, Meterly cannot %1.</translation>
    </message>
    <message>
        <source>, nor </source>
        <translation>, nor </translation>
    </message>
</context>
<context>
    <name>SettingsItems</name>
    <message>
        <source>条形图</source>
        <translation>Bar graph</translation>
    </message>
    <message>
        <source>折线图</source>
        <translation>Line graph</translation>
    </message>
    <message>
        <source>仅数值</source>
        <translation>Numbers only</translation>
    </message>
    <message>
        <source>当前传送率</source>
        <translation>Current transfer rate</translation>
    </message>
    <message>
        <source>每日通信量</source>
        <translation>Daily traffic</translation>
    </message>
    <message>
        <source>每周通信量</source>
        <translation>Weekly traffic</translation>
    </message>
    <message>
        <source>每月通信量</source>
        <translation>Monthly traffic</translation>
    </message>
    <message>
        <source>拨号持续时间</source>
        <translation>Dial-up duration</translation>
    </message>
    <message>
        <source>图表使用情况</source>
        <translation>Usage chart</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>十亿字节</source>
        <translation>Gigabytes</translation>
    </message>
    <message>
        <source>兆字节</source>
        <translation>Megabytes</translation>
    </message>
    <message>
        <source>千字节</source>
        <translation>Kilobytes</translation>
    </message>
    <message>
        <source>字节</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>周一</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>周二</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>周三</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>周四</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>周五</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>周六</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>周日</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>字节/秒</source>
        <translation>Bytes/s</translation>
    </message>
    <message>
        <source>比特/秒</source>
        <translation>Bits/s</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>meterly: unknown option %1
</source>
        <translation>meterly: unknown option %1
</translation>
    </message>
</context>
<context>
    <name>meterly::MeterlyApp</name>
    <message>
        <source>Meterly cannot start: %1</source>
        <translation>Meterly cannot start: %1</translation>
    </message>
    <message>
        <source>%1
The default settings apply, and changes will not be saved.</source>
        <translation>%1
The default settings apply, and changes will not be saved.</translation>
    </message>
</context>
<context>
    <name>meterly::TGraphColoursPage</name>
    <message>
        <source>背景(&amp;B):</source>
        <translation>&amp;Back:</translation>
    </message>
    <message>
        <source>下载(&amp;D):</source>
        <translation>&amp;Down:</translation>
    </message>
    <message>
        <source>上传(&amp;U):</source>
        <translation>&amp;Up:</translation>
    </message>
    <message>
        <source>重叠(&amp;V):</source>
        <translation>B&amp;oth:</translation>
    </message>
    <message>
        <source>文字(&amp;X):</source>
        <translation>Te&amp;xt:</translation>
    </message>
    <message>
        <source>边框(&amp;M):</source>
        <translation>Fra&amp;me:</translation>
    </message>
    <message>
        <source>图表类型</source>
        <translation>Graph Type</translation>
    </message>
    <message>
        <source>渐变背景(&amp;G)</source>
        <translation>&amp;Gradient background</translation>
    </message>
    <message>
        <source>双击选择渐变颜色</source>
        <translation>Double-click to choose the gradient colour</translation>
    </message>
    <message>
        <source>背景图像(&amp;I):</source>
        <translation>Background &amp;image:</translation>
    </message>
    <message>
        <source>预览:</source>
        <translation>Preview:</translation>
    </message>
    <message>
        <source>Images (*.bmp)</source>
        <translation>Images (*.bmp)</translation>
    </message>
</context>
<context>
    <name>meterly::TGraphViewPage</name>
    <message>
        <source>图示窗口</source>
        <translation>Graph Window</translation>
    </message>
    <message>
        <source>总在最前(&amp;T)</source>
        <translation>Stay on &amp;top</translation>
    </message>
    <message>
        <source>贴靠屏幕边缘(&amp;K)</source>
        <translation>Stic&amp;k to screen edges</translation>
    </message>
    <message>
        <source>显示标题栏(&amp;C)</source>
        <translation>Show &amp;caption bar</translation>
    </message>
    <message>
        <source>在托盘图标中显示(&amp;I)</source>
        <translation>Show &amp;in the tray icon</translation>
    </message>
    <message>
        <source>恢复位置(&amp;R)</source>
        <translation>&amp;Reset position</translation>
    </message>
    <message>
        <source>图表</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>网格和刻度(&amp;G)</source>
        <translation>&amp;Grid and scale</translation>
    </message>
    <message>
        <source>每分钟刻度线(&amp;M)</source>
        <translation>&amp;Minute ticks</translation>
    </message>
    <message>
        <source>平滑峰值(&amp;S)</source>
        <translation>&amp;Smooth spikes</translation>
    </message>
    <message>
        <source>从左向右滚动(&amp;L)</source>
        <translation>Scroll &amp;left to right</translation>
    </message>
    <message>
        <source>固定刻度(&amp;F):</source>
        <translation>&amp;Fixed scale:</translation>
    </message>
    <message>
        <source>/秒</source>
        <translation>/s</translation>
    </message>
    <message>
        <source>透明</source>
        <translation>Transparency</translation>
    </message>
    <message>
        <source>启用透明(&amp;E)</source>
        <translation>&amp;Enable transparency</translation>
    </message>
    <message>
        <source>单击贯穿(&amp;H)</source>
        <translation>Click-t&amp;hrough</translation>
    </message>
    <message>
        <source>热键(&amp;Y):</source>
        <translation>Hot ke&amp;y:</translation>
    </message>
</context>
<context>
    <name>meterly::TMainMeterlyForm</name>
    <message>
        <source>设置(&amp;S)</source>
        <comment>tray menu</comment>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <comment>tray menu</comment>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>关于 Meterly(&amp;B)</source>
        <comment>tray menu</comment>
        <translation>A&amp;bout Meterly</translation>
    </message>
    <message>
        <source>退出(&amp;E)</source>
        <comment>tray menu</comment>
        <translation>&amp;Exit</translation>
    </message>
    <message>
        <source>使用统计(&amp;U)</source>
        <comment>tray menu</comment>
        <translation>&amp;Usage Statistics</translation>
    </message>
    <message>
        <source>配额(&amp;Q)</source>
        <comment>tray menu</comment>
        <translation>&amp;Quota</translation>
    </message>
    <message>
        <source>图表(&amp;G)</source>
        <comment>tray menu</comment>
        <translation>&amp;Graph</translation>
    </message>
    <message>
        <source>重置图形(&amp;R)</source>
        <comment>tray menu</comment>
        <translation>&amp;Reset Graph</translation>
    </message>
    <message>
        <source>启用图示 单击-贯穿的(&amp;C)</source>
        <comment>tray menu</comment>
        <translation>Enable Graph &amp;Click-Through</translation>
    </message>
    <message>
        <source>Unable to enumerate network connections: %1</source>
        <translation>Unable to enumerate network connections: %1</translation>
    </message>
    <message>
        <source>Meterly
Usage is not being recorded</source>
        <translation>Meterly
Usage is not being recorded</translation>
    </message>
    <message>
        <source>%1

Meterly goes on showing live speeds, but usage is not being recorded until the database can be opened.</source>
        <translation>%1

Meterly goes on showing live speeds, but usage is not being recorded until the database can be opened.</translation>
    </message>
    <message>
        <source>Usage could not be written; it is kept and written again later: %1</source>
        <translation>Usage could not be written; it is kept and written again later: %1</translation>
    </message>
    <message>
        <source>A part of Meterly failed; the monitor goes on: %1</source>
        <translation>A part of Meterly failed; the monitor goes on: %1</translation>
    </message>
    <message>
        <source>The live figures cannot be published for other programs: %1</source>
        <translation>The live figures cannot be published for other programs: %1</translation>
    </message>
    <message>
        <source>Dial-up sessions are not logged: %1</source>
        <translation>Dial-up sessions are not logged: %1</translation>
    </message>
    <message>
        <source>Cannot use %1 as a hotkey: %2</source>
        <translation>Cannot use %1 as a hotkey: %2</translation>
    </message>
    <message>
        <source>If you do not see the graph because it is shown off-screen, click OK to restore its original position and size</source>
        <translation>If you do not see the graph because it is shown off-screen, click OK to restore its original position and size</translation>
    </message>
    <message>
        <source>Ping and trace route: %1</source>
        <translation>Ping and trace route: %1</translation>
    </message>
    <message>
        <source>The usage statistics cannot be shown: %1</source>
        <translation>The usage statistics cannot be shown: %1</translation>
    </message>
    <message>
        <source>The network tools could not be stopped: %1</source>
        <translation>The network tools could not be stopped: %1</translation>
    </message>
    <message>
        <source>The dial-up logger could not be stopped: %1</source>
        <translation>The dial-up logger could not be stopped: %1</translation>
    </message>
    <message>
        <source>The speed meters could not be closed: %1</source>
        <translation>The speed meters could not be closed: %1</translation>
    </message>
    <message>
        <source>The statistics windows could not be closed: %1</source>
        <translation>The statistics windows could not be closed: %1</translation>
    </message>
    <message>
        <source>The tray icon could not be removed: %1</source>
        <translation>The tray icon could not be removed: %1</translation>
    </message>
    <message>
        <source>The last usage could not be read: %1</source>
        <translation>The last usage could not be read: %1</translation>
    </message>
    <message>
        <source>The last usage could not be written: %1</source>
        <translation>The last usage could not be written: %1</translation>
    </message>
    <message>
        <source>The quota window could not be closed: %1</source>
        <translation>The quota window could not be closed: %1</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>The settings could not be saved: %1</translation>
    </message>
    <message>
        <source>The windows could not be closed: %1</source>
        <translation>The windows could not be closed: %1</translation>
    </message>
    <message>
        <source>Meterly finds no system tray on this desktop, so its graph window stands in for the tray icon: right-click the graph for the menu. Usage is still being recorded, and the icon appears as soon as a system tray does.</source>
        <translation>Meterly finds no system tray on this desktop, so its graph window stands in for the tray icon: right-click the graph for the menu. Usage is still being recorded, and the icon appears as soon as a system tray does.</translation>
    </message>
</context>
<context>
    <name>meterly::TSettingsWindow</name>
    <message>
        <source>Meterly 设置</source>
        <translation>Meterly Settings</translation>
    </message>
    <message>
        <source>常规</source>
        <translation>General</translation>
    </message>
    <message>
        <source>图示</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>图表颜色</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>通知</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>高级</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>托盘图标显示</source>
        <translation>Tray Icon Shows</translation>
    </message>
    <message>
        <source>速度单位</source>
        <translation>Speed Unit</translation>
    </message>
    <message>
        <source>登录时自动启动</source>
        <translation>Start at logon</translation>
    </message>
    <message>
        <source>启动时显示图表</source>
        <translation>Show graph at start-up</translation>
    </message>
    <message>
        <source>报告列表显示网格线</source>
        <translation>Grid in reports</translation>
    </message>
    <message>
        <source>自动检查新版本</source>
        <translation>Check for updates</translation>
    </message>
    <message>
        <source>通信量单位(&amp;U):</source>
        <translation>Traffic &amp;unit:</translation>
    </message>
    <message>
        <source>监视的网络连接</source>
        <translation>Monitored Network Connection</translation>
    </message>
    <message>
        <source>高峰时段</source>
        <translation>Peak Hours</translation>
    </message>
    <message>
        <source> 时</source>
        <translation> h</translation>
    </message>
    <message>
        <source>从(&amp;F):</source>
        <translation>&amp;From:</translation>
    </message>
    <message>
        <source>到(&amp;T):</source>
        <translation>&amp;To:</translation>
    </message>
    <message>
        <source>统计周期</source>
        <translation>Statistics Periods</translation>
    </message>
    <message>
        <source>每周开始于(&amp;W):</source>
        <translation>&amp;Week starts on:</translation>
    </message>
    <message>
        <source>每月开始于(&amp;M):</source>
        <translation>&amp;Month starts on day:</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>应用(&amp;A)</source>
        <translation>&amp;Apply</translation>
    </message>
</context>
</TS>
