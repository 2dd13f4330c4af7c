<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AddressWatch</name>
    <message>
        <source>cannot listen for address changes: %1</source>
        <translation>无法监听地址变化：%1</translation>
    </message>
</context>
<context>
    <name>Dialup</name>
    <message>
        <source>this system has no PPP support</source>
        <translation>此系统不支持 PPP</translation>
    </message>
    <message>
        <source>cannot listen for dial-up connections: %1</source>
        <translation>无法监听拨号连接：%1</translation>
    </message>
    <message>
        <source>cannot wait for dial-up connections: %1</source>
        <translation>无法等待拨号连接：%1</translation>
    </message>
    <message>
        <source>the dial-up connection watch broke: %1</source>
        <translation>拨号连接的监视中断了：%1</translation>
    </message>
    <message>
        <source>waiting for dial-up connections failed: %1</source>
        <translation>等待拨号连接失败：%1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an interface name</source>
        <translation>“%1”不是接口名</translation>
    </message>
    <message>
        <source>no pppd is named in %1</source>
        <translation>%1 中没有指明 pppd</translation>
    </message>
    <message>
        <source>pppd %1 of %2: %3</source>
        <translation>%2 的 pppd %1：%3</translation>
    </message>
    <message>
        <source>%1 names process %2, which is not pppd</source>
        <translation>%1 指明的进程 %2 不是 pppd</translation>
    </message>
    <message>
        <source>pppd %1 cannot be ended: %2</source>
        <translation>无法结束 pppd %1：%2</translation>
    </message>
</context>
<context>
    <name>HotKey</name>
    <message>
        <source>the key combination is already taken by another program</source>
        <translation>该组合键已被其他程序占用</translation>
    </message>
    <message>
        <source>the X server refused the key grab (X error %1)</source>
        <translation>X 服务器拒绝了按键抓取（X 错误 %1）</translation>
    </message>
    <message>
        <source>no key combination was given</source>
        <translation>没有给出组合键</translation>
    </message>
    <message>
        <source>global hot keys need an X11 session</source>
        <translation>全局热键需要 X11 会话</translation>
    </message>
    <message>
        <source>X11 has no key symbol for this key</source>
        <translation>X11 没有此键的键符</translation>
    </message>
    <message>
        <source>the key is not on this keyboard</source>
        <translation>此键盘上没有该键</translation>
    </message>
    <message>
        <source>the X server keeps this key combination for switching consoles</source>
        <translation>X 服务器保留该组合键用于切换控制台</translation>
    </message>
</context>
<context>
    <name>Icmp</name>
    <message>
        <source>no ICMP datagram socket (%1: the system setting net.ipv4.ping_group_range does not admit the user&apos;s groups)</source>
        <translation>没有 ICMP 数据报套接字（%1：系统设置 net.ipv4.ping_group_range 不包括该用户的组）</translation>
    </message>
    <message>
        <source>no raw socket (%1: it needs root or the CAP_NET_RAW capability)</source>
        <translation>没有原始套接字（%1：需要 root 或 CAP_NET_RAW 权能）</translation>
    </message>
    <message>
        <source>Ping and trace route are not available: %1.</source>
        <translation>Ping 和路由跟踪不可用：%1。</translation>
    </message>
    <message>
        <source>; </source>
        <translation>；</translation>
    </message>
    <message>
        <source>Cannot open an ICMP socket: %1</source>
        <translation>无法打开 ICMP 套接字：%1</translation>
    </message>
    <message>
        <source>Cannot create an event descriptor: %1</source>
        <translation>无法创建事件描述符：%1</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>无法创建 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not a folder owned by this user</source>
        <translation>%1 不是此用户拥有的文件夹</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
