<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: meterly [-readonly] [-auto] [-hello]
Meterly shows the network traffic in the system tray and records it, per user, day and hour.

  -readonly      the settings and Exit cannot be reached from the tray menu
  -auto          started at logon: waits 10 seconds, then runs only when starting
                 at logon is enabled in the settings
  -hello         shows where the tray icon is
  -h, --help     prints this help and exits
  -V, --version  prints the version and exits

The switches may also be written with &quot;/&quot; and in any case (/ReadOnly). Reports of the
recorded traffic on the command line: meterly-report --help.
</source>
        <translation>用法: meterly [-readonly] [-auto] [-hello]
Meterly 在系统托盘中显示网络通信量，并按用户、日期和小时记录下来。

  -readonly      托盘菜单中不提供设置和退出
  -auto          登录时启动：等待 10 秒，然后仅当设置中启用了
                 登录时自动启动才运行
  -hello         指出托盘图标的位置
  -h, --help     显示此帮助并退出
  -V, --version  显示版本并退出

开关也可以用 &quot;/&quot; 开头，且不区分大小写 (/ReadOnly)。在命令行上查看记录的
通信量报告: meterly-report --help。
</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>InterfaceInfo</name>
    <message>
        <source>Not Available</source>
        <translation>不可用</translation>
    </message>
    <message>
        <source>IP地址: %1    MAC: %2</source>
        <translation>IP地址: %1    MAC: %2</translation>
    </message>
</context>
<context>
    <name>MonthStart</name>
    <message>
        <source>%1th</source>
        <translation>%1日</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1日</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1日</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1日</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the stored setting %1\%2 = %3 is outside %4 to %5; the default %6 applies</source>
        <translation>存储的设置 %1\%2 = %3 超出 %4 到 %5 的范围；采用默认值 %6</translation>
    </message>
</context>
<context>
    <name>ShellError</name>
    <message>
        <source>The operating system is out of memory or resources.</source>
        <translation>操作系统内存或资源不足。</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>找不到指定的文件。</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>找不到指定的路径。</translation>
    </message>
    <message>
        <source>The operating system denied access to the specified file.</source>
        <translation>操作系统拒绝访问指定的文件。</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>内存不足，无法完成操作。</translation>
    </message>
    <message>
        <source>The .exe file is invalid (non-Win32 .exe or error in .exe image).</source>
        <translation>.exe 文件无效（不是 Win32 .exe 或 .exe 映像有错误）。</translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation>发生共享冲突。</translation>
    </message>
    <message>
        <source>The file name association is incomplete or invalid.</source>
        <translation>文件关联不完整或无效。</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because the request timed out.</source>
        <translation>请求超时，无法完成 DDE 事务。</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>DDE 事务失败。</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because other DDE transactions were being processed.</source>
        <translation>正在处理其他 DDE 事务，无法完成此 DDE 事务。</translation>
    </message>
    <message>
        <source>No program is associated to open this.</source>
        <translation>没有与之关联的程序可以打开它。</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>找不到指定的动态链接库。</translation>
    </message>
    <message>
        <source>Unknown error (%1)</source>
        <translation>未知错误 (%1)</translation>
    </message>
</context>
</TS>
