<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A small French translation for the tests: enough to see which language a window uses. -->
<TS version="2.1" language="fr_FR">
<context>
    <name>DialogLanguage</name>
    <message>
        <source>Please choose a language</source>
        <translation>Veuillez choisir une langue</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
</context>
</TS>
