<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>GraphWindowRules</name>
    <message>
        <source>Meterly (%1)</source>
        <translation>Meterly (%1)</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>不可用</translation>
    </message>
</context>
<context>
    <name>TrayText</name>
    <message>
        <source>Daily Traffic</source>
        <translation>每日通信量</translation>
    </message>
    <message>
        <source>Dialup Duration</source>
        <translation>拨号持续时间</translation>
    </message>
    <message>
        <source>Weekly Traffic</source>
        <translation>每周通信量</translation>
    </message>
    <message>
        <source>Monthly Traffic</source>
        <translation>每月通信量</translation>
    </message>
    <message>
        <source>Transfer Rate</source>
        <translation>传送率</translation>
    </message>
    <message>
        <source>DL: %1</source>
        <translation>下载: %1</translation>
    </message>
    <message>
        <source>UL: %1</source>
        <translation>上传: %1</translation>
    </message>
    <message>
        <source>SUM: %1</source>
        <translation>合计: %1</translation>
    </message>
    <message>
        <source>Usage is not being recorded</source>
        <translation>未在记录使用量</translation>
    </message>
    <message>
        <source>Usage cannot be read: %1</source>
        <translation>无法读取使用量：%1</translation>
    </message>
</context>
<context>
    <name>meterly::TSpeedMeterForm</name>
    <message>
        <source>Average Transfer Rate</source>
        <translation>平均传送率</translation>
    </message>
    <message>
        <source>Maximum Transfer Rate</source>
        <translation>最大传送率</translation>
    </message>
    <message>
        <source>Total Data Transferred</source>
        <translation>传送数据总量</translation>
    </message>
    <message>
        <source>网速测试 (%1)</source>
        <translation>网速测试 (%1)</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>不可用</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>接收</source>
        <translation>接收</translation>
    </message>
    <message>
        <source>传出</source>
        <translation>传出</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
</context>
<context>
    <name>meterly::TTrayIcon</name>
    <message>
        <source>I am here!</source>
        <translation>我在这里！</translation>
    </message>
    <message>
        <source>Right-click the icon to access menu...</source>
        <translation>右键单击图标打开菜单...</translation>
    </message>
</context>
<context>
    <name>meterly::TTrayMenu</name>
    <message>
        <source>网速测试(&amp;A)</source>
        <comment>tray menu</comment>
        <translation>网速测试(&amp;A)</translation>
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
        <source>路由跟踪 (&amp;T)...</source>
        <comment>tray menu</comment>
        <translation>路由跟踪 (&amp;T)...</translation>
    </message>
    <message>
        <source>Ping(&amp;P) ...</source>
        <comment>tray menu</comment>
        <translation>Ping(&amp;P) ...</translation>
    </message>
    <message>
        <source>网络统计</source>
        <comment>tray menu</comment>
        <translation>网络统计</translation>
    </message>
    <message>
        <source>隐藏图示(&amp;G</source>
        <comment>tray menu</comment>
        <translation>隐藏图示(&amp;G</translation>
    </message>
    <message>
        <source>显示图示(&amp;G</source>
        <comment>tray menu</comment>
        <translation>显示图示(&amp;G</translation>
    </message>
</context>
</TS>
