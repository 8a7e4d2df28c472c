<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
    <context>
        <name>Archive</name>
        <message>
            <source>the system refused</source>
            <translation>le système a refusé</translation>
        </message>
        <message>
            <source>%1 is not a folder</source>
            <translation>%1 n'est pas un dossier</translation>
        </message>
        <message>
            <source>the folder %1 cannot be created</source>
            <translation>le dossier %1 ne peut pas être créé</translation>
        </message>
        <message>
            <source>the disk is full</source>
            <translation>le disque est plein</translation>
        </message>
        <message numerus="yes">
            <source>another program kept the archive busy for more than %n second(s)</source>
            <translation>
                <numerusform>un autre programme a occupé l'archive plus de %n seconde</numerusform>
                <numerusform>un autre programme a occupé l'archive plus de %n secondes</numerusform>
            </translation>
        </message>
        <message>
            <source>the archive cannot be written</source>
            <translation>l'archive ne peut pas être écrite</translation>
        </message>
        <message>
            <source>The archive %1 cannot be opened: %2</source>
            <translation>L'archive %1 ne peut pas être ouverte : %2</translation>
        </message>
        <message>
            <source>The archive %1 was written by a newer version of this program. It was moved aside as %2 and a new archive was started.</source>
            <translation>L'archive %1 a été écrite par une version plus récente de ce programme. Elle a été mise de côté sous le nom %2 et une nouvelle archive a été commencée.</translation>
        </message>
        <message>
            <source>The archive %1 was damaged. It was moved aside as %2 and a new archive was started.</source>
            <translation>L'archive %1 était endommagée. Elle a été mise de côté sous le nom %2 et une nouvelle archive a été commencée.</translation>
        </message>
        <message>
            <source>it is damaged</source>
            <translation>elle est endommagée</translation>
        </message>
        <message>
            <source>The archive %1 is damaged and could not be moved aside (%2). It was left as it is, and downloads are not archived until it is moved or deleted.</source>
            <translation>L'archive %1 est endommagée et n'a pas pu être mise de côté (%2). Elle est laissée telle quelle, et les téléchargements ne sont pas archivés tant qu'elle n'est pas déplacée ou supprimée.</translation>
        </message>
        <message>
            <source>the SQLite driver of Qt SQL is not installed</source>
            <translation>le pilote SQLite de Qt SQL n'est pas installé</translation>
        </message>
        <message>
            <source>This download was not archived: %1</source>
            <translation>Ce téléchargement n'a pas été archivé : %1</translation>
        </message>
        <message>
            <source>the archive is not open</source>
            <translation>l'archive n'est pas ouverte</translation>
        </message>
        <message>
            <source>There is no download %1 in the archive.</source>
            <translation>Il n'y a pas de téléchargement %1 dans l'archive.</translation>
        </message>
        <message>
            <source>%1 is a link to %2, which does not exist; nothing was changed</source>
            <comment>%1 and %2 are paths</comment>
            <translation>%1 est un lien vers %2, qui n'existe pas ; rien n'a été modifié</translation>
        </message>
        <message>
            <source>There is no archive at %1.</source>
            <comment>%1 is a path</comment>
            <translation>Il n'y a pas d'archive à l'emplacement %1.</translation>
        </message>
        <message>
            <source>%1 was written by a newer version of this program; nothing was changed</source>
            <comment>%1 is a path</comment>
            <translation>%1 a été écrit par une version plus récente de ce programme ; rien n'a été modifié</translation>
        </message>
        <message>
            <source>%1 is damaged; nothing was changed</source>
            <comment>%1 is the archive's path</comment>
            <translation>%1 est endommagé ; rien n'a été modifié</translation>
        </message>
        <message>
            <source>%1 is damaged (%2); nothing was changed</source>
            <comment>%1 is the archive's path, %2 SQLite's words</comment>
            <translation>%1 est endommagé (%2) ; rien n'a été modifié</translation>
        </message>
        <message>
            <source>%1 is not an archive of this program; nothing was changed</source>
            <comment>%1 is a path</comment>
            <translation>%1 n'est pas une archive de ce programme ; rien n'a été modifié</translation>
        </message>
    </context>
    <context>
        <name>ArchiveCommand</name>
        <message>
            <source>--list-downloads, --export and --delete go one at a time.</source>
            <translation>--list-downloads, --export et --delete s'utilisent un seul à la fois.</translation>
        </message>
        <message>
            <source>--%1 needs the number of a download as --list-downloads shows it, not '%2'.</source>
            <comment>%1 is an option's name, %2 the value as the user typed it</comment>
            <translation>--%1 attend le numéro d'un téléchargement tel que --list-downloads l'affiche, et non '%2'.</translation>
        </message>
        <message>
            <source>--export needs --output.</source>
            <translation>--export nécessite --output.</translation>
        </message>
        <message>
            <source>--european and --no-european exclude each other.</source>
            <translation>--european et --no-european s'excluent mutuellement.</translation>
        </message>
        <message>
            <source>--format is text or json, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--format vaut text ou json, pas « %1 ».</translation>
        </message>
        <message>
            <source>--archive needs a file.</source>
            <translation>--archive nécessite un fichier.</translation>
        </message>
    </context>
    <context>
        <name>ArchiveCommands</name>
        <message>
            <source>Lists the downloads kept in the archive, newest first.</source>
            <translation>Affiche la liste des téléchargements conservés dans l'archive, les plus récents en premier.</translation>
        </message>
        <message>
            <source>Saves download ID of the archive as --output, as after a download (--european applies).</source>
            <translation>Enregistre le téléchargement ID de l'archive sous --output, comme après un téléchargement (--european s'applique).</translation>
        </message>
        <message>
            <source>ID</source>
            <comment>value name of --export</comment>
            <translation>ID</translation>
        </message>
        <message>
            <source>Deletes download ID from the archive.</source>
            <translation>Supprime le téléchargement ID de l'archive.</translation>
        </message>
        <message>
            <source>ID</source>
            <comment>value name of --delete</comment>
            <translation>ID</translation>
        </message>
        <message>
            <source>The archive to use instead of the program's own (%1).</source>
            <comment>%1 is a file's path</comment>
            <translation>L'archive à utiliser à la place de celle du programme (%1).</translation>
        </message>
        <message>
            <source>file</source>
            <comment>value name of --archive</comment>
            <translation>fichier</translation>
        </message>
        <message>
            <source>Does not keep the download in the archive (with --download).</source>
            <translation>Ne conserve pas le téléchargement dans l'archive (avec --download).</translation>
        </message>
        <message>
            <source>There is no download %1 in the archive %2.</source>
            <comment>%1 is the number of a download, %2 the archive's path</comment>
            <translation>Il n'y a pas de téléchargement %1 dans l'archive %2.</translation>
        </message>
        <message>
            <source>Download %1 deleted from the archive.</source>
            <comment>%1 is the number of a download</comment>
            <translation>Téléchargement %1 supprimé de l'archive.</translation>
        </message>
        <message>
            <source>ID</source>
            <translation>ID</translation>
        </message>
        <message>
            <source>Date and time</source>
            <translation>Date et heure</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Port</translation>
        </message>
        <message>
            <source>Bytes</source>
            <translation>Octets</translation>
        </message>
        <message>
            <source>Ended</source>
            <translation>Fin</translation>
        </message>
        <message>
            <source>Saved as</source>
            <translation>Enregistré sous</translation>
        </message>
        <message>
            <source>not saved</source>
            <translation>non enregistré</translation>
        </message>
        <message>
            <source>The archive %1 could not be read: %2</source>
            <comment>%1 is the archive's path, %2 the reason</comment>
            <translation>L'archive %1 n'a pas pu être lue : %2</translation>
        </message>
        <message>
            <source>The archive could not record this save: %1</source>
            <comment>%1 is the reason</comment>
            <translation>L'archive n'a pas pu consigner cet enregistrement : %1</translation>
        </message>
    </context>
    <context>
        <name>Command</name>
        <message>
            <source>The option '%1' does not go with --%2.</source>
            <comment>%1 and %2 are options' names</comment>
            <translation>L'option '%1' ne s'utilise pas avec --%2.</translation>
        </message>
    </context>
    <context>
        <name>CommandLine</name>
        <message>
            <source>Downloads the stored test results of a solar installation tester over a serial port and saves them as .csv or .txt files.</source>
            <translation>Télécharge les résultats de mesure enregistrés dans un testeur d'installations solaires par un port série et les enregistre dans un fichier .csv ou .txt.</translation>
        </message>
        <message>
            <source>Without options it opens the program's window.</source>
            <translation>Sans option, il ouvre la fenêtre du programme.</translation>
        </message>
        <message>
            <source>Shows this help and exits.</source>
            <translation>Affiche cette aide et quitte.</translation>
        </message>
        <message>
            <source>Shows the program's name and version and exits.</source>
            <translation>Affiche le nom et la version du programme et quitte.</translation>
        </message>
        <message>
            <source>Unexpected argument '%1'.</source>
            <comment>%1 is the argument as the user typed it</comment>
            <translation>Argument inattendu « %1 ».</translation>
        </message>
        <message>
            <source>User guide: %1</source>
            <comment>%1 is the path of the help page</comment>
            <translation>Guide de l'utilisateur : %1</translation>
        </message>
        <message>
            <source>the results are saved</source>
            <translation>les résultats sont enregistrés</translation>
        </message>
        <message>
            <source>the port could not be opened</source>
            <translation>le port n'a pas pu être ouvert</translation>
        </message>
        <message>
            <source>the line was lost before any data came</source>
            <translation>la connexion a été perdue avant l'arrivée de données</translation>
        </message>
        <message>
            <source>interrupted with Ctrl+C (SIGINT)</source>
            <translation>interrompu par Ctrl+C (SIGINT)</translation>
        </message>
        <message>
            <source>stopped with SIGTERM</source>
            <translation>arrêté par SIGTERM</translation>
        </message>
        <message>
            <source>no data came within --start-timeout</source>
            <translation>aucune donnée n'est arrivée dans le délai de --start-timeout</translation>
        </message>
        <message>
            <source>stopped with SIGHUP (the terminal or SSH session closed); nothing saved</source>
            <translation>arrêté par SIGHUP (terminal ou session SSH fermés) ; rien n'est enregistré</translation>
        </message>
        <message>
            <source>No display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set). To download without a window: %1 --download --port PORT --output FILE</source>
            <comment>%1 is the program's name; PORT and FILE stand for values the user fills in</comment>
            <translation>Aucun affichage où ouvrir la fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n'est défini). Pour télécharger sans fenêtre : %1 --download --port PORT --output FICHIER</translation>
        </message>
        <message>
            <source>saved (or read), but the data may be incomplete: the line was lost before it fell silent, or the last record is cut or records are missing</source>
            <translation>enregistré (ou lu), mais les données sont peut-être incomplètes : la connexion a été perdue avant le silence de la ligne, ou le dernier enregistrement est coupé ou des enregistrements manquent</translation>
        </message>
        <message>
            <source>Exit status of --download, --summary and --report:</source>
            <translation>Code de sortie de --download, --summary et --report :</translation>
        </message>
        <message>
            <source>the command line is wrong, or a file, the design file or the archive could not be read</source>
            <translation>la ligne de commande est incorrecte, ou un fichier, le fichier de conception ou l'archive n'a pas pu être lu</translation>
        </message>
        <message>
            <source>the file (or the report) could not be written</source>
            <translation>le fichier (ou le rapport) n'a pas pu être écrit</translation>
        </message>
        <message>
            <source>no such download in the archive (--export, --delete, --report)</source>
            <translation>aucun téléchargement de ce numéro dans l'archive (--export, --delete, --report)</translation>
        </message>
        <message>
            <source>the team archive cannot be reached or refuses (the downloads stay waiting)</source>
            <translation>l'archive d'équipe est injoignable ou refuse (les téléchargements restent en attente)</translation>
        </message>
        <message>
            <source>the archive is missing, refused (a file named with --archive that is not an archive of this program) or cannot be read</source>
            <translation>l'archive est absente, refusée (un fichier indiqué avec --archive qui n'est pas une archive de ce programme) ou illisible</translation>
        </message>
    </context>
    <context>
        <name>CommissioningReport</name>
        <message>
            <source>Module count</source>
            <translation>Nombre de modules</translation>
        </message>
        <message>
            <source>Voc against its neighbours</source>
            <translation>Voc par rapport aux chaînes voisines</translation>
        </message>
        <message>
            <source>Isc at STC</source>
            <translation>Isc aux STC</translation>
        </message>
        <message>
            <source>Insulation</source>
            <translation>Isolement</translation>
        </message>
        <message>
            <source>Continuity</source>
            <translation>Continuité</translation>
        </message>
        <message>
            <source>Commissioning test report</source>
            <translation>Rapport d'essais de mise en service</translation>
        </message>
        <message>
            <source>line %1</source>
            <translation>ligne %1</translation>
        </message>
        <message>
            <source>(no site named)</source>
            <translation>(aucun site indiqué)</translation>
        </message>
        <message>
            <source>%1 to %2</source>
            <translation>du %1 au %2</translation>
        </message>
        <message>
            <source>Site</source>
            <translation>Site</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>Adresse</translation>
        </message>
        <message>
            <source>Client</source>
            <translation>Client</translation>
        </message>
        <message>
            <source>Date of the tests</source>
            <translation>Date des essais</translation>
        </message>
        <message>
            <source>Inspector</source>
            <translation>Inspecteur</translation>
        </message>
        <message>
            <source>Instrument</source>
            <translation>Instrument</translation>
        </message>
        <message>
            <source>%1, serial number %2, calibrated on %3</source>
            <translation>%1, numéro de série %2, étalonné le %3</translation>
        </message>
        <message>
            <source>Summary</source>
            <translation>Résumé</translation>
        </message>
        <message>
            <source>Nothing to report: the data holds no records.</source>
            <translation>Rien à signaler : les données ne contiennent aucun enregistrement.</translation>
        </message>
        <message>
            <source>Nothing to report: the data holds no records of the site "%1".</source>
            <translation>Rien à signaler : les données ne contiennent aucun enregistrement du site « %1 ».</translation>
        </message>
        <message>
            <source>%1 records: %2 PASS and %3 FAIL by the tester</source>
            <translation>%1 enregistrements : %2 PASS et %3 FAIL selon le testeur</translation>
        </message>
        <message>
            <source>%1 strings checked against the design: %2 FAIL by the design checks</source>
            <translation>%1 chaînes contrôlées par rapport à la conception : %2 FAIL selon les contrôles de conception</translation>
        </message>
        <message>
            <source>The design has no arrays: no string was checked against it.</source>
            <translation>La conception n'a aucun champ : aucune chaîne n'a été contrôlée par rapport à elle.</translation>
        </message>
        <message>
            <source>%1: %2</source>
            <translation>%1 : %2</translation>
        </message>
        <message>
            <source>FAIL by the tester's own limits</source>
            <translation>FAIL selon les propres limites du testeur</translation>
        </message>
        <message>
            <source>Failures</source>
            <translation>Échecs</translation>
        </message>
        <message>
            <source>String</source>
            <translation>Chaîne</translation>
        </message>
        <message>
            <source>Tester</source>
            <translation>Testeur</translation>
        </message>
        <message>
            <source>Design checks: why</source>
            <translation>Contrôles de conception : motif</translation>
        </message>
        <message>
            <source>Voc (V)</source>
            <translation>Voc (V)</translation>
        </message>
        <message>
            <source>Voc expected (V)</source>
            <translation>Voc attendue (V)</translation>
        </message>
        <message>
            <source>Isc (A)</source>
            <translation>Isc (A)</translation>
        </message>
        <message>
            <source>Isc at STC (A)</source>
            <translation>Isc aux STC (A)</translation>
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
            <translation>Continuité (Ω)</translation>
        </message>
        <message>
            <source>Design checks</source>
            <translation>Contrôles de conception</translation>
        </message>
        <message>
            <source>Array "%1": %2 modules of %3 in series, matched by "%4"</source>
            <translation>Champ « %1 » : %2 modules de type %3 en série, chaînes associées par « %4 »</translation>
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
            <translation>non contrôlé</translation>
        </message>
        <message>
            <source>Array "%1" (continued)</source>
            <translation>Champ « %1 » (suite)</translation>
        </message>
        <message>
            <source>Strings not checked against the design</source>
            <translation>Chaînes non contrôlées par rapport à la conception</translation>
        </message>
        <message>
            <source>Reason</source>
            <translation>Motif</translation>
        </message>
        <message>
            <source>Pass criteria</source>
            <translation>Critères d'acceptation</translation>
        </message>
        <message>
            <source>The tester judges each record by its own limits. The design checks judge each string against the design of its array:</source>
            <translation>Le testeur juge chaque enregistrement selon ses propres limites. Les contrôles de conception jugent chaque chaîne par rapport à la conception de son champ :</translation>
        </message>
        <message>
            <source>Module count: round(Voc ÷ (Voc_STC × (1 + β × (T − 25 °C)))) equals the modules in series.</source>
            <translation>Nombre de modules : arrondi(Voc ÷ (Voc_STC × (1 + β × (T − 25 °C)))) est égal au nombre de modules en série.</translation>
        </message>
        <message>
            <source>Voc against its neighbours: Voc brought to 25 °C with β is within %1 % of the median of the same array's strings.</source>
            <translation>Voc par rapport aux chaînes voisines : Voc ramenée à 25 °C avec β est à %1 % au plus de la médiane des chaînes du même champ.</translation>
        </message>
        <message>
            <source>Isc at STC: Isc × 1000 ÷ G ÷ (1 + α × (T − 25 °C)) is within %1 % of Isc_STC; not checked below %2 W/m².</source>
            <translation>Isc aux STC : Isc × 1000 ÷ G ÷ (1 + α × (T − 25 °C)) est à %1 % au plus de Isc_STC ; non contrôlé en dessous de %2 W/m².</translation>
        </message>
        <message>
            <source>Insulation: Riso at least the array's minimum.</source>
            <translation>Isolement : Riso au moins égale au minimum du champ.</translation>
        </message>
        <message>
            <source>Continuity: at most the array's maximum, when the design sets one.</source>
            <translation>Continuité : au plus le maximum du champ, lorsque la conception en fixe un.</translation>
        </message>
        <message>
            <source>Array</source>
            <translation>Champ</translation>
        </message>
        <message>
            <source>Strings matched by</source>
            <translation>Chaînes associées par</translation>
        </message>
        <message>
            <source>Module</source>
            <translation>Module</translation>
        </message>
        <message>
            <source>Modules in series</source>
            <translation>Modules en série</translation>
        </message>
        <message>
            <source>Module Voc at STC</source>
            <translation>Voc du module aux STC</translation>
        </message>
        <message>
            <source>%1 V</source>
            <translation>%1 V</translation>
        </message>
        <message>
            <source>Module Isc at STC</source>
            <translation>Isc du module aux STC</translation>
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
            <translation>Tension du système (N × Voc_STC × 1,25)</translation>
        </message>
        <message>
            <source>Insulation test voltage</source>
            <translation>Tension d'essai d'isolement</translation>
        </message>
        <message>
            <source>%1 (by the system voltage)</source>
            <translation>%1 (d'après la tension du système)</translation>
        </message>
        <message>
            <source>Insulation minimum</source>
            <translation>Isolement minimal</translation>
        </message>
        <message>
            <source>%1 MΩ</source>
            <translation>%1 MΩ</translation>
        </message>
        <message>
            <source>Continuity maximum</source>
            <translation>Continuité maximale</translation>
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
            <translation>Nom</translation>
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
            <translation>Traçabilité des données</translation>
        </message>
        <message>
            <source>download %1 in the archive</source>
            <translation>téléchargement %1 dans l'archive</translation>
        </message>
        <message>
            <source>file %1</source>
            <translation>fichier %1</translation>
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
            <translation>Téléchargé le</translation>
        </message>
        <message>
            <source>Bytes as received</source>
            <translation>Octets reçus</translation>
        </message>
        <message>
            <source>SHA-256 of the bytes</source>
            <translation>SHA-256 des octets</translation>
        </message>
        <message>
            <source>Page %1 of %2</source>
            <translation>Page %1 sur %2</translation>
        </message>
        <message>
            <source>The report could not be written to %1: %2</source>
            <translation>Le rapport n'a pas pu être écrit dans %1 : %2</translation>
        </message>
        <message>
            <source>the PDF could not be drawn</source>
            <translation>le PDF n'a pas pu être généré</translation>
        </message>
        <message>
            <source>%1 records: %2 PASS, %3 FAIL and %4 other by the tester</source>
            <comment>%4 the records whose result is neither PASS nor FAIL</comment>
            <translation>%1 enregistrements : %2 PASS, %3 FAIL et %4 autres selon le testeur</translation>
        </message>
        <message>
            <source>Arrays without strings in the data (%1): %2</source>
            <comment>%1 how many, %2 their names</comment>
            <translation>Champs sans chaînes dans les données (%1) : %2</translation>
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
            <translation>nom de chaîne</translation>
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
            <translation>éclairement</translation>
        </message>
        <message>
            <source>module temperature</source>
            <translation>température du module</translation>
        </message>
        <message>
            <source>insulation resistance</source>
            <translation>résistance d'isolement</translation>
        </message>
        <message>
            <source>continuity</source>
            <translation>continuité</translation>
        </message>
        <message>
            <source>The site "%1" is not the design's site "%2".</source>
            <translation>Le site « %1 » n'est pas le site de la conception « %2 ».</translation>
        </message>
        <message>
            <source>The row has no string name.</source>
            <translation>La ligne n'a pas de nom de chaîne.</translation>
        </message>
        <message>
            <source>No array of the design matches the string "%1".</source>
            <translation>Aucun champ de la conception ne correspond à la chaîne « %1 ».</translation>
        </message>
        <message>
            <source>The data has no column "%1".</source>
            <translation>Les données n'ont pas de colonne « %1 ».</translation>
        </message>
        <message>
            <source>The data has no column of %1.</source>
            <translation>Les données n'ont pas de colonne pour %1.</translation>
        </message>
        <message>
            <source>The row has no value of %1.</source>
            <translation>La ligne n'a pas de valeur pour %1.</translation>
        </message>
        <message>
            <source>A module temperature of %1 °C is out of range.</source>
            <translation>Une température de module de %1 °C est hors plage.</translation>
        </message>
        <message>
            <source>%1 modules measured, %2 designed</source>
            <translation>%1 modules mesurés, %2 prévus</translation>
        </message>
        <message>
            <source>%1 strings of this array to compare, at least %2 needed</source>
            <translation>%1 chaînes de ce champ à comparer, au moins %2 nécessaires</translation>
        </message>
        <message>
            <source>Voc at 25 °C %1 % from the array's median of %2 V (at most %3 %)</source>
            <translation>Voc à 25 °C à %1 % de la médiane du champ de %2 V (au plus %3 %)</translation>
        </message>
        <message>
            <source>Irradiance of %1 W/m² below the %2 W/m² the check needs</source>
            <translation>Éclairement de %1 W/m² inférieur aux %2 W/m² nécessaires au contrôle</translation>
        </message>
        <message>
            <source>Isc at STC %1 A, %2 % from the designed %3 A (at most %4 %)</source>
            <translation>Isc aux STC %1 A, à %2 % des %3 A prévus (au plus %4 %)</translation>
        </message>
        <message>
            <source>%1 MΩ, at least %2 MΩ designed</source>
            <translation>%1 MΩ, au moins %2 MΩ prévus</translation>
        </message>
        <message>
            <source>The design sets no maximum for continuity.</source>
            <translation>La conception ne fixe pas de maximum pour la continuité.</translation>
        </message>
        <message>
            <source>%1 Ω, at most %2 Ω designed</source>
            <translation>%1 Ω, au plus %2 Ω prévus</translation>
        </message>
        <message>
            <source>%1 FAIL by the tester · %2 more by the design checks</source>
            <comment>%1 rows the tester failed, %2 further rows only the design checks failed</comment>
            <translation>%1 FAIL selon le testeur · %2 de plus selon les contrôles de conception</translation>
        </message>
        <message>
            <source>%1 PASS · %2 FAIL · %3 other by the tester · %4 more by the design checks</source>
            <comment>%1, %2 rows the tester passed and failed, %3 rows with neither, %4 further rows only the design checks failed</comment>
            <translation>%1 PASS · %2 FAIL · %3 autres selon le testeur · %4 de plus selon les contrôles de conception</translation>
        </message>
    </context>
    <context>
        <name>DesignChecksColumn</name>
        <message>
            <source>Module count</source>
            <translation>Nombre de modules</translation>
        </message>
        <message>
            <source>Voc against its neighbours</source>
            <translation>Voc par rapport aux chaînes voisines</translation>
        </message>
        <message>
            <source>Isc at STC</source>
            <translation>Isc aux STC</translation>
        </message>
        <message>
            <source>Insulation</source>
            <translation>Isolement</translation>
        </message>
        <message>
            <source>Continuity</source>
            <translation>Continuité</translation>
        </message>
        <message>
            <source>not checked</source>
            <translation>non contrôlé</translation>
        </message>
        <message>
            <source>FAIL: %1</source>
            <comment>%1 names the checks failed</comment>
            <translation>FAIL : %1</translation>
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
            <translation>%1 : %2 (%3)</translation>
        </message>
        <message>
            <source>Design checks</source>
            <translation>Contrôles de conception</translation>
        </message>
        <message>
            <source>The design checks' verdict; the reasons in each cell's tooltip.</source>
            <translation>Le verdict des contrôles de conception ; les motifs dans l'infobulle de chaque cellule.</translation>
        </message>
    </context>
    <context>
        <name>DesignFile</name>
        <message>
            <source>The design file has no member "%1".</source>
            <translation>Le fichier de conception n'a pas d'élément « %1 ».</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be text.</source>
            <translation>L'élément « %1 » du fichier de conception doit être un texte.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a number.</source>
            <translation>L'élément « %1 » du fichier de conception doit être un nombre.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must not be negative.</source>
            <translation>L'élément « %1 » du fichier de conception ne doit pas être négatif.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be greater than zero.</source>
            <translation>L'élément « %1 » du fichier de conception doit être supérieur à zéro.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be from -10 to 10 %/°C.</source>
            <translation>L'élément « %1 » du fichier de conception doit être compris entre -10 et 10 %/°C.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be an object.</source>
            <translation>L'élément « %1 » du fichier de conception doit être un objet.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a whole number from 1 to 10000.</source>
            <translation>L'élément « %1 » du fichier de conception doit être un nombre entier de 1 à 10000.</translation>
        </message>
        <message>
            <source>The design file is not valid JSON: %1 on line %2.</source>
            <translation>Le fichier de conception n'est pas du JSON valide : %1 à la ligne %2.</translation>
        </message>
        <message>
            <source>The design file does not hold a JSON object.</source>
            <translation>Le fichier de conception ne contient pas d'objet JSON.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a date written as YYYY-MM-DD.</source>
            <translation>L'élément « %1 » du fichier de conception doit être une date écrite AAAA-MM-JJ.</translation>
        </message>
        <message>
            <source>The member "%1" of the design file must be a list.</source>
            <translation>L'élément « %1 » du fichier de conception doit être une liste.</translation>
        </message>
        <message>
            <source>The list "arrays" of the design file is empty: a design needs at least one array.</source>
            <translation>La liste « arrays » du fichier de conception est vide : une conception a besoin d'au moins un champ.</translation>
        </message>
    </context>
    <context>
        <name>DialogLanguage</name>
        <message>
            <source>Please choose a language</source>
            <translation>Veuillez choisir une langue</translation>
        </message>
    </context>
    <context>
        <name>DownloadCommand</name>
        <message>
            <source>--design goes with --summary or --report.</source>
            <translation>--design va avec --summary ou --report.</translation>
        </message>
        <message>
            <source>--format goes with --list-ports, --list-downloads or --summary.</source>
            <translation>--format s'utilise avec --list-ports, --list-downloads ou --summary.</translation>
        </message>
        <message>
            <source>The option '%1' needs --download.</source>
            <comment>%1 is an option's name</comment>
            <translation>L'option « %1 » nécessite --download.</translation>
        </message>
        <message>
            <source>--download needs --port.</source>
            <translation>--download nécessite --port.</translation>
        </message>
        <message>
            <source>--download needs --output.</source>
            <translation>--download nécessite --output.</translation>
        </message>
        <message>
            <source>--european and --no-european exclude each other.</source>
            <translation>--european et --no-european s'excluent mutuellement.</translation>
        </message>
        <message>
            <source>--read-timeout needs a whole number of milliseconds from %1 to %2, not '%3'.</source>
            <comment>%1 and %2 are the limits, %3 the value as the user typed it</comment>
            <translation>--read-timeout attend un nombre entier de millisecondes de %1 à %2, pas « %3 ».</translation>
        </message>
        <message>
            <source>--start-timeout needs a whole number of seconds from 1 to %1, not '%2'.</source>
            <comment>%1 is the limit, %2 the value as the user typed it</comment>
            <translation>--start-timeout attend un nombre entier de secondes de 1 à %1, pas « %2 ».</translation>
        </message>
        <message>
            <source>Downloads the tester's results without a window, as the Download button does, and saves them as --output. Needs --port and --output.</source>
            <translation>Télécharge les résultats du testeur sans fenêtre, comme le bouton « Télécharger », et les enregistre sous --output. Nécessite --port et --output.</translation>
        </message>
        <message>
            <source>The tester's port: a name as the port list shows it (ttyUSB0, COM3) or a device path.</source>
            <translation>Le port du testeur : un nom tel que la liste des ports l'affiche (ttyUSB0, COM3) ou un chemin de périphérique.</translation>
        </message>
        <message>
            <source>port</source>
            <comment>value name of --port</comment>
            <translation>port</translation>
        </message>
        <message>
            <source>The file to save the results as, replaced if it exists; - for the standard output.</source>
            <translation>Le fichier où enregistrer les résultats, remplacé s'il existe ; - pour la sortie standard.</translation>
        </message>
        <message>
            <source>file</source>
            <comment>value name of --output</comment>
            <translation>fichier</translation>
        </message>
        <message>
            <source>Milliseconds of silence that end the download (%1 to %2, default %3).</source>
            <comment>%1 and %2 are the limits, %3 the default</comment>
            <translation>Millisecondes de silence qui terminent le téléchargement (de %1 à %2, %3 par défaut).</translation>
        </message>
        <message>
            <source>ms</source>
            <comment>value name of --read-timeout</comment>
            <translation>ms</translation>
        </message>
        <message>
            <source>Saves a .csv file in the European format: semicolons between fields and decimal commas.</source>
            <translation>Enregistre un fichier .csv au format européen : points-virgules entre les champs et virgules décimales.</translation>
        </message>
        <message>
            <source>Saves the results as received (also without either option).</source>
            <translation>Enregistre les résultats tels que reçus (de même sans l'une ou l'autre option).</translation>
        </message>
        <message>
            <source>Gives up when no data has come this many seconds after the tester was asked for it (1 to %1; without it the download waits until it is stopped).</source>
            <comment>%1 is the largest number of seconds</comment>
            <translation>Abandonne si aucune donnée n'est arrivée ce nombre de secondes après la demande au testeur (1 à %1 ; sans cette option, le téléchargement attend jusqu'à son arrêt).</translation>
        </message>
        <message>
            <source>seconds</source>
            <comment>value name of --start-timeout</comment>
            <translation>secondes</translation>
        </message>
        <message>
            <source>Shows no progress, only what went wrong.</source>
            <translation>N'affiche pas la progression, seulement ce qui a échoué.</translation>
        </message>
        <message>
            <source>Also shows the serial port's diagnostics on the error stream.</source>
            <translation>Affiche aussi les diagnostics du port série sur la sortie d'erreur.</translation>
        </message>
    </context>
    <context>
        <name>DownloadEndingText</name>
        <message>
            <source>Finished</source>
            <comment>a download that ended when the tester fell silent</comment>
            <translation>Terminé</translation>
        </message>
        <message>
            <source>Line lost</source>
            <comment>a download that ended when the connection was lost</comment>
            <translation>Connexion perdue</translation>
        </message>
        <message>
            <source>Cancelled</source>
            <comment>a download stopped by the user</comment>
            <translation>Annulé</translation>
        </message>
        <message>
            <source>Interrupted</source>
            <comment>a download stopped when the program was closed or stopped</comment>
            <translation>Interrompu</translation>
        </message>
    </context>
    <context>
        <name>HeadlessArchiving</name>
        <message>
            <source>What came is kept in the archive as download %1.</source>
            <comment>%1 is the number of the download</comment>
            <translation>Ce qui est arrivé est conservé dans l'archive comme téléchargement %1.</translation>
        </message>
        <message>
            <source>The data is kept in the archive as download %1. To write it:</source>
            <comment>%1 is the number of the download; the command follows on the next line</comment>
            <translation>Les données sont conservées dans l'archive comme téléchargement %1. Pour les écrire :</translation>
        </message>
        <message>
            <source>The archive could not record this save: %1</source>
            <comment>%1 is the reason</comment>
            <translation>L'archive n'a pas pu consigner cet enregistrement : %1</translation>
        </message>
    </context>
    <context>
        <name>HeadlessDownload</name>
        <message>
            <source>Bytes received: %1 (%2 bytes/s)</source>
            <comment>%1 is the number of bytes received so far, %2 the rate</comment>
            <translation>Octets reçus : %1 (%2 octets/s)</translation>
        </message>
        <message>
            <source>The line sends only NUL bytes. Check the cable and the tester.</source>
            <translation>La ligne n'envoie que des octets NUL. Vérifiez le câble et le testeur.</translation>
        </message>
        <message>
            <source>Now initiate the download on the tester</source>
            <translation>Lancez maintenant le téléchargement sur le testeur</translation>
        </message>
        <message>
            <source>No such device. Check that the adapter is plugged in.</source>
            <translation>Périphérique introuvable. Vérifiez que l'adaptateur est branché.</translation>
        </message>
        <message>
            <source>The ports of this system: %1 --list-ports</source>
            <comment>%1 is the program's name</comment>
            <translation>Les ports de ce système : %1 --list-ports</translation>
        </message>
        <message>
            <source>Interrupted: nothing was saved</source>
            <translation>Interrompu : rien n'a été enregistré</translation>
        </message>
        <message>
            <source>No data came within %1 s of asking the tester. Check that the tester is connected to this port and switched on, and start the transfer on the tester.</source>
            <comment>%1 is a number of seconds</comment>
            <translation>Aucune donnée reçue dans les %1 s suivant la demande au testeur. Vérifiez que le testeur est relié à ce port et allumé, puis lancez le téléchargement sur le testeur.</translation>
        </message>
        <message>
            <source>Bytes written to the standard output: %1</source>
            <comment>%1 is a number of bytes</comment>
            <translation>Octets écrits sur la sortie standard : %1</translation>
        </message>
        <message>
            <source>%1: %2 (%3 bytes)</source>
            <comment>%1 is "File successfully saved", %2 the file's path, %3 the number of bytes</comment>
            <translation>%1 : %2 (%3 octets)</translation>
        </message>
        <message>
            <source>Port %1: %2</source>
            <comment>%1 is the port, %2 what happened</comment>
            <translation>Port %1 : %2</translation>
        </message>
    </context>
    <context>
        <name>HistoryModel</name>
        <message>
            <source>Saved %1 times</source>
            <comment>%1 is a number of saves, always more than one</comment>
            <translation>Enregistré %1 fois</translation>
        </message>
        <message>
            <source>not saved</source>
            <translation>non enregistré</translation>
        </message>
        <message>
            <source>Date and time</source>
            <translation>Date et heure</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Port</translation>
        </message>
        <message>
            <source>Bytes</source>
            <translation>Octets</translation>
        </message>
        <message>
            <source>Lines</source>
            <translation>Lignes</translation>
        </message>
        <message>
            <source>Ended</source>
            <translation>Fin</translation>
        </message>
        <message>
            <source>Saved as</source>
            <translation>Enregistré sous</translation>
        </message>
        <message>
            <source>Records</source>
            <translation>Enregistrements</translation>
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
            <translation>Envoyé</translation>
        </message>
        <message>
            <source>Refused: %1</source>
            <comment>%1 is the reason</comment>
            <translation>Refusé : %1</translation>
        </message>
        <message>
            <source>Waiting</source>
            <comment>to be sent to the team archive</comment>
            <translation>En attente</translation>
        </message>
        <message>
            <source>Team archive</source>
            <translation>Archive d'équipe</translation>
        </message>
    </context>
    <context>
        <name>HistoryWindow</name>
        <message>
            <source>History</source>
            <translation>Historique</translation>
        </message>
        <message>
            <source>Every download you receive will appear here, also the ones you do not save.</source>
            <translation>Chaque téléchargement que vous recevez apparaîtra ici, même si vous ne l'enregistrez pas.</translation>
        </message>
        <message>
            <source>&amp;Save As...</source>
            <translation>&amp;Enregistrer sous...</translation>
        </message>
        <message>
            <source>&amp;Open</source>
            <translation>&amp;Ouvrir</translation>
        </message>
        <message>
            <source>Opens the file this download was last saved as</source>
            <translation>Ouvre le fichier sous lequel ce téléchargement a été enregistré en dernier</translation>
        </message>
        <message>
            <source>&amp;Results...</source>
            <translation>&amp;Résultats...</translation>
        </message>
        <message>
            <source>Shows this download as a table of results</source>
            <translation>Affiche ce téléchargement sous forme de tableau de résultats</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Supprimer</translation>
        </message>
        <message>
            <source>Delete the download of %1 from the archive?</source>
            <comment>%1 is the date and time of the download</comment>
            <translation>Supprimer de l'archive le téléchargement du %1 ?</translation>
        </message>
        <message>
            <source>The files it was saved as stay where they are.</source>
            <translation>Les fichiers sous lesquels il a été enregistré restent en place.</translation>
        </message>
        <message>
            <source>This computer</source>
            <comment>the History's view of the local archive</comment>
            <translation>Cet ordinateur</translation>
        </message>
        <message>
            <source>Team</source>
            <comment>the History's view of the team archive</comment>
            <translation>Équipe</translation>
        </message>
        <message>
            <source>Reading the team archive %1...</source>
            <comment>%1 is user@server:port/database</comment>
            <translation>Lecture de l'archive d'équipe %1...</translation>
        </message>
        <message>
            <source>The team archive holds no downloads yet.</source>
            <translation>L'archive d'équipe ne contient encore aucun téléchargement.</translation>
        </message>
        <message>
            <source>Opens a copy of this download from the team archive</source>
            <translation>Ouvre une copie de ce téléchargement depuis l'archive d'équipe</translation>
        </message>
        <message>
            <source>Reading download %1 from the team archive...</source>
            <translation>Lecture du téléchargement %1 depuis l'archive d'équipe...</translation>
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
            <translation>La conception conservée dans l'archive pour « %1 » est inutilisable : %2</translation>
        </message>
    </context>
    <context>
        <name>ListPortsCommand</name>
        <message>
            <source>--list-ports and --download exclude each other.</source>
            <translation>--list-ports et --download s'excluent mutuellement.</translation>
        </message>
        <message>
            <source>--format is text or json, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--format vaut text ou json, pas « %1 ».</translation>
        </message>
        <message>
            <source>The system reports no serial port. Plug in the tester's adapter and try again.</source>
            <translation>Le système ne signale aucun port série. Branchez l'adaptateur du testeur et réessayez.</translation>
        </message>
        <message>
            <source>Lists the serial ports: name, device path, USB vendor:product, serial number and description, one port a line, and exits.</source>
            <translation>Liste les ports série (nom, chemin du périphérique, fabricant:produit USB, numéro de série et description, un port par ligne) puis quitte.</translation>
        </message>
        <message>
            <source>With --list-ports, --list-downloads or --summary: text (the default) or json.</source>
            <translation>Avec --list-ports, --list-downloads ou --summary : text (par défaut) ou json.</translation>
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
            <translation>Quitter</translation>
        </message>
        <message>
            <source>Quits the application</source>
            <translation>Quitte l'application</translation>
        </message>
        <message>
            <source>Refresh Ports</source>
            <translation>Actualiser les ports</translation>
        </message>
        <message>
            <source>Refreshes the list of COM ports</source>
            <translation>Actualise la liste des ports COM</translation>
        </message>
        <message>
            <source>About</source>
            <translation>À propos</translation>
        </message>
        <message>
            <source>Shows version information about Solar DataLogger</source>
            <translation>Affiche les informations de version de Solar DataLogger</translation>
        </message>
        <message>
            <source>Change Language...</source>
            <translation>Changer de langue...</translation>
        </message>
        <message>
            <source>Change the language used in this application</source>
            <translation>Change la langue utilisée dans cette application</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Aide</translation>
        </message>
        <message>
            <source>Shows documentation</source>
            <translation>Affiche la documentation</translation>
        </message>
        <message>
            <source>Convert CSV Data</source>
            <translation>Convertir les données CSV</translation>
        </message>
        <message>
            <source>Device Connection</source>
            <translation>Connexion à l'appareil</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Download</source>
            <translation>Télécharger</translation>
        </message>
        <message>
            <source>Downloaded Output</source>
            <translation>Données téléchargées</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Ouvrir</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Enregistrer</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Fichier</translation>
        </message>
        <message>
            <source>Tools</source>
            <translation>Outils</translation>
        </message>
        <message>
            <source>Country Settings</source>
            <translation>Paramètres régionaux</translation>
        </message>
        <message>
            <source>Please select a port and connect your device</source>
            <translation>Veuillez sélectionner un port et connecter votre appareil</translation>
        </message>
        <message>
            <source>The language will be changed next time Marlune DataLogger is started.</source>
            <translation>La langue sera modifiée au prochain démarrage de Marlune DataLogger.</translation>
        </message>
        <message>
            <source>Would you like to restart now?</source>
            <translation>Voulez-vous redémarrer maintenant ?</translation>
        </message>
        <message>
            <source>Now initiate the download on the tester</source>
            <translation>Lancez maintenant le téléchargement sur le testeur</translation>
        </message>
        <message>
            <source>Comma Separated Value files (*.csv)</source>
            <translation>Fichiers CSV (*.csv)</translation>
        </message>
        <message>
            <source>Text files (*.txt)</source>
            <translation>Fichiers texte (*.txt)</translation>
        </message>
        <message>
            <source>All files (*.*)</source>
            <translation>Tous les fichiers (*.*)</translation>
        </message>
        <message>
            <source>Save downloaded data to file</source>
            <translation>Enregistrer les données téléchargées dans un fichier</translation>
        </message>
        <message>
            <source>Would you like to convert the data to European format?</source>
            <translation>Voulez-vous convertir les données au format européen ?</translation>
        </message>
        <message>
            <source>Decimal points will be replaced by commas and the commas separating fields will be replaced by semi-colons.</source>
            <translation>Les points décimaux seront remplacés par des virgules décimales, et les virgules qui séparent les champs seront remplacées par des points-virgules.</translation>
        </message>
        <message>
            <source>About Marlune DataLogger</source>
            <comment>Title of the About box</comment>
            <translation>À propos de Marlune DataLogger</translation>
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
            <translation>Octets reçus : %1</translation>
        </message>
        <message>
            <source>The line sends only NUL bytes. Check the cable and the tester.</source>
            <translation>La ligne n'envoie que des octets NUL. Vérifiez le câble et le testeur.</translation>
        </message>
        <message>
            <source>The help pages were not found in "%1".</source>
            <comment>The %1 will be replaced with the name of a folder. Please do not remove it in your translation!</comment>
            <translation>Les pages d'aide sont introuvables dans « %1 ».</translation>
        </message>
        <message>
            <source>Please reinstall Marlune DataLogger.</source>
            <translation>Veuillez réinstaller Marlune DataLogger.</translation>
        </message>
        <message>
            <source>Failed to connect. Please check the device is connected and switched on</source>
            <translation>Échec de la connexion. Veuillez vérifier que l'appareil est branché et allumé</translation>
        </message>
        <message>
            <source>File successfully saved</source>
            <translation>Fichier enregistré avec succès</translation>
        </message>
        <message>
            <source>Error opening "%1" for writing. Is it open already or read only?</source>
            <comment>The %1 will be replaced with the a file name. Please do not remove it in your translation!</comment>
            <translation>Erreur lors de l'ouverture de « %1 » en écriture. Le fichier est-il déjà ouvert ou en lecture seule ?</translation>
        </message>
        <message>
            <source>Error saving "%1": %2</source>
            <comment>The %1 will be replaced with a file name and the %2 with the reason. Please do not remove them in your translation!</comment>
            <translation>Erreur lors de l'enregistrement de « %1 » : %2</translation>
        </message>
        <message>
            <source>View</source>
            <translation>Affichage</translation>
        </message>
        <message>
            <source>Results</source>
            <translation>Résultats</translation>
        </message>
        <message>
            <source>Shows the downloaded data as a table of results with a summary and a chart</source>
            <translation>Affiche les données téléchargées sous forme de tableau de résultats avec un résumé et un graphique</translation>
        </message>
        <message>
            <source>History...</source>
            <translation>Historique...</translation>
        </message>
        <message>
            <source>Shows every download kept in the archive</source>
            <translation>Affiche tous les téléchargements conservés dans l'archive</translation>
        </message>
        <message>
            <source>Team archive...</source>
            <translation>Archive d'équipe...</translation>
        </message>
    </context>
    <context>
        <name>PortErrorText</name>
        <message>
            <source>No port is selected. Connect the adapter, then press Refresh Ports.</source>
            <translation>Aucun port n'est sélectionné. Branchez l'adaptateur, puis cliquez sur « Actualiser les ports ».</translation>
        </message>
        <message>
            <source>The port is in use by another program. Close the other program and try again.</source>
            <translation>Le port est utilisé par un autre programme. Fermez l'autre programme et réessayez.</translation>
        </message>
        <message>
            <source>Permission denied. Add your user to the group "%1" that owns the port, then log out and log in again.</source>
            <comment>The %1 will be replaced with the name of a user group, such as dialout. Please do not remove it in your translation!</comment>
            <translation>Accès refusé. Ajoutez votre utilisateur au groupe « %1 » propriétaire du port, puis fermez votre session et rouvrez-la.</translation>
        </message>
        <message>
            <source>Permission denied. Your user account may not use this port.</source>
            <translation>Accès refusé. Votre compte utilisateur n'est pas autorisé à utiliser ce port.</translation>
        </message>
        <message>
            <source>No such device. Check that the adapter is plugged in, then press Refresh Ports.</source>
            <translation>Périphérique introuvable. Vérifiez que l'adaptateur est branché, puis cliquez sur « Actualiser les ports ».</translation>
        </message>
        <message>
            <source>The system reported: %1</source>
            <comment>The %1 will be replaced with the error message of the operating system. Please do not remove it in your translation!</comment>
            <translation>Message du système : %1</translation>
        </message>
        <message>
            <source>The connection to the device was lost before any data arrived.</source>
            <translation>La connexion à l'appareil a été perdue avant la réception de données.</translation>
        </message>
        <message>
            <source>The connection to the device was lost. The data received so far is kept.</source>
            <translation>La connexion à l'appareil a été perdue. Les données déjà reçues sont conservées.</translation>
        </message>
    </context>
    <context>
        <name>ReportCommand</name>
        <message>
            <source>No design is kept in the archive for the site of these results (%1); give one with --design.</source>
            <comment>%1 lists the sites' names</comment>
            <translation>Aucune conception n'est conservée dans l'archive pour le site de ces résultats (%1) ; indiquez-en une avec --design.</translation>
        </message>
        <message>
            <source>no Site column</source>
            <translation>pas de colonne Site</translation>
        </message>
        <message>
            <source>The archive "%1" could not be read: %2</source>
            <comment>%1 is the archive's path, %2 the reason</comment>
            <translation>L'archive « %1 » n'a pas pu être lue : %2</translation>
        </message>
        <message>
            <source>The archive keeps designs for several sites of these results (%1); choose one with --design.</source>
            <comment>%1 lists the sites' names</comment>
            <translation>L'archive conserve des conceptions pour plusieurs sites de ces résultats (%1) ; choisissez-en une avec --design.</translation>
        </message>
        <message>
            <source>Writes the commissioning test report as the PDF file --output: the results of download ID of the archive, or of a saved .csv or .txt file, checked against the site's design (--design, else the design the archive keeps for the site).</source>
            <translation>Écrit le rapport d'essais de mise en service dans le fichier PDF --output : les résultats du téléchargement ID de l'archive, ou d'un fichier .csv ou .txt enregistré, contrôlés par rapport à la conception du site (--design, sinon la conception que l'archive conserve pour le site).</translation>
        </message>
        <message>
            <source>ID or file</source>
            <comment>value name of --report</comment>
            <translation>ID ou fichier</translation>
        </message>
        <message>
            <source>--report and --%1 exclude each other.</source>
            <comment>%1 is an option's name</comment>
            <translation>--report et --%1 s'excluent mutuellement.</translation>
        </message>
        <message>
            <source>The option '%1' does not go with --report.</source>
            <comment>%1 is an option's name</comment>
            <translation>L'option « %1 » ne va pas avec --report.</translation>
        </message>
        <message>
            <source>--report needs a download's id or a saved file.</source>
            <translation>--report demande le numéro d'un téléchargement ou un fichier enregistré.</translation>
        </message>
        <message>
            <source>--report needs --output and the name of the PDF file to write.</source>
            <translation>--report demande --output et le nom du fichier PDF à écrire.</translation>
        </message>
        <message>
            <source>--design needs a file.</source>
            <translation>--design demande un fichier.</translation>
        </message>
        <message>
            <source>--archive needs a file.</source>
            <translation>--archive nécessite un fichier.</translation>
        </message>
        <message>
            <source>There is no download %1 in the archive "%2".</source>
            <comment>%1 is the download's id, %2 the archive's path</comment>
            <translation>Il n'y a pas de téléchargement %1 dans l'archive « %2 ».</translation>
        </message>
        <message>
            <source>The download %1 could not be read from the archive: %2</source>
            <comment>%1 is the download's id, %2 the reason</comment>
            <translation>Le téléchargement %1 n'a pas pu être lu dans l'archive : %2</translation>
        </message>
    </context>
    <context>
        <name>ReportPreviewDialog</name>
        <message>
            <source>Report preview</source>
            <translation>Aperçu du rapport</translation>
        </message>
        <message>
            <source>Save PDF…</source>
            <translation>Enregistrer le PDF…</translation>
        </message>
        <message>
            <source>Save the report</source>
            <translation>Enregistrer le rapport</translation>
        </message>
        <message>
            <source>commissioning-report.pdf</source>
            <comment>default file name</comment>
            <translation>rapport-mise-en-service.pdf</translation>
        </message>
        <message>
            <source>PDF files (*.pdf)</source>
            <translation>Fichiers PDF (*.pdf)</translation>
        </message>
        <message>
            <source>Report not saved</source>
            <translation>Rapport non enregistré</translation>
        </message>
    </context>
    <context>
        <name>ResultsChart</name>
        <message>
            <source>This column holds no numbers to draw.</source>
            <translation>Cette colonne ne contient aucun nombre à tracer.</translation>
        </message>
        <message>
            <source>Bars: %1</source>
            <translation>Barres : %1</translation>
        </message>
        <message>
            <source>Maximum: %1</source>
            <translation>Maximum : %1</translation>
        </message>
        <message>
            <source>Minimum: %1</source>
            <translation>Minimum : %1</translation>
        </message>
    </context>
    <context>
        <name>ResultsCheck</name>
        <message>
            <source>%1 more lines with the same warning are not listed.</source>
            <translation>%1 autres lignes avec le même avertissement ne sont pas listées.</translation>
        </message>
        <message>
            <source>The record numbers jump from %1 to %2 on line %3: records may be missing.</source>
            <translation>Les numéros d'enregistrement sautent de %1 à %2 à la ligne %3 : des enregistrements manquent peut-être.</translation>
        </message>
        <message>
            <source>The record number %1 on line %2 repeats or goes back (the one before is %3).</source>
            <translation>Le numéro d'enregistrement %1 à la ligne %2 se répète ou recule (le précédent est %3).</translation>
        </message>
        <message>
            <source>The last record is incomplete: the tester may have paused longer than the read time-out. Download again with a longer time-out.</source>
            <translation>Le dernier enregistrement est incomplet : le testeur a peut-être fait une pause plus longue que le délai de lecture. Relancez le téléchargement avec un délai plus long.</translation>
        </message>
        <message>
            <source>This download starts in the middle of a record: the previous one may have been cut short.</source>
            <translation>Ce téléchargement commence au milieu d'un enregistrement : le précédent a peut-être été interrompu.</translation>
        </message>
        <message>
            <source>Line %1 has %2 fields where most rows have %3.</source>
            <translation>La ligne %1 a %2 champs alors que la plupart des lignes en ont %3.</translation>
        </message>
        <message>
            <source>Line %1 has %2 fields where the header has %3.</source>
            <translation>La ligne %1 a %2 champs alors que l'en-tête en a %3.</translation>
        </message>
    </context>
    <context>
        <name>ResultsFile</name>
        <message>
            <source>The file "%1" could not be read: %2</source>
            <comment>%1 is a file name, %2 the system's reason</comment>
            <translation>Impossible de lire le fichier « %1 » : %2</translation>
        </message>
        <message>
            <source>The file "%1" is too large to read as results: %2 bytes (at most %3).</source>
            <comment>%1 is a file name, %2 its size, %3 the largest size read</comment>
            <translation>Le fichier « %1 » est trop volumineux pour être lu comme résultats : %2 octets (au plus %3).</translation>
        </message>
    </context>
    <context>
        <name>ResultsFilterModel</name>
        <message>
            <source>The tester failed this record.</source>
            <translation>Le testeur a jugé cet enregistrement non conforme.</translation>
        </message>
    </context>
    <context>
        <name>ResultsSummary</name>
        <message>
            <source>%1 records</source>
            <translation>%1 enregistrements</translation>
        </message>
        <message>
            <source>%1 records · %2 PASS · %3 FAIL</source>
            <translation>%1 enregistrements · %2 PASS · %3 FAIL</translation>
        </message>
        <message>
            <source>%1 · %2 other</source>
            <comment>%1 the records, PASS and FAIL; %2 the records whose result is neither</comment>
            <translation>%1 · %2 autres</translation>
        </message>
    </context>
    <context>
        <name>ResultsWindow</name>
        <message>
            <source>Results</source>
            <translation>Résultats</translation>
        </message>
        <message>
            <source>Table</source>
            <translation>Tableau</translation>
        </message>
        <message>
            <source>Filter: text in any column</source>
            <translation>Filtre : texte dans n'importe quelle colonne</translation>
        </message>
        <message>
            <source>Failed only</source>
            <translation>Échecs seulement</translation>
        </message>
        <message>
            <source>Export CSV...</source>
            <translation>Exporter en CSV...</translation>
        </message>
        <message>
            <source>Saves the rows shown as a CSV file</source>
            <translation>Enregistre les lignes affichées dans un fichier CSV</translation>
        </message>
        <message>
            <source>Chart</source>
            <translation>Graphique</translation>
        </message>
        <message>
            <source>Values:</source>
            <translation>Valeurs :</translation>
        </message>
        <message>
            <source>Labels:</source>
            <translation>Étiquettes :</translation>
        </message>
        <message>
            <source>Groups:</source>
            <translation>Groupes :</translation>
        </message>
        <message>
            <source>Save Chart...</source>
            <translation>Enregistrer le graphique...</translation>
        </message>
        <message>
            <source>Saves the chart as a PNG or SVG image</source>
            <translation>Enregistre le graphique en image PNG ou SVG</translation>
        </message>
        <message>
            <source>Results: %1</source>
            <comment>%1 is the name of the download or file</comment>
            <translation>Résultats : %1</translation>
        </message>
        <message>
            <source>%1 of %2 records shown</source>
            <comment>%1 and %2 are counts</comment>
            <translation>%1 enregistrements affichés sur %2</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>(aucune)</translation>
        </message>
        <message>
            <source>Export the rows shown</source>
            <translation>Exporter les lignes affichées</translation>
        </message>
        <message>
            <source>Comma Separated Value files (*.csv)</source>
            <translation>Fichiers CSV (*.csv)</translation>
        </message>
        <message>
            <source>All files (*.*)</source>
            <translation>Tous les fichiers (*.*)</translation>
        </message>
        <message>
            <source>PNG images (*.png)</source>
            <translation>Images PNG (*.png)</translation>
        </message>
        <message>
            <source>SVG images (*.svg)</source>
            <translation>Images SVG (*.svg)</translation>
        </message>
        <message>
            <source>Save the chart</source>
            <translation>Enregistrer le graphique</translation>
        </message>
        <message>
            <source>The chart could not be saved as "%1": %2</source>
            <comment>%1 is a file name, %2 the system's reason</comment>
            <translation>Impossible d'enregistrer le graphique sous « %1 » : %2</translation>
        </message>
        <message>
            <source>Site design…</source>
            <translation>Conception du site…</translation>
        </message>
        <message>
            <source>Report…</source>
            <translation>Rapport…</translation>
        </message>
        <message>
            <source>The design of the site: its arrays and limits, to check each string against.</source>
            <translation>La conception du site : ses champs et ses limites, par rapport auxquels chaque chaîne est contrôlée.</translation>
        </message>
        <message>
            <source>The commissioning test report of these results checked against the site design, shown before it is saved as PDF.</source>
            <translation>Le rapport d'essais de mise en service de ces résultats contrôlés par rapport à la conception du site, affiché avant d'être enregistré en PDF.</translation>
        </message>
        <message>
            <source>Site design</source>
            <translation>Conception du site</translation>
        </message>
        <message>
            <source>The design could not be kept in the archive: %1</source>
            <comment>%1 is the reason</comment>
            <translation>La conception n'a pas pu être conservée dans l'archive : %1</translation>
        </message>
        <message>
            <source>The archive could not be read: %1</source>
            <comment>%1 is the reason</comment>
            <translation>L'archive n'a pas pu être lue : %1</translation>
        </message>
    </context>
    <context>
        <name>SaveStep</name>
        <message>
            <source>Error writing to the standard output: %1</source>
            <comment>%1 is the system's reason</comment>
            <translation>Erreur d'écriture sur la sortie standard : %1</translation>
        </message>
        <message>
            <source>The European format applies to .csv files only; "%1" is written as received.</source>
            <comment>%1 is a file name</comment>
            <translation>Le format européen ne s'applique qu'aux fichiers .csv ; « %1 » est écrit tel que reçu.</translation>
        </message>
        <message>
            <source>The file's old content could not be put back: the file was changed.</source>
            <translation>L'ancien contenu du fichier n'a pas pu être rétabli : le fichier a été modifié.</translation>
        </message>
    </context>
    <context>
        <name>SavedData</name>
        <message>
            <source>The file holds %1 bytes instead of %2.</source>
            <comment>%1 and %2 are numbers of bytes</comment>
            <translation>Le fichier contient %1 octets au lieu de %2.</translation>
        </message>
        <message>
            <source>It is a pipe, a device or a socket, not a regular file: only regular files are written.</source>
            <translation>C'est un tube, un périphérique ou un socket, pas un fichier ordinaire : seuls les fichiers ordinaires sont écrits.</translation>
        </message>
    </context>
    <context>
        <name>SiteDesignDialog</name>
        <message>
            <source>Site design</source>
            <translation>Conception du site</translation>
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
            <translation>Site :</translation>
        </message>
        <message>
            <source>Address:</source>
            <translation>Adresse :</translation>
        </message>
        <message>
            <source>Client:</source>
            <translation>Client :</translation>
        </message>
        <message>
            <source>Inspector:</source>
            <translation>Inspecteur :</translation>
        </message>
        <message>
            <source>Instrument</source>
            <translation>Instrument</translation>
        </message>
        <message>
            <source>Model:</source>
            <translation>Modèle :</translation>
        </message>
        <message>
            <source>Serial number:</source>
            <translation>Numéro de série :</translation>
        </message>
        <message>
            <source>Calibrated on:</source>
            <translation>Étalonné le :</translation>
        </message>
        <message>
            <source>Arrays</source>
            <translation>Champs</translation>
        </message>
        <message>
            <source>Add array</source>
            <translation>Ajouter un champ</translation>
        </message>
        <message>
            <source>Remove array</source>
            <translation>Supprimer le champ</translation>
        </message>
        <message>
            <source>Checks and columns</source>
            <translation>Contrôles et colonnes</translation>
        </message>
        <message>
            <source>Tolerances</source>
            <translation>Tolérances</translation>
        </message>
        <message>
            <source>Voc against its neighbours:</source>
            <translation>Voc par rapport aux chaînes voisines :</translation>
        </message>
        <message>
            <source> %</source>
            <translation> %</translation>
        </message>
        <message>
            <source>Isc at STC:</source>
            <translation>Isc aux STC :</translation>
        </message>
        <message>
            <source>Least irradiance for Isc:</source>
            <translation>Éclairement minimal pour Isc :</translation>
        </message>
        <message>
            <source> W/m²</source>
            <translation> W/m²</translation>
        </message>
        <message>
            <source>Columns of the data</source>
            <translation>Colonnes des données</translation>
        </message>
        <message>
            <source>Import…</source>
            <translation>Importer…</translation>
        </message>
        <message>
            <source>Export…</source>
            <translation>Exporter…</translation>
        </message>
        <message>
            <source>String name:</source>
            <translation>Nom de chaîne :</translation>
        </message>
        <message>
            <source>Voc:</source>
            <translation>Voc :</translation>
        </message>
        <message>
            <source>Isc:</source>
            <translation>Isc :</translation>
        </message>
        <message>
            <source>Irradiance:</source>
            <translation>Éclairement :</translation>
        </message>
        <message>
            <source>Module temperature:</source>
            <translation>Température du module :</translation>
        </message>
        <message>
            <source>Insulation resistance:</source>
            <translation>Résistance d'isolement :</translation>
        </message>
        <message>
            <source>Continuity:</source>
            <translation>Continuité :</translation>
        </message>
        <message>
            <source>not given</source>
            <translation>non indiqué</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nom</translation>
        </message>
        <message>
            <source>Strings starting with</source>
            <translation>Chaînes commençant par</translation>
        </message>
        <message>
            <source>Module</source>
            <translation>Module</translation>
        </message>
        <message>
            <source>Modules in series</source>
            <translation>Modules en série</translation>
        </message>
        <message>
            <source>Voc at STC (V)</source>
            <translation>Voc aux STC (V)</translation>
        </message>
        <message>
            <source>Isc at STC (A)</source>
            <translation>Isc aux STC (A)</translation>
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
            <translation>Essai d'isolement (V)</translation>
        </message>
        <message>
            <source>Insulation min. (MΩ)</source>
            <translation>Isolement min. (MΩ)</translation>
        </message>
        <message>
            <source>Continuity max. (Ω)</source>
            <translation>Continuité max. (Ω)</translation>
        </message>
        <message>
            <source>Leave the insulation figures empty to take them from the system voltage, and the continuity maximum empty not to check continuity.</source>
            <translation>Laissez les valeurs d'isolement vides pour les déduire de la tension du système, et le maximum de continuité vide pour ne pas contrôler la continuité.</translation>
        </message>
        <message>
            <source>by its usual header</source>
            <translation>par son en-tête habituel</translation>
        </message>
        <message>
            <source>The design needs at least one array.</source>
            <translation>La conception a besoin d'au moins un champ.</translation>
        </message>
        <message>
            <source>Array %1, %2: %3</source>
            <translation>Champ %1, %2 : %3</translation>
        </message>
        <message>
            <source>required</source>
            <translation>obligatoire</translation>
        </message>
        <message>
            <source>a whole number from 1 to 10000 is needed</source>
            <translation>un nombre entier de 1 à 10000 est nécessaire</translation>
        </message>
        <message>
            <source>a number above 0 is needed</source>
            <translation>un nombre supérieur à 0 est nécessaire</translation>
        </message>
        <message>
            <source>a number is needed</source>
            <translation>un nombre est nécessaire</translation>
        </message>
        <message>
            <source>a number above 0 is needed, or nothing</source>
            <translation>un nombre supérieur à 0 est nécessaire, ou aucune valeur</translation>
        </message>
        <message>
            <source>The design file %1 could not be read: %2</source>
            <translation>Le fichier de conception %1 n'a pas pu être lu : %2</translation>
        </message>
        <message>
            <source>The design file %1 was not read: %2</source>
            <translation>Le fichier de conception %1 n'a pas été chargé : %2</translation>
        </message>
        <message>
            <source>The design file %1 could not be written: %2</source>
            <translation>Le fichier de conception %1 n'a pas pu être écrit : %2</translation>
        </message>
        <message>
            <source>Import a site design</source>
            <translation>Importer une conception de site</translation>
        </message>
        <message>
            <source>Site designs (*.json);;All files (*)</source>
            <translation>Conceptions de site (*.json);;Tous les fichiers (*)</translation>
        </message>
        <message>
            <source>Export the site design</source>
            <translation>Exporter la conception du site</translation>
        </message>
    </context>
    <context>
        <name>SummaryCommand</name>
        <message>
            <source>file</source>
            <comment>value name of --summary</comment>
            <translation>fichier</translation>
        </message>
        <message>
            <source>--summary and --download exclude each other.</source>
            <translation>--summary et --download s'excluent mutuellement.</translation>
        </message>
        <message>
            <source>--format takes text or json, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--format accepte text ou json, pas « %1 ».</translation>
        </message>
        <message>
            <source>With --summary or --report: checks the results string by string against the site's design in this JSON file (modules in series, Voc, Isc, insulation, continuity).</source>
            <translation>Avec --summary ou --report : contrôle les résultats chaîne par chaîne par rapport à la conception du site dans ce fichier JSON (modules en série, Voc, Isc, isolement, continuité).</translation>
        </message>
        <message>
            <source>file</source>
            <comment>value name of --design</comment>
            <translation>fichier</translation>
        </message>
        <message>
            <source>The design file "%1" could not be read: %2</source>
            <comment>%1 is a file name, %2 the system's reason</comment>
            <translation>Le fichier de conception « %1 » n'a pas pu être lu : %2</translation>
        </message>
        <message>
            <source>The design file "%1" cannot be used: %2</source>
            <comment>%1 is a file name, %2 what in the file is wrong</comment>
            <translation>Le fichier de conception « %1 » est inutilisable : %2</translation>
        </message>
        <message>
            <source>--design needs a file.</source>
            <translation>--design demande un fichier.</translation>
        </message>
        <message>
            <source>row %1, %2: %3: %4</source>
            <comment>%1 is the row counted from 1 after the header, %2 the string's name, %3 the check's key (module_count...), %4 the reason</comment>
            <translation>ligne %1, %2 : %3 : %4</translation>
        </message>
        <message>
            <source>Prints the summary of a saved .csv or .txt file (records, PASS, FAIL, other) and the warnings that its data may be incomplete.</source>
            <translation>Affiche le résumé d'un fichier .csv ou .txt enregistré (enregistrements, PASS, FAIL, autres) et les avertissements indiquant que ses données sont peut-être incomplètes.</translation>
        </message>
    </context>
    <context>
        <name>TeamAddress</name>
        <message>
            <source>--team needs a connection URI such as postgresql://user@host:5432/database?sslmode=require, not '%1'.</source>
            <comment>%1 is the value as the user typed it</comment>
            <translation>--team demande une URI de connexion comme postgresql://user@host:5432/database?sslmode=require, pas '%1'.</translation>
        </message>
        <message>
            <source>The connection URI's '%1' cannot hold a ';'.</source>
            <comment>%1 is a key of the URI</comment>
            <translation>Le '%1' de l'URI de connexion ne peut pas contenir de ';'.</translation>
        </message>
        <message>
            <source>The connection URI's port is a number from 1 to 65535, not '%1'.</source>
            <comment>%1 is the port as the user typed it</comment>
            <translation>Le port de l'URI de connexion est un nombre de 1 à 65535, pas '%1'.</translation>
        </message>
        <message>
            <source>The connection URI's sslmode is one of %1, not '%2'.</source>
            <comment>%1 lists the modes, %2 is the value as the user typed it</comment>
            <translation>Le sslmode de l'URI de connexion est l'un de %1, pas '%2'.</translation>
        </message>
    </context>
    <context>
        <name>TeamArchiveDialog</name>
        <message>
            <source>Team archive</source>
            <translation>Archive d'équipe</translation>
        </message>
        <message>
            <source>kept in the system's keyring</source>
            <translation>conservé dans le trousseau du système</translation>
        </message>
        <message>
            <source>Choose...</source>
            <translation>Choisir...</translation>
        </message>
        <message>
            <source>CA certificate</source>
            <translation>Certificat de l'autorité</translation>
        </message>
        <message>
            <source>Send downloads to the team archive</source>
            <translation>Envoyer les téléchargements à l'archive d'équipe</translation>
        </message>
        <message>
            <source>Test</source>
            <translation>Tester</translation>
        </message>
        <message>
            <source>Server:</source>
            <translation>Serveur :</translation>
        </message>
        <message>
            <source>Port:</source>
            <translation>Port :</translation>
        </message>
        <message>
            <source>Database:</source>
            <translation>Base de données :</translation>
        </message>
        <message>
            <source>User:</source>
            <translation>Utilisateur :</translation>
        </message>
        <message>
            <source>Password:</source>
            <translation>Mot de passe :</translation>
        </message>
        <message>
            <source>TLS:</source>
            <translation>TLS :</translation>
        </message>
        <message>
            <source>CA certificate (verify-full):</source>
            <translation>Certificat de l'autorité (verify-full) :</translation>
        </message>
        <message>
            <source>Testing...</source>
            <translation>Test en cours...</translation>
        </message>
        <message>
            <source>The team archive answers; %1 may use it.</source>
            <translation>L'archive d'équipe répond ; %1 peut l'utiliser.</translation>
        </message>
        <message>
            <source>The password could not be kept in the system's keyring (%1). Give it in ~/.pgpass instead.</source>
            <translation>Le mot de passe n'a pas pu être conservé dans le trousseau du système (%1). Indiquez-le plutôt dans ~/.pgpass.</translation>
        </message>
    </context>
    <context>
        <name>TeamArchiveStatus</name>
        <message>
            <source>Sent to the team archive</source>
            <translation>Envoyé à l'archive d'équipe</translation>
        </message>
        <message numerus="yes">
            <source>Team archive unreachable: %n download(s) waiting</source>
            <translation>
                <numerusform>Archive d'équipe injoignable : %n téléchargement en attente</numerusform>
                <numerusform>Archive d'équipe injoignable : %n téléchargements en attente</numerusform>
            </translation>
        </message>
        <message>
            <source>Team archive: a download was refused</source>
            <translation>Archive d'équipe : un téléchargement a été refusé</translation>
        </message>
    </context>
    <context>
        <name>TeamCommand</name>
        <message>
            <source>--team goes with one of --sync, --team-init, --list-downloads, --export, --report or --delete.</source>
            <translation>--team va avec une seule des options --sync, --team-init, --list-downloads, --export, --report ou --delete.</translation>
        </message>
        <message>
            <source>--report with --team needs the number of a download as --list-downloads --team shows it.</source>
            <translation>--report avec --team demande le numéro d'un téléchargement tel que --list-downloads --team l'affiche.</translation>
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
            <translation>Date et heure</translation>
        </message>
        <message>
            <source>Engineer</source>
            <translation>Technicien</translation>
        </message>
        <message>
            <source>Computer</source>
            <translation>Ordinateur</translation>
        </message>
        <message>
            <source>Records</source>
            <translation>Enregistrements</translation>
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
                <numerusform>%1 %n téléchargement en attente.</numerusform>
                <numerusform>%1 %n téléchargements en attente.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Sent to the team archive %1: %n new download(s).</source>
            <comment>%1 is user@server:port/database</comment>
            <translation>
                <numerusform>Envoyé à l'archive d'équipe %1 : %n nouveau téléchargement.</numerusform>
                <numerusform>Envoyé à l'archive d'équipe %1 : %n nouveaux téléchargements.</numerusform>
            </translation>
        </message>
        <message>
            <source>The team archive %1 is up to date (version %2).</source>
            <translation>L'archive d'équipe %1 est à jour (version %2).</translation>
        </message>
        <message>
            <source>The team archive %1 is ready (version %2). Grant its users a role: GRANT %3 TO user; or GRANT %4 TO user;</source>
            <comment>%3 and %4 are roles</comment>
            <translation>L'archive d'équipe %1 est prête (version %2). Donnez un rôle à ses utilisateurs : GRANT %3 TO user; ou GRANT %4 TO user;</translation>
        </message>
        <message>
            <source>With --list-downloads, --export, --report or --delete: the team archive instead of this computer's; URL is a connection URI such as postgresql://user@server:5432/database?sslmode=require (without it: the Team archive settings).</source>
            <translation>Avec --list-downloads, --export, --report ou --delete : l'archive d'équipe au lieu de celle de cet ordinateur ; URL est une URI de connexion comme postgresql://user@server:5432/database?sslmode=require (sans elle : les réglages de l'archive d'équipe).</translation>
        </message>
        <message>
            <source>URL</source>
            <comment>value name of --team</comment>
            <translation>URL</translation>
        </message>
        <message>
            <source>Sends every download of the archive that the team archive lacks.</source>
            <translation>Envoie chaque téléchargement de l'archive qui manque à l'archive d'équipe.</translation>
        </message>
        <message>
            <source>Creates the team archive on the server or brings it up to date (needs the database owner's rights).</source>
            <translation>Crée l'archive d'équipe sur le serveur ou la met à jour (demande les droits du propriétaire de la base).</translation>
        </message>
        <message>
            <source>Download %1 deleted from the team archive.</source>
            <translation>Téléchargement %1 supprimé de l'archive d'équipe.</translation>
        </message>
    </context>
    <context>
        <name>TeamConnection</name>
        <message>
            <source>%1 may not use the team archive: the office grants the role %2 (or %3). The server said: %4</source>
            <comment>%1 is a user name, %2 and %3 roles, %4 the server's words</comment>
            <translation>%1 ne peut pas utiliser l'archive d'équipe : le bureau accorde le rôle %2 (ou %3). Le serveur a répondu : %4</translation>
        </message>
        <message>
            <source>The team archive %1 cannot be reached: %2</source>
            <comment>%1 is user@server:port/database, %2 the reason</comment>
            <translation>L'archive d'équipe %1 est injoignable : %2</translation>
        </message>
        <message>
            <source>The team archive %1 refused the login: %2</source>
            <comment>%1 is user@server:port/database, %2 the reason</comment>
            <translation>L'archive d'équipe %1 a refusé la connexion : %2</translation>
        </message>
        <message>
            <source>No secure connection to the team archive %1: %2</source>
            <comment>%1 is user@server:port/database, %2 the reason</comment>
            <translation>Pas de connexion sécurisée à l'archive d'équipe %1 : %2</translation>
        </message>
        <message>
            <source>The team archive %1 said: %2</source>
            <comment>%1 is user@server:port/database, %2 the server's words</comment>
            <translation>L'archive d'équipe %1 a répondu : %2</translation>
        </message>
        <message>
            <source>The team archive needs Qt SQL's PostgreSQL driver (Debian: the package libqt5sql5-psql), which is not installed.</source>
            <translation>L'archive d'équipe a besoin du pilote PostgreSQL de Qt SQL (Debian : le paquet libqt5sql5-psql), qui n'est pas installé.</translation>
        </message>
        <message>
            <source>The database %1 holds no team archive. Its owner makes one with --team-init.</source>
            <comment>%1 is user@server:port/database</comment>
            <translation>La base de données %1 ne contient pas d'archive d'équipe. Son propriétaire en crée une avec --team-init.</translation>
        </message>
        <message>
            <source>The team archive %1 was made by a newer version of this program (version %2; this one knows %3). Install the newer version.</source>
            <comment>%1 is user@server:port/database, %2 and %3 version numbers</comment>
            <translation>L'archive d'équipe %1 a été créée par une version plus récente de ce programme (version %2 ; celle-ci connaît %3). Installez la version plus récente.</translation>
        </message>
        <message>
            <source>The team archive %1 is of an older version (%2): its owner brings it up to date with --team-init.</source>
            <comment>%1 is user@server:port/database, %2 a version number</comment>
            <translation>L'archive d'équipe %1 est d'une version plus ancienne (%2) : son propriétaire la met à jour avec --team-init.</translation>
        </message>
    </context>
    <context>
        <name>TeamDownloads</name>
        <message>
            <source>There is no download %1 in the team archive.</source>
            <comment>%1 is the number or identity of a download</comment>
            <translation>Il n'y a pas de téléchargement %1 dans l'archive d'équipe.</translation>
        </message>
        <message>
            <source>The bytes of download %1 are missing from the team archive.</source>
            <translation>Les octets du téléchargement %1 manquent dans l'archive d'équipe.</translation>
        </message>
        <message>
            <source>The bytes of download %1 in the team archive do not match their SHA-256.</source>
            <translation>Les octets du téléchargement %1 dans l'archive d'équipe ne correspondent pas à leur SHA-256.</translation>
        </message>
        <message>
            <source>Download %1 was sent by %2: only they (or the archive's owner) can delete it.</source>
            <comment>%1 is a download's number, %2 a user name</comment>
            <translation>Le téléchargement %1 a été envoyé par %2 : seule cette personne (ou le propriétaire de l'archive) peut le supprimer.</translation>
        </message>
    </context>
    <context>
        <name>TeamHistoryModel</name>
        <message>
            <source>Arrived %1</source>
            <comment>%1 is the date and time the team archive received it</comment>
            <translation>Reçu le %1</translation>
        </message>
        <message>
            <source>Engineer</source>
            <translation>Technicien</translation>
        </message>
        <message>
            <source>Computer</source>
            <translation>Ordinateur</translation>
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
                <numerusform>le trousseau n'a pas répondu en %n seconde</numerusform>
                <numerusform>le trousseau n'a pas répondu en %n secondes</numerusform>
            </translation>
        </message>
        <message>
            <source>this build keeps no passwords; use ~/.pgpass or PGPASSWORD</source>
            <translation>cette version ne conserve pas de mots de passe ; utilisez ~/.pgpass ou PGPASSWORD</translation>
        </message>
    </context>
    <context>
        <name>TeamSchema</name>
        <message>
            <source>The team archive was made by a newer version of this program (version %1; this one knows %2): it is left as it is.</source>
            <comment>%1 and %2 are version numbers</comment>
            <translation>L'archive d'équipe a été créée par une version plus récente de ce programme (version %1 ; celle-ci connaît %2) : elle reste telle quelle.</translation>
        </message>
    </context>
    <context>
        <name>TeamSender</name>
        <message>
            <source>the team archive holds other bytes under this download's identity</source>
            <translation>l'archive d'équipe contient d'autres octets sous l'identité de ce téléchargement</translation>
        </message>
        <message numerus="yes">
            <source>%n download(s) refused: the team archive holds other bytes under their identity.</source>
            <translation>
                <numerusform>%n téléchargement refusé : l'archive d'équipe contient d'autres octets sous son identité.</numerusform>
                <numerusform>%n téléchargements refusés : l'archive d'équipe contient d'autres octets sous leur identité.</numerusform>
            </translation>
        </message>
    </context>
</TS>
