<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
        <translation>Usage: meterly [-readonly] [-auto] [-hello]
Meterly shows the network traffic in the system tray and records it, per user, day and hour.

  -readonly      the settings and Exit cannot be reached from the tray menu
  -auto          started at logon: waits 10 seconds, then runs only when starting
                 at logon is enabled in the settings
  -hello         shows where the tray icon is
  -h, --help     prints this help and exits
  -V, --version  prints the version and exits

The switches may also be written with &quot;/&quot; and in any case (/ReadOnly). Reports of the
recorded traffic on the command line: meterly-report --help.
</translation>
    </message>
</context>
<context>
    <name>Conversion</name>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>InterfaceInfo</name>
    <message>
        <source>Not Available</source>
        <translation>Not Available</translation>
    </message>
    <message>
        <source>IP地址: %1    MAC: %2</source>
        <translation>IP address: %1    MAC: %2</translation>
    </message>
</context>
<context>
    <name>MonthStart</name>
    <message>
        <source>%1th</source>
        <translation>%1th</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1st</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1nd</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1rd</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the stored setting %1\%2 = %3 is outside %4 to %5; the default %6 applies</source>
        <translation>the stored setting %1\%2 = %3 is outside %4 to %5; the default %6 applies</translation>
    </message>
</context>
<context>
    <name>ShellError</name>
    <message>
        <source>The operating system is out of memory or resources.</source>
        <translation>The operating system is out of memory or resources.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>The specified file was not found.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>The specified path was not found.</translation>
    </message>
    <message>
        <source>The operating system denied access to the specified file.</source>
        <translation>The operating system denied access to the specified file.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>There was not enough memory to complete the operation.</translation>
    </message>
    <message>
        <source>The .exe file is invalid (non-Win32 .exe or error in .exe image).</source>
        <translation>The .exe file is invalid (non-Win32 .exe or error in .exe image).</translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation>A sharing violation occurred.</translation>
    </message>
    <message>
        <source>The file name association is incomplete or invalid.</source>
        <translation>The file name association is incomplete or invalid.</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because the request timed out.</source>
        <translation>The DDE transaction could not be completed because the request timed out.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>The DDE transaction failed.</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because other DDE transactions were being processed.</source>
        <translation>The DDE transaction could not be completed because other DDE transactions were being processed.</translation>
    </message>
    <message>
        <source>No program is associated to open this.</source>
        <translation>No program is associated to open this.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>The specified dynamic-link library was not found.</translation>
    </message>
    <message>
        <source>Unknown error (%1)</source>
        <translation>Unknown error (%1)</translation>
    </message>
</context>
</TS>
