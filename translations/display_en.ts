<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>GraphWindowRules</name>
    <message>
        <source>Meterly (%1)</source>
        <translation>Meterly (%1)</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Not Available</translation>
    </message>
</context>
<context>
    <name>TrayText</name>
    <message>
        <source>Daily Traffic</source>
        <translation>Daily Traffic</translation>
    </message>
    <message>
        <source>Dialup Duration</source>
        <translation>Dialup Duration</translation>
    </message>
    <message>
        <source>Weekly Traffic</source>
        <translation>Weekly Traffic</translation>
    </message>
    <message>
        <source>Monthly Traffic</source>
        <translation>Monthly Traffic</translation>
    </message>
    <message>
        <source>Transfer Rate</source>
        <translation>Transfer Rate</translation>
    </message>
    <message>
        <source>DL: %1</source>
        <translation>DL: %1</translation>
    </message>
    <message>
        <source>UL: %1</source>
        <translation>UL: %1</translation>
    </message>
    <message>
        <source>SUM: %1</source>
        <translation>SUM: %1</translation>
    </message>
    <message>
        <source>Usage is not being recorded</source>
        <translation>Usage is not being recorded</translation>
    </message>
    <message>
        <source>Usage cannot be read: %1</source>
        <translation>Usage cannot be read: %1</translation>
    </message>
</context>
<context>
    <name>meterly::TSpeedMeterForm</name>
    <message>
        <source>Average Transfer Rate</source>
        <translation>Average Transfer Rate</translation>
    </message>
    <message>
        <source>Maximum Transfer Rate</source>
        <translation>Maximum Transfer Rate</translation>
    </message>
    <message>
        <source>Total Data Transferred</source>
        <translation>Total Data Transferred</translation>
    </message>
    <message>
        <source>网速测试 (%1)</source>
        <translation>Speed Meter (%1)</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>Not Available</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>接收</source>
        <translation>Received</translation>
    </message>
    <message>
        <source>传出</source>
        <translation>Sent</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
</context>
<context>
    <name>meterly::TTrayIcon</name>
    <message>
        <source>I am here!</source>
        <translation>I am here!</translation>
    </message>
    <message>
        <source>Right-click the icon to access menu...</source>
        <translation>Right-click the icon to access menu...</translation>
    </message>
</context>
<context>
    <name>meterly::TTrayMenu</name>
    <message>
        <source>网速测试(&amp;A)</source>
        <comment>tray menu</comment>
        <translation>Speed &amp;Meter</translation>
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
        <source>路由跟踪 (&amp;T)...</source>
        <comment>tray menu</comment>
        <translation>&amp;Trace Route...</translation>
    </message>
    <message>
        <source>Ping(&amp;P) ...</source>
        <comment>tray menu</comment>
        <translation>&amp;Ping...</translation>
    </message>
    <message>
        <source>网络统计</source>
        <comment>tray menu</comment>
        <translation>Network Statistics</translation>
    </message>
    <message>
        <source>隐藏图示(&amp;G</source>
        <comment>tray menu</comment>
        <translation>Hide &amp;Graph</translation>
    </message>
    <message>
        <source>显示图示(&amp;G</source>
        <comment>tray menu</comment>
        <translation>Show &amp;Graph</translation>
    </message>
</context>
</TS>
