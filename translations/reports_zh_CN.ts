<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ExportFile</name>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>无法写入 &quot;%1&quot;：%2</translation>
    </message>
</context>
<context>
    <name>StatisticsBackup</name>
    <message>
        <source>Corrupted backup file</source>
        <translation>备份文件已损坏</translation>
    </message>
    <message>
        <source>missing XML node &apos;%1&apos; in &apos;%2&apos;</source>
        <translation>&apos;%2&apos; 中缺少 XML 节点 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; 不是有效的整数值</translation>
    </message>
    <message>
        <source>Not a backup file</source>
        <translation>不是备份文件</translation>
    </message>
    <message>
        <source>The file holds no XML element.</source>
        <translation>该文件不含任何 XML 元素。</translation>
    </message>
    <message>
        <source>%1 (line %2, column %3)</source>
        <translation>%1（第 %2 行，第 %3 列）</translation>
    </message>
    <message>
        <source>Cannot read the backup file &quot;%1&quot;: %2</source>
        <translation>无法读取备份文件 &quot;%1&quot;：%2</translation>
    </message>
    <message>
        <source>Cannot write the backup file &quot;%1&quot;: %2</source>
        <translation>无法写入备份文件 &quot;%1&quot;：%2</translation>
    </message>
    <message>
        <source>The statistics cannot be backed up: the %1 &quot;%2&quot; holds the character U+%3, which an XML file cannot hold.</source>
        <translation>无法备份统计数据：%1 &quot;%2&quot; 含有字符 U+%3，XML 文件无法保存该字符。</translation>
    </message>
    <message>
        <source>user name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>connection name</source>
        <translation>连接名称</translation>
    </message>
    <message>
        <source>session start</source>
        <translation>会话开始时间</translation>
    </message>
</context>
<context>
    <name>TDialupSessionList</name>
    <message>
        <source>连接</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>长度</source>
        <translation>长度</translation>
    </message>
    <message>
        <source>接收时间</source>
        <translation>接收时间</translation>
    </message>
    <message>
        <source>发送时间</source>
        <translation>发送时间</translation>
    </message>
    <message>
        <source>总共</source>
        <translation>总共</translation>
    </message>
</context>
<context>
    <name>THourlyList</name>
    <message>
        <source>日期</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Avg DL Rate</source>
        <translation>平均下载速率</translation>
    </message>
    <message>
        <source>Avg UL Rate</source>
        <translation>平均上传速率</translation>
    </message>
    <message>
        <source>DL Volume</source>
        <translation>下载量</translation>
    </message>
    <message>
        <source>UL Volume</source>
        <translation>上传量</translation>
    </message>
</context>
<context>
    <name>TStatisticsReports</name>
    <message>
        <source>All Users Combined</source>
        <translation>所有用户合计</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>周</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Usage Report for %1</source>
        <translation>%1 的使用报告</translation>
    </message>
</context>
<context>
    <name>TUsageChart</name>
    <message>
        <source>Sample</source>
        <translation>示例</translation>
    </message>
</context>
<context>
    <name>TUsagePanel</name>
    <message>
        <source>接收</source>
        <translation>接收</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>总共</source>
        <translation>总共</translation>
    </message>
    <message>
        <source>拨号</source>
        <translation>拨号</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>总共</translation>
    </message>
</context>
<context>
    <name>TableExport</name>
    <message>
        <source>Microsoft Excel (*.xls)|*.xls|Microsoft Word (*.rtf)|*.rtf|Html(*.htm)|*.htm|Plain text (*.txt)|*.txt|CSV (*.csv)|*.csv</source>
        <translation>Microsoft Excel (*.xls)|*.xls|Microsoft Word (*.rtf)|*.rtf|HTML (*.htm)|*.htm|纯文本 (*.txt)|*.txt|CSV (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>The table is too large for an XLS file: it needs %1 rows and %2 columns, and an XLS worksheet holds at most %3 rows and %4 columns.</source>
        <translation>表格太大，无法存为 XLS 文件：它需要 %1 行 %2 列，而一个 XLS 工作表最多只能容纳 %3 行 %4 列。</translation>
    </message>
</context>
<context>
    <name>meterly::TTotalsForm</name>
    <message>
        <source>摘要</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>每日</source>
        <translation>每日</translation>
    </message>
    <message>
        <source>每周</source>
        <translation>每周</translation>
    </message>
    <message>
        <source>每月</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>拨号会话</source>
        <translation>拨号会话</translation>
    </message>
    <message>
        <source>每小时带宽</source>
        <translation>每小时带宽</translation>
    </message>
    <message>
        <source>XML 文件 (*.xml)</source>
        <translation>XML 文件 (*.xml)</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>接收:</source>
        <translation>接收:</translation>
    </message>
    <message>
        <source>发送:</source>
        <translation>发送:</translation>
    </message>
    <message>
        <source>总共:</source>
        <translation>总共:</translation>
    </message>
    <message>
        <source>拨号时间:</source>
        <translation>拨号时间:</translation>
    </message>
    <message>
        <source>刷新(&amp;R)</source>
        <translation>刷新(&amp;R)</translation>
    </message>
    <message>
        <source>用户(&amp;U)</source>
        <translation>用户(&amp;U)</translation>
    </message>
    <message>
        <source>图表(&amp;C)</source>
        <translation>图表(&amp;C)</translation>
    </message>
    <message>
        <source>所有时段(&amp;A)</source>
        <translation>所有时段(&amp;A)</translation>
    </message>
    <message>
        <source>高峰时段(&amp;P)</source>
        <translation>高峰时段(&amp;P)</translation>
    </message>
    <message>
        <source>非高峰时段(&amp;F)</source>
        <translation>非高峰时段(&amp;F)</translation>
    </message>
    <message>
        <source>导出(&amp;E)</source>
        <translation>导出(&amp;E)</translation>
    </message>
    <message>
        <source>备份(&amp;B)</source>
        <translation>备份(&amp;B)</translation>
    </message>
    <message>
        <source>还原(&amp;O)</source>
        <translation>还原(&amp;O)</translation>
    </message>
    <message>
        <source>重置(&amp;S)</source>
        <translation>重置(&amp;S)</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>自 %s 以来:</source>
        <translation>自 %s 以来:</translation>
    </message>
    <message>
        <source>今天</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>从:</source>
        <translation>从:</translation>
    </message>
    <message>
        <source>到:</source>
        <translation>到:</translation>
    </message>
    <message>
        <source>All Users Combined</source>
        <translation>所有用户合计</translation>
    </message>
    <message>
        <source>Please select a hourly, daily, weekly, monthly or custom report</source>
        <translation>请选择每小时、每日、每周、每月或自定义报告</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>导出%1</translation>
    </message>
    <message>
        <source>Are you sure you want to reset all statistics for %1?</source>
        <translation>确定要重置 %1 的所有统计数据吗?</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>无法保存设置：%1</translation>
    </message>
</context>
</TS>
