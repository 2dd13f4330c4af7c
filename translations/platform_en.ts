<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AddressWatch</name>
    <message>
        <source>cannot listen for address changes: %1</source>
        <translation>cannot listen for address changes: %1</translation>
    </message>
</context>
<context>
    <name>Dialup</name>
    <message>
        <source>this system has no PPP support</source>
        <translation>this system has no PPP support</translation>
    </message>
    <message>
        <source>cannot listen for dial-up connections: %1</source>
        <translation>cannot listen for dial-up connections: %1</translation>
    </message>
    <message>
        <source>cannot wait for dial-up connections: %1</source>
        <translation>cannot wait for dial-up connections: %1</translation>
    </message>
    <message>
        <source>the dial-up connection watch broke: %1</source>
        <translation>the dial-up connection watch broke: %1</translation>
    </message>
    <message>
        <source>waiting for dial-up connections failed: %1</source>
        <translation>waiting for dial-up connections failed: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an interface name</source>
        <translation>&quot;%1&quot; is not an interface name</translation>
    </message>
    <message>
        <source>no pppd is named in %1</source>
        <translation>no pppd is named in %1</translation>
    </message>
    <message>
        <source>pppd %1 of %2: %3</source>
        <translation>pppd %1 of %2: %3</translation>
    </message>
    <message>
        <source>%1 names process %2, which is not pppd</source>
        <translation>%1 names process %2, which is not pppd</translation>
    </message>
    <message>
        <source>pppd %1 cannot be ended: %2</source>
        <translation>pppd %1 cannot be ended: %2</translation>
    </message>
</context>
<context>
    <name>HotKey</name>
    <message>
        <source>the key combination is already taken by another program</source>
        <translation>the key combination is already taken by another program</translation>
    </message>
    <message>
        <source>the X server refused the key grab (X error %1)</source>
        <translation>the X server refused the key grab (X error %1)</translation>
    </message>
    <message>
        <source>no key combination was given</source>
        <translation>no key combination was given</translation>
    </message>
    <message>
        <source>global hot keys need an X11 session</source>
        <translation>global hot keys need an X11 session</translation>
    </message>
    <message>
        <source>X11 has no key symbol for this key</source>
        <translation>X11 has no key symbol for this key</translation>
    </message>
    <message>
        <source>the key is not on this keyboard</source>
        <translation>the key is not on this keyboard</translation>
    </message>
    <message>
        <source>the X server keeps this key combination for switching consoles</source>
        <translation>the X server keeps this key combination for switching consoles</translation>
    </message>
</context>
<context>
    <name>Icmp</name>
    <message>
        <source>no ICMP datagram socket (%1: the system setting net.ipv4.ping_group_range does not admit the user&apos;s groups)</source>
        <translation>no ICMP datagram socket (%1: the system setting net.ipv4.ping_group_range does not admit the user&apos;s groups)</translation>
    </message>
    <message>
        <source>no raw socket (%1: it needs root or the CAP_NET_RAW capability)</source>
        <translation>no raw socket (%1: it needs root or the CAP_NET_RAW capability)</translation>
    </message>
    <message>
        <source>Ping and trace route are not available: %1.</source>
        <translation>Ping and trace route are not available: %1.</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Cannot open an ICMP socket: %1</source>
        <translation>Cannot open an ICMP socket: %1</translation>
    </message>
    <message>
        <source>Cannot create an event descriptor: %1</source>
        <translation>Cannot create an event descriptor: %1</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Cannot create %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder owned by this user</source>
        <translation>%1 is not a folder owned by this user</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Cannot open %1: %2</translation>
    </message>
</context>
<context>
    <name>LinuxPlatform</name>
    <message>
        <source>This system does not offer the kernel&apos;s routing interface (rtnetlink): %1</source>
        <translation>This system does not offer the kernel&apos;s routing interface (rtnetlink): %1</translation>
    </message>
