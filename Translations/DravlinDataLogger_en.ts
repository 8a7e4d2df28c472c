<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="en">
    <context>
        <name>Archive</name>
        <message>
            <source>the system refused</source>
            <translation>the system refused</translation>
        </message>
        <message>
            <source>%1 is not a folder</source>
            <translation>%1 is not a folder</translation>
        </message>
        <message>
            <source>the folder %1 cannot be created</source>
            <translation>the folder %1 cannot be created</translation>
        </message>
        <message>
            <source>the disk is full</source>
            <translation>the disk is full</translation>
        </message>
        <message numerus="yes">
            <source>another program kept the archive busy for more than %n second(s)</source>
            <translation>
                <numerusform>another program kept the archive busy for more than %n second</numerusform>
                <numerusform>another program kept the archive busy for more than %n seconds</numerusform>
            </translation>
        </message>
        <message>
            <source>the archive cannot be written</source>
            <translation>the archive cannot be written</translation>
        </message>
        <message>
            <source>The archive %1 cannot be opened: %2</source>
            <translation>The archive %1 cannot be opened: %2</translation>
        </message>
        <message>
            <source>The archive %1 was written by a newer version of this program. It was moved aside as %2 and a new archive was started.</source>
            <translation>The archive %1 was written by a newer version of this program. It was moved aside as %2 and a new archive was started.</translation>
        </message>
        <message>
            <source>The archive %1 was damaged. It was moved aside as %2 and a new archive was started.</source>
            <translation>The archive %1 was damaged. It was moved aside as %2 and a new archive was started.</translation>
        </message>
        <message>
            <source>it is damaged</source>
            <translation>it is damaged</translation>
        </message>
        <message>
            <source>The archive %1 is damaged and could not be moved aside (%2). It was left as it is, and downloads are not archived until it is moved or deleted.</source>
            <translation>The archive %1 is damaged and could not be moved aside (%2). It was left as it is, and downloads are not archived until it is moved or deleted.</translation>
        </message>
        <message>
            <source>the SQLite driver of Qt SQL is not installed</source>
            <translation>the SQLite driver of Qt SQL is not installed</translation>
        </message>
        <message>
            <source>This download was not archived: %1</source>
            <translation>This download was not archived: %1</translation>
        </message>
        <message>
            <source>the archive is not open</source>
            <translation>the archive is not open</translation>
        </message>
        <message>
            <source>There is no download %1 in the archive.</source>
            <translation>There is no download %1 in the archive.</translation>
        </message>
        <message>
            <source>%1 is a link to %2, which does not exist; nothing was changed</source>
            <comment>%1 and %2 are paths</comment>
            <translation>%1 is a link to %2, which does not exist; nothing was changed</translation>
        </message>
        <message>
            <source>There is no archive at %1.</source>
            <comment>%1 is a path</comment>
            <translation>There is no archive at %1.</translation>
        </message>
        <message>
            <source>%1 was written by a newer version of this program; nothing was changed</source>
            <comment>%1 is a path</comment>
            <translation>%1 was written by a newer version of this program; nothing was changed</translation>
        </message>
        <message>
            <source>%1 is damaged; nothing was changed</source>
            <comment>%1 is the archive's path</comment>
            <translation>%1 is damaged; nothing was changed</translation>
        </message>
        <message>
            <source>%1 is damaged (%2); nothing was changed</source>
            <comment>%1 is the archive's path, %2 SQLite's words</comment>
            <translation>%1 is damaged (%2); nothing was changed</translation>
        </message>
        <message>
            <source>%1 is not an archive of this program; nothing was changed</source>
            <comment>%1 is a path</comment>
            <translation>%1 is not an archive of this program; nothing was changed</translation>
        </message>
    </context>
    <context>
        <name>ArchiveCommand</name>
        <message>
            <source>--list-downloads, --export and --delete go one at a time.</source>
            <translation>--list-downloads, --export and --delete go one at a time.</translation>
        </message>
        <message>
            <source>--%1 needs the number of a download as --list-downloads shows it, not '%2'.</source>
            <comment>%1 is an option's name, %2 the value as the user typed it</comment>
            <translation>--%1 needs the number of a download as --list-downloads shows it, not '%2'.</translation>
        </message>
        <message>
            <source>--export needs --output.</source>
            <translation>--export needs --output.</translation>
        </message>
        <message>
            <source>--european and --no-european exclude each other.</source>
            <translation>--european and --no-european exclude each other.</translation>
        </message>
        <message>
            <source>--format is text or json, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--format is text or json, not '%1'.</translation>
        </message>
        <message>
            <source>--archive needs a file.</source>
            <translation>--archive needs a file.</translation>
        </message>
    </context>
    <context>
        <name>ArchiveCommands</name>
        <message>
            <source>Lists the downloads kept in the archive, newest first.</source>
            <translation>Lists the downloads kept in the archive, newest first.</translation>
        </message>
        <message>
            <source>Saves download ID of the archive as --output, as after a download (--european applies).</source>
            <translation>Saves download ID of the archive as --output, as after a download (--european applies).</translation>
        </message>
        <message>
            <source>ID</source>
            <comment>value name of --export</comment>
            <translation>ID</translation>
        </message>
        <message>
            <source>Deletes download ID from the archive.</source>
            <translation>Deletes download ID from the archive.</translation>
        </message>
        <message>
            <source>ID</source>
            <comment>value name of --delete</comment>
            <translation>ID</translation>
        </message>
        <message>
            <source>The archive to use instead of the program's own (%1).</source>
            <comment>%1 is a file's path</comment>
            <translation>The archive to use instead of the program's own (%1).</translation>
        </message>
        <message>
            <source>file</source>
            <comment>value name of --archive</comment>
            <translation>file</translation>
        </message>
        <message>
            <source>Does not keep the download in the archive (with --download).</source>
            <translation>Does not keep the download in the archive (with --download).</translation>
        </message>
        <message>
            <source>There is no download %1 in the archive %2.</source>
            <comment>%1 is the number of a download, %2 the archive's path</comment>
            <translation>There is no download %1 in the archive %2.</translation>
        </message>
        <message>
            <source>Download %1 deleted from the archive.</source>
            <comment>%1 is the number of a download</comment>
            <translation>Download %1 deleted from the archive.</translation>
        </message>
        <message>
            <source>ID</source>
            <translation>ID</translation>
        </message>
        <message>
            <source>Date and time</source>
            <translation>Date and time</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Port</translation>
        </message>
        <message>
            <source>Bytes</source>
            <translation>Bytes</translation>
        </message>
        <message>
            <source>Ended</source>
            <translation>Ended</translation>
        </message>
        <message>
            <source>Saved as</source>
            <translation>Saved as</translation>
        </message>
        <message>
            <source>not saved</source>
            <translation>not saved</translation>
        </message>
        <message>
            <source>The archive %1 could not be read: %2</source>
            <comment>%1 is the archive's path, %2 the reason</comment>
            <translation>The archive %1 could not be read: %2</translation>
        </message>
        <message>
            <source>The archive could not record this save: %1</source>
            <comment>%1 is the reason</comment>
            <translation>The archive could not record this save: %1</translation>
        </message>
    </context>
    <context>
        <name>Command</name>
        <message>
            <source>The option '%1' does not go with --%2.</source>
            <comment>%1 and %2 are options' names</comment>
            <translation>The option '%1' does not go with --%2.</translation>
        </message>
    </context>
    <context>
        <name>CommandLine</name>
        <message>
            <source>Downloads the stored test results of a solar installation tester over a serial port and saves them as .csv or .txt files.</source>
            <translation>Downloads the stored test results of a solar installation tester over a serial port and saves them as .csv or .txt files.</translation>
        </message>
        <message>
            <source>Without options it opens the program's window.</source>
            <translation>Without options it opens the program's window.</translation>
        </message>
        <message>
            <source>Shows this help and exits.</source>
            <translation>Shows this help and exits.</translation>
        </message>
        <message>
            <source>Shows the program's name and version and exits.</source>
            <translation>Shows the program's name and version and exits.</translation>
        </message>
        <message>
            <source>Unexpected argument '%1'.</source>
            <comment>%1 is the argument as the user typed it</comment>
            <translation>Unexpected argument '%1'.</translation>
        </message>
        <message>
            <source>User guide: %1</source>
            <comment>%1 is the path of the help page</comment>
            <translation>User guide: %1</translation>
        </message>
        <message>
            <source>the results are saved</source>
            <translation>the results are saved</translation>
        </message>
        <message>
            <source>the port could not be opened</source>
            <translation>the port could not be opened</translation>
        </message>
        <message>
            <source>the line was lost before any data came</source>
            <translation>the line was lost before any data came</translation>
        </message>
        <message>
            <source>interrupted with Ctrl+C (SIGINT)</source>
            <translation>interrupted with Ctrl+C (SIGINT)</translation>
        </message>
        <message>
            <source>stopped with SIGTERM</source>
            <translation>stopped with SIGTERM</translation>
        </message>
        <message>
            <source>no data came within --start-timeout</source>
            <translation>no data came within --start-timeout</translation>
        </message>
        <message>
            <source>stopped with SIGHUP (the terminal or SSH session closed); nothing saved</source>
            <translation>stopped with SIGHUP (the terminal or SSH session closed); nothing saved</translation>
        </message>
        <message>
            <source>No display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set). To download without a window: %1 --download --port PORT --output FILE</source>
            <comment>%1 is the program's name; PORT and FILE stand for values the user fills in</comment>
            <translation>No display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set). To download without a window: %1 --download --port PORT --output FILE</translation>
        </message>
        <message>
            <source>saved (or read), but the data may be incomplete: the line was lost before it fell silent, or the last record is cut or records are missing</source>
            <translation>saved (or read), but the data may be incomplete: the line was lost before it fell silent, or the last record is cut or records are missing</translation>
        </message>
        <message>
            <source>Exit status of --download, --summary and --report:</source>
            <translation>Exit status of --download, --summary and --report:</translation>
        </message>
        <message>
            <source>the command line is wrong, or a file, the design file or the archive could not be read</source>
            <translation>the command line is wrong, or a file, the design file or the archive could not be read</translation>
        </message>
        <message>
            <source>the file (or the report) could not be written</source>
            <translation>the file (or the report) could not be written</translation>
        </message>
        <message>
            <source>no such download in the archive (--export, --delete, --report)</source>
            <translation>no such download in the archive (--export, --delete, --report)</translation>
        </message>
        <message>
            <source>the team archive cannot be reached or refuses (the downloads stay waiting)</source>
            <translation>the team archive cannot be reached or refuses (the downloads stay waiting)</translation>
        </message>
        <message>
            <source>the archive is missing, refused (a file named with --archive that is not an archive of this program) or cannot be read</source>
            <translation>the archive is missing, refused (a file named with --archive that is not an archive of this program) or cannot be read</translation>
        </message>
    </context>
    <context>
        <name>CommissioningReport</name>
        <message>
            <source>Module count</source>
            <translation>Module count</translation>
        </message>
        <message>
            <source>Voc against its neighbours</source>
            <translation>Voc against its neighbours</translation>
        </message>
        <message>
            <source>Isc at STC</source>
            <translation>Isc at STC</translation>
        </message>
        <message>
            <source>Insulation</source>
            <translation>Insulation</translation>
        </message>
        <message>
            <source>Continuity</source>
            <translation>Continuity</translation>
        </message>
        <message>
            <source>Commissioning test report</source>
            <translation>Commissioning test report</translation>
        </message>
        <message>
            <source>line %1</source>
            <translation>line %1</translation>
        </message>
        <message>
            <source>(no site named)</source>
            <translation>(no site named)</translation>
        </message>
        <message>
            <source>%1 to %2</source>
            <translation>%1 to %2</translation>
        </message>
        <message>
            <source>Site</source>
            <translation>Site</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>Address</translation>
        </message>
        <message>
            <source>Client</source>
            <translation>Client</translation>
        </message>
        <message>
            <source>Date of the tests</source>
            <translation>Date of the tests</translation>
        </message>
        <message>
            <source>Inspector</source>
            <translation>Inspector</translation>
        </message>
        <message>
            <source>Instrument</source>
            <translation>Instrument</translation>
        </message>
        <message>
            <source>%1, serial number %2, calibrated on %3</source>
            <translation>%1, serial number %2, calibrated on %3</translation>
        </message>
        <message>
            <source>Summary</source>
            <translation>Summary</translation>
        </message>
        <message>
            <source>Nothing to report: the data holds no records.</source>
            <translation>Nothing to report: the data holds no records.</translation>
        </message>
        <message>
            <source>Nothing to report: the data holds no records of the site "%1".</source>
            <translation>Nothing to report: the data holds no records of the site "%1".</translation>
        </message>
        <message>
            <source>%1 records: %2 PASS and %3 FAIL by the tester</source>
            <translation>%1 records: %2 PASS and %3 FAIL by the tester</translation>
        </message>
        <message>
            <source>%1 strings checked against the design: %2 FAIL by the design checks</source>
            <translation>%1 strings checked against the design: %2 FAIL by the design checks</translation>
        </message>
        <message>
            <source>The design has no arrays: no string was checked against it.</source>
            <translation>The design has no arrays: no string was checked against it.</translation>
        </message>
        <message>
            <source>%1: %2</source>
            <translation>%1: %2</translation>
        </message>
        <message>
            <source>FAIL by the tester's own limits</source>
            <translation>FAIL by the tester's own limits</translation>
        </message>
        <message>
            <source>Failures</source>
            <translation>Failures</translation>
        </message>
        <message>
            <source>String</source>
            <translation>String</translation>
        </message>
        <message>
            <source>Tester</source>
            <translation>Tester</translation>
        </message>
        <message>
            <source>Design checks: why</source>
            <translation>Design checks: why</translation>
        </message>
        <message>
            <source>Voc (V)</source>
            <translation>Voc (V)</translation>
        </message>
        <message>
            <source>Voc expected (V)</source>
            <translation>Voc expected (V)</translation>
        </message>
        <message>
            <source>Isc (A)</source>
            <translation>Isc (A)</translation>
        </message>
        <message>
            <source>Isc at STC (A)</source>
            <translation>Isc at STC (A)</translation>
        </message>
        <message>
            <source>G (W/m²)</source>
            <translation>G (W/m²)</translation>
        </message>
        <message>
            <source>T (°C)</source>
            <translation>T (°C)</translation>
        </message>
        <message>
            <source>Riso (MΩ)</source>
            <translation>Riso (MΩ)</translation>
        </message>
        <message>
            <source>Continuity (Ω)</source>
            <translation>Continuity (Ω)</translation>
        </message>
        <message>
            <source>Design checks</source>
            <translation>Design checks</translation>
        </message>
        <message>
            <source>Array "%1": %2 modules of %3 in series, matched by "%4"</source>
            <translation>Array "%1": %2 modules of %3 in series, matched by "%4"</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>FAIL</translation>
        </message>
        <message>
            <source>PASS</source>
            <translation>PASS</translation>
        </message>
        <message>
            <source>not checked</source>
            <translation>not checked</translation>
        </message>
        <message>
            <source>Array "%1" (continued)</source>
            <translation>Array "%1" (continued)</translation>
        </message>
        <message>
            <source>Strings not checked against the design</source>
            <translation>Strings not checked against the design</translation>
        </message>
        <message>
            <source>Reason</source>
            <translation>Reason</translation>
        </message>
        <message>
            <source>Pass criteria</source>
            <translation>Pass criteria</translation>
        </message>
        <message>
            <source>The tester judges each record by its own limits. The design checks judge each string against the design of its array:</source>
            <translation>The tester judges each record by its own limits. The design checks judge each string against the design of its array:</translation>
        </message>
        <message>
            <source>Module count: round(Voc ÷ (Voc_STC × (1 + β × (T − 25 °C)))) equals the modules in series.</source>
            <translation>Module count: round(Voc ÷ (Voc_STC × (1 + β × (T − 25 °C)))) equals the modules in series.</translation>
        </message>
        <message>
            <source>Voc against its neighbours: Voc brought to 25 °C with β is within %1 % of the median of the same array's strings.</source>
            <translation>Voc against its neighbours: Voc brought to 25 °C with β is within %1 % of the median of the same array's strings.</translation>
        </message>
        <message>
            <source>Isc at STC: Isc × 1000 ÷ G ÷ (1 + α × (T − 25 °C)) is within %1 % of Isc_STC; not checked below %2 W/m².</source>
            <translation>Isc at STC: Isc × 1000 ÷ G ÷ (1 + α × (T − 25 °C)) is within %1 % of Isc_STC; not checked below %2 W/m².</translation>
        </message>
        <message>
            <source>Insulation: Riso at least the array's minimum.</source>
            <translation>Insulation: Riso at least the array's minimum.</translation>
        </message>
        <message>
            <source>Continuity: at most the array's maximum, when the design sets one.</source>
            <translation>Continuity: at most the array's maximum, when the design sets one.</translation>
        </message>
        <message>
            <source>Array</source>
            <translation>Array</translation>
        </message>
        <message>
            <source>Strings matched by</source>
            <translation>Strings matched by</translation>
        </message>
        <message>
            <source>Module</source>
            <translation>Module</translation>
        </message>
        <message>
            <source>Modules in series</source>
            <translation>Modules in series</translation>
        </message>
        <message>
            <source>Module Voc at STC</source>
            <translation>Module Voc at STC</translation>
        </message>
        <message>
            <source>%1 V</source>
            <translation>%1 V</translation>
        </message>
        <message>
            <source>Module Isc at STC</source>
            <translation>Module Isc at STC</translation>
        </message>
        <message>
            <source>%1 A</source>
            <translation>%1 A</translation>
        </message>
        <message>
            <source>β (Voc)</source>
            <translation>β (Voc)</translation>
        </message>
        <message>
            <source>%1 %/°C</source>
            <translation>%1 %/°C</translation>
        </message>
        <message>
            <source>α (Isc)</source>
            <translation>α (Isc)</translation>
        </message>
        <message>
            <source>System voltage (N × Voc_STC × 1.25)</source>
            <translation>System voltage (N × Voc_STC × 1.25)</translation>
        </message>
        <message>
            <source>Insulation test voltage</source>
            <translation>Insulation test voltage</translation>
        </message>
        <message>
            <source>%1 (by the system voltage)</source>
            <translation>%1 (by the system voltage)</translation>
        </message>
        <message>
            <source>Insulation minimum</source>
            <translation>Insulation minimum</translation>
        </message>
        <message>
            <source>%1 MΩ</source>
            <translation>%1 MΩ</translation>
        </message>
        <message>
            <source>Continuity maximum</source>
            <translation>Continuity maximum</translation>
        </message>
        <message>
            <source>%1 Ω</source>
            <translation>%1 Ω</translation>
        </message>
        <message>
            <source>Signatures</source>
            <translation>Signatures</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Date</translation>
        </message>
        <message>
            <source>Signature</source>
            <translation>Signature</translation>
        </message>
        <message>
            <source>Trace of the data</source>
            <translation>Trace of the data</translation>
        </message>
        <message>
            <source>download %1 in the archive</source>
            <translation>download %1 in the archive</translation>
        </message>
        <message>
            <source>file %1</source>
            <translation>file %1</translation>
        </message>
        <message>
            <source>%1, %2</source>
            <translation>%1, %2</translation>
        </message>
        <message>
            <source>Source</source>
            <translation>Source</translation>
        </message>
        <message>
            <source>Downloaded</source>
            <translation>Downloaded</translation>
        </message>
        <message>
            <source>Bytes as received</source>
            <translation>Bytes as received</translation>
        </message>
        <message>
            <source>SHA-256 of the bytes</source>
            <translation>SHA-256 of the bytes</translation>
        </message>
        <message>
            <source>Page %1 of %2</source>
            <translation>Page %1 of %2</translation>
        </message>
        <message>
            <source>The report could not be written to %1: %2</source>
            <translation>The report could not be written to %1: %2</translation>
        </message>
        <message>
            <source>the PDF could not be drawn</source>
            <translation>the PDF could not be drawn</translation>
        </message>
        <message>
            <source>%1 records: %2 PASS, %3 FAIL and %4 other by the tester</source>
            <comment>%4 the records whose result is neither PASS nor FAIL</comment>
            <translation>%1 records: %2 PASS, %3 FAIL and %4 other by the tester</translation>
        </message>
        <message>
            <source>Arrays without strings in the data (%1): %2</source>
            <comment>%1 how many, %2 their names</comment>
            <translation>Arrays without strings in the data (%1): %2</translation>
        </message>
    </context>
    <context>
        <name>DesignChecks</name>
        <message>
            <source>site</source>
            <translation>site</translation>
        </message>
        <message>
            <source>string name</source>
            <translation>string name</translation>
        </message>
        <message>
            <source>Voc</source>
            <translation>Voc</translation>
        </message>
        <message>
            <source>Isc</source>
            <translation>Isc</translation>
        </message>
        <message>
            <source>irradiance</source>
            <translation>irradiance</translation>
        </message>
        <message>
            <source>module temperature</source>
            <translation>module temperature</translation>
        </message>
        <message>
            <source>insulation resistance</source>
            <translation>insulation resistance</translation>
        </message>
        <message>
            <source>continuity</source>
            <translation>continuity</translation>
        </message>
        <message>
            <source>The site "%1" is not the design's site "%2".</source>
            <translation>The site "%1" is not the design's site "%2".</translation>
        </message>
        <message>
            <source>The row has no string name.</source>
            <translation>The row has no string name.</translation>
        </message>
        <message>
            <source>No array of the design matches the string "%1".</source>
            <translation>No array of the design matches the string "%1".</translation>
        </message>
        <message>
            <source>The data has no column "%1".</source>
            <translation>The data has no column "%1".</translation>
        </message>
        <message>
            <source>The data has no column of %1.</source>
            <translation>The data has no column of %1.</translation>
        </message>
        <message>
            <source>The row has no value of %1.</source>
            <translation>The row has no value of %1.</translation>
        </message>
        <message>
            <source>A module temperature of %1 °C is out of range.</source>
            <translation>A module temperature of %1 °C is out of range.</translation>
        </message>
        <message>
            <source>%1 modules measured, %2 designed</source>
            <translation>%1 modules measured, %2 designed</translation>
        </message>
        <message>
            <source>%1 strings of this array to compare, at least %2 needed</source>
            <translation>%1 strings of this array to compare, at least %2 needed</translation>
        </message>
        <message>
            <source>Voc at 25 °C %1 % from the array's median of %2 V (at most %3 %)</source>
            <translation>Voc at 25 °C %1 % from the array's median of %2 V (at most %3 %)</translation>
        </message>
        <message>
            <source>Irradiance of %1 W/m² below the %2 W/m² the check needs</source>
            <translation>Irradiance of %1 W/m² below the %2 W/m² the check needs</translation>
        </message>
        <message>
            <source>Isc at STC %1 A, %2 % from the designed %3 A (at most %4 %)</source>
            <translation>Isc at STC %1 A, %2 % from the designed %3 A (at most %4 %)</translation>
        </message>
        <message>
            <source>%1 MΩ, at least %2 MΩ designed</source>
            <translation>%1 MΩ, at least %2 MΩ designed</translation>
        </message>
        <message>
            <source>The design sets no maximum for continuity.</source>
            <translation>The design sets no maximum for continuity.</translation>
        </message>
        <message>
            <source>%1 Ω, at most %2 Ω designed</source>
            <translation>%1 Ω, at most %2 Ω designed</translation>
        </message>
        <message>
            <source>%1 FAIL by the tester · %2 more by the design checks</source>
            <comment>%1 rows the tester failed, %2 further rows only the design checks failed</comment>
            <translation>%1 FAIL by the tester · %2 more by the design checks</translation>
        </message>
        <message>
            <source>%1 PASS · %2 FAIL · %3 other by the tester · %4 more by the design checks</source>
            <comment>%1, %2 rows the tester passed and failed, %3 rows with neither, %4 further rows only the design checks failed</comment>
            <translation>%1 PASS · %2 FAIL · %3 other by the tester · %4 more by the design checks</translation>
        </message>
    </context>
    <context>
        <name>DesignChecksColumn</name>
        <message>
            <source>Module count</source>
            <translation>Module count</translation>
        </message>
        <message>
            <source>Voc against its neighbours</source>
            <translation>Voc against its neighbours</translation>
        </message>
        <message>
            <source>Isc at STC</source>
            <translation>Isc at STC</translation>
        </message>
        <message>
            <source>Insulation</source>
            <translation>Insulation</translation>
        </message>
        <message>
            <source>Continuity</source>
            <translation>Continuity</translation>
        </message>
        <message>
            <source>not checked</source>
            <translation>not checked</translation>
        </message>
        <message>
            <source>FAIL: %1</source>
            <comment>%1 names the checks failed</comment>
            <translation>FAIL: %1</translation>
        </message>
        <message>
            <source>PASS</source>
            <translation>PASS</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>FAIL</translation>
        </message>
        <message>
            <source>%1: %2 (%3)</source>
            <comment>%1 the check's name, %2 its verdict, %3 the reason</comment>
            <translation>%1: %2 (%3)</translation>
        </message>
        <message>
            <source>Design checks</source>
            <translation>Design checks</translation>
        </message>
        <message>
            <source>The design checks' verdict; the reasons in each cell's tooltip.</source>
            <translation>The design checks' verdict; the reasons in each cell's tooltip.</translation>
        </message>
    </context>
    <context>
        <name>DesignFile</name>
        <message>
            <source>The design file has no member "%1".</source>
            <translation>The design file has no member "%1".</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be text.</source>
            <translation>The member "%1" of the design file must be text.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a number.</source>
            <translation>The member "%1" of the design file must be a number.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must not be negative.</source>
            <translation>The member "%1" of the design file must not be negative.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be greater than zero.</source>
            <translation>The member "%1" of the design file must be greater than zero.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be from -10 to 10 %/°C.</source>
            <translation>The member "%1" of the design file must be from -10 to 10 %/°C.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be an object.</source>
            <translation>The member "%1" of the design file must be an object.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a whole number from 1 to 10000.</source>
            <translation>The member "%1" of the design file must be a whole number from 1 to 10000.</translation>
        </message>
        <message>
            <source>The design file is not valid JSON: %1 on line %2.</source>
            <translation>The design file is not valid JSON: %1 on line %2.</translation>
        </message>
        <message>
            <source>The design file does not hold a JSON object.</source>
            <translation>The design file does not hold a JSON object.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a date written as YYYY-MM-DD.</source>
            <translation>The member "%1" of the design file must be a date written as YYYY-MM-DD.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a list.</source>
            <translation>The member "%1" of the design file must be a list.</translation>
        </message>
        <message>
            <source>The list "arrays" of the design file is empty: a design needs at least one array.</source>
            <translation>The list "arrays" of the design file is empty: a design needs at least one array.</translation>
        </message>
    </context>
    <context>
        <name>DialogLanguage</name>
        <message>
            <source>Please choose a language</source>
            <translation>Please choose a language</translation>
        </message>
    </context>
    <context>
        <name>DownloadCommand</name>
        <message>
            <source>--design goes with --summary or --report.</source>
            <translation>--design goes with --summary or --report.</translation>
        </message>
        <message>
            <source>--format goes with --list-ports, --list-downloads or --summary.</source>
            <translation>--format goes with --list-ports, --list-downloads or --summary.</translation>
        </message>
        <message>
            <source>The option '%1' needs --download.</source>
            <comment>%1 is an option's name</comment>
            <translation>The option '%1' needs --download.</translation>
        </message>
        <message>
            <source>--download needs --port.</source>
            <translation>--download needs --port.</translation>
        </message>
        <message>
            <source>--download needs --output.</source>
            <translation>--download needs --output.</translation>
        </message>
        <message>
            <source>--european and --no-european exclude each other.</source>
            <translation>--european and --no-european exclude each other.</translation>
        </message>
        <message>
            <source>--read-timeout needs a whole number of milliseconds from %1 to %2, not '%3'.</source>
            <comment>%1 and %2 are the limits, %3 the value as the user typed it</comment>
            <translation>--read-timeout needs a whole number of milliseconds from %1 to %2, not '%3'.</translation>
        </message>
        <message>
            <source>--start-timeout needs a whole number of seconds from 1 to %1, not '%2'.</source>
            <comment>%1 is the limit, %2 the value as the user typed it</comment>
            <translation>--start-timeout needs a whole number of seconds from 1 to %1, not '%2'.</translation>
        </message>
        <message>
            <source>Downloads the tester's results without a window, as the Download button does, and saves them as --output. Needs --port and --output.</source>
            <translation>Downloads the tester's results without a window, as the Download button does, and saves them as --output. Needs --port and --output.</translation>
        </message>
        <message>
            <source>The tester's port: a name as the port list shows it (ttyUSB0, COM3) or a device path.</source>
            <translation>The tester's port: a name as the port list shows it (ttyUSB0, COM3) or a device path.</translation>
        </message>
        <message>
            <source>port</source>
            <comment>value name of --port</comment>
            <translation>port</translation>
        </message>
        <message>
            <source>The file to save the results as, replaced if it exists; - for the standard output.</source>
            <translation>The file to save the results as, replaced if it exists; - for the standard output.</translation>
        </message>
        <message>
            <source>file</source>
            <comment>value name of --output</comment>
            <translation>file</translation>
        </message>
        <message>
            <source>Milliseconds of silence that end the download (%1 to %2, default %3).</source>
            <comment>%1 and %2 are the limits, %3 the default</comment>
            <translation>Milliseconds of silence that end the download (%1 to %2, default %3).</translation>
        </message>
        <message>
            <source>ms</source>
            <comment>value name of --read-timeout</comment>
            <translation>ms</translation>
        </message>
        <message>
            <source>Saves a .csv file in the European format: semicolons between fields and decimal commas.</source>
            <translation>Saves a .csv file in the European format: semicolons between fields and decimal commas.</translation>
        </message>
        <message>
            <source>Saves the results as received (also without either option).</source>
            <translation>Saves the results as received (also without either option).</translation>
        </message>
        <message>
            <source>Gives up when no data has come this many seconds after the tester was asked for it (1 to %1; without it the download waits until it is stopped).</source>
            <comment>%1 is the largest number of seconds</comment>
            <translation>Gives up when no data has come this many seconds after the tester was asked for it (1 to %1; without it the download waits until it is stopped).</translation>
        </message>
        <message>
            <source>seconds</source>
            <comment>value name of --start-timeout</comment>
            <translation>seconds</translation>
        </message>
        <message>
            <source>Shows no progress, only what went wrong.</source>
            <translation>Shows no progress, only what went wrong.</translation>
        </message>
        <message>
            <source>Also shows the serial port's diagnostics on the error stream.</source>
            <translation>Also shows the serial port's diagnostics on the error stream.</translation>
        </message>
    </context>
    <context>
        <name>DownloadEndingText</name>
        <message>
            <source>Finished</source>
            <comment>a download that ended when the tester fell silent</comment>
            <translation>Finished</translation>
        </message>
        <message>
            <source>Line lost</source>
            <comment>a download that ended when the connection was lost</comment>
            <translation>Line lost</translation>
        </message>
        <message>
            <source>Cancelled</source>
            <comment>a download stopped by the user</comment>
            <translation>Cancelled</translation>
        </message>
        <message>
            <source>Interrupted</source>
            <comment>a download stopped when the program was closed or stopped</comment>
            <translation>Interrupted</translation>
        </message>
    </context>
    <context>
        <name>HeadlessArchiving</name>
        <message>
            <source>What came is kept in the archive as download %1.</source>
            <comment>%1 is the number of the download</comment>
            <translation>What came is kept in the archive as download %1.</translation>
        </message>
        <message>
            <source>The data is kept in the archive as download %1. To write it:</source>
            <comment>%1 is the number of the download; the command follows on the next line</comment>
            <translation>The data is kept in the archive as download %1. To write it:</translation>
        </message>
        <message>
            <source>The archive could not record this save: %1</source>
            <comment>%1 is the reason</comment>
            <translation>The archive could not record this save: %1</translation>
        </message>
    </context>
    <context>
        <name>HeadlessDownload</name>
        <message>
            <source>Bytes received: %1 (%2 bytes/s)</source>
            <comment>%1 is the number of bytes received so far, %2 the rate</comment>
            <translation>Bytes received: %1 (%2 bytes/s)</translation>
        </message>
        <message>
            <source>The line sends only NUL bytes. Check the cable and the tester.</source>
            <translation>The line sends only NUL bytes. Check the cable and the tester.</translation>
        </message>
        <message>
            <source>Now initiate the download on the tester</source>
            <translation>Now initiate the download on the tester</translation>
        </message>
        <message>
            <source>No such device. Check that the adapter is plugged in.</source>
            <translation>No such device. Check that the adapter is plugged in.</translation>
        </message>
        <message>
            <source>The ports of this system: %1 --list-ports</source>
            <comment>%1 is the program's name</comment>
            <translation>The ports of this system: %1 --list-ports</translation>
        </message>
        <message>
            <source>Interrupted: nothing was saved</source>
            <translation>Interrupted: nothing was saved</translation>
        </message>
        <message>
            <source>No data came within %1 s of asking the tester. Check that the tester is connected to this port and switched on, and start the transfer on the tester.</source>
            <comment>%1 is a number of seconds</comment>
            <translation>No data came within %1 s of asking the tester. Check that the tester is connected to this port and switched on, and start the transfer on the tester.</translation>
        </message>
        <message>
            <source>Bytes written to the standard output: %1</source>
            <comment>%1 is a number of bytes</comment>
            <translation>Bytes written to the standard output: %1</translation>
        </message>
        <message>
            <source>%1: %2 (%3 bytes)</source>
            <comment>%1 is "File successfully saved", %2 the file's path, %3 the number of bytes</comment>
            <translation>%1: %2 (%3 bytes)</translation>
        </message>
        <message>
            <source>Port %1: %2</source>
            <comment>%1 is the port, %2 what happened</comment>
            <translation>Port %1: %2</translation>
        </message>
    </context>
    <context>
        <name>HistoryModel</name>
        <message>
            <source>Saved %1 times</source>
            <comment>%1 is a number of saves, always more than one</comment>
            <translation>Saved %1 times</translation>
        </message>
        <message>
            <source>not saved</source>
            <translation>not saved</translation>
        </message>
        <message>
            <source>Date and time</source>
            <translation>Date and time</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Port</translation>
        </message>
        <message>
            <source>Bytes</source>
            <translation>Bytes</translation>
        </message>
        <message>
            <source>Lines</source>
            <translation>Lines</translation>
        </message>
        <message>
            <source>Ended</source>
            <translation>Ended</translation>
        </message>
        <message>
            <source>Saved as</source>
            <translation>Saved as</translation>
        </message>
        <message>
            <source>Records</source>
            <translation>Records</translation>
        </message>
        <message>
            <source>PASS</source>
            <comment>the number of tests passed</comment>
            <translation>PASS</translation>
        </message>
        <message>
            <source>FAIL</source>
            <comment>the number of tests failed</comment>
            <translation>FAIL</translation>
        </message>
        <message>
            <source>Sent</source>
            <comment>in the team archive</comment>
            <translation>Sent</translation>
        </message>
        <message>
            <source>Refused: %1</source>
            <comment>%1 is the reason</comment>
            <translation>Refused: %1</translation>
        </message>
        <message>
            <source>Waiting</source>
            <comment>to be sent to the team archive</comment>
            <translation>Waiting</translation>
        </message>
        <message>
            <source>Team archive</source>
            <translation>Team archive</translation>
        </message>
    </context>
    <context>
        <name>HistoryWindow</name>
        <message>
            <source>History</source>
            <translation>History</translation>
        </message>
        <message>
            <source>Every download you receive will appear here, also the ones you do not save.</source>
            <translation>Every download you receive will appear here, also the ones you do not save.</translation>
        </message>
        <message>
            <source>&amp;Save As...</source>
            <translation>&amp;Save As...</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>&amp;Open</translation>
        </message>
        <message>
            <source>Opens the file this download was last saved as</source>
            <translation>Opens the file this download was last saved as</translation>
        </message>
        <message>
            <source>&amp;Results...</source>
            <translation>&amp;Results...</translation>
        </message>
        <message>
            <source>Shows this download as a table of results</source>
            <translation>Shows this download as a table of results</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Delete</translation>
        </message>
        <message>
            <source>Delete the download of %1 from the archive?</source>
            <comment>%1 is the date and time of the download</comment>
            <translation>Delete the download of %1 from the archive?</translation>
        </message>
        <message>
            <source>The files it was saved as stay where they are.</source>
            <translation>The files it was saved as stay where they are.</translation>
        </message>
        <message>
            <source>This computer</source>
            <comment>the History's view of the local archive</comment>
            <translation>This computer</translation>
        </message>
        <message>
            <source>Team</source>
            <comment>the History's view of the team archive</comment>
            <translation>Team</translation>
        </message>
        <message>
            <source>Reading the team archive %1...</source>
            <comment>%1 is user@server:port/database</comment>
            <translation>Reading the team archive %1...</translation>
        </message>
        <message>
            <source>The team archive holds no downloads yet.</source>
            <translation>The team archive holds no downloads yet.</translation>
        </message>
        <message>
            <source>Opens a copy of this download from the team archive</source>
            <translation>Opens a copy of this download from the team archive</translation>
        </message>
        <message>
            <source>Reading download %1 from the team archive...</source>
            <translation>Reading download %1 from the team archive...</translation>
        </message>
        <message>
            <source>%1, %2</source>
            <comment>the date and time of a download in the team archive, its engineer</comment>
            <translation>%1, %2</translation>
        </message>
    </context>
    <context>
        <name>KeptDesign</name>
        <message>
            <source>The design kept in the archive for "%1" cannot be used: %2</source>
            <comment>%1 is the site's name, %2 what is wrong</comment>
            <translation>The design kept in the archive for "%1" cannot be used: %2</translation>
        </message>
    </context>
    <context>
        <name>ListPortsCommand</name>
        <message>
            <source>--list-ports and --download exclude each other.</source>
            <translation>--list-ports and --download exclude each other.</translation>
        </message>
        <message>
            <source>--format is text or json, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--format is text or json, not '%1'.</translation>
        </message>
        <message>
            <source>The system reports no serial port. Plug in the tester's adapter and try again.</source>
            <translation>The system reports no serial port. Plug in the tester's adapter and try again.</translation>
        </message>
        <message>
            <source>Lists the serial ports: name, device path, USB vendor:product, serial number and description, one port a line, and exits.</source>
            <translation>Lists the serial ports: name, device path, USB vendor:product, serial number and description, one port a line, and exits.</translation>
        </message>
        <message>
            <source>With --list-ports, --list-downloads or --summary: text (the default) or json.</source>
            <translation>With --list-ports, --list-downloads or --summary: text (the default) or json.</translation>
        </message>
        <message>
            <source>format</source>
            <comment>value name of --format</comment>
            <translation>format</translation>
        </message>
    </context>
    <context>
        <name>MainWindow</name>
        <message>
            <source>Marlune DataLogger</source>
            <translation>Marlune DataLogger</translation>
        </message>
        <message>
            <source>Exit</source>
            <translation>Exit</translation>
        </message>
        <message>
            <source>Quits the application</source>
            <translation>Quits the application</translation>
        </message>
        <message>
            <source>Refresh Ports</source>
            <translation>Refresh Ports</translation>
        </message>
        <message>
            <source>Refreshes the list of COM ports</source>
            <translation>Refreshes the list of COM ports</translation>
        </message>
        <message>
            <source>About</source>
            <translation>About</translation>
        </message>
        <message>
            <source>Shows version information about Solar DataLogger</source>
            <translation>Shows version information about Solar DataLogger</translation>
        </message>
        <message>
            <source>Change Language...</source>
            <translation>Change Language...</translation>
        </message>
        <message>
            <source>Change the language used in this application</source>
            <translation>Change the language used in this application</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Help</translation>
        </message>
        <message>
            <source>Shows documentation</source>
            <translation>Shows documentation</translation>
        </message>
        <message>
            <source>Convert CSV Data</source>
            <translation>Convert CSV Data</translation>
        </message>
        <message>
            <source>Device Connection</source>
            <translation>Device Connection</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Download</source>
            <translation>Download</translation>
        </message>
        <message>
            <source>Downloaded Output</source>
            <translation>Downloaded Output</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Open</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>File</source>
            <translation>File</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Tools</translation>
        </message>
        <message>
            <source>Country Settings</source>
            <translation>Country Settings</translation>
        </message>
        <message>
            <source>Please select a port and connect your device</source>
            <translation>Please select a port and connect your device</translation>
        </message>
        <message>
            <source>The language will be changed next time Marlune DataLogger is started.</source>
            <translation>The language will be changed next time Marlune DataLogger is started.</translation>
        </message>
        <message>
            <source>Would you like to restart now?</source>
            <translation>Would you like to restart now?</translation>
        </message>
        <message>
            <source>Now initiate the download on the tester</source>
            <translation>Now initiate the download on the tester</translation>
        </message>
        <message>
            <source>Comma Separated Value files (*.csv)</source>
            <translation>Comma Separated Value files (*.csv)</translation>
        </message>
        <message>
            <source>Text files (*.txt)</source>
            <translation>Text files (*.txt)</translation>
        </message>
        <message>
            <source>All files (*.*)</source>
            <translation>All files (*.*)</translation>
        </message>
        <message>
            <source>Save downloaded data to file</source>
            <translation>Save downloaded data to file</translation>
        </message>
        <message>
            <source>Would you like to convert the data to European format?</source>
            <translation>Would you like to convert the data to European format?</translation>
        </message>
        <message>
            <source>Decimal points will be replaced by commas and the commas separating fields will be replaced by semi-colons.</source>
            <translation>Decimal points will be replaced by commas and the commas separating fields will be replaced by semi-colons.</translation>
        </message>
        <message>
            <source>About Marlune DataLogger</source>
            <comment>Title of the About box</comment>
            <translation>About Marlune DataLogger</translation>
        </message>
        <message>
            <source>Marlune DataLogger

 %1
