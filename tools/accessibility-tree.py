# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints what a screen reader learns of a running program through AT-SPI:
every object with its role, name, description, relations and whether it
takes the focus, and fails when a control that takes the focus has no name.
Usage: accessibility-tree.py APPLICATION_NAME  (with the session bus and
the accessibility bus of the program's desktop)"""
import sys
import time

import pyatspi

ROLES_THAT_ACT = {
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_LINK,
}


def find(name):
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    sys.exit(f"accessibility-tree: no application named {name} on the bus")


def walk(node, depth, unnamed):
    relations = []
    for relation in node.getRelationSet():
        targets = [relation.getTarget(i).name for i in range(relation.getNTargets())]
        relations.append(f"{pyatspi.relationToString(relation.getRelationType())} {targets}")
    states = node.getState()
    focusable = states.contains(pyatspi.STATE_FOCUSABLE)
    line = f"{'  ' * depth}{node.getRoleName()}: {node.name!r}"
    if node.description:
        line += f", described as {node.description!r}"
    if relations:
        line += "; " + "; ".join(relations)
    if focusable:
        line += " [takes the focus]"
    print(line)
    if focusable and node.getRole() in ROLES_THAT_ACT and not node.name:
        unnamed.append(line.strip())
    # A drop-down's own list repeats its items; they are not controls.
    if node.getRole() == pyatspi.ROLE_COMBO_BOX:
        return
    for child in node:
        if child is not None:
            walk(child, depth + 1, unnamed)


def main():
    unnamed = []
    walk(find(sys.argv[1]), 0, unnamed)
    if unnamed:
        print("controls without a name:", *unnamed, sep="\n  ", file=sys.stderr)
        sys.exit(1)


main()
