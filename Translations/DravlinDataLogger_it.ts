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
            <numerusform>un altro programma ha tenuto occupato l&apos;archivio per più di %n secondo</numerusform>
            <numerusform>un altro programma ha tenuto occupato l&apos;archivio per più di %n secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>the archive cannot be written</source>
        <translation>non è possibile scrivere nell&apos;archivio</translation>
    </message>
    <message>
        <source>The archive %1 cannot be opened: %2</source>
        <translation>Non è possibile aprire l&apos;archivio %1: %2</translation>
    </message>
    <message>
        <source>The archive %1 was written by a newer version of this program. It was moved aside as %2 and a new archive was started.</source>
        <translation>L&apos;archivio %1 è stato scritto da una versione più recente di questo programma. È stato messo da parte come %2 ed è stato iniziato un nuovo archivio.</translation>
    </message>
    <message>
        <source>The archive %1 was damaged. It was moved aside as %2 and a new archive was started.</source>
        <translation>L&apos;archivio %1 era danneggiato. È stato messo da parte come %2 ed è stato iniziato un nuovo archivio.</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>è danneggiato</translation>
    </message>
    <message>
        <source>The archive %1 is damaged and could not be moved aside (%2). It was left as it is, and downloads are not archived until it is moved or deleted.</source>
        <translation>L&apos;archivio %1 è danneggiato e non è stato possibile metterlo da parte (%2). È stato lasciato com&apos;è e gli scaricamenti non vengono archiviati finché non viene spostato o eliminato.</translation>
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
        <translation>l&apos;archivio non è aperto</translation>
    </message>
    <message>
        <source>There is no download %1 in the archive.</source>
        <translation>Nell&apos;archivio non c&apos;è nessuno scaricamento %1.</translation>
    </message>
