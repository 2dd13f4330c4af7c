<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>IcmpStatusText</name>
    <message>
        <source>Success</source>
        <translation>Success</translation>
    </message>
    <message>
        <source>Buffer too small</source>
        <translation>Buffer too small</translation>
    </message>
    <message>
        <source>Destination network is unreachable</source>
        <translation>Destination network is unreachable</translation>
    </message>
    <message>
        <source>Destination host is unreachable</source>
        <translation>Destination host is unreachable</translation>
    </message>
    <message>
        <source>Destination protocol is unreachable</source>
        <translation>Destination protocol is unreachable</translation>
    </message>
    <message>
        <source>Destination IP port is unreachable</source>
        <translation>Destination IP port is unreachable</translation>
    </message>
    <message>
        <source>Insufficient system resources</source>
        <translation>Insufficient system resources</translation>
    </message>
    <message>
        <source>Invalid option specified</source>
        <translation>Invalid option specified</translation>
    </message>
    <message>
        <source>Hardware error</source>
        <translation>Hardware error</translation>
    </message>
    <message>
        <source>Transmission size too large</source>
        <translation>Transmission size too large</translation>
    </message>
    <message>
        <source>Request timed out</source>
        <translation>Request timed out</translation>
    </message>
    <message>
        <source>Invalid request</source>
        <translation>Invalid request</translation>
    </message>
    <message>
        <source>Invalid route</source>
        <translation>Invalid route</translation>
    </message>
    <message>
        <source>Time To Live expired in transit</source>
        <translation>Time To Live expired in transit</translation>
    </message>
    <message>
        <source>Time To Live expired after reaching host</source>
        <translation>Time To Live expired after reaching host</translation>
    </message>
    <message>
        <source>Parameter problem</source>
        <translation>Parameter problem</translation>
    </message>
    <message>
        <source>Host overloaded</source>
        <translation>Host overloaded</translation>
    </message>
    <message>
        <source>Try something a little less huge</source>
        <translation>Try something a little less huge</translation>
    </message>
    <message>
        <source>IP address not found/invalid format</source>
        <translation>IP address not found/invalid format</translation>
    </message>
    <message>
        <source>IP address has been deleted</source>
        <translation>IP address has been deleted</translation>
    </message>
    <message>
        <source>Specific MTU change</source>
        <translation>Specific MTU change</translation>
    </message>
    <message>
        <source>MTU got changed by someone, somewhere</source>
        <translation>MTU got changed by someone, somewhere</translation>
    </message>
    <message>
        <source>Stack, he has gone bye-bye</source>
        <translation>Stack, he has gone bye-bye</translation>
    </message>
    <message>
        <source>General failure</source>
        <translation>General failure</translation>
    </message>
    <message>
        <source>Message queued but not yet sent</source>
        <translation>Message queued but not yet sent</translation>
    </message>
    <message>
        <source>Unknown ICMP error code %1</source>
        <translation>Unknown ICMP error code %1</translation>
    </message>
</context>
<context>
    <name>NetStatRows</name>
    <message>
        <source>应用程序</source>
        <translation>Application</translation>
    </message>
    <message>
        <source>协议</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>本地地址</source>
        <translation>Local Address</translation>
    </message>
    <message>
        <source>远程地址</source>
        <translation>Remote Address</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>State</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
</context>
<context>
    <name>PingRun</name>
    <message>
        <source>IP地址</source>
        <translation>IP Address</translation>
    </message>
    <message>
        <source>响应时间</source>
        <translation>Response Time</translation>
    </message>
    <message>
        <source>No reply from host</source>
        <translation>No reply from host</translation>
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
        <translation>Address</translation>
    </message>
    <message>
        <source>主机名</source>
        <translation>Host Name</translation>
    </message>
    <message>
        <source>响应时间</source>
        <translation>Response Time</translation>
    </message>
    <message>
        <source>No reply from host</source>
        <translation>No reply from host</translation>
    </message>
    <message>
        <source>Trace complete</source>
        <translation>Trace complete</translation>
    </message>
    <message>
        <source>酒花</source>
        <translation>Hop</translation>
    </message>
</context>
<context>
    <name>WorkerWait</name>
    <message>
        <source>正在停止,请稍候...</source>
        <translation>Stopping, please wait...</translation>
    </message>
</context>
<context>
    <name>meterly::TEchoToolForm</name>
    <message>
        <source>主机:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>复制行(&amp;L)</source>
        <translation>Copy &amp;Line</translation>
    </message>
    <message>
        <source>全部复制(&amp;A)</source>
        <translation>Copy &amp;All</translation>
    </message>
    <message>
        <source>Please enter a host name or address</source>
        <translation>Please enter a host name or address</translation>
    </message>
    <message>
        <source>Unable to resolve the host name</source>
        <translation>Unable to resolve the host name</translation>
    </message>
    <message>
        <source>Unable to create a socket</source>
        <translation>Unable to create a socket</translation>
    </message>
</context>
<context>
    <name>meterly::TNetStatForm</name>
    <message>
        <source>网络统计</source>
        <translation>Network Statistics</translation>
    </message>
    <message>
        <source>刷新(&amp;R)</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <source>结束程序(&amp;T)</source>
        <translation>&amp;Terminate Application</translation>
    </message>
    <message>
        <source>复制行(&amp;L)</source>
        <translation>Copy &amp;Line</translation>
    </message>
    <message>
        <source>全部复制(&amp;A)</source>
        <translation>Copy &amp;All</translation>
    </message>
    <message>
        <source>保存(&amp;S)...</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <source>解析地址</source>
        <translation>Resolve addresses</translation>
    </message>
    <message>
        <source>仅显示已建立的连接</source>
        <translation>Show established connections only</translation>
    </message>
    <message>
        <source>自动刷新</source>
        <translation>Refresh automatically</translation>
    </message>
    <message>
        <source>Unable to end %1 (process %2): %3</source>
        <translation>Unable to end %1 (process %2): %3</translation>
    </message>
    <message>
        <source>%1 %2 at %3</source>
        <translation>%1 %2 at %3</translation>
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
        <translation>Start &amp;Ping</translation>
    </message>
    <message>
        <source>停止 Ping(&amp;P)</source>
        <translation>Stop &amp;Ping</translation>
    </message>
    <message>
        <source>次数:</source>
        <translation>Count:</translation>
    </message>
    <message>
        <source>超时 (ms):</source>
        <translation>Timeout (ms):</translation>
    </message>
</context>
<context>
    <name>meterly::TTraceRouteForm</name>
    <message>
        <source>Meterly 路由跟踪</source>
        <translation>Meterly Trace Route</translation>
    </message>
    <message>
        <source>&amp;Start Trace</source>
        <translation>&amp;Start Trace</translation>
    </message>
    <message>
        <source>&amp;Stop Trace</source>
        <translation>&amp;Stop Trace</translation>
    </message>
    <message>
        <source>解析主机名</source>
        <translation>Resolve host names</translation>
    </message>
    <message>
        <source>超时 (ms):</source>
        <translation>Timeout (ms):</translation>
    </message>
</context>
</TS>
