#!/usr/bin/python3
# Prints what a screen reader hears of the reader: every window, then each label, pane and
# message of the windows, one "role<TAB>name<TAB>text" line each, through the accessibility bus.
import sys

import pyatspi


def text_of(node):
    try:
        t = node.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return ""


def walk(node, depth=0):
    if node is None or depth > 30:
        return
    role = node.getRoleName()
    name = node.name or ""
    text = text_of(node) if role in ("label", "text", "paragraph", "document text", "entry") else ""
    print("%s\t%s\t%s" % (role, name.replace("\n", " "), text.replace("\n", " ")[:300]))
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), depth + 1)


desktop = pyatspi.Registry.getDesktop(0)
wanted = sys.argv[1] if len(sys.argv) > 1 else "Lumra"
for i in range(desktop.childCount):
    app = desktop.getChildAtIndex(i)
    if app is not None and app.name == wanted:
        walk(app)
        sys.exit(0)
sys.exit("no application %s on the accessibility bus" % wanted)