</source>
            <comment>The %1 is replaced with the version number so please don't remove it!</comment>
            <translation>Marlune DataLogger

 %1
</translation>
        </message>
        <message>
            <source>Bytes received: %1</source>
            <comment>The %1 will be replaced with the number of bytes received so far. Please do not remove it in your translation!</comment>
            <translation>Bytes received: %1</translation>
        </message>
        <message>
            <source>The line sends only NUL bytes. Check the cable and the tester.</source>
            <translation>The line sends only NUL bytes. Check the cable and the tester.</translation>
        </message>
        <message>
            <source>The help pages were not found in "%1".</source>
            <comment>The %1 will be replaced with the name of a folder. Please do not remove it in your translation!</comment>
            <translation>The help pages were not found in "%1".</translation>
        </message>
        <message>
            <source>Please reinstall Marlune DataLogger.</source>
            <translation>Please reinstall Marlune DataLogger.</translation>
        </message>
        <message>
            <source>Failed to connect. Please check the device is connected and switched on</source>
            <translation>Failed to connect. Please check the device is connected and switched on</translation>
        </message>
        <message>
            <source>File successfully saved</source>
            <translation>File successfully saved</translation>
        </message>
        <message>
            <source>Error opening "%1" for writing. Is it open already or read only?</source>
            <comment>The %1 will be replaced with the a file name. Please do not remove it in your translation!</comment>
            <translation>Error opening "%1" for writing. Is it open already or read only?</translation>
        </message>
        <message>
            <source>Error saving "%1": %2</source>
            <comment>The %1 will be replaced with a file name and the %2 with the reason. Please do not remove them in your translation!</comment>
            <translation>Error saving "%1": %2</translation>
        </message>
        <message>
            <source>View</source>
            <translation>View</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Results</translation>
        </message>
        <message>
            <source>Shows the downloaded data as a table of results with a summary and a chart</source>
            <translation>Shows the downloaded data as a table of results with a summary and a chart</translation>
        </message>
        <message>
            <source>History...</source>
            <translation>History...</translation>
        </message>
        <message>
            <source>Shows every download kept in the archive</source>
            <translation>Shows every download kept in the archive</translation>
        </message>
        <message>
            <source>Team archive...</source>
            <translation>Team archive...</translation>
        </message>
    </context>
    <context>
        <name>PortErrorText</name>
        <message>
            <source>No port is selected. Connect the adapter, then press Refresh Ports.</source>
            <translation>No port is selected. Connect the adapter, then press Refresh Ports.</translation>
        </message>
        <message>
            <source>The port is in use by another program. Close the other program and try again.</source>
            <translation>The port is in use by another program. Close the other program and try again.</translation>
        </message>
        <message>
            <source>Permission denied. Add your user to the group "%1" that owns the port, then log out and log in again.</source>
            <comment>The %1 will be replaced with the name of a user group, such as dialout. Please do not remove it in your translation!</comment>
            <translation>Permission denied. Add your user to the group "%1" that owns the port, then log out and log in again.</translation>
        </message>
        <message>
            <source>Permission denied. Your user account may not use this port.</source>
            <translation>Permission denied. Your user account may not use this port.</translation>
        </message>
        <message>
            <source>No such device. Check that the adapter is plugged in, then press Refresh Ports.</source>
            <translation>No such device. Check that the adapter is plugged in, then press Refresh Ports.</translation>
        </message>
        <message>
            <source>The system reported: %1</source>
            <comment>The %1 will be replaced with the error message of the operating system. Please do not remove it in your translation!</comment>
            <translation>The system reported: %1</translation>
        </message>
        <message>
            <source>The connection to the device was lost before any data arrived.</source>
            <translation>The connection to the device was lost before any data arrived.</translation>
        </message>
        <message>
            <source>The connection to the device was lost. The data received so far is kept.</source>
            <translation>The connection to the device was lost. The data received so far is kept.</translation>
        </message>
    </context>
    <context>
        <name>ReportCommand</name>
        <message>
            <source>No design is kept in the archive for the site of these results (%1); give one with --design.</source>
            <comment>%1 lists the sites' names</comment>
            <translation>No design is kept in the archive for the site of these results (%1); give one with --design.</translation>
        </message>
        <message>
            <source>no Site column</source>
            <translation>no Site column</translation>
        </message>
        <message>
            <source>The archive "%1" could not be read: %2</source>
            <comment>%1 is the archive's path, %2 the reason</comment>
            <translation>The archive "%1" could not be read: %2</translation>
        </message>
        <message>
            <source>The archive keeps designs for several sites of these results (%1); choose one with --design.</source>
            <comment>%1 lists the sites' names</comment>
            <translation>The archive keeps designs for several sites of these results (%1); choose one with --design.</translation>
        </message>
        <message>
            <source>Writes the commissioning test report as the PDF file --output: the results of download ID of the archive, or of a saved .csv or .txt file, checked against the site's design (--design, else the design the archive keeps for the site).</source>
            <translation>Writes the commissioning test report as the PDF file --output: the results of download ID of the archive, or of a saved .csv or .txt file, checked against the site's design (--design, else the design the archive keeps for the site).</translation>
        </message>
        <message>
            <source>ID or file</source>
            <comment>value name of --report</comment>
            <translation>ID or file</translation>
        </message>
        <message>
            <source>--report and --%1 exclude each other.</source>
            <comment>%1 is an option's name</comment>
            <translation>--report and --%1 exclude each other.</translation>
        </message>
        <message>
            <source>The option '%1' does not go with --report.</source>
            <comment>%1 is an option's name</comment>
            <translation>The option '%1' does not go with --report.</translation>
        </message>
        <message>
            <source>--report needs a download's id or a saved file.</source>
            <translation>--report needs a download's id or a saved file.</translation>
        </message>
        <message>
            <source>--report needs --output and the name of the PDF file to write.</source>
            <translation>--report needs --output and the name of the PDF file to write.</translation>
        </message>
        <message>
            <source>--design needs a file.</source>
            <translation>--design needs a file.</translation>
        </message>
        <message>
            <source>--archive needs a file.</source>
            <translation>--archive needs a file.</translation>
        </message>
        <message>
            <source>There is no download %1 in the archive "%2".</source>
            <comment>%1 is the download's id, %2 the archive's path</comment>
            <translation>There is no download %1 in the archive "%2".</translation>
        </message>
        <message>
            <source>The download %1 could not be read from the archive: %2</source>
            <comment>%1 is the download's id, %2 the reason</comment>
            <translation>The download %1 could not be read from the archive: %2</translation>
        </message>
    </context>
    <context>
        <name>ReportPreviewDialog</name>
        <message>
            <source>Report preview</source>
            <translation>Report preview</translation>
        </message>
        <message>
            <source>Save PDF…</source>
            <translation>Save PDF…</translation>
        </message>
        <message>
            <source>Save the report</source>
            <translation>Save the report</translation>
        </message>
        <message>
            <source>commissioning-report.pdf</source>
            <comment>default file name</comment>
            <translation>commissioning-report.pdf</translation>
        </message>
        <message>
            <source>PDF files (*.pdf)</source>
            <translation>PDF files (*.pdf)</translation>
        </message>
        <message>
            <source>Report not saved</source>
            <translation>Report not saved</translation>
        </message>
    </context>
    <context>
        <name>ResultsChart</name>
        <message>
            <source>This column holds no numbers to draw.</source>
            <translation>This column holds no numbers to draw.</translation>
        </message>
        <message>
            <source>Bars: %1</source>
            <translation>Bars: %1</translation>
        </message>
        <message>
            <source>Maximum: %1</source>
            <translation>Maximum: %1</translation>
        </message>
        <message>
            <source>Minimum: %1</source>
            <translation>Minimum: %1</translation>
        </message>
    </context>
    <context>
        <name>ResultsCheck</name>
        <message>
            <source>%1 more lines with the same warning are not listed.</source>
            <translation>%1 more lines with the same warning are not listed.</translation>
        </message>
        <message>
            <source>The record numbers jump from %1 to %2 on line %3: records may be missing.</source>
            <translation>The record numbers jump from %1 to %2 on line %3: records may be missing.</translation>
        </message>
        <message>
            <source>The record number %1 on line %2 repeats or goes back (the one before is %3).</source>
            <translation>The record number %1 on line %2 repeats or goes back (the one before is %3).</translation>
        </message>
        <message>
            <source>The last record is incomplete: the tester may have paused longer than the read time-out. Download again with a longer time-out.</source>
            <translation>The last record is incomplete: the tester may have paused longer than the read time-out. Download again with a longer time-out.</translation>
        </message>
        <message>
            <source>This download starts in the middle of a record: the previous one may have been cut short.</source>
            <translation>This download starts in the middle of a record: the previous one may have been cut short.</translation>
        </message>
        <message>
            <source>Line %1 has %2 fields where most rows have %3.</source>
            <translation>Line %1 has %2 fields where most rows have %3.</translation>
        </message>
        <message>
            <source>Line %1 has %2 fields where the header has %3.</source>
            <translation>Line %1 has %2 fields where the header has %3.</translation>
        </message>
    </context>
    <context>
        <name>ResultsFile</name>
        <message>
            <source>The file "%1" could not be read: %2</source>
            <comment>%1 is a file name, %2 the system's reason</comment>
            <translation>The file "%1" could not be read: %2</translation>
        </message>
        <message>
            <source>The file "%1" is too large to read as results: %2 bytes (at most %3).</source>
            <comment>%1 is a file name, %2 its size, %3 the largest size read</comment>
            <translation>The file "%1" is too large to read as results: %2 bytes (at most %3).</translation>
        </message>
    </context>
    <context>
        <name>ResultsFilterModel</name>
        <message>
            <source>The tester failed this record.</source>
            <translation>The tester failed this record.</translation>
        </message>
    </context>
    <context>
        <name>ResultsSummary</name>
        <message>
            <source>%1 records</source>
            <translation>%1 records</translation>
        </message>
        <message>
            <source>%1 records · %2 PASS · %3 FAIL</source>
            <translation>%1 records · %2 PASS · %3 FAIL</translation>
        </message>
        <message>
            <source>%1 · %2 other</source>
            <comment>%1 the records, PASS and FAIL; %2 the records whose result is neither</comment>
            <translation>%1 · %2 other</translation>
        </message>
    </context>
    <context>
        <name>ResultsWindow</name>
        <message>
            <source>Results</source>
            <translation>Results</translation>
        </message>
        <message>
            <source>Table</source>
            <translation>Table</translation>
        </message>
        <message>
            <source>Filter: text in any column</source>
            <translation>Filter: text in any column</translation>
        </message>
        <message>
            <source>Failed only</source>
            <translation>Failed only</translation>
        </message>
        <message>
            <source>Export CSV...</source>
            <translation>Export CSV...</translation>
        </message>
        <message>
            <source>Saves the rows shown as a CSV file</source>
            <translation>Saves the rows shown as a CSV file</translation>
        </message>
        <message>
            <source>Chart</source>
            <translation>Chart</translation>
        </message>
        <message>
            <source>Values:</source>
            <translation>Values:</translation>
        </message>
        <message>
            <source>Labels:</source>
            <translation>Labels:</translation>
        </message>
        <message>
            <source>Groups:</source>
            <translation>Groups:</translation>
        </message>
        <message>
            <source>Save Chart...</source>
            <translation>Save Chart...</translation>
        </message>
        <message>
            <source>Saves the chart as a PNG or SVG image</source>
            <translation>Saves the chart as a PNG or SVG image</translation>
        </message>
        <message>
            <source>Results: %1</source>
            <comment>%1 is the name of the download or file</comment>
            <translation>Results: %1</translation>
        </message>
        <message>
            <source>%1 of %2 records shown</source>
            <comment>%1 and %2 are counts</comment>
            <translation>%1 of %2 records shown</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>(none)</translation>
        </message>
        <message>
            <source>Export the rows shown</source>
            <translation>Export the rows shown</translation>
        </message>
        <message>
            <source>Comma Separated Value files (*.csv)</source>
            <translation>Comma Separated Value files (*.csv)</translation>
        </message>
        <message>
            <source>All files (*.*)</source>
            <translation>All files (*.*)</translation>
        </message>
        <message>
            <source>PNG images (*.png)</source>
            <translation>PNG images (*.png)</translation>
        </message>
        <message>
            <source>SVG images (*.svg)</source>
            <translation>SVG images (*.svg)</translation>
        </message>
        <message>
            <source>Save the chart</source>
            <translation>Save the chart</translation>
        </message>
        <message>
            <source>The chart could not be saved as "%1": %2</source>
            <comment>%1 is a file name, %2 the system's reason</comment>
            <translation>The chart could not be saved as "%1": %2</translation>
        </message>
        <message>
            <source>Site design…</source>
            <translation>Site design…</translation>
        </message>
        <message>
            <source>Report…</source>
            <translation>Report…</translation>
        </message>
        <message>
            <source>The design of the site: its arrays and limits, to check each string against.</source>
            <translation>The design of the site: its arrays and limits, to check each string against.</translation>
        </message>
        <message>
            <source>The commissioning test report of these results checked against the site design, shown before it is saved as PDF.</source>
            <translation>The commissioning test report of these results checked against the site design, shown before it is saved as PDF.</translation>
        </message>
        <message>
            <source>Site design</source>
            <translation>Site design</translation>
        </message>
        <message>
            <source>The design could not be kept in the archive: %1</source>
            <comment>%1 is the reason</comment>
            <translation>The design could not be kept in the archive: %1</translation>
        </message>
        <message>
            <source>The archive could not be read: %1</source>
            <comment>%1 is the reason</comment>
            <translation>The archive could not be read: %1</translation>
        </message>
    </context>
    <context>
        <name>SaveStep</name>
        <message>
            <source>Error writing to the standard output: %1</source>
            <comment>%1 is the system's reason</comment>
            <translation>Error writing to the standard output: %1</translation>
        </message>
        <message>
            <source>The European format applies to .csv files only; "%1" is written as received.</source>
            <comment>%1 is a file name</comment>
            <translation>The European format applies to .csv files only; "%1" is written as received.</translation>
        </message>
        <message>
            <source>The file's old content could not be put back: the file was changed.</source>
            <translation>The file's old content could not be put back: the file was changed.</translation>
        </message>
    </context>
    <context>
        <name>SavedData</name>
        <message>
            <source>The file holds %1 bytes instead of %2.</source>
            <comment>%1 and %2 are numbers of bytes</comment>
            <translation>The file holds %1 bytes instead of %2.</translation>
        </message>
        <message>
            <source>It is a pipe, a device or a socket, not a regular file: only regular files are written.</source>
            <translation>It is a pipe, a device or a socket, not a regular file: only regular files are written.</translation>
        </message>
    </context>
    <context>
        <name>SiteDesignDialog</name>
        <message>
            <source>Site design</source>
            <translation>Site design</translation>
        </message>
        <message>
            <source>Site</source>
            <translation>Site</translation>
        </message>
        <message>
            <source>Installation</source>
            <translation>Installation</translation>
        </message>
        <message>
            <source>Site:</source>
            <translation>Site:</translation>
        </message>
        <message>
            <source>Address:</source>
            <translation>Address:</translation>
        </message>
        <message>
            <source>Client:</source>
            <translation>Client:</translation>
        </message>
        <message>
            <source>Inspector:</source>
            <translation>Inspector:</translation>
        </message>
        <message>
            <source>Instrument</source>
            <translation>Instrument</translation>
        </message>
        <message>
            <source>Model:</source>
            <translation>Model:</translation>
        </message>
        <message>
            <source>Serial number:</source>
            <translation>Serial number:</translation>
        </message>
        <message>
            <source>Calibrated on:</source>
            <translation>Calibrated on:</translation>
        </message>
        <message>
            <source>Arrays</source>
            <translation>Arrays</translation>
        </message>
        <message>
            <source>Add array</source>
            <translation>Add array</translation>
        </message>
        <message>
            <source>Remove array</source>
            <translation>Remove array</translation>
        </message>
        <message>
            <source>Checks and columns</source>
            <translation>Checks and columns</translation>
        </message>
        <message>
            <source>Tolerances</source>
            <translation>Tolerances</translation>
        </message>
        <message>
            <source>Voc against its neighbours:</source>
            <translation>Voc against its neighbours:</translation>
        </message>
        <message>
            <source> %</source>
            <translation> %</translation>
        </message>
        <message>
            <source>Isc at STC:</source>
            <translation>Isc at STC:</translation>
        </message>
        <message>
            <source>Least irradiance for Isc:</source>
            <translation>Least irradiance for Isc:</translation>
        </message>
        <message>
            <source> W/m²</source>
            <translation> W/m²</translation>
        </message>
        <message>
            <source>Columns of the data</source>
            <translation>Columns of the data</translation>
        </message>
        <message>
            <source>Import…</source>
            <translation>Import…</translation>
        </message>
        <message>
            <source>Export…</source>
            <translation>Export…</translation>
        </message>
        <message>
            <source>String name:</source>
            <translation>String name:</translation>
        </message>
        <message>
            <source>Voc:</source>
            <translation>Voc:</translation>
        </message>
        <message>
            <source>Isc:</source>
            <translation>Isc:</translation>
        </message>
        <message>
            <source>Irradiance:</source>
            <translation>Irradiance:</translation>
        </message>
        <message>
            <source>Module temperature:</source>
            <translation>Module temperature:</translation>
        </message>
        <message>
            <source>Insulation resistance:</source>
            <translation>Insulation resistance:</translation>
        </message>
        <message>
            <source>Continuity:</source>
            <translation>Continuity:</translation>
        </message>
        <message>
            <source>not given</source>
            <translation>not given</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Strings starting with</source>
            <translation>Strings starting with</translation>
        </message>
        <message>
            <source>Module</source>
            <translation>Module</translation>
        </message>
        <message>
            <source>Modules in series</source>
            <translation>Modules in series</translation>
        </message>
        <message>
            <source>Voc at STC (V)</source>
            <translation>Voc at STC (V)</translation>
        </message>
        <message>
            <source>Isc at STC (A)</source>
            <translation>Isc at STC (A)</translation>
        </message>
        <message>
            <source>β Voc (%/°C)</source>
            <translation>β Voc (%/°C)</translation>
        </message>
        <message>
            <source>α Isc (%/°C)</source>
            <translation>α Isc (%/°C)</translation>
        </message>
        <message>
            <source>Insulation test (V)</source>
            <translation>Insulation test (V)</translation>
        </message>
        <message>
            <source>Insulation min. (MΩ)</source>
            <translation>Insulation min. (MΩ)</translation>
        </message>
        <message>
            <source>Continuity max. (Ω)</source>
            <translation>Continuity max. (Ω)</translation>
        </message>
        <message>
            <source>Leave the insulation figures empty to take them from the system voltage, and the continuity maximum empty not to check continuity.</source>
            <translation>Leave the insulation figures empty to take them from the system voltage, and the continuity maximum empty not to check continuity.</translation>
        </message>
        <message>
            <source>by its usual header</source>
            <translation>by its usual header</translation>
        </message>
        <message>
            <source>The design needs at least one array.</source>
            <translation>The design needs at least one array.</translation>
        </message>
        <message>
            <source>Array %1, %2: %3</source>
            <translation>Array %1, %2: %3</translation>
        </message>
        <message>
            <source>required</source>
            <translation>required</translation>
        </message>
        <message>
            <source>a whole number from 1 to 10000 is needed</source>
            <translation>a whole number from 1 to 10000 is needed</translation>
        </message>
        <message>
            <source>a number above 0 is needed</source>
            <translation>a number above 0 is needed</translation>
        </message>
        <message>
            <source>a number is needed</source>
            <translation>a number is needed</translation>
        </message>
        <message>
            <source>a number above 0 is needed, or nothing</source>
            <translation>a number above 0 is needed, or nothing</translation>
        </message>
        <message>
            <source>The design file %1 could not be read: %2</source>
            <translation>The design file %1 could not be read: %2</translation>
        </message>
        <message>
            <source>The design file %1 was not read: %2</source>
            <translation>The design file %1 was not read: %2</translation>
        </message>
        <message>
            <source>The design file %1 could not be written: %2</source>
            <translation>The design file %1 could not be written: %2</translation>
        </message>
        <message>
            <source>Import a site design</source>
            <translation>Import a site design</translation>
        </message>
        <message>
            <source>Site designs (*.json);;All files (*)</source>
            <translation>Site designs (*.json);;All files (*)</translation>
        </message>
        <message>
            <source>Export the site design</source>
            <translation>Export the site design</translation>
        </message>
    </context>
    <context>
        <name>SummaryCommand</name>
        <message>
            <source>file</source>
            <comment>value name of --summary</comment>
            <translation>file</translation>
        </message>
        <message>
            <source>--summary and --download exclude each other.</source>
            <translation>--summary and --download exclude each other.</translation>
        </message>
        <message>
            <source>--format takes text or json, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--format takes text or json, not '%1'.</translation>
        </message>
        <message>
            <source>With --summary or --report: checks the results string by string against the site's design in this JSON file (modules in series, Voc, Isc, insulation, continuity).</source>
            <translation>With --summary or --report: checks the results string by string against the site's design in this JSON file (modules in series, Voc, Isc, insulation, continuity).</translation>
        </message>
        <message>
            <source>file</source>
            <comment>value name of --design</comment>
            <translation>file</translation>
        </message>
        <message>
            <source>The design file "%1" could not be read: %2</source>
            <comment>%1 is a file name, %2 the system's reason</comment>
            <translation>The design file "%1" could not be read: %2</translation>
        </message>
        <message>
            <source>The design file "%1" cannot be used: %2</source>
            <comment>%1 is a file name, %2 what in the file is wrong</comment>
            <translation>The design file "%1" cannot be used: %2</translation>
        </message>
        <message>
            <source>--design needs a file.</source>
            <translation>--design needs a file.</translation>
        </message>
        <message>
            <source>row %1, %2: %3: %4</source>
            <comment>%1 is the row counted from 1 after the header, %2 the string's name, %3 the check's key (module_count...), %4 the reason</comment>
            <translation>row %1, %2: %3: %4</translation>
        </message>
        <message>
            <source>Prints the summary of a saved .csv or .txt file (records, PASS, FAIL, other) and the warnings that its data may be incomplete.</source>
            <translation>Prints the summary of a saved .csv or .txt file (records, PASS, FAIL, other) and the warnings that its data may be incomplete.</translation>
        </message>
    </context>
    <context>
        <name>TeamAddress</name>
        <message>
            <source>--team needs a connection URI such as postgresql://user@host:5432/database?sslmode=require, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--team needs a connection URI such as postgresql://user@host:5432/database?sslmode=require, not '%1'.</translation>
        </message>
        <message>
            <source>The connection URI's '%1' cannot hold a ';'.</source>
            <comment>%1 is a key of the URI</comment>
            <translation>The connection URI's '%1' cannot hold a ';'.</translation>
        </message>
        <message>
            <source>The connection URI's port is a number from 1 to 65535, not '%1'.</source>
            <comment>%1 is the port as the user typed it</comment>
            <translation>The connection URI's port is a number from 1 to 65535, not '%1'.</translation>
        </message>
        <message>
            <source>The connection URI's sslmode is one of %1, not '%2'.</source>
            <comment>%1 lists the modes, %2 is the value as the user typed it</comment>
            <translation>The connection URI's sslmode is one of %1, not '%2'.</translation>
        </message>
    </context>
    <context>
        <name>TeamArchiveDialog</name>
        <message>
            <source>Team archive</source>
            <translation>Team archive</translation>
        </message>
        <message>
            <source>kept in the system's keyring</source>
            <translation>kept in the system's keyring</translation>
        </message>
        <message>
            <source>Choose...</source>
            <translation>Choose...</translation>
        </message>
        <message>
            <source>CA certificate</source>
            <translation>CA certificate</translation>
        </message>
        <message>
            <source>Send downloads to the team archive</source>
            <translation>Send downloads to the team archive</translation>
        </message>
        <message>
            <source>Test</source>
            <translation>Test</translation>
        </message>
        <message>
            <source>Server:</source>
            <translation>Server:</translation>
        </message>
        <message>
            <source>Port:</source>
            <translation>Port:</translation>
        </message>
        <message>
            <source>Database:</source>
            <translation>Database:</translation>
        </message>
        <message>
            <source>User:</source>
            <translation>User:</translation>
        </message>
        <message>
            <source>Password:</source>
            <translation>Password:</translation>
        </message>
        <message>
            <source>TLS:</source>
            <translation>TLS:</translation>
        </message>
        <message>
            <source>CA certificate (verify-full):</source>
            <translation>CA certificate (verify-full):</translation>
        </message>
        <message>
            <source>Testing...</source>
            <translation>Testing...</translation>
        </message>
        <message>
            <source>The team archive answers; %1 may use it.</source>
            <translation>The team archive answers; %1 may use it.</translation>
        </message>
        <message>
            <source>The password could not be kept in the system's keyring (%1). Give it in ~/.pgpass instead.</source>
            <translation>The password could not be kept in the system's keyring (%1). Give it in ~/.pgpass instead.</translation>
        </message>
    </context>
    <context>
        <name>TeamArchiveStatus</name>
        <message>
            <source>Sent to the team archive</source>
            <translation>Sent to the team archive</translation>
        </message>
        <message numerus="yes">
            <source>Team archive unreachable: %n download(s) waiting</source>
            <translation>
                <numerusform>Team archive unreachable: %n download waiting</numerusform>
                <numerusform>Team archive unreachable: %n downloads waiting</numerusform>
            </translation>
        </message>
        <message>
            <source>Team archive: a download was refused</source>
            <translation>Team archive: a download was refused</translation>
        </message>
    </context>
    <context>
        <name>TeamCommand</name>
        <message>
            <source>--team goes with one of --sync, --team-init, --list-downloads, --export, --report or --delete.</source>
            <translation>--team goes with one of --sync, --team-init, --list-downloads, --export, --report or --delete.</translation>
        </message>
        <message>
            <source>--report with --team needs the number of a download as --list-downloads --team shows it.</source>
            <translation>--report with --team needs the number of a download as --list-downloads --team shows it.</translation>
        </message>
    </context>
    <context>
        <name>TeamCommands</name>
        <message>
            <source>ID</source>
            <translation>ID</translation>
        </message>
        <message>
            <source>Date and time</source>
            <translation>Date and time</translation>
        </message>
        <message>
            <source>Engineer</source>
            <translation>Engineer</translation>
        </message>
        <message>
            <source>Computer</source>
            <translation>Computer</translation>
        </message>
        <message>
            <source>Records</source>
            <translation>Records</translation>
        </message>
        <message>
            <source>PASS</source>
            <translation>PASS</translation>
        </message>
        <message>
            <source>FAIL</source>
            <translation>FAIL</translation>
        </message>
        <message>
            <source>Site</source>
            <translation>Site</translation>
        </message>
        <message numerus="yes">
            <source>%1 %n download(s) waiting.</source>
            <comment>%1 is why; the number follows</comment>
            <translation>
                <numerusform>%1 %n download waiting.</numerusform>
                <numerusform>%1 %n downloads waiting.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Sent to the team archive %1: %n new download(s).</source>
            <comment>%1 is user@server:port/database</comment>
            <translation>
                <numerusform>Sent to the team archive %1: %n new download.</numerusform>
                <numerusform>Sent to the team archive %1: %n new downloads.</numerusform>
            </translation>
        </message>
        <message>
            <source>The team archive %1 is up to date (version %2).</source>
            <translation>The team archive %1 is up to date (version %2).</translation>
        </message>
        <message>
            <source>The team archive %1 is ready (version %2). Grant its users a role: GRANT %3 TO user; or GRANT %4 TO user;</source>
            <comment>%3 and %4 are roles</comment>
            <translation>The team archive %1 is ready (version %2). Grant its users a role: GRANT %3 TO user; or GRANT %4 TO user;</translation>
        </message>
        <message>
            <source>With --list-downloads, --export, --report or --delete: the team archive instead of this computer's; URL is a connection URI such as postgresql://user@server:5432/database?sslmode=require (without it: the Team archive settings).</source>
            <translation>With --list-downloads, --export, --report or --delete: the team archive instead of this computer's; URL is a connection URI such as postgresql://user@server:5432/database?sslmode=require (without it: the Team archive settings).</translation>
        </message>
        <message>
            <source>URL</source>
            <comment>value name of --team</comment>
            <translation>URL</translation>
        </message>
        <message>
            <source>Sends every download of the archive that the team archive lacks.</source>
            <translation>Sends every download of the archive that the team archive lacks.</translation>
        </message>
        <message>
            <source>Creates the team archive on the server or brings it up to date (needs the database owner's rights).</source>
            <translation>Creates the team archive on the server or brings it up to date (needs the database owner's rights).</translation>
        </message>
        <message>
            <source>Download %1 deleted from the team archive.</source>
            <translation>Download %1 deleted from the team archive.</translation>
        </message>
    </context>
    <context>
        <name>TeamConnection</name>
        <message>
            <source>%1 may not use the team archive: the office grants the role %2 (or %3). The server said: %4</source>
            <comment>%1 is a user name, %2 and %3 roles, %4 the server's words</comment>
            <translation>%1 may not use the team archive: the office grants the role %2 (or %3). The server said: %4</translation>
        </message>
        <message>
            <source>The team archive %1 cannot be reached: %2</source>
            <comment>%1 is user@server:port/database, %2 the reason</comment>
            <translation>The team archive %1 cannot be reached: %2</translation>
        </message>
        <message>
            <source>The team archive %1 refused the login: %2</source>
            <comment>%1 is user@server:port/database, %2 the reason</comment>
            <translation>The team archive %1 refused the login: %2</translation>
        </message>
        <message>
            <source>No secure connection to the team archive %1: %2</source>
            <comment>%1 is user@server:port/database, %2 the reason</comment>
            <translation>No secure connection to the team archive %1: %2</translation>
        </message>
        <message>
            <source>The team archive %1 said: %2</source>
            <comment>%1 is user@server:port/database, %2 the server's words</comment>
            <translation>The team archive %1 said: %2</translation>
        </message>
        <message>
            <source>The team archive needs Qt SQL's PostgreSQL driver (Debian: the package libqt5sql5-psql), which is not installed.</source>
            <translation>The team archive needs Qt SQL's PostgreSQL driver (Debian: the package libqt5sql5-psql), which is not installed.</translation>
        </message>
        <message>
            <source>The database %1 holds no team archive. Its owner makes one with --team-init.</source>
            <comment>%1 is user@server:port/database</comment>
            <translation>The database %1 holds no team archive. Its owner makes one with --team-init.</translation>
        </message>
        <message>
            <source>The team archive %1 was made by a newer version of this program (version %2; this one knows %3). Install the newer version.</source>
            <comment>%1 is user@server:port/database, %2 and %3 version numbers</comment>
            <translation>The team archive %1 was made by a newer version of this program (version %2; this one knows %3). Install the newer version.</translation>
        </message>
        <message>
            <source>The team archive %1 is of an older version (%2): its owner brings it up to date with --team-init.</source>
            <comment>%1 is user@server:port/database, %2 a version number</comment>
            <translation>The team archive %1 is of an older version (%2): its owner brings it up to date with --team-init.</translation>
        </message>
    </context>
    <context>
        <name>TeamDownloads</name>
        <message>
            <source>There is no download %1 in the team archive.</source>
            <comment>%1 is the number or identity of a download</comment>
            <translation>There is no download %1 in the team archive.</translation>
        </message>
        <message>
            <source>The bytes of download %1 are missing from the team archive.</source>
            <translation>The bytes of download %1 are missing from the team archive.</translation>
        </message>
        <message>
            <source>The bytes of download %1 in the team archive do not match their SHA-256.</source>
            <translation>The bytes of download %1 in the team archive do not match their SHA-256.</translation>
        </message>
        <message>
            <source>Download %1 was sent by %2: only they (or the archive's owner) can delete it.</source>
            <comment>%1 is a download's number, %2 a user name</comment>
            <translation>Download %1 was sent by %2: only they (or the archive's owner) can delete it.</translation>
        </message>
    </context>
    <context>
        <name>TeamHistoryModel</name>
        <message>
            <source>Arrived %1</source>
            <comment>%1 is the date and time the team archive received it</comment>
            <translation>Arrived %1</translation>
        </message>
        <message>
            <source>Engineer</source>
            <translation>Engineer</translation>
        </message>
        <message>
            <source>Computer</source>
            <translation>Computer</translation>
        </message>
        <message>
            <source>Site(s)</source>
            <translation>Site(s)</translation>
        </message>
    </context>
    <context>
        <name>TeamPassword</name>
        <message numerus="yes">
            <source>the keyring did not answer within %n second(s)</source>
            <translation>
                <numerusform>the keyring did not answer within %n second</numerusform>
                <numerusform>the keyring did not answer within %n seconds</numerusform>
            </translation>
        </message>
        <message>
            <source>this build keeps no passwords; use ~/.pgpass or PGPASSWORD</source>
            <translation>this build keeps no passwords; use ~/.pgpass or PGPASSWORD</translation>
        </message>
    </context>
    <context>
        <name>TeamSchema</name>
        <message>
            <source>The team archive was made by a newer version of this program (version %1; this one knows %2): it is left as it is.</source>
            <comment>%1 and %2 are version numbers</comment>
            <translation>The team archive was made by a newer version of this program (version %1; this one knows %2): it is left as it is.</translation>
        </message>
    </context>
    <context>
        <name>TeamSender</name>
        <message>
            <source>the team archive holds other bytes under this download's identity</source>
            <translation>the team archive holds other bytes under this download's identity</translation>
        </message>
        <message numerus="yes">
            <source>%n download(s) refused: the team archive holds other bytes under their identity.</source>
            <translation>
                <numerusform>%n download refused: the team archive holds other bytes under its identity.</numerusform>
                <numerusform>%n downloads refused: the team archive holds other bytes under their identity.</numerusform>
            </translation>
        </message>
    </context>
</TS>
