<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>OpenUsageDatabase</name>
    <message>
        <source>The usage database %1 could not be opened: %2</source>
        <translation>The usage database %1 could not be opened: %2</translation>
    </message>
    <message>
        <source>its folder could not be created</source>
        <translation>its folder could not be created</translation>
    </message>
    <message>
        <source>its folder may not be written</source>
        <translation>its folder may not be written</translation>
    </message>
    <message>
        <source>the file may be read but not written</source>
        <translation>the file may be read but not written</translation>
    </message>
    <message>
        <source>Usage is recorded in %1 for this user only: the shared usage database %2 may not be written by this user.</source>
        <translation>Usage is recorded in %1 for this user only: the shared usage database %2 may not be written by this user.</translation>
    </message>
</context>
<context>
    <name>RegistryStats</name>
    <message>
        <source>The usage statistics of earlier versions (%1 in the settings) could not be moved into the usage database: %2. They stay in the settings.</source>
        <translation>The usage statistics of earlier versions (%1 in the settings) could not be moved into the usage database: %2. They stay in the settings.</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; is not named by a day number</source>
        <translation>the value &quot;%1&quot; is not named by a day number</translation>
    </message>
    <message>
        <source>the value &quot;%1&quot; holds %2 bytes, more than a day&apos;s totals</source>
        <translation>the value &quot;%1&quot; holds %2 bytes, more than a day&apos;s totals</translation>
    </message>
    <message>
        <source>the key has subkeys</source>
        <translation>the key has subkeys</translation>
    </message>
</context>
<context>
    <name>SQLiteErrorText</name>
    <message>
        <source>Successful result</source>
        <translation>Successful result</translation>
    </message>
    <message>
        <source>SQL error or missing database</source>
        <translation>SQL error or missing database</translation>
    </message>
    <message>
        <source>An internal logic error in SQLite</source>
        <translation>An internal logic error in SQLite</translation>
    </message>
    <message>
        <source>Access permission denied</source>
        <translation>Access permission denied</translation>
    </message>
    <message>
        <source>Callback routine requested an abort</source>
        <translation>Callback routine requested an abort</translation>
    </message>
    <message>
        <source>The database file is locked</source>
        <translation>The database file is locked</translation>
    </message>
    <message>
        <source>A table in the database is locked</source>
        <translation>A table in the database is locked</translation>
    </message>
    <message>
        <source>A malloc() failed</source>
        <translation>A malloc() failed</translation>
    </message>
    <message>
        <source>Attempt to write a readonly database</source>
        <translation>Attempt to write a readonly database</translation>
    </message>
    <message>
        <source>Operation terminated by sqlite_interrupt()</source>
        <translation>Operation terminated by sqlite_interrupt()</translation>
    </message>
    <message>
        <source>Disk I/O error occurred</source>
        <translation>Disk I/O error occurred</translation>
    </message>
    <message>
        <source>The database disk image is malformed</source>
        <translation>The database disk image is malformed</translation>
    </message>
    <message>
        <source>(Internal Only) Table or record not found</source>
        <translation>(Internal Only) Table or record not found</translation>
    </message>
    <message>
        <source>Insertion failed because database is full</source>
        <translation>Insertion failed because database is full</translation>
    </message>
    <message>
        <source>Unable to open the database file</source>
        <translation>Unable to open the database file</translation>
    </message>
    <message>
        <source>Database lock protocol error</source>
        <translation>Database lock protocol error</translation>
    </message>
    <message>
        <source>(Internal Only) Database table is empty</source>
        <translation>(Internal Only) Database table is empty</translation>
    </message>
    <message>
        <source>The database schema changed</source>
        <translation>The database schema changed</translation>
    </message>
    <message>
        <source>Too much data for one row of a table</source>
        <translation>Too much data for one row of a table</translation>
    </message>
    <message>
        <source>Abort due to constraint violation</source>
        <translation>Abort due to constraint violation</translation>
    </message>
    <message>
        <source>Data type mismatch</source>
        <translation>Data type mismatch</translation>
    </message>
    <message>
        <source>Library used incorrectly</source>
        <translation>Library used incorrectly</translation>
    </message>
    <message>
        <source>Used OS features not supported on host</source>
        <translation>Used OS features not supported on host</translation>
    </message>
    <message>
        <source>Authorization denied</source>
        <translation>Authorization denied</translation>
    </message>
    <message>
        <source>sqlite_step() has another row ready</source>
        <translation>sqlite_step() has another row ready</translation>
    </message>
    <message>
        <source>sqlite_step() has finished executing</source>
        <translation>sqlite_step() has finished executing</translation>
    </message>
    <message>
        <source>Unknown DB error (%1)</source>
        <translation>Unknown DB error (%1)</translation>
    </message>
</context>
<context>
    <name>TDiskDB</name>
    <message>
        <source>the file holds no usage record of this version</source>
        <translation>the file holds no usage record of this version</translation>
    </message>
    <message>
        <source>not a whole number: &quot;%1&quot;</source>
        <translation>not a whole number: &quot;%1&quot;</translation>
    </message>
</context>
</TS>
