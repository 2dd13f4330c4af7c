<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DisplaySession</name>
    <message>
        <source>keep the graph window on top of other windows</source>
        <translation>让图示窗口保持在其他窗口之上</translation>
    </message>
    <message>
        <source>put the graph window back where it was</source>
        <translation>把图示窗口放回原来的位置</translation>
    </message>
    <message>
        <source>use a global hot key for click-through</source>
        <translation>用全局热键切换单击贯穿</translation>
    </message>
    <message>
        <source>On this Wayland session without XWayland, Meterly cannot %1.</source>
        <translation>在这个没有 XWayland 的 Wayland 会话中，Meterly 无法%1。</translation>
    </message>
    <message>
        <source>, nor </source>
        <translation>，也无法</translation>
    </message>
</context>
<context>
    <name>SettingsItems</name>
    <message>
        <source>条形图</source>
        <translation>条形图</translation>
    </message>
    <message>
        <source>折线图</source>
        <translation>折线图</translation>
    </message>
    <message>
        <source>仅数值</source>
        <translation>仅数值</translation>
    </message>
    <message>
        <source>当前传送率</source>
        <translation>当前传送率</translation>
    </message>
    <message>
        <source>每日通信量</source>
        <translation>每日通信量</translation>
    </message>
    <message>
        <source>每周通信量</source>
        <translation>每周通信量</translation>
    </message>
    <message>
        <source>每月通信量</source>
        <translation>每月通信量</translation>
    </message>
    <message>
        <source>拨号持续时间</source>
        <translation>拨号持续时间</translation>
    </message>
    <message>
        <source>图表使用情况</source>
        <translation>图表使用情况</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>十亿字节</source>
        <translation>十亿字节</translation>
    </message>
    <message>
        <source>兆字节</source>
        <translation>兆字节</translation>
    </message>
    <message>
        <source>千字节</source>
        <translation>千字节</translation>
    </message>
    <message>
        <source>字节</source>
        <translation>字节</translation>
    </message>
    <message>
        <source>周一</source>
        <translation>周一</translation>
    </message>
    <message>
        <source>周二</source>
        <translation>周二</translation>
    </message>
    <message>
        <source>周三</source>
        <translation>周三</translation>
    </message>
    <message>
        <source>周四</source>
        <translation>周四</translation>
    </message>
    <message>
        <source>周五</source>
        <translation>周五</translation>
    </message>
    <message>
        <source>周六</source>
        <translation>周六</translation>
    </message>
    <message>
        <source>周日</source>
        <translation>周日</translation>
    </message>
    <message>
        <source>字节/秒</source>
        <translation>字节/秒</translation>
    </message>
    <message>
        <source>比特/秒</source>
        <translation>比特/秒</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>meterly: unknown option %1
</source>
        <translation>meterly: 未知选项 %1
</translation>
    </message>
</context>
<context>
    <name>meterly::MeterlyApp</name>
    <message>
        <source>Meterly cannot start: %1</source>
        <translation>Meterly 无法启动：%1</translation>
    </message>
    <message>
        <source>%1
The default settings apply, and changes will not be saved.</source>
        <translation>%1
将使用默认设置，更改不会被保存。</translation>
    </message>
</context>
<context>
    <name>meterly::TGraphColoursPage</name>
    <message>
        <source>背景(&amp;B):</source>
        <translation>背景(&amp;B):</translation>
    </message>
    <message>
        <source>下载(&amp;D):</source>
        <translation>下载(&amp;D):</translation>
    </message>
    <message>
        <source>上传(&amp;U):</source>
        <translation>上传(&amp;U):</translation>
    </message>
    <message>
        <source>重叠(&amp;V):</source>
        <translation>重叠(&amp;V):</translation>
    </message>
    <message>
        <source>文字(&amp;X):</source>
        <translation>文字(&amp;X):</translation>
    </message>
    <message>
        <source>边框(&amp;M):</source>
        <translation>边框(&amp;M):</translation>
    </message>
    <message>
        <source>图表类型</source>
        <translation>图表类型</translation>
    </message>
    <message>
        <source>渐变背景(&amp;G)</source>
        <translation>渐变背景(&amp;G)</translation>
    </message>
    <message>
        <source>双击选择渐变颜色</source>
        <translation>双击选择渐变颜色</translation>
    </message>
    <message>
        <source>背景图像(&amp;I):</source>
        <translation>背景图像(&amp;I):</translation>
    </message>
    <message>
        <source>预览:</source>
        <translation>预览:</translation>
    </message>
    <message>
        <source>Images (*.bmp)</source>
        <translation>图像 (*.bmp)</translation>
    </message>
