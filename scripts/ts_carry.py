#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# After lupdate: a text that moved to another context keeps the English it had.
# Unfinished entries take the translation of a finished (or vanished) entry
# with the same source text; vanished entries are then dropped. Prints what is
# still untranslated.
import sys
import xml.etree.ElementTree as ET

path = sys.argv[1]
tree = ET.parse(path)
root = tree.getroot()
known = {}
for context in root.iter('context'):
    for message in context.iter('message'):
        source = message.findtext('source')
        translation = message.find('translation')
        kind = translation.get('type')
        if translation.text and kind in (None, 'vanished', 'obsolete'):
            known.setdefault(source, translation.text)
left = []
for context in root.iter('context'):
    name = context.findtext('name')
    for message in list(context.iter('message')):
        translation = message.find('translation')
        kind = translation.get('type')
        if kind in ('vanished', 'obsolete'):
            context.remove(message)
        elif kind == 'unfinished':
            source = message.findtext('source')
            if source in known:
                translation.text = known[source]
                del translation.attrib['type']
            else:
                left.append((name, source))
for context in list(root.iter('context')):
    if context.find('message') is None:
        root.remove(context)
tree.write(path, encoding='utf-8', xml_declaration=True)
for name, source in left:
    print(f'{name}\t{source}')
