<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>InternetErrorText</name>
    <message>
        <source>No more handles could be generated at this time.</source>
        <translation>目前无法再生成句柄。</translation>
    </message>
    <message>
        <source>The request has timed out.</source>
        <translation>请求已超时。</translation>
    </message>
    <message>
        <source>An extended error was returned from the server.</source>
        <translation>服务器返回了扩展错误。</translation>
    </message>
    <message>
        <source>An internal error has occurred.</source>
        <translation>发生了内部错误。</translation>
    </message>
    <message>
        <source>The URL is invalid.</source>
        <translation>URL 无效。</translation>
    </message>
    <message>
        <source>The URL scheme could not be recognized or is not supported.</source>
        <translation>无法识别 URL 方案，或不支持该方案。</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>无法解析服务器名称。</translation>
    </message>
    <message>
        <source>The requested protocol could not be located.</source>
        <translation>找不到所请求的协议。</translation>
    </message>
    <message>
        <source>A request specified an invalid option value.</source>
        <translation>请求指定了无效的选项值。</translation>
    </message>
    <message>
        <source>The length of an option supplied is incorrect for the type of option specified.</source>
        <translation>所提供选项的长度与指定的选项类型不符。</translation>
    </message>
    <message>
        <source>The request option cannot be set, only queried.</source>
        <translation>该请求选项只能查询，不能设置。</translation>
    </message>
    <message>
        <source>The internet function support is being shut down or unloaded.</source>
        <translation>Internet 功能支持正在关闭或卸载。</translation>
    </message>
    <message>
        <source>The request to log on to the server could not be completed because the user name is incorrect.</source>
        <translation>用户名不正确，无法完成登录服务器的请求。</translation>
    </message>
    <message>
        <source>The request to log on to the server could not be completed because the password is incorrect.</source>
        <translation>密码不正确，无法完成登录服务器的请求。</translation>
    </message>
    <message>
        <source>The request to connect to and log on to the server failed.</source>
        <translation>连接并登录服务器的请求失败。</translation>
    </message>
    <message>
        <source>The requested operation is invalid.</source>
        <translation>所请求的操作无效。</translation>
    </message>
    <message>
        <source>The operation was canceled before it completed.</source>
        <translation>操作在完成之前被取消。</translation>
    </message>
    <message>
        <source>The type of handle supplied is incorrect for this operation.</source>
        <translation>所提供的句柄类型不适用于此操作。</translation>
    </message>
    <message>
        <source>The requested operation cannot be carried out because the handle is not in the correct state.</source>
        <translation>句柄状态不正确，无法执行所请求的操作。</translation>
    </message>
    <message>
        <source>The request cannot be made through a proxy.</source>
        <translation>无法通过代理发出该请求。</translation>
    </message>
    <message>
        <source>A required registry value could not be located.</source>
        <translation>找不到所需的注册表值。</translation>
    </message>
    <message>
        <source>A required registry value was located but has an incorrect type or an invalid value.</source>
        <translation>找到了所需的注册表值，但其类型不正确或值无效。</translation>
    </message>
    <message>
        <source>Direct network access cannot be made at this time.</source>
        <translation>目前无法直接访问网络。</translation>
    </message>
    <message>
        <source>An asynchronous request could not be made because a zero context value was supplied.</source>
        <translation>提供的上下文值为零，无法发出异步请求。</translation>
    </message>
    <message>
        <source>An asynchronous request could not be made because a callback function has not been set.</source>
        <translation>尚未设置回调函数，无法发出异步请求。</translation>
    </message>
    <message>
        <source>The operation could not be completed because one or more requests are pending.</source>
        <translation>有一个或多个请求尚未完成，无法完成该操作。</translation>
    </message>
    <message>
        <source>The format of the request is invalid.</source>
        <translation>请求的格式无效。</translation>
    </message>
    <message>
        <source>The requested item could not be located.</source>
        <translation>找不到所请求的项目。</translation>
    </message>
    <message>
        <source>The attempt to connect to the server failed.</source>
        <translation>连接服务器失败。</translation>
    </message>
    <message>
        <source>The connection with the server has been terminated.</source>
        <translation>与服务器的连接已终止。</translation>
    </message>
    <message>
        <source>The connection with the server has been reset.</source>
        <translation>与服务器的连接已被重置。</translation>
    </message>
    <message>
        <source>The function needs to redo the request.</source>
        <translation>该函数需要重新发出请求。</translation>
    </message>
    <message>
        <source>The request to the proxy was invalid.</source>
        <translation>发往代理的请求无效。</translation>
    </message>
    <message>
        <source>The request failed because the handle already exists.</source>
        <translation>句柄已存在，请求失败。</translation>
    </message>
    <message>
        <source>The date of the certificate received from the server is not valid.</source>
        <translation>从服务器收到的证书日期无效。</translation>
    </message>
    <message>
        <source>The host name in the certificate received from the server is incorrect.</source>
        <translation>从服务器收到的证书中的主机名不正确。</translation>
    </message>
    <message>
        <source>The connection moves from an insecure to a secure connection because of a redirect.</source>
        <translation>由于重定向，连接从不安全连接转为安全连接。</translation>
    </message>
    <message>
        <source>The connection moves from a secure to an insecure connection because of a redirect.</source>
        <translation>由于重定向，连接从安全连接转为不安全连接。</translation>
    </message>
    <message>
        <source>The content is not entirely secure.</source>
        <translation>内容并非完全安全。</translation>
    </message>
    <message>
        <source>The program is posting and changing several lines of text on a server that is not secure.</source>
        <translation>程序正在不安全的服务器上发布并更改多行文本。</translation>
    </message>
    <message>
        <source>The program is posting data to a server that is not secure.</source>
        <translation>程序正在向不安全的服务器发送数据。</translation>
    </message>
    <message>
        <source>The operation cannot be made on the file transfer session because another operation is in progress.</source>
        <translation>另一个操作正在进行，无法在文件传输会话上执行该操作。</translation>
    </message>
    <message>
        <source>The file transfer operation was not completed because the session was aborted.</source>
        <translation>会话已中止，文件传输操作未完成。</translation>
    </message>
    <message>
        <source>An error was detected while parsing data returned from the directory server.</source>
        <translation>分析目录服务器返回的数据时检测到错误。</translation>
    </message>
    <message>
        <source>The request must be made for a file locator.</source>
        <translation>该请求必须针对文件定位符发出。</translation>
    </message>
    <message>
        <source>An error was detected while receiving data from the directory server.</source>
        <translation>从目录服务器接收数据时检测到错误。</translation>
    </message>
    <message>
        <source>The end of the data has been reached.</source>
        <translation>已到达数据末尾。</translation>
    </message>
    <message>
        <source>The supplied locator is not valid.</source>
        <translation>所提供的定位符无效。</translation>
    </message>
    <message>
        <source>The type of the locator is not correct for this operation.</source>
        <translation>定位符的类型不适用于此操作。</translation>
    </message>
    <message>
        <source>The requested operation can be made only against an extended directory server.</source>
        <translation>所请求的操作只能针对扩展目录服务器执行。</translation>
    </message>
    <message>
        <source>The requested attribute could not be located.</source>
        <translation>找不到所请求的属性。</translation>
    </message>
    <message>
        <source>The locator type is unknown.</source>
        <translation>定位符类型未知。</translation>
    </message>
    <message>
        <source>The requested header could not be located.</source>
        <translation>找不到所请求的标头。</translation>
    </message>
    <message>
        <source>The server did not return any headers.</source>
        <translation>服务器未返回任何标头。</translation>
    </message>
    <message>
        <source>The server response could not be parsed.</source>
        <translation>无法分析服务器的响应。</translation>
    </message>
    <message>
        <source>The supplied header is invalid.</source>
        <translation>所提供的标头无效。</translation>
    </message>
    <message>
        <source>The request made to query the response headers is invalid.</source>
        <translation>查询响应标头的请求无效。</translation>
    </message>
    <message>
        <source>The header could not be added because it already exists.</source>
        <translation>标头已存在，无法添加。</translation>
    </message>
    <message>
        <source>The redirection failed because either the scheme changed or endless loop.</source>
        <translation>重定向失败：方案已更改，或出现无限循环。</translation>
    </message>
    <message>
        <source>Unknown error: %1</source>
        <translation>未知错误：%1</translation>
    </message>
