<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>InternetErrorText</name>
    <message>
        <source>No more handles could be generated at this time.</source>
        <translation>No more handles could be generated at this time.</translation>
    </message>
    <message>
        <source>The request has timed out.</source>
        <translation>The request has timed out.</translation>
    </message>
    <message>
        <source>An extended error was returned from the server.</source>
        <translation>An extended error was returned from the server.</translation>
    </message>
    <message>
        <source>An internal error has occurred.</source>
        <translation>An internal error has occurred.</translation>
    </message>
    <message>
        <source>The URL is invalid.</source>
        <translation>The URL is invalid.</translation>
    </message>
    <message>
        <source>The URL scheme could not be recognized or is not supported.</source>
        <translation>The URL scheme could not be recognized or is not supported.</translation>
    </message>
    <message>
        <source>The server name could not be resolved.</source>
        <translation>The server name could not be resolved.</translation>
    </message>
    <message>
        <source>The requested protocol could not be located.</source>
        <translation>The requested protocol could not be located.</translation>
    </message>
    <message>
        <source>A request specified an invalid option value.</source>
        <translation>A request specified an invalid option value.</translation>
    </message>
    <message>
        <source>The length of an option supplied is incorrect for the type of option specified.</source>
        <translation>The length of an option supplied is incorrect for the type of option specified.</translation>
    </message>
    <message>
        <source>The request option cannot be set, only queried.</source>
        <translation>The request option cannot be set, only queried.</translation>
    </message>
    <message>
        <source>The internet function support is being shut down or unloaded.</source>
        <translation>The internet function support is being shut down or unloaded.</translation>
    </message>
    <message>
        <source>The request to log on to the server could not be completed because the user name is incorrect.</source>
        <translation>The request to log on to the server could not be completed because the user name is incorrect.</translation>
    </message>
    <message>
        <source>The request to log on to the server could not be completed because the password is incorrect.</source>
        <translation>The request to log on to the server could not be completed because the password is incorrect.</translation>
    </message>
    <message>
        <source>The request to connect to and log on to the server failed.</source>
        <translation>The request to connect to and log on to the server failed.</translation>
    </message>
    <message>
        <source>The requested operation is invalid.</source>
        <translation>The requested operation is invalid.</translation>
    </message>
    <message>
        <source>The operation was canceled before it completed.</source>
        <translation>The operation was canceled before it completed.</translation>
    </message>
    <message>
        <source>The type of handle supplied is incorrect for this operation.</source>
        <translation>The type of handle supplied is incorrect for this operation.</translation>
    </message>
    <message>
        <source>The requested operation cannot be carried out because the handle is not in the correct state.</source>
        <translation>The requested operation cannot be carried out because the handle is not in the correct state.</translation>
    </message>
    <message>
        <source>The request cannot be made through a proxy.</source>
        <translation>The request cannot be made through a proxy.</translation>
    </message>
    <message>
        <source>A required registry value could not be located.</source>
        <translation>A required registry value could not be located.</translation>
    </message>
    <message>
        <source>A required registry value was located but has an incorrect type or an invalid value.</source>
        <translation>A required registry value was located but has an incorrect type or an invalid value.</translation>
    </message>
    <message>
        <source>Direct network access cannot be made at this time.</source>
        <translation>Direct network access cannot be made at this time.</translation>
    </message>
    <message>
        <source>An asynchronous request could not be made because a zero context value was supplied.</source>
        <translation>An asynchronous request could not be made because a zero context value was supplied.</translation>
    </message>
    <message>
        <source>An asynchronous request could not be made because a callback function has not been set.</source>
        <translation>An asynchronous request could not be made because a callback function has not been set.</translation>
    </message>
    <message>
        <source>The operation could not be completed because one or more requests are pending.</source>
        <translation>The operation could not be completed because one or more requests are pending.</translation>
    </message>
    <message>
        <source>The format of the request is invalid.</source>
        <translation>The format of the request is invalid.</translation>
    </message>
    <message>
        <source>The requested item could not be located.</source>
        <translation>The requested item could not be located.</translation>
    </message>
    <message>
        <source>The attempt to connect to the server failed.</source>
        <translation>The attempt to connect to the server failed.</translation>
    </message>
    <message>
        <source>The connection with the server has been terminated.</source>
        <translation>The connection with the server has been terminated.</translation>
    </message>
    <message>
        <source>The connection with the server has been reset.</source>
        <translation>The connection with the server has been reset.</translation>
    </message>
    <message>
        <source>The function needs to redo the request.</source>
        <translation>The function needs to redo the request.</translation>
    </message>
    <message>
        <source>The request to the proxy was invalid.</source>
        <translation>The request to the proxy was invalid.</translation>
    </message>
    <message>
        <source>The request failed because the handle already exists.</source>
        <translation>The request failed because the handle already exists.</translation>
    </message>
    <message>
        <source>The date of the certificate received from the server is not valid.</source>
        <translation>The date of the certificate received from the server is not valid.</translation>
    </message>
    <message>
        <source>The host name in the certificate received from the server is incorrect.</source>
        <translation>The host name in the certificate received from the server is incorrect.</translation>
    </message>
    <message>
        <source>The connection moves from an insecure to a secure connection because of a redirect.</source>
        <translation>The connection moves from an insecure to a secure connection because of a redirect.</translation>
    </message>
    <message>
        <source>The connection moves from a secure to an insecure connection because of a redirect.</source>
        <translation>The connection moves from a secure to an insecure connection because of a redirect.</translation>
    </message>
    <message>
        <source>The content is not entirely secure.</source>
        <translation>The content is not entirely secure.</translation>
    </message>
    <message>
        <source>The program is posting and changing several lines of text on a server that is not secure.</source>
        <translation>The program is posting and changing several lines of text on a server that is not secure.</translation>
    </message>
    <message>
        <source>The program is posting data to a server that is not secure.</source>
        <translation>The program is posting data to a server that is not secure.</translation>
    </message>
    <message>
        <source>The operation cannot be made on the file transfer session because another operation is in progress.</source>
        <translation>The operation cannot be made on the file transfer session because another operation is in progress.</translation>
    </message>
    <message>
        <source>The file transfer operation was not completed because the session was aborted.</source>
        <translation>The file transfer operation was not completed because the session was aborted.</translation>
    </message>
    <message>
        <source>An error was detected while parsing data returned from the directory server.</source>
        <translation>An error was detected while parsing data returned from the directory server.</translation>
    </message>
    <message>
        <source>The request must be made for a file locator.</source>
        <translation>The request must be made for a file locator.</translation>
    </message>
    <message>
        <source>An error was detected while receiving data from the directory server.</source>
        <translation>An error was detected while receiving data from the directory server.</translation>
    </message>
    <message>
        <source>The end of the data has been reached.</source>
        <translation>The end of the data has been reached.</translation>
    </message>
    <message>
        <source>The supplied locator is not valid.</source>
        <translation>The supplied locator is not valid.</translation>
    </message>
    <message>
        <source>The type of the locator is not correct for this operation.</source>
        <translation>The type of the locator is not correct for this operation.</translation>
    </message>
    <message>
        <source>The requested operation can be made only against an extended directory server.</source>
        <translation>The requested operation can be made only against an extended directory server.</translation>
    </message>
    <message>
        <source>The requested attribute could not be located.</source>
        <translation>The requested attribute could not be located.</translation>
    </message>
    <message>
        <source>The locator type is unknown.</source>
        <translation>The locator type is unknown.</translation>
    </message>
    <message>
        <source>The requested header could not be located.</source>
        <translation>The requested header could not be located.</translation>
    </message>
    <message>
        <source>The server did not return any headers.</source>
        <translation>The server did not return any headers.</translation>
    </message>
    <message>
        <source>The server response could not be parsed.</source>
        <translation>The server response could not be parsed.</translation>
    </message>
    <message>
        <source>The supplied header is invalid.</source>
        <translation>The supplied header is invalid.</translation>
    </message>
    <message>
        <source>The request made to query the response headers is invalid.</source>
        <translation>The request made to query the response headers is invalid.</translation>
    </message>
    <message>
        <source>The header could not be added because it already exists.</source>
        <translation>The header could not be added because it already exists.</translation>
    </message>
    <message>
        <source>The redirection failed because either the scheme changed or endless loop.</source>
        <translation>The redirection failed because either the scheme changed or endless loop.</translation>
    </message>
    <message>
        <source>Unknown error: %1</source>
        <translation>Unknown error: %1</translation>
    </message>
