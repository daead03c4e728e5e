"""Asks every text object of a program on the accessibility bus for its text
at the edges, as a screen reader may, each call with a deadline."""

import warnings

import gi

# Qt 6.4 answers the older text calls only; newer Atspi marks them deprecated.
warnings.filterwarnings("ignore", category=DeprecationWarning)

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

BOUNDARIES = {
    "char": Atspi.TextBoundaryType.CHAR,
    "word start": Atspi.TextBoundaryType.WORD_START,
    "word end": Atspi.TextBoundaryType.WORD_END,
    "sentence start": Atspi.TextBoundaryType.SENTENCE_START,
    "line start": Atspi.TextBoundaryType.LINE_START,
    "line end": Atspi.TextBoundaryType.LINE_END,
}


def find_application(name):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == name:
            return app
    return None


def text_objects(root):
    found = []

    def walk(obj, depth):
        if obj is None or depth > 30:
            return
        if obj.get_text_iface() is not None:
            found.append(obj)
        for i in range(obj.get_child_count()):
            walk(obj.get_child_at_index(i), depth + 1)

    walk(root, 0)
    return found


def ask_edges(obj):
    """Every boundary at 0, the middle and the end (and one
    past it) of the object's text; raises GLib.Error when a call times out."""
    text = obj.get_text_iface()
    count = text.get_character_count()
    for offset in sorted({0, count // 2, max(count - 1, 0), count, count + 1}):
        for boundary in BOUNDARIES.values():
            text.get_text_at_offset(offset, boundary)
            text.get_text_before_offset(offset, boundary)
            text.get_text_after_offset(offset, boundary)
    return count


def set_timeout(ms):
    Atspi.set_timeout(ms, ms)