</context>
<context>
    <name>LinuxPlatform</name>
    <message>
        <source>This system does not offer the kernel&apos;s routing interface (rtnetlink): %1</source>
        <translation>此系统不提供内核的路由接口 (rtnetlink)：%1</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>No system bus: %1</source>
        <translation>没有系统总线：%1</translation>
    </message>
    <message>
        <source>Only shutting the computer down is supported</source>
        <translation>仅支持关闭计算机</translation>
    </message>
</context>
<context>
    <name>ProcessService</name>
    <message>
        <source>This process cannot be ended.</source>
        <translation>无法结束此进程。</translation>
    </message>
    <message>
        <source>The program has ended already.</source>
        <translation>该程序已经结束。</translation>
    </message>
    <message>
        <source>The program has ended already; another one now has its process number.</source>
        <translation>该程序已经结束；现在另一个程序使用其进程号。</translation>
    </message>
</context>
<context>
    <name>RegeditFormat</name>
    <message>
        <source>unknown escape inside quotes (only \\, \&quot;, \n and \r)</source>
        <translation>引号内的转义未知（只允许 \\、\&quot;、\n 和 \r）</translation>
    </message>
    <message>
        <source>quoted text has no closing quote</source>
        <translation>带引号的文本缺少右引号</translation>
    </message>
    <message>
        <source>dword value needs 1 to 8 hex digits</source>
        <translation>dword 值需要 1 到 8 位十六进制数字</translation>
    </message>
    <message>
        <source>hex value needs two-digit hex bytes separated by commas</source>
        <translation>hex 值需要以逗号分隔的两位十六进制字节</translation>
    </message>
    <message>
        <source>key path has an empty key name</source>
        <translation>键路径中有空的键名</translation>
    </message>
    <message>
        <source>key path nests keys too deep</source>
        <translation>键路径嵌套过深</translation>
    </message>
    <message>
        <source>the file must start with REGEDIT4</source>
        <translation>文件必须以 REGEDIT4 开头</translation>
    </message>
    <message>
        <source>line is neither a [key], a value nor a ; comment</source>
        <translation>该行既不是 [键]、值，也不是 ; 注释</translation>
    </message>
    <message>
        <source>deleting a key with [-...] is not supported</source>
        <translation>不支持用 [-...] 删除键</translation>
    </message>
    <message>
        <source>key line is missing its closing ]</source>
        <translation>键行缺少右方括号 ]</translation>
    </message>
    <message>
        <source>key must be under HKEY_CURRENT_USER\</source>
        <translation>键必须位于 HKEY_CURRENT_USER\ 之下</translation>
    </message>
    <message>
        <source>value comes before any [key] line</source>
        <translation>值出现在任何 [键] 行之前</translation>
    </message>
    <message>
        <source>value name must be followed by =</source>
        <translation>值名称后面必须是 =</translation>
    </message>
    <message>
        <source>text value must end at its closing quote</source>
        <translation>文本值必须在其右引号处结束</translation>
    </message>
    <message>
        <source>only text, dword: and hex: values are supported, not hex(n):</source>
        <translation>只支持文本、dword: 和 hex: 值，不支持 hex(n):</translation>
    </message>
    <message>
        <source>value data must be &quot;text&quot;, dword: or hex:</source>
        <translation>值数据必须是 &quot;文本&quot;、dword: 或 hex:</translation>
    </message>
    <message>
        <source>hex value goes on past the end of the file</source>
        <translation>hex 值延续到了文件末尾之后</translation>
    </message>
    <message>
        <source>NUL byte</source>
        <translation>NUL 字节</translation>
    </message>
    <message>
        <source>carriage return inside a line</source>
        <translation>行内有回车符</translation>
    </message>
    <message>
        <source>invalid UTF-8</source>
        <translation>无效的 UTF-8</translation>
    </message>
    <message>
        <source>byte-order mark inside the file</source>
        <translation>文件内有字节顺序标记</translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>The settings file %1 could not be read (line %2: %3). It was kept as %4 and the default settings apply.</source>
        <translation>无法读取设置文件 %1（第 %2 行：%3）。该文件已保留为 %4，将使用默认设置。</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (line %2: %3) and could not be moved aside (%4). The default settings apply but will not be saved, so that the file is not overwritten.</source>
        <translation>无法读取设置文件 %1（第 %2 行：%3），也无法将其移到一旁（%4）。将使用默认设置，但不会保存，以免覆盖该文件。</translation>
    </message>
    <message>
        <source>The settings were not saved: the unreadable settings file %1 could not be moved aside and would have been overwritten.</source>
        <translation>设置未保存：无法将不可读的设置文件 %1 移到一旁，保存会覆盖它。</translation>
    </message>
    <message>
        <source>The settings were not saved, so that the unreadable settings file %1 is not overwritten.</source>
        <translation>设置未保存，以免覆盖不可读的设置文件 %1。</translation>
    </message>