</context>
<context>
    <name>meterly::TGraphViewPage</name>
    <message>
        <source>图示窗口</source>
        <translation>图示窗口</translation>
    </message>
    <message>
        <source>总在最前(&amp;T)</source>
        <translation>总在最前(&amp;T)</translation>
    </message>
    <message>
        <source>贴靠屏幕边缘(&amp;K)</source>
        <translation>贴靠屏幕边缘(&amp;K)</translation>
    </message>
    <message>
        <source>显示标题栏(&amp;C)</source>
        <translation>显示标题栏(&amp;C)</translation>
    </message>
    <message>
        <source>在托盘图标中显示(&amp;I)</source>
        <translation>在托盘图标中显示(&amp;I)</translation>
    </message>
    <message>
        <source>恢复位置(&amp;R)</source>
        <translation>恢复位置(&amp;R)</translation>
    </message>
    <message>
        <source>图表</source>
        <translation>图表</translation>
    </message>
    <message>
        <source>网格和刻度(&amp;G)</source>
        <translation>网格和刻度(&amp;G)</translation>
    </message>
    <message>
        <source>每分钟刻度线(&amp;M)</source>
        <translation>每分钟刻度线(&amp;M)</translation>
    </message>
    <message>
        <source>平滑峰值(&amp;S)</source>
        <translation>平滑峰值(&amp;S)</translation>
    </message>
    <message>
        <source>从左向右滚动(&amp;L)</source>
        <translation>从左向右滚动(&amp;L)</translation>
    </message>
    <message>
        <source>固定刻度(&amp;F):</source>
        <translation>固定刻度(&amp;F):</translation>
    </message>
    <message>
        <source>/秒</source>
        <translation>/秒</translation>
    </message>
    <message>
        <source>透明</source>
        <translation>透明</translation>
    </message>
    <message>
        <source>启用透明(&amp;E)</source>
        <translation>启用透明(&amp;E)</translation>
    </message>
    <message>
        <source>单击贯穿(&amp;H)</source>
        <translation>单击贯穿(&amp;H)</translation>
    </message>
    <message>
        <source>热键(&amp;Y):</source>
        <translation>热键(&amp;Y):</translation>
    </message>
</context>
<context>
    <name>meterly::TMainMeterlyForm</name>
    <message>
        <source>设置(&amp;S)</source>
        <comment>tray menu</comment>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <comment>tray menu</comment>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>关于 Meterly(&amp;B)</source>
        <comment>tray menu</comment>
        <translation>关于 Meterly(&amp;B)</translation>
    </message>
    <message>
        <source>退出(&amp;E)</source>
        <comment>tray menu</comment>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>使用统计(&amp;U)</source>
        <comment>tray menu</comment>
        <translation>使用统计(&amp;U)</translation>
    </message>
    <message>
        <source>配额(&amp;Q)</source>
        <comment>tray menu</comment>
        <translation>配额(&amp;Q)</translation>
    </message>
    <message>
        <source>图表(&amp;G)</source>
        <comment>tray menu</comment>
        <translation>图表(&amp;G)</translation>
    </message>
    <message>
        <source>重置图形(&amp;R)</source>
        <comment>tray menu</comment>
        <translation>重置图形(&amp;R)</translation>
    </message>
    <message>
        <source>启用图示 单击-贯穿的(&amp;C)</source>
        <comment>tray menu</comment>
        <translation>启用图示 单击-贯穿的(&amp;C)</translation>
    </message>
    <message>
        <source>Unable to enumerate network connections: %1</source>
        <translation>无法列出网络连接：%1</translation>
    </message>
    <message>
        <source>Meterly
Usage is not being recorded</source>
        <translation>Meterly
未在记录使用量</translation>
    </message>
    <message>
        <source>%1

Meterly goes on showing live speeds, but usage is not being recorded until the database can be opened.</source>
        <translation>%1