</context>
<context>
    <name>ArchiveCommands</name>
    <message>
        <source>Lists the downloads kept in the archive, newest first.</source>
        <translation>Elenca gli scaricamenti conservati nell&apos;archivio, dal più recente.</translation>
    </message>
    <message>
        <source>Saves download ID of the archive as --output, as after a download (--european applies).</source>
        <translation>Salva lo scaricamento ID dell&apos;archivio come --output, come dopo uno scaricamento (--european si applica).</translation>
    </message>
    <message>
        <source>ID</source>
        <comment>value name of --export</comment>
        <translation>ID</translation>
    </message>
    <message>
        <source>Deletes download ID from the archive.</source>
        <translation>Elimina lo scaricamento ID dall&apos;archivio.</translation>
    </message>
    <message>
        <source>ID</source>
        <comment>value name of --delete</comment>
        <translation>ID</translation>
    </message>
    <message>
        <source>The archive to use instead of the program&apos;s own (%1).</source>
        <comment>%1 is a file&apos;s path</comment>
        <translation>L&apos;archivio da usare al posto di quello del programma (%1).</translation>
    </message>
    <message>
        <source>file</source>
        <comment>value name of --archive</comment>
        <translation>file</translation>
    </message>
    <message>
        <source>Does not keep the download in the archive (with --download).</source>
        <translation>Non conserva lo scaricamento nell&apos;archivio (con --download).</translation>
    </message>
    <message>
        <source>The list&apos;s format for --list-downloads: text (the default) or json.</source>
        <translation>Il formato dell&apos;elenco di --list-downloads: text (predefinito) o json.</translation>
    </message>
    <message>
        <source>format</source>
        <comment>value name of --format</comment>
        <translation>formato</translation>
    </message>
    <message>
        <source>--list-downloads, --export and --delete go one at a time.</source>
        <translation>--list-downloads, --export e --delete si usano uno alla volta.</translation>
    </message>
    <message>
        <source>The option &apos;%1&apos; does not go with --%2.</source>
        <comment>%1 and %2 are options&apos; names</comment>
        <translation>L&apos;opzione &apos;%1&apos; non si può usare con --%2.</translation>
    </message>
    <message>
        <source>--%1 needs the number of a download as --list-downloads shows it, not &apos;%2&apos;.</source>
        <comment>%1 is an option&apos;s name, %2 the value as the user typed it</comment>
        <translation>--%1 richiede il numero di uno scaricamento come lo mostra --list-downloads, non &apos;%2&apos;.</translation>
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
        <source>--format is text or json, not &apos;%1&apos;.</source>
        <comment>%1 is the value as the user typed it</comment>
        <translation>--format è text o json, non &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--archive needs a file.</source>
        <translation>--archive richiede un file.</translation>
    </message>
    <message>
        <source>There is no download %1 in the archive %2.</source>
        <comment>%1 is the number of a download, %2 the archive&apos;s path</comment>
        <translation>Non c&apos;è nessuno scaricamento %1 nell&apos;archivio %2.</translation>
    </message>
    <message>
        <source>Download %1 deleted from the archive.</source>
        <comment>%1 is the number of a download</comment>
        <translation>Scaricamento %1 eliminato dall&apos;archivio.</translation>
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
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Downloads the stored test results of a solar installation tester over a serial port and saves them as .csv or .txt files.</source>
        <translation>Scarica i risultati delle prove memorizzati in uno strumento di verifica per impianti solari tramite una porta seriale e li salva come file .csv o .txt.</translation>
    </message>
    <message>
        <source>Without options it opens the program&apos;s window.</source>
        <translation>Senza opzioni apre la finestra del programma.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Mostra questa guida ed esce.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s name and version and exits.</source>
        <translation>Mostra il nome e la versione del programma ed esce.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <comment>%1 is the argument as the user typed it</comment>
        <translation>Argomento imprevisto «%1».</translation>
    </message>
    <message>
        <source>User guide: %1</source>
        <comment>%1 is the path of the help page</comment>
        <translation>Guida per l&apos;utente: %1</translation>
    </message>
    <message>
        <source>Downloads the tester&apos;s results without a window, as the Download button does, and saves them as --output. Needs --port and --output.</source>
        <translation>Scarica i risultati dello strumento senza finestra, come il pulsante «Scarica», e li salva come --output. Richiede --port e --output.</translation>
    </message>
    <message>
        <source>The tester&apos;s port: a name as the port list shows it (ttyUSB0, COM3) or a device path.</source>
        <translation>La porta dello strumento: un nome come appare nell&apos;elenco delle porte (ttyUSB0, COM3) o un percorso di dispositivo.</translation>
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
        <source>Shows no progress, only what went wrong.</source>
        <translation>Non mostra l&apos;avanzamento, solo ciò che non è andato a buon fine.</translation>
    </message>
    <message>
        <source>The option &apos;%1&apos; needs --download.</source>
        <comment>%1 is an option&apos;s name</comment>
        <translation>L&apos;opzione «%1» richiede --download.</translation>
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
        <source>--read-timeout needs a whole number of milliseconds, not &apos;%1&apos;.</source>
        <comment>%1 is the value as the user typed it</comment>
        <translation>--read-timeout richiede un numero intero di millisecondi, non «%1».</translation>
    </message>
    <message>
        <source>Exit status of --download:</source>
        <translation>Stato di uscita di --download:</translation>
    </message>
    <message>
        <source>the results are saved</source>
        <translation>i risultati sono stati salvati</translation>
    </message>
    <message>
        <source>the command line is wrong</source>
        <translation>la riga di comando è errata</translation>
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
        <source>the file could not be written</source>
        <translation>non è stato possibile scrivere il file</translation>
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
        <source>--format needs --list-downloads.</source>
        <translation>--format richiede --list-downloads.</translation>
    </message>
    <message>
        <source>no such download in the archive (--export, --delete)</source>
        <translation>nessuno scaricamento con quel numero nell&apos;archivio (--export, --delete)</translation>
    </message>
    <message>
        <source>the archive cannot be used (--list-downloads, --export, --delete)</source>
        <translation>non è possibile usare l&apos;archivio (--list-downloads, --export, --delete)</translation>
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
        <source>The site &quot;%1&quot; is not the design&apos;s site &quot;%2&quot;.</source>
        <translation>L&apos;impianto «%1» non è l&apos;impianto del progetto «%2».</translation>
    </message>
    <message>
        <source>The row has no string name.</source>
        <translation>La riga non ha un nome di stringa.</translation>
    </message>
    <message>
        <source>No array of the design matches the string &quot;%1&quot;.</source>
        <translation>Nessun campo del progetto corrisponde alla stringa «%1».</translation>
    </message>
    <message>
        <source>The data has no column &quot;%1&quot;.</source>
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
        <source>Voc at 25 °C %1 % from the array&apos;s median of %2 V (at most %3 %)</source>
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
</context>
<context>
    <name>DesignFile</name>
    <message>
        <source>The design file has no member &quot;%1&quot;.</source>
        <translation>Il file di progetto non ha la voce «%1».</translation>
    </message>
    <message>
        <source>The member &quot;%1&quot; of the design file must be text.</source>
        <translation>La voce «%1» del file di progetto deve essere un testo.</translation>
    </message>
    <message>
        <source>The member &quot;%1&quot; of the design file must be a number.</source>
        <translation>La voce «%1» del file di progetto deve essere un numero.</translation>
    </message>
    <message>
        <source>The member &quot;%1&quot; of the design file must not be negative.</source>
        <translation>La voce «%1» del file di progetto non deve essere negativa.</translation>
    </message>
    <message>
        <source>The member &quot;%1&quot; of the design file must be greater than zero.</source>
        <translation>La voce «%1» del file di progetto deve essere maggiore di zero.</translation>
    </message>
    <message>
        <source>The member &quot;%1&quot; of the design file must be from -10 to 10 %/°C.</source>
        <translation>La voce «%1» del file di progetto deve essere compresa tra -10 e 10 %/°C.</translation>
    </message>
    <message>
        <source>The member &quot;%1&quot; of the design file must be an object.</source>
        <translation>La voce «%1» del file di progetto deve essere un oggetto.</translation>
    </message>
    <message>
        <source>The member &quot;%1&quot; of the design file must be a whole number from 1 to 10000.</source>
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
        <source>The member &quot;%1&quot; of the design file must be a date written as YYYY-MM-DD.</source>
        <translation>La voce «%1» del file di progetto deve essere una data scritta come AAAA-MM-GG.</translation>
    </message>
    <message>
        <source>The member &quot;%1&quot; of the design file must be a list.</source>
        <translation>La voce «%1» del file di progetto deve essere un elenco.</translation>
    </message>
    <message>
        <source>The list &quot;arrays&quot; of the design file is empty: a design needs at least one array.</source>
        <translation>L&apos;elenco «arrays» del file di progetto è vuoto: un progetto richiede almeno un campo.</translation>
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
        <source>The data is kept in the archive as download %1. To write it:</source>
        <comment>%1 is the number of the download; the command follows on the next line</comment>
        <translation>I dati sono conservati nell&apos;archivio come scaricamento %1. Per scriverli:</translation>
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
        <translation>Apre il file con cui questo scaricamento è stato salvato l&apos;ultima volta</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Delete the download of %1 from the archive?</source>
        <comment>%1 is the date and time of the download</comment>
        <translation>Eliminare dall&apos;archivio lo scaricamento del %1?</translation>
    </message>
    <message>
        <source>The files it was saved as stay where they are.</source>
        <translation>I file in cui è stato salvato restano dove sono.</translation>
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
        <translation>Chiude l&apos;applicazione</translation>
    </message>
    <message>
        <source>Refresh Ports</source>
        <translation>Aggiorna porte</translation>
    </message>
    <message>
        <source>Refreshes the list of COM ports</source>
        <translation>Aggiorna l&apos;elenco delle porte COM</translation>
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
        <comment>The %1 is replaced with the version number so please don&apos;t remove it!</comment>
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
        <source>The help pages were not found in &quot;%1&quot;.</source>
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
        <source>History...</source>
        <translation>Cronologia...</translation>
    </message>
    <message>
        <source>Shows every download kept in the archive</source>
        <translation>Mostra tutti gli scaricamenti conservati nell&apos;archivio</translation>
    </message>