</context>
<context>
    <name>RegistryFile</name>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>无法创建文件夹 %1：%2</translation>
    </message>
    <message>
        <source>Cannot create a temporary file for %1: %2</source>
        <translation>无法为 %1 创建临时文件：%2</translation>
    </message>
    <message>
        <source>The settings were written, but cannot be made durable in the folder %1: %2</source>
        <translation>设置已写入，但无法在文件夹 %1 中持久保存：%2</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1: %2</source>
        <translation>无法读取设置文件 %1：%2</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1: it is not a regular file</source>
        <translation>无法读取设置文件 %1：它不是普通文件</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1: %2</source>
        <translation>无法写入设置文件 %1：%2</translation>
    </message>
    <message>
        <source>Cannot move aside the settings file %1: %2</source>
        <translation>无法将设置文件 %1 移到一旁：%2</translation>
    </message>
    <message>
        <source>Cannot move aside the settings file %1: %2 earlier copies are kept already</source>
        <translation>无法将设置文件 %1 移到一旁：已经保留了 %2 个较早的副本</translation>
    </message>
</context>
<context>
    <name>RouteChannel</name>
    <message>
        <source>cannot open a routing netlink socket: %1</source>
        <translation>无法打开路由 netlink 套接字：%1</translation>
    </message>
</context>
<context>
    <name>SharedMemory</name>
    <message>
        <source>Cannot examine the shared memory section %1: %2</source>
        <translation>无法检查共享内存段 %1：%2</translation>
    </message>
    <message>
        <source>Refusing the shared memory section %1: %2</source>
        <translation>拒绝使用共享内存段 %1：%2</translation>
    </message>
    <message>
        <source>it belongs to user %1</source>
        <translation>它属于用户 %1</translation>
    </message>
    <message>
        <source>Cannot size the shared memory section %1: %2</source>
        <translation>无法设置共享内存段 %1 的大小：%2</translation>
    </message>
    <message>
        <source>it has %1 bytes instead of %2</source>
        <translation>它有 %1 字节，而不是 %2 字节</translation>
    </message>
    <message>
        <source>Cannot restrict access to the shared memory section %1: %2</source>
        <translation>无法限制对共享内存段 %1 的访问：%2</translation>
    </message>
    <message>
        <source>Cannot name the shared memory section %1: %2</source>
        <translation>无法命名共享内存段 %1：%2</translation>
    </message>
    <message>
        <source>a section name is one word without &apos;/&apos;</source>
        <translation>段名必须是一个不含 &apos;/&apos; 的词</translation>
    </message>
    <message>
        <source>Cannot create the shared memory section %1: %2</source>
        <translation>无法创建共享内存段 %1：%2</translation>
    </message>
    <message>
        <source>the size must be positive</source>
        <translation>大小必须为正数</translation>
    </message>
    <message>
        <source>Cannot create or open the shared memory section %1: %2</source>
        <translation>无法创建或打开共享内存段 %1：%2</translation>
    </message>
    <message>
        <source>Cannot map the shared memory section %1: %2</source>
        <translation>无法映射共享内存段 %1：%2</translation>
    </message>
</context>
</TS>
