#!/usr/bin/python3
"""A keyboard-only run heard by Serbian Orca, the program in Serbian
settings: the form's fields, both materials, "Proces", the forces during the
run and after a change, the oscillograph, its menu and the CSV saved."""

import os
import sys
import unittest

from desktop import Desktop, wait_for

PROGRAM = sys.argv.pop(1)


class KeyboardRun(unittest.TestCase):
    def test_from_start_to_a_saved_csv(self):
        with Desktop(PROGRAM, "sr") as d:
            d.start_program()
            d.wait_said(r"^Odredjivanje otpora rezanja pri struganju", timeout=30)
            d.wait_said(r"^Exit dugme")
            say = d.say_after
            # The window's title, asked for.
            say(["Insert+KP_Enter"], r"^Odredjivanje otpora rezanja pri struganju$")

            say(["Tab"], r"^Proces dugme")
            say(["Tab"], r"^Pauza dugme")
            # Into the panel: its groups and the first field, named, with its value and role.
            mark = d.mark()
            d.key("Tab")
            d.wait_said(r"^POLAZNI PODACI ", mark)
            d.wait_said(r"^Geometrija alata ", mark)
            d.wait_said(r"^Napadni ugao, stepeni 45 vrteće dugme", mark)
            say(["Up"], r"^46$")
            say(["Tab"], r"^Grudni ugao, stepeni 15 vrteće dugme")
            say(["Down"], r"^14$")
            say(["Tab"], r"^Ugao nagiba sečiva, stepeni 0 vrteće dugme")
            say(["Tab"], r"^Pomoćni napadni ugao, stepeni 45 vrteće dugme")
            # Depth: the hidden number in its unit, and its value field by the same name.
            say(["Tab"], r"^Dubina rezanja, mm 0,2 mm vrteće dugme")
            say(["Up"], r"^0,3 mm$")
            mark = d.mark()
            d.key("Tab")
            d.wait_said(r"^Dubina rezanja, mm ", mark)
            d.wait_said(r"vrednost se menja strelicama gore i dole u susednom polju", mark)
            say(["Tab"], r"^Korak, mm/o ")
            say(["Tab"], r"^Korak, mm/o 0,17 mm/o vrteće dugme")
            say(["Up"], r"^0,18 mm/o$")
            say(["Tab"], r"^Brzina rezanja, m/min 50 vrteće dugme")
            say(["Tab"], r"^Help dugme")
            say(["Tab"], r"^Polazno stanje dugme")

            # A material list opened says that none is chosen; the first Down is the first row.
            say(["Tab"], r"^Materijal obratka ")
            mark = d.mark()
            d.key("alt+Down")
            d.wait_said(r"^nije izabran", mark)
            say(["Down"], r"^C1633")
            say(["Return"], r"^izabran: C1633")
            say(["Tab"], r"^Maksimalna sila, N 1000 vrteće dugme")
            say(["Tab"], r"^Materijal alata ")
            say(["alt+Down"], r"^nije izabran")
            say(["Down"], r"^P30")
            say(["Return"], r"^izabran: P30")
            # Opened again, the list says the chosen row.
            say(["alt+Down"], r"P30")
            d.key("Escape")
            say(["Tab"], r"^Razmera prikaza u prozoru animacije 1 vrteće dugme")

            # The pictures are the last tab stops, then the form begins again.
            say(["Tab"], r"^Animacija struganja ")
            say(["Tab"], r"^Oscilograf ")
            say(["Tab"], r"^Exit dugme")
            say(["Tab"], r"^Proces dugme")

            # "Proces": the forces are told without moving the focus.
            forces = r"F1 \d+,\d\d N, F2 \d+,\d\d N, F3 \d+,\d\d N"
            start = d.say_after(["space"], forces, timeout=15)
            # An input changed during the run: its value, then the new forces.
            say(["Tab"], r"^Pauza dugme")
            say(["Tab"], r"^Napadni ugao, stepeni 46 vrteće dugme")
            mark = d.mark()
            d.key("Up")
            d.wait_said(r"^47$", mark)
            changed = d.wait_said(forces, mark, timeout=15)
            self.assertNotEqual(changed, start)
            # Never the same forces twice: nothing more while they stand.
            mark = d.mark()
            d.key("shift+Tab")
            d.wait_said(r"^Pauza dugme", mark)
            told = [line for line in d.said_since(mark) if "F1 " in line]
            self.assertEqual(told, [])

            # The oscillograph, focused: its name, the forces and its axes.
            d.key("shift+Tab", "shift+Tab")
            mark = d.mark()
            d.key("shift+Tab")
            d.wait_said(r"^Oscilograf ", mark)
            d.wait_said(forces + r"\. Dužina, mm: od .* Sila, N: od 0 do 1\.000", mark)
            # Its menu by the keys: its title, then its first item; the CSV saved through the file dialog.
            mark = d.mark()
            d.key("shift+F10")
            title = d.wait_said(r"Meni: Oscilograf", mark)
            item = d.wait_said(r"^Kopiraj sliku", mark)
            told = d.said_since(mark)
            self.assertLess(told.index(title), told.index(item), told)
            say(["Down"], r"^Sačuvaj sliku")
            say(["Down"], r"^Sačuvaj podatke \(CSV\)")
            say(["Return"], r"Sačuvaj podatke")
            csv = os.path.join(d.env["HOME"], "oscilogram.csv")
            self.assertFalse(os.path.exists(csv))
            mark = d.mark()
            d.key("Return")
            # Saved, and back on the oscillograph.
            d.wait_said(r"^Oscilograf ", mark, timeout=15)
            wait_for(lambda: os.path.exists(csv), 10 * d.scale, "the CSV")
            with open(csv, encoding="utf-8") as f:
                self.assertIn("F1", f.read())
            self.assertTrue(d.program_alive())
            # No "Text unselected." as the focus passes a field or a list closes, all the way.
            self.assertEqual([line for line in d.speech() if "Поништен је избор текста" in line], [])


if __name__ == "__main__":
    unittest.main()
