#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# After lupdate: a text that moved to another context keeps the English it had.
# Unfinished entries take the translation of a finished (or vanished) entry
# with the same source text; vanished entries are then dropped. Branches'
# catalogues given after the file, each with the catalogue they started from
# (OTHER.ts:BASE.ts), bring the texts they added or translated anew. Prints
# what is still untranslated; run lupdate again afterwards to keep its layout.
import sys
import xml.etree.ElementTree as ET


def finished(path):
    found = {}
    for message in ET.parse(path).getroot().iter('message'):
        translation = message.find('translation')
        if translation.text and translation.get('type') in (None, 'vanished', 'obsolete'):
            found.setdefault(message.findtext('source'), translation.text)
    return found


path = sys.argv[1]
tree = ET.parse(path)
root = tree.getroot()
known = finished(path)
newer = {}
for pair in sys.argv[2:]:
    other, base = pair.split(':')
    before = finished(base)
    for source, text in finished(other).items():
        if before.get(source) != text:
            newer[source] = text
known.update(newer)
left = []
for context in root.iter('context'):
    name = context.findtext('name')
    for message in list(context.iter('message')):
        translation = message.find('translation')
        kind = translation.get('type')
        source = message.findtext('source')
        if kind in ('vanished', 'obsolete'):
            context.remove(message)
        elif kind == 'unfinished' or source in newer:
            if source in known:
                translation.text = known[source]
                translation.attrib.pop('type', None)
            else:
                left.append((name, source))
for context in list(root.iter('context')):
    if context.find('message') is None:
        root.remove(context)
tree.write(path, encoding='utf-8', xml_declaration=True)
for name, source in left:
    print(f'{name}\t{source}')
