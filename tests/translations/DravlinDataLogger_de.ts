<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A small German translation for the tests: enough to see which language a window uses. -->
<TS version="2.1" language="de_DE">
<context>
    <name>DialogLanguage</name>
    <message>
        <source>Please choose a language</source>
        <translation>Bitte eine Sprache wählen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
</context>
</TS>
