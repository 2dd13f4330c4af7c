<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ReportMain</name>
    <message>
        <source>there is no such file</source>
        <translation>there is no such file</translation>
    </message>
    <message>
        <source>cannot open the usage database %1: %2</source>
        <translation>cannot open the usage database %1: %2</translation>
    </message>
    <message>
        <source>cannot read the usage database %1: %2</source>
        <translation>cannot read the usage database %1: %2</translation>
    </message>
    <message>
        <source>cannot write the report</source>
        <translation>cannot write the report</translation>
    </message>
    <message>
        <source>%1
Try &apos;meterly-report --help&apos;.</source>
        <translation>%1
Try &apos;meterly-report --help&apos;.</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <source>Week</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>ReportRequest</name>
    <message>
        <source>%1 wants a date as yyyy-mm-dd, not &quot;%2&quot;</source>
        <translation>%1 wants a date as yyyy-mm-dd, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>only one report at a time</source>
        <translation>only one report at a time</translation>
    </message>
    <message>
        <source>unknown report &quot;%1&quot; (one of: %2)</source>
        <translation>unknown report &quot;%1&quot; (one of: %2)</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (one of: %2)</source>
        <translation>unknown format &quot;%1&quot; (one of: %2)</translation>
    </message>
    <message>
        <source>unknown hours &quot;%1&quot; (one of: %2)</source>
        <translation>unknown hours &quot;%1&quot; (one of: %2)</translation>
    </message>
    <message>
        <source>--from and --to go with the custom and hourly reports</source>
        <translation>--from and --to go with the custom and hourly reports</translation>
    </message>
    <message>
        <source>--hours goes with the daily, weekly, monthly and custom reports</source>
        <translation>--hours goes with the daily, weekly, monthly and custom reports</translation>
    </message>
    <message>
        <source>the openmetrics format counts every recorded day: no --from or --to</source>
        <translation>the openmetrics format counts every recorded day: no --from or --to</translation>
    </message>
    <message>
        <source>Usage: meterly-report [REPORT] [OPTION]...
Prints a report of the network traffic Meterly recorded, as the statistics window shows it.

Reports:
  daily      every recorded day, newest first (the default)
  weekly     the days folded into weeks, newest first
  monthly    the days folded into months, newest first
  custom     the days from --from to --to, oldest first (default: the statistics window&apos;s range)
  hourly     every recorded hour with its average speeds, oldest first

Options:
  -u, --user NAME      one user&apos;s traffic (default: all users combined)
      --from DATE      first day, as yyyy-mm-dd (custom and hourly reports)
      --to DATE        last day, as yyyy-mm-dd (custom and hourly reports)
      --hours WHICH    all, peak or off-peak: the hours the day-based reports count
                       (default: as chosen in the statistics window)
  -f, --format FORMAT  table (the default), csv, json, or openmetrics: everything
                       recorded, per user, as counters in the Prometheus text format
  -d, --database FILE  the usage database to read (default: the one Meterly records into)
  -h, --help           print this help and exit
  -V, --version        print the version and exit

The database is opened for reading only and never changed. Exit status: 0 done,
1 the database could not be opened or read, 2 a wrong command line.
</source>
        <translation>Usage: meterly-report [REPORT] [OPTION]...
Prints a report of the network traffic Meterly recorded, as the statistics window shows it.

Reports:
  daily      every recorded day, newest first (the default)
  weekly     the days folded into weeks, newest first
  monthly    the days folded into months, newest first
  custom     the days from --from to --to, oldest first (default: the statistics window&apos;s range)
  hourly     every recorded hour with its average speeds, oldest first

Options:
  -u, --user NAME      one user&apos;s traffic (default: all users combined)
      --from DATE      first day, as yyyy-mm-dd (custom and hourly reports)
      --to DATE        last day, as yyyy-mm-dd (custom and hourly reports)
      --hours WHICH    all, peak or off-peak: the hours the day-based reports count
                       (default: as chosen in the statistics window)
  -f, --format FORMAT  table (the default), csv, json, or openmetrics: everything
                       recorded, per user, as counters in the Prometheus text format
  -d, --database FILE  the usage database to read (default: the one Meterly records into)
  -h, --help           print this help and exit
  -V, --version        print the version and exit

The database is opened for reading only and never changed. Exit status: 0 done,
1 the database could not be opened or read, 2 a wrong command line.
</translation>
    </message>
</context>
</TS>
