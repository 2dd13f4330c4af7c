<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ReportMain</name>
    <message>
        <source>there is no such file</source>
        <translation>没有这个文件</translation>
    </message>
    <message>
        <source>cannot open the usage database %1: %2</source>
        <translation>无法打开使用量数据库 %1：%2</translation>
    </message>
    <message>
        <source>cannot read the usage database %1: %2</source>
        <translation>无法读取使用量数据库 %1：%2</translation>
    </message>
    <message>
        <source>cannot write the report</source>
        <translation>无法写出报告</translation>
    </message>
    <message>
        <source>%1
Try &apos;meterly-report --help&apos;.</source>
        <translation>%1
请试用 &apos;meterly-report --help&apos;。</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <source>Week</source>
        <translation>周</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
</context>
<context>
    <name>ReportRequest</name>
    <message>
        <source>%1 wants a date as yyyy-mm-dd, not &quot;%2&quot;</source>
        <translation>%1 需要 yyyy-mm-dd 格式的日期，而不是 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>only one report at a time</source>
        <translation>一次只能有一个报告</translation>
    </message>
    <message>
        <source>unknown report &quot;%1&quot; (one of: %2)</source>
        <translation>未知的报告 &quot;%1&quot;（可选：%2）</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (one of: %2)</source>
        <translation>未知的格式 &quot;%1&quot;（可选：%2）</translation>
    </message>
    <message>
        <source>unknown hours &quot;%1&quot; (one of: %2)</source>
        <translation>未知的时段 &quot;%1&quot;（可选：%2）</translation>
    </message>
    <message>
        <source>--from and --to go with the custom and hourly reports</source>
        <translation>--from 和 --to 只用于 custom 和 hourly 报告</translation>
    </message>
    <message>
        <source>--hours goes with the daily, weekly, monthly and custom reports</source>
        <translation>--hours 只用于 daily、weekly、monthly 和 custom 报告</translation>
    </message>
    <message>
        <source>the openmetrics format counts every recorded day: no --from or --to</source>
        <translation>openmetrics 格式统计所有记录的日子：不能使用 --from 或 --to</translation>
    </message>
    <message>
        <source>Usage: meterly-report [REPORT] [OPTION]...
Prints a report of the network traffic Meterly recorded, as the statistics window shows it.

Reports:
  daily      every recorded day, newest first (the default)
  weekly     the days folded into weeks, newest first
  monthly    the days folded into months, newest first
  custom     the days from --from to --to, oldest first (default: the statistics window&apos;s range)
  hourly     every recorded hour with its average speeds, oldest first

Options:
  -u, --user NAME      one user&apos;s traffic (default: all users combined)
      --from DATE      first day, as yyyy-mm-dd (custom and hourly reports)
      --to DATE        last day, as yyyy-mm-dd (custom and hourly reports)
      --hours WHICH    all, peak or off-peak: the hours the day-based reports count
                       (default: as chosen in the statistics window)
  -f, --format FORMAT  table (the default), csv, json, or openmetrics: everything
                       recorded, per user, as counters in the Prometheus text format
  -d, --database FILE  the usage database to read (default: the one Meterly records into)
  -h, --help           print this help and exit
  -V, --version        print the version and exit

The database is opened for reading only and never changed. Exit status: 0 done,
1 the database could not be opened or read, 2 a wrong command line.
</source>
        <translation>用法：meterly-report [报告] [选项]...
按统计窗口的显示方式，打印 Meterly 记录的网络流量报告。

报告：
  daily      每个有记录的日子，最新的在前（默认）
  weekly     按周合并的日子，最新的在前
  monthly    按月合并的日子，最新的在前
  custom     从 --from 到 --to 的日子，最早的在前（默认：统计窗口中的范围）
  hourly     每个有记录的小时及其平均速度，最早的在前

选项：
  -u, --user 名称      一个用户的流量（默认：所有用户合计）
      --from 日期      第一天，格式为 yyyy-mm-dd（custom 和 hourly 报告）
      --to 日期        最后一天，格式为 yyyy-mm-dd（custom 和 hourly 报告）
      --hours 时段     all、peak 或 off-peak：按日报告统计的时段
                       （默认：统计窗口中所选的时段）
  -f, --format 格式    table（默认）、csv、json 或 openmetrics：以 Prometheus 文本格式
                       按用户输出所有记录的计数器
  -d, --database 文件  要读取的使用量数据库（默认：Meterly 正在记录的数据库）
  -h, --help           显示此帮助并退出
  -V, --version        显示版本并退出

数据库只以只读方式打开，绝不会被更改。退出状态：0 完成，
1 无法打开或读取数据库，2 命令行有误。
</translation>
    </message>
</context>
</TS>