</context>
<context>
    <name>Power</name>
    <message>
        <source>No system bus: %1</source>
        <translation>No system bus: %1</translation>
    </message>
    <message>
        <source>Only shutting the computer down is supported</source>
        <translation>Only shutting the computer down is supported</translation>
    </message>
</context>
<context>
    <name>ProcessService</name>
    <message>
        <source>This process cannot be ended.</source>
        <translation>This process cannot be ended.</translation>
    </message>
    <message>
        <source>The program has ended already.</source>
        <translation>The program has ended already.</translation>
    </message>
    <message>
        <source>The program has ended already; another one now has its process number.</source>
        <translation>The program has ended already; another one now has its process number.</translation>
    </message>
</context>
<context>
    <name>RegeditFormat</name>
    <message>
        <source>unknown escape inside quotes (only \\, \&quot;, \n and \r)</source>
        <translation>unknown escape inside quotes (only \\, \&quot;, \n and \r)</translation>
    </message>
    <message>
        <source>quoted text has no closing quote</source>
        <translation>quoted text has no closing quote</translation>
    </message>
    <message>
        <source>dword value needs 1 to 8 hex digits</source>
        <translation>dword value needs 1 to 8 hex digits</translation>
    </message>
    <message>
        <source>hex value needs two-digit hex bytes separated by commas</source>
        <translation>hex value needs two-digit hex bytes separated by commas</translation>
    </message>
    <message>
        <source>key path has an empty key name</source>
        <translation>key path has an empty key name</translation>
    </message>
    <message>
        <source>key path nests keys too deep</source>
        <translation>key path nests keys too deep</translation>
    </message>
    <message>
        <source>the file must start with REGEDIT4</source>
        <translation>the file must start with REGEDIT4</translation>
    </message>
    <message>
        <source>line is neither a [key], a value nor a ; comment</source>
        <translation>line is neither a [key], a value nor a ; comment</translation>
    </message>
    <message>
        <source>deleting a key with [-...] is not supported</source>
        <translation>deleting a key with [-...] is not supported</translation>
    </message>
    <message>
        <source>key line is missing its closing ]</source>
        <translation>key line is missing its closing ]</translation>
    </message>
    <message>
        <source>key must be under HKEY_CURRENT_USER\</source>
        <translation>key must be under HKEY_CURRENT_USER\</translation>
    </message>
    <message>
        <source>value comes before any [key] line</source>
        <translation>value comes before any [key] line</translation>
    </message>
    <message>
        <source>value name must be followed by =</source>
        <translation>value name must be followed by =</translation>
    </message>
    <message>
        <source>text value must end at its closing quote</source>
        <translation>text value must end at its closing quote</translation>
    </message>
    <message>
        <source>only text, dword: and hex: values are supported, not hex(n):</source>
        <translation>only text, dword: and hex: values are supported, not hex(n):</translation>
    </message>
    <message>
        <source>value data must be &quot;text&quot;, dword: or hex:</source>
        <translation>value data must be &quot;text&quot;, dword: or hex:</translation>
    </message>
    <message>
        <source>hex value goes on past the end of the file</source>
        <translation>hex value goes on past the end of the file</translation>
    </message>
    <message>
        <source>NUL byte</source>
        <translation>NUL byte</translation>
    </message>
    <message>
        <source>carriage return inside a line</source>
        <translation>carriage return inside a line</translation>
    </message>
    <message>
        <source>invalid UTF-8</source>
        <translation>invalid UTF-8</translation>
    </message>
    <message>
        <source>byte-order mark inside the file</source>
        <translation>byte-order mark inside the file</translation>
    </message>
