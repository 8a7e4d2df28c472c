<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
    <context>
        <name>Archive</name>
        <message>
            <source>the system refused</source>
            <translation>il sistema ha rifiutato</translation>
        </message>
        <message>
            <source>%1 is not a folder</source>
            <translation>%1 non è una cartella</translation>
        </message>
        <message>
            <source>the folder %1 cannot be created</source>
            <translation>non è possibile creare la cartella %1</translation>
        </message>
        <message>
            <source>the disk is full</source>
            <translation>il disco è pieno</translation>
        </message>
        <message numerus="yes">
            <source>another program kept the archive busy for more than %n second(s)</source>
            <translation>
                <numerusform>un altro programma ha tenuto occupato l'archivio per più di %n secondo</numerusform>
                <numerusform>un altro programma ha tenuto occupato l'archivio per più di %n secondi</numerusform>
            </translation>
        </message>
        <message>
            <source>the archive cannot be written</source>
            <translation>non è possibile scrivere nell'archivio</translation>
        </message>
        <message>
            <source>The archive %1 cannot be opened: %2</source>
            <translation>Non è possibile aprire l'archivio %1: %2</translation>
        </message>
        <message>
            <source>The archive %1 was written by a newer version of this program. It was moved aside as %2 and a new archive was started.</source>
            <translation>L'archivio %1 è stato scritto da una versione più recente di questo programma. È stato messo da parte come %2 ed è stato iniziato un nuovo archivio.</translation>
        </message>
        <message>
            <source>The archive %1 was damaged. It was moved aside as %2 and a new archive was started.</source>
            <translation>L'archivio %1 era danneggiato. È stato messo da parte come %2 ed è stato iniziato un nuovo archivio.</translation>
        </message>
        <message>
            <source>it is damaged</source>
            <translation>è danneggiato</translation>
        </message>
        <message>
            <source>The archive %1 is damaged and could not be moved aside (%2). It was left as it is, and downloads are not archived until it is moved or deleted.</source>
            <translation>L'archivio %1 è danneggiato e non è stato possibile metterlo da parte (%2). È stato lasciato com'è e gli scaricamenti non vengono archiviati finché non viene spostato o eliminato.</translation>
        </message>
        <message>
            <source>the SQLite driver of Qt SQL is not installed</source>
            <translation>il driver SQLite di Qt SQL non è installato</translation>
        </message>
        <message>
            <source>This download was not archived: %1</source>
            <translation>Questo scaricamento non è stato archiviato: %1</translation>
        </message>
        <message>
            <source>the archive is not open</source>
            <translation>l'archivio non è aperto</translation>
        </message>
        <message>
            <source>There is no download %1 in the archive.</source>
            <translation>Nell'archivio non c'è nessuno scaricamento %1.</translation>
        </message>
        <message>
            <source>%1 is a link to %2, which does not exist; nothing was changed</source>
            <comment>%1 and %2 are paths</comment>
            <translation>%1 è un collegamento a %2, che non esiste; non è stato modificato nulla</translation>
        </message>
        <message>
            <source>There is no archive at %1.</source>
            <comment>%1 is a path</comment>
            <translation>Non c'è alcun archivio in %1.</translation>
        </message>
        <message>
            <source>%1 was written by a newer version of this program; nothing was changed</source>
            <comment>%1 is a path</comment>
            <translation>%1 è stato scritto da una versione più recente di questo programma; non è stato modificato nulla</translation>
        </message>
        <message>
            <source>%1 is damaged; nothing was changed</source>
            <comment>%1 is the archive's path</comment>
            <translation>%1 è danneggiato; non è stato modificato nulla</translation>
        </message>
        <message>
            <source>%1 is damaged (%2); nothing was changed</source>
            <comment>%1 is the archive's path, %2 SQLite's words</comment>
            <translation>%1 è danneggiato (%2); non è stato modificato nulla</translation>
        </message>
        <message>
            <source>%1 is not an archive of this program; nothing was changed</source>
            <comment>%1 is a path</comment>
            <translation>%1 non è un archivio di questo programma; non è stato modificato nulla</translation>
        </message>
    </context>
    <context>
        <name>ArchiveCommand</name>
        <message>
            <source>--list-downloads, --export and --delete go one at a time.</source>
            <translation>--list-downloads, --export e --delete si usano uno alla volta.</translation>
        </message>
        <message>
            <source>--%1 needs the number of a download as --list-downloads shows it, not '%2'.</source>
            <comment>%1 is an option's name, %2 the value as the user typed it</comment>
            <translation>--%1 richiede il numero di uno scaricamento come lo mostra --list-downloads, non '%2'.</translation>
        </message>
        <message>
            <source>--export needs --output.</source>
            <translation>--export richiede --output.</translation>
        </message>
        <message>
            <source>--european and --no-european exclude each other.</source>
            <translation>--european e --no-european si escludono a vicenda.</translation>
        </message>
        <message>
            <source>--format is text or json, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--format è text o json, non «%1».</translation>
        </message>
        <message>
            <source>--archive needs a file.</source>
            <translation>--archive richiede un file.</translation>
        </message>
    </context>
    <context>
        <name>ArchiveCommands</name>
        <message>
            <source>Lists the downloads kept in the archive, newest first.</source>
            <translation>Elenca gli scaricamenti conservati nell'archivio, dal più recente.</translation>
        </message>
        <message>
            <source>Saves download ID of the archive as --output, as after a download (--european applies).</source>
            <translation>Salva lo scaricamento ID dell'archivio come --output, come dopo uno scaricamento (--european si applica).</translation>
        </message>
        <message>
            <source>ID</source>
            <comment>value name of --export</comment>
            <translation>ID</translation>
        </message>
        <message>
            <source>Deletes download ID from the archive.</source>
            <translation>Elimina lo scaricamento ID dall'archivio.</translation>
        </message>
        <message>
            <source>ID</source>
            <comment>value name of --delete</comment>
            <translation>ID</translation>
        </message>
        <message>
            <source>The archive to use instead of the program's own (%1).</source>
            <comment>%1 is a file's path</comment>
            <translation>L'archivio da usare al posto di quello del programma (%1).</translation>
        </message>
        <message>
            <source>file</source>
            <comment>value name of --archive</comment>
            <translation>file</translation>
        </message>
        <message>
            <source>Does not keep the download in the archive (with --download).</source>
            <translation>Non conserva lo scaricamento nell'archivio (con --download).</translation>
        </message>
        <message>
            <source>There is no download %1 in the archive %2.</source>
            <comment>%1 is the number of a download, %2 the archive's path</comment>
            <translation>Non c'è nessuno scaricamento %1 nell'archivio %2.</translation>
        </message>
        <message>
            <source>Download %1 deleted from the archive.</source>
            <comment>%1 is the number of a download</comment>
            <translation>Scaricamento %1 eliminato dall'archivio.</translation>
        </message>
        <message>
            <source>ID</source>
            <translation>ID</translation>
        </message>
        <message>
            <source>Date and time</source>
            <translation>Data e ora</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Porta</translation>
        </message>
        <message>
            <source>Bytes</source>
            <translation>Byte</translation>
        </message>
        <message>
            <source>Ended</source>
            <translation>Fine</translation>
        </message>
        <message>
            <source>Saved as</source>
            <translation>Salvato come</translation>
        </message>
        <message>
            <source>not saved</source>
            <translation>non salvato</translation>
        </message>
        <message>
            <source>The archive %1 could not be read: %2</source>
            <comment>%1 is the archive's path, %2 the reason</comment>
            <translation>Non è stato possibile leggere l'archivio %1: %2</translation>
        </message>
        <message>
            <source>The archive could not record this save: %1</source>
            <comment>%1 is the reason</comment>
            <translation>L'archivio non ha potuto registrare questo salvataggio: %1</translation>
        </message>
    </context>
    <context>
        <name>Command</name>
        <message>
            <source>The option '%1' does not go with --%2.</source>
            <comment>%1 and %2 are options' names</comment>
            <translation>L'opzione '%1' non si può usare con --%2.</translation>
        </message>
    </context>
    <context>
        <name>CommandLine</name>
        <message>
            <source>Downloads the stored test results of a solar installation tester over a serial port and saves them as .csv or .txt files.</source>
            <translation>Scarica i risultati delle prove memorizzati in uno strumento di verifica per impianti solari tramite una porta seriale e li salva come file .csv o .txt.</translation>
        </message>
        <message>
            <source>Without options it opens the program's window.</source>
            <translation>Senza opzioni apre la finestra del programma.</translation>
        </message>
        <message>
            <source>Shows this help and exits.</source>
            <translation>Mostra questa guida ed esce.</translation>
        </message>
        <message>
            <source>Shows the program's name and version and exits.</source>
            <translation>Mostra il nome e la versione del programma ed esce.</translation>
        </message>
        <message>
            <source>Unexpected argument '%1'.</source>
            <comment>%1 is the argument as the user typed it</comment>
            <translation>Argomento imprevisto «%1».</translation>
        </message>
        <message>
            <source>User guide: %1</source>
            <comment>%1 is the path of the help page</comment>
            <translation>Guida per l'utente: %1</translation>
        </message>
        <message>
            <source>the results are saved</source>
            <translation>i risultati sono stati salvati</translation>
        </message>
        <message>
            <source>the port could not be opened</source>
            <translation>non è stato possibile aprire la porta</translation>
        </message>
        <message>
            <source>the line was lost before any data came</source>
            <translation>la connessione si è interrotta prima che arrivassero dati</translation>
        </message>
        <message>
            <source>interrupted with Ctrl+C (SIGINT)</source>
            <translation>interrotto con Ctrl+C (SIGINT)</translation>
        </message>
        <message>
            <source>stopped with SIGTERM</source>
            <translation>terminato con SIGTERM</translation>
        </message>
        <message>
            <source>no data came within --start-timeout</source>
            <translation>nessun dato arrivato entro --start-timeout</translation>
        </message>
        <message>
            <source>stopped with SIGHUP (the terminal or SSH session closed); nothing saved</source>
            <translation>fermato con SIGHUP (terminale o sessione SSH chiusi); nulla salvato</translation>
        </message>
        <message>
            <source>No display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set). To download without a window: %1 --download --port PORT --output FILE</source>
            <comment>%1 is the program's name; PORT and FILE stand for values the user fills in</comment>
            <translation>Nessuno schermo su cui aprire la finestra (né DISPLAY né WAYLAND_DISPLAY sono impostati). Per scaricare senza finestra: %1 --download --port PORTA --output FILE</translation>
        </message>
        <message>
            <source>saved (or read), but the data may be incomplete: the line was lost before it fell silent, or the last record is cut or records are missing</source>
            <translation>salvato (o letto), ma i dati potrebbero essere incompleti: la connessione è andata persa prima che la linea tacesse, oppure l'ultimo record è troncato o mancano dei record</translation>
        </message>
        <message>
            <source>Exit status of --download, --summary and --report:</source>
            <translation>Stato di uscita di --download, --summary e --report:</translation>
        </message>
        <message>
            <source>the command line is wrong, or a file, the design file or the archive could not be read</source>
            <translation>la riga di comando è errata, oppure non è stato possibile leggere un file, il file di progetto o l'archivio</translation>
        </message>
        <message>
            <source>the file (or the report) could not be written</source>
            <translation>non è stato possibile scrivere il file (o il rapporto)</translation>
        </message>
        <message>
            <source>no such download in the archive (--export, --delete, --report)</source>
            <translation>nessuno scaricamento con quel numero nell'archivio (--export, --delete, --report)</translation>
        </message>
        <message>
            <source>the team archive cannot be reached or refuses (the downloads stay waiting)</source>
            <translation>l'archivio del team non è raggiungibile o rifiuta (i download restano in attesa)</translation>
        </message>
        <message>
            <source>the archive is missing, refused (a file named with --archive that is not an archive of this program) or cannot be read</source>
            <translation>l'archivio manca, è stato rifiutato (un file indicato con --archive che non è un archivio di questo programma) o non può essere letto</translation>
        </message>
    </context>
    <context>
        <name>CommissioningReport</name>
        <message>
            <source>Module count</source>
            <translation>Numero di moduli</translation>
        </message>
        <message>
            <source>Voc against its neighbours</source>
            <translation>Voc rispetto alle stringhe vicine</translation>
        </message>
        <message>
            <source>Isc at STC</source>
            <translation>Isc in STC</translation>
        </message>
        <message>
            <source>Insulation</source>
            <translation>Isolamento</translation>
        </message>
        <message>
            <source>Continuity</source>
            <translation>Continuità</translation>
        </message>
        <message>
            <source>Commissioning test report</source>
            <translation>Rapporto di prova di messa in servizio</translation>
        </message>
        <message>
            <source>line %1</source>
            <translation>riga %1</translation>
        </message>
        <message>
            <source>(no site named)</source>
            <translation>(nessun impianto indicato)</translation>
        </message>
        <message>
            <source>%1 to %2</source>
            <translation>dal %1 al %2</translation>
        </message>
        <message>
            <source>Site</source>
            <translation>Impianto</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>Indirizzo</translation>
        </message>
        <message>
            <source>Client</source>
            <translation>Committente</translation>
        </message>
        <message>
            <source>Date of the tests</source>
            <translation>Data delle prove</translation>
        </message>
        <message>
            <source>Inspector</source>
            <translation>Ispettore</translation>
        </message>
        <message>
            <source>Instrument</source>
            <translation>Strumento</translation>
        </message>
        <message>
            <source>%1, serial number %2, calibrated on %3</source>
            <translation>%1, numero di serie %2, tarato il %3</translation>
        </message>
        <message>
            <source>Summary</source>
            <translation>Riepilogo</translation>
        </message>
        <message>
            <source>Nothing to report: the data holds no records.</source>
            <translation>Nulla da riportare: i dati non contengono alcun record.</translation>
        </message>
        <message>
            <source>Nothing to report: the data holds no records of the site "%1".</source>
            <translation>Nulla da riportare: i dati non contengono alcun record dell'impianto «%1».</translation>
        </message>
        <message>
            <source>%1 records: %2 PASS and %3 FAIL by the tester</source>
            <translation>%1 record: %2 PASS e %3 FAIL secondo lo strumento</translation>
        </message>
        <message>
            <source>%1 strings checked against the design: %2 FAIL by the design checks</source>
            <translation>%1 stringhe verificate rispetto al progetto: %2 FAIL secondo le verifiche di progetto</translation>
        </message>
        <message>
            <source>The design has no arrays: no string was checked against it.</source>
            <translation>Il progetto non ha campi: nessuna stringa è stata verificata rispetto a esso.</translation>
        </message>
        <message>
            <source>%1: %2</source>
            <translation>%1: %2</translation>
        </message>
        <message>
            <source>FAIL by the tester's own limits</source>
            <translation>FAIL secondo i limiti propri dello strumento</translation>
        </message>
        <message>
            <source>Failures</source>
            <translation>Non superati</translation>
        </message>
        <message>
            <source>String</source>
            <translation>Stringa</translation>
        </message>
        <message>
            <source>Tester</source>
            <translation>Strumento</translation>
        </message>
        <message>
            <source>Design checks: why</source>
            <translation>Verifiche di progetto: motivo</translation>
        </message>
        <message>
            <source>Voc (V)</source>
            <translation>Voc (V)</translation>
        </message>
        <message>
            <source>Voc expected (V)</source>
            <translation>Voc attesa (V)</translation>
        </message>
        <message>
            <source>Isc (A)</source>
            <translation>Isc (A)</translation>
        </message>
        <message>
            <source>Isc at STC (A)</source>
            <translation>Isc in STC (A)</translation>
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
            <translation>Continuità (Ω)</translation>
        </message>
        <message>
            <source>Design checks</source>
            <translation>Verifiche di progetto</translation>
        </message>
        <message>
            <source>Array "%1": %2 modules of %3 in series, matched by "%4"</source>
            <translation>Campo «%1»: %2 moduli di tipo %3 in serie, stringhe associate tramite «%4»</translation>
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
            <translation>non verificato</translation>
        </message>
        <message>
            <source>Array "%1" (continued)</source>
            <translation>Campo «%1» (continua)</translation>
        </message>
        <message>
            <source>Strings not checked against the design</source>
            <translation>Stringhe non verificate rispetto al progetto</translation>
        </message>
        <message>
            <source>Reason</source>
            <translation>Motivo</translation>
        </message>
        <message>
            <source>Pass criteria</source>
            <translation>Criteri di accettazione</translation>
        </message>
        <message>
            <source>The tester judges each record by its own limits. The design checks judge each string against the design of its array:</source>
            <translation>Lo strumento valuta ogni record in base ai propri limiti. Le verifiche di progetto valutano ogni stringa rispetto al progetto del suo campo:</translation>
        </message>
        <message>
            <source>Module count: round(Voc ÷ (Voc_STC × (1 + β × (T − 25 °C)))) equals the modules in series.</source>
            <translation>Numero di moduli: arrotondamento(Voc ÷ (Voc_STC × (1 + β × (T − 25 °C)))) è uguale al numero di moduli in serie.</translation>
        </message>
        <message>
            <source>Voc against its neighbours: Voc brought to 25 °C with β is within %1 % of the median of the same array's strings.</source>
            <translation>Voc rispetto alle stringhe vicine: Voc riportata a 25 °C con β rientra nel %1 % della mediana delle stringhe dello stesso campo.</translation>
        </message>
        <message>
            <source>Isc at STC: Isc × 1000 ÷ G ÷ (1 + α × (T − 25 °C)) is within %1 % of Isc_STC; not checked below %2 W/m².</source>
            <translation>Isc in STC: Isc × 1000 ÷ G ÷ (1 + α × (T − 25 °C)) rientra nel %1 % di Isc_STC; non verificata sotto %2 W/m².</translation>
        </message>
        <message>
            <source>Insulation: Riso at least the array's minimum.</source>
            <translation>Isolamento: Riso almeno pari al minimo del campo.</translation>
        </message>
        <message>
            <source>Continuity: at most the array's maximum, when the design sets one.</source>
            <translation>Continuità: al massimo il massimo del campo, quando il progetto ne stabilisce uno.</translation>
        </message>
        <message>
            <source>Array</source>
            <translation>Campo</translation>
        </message>
        <message>
            <source>Strings matched by</source>
            <translation>Stringhe associate tramite</translation>
        </message>
        <message>
            <source>Module</source>
            <translation>Modulo</translation>
        </message>
        <message>
            <source>Modules in series</source>
            <translation>Moduli in serie</translation>
        </message>
        <message>
            <source>Module Voc at STC</source>
            <translation>Voc del modulo in STC</translation>
        </message>
        <message>
            <source>%1 V</source>
            <translation>%1 V</translation>
        </message>
        <message>
            <source>Module Isc at STC</source>
            <translation>Isc del modulo in STC</translation>
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
            <translation>Tensione di sistema (N × Voc_STC × 1,25)</translation>
        </message>
        <message>
            <source>Insulation test voltage</source>
            <translation>Tensione di prova di isolamento</translation>
        </message>
        <message>
            <source>%1 (by the system voltage)</source>
            <translation>%1 (in base alla tensione di sistema)</translation>
        </message>
        <message>
            <source>Insulation minimum</source>
            <translation>Isolamento minimo</translation>
        </message>
        <message>
            <source>%1 MΩ</source>
            <translation>%1 MΩ</translation>
        </message>
        <message>
            <source>Continuity maximum</source>
            <translation>Continuità massima</translation>
        </message>
        <message>
            <source>%1 Ω</source>
            <translation>%1 Ω</translation>
        </message>
        <message>
            <source>Signatures</source>
            <translation>Firme</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nome</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>Signature</source>
            <translation>Firma</translation>
        </message>
        <message>
            <source>Trace of the data</source>
            <translation>Tracciabilità dei dati</translation>
        </message>
        <message>
            <source>download %1 in the archive</source>
            <translation>scaricamento %1 nell'archivio</translation>
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
            <translation>Origine</translation>
        </message>
        <message>
            <source>Downloaded</source>
            <translation>Scaricato il</translation>
        </message>
        <message>
            <source>Bytes as received</source>
            <translation>Byte ricevuti</translation>
        </message>
        <message>
            <source>SHA-256 of the bytes</source>
            <translation>SHA-256 dei byte</translation>
        </message>
        <message>
            <source>Page %1 of %2</source>
            <translation>Pagina %1 di %2</translation>
        </message>
        <message>
            <source>The report could not be written to %1: %2</source>
            <translation>Non è stato possibile scrivere il rapporto in %1: %2</translation>
        </message>
        <message>
            <source>the PDF could not be drawn</source>
            <translation>non è stato possibile generare il PDF</translation>
        </message>
        <message>
            <source>%1 records: %2 PASS, %3 FAIL and %4 other by the tester</source>
            <comment>%4 the records whose result is neither PASS nor FAIL</comment>
            <translation>%1 record: %2 PASS, %3 FAIL e %4 altri secondo lo strumento</translation>
        </message>
        <message>
            <source>Arrays without strings in the data (%1): %2</source>
            <comment>%1 how many, %2 their names</comment>
            <translation>Campi senza stringhe nei dati (%1): %2</translation>
        </message>
    </context>
    <context>
        <name>DesignChecks</name>
        <message>
            <source>site</source>
            <translation>impianto</translation>
        </message>
        <message>
            <source>string name</source>
            <translation>nome della stringa</translation>
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
            <translation>irraggiamento</translation>
        </message>
        <message>
            <source>module temperature</source>
            <translation>temperatura del modulo</translation>
        </message>
        <message>
            <source>insulation resistance</source>
            <translation>resistenza di isolamento</translation>
        </message>
        <message>
            <source>continuity</source>
            <translation>continuità</translation>
        </message>
        <message>
            <source>The site "%1" is not the design's site "%2".</source>
            <translation>L'impianto «%1» non è l'impianto del progetto «%2».</translation>
        </message>
        <message>
            <source>The row has no string name.</source>
            <translation>La riga non ha un nome di stringa.</translation>
        </message>
        <message>
            <source>No array of the design matches the string "%1".</source>
            <translation>Nessun campo del progetto corrisponde alla stringa «%1».</translation>
        </message>
        <message>
            <source>The data has no column "%1".</source>
            <translation>I dati non hanno la colonna «%1».</translation>
        </message>
        <message>
            <source>The data has no column of %1.</source>
            <translation>I dati non hanno una colonna per %1.</translation>
        </message>
        <message>
            <source>The row has no value of %1.</source>
            <translation>La riga non ha un valore per %1.</translation>
        </message>
        <message>
            <source>A module temperature of %1 °C is out of range.</source>
            <translation>Una temperatura del modulo di %1 °C è fuori intervallo.</translation>
        </message>
        <message>
            <source>%1 modules measured, %2 designed</source>
            <translation>%1 moduli misurati, %2 da progetto</translation>
        </message>
        <message>
            <source>%1 strings of this array to compare, at least %2 needed</source>
            <translation>%1 stringhe di questo campo da confrontare, ne servono almeno %2</translation>
        </message>
        <message>
            <source>Voc at 25 °C %1 % from the array's median of %2 V (at most %3 %)</source>
            <translation>Voc a 25 °C a %1 % dalla mediana del campo di %2 V (al massimo %3 %)</translation>
        </message>
        <message>
            <source>Irradiance of %1 W/m² below the %2 W/m² the check needs</source>
            <translation>Irraggiamento di %1 W/m² inferiore ai %2 W/m² richiesti dalla verifica</translation>
        </message>
        <message>
            <source>Isc at STC %1 A, %2 % from the designed %3 A (at most %4 %)</source>
            <translation>Isc in STC %1 A, a %2 % dai %3 A di progetto (al massimo %4 %)</translation>
        </message>
        <message>
            <source>%1 MΩ, at least %2 MΩ designed</source>
            <translation>%1 MΩ, almeno %2 MΩ da progetto</translation>
        </message>
        <message>
            <source>The design sets no maximum for continuity.</source>
            <translation>Il progetto non stabilisce un massimo per la continuità.</translation>
        </message>
        <message>
            <source>%1 Ω, at most %2 Ω designed</source>
            <translation>%1 Ω, al massimo %2 Ω da progetto</translation>
        </message>
        <message>
            <source>%1 FAIL by the tester · %2 more by the design checks</source>
            <comment>%1 rows the tester failed, %2 further rows only the design checks failed</comment>
            <translation>%1 FAIL secondo lo strumento · altri %2 secondo le verifiche di progetto</translation>
        </message>
        <message>
            <source>%1 PASS · %2 FAIL · %3 other by the tester · %4 more by the design checks</source>
            <comment>%1, %2 rows the tester passed and failed, %3 rows with neither, %4 further rows only the design checks failed</comment>
            <translation>%1 PASS · %2 FAIL · %3 altri secondo lo strumento · %4 in più secondo le verifiche di progetto</translation>
        </message>
    </context>
    <context>
        <name>DesignChecksColumn</name>
        <message>
            <source>Module count</source>
            <translation>Numero di moduli</translation>
        </message>
        <message>
            <source>Voc against its neighbours</source>
            <translation>Voc rispetto alle stringhe vicine</translation>
        </message>
        <message>
            <source>Isc at STC</source>
            <translation>Isc in STC</translation>
        </message>
        <message>
            <source>Insulation</source>
            <translation>Isolamento</translation>
        </message>
        <message>
            <source>Continuity</source>
            <translation>Continuità</translation>
        </message>
        <message>
            <source>not checked</source>
            <translation>non verificato</translation>
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
            <translation>Verifiche di progetto</translation>
        </message>
        <message>
            <source>The design checks' verdict; the reasons in each cell's tooltip.</source>
            <translation>L'esito delle verifiche di progetto; i motivi nel suggerimento di ogni cella.</translation>
        </message>
    </context>
    <context>
        <name>DesignFile</name>
        <message>
            <source>The design file has no member "%1".</source>
            <translation>Il file di progetto non ha la voce «%1».</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be text.</source>
            <translation>La voce «%1» del file di progetto deve essere un testo.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a number.</source>
            <translation>La voce «%1» del file di progetto deve essere un numero.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must not be negative.</source>
            <translation>La voce «%1» del file di progetto non deve essere negativa.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be greater than zero.</source>
            <translation>La voce «%1» del file di progetto deve essere maggiore di zero.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be from -10 to 10 %/°C.</source>
            <translation>La voce «%1» del file di progetto deve essere compresa tra -10 e 10 %/°C.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be an object.</source>
            <translation>La voce «%1» del file di progetto deve essere un oggetto.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a whole number from 1 to 10000.</source>
            <translation>La voce «%1» del file di progetto deve essere un numero intero da 1 a 10000.</translation>
        </message>
        <message>
            <source>The design file is not valid JSON: %1 on line %2.</source>
            <translation>Il file di progetto non è JSON valido: %1 alla riga %2.</translation>
        </message>
        <message>
            <source>The design file does not hold a JSON object.</source>
            <translation>Il file di progetto non contiene un oggetto JSON.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a date written as YYYY-MM-DD.</source>
            <translation>La voce «%1» del file di progetto deve essere una data scritta come AAAA-MM-GG.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a list.</source>
            <translation>La voce «%1» del file di progetto deve essere un elenco.</translation>
        </message>
        <message>
            <source>The list "arrays" of the design file is empty: a design needs at least one array.</source>
            <translation>L'elenco «arrays» del file di progetto è vuoto: un progetto richiede almeno un campo.</translation>
        </message>
    </context>
    <context>
        <name>DialogLanguage</name>
        <message>
            <source>Please choose a language</source>
            <translation>Selezionare una lingua</translation>
        </message>
    </context>
    <context>
        <name>DownloadCommand</name>
        <message>
            <source>--design goes with --summary or --report.</source>
            <translation>--design va con --summary o --report.</translation>
        </message>
        <message>
            <source>--format goes with --list-ports, --list-downloads or --summary.</source>
            <translation>--format si usa con --list-ports, --list-downloads o --summary.</translation>
        </message>
        <message>
            <source>The option '%1' needs --download.</source>
            <comment>%1 is an option's name</comment>
            <translation>L'opzione «%1» richiede --download.</translation>
        </message>
        <message>
            <source>--download needs --port.</source>
            <translation>--download richiede --port.</translation>
        </message>
        <message>
            <source>--download needs --output.</source>
            <translation>--download richiede --output.</translation>
        </message>
        <message>
            <source>--european and --no-european exclude each other.</source>
            <translation>--european e --no-european si escludono a vicenda.</translation>
        </message>
        <message>
            <source>--read-timeout needs a whole number of milliseconds from %1 to %2, not '%3'.</source>
            <comment>%1 and %2 are the limits, %3 the value as the user typed it</comment>
            <translation>--read-timeout richiede un numero intero di millisecondi da %1 a %2, non «%3».</translation>
        </message>
        <message>
            <source>--start-timeout needs a whole number of seconds from 1 to %1, not '%2'.</source>
            <comment>%1 is the limit, %2 the value as the user typed it</comment>
            <translation>--start-timeout richiede un numero intero di secondi da 1 a %1, non «%2».</translation>
        </message>
        <message>
            <source>Downloads the tester's results without a window, as the Download button does, and saves them as --output. Needs --port and --output.</source>
            <translation>Scarica i risultati dello strumento senza finestra, come il pulsante «Scarica», e li salva come --output. Richiede --port e --output.</translation>
        </message>
        <message>
            <source>The tester's port: a name as the port list shows it (ttyUSB0, COM3) or a device path.</source>
            <translation>La porta dello strumento: un nome come appare nell'elenco delle porte (ttyUSB0, COM3) o un percorso di dispositivo.</translation>
        </message>
        <message>
            <source>port</source>
            <comment>value name of --port</comment>
            <translation>porta</translation>
        </message>
        <message>
            <source>The file to save the results as, replaced if it exists; - for the standard output.</source>
            <translation>Il file in cui salvare i risultati, sostituito se esiste; - per lo standard output.</translation>
        </message>
        <message>
            <source>file</source>
            <comment>value name of --output</comment>
            <translation>file</translation>
        </message>
        <message>
            <source>Milliseconds of silence that end the download (%1 to %2, default %3).</source>
            <comment>%1 and %2 are the limits, %3 the default</comment>
            <translation>Millisecondi di silenzio che terminano lo scaricamento (da %1 a %2, predefinito %3).</translation>
        </message>
        <message>
            <source>ms</source>
            <comment>value name of --read-timeout</comment>
            <translation>ms</translation>
        </message>
        <message>
            <source>Saves a .csv file in the European format: semicolons between fields and decimal commas.</source>
            <translation>Salva un file .csv in formato europeo: punti e virgola tra i campi e virgole decimali.</translation>
        </message>
        <message>
            <source>Saves the results as received (also without either option).</source>
            <translation>Salva i risultati così come ricevuti (anche senza nessuna delle due opzioni).</translation>
        </message>
        <message>
            <source>Gives up when no data has come this many seconds after the tester was asked for it (1 to %1; without it the download waits until it is stopped).</source>
            <comment>%1 is the largest number of seconds</comment>
            <translation>Rinuncia se non sono arrivati dati entro questi secondi dalla richiesta allo strumento (da 1 a %1; senza questa opzione lo scaricamento attende finché non viene fermato).</translation>
        </message>
        <message>
            <source>seconds</source>
            <comment>value name of --start-timeout</comment>
            <translation>secondi</translation>
        </message>
        <message>
            <source>Shows no progress, only what went wrong.</source>
            <translation>Non mostra l'avanzamento, solo ciò che non è andato a buon fine.</translation>
        </message>
        <message>
            <source>Also shows the serial port's diagnostics on the error stream.</source>
            <translation>Mostra anche la diagnostica della porta seriale sullo standard error.</translation>
        </message>
    </context>
    <context>
        <name>DownloadEndingText</name>
        <message>
            <source>Finished</source>
            <comment>a download that ended when the tester fell silent</comment>
            <translation>Completato</translation>
        </message>
        <message>
            <source>Line lost</source>
            <comment>a download that ended when the connection was lost</comment>
            <translation>Connessione persa</translation>
        </message>
        <message>
            <source>Cancelled</source>
            <comment>a download stopped by the user</comment>
            <translation>Annullato</translation>
        </message>
        <message>
            <source>Interrupted</source>
            <comment>a download stopped when the program was closed or stopped</comment>
            <translation>Interrotto</translation>
        </message>
    </context>
    <context>
        <name>HeadlessArchiving</name>
        <message>
            <source>What came is kept in the archive as download %1.</source>
            <comment>%1 is the number of the download</comment>
            <translation>Quanto ricevuto è conservato nell'archivio come scaricamento %1.</translation>
        </message>
        <message>
            <source>The data is kept in the archive as download %1. To write it:</source>
            <comment>%1 is the number of the download; the command follows on the next line</comment>
            <translation>I dati sono conservati nell'archivio come scaricamento %1. Per scriverli:</translation>
        </message>
        <message>
            <source>The archive could not record this save: %1</source>
            <comment>%1 is the reason</comment>
            <translation>L'archivio non ha potuto registrare questo salvataggio: %1</translation>
        </message>
    </context>
    <context>
        <name>HeadlessDownload</name>
        <message>
            <source>Bytes received: %1 (%2 bytes/s)</source>
            <comment>%1 is the number of bytes received so far, %2 the rate</comment>
            <translation>Byte ricevuti: %1 (%2 byte/s)</translation>
        </message>
        <message>
            <source>The line sends only NUL bytes. Check the cable and the tester.</source>
            <translation>La linea invia solo byte NUL. Controllare il cavo e lo strumento.</translation>
        </message>
        <message>
            <source>Now initiate the download on the tester</source>
            <translation>Avviare ora lo scaricamento sullo strumento</translation>
        </message>
        <message>
            <source>No such device. Check that the adapter is plugged in.</source>
            <translation>Dispositivo non trovato. Verificare che l'adattatore sia inserito.</translation>
        </message>
        <message>
            <source>The ports of this system: %1 --list-ports</source>
            <comment>%1 is the program's name</comment>
            <translation>Le porte di questo sistema: %1 --list-ports</translation>
        </message>
        <message>
            <source>Interrupted: nothing was saved</source>
            <translation>Interrotto: non è stato salvato nulla</translation>
        </message>
        <message>
            <source>No data came within %1 s of asking the tester. Check that the tester is connected to this port and switched on, and start the transfer on the tester.</source>
            <comment>%1 is a number of seconds</comment>
            <translation>Nessun dato entro %1 s dalla richiesta allo strumento. Verificare che lo strumento sia collegato a questa porta e acceso, e avviare lo scaricamento sullo strumento.</translation>
        </message>
        <message>
            <source>Bytes written to the standard output: %1</source>
            <comment>%1 is a number of bytes</comment>
            <translation>Byte scritti sullo standard output: %1</translation>
        </message>
        <message>
            <source>%1: %2 (%3 bytes)</source>
            <comment>%1 is "File successfully saved", %2 the file's path, %3 the number of bytes</comment>
            <translation>%1: %2 (%3 byte)</translation>
        </message>
        <message>
            <source>Port %1: %2</source>
            <comment>%1 is the port, %2 what happened</comment>
            <translation>Porta %1: %2</translation>
        </message>
    </context>
    <context>
        <name>HistoryModel</name>
        <message>
            <source>Saved %1 times</source>
            <comment>%1 is a number of saves, always more than one</comment>
            <translation>Salvato %1 volte</translation>
        </message>
        <message>
            <source>not saved</source>
            <translation>non salvato</translation>
        </message>
        <message>
            <source>Date and time</source>
            <translation>Data e ora</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Porta</translation>
        </message>
        <message>
            <source>Bytes</source>
            <translation>Byte</translation>
        </message>
        <message>
            <source>Lines</source>
            <translation>Righe</translation>
        </message>
        <message>
            <source>Ended</source>
            <translation>Fine</translation>
        </message>
        <message>
            <source>Saved as</source>
            <translation>Salvato come</translation>
        </message>
        <message>
            <source>Records</source>
            <translation>Record</translation>
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
            <translation>Inviato</translation>
        </message>
        <message>
            <source>Refused: %1</source>
            <comment>%1 is the reason</comment>
            <translation>Rifiutato: %1</translation>
        </message>
        <message>
            <source>Waiting</source>
            <comment>to be sent to the team archive</comment>
            <translation>In attesa</translation>
        </message>
        <message>
            <source>Team archive</source>
            <translation>Archivio del team</translation>
        </message>
    </context>
    <context>
        <name>HistoryWindow</name>
        <message>
            <source>History</source>
            <translation>Cronologia</translation>
        </message>
        <message>
            <source>Every download you receive will appear here, also the ones you do not save.</source>
            <translation>Qui compariranno tutti gli scaricamenti ricevuti, anche quelli non salvati.</translation>
        </message>
        <message>
            <source>&amp;Save As...</source>
            <translation>&amp;Salva con nome...</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>&amp;Apri</translation>
        </message>
        <message>
            <source>Opens the file this download was last saved as</source>
            <translation>Apre il file con cui questo scaricamento è stato salvato l'ultima volta</translation>
        </message>
        <message>
            <source>&amp;Results...</source>
            <translation>&amp;Risultati...</translation>
        </message>
        <message>
            <source>Shows this download as a table of results</source>
            <translation>Mostra questo scaricamento come tabella dei risultati</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Elimina</translation>
        </message>
        <message>
            <source>Delete the download of %1 from the archive?</source>
            <comment>%1 is the date and time of the download</comment>
            <translation>Eliminare dall'archivio lo scaricamento del %1?</translation>
        </message>
        <message>
            <source>The files it was saved as stay where they are.</source>
            <translation>I file in cui è stato salvato restano dove sono.</translation>
        </message>
        <message>
            <source>This computer</source>
            <comment>the History's view of the local archive</comment>
            <translation>Questo computer</translation>
        </message>
        <message>
            <source>Team</source>
            <comment>the History's view of the team archive</comment>
            <translation>Team</translation>
        </message>
        <message>
            <source>Reading the team archive %1...</source>
            <comment>%1 is user@server:port/database</comment>
            <translation>Lettura dell'archivio del team %1...</translation>
        </message>
        <message>
            <source>The team archive holds no downloads yet.</source>
            <translation>L'archivio del team non contiene ancora download.</translation>
        </message>
        <message>
            <source>Opens a copy of this download from the team archive</source>
            <translation>Apre una copia di questo download dall'archivio del team</translation>
        </message>
        <message>
            <source>Reading download %1 from the team archive...</source>
            <translation>Lettura del download %1 dall'archivio del team...</translation>
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
            <translation>Il progetto conservato nell'archivio per «%1» non è utilizzabile: %2</translation>
        </message>
    </context>
    <context>
        <name>ListPortsCommand</name>
        <message>
            <source>--list-ports and --download exclude each other.</source>
            <translation>--list-ports e --download si escludono a vicenda.</translation>
        </message>
        <message>
            <source>--format is text or json, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--format è text o json, non «%1».</translation>
        </message>
        <message>
            <source>The system reports no serial port. Plug in the tester's adapter and try again.</source>
            <translation>Il sistema non segnala alcuna porta seriale. Collegare l'adattatore dello strumento e riprovare.</translation>
        </message>
        <message>
            <source>Lists the serial ports: name, device path, USB vendor:product, serial number and description, one port a line, and exits.</source>
            <translation>Elenca le porte seriali (nome, percorso del dispositivo, produttore:prodotto USB, numero di serie e descrizione, una porta per riga) ed esce.</translation>
        </message>
        <message>
            <source>With --list-ports, --list-downloads or --summary: text (the default) or json.</source>
            <translation>Con --list-ports, --list-downloads o --summary: text (predefinito) o json.</translation>
        </message>
        <message>
            <source>format</source>
            <comment>value name of --format</comment>
            <translation>formato</translation>
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
            <translation>Esci</translation>
        </message>
        <message>
            <source>Quits the application</source>
            <translation>Chiude l'applicazione</translation>
        </message>
        <message>
            <source>Refresh Ports</source>
            <translation>Aggiorna porte</translation>
        </message>
        <message>
            <source>Refreshes the list of COM ports</source>
            <translation>Aggiorna l'elenco delle porte COM</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Informazioni</translation>
        </message>
        <message>
            <source>Shows version information about Solar DataLogger</source>
            <translation>Mostra le informazioni sulla versione di Solar DataLogger</translation>
        </message>
        <message>
            <source>Change Language...</source>
            <translation>Cambia lingua...</translation>
        </message>
        <message>
            <source>Change the language used in this application</source>
            <translation>Cambia la lingua usata in questa applicazione</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Guida</translation>
        </message>
        <message>
            <source>Shows documentation</source>
            <translation>Mostra la documentazione</translation>
        </message>
        <message>
            <source>Convert CSV Data</source>
            <translation>Converti dati CSV</translation>
        </message>
        <message>
            <source>Device Connection</source>
            <translation>Connessione allo strumento</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annulla</translation>
        </message>
        <message>
            <source>Download</source>
            <translation>Scarica</translation>
        </message>
        <message>
            <source>Downloaded Output</source>
            <translation>Dati scaricati</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Apri</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Salva</translation>
        </message>
        <message>
            <source>File</source>
            <translation>File</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Strumenti</translation>
        </message>
        <message>
            <source>Country Settings</source>
            <translation>Impostazioni internazionali</translation>
        </message>
        <message>
            <source>Please select a port and connect your device</source>
            <translation>Selezionare una porta e collegare lo strumento</translation>
        </message>
        <message>
            <source>The language will be changed next time Marlune DataLogger is started.</source>
            <translation>La lingua verrà cambiata al prossimo avvio di Marlune DataLogger.</translation>
        </message>
        <message>
            <source>Would you like to restart now?</source>
            <translation>Riavviare ora?</translation>
        </message>
        <message>
            <source>Now initiate the download on the tester</source>
            <translation>Avviare ora lo scaricamento sullo strumento</translation>
        </message>
        <message>
            <source>Comma Separated Value files (*.csv)</source>
            <translation>File CSV (*.csv)</translation>
        </message>
        <message>
            <source>Text files (*.txt)</source>
            <translation>File di testo (*.txt)</translation>
        </message>
        <message>
            <source>All files (*.*)</source>
            <translation>Tutti i file (*.*)</translation>
        </message>
        <message>
            <source>Save downloaded data to file</source>
            <translation>Salva i dati scaricati su file</translation>
        </message>
        <message>
            <source>Would you like to convert the data to European format?</source>
            <translation>Convertire i dati nel formato europeo?</translation>
        </message>
        <message>
            <source>Decimal points will be replaced by commas and the commas separating fields will be replaced by semi-colons.</source>
            <translation>I punti decimali verranno sostituiti da virgole decimali e le virgole che separano i campi verranno sostituite da punti e virgola.</translation>
        </message>
        <message>
            <source>About Marlune DataLogger</source>
            <comment>Title of the About box</comment>
            <translation>Informazioni su Marlune DataLogger</translation>
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
            <translation>Byte ricevuti: %1</translation>
        </message>
        <message>
            <source>The line sends only NUL bytes. Check the cable and the tester.</source>
            <translation>La linea invia solo byte NUL. Controllare il cavo e lo strumento.</translation>
        </message>
        <message>
            <source>The help pages were not found in "%1".</source>
            <comment>The %1 will be replaced with the name of a folder. Please do not remove it in your translation!</comment>
            <translation>Le pagine della guida non sono state trovate in «%1».</translation>
        </message>
        <message>
            <source>Please reinstall Marlune DataLogger.</source>
            <translation>Reinstallare Marlune DataLogger.</translation>
        </message>
        <message>
            <source>Failed to connect. Please check the device is connected and switched on</source>
            <translation>Connessione non riuscita. Verificare che lo strumento sia collegato e acceso</translation>
        </message>
        <message>
            <source>File successfully saved</source>
            <translation>File salvato correttamente</translation>
        </message>
        <message>
            <source>Error opening "%1" for writing. Is it open already or read only?</source>
            <comment>The %1 will be replaced with the a file name. Please do not remove it in your translation!</comment>
            <translation>Errore durante l'apertura in scrittura di "%1". Il file è già aperto o di sola lettura?</translation>
        </message>
        <message>
            <source>Error saving "%1": %2</source>
            <comment>The %1 will be replaced with a file name and the %2 with the reason. Please do not remove them in your translation!</comment>
            <translation>Errore durante il salvataggio di "%1": %2</translation>
        </message>
        <message>
            <source>View</source>
            <translation>Visualizza</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Risultati</translation>
        </message>
        <message>
            <source>Shows the downloaded data as a table of results with a summary and a chart</source>
            <translation>Mostra i dati scaricati come tabella dei risultati con un riepilogo e un grafico</translation>
        </message>
        <message>
            <source>History...</source>
            <translation>Cronologia...</translation>
        </message>
        <message>
            <source>Shows every download kept in the archive</source>
            <translation>Mostra tutti gli scaricamenti conservati nell'archivio</translation>
        </message>
        <message>
            <source>Team archive...</source>
            <translation>Archivio del team...</translation>
        </message>
    </context>
    <context>
        <name>PortErrorText</name>
        <message>
            <source>No port is selected. Connect the adapter, then press Refresh Ports.</source>
            <translation>Nessuna porta selezionata. Collegare l'adattatore, quindi premere "Aggiorna porte".</translation>
        </message>
        <message>
            <source>The port is in use by another program. Close the other program and try again.</source>
            <translation>La porta è utilizzata da un altro programma. Chiudere l'altro programma e riprovare.</translation>
        </message>
        <message>
            <source>Permission denied. Add your user to the group "%1" that owns the port, then log out and log in again.</source>
            <comment>The %1 will be replaced with the name of a user group, such as dialout. Please do not remove it in your translation!</comment>
            <translation>Accesso negato. Aggiungere il proprio utente al gruppo "%1" proprietario della porta, quindi disconnettersi e accedere di nuovo.</translation>
        </message>
        <message>
            <source>Permission denied. Your user account may not use this port.</source>
            <translation>Accesso negato. L'account utente in uso non è autorizzato a usare questa porta.</translation>
        </message>
        <message>
            <source>No such device. Check that the adapter is plugged in, then press Refresh Ports.</source>
            <translation>Dispositivo non trovato. Verificare che l'adattatore sia inserito, quindi premere "Aggiorna porte".</translation>
        </message>
        <message>
            <source>The system reported: %1</source>
            <comment>The %1 will be replaced with the error message of the operating system. Please do not remove it in your translation!</comment>
            <translation>Messaggio del sistema: %1</translation>
        </message>
        <message>
            <source>The connection to the device was lost before any data arrived.</source>
            <translation>La connessione con lo strumento si è interrotta prima della ricezione di dati.</translation>
        </message>
        <message>
            <source>The connection to the device was lost. The data received so far is kept.</source>
            <translation>La connessione con lo strumento si è interrotta. I dati ricevuti finora vengono conservati.</translation>
        </message>
    </context>
    <context>
        <name>ReportCommand</name>
        <message>
            <source>No design is kept in the archive for the site of these results (%1); give one with --design.</source>
            <comment>%1 lists the sites' names</comment>
            <translation>L'archivio non conserva alcun progetto per l'impianto di questi risultati (%1); indicarne uno con --design.</translation>
        </message>
        <message>
            <source>no Site column</source>
            <translation>nessuna colonna Site</translation>
        </message>
        <message>
            <source>The archive "%1" could not be read: %2</source>
            <comment>%1 is the archive's path, %2 the reason</comment>
            <translation>Non è stato possibile leggere l'archivio «%1»: %2</translation>
        </message>
        <message>
            <source>The archive keeps designs for several sites of these results (%1); choose one with --design.</source>
            <comment>%1 lists the sites' names</comment>
            <translation>L'archivio conserva progetti per più impianti di questi risultati (%1); sceglierne uno con --design.</translation>
        </message>
        <message>
            <source>Writes the commissioning test report as the PDF file --output: the results of download ID of the archive, or of a saved .csv or .txt file, checked against the site's design (--design, else the design the archive keeps for the site).</source>
            <translation>Scrive il rapporto di prova di messa in servizio come file PDF --output: i risultati dello scaricamento ID dell'archivio, o di un file .csv o .txt salvato, verificati rispetto al progetto dell'impianto (--design, altrimenti il progetto che l'archivio conserva per l'impianto).</translation>
        </message>
        <message>
            <source>ID or file</source>
            <comment>value name of --report</comment>
            <translation>ID o file</translation>
        </message>
        <message>
            <source>--report and --%1 exclude each other.</source>
            <comment>%1 is an option's name</comment>
            <translation>--report e --%1 si escludono a vicenda.</translation>
        </message>
        <message>
            <source>The option '%1' does not go with --report.</source>
            <comment>%1 is an option's name</comment>
            <translation>L'opzione «%1» non va con --report.</translation>
        </message>
        <message>
            <source>--report needs a download's id or a saved file.</source>
            <translation>--report richiede il numero di uno scaricamento o un file salvato.</translation>
        </message>
        <message>
            <source>--report needs --output and the name of the PDF file to write.</source>
            <translation>--report richiede --output e il nome del file PDF da scrivere.</translation>
        </message>
        <message>
            <source>--design needs a file.</source>
            <translation>--design richiede un file.</translation>
        </message>
        <message>
            <source>--archive needs a file.</source>
            <translation>--archive richiede un file.</translation>
        </message>
        <message>
            <source>There is no download %1 in the archive "%2".</source>
            <comment>%1 is the download's id, %2 the archive's path</comment>
            <translation>Non c'è alcuno scaricamento %1 nell'archivio «%2».</translation>
        </message>
        <message>
            <source>The download %1 could not be read from the archive: %2</source>
            <comment>%1 is the download's id, %2 the reason</comment>
            <translation>Non è stato possibile leggere lo scaricamento %1 dall'archivio: %2</translation>
        </message>
    </context>
    <context>
        <name>ReportPreviewDialog</name>
        <message>
            <source>Report preview</source>
            <translation>Anteprima del rapporto</translation>
        </message>
        <message>
            <source>Save PDF…</source>
            <translation>Salva PDF…</translation>
        </message>
        <message>
            <source>Save the report</source>
            <translation>Salva il rapporto</translation>
        </message>
        <message>
            <source>commissioning-report.pdf</source>
            <comment>default file name</comment>
            <translation>rapporto-messa-in-servizio.pdf</translation>
        </message>
        <message>
            <source>PDF files (*.pdf)</source>
            <translation>File PDF (*.pdf)</translation>
        </message>
        <message>
            <source>Report not saved</source>
            <translation>Rapporto non salvato</translation>
        </message>
    </context>
    <context>
        <name>ResultsChart</name>
        <message>
            <source>This column holds no numbers to draw.</source>
            <translation>Questa colonna non contiene numeri da disegnare.</translation>
        </message>
        <message>
            <source>Bars: %1</source>
            <translation>Barre: %1</translation>
        </message>
        <message>
            <source>Maximum: %1</source>
            <translation>Massimo: %1</translation>
        </message>
        <message>
            <source>Minimum: %1</source>
            <translation>Minimo: %1</translation>
        </message>
    </context>
    <context>
        <name>ResultsCheck</name>
        <message>
            <source>%1 more lines with the same warning are not listed.</source>
            <translation>Altre %1 righe con lo stesso avviso non sono elencate.</translation>
        </message>
        <message>
            <source>The record numbers jump from %1 to %2 on line %3: records may be missing.</source>
            <translation>I numeri di record saltano da %1 a %2 alla riga %3: potrebbero mancare dei record.</translation>
        </message>
        <message>
            <source>The record number %1 on line %2 repeats or goes back (the one before is %3).</source>
            <translation>Il numero di record %1 alla riga %2 si ripete o torna indietro (il precedente è %3).</translation>
        </message>
        <message>
            <source>The last record is incomplete: the tester may have paused longer than the read time-out. Download again with a longer time-out.</source>
            <translation>L'ultimo record è incompleto: lo strumento potrebbe essersi fermato più a lungo del timeout di lettura. Ripetere lo scaricamento con un timeout più lungo.</translation>
        </message>
        <message>
            <source>This download starts in the middle of a record: the previous one may have been cut short.</source>
            <translation>Questo scaricamento inizia a metà di un record: il precedente potrebbe essere stato interrotto.</translation>
        </message>
        <message>
            <source>Line %1 has %2 fields where most rows have %3.</source>
            <translation>La riga %1 ha %2 campi mentre la maggior parte delle righe ne ha %3.</translation>
        </message>
        <message>
            <source>Line %1 has %2 fields where the header has %3.</source>
            <translation>La riga %1 ha %2 campi mentre l'intestazione ne ha %3.</translation>
        </message>
    </context>
    <context>
        <name>ResultsFile</name>
        <message>
            <source>The file "%1" could not be read: %2</source>
            <comment>%1 is a file name, %2 the system's reason</comment>
            <translation>Impossibile leggere il file «%1»: %2</translation>
        </message>
        <message>
            <source>The file "%1" is too large to read as results: %2 bytes (at most %3).</source>
            <comment>%1 is a file name, %2 its size, %3 the largest size read</comment>
            <translation>Il file «%1» è troppo grande per essere letto come risultati: %2 byte (al massimo %3).</translation>
        </message>
    </context>
    <context>
        <name>ResultsFilterModel</name>
        <message>
            <source>The tester failed this record.</source>
            <translation>Lo strumento ha giudicato questo record non superato.</translation>
        </message>
    </context>
    <context>
        <name>ResultsSummary</name>
        <message>
            <source>%1 records</source>
            <translation>%1 record</translation>
        </message>
        <message>
            <source>%1 records · %2 PASS · %3 FAIL</source>
            <translation>%1 record · %2 PASS · %3 FAIL</translation>
        </message>
        <message>
            <source>%1 · %2 other</source>
            <comment>%1 the records, PASS and FAIL; %2 the records whose result is neither</comment>
            <translation>%1 · %2 altri</translation>
        </message>
    </context>
    <context>
        <name>ResultsWindow</name>
        <message>
            <source>Results</source>
            <translation>Risultati</translation>
        </message>
        <message>
            <source>Table</source>
            <translation>Tabella</translation>
        </message>
        <message>
            <source>Filter: text in any column</source>
            <translation>Filtro: testo in qualsiasi colonna</translation>
        </message>
        <message>
            <source>Failed only</source>
            <translation>Solo non superati</translation>
        </message>
        <message>
            <source>Export CSV...</source>
            <translation>Esporta CSV...</translation>
        </message>
        <message>
            <source>Saves the rows shown as a CSV file</source>
            <translation>Salva le righe visualizzate come file CSV</translation>
        </message>
        <message>
            <source>Chart</source>
            <translation>Grafico</translation>
        </message>
        <message>
            <source>Values:</source>
            <translation>Valori:</translation>
        </message>
        <message>
            <source>Labels:</source>
            <translation>Etichette:</translation>
        </message>
        <message>
            <source>Groups:</source>
            <translation>Gruppi:</translation>
        </message>
        <message>
            <source>Save Chart...</source>
            <translation>Salva grafico...</translation>
        </message>
        <message>
            <source>Saves the chart as a PNG or SVG image</source>
            <translation>Salva il grafico come immagine PNG o SVG</translation>
        </message>
        <message>
            <source>Results: %1</source>
            <comment>%1 is the name of the download or file</comment>
            <translation>Risultati: %1</translation>
        </message>
        <message>
            <source>%1 of %2 records shown</source>
            <comment>%1 and %2 are counts</comment>
            <translation>%1 di %2 record visualizzati</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>(nessuna)</translation>
        </message>
        <message>
            <source>Export the rows shown</source>
            <translation>Esporta le righe visualizzate</translation>
        </message>
        <message>
            <source>Comma Separated Value files (*.csv)</source>
            <translation>File CSV (*.csv)</translation>
        </message>
        <message>
            <source>All files (*.*)</source>
            <translation>Tutti i file (*.*)</translation>
        </message>
        <message>
            <source>PNG images (*.png)</source>
            <translation>Immagini PNG (*.png)</translation>
        </message>
        <message>
            <source>SVG images (*.svg)</source>
            <translation>Immagini SVG (*.svg)</translation>
        </message>
        <message>
            <source>Save the chart</source>
            <translation>Salva il grafico</translation>
        </message>
        <message>
            <source>The chart could not be saved as "%1": %2</source>
            <comment>%1 is a file name, %2 the system's reason</comment>
            <translation>Impossibile salvare il grafico come «%1»: %2</translation>
        </message>
        <message>
            <source>Site design…</source>
            <translation>Progetto dell'impianto…</translation>
        </message>
        <message>
            <source>Report…</source>
            <translation>Rapporto…</translation>
        </message>
        <message>
            <source>The design of the site: its arrays and limits, to check each string against.</source>
            <translation>Il progetto dell'impianto: i campi e i limiti rispetto ai quali si verifica ogni stringa.</translation>
        </message>
        <message>
            <source>The commissioning test report of these results checked against the site design, shown before it is saved as PDF.</source>
            <translation>Il rapporto di prova di messa in servizio di questi risultati verificati rispetto al progetto dell'impianto, mostrato prima di salvarlo come PDF.</translation>
        </message>
        <message>
            <source>Site design</source>
            <translation>Progetto dell'impianto</translation>
        </message>
        <message>
            <source>The design could not be kept in the archive: %1</source>
            <comment>%1 is the reason</comment>
            <translation>Non è stato possibile conservare il progetto nell'archivio: %1</translation>
        </message>
        <message>
            <source>The archive could not be read: %1</source>
            <comment>%1 is the reason</comment>
            <translation>Non è stato possibile leggere l'archivio: %1</translation>
        </message>
    </context>
    <context>
        <name>SaveStep</name>
        <message>
            <source>Error writing to the standard output: %1</source>
            <comment>%1 is the system's reason</comment>
            <translation>Errore di scrittura sullo standard output: %1</translation>
        </message>
        <message>
            <source>The European format applies to .csv files only; "%1" is written as received.</source>
            <comment>%1 is a file name</comment>
            <translation>Il formato europeo si applica solo ai file .csv; «%1» viene scritto così come ricevuto.</translation>
        </message>
        <message>
            <source>The file's old content could not be put back: the file was changed.</source>
            <translation>Non è stato possibile ripristinare il contenuto precedente del file: il file è stato modificato.</translation>
        </message>
    </context>
    <context>
        <name>SavedData</name>
        <message>
            <source>The file holds %1 bytes instead of %2.</source>
            <comment>%1 and %2 are numbers of bytes</comment>
            <translation>Il file contiene %1 byte invece di %2.</translation>
        </message>
        <message>
            <source>It is a pipe, a device or a socket, not a regular file: only regular files are written.</source>
            <translation>È una pipe, un dispositivo o un socket, non un file normale: si scrivono solo file normali.</translation>
        </message>
    </context>
    <context>
        <name>SiteDesignDialog</name>
        <message>
            <source>Site design</source>
            <translation>Progetto dell'impianto</translation>
        </message>
        <message>
            <source>Site</source>
            <translation>Impianto</translation>
        </message>
        <message>
            <source>Installation</source>
            <translation>Dati dell'impianto</translation>
        </message>
        <message>
            <source>Site:</source>
            <translation>Impianto:</translation>
        </message>
        <message>
            <source>Address:</source>
            <translation>Indirizzo:</translation>
        </message>
        <message>
            <source>Client:</source>
            <translation>Committente:</translation>
        </message>
        <message>
            <source>Inspector:</source>
            <translation>Ispettore:</translation>
        </message>
        <message>
            <source>Instrument</source>
            <translation>Strumento</translation>
        </message>
        <message>
            <source>Model:</source>
            <translation>Modello:</translation>
        </message>
        <message>
            <source>Serial number:</source>
            <translation>Numero di serie:</translation>
        </message>
        <message>
            <source>Calibrated on:</source>
            <translation>Tarato il:</translation>
        </message>
        <message>
            <source>Arrays</source>
            <translation>Campi</translation>
        </message>
        <message>
            <source>Add array</source>
            <translation>Aggiungi campo</translation>
        </message>
        <message>
            <source>Remove array</source>
            <translation>Rimuovi campo</translation>
        </message>
        <message>
            <source>Checks and columns</source>
            <translation>Verifiche e colonne</translation>
        </message>
        <message>
            <source>Tolerances</source>
            <translation>Tolleranze</translation>
        </message>
        <message>
            <source>Voc against its neighbours:</source>
            <translation>Voc rispetto alle stringhe vicine:</translation>
        </message>
        <message>
            <source> %</source>
            <translation> %</translation>
        </message>
        <message>
            <source>Isc at STC:</source>
            <translation>Isc in STC:</translation>
        </message>
        <message>
            <source>Least irradiance for Isc:</source>
            <translation>Irraggiamento minimo per Isc:</translation>
        </message>
        <message>
            <source> W/m²</source>
            <translation> W/m²</translation>
        </message>
        <message>
            <source>Columns of the data</source>
            <translation>Colonne dei dati</translation>
        </message>
        <message>
            <source>Import…</source>
            <translation>Importa…</translation>
        </message>
        <message>
            <source>Export…</source>
            <translation>Esporta…</translation>
        </message>
        <message>
            <source>String name:</source>
            <translation>Nome della stringa:</translation>
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
            <translation>Irraggiamento:</translation>
        </message>
        <message>
            <source>Module temperature:</source>
            <translation>Temperatura del modulo:</translation>
        </message>
        <message>
            <source>Insulation resistance:</source>
            <translation>Resistenza di isolamento:</translation>
        </message>
        <message>
            <source>Continuity:</source>
            <translation>Continuità:</translation>
        </message>
        <message>
            <source>not given</source>
            <translation>non indicato</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nome</translation>
        </message>
        <message>
            <source>Strings starting with</source>
            <translation>Stringhe che iniziano con</translation>
        </message>
        <message>
            <source>Module</source>
            <translation>Modulo</translation>
        </message>
        <message>
            <source>Modules in series</source>
            <translation>Moduli in serie</translation>
        </message>
        <message>
            <source>Voc at STC (V)</source>
            <translation>Voc in STC (V)</translation>
        </message>
        <message>
            <source>Isc at STC (A)</source>
            <translation>Isc in STC (A)</translation>
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
            <translation>Prova di isolamento (V)</translation>
        </message>
        <message>
            <source>Insulation min. (MΩ)</source>
            <translation>Isolamento min. (MΩ)</translation>
        </message>
        <message>
            <source>Continuity max. (Ω)</source>
            <translation>Continuità max. (Ω)</translation>
        </message>
        <message>
            <source>Leave the insulation figures empty to take them from the system voltage, and the continuity maximum empty not to check continuity.</source>
            <translation>Lasciare vuoti i valori di isolamento per ricavarli dalla tensione di sistema, e il massimo di continuità vuoto per non verificare la continuità.</translation>
        </message>
        <message>
            <source>by its usual header</source>
            <translation>tramite la sua intestazione abituale</translation>
        </message>
        <message>
            <source>The design needs at least one array.</source>
            <translation>Il progetto richiede almeno un campo.</translation>
        </message>
        <message>
            <source>Array %1, %2: %3</source>
            <translation>Campo %1, %2: %3</translation>
        </message>
        <message>
            <source>required</source>
            <translation>obbligatorio</translation>
        </message>
        <message>
            <source>a whole number from 1 to 10000 is needed</source>
            <translation>serve un numero intero da 1 a 10000</translation>
        </message>
        <message>
            <source>a number above 0 is needed</source>
            <translation>serve un numero maggiore di 0</translation>
        </message>
        <message>
            <source>a number is needed</source>
            <translation>serve un numero</translation>
        </message>
        <message>
            <source>a number above 0 is needed, or nothing</source>
            <translation>serve un numero maggiore di 0, oppure lasciare la cella vuota</translation>
        </message>
        <message>
            <source>The design file %1 could not be read: %2</source>
            <translation>Non è stato possibile leggere il file di progetto %1: %2</translation>
        </message>
        <message>
            <source>The design file %1 was not read: %2</source>
            <translation>Il file di progetto %1 non è stato caricato: %2</translation>
        </message>
        <message>
            <source>The design file %1 could not be written: %2</source>
            <translation>Non è stato possibile scrivere il file di progetto %1: %2</translation>
        </message>
        <message>
            <source>Import a site design</source>
            <translation>Importa un progetto di impianto</translation>
        </message>
        <message>
            <source>Site designs (*.json);;All files (*)</source>
            <translation>Progetti di impianto (*.json);;Tutti i file (*)</translation>
        </message>
        <message>
            <source>Export the site design</source>
            <translation>Esporta il progetto dell'impianto</translation>
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
            <translation>--summary e --download si escludono a vicenda.</translation>
        </message>
        <message>
            <source>--format takes text or json, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--format accetta text o json, non «%1».</translation>
        </message>
        <message>
            <source>With --summary or --report: checks the results string by string against the site's design in this JSON file (modules in series, Voc, Isc, insulation, continuity).</source>
            <translation>Con --summary o --report: verifica i risultati stringa per stringa rispetto al progetto dell'impianto in questo file JSON (moduli in serie, Voc, Isc, isolamento, continuità).</translation>
        </message>
        <message>
            <source>file</source>
            <comment>value name of --design</comment>
            <translation>file</translation>
        </message>
        <message>
            <source>The design file "%1" could not be read: %2</source>
            <comment>%1 is a file name, %2 the system's reason</comment>
            <translation>Non è stato possibile leggere il file di progetto «%1»: %2</translation>
        </message>
        <message>
            <source>The design file "%1" cannot be used: %2</source>
            <comment>%1 is a file name, %2 what in the file is wrong</comment>
            <translation>Il file di progetto «%1» non è utilizzabile: %2</translation>
        </message>
        <message>
            <source>--design needs a file.</source>
            <translation>--design richiede un file.</translation>
        </message>
        <message>
            <source>row %1, %2: %3: %4</source>
            <comment>%1 is the row counted from 1 after the header, %2 the string's name, %3 the check's key (module_count...), %4 the reason</comment>
            <translation>riga %1, %2: %3: %4</translation>
        </message>
        <message>
            <source>Prints the summary of a saved .csv or .txt file (records, PASS, FAIL, other) and the warnings that its data may be incomplete.</source>
            <translation>Stampa il riepilogo di un file .csv o .txt salvato (record, PASS, FAIL, altri) e gli avvisi che i suoi dati potrebbero essere incompleti.</translation>
        </message>
    </context>
    <context>
        <name>TeamAddress</name>
        <message>
            <source>--team needs a connection URI such as postgresql://user@host:5432/database?sslmode=require, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--team richiede un URI di connessione come postgresql://user@host:5432/database?sslmode=require, non '%1'.</translation>
        </message>
        <message>
            <source>The connection URI's '%1' cannot hold a ';'.</source>
            <comment>%1 is a key of the URI</comment>
            <translation>Il '%1' dell'URI di connessione non può contenere ';'.</translation>
        </message>
        <message>
            <source>The connection URI's port is a number from 1 to 65535, not '%1'.</source>
            <comment>%1 is the port as the user typed it</comment>
            <translation>La porta dell'URI di connessione è un numero da 1 a 65535, non '%1'.</translation>
        </message>
        <message>
            <source>The connection URI's sslmode is one of %1, not '%2'.</source>
            <comment>%1 lists the modes, %2 is the value as the user typed it</comment>
            <translation>Lo sslmode dell'URI di connessione è uno tra %1, non '%2'.</translation>
        </message>
    </context>
    <context>
        <name>TeamArchiveDialog</name>
        <message>
            <source>Team archive</source>
            <translation>Archivio del team</translation>
        </message>
        <message>
            <source>kept in the system's keyring</source>
            <translation>conservata nel portachiavi del sistema</translation>
        </message>
        <message>
            <source>Choose...</source>
            <translation>Scegli...</translation>
        </message>
        <message>
            <source>CA certificate</source>
            <translation>Certificato della CA</translation>
        </message>
        <message>
            <source>Send downloads to the team archive</source>
            <translation>Invia i download all'archivio del team</translation>
        </message>
        <message>
            <source>Test</source>
            <translation>Prova</translation>
        </message>
        <message>
            <source>Server:</source>
            <translation>Server:</translation>
        </message>
        <message>
            <source>Port:</source>
            <translation>Porta:</translation>
        </message>
        <message>
            <source>Database:</source>
            <translation>Database:</translation>
        </message>
        <message>
            <source>User:</source>
            <translation>Utente:</translation>
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
            <translation>Certificato della CA (verify-full):</translation>
        </message>
        <message>
            <source>Testing...</source>
            <translation>Prova in corso...</translation>
        </message>
        <message>
            <source>The team archive answers; %1 may use it.</source>
            <translation>L'archivio del team risponde; %1 può usarlo.</translation>
        </message>
        <message>
            <source>The password could not be kept in the system's keyring (%1). Give it in ~/.pgpass instead.</source>
            <translation>Non è stato possibile conservare la password nel portachiavi del sistema (%1). Indicala invece in ~/.pgpass.</translation>
        </message>
    </context>
    <context>
        <name>TeamArchiveStatus</name>
        <message>
            <source>Sent to the team archive</source>
            <translation>Inviato all'archivio del team</translation>
        </message>
        <message numerus="yes">
            <source>Team archive unreachable: %n download(s) waiting</source>
            <translation>
                <numerusform>Archivio del team non raggiungibile: %n download in attesa</numerusform>
                <numerusform>Archivio del team non raggiungibile: %n download in attesa</numerusform>
            </translation>
        </message>
        <message>
            <source>Team archive: a download was refused</source>
            <translation>Archivio del team: un download è stato rifiutato</translation>
        </message>
    </context>
    <context>
        <name>TeamCommand</name>
        <message>
            <source>--team goes with one of --sync, --team-init, --list-downloads, --export, --report or --delete.</source>
            <translation>--team va con una sola tra --sync, --team-init, --list-downloads, --export, --report o --delete.</translation>
        </message>
        <message>
            <source>--report with --team needs the number of a download as --list-downloads --team shows it.</source>
            <translation>--report con --team richiede il numero di un download come lo mostra --list-downloads --team.</translation>
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
            <translation>Data e ora</translation>
        </message>
        <message>
            <source>Engineer</source>
            <translation>Tecnico</translation>
        </message>
        <message>
            <source>Computer</source>
            <translation>Computer</translation>
        </message>
        <message>
            <source>Records</source>
            <translation>Record</translation>
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
            <translation>Impianto</translation>
        </message>
        <message numerus="yes">
            <source>%1 %n download(s) waiting.</source>
            <comment>%1 is why; the number follows</comment>
            <translation>
                <numerusform>%1 %n download in attesa.</numerusform>
                <numerusform>%1 %n download in attesa.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Sent to the team archive %1: %n new download(s).</source>
            <comment>%1 is user@server:port/database</comment>
            <translation>
                <numerusform>Inviato all'archivio del team %1: %n nuovo download.</numerusform>
                <numerusform>Inviato all'archivio del team %1: %n nuovi download.</numerusform>
            </translation>
        </message>
        <message>
            <source>The team archive %1 is up to date (version %2).</source>
            <translation>L'archivio del team %1 è aggiornato (versione %2).</translation>
        </message>
        <message>
            <source>The team archive %1 is ready (version %2). Grant its users a role: GRANT %3 TO user; or GRANT %4 TO user;</source>
            <comment>%3 and %4 are roles</comment>
            <translation>L'archivio del team %1 è pronto (versione %2). Assegna un ruolo ai suoi utenti: GRANT %3 TO user; oppure GRANT %4 TO user;</translation>
        </message>
        <message>
            <source>With --list-downloads, --export, --report or --delete: the team archive instead of this computer's; URL is a connection URI such as postgresql://user@server:5432/database?sslmode=require (without it: the Team archive settings).</source>
            <translation>Con --list-downloads, --export, --report o --delete: l'archivio del team invece di quello di questo computer; URL è un URI di connessione come postgresql://user@server:5432/database?sslmode=require (senza: le impostazioni dell'archivio del team).</translation>
        </message>
        <message>
            <source>URL</source>
            <comment>value name of --team</comment>
            <translation>URL</translation>
        </message>
        <message>
            <source>Sends every download of the archive that the team archive lacks.</source>
            <translation>Invia ogni download dell'archivio che manca all'archivio del team.</translation>
        </message>
        <message>
            <source>Creates the team archive on the server or brings it up to date (needs the database owner's rights).</source>
            <translation>Crea l'archivio del team sul server o lo aggiorna (richiede i diritti del proprietario del database).</translation>
        </message>
        <message>
            <source>Download %1 deleted from the team archive.</source>
            <translation>Download %1 eliminato dall'archivio del team.</translation>
        </message>
    </context>
    <context>
        <name>TeamConnection</name>
        <message>
            <source>%1 may not use the team archive: the office grants the role %2 (or %3). The server said: %4</source>
            <comment>%1 is a user name, %2 and %3 roles, %4 the server's words</comment>
            <translation>%1 non può usare l'archivio del team: l'ufficio assegna il ruolo %2 (o %3). Il server ha risposto: %4</translation>
        </message>
        <message>
            <source>The team archive %1 cannot be reached: %2</source>
            <comment>%1 is user@server:port/database, %2 the reason</comment>
            <translation>L'archivio del team %1 non è raggiungibile: %2</translation>
        </message>
        <message>
            <source>The team archive %1 refused the login: %2</source>
            <comment>%1 is user@server:port/database, %2 the reason</comment>
            <translation>L'archivio del team %1 ha rifiutato l'accesso: %2</translation>
        </message>
        <message>
            <source>No secure connection to the team archive %1: %2</source>
            <comment>%1 is user@server:port/database, %2 the reason</comment>
            <translation>Nessuna connessione sicura all'archivio del team %1: %2</translation>
        </message>
        <message>
            <source>The team archive %1 said: %2</source>
            <comment>%1 is user@server:port/database, %2 the server's words</comment>
            <translation>L'archivio del team %1 ha risposto: %2</translation>
        </message>
        <message>
            <source>The team archive needs Qt SQL's PostgreSQL driver (Debian: the package libqt5sql5-psql), which is not installed.</source>
            <translation>L'archivio del team richiede il driver PostgreSQL di Qt SQL (Debian: il pacchetto libqt5sql5-psql), che non è installato.</translation>
        </message>
        <message>
            <source>The database %1 holds no team archive. Its owner makes one with --team-init.</source>
            <comment>%1 is user@server:port/database</comment>
            <translation>Il database %1 non contiene alcun archivio del team. Il suo proprietario lo crea con --team-init.</translation>
        </message>
        <message>
            <source>The team archive %1 was made by a newer version of this program (version %2; this one knows %3). Install the newer version.</source>
            <comment>%1 is user@server:port/database, %2 and %3 version numbers</comment>
            <translation>L'archivio del team %1 è stato creato da una versione più recente di questo programma (versione %2; questa conosce la %3). Installa la versione più recente.</translation>
        </message>
        <message>
            <source>The team archive %1 is of an older version (%2): its owner brings it up to date with --team-init.</source>
            <comment>%1 is user@server:port/database, %2 a version number</comment>
            <translation>L'archivio del team %1 è di una versione precedente (%2): il suo proprietario lo aggiorna con --team-init.</translation>
        </message>
    </context>
    <context>
        <name>TeamDownloads</name>
        <message>
            <source>There is no download %1 in the team archive.</source>
            <comment>%1 is the number or identity of a download</comment>
            <translation>Non c'è alcun download %1 nell'archivio del team.</translation>
        </message>
        <message>
            <source>The bytes of download %1 are missing from the team archive.</source>
            <translation>I byte del download %1 mancano nell'archivio del team.</translation>
        </message>
        <message>
            <source>The bytes of download %1 in the team archive do not match their SHA-256.</source>
            <translation>I byte del download %1 nell'archivio del team non corrispondono al loro SHA-256.</translation>
        </message>
        <message>
            <source>Download %1 was sent by %2: only they (or the archive's owner) can delete it.</source>
            <comment>%1 is a download's number, %2 a user name</comment>
            <translation>Il download %1 è stato inviato da %2: solo questa persona (o il proprietario dell'archivio) può eliminarlo.</translation>
        </message>
    </context>
    <context>
        <name>TeamHistoryModel</name>
        <message>
            <source>Arrived %1</source>
            <comment>%1 is the date and time the team archive received it</comment>
            <translation>Arrivato il %1</translation>
        </message>
        <message>
            <source>Engineer</source>
            <translation>Tecnico</translation>
        </message>
        <message>
            <source>Computer</source>
            <translation>Computer</translation>
        </message>
        <message>
            <source>Site(s)</source>
            <translation>Impianto/i</translation>
        </message>
    </context>
    <context>
        <name>TeamPassword</name>
        <message numerus="yes">
            <source>the keyring did not answer within %n second(s)</source>
            <translation>
                <numerusform>il portachiavi non ha risposto entro %n secondo</numerusform>
                <numerusform>il portachiavi non ha risposto entro %n secondi</numerusform>
            </translation>
        </message>
        <message>
            <source>this build keeps no passwords; use ~/.pgpass or PGPASSWORD</source>
            <translation>questa versione non conserva password; usa ~/.pgpass o PGPASSWORD</translation>
        </message>
    </context>
    <context>
        <name>TeamSchema</name>
        <message>
            <source>The team archive was made by a newer version of this program (version %1; this one knows %2): it is left as it is.</source>
            <comment>%1 and %2 are version numbers</comment>
            <translation>L'archivio del team è stato creato da una versione più recente di questo programma (versione %1; questa conosce la %2): resta com'è.</translation>
        </message>
    </context>
    <context>
        <name>TeamSender</name>
        <message>
            <source>the team archive holds other bytes under this download's identity</source>
            <translation>l'archivio del team contiene altri byte con l'identità di questo download</translation>
        </message>
        <message numerus="yes">
            <source>%n download(s) refused: the team archive holds other bytes under their identity.</source>
            <translation>
                <numerusform>%n download rifiutato: l'archivio del team contiene altri byte con la sua identità.</numerusform>
                <numerusform>%n download rifiutati: l'archivio del team contiene altri byte con la loro identità.</numerusform>
            </translation>
        </message>
    </context>
</TS>
