<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ExportFile</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Cannot write &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>StatisticsBackup</name>
    <message>
        <source>Corrupted backup file</source>
        <translation>Corrupted backup file</translation>
    </message>
    <message>
        <source>missing XML node &apos;%1&apos; in &apos;%2&apos;</source>
        <translation>missing XML node &apos;%1&apos; in &apos;%2&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>Not a backup file</source>
        <translation>Not a backup file</translation>
    </message>
    <message>
        <source>The file holds no XML element.</source>
        <translation>The file holds no XML element.</translation>
    </message>
    <message>
        <source>%1 (line %2, column %3)</source>
        <translation>%1 (line %2, column %3)</translation>
    </message>
    <message>
        <source>Cannot read the backup file &quot;%1&quot;: %2</source>
        <translation>Cannot read the backup file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot write the backup file &quot;%1&quot;: %2</source>
        <translation>Cannot write the backup file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The statistics cannot be backed up: the %1 &quot;%2&quot; holds the character U+%3, which an XML file cannot hold.</source>
        <translation>The statistics cannot be backed up: the %1 &quot;%2&quot; holds the character U+%3, which an XML file cannot hold.</translation>
    </message>
    <message>
        <source>user name</source>
        <translation>user name</translation>
    </message>
    <message>
        <source>connection name</source>
        <translation>connection name</translation>
    </message>
    <message>
        <source>session start</source>
        <translation>session start</translation>
    </message>
</context>
<context>
    <name>TDialupSessionList</name>
    <message>
        <source>连接</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>长度</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>接收时间</source>
        <translation>Received</translation>
    </message>
    <message>
        <source>发送时间</source>
        <translation>Sent</translation>
    </message>
    <message>
        <source>总共</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>THourlyList</name>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Avg DL Rate</source>
        <translation>Avg DL Rate</translation>
    </message>
    <message>
        <source>Avg UL Rate</source>
        <translation>Avg UL Rate</translation>
    </message>
    <message>
        <source>DL Volume</source>
        <translation>DL Volume</translation>
    </message>
    <message>
        <source>UL Volume</source>
        <translation>UL Volume</translation>
    </message>
</context>
<context>
    <name>TStatisticsReports</name>
    <message>
        <source>All Users Combined</source>
        <translation>All Users Combined</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Usage Report for %1</source>
        <translation>Usage Report for %1</translation>
    </message>
</context>
<context>
    <name>TUsageChart</name>
    <message>
        <source>Sample</source>
        <translation>Sample</translation>
    </message>
</context>
<context>
    <name>TUsagePanel</name>
    <message>
        <source>接收</source>
        <translation>Received</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Sent</translation>
    </message>
    <message>
        <source>总共</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>拨号</source>
        <translation>Dial-up</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>TableExport</name>
    <message>
        <source>Microsoft Excel (*.xls)|*.xls|Microsoft Word (*.rtf)|*.rtf|Html(*.htm)|*.htm|Plain text (*.txt)|*.txt|CSV (*.csv)|*.csv</source>
        <translation>Microsoft Excel (*.xls)|*.xls|Microsoft Word (*.rtf)|*.rtf|Html(*.htm)|*.htm|Plain text (*.txt)|*.txt|CSV (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>The table is too large for an XLS file: it needs %1 rows and %2 columns, and an XLS worksheet holds at most %3 rows and %4 columns.</source>
        <translation>The table is too large for an XLS file: it needs %1 rows and %2 columns, and an XLS worksheet holds at most %3 rows and %4 columns.</translation>
    </message>
</context>
<context>
    <name>meterly::TTotalsForm</name>
    <message>
        <source>摘要</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>每日</source>
        <translation>Daily</translation>
    </message>
    <message>
        <source>每周</source>
        <translation>Weekly</translation>
    </message>
    <message>
        <source>每月</source>
        <translation>Monthly</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>拨号会话</source>
        <translation>Dial-up Sessions</translation>
    </message>
    <message>
        <source>每小时带宽</source>
        <translation>Hourly Bandwidth</translation>
    </message>
    <message>
        <source>XML 文件 (*.xml)</source>
        <translation>XML files (*.xml)</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>接收:</source>
        <translation>Received:</translation>
    </message>
    <message>
        <source>发送:</source>
        <translation>Sent:</translation>
    </message>
    <message>
        <source>总共:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>拨号时间:</source>
        <translation>Dial-up time:</translation>
    </message>
    <message>
        <source>刷新(&amp;R)</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <source>用户(&amp;U)</source>
        <translation>&amp;Users</translation>
    </message>
    <message>
        <source>图表(&amp;C)</source>
        <translation>&amp;Chart</translation>
    </message>
    <message>
        <source>所有时段(&amp;A)</source>
        <translation>&amp;All Hours</translation>
    </message>
    <message>
        <source>高峰时段(&amp;P)</source>
        <translation>&amp;Peak Hours</translation>
    </message>
    <message>
        <source>非高峰时段(&amp;F)</source>
        <translation>O&amp;ff-Peak Hours</translation>
    </message>
    <message>
        <source>导出(&amp;E)</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>备份(&amp;B)</source>
        <translation>&amp;Backup</translation>
    </message>
    <message>
        <source>还原(&amp;O)</source>
        <translation>Rest&amp;ore</translation>
    </message>
    <message>
        <source>重置(&amp;S)</source>
        <translation>Re&amp;set</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>自 %s 以来:</source>
        <translation>Since %s:</translation>
    </message>
    <message>
        <source>今天</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All Time</translation>
    </message>
    <message>
        <source>从:</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>到:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>All Users Combined</source>
        <translation>All Users Combined</translation>
    </message>
    <message>
        <source>Please select a hourly, daily, weekly, monthly or custom report</source>
        <translation>Please select a hourly, daily, weekly, monthly or custom report</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>Export %1</translation>
    </message>
    <message>
        <source>Are you sure you want to reset all statistics for %1?</source>
        <translation>Are you sure you want to reset all statistics for %1?</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>The settings could not be saved: %1</translation>
    </message>
</context>
</TS>
