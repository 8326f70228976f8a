#!/usr/bin/env python3
"""A file manager's drag, as GTK 3 makes one: a button that drags the URIs listed in the file
URIS, read as each drag starts, and adds a line to the file ENDS as each drag ends.
Usage: drag_source.py URIS ENDS"""
import sys

import gi

gi.require_version("Gtk", "3.0")
from gi.repository import Gdk, Gtk  # noqa: E402 (after the version is chosen)

uris_file, ends_file = sys.argv[1:3]


def give_uris(_button, _context, data, _info, _time):
    with open(uris_file, encoding="utf-8") as uris:
        data.set_uris(uris.read().splitlines())


def note_end(_button, _context):
    with open(ends_file, "a", encoding="utf-8") as ends:
        ends.write("ended\n")


window = Gtk.Window(title="Drag source")
button = Gtk.Button(label="Drag me")
button.drag_source_set(Gdk.ModifierType.BUTTON1_MASK, [], Gdk.DragAction.COPY)
button.drag_source_add_uri_targets()
button.connect("drag-data-get", give_uris)
button.connect("drag-end", note_end)
window.add(button)
window.set_default_size(200, 100)
window.move(0, 0)
window.show_all()
Gtk.main()
