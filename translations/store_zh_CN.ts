<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>OpenUsageDatabase</name>
    <message>
        <source>The usage database %1 could not be opened: %2</source>
        <translation>无法打开使用量数据库 %1：%2</translation>
    </message>
    <message>
        <source>its folder could not be created</source>
        <translation>无法创建其文件夹</translation>
    </message>
    <message>
        <source>its folder may not be written</source>
        <translation>其文件夹不可写入</translation>
    </message>
    <message>
        <source>the file may be read but not written</source>
        <translation>该文件只能读取，不能写入</translation>
    </message>
    <message>
        <source>Usage is recorded in %1 for this user only: the shared usage database %2 may not be written by this user.</source>
        <translation>使用量仅为此用户记录在 %1 中：此用户不能写入共享的使用量数据库 %2。</translation>
    </message>
</context>
<context>
    <name>RegistryStats</name>
    <message>
        <source>The usage statistics of earlier versions (%1 in the settings) could not be moved into the usage database: %2. They stay in the settings.</source>
        <translation>无法将早期版本的使用统计（设置中的 %1）移入使用量数据库：%2。这些统计仍保留在设置中。</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; is not named by a day number</source>
        <translation>值 &quot;%1&quot; 的名称不是日期编号</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; holds %2 bytes, more than a day&apos;s totals</source>
        <translation>值 &quot;%1&quot; 含有 %2 个字节，超过一天的合计数据</translation>
    </message>
    <message>
        <source>the key has subkeys</source>
        <translation>该键含有子键</translation>
    </message>
</context>
<context>
    <name>SQLiteErrorText</name>
    <message>
        <source>Successful result</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>SQL error or missing database</source>
        <translation>SQL 错误或数据库丢失</translation>
    </message>
    <message>
        <source>An internal logic error in SQLite</source>
        <translation>SQLite 内部逻辑错误</translation>
    </message>
    <message>
        <source>Access permission denied</source>
        <translation>访问被拒绝</translation>
    </message>
    <message>
        <source>Callback routine requested an abort</source>
        <translation>回调例程请求中止</translation>
    </message>
    <message>
        <source>The database file is locked</source>
        <translation>数据库文件已锁定</translation>
    </message>
    <message>
        <source>A table in the database is locked</source>
        <translation>数据库中的一个表已锁定</translation>
    </message>
    <message>
        <source>A malloc() failed</source>
        <translation>malloc() 失败</translation>
    </message>
    <message>
        <source>Attempt to write a readonly database</source>
        <translation>试图写入只读数据库</translation>
    </message>
    <message>
        <source>Operation terminated by sqlite_interrupt()</source>
        <translation>操作被 sqlite_interrupt() 终止</translation>
    </message>
    <message>
        <source>Disk I/O error occurred</source>
        <translation>发生磁盘 I/O 错误</translation>
    </message>
    <message>
        <source>The database disk image is malformed</source>
        <translation>数据库磁盘映像格式错误</translation>
    </message>
    <message>
        <source>(Internal Only) Table or record not found</source>
        <translation>（仅限内部）找不到表或记录</translation>
    </message>
    <message>
        <source>Insertion failed because database is full</source>
        <translation>数据库已满，插入失败</translation>
    </message>
    <message>
        <source>Unable to open the database file</source>
        <translation>无法打开数据库文件</translation>
    </message>
    <message>
        <source>Database lock protocol error</source>
        <translation>数据库锁定协议错误</translation>
    </message>
    <message>
        <source>(Internal Only) Database table is empty</source>
        <translation>（仅限内部）数据库表为空</translation>
    </message>
    <message>
        <source>The database schema changed</source>
        <translation>数据库架构已更改</translation>
    </message>
    <message>
        <source>Too much data for one row of a table</source>
        <translation>表的一行数据过多</translation>
    </message>
    <message>
        <source>Abort due to constraint violation</source>
        <translation>因违反约束而中止</translation>
    </message>
    <message>
        <source>Data type mismatch</source>
        <translation>数据类型不匹配</translation>
    </message>
    <message>
        <source>Library used incorrectly</source>
        <translation>库使用不正确</translation>
    </message>
    <message>
        <source>Used OS features not supported on host</source>
        <translation>使用了主机不支持的操作系统功能</translation>
    </message>
    <message>
        <source>Authorization denied</source>
        <translation>授权被拒绝</translation>
    </message>
    <message>
        <source>sqlite_step() has another row ready</source>
        <translation>sqlite_step() 已准备好下一行</translation>
    </message>
    <message>
        <source>sqlite_step() has finished executing</source>
        <translation>sqlite_step() 已执行完毕</translation>
    </message>
    <message>
        <source>Unknown DB error (%1)</source>
        <translation>未知的数据库错误 (%1)</translation>
    </message>
</context>
<context>
    <name>TDiskDB</name>
    <message>
        <source>the file holds no usage record of this version</source>
        <translation>该文件不含此版本的使用记录</translation>
    </message>
    <message>
        <source>not a whole number: &quot;%1&quot;</source>
        <translation>不是整数：&quot;%1&quot;</translation>
    </message>
</context>
</TS>