</context>
<context>
    <name>VersionCheckText</name>
    <message>
        <source>检查更新 ...</source>
        <translation>检查更新 ...</translation>
    </message>
    <message>
        <source>无新版本</source>
        <translation>无新版本</translation>
    </message>
    <message>
        <source>Update Found</source>
        <translation>发现更新</translation>
    </message>
    <message>
        <source>现在下载(&amp;D)</source>
        <translation>现在下载(&amp;D)</translation>
    </message>
    <message>
        <source>Unable to read local version information: %1</source>
        <translation>无法读取本地版本信息：%1</translation>
    </message>
    <message>
        <source>Unable to read remote version information: %1</source>
        <translation>无法读取远程版本信息：%1</translation>
    </message>
    <message>
        <source>Unexpected exception occurred: %1</source>
        <translation>发生意外异常：%1</translation>
    </message>
    <message>
        <source>No proxy user name and password specified</source>
        <translation>未指定代理用户名和密码</translation>
    </message>
    <message>
        <source>The version file on the server is empty.</source>
        <translation>服务器上的版本文件为空。</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not a version number.</source>
        <translation>服务器的应答不是版本号。</translation>
    </message>
    <message>
        <source>是否让 %1 自动检查新版本?</source>
        <translation>是否让 %1 自动检查新版本?</translation>
    </message>
    <message>
        <source>新版本 %1 已可用!

目前版本:%2
新版本:%3</source>
        <translation>新版本 %1 已可用!

目前版本:%2
新版本:%3</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>服务器以 HTTP 状态 %1 应答。</translation>
    </message>
</context>
<context>
    <name>VersionNumber</name>
    <message>
        <source>The program&apos;s version &quot;%1&quot; is not readable.</source>
        <translation>无法识别本程序的版本 &quot;%1&quot;。</translation>
    </message>
</context>
<context>
    <name>meterly::TProxyLoginDialog</name>
    <message>
        <source>Proxy login</source>
        <translation>代理登录</translation>
    </message>
    <message>
        <source>The proxy %1 needs a user name and password.</source>
        <translation>代理 %1 需要用户名和密码。</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>用户名:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>密码:</translation>
    </message>
</context>
</TS>