</context>
<context>
    <name>Registry</name>
    <message>
        <source>The settings file %1 could not be read (line %2: %3). It was kept as %4 and the default settings apply.</source>
        <translation>The settings file %1 could not be read (line %2: %3). It was kept as %4 and the default settings apply.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (line %2: %3) and could not be moved aside (%4). The default settings apply but will not be saved, so that the file is not overwritten.</source>
        <translation>The settings file %1 could not be read (line %2: %3) and could not be moved aside (%4). The default settings apply but will not be saved, so that the file is not overwritten.</translation>
    </message>
    <message>
        <source>The settings were not saved: the unreadable settings file %1 could not be moved aside and would have been overwritten.</source>
        <translation>The settings were not saved: the unreadable settings file %1 could not be moved aside and would have been overwritten.</translation>
    </message>
    <message>
        <source>The settings were not saved, so that the unreadable settings file %1 is not overwritten.</source>
        <translation>The settings were not saved, so that the unreadable settings file %1 is not overwritten.</translation>
    </message>
</context>
<context>
    <name>RegistryFile</name>
    <message>
        <source>Cannot create the folder %1: %2</source>
        <translation>Cannot create the folder %1: %2</translation>
    </message>
    <message>
        <source>Cannot create a temporary file for %1: %2</source>
        <translation>Cannot create a temporary file for %1: %2</translation>
    </message>
    <message>
        <source>The settings were written, but cannot be made durable in the folder %1: %2</source>
        <translation>The settings were written, but cannot be made durable in the folder %1: %2</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1: %2</source>
        <translation>Cannot read the settings file %1: %2</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1: it is not a regular file</source>
        <translation>Cannot read the settings file %1: it is not a regular file</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1: %2</source>
        <translation>Cannot write the settings file %1: %2</translation>
    </message>
    <message>
        <source>Cannot move aside the settings file %1: %2</source>
        <translation>Cannot move aside the settings file %1: %2</translation>
    </message>
    <message>
        <source>Cannot move aside the settings file %1: %2 earlier copies are kept already</source>
        <translation>Cannot move aside the settings file %1: %2 earlier copies are kept already</translation>
    </message>
</context>
<context>
    <name>RouteChannel</name>
    <message>
        <source>cannot open a routing netlink socket: %1</source>
        <translation>cannot open a routing netlink socket: %1</translation>
    </message>
</context>
<context>
    <name>SharedMemory</name>
    <message>
        <source>Cannot examine the shared memory section %1: %2</source>
        <translation>Cannot examine the shared memory section %1: %2</translation>
    </message>
    <message>
        <source>Refusing the shared memory section %1: %2</source>
        <translation>Refusing the shared memory section %1: %2</translation>
    </message>
    <message>
        <source>it belongs to user %1</source>
        <translation>it belongs to user %1</translation>
    </message>
    <message>
        <source>Cannot size the shared memory section %1: %2</source>
        <translation>Cannot size the shared memory section %1: %2</translation>
    </message>
    <message>
        <source>it has %1 bytes instead of %2</source>
        <translation>it has %1 bytes instead of %2</translation>
    </message>
    <message>
        <source>Cannot restrict access to the shared memory section %1: %2</source>
        <translation>Cannot restrict access to the shared memory section %1: %2</translation>
    </message>
    <message>
        <source>Cannot name the shared memory section %1: %2</source>
        <translation>Cannot name the shared memory section %1: %2</translation>
    </message>
    <message>
        <source>a section name is one word without &apos;/&apos;</source>
        <translation>a section name is one word without &apos;/&apos;</translation>
    </message>
    <message>
        <source>Cannot create the shared memory section %1: %2</source>
        <translation>Cannot create the shared memory section %1: %2</translation>
    </message>
    <message>
        <source>the size must be positive</source>
        <translation>the size must be positive</translation>
    </message>
    <message>
        <source>Cannot create or open the shared memory section %1: %2</source>
        <translation>Cannot create or open the shared memory section %1: %2</translation>
    </message>
    <message>
        <source>Cannot map the shared memory section %1: %2</source>
        <translation>Cannot map the shared memory section %1: %2</translation>
    </message>
</context>
</TS>