</context>
<context>
    <name>PortErrorText</name>
    <message>
        <source>No port is selected. Connect the adapter, then press Refresh Ports.</source>
        <translation>Nessuna porta selezionata. Collegare l&apos;adattatore, quindi premere &quot;Aggiorna porte&quot;.</translation>
    </message>
    <message>
        <source>The port is in use by another program. Close the other program and try again.</source>
        <translation>La porta è utilizzata da un altro programma. Chiudere l&apos;altro programma e riprovare.</translation>
    </message>
    <message>
        <source>Permission denied. Add your user to the group &quot;%1&quot; that owns the port, then log out and log in again.</source>
        <comment>The %1 will be replaced with the name of a user group, such as dialout. Please do not remove it in your translation!</comment>
        <translation>Accesso negato. Aggiungere il proprio utente al gruppo &quot;%1&quot; proprietario della porta, quindi disconnettersi e accedere di nuovo.</translation>
    </message>
    <message>
        <source>Permission denied. Your user account may not use this port.</source>
        <translation>Accesso negato. L&apos;account utente in uso non è autorizzato a usare questa porta.</translation>
    </message>
    <message>
        <source>No such device. Check that the adapter is plugged in, then press Refresh Ports.</source>
        <translation>Dispositivo non trovato. Verificare che l&apos;adattatore sia inserito, quindi premere &quot;Aggiorna porte&quot;.</translation>
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
        <translation>L&apos;ultimo record è incompleto: lo strumento potrebbe essersi fermato più a lungo del timeout di lettura. Ripeta lo scaricamento con un timeout più lungo.</translation>
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
        <translation>La riga %1 ha %2 campi mentre l&apos;intestazione ne ha %3.</translation>
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
</context>
<context>
    <name>SaveStep</name>
    <message>
        <source>Error writing to the standard output: %1</source>
        <comment>%1 is the system&apos;s reason</comment>
        <translation>Errore di scrittura sullo standard output: %1</translation>
    </message>
    <message>
        <source>The European format applies to .csv files only; &quot;%1&quot; is written as received.</source>
        <comment>%1 is a file name</comment>
        <translation>Il formato europeo si applica solo ai file .csv; «%1» viene scritto così come ricevuto.</translation>
    </message>
</context>
</TS>
