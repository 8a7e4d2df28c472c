<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
    <context>
        <name>Archive</name>
        <message>
            <source>the system refused</source>
            <translation>el sistema lo rechazó</translation>
        </message>
        <message>
            <source>%1 is not a folder</source>
            <translation>%1 no es una carpeta</translation>
        </message>
        <message>
            <source>the folder %1 cannot be created</source>
            <translation>no se puede crear la carpeta %1</translation>
        </message>
        <message>
            <source>the disk is full</source>
            <translation>el disco está lleno</translation>
        </message>
        <message numerus="yes">
            <source>another program kept the archive busy for more than %n second(s)</source>
            <translation>
                <numerusform>otro programa mantuvo ocupado el archivo histórico más de %n segundo</numerusform>
                <numerusform>otro programa mantuvo ocupado el archivo histórico más de %n segundos</numerusform>
            </translation>
        </message>
        <message>
            <source>the archive cannot be written</source>
            <translation>no se puede escribir en el archivo histórico</translation>
        </message>
        <message>
            <source>The archive %1 cannot be opened: %2</source>
            <translation>No se puede abrir el archivo histórico %1: %2</translation>
        </message>
        <message>
            <source>The archive %1 was written by a newer version of this program. It was moved aside as %2 and a new archive was started.</source>
            <translation>El archivo histórico %1 lo escribió una versión más reciente de este programa. Se ha apartado como %2 y se ha empezado uno nuevo.</translation>
        </message>
        <message>
            <source>The archive %1 was damaged. It was moved aside as %2 and a new archive was started.</source>
            <translation>El archivo histórico %1 estaba dañado. Se ha apartado como %2 y se ha empezado uno nuevo.</translation>
        </message>
        <message>
            <source>it is damaged</source>
            <translation>está dañado</translation>
        </message>
        <message>
            <source>The archive %1 is damaged and could not be moved aside (%2). It was left as it is, and downloads are not archived until it is moved or deleted.</source>
            <translation>El archivo histórico %1 está dañado y no se pudo apartar (%2). Se ha dejado como está, y las descargas no se archivan hasta que se mueva o se elimine.</translation>
        </message>
        <message>
            <source>the SQLite driver of Qt SQL is not installed</source>
            <translation>el controlador SQLite de Qt SQL no está instalado</translation>
        </message>
        <message>
            <source>This download was not archived: %1</source>
            <translation>Esta descarga no se ha archivado: %1</translation>
        </message>
        <message>
            <source>the archive is not open</source>
            <translation>el archivo histórico no está abierto</translation>
        </message>
        <message>
            <source>There is no download %1 in the archive.</source>
            <translation>No hay ninguna descarga %1 en el archivo histórico.</translation>
        </message>
        <message>
            <source>%1 is a link to %2, which does not exist; nothing was changed</source>
            <comment>%1 and %2 are paths</comment>
            <translation>%1 es un enlace a %2, que no existe; no se ha cambiado nada</translation>
        </message>
        <message>
            <source>There is no archive at %1.</source>
            <comment>%1 is a path</comment>
            <translation>No hay ningún archivo histórico en %1.</translation>
        </message>
        <message>
            <source>%1 was written by a newer version of this program; nothing was changed</source>
            <comment>%1 is a path</comment>
            <translation>%1 fue escrito por una versión más reciente de este programa; no se ha cambiado nada</translation>
        </message>
        <message>
            <source>%1 is damaged; nothing was changed</source>
            <comment>%1 is the archive's path</comment>
            <translation>%1 está dañado; no se ha cambiado nada</translation>
        </message>
        <message>
            <source>%1 is damaged (%2); nothing was changed</source>
            <comment>%1 is the archive's path, %2 SQLite's words</comment>
            <translation>%1 está dañado (%2); no se ha cambiado nada</translation>
        </message>
        <message>
            <source>%1 is not an archive of this program; nothing was changed</source>
            <comment>%1 is a path</comment>
            <translation>%1 no es un archivo histórico de este programa; no se ha cambiado nada</translation>
        </message>
    </context>
    <context>
        <name>ArchiveCommand</name>
        <message>
            <source>--list-downloads, --export and --delete go one at a time.</source>
            <translation>--list-downloads, --export y --delete se usan de uno en uno.</translation>
        </message>
        <message>
            <source>--%1 needs the number of a download as --list-downloads shows it, not '%2'.</source>
            <comment>%1 is an option's name, %2 the value as the user typed it</comment>
            <translation>--%1 necesita el número de una descarga tal como lo muestra --list-downloads, no '%2'.</translation>
        </message>
        <message>
            <source>--export needs --output.</source>
            <translation>--export necesita --output.</translation>
        </message>
        <message>
            <source>--european and --no-european exclude each other.</source>
            <translation>--european y --no-european se excluyen mutuamente.</translation>
        </message>
        <message>
            <source>--format is text or json, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--format es text o json, no «%1».</translation>
        </message>
        <message>
            <source>--archive needs a file.</source>
            <translation>--archive necesita un archivo.</translation>
        </message>
    </context>
    <context>
        <name>ArchiveCommands</name>
        <message>
            <source>Lists the downloads kept in the archive, newest first.</source>
            <translation>Muestra las descargas guardadas en el archivo histórico, las más recientes primero.</translation>
        </message>
        <message>
            <source>Saves download ID of the archive as --output, as after a download (--european applies).</source>
            <translation>Guarda la descarga ID del archivo histórico como --output, igual que tras una descarga (--european se aplica).</translation>
        </message>
        <message>
            <source>ID</source>
            <comment>value name of --export</comment>
            <translation>ID</translation>
        </message>
        <message>
            <source>Deletes download ID from the archive.</source>
            <translation>Elimina la descarga ID del archivo histórico.</translation>
        </message>
        <message>
            <source>ID</source>
            <comment>value name of --delete</comment>
            <translation>ID</translation>
        </message>
        <message>
            <source>The archive to use instead of the program's own (%1).</source>
            <comment>%1 is a file's path</comment>
            <translation>El archivo histórico que se usa en lugar del propio del programa (%1).</translation>
        </message>
        <message>
            <source>file</source>
            <comment>value name of --archive</comment>
            <translation>archivo</translation>
        </message>
        <message>
            <source>Does not keep the download in the archive (with --download).</source>
            <translation>No guarda la descarga en el archivo histórico (con --download).</translation>
        </message>
        <message>
            <source>There is no download %1 in the archive %2.</source>
            <comment>%1 is the number of a download, %2 the archive's path</comment>
            <translation>No hay ninguna descarga %1 en el archivo histórico %2.</translation>
        </message>
        <message>
            <source>Download %1 deleted from the archive.</source>
            <comment>%1 is the number of a download</comment>
            <translation>Descarga %1 eliminada del archivo histórico.</translation>
        </message>
        <message>
            <source>ID</source>
            <translation>ID</translation>
        </message>
        <message>
            <source>Date and time</source>
            <translation>Fecha y hora</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Puerto</translation>
        </message>
        <message>
            <source>Bytes</source>
            <translation>Bytes</translation>
        </message>
        <message>
            <source>Ended</source>
            <translation>Final</translation>
        </message>
        <message>
            <source>Saved as</source>
            <translation>Guardado como</translation>
        </message>
        <message>
            <source>not saved</source>
            <translation>no guardado</translation>
        </message>
        <message>
            <source>The archive %1 could not be read: %2</source>
            <comment>%1 is the archive's path, %2 the reason</comment>
            <translation>No se pudo leer el archivo histórico %1: %2</translation>
        </message>
        <message>
            <source>The archive could not record this save: %1</source>
            <comment>%1 is the reason</comment>
            <translation>El archivo histórico no pudo registrar este guardado: %1</translation>
        </message>
    </context>
    <context>
        <name>Command</name>
        <message>
            <source>The option '%1' does not go with --%2.</source>
            <comment>%1 and %2 are options' names</comment>
            <translation>La opción '%1' no se puede usar con --%2.</translation>
        </message>
    </context>
    <context>
        <name>CommandLine</name>
        <message>
            <source>Downloads the stored test results of a solar installation tester over a serial port and saves them as .csv or .txt files.</source>
            <translation>Descarga los resultados de las pruebas guardados en un comprobador de instalaciones solares a través de un puerto serie y los guarda como archivo .csv o .txt.</translation>
        </message>
        <message>
            <source>Without options it opens the program's window.</source>
            <translation>Sin opciones, abre la ventana del programa.</translation>
        </message>
        <message>
            <source>Shows this help and exits.</source>
            <translation>Muestra esta ayuda y termina.</translation>
        </message>
        <message>
            <source>Shows the program's name and version and exits.</source>
            <translation>Muestra el nombre y la versión del programa y termina.</translation>
        </message>
        <message>
            <source>Unexpected argument '%1'.</source>
            <comment>%1 is the argument as the user typed it</comment>
            <translation>Argumento inesperado «%1».</translation>
        </message>
        <message>
            <source>User guide: %1</source>
            <comment>%1 is the path of the help page</comment>
            <translation>Guía del usuario: %1</translation>
        </message>
        <message>
            <source>the results are saved</source>
            <translation>los resultados se han guardado</translation>
        </message>
        <message>
            <source>the port could not be opened</source>
            <translation>no se pudo abrir el puerto</translation>
        </message>
        <message>
            <source>the line was lost before any data came</source>
            <translation>la conexión se perdió antes de que llegaran datos</translation>
        </message>
        <message>
            <source>interrupted with Ctrl+C (SIGINT)</source>
            <translation>interrumpido con Ctrl+C (SIGINT)</translation>
        </message>
        <message>
            <source>stopped with SIGTERM</source>
            <translation>detenido con SIGTERM</translation>
        </message>
        <message>
            <source>no data came within --start-timeout</source>
            <translation>no llegaron datos dentro de --start-timeout</translation>
        </message>
        <message>
            <source>stopped with SIGHUP (the terminal or SSH session closed); nothing saved</source>
            <translation>detenido con SIGHUP (se cerró el terminal o la sesión SSH); no se guardó nada</translation>
        </message>
        <message>
            <source>No display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set). To download without a window: %1 --download --port PORT --output FILE</source>
            <comment>%1 is the program's name; PORT and FILE stand for values the user fills in</comment>
            <translation>No hay pantalla en la que abrir la ventana (no está definida ni DISPLAY ni WAYLAND_DISPLAY). Para descargar sin ventana: %1 --download --port PUERTO --output ARCHIVO</translation>
        </message>
        <message>
            <source>saved (or read), but the data may be incomplete: the line was lost before it fell silent, or the last record is cut or records are missing</source>
            <translation>guardado (o leído), pero puede que los datos estén incompletos: la conexión se perdió antes de que la línea quedara en silencio, o el último registro está cortado o faltan registros</translation>
        </message>
        <message>
            <source>Exit status of --download, --summary and --report:</source>
            <translation>Estado de salida de --download, --summary y --report:</translation>
        </message>
        <message>
            <source>the command line is wrong, or a file, the design file or the archive could not be read</source>
            <translation>la línea de órdenes es incorrecta, o no se pudo leer un archivo, el archivo de diseño o el archivo histórico</translation>
        </message>
        <message>
            <source>the file (or the report) could not be written</source>
            <translation>no se pudo escribir el archivo (o el informe)</translation>
        </message>
        <message>
            <source>no such download in the archive (--export, --delete, --report)</source>
            <translation>no existe esa descarga en el archivo histórico (--export, --delete, --report)</translation>
        </message>
        <message>
            <source>the team archive cannot be reached or refuses (the downloads stay waiting)</source>
            <translation>el archivo del equipo no se puede alcanzar o rechaza (las descargas siguen esperando)</translation>
        </message>
        <message>
            <source>the archive is missing, refused (a file named with --archive that is not an archive of this program) or cannot be read</source>
            <translation>el archivo histórico falta, se ha rechazado (un archivo indicado con --archive que no es un archivo histórico de este programa) o no se puede leer</translation>
        </message>
    </context>
    <context>
        <name>CommissioningReport</name>
        <message>
            <source>Module count</source>
            <translation>Número de módulos</translation>
        </message>
        <message>
            <source>Voc against its neighbours</source>
            <translation>Voc frente a las cadenas vecinas</translation>
        </message>
        <message>
            <source>Isc at STC</source>
            <translation>Isc en STC</translation>
        </message>
        <message>
            <source>Insulation</source>
            <translation>Aislamiento</translation>
        </message>
        <message>
            <source>Continuity</source>
            <translation>Continuidad</translation>
        </message>
        <message>
            <source>Commissioning test report</source>
            <translation>Informe de pruebas de puesta en servicio</translation>
        </message>
        <message>
            <source>line %1</source>
            <translation>línea %1</translation>
        </message>
        <message>
            <source>(no site named)</source>
            <translation>(ninguna instalación indicada)</translation>
        </message>
        <message>
            <source>%1 to %2</source>
            <translation>del %1 al %2</translation>
        </message>
        <message>
            <source>Site</source>
            <translation>Instalación</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>Dirección</translation>
        </message>
        <message>
            <source>Client</source>
            <translation>Cliente</translation>
        </message>
        <message>
            <source>Date of the tests</source>
            <translation>Fecha de las pruebas</translation>
        </message>
        <message>
            <source>Inspector</source>
            <translation>Inspector</translation>
        </message>
        <message>
            <source>Instrument</source>
            <translation>Instrumento</translation>
        </message>
        <message>
            <source>%1, serial number %2, calibrated on %3</source>
            <translation>%1, número de serie %2, calibrado el %3</translation>
        </message>
        <message>
            <source>Summary</source>
            <translation>Resumen</translation>
        </message>
        <message>
            <source>Nothing to report: the data holds no records.</source>
            <translation>Nada que informar: los datos no contienen ningún registro.</translation>
        </message>
        <message>
            <source>Nothing to report: the data holds no records of the site "%1".</source>
            <translation>Nada que informar: los datos no contienen ningún registro de la instalación «%1».</translation>
        </message>
        <message>
            <source>%1 records: %2 PASS and %3 FAIL by the tester</source>
            <translation>%1 registros: %2 PASS y %3 FAIL según el comprobador</translation>
        </message>
        <message>
            <source>%1 strings checked against the design: %2 FAIL by the design checks</source>
            <translation>%1 cadenas comprobadas frente al diseño: %2 FAIL según las comprobaciones del diseño</translation>
        </message>
        <message>
            <source>The design has no arrays: no string was checked against it.</source>
            <translation>El diseño no tiene campos: no se ha comprobado ninguna cadena frente a él.</translation>
        </message>
        <message>
            <source>%1: %2</source>
            <translation>%1: %2</translation>
        </message>
        <message>
            <source>FAIL by the tester's own limits</source>
            <translation>FAIL según los propios límites del comprobador</translation>
        </message>
        <message>
            <source>Failures</source>
            <translation>Fallos</translation>
        </message>
        <message>
            <source>String</source>
            <translation>Cadena</translation>
        </message>
        <message>
            <source>Tester</source>
            <translation>Comprobador</translation>
        </message>
        <message>
            <source>Design checks: why</source>
            <translation>Comprobaciones del diseño: motivo</translation>
        </message>
        <message>
            <source>Voc (V)</source>
            <translation>Voc (V)</translation>
        </message>
        <message>
            <source>Voc expected (V)</source>
            <translation>Voc esperada (V)</translation>
        </message>
        <message>
            <source>Isc (A)</source>
            <translation>Isc (A)</translation>
        </message>
        <message>
            <source>Isc at STC (A)</source>
            <translation>Isc en STC (A)</translation>
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
            <translation>Continuidad (Ω)</translation>
        </message>
        <message>
            <source>Design checks</source>
            <translation>Comprobaciones del diseño</translation>
        </message>
        <message>
            <source>Array "%1": %2 modules of %3 in series, matched by "%4"</source>
            <translation>Campo «%1»: %2 módulos de tipo %3 en serie, cadenas asignadas por «%4»</translation>
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
            <translation>no comprobado</translation>
        </message>
        <message>
            <source>Array "%1" (continued)</source>
            <translation>Campo «%1» (continuación)</translation>
        </message>
        <message>
            <source>Strings not checked against the design</source>
            <translation>Cadenas no comprobadas frente al diseño</translation>
        </message>
        <message>
            <source>Reason</source>
            <translation>Motivo</translation>
        </message>
        <message>
            <source>Pass criteria</source>
            <translation>Criterios de aceptación</translation>
        </message>
        <message>
            <source>The tester judges each record by its own limits. The design checks judge each string against the design of its array:</source>
            <translation>El comprobador evalúa cada registro según sus propios límites. Las comprobaciones del diseño evalúan cada cadena frente al diseño de su campo:</translation>
        </message>
        <message>
            <source>Module count: round(Voc ÷ (Voc_STC × (1 + β × (T − 25 °C)))) equals the modules in series.</source>
            <translation>Número de módulos: redondeo(Voc ÷ (Voc_STC × (1 + β × (T − 25 °C)))) es igual al número de módulos en serie.</translation>
        </message>
        <message>
            <source>Voc against its neighbours: Voc brought to 25 °C with β is within %1 % of the median of the same array's strings.</source>
            <translation>Voc frente a las cadenas vecinas: Voc corregida a 25 °C con β está dentro del %1 % de la mediana de las cadenas del mismo campo.</translation>
        </message>
        <message>
            <source>Isc at STC: Isc × 1000 ÷ G ÷ (1 + α × (T − 25 °C)) is within %1 % of Isc_STC; not checked below %2 W/m².</source>
            <translation>Isc en STC: Isc × 1000 ÷ G ÷ (1 + α × (T − 25 °C)) está dentro del %1 % de Isc_STC; no se comprueba por debajo de %2 W/m².</translation>
        </message>
        <message>
            <source>Insulation: Riso at least the array's minimum.</source>
            <translation>Aislamiento: Riso como mínimo igual al mínimo del campo.</translation>
        </message>
        <message>
            <source>Continuity: at most the array's maximum, when the design sets one.</source>
            <translation>Continuidad: como máximo el máximo del campo, cuando el diseño fija uno.</translation>
        </message>
        <message>
            <source>Array</source>
            <translation>Campo</translation>
        </message>
        <message>
            <source>Strings matched by</source>
            <translation>Cadenas asignadas por</translation>
        </message>
        <message>
            <source>Module</source>
            <translation>Módulo</translation>
        </message>
        <message>
            <source>Modules in series</source>
            <translation>Módulos en serie</translation>
        </message>
        <message>
            <source>Module Voc at STC</source>
            <translation>Voc del módulo en STC</translation>
        </message>
        <message>
            <source>%1 V</source>
            <translation>%1 V</translation>
        </message>
        <message>
            <source>Module Isc at STC</source>
            <translation>Isc del módulo en STC</translation>
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
            <translation>Tensión del sistema (N × Voc_STC × 1,25)</translation>
        </message>
        <message>
            <source>Insulation test voltage</source>
            <translation>Tensión de prueba de aislamiento</translation>
        </message>
        <message>
            <source>%1 (by the system voltage)</source>
            <translation>%1 (según la tensión del sistema)</translation>
        </message>
        <message>
            <source>Insulation minimum</source>
            <translation>Aislamiento mínimo</translation>
        </message>
        <message>
            <source>%1 MΩ</source>
            <translation>%1 MΩ</translation>
        </message>
        <message>
            <source>Continuity maximum</source>
            <translation>Continuidad máxima</translation>
        </message>
        <message>
            <source>%1 Ω</source>
            <translation>%1 Ω</translation>
        </message>
        <message>
            <source>Signatures</source>
            <translation>Firmas</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nombre</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Fecha</translation>
        </message>
        <message>
            <source>Signature</source>
            <translation>Firma</translation>
        </message>
        <message>
            <source>Trace of the data</source>
            <translation>Trazabilidad de los datos</translation>
        </message>
        <message>
            <source>download %1 in the archive</source>
            <translation>descarga %1 en el archivo histórico</translation>
        </message>
        <message>
            <source>file %1</source>
            <translation>archivo %1</translation>
        </message>
        <message>
            <source>%1, %2</source>
            <translation>%1, %2</translation>
        </message>
        <message>
            <source>Source</source>
            <translation>Origen</translation>
        </message>
        <message>
            <source>Downloaded</source>
            <translation>Descargado el</translation>
        </message>
        <message>
            <source>Bytes as received</source>
            <translation>Bytes recibidos</translation>
        </message>
        <message>
            <source>SHA-256 of the bytes</source>
            <translation>SHA-256 de los bytes</translation>
        </message>
        <message>
            <source>Page %1 of %2</source>
            <translation>Página %1 de %2</translation>
        </message>
        <message>
            <source>The report could not be written to %1: %2</source>
            <translation>No se pudo escribir el informe en %1: %2</translation>
        </message>
        <message>
            <source>the PDF could not be drawn</source>
            <translation>no se pudo generar el PDF</translation>
        </message>
        <message>
            <source>%1 records: %2 PASS, %3 FAIL and %4 other by the tester</source>
            <comment>%4 the records whose result is neither PASS nor FAIL</comment>
            <translation>%1 registros: %2 PASS, %3 FAIL y %4 otros según el comprobador</translation>
        </message>
        <message>
            <source>Arrays without strings in the data (%1): %2</source>
            <comment>%1 how many, %2 their names</comment>
            <translation>Campos sin cadenas en los datos (%1): %2</translation>
        </message>
    </context>
    <context>
        <name>DesignChecks</name>
        <message>
            <source>site</source>
            <translation>instalación</translation>
        </message>
        <message>
            <source>string name</source>
            <translation>nombre de la cadena</translation>
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
            <translation>irradiancia</translation>
        </message>
        <message>
            <source>module temperature</source>
            <translation>temperatura del módulo</translation>
        </message>
        <message>
            <source>insulation resistance</source>
            <translation>resistencia de aislamiento</translation>
        </message>
        <message>
            <source>continuity</source>
            <translation>continuidad</translation>
        </message>
        <message>
            <source>The site "%1" is not the design's site "%2".</source>
            <translation>La instalación «%1» no es la instalación del diseño «%2».</translation>
        </message>
        <message>
            <source>The row has no string name.</source>
            <translation>La fila no tiene nombre de cadena.</translation>
        </message>
        <message>
            <source>No array of the design matches the string "%1".</source>
            <translation>Ningún campo del diseño corresponde a la cadena «%1».</translation>
        </message>
        <message>
            <source>The data has no column "%1".</source>
            <translation>Los datos no tienen la columna «%1».</translation>
        </message>
        <message>
            <source>The data has no column of %1.</source>
            <translation>Los datos no tienen columna de %1.</translation>
        </message>
        <message>
            <source>The row has no value of %1.</source>
            <translation>La fila no tiene valor de %1.</translation>
        </message>
        <message>
            <source>A module temperature of %1 °C is out of range.</source>
            <translation>Una temperatura de módulo de %1 °C está fuera de rango.</translation>
        </message>
        <message>
            <source>%1 modules measured, %2 designed</source>
            <translation>%1 módulos medidos, %2 diseñados</translation>
        </message>
        <message>
            <source>%1 strings of this array to compare, at least %2 needed</source>
            <translation>%1 cadenas de este campo para comparar, se necesitan al menos %2</translation>
        </message>
        <message>
            <source>Voc at 25 °C %1 % from the array's median of %2 V (at most %3 %)</source>
            <translation>Voc a 25 °C a %1 % de la mediana del campo de %2 V (como máximo %3 %)</translation>
        </message>
        <message>
            <source>Irradiance of %1 W/m² below the %2 W/m² the check needs</source>
            <translation>Irradiancia de %1 W/m² por debajo de los %2 W/m² que necesita la comprobación</translation>
        </message>
        <message>
            <source>Isc at STC %1 A, %2 % from the designed %3 A (at most %4 %)</source>
            <translation>Isc en STC %1 A, a %2 % de los %3 A del diseño (como máximo %4 %)</translation>
        </message>
        <message>
            <source>%1 MΩ, at least %2 MΩ designed</source>
            <translation>%1 MΩ, al menos %2 MΩ según diseño</translation>
        </message>
        <message>
            <source>The design sets no maximum for continuity.</source>
            <translation>El diseño no fija un máximo para la continuidad.</translation>
        </message>
        <message>
            <source>%1 Ω, at most %2 Ω designed</source>
            <translation>%1 Ω, como máximo %2 Ω según diseño</translation>
        </message>
        <message>
            <source>%1 FAIL by the tester · %2 more by the design checks</source>
            <comment>%1 rows the tester failed, %2 further rows only the design checks failed</comment>
            <translation>%1 FAIL según el comprobador · %2 más según las comprobaciones del diseño</translation>
        </message>
        <message>
            <source>%1 PASS · %2 FAIL · %3 other by the tester · %4 more by the design checks</source>
            <comment>%1, %2 rows the tester passed and failed, %3 rows with neither, %4 further rows only the design checks failed</comment>
            <translation>%1 PASS · %2 FAIL · %3 otros según el comprobador · %4 más según las comprobaciones de diseño</translation>
        </message>
    </context>
    <context>
        <name>DesignChecksColumn</name>
        <message>
            <source>Module count</source>
            <translation>Número de módulos</translation>
        </message>
        <message>
            <source>Voc against its neighbours</source>
            <translation>Voc frente a las cadenas vecinas</translation>
        </message>
        <message>
            <source>Isc at STC</source>
            <translation>Isc en STC</translation>
        </message>
        <message>
            <source>Insulation</source>
            <translation>Aislamiento</translation>
        </message>
        <message>
            <source>Continuity</source>
            <translation>Continuidad</translation>
        </message>
        <message>
            <source>not checked</source>
            <translation>no comprobado</translation>
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
            <translation>Comprobaciones del diseño</translation>
        </message>
        <message>
            <source>The design checks' verdict; the reasons in each cell's tooltip.</source>
            <translation>El veredicto de las comprobaciones del diseño; los motivos en la información emergente de cada celda.</translation>
        </message>
    </context>
    <context>
        <name>DesignFile</name>
        <message>
            <source>The design file has no member "%1".</source>
            <translation>El archivo de diseño no tiene el miembro «%1».</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be text.</source>
            <translation>El miembro «%1» del archivo de diseño debe ser un texto.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a number.</source>
            <translation>El miembro «%1» del archivo de diseño debe ser un número.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must not be negative.</source>
            <translation>El miembro «%1» del archivo de diseño no debe ser negativo.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be greater than zero.</source>
            <translation>El miembro «%1» del archivo de diseño debe ser mayor que cero.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be from -10 to 10 %/°C.</source>
            <translation>El miembro «%1» del archivo de diseño debe estar entre -10 y 10 %/°C.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be an object.</source>
            <translation>El miembro «%1» del archivo de diseño debe ser un objeto.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a whole number from 1 to 10000.</source>
            <translation>El miembro «%1» del archivo de diseño debe ser un número entero de 1 a 10000.</translation>
        </message>
        <message>
            <source>The design file is not valid JSON: %1 on line %2.</source>
            <translation>El archivo de diseño no es JSON válido: %1 en la línea %2.</translation>
        </message>
        <message>
            <source>The design file does not hold a JSON object.</source>
            <translation>El archivo de diseño no contiene un objeto JSON.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a date written as YYYY-MM-DD.</source>
            <translation>El miembro «%1» del archivo de diseño debe ser una fecha escrita como AAAA-MM-DD.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a list.</source>
            <translation>El miembro «%1» del archivo de diseño debe ser una lista.</translation>
        </message>
        <message>
            <source>The list "arrays" of the design file is empty: a design needs at least one array.</source>
            <translation>La lista «arrays» del archivo de diseño está vacía: un diseño necesita al menos un campo.</translation>
        </message>
    </context>
    <context>
        <name>DialogLanguage</name>
        <message>
            <source>Please choose a language</source>
            <translation>Elija un idioma</translation>
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
            <translation>--format se usa con --list-ports, --list-downloads o --summary.</translation>
        </message>
        <message>
            <source>The option '%1' needs --download.</source>
            <comment>%1 is an option's name</comment>
            <translation>La opción «%1» necesita --download.</translation>
        </message>
        <message>
            <source>--download needs --port.</source>
            <translation>--download necesita --port.</translation>
        </message>
        <message>
            <source>--download needs --output.</source>
            <translation>--download necesita --output.</translation>
        </message>
        <message>
            <source>--european and --no-european exclude each other.</source>
            <translation>--european y --no-european se excluyen mutuamente.</translation>
        </message>
        <message>
            <source>--read-timeout needs a whole number of milliseconds from %1 to %2, not '%3'.</source>
            <comment>%1 and %2 are the limits, %3 the value as the user typed it</comment>
            <translation>--read-timeout necesita un número entero de milisegundos de %1 a %2, no «%3».</translation>
        </message>
        <message>
            <source>--start-timeout needs a whole number of seconds from 1 to %1, not '%2'.</source>
            <comment>%1 is the limit, %2 the value as the user typed it</comment>
            <translation>--start-timeout necesita un número entero de segundos de 1 a %1, no «%2».</translation>
        </message>
        <message>
            <source>Downloads the tester's results without a window, as the Download button does, and saves them as --output. Needs --port and --output.</source>
            <translation>Descarga los resultados del comprobador sin ventana, como el botón «Descargar», y los guarda como --output. Necesita --port y --output.</translation>
        </message>
        <message>
            <source>The tester's port: a name as the port list shows it (ttyUSB0, COM3) or a device path.</source>
            <translation>El puerto del comprobador: un nombre como lo muestra la lista de puertos (ttyUSB0, COM3) o una ruta de dispositivo.</translation>
        </message>
        <message>
            <source>port</source>
            <comment>value name of --port</comment>
            <translation>puerto</translation>
        </message>
        <message>
            <source>The file to save the results as, replaced if it exists; - for the standard output.</source>
            <translation>El archivo donde guardar los resultados, que se reemplaza si existe; - para la salida estándar.</translation>
        </message>
        <message>
            <source>file</source>
            <comment>value name of --output</comment>
            <translation>archivo</translation>
        </message>
        <message>
            <source>Milliseconds of silence that end the download (%1 to %2, default %3).</source>
            <comment>%1 and %2 are the limits, %3 the default</comment>
            <translation>Milisegundos de silencio que terminan la descarga (de %1 a %2, %3 por defecto).</translation>
        </message>
        <message>
            <source>ms</source>
            <comment>value name of --read-timeout</comment>
            <translation>ms</translation>
        </message>
        <message>
            <source>Saves a .csv file in the European format: semicolons between fields and decimal commas.</source>
            <translation>Guarda un archivo .csv en formato europeo: punto y coma entre campos y coma decimal.</translation>
        </message>
        <message>
            <source>Saves the results as received (also without either option).</source>
            <translation>Guarda los resultados tal como se recibieron (también sin ninguna de las dos opciones).</translation>
        </message>
        <message>
            <source>Gives up when no data has come this many seconds after the tester was asked for it (1 to %1; without it the download waits until it is stopped).</source>
            <comment>%1 is the largest number of seconds</comment>
            <translation>Desiste si no han llegado datos tantos segundos después de pedírselos al comprobador (1 a %1; sin esta opción la descarga espera hasta que se detenga).</translation>
        </message>
        <message>
            <source>seconds</source>
            <comment>value name of --start-timeout</comment>
            <translation>segundos</translation>
        </message>
        <message>
            <source>Shows no progress, only what went wrong.</source>
            <translation>No muestra el progreso, solo lo que ha fallado.</translation>
        </message>
        <message>
            <source>Also shows the serial port's diagnostics on the error stream.</source>
            <translation>Muestra también los diagnósticos del puerto serie en la salida de errores.</translation>
        </message>
    </context>
    <context>
        <name>DownloadEndingText</name>
        <message>
            <source>Finished</source>
            <comment>a download that ended when the tester fell silent</comment>
            <translation>Completada</translation>
        </message>
        <message>
            <source>Line lost</source>
            <comment>a download that ended when the connection was lost</comment>
            <translation>Conexión perdida</translation>
        </message>
        <message>
            <source>Cancelled</source>
            <comment>a download stopped by the user</comment>
            <translation>Cancelada</translation>
        </message>
        <message>
            <source>Interrupted</source>
            <comment>a download stopped when the program was closed or stopped</comment>
            <translation>Interrumpida</translation>
        </message>
    </context>
    <context>
        <name>HeadlessArchiving</name>
        <message>
            <source>What came is kept in the archive as download %1.</source>
            <comment>%1 is the number of the download</comment>
            <translation>Lo recibido se guarda en el archivo histórico como descarga %1.</translation>
        </message>
        <message>
            <source>The data is kept in the archive as download %1. To write it:</source>
            <comment>%1 is the number of the download; the command follows on the next line</comment>
            <translation>Los datos se guardan en el archivo histórico como descarga %1. Para escribirlos:</translation>
        </message>
        <message>
            <source>The archive could not record this save: %1</source>
            <comment>%1 is the reason</comment>
            <translation>El archivo histórico no pudo registrar este guardado: %1</translation>
        </message>
    </context>
    <context>
        <name>HeadlessDownload</name>
        <message>
            <source>Bytes received: %1 (%2 bytes/s)</source>
            <comment>%1 is the number of bytes received so far, %2 the rate</comment>
            <translation>Bytes recibidos: %1 (%2 bytes/s)</translation>
        </message>
        <message>
            <source>The line sends only NUL bytes. Check the cable and the tester.</source>
            <translation>La línea solo envía bytes NUL. Compruebe el cable y el comprobador.</translation>
        </message>
        <message>
            <source>Now initiate the download on the tester</source>
            <translation>Inicie ahora la descarga en el comprobador</translation>
        </message>
        <message>
            <source>No such device. Check that the adapter is plugged in.</source>
            <translation>No se encuentra el dispositivo. Compruebe que el adaptador está enchufado.</translation>
        </message>
        <message>
            <source>The ports of this system: %1 --list-ports</source>
            <comment>%1 is the program's name</comment>
            <translation>Los puertos de este sistema: %1 --list-ports</translation>
        </message>
        <message>
            <source>Interrupted: nothing was saved</source>
            <translation>Interrumpido: no se guardó nada</translation>
        </message>
        <message>
            <source>No data came within %1 s of asking the tester. Check that the tester is connected to this port and switched on, and start the transfer on the tester.</source>
            <comment>%1 is a number of seconds</comment>
            <translation>No llegaron datos en los %1 s siguientes a la petición al comprobador. Compruebe que el comprobador está conectado a este puerto y encendido, e inicie la descarga en el comprobador.</translation>
        </message>
        <message>
            <source>Bytes written to the standard output: %1</source>
            <comment>%1 is a number of bytes</comment>
            <translation>Bytes escritos en la salida estándar: %1</translation>
        </message>
        <message>
            <source>%1: %2 (%3 bytes)</source>
            <comment>%1 is "File successfully saved", %2 the file's path, %3 the number of bytes</comment>
            <translation>%1: %2 (%3 bytes)</translation>
        </message>
        <message>
            <source>Port %1: %2</source>
            <comment>%1 is the port, %2 what happened</comment>
            <translation>Puerto %1: %2</translation>
        </message>
    </context>
    <context>
        <name>HistoryModel</name>
        <message>
            <source>Saved %1 times</source>
            <comment>%1 is a number of saves, always more than one</comment>
            <translation>Guardado %1 veces</translation>
        </message>
        <message>
            <source>not saved</source>
            <translation>no guardado</translation>
        </message>
        <message>
            <source>Date and time</source>
            <translation>Fecha y hora</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Puerto</translation>
        </message>
        <message>
            <source>Bytes</source>
            <translation>Bytes</translation>
        </message>
        <message>
            <source>Lines</source>
            <translation>Líneas</translation>
        </message>
        <message>
            <source>Ended</source>
            <translation>Final</translation>
        </message>
        <message>
            <source>Saved as</source>
            <translation>Guardado como</translation>
        </message>
        <message>
            <source>Records</source>
            <translation>Registros</translation>
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
            <translation>Enviado</translation>
        </message>
        <message>
            <source>Refused: %1</source>
            <comment>%1 is the reason</comment>
            <translation>Rechazado: %1</translation>
        </message>
        <message>
            <source>Waiting</source>
            <comment>to be sent to the team archive</comment>
            <translation>En espera</translation>
        </message>
        <message>
            <source>Team archive</source>
            <translation>Archivo del equipo</translation>
        </message>
    </context>
    <context>
        <name>HistoryWindow</name>
        <message>
            <source>History</source>
            <translation>Historial</translation>
        </message>
        <message>
            <source>Every download you receive will appear here, also the ones you do not save.</source>
            <translation>Aquí aparecerá cada descarga que reciba, también las que no guarde.</translation>
        </message>
        <message>
            <source>&amp;Save As...</source>
            <translation>&amp;Guardar como...</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>&amp;Abrir</translation>
        </message>
        <message>
            <source>Opens the file this download was last saved as</source>
            <translation>Abre el archivo en el que se guardó esta descarga por última vez</translation>
        </message>
        <message>
            <source>&amp;Results...</source>
            <translation>&amp;Resultados...</translation>
        </message>
        <message>
            <source>Shows this download as a table of results</source>
            <translation>Muestra esta descarga como una tabla de resultados</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Eliminar</translation>
        </message>
        <message>
            <source>Delete the download of %1 from the archive?</source>
            <comment>%1 is the date and time of the download</comment>
            <translation>¿Eliminar del archivo histórico la descarga del %1?</translation>
        </message>
        <message>
            <source>The files it was saved as stay where they are.</source>
            <translation>Los archivos en los que se guardó se conservan.</translation>
        </message>
        <message>
            <source>This computer</source>
            <comment>the History's view of the local archive</comment>
            <translation>Este ordenador</translation>
        </message>
        <message>
            <source>Team</source>
            <comment>the History's view of the team archive</comment>
            <translation>Equipo</translation>
        </message>
        <message>
            <source>Reading the team archive %1...</source>
            <comment>%1 is user@server:port/database</comment>
            <translation>Leyendo el archivo del equipo %1...</translation>
        </message>
        <message>
            <source>The team archive holds no downloads yet.</source>
            <translation>El archivo del equipo aún no contiene descargas.</translation>
        </message>
        <message>
            <source>Opens a copy of this download from the team archive</source>
            <translation>Abre una copia de esta descarga del archivo del equipo</translation>
        </message>
        <message>
            <source>Reading download %1 from the team archive...</source>
            <translation>Leyendo la descarga %1 del archivo del equipo...</translation>
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
            <translation>El diseño guardado en el archivo histórico para «%1» no se puede usar: %2</translation>
        </message>
    </context>
    <context>
        <name>ListPortsCommand</name>
        <message>
            <source>--list-ports and --download exclude each other.</source>
            <translation>--list-ports y --download se excluyen mutuamente.</translation>
        </message>
        <message>
            <source>--format is text or json, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--format es text o json, no «%1».</translation>
        </message>
        <message>
            <source>The system reports no serial port. Plug in the tester's adapter and try again.</source>
            <translation>El sistema no indica ningún puerto serie. Conecte el adaptador del comprobador y vuelva a intentarlo.</translation>
        </message>
        <message>
            <source>Lists the serial ports: name, device path, USB vendor:product, serial number and description, one port a line, and exits.</source>
            <translation>Enumera los puertos serie (nombre, ruta del dispositivo, fabricante:producto USB, número de serie y descripción, un puerto por línea) y termina.</translation>
        </message>
        <message>
            <source>With --list-ports, --list-downloads or --summary: text (the default) or json.</source>
            <translation>Con --list-ports, --list-downloads o --summary: text (predeterminado) o json.</translation>
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
            <translation>Salir</translation>
        </message>
        <message>
            <source>Quits the application</source>
            <translation>Cierra la aplicación</translation>
        </message>
        <message>
            <source>Refresh Ports</source>
            <translation>Actualizar puertos</translation>
        </message>
        <message>
            <source>Refreshes the list of COM ports</source>
            <translation>Actualiza la lista de puertos COM</translation>
        </message>
        <message>
            <source>About</source>
            <translation>Acerca de</translation>
        </message>
        <message>
            <source>Shows version information about Solar DataLogger</source>
            <translation>Muestra la información de versión de Solar DataLogger</translation>
        </message>
        <message>
            <source>Change Language...</source>
            <translation>Cambiar idioma...</translation>
        </message>
        <message>
            <source>Change the language used in this application</source>
            <translation>Cambia el idioma de esta aplicación</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Ayuda</translation>
        </message>
        <message>
            <source>Shows documentation</source>
            <translation>Muestra la documentación</translation>
        </message>
        <message>
            <source>Convert CSV Data</source>
            <translation>Convertir datos CSV</translation>
        </message>
        <message>
            <source>Device Connection</source>
            <translation>Conexión con el equipo</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>Download</source>
            <translation>Descargar</translation>
        </message>
        <message>
            <source>Downloaded Output</source>
            <translation>Datos descargados</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Abrir</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Guardar</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Archivo</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Herramientas</translation>
        </message>
        <message>
            <source>Country Settings</source>
            <translation>Configuración regional</translation>
        </message>
        <message>
            <source>Please select a port and connect your device</source>
            <translation>Seleccione un puerto y conecte su equipo</translation>
        </message>
        <message>
            <source>The language will be changed next time Marlune DataLogger is started.</source>
            <translation>El idioma cambiará la próxima vez que se inicie Marlune DataLogger.</translation>
        </message>
        <message>
            <source>Would you like to restart now?</source>
            <translation>¿Desea reiniciar ahora?</translation>
        </message>
        <message>
            <source>Now initiate the download on the tester</source>
            <translation>Inicie ahora la descarga en el comprobador</translation>
        </message>
        <message>
            <source>Comma Separated Value files (*.csv)</source>
            <translation>Archivos CSV (*.csv)</translation>
        </message>
        <message>
            <source>Text files (*.txt)</source>
            <translation>Archivos de texto (*.txt)</translation>
        </message>
        <message>
            <source>All files (*.*)</source>
            <translation>Todos los archivos (*.*)</translation>
        </message>
        <message>
            <source>Save downloaded data to file</source>
            <translation>Guardar los datos descargados en un archivo</translation>
        </message>
        <message>
            <source>Would you like to convert the data to European format?</source>
            <translation>¿Desea convertir los datos al formato europeo?</translation>
        </message>
        <message>
            <source>Decimal points will be replaced by commas and the commas separating fields will be replaced by semi-colons.</source>
            <translation>Los puntos decimales se sustituirán por comas decimales, y las comas que separan los campos se sustituirán por puntos y coma.</translation>
        </message>
        <message>
            <source>About Marlune DataLogger</source>
            <comment>Title of the About box</comment>
            <translation>Acerca de Marlune DataLogger</translation>
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
            <translation>Bytes recibidos: %1</translation>
        </message>
        <message>
            <source>The line sends only NUL bytes. Check the cable and the tester.</source>
            <translation>La línea solo envía bytes NUL. Compruebe el cable y el comprobador.</translation>
        </message>
        <message>
            <source>The help pages were not found in "%1".</source>
            <comment>The %1 will be replaced with the name of a folder. Please do not remove it in your translation!</comment>
            <translation>No se encontraron las páginas de ayuda en «%1».</translation>
        </message>
        <message>
            <source>Please reinstall Marlune DataLogger.</source>
            <translation>Vuelva a instalar Marlune DataLogger.</translation>
        </message>
        <message>
            <source>Failed to connect. Please check the device is connected and switched on</source>
            <translation>Error de conexión. Compruebe que el equipo está conectado y encendido</translation>
        </message>
        <message>
            <source>File successfully saved</source>
            <translation>Archivo guardado correctamente</translation>
        </message>
        <message>
            <source>Error opening "%1" for writing. Is it open already or read only?</source>
            <comment>The %1 will be replaced with the a file name. Please do not remove it in your translation!</comment>
            <translation>Error al abrir "%1" para escritura. ¿Está ya abierto o es de solo lectura?</translation>
        </message>
        <message>
            <source>Error saving "%1": %2</source>
            <comment>The %1 will be replaced with a file name and the %2 with the reason. Please do not remove them in your translation!</comment>
            <translation>Error al guardar "%1": %2</translation>
        </message>
        <message>
            <source>View</source>
            <translation>Ver</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Resultados</translation>
        </message>
        <message>
            <source>Shows the downloaded data as a table of results with a summary and a chart</source>
            <translation>Muestra los datos descargados como una tabla de resultados con un resumen y un gráfico</translation>
        </message>
        <message>
            <source>History...</source>
            <translation>Historial...</translation>
        </message>
        <message>
            <source>Shows every download kept in the archive</source>
            <translation>Muestra todas las descargas guardadas en el archivo histórico</translation>
        </message>
        <message>
            <source>Team archive...</source>
            <translation>Archivo del equipo...</translation>
        </message>
    </context>
    <context>
        <name>PortErrorText</name>
        <message>
            <source>No port is selected. Connect the adapter, then press Refresh Ports.</source>
            <translation>No hay ningún puerto seleccionado. Conecte el adaptador y pulse "Actualizar puertos".</translation>
        </message>
        <message>
            <source>The port is in use by another program. Close the other program and try again.</source>
            <translation>Otro programa está usando el puerto. Cierre el otro programa y vuelva a intentarlo.</translation>
        </message>
        <message>
            <source>Permission denied. Add your user to the group "%1" that owns the port, then log out and log in again.</source>
            <comment>The %1 will be replaced with the name of a user group, such as dialout. Please do not remove it in your translation!</comment>
            <translation>Permiso denegado. Añada su usuario al grupo "%1", propietario del puerto, y después cierre la sesión y vuelva a iniciarla.</translation>
        </message>
        <message>
            <source>Permission denied. Your user account may not use this port.</source>
            <translation>Permiso denegado. Su cuenta de usuario no tiene permiso para usar este puerto.</translation>
        </message>
        <message>
            <source>No such device. Check that the adapter is plugged in, then press Refresh Ports.</source>
            <translation>No se encuentra el dispositivo. Compruebe que el adaptador está enchufado y pulse "Actualizar puertos".</translation>
        </message>
        <message>
            <source>The system reported: %1</source>
            <comment>The %1 will be replaced with the error message of the operating system. Please do not remove it in your translation!</comment>
            <translation>El sistema indicó: %1</translation>
        </message>
        <message>
            <source>The connection to the device was lost before any data arrived.</source>
            <translation>Se perdió la conexión con el equipo antes de recibir datos.</translation>
        </message>
        <message>
            <source>The connection to the device was lost. The data received so far is kept.</source>
            <translation>Se perdió la conexión con el equipo. Se conservan los datos recibidos hasta ahora.</translation>
        </message>
    </context>
    <context>
        <name>ReportCommand</name>
        <message>
            <source>No design is kept in the archive for the site of these results (%1); give one with --design.</source>
            <comment>%1 lists the sites' names</comment>
            <translation>El archivo histórico no guarda ningún diseño para la instalación de estos resultados (%1); indique uno con --design.</translation>
        </message>
        <message>
            <source>no Site column</source>
            <translation>sin columna Site</translation>
        </message>
        <message>
            <source>The archive "%1" could not be read: %2</source>
            <comment>%1 is the archive's path, %2 the reason</comment>
            <translation>No se pudo leer el archivo histórico «%1»: %2</translation>
        </message>
        <message>
            <source>The archive keeps designs for several sites of these results (%1); choose one with --design.</source>
            <comment>%1 lists the sites' names</comment>
            <translation>El archivo histórico guarda diseños de varias instalaciones de estos resultados (%1); elija uno con --design.</translation>
        </message>
        <message>
            <source>Writes the commissioning test report as the PDF file --output: the results of download ID of the archive, or of a saved .csv or .txt file, checked against the site's design (--design, else the design the archive keeps for the site).</source>
            <translation>Escribe el informe de pruebas de puesta en servicio como el archivo PDF --output: los resultados de la descarga ID del archivo histórico, o de un archivo .csv o .txt guardado, comprobados frente al diseño de la instalación (--design, si no, el diseño que el archivo histórico guarda para la instalación).</translation>
        </message>
        <message>
            <source>ID or file</source>
            <comment>value name of --report</comment>
            <translation>ID o archivo</translation>
        </message>
        <message>
            <source>--report and --%1 exclude each other.</source>
            <comment>%1 is an option's name</comment>
            <translation>--report y --%1 se excluyen mutuamente.</translation>
        </message>
        <message>
            <source>The option '%1' does not go with --report.</source>
            <comment>%1 is an option's name</comment>
            <translation>La opción «%1» no va con --report.</translation>
        </message>
        <message>
            <source>--report needs a download's id or a saved file.</source>
            <translation>--report necesita el número de una descarga o un archivo guardado.</translation>
        </message>
        <message>
            <source>--report needs --output and the name of the PDF file to write.</source>
            <translation>--report necesita --output y el nombre del archivo PDF que se escribirá.</translation>
        </message>
        <message>
            <source>--design needs a file.</source>
            <translation>--design necesita un archivo.</translation>
        </message>
        <message>
            <source>--archive needs a file.</source>
            <translation>--archive necesita un archivo.</translation>
        </message>
        <message>
            <source>There is no download %1 in the archive "%2".</source>
            <comment>%1 is the download's id, %2 the archive's path</comment>
            <translation>No hay ninguna descarga %1 en el archivo histórico «%2».</translation>
        </message>
        <message>
            <source>The download %1 could not be read from the archive: %2</source>
            <comment>%1 is the download's id, %2 the reason</comment>
            <translation>No se pudo leer la descarga %1 del archivo histórico: %2</translation>
        </message>
    </context>
    <context>
        <name>ReportPreviewDialog</name>
        <message>
            <source>Report preview</source>
            <translation>Vista previa del informe</translation>
        </message>
        <message>
            <source>Save PDF…</source>
            <translation>Guardar PDF…</translation>
        </message>
        <message>
            <source>Save the report</source>
            <translation>Guardar el informe</translation>
        </message>
        <message>
            <source>commissioning-report.pdf</source>
            <comment>default file name</comment>
            <translation>informe-puesta-en-servicio.pdf</translation>
        </message>
        <message>
            <source>PDF files (*.pdf)</source>
            <translation>Archivos PDF (*.pdf)</translation>
        </message>
        <message>
            <source>Report not saved</source>
            <translation>Informe no guardado</translation>
        </message>
    </context>
    <context>
        <name>ResultsChart</name>
        <message>
            <source>This column holds no numbers to draw.</source>
            <translation>Esta columna no contiene números que dibujar.</translation>
        </message>
        <message>
            <source>Bars: %1</source>
            <translation>Barras: %1</translation>
        </message>
        <message>
            <source>Maximum: %1</source>
            <translation>Máximo: %1</translation>
        </message>
        <message>
            <source>Minimum: %1</source>
            <translation>Mínimo: %1</translation>
        </message>
    </context>
    <context>
        <name>ResultsCheck</name>
        <message>
            <source>%1 more lines with the same warning are not listed.</source>
            <translation>No se enumeran otras %1 líneas con la misma advertencia.</translation>
        </message>
        <message>
            <source>The record numbers jump from %1 to %2 on line %3: records may be missing.</source>
            <translation>Los números de registro saltan de %1 a %2 en la línea %3: puede que falten registros.</translation>
        </message>
        <message>
            <source>The record number %1 on line %2 repeats or goes back (the one before is %3).</source>
            <translation>El número de registro %1 en la línea %2 se repite o retrocede (el anterior es %3).</translation>
        </message>
        <message>
            <source>The last record is incomplete: the tester may have paused longer than the read time-out. Download again with a longer time-out.</source>
            <translation>El último registro está incompleto: es posible que el comprobador se haya detenido más tiempo que el tiempo de espera de lectura. Vuelva a descargar con un tiempo de espera más largo.</translation>
        </message>
        <message>
            <source>This download starts in the middle of a record: the previous one may have been cut short.</source>
            <translation>Esta descarga empieza en medio de un registro: es posible que la anterior se cortara.</translation>
        </message>
        <message>
            <source>Line %1 has %2 fields where most rows have %3.</source>
            <translation>La línea %1 tiene %2 campos y la mayoría de las filas tiene %3.</translation>
        </message>
        <message>
            <source>Line %1 has %2 fields where the header has %3.</source>
            <translation>La línea %1 tiene %2 campos y el encabezado tiene %3.</translation>
        </message>
    </context>
    <context>
        <name>ResultsFile</name>
        <message>
            <source>The file "%1" could not be read: %2</source>
            <comment>%1 is a file name, %2 the system's reason</comment>
            <translation>No se pudo leer el archivo «%1»: %2</translation>
        </message>
        <message>
            <source>The file "%1" is too large to read as results: %2 bytes (at most %3).</source>
            <comment>%1 is a file name, %2 its size, %3 the largest size read</comment>
            <translation>El archivo «%1» es demasiado grande para leerse como resultados: %2 bytes (como máximo %3).</translation>
        </message>
    </context>
    <context>
        <name>ResultsFilterModel</name>
        <message>
            <source>The tester failed this record.</source>
            <translation>El comprobador ha dado este registro por fallido.</translation>
        </message>
    </context>
    <context>
        <name>ResultsSummary</name>
        <message>
            <source>%1 records</source>
            <translation>%1 registros</translation>
        </message>
        <message>
            <source>%1 records · %2 PASS · %3 FAIL</source>
            <translation>%1 registros · %2 PASS · %3 FAIL</translation>
        </message>
        <message>
            <source>%1 · %2 other</source>
            <comment>%1 the records, PASS and FAIL; %2 the records whose result is neither</comment>
            <translation>%1 · %2 otros</translation>
        </message>
    </context>
    <context>
        <name>ResultsWindow</name>
        <message>
            <source>Results</source>
            <translation>Resultados</translation>
        </message>
        <message>
            <source>Table</source>
            <translation>Tabla</translation>
        </message>
        <message>
            <source>Filter: text in any column</source>
            <translation>Filtro: texto en cualquier columna</translation>
        </message>
        <message>
            <source>Failed only</source>
            <translation>Solo fallidos</translation>
        </message>
        <message>
            <source>Export CSV...</source>
            <translation>Exportar CSV...</translation>
        </message>
        <message>
            <source>Saves the rows shown as a CSV file</source>
            <translation>Guarda las filas mostradas como archivo CSV</translation>
        </message>
        <message>
            <source>Chart</source>
            <translation>Gráfico</translation>
        </message>
        <message>
            <source>Values:</source>
            <translation>Valores:</translation>
        </message>
        <message>
            <source>Labels:</source>
            <translation>Etiquetas:</translation>
        </message>
        <message>
            <source>Groups:</source>
            <translation>Grupos:</translation>
        </message>
        <message>
            <source>Save Chart...</source>
            <translation>Guardar gráfico...</translation>
        </message>
        <message>
            <source>Saves the chart as a PNG or SVG image</source>
            <translation>Guarda el gráfico como imagen PNG o SVG</translation>
        </message>
        <message>
            <source>Results: %1</source>
            <comment>%1 is the name of the download or file</comment>
            <translation>Resultados: %1</translation>
        </message>
        <message>
            <source>%1 of %2 records shown</source>
            <comment>%1 and %2 are counts</comment>
            <translation>%1 de %2 registros mostrados</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>(ninguna)</translation>
        </message>
        <message>
            <source>Export the rows shown</source>
            <translation>Exportar las filas mostradas</translation>
        </message>
        <message>
            <source>Comma Separated Value files (*.csv)</source>
            <translation>Archivos CSV (*.csv)</translation>
        </message>
        <message>
            <source>All files (*.*)</source>
            <translation>Todos los archivos (*.*)</translation>
        </message>
        <message>
            <source>PNG images (*.png)</source>
            <translation>Imágenes PNG (*.png)</translation>
        </message>
        <message>
            <source>SVG images (*.svg)</source>
            <translation>Imágenes SVG (*.svg)</translation>
        </message>
        <message>
            <source>Save the chart</source>
            <translation>Guardar el gráfico</translation>
        </message>
        <message>
            <source>The chart could not be saved as "%1": %2</source>
            <comment>%1 is a file name, %2 the system's reason</comment>
            <translation>No se pudo guardar el gráfico como «%1»: %2</translation>
        </message>
        <message>
            <source>Site design…</source>
            <translation>Diseño de la instalación…</translation>
        </message>
        <message>
            <source>Report…</source>
            <translation>Informe…</translation>
        </message>
        <message>
            <source>The design of the site: its arrays and limits, to check each string against.</source>
            <translation>El diseño de la instalación: sus campos y límites, frente a los que se comprueba cada cadena.</translation>
        </message>
        <message>
            <source>The commissioning test report of these results checked against the site design, shown before it is saved as PDF.</source>
            <translation>El informe de pruebas de puesta en servicio de estos resultados comprobados frente al diseño de la instalación, mostrado antes de guardarlo como PDF.</translation>
        </message>
        <message>
            <source>Site design</source>
            <translation>Diseño de la instalación</translation>
        </message>
        <message>
            <source>The design could not be kept in the archive: %1</source>
            <comment>%1 is the reason</comment>
            <translation>No se pudo guardar el diseño en el archivo histórico: %1</translation>
        </message>
        <message>
            <source>The archive could not be read: %1</source>
            <comment>%1 is the reason</comment>
            <translation>No se pudo leer el archivo histórico: %1</translation>
        </message>
    </context>
    <context>
        <name>SaveStep</name>
        <message>
            <source>Error writing to the standard output: %1</source>
            <comment>%1 is the system's reason</comment>
            <translation>Error al escribir en la salida estándar: %1</translation>
        </message>
        <message>
            <source>The European format applies to .csv files only; "%1" is written as received.</source>
            <comment>%1 is a file name</comment>
            <translation>El formato europeo solo se aplica a archivos .csv; «%1» se escribe tal como se recibió.</translation>
        </message>
        <message>
            <source>The file's old content could not be put back: the file was changed.</source>
            <translation>No se pudo restaurar el contenido anterior del archivo: el archivo ha cambiado.</translation>
        </message>
    </context>
    <context>
        <name>SavedData</name>
        <message>
            <source>The file holds %1 bytes instead of %2.</source>
            <comment>%1 and %2 are numbers of bytes</comment>
            <translation>El archivo contiene %1 bytes en lugar de %2.</translation>
        </message>
        <message>
            <source>It is a pipe, a device or a socket, not a regular file: only regular files are written.</source>
            <translation>Es una tubería, un dispositivo o un socket, no un archivo normal: solo se escriben archivos normales.</translation>
        </message>
    </context>
    <context>
        <name>SiteDesignDialog</name>
        <message>
            <source>Site design</source>
            <translation>Diseño de la instalación</translation>
        </message>
        <message>
            <source>Site</source>
            <translation>Instalación</translation>
        </message>
        <message>
            <source>Installation</source>
            <translation>Datos de la instalación</translation>
        </message>
        <message>
            <source>Site:</source>
            <translation>Instalación:</translation>
        </message>
        <message>
            <source>Address:</source>
            <translation>Dirección:</translation>
        </message>
        <message>
            <source>Client:</source>
            <translation>Cliente:</translation>
        </message>
        <message>
            <source>Inspector:</source>
            <translation>Inspector:</translation>
        </message>
        <message>
            <source>Instrument</source>
            <translation>Instrumento</translation>
        </message>
        <message>
            <source>Model:</source>
            <translation>Modelo:</translation>
        </message>
        <message>
            <source>Serial number:</source>
            <translation>Número de serie:</translation>
        </message>
        <message>
            <source>Calibrated on:</source>
            <translation>Calibrado el:</translation>
        </message>
        <message>
            <source>Arrays</source>
            <translation>Campos</translation>
        </message>
        <message>
            <source>Add array</source>
            <translation>Añadir campo</translation>
        </message>
        <message>
            <source>Remove array</source>
            <translation>Quitar campo</translation>
        </message>
        <message>
            <source>Checks and columns</source>
            <translation>Comprobaciones y columnas</translation>
        </message>
        <message>
            <source>Tolerances</source>
            <translation>Tolerancias</translation>
        </message>
        <message>
            <source>Voc against its neighbours:</source>
            <translation>Voc frente a las cadenas vecinas:</translation>
        </message>
        <message>
            <source> %</source>
            <translation> %</translation>
        </message>
        <message>
            <source>Isc at STC:</source>
            <translation>Isc en STC:</translation>
        </message>
        <message>
            <source>Least irradiance for Isc:</source>
            <translation>Irradiancia mínima para Isc:</translation>
        </message>
        <message>
            <source> W/m²</source>
            <translation> W/m²</translation>
        </message>
        <message>
            <source>Columns of the data</source>
            <translation>Columnas de los datos</translation>
        </message>
        <message>
            <source>Import…</source>
            <translation>Importar…</translation>
        </message>
        <message>
            <source>Export…</source>
            <translation>Exportar…</translation>
        </message>
        <message>
            <source>String name:</source>
            <translation>Nombre de la cadena:</translation>
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
            <translation>Irradiancia:</translation>
        </message>
        <message>
            <source>Module temperature:</source>
            <translation>Temperatura del módulo:</translation>
        </message>
        <message>
            <source>Insulation resistance:</source>
            <translation>Resistencia de aislamiento:</translation>
        </message>
        <message>
            <source>Continuity:</source>
            <translation>Continuidad:</translation>
        </message>
        <message>
            <source>not given</source>
            <translation>no indicado</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nombre</translation>
        </message>
        <message>
            <source>Strings starting with</source>
            <translation>Cadenas que empiezan por</translation>
        </message>
        <message>
            <source>Module</source>
            <translation>Módulo</translation>
        </message>
        <message>
            <source>Modules in series</source>
            <translation>Módulos en serie</translation>
        </message>
        <message>
            <source>Voc at STC (V)</source>
            <translation>Voc en STC (V)</translation>
        </message>
        <message>
            <source>Isc at STC (A)</source>
            <translation>Isc en STC (A)</translation>
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
            <translation>Prueba de aislamiento (V)</translation>
        </message>
        <message>
            <source>Insulation min. (MΩ)</source>
            <translation>Aislamiento mín. (MΩ)</translation>
        </message>
        <message>
            <source>Continuity max. (Ω)</source>
            <translation>Continuidad máx. (Ω)</translation>
        </message>
        <message>
            <source>Leave the insulation figures empty to take them from the system voltage, and the continuity maximum empty not to check continuity.</source>
            <translation>Deje vacíos los valores de aislamiento para tomarlos de la tensión del sistema, y el máximo de continuidad vacío para no comprobar la continuidad.</translation>
        </message>
        <message>
            <source>by its usual header</source>
            <translation>por su encabezado habitual</translation>
        </message>
        <message>
            <source>The design needs at least one array.</source>
            <translation>El diseño necesita al menos un campo.</translation>
        </message>
        <message>
            <source>Array %1, %2: %3</source>
            <translation>Campo %1, %2: %3</translation>
        </message>
        <message>
            <source>required</source>
            <translation>obligatorio</translation>
        </message>
        <message>
            <source>a whole number from 1 to 10000 is needed</source>
            <translation>se necesita un número entero de 1 a 10000</translation>
        </message>
        <message>
            <source>a number above 0 is needed</source>
            <translation>se necesita un número mayor que 0</translation>
        </message>
        <message>
            <source>a number is needed</source>
            <translation>se necesita un número</translation>
        </message>
        <message>
            <source>a number above 0 is needed, or nothing</source>
            <translation>se necesita un número mayor que 0, o deje la celda vacía</translation>
        </message>
        <message>
            <source>The design file %1 could not be read: %2</source>
            <translation>No se pudo leer el archivo de diseño %1: %2</translation>
        </message>
        <message>
            <source>The design file %1 was not read: %2</source>
            <translation>El archivo de diseño %1 no se ha cargado: %2</translation>
        </message>
        <message>
            <source>The design file %1 could not be written: %2</source>
            <translation>No se pudo escribir el archivo de diseño %1: %2</translation>
        </message>
        <message>
            <source>Import a site design</source>
            <translation>Importar un diseño de instalación</translation>
        </message>
        <message>
            <source>Site designs (*.json);;All files (*)</source>
            <translation>Diseños de instalación (*.json);;Todos los archivos (*)</translation>
        </message>
        <message>
            <source>Export the site design</source>
            <translation>Exportar el diseño de la instalación</translation>
        </message>
    </context>
    <context>
        <name>SummaryCommand</name>
        <message>
            <source>file</source>
            <comment>value name of --summary</comment>
            <translation>archivo</translation>
        </message>
        <message>
            <source>--summary and --download exclude each other.</source>
            <translation>--summary y --download se excluyen mutuamente.</translation>
        </message>
        <message>
            <source>--format takes text or json, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--format admite text o json, no «%1».</translation>
        </message>
        <message>
            <source>With --summary or --report: checks the results string by string against the site's design in this JSON file (modules in series, Voc, Isc, insulation, continuity).</source>
            <translation>Con --summary o --report: comprueba los resultados cadena por cadena frente al diseño de la instalación de este archivo JSON (módulos en serie, Voc, Isc, aislamiento, continuidad).</translation>
        </message>
        <message>
            <source>file</source>
            <comment>value name of --design</comment>
            <translation>archivo</translation>
        </message>
        <message>
            <source>The design file "%1" could not be read: %2</source>
            <comment>%1 is a file name, %2 the system's reason</comment>
            <translation>No se pudo leer el archivo de diseño «%1»: %2</translation>
        </message>
        <message>
            <source>The design file "%1" cannot be used: %2</source>
            <comment>%1 is a file name, %2 what in the file is wrong</comment>
            <translation>El archivo de diseño «%1» no se puede usar: %2</translation>
        </message>
        <message>
            <source>--design needs a file.</source>
            <translation>--design necesita un archivo.</translation>
        </message>
        <message>
            <source>row %1, %2: %3: %4</source>
            <comment>%1 is the row counted from 1 after the header, %2 the string's name, %3 the check's key (module_count...), %4 the reason</comment>
            <translation>fila %1, %2: %3: %4</translation>
        </message>
        <message>
            <source>Prints the summary of a saved .csv or .txt file (records, PASS, FAIL, other) and the warnings that its data may be incomplete.</source>
            <translation>Muestra el resumen de un archivo .csv o .txt guardado (registros, PASS, FAIL, otros) y las advertencias de que sus datos pueden estar incompletos.</translation>
        </message>
    </context>
    <context>
        <name>TeamAddress</name>
        <message>
            <source>--team needs a connection URI such as postgresql://user@host:5432/database?sslmode=require, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--team necesita una URI de conexión como postgresql://user@host:5432/database?sslmode=require, no '%1'.</translation>
        </message>
        <message>
            <source>The connection URI's '%1' cannot hold a ';'.</source>
            <comment>%1 is a key of the URI</comment>
            <translation>El '%1' de la URI de conexión no puede contener ';'.</translation>
        </message>
        <message>
            <source>The connection URI's port is a number from 1 to 65535, not '%1'.</source>
            <comment>%1 is the port as the user typed it</comment>
            <translation>El puerto de la URI de conexión es un número de 1 a 65535, no '%1'.</translation>
        </message>
        <message>
            <source>The connection URI's sslmode is one of %1, not '%2'.</source>
            <comment>%1 lists the modes, %2 is the value as the user typed it</comment>
            <translation>El sslmode de la URI de conexión es uno de %1, no '%2'.</translation>
        </message>
    </context>
    <context>
        <name>TeamArchiveDialog</name>
        <message>
            <source>Team archive</source>
            <translation>Archivo del equipo</translation>
        </message>
        <message>
            <source>kept in the system's keyring</source>
            <translation>guardada en el llavero del sistema</translation>
        </message>
        <message>
            <source>Choose...</source>
            <translation>Elegir...</translation>
        </message>
        <message>
            <source>CA certificate</source>
            <translation>Certificado de la CA</translation>
        </message>
        <message>
            <source>Send downloads to the team archive</source>
            <translation>Enviar las descargas al archivo del equipo</translation>
        </message>
        <message>
            <source>Test</source>
            <translation>Probar</translation>
        </message>
        <message>
            <source>Server:</source>
            <translation>Servidor:</translation>
        </message>
        <message>
            <source>Port:</source>
            <translation>Puerto:</translation>
        </message>
        <message>
            <source>Database:</source>
            <translation>Base de datos:</translation>
        </message>
        <message>
            <source>User:</source>
            <translation>Usuario:</translation>
        </message>
        <message>
            <source>Password:</source>
            <translation>Contraseña:</translation>
        </message>
        <message>
            <source>TLS:</source>
            <translation>TLS:</translation>
        </message>
        <message>
            <source>CA certificate (verify-full):</source>
            <translation>Certificado de la CA (verify-full):</translation>
        </message>
        <message>
            <source>Testing...</source>
            <translation>Probando...</translation>
        </message>
        <message>
            <source>The team archive answers; %1 may use it.</source>
            <translation>El archivo del equipo responde; %1 puede usarlo.</translation>
        </message>
        <message>
            <source>The password could not be kept in the system's keyring (%1). Give it in ~/.pgpass instead.</source>
            <translation>La contraseña no se pudo guardar en el llavero del sistema (%1). Indíquela en ~/.pgpass en su lugar.</translation>
        </message>
    </context>
    <context>
        <name>TeamArchiveStatus</name>
        <message>
            <source>Sent to the team archive</source>
            <translation>Enviado al archivo del equipo</translation>
        </message>
        <message numerus="yes">
            <source>Team archive unreachable: %n download(s) waiting</source>
            <translation>
                <numerusform>Archivo del equipo inalcanzable: %n descarga en espera</numerusform>
                <numerusform>Archivo del equipo inalcanzable: %n descargas en espera</numerusform>
            </translation>
        </message>
        <message>
            <source>Team archive: a download was refused</source>
            <translation>Archivo del equipo: se rechazó una descarga</translation>
        </message>
    </context>
    <context>
        <name>TeamCommand</name>
        <message>
            <source>--team goes with one of --sync, --team-init, --list-downloads, --export, --report or --delete.</source>
            <translation>--team va con una sola de --sync, --team-init, --list-downloads, --export, --report o --delete.</translation>
        </message>
        <message>
            <source>--report with --team needs the number of a download as --list-downloads --team shows it.</source>
            <translation>--report con --team necesita el número de una descarga tal como lo muestra --list-downloads --team.</translation>
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
            <translation>Fecha y hora</translation>
        </message>
        <message>
            <source>Engineer</source>
            <translation>Técnico</translation>
        </message>
        <message>
            <source>Computer</source>
            <translation>Ordenador</translation>
        </message>
        <message>
            <source>Records</source>
            <translation>Registros</translation>
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
            <translation>Instalación</translation>
        </message>
        <message numerus="yes">
            <source>%1 %n download(s) waiting.</source>
            <comment>%1 is why; the number follows</comment>
            <translation>
                <numerusform>%1 %n descarga en espera.</numerusform>
                <numerusform>%1 %n descargas en espera.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Sent to the team archive %1: %n new download(s).</source>
            <comment>%1 is user@server:port/database</comment>
            <translation>
                <numerusform>Enviado al archivo del equipo %1: %n descarga nueva.</numerusform>
                <numerusform>Enviado al archivo del equipo %1: %n descargas nuevas.</numerusform>
            </translation>
        </message>
        <message>
            <source>The team archive %1 is up to date (version %2).</source>
            <translation>El archivo del equipo %1 está al día (versión %2).</translation>
        </message>
        <message>
            <source>The team archive %1 is ready (version %2). Grant its users a role: GRANT %3 TO user; or GRANT %4 TO user;</source>
            <comment>%3 and %4 are roles</comment>
            <translation>El archivo del equipo %1 está listo (versión %2). Conceda un rol a sus usuarios: GRANT %3 TO user; o GRANT %4 TO user;</translation>
        </message>
        <message>
            <source>With --list-downloads, --export, --report or --delete: the team archive instead of this computer's; URL is a connection URI such as postgresql://user@server:5432/database?sslmode=require (without it: the Team archive settings).</source>
            <translation>Con --list-downloads, --export, --report o --delete: el archivo del equipo en lugar del de este ordenador; URL es una URI de conexión como postgresql://user@server:5432/database?sslmode=require (sin ella: los ajustes del archivo del equipo).</translation>
        </message>
        <message>
            <source>URL</source>
            <comment>value name of --team</comment>
            <translation>URL</translation>
        </message>
        <message>
            <source>Sends every download of the archive that the team archive lacks.</source>
            <translation>Envía cada descarga del archivo que le falta al archivo del equipo.</translation>
        </message>
        <message>
            <source>Creates the team archive on the server or brings it up to date (needs the database owner's rights).</source>
            <translation>Crea el archivo del equipo en el servidor o lo pone al día (necesita los derechos del propietario de la base de datos).</translation>
        </message>
        <message>
            <source>Download %1 deleted from the team archive.</source>
            <translation>Descarga %1 eliminada del archivo del equipo.</translation>
        </message>
    </context>
    <context>
        <name>TeamConnection</name>
        <message>
            <source>%1 may not use the team archive: the office grants the role %2 (or %3). The server said: %4</source>
            <comment>%1 is a user name, %2 and %3 roles, %4 the server's words</comment>
            <translation>%1 no puede usar el archivo del equipo: la oficina concede el rol %2 (o %3). El servidor respondió: %4</translation>
        </message>
        <message>
            <source>The team archive %1 cannot be reached: %2</source>
            <comment>%1 is user@server:port/database, %2 the reason</comment>
            <translation>No se puede alcanzar el archivo del equipo %1: %2</translation>
        </message>
        <message>
            <source>The team archive %1 refused the login: %2</source>
            <comment>%1 is user@server:port/database, %2 the reason</comment>
            <translation>El archivo del equipo %1 rechazó el inicio de sesión: %2</translation>
        </message>
        <message>
            <source>No secure connection to the team archive %1: %2</source>
            <comment>%1 is user@server:port/database, %2 the reason</comment>
            <translation>No hay conexión segura con el archivo del equipo %1: %2</translation>
        </message>
        <message>
            <source>The team archive %1 said: %2</source>
            <comment>%1 is user@server:port/database, %2 the server's words</comment>
            <translation>El archivo del equipo %1 respondió: %2</translation>
        </message>
        <message>
            <source>The team archive needs Qt SQL's PostgreSQL driver (Debian: the package libqt5sql5-psql), which is not installed.</source>
            <translation>El archivo del equipo necesita el controlador PostgreSQL de Qt SQL (Debian: el paquete libqt5sql5-psql), que no está instalado.</translation>
        </message>
        <message>
            <source>The database %1 holds no team archive. Its owner makes one with --team-init.</source>
            <comment>%1 is user@server:port/database</comment>
            <translation>La base de datos %1 no contiene ningún archivo del equipo. Su propietario lo crea con --team-init.</translation>
        </message>
        <message>
            <source>The team archive %1 was made by a newer version of this program (version %2; this one knows %3). Install the newer version.</source>
            <comment>%1 is user@server:port/database, %2 and %3 version numbers</comment>
            <translation>El archivo del equipo %1 lo creó una versión más reciente de este programa (versión %2; esta conoce la %3). Instale la versión más reciente.</translation>
        </message>
        <message>
            <source>The team archive %1 is of an older version (%2): its owner brings it up to date with --team-init.</source>
            <comment>%1 is user@server:port/database, %2 a version number</comment>
            <translation>El archivo del equipo %1 es de una versión anterior (%2): su propietario lo pone al día con --team-init.</translation>
        </message>
    </context>
    <context>
        <name>TeamDownloads</name>
        <message>
            <source>There is no download %1 in the team archive.</source>
            <comment>%1 is the number or identity of a download</comment>
            <translation>No hay ninguna descarga %1 en el archivo del equipo.</translation>
        </message>
        <message>
            <source>The bytes of download %1 are missing from the team archive.</source>
            <translation>Faltan los bytes de la descarga %1 en el archivo del equipo.</translation>
        </message>
        <message>
            <source>The bytes of download %1 in the team archive do not match their SHA-256.</source>
            <translation>Los bytes de la descarga %1 en el archivo del equipo no coinciden con su SHA-256.</translation>
        </message>
        <message>
            <source>Download %1 was sent by %2: only they (or the archive's owner) can delete it.</source>
            <comment>%1 is a download's number, %2 a user name</comment>
            <translation>La descarga %1 la envió %2: solo esa persona (o el propietario del archivo) puede eliminarla.</translation>
        </message>
    </context>
    <context>
        <name>TeamHistoryModel</name>
        <message>
            <source>Arrived %1</source>
            <comment>%1 is the date and time the team archive received it</comment>
            <translation>Recibido el %1</translation>
        </message>
        <message>
            <source>Engineer</source>
            <translation>Técnico</translation>
        </message>
        <message>
            <source>Computer</source>
            <translation>Ordenador</translation>
        </message>
        <message>
            <source>Site(s)</source>
            <translation>Instalación(es)</translation>
        </message>
    </context>
    <context>
        <name>TeamPassword</name>
        <message numerus="yes">
            <source>the keyring did not answer within %n second(s)</source>
            <translation>
                <numerusform>el llavero no respondió en %n segundo</numerusform>
                <numerusform>el llavero no respondió en %n segundos</numerusform>
            </translation>
        </message>
        <message>
            <source>this build keeps no passwords; use ~/.pgpass or PGPASSWORD</source>
            <translation>esta versión no guarda contraseñas; use ~/.pgpass o PGPASSWORD</translation>
        </message>
    </context>
    <context>
        <name>TeamSchema</name>
        <message>
            <source>The team archive was made by a newer version of this program (version %1; this one knows %2): it is left as it is.</source>
            <comment>%1 and %2 are version numbers</comment>
            <translation>El archivo del equipo lo creó una versión más reciente de este programa (versión %1; esta conoce la %2): se deja como está.</translation>
        </message>
    </context>
    <context>
        <name>TeamSender</name>
        <message>
            <source>the team archive holds other bytes under this download's identity</source>
            <translation>el archivo del equipo contiene otros bytes con la identidad de esta descarga</translation>
        </message>
        <message numerus="yes">
            <source>%n download(s) refused: the team archive holds other bytes under their identity.</source>
            <translation>
                <numerusform>%n descarga rechazada: el archivo del equipo contiene otros bytes con su identidad.</numerusform>
                <numerusform>%n descargas rechazadas: el archivo del equipo contiene otros bytes con su identidad.</numerusform>
            </translation>
        </message>
    </context>
</TS>