</context>
<context>
    <name>VersionCheckText</name>
    <message>
        <source>检查更新 ...</source>
        <translation>Checking for updates ...</translation>
    </message>
    <message>
        <source>无新版本</source>
        <translation>No new version</translation>
    </message>
    <message>
        <source>Update Found</source>
        <translation>Update Found</translation>
    </message>
    <message>
        <source>现在下载(&amp;D)</source>
        <translation>&amp;Download Now</translation>
    </message>
    <message>
        <source>Unable to read local version information: %1</source>
        <translation>Unable to read local version information: %1</translation>
    </message>
    <message>
        <source>Unable to read remote version information: %1</source>
        <translation>Unable to read remote version information: %1</translation>
    </message>
    <message>
        <source>Unexpected exception occurred: %1</source>
        <translation>Unexpected exception occurred: %1</translation>
    </message>
    <message>
        <source>No proxy user name and password specified</source>
        <translation>No proxy user name and password specified</translation>
    </message>
    <message>
        <source>The version file on the server is empty.</source>
        <translation>The version file on the server is empty.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not a version number.</source>
        <translation>The server&apos;s answer is not a version number.</translation>
    </message>
    <message>
        <source>是否让 %1 自动检查新版本?</source>
        <translation>Let %1 check for new versions automatically?</translation>
    </message>
    <message>
        <source>新版本 %1 已可用!

目前版本:%2
新版本:%3</source>
        <translation>A new version of %1 is available!

Current version: %2
New version: %3</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>The server answered with HTTP status %1.</translation>
    </message>
</context>
<context>
    <name>VersionNumber</name>
    <message>
        <source>The program&apos;s version &quot;%1&quot; is not readable.</source>
        <translation>The program&apos;s version &quot;%1&quot; is not readable.</translation>
    </message>
</context>
<context>
    <name>meterly::TProxyLoginDialog</name>
    <message>
        <source>Proxy login</source>
        <translation>Proxy login</translation>
    </message>
    <message>
        <source>The proxy %1 needs a user name and password.</source>
        <translation>The proxy %1 needs a user name and password.</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation>User name:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
</context>
</TS>
