<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Downloads the stored test results of a solar installation tester over a serial port and saves them as .csv or .txt files.</source>
        <translation>Lädt die gespeicherten Prüfergebnisse eines Prüfgeräts für Solaranlagen über eine serielle Schnittstelle herunter und speichert sie als .csv- oder .txt-Datei.</translation>
    </message>
    <message>
        <source>Without options it opens the program&apos;s window.</source>
        <translation>Ohne Optionen öffnet es das Programmfenster.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Zeigt diese Hilfe an und beendet sich.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s name and version and exits.</source>
        <translation>Zeigt Namen und Version des Programms an und beendet sich.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <comment>%1 is the argument as the user typed it</comment>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>User guide: %1</source>
        <comment>%1 is the path of the help page</comment>
        <translation>Benutzerhandbuch: %1</translation>
    </message>
    <message>
        <source>Downloads the tester&apos;s results without a window, as the Download button does, and saves them as --output. Needs --port and --output.</source>
        <translation>Lädt die Ergebnisse des Prüfgeräts ohne Fenster herunter, wie die Schaltfläche „Herunterladen“, und speichert sie als --output. Benötigt --port und --output.</translation>
    </message>
    <message>
        <source>The tester&apos;s port: a name as the port list shows it (ttyUSB0, COM3) or a device path.</source>
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
        <source>Shows no progress, only what went wrong.</source>
        <translation>Zeigt keinen Fortschritt, nur, was schiefgegangen ist.</translation>
    </message>
    <message>
        <source>The option &apos;%1&apos; needs --download.</source>
        <comment>%1 is an option&apos;s name</comment>
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
        <source>Exit status of --download:</source>
        <translation>Exit-Status von --download:</translation>
    </message>
    <message>
        <source>the results are saved</source>
        <translation>die Ergebnisse sind gespeichert</translation>
    </message>
    <message>
        <source>the command line is wrong</source>
        <translation>die Befehlszeile ist fehlerhaft</translation>
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
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
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
        <source>Also shows the serial port&apos;s diagnostics on the error stream.</source>
        <translation>Zeigt auch die Diagnosemeldungen der seriellen Schnittstelle im Fehlerkanal.</translation>
    </message>
    <message>
        <source>Lists the serial ports: name, device path, USB vendor:product, serial number and description, one port a line, and exits.</source>
        <translation>Listet die seriellen Schnittstellen auf – Name, Gerätepfad, USB-Hersteller:Produkt, Seriennummer und Beschreibung, eine Schnittstelle pro Zeile – und beendet sich.</translation>
    </message>
    <message>
        <source>With --list-ports: text (the default) or json.</source>
        <translation>Mit --list-ports: text (Vorgabe) oder json.</translation>
    </message>
    <message>
        <source>format</source>
        <comment>value name of --format</comment>
        <translation>Format</translation>
    </message>
    <message>
        <source>The option &apos;%1&apos; needs --list-ports.</source>
        <comment>%1 is an option&apos;s name</comment>
        <translation>Die Option „%1“ benötigt --list-ports.</translation>
    </message>
    <message>
        <source>--list-ports and --download exclude each other.</source>
        <translation>--list-ports und --download schließen einander aus.</translation>
    </message>
    <message>
        <source>--format is text or json, not &apos;%1&apos;.</source>
        <comment>%1 is the value as the user typed it</comment>
        <translation>--format ist text oder json, nicht „%1“.</translation>
    </message>
    <message>
        <source>--read-timeout needs a whole number of milliseconds from %1 to %2, not &apos;%3&apos;.</source>
        <comment>%1 and %2 are the limits, %3 the value as the user typed it</comment>
        <translation>--read-timeout benötigt eine ganze Zahl von Millisekunden von %1 bis %2, nicht „%3“.</translation>
    </message>
    <message>
        <source>--start-timeout needs a whole number of seconds from 1 to %1, not &apos;%2&apos;.</source>
        <comment>%1 is the limit, %2 the value as the user typed it</comment>
        <translation>--start-timeout benötigt eine ganze Zahl von Sekunden von 1 bis %1, nicht „%2“.</translation>
    </message>
    <message>
        <source>no data came within --start-timeout</source>
        <translation>innerhalb von --start-timeout kamen keine Daten</translation>
    </message>
    <message>
        <source>saved, but the data may be incomplete: the line was lost before it fell silent</source>
        <translation>gespeichert, aber die Daten können unvollständig sein: die Leitung ging verloren, bevor sie still wurde</translation>
    </message>
    <message>
        <source>stopped with SIGHUP (the terminal or SSH session closed); nothing saved</source>
        <translation>mit SIGHUP gestoppt (Terminal oder SSH-Sitzung geschlossen); nichts gespeichert</translation>
    </message>
    <message>
        <source>No display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set). To download without a window: %1 --download --port PORT --output FILE</source>
        <comment>%1 is the program&apos;s name; PORT and FILE stand for values the user fills in</comment>
        <translation>Keine Anzeige, auf der sich das Fenster öffnen ließe (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt). Download ohne Fenster: %1 --download --port PORT --output DATEI</translation>
    </message>
    <message>
        <source>The system reports no serial port. Plug in the tester&apos;s adapter and try again.</source>
        <translation>Das System meldet keine serielle Schnittstelle. Stecken Sie den Adapter des Prüfgeräts ein und versuchen Sie es erneut.</translation>
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
        <comment>%1 is the program&apos;s name</comment>
        <translation>Die Schnittstellen dieses Systems: %1 --list-ports</translation>
    </message>
    <message>
        <source>Interrupted: nothing was saved</source>
        <translation>Unterbrochen: nichts wurde gespeichert</translation>
    </message>
    <message>
        <source>No data came within %1 s of asking the tester. Check that the tester is connected to this port and switched on, and start the transfer on the tester.</source>
        <comment>%1 is a number of seconds</comment>
        <translation>Innerhalb von %1 s nach der Anfrage kamen keine Daten. Prüfen Sie, ob das Prüfgerät an dieser Schnittstelle angeschlossen und eingeschaltet ist, und starten Sie die Übertragung am Prüfgerät.</translation>
    </message>
    <message>
        <source>Bytes written to the standard output: %1</source>
        <comment>%1 is a number of bytes</comment>
        <translation>In die Standardausgabe geschriebene Bytes: %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3 bytes)</source>
        <comment>%1 is &quot;File successfully saved&quot;, %2 the file&apos;s path, %3 the number of bytes</comment>
        <translation>%1: %2 (%3 Bytes)</translation>
    </message>
    <message>
        <source>Port %1: %2</source>
        <comment>%1 is the port, %2 what happened</comment>
        <translation>Schnittstelle %1: %2</translation>
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
        <comment>The %1 is replaced with the version number so please don&apos;t remove it!</comment>
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
        <source>The help pages were not found in &quot;%1&quot;.</source>
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
        <source>Permission denied. Add your user to the group &quot;%1&quot; that owns the port, then log out and log in again.</source>
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
    <name>SaveStep</name>
    <message>
        <source>Error writing to the standard output: %1</source>
        <comment>%1 is the system&apos;s reason</comment>
        <translation>Fehler beim Schreiben in die Standardausgabe: %1</translation>
    </message>
    <message>
        <source>The European format applies to .csv files only; &quot;%1&quot; is written as received.</source>
        <comment>%1 is a file name</comment>
        <translation>Das europäische Format gilt nur für .csv-Dateien; „%1“ wird so geschrieben, wie es empfangen wurde.</translation>
    </message>
    <message>
        <source>The file&apos;s old content could not be put back: the file was changed.</source>
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
</TS>
