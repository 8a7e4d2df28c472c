<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
    <context>
        <name>Archive</name>
        <message>
            <source>the system refused</source>
            <translation>het systeem weigerde</translation>
        </message>
        <message>
            <source>%1 is not a folder</source>
            <translation>%1 is geen map</translation>
        </message>
        <message>
            <source>the folder %1 cannot be created</source>
            <translation>de map %1 kan niet worden aangemaakt</translation>
        </message>
        <message>
            <source>the disk is full</source>
            <translation>de schijf is vol</translation>
        </message>
        <message numerus="yes">
            <source>another program kept the archive busy for more than %n second(s)</source>
            <translation>
                <numerusform>een ander programma hield het archief langer dan %n seconde bezet</numerusform>
                <numerusform>een ander programma hield het archief langer dan %n seconden bezet</numerusform>
            </translation>
        </message>
        <message>
            <source>the archive cannot be written</source>
            <translation>er kan niet naar het archief worden geschreven</translation>
        </message>
        <message>
            <source>The archive %1 cannot be opened: %2</source>
            <translation>Het archief %1 kan niet worden geopend: %2</translation>
        </message>
        <message>
            <source>The archive %1 was written by a newer version of this program. It was moved aside as %2 and a new archive was started.</source>
            <translation>Het archief %1 is geschreven door een nieuwere versie van dit programma. Het is opzijgezet als %2 en er is een nieuw archief begonnen.</translation>
        </message>
        <message>
            <source>The archive %1 was damaged. It was moved aside as %2 and a new archive was started.</source>
            <translation>Het archief %1 was beschadigd. Het is opzijgezet als %2 en er is een nieuw archief begonnen.</translation>
        </message>
        <message>
            <source>it is damaged</source>
            <translation>het is beschadigd</translation>
        </message>
        <message>
            <source>The archive %1 is damaged and could not be moved aside (%2). It was left as it is, and downloads are not archived until it is moved or deleted.</source>
            <translation>Het archief %1 is beschadigd en kon niet opzij worden gezet (%2). Het is gelaten zoals het is, en downloads worden niet gearchiveerd totdat het is verplaatst of verwijderd.</translation>
        </message>
        <message>
            <source>the SQLite driver of Qt SQL is not installed</source>
            <translation>het SQLite-stuurprogramma van Qt SQL is niet geïnstalleerd</translation>
        </message>
        <message>
            <source>This download was not archived: %1</source>
            <translation>Deze download is niet gearchiveerd: %1</translation>
        </message>
        <message>
            <source>the archive is not open</source>
            <translation>het archief is niet geopend</translation>
        </message>
        <message>
            <source>There is no download %1 in the archive.</source>
            <translation>Er is geen download %1 in het archief.</translation>
        </message>
        <message>
            <source>%1 is a link to %2, which does not exist; nothing was changed</source>
            <comment>%1 and %2 are paths</comment>
            <translation>%1 is een koppeling naar %2, dat niet bestaat; er is niets gewijzigd</translation>
        </message>
        <message>
            <source>There is no archive at %1.</source>
            <comment>%1 is a path</comment>
            <translation>Er is geen archief op %1.</translation>
        </message>
        <message>
            <source>%1 was written by a newer version of this program; nothing was changed</source>
            <comment>%1 is a path</comment>
            <translation>%1 is geschreven door een nieuwere versie van dit programma; er is niets gewijzigd</translation>
        </message>
        <message>
            <source>%1 is damaged; nothing was changed</source>
            <comment>%1 is the archive's path</comment>
            <translation>%1 is beschadigd; er is niets gewijzigd</translation>
        </message>
        <message>
            <source>%1 is damaged (%2); nothing was changed</source>
            <comment>%1 is the archive's path, %2 SQLite's words</comment>
            <translation>%1 is beschadigd (%2); er is niets gewijzigd</translation>
        </message>
        <message>
            <source>%1 is not an archive of this program; nothing was changed</source>
            <comment>%1 is a path</comment>
            <translation>%1 is geen archief van dit programma; er is niets gewijzigd</translation>
        </message>
    </context>
    <context>
        <name>ArchiveCommand</name>
        <message>
            <source>--list-downloads, --export and --delete go one at a time.</source>
            <translation>--list-downloads, --export en --delete kunnen alleen afzonderlijk worden gebruikt.</translation>
        </message>
        <message>
            <source>--%1 needs the number of a download as --list-downloads shows it, not '%2'.</source>
            <comment>%1 is an option's name, %2 the value as the user typed it</comment>
            <translation>--%1 heeft het nummer van een download nodig zoals --list-downloads het toont, niet '%2'.</translation>
        </message>
        <message>
            <source>--export needs --output.</source>
            <translation>--export heeft --output nodig.</translation>
        </message>
        <message>
            <source>--european and --no-european exclude each other.</source>
            <translation>--european en --no-european sluiten elkaar uit.</translation>
        </message>
        <message>
            <source>--format is text or json, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--format is text of json, niet ‘%1’.</translation>
        </message>
        <message>
            <source>--archive needs a file.</source>
            <translation>--archive heeft een bestand nodig.</translation>
        </message>
    </context>
    <context>
        <name>ArchiveCommands</name>
        <message>
            <source>Lists the downloads kept in the archive, newest first.</source>
            <translation>Toont de downloads die in het archief bewaard zijn, de nieuwste eerst.</translation>
        </message>
        <message>
            <source>Saves download ID of the archive as --output, as after a download (--european applies).</source>
            <translation>Slaat download ID uit het archief op als --output, zoals na een download (--european geldt).</translation>
        </message>
        <message>
            <source>ID</source>
            <comment>value name of --export</comment>
            <translation>ID</translation>
        </message>
        <message>
            <source>Deletes download ID from the archive.</source>
            <translation>Verwijdert download ID uit het archief.</translation>
        </message>
        <message>
            <source>ID</source>
            <comment>value name of --delete</comment>
            <translation>ID</translation>
        </message>
        <message>
            <source>The archive to use instead of the program's own (%1).</source>
            <comment>%1 is a file's path</comment>
            <translation>Het archief dat in plaats van het eigen archief van het programma wordt gebruikt (%1).</translation>
        </message>
        <message>
            <source>file</source>
            <comment>value name of --archive</comment>
            <translation>bestand</translation>
        </message>
        <message>
            <source>Does not keep the download in the archive (with --download).</source>
            <translation>Bewaart de download niet in het archief (met --download).</translation>
        </message>
        <message>
            <source>There is no download %1 in the archive %2.</source>
            <comment>%1 is the number of a download, %2 the archive's path</comment>
            <translation>Er is geen download %1 in het archief %2.</translation>
        </message>
        <message>
            <source>Download %1 deleted from the archive.</source>
            <comment>%1 is the number of a download</comment>
            <translation>Download %1 is uit het archief verwijderd.</translation>
        </message>
        <message>
            <source>ID</source>
            <translation>ID</translation>
        </message>
        <message>
            <source>Date and time</source>
            <translation>Datum en tijd</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Poort</translation>
        </message>
        <message>
            <source>Bytes</source>
            <translation>Bytes</translation>
        </message>
        <message>
            <source>Ended</source>
            <translation>Einde</translation>
        </message>
        <message>
            <source>Saved as</source>
            <translation>Opgeslagen als</translation>
        </message>
        <message>
            <source>not saved</source>
            <translation>niet opgeslagen</translation>
        </message>
        <message>
            <source>The archive %1 could not be read: %2</source>
            <comment>%1 is the archive's path, %2 the reason</comment>
            <translation>Het archief %1 kon niet worden gelezen: %2</translation>
        </message>
        <message>
            <source>The archive could not record this save: %1</source>
            <comment>%1 is the reason</comment>
            <translation>Het archief kon deze opslag niet vastleggen: %1</translation>
        </message>
    </context>
    <context>
        <name>Command</name>
        <message>
            <source>The option '%1' does not go with --%2.</source>
            <comment>%1 and %2 are options' names</comment>
            <translation>De optie '%1' gaat niet samen met --%2.</translation>
        </message>
    </context>
    <context>
        <name>CommandLine</name>
        <message>
            <source>Downloads the stored test results of a solar installation tester over a serial port and saves them as .csv or .txt files.</source>
            <translation>Downloadt de opgeslagen testresultaten van een tester voor zonne-installaties via een seriële poort en slaat ze op als .csv- of .txt-bestand.</translation>
        </message>
        <message>
            <source>Without options it opens the program's window.</source>
            <translation>Zonder opties wordt het programmavenster geopend.</translation>
        </message>
        <message>
            <source>Shows this help and exits.</source>
            <translation>Toont deze hulp en sluit af.</translation>
        </message>
        <message>
            <source>Shows the program's name and version and exits.</source>
            <translation>Toont de naam en versie van het programma en sluit af.</translation>
        </message>
        <message>
            <source>Unexpected argument '%1'.</source>
            <comment>%1 is the argument as the user typed it</comment>
            <translation>Onverwacht argument '%1'.</translation>
        </message>
        <message>
            <source>User guide: %1</source>
            <comment>%1 is the path of the help page</comment>
            <translation>Gebruikershandleiding: %1</translation>
        </message>
        <message>
            <source>the results are saved</source>
            <translation>de resultaten zijn opgeslagen</translation>
        </message>
        <message>
            <source>the port could not be opened</source>
            <translation>de poort kon niet worden geopend</translation>
        </message>
        <message>
            <source>the line was lost before any data came</source>
            <translation>de verbinding ging verloren voordat er gegevens kwamen</translation>
        </message>
        <message>
            <source>interrupted with Ctrl+C (SIGINT)</source>
            <translation>onderbroken met Ctrl+C (SIGINT)</translation>
        </message>
        <message>
            <source>stopped with SIGTERM</source>
            <translation>gestopt met SIGTERM</translation>
        </message>
        <message>
            <source>no data came within --start-timeout</source>
            <translation>binnen --start-timeout kwamen geen gegevens</translation>
        </message>
        <message>
            <source>stopped with SIGHUP (the terminal or SSH session closed); nothing saved</source>
            <translation>gestopt met SIGHUP (terminal of SSH-sessie gesloten); niets opgeslagen</translation>
        </message>
        <message>
            <source>No display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set). To download without a window: %1 --download --port PORT --output FILE</source>
            <comment>%1 is the program's name; PORT and FILE stand for values the user fills in</comment>
            <translation>Geen beeldscherm om het venster op te openen (DISPLAY noch WAYLAND_DISPLAY is ingesteld). Downloaden zonder venster: %1 --download --port POORT --output BESTAND</translation>
        </message>
        <message>
            <source>saved (or read), but the data may be incomplete: the line was lost before it fell silent, or the last record is cut or records are missing</source>
            <translation>opgeslagen (of gelezen), maar de gegevens zijn mogelijk onvolledig: de verbinding ging verloren voordat de lijn stil werd, of het laatste record is afgekapt of er ontbreken records</translation>
        </message>
        <message>
            <source>Exit status of --download, --summary and --report:</source>
            <translation>Afsluitstatus van --download, --summary en --report:</translation>
        </message>
        <message>
            <source>the command line is wrong, or a file, the design file or the archive could not be read</source>
            <translation>de opdrachtregel is onjuist, of een bestand, het ontwerpbestand of het archief kon niet worden gelezen</translation>
        </message>
        <message>
            <source>the file (or the report) could not be written</source>
            <translation>het bestand (of het rapport) kon niet worden geschreven</translation>
        </message>
        <message>
            <source>no such download in the archive (--export, --delete, --report)</source>
            <translation>geen download met dat nummer in het archief (--export, --delete, --report)</translation>
        </message>
        <message>
            <source>the team archive cannot be reached or refuses (the downloads stay waiting)</source>
            <translation>het teamarchief is niet bereikbaar of weigert (de downloads blijven wachten)</translation>
        </message>
        <message>
            <source>the archive is missing, refused (a file named with --archive that is not an archive of this program) or cannot be read</source>
            <translation>het archief ontbreekt, is geweigerd (een met --archive genoemd bestand dat geen archief van dit programma is) of kan niet worden gelezen</translation>
        </message>
    </context>
    <context>
        <name>CommissioningReport</name>
        <message>
            <source>Module count</source>
            <translation>Aantal modules</translation>
        </message>
        <message>
            <source>Voc against its neighbours</source>
            <translation>Voc ten opzichte van de buurstrings</translation>
        </message>
        <message>
            <source>Isc at STC</source>
            <translation>Isc bij STC</translation>
        </message>
        <message>
            <source>Insulation</source>
            <translation>Isolatie</translation>
        </message>
        <message>
            <source>Continuity</source>
            <translation>Continuïteit</translation>
        </message>
        <message>
            <source>Commissioning test report</source>
            <translation>Opleveringstestrapport</translation>
        </message>
        <message>
            <source>line %1</source>
            <translation>regel %1</translation>
        </message>
        <message>
            <source>(no site named)</source>
            <translation>(geen locatie opgegeven)</translation>
        </message>
        <message>
            <source>%1 to %2</source>
            <translation>%1 tot en met %2</translation>
        </message>
        <message>
            <source>Site</source>
            <translation>Locatie</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>Adres</translation>
        </message>
        <message>
            <source>Client</source>
            <translation>Opdrachtgever</translation>
        </message>
        <message>
            <source>Date of the tests</source>
            <translation>Datum van de tests</translation>
        </message>
        <message>
            <source>Inspector</source>
            <translation>Inspecteur</translation>
        </message>
        <message>
            <source>Instrument</source>
            <translation>Meetinstrument</translation>
        </message>
        <message>
            <source>%1, serial number %2, calibrated on %3</source>
            <translation>%1, serienummer %2, gekalibreerd op %3</translation>
        </message>
        <message>
            <source>Summary</source>
            <translation>Samenvatting</translation>
        </message>
        <message>
            <source>Nothing to report: the data holds no records.</source>
            <translation>Niets te rapporteren: de gegevens bevatten geen records.</translation>
        </message>
        <message>
            <source>Nothing to report: the data holds no records of the site "%1".</source>
            <translation>Niets te rapporteren: de gegevens bevatten geen records van de locatie ‘%1’.</translation>
        </message>
        <message>
            <source>%1 records: %2 PASS and %3 FAIL by the tester</source>
            <translation>%1 records: %2 PASS en %3 FAIL volgens de tester</translation>
        </message>
        <message>
            <source>%1 strings checked against the design: %2 FAIL by the design checks</source>
            <translation>%1 strings aan het ontwerp getoetst: %2 FAIL volgens de ontwerpcontroles</translation>
        </message>
        <message>
            <source>The design has no arrays: no string was checked against it.</source>
            <translation>Het ontwerp heeft geen velden: er is geen enkele string aan getoetst.</translation>
        </message>
        <message>
            <source>%1: %2</source>
            <translation>%1: %2</translation>
        </message>
        <message>
            <source>FAIL by the tester's own limits</source>
            <translation>FAIL volgens de eigen grenswaarden van de tester</translation>
        </message>
        <message>
            <source>Failures</source>
            <translation>Afkeuringen</translation>
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
            <translation>Ontwerpcontroles: reden</translation>
        </message>
        <message>
            <source>Voc (V)</source>
            <translation>Voc (V)</translation>
        </message>
        <message>
            <source>Voc expected (V)</source>
            <translation>Voc verwacht (V)</translation>
        </message>
        <message>
            <source>Isc (A)</source>
            <translation>Isc (A)</translation>
        </message>
        <message>
            <source>Isc at STC (A)</source>
            <translation>Isc bij STC (A)</translation>
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
            <translation>Continuïteit (Ω)</translation>
        </message>
        <message>
            <source>Design checks</source>
            <translation>Ontwerpcontroles</translation>
        </message>
        <message>
            <source>Array "%1": %2 modules of %3 in series, matched by "%4"</source>
            <translation>Veld ‘%1’: %2 modules van het type %3 in serie, strings gekoppeld via ‘%4’</translation>
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
            <translation>niet gecontroleerd</translation>
        </message>
        <message>
            <source>Array "%1" (continued)</source>
            <translation>Veld ‘%1’ (vervolg)</translation>
        </message>
        <message>
            <source>Strings not checked against the design</source>
            <translation>Strings die niet aan het ontwerp zijn getoetst</translation>
        </message>
        <message>
            <source>Reason</source>
            <translation>Reden</translation>
        </message>
        <message>
            <source>Pass criteria</source>
            <translation>Acceptatiecriteria</translation>
        </message>
        <message>
            <source>The tester judges each record by its own limits. The design checks judge each string against the design of its array:</source>
            <translation>De tester beoordeelt elk record aan de hand van zijn eigen grenswaarden. De ontwerpcontroles beoordelen elke string aan de hand van het ontwerp van zijn veld:</translation>
        </message>
        <message>
            <source>Module count: round(Voc ÷ (Voc_STC × (1 + β × (T − 25 °C)))) equals the modules in series.</source>
            <translation>Aantal modules: afgerond(Voc ÷ (Voc_STC × (1 + β × (T − 25 °C)))) is gelijk aan het aantal modules in serie.</translation>
        </message>
        <message>
            <source>Voc against its neighbours: Voc brought to 25 °C with β is within %1 % of the median of the same array's strings.</source>
            <translation>Voc ten opzichte van de buurstrings: Voc, met β herleid naar 25 °C, ligt binnen %1 % van de mediaan van de strings van hetzelfde veld.</translation>
        </message>
        <message>
            <source>Isc at STC: Isc × 1000 ÷ G ÷ (1 + α × (T − 25 °C)) is within %1 % of Isc_STC; not checked below %2 W/m².</source>
            <translation>Isc bij STC: Isc × 1000 ÷ G ÷ (1 + α × (T − 25 °C)) ligt binnen %1 % van Isc_STC; niet gecontroleerd onder %2 W/m².</translation>
        </message>
        <message>
            <source>Insulation: Riso at least the array's minimum.</source>
            <translation>Isolatie: Riso minstens gelijk aan het minimum van het veld.</translation>
        </message>
        <message>
            <source>Continuity: at most the array's maximum, when the design sets one.</source>
            <translation>Continuïteit: hoogstens het maximum van het veld, als het ontwerp er een vastlegt.</translation>
        </message>
        <message>
            <source>Array</source>
            <translation>Veld</translation>
        </message>
        <message>
            <source>Strings matched by</source>
            <translation>Strings gekoppeld via</translation>
        </message>
        <message>
            <source>Module</source>
            <translation>Module</translation>
        </message>
        <message>
            <source>Modules in series</source>
            <translation>Modules in serie</translation>
        </message>
        <message>
            <source>Module Voc at STC</source>
            <translation>Module-Voc bij STC</translation>
        </message>
        <message>
            <source>%1 V</source>
            <translation>%1 V</translation>
        </message>
        <message>
            <source>Module Isc at STC</source>
            <translation>Module-Isc bij STC</translation>
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
            <translation>Systeemspanning (N × Voc_STC × 1,25)</translation>
        </message>
        <message>
            <source>Insulation test voltage</source>
            <translation>Testspanning isolatie</translation>
        </message>
        <message>
            <source>%1 (by the system voltage)</source>
            <translation>%1 (volgens de systeemspanning)</translation>
        </message>
        <message>
            <source>Insulation minimum</source>
            <translation>Minimale isolatie</translation>
        </message>
        <message>
            <source>%1 MΩ</source>
            <translation>%1 MΩ</translation>
        </message>
        <message>
            <source>Continuity maximum</source>
            <translation>Maximale continuïteit</translation>
        </message>
        <message>
            <source>%1 Ω</source>
            <translation>%1 Ω</translation>
        </message>
        <message>
            <source>Signatures</source>
            <translation>Handtekeningen</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Naam</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Datum</translation>
        </message>
        <message>
            <source>Signature</source>
            <translation>Handtekening</translation>
        </message>
        <message>
            <source>Trace of the data</source>
            <translation>Herkomst van de gegevens</translation>
        </message>
        <message>
            <source>download %1 in the archive</source>
            <translation>download %1 in het archief</translation>
        </message>
        <message>
            <source>file %1</source>
            <translation>bestand %1</translation>
        </message>
        <message>
            <source>%1, %2</source>
            <translation>%1, %2</translation>
        </message>
        <message>
            <source>Source</source>
            <translation>Bron</translation>
        </message>
        <message>
            <source>Downloaded</source>
            <translation>Gedownload op</translation>
        </message>
        <message>
            <source>Bytes as received</source>
            <translation>Ontvangen bytes</translation>
        </message>
        <message>
            <source>SHA-256 of the bytes</source>
            <translation>SHA-256 van de bytes</translation>
        </message>
        <message>
            <source>Page %1 of %2</source>
            <translation>Pagina %1 van %2</translation>
        </message>
        <message>
            <source>The report could not be written to %1: %2</source>
            <translation>Het rapport kon niet naar %1 worden geschreven: %2</translation>
        </message>
        <message>
            <source>the PDF could not be drawn</source>
            <translation>de pdf kon niet worden aangemaakt</translation>
        </message>
        <message>
            <source>%1 records: %2 PASS, %3 FAIL and %4 other by the tester</source>
            <comment>%4 the records whose result is neither PASS nor FAIL</comment>
            <translation>%1 records: %2 PASS, %3 FAIL en %4 overige volgens de tester</translation>
        </message>
        <message>
            <source>Arrays without strings in the data (%1): %2</source>
            <comment>%1 how many, %2 their names</comment>
            <translation>Velden zonder strings in de gegevens (%1): %2</translation>
        </message>
    </context>
    <context>
        <name>DesignChecks</name>
        <message>
            <source>site</source>
            <translation>locatie</translation>
        </message>
        <message>
            <source>string name</source>
            <translation>stringnaam</translation>
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
            <translation>instraling</translation>
        </message>
        <message>
            <source>module temperature</source>
            <translation>moduletemperatuur</translation>
        </message>
        <message>
            <source>insulation resistance</source>
            <translation>isolatieweerstand</translation>
        </message>
        <message>
            <source>continuity</source>
            <translation>continuïteit</translation>
        </message>
        <message>
            <source>The site "%1" is not the design's site "%2".</source>
            <translation>De locatie ‘%1’ is niet de locatie van het ontwerp ‘%2’.</translation>
        </message>
        <message>
            <source>The row has no string name.</source>
            <translation>De rij heeft geen stringnaam.</translation>
        </message>
        <message>
            <source>No array of the design matches the string "%1".</source>
            <translation>Geen veld van het ontwerp past bij de string ‘%1’.</translation>
        </message>
        <message>
            <source>The data has no column "%1".</source>
            <translation>De gegevens hebben geen kolom ‘%1’.</translation>
        </message>
        <message>
            <source>The data has no column of %1.</source>
            <translation>De gegevens hebben geen kolom voor %1.</translation>
        </message>
        <message>
            <source>The row has no value of %1.</source>
            <translation>De rij heeft geen waarde voor %1.</translation>
        </message>
        <message>
            <source>A module temperature of %1 °C is out of range.</source>
            <translation>Een moduletemperatuur van %1 °C valt buiten het bereik.</translation>
        </message>
        <message>
            <source>%1 modules measured, %2 designed</source>
            <translation>%1 modules gemeten, %2 ontworpen</translation>
        </message>
        <message>
            <source>%1 strings of this array to compare, at least %2 needed</source>
            <translation>%1 strings van dit veld om te vergelijken, minstens %2 nodig</translation>
        </message>
        <message>
            <source>Voc at 25 °C %1 % from the array's median of %2 V (at most %3 %)</source>
            <translation>Voc bij 25 °C %1 % van de mediaan van het veld van %2 V (hoogstens %3 %)</translation>
        </message>
        <message>
            <source>Irradiance of %1 W/m² below the %2 W/m² the check needs</source>
            <translation>Instraling van %1 W/m² onder de %2 W/m² die de controle nodig heeft</translation>
        </message>
        <message>
            <source>Isc at STC %1 A, %2 % from the designed %3 A (at most %4 %)</source>
            <translation>Isc bij STC %1 A, %2 % van de ontworpen %3 A (hoogstens %4 %)</translation>
        </message>
        <message>
            <source>%1 MΩ, at least %2 MΩ designed</source>
            <translation>%1 MΩ, minstens %2 MΩ ontworpen</translation>
        </message>
        <message>
            <source>The design sets no maximum for continuity.</source>
            <translation>Het ontwerp legt geen maximum vast voor de continuïteit.</translation>
        </message>
        <message>
            <source>%1 Ω, at most %2 Ω designed</source>
            <translation>%1 Ω, hoogstens %2 Ω ontworpen</translation>
        </message>
        <message>
            <source>%1 FAIL by the tester · %2 more by the design checks</source>
            <comment>%1 rows the tester failed, %2 further rows only the design checks failed</comment>
            <translation>%1 FAIL volgens de tester · nog %2 volgens de ontwerpcontroles</translation>
        </message>
        <message>
            <source>%1 PASS · %2 FAIL · %3 other by the tester · %4 more by the design checks</source>
            <comment>%1, %2 rows the tester passed and failed, %3 rows with neither, %4 further rows only the design checks failed</comment>
            <translation>%1 PASS · %2 FAIL · %3 overige volgens de tester · %4 meer volgens de ontwerpcontroles</translation>
        </message>
    </context>
    <context>
        <name>DesignChecksColumn</name>
        <message>
            <source>Module count</source>
            <translation>Aantal modules</translation>
        </message>
        <message>
            <source>Voc against its neighbours</source>
            <translation>Voc ten opzichte van de buurstrings</translation>
        </message>
        <message>
            <source>Isc at STC</source>
            <translation>Isc bij STC</translation>
        </message>
        <message>
            <source>Insulation</source>
            <translation>Isolatie</translation>
        </message>
        <message>
            <source>Continuity</source>
            <translation>Continuïteit</translation>
        </message>
        <message>
            <source>not checked</source>
            <translation>niet gecontroleerd</translation>
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
            <translation>Ontwerpcontroles</translation>
        </message>
        <message>
            <source>The design checks' verdict; the reasons in each cell's tooltip.</source>
            <translation>Het oordeel van de ontwerpcontroles; de redenen in de tooltip van elke cel.</translation>
        </message>
    </context>
    <context>
        <name>DesignFile</name>
        <message>
            <source>The design file has no member "%1".</source>
            <translation>Het ontwerpbestand heeft geen onderdeel ‘%1’.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be text.</source>
            <translation>Het onderdeel ‘%1’ van het ontwerpbestand moet tekst zijn.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a number.</source>
            <translation>Het onderdeel ‘%1’ van het ontwerpbestand moet een getal zijn.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must not be negative.</source>
            <translation>Het onderdeel ‘%1’ van het ontwerpbestand mag niet negatief zijn.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be greater than zero.</source>
            <translation>Het onderdeel ‘%1’ van het ontwerpbestand moet groter dan nul zijn.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be from -10 to 10 %/°C.</source>
            <translation>Het onderdeel ‘%1’ van het ontwerpbestand moet tussen -10 en 10 %/°C liggen.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be an object.</source>
            <translation>Het onderdeel ‘%1’ van het ontwerpbestand moet een object zijn.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a whole number from 1 to 10000.</source>
            <translation>Het onderdeel ‘%1’ van het ontwerpbestand moet een geheel getal van 1 tot 10000 zijn.</translation>
        </message>
        <message>
            <source>The design file is not valid JSON: %1 on line %2.</source>
            <translation>Het ontwerpbestand is geen geldige JSON: %1 op regel %2.</translation>
        </message>
        <message>
            <source>The design file does not hold a JSON object.</source>
            <translation>Het ontwerpbestand bevat geen JSON-object.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a date written as YYYY-MM-DD.</source>
            <translation>Het onderdeel ‘%1’ van het ontwerpbestand moet een datum zijn in de vorm JJJJ-MM-DD.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a list.</source>
            <translation>Het onderdeel ‘%1’ van het ontwerpbestand moet een lijst zijn.</translation>
        </message>
        <message>
            <source>The list "arrays" of the design file is empty: a design needs at least one array.</source>
            <translation>De lijst ‘arrays’ van het ontwerpbestand is leeg: een ontwerp heeft minstens één veld nodig.</translation>
        </message>
    </context>
    <context>
        <name>DialogLanguage</name>
        <message>
            <source>Please choose a language</source>
            <translation>Kies een taal</translation>
        </message>
    </context>
    <context>
        <name>DownloadCommand</name>
        <message>
            <source>--design goes with --summary or --report.</source>
            <translation>--design hoort bij --summary of --report.</translation>
        </message>
        <message>
            <source>--format goes with --list-ports, --list-downloads or --summary.</source>
            <translation>--format hoort bij --list-ports, --list-downloads of --summary.</translation>
        </message>
        <message>
            <source>The option '%1' needs --download.</source>
            <comment>%1 is an option's name</comment>
            <translation>De optie ‘%1’ vereist --download.</translation>
        </message>
        <message>
            <source>--download needs --port.</source>
            <translation>--download vereist --port.</translation>
        </message>
        <message>
            <source>--download needs --output.</source>
            <translation>--download vereist --output.</translation>
        </message>
        <message>
            <source>--european and --no-european exclude each other.</source>
            <translation>--european en --no-european sluiten elkaar uit.</translation>
        </message>
        <message>
            <source>--read-timeout needs a whole number of milliseconds from %1 to %2, not '%3'.</source>
            <comment>%1 and %2 are the limits, %3 the value as the user typed it</comment>
            <translation>--read-timeout vereist een geheel aantal milliseconden van %1 tot %2, niet ‘%3’.</translation>
        </message>
        <message>
            <source>--start-timeout needs a whole number of seconds from 1 to %1, not '%2'.</source>
            <comment>%1 is the limit, %2 the value as the user typed it</comment>
            <translation>--start-timeout vereist een geheel aantal seconden van 1 tot %1, niet ‘%2’.</translation>
        </message>
        <message>
            <source>Downloads the tester's results without a window, as the Download button does, and saves them as --output. Needs --port and --output.</source>
            <translation>Downloadt de resultaten van de tester zonder venster, zoals de knop ‘Downloaden’, en slaat ze op als --output. Vereist --port en --output.</translation>
        </message>
        <message>
            <source>The tester's port: a name as the port list shows it (ttyUSB0, COM3) or a device path.</source>
            <translation>De poort van de tester: een naam zoals de poortlijst die toont (ttyUSB0, COM3) of een apparaatpad.</translation>
        </message>
        <message>
            <source>port</source>
            <comment>value name of --port</comment>
            <translation>poort</translation>
        </message>
        <message>
            <source>The file to save the results as, replaced if it exists; - for the standard output.</source>
            <translation>Het bestand waarin de resultaten worden opgeslagen, vervangen als het bestaat; - voor de standaarduitvoer.</translation>
        </message>
        <message>
            <source>file</source>
            <comment>value name of --output</comment>
            <translation>bestand</translation>
        </message>
        <message>
            <source>Milliseconds of silence that end the download (%1 to %2, default %3).</source>
            <comment>%1 and %2 are the limits, %3 the default</comment>
            <translation>Milliseconden stilte die het downloaden beëindigen (%1 tot %2, standaard %3).</translation>
        </message>
        <message>
            <source>ms</source>
            <comment>value name of --read-timeout</comment>
            <translation>ms</translation>
        </message>
        <message>
            <source>Saves a .csv file in the European format: semicolons between fields and decimal commas.</source>
            <translation>Slaat een .csv-bestand op in Europese notatie: puntkomma's tussen de velden en decimale komma's.</translation>
        </message>
        <message>
            <source>Saves the results as received (also without either option).</source>
            <translation>Slaat de resultaten op zoals ontvangen (ook zonder een van beide opties).</translation>
        </message>
        <message>
            <source>Gives up when no data has come this many seconds after the tester was asked for it (1 to %1; without it the download waits until it is stopped).</source>
            <comment>%1 is the largest number of seconds</comment>
            <translation>Geeft op als er zoveel seconden na het verzoek aan de tester geen gegevens zijn gekomen (1 tot %1; zonder deze optie wacht de download tot hij wordt gestopt).</translation>
        </message>
        <message>
            <source>seconds</source>
            <comment>value name of --start-timeout</comment>
            <translation>seconden</translation>
        </message>
        <message>
            <source>Shows no progress, only what went wrong.</source>
            <translation>Toont geen voortgang, alleen wat er misging.</translation>
        </message>
        <message>
            <source>Also shows the serial port's diagnostics on the error stream.</source>
            <translation>Toont ook de diagnose van de seriële poort op de foutuitvoer.</translation>
        </message>
    </context>
    <context>
        <name>DownloadEndingText</name>
        <message>
            <source>Finished</source>
            <comment>a download that ended when the tester fell silent</comment>
            <translation>Voltooid</translation>
        </message>
        <message>
            <source>Line lost</source>
            <comment>a download that ended when the connection was lost</comment>
            <translation>Verbinding verloren</translation>
        </message>
        <message>
            <source>Cancelled</source>
            <comment>a download stopped by the user</comment>
            <translation>Geannuleerd</translation>
        </message>
        <message>
            <source>Interrupted</source>
            <comment>a download stopped when the program was closed or stopped</comment>
            <translation>Onderbroken</translation>
        </message>
    </context>
    <context>
        <name>HeadlessArchiving</name>
        <message>
            <source>What came is kept in the archive as download %1.</source>
            <comment>%1 is the number of the download</comment>
            <translation>Wat binnenkwam, is in het archief bewaard als download %1.</translation>
        </message>
        <message>
            <source>The data is kept in the archive as download %1. To write it:</source>
            <comment>%1 is the number of the download; the command follows on the next line</comment>
            <translation>De gegevens zijn in het archief bewaard als download %1. Zo schrijft u ze weg:</translation>
        </message>
        <message>
            <source>The archive could not record this save: %1</source>
            <comment>%1 is the reason</comment>
            <translation>Het archief kon deze opslag niet vastleggen: %1</translation>
        </message>
    </context>
    <context>
        <name>HeadlessDownload</name>
        <message>
            <source>Bytes received: %1 (%2 bytes/s)</source>
            <comment>%1 is the number of bytes received so far, %2 the rate</comment>
            <translation>Ontvangen bytes: %1 (%2 bytes/s)</translation>
        </message>
        <message>
            <source>The line sends only NUL bytes. Check the cable and the tester.</source>
            <translation>De lijn verzendt alleen NUL-bytes. Controleer de kabel en de tester.</translation>
        </message>
        <message>
            <source>Now initiate the download on the tester</source>
            <translation>Start nu het downloaden op de tester</translation>
        </message>
        <message>
            <source>No such device. Check that the adapter is plugged in.</source>
            <translation>Apparaat niet gevonden. Controleer of de adapter is aangesloten.</translation>
        </message>
        <message>
            <source>The ports of this system: %1 --list-ports</source>
            <comment>%1 is the program's name</comment>
            <translation>De poorten van dit systeem: %1 --list-ports</translation>
        </message>
        <message>
            <source>Interrupted: nothing was saved</source>
            <translation>Onderbroken: er is niets opgeslagen</translation>
        </message>
        <message>
            <source>No data came within %1 s of asking the tester. Check that the tester is connected to this port and switched on, and start the transfer on the tester.</source>
            <comment>%1 is a number of seconds</comment>
            <translation>Binnen %1 s na het verzoek aan de tester kwamen geen gegevens. Controleer of de tester op deze poort is aangesloten en aanstaat, en start het downloaden op de tester.</translation>
        </message>
        <message>
            <source>Bytes written to the standard output: %1</source>
            <comment>%1 is a number of bytes</comment>
            <translation>Naar de standaarduitvoer geschreven bytes: %1</translation>
        </message>
        <message>
            <source>%1: %2 (%3 bytes)</source>
            <comment>%1 is "File successfully saved", %2 the file's path, %3 the number of bytes</comment>
            <translation>%1: %2 (%3 bytes)</translation>
        </message>
        <message>
            <source>Port %1: %2</source>
            <comment>%1 is the port, %2 what happened</comment>
            <translation>Poort %1: %2</translation>
        </message>
    </context>
    <context>
        <name>HistoryModel</name>
        <message>
            <source>Saved %1 times</source>
            <comment>%1 is a number of saves, always more than one</comment>
            <translation>%1 keer opgeslagen</translation>
        </message>
        <message>
            <source>not saved</source>
            <translation>niet opgeslagen</translation>
        </message>
        <message>
            <source>Date and time</source>
            <translation>Datum en tijd</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Poort</translation>
        </message>
        <message>
            <source>Bytes</source>
            <translation>Bytes</translation>
        </message>
        <message>
            <source>Lines</source>
            <translation>Regels</translation>
        </message>
        <message>
            <source>Ended</source>
            <translation>Einde</translation>
        </message>
        <message>
            <source>Saved as</source>
            <translation>Opgeslagen als</translation>
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
            <translation>Verzonden</translation>
        </message>
        <message>
            <source>Refused: %1</source>
            <comment>%1 is the reason</comment>
            <translation>Geweigerd: %1</translation>
        </message>
        <message>
            <source>Waiting</source>
            <comment>to be sent to the team archive</comment>
            <translation>Wacht</translation>
        </message>
        <message>
            <source>Team archive</source>
            <translation>Teamarchief</translation>
        </message>
    </context>
    <context>
        <name>HistoryWindow</name>
        <message>
            <source>History</source>
            <translation>Geschiedenis</translation>
        </message>
        <message>
            <source>Every download you receive will appear here, also the ones you do not save.</source>
            <translation>Elke download die u ontvangt verschijnt hier, ook als u hem niet opslaat.</translation>
        </message>
        <message>
            <source>&amp;Save As...</source>
            <translation>Op&amp;slaan als...</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>&amp;Openen</translation>
        </message>
        <message>
            <source>Opens the file this download was last saved as</source>
            <translation>Opent het bestand waarin deze download het laatst is opgeslagen</translation>
        </message>
        <message>
            <source>&amp;Results...</source>
            <translation>&amp;Resultaten...</translation>
        </message>
        <message>
            <source>Shows this download as a table of results</source>
            <translation>Toont deze download als een tabel met resultaten</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Verwijderen</translation>
        </message>
        <message>
            <source>Delete the download of %1 from the archive?</source>
            <comment>%1 is the date and time of the download</comment>
            <translation>De download van %1 uit het archief verwijderen?</translation>
        </message>
        <message>
            <source>The files it was saved as stay where they are.</source>
            <translation>De bestanden waarin hij is opgeslagen blijven staan.</translation>
        </message>
        <message>
            <source>This computer</source>
            <comment>the History's view of the local archive</comment>
            <translation>Deze computer</translation>
        </message>
        <message>
            <source>Team</source>
            <comment>the History's view of the team archive</comment>
            <translation>Team</translation>
        </message>
        <message>
            <source>Reading the team archive %1...</source>
            <comment>%1 is user@server:port/database</comment>
            <translation>Het teamarchief %1 wordt gelezen...</translation>
        </message>
        <message>
            <source>The team archive holds no downloads yet.</source>
            <translation>Het teamarchief bevat nog geen downloads.</translation>
        </message>
        <message>
            <source>Opens a copy of this download from the team archive</source>
            <translation>Opent een kopie van deze download uit het teamarchief</translation>
        </message>
        <message>
            <source>Reading download %1 from the team archive...</source>
            <translation>Download %1 wordt uit het teamarchief gelezen...</translation>
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
            <translation>Het ontwerp dat het archief voor '%1' bewaart, is niet bruikbaar: %2</translation>
        </message>
    </context>
    <context>
        <name>ListPortsCommand</name>
        <message>
            <source>--list-ports and --download exclude each other.</source>
            <translation>--list-ports en --download sluiten elkaar uit.</translation>
        </message>
        <message>
            <source>--format is text or json, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--format is text of json, niet ‘%1’.</translation>
        </message>
        <message>
            <source>The system reports no serial port. Plug in the tester's adapter and try again.</source>
            <translation>Het systeem meldt geen seriële poort. Sluit de adapter van de tester aan en probeer het opnieuw.</translation>
        </message>
        <message>
            <source>Lists the serial ports: name, device path, USB vendor:product, serial number and description, one port a line, and exits.</source>
            <translation>Somt de seriële poorten op (naam, apparaatpad, USB-leverancier:product, serienummer en beschrijving, één poort per regel) en sluit af.</translation>
        </message>
        <message>
            <source>With --list-ports, --list-downloads or --summary: text (the default) or json.</source>
            <translation>Met --list-ports, --list-downloads of --summary: text (standaard) of json.</translation>
        </message>
        <message>
            <source>format</source>
            <comment>value name of --format</comment>
            <translation>formaat</translation>
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
            <translation>Afsluiten</translation>
        </message>
        <message>
            <source>Quits the application</source>
            <translation>Sluit de toepassing af</translation>
        </message>
        <message>
            <source>Refresh Ports</source>
            <translation>Poorten vernieuwen</translation>
        </message>
        <message>
            <source>Refreshes the list of COM ports</source>
            <translation>Vernieuwt de lijst met COM-poorten</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Info</translation>
        </message>
        <message>
            <source>Shows version information about Solar DataLogger</source>
            <translation>Toont versie-informatie over Solar DataLogger</translation>
        </message>
        <message>
            <source>Change Language...</source>
            <translation>Taal wijzigen...</translation>
        </message>
        <message>
            <source>Change the language used in this application</source>
            <translation>Wijzigt de taal van deze toepassing</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Help</translation>
        </message>
        <message>
            <source>Shows documentation</source>
            <translation>Toont de documentatie</translation>
        </message>
        <message>
            <source>Convert CSV Data</source>
            <translation>CSV-gegevens converteren</translation>
        </message>
        <message>
            <source>Device Connection</source>
            <translation>Verbinding met apparaat</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuleren</translation>
        </message>
        <message>
            <source>Download</source>
            <translation>Downloaden</translation>
        </message>
        <message>
            <source>Downloaded Output</source>
            <translation>Gedownloade gegevens</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Openen</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Opslaan</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Bestand</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Extra</translation>
        </message>
        <message>
            <source>Country Settings</source>
            <translation>Landinstellingen</translation>
        </message>
        <message>
            <source>Please select a port and connect your device</source>
            <translation>Selecteer een poort en sluit uw apparaat aan</translation>
        </message>
        <message>
            <source>The language will be changed next time Marlune DataLogger is started.</source>
            <translation>De taal wordt gewijzigd bij de volgende start van Marlune DataLogger.</translation>
        </message>
        <message>
            <source>Would you like to restart now?</source>
            <translation>Wilt u nu opnieuw starten?</translation>
        </message>
        <message>
            <source>Now initiate the download on the tester</source>
            <translation>Start nu het downloaden op de tester</translation>
        </message>
        <message>
            <source>Comma Separated Value files (*.csv)</source>
            <translation>CSV-bestanden (*.csv)</translation>
        </message>
        <message>
            <source>Text files (*.txt)</source>
            <translation>Tekstbestanden (*.txt)</translation>
        </message>
        <message>
            <source>All files (*.*)</source>
            <translation>Alle bestanden (*.*)</translation>
        </message>
        <message>
            <source>Save downloaded data to file</source>
            <translation>Gedownloade gegevens opslaan in bestand</translation>
        </message>
        <message>
            <source>Would you like to convert the data to European format?</source>
            <translation>Wilt u de gegevens converteren naar de Europese notatie?</translation>
        </message>
        <message>
            <source>Decimal points will be replaced by commas and the commas separating fields will be replaced by semi-colons.</source>
            <translation>Decimale punten worden vervangen door decimale komma's, en de komma's tussen de velden worden vervangen door puntkomma's.</translation>
        </message>
        <message>
            <source>About Marlune DataLogger</source>
            <comment>Title of the About box</comment>
            <translation>Over Marlune DataLogger</translation>
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
            <translation>Ontvangen bytes: %1</translation>
        </message>
        <message>
            <source>The line sends only NUL bytes. Check the cable and the tester.</source>
            <translation>De lijn verzendt alleen NUL-bytes. Controleer de kabel en de tester.</translation>
        </message>
        <message>
            <source>The help pages were not found in "%1".</source>
            <comment>The %1 will be replaced with the name of a folder. Please do not remove it in your translation!</comment>
            <translation>De helppagina's zijn niet gevonden in ‘%1’.</translation>
        </message>
        <message>
            <source>Please reinstall Marlune DataLogger.</source>
            <translation>Installeer Marlune DataLogger opnieuw.</translation>
        </message>
        <message>
            <source>Failed to connect. Please check the device is connected and switched on</source>
            <translation>Verbinding mislukt. Controleer of het apparaat is aangesloten en ingeschakeld</translation>
        </message>
        <message>
            <source>File successfully saved</source>
            <translation>Bestand is opgeslagen</translation>
        </message>
        <message>
            <source>Error opening "%1" for writing. Is it open already or read only?</source>
            <comment>The %1 will be replaced with the a file name. Please do not remove it in your translation!</comment>
            <translation>Fout bij het openen van "%1" om te schrijven. Is het bestand al geopend of alleen-lezen?</translation>
        </message>
        <message>
            <source>Error saving "%1": %2</source>
            <comment>The %1 will be replaced with a file name and the %2 with the reason. Please do not remove them in your translation!</comment>
            <translation>Fout bij het opslaan van "%1": %2</translation>
        </message>
        <message>
            <source>View</source>
            <translation>Beeld</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Resultaten</translation>
        </message>
        <message>
            <source>Shows the downloaded data as a table of results with a summary and a chart</source>
            <translation>Toont de gedownloade gegevens als resultatentabel met een samenvatting en een grafiek</translation>
        </message>
        <message>
            <source>History...</source>
            <translation>Geschiedenis...</translation>
        </message>
        <message>
            <source>Shows every download kept in the archive</source>
            <translation>Toont elke download die in het archief bewaard is</translation>
        </message>
        <message>
            <source>Team archive...</source>
            <translation>Teamarchief...</translation>
        </message>
    </context>
    <context>
        <name>PortErrorText</name>
        <message>
            <source>No port is selected. Connect the adapter, then press Refresh Ports.</source>
            <translation>Geen poort geselecteerd. Sluit de adapter aan en klik daarna op "Poorten vernieuwen".</translation>
        </message>
        <message>
            <source>The port is in use by another program. Close the other program and try again.</source>
            <translation>De poort wordt door een ander programma gebruikt. Sluit het andere programma en probeer het opnieuw.</translation>
        </message>
        <message>
            <source>Permission denied. Add your user to the group "%1" that owns the port, then log out and log in again.</source>
            <comment>The %1 will be replaced with the name of a user group, such as dialout. Please do not remove it in your translation!</comment>
            <translation>Toegang geweigerd. Voeg uw gebruiker toe aan de groep "%1" die eigenaar is van de poort, en meld u daarna af en weer aan.</translation>
        </message>
        <message>
            <source>Permission denied. Your user account may not use this port.</source>
            <translation>Toegang geweigerd. Uw gebruikersaccount mag deze poort niet gebruiken.</translation>
        </message>
        <message>
            <source>No such device. Check that the adapter is plugged in, then press Refresh Ports.</source>
            <translation>Apparaat niet gevonden. Controleer of de adapter is aangesloten en klik daarna op "Poorten vernieuwen".</translation>
        </message>
        <message>
            <source>The system reported: %1</source>
            <comment>The %1 will be replaced with the error message of the operating system. Please do not remove it in your translation!</comment>
            <translation>Melding van het systeem: %1</translation>
        </message>
        <message>
            <source>The connection to the device was lost before any data arrived.</source>
            <translation>De verbinding met het apparaat is verbroken voordat er gegevens binnenkwamen.</translation>
        </message>
        <message>
            <source>The connection to the device was lost. The data received so far is kept.</source>
            <translation>De verbinding met het apparaat is verbroken. De tot nu toe ontvangen gegevens blijven behouden.</translation>
        </message>
    </context>
    <context>
        <name>ReportCommand</name>
        <message>
            <source>No design is kept in the archive for the site of these results (%1); give one with --design.</source>
            <comment>%1 lists the sites' names</comment>
            <translation>Het archief bewaart geen ontwerp voor de locatie van deze resultaten (%1); geef er een op met --design.</translation>
        </message>
        <message>
            <source>no Site column</source>
            <translation>geen kolom Site</translation>
        </message>
        <message>
            <source>The archive "%1" could not be read: %2</source>
            <comment>%1 is the archive's path, %2 the reason</comment>
            <translation>Het archief '%1' kon niet worden gelezen: %2</translation>
        </message>
        <message>
            <source>The archive keeps designs for several sites of these results (%1); choose one with --design.</source>
            <comment>%1 lists the sites' names</comment>
            <translation>Het archief bewaart ontwerpen voor meerdere locaties van deze resultaten (%1); kies er een met --design.</translation>
        </message>
        <message>
            <source>Writes the commissioning test report as the PDF file --output: the results of download ID of the archive, or of a saved .csv or .txt file, checked against the site's design (--design, else the design the archive keeps for the site).</source>
            <translation>Schrijft het opleveringstestrapport als PDF-bestand --output: de resultaten van download ID in het archief, of van een opgeslagen .csv- of .txt-bestand, getoetst aan het ontwerp van de locatie (--design, anders het ontwerp dat het archief voor de locatie bewaart).</translation>
        </message>
        <message>
            <source>ID or file</source>
            <comment>value name of --report</comment>
            <translation>ID of bestand</translation>
        </message>
        <message>
            <source>--report and --%1 exclude each other.</source>
            <comment>%1 is an option's name</comment>
            <translation>--report en --%1 sluiten elkaar uit.</translation>
        </message>
        <message>
            <source>The option '%1' does not go with --report.</source>
            <comment>%1 is an option's name</comment>
            <translation>De optie '%1' hoort niet bij --report.</translation>
        </message>
        <message>
            <source>--report needs a download's id or a saved file.</source>
            <translation>--report heeft het nummer van een download of een opgeslagen bestand nodig.</translation>
        </message>
        <message>
            <source>--report needs --output and the name of the PDF file to write.</source>
            <translation>--report heeft --output nodig met de naam van het te schrijven PDF-bestand.</translation>
        </message>
        <message>
            <source>--design needs a file.</source>
            <translation>--design heeft een bestand nodig.</translation>
        </message>
        <message>
            <source>--archive needs a file.</source>
            <translation>--archive heeft een bestand nodig.</translation>
        </message>
        <message>
            <source>There is no download %1 in the archive "%2".</source>
            <comment>%1 is the download's id, %2 the archive's path</comment>
            <translation>Er is geen download %1 in het archief '%2'.</translation>
        </message>
        <message>
            <source>The download %1 could not be read from the archive: %2</source>
            <comment>%1 is the download's id, %2 the reason</comment>
            <translation>De download %1 kon niet uit het archief worden gelezen: %2</translation>
        </message>
    </context>
    <context>
        <name>ReportPreviewDialog</name>
        <message>
            <source>Report preview</source>
            <translation>Voorbeeld van het rapport</translation>
        </message>
        <message>
            <source>Save PDF…</source>
            <translation>PDF opslaan…</translation>
        </message>
        <message>
            <source>Save the report</source>
            <translation>Rapport opslaan</translation>
        </message>
        <message>
            <source>commissioning-report.pdf</source>
            <comment>default file name</comment>
            <translation>opleveringstestrapport.pdf</translation>
        </message>
        <message>
            <source>PDF files (*.pdf)</source>
            <translation>PDF-bestanden (*.pdf)</translation>
        </message>
        <message>
            <source>Report not saved</source>
            <translation>Rapport niet opgeslagen</translation>
        </message>
    </context>
    <context>
        <name>ResultsChart</name>
        <message>
            <source>This column holds no numbers to draw.</source>
            <translation>Deze kolom bevat geen getallen om te tekenen.</translation>
        </message>
        <message>
            <source>Bars: %1</source>
            <translation>Staven: %1</translation>
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
            <translation>%1 andere regels met dezelfde waarschuwing worden niet vermeld.</translation>
        </message>
        <message>
            <source>The record numbers jump from %1 to %2 on line %3: records may be missing.</source>
            <translation>De recordnummers springen van %1 naar %2 op regel %3: er ontbreken mogelijk records.</translation>
        </message>
        <message>
            <source>The record number %1 on line %2 repeats or goes back (the one before is %3).</source>
            <translation>Het recordnummer %1 op regel %2 herhaalt zich of gaat terug (het vorige is %3).</translation>
        </message>
        <message>
            <source>The last record is incomplete: the tester may have paused longer than the read time-out. Download again with a longer time-out.</source>
            <translation>Het laatste record is onvolledig: de tester heeft mogelijk langer gepauzeerd dan de leestime-out. Download opnieuw met een langere time-out.</translation>
        </message>
        <message>
            <source>This download starts in the middle of a record: the previous one may have been cut short.</source>
            <translation>Deze download begint midden in een record: de vorige is mogelijk afgebroken.</translation>
        </message>
        <message>
            <source>Line %1 has %2 fields where most rows have %3.</source>
            <translation>Regel %1 heeft %2 velden, de meeste rijen hebben er %3.</translation>
        </message>
        <message>
            <source>Line %1 has %2 fields where the header has %3.</source>
            <translation>Regel %1 heeft %2 velden, de kopregel heeft er %3.</translation>
        </message>
    </context>
    <context>
        <name>ResultsFile</name>
        <message>
            <source>The file "%1" could not be read: %2</source>
            <comment>%1 is a file name, %2 the system's reason</comment>
            <translation>Het bestand ‘%1’ kon niet worden gelezen: %2</translation>
        </message>
        <message>
            <source>The file "%1" is too large to read as results: %2 bytes (at most %3).</source>
            <comment>%1 is a file name, %2 its size, %3 the largest size read</comment>
            <translation>Het bestand ‘%1’ is te groot om als resultaten te lezen: %2 bytes (hoogstens %3).</translation>
        </message>
    </context>
    <context>
        <name>ResultsFilterModel</name>
        <message>
            <source>The tester failed this record.</source>
            <translation>De tester heeft dit record afgekeurd.</translation>
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
            <translation>%1 · %2 overige</translation>
        </message>
    </context>
    <context>
        <name>ResultsWindow</name>
        <message>
            <source>Results</source>
            <translation>Resultaten</translation>
        </message>
        <message>
            <source>Table</source>
            <translation>Tabel</translation>
        </message>
        <message>
            <source>Filter: text in any column</source>
            <translation>Filter: tekst in een willekeurige kolom</translation>
        </message>
        <message>
            <source>Failed only</source>
            <translation>Alleen afgekeurd</translation>
        </message>
        <message>
            <source>Export CSV...</source>
            <translation>CSV exporteren...</translation>
        </message>
        <message>
            <source>Saves the rows shown as a CSV file</source>
            <translation>Slaat de getoonde rijen op als CSV-bestand</translation>
        </message>
        <message>
            <source>Chart</source>
            <translation>Grafiek</translation>
        </message>
        <message>
            <source>Values:</source>
            <translation>Waarden:</translation>
        </message>
        <message>
            <source>Labels:</source>
            <translation>Labels:</translation>
        </message>
        <message>
            <source>Groups:</source>
            <translation>Groepen:</translation>
        </message>
        <message>
            <source>Save Chart...</source>
            <translation>Grafiek opslaan...</translation>
        </message>
        <message>
            <source>Saves the chart as a PNG or SVG image</source>
            <translation>Slaat de grafiek op als PNG- of SVG-afbeelding</translation>
        </message>
        <message>
            <source>Results: %1</source>
            <comment>%1 is the name of the download or file</comment>
            <translation>Resultaten: %1</translation>
        </message>
        <message>
            <source>%1 of %2 records shown</source>
            <comment>%1 and %2 are counts</comment>
            <translation>%1 van %2 records getoond</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>(geen)</translation>
        </message>
        <message>
            <source>Export the rows shown</source>
            <translation>Getoonde rijen exporteren</translation>
        </message>
        <message>
            <source>Comma Separated Value files (*.csv)</source>
            <translation>CSV-bestanden (*.csv)</translation>
        </message>
        <message>
            <source>All files (*.*)</source>
            <translation>Alle bestanden (*.*)</translation>
        </message>
        <message>
            <source>PNG images (*.png)</source>
            <translation>PNG-afbeeldingen (*.png)</translation>
        </message>
        <message>
            <source>SVG images (*.svg)</source>
            <translation>SVG-afbeeldingen (*.svg)</translation>
        </message>
        <message>
            <source>Save the chart</source>
            <translation>Grafiek opslaan</translation>
        </message>
        <message>
            <source>The chart could not be saved as "%1": %2</source>
            <comment>%1 is a file name, %2 the system's reason</comment>
            <translation>De grafiek kon niet worden opgeslagen als ‘%1’: %2</translation>
        </message>
        <message>
            <source>Site design…</source>
            <translation>Locatieontwerp…</translation>
        </message>
        <message>
            <source>Report…</source>
            <translation>Rapport…</translation>
        </message>
        <message>
            <source>The design of the site: its arrays and limits, to check each string against.</source>
            <translation>Het ontwerp van de locatie: de velden en grenzen waaraan elke string wordt getoetst.</translation>
        </message>
        <message>
            <source>The commissioning test report of these results checked against the site design, shown before it is saved as PDF.</source>
            <translation>Het opleveringstestrapport van deze resultaten, getoetst aan het locatieontwerp, getoond voordat het als PDF wordt opgeslagen.</translation>
        </message>
        <message>
            <source>Site design</source>
            <translation>Locatieontwerp</translation>
        </message>
        <message>
            <source>The design could not be kept in the archive: %1</source>
            <comment>%1 is the reason</comment>
            <translation>Het ontwerp kon niet in het archief worden bewaard: %1</translation>
        </message>
        <message>
            <source>The archive could not be read: %1</source>
            <comment>%1 is the reason</comment>
            <translation>Het archief kon niet worden gelezen: %1</translation>
        </message>
    </context>
    <context>
        <name>SaveStep</name>
        <message>
            <source>Error writing to the standard output: %1</source>
            <comment>%1 is the system's reason</comment>
            <translation>Fout bij het schrijven naar de standaarduitvoer: %1</translation>
        </message>
        <message>
            <source>The European format applies to .csv files only; "%1" is written as received.</source>
            <comment>%1 is a file name</comment>
            <translation>De Europese notatie geldt alleen voor .csv-bestanden; ‘%1’ wordt geschreven zoals ontvangen.</translation>
        </message>
        <message>
            <source>The file's old content could not be put back: the file was changed.</source>
            <translation>De oude inhoud van het bestand kon niet worden teruggezet: het bestand is gewijzigd.</translation>
        </message>
    </context>
    <context>
        <name>SavedData</name>
        <message>
            <source>The file holds %1 bytes instead of %2.</source>
            <comment>%1 and %2 are numbers of bytes</comment>
            <translation>Het bestand bevat %1 bytes in plaats van %2.</translation>
        </message>
        <message>
            <source>It is a pipe, a device or a socket, not a regular file: only regular files are written.</source>
            <translation>Het is een pipe, een apparaat of een socket, geen gewoon bestand: alleen gewone bestanden worden geschreven.</translation>
        </message>
    </context>
    <context>
        <name>SiteDesignDialog</name>
        <message>
            <source>Site design</source>
            <translation>Locatieontwerp</translation>
        </message>
        <message>
            <source>Site</source>
            <translation>Locatie</translation>
        </message>
        <message>
            <source>Installation</source>
            <translation>Installatie</translation>
        </message>
        <message>
            <source>Site:</source>
            <translation>Locatie:</translation>
        </message>
        <message>
            <source>Address:</source>
            <translation>Adres:</translation>
        </message>
        <message>
            <source>Client:</source>
            <translation>Opdrachtgever:</translation>
        </message>
        <message>
            <source>Inspector:</source>
            <translation>Inspecteur:</translation>
        </message>
        <message>
            <source>Instrument</source>
            <translation>Meetinstrument</translation>
        </message>
        <message>
            <source>Model:</source>
            <translation>Model:</translation>
        </message>
        <message>
            <source>Serial number:</source>
            <translation>Serienummer:</translation>
        </message>
        <message>
            <source>Calibrated on:</source>
            <translation>Gekalibreerd op:</translation>
        </message>
        <message>
            <source>Arrays</source>
            <translation>Velden</translation>
        </message>
        <message>
            <source>Add array</source>
            <translation>Veld toevoegen</translation>
        </message>
        <message>
            <source>Remove array</source>
            <translation>Veld verwijderen</translation>
        </message>
        <message>
            <source>Checks and columns</source>
            <translation>Controles en kolommen</translation>
        </message>
        <message>
            <source>Tolerances</source>
            <translation>Toleranties</translation>
        </message>
        <message>
            <source>Voc against its neighbours:</source>
            <translation>Voc ten opzichte van de buurstrings:</translation>
        </message>
        <message>
            <source> %</source>
            <translation> %</translation>
        </message>
        <message>
            <source>Isc at STC:</source>
            <translation>Isc bij STC:</translation>
        </message>
        <message>
            <source>Least irradiance for Isc:</source>
            <translation>Minimale instraling voor Isc:</translation>
        </message>
        <message>
            <source> W/m²</source>
            <translation> W/m²</translation>
        </message>
        <message>
            <source>Columns of the data</source>
            <translation>Kolommen van de gegevens</translation>
        </message>
        <message>
            <source>Import…</source>
            <translation>Importeren…</translation>
        </message>
        <message>
            <source>Export…</source>
            <translation>Exporteren…</translation>
        </message>
        <message>
            <source>String name:</source>
            <translation>Stringnaam:</translation>
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
            <translation>Instraling:</translation>
        </message>
        <message>
            <source>Module temperature:</source>
            <translation>Moduletemperatuur:</translation>
        </message>
        <message>
            <source>Insulation resistance:</source>
            <translation>Isolatieweerstand:</translation>
        </message>
        <message>
            <source>Continuity:</source>
            <translation>Continuïteit:</translation>
        </message>
        <message>
            <source>not given</source>
            <translation>niet opgegeven</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Naam</translation>
        </message>
        <message>
            <source>Strings starting with</source>
            <translation>Strings beginnend met</translation>
        </message>
        <message>
            <source>Module</source>
            <translation>Module</translation>
        </message>
        <message>
            <source>Modules in series</source>
            <translation>Modules in serie</translation>
        </message>
        <message>
            <source>Voc at STC (V)</source>
            <translation>Voc bij STC (V)</translation>
        </message>
        <message>
            <source>Isc at STC (A)</source>
            <translation>Isc bij STC (A)</translation>
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
            <translation>Isolatietest (V)</translation>
        </message>
        <message>
            <source>Insulation min. (MΩ)</source>
            <translation>Isolatie min. (MΩ)</translation>
        </message>
        <message>
            <source>Continuity max. (Ω)</source>
            <translation>Continuïteit max. (Ω)</translation>
        </message>
        <message>
            <source>Leave the insulation figures empty to take them from the system voltage, and the continuity maximum empty not to check continuity.</source>
            <translation>Laat de isolatiewaarden leeg om ze uit de systeemspanning af te leiden, en het continuïteitsmaximum leeg om de continuïteit niet te controleren.</translation>
        </message>
        <message>
            <source>by its usual header</source>
            <translation>via de gebruikelijke kolomkop</translation>
        </message>
        <message>
            <source>The design needs at least one array.</source>
            <translation>Het ontwerp heeft minstens één veld nodig.</translation>
        </message>
        <message>
            <source>Array %1, %2: %3</source>
            <translation>Veld %1, %2: %3</translation>
        </message>
        <message>
            <source>required</source>
            <translation>verplicht</translation>
        </message>
        <message>
            <source>a whole number from 1 to 10000 is needed</source>
            <translation>een geheel getal van 1 tot 10000 is nodig</translation>
        </message>
        <message>
            <source>a number above 0 is needed</source>
            <translation>een getal groter dan 0 is nodig</translation>
        </message>
        <message>
            <source>a number is needed</source>
            <translation>een getal is nodig</translation>
        </message>
        <message>
            <source>a number above 0 is needed, or nothing</source>
            <translation>een getal groter dan 0 is nodig, of laat het leeg</translation>
        </message>
        <message>
            <source>The design file %1 could not be read: %2</source>
            <translation>Het ontwerpbestand %1 kon niet worden gelezen: %2</translation>
        </message>
        <message>
            <source>The design file %1 was not read: %2</source>
            <translation>Het ontwerpbestand %1 is niet ingelezen: %2</translation>
        </message>
        <message>
            <source>The design file %1 could not be written: %2</source>
            <translation>Het ontwerpbestand %1 kon niet worden geschreven: %2</translation>
        </message>
        <message>
            <source>Import a site design</source>
            <translation>Een locatieontwerp importeren</translation>
        </message>
        <message>
            <source>Site designs (*.json);;All files (*)</source>
            <translation>Locatieontwerpen (*.json);;Alle bestanden (*)</translation>
        </message>
        <message>
            <source>Export the site design</source>
            <translation>Het locatieontwerp exporteren</translation>
        </message>
    </context>
    <context>
        <name>SummaryCommand</name>
        <message>
            <source>file</source>
            <comment>value name of --summary</comment>
            <translation>bestand</translation>
        </message>
        <message>
            <source>--summary and --download exclude each other.</source>
            <translation>--summary en --download sluiten elkaar uit.</translation>
        </message>
        <message>
            <source>--format takes text or json, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--format accepteert text of json, niet '%1'.</translation>
        </message>
        <message>
            <source>With --summary or --report: checks the results string by string against the site's design in this JSON file (modules in series, Voc, Isc, insulation, continuity).</source>
            <translation>Met --summary of --report: toetst de resultaten string voor string aan het ontwerp van de locatie in dit JSON-bestand (modules in serie, Voc, Isc, isolatie, continuïteit).</translation>
        </message>
        <message>
            <source>file</source>
            <comment>value name of --design</comment>
            <translation>bestand</translation>
        </message>
        <message>
            <source>The design file "%1" could not be read: %2</source>
            <comment>%1 is a file name, %2 the system's reason</comment>
            <translation>Het ontwerpbestand '%1' kon niet worden gelezen: %2</translation>
        </message>
        <message>
            <source>The design file "%1" cannot be used: %2</source>
            <comment>%1 is a file name, %2 what in the file is wrong</comment>
            <translation>Het ontwerpbestand '%1' is niet bruikbaar: %2</translation>
        </message>
        <message>
            <source>--design needs a file.</source>
            <translation>--design heeft een bestand nodig.</translation>
        </message>
        <message>
            <source>row %1, %2: %3: %4</source>
            <comment>%1 is the row counted from 1 after the header, %2 the string's name, %3 the check's key (module_count...), %4 the reason</comment>
            <translation>rij %1, %2: %3: %4</translation>
        </message>
        <message>
            <source>Prints the summary of a saved .csv or .txt file (records, PASS, FAIL, other) and the warnings that its data may be incomplete.</source>
            <translation>Toont de samenvatting van een opgeslagen .csv- of .txt-bestand (records, PASS, FAIL, overige) en de waarschuwingen dat de gegevens mogelijk onvolledig zijn.</translation>
        </message>
    </context>
    <context>
        <name>TeamAddress</name>
        <message>
            <source>--team needs a connection URI such as postgresql://user@host:5432/database?sslmode=require, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--team heeft een verbindings-URI nodig zoals postgresql://user@host:5432/database?sslmode=require, niet '%1'.</translation>
        </message>
        <message>
            <source>The connection URI's '%1' cannot hold a ';'.</source>
            <comment>%1 is a key of the URI</comment>
            <translation>De '%1' van de verbindings-URI mag geen ';' bevatten.</translation>
        </message>
        <message>
            <source>The connection URI's port is a number from 1 to 65535, not '%1'.</source>
            <comment>%1 is the port as the user typed it</comment>
            <translation>De poort van de verbindings-URI is een getal van 1 tot en met 65535, niet '%1'.</translation>
        </message>
        <message>
            <source>The connection URI's sslmode is one of %1, not '%2'.</source>
            <comment>%1 lists the modes, %2 is the value as the user typed it</comment>
            <translation>De sslmode van de verbindings-URI is een van %1, niet '%2'.</translation>
        </message>
    </context>
    <context>
        <name>TeamArchiveDialog</name>
        <message>
            <source>Team archive</source>
            <translation>Teamarchief</translation>
        </message>
        <message>
            <source>kept in the system's keyring</source>
            <translation>bewaard in de sleutelbos van het systeem</translation>
        </message>
        <message>
            <source>Choose...</source>
            <translation>Kiezen...</translation>
        </message>
        <message>
            <source>CA certificate</source>
            <translation>CA-certificaat</translation>
        </message>
        <message>
            <source>Send downloads to the team archive</source>
            <translation>Downloads naar het teamarchief sturen</translation>
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
            <translation>Poort:</translation>
        </message>
        <message>
            <source>Database:</source>
            <translation>Database:</translation>
        </message>
        <message>
            <source>User:</source>
            <translation>Gebruiker:</translation>
        </message>
        <message>
            <source>Password:</source>
            <translation>Wachtwoord:</translation>
        </message>
        <message>
            <source>TLS:</source>
            <translation>TLS:</translation>
        </message>
        <message>
            <source>CA certificate (verify-full):</source>
            <translation>CA-certificaat (verify-full):</translation>
        </message>
        <message>
            <source>Testing...</source>
            <translation>Bezig met testen...</translation>
        </message>
        <message>
            <source>The team archive answers; %1 may use it.</source>
            <translation>Het teamarchief antwoordt; %1 mag het gebruiken.</translation>
        </message>
        <message>
            <source>The password could not be kept in the system's keyring (%1). Give it in ~/.pgpass instead.</source>
            <translation>Het wachtwoord kon niet in de sleutelbos van het systeem worden bewaard (%1). Zet het in plaats daarvan in ~/.pgpass.</translation>
        </message>
    </context>
    <context>
        <name>TeamArchiveStatus</name>
        <message>
            <source>Sent to the team archive</source>
            <translation>Naar het teamarchief gestuurd</translation>
        </message>
        <message numerus="yes">
            <source>Team archive unreachable: %n download(s) waiting</source>
            <translation>
                <numerusform>Teamarchief onbereikbaar: %n download wacht</numerusform>
                <numerusform>Teamarchief onbereikbaar: %n downloads wachten</numerusform>
            </translation>
        </message>
        <message>
            <source>Team archive: a download was refused</source>
            <translation>Teamarchief: een download is geweigerd</translation>
        </message>
    </context>
    <context>
        <name>TeamCommand</name>
        <message>
            <source>--team goes with one of --sync, --team-init, --list-downloads, --export, --report or --delete.</source>
            <translation>--team hoort bij precies een van --sync, --team-init, --list-downloads, --export, --report of --delete.</translation>
        </message>
        <message>
            <source>--report with --team needs the number of a download as --list-downloads --team shows it.</source>
            <translation>--report met --team heeft het nummer van een download nodig zoals --list-downloads --team het toont.</translation>
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
            <translation>Datum en tijd</translation>
        </message>
        <message>
            <source>Engineer</source>
            <translation>Monteur</translation>
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
            <translation>Locatie</translation>
        </message>
        <message numerus="yes">
            <source>%1 %n download(s) waiting.</source>
            <comment>%1 is why; the number follows</comment>
            <translation>
                <numerusform>%1 %n download wacht.</numerusform>
                <numerusform>%1 %n downloads wachten.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Sent to the team archive %1: %n new download(s).</source>
            <comment>%1 is user@server:port/database</comment>
            <translation>
                <numerusform>Naar het teamarchief %1 gestuurd: %n nieuwe download.</numerusform>
                <numerusform>Naar het teamarchief %1 gestuurd: %n nieuwe downloads.</numerusform>
            </translation>
        </message>
        <message>
            <source>The team archive %1 is up to date (version %2).</source>
            <translation>Het teamarchief %1 is bijgewerkt (versie %2).</translation>
        </message>
        <message>
            <source>The team archive %1 is ready (version %2). Grant its users a role: GRANT %3 TO user; or GRANT %4 TO user;</source>
            <comment>%3 and %4 are roles</comment>
            <translation>Het teamarchief %1 is klaar (versie %2). Geef de gebruikers een rol: GRANT %3 TO user; of GRANT %4 TO user;</translation>
        </message>
        <message>
            <source>With --list-downloads, --export, --report or --delete: the team archive instead of this computer's; URL is a connection URI such as postgresql://user@server:5432/database?sslmode=require (without it: the Team archive settings).</source>
            <translation>Met --list-downloads, --export, --report of --delete: het teamarchief in plaats van dat van deze computer; URL is een verbindings-URI zoals postgresql://user@server:5432/database?sslmode=require (zonder: de instellingen van het teamarchief).</translation>
        </message>
        <message>
            <source>URL</source>
            <comment>value name of --team</comment>
            <translation>URL</translation>
        </message>
        <message>
            <source>Sends every download of the archive that the team archive lacks.</source>
            <translation>Stuurt elke download van het archief die het teamarchief mist.</translation>
        </message>
        <message>
            <source>Creates the team archive on the server or brings it up to date (needs the database owner's rights).</source>
            <translation>Maakt het teamarchief op de server aan of werkt het bij (vraagt de rechten van de eigenaar van de database).</translation>
        </message>
        <message>
            <source>Download %1 deleted from the team archive.</source>
            <translation>Download %1 verwijderd uit het teamarchief.</translation>
        </message>
    </context>
    <context>
        <name>TeamConnection</name>
        <message>
            <source>%1 may not use the team archive: the office grants the role %2 (or %3). The server said: %4</source>
            <comment>%1 is a user name, %2 and %3 roles, %4 the server's words</comment>
            <translation>%1 mag het teamarchief niet gebruiken: het kantoor kent de rol %2 (of %3) toe. De server meldde: %4</translation>
        </message>
        <message>
            <source>The team archive %1 cannot be reached: %2</source>
            <comment>%1 is user@server:port/database, %2 the reason</comment>
            <translation>Het teamarchief %1 is niet bereikbaar: %2</translation>
        </message>
        <message>
            <source>The team archive %1 refused the login: %2</source>
            <comment>%1 is user@server:port/database, %2 the reason</comment>
            <translation>Het teamarchief %1 weigerde de aanmelding: %2</translation>
        </message>
        <message>
            <source>No secure connection to the team archive %1: %2</source>
            <comment>%1 is user@server:port/database, %2 the reason</comment>
            <translation>Geen beveiligde verbinding met het teamarchief %1: %2</translation>
        </message>
        <message>
            <source>The team archive %1 said: %2</source>
            <comment>%1 is user@server:port/database, %2 the server's words</comment>
            <translation>Het teamarchief %1 meldde: %2</translation>
        </message>
        <message>
            <source>The team archive needs Qt SQL's PostgreSQL driver (Debian: the package libqt5sql5-psql), which is not installed.</source>
            <translation>Het teamarchief heeft het PostgreSQL-stuurprogramma van Qt SQL nodig (Debian: het pakket libqt5sql5-psql), dat niet geïnstalleerd is.</translation>
        </message>
        <message>
            <source>The database %1 holds no team archive. Its owner makes one with --team-init.</source>
            <comment>%1 is user@server:port/database</comment>
            <translation>De database %1 bevat geen teamarchief. De eigenaar maakt er een met --team-init.</translation>
        </message>
        <message>
            <source>The team archive %1 was made by a newer version of this program (version %2; this one knows %3). Install the newer version.</source>
            <comment>%1 is user@server:port/database, %2 and %3 version numbers</comment>
            <translation>Het teamarchief %1 is gemaakt door een nieuwere versie van dit programma (versie %2; deze kent %3). Installeer de nieuwere versie.</translation>
        </message>
        <message>
            <source>The team archive %1 is of an older version (%2): its owner brings it up to date with --team-init.</source>
            <comment>%1 is user@server:port/database, %2 a version number</comment>
            <translation>Het teamarchief %1 heeft een oudere versie (%2): de eigenaar werkt het bij met --team-init.</translation>
        </message>
    </context>
    <context>
        <name>TeamDownloads</name>
        <message>
            <source>There is no download %1 in the team archive.</source>
            <comment>%1 is the number or identity of a download</comment>
            <translation>Er is geen download %1 in het teamarchief.</translation>
        </message>
        <message>
            <source>The bytes of download %1 are missing from the team archive.</source>
            <translation>De bytes van download %1 ontbreken in het teamarchief.</translation>
        </message>
        <message>
            <source>The bytes of download %1 in the team archive do not match their SHA-256.</source>
            <translation>De bytes van download %1 in het teamarchief komen niet overeen met hun SHA-256.</translation>
        </message>
        <message>
            <source>Download %1 was sent by %2: only they (or the archive's owner) can delete it.</source>
            <comment>%1 is a download's number, %2 a user name</comment>
            <translation>Download %1 is gestuurd door %2: alleen die persoon (of de eigenaar van het archief) kan hem verwijderen.</translation>
        </message>
    </context>
    <context>
        <name>TeamHistoryModel</name>
        <message>
            <source>Arrived %1</source>
            <comment>%1 is the date and time the team archive received it</comment>
            <translation>Binnengekomen op %1</translation>
        </message>
        <message>
            <source>Engineer</source>
            <translation>Monteur</translation>
        </message>
        <message>
            <source>Computer</source>
            <translation>Computer</translation>
        </message>
        <message>
            <source>Site(s)</source>
            <translation>Locatie(s)</translation>
        </message>
    </context>
    <context>
        <name>TeamPassword</name>
        <message numerus="yes">
            <source>the keyring did not answer within %n second(s)</source>
            <translation>
                <numerusform>de sleutelbos antwoordde niet binnen %n seconde</numerusform>
                <numerusform>de sleutelbos antwoordde niet binnen %n seconden</numerusform>
            </translation>
        </message>
        <message>
            <source>this build keeps no passwords; use ~/.pgpass or PGPASSWORD</source>
            <translation>deze versie bewaart geen wachtwoorden; gebruik ~/.pgpass of PGPASSWORD</translation>
        </message>
    </context>
    <context>
        <name>TeamSchema</name>
        <message>
            <source>The team archive was made by a newer version of this program (version %1; this one knows %2): it is left as it is.</source>
            <comment>%1 and %2 are version numbers</comment>
            <translation>Het teamarchief is gemaakt door een nieuwere versie van dit programma (versie %1; deze kent %2): het blijft zoals het is.</translation>
        </message>
    </context>
    <context>
        <name>TeamSender</name>
        <message>
            <source>the team archive holds other bytes under this download's identity</source>
            <translation>het teamarchief bevat andere bytes onder de identiteit van deze download</translation>
        </message>
        <message numerus="yes">
            <source>%n download(s) refused: the team archive holds other bytes under their identity.</source>
            <translation>
                <numerusform>%n download geweigerd: het teamarchief bevat andere bytes onder de identiteit ervan.</numerusform>
                <numerusform>%n downloads geweigerd: het teamarchief bevat andere bytes onder hun identiteit.</numerusform>
            </translation>
        </message>
    </context>
</TS>
