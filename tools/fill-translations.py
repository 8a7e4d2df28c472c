#!/usr/bin/env python3
"""Fills the unfinished messages of the .ts files after lupdate.

A text that moved to another context keeps its translation: it is taken from the same
source text (and comment) anywhere in the file as it was before lupdate (pass the saved
copies with --before). Texts that are new get their translation from a JSON file of
{"source": {"de": "...", ...}} given with --new; a text with %n takes a list of its plural
forms, e.g. {"de": ["%n Datei", "%n Dateien"]}. Run after
`cmake --build <build> --target ml_update_translations`.
"""
import argparse
import json
import sys
import xml.etree.ElementTree as ET


def key(message):
    return (message.findtext('source'), message.findtext('comment') or '')


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--before', required=True, help='folder with the .ts files before lupdate')
    parser.add_argument('--new', help='JSON file with translations of new texts')
    parser.add_argument('ts', nargs='+')
    args = parser.parse_args()
    new = json.load(open(args.new, encoding='utf-8')) if args.new else {}
    missing = 0
    for path in args.ts:
        name = path.rsplit('/', 1)[-1]
        language = name.rsplit('_', 1)[-1].split('.')[0]
        known = {}
        for message in ET.parse(f'{args.before}/{name}').getroot().iter('message'):
            translation = message.find('translation')
            if translation is not None and translation.get('type') not in ('unfinished', 'obsolete', 'vanished'):
                forms = [form.text for form in translation.findall('numerusform')]
                if forms or translation.text:
                    known[key(message)] = forms or translation.text
        tree = ET.parse(path)
        for message in tree.getroot().iter('message'):
            translation = message.find('translation')
            if translation.get('type') != 'unfinished':
                continue
            text = known.get(key(message)) or new.get(message.findtext('source'), {}).get(language)
            if text is None:
                print(f'{name}: no translation for {message.findtext("source")!r}', file=sys.stderr)
                missing += 1
                continue
            if isinstance(text, list):
                # A message with %n: one form per plural form of the language.
                for form in list(translation):
                    translation.remove(form)
                translation.text = None
                for form in text:
                    ET.SubElement(translation, 'numerusform').text = form
            else:
                translation.text = text
            del translation.attrib['type']
        with open(path, 'wb') as out:
            out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
            ET.indent(tree, space='    ')
            tree.write(out, encoding='utf-8', xml_declaration=False)
            out.write(b'\n')
    return 1 if missing else 0


if __name__ == '__main__':
    sys.exit(main())
