<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
    <context>
        <name>Archive</name>
        <message>
            <source>the system refused</source>
            <translation>das System hat abgelehnt</translation>
        </message>
        <message>
            <source>%1 is not a folder</source>
            <translation>%1 ist kein Ordner</translation>
        </message>
        <message>
            <source>the folder %1 cannot be created</source>
            <translation>der Ordner %1 kann nicht angelegt werden</translation>
        </message>
        <message>
            <source>the disk is full</source>
            <translation>der Datenträger ist voll</translation>
        </message>
        <message numerus="yes">
            <source>another program kept the archive busy for more than %n second(s)</source>
            <translation>
                <numerusform>ein anderes Programm hat das Archiv länger als %n Sekunde belegt</numerusform>
                <numerusform>ein anderes Programm hat das Archiv länger als %n Sekunden belegt</numerusform>
            </translation>
        </message>
        <message>
            <source>the archive cannot be written</source>
            <translation>in das Archiv kann nicht geschrieben werden</translation>
        </message>
        <message>
            <source>The archive %1 cannot be opened: %2</source>
            <translation>Das Archiv %1 kann nicht geöffnet werden: %2</translation>
        </message>
        <message>
            <source>The archive %1 was written by a newer version of this program. It was moved aside as %2 and a new archive was started.</source>
            <translation>Das Archiv %1 wurde von einer neueren Version dieses Programms geschrieben. Es wurde als %2 beiseitegelegt, und ein neues Archiv wurde begonnen.</translation>
        </message>
        <message>
            <source>The archive %1 was damaged. It was moved aside as %2 and a new archive was started.</source>
            <translation>Das Archiv %1 war beschädigt. Es wurde als %2 beiseitegelegt, und ein neues Archiv wurde begonnen.</translation>
        </message>
        <message>
            <source>it is damaged</source>
            <translation>es ist beschädigt</translation>
        </message>
        <message>
            <source>The archive %1 is damaged and could not be moved aside (%2). It was left as it is, and downloads are not archived until it is moved or deleted.</source>
            <translation>Das Archiv %1 ist beschädigt und konnte nicht beiseitegelegt werden (%2). Es bleibt, wie es ist, und Downloads werden nicht archiviert, bis es verschoben oder gelöscht wird.</translation>
        </message>
        <message>
            <source>the SQLite driver of Qt SQL is not installed</source>
            <translation>der SQLite-Treiber von Qt SQL ist nicht installiert</translation>
        </message>
        <message>
            <source>This download was not archived: %1</source>
            <translation>Dieser Download wurde nicht archiviert: %1</translation>
        </message>
        <message>
            <source>the archive is not open</source>
            <translation>das Archiv ist nicht geöffnet</translation>
        </message>
        <message>
            <source>There is no download %1 in the archive.</source>
            <translation>Im Archiv gibt es keinen Download %1.</translation>
        </message>
        <message>
            <source>%1 is a link to %2, which does not exist; nothing was changed</source>
            <comment>%1 and %2 are paths</comment>
            <translation>%1 ist ein Verweis auf %2, das es nicht gibt; nichts wurde geändert</translation>
        </message>
        <message>
            <source>There is no archive at %1.</source>
            <comment>%1 is a path</comment>
            <translation>Unter %1 gibt es kein Archiv.</translation>
        </message>
        <message>
            <source>%1 was written by a newer version of this program; nothing was changed</source>
            <comment>%1 is a path</comment>
            <translation>%1 wurde von einer neueren Version dieses Programms geschrieben; nichts wurde geändert</translation>
        </message>
        <message>
            <source>%1 is damaged; nothing was changed</source>
            <comment>%1 is the archive's path</comment>
            <translation>%1 ist beschädigt; nichts wurde geändert</translation>
        </message>
        <message>
            <source>%1 is damaged (%2); nothing was changed</source>
            <comment>%1 is the archive's path, %2 SQLite's words</comment>
            <translation>%1 ist beschädigt (%2); nichts wurde geändert</translation>
        </message>
        <message>
            <source>%1 is not an archive of this program; nothing was changed</source>
            <comment>%1 is a path</comment>
            <translation>%1 ist kein Archiv dieses Programms; nichts wurde geändert</translation>
        </message>
    </context>
    <context>
        <name>ArchiveCommand</name>
        <message>
            <source>--list-downloads, --export and --delete go one at a time.</source>
            <translation>--list-downloads, --export und --delete können nur einzeln angegeben werden.</translation>
        </message>
        <message>
            <source>--%1 needs the number of a download as --list-downloads shows it, not '%2'.</source>
            <comment>%1 is an option's name, %2 the value as the user typed it</comment>
            <translation>--%1 braucht die Nummer eines Downloads, wie --list-downloads sie zeigt, nicht '%2'.</translation>
        </message>
        <message>
            <source>--export needs --output.</source>
            <translation>--export braucht --output.</translation>
        </message>
        <message>
            <source>--european and --no-european exclude each other.</source>
            <translation>--european und --no-european schließen sich gegenseitig aus.</translation>
        </message>
        <message>
            <source>--format is text or json, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--format ist text oder json, nicht „%1“.</translation>
        </message>
        <message>
            <source>--archive needs a file.</source>
            <translation>--archive braucht eine Datei.</translation>
        </message>
    </context>
    <context>
        <name>ArchiveCommands</name>
        <message>
            <source>Lists the downloads kept in the archive, newest first.</source>
            <translation>Listet die im Archiv aufbewahrten Downloads auf, die neuesten zuerst.</translation>
        </message>
        <message>
            <source>Saves download ID of the archive as --output, as after a download (--european applies).</source>
            <translation>Speichert den Download ID aus dem Archiv als --output, wie nach einem Download (--european gilt).</translation>
        </message>
        <message>
            <source>ID</source>
            <comment>value name of --export</comment>
            <translation>ID</translation>
        </message>
        <message>
            <source>Deletes download ID from the archive.</source>
            <translation>Löscht den Download ID aus dem Archiv.</translation>
        </message>
        <message>
            <source>ID</source>
            <comment>value name of --delete</comment>
            <translation>ID</translation>
        </message>
        <message>
            <source>The archive to use instead of the program's own (%1).</source>
            <comment>%1 is a file's path</comment>
            <translation>Das Archiv, das statt des eigenen Archivs des Programms verwendet wird (%1).</translation>
        </message>
        <message>
            <source>file</source>
            <comment>value name of --archive</comment>
            <translation>Datei</translation>
        </message>
        <message>
            <source>Does not keep the download in the archive (with --download).</source>
            <translation>Bewahrt den Download nicht im Archiv auf (mit --download).</translation>
        </message>
        <message>
            <source>There is no download %1 in the archive %2.</source>
            <comment>%1 is the number of a download, %2 the archive's path</comment>
            <translation>Im Archiv %2 gibt es keinen Download %1.</translation>
        </message>
        <message>
            <source>Download %1 deleted from the archive.</source>
            <comment>%1 is the number of a download</comment>
            <translation>Download %1 wurde aus dem Archiv gelöscht.</translation>
        </message>
        <message>
            <source>ID</source>
            <translation>ID</translation>
        </message>
        <message>
            <source>Date and time</source>
            <translation>Datum und Uhrzeit</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Schnittstelle</translation>
        </message>
        <message>
            <source>Bytes</source>
            <translation>Bytes</translation>
        </message>
        <message>
            <source>Ended</source>
            <translation>Ende</translation>
        </message>
        <message>
            <source>Saved as</source>
            <translation>Gespeichert als</translation>
        </message>
        <message>
            <source>not saved</source>
            <translation>nicht gespeichert</translation>
        </message>
        <message>
            <source>The archive %1 could not be read: %2</source>
            <comment>%1 is the archive's path, %2 the reason</comment>
            <translation>Das Archiv %1 konnte nicht gelesen werden: %2</translation>
        </message>
        <message>
            <source>The archive could not record this save: %1</source>
            <comment>%1 is the reason</comment>
            <translation>Das Archiv konnte diese Speicherung nicht vermerken: %1</translation>
        </message>
    </context>
    <context>
        <name>Command</name>
        <message>
            <source>The option '%1' does not go with --%2.</source>
            <comment>%1 and %2 are options' names</comment>
            <translation>Die Option '%1' passt nicht zu --%2.</translation>
        </message>
    </context>
    <context>
        <name>CommandLine</name>
        <message>
            <source>Downloads the stored test results of a solar installation tester over a serial port and saves them as .csv or .txt files.</source>
            <translation>Lädt die gespeicherten Prüfergebnisse eines Prüfgeräts für Solaranlagen über eine serielle Schnittstelle herunter und speichert sie als .csv- oder .txt-Datei.</translation>
        </message>
        <message>
            <source>Without options it opens the program's window.</source>
            <translation>Ohne Optionen öffnet es das Programmfenster.</translation>
        </message>
        <message>
            <source>Shows this help and exits.</source>
            <translation>Zeigt diese Hilfe an und beendet sich.</translation>
        </message>
        <message>
            <source>Shows the program's name and version and exits.</source>
            <translation>Zeigt Namen und Version des Programms an und beendet sich.</translation>
        </message>
        <message>
            <source>Unexpected argument '%1'.</source>
            <comment>%1 is the argument as the user typed it</comment>
            <translation>Unerwartetes Argument „%1“.</translation>
        </message>
        <message>
            <source>User guide: %1</source>
            <comment>%1 is the path of the help page</comment>
            <translation>Benutzerhandbuch: %1</translation>
        </message>
        <message>
            <source>the results are saved</source>
            <translation>die Ergebnisse sind gespeichert</translation>
        </message>
        <message>
            <source>the port could not be opened</source>
            <translation>die Schnittstelle konnte nicht geöffnet werden</translation>
        </message>
        <message>
            <source>the line was lost before any data came</source>
            <translation>die Verbindung ging verloren, bevor Daten ankamen</translation>
        </message>
        <message>
            <source>interrupted with Ctrl+C (SIGINT)</source>
            <translation>mit Strg+C abgebrochen (SIGINT)</translation>
        </message>
        <message>
            <source>stopped with SIGTERM</source>
            <translation>mit SIGTERM beendet</translation>
        </message>
        <message>
            <source>no data came within --start-timeout</source>
            <translation>innerhalb von --start-timeout kamen keine Daten</translation>
        </message>
        <message>
            <source>stopped with SIGHUP (the terminal or SSH session closed); nothing saved</source>
            <translation>mit SIGHUP gestoppt (Terminal oder SSH-Sitzung geschlossen); nichts gespeichert</translation>
        </message>
        <message>
            <source>No display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set). To download without a window: %1 --download --port PORT --output FILE</source>
            <comment>%1 is the program's name; PORT and FILE stand for values the user fills in</comment>
            <translation>Keine Anzeige, auf der sich das Fenster öffnen ließe (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt). Download ohne Fenster: %1 --download --port SCHNITTSTELLE --output DATEI</translation>
        </message>
        <message>
            <source>saved (or read), but the data may be incomplete: the line was lost before it fell silent, or the last record is cut or records are missing</source>
            <translation>gespeichert (oder gelesen), aber die Daten sind möglicherweise unvollständig: Die Verbindung ging verloren, bevor die Leitung still wurde, oder der letzte Datensatz ist abgeschnitten oder Datensätze fehlen</translation>
        </message>
        <message>
            <source>Exit status of --download, --summary and --report:</source>
            <translation>Exit-Status von --download, --summary und --report:</translation>
        </message>
        <message>
            <source>the command line is wrong, or a file, the design file or the archive could not be read</source>
            <translation>die Kommandozeile ist falsch, oder eine Datei, die Auslegungsdatei oder das Archiv konnte nicht gelesen werden</translation>
        </message>
        <message>
            <source>the file (or the report) could not be written</source>
            <translation>die Datei (oder der Bericht) konnte nicht geschrieben werden</translation>
        </message>
        <message>
            <source>no such download in the archive (--export, --delete, --report)</source>
            <translation>kein solcher Download im Archiv (--export, --delete, --report)</translation>
        </message>
        <message>
            <source>the team archive cannot be reached or refuses (the downloads stay waiting)</source>
            <translation>das Team-Archiv ist nicht erreichbar oder lehnt ab (die Downloads warten weiter)</translation>
        </message>
        <message>
            <source>the archive is missing, refused (a file named with --archive that is not an archive of this program) or cannot be read</source>
            <translation>das Archiv fehlt, wurde abgelehnt (eine mit --archive genannte Datei, die kein Archiv dieses Programms ist) oder kann nicht gelesen werden</translation>
        </message>
    </context>
    <context>
        <name>CommissioningReport</name>
        <message>
            <source>Module count</source>
            <translation>Modulanzahl</translation>
        </message>
        <message>
            <source>Voc against its neighbours</source>
            <translation>Voc gegenüber den Nachbarsträngen</translation>
        </message>
        <message>
            <source>Isc at STC</source>
            <translation>Isc bei STC</translation>
        </message>
        <message>
            <source>Insulation</source>
            <translation>Isolation</translation>
        </message>
        <message>
            <source>Continuity</source>
            <translation>Durchgängigkeit</translation>
        </message>
        <message>
            <source>Commissioning test report</source>
            <translation>Inbetriebnahmeprüfbericht</translation>
        </message>
        <message>
            <source>line %1</source>
            <translation>Zeile %1</translation>
        </message>
        <message>
            <source>(no site named)</source>
            <translation>(keine Anlage angegeben)</translation>
        </message>
        <message>
            <source>%1 to %2</source>
            <translation>%1 bis %2</translation>
        </message>
        <message>
            <source>Site</source>
            <translation>Anlage</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>Adresse</translation>
        </message>
        <message>
            <source>Client</source>
            <translation>Auftraggeber</translation>
        </message>
        <message>
            <source>Date of the tests</source>
            <translation>Datum der Prüfungen</translation>
        </message>
        <message>
            <source>Inspector</source>
            <translation>Prüfer</translation>
        </message>
        <message>
            <source>Instrument</source>
            <translation>Messgerät</translation>
        </message>
        <message>
            <source>%1, serial number %2, calibrated on %3</source>
            <translation>%1, Seriennummer %2, kalibriert am %3</translation>
        </message>
        <message>
            <source>Summary</source>
            <translation>Zusammenfassung</translation>
        </message>
        <message>
            <source>Nothing to report: the data holds no records.</source>
            <translation>Nichts zu berichten: Die Daten enthalten keine Datensätze.</translation>
        </message>
        <message>
            <source>Nothing to report: the data holds no records of the site "%1".</source>
            <translation>Nichts zu berichten: Die Daten enthalten keine Datensätze der Anlage „%1“.</translation>
        </message>
        <message>
            <source>%1 records: %2 PASS and %3 FAIL by the tester</source>
            <translation>%1 Datensätze: %2 PASS und %3 FAIL laut Prüfgerät</translation>
        </message>
        <message>
            <source>%1 strings checked against the design: %2 FAIL by the design checks</source>
            <translation>%1 Stränge gegen die Auslegung geprüft: %2 FAIL laut Auslegungsprüfungen</translation>
        </message>
        <message>
            <source>The design has no arrays: no string was checked against it.</source>
            <translation>Die Auslegung hat keine Generatorfelder: Kein Strang wurde gegen sie geprüft.</translation>
        </message>
        <message>
            <source>%1: %2</source>
            <translation>%1: %2</translation>
        </message>
        <message>
            <source>FAIL by the tester's own limits</source>
            <translation>FAIL nach den eigenen Grenzwerten des Prüfgeräts</translation>
        </message>
        <message>
            <source>Failures</source>
            <translation>Nicht bestanden</translation>
        </message>
        <message>
            <source>String</source>
            <translation>Strang</translation>
        </message>
        <message>
            <source>Tester</source>
            <translation>Prüfgerät</translation>
        </message>
        <message>
            <source>Design checks: why</source>
            <translation>Auslegungsprüfungen: Grund</translation>
        </message>
        <message>
            <source>Voc (V)</source>
            <translation>Voc (V)</translation>
        </message>
        <message>
            <source>Voc expected (V)</source>
            <translation>Voc erwartet (V)</translation>
        </message>
        <message>
            <source>Isc (A)</source>
            <translation>Isc (A)</translation>
        </message>
        <message>
            <source>Isc at STC (A)</source>
            <translation>Isc bei STC (A)</translation>
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
            <translation>Durchgängigkeit (Ω)</translation>
        </message>
        <message>
            <source>Design checks</source>
            <translation>Auslegungsprüfungen</translation>
        </message>
        <message>
            <source>Array "%1": %2 modules of %3 in series, matched by "%4"</source>
            <translation>Generatorfeld „%1“: %2 Module vom Typ %3 in Reihe, Stränge zugeordnet über „%4“</translation>
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
            <translation>nicht geprüft</translation>
        </message>
        <message>
            <source>Array "%1" (continued)</source>
            <translation>Generatorfeld „%1“ (Fortsetzung)</translation>
        </message>
        <message>
            <source>Strings not checked against the design</source>
            <translation>Nicht gegen die Auslegung geprüfte Stränge</translation>
        </message>
        <message>
            <source>Reason</source>
            <translation>Grund</translation>
        </message>
        <message>
            <source>Pass criteria</source>
            <translation>Bewertungskriterien</translation>
        </message>
        <message>
            <source>The tester judges each record by its own limits. The design checks judge each string against the design of its array:</source>
            <translation>Das Prüfgerät bewertet jeden Datensatz nach seinen eigenen Grenzwerten. Die Auslegungsprüfungen bewerten jeden Strang anhand der Auslegung seines Generatorfelds:</translation>
        </message>
        <message>
            <source>Module count: round(Voc ÷ (Voc_STC × (1 + β × (T − 25 °C)))) equals the modules in series.</source>
            <translation>Modulanzahl: gerundet(Voc ÷ (Voc_STC × (1 + β × (T − 25 °C)))) ist gleich der Anzahl der Module in Reihe.</translation>
        </message>
        <message>
            <source>Voc against its neighbours: Voc brought to 25 °C with β is within %1 % of the median of the same array's strings.</source>
            <translation>Voc gegenüber den Nachbarsträngen: Voc, mit β auf 25 °C umgerechnet, liegt innerhalb von %1 % um den Median der Stränge desselben Generatorfelds.</translation>
        </message>
        <message>
            <source>Isc at STC: Isc × 1000 ÷ G ÷ (1 + α × (T − 25 °C)) is within %1 % of Isc_STC; not checked below %2 W/m².</source>
            <translation>Isc bei STC: Isc × 1000 ÷ G ÷ (1 + α × (T − 25 °C)) liegt innerhalb von %1 % um Isc_STC; unter %2 W/m² nicht geprüft.</translation>
        </message>
        <message>
            <source>Insulation: Riso at least the array's minimum.</source>
            <translation>Isolation: Riso mindestens gleich dem Mindestwert des Generatorfelds.</translation>
        </message>
        <message>
            <source>Continuity: at most the array's maximum, when the design sets one.</source>
            <translation>Durchgängigkeit: höchstens der Höchstwert des Generatorfelds, sofern die Auslegung einen festlegt.</translation>
        </message>
        <message>
            <source>Array</source>
            <translation>Generatorfeld</translation>
        </message>
        <message>
            <source>Strings matched by</source>
            <translation>Stränge zugeordnet über</translation>
        </message>
        <message>
            <source>Module</source>
            <translation>Modul</translation>
        </message>
        <message>
            <source>Modules in series</source>
            <translation>Module in Reihe</translation>
        </message>
        <message>
            <source>Module Voc at STC</source>
            <translation>Modul-Voc bei STC</translation>
        </message>
        <message>
            <source>%1 V</source>
            <translation>%1 V</translation>
        </message>
        <message>
            <source>Module Isc at STC</source>
            <translation>Modul-Isc bei STC</translation>
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
            <translation>Systemspannung (N × Voc_STC × 1,25)</translation>
        </message>
        <message>
            <source>Insulation test voltage</source>
            <translation>Isolationsprüfspannung</translation>
        </message>
        <message>
            <source>%1 (by the system voltage)</source>
            <translation>%1 (nach der Systemspannung)</translation>
        </message>
        <message>
            <source>Insulation minimum</source>
            <translation>Mindestwert Isolation</translation>
        </message>
        <message>
            <source>%1 MΩ</source>
            <translation>%1 MΩ</translation>
        </message>
        <message>
            <source>Continuity maximum</source>
            <translation>Höchstwert Durchgängigkeit</translation>
        </message>
        <message>
            <source>%1 Ω</source>
            <translation>%1 Ω</translation>
        </message>
        <message>
            <source>Signatures</source>
            <translation>Unterschriften</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Datum</translation>
        </message>
        <message>
            <source>Signature</source>
            <translation>Unterschrift</translation>
        </message>
        <message>
            <source>Trace of the data</source>
            <translation>Herkunft der Daten</translation>
        </message>
        <message>
            <source>download %1 in the archive</source>
            <translation>Download %1 im Archiv</translation>
        </message>
        <message>
            <source>file %1</source>
            <translation>Datei %1</translation>
        </message>
        <message>
            <source>%1, %2</source>
            <translation>%1, %2</translation>
        </message>
        <message>
            <source>Source</source>
            <translation>Quelle</translation>
        </message>
        <message>
            <source>Downloaded</source>
            <translation>Heruntergeladen am</translation>
        </message>
        <message>
            <source>Bytes as received</source>
            <translation>Empfangene Bytes</translation>
        </message>
        <message>
            <source>SHA-256 of the bytes</source>
            <translation>SHA-256 der Bytes</translation>
        </message>
        <message>
            <source>Page %1 of %2</source>
            <translation>Seite %1 von %2</translation>
        </message>
        <message>
            <source>The report could not be written to %1: %2</source>
            <translation>Der Bericht konnte nicht in %1 geschrieben werden: %2</translation>
        </message>
        <message>
            <source>the PDF could not be drawn</source>
            <translation>das PDF konnte nicht erstellt werden</translation>
        </message>
        <message>
            <source>%1 records: %2 PASS, %3 FAIL and %4 other by the tester</source>
            <comment>%4 the records whose result is neither PASS nor FAIL</comment>
            <translation>%1 Datensätze: %2 PASS, %3 FAIL und %4 andere laut Prüfgerät</translation>
        </message>
        <message>
            <source>Arrays without strings in the data (%1): %2</source>
            <comment>%1 how many, %2 their names</comment>
            <translation>Generatorfelder ohne Stränge in den Daten (%1): %2</translation>
        </message>
    </context>
    <context>
        <name>DesignChecks</name>
        <message>
            <source>site</source>
            <translation>Anlage</translation>
        </message>
        <message>
            <source>string name</source>
            <translation>Strangname</translation>
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
            <translation>Einstrahlung</translation>
        </message>
        <message>
            <source>module temperature</source>
            <translation>Modultemperatur</translation>
        </message>
        <message>
            <source>insulation resistance</source>
            <translation>Isolationswiderstand</translation>
        </message>
        <message>
            <source>continuity</source>
            <translation>Durchgängigkeit</translation>
        </message>
        <message>
            <source>The site "%1" is not the design's site "%2".</source>
            <translation>Die Anlage „%1“ ist nicht die Anlage der Auslegung „%2“.</translation>
        </message>
        <message>
            <source>The row has no string name.</source>
            <translation>Die Zeile hat keinen Strangnamen.</translation>
        </message>
        <message>
            <source>No array of the design matches the string "%1".</source>
            <translation>Kein Generatorfeld der Auslegung passt zum Strang „%1“.</translation>
        </message>
        <message>
            <source>The data has no column "%1".</source>
            <translation>Die Daten haben keine Spalte „%1“.</translation>
        </message>
        <message>
            <source>The data has no column of %1.</source>
            <translation>Die Daten haben keine Spalte für %1.</translation>
        </message>
        <message>
            <source>The row has no value of %1.</source>
            <translation>Die Zeile hat keinen Wert für %1.</translation>
        </message>
        <message>
            <source>A module temperature of %1 °C is out of range.</source>
            <translation>Eine Modultemperatur von %1 °C liegt außerhalb des zulässigen Bereichs.</translation>
        </message>
        <message>
            <source>%1 modules measured, %2 designed</source>
            <translation>%1 Module gemessen, %2 ausgelegt</translation>
        </message>
        <message>
            <source>%1 strings of this array to compare, at least %2 needed</source>
            <translation>%1 Stränge dieses Generatorfelds zum Vergleich, mindestens %2 nötig</translation>
        </message>
        <message>
            <source>Voc at 25 °C %1 % from the array's median of %2 V (at most %3 %)</source>
            <translation>Voc bei 25 °C %1 % vom Median des Generatorfelds von %2 V entfernt (höchstens %3 %)</translation>
        </message>
        <message>
            <source>Irradiance of %1 W/m² below the %2 W/m² the check needs</source>
            <translation>Einstrahlung von %1 W/m² unter den %2 W/m², die die Prüfung braucht</translation>
        </message>
        <message>
            <source>Isc at STC %1 A, %2 % from the designed %3 A (at most %4 %)</source>
            <translation>Isc bei STC %1 A, %2 % von den ausgelegten %3 A entfernt (höchstens %4 %)</translation>
        </message>
        <message>
            <source>%1 MΩ, at least %2 MΩ designed</source>
            <translation>%1 MΩ, mindestens %2 MΩ ausgelegt</translation>
        </message>
        <message>
            <source>The design sets no maximum for continuity.</source>
            <translation>Die Auslegung legt kein Maximum für die Durchgängigkeit fest.</translation>
        </message>
        <message>
            <source>%1 Ω, at most %2 Ω designed</source>
            <translation>%1 Ω, höchstens %2 Ω ausgelegt</translation>
        </message>
        <message>
            <source>%1 FAIL by the tester · %2 more by the design checks</source>
            <comment>%1 rows the tester failed, %2 further rows only the design checks failed</comment>
            <translation>%1 FAIL laut Prüfgerät · %2 weitere laut Auslegungsprüfungen</translation>
        </message>
        <message>
            <source>%1 PASS · %2 FAIL · %3 other by the tester · %4 more by the design checks</source>
            <comment>%1, %2 rows the tester passed and failed, %3 rows with neither, %4 further rows only the design checks failed</comment>
            <translation>%1 PASS · %2 FAIL · %3 andere laut Prüfgerät · %4 weitere laut Auslegungsprüfungen</translation>
        </message>
    </context>
    <context>
        <name>DesignChecksColumn</name>
        <message>
            <source>Module count</source>
            <translation>Modulanzahl</translation>
        </message>
        <message>
            <source>Voc against its neighbours</source>
            <translation>Voc gegenüber den Nachbarsträngen</translation>
        </message>
        <message>
            <source>Isc at STC</source>
            <translation>Isc bei STC</translation>
        </message>
        <message>
            <source>Insulation</source>
            <translation>Isolation</translation>
        </message>
        <message>
            <source>Continuity</source>
            <translation>Durchgängigkeit</translation>
        </message>
        <message>
            <source>not checked</source>
            <translation>nicht geprüft</translation>
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
            <translation>Auslegungsprüfungen</translation>
        </message>
        <message>
            <source>The design checks' verdict; the reasons in each cell's tooltip.</source>
            <translation>Das Urteil der Auslegungsprüfungen; die Gründe im Tooltip jeder Zelle.</translation>
        </message>
    </context>
    <context>
        <name>DesignFile</name>
        <message>
            <source>The design file has no member "%1".</source>
            <translation>Der Auslegungsdatei fehlt der Eintrag „%1“.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be text.</source>
            <translation>Der Eintrag „%1“ der Auslegungsdatei muss ein Text sein.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a number.</source>
            <translation>Der Eintrag „%1“ der Auslegungsdatei muss eine Zahl sein.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must not be negative.</source>
            <translation>Der Eintrag „%1“ der Auslegungsdatei darf nicht negativ sein.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be greater than zero.</source>
            <translation>Der Eintrag „%1“ der Auslegungsdatei muss größer als null sein.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be from -10 to 10 %/°C.</source>
            <translation>Der Eintrag „%1“ der Auslegungsdatei muss zwischen -10 und 10 %/°C liegen.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be an object.</source>
            <translation>Der Eintrag „%1“ der Auslegungsdatei muss ein Objekt sein.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a whole number from 1 to 10000.</source>
            <translation>Der Eintrag „%1“ der Auslegungsdatei muss eine ganze Zahl von 1 bis 10000 sein.</translation>
        </message>
        <message>
            <source>The design file is not valid JSON: %1 on line %2.</source>
            <translation>Die Auslegungsdatei ist kein gültiges JSON: %1 in Zeile %2.</translation>
        </message>
        <message>
            <source>The design file does not hold a JSON object.</source>
            <translation>Die Auslegungsdatei enthält kein JSON-Objekt.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a date written as YYYY-MM-DD.</source>
            <translation>Der Eintrag „%1“ der Auslegungsdatei muss ein Datum in der Form JJJJ-MM-TT sein.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a list.</source>
            <translation>Der Eintrag „%1“ der Auslegungsdatei muss eine Liste sein.</translation>
        </message>
        <message>
            <source>The list "arrays" of the design file is empty: a design needs at least one array.</source>
            <translation>Die Liste „arrays“ der Auslegungsdatei ist leer: Eine Auslegung braucht mindestens ein Generatorfeld.</translation>
        </message>
    </context>
    <context>
        <name>DialogLanguage</name>
        <message>
            <source>Please choose a language</source>
            <translation>Bitte wählen Sie eine Sprache</translation>
        </message>
    </context>
    <context>
        <name>DownloadCommand</name>
        <message>
            <source>--design goes with --summary or --report.</source>
            <translation>--design gehört zu --summary oder --report.</translation>
        </message>
        <message>
            <source>--format goes with --list-ports, --list-downloads or --summary.</source>
            <translation>--format gehört zu --list-ports, --list-downloads oder --summary.</translation>
        </message>
        <message>
            <source>The option '%1' needs --download.</source>
            <comment>%1 is an option's name</comment>
            <translation>Die Option „%1“ benötigt --download.</translation>
        </message>
        <message>
            <source>--download needs --port.</source>
            <translation>--download benötigt --port.</translation>
        </message>
        <message>
            <source>--download needs --output.</source>
            <translation>--download benötigt --output.</translation>
        </message>
        <message>
            <source>--european and --no-european exclude each other.</source>
            <translation>--european und --no-european schließen sich gegenseitig aus.</translation>
        </message>
        <message>
            <source>--read-timeout needs a whole number of milliseconds from %1 to %2, not '%3'.</source>
            <comment>%1 and %2 are the limits, %3 the value as the user typed it</comment>
            <translation>--read-timeout benötigt eine ganze Zahl von Millisekunden von %1 bis %2, nicht „%3“.</translation>
        </message>
        <message>
            <source>--start-timeout needs a whole number of seconds from 1 to %1, not '%2'.</source>
            <comment>%1 is the limit, %2 the value as the user typed it</comment>
            <translation>--start-timeout benötigt eine ganze Zahl von Sekunden von 1 bis %1, nicht „%2“.</translation>
        </message>
        <message>
            <source>Downloads the tester's results without a window, as the Download button does, and saves them as --output. Needs --port and --output.</source>
            <translation>Lädt die Ergebnisse des Prüfgeräts ohne Fenster herunter, wie die Schaltfläche „Herunterladen“, und speichert sie als --output. Benötigt --port und --output.</translation>
        </message>
        <message>
            <source>The tester's port: a name as the port list shows it (ttyUSB0, COM3) or a device path.</source>
            <translation>Die Schnittstelle des Prüfgeräts: ein Name wie in der Schnittstellenliste (ttyUSB0, COM3) oder ein Gerätepfad.</translation>
        </message>
        <message>
            <source>port</source>
            <comment>value name of --port</comment>
            <translation>Schnittstelle</translation>
        </message>
        <message>
            <source>The file to save the results as, replaced if it exists; - for the standard output.</source>
            <translation>Die Datei, in der die Ergebnisse gespeichert werden; eine vorhandene wird ersetzt; - für die Standardausgabe.</translation>
        </message>
        <message>
            <source>file</source>
            <comment>value name of --output</comment>
            <translation>Datei</translation>
        </message>
        <message>
            <source>Milliseconds of silence that end the download (%1 to %2, default %3).</source>
            <comment>%1 and %2 are the limits, %3 the default</comment>
            <translation>Millisekunden Stille, die das Herunterladen beenden (%1 bis %2, Vorgabe %3).</translation>
        </message>
        <message>
            <source>ms</source>
            <comment>value name of --read-timeout</comment>
            <translation>ms</translation>
        </message>
        <message>
            <source>Saves a .csv file in the European format: semicolons between fields and decimal commas.</source>
            <translation>Speichert eine .csv-Datei im europäischen Format: Semikolons zwischen den Feldern und Dezimalkommas.</translation>
        </message>
        <message>
            <source>Saves the results as received (also without either option).</source>
            <translation>Speichert die Ergebnisse so, wie sie empfangen wurden (auch ohne eine der beiden Optionen).</translation>
        </message>
        <message>
            <source>Gives up when no data has come this many seconds after the tester was asked for it (1 to %1; without it the download waits until it is stopped).</source>
            <comment>%1 is the largest number of seconds</comment>
            <translation>Gibt auf, wenn so viele Sekunden nach der Anfrage an das Prüfgerät keine Daten gekommen sind (1 bis %1; ohne die Option wartet der Download, bis er gestoppt wird).</translation>
        </message>
        <message>
            <source>seconds</source>
            <comment>value name of --start-timeout</comment>
            <translation>Sekunden</translation>
        </message>
        <message>
            <source>Shows no progress, only what went wrong.</source>
            <translation>Zeigt keinen Fortschritt, nur, was schiefgegangen ist.</translation>
        </message>
        <message>
            <source>Also shows the serial port's diagnostics on the error stream.</source>
            <translation>Zeigt auch die Diagnosemeldungen der seriellen Schnittstelle im Fehlerkanal.</translation>
        </message>
    </context>
    <context>
        <name>DownloadEndingText</name>
        <message>
            <source>Finished</source>
            <comment>a download that ended when the tester fell silent</comment>
            <translation>Abgeschlossen</translation>
        </message>
        <message>
            <source>Line lost</source>
            <comment>a download that ended when the connection was lost</comment>
            <translation>Verbindung verloren</translation>
        </message>
        <message>
            <source>Cancelled</source>
            <comment>a download stopped by the user</comment>
            <translation>Abgebrochen</translation>
        </message>
        <message>
            <source>Interrupted</source>
            <comment>a download stopped when the program was closed or stopped</comment>
            <translation>Unterbrochen</translation>
        </message>
    </context>
    <context>
        <name>HeadlessArchiving</name>
        <message>
            <source>What came is kept in the archive as download %1.</source>
            <comment>%1 is the number of the download</comment>
            <translation>Was angekommen ist, bleibt im Archiv als Download %1 erhalten.</translation>
        </message>
        <message>
            <source>The data is kept in the archive as download %1. To write it:</source>
            <comment>%1 is the number of the download; the command follows on the next line</comment>
            <translation>Die Daten sind im Archiv als Download %1 aufbewahrt. So schreiben Sie sie:</translation>
        </message>
        <message>
            <source>The archive could not record this save: %1</source>
            <comment>%1 is the reason</comment>
            <translation>Das Archiv konnte diese Speicherung nicht vermerken: %1</translation>
        </message>
    </context>
    <context>
        <name>HeadlessDownload</name>
        <message>
            <source>Bytes received: %1 (%2 bytes/s)</source>
            <comment>%1 is the number of bytes received so far, %2 the rate</comment>
            <translation>Empfangene Bytes: %1 (%2 Bytes/s)</translation>
        </message>
        <message>
            <source>The line sends only NUL bytes. Check the cable and the tester.</source>
            <translation>Die Leitung sendet nur NUL-Bytes. Prüfen Sie das Kabel und das Prüfgerät.</translation>
        </message>
        <message>
            <source>Now initiate the download on the tester</source>
            <translation>Starten Sie jetzt das Herunterladen am Prüfgerät</translation>
        </message>
        <message>
            <source>No such device. Check that the adapter is plugged in.</source>
            <translation>Gerät nicht gefunden. Prüfen Sie, ob der Adapter eingesteckt ist.</translation>
        </message>
        <message>
            <source>The ports of this system: %1 --list-ports</source>
            <comment>%1 is the program's name</comment>
            <translation>Die Schnittstellen dieses Systems: %1 --list-ports</translation>
        </message>
        <message>
            <source>Interrupted: nothing was saved</source>
            <translation>Unterbrochen: nichts wurde gespeichert</translation>
        </message>
        <message>
            <source>No data came within %1 s of asking the tester. Check that the tester is connected to this port and switched on, and start the transfer on the tester.</source>
            <comment>%1 is a number of seconds</comment>
            <translation>Innerhalb von %1 s nach der Anfrage kamen keine Daten. Prüfen Sie, ob das Prüfgerät an dieser Schnittstelle angeschlossen und eingeschaltet ist, und starten Sie das Herunterladen am Prüfgerät.</translation>
        </message>
        <message>
            <source>Bytes written to the standard output: %1</source>
            <comment>%1 is a number of bytes</comment>
            <translation>In die Standardausgabe geschriebene Bytes: %1</translation>
        </message>
        <message>
            <source>%1: %2 (%3 bytes)</source>
            <comment>%1 is "File successfully saved", %2 the file's path, %3 the number of bytes</comment>
            <translation>%1: %2 (%3 Bytes)</translation>
        </message>
        <message>
            <source>Port %1: %2</source>
            <comment>%1 is the port, %2 what happened</comment>
            <translation>Schnittstelle %1: %2</translation>
        </message>
    </context>
    <context>
        <name>HistoryModel</name>
        <message>
            <source>Saved %1 times</source>
            <comment>%1 is a number of saves, always more than one</comment>
            <translation>%1-mal gespeichert</translation>
        </message>
        <message>
            <source>not saved</source>
            <translation>nicht gespeichert</translation>
        </message>
        <message>
            <source>Date and time</source>
            <translation>Datum und Uhrzeit</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Schnittstelle</translation>
        </message>
        <message>
            <source>Bytes</source>
            <translation>Bytes</translation>
        </message>
        <message>
            <source>Lines</source>
            <translation>Zeilen</translation>
        </message>
        <message>
            <source>Ended</source>
            <translation>Ende</translation>
        </message>
        <message>
            <source>Saved as</source>
            <translation>Gespeichert als</translation>
        </message>
        <message>
            <source>Records</source>
            <translation>Datensätze</translation>
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
            <translation>Gesendet</translation>
        </message>
        <message>
            <source>Refused: %1</source>
            <comment>%1 is the reason</comment>
            <translation>Abgelehnt: %1</translation>
        </message>
        <message>
            <source>Waiting</source>
            <comment>to be sent to the team archive</comment>
            <translation>Wartet</translation>
        </message>
        <message>
            <source>Team archive</source>
            <translation>Team-Archiv</translation>
        </message>
    </context>
    <context>
        <name>HistoryWindow</name>
        <message>
            <source>History</source>
            <translation>Verlauf</translation>
        </message>
        <message>
            <source>Every download you receive will appear here, also the ones you do not save.</source>
            <translation>Hier erscheint jeder Download, den Sie empfangen, auch wenn Sie ihn nicht speichern.</translation>
        </message>
        <message>
            <source>&amp;Save As...</source>
            <translation>&amp;Speichern unter...</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>Ö&amp;ffnen</translation>
        </message>
        <message>
            <source>Opens the file this download was last saved as</source>
            <translation>Öffnet die Datei, als die dieser Download zuletzt gespeichert wurde</translation>
        </message>
        <message>
            <source>&amp;Results...</source>
            <translation>&amp;Ergebnisse...</translation>
        </message>
        <message>
            <source>Shows this download as a table of results</source>
            <translation>Zeigt diesen Download als Ergebnistabelle</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Löschen</translation>
        </message>
        <message>
            <source>Delete the download of %1 from the archive?</source>
            <comment>%1 is the date and time of the download</comment>
            <translation>Den Download vom %1 aus dem Archiv löschen?</translation>
        </message>
        <message>
            <source>The files it was saved as stay where they are.</source>
            <translation>Die Dateien, als die er gespeichert wurde, bleiben erhalten.</translation>
        </message>
        <message>
            <source>This computer</source>
            <comment>the History's view of the local archive</comment>
            <translation>Dieser Computer</translation>
        </message>
        <message>
            <source>Team</source>
            <comment>the History's view of the team archive</comment>
            <translation>Team</translation>
        </message>
        <message>
            <source>Reading the team archive %1...</source>
            <comment>%1 is user@server:port/database</comment>
            <translation>Das Team-Archiv %1 wird gelesen...</translation>
        </message>
        <message>
            <source>The team archive holds no downloads yet.</source>
            <translation>Das Team-Archiv enthält noch keine Downloads.</translation>
        </message>
        <message>
            <source>Opens a copy of this download from the team archive</source>
            <translation>Öffnet eine Kopie dieses Downloads aus dem Team-Archiv</translation>
        </message>
        <message>
            <source>Reading download %1 from the team archive...</source>
            <translation>Download %1 wird aus dem Team-Archiv gelesen...</translation>
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
            <translation>Die im Archiv für „%1“ aufbewahrte Auslegung ist nicht verwendbar: %2</translation>
        </message>
    </context>
    <context>
        <name>ListPortsCommand</name>
        <message>
            <source>--list-ports and --download exclude each other.</source>
            <translation>--list-ports und --download schließen einander aus.</translation>
        </message>
        <message>
            <source>--format is text or json, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--format ist text oder json, nicht „%1“.</translation>
        </message>
        <message>
            <source>The system reports no serial port. Plug in the tester's adapter and try again.</source>
            <translation>Das System meldet keine serielle Schnittstelle. Stecken Sie den Adapter des Prüfgeräts ein und versuchen Sie es erneut.</translation>
        </message>
        <message>
            <source>Lists the serial ports: name, device path, USB vendor:product, serial number and description, one port a line, and exits.</source>
            <translation>Listet die seriellen Schnittstellen auf – Name, Gerätepfad, USB-Hersteller:Produkt, Seriennummer und Beschreibung, eine Schnittstelle pro Zeile – und beendet sich.</translation>
        </message>
        <message>
            <source>With --list-ports, --list-downloads or --summary: text (the default) or json.</source>
            <translation>Mit --list-ports, --list-downloads oder --summary: text (Standard) oder json.</translation>
        </message>
        <message>
            <source>format</source>
            <comment>value name of --format</comment>
            <translation>Format</translation>
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
            <translation>Beenden</translation>
        </message>
        <message>
            <source>Quits the application</source>
            <translation>Beendet die Anwendung</translation>
        </message>
        <message>
            <source>Refresh Ports</source>
            <translation>Schnittstellen aktualisieren</translation>
        </message>
        <message>
            <source>Refreshes the list of COM ports</source>
            <translation>Aktualisiert die Liste der COM-Schnittstellen</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Info</translation>
        </message>
        <message>
            <source>Shows version information about Solar DataLogger</source>
            <translation>Zeigt Versionsinformationen zu Solar DataLogger an</translation>
        </message>
        <message>
            <source>Change Language...</source>
            <translation>Sprache ändern...</translation>
        </message>
        <message>
            <source>Change the language used in this application</source>
            <translation>Ändert die Sprache dieser Anwendung</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Hilfe</translation>
        </message>
        <message>
            <source>Shows documentation</source>
            <translation>Zeigt die Dokumentation an</translation>
        </message>
        <message>
            <source>Convert CSV Data</source>
            <translation>CSV-Daten konvertieren</translation>
        </message>
        <message>
            <source>Device Connection</source>
            <translation>Geräteverbindung</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Download</source>
            <translation>Herunterladen</translation>
        </message>
        <message>
            <source>Downloaded Output</source>
            <translation>Heruntergeladene Daten</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Öffnen</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Speichern</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Datei</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Extras</translation>
        </message>
        <message>
            <source>Country Settings</source>
            <translation>Ländereinstellungen</translation>
        </message>
        <message>
            <source>Please select a port and connect your device</source>
            <translation>Bitte wählen Sie eine Schnittstelle und schließen Sie Ihr Gerät an</translation>
        </message>
        <message>
            <source>The language will be changed next time Marlune DataLogger is started.</source>
            <translation>Die Sprache wird beim nächsten Start von Marlune DataLogger geändert.</translation>
        </message>
        <message>
            <source>Would you like to restart now?</source>
            <translation>Möchten Sie jetzt neu starten?</translation>
        </message>
        <message>
            <source>Now initiate the download on the tester</source>
            <translation>Starten Sie jetzt das Herunterladen am Prüfgerät</translation>
        </message>
        <message>
            <source>Comma Separated Value files (*.csv)</source>
            <translation>CSV-Dateien (*.csv)</translation>
        </message>
        <message>
            <source>Text files (*.txt)</source>
            <translation>Textdateien (*.txt)</translation>
        </message>
        <message>
            <source>All files (*.*)</source>
            <translation>Alle Dateien (*.*)</translation>
        </message>
        <message>
            <source>Save downloaded data to file</source>
            <translation>Heruntergeladene Daten in Datei speichern</translation>
        </message>
        <message>
            <source>Would you like to convert the data to European format?</source>
            <translation>Möchten Sie die Daten in das europäische Format konvertieren?</translation>
        </message>
        <message>
            <source>Decimal points will be replaced by commas and the commas separating fields will be replaced by semi-colons.</source>
            <translation>Dezimalpunkte werden durch Dezimalkommas ersetzt, und die Kommas zwischen den Feldern werden durch Semikolons ersetzt.</translation>
        </message>
        <message>
            <source>About Marlune DataLogger</source>
            <comment>Title of the About box</comment>
            <translation>Über Marlune DataLogger</translation>
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
            <translation>Empfangene Bytes: %1</translation>
        </message>
        <message>
            <source>The line sends only NUL bytes. Check the cable and the tester.</source>
            <translation>Die Leitung sendet nur NUL-Bytes. Prüfen Sie das Kabel und das Prüfgerät.</translation>
        </message>
        <message>
            <source>The help pages were not found in "%1".</source>
            <comment>The %1 will be replaced with the name of a folder. Please do not remove it in your translation!</comment>
            <translation>Die Hilfeseiten wurden in „%1“ nicht gefunden.</translation>
        </message>
        <message>
            <source>Please reinstall Marlune DataLogger.</source>
            <translation>Bitte installieren Sie Marlune DataLogger neu.</translation>
        </message>
        <message>
            <source>Failed to connect. Please check the device is connected and switched on</source>
            <translation>Verbindung fehlgeschlagen. Bitte prüfen Sie, ob das Gerät angeschlossen und eingeschaltet ist</translation>
        </message>
        <message>
            <source>File successfully saved</source>
            <translation>Datei erfolgreich gespeichert</translation>
        </message>
        <message>
            <source>Error opening "%1" for writing. Is it open already or read only?</source>
            <comment>The %1 will be replaced with the a file name. Please do not remove it in your translation!</comment>
            <translation>Fehler beim Öffnen von „%1“ zum Schreiben. Ist die Datei bereits geöffnet oder schreibgeschützt?</translation>
        </message>
        <message>
            <source>Error saving "%1": %2</source>
            <comment>The %1 will be replaced with a file name and the %2 with the reason. Please do not remove them in your translation!</comment>
            <translation>Fehler beim Speichern von „%1“: %2</translation>
        </message>
        <message>
            <source>View</source>
            <translation>Ansicht</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Ergebnisse</translation>
        </message>
        <message>
            <source>Shows the downloaded data as a table of results with a summary and a chart</source>
            <translation>Zeigt die heruntergeladenen Daten als Ergebnistabelle mit Zusammenfassung und Diagramm</translation>
        </message>
        <message>
            <source>History...</source>
            <translation>Verlauf...</translation>
        </message>
        <message>
            <source>Shows every download kept in the archive</source>
            <translation>Zeigt jeden im Archiv aufbewahrten Download</translation>
        </message>
        <message>
            <source>Team archive...</source>
            <translation>Team-Archiv...</translation>
        </message>
    </context>
    <context>
        <name>PortErrorText</name>
        <message>
            <source>No port is selected. Connect the adapter, then press Refresh Ports.</source>
            <translation>Keine Schnittstelle ausgewählt. Schließen Sie den Adapter an und klicken Sie dann auf „Schnittstellen aktualisieren“.</translation>
        </message>
        <message>
            <source>The port is in use by another program. Close the other program and try again.</source>
            <translation>Die Schnittstelle wird von einem anderen Programm verwendet. Schließen Sie das andere Programm und versuchen Sie es erneut.</translation>
        </message>
        <message>
            <source>Permission denied. Add your user to the group "%1" that owns the port, then log out and log in again.</source>
            <comment>The %1 will be replaced with the name of a user group, such as dialout. Please do not remove it in your translation!</comment>
            <translation>Zugriff verweigert. Die Schnittstelle gehört der Gruppe „%1“. Fügen Sie Ihren Benutzer dieser Gruppe hinzu und melden Sie sich dann ab und wieder an.</translation>
        </message>
        <message>
            <source>Permission denied. Your user account may not use this port.</source>
            <translation>Zugriff verweigert. Ihr Benutzerkonto darf diese Schnittstelle nicht verwenden.</translation>
        </message>
        <message>
            <source>No such device. Check that the adapter is plugged in, then press Refresh Ports.</source>
            <translation>Gerät nicht gefunden. Prüfen Sie, ob der Adapter eingesteckt ist, und klicken Sie dann auf „Schnittstellen aktualisieren“.</translation>
        </message>
        <message>
            <source>The system reported: %1</source>
            <comment>The %1 will be replaced with the error message of the operating system. Please do not remove it in your translation!</comment>
            <translation>Meldung des Systems: %1</translation>
        </message>
        <message>
            <source>The connection to the device was lost before any data arrived.</source>
            <translation>Die Verbindung zum Gerät wurde unterbrochen, bevor Daten empfangen wurden.</translation>
        </message>
        <message>
            <source>The connection to the device was lost. The data received so far is kept.</source>
            <translation>Die Verbindung zum Gerät wurde unterbrochen. Die bisher empfangenen Daten bleiben erhalten.</translation>
        </message>
    </context>
    <context>
        <name>ReportCommand</name>
        <message>
            <source>No design is kept in the archive for the site of these results (%1); give one with --design.</source>
            <comment>%1 lists the sites' names</comment>
            <translation>Für die Anlage dieser Ergebnisse (%1) ist keine Auslegung im Archiv aufbewahrt; geben Sie eine mit --design an.</translation>
        </message>
        <message>
            <source>no Site column</source>
            <translation>keine Spalte Site</translation>
        </message>
        <message>
            <source>The archive "%1" could not be read: %2</source>
            <comment>%1 is the archive's path, %2 the reason</comment>
            <translation>Das Archiv „%1“ konnte nicht gelesen werden: %2</translation>
        </message>
        <message>
            <source>The archive keeps designs for several sites of these results (%1); choose one with --design.</source>
            <comment>%1 lists the sites' names</comment>
            <translation>Das Archiv bewahrt Auslegungen für mehrere Anlagen dieser Ergebnisse auf (%1); wählen Sie eine mit --design.</translation>
        </message>
        <message>
            <source>Writes the commissioning test report as the PDF file --output: the results of download ID of the archive, or of a saved .csv or .txt file, checked against the site's design (--design, else the design the archive keeps for the site).</source>
            <translation>Schreibt den Inbetriebnahmeprüfbericht als PDF-Datei --output: die Ergebnisse des Downloads ID im Archiv oder einer gespeicherten .csv- oder .txt-Datei, geprüft gegen die Auslegung der Anlage (--design, sonst die im Archiv für die Anlage aufbewahrte Auslegung).</translation>
        </message>
        <message>
            <source>ID or file</source>
            <comment>value name of --report</comment>
            <translation>ID oder Datei</translation>
        </message>
        <message>
            <source>--report and --%1 exclude each other.</source>
            <comment>%1 is an option's name</comment>
            <translation>--report und --%1 schließen einander aus.</translation>
        </message>
        <message>
            <source>The option '%1' does not go with --report.</source>
            <comment>%1 is an option's name</comment>
            <translation>Die Option „%1“ passt nicht zu --report.</translation>
        </message>
        <message>
            <source>--report needs a download's id or a saved file.</source>
            <translation>--report braucht die Nummer eines Downloads oder eine gespeicherte Datei.</translation>
        </message>
        <message>
            <source>--report needs --output and the name of the PDF file to write.</source>
            <translation>--report braucht --output mit dem Namen der zu schreibenden PDF-Datei.</translation>
        </message>
        <message>
            <source>--design needs a file.</source>
            <translation>--design braucht eine Datei.</translation>
        </message>
        <message>
            <source>--archive needs a file.</source>
            <translation>--archive braucht eine Datei.</translation>
        </message>
        <message>
            <source>There is no download %1 in the archive "%2".</source>
            <comment>%1 is the download's id, %2 the archive's path</comment>
            <translation>Im Archiv „%2“ gibt es keinen Download %1.</translation>
        </message>
        <message>
            <source>The download %1 could not be read from the archive: %2</source>
            <comment>%1 is the download's id, %2 the reason</comment>
            <translation>Der Download %1 konnte nicht aus dem Archiv gelesen werden: %2</translation>
        </message>
    </context>
    <context>
        <name>ReportPreviewDialog</name>
        <message>
            <source>Report preview</source>
            <translation>Berichtsvorschau</translation>
        </message>
        <message>
            <source>Save PDF…</source>
            <translation>PDF speichern…</translation>
        </message>
        <message>
            <source>Save the report</source>
            <translation>Bericht speichern</translation>
        </message>
        <message>
            <source>commissioning-report.pdf</source>
            <comment>default file name</comment>
            <translation>inbetriebnahmeprüfbericht.pdf</translation>
        </message>
        <message>
            <source>PDF files (*.pdf)</source>
            <translation>PDF-Dateien (*.pdf)</translation>
        </message>
        <message>
            <source>Report not saved</source>
            <translation>Bericht nicht gespeichert</translation>
        </message>
    </context>
    <context>
        <name>ResultsChart</name>
        <message>
            <source>This column holds no numbers to draw.</source>
            <translation>Diese Spalte enthält keine Zahlen zum Darstellen.</translation>
        </message>
        <message>
            <source>Bars: %1</source>
            <translation>Balken: %1</translation>
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
            <translation>%1 weitere Zeilen mit derselben Warnung werden nicht aufgeführt.</translation>
        </message>
        <message>
            <source>The record numbers jump from %1 to %2 on line %3: records may be missing.</source>
            <translation>Die Datensatznummern springen in Zeile %3 von %1 auf %2: Möglicherweise fehlen Datensätze.</translation>
        </message>
        <message>
            <source>The record number %1 on line %2 repeats or goes back (the one before is %3).</source>
            <translation>Die Datensatznummer %1 in Zeile %2 wiederholt sich oder geht zurück (die vorherige ist %3).</translation>
        </message>
        <message>
            <source>The last record is incomplete: the tester may have paused longer than the read time-out. Download again with a longer time-out.</source>
            <translation>Der letzte Datensatz ist unvollständig: Das Prüfgerät hat möglicherweise länger pausiert als der Lese-Timeout. Laden Sie erneut mit einem längeren Timeout herunter.</translation>
        </message>
        <message>
            <source>This download starts in the middle of a record: the previous one may have been cut short.</source>
            <translation>Dieser Download beginnt mitten in einem Datensatz: Der vorherige wurde möglicherweise abgeschnitten.</translation>
        </message>
        <message>
            <source>Line %1 has %2 fields where most rows have %3.</source>
            <translation>Zeile %1 hat %2 Felder, die meisten Zeilen haben %3.</translation>
        </message>
        <message>
            <source>Line %1 has %2 fields where the header has %3.</source>
            <translation>Zeile %1 hat %2 Felder, die Kopfzeile hat %3.</translation>
        </message>
    </context>
    <context>
        <name>ResultsFile</name>
        <message>
            <source>The file "%1" could not be read: %2</source>
            <comment>%1 is a file name, %2 the system's reason</comment>
            <translation>Die Datei „%1“ konnte nicht gelesen werden: %2</translation>
        </message>
        <message>
            <source>The file "%1" is too large to read as results: %2 bytes (at most %3).</source>
            <comment>%1 is a file name, %2 its size, %3 the largest size read</comment>
            <translation>Die Datei „%1“ ist zu groß, um als Ergebnisse gelesen zu werden: %2 Byte (höchstens %3).</translation>
        </message>
    </context>
    <context>
        <name>ResultsFilterModel</name>
        <message>
            <source>The tester failed this record.</source>
            <translation>Laut Prüfgerät nicht bestanden.</translation>
        </message>
    </context>
    <context>
        <name>ResultsSummary</name>
        <message>
            <source>%1 records</source>
            <translation>%1 Datensätze</translation>
        </message>
        <message>
            <source>%1 records · %2 PASS · %3 FAIL</source>
            <translation>%1 Datensätze · %2 PASS · %3 FAIL</translation>
        </message>
        <message>
            <source>%1 · %2 other</source>
            <comment>%1 the records, PASS and FAIL; %2 the records whose result is neither</comment>
            <translation>%1 · %2 andere</translation>
        </message>
    </context>
    <context>
        <name>ResultsWindow</name>
        <message>
            <source>Results</source>
            <translation>Ergebnisse</translation>
        </message>
        <message>
            <source>Table</source>
            <translation>Tabelle</translation>
        </message>
        <message>
            <source>Filter: text in any column</source>
            <translation>Filter: Text in einer beliebigen Spalte</translation>
        </message>
        <message>
            <source>Failed only</source>
            <translation>Nur nicht bestandene</translation>
        </message>
        <message>
            <source>Export CSV...</source>
            <translation>CSV exportieren...</translation>
        </message>
        <message>
            <source>Saves the rows shown as a CSV file</source>
            <translation>Speichert die angezeigten Zeilen als CSV-Datei</translation>
        </message>
        <message>
            <source>Chart</source>
            <translation>Diagramm</translation>
        </message>
        <message>
            <source>Values:</source>
            <translation>Werte:</translation>
        </message>
        <message>
            <source>Labels:</source>
            <translation>Beschriftung:</translation>
        </message>
        <message>
            <source>Groups:</source>
            <translation>Gruppen:</translation>
        </message>
        <message>
            <source>Save Chart...</source>
            <translation>Diagramm speichern...</translation>
        </message>
        <message>
            <source>Saves the chart as a PNG or SVG image</source>
            <translation>Speichert das Diagramm als PNG- oder SVG-Bild</translation>
        </message>
        <message>
            <source>Results: %1</source>
            <comment>%1 is the name of the download or file</comment>
            <translation>Ergebnisse: %1</translation>
        </message>
        <message>
            <source>%1 of %2 records shown</source>
            <comment>%1 and %2 are counts</comment>
            <translation>%1 von %2 Datensätzen angezeigt</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>(keine)</translation>
        </message>
        <message>
            <source>Export the rows shown</source>
            <translation>Angezeigte Zeilen exportieren</translation>
        </message>
        <message>
            <source>Comma Separated Value files (*.csv)</source>
            <translation>CSV-Dateien (*.csv)</translation>
        </message>
        <message>
            <source>All files (*.*)</source>
            <translation>Alle Dateien (*.*)</translation>
        </message>
        <message>
            <source>PNG images (*.png)</source>
            <translation>PNG-Bilder (*.png)</translation>
        </message>
        <message>
            <source>SVG images (*.svg)</source>
            <translation>SVG-Bilder (*.svg)</translation>
        </message>
        <message>
            <source>Save the chart</source>
            <translation>Diagramm speichern</translation>
        </message>
        <message>
            <source>The chart could not be saved as "%1": %2</source>
            <comment>%1 is a file name, %2 the system's reason</comment>
            <translation>Das Diagramm konnte nicht als „%1“ gespeichert werden: %2</translation>
        </message>
        <message>
            <source>Site design…</source>
            <translation>Anlagenauslegung…</translation>
        </message>
        <message>
            <source>Report…</source>
            <translation>Bericht…</translation>
        </message>
        <message>
            <source>The design of the site: its arrays and limits, to check each string against.</source>
            <translation>Die Auslegung der Anlage: ihre Generatorfelder und Grenzwerte, gegen die jeder Strang geprüft wird.</translation>
        </message>
        <message>
            <source>The commissioning test report of these results checked against the site design, shown before it is saved as PDF.</source>
            <translation>Der Inbetriebnahmeprüfbericht dieser Ergebnisse, geprüft gegen die Anlagenauslegung, angezeigt, bevor er als PDF gespeichert wird.</translation>
        </message>
        <message>
            <source>Site design</source>
            <translation>Anlagenauslegung</translation>
        </message>
        <message>
            <source>The design could not be kept in the archive: %1</source>
            <comment>%1 is the reason</comment>
            <translation>Die Auslegung konnte nicht im Archiv aufbewahrt werden: %1</translation>
        </message>
        <message>
            <source>The archive could not be read: %1</source>
            <comment>%1 is the reason</comment>
            <translation>Das Archiv konnte nicht gelesen werden: %1</translation>
        </message>
    </context>
    <context>
        <name>SaveStep</name>
        <message>
            <source>Error writing to the standard output: %1</source>
            <comment>%1 is the system's reason</comment>
            <translation>Fehler beim Schreiben in die Standardausgabe: %1</translation>
        </message>
        <message>
            <source>The European format applies to .csv files only; "%1" is written as received.</source>
            <comment>%1 is a file name</comment>
            <translation>Das europäische Format gilt nur für .csv-Dateien; „%1“ wird so geschrieben, wie es empfangen wurde.</translation>
        </message>
        <message>
            <source>The file's old content could not be put back: the file was changed.</source>
            <translation>Der alte Inhalt der Datei konnte nicht wiederhergestellt werden: Die Datei wurde verändert.</translation>
        </message>
    </context>
    <context>
        <name>SavedData</name>
        <message>
            <source>The file holds %1 bytes instead of %2.</source>
            <comment>%1 and %2 are numbers of bytes</comment>
            <translation>Die Datei enthält %1 Bytes statt %2.</translation>
        </message>
        <message>
            <source>It is a pipe, a device or a socket, not a regular file: only regular files are written.</source>
            <translation>Es ist eine Pipe, ein Gerät oder ein Socket, keine gewöhnliche Datei: Geschrieben werden nur gewöhnliche Dateien.</translation>
        </message>
    </context>
    <context>
        <name>SiteDesignDialog</name>
        <message>
            <source>Site design</source>
            <translation>Anlagenauslegung</translation>
        </message>
        <message>
            <source>Site</source>
            <translation>Anlage</translation>
        </message>
        <message>
            <source>Installation</source>
            <translation>Anlagendaten</translation>
        </message>
        <message>
            <source>Site:</source>
            <translation>Anlage:</translation>
        </message>
        <message>
            <source>Address:</source>
            <translation>Adresse:</translation>
        </message>
        <message>
            <source>Client:</source>
            <translation>Auftraggeber:</translation>
        </message>
        <message>
            <source>Inspector:</source>
            <translation>Prüfer:</translation>
        </message>
        <message>
            <source>Instrument</source>
            <translation>Messgerät</translation>
        </message>
        <message>
            <source>Model:</source>
            <translation>Modell:</translation>
        </message>
        <message>
            <source>Serial number:</source>
            <translation>Seriennummer:</translation>
        </message>
        <message>
            <source>Calibrated on:</source>
            <translation>Kalibriert am:</translation>
        </message>
        <message>
            <source>Arrays</source>
            <translation>Generatorfelder</translation>
        </message>
        <message>
            <source>Add array</source>
            <translation>Generatorfeld hinzufügen</translation>
        </message>
        <message>
            <source>Remove array</source>
            <translation>Generatorfeld entfernen</translation>
        </message>
        <message>
            <source>Checks and columns</source>
            <translation>Prüfungen und Spalten</translation>
        </message>
        <message>
            <source>Tolerances</source>
            <translation>Toleranzen</translation>
        </message>
        <message>
            <source>Voc against its neighbours:</source>
            <translation>Voc gegenüber den Nachbarsträngen:</translation>
        </message>
        <message>
            <source> %</source>
            <translation> %</translation>
        </message>
        <message>
            <source>Isc at STC:</source>
            <translation>Isc bei STC:</translation>
        </message>
        <message>
            <source>Least irradiance for Isc:</source>
            <translation>Mindesteinstrahlung für Isc:</translation>
        </message>
        <message>
            <source> W/m²</source>
            <translation> W/m²</translation>
        </message>
        <message>
            <source>Columns of the data</source>
            <translation>Spalten der Daten</translation>
        </message>
        <message>
            <source>Import…</source>
            <translation>Importieren…</translation>
        </message>
        <message>
            <source>Export…</source>
            <translation>Exportieren…</translation>
        </message>
        <message>
            <source>String name:</source>
            <translation>Strangname:</translation>
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
            <translation>Einstrahlung:</translation>
        </message>
        <message>
            <source>Module temperature:</source>
            <translation>Modultemperatur:</translation>
        </message>
        <message>
            <source>Insulation resistance:</source>
            <translation>Isolationswiderstand:</translation>
        </message>
        <message>
            <source>Continuity:</source>
            <translation>Durchgängigkeit:</translation>
        </message>
        <message>
            <source>not given</source>
            <translation>nicht angegeben</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Strings starting with</source>
            <translation>Stränge beginnend mit</translation>
        </message>
        <message>
            <source>Module</source>
            <translation>Modul</translation>
        </message>
        <message>
            <source>Modules in series</source>
            <translation>Module in Reihe</translation>
        </message>
        <message>
            <source>Voc at STC (V)</source>
            <translation>Voc bei STC (V)</translation>
        </message>
        <message>
            <source>Isc at STC (A)</source>
            <translation>Isc bei STC (A)</translation>
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
            <translation>Isolationsprüfung (V)</translation>
        </message>
        <message>
            <source>Insulation min. (MΩ)</source>
            <translation>Isolation min. (MΩ)</translation>
        </message>
        <message>
            <source>Continuity max. (Ω)</source>
            <translation>Durchgängigkeit max. (Ω)</translation>
        </message>
        <message>
            <source>Leave the insulation figures empty to take them from the system voltage, and the continuity maximum empty not to check continuity.</source>
            <translation>Lassen Sie die Isolationswerte leer, um sie aus der Systemspannung abzuleiten, und den Höchstwert der Durchgängigkeit leer, um die Durchgängigkeit nicht zu prüfen.</translation>
        </message>
        <message>
            <source>by its usual header</source>
            <translation>anhand der üblichen Spaltenüberschrift</translation>
        </message>
        <message>
            <source>The design needs at least one array.</source>
            <translation>Die Auslegung braucht mindestens ein Generatorfeld.</translation>
        </message>
        <message>
            <source>Array %1, %2: %3</source>
            <translation>Generatorfeld %1, %2: %3</translation>
        </message>
        <message>
            <source>required</source>
            <translation>erforderlich</translation>
        </message>
        <message>
            <source>a whole number from 1 to 10000 is needed</source>
            <translation>eine ganze Zahl von 1 bis 10000 ist nötig</translation>
        </message>
        <message>
            <source>a number above 0 is needed</source>
            <translation>eine Zahl größer als 0 ist nötig</translation>
        </message>
        <message>
            <source>a number is needed</source>
            <translation>eine Zahl ist nötig</translation>
        </message>
        <message>
            <source>a number above 0 is needed, or nothing</source>
            <translation>eine Zahl größer als 0 ist nötig, oder leer lassen</translation>
        </message>
        <message>
            <source>The design file %1 could not be read: %2</source>
            <translation>Die Auslegungsdatei %1 konnte nicht gelesen werden: %2</translation>
        </message>
        <message>
            <source>The design file %1 was not read: %2</source>
            <translation>Die Auslegungsdatei %1 wurde nicht eingelesen: %2</translation>
        </message>
        <message>
            <source>The design file %1 could not be written: %2</source>
            <translation>Die Auslegungsdatei %1 konnte nicht geschrieben werden: %2</translation>
        </message>
        <message>
            <source>Import a site design</source>
            <translation>Anlagenauslegung importieren</translation>
        </message>
        <message>
            <source>Site designs (*.json);;All files (*)</source>
            <translation>Anlagenauslegungen (*.json);;Alle Dateien (*)</translation>
        </message>
        <message>
            <source>Export the site design</source>
            <translation>Anlagenauslegung exportieren</translation>
        </message>
    </context>
    <context>
        <name>SummaryCommand</name>
        <message>
            <source>file</source>
            <comment>value name of --summary</comment>
            <translation>Datei</translation>
        </message>
        <message>
            <source>--summary and --download exclude each other.</source>
            <translation>--summary und --download schließen einander aus.</translation>
        </message>
        <message>
            <source>--format takes text or json, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--format erwartet text oder json, nicht „%1“.</translation>
        </message>
        <message>
            <source>With --summary or --report: checks the results string by string against the site's design in this JSON file (modules in series, Voc, Isc, insulation, continuity).</source>
            <translation>Mit --summary oder --report: prüft die Ergebnisse Strang für Strang gegen die Auslegung der Anlage in dieser JSON-Datei (Module in Reihe, Voc, Isc, Isolation, Durchgängigkeit).</translation>
        </message>
        <message>
            <source>file</source>
            <comment>value name of --design</comment>
            <translation>Datei</translation>
        </message>
        <message>
            <source>The design file "%1" could not be read: %2</source>
            <comment>%1 is a file name, %2 the system's reason</comment>
            <translation>Die Auslegungsdatei „%1“ konnte nicht gelesen werden: %2</translation>
        </message>
        <message>
            <source>The design file "%1" cannot be used: %2</source>
            <comment>%1 is a file name, %2 what in the file is wrong</comment>
            <translation>Die Auslegungsdatei „%1“ ist nicht verwendbar: %2</translation>
        </message>
        <message>
            <source>--design needs a file.</source>
            <translation>--design braucht eine Datei.</translation>
        </message>
        <message>
            <source>row %1, %2: %3: %4</source>
            <comment>%1 is the row counted from 1 after the header, %2 the string's name, %3 the check's key (module_count...), %4 the reason</comment>
            <translation>Zeile %1, %2: %3: %4</translation>
        </message>
        <message>
            <source>Prints the summary of a saved .csv or .txt file (records, PASS, FAIL, other) and the warnings that its data may be incomplete.</source>
            <translation>Gibt die Zusammenfassung einer gespeicherten .csv- oder .txt-Datei aus (Datensätze, PASS, FAIL, andere) und die Warnungen, dass ihre Daten unvollständig sein könnten.</translation>
        </message>
    </context>
    <context>
        <name>TeamAddress</name>
        <message>
            <source>--team needs a connection URI such as postgresql://user@host:5432/database?sslmode=require, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--team braucht eine Verbindungs-URI wie postgresql://user@host:5432/database?sslmode=require, nicht '%1'.</translation>
        </message>
        <message>
            <source>The connection URI's '%1' cannot hold a ';'.</source>
            <comment>%1 is a key of the URI</comment>
            <translation>'%1' der Verbindungs-URI darf kein ';' enthalten.</translation>
        </message>
        <message>
            <source>The connection URI's port is a number from 1 to 65535, not '%1'.</source>
            <comment>%1 is the port as the user typed it</comment>
            <translation>Der Port der Verbindungs-URI ist eine Zahl von 1 bis 65535, nicht '%1'.</translation>
        </message>
        <message>
            <source>The connection URI's sslmode is one of %1, not '%2'.</source>
            <comment>%1 lists the modes, %2 is the value as the user typed it</comment>
            <translation>Das sslmode der Verbindungs-URI ist eines von %1, nicht '%2'.</translation>
        </message>
    </context>
    <context>
        <name>TeamArchiveDialog</name>
        <message>
            <source>Team archive</source>
            <translation>Team-Archiv</translation>
        </message>
        <message>
            <source>kept in the system's keyring</source>
            <translation>im Schlüsselbund des Systems aufbewahrt</translation>
        </message>
        <message>
            <source>Choose...</source>
            <translation>Auswählen...</translation>
        </message>
        <message>
            <source>CA certificate</source>
            <translation>CA-Zertifikat</translation>
        </message>
        <message>
            <source>Send downloads to the team archive</source>
            <translation>Downloads an das Team-Archiv senden</translation>
        </message>
        <message>
            <source>Test</source>
            <translation>Testen</translation>
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
            <translation>Datenbank:</translation>
        </message>
        <message>
            <source>User:</source>
            <translation>Benutzer:</translation>
        </message>
        <message>
            <source>Password:</source>
            <translation>Passwort:</translation>
        </message>
        <message>
            <source>TLS:</source>
            <translation>TLS:</translation>
        </message>
        <message>
            <source>CA certificate (verify-full):</source>
            <translation>CA-Zertifikat (verify-full):</translation>
        </message>
        <message>
            <source>Testing...</source>
            <translation>Wird getestet...</translation>
        </message>
        <message>
            <source>The team archive answers; %1 may use it.</source>
            <translation>Das Team-Archiv antwortet; %1 darf es nutzen.</translation>
        </message>
        <message>
            <source>The password could not be kept in the system's keyring (%1). Give it in ~/.pgpass instead.</source>
            <translation>Das Passwort konnte nicht im Schlüsselbund des Systems aufbewahrt werden (%1). Tragen Sie es stattdessen in ~/.pgpass ein.</translation>
        </message>
    </context>
    <context>
        <name>TeamArchiveStatus</name>
        <message>
            <source>Sent to the team archive</source>
            <translation>An das Team-Archiv gesendet</translation>
        </message>
        <message numerus="yes">
            <source>Team archive unreachable: %n download(s) waiting</source>
            <translation>
                <numerusform>Team-Archiv nicht erreichbar: %n Download wartet</numerusform>
                <numerusform>Team-Archiv nicht erreichbar: %n Downloads warten</numerusform>
            </translation>
        </message>
        <message>
            <source>Team archive: a download was refused</source>
            <translation>Team-Archiv: ein Download wurde abgelehnt</translation>
        </message>
    </context>
    <context>
        <name>TeamCommand</name>
        <message>
            <source>--team goes with one of --sync, --team-init, --list-downloads, --export, --report or --delete.</source>
            <translation>--team gehört zu genau einer der Optionen --sync, --team-init, --list-downloads, --export, --report oder --delete.</translation>
        </message>
        <message>
            <source>--report with --team needs the number of a download as --list-downloads --team shows it.</source>
            <translation>--report mit --team braucht die Nummer eines Downloads, wie --list-downloads --team sie zeigt.</translation>
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
            <translation>Datum und Uhrzeit</translation>
        </message>
        <message>
            <source>Engineer</source>
            <translation>Techniker</translation>
        </message>
        <message>
            <source>Computer</source>
            <translation>Computer</translation>
        </message>
        <message>
            <source>Records</source>
            <translation>Datensätze</translation>
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
            <translation>Anlage</translation>
        </message>
        <message numerus="yes">
            <source>%1 %n download(s) waiting.</source>
            <comment>%1 is why; the number follows</comment>
            <translation>
                <numerusform>%1 %n Download wartet.</numerusform>
                <numerusform>%1 %n Downloads warten.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Sent to the team archive %1: %n new download(s).</source>
            <comment>%1 is user@server:port/database</comment>
            <translation>
                <numerusform>An das Team-Archiv %1 gesendet: %n neuer Download.</numerusform>
                <numerusform>An das Team-Archiv %1 gesendet: %n neue Downloads.</numerusform>
            </translation>
        </message>
        <message>
            <source>The team archive %1 is up to date (version %2).</source>
            <translation>Das Team-Archiv %1 ist aktuell (Version %2).</translation>
        </message>
        <message>
            <source>The team archive %1 is ready (version %2). Grant its users a role: GRANT %3 TO user; or GRANT %4 TO user;</source>
            <comment>%3 and %4 are roles</comment>
            <translation>Das Team-Archiv %1 ist bereit (Version %2). Geben Sie seinen Benutzern eine Rolle: GRANT %3 TO user; oder GRANT %4 TO user;</translation>
        </message>
        <message>
            <source>With --list-downloads, --export, --report or --delete: the team archive instead of this computer's; URL is a connection URI such as postgresql://user@server:5432/database?sslmode=require (without it: the Team archive settings).</source>
            <translation>Mit --list-downloads, --export, --report oder --delete: das Team-Archiv statt des Archivs dieses Computers; URL ist eine Verbindungs-URI wie postgresql://user@server:5432/database?sslmode=require (ohne sie: die Einstellungen des Team-Archivs).</translation>
        </message>
        <message>
            <source>URL</source>
            <comment>value name of --team</comment>
            <translation>URL</translation>
        </message>
        <message>
            <source>Sends every download of the archive that the team archive lacks.</source>
            <translation>Sendet jeden Download des Archivs, der dem Team-Archiv fehlt.</translation>
        </message>
        <message>
            <source>Creates the team archive on the server or brings it up to date (needs the database owner's rights).</source>
            <translation>Legt das Team-Archiv auf dem Server an oder bringt es auf den neuesten Stand (braucht die Rechte des Datenbankeigentümers).</translation>
        </message>
        <message>
            <source>Download %1 deleted from the team archive.</source>
            <translation>Download %1 aus dem Team-Archiv gelöscht.</translation>
        </message>
    </context>
    <context>
        <name>TeamConnection</name>
        <message>
            <source>%1 may not use the team archive: the office grants the role %2 (or %3). The server said: %4</source>
            <comment>%1 is a user name, %2 and %3 roles, %4 the server's words</comment>
            <translation>%1 darf das Team-Archiv nicht nutzen: das Büro vergibt die Rolle %2 (oder %3). Der Server meldete: %4</translation>
        </message>
        <message>
            <source>The team archive %1 cannot be reached: %2</source>
            <comment>%1 is user@server:port/database, %2 the reason</comment>
            <translation>Das Team-Archiv %1 ist nicht erreichbar: %2</translation>
        </message>
        <message>
            <source>The team archive %1 refused the login: %2</source>
            <comment>%1 is user@server:port/database, %2 the reason</comment>
            <translation>Das Team-Archiv %1 hat die Anmeldung abgelehnt: %2</translation>
        </message>
        <message>
            <source>No secure connection to the team archive %1: %2</source>
            <comment>%1 is user@server:port/database, %2 the reason</comment>
            <translation>Keine sichere Verbindung zum Team-Archiv %1: %2</translation>
        </message>
        <message>
            <source>The team archive %1 said: %2</source>
            <comment>%1 is user@server:port/database, %2 the server's words</comment>
            <translation>Das Team-Archiv %1 meldete: %2</translation>
        </message>
        <message>
            <source>The team archive needs Qt SQL's PostgreSQL driver (Debian: the package libqt5sql5-psql), which is not installed.</source>
            <translation>Das Team-Archiv braucht den PostgreSQL-Treiber von Qt SQL (Debian: das Paket libqt5sql5-psql), der nicht installiert ist.</translation>
        </message>
        <message>
            <source>The database %1 holds no team archive. Its owner makes one with --team-init.</source>
            <comment>%1 is user@server:port/database</comment>
            <translation>Die Datenbank %1 enthält kein Team-Archiv. Ihr Eigentümer legt es mit --team-init an.</translation>
        </message>
        <message>
            <source>The team archive %1 was made by a newer version of this program (version %2; this one knows %3). Install the newer version.</source>
            <comment>%1 is user@server:port/database, %2 and %3 version numbers</comment>
            <translation>Das Team-Archiv %1 wurde von einer neueren Version dieses Programms angelegt (Version %2; diese kennt %3). Installieren Sie die neuere Version.</translation>
        </message>
        <message>
            <source>The team archive %1 is of an older version (%2): its owner brings it up to date with --team-init.</source>
            <comment>%1 is user@server:port/database, %2 a version number</comment>
            <translation>Das Team-Archiv %1 hat eine ältere Version (%2): sein Eigentümer bringt es mit --team-init auf den neuesten Stand.</translation>
        </message>
    </context>
    <context>
        <name>TeamDownloads</name>
        <message>
            <source>There is no download %1 in the team archive.</source>
            <comment>%1 is the number or identity of a download</comment>
            <translation>Im Team-Archiv gibt es keinen Download %1.</translation>
        </message>
        <message>
            <source>The bytes of download %1 are missing from the team archive.</source>
            <translation>Die Bytes von Download %1 fehlen im Team-Archiv.</translation>
        </message>
        <message>
            <source>The bytes of download %1 in the team archive do not match their SHA-256.</source>
            <translation>Die Bytes von Download %1 im Team-Archiv passen nicht zu ihrem SHA-256.</translation>
        </message>
        <message>
            <source>Download %1 was sent by %2: only they (or the archive's owner) can delete it.</source>
            <comment>%1 is a download's number, %2 a user name</comment>
            <translation>Download %1 wurde von %2 gesendet: nur diese Person (oder der Eigentümer des Archivs) kann ihn löschen.</translation>
        </message>
    </context>
    <context>
        <name>TeamHistoryModel</name>
        <message>
            <source>Arrived %1</source>
            <comment>%1 is the date and time the team archive received it</comment>
            <translation>Eingegangen am %1</translation>
        </message>
        <message>
            <source>Engineer</source>
            <translation>Techniker</translation>
        </message>
        <message>
            <source>Computer</source>
            <translation>Computer</translation>
        </message>
        <message>
            <source>Site(s)</source>
            <translation>Anlage(n)</translation>
        </message>
    </context>
    <context>
        <name>TeamPassword</name>
        <message numerus="yes">
            <source>the keyring did not answer within %n second(s)</source>
            <translation>
                <numerusform>der Schlüsselbund antwortete nicht innerhalb von %n Sekunde</numerusform>
                <numerusform>der Schlüsselbund antwortete nicht innerhalb von %n Sekunden</numerusform>
            </translation>
        </message>
        <message>
            <source>this build keeps no passwords; use ~/.pgpass or PGPASSWORD</source>
            <translation>diese Ausgabe bewahrt keine Passwörter auf; nutzen Sie ~/.pgpass oder PGPASSWORD</translation>
        </message>
    </context>
    <context>
        <name>TeamSchema</name>
        <message>
            <source>The team archive was made by a newer version of this program (version %1; this one knows %2): it is left as it is.</source>
            <comment>%1 and %2 are version numbers</comment>
            <translation>Das Team-Archiv wurde von einer neueren Version dieses Programms angelegt (Version %1; diese kennt %2): es bleibt, wie es ist.</translation>
        </message>
    </context>
    <context>
        <name>TeamSender</name>
        <message>
            <source>the team archive holds other bytes under this download's identity</source>
            <translation>das Team-Archiv enthält unter der Kennung dieses Downloads andere Bytes</translation>
        </message>
        <message numerus="yes">
            <source>%n download(s) refused: the team archive holds other bytes under their identity.</source>
            <translation>
                <numerusform>%n Download abgelehnt: das Team-Archiv enthält unter seiner Kennung andere Bytes.</numerusform>
                <numerusform>%n Downloads abgelehnt: das Team-Archiv enthält unter ihrer Kennung andere Bytes.</numerusform>
            </translation>
        </message>
    </context>
</TS>
