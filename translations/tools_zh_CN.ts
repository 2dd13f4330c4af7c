<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>IcmpStatusText</name>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Buffer too small</source>
        <translation>缓冲区太小</translation>
    </message>
    <message>
        <source>Destination network is unreachable</source>
        <translation>目标网络不可达</translation>
    </message>
    <message>
        <source>Destination host is unreachable</source>
        <translation>目标主机不可达</translation>
    </message>
    <message>
        <source>Destination protocol is unreachable</source>
        <translation>目标协议不可达</translation>
    </message>
    <message>
        <source>Destination IP port is unreachable</source>
        <translation>目标 IP 端口不可达</translation>
    </message>
    <message>
        <source>Insufficient system resources</source>
        <translation>系统资源不足</translation>
    </message>
    <message>
        <source>Invalid option specified</source>
        <translation>指定的选项无效</translation>
    </message>
    <message>
        <source>Hardware error</source>
        <translation>硬件错误</translation>
    </message>
    <message>
        <source>Transmission size too large</source>
        <translation>传输数据太大</translation>
    </message>
    <message>
        <source>Request timed out</source>
        <translation>请求超时</translation>
    </message>
    <message>
        <source>Invalid request</source>
        <translation>无效的请求</translation>
    </message>
    <message>
        <source>Invalid route</source>
        <translation>无效的路由</translation>
    </message>
    <message>
        <source>Time To Live expired in transit</source>
        <translation>传输中生存时间 (TTL) 已过期</translation>
    </message>
    <message>
        <source>Time To Live expired after reaching host</source>
        <translation>到达主机后生存时间 (TTL) 已过期</translation>
    </message>
    <message>
        <source>Parameter problem</source>
        <translation>参数问题</translation>
    </message>
    <message>
        <source>Host overloaded</source>
        <translation>主机过载</translation>
    </message>
    <message>
        <source>Try something a little less huge</source>
        <translation>请试试稍小一些的数据</translation>
    </message>
    <message>
        <source>IP address not found/invalid format</source>
        <translation>找不到 IP 地址/格式无效</translation>
    </message>
    <message>
        <source>IP address has been deleted</source>
        <translation>IP 地址已被删除</translation>
    </message>
    <message>
        <source>Specific MTU change</source>
        <translation>特定的 MTU 更改</translation>
    </message>
    <message>
        <source>MTU got changed by someone, somewhere</source>
        <translation>MTU 已在某处被更改</translation>
    </message>
    <message>
        <source>Stack, he has gone bye-bye</source>
        <translation>协议栈已不可用</translation>
    </message>
    <message>
        <source>General failure</source>
        <translation>一般故障</translation>
    </message>
    <message>
        <source>Message queued but not yet sent</source>
        <translation>消息已排队但尚未发送</translation>
    </message>
    <message>
        <source>Unknown ICMP error code %1</source>
        <translation>未知的 ICMP 错误代码 %1</translation>
    </message>
</context>
<context>
    <name>NetStatRows</name>
    <message>
        <source>应用程序</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>协议</source>
        <translation>协议</translation>
    </message>
    <message>
        <source>本地地址</source>
        <translation>本地地址</translation>
    </message>
    <message>
        <source>远程地址</source>
        <translation>远程地址</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
</context>
<context>
    <name>PingRun</name>
    <message>
        <source>IP地址</source>
        <translation>IP地址</translation>
    </message>
    <message>
        <source>响应时间</source>
        <translation>响应时间</translation>
    </message>
    <message>
        <source>No reply from host</source>
        <translation>主机无响应</translation>
    </message>
    <message>
        <source>晶体管晶体管逻辑</source>
        <translation>TTL</translation>
    </message>
</context>
<context>
    <name>TraceRun</name>
    <message>
        <source>地址</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>主机名</source>
        <translation>主机名</translation>
    </message>
    <message>
        <source>响应时间</source>
        <translation>响应时间</translation>
    </message>
    <message>
        <source>No reply from host</source>
        <translation>主机无响应</translation>
    </message>
    <message>
        <source>Trace complete</source>
        <translation>跟踪完成</translation>
    </message>
    <message>
        <source>酒花</source>
        <translation>跃点</translation>
    </message>
</context>
<context>
    <name>WorkerWait</name>
    <message>
        <source>正在停止,请稍候...</source>
        <translation>正在停止,请稍候...</translation>
    </message>
</context>
<context>
    <name>meterly::TEchoToolForm</name>
    <message>
        <source>主机:</source>
        <translation>主机:</translation>
    </message>
    <message>
        <source>复制行(&amp;L)</source>
        <translation>复制行(&amp;L)</translation>
    </message>
    <message>
        <source>全部复制(&amp;A)</source>
        <translation>全部复制(&amp;A)</translation>
    </message>
    <message>
        <source>Please enter a host name or address</source>
        <translation>请输入主机名或地址</translation>
    </message>
    <message>
        <source>Unable to resolve the host name</source>
        <translation>无法解析主机名</translation>
    </message>
    <message>
        <source>Unable to create a socket</source>
        <translation>无法创建套接字</translation>
    </message>
</context>
<context>
    <name>meterly::TNetStatForm</name>
    <message>
        <source>网络统计</source>
        <translation>网络统计</translation>
    </message>
    <message>
        <source>刷新(&amp;R)</source>
        <translation>刷新(&amp;R)</translation>
    </message>
    <message>
        <source>结束程序(&amp;T)</source>
        <translation>结束程序(&amp;T)</translation>
    </message>
    <message>
        <source>复制行(&amp;L)</source>
        <translation>复制行(&amp;L)</translation>
    </message>
    <message>
        <source>全部复制(&amp;A)</source>
        <translation>全部复制(&amp;A)</translation>
    </message>
    <message>
        <source>保存(&amp;S)...</source>
        <translation>保存(&amp;S)...</translation>
    </message>
    <message>
        <source>解析地址</source>
        <translation>解析地址</translation>
    </message>
    <message>
        <source>仅显示已建立的连接</source>
        <translation>仅显示已建立的连接</translation>
    </message>
    <message>
        <source>自动刷新</source>
        <translation>自动刷新</translation>
    </message>
    <message>
        <source>Unable to end %1 (process %2): %3</source>
        <translation>无法结束 %1（进程 %2）：%3</translation>
    </message>
    <message>
        <source>%1 %2 at %3</source>
        <translation>%1 %2，%3</translation>
    </message>
</context>
<context>
    <name>meterly::TPingForm</name>
    <message>
        <source>Meterly Ping</source>
        <translation>Meterly Ping</translation>
    </message>
    <message>
        <source>开始 Ping(&amp;P)</source>
        <translation>开始 Ping(&amp;P)</translation>
    </message>
    <message>
        <source>停止 Ping(&amp;P)</source>
        <translation>停止 Ping(&amp;P)</translation>
    </message>
    <message>
        <source>次数:</source>
        <translation>次数:</translation>
    </message>
    <message>
        <source>超时 (ms):</source>
        <translation>超时 (ms):</translation>
    </message>
</context>
<context>
    <name>meterly::TTraceRouteForm</name>
    <message>
        <source>Meterly 路由跟踪</source>
        <translation>Meterly 路由跟踪</translation>
    </message>
    <message>
        <source>&amp;Start Trace</source>
        <translation>开始跟踪(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Stop Trace</source>
        <translation>停止跟踪(&amp;S)</translation>
    </message>
    <message>
        <source>解析主机名</source>
        <translation>解析主机名</translation>
    </message>
    <message>
        <source>超时 (ms):</source>
        <translation>超时 (ms):</translation>
    </message>
</context>
</TS>