Meterly 继续显示实时速度，但在能够打开数据库之前不会记录使用量。</translation>
    </message>
    <message>
        <source>Usage could not be written; it is kept and written again later: %1</source>
        <translation>无法写入使用量；它会被保留，稍后再次写入：%1</translation>
    </message>
    <message>
        <source>A part of Meterly failed; the monitor goes on: %1</source>
        <translation>Meterly 的一部分出错，监视继续进行：%1</translation>
    </message>
    <message>
        <source>The live figures cannot be published for other programs: %1</source>
        <translation>无法向其他程序提供实时数据：%1</translation>
    </message>
    <message>
        <source>Dial-up sessions are not logged: %1</source>
        <translation>不记录拨号会话：%1</translation>
    </message>
    <message>
        <source>Cannot use %1 as a hotkey: %2</source>
        <translation>无法把 %1 用作热键：%2</translation>
    </message>
    <message>
        <source>If you do not see the graph because it is shown off-screen, click OK to restore its original position and size</source>
        <translation>如果图示显示在屏幕之外而看不到，请单击“确定”恢复其原来的位置和大小</translation>
    </message>
    <message>
        <source>Ping and trace route: %1</source>
        <translation>Ping 和路由跟踪：%1</translation>
    </message>
    <message>
        <source>The usage statistics cannot be shown: %1</source>
        <translation>无法显示使用统计：%1</translation>
    </message>
    <message>
        <source>The network tools could not be stopped: %1</source>
        <translation>无法停止网络工具：%1</translation>
    </message>
    <message>
        <source>The dial-up logger could not be stopped: %1</source>
        <translation>无法停止拨号记录：%1</translation>
    </message>
    <message>
        <source>The speed meters could not be closed: %1</source>
        <translation>无法关闭网速测试窗口：%1</translation>
    </message>
    <message>
        <source>The statistics windows could not be closed: %1</source>
        <translation>无法关闭统计窗口：%1</translation>
    </message>
    <message>
        <source>The tray icon could not be removed: %1</source>
        <translation>无法移除托盘图标：%1</translation>
    </message>
    <message>
        <source>The last usage could not be read: %1</source>
        <translation>无法读取最后的使用量：%1</translation>
    </message>
    <message>
        <source>The last usage could not be written: %1</source>
        <translation>无法写入最后的使用量：%1</translation>
    </message>
    <message>
        <source>The quota window could not be closed: %1</source>
        <translation>无法关闭配额窗口：%1</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>无法保存设置：%1</translation>
    </message>
    <message>
        <source>The windows could not be closed: %1</source>
        <translation>无法关闭窗口：%1</translation>
    </message>
    <message>
        <source>Meterly finds no system tray on this desktop, so its graph window stands in for the tray icon: right-click the graph for the menu. Usage is still being recorded, and the icon appears as soon as a system tray does.</source>
        <translation>Meterly 在此桌面上找不到系统托盘，因此由图示窗口代替托盘图标：右键单击图示可打开菜单。使用量仍在记录，一旦出现系统托盘，图标就会显示。</translation>
    </message>
</context>
<context>
    <name>meterly::TSettingsWindow</name>
    <message>
        <source>Meterly 设置</source>
        <translation>Meterly 设置</translation>
    </message>
    <message>
        <source>常规</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>图示</source>
        <translation>图示</translation>
    </message>
    <message>
        <source>图表颜色</source>
        <translation>图表颜色</translation>
    </message>
    <message>
        <source>通知</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>高级</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>托盘图标显示</source>
        <translation>托盘图标显示</translation>
    </message>
    <message>
        <source>速度单位</source>
        <translation>速度单位</translation>
    </message>
    <message>
        <source>登录时自动启动</source>
        <translation>登录时自动启动</translation>
    </message>
    <message>
        <source>启动时显示图表</source>
        <translation>启动时显示图表</translation>
    </message>
    <message>
        <source>报告列表显示网格线</source>
        <translation>报告列表显示网格线</translation>
    </message>
    <message>
        <source>自动检查新版本</source>
        <translation>自动检查新版本</translation>
    </message>
    <message>
        <source>通信量单位(&amp;U):</source>
        <translation>通信量单位(&amp;U):</translation>
    </message>
    <message>
        <source>监视的网络连接</source>
        <translation>监视的网络连接</translation>
    </message>
    <message>
        <source>高峰时段</source>
        <translation>高峰时段</translation>
    </message>
    <message>
        <source> 时</source>
        <translation> 时</translation>
    </message>
    <message>
        <source>从(&amp;F):</source>
        <translation>从(&amp;F):</translation>
    </message>
    <message>
        <source>到(&amp;T):</source>
        <translation>到(&amp;T):</translation>
    </message>
    <message>
        <source>统计周期</source>
        <translation>统计周期</translation>
    </message>
    <message>
        <source>每周开始于(&amp;W):</source>
        <translation>每周开始于(&amp;W):</translation>
    </message>
    <message>
        <source>每月开始于(&amp;M):</source>
        <translation>每月开始于(&amp;M):</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>应用(&amp;A)</source>
        <translation>应用(&amp;A)</translation>
    </message>
</context>
</TS>
