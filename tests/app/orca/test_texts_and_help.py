#!/usr/bin/python3
"""English Orca, the program in the C locale: the title at start, a field
and the pictures, the instructions read line by line, and every text of
both windows asked for its words at the edges without the program hanging."""

import os
import sys
import unittest

from desktop import Desktop

PROGRAM = sys.argv.pop(1)


class TextsAndHelp(unittest.TestCase):
    def test_help_by_lines_and_every_text_answers(self):
        with Desktop(PROGRAM, "en") as d:
            d.start_program()
            d.wait_said(r"^Odredjivanje otpora rezanja pri struganju", timeout=30)
            say = d.say_after
            say(["shift+Tab"], r"^Oscilograf chart")
            say(["shift+Tab"], r"^Animacija struganja image")
            # Its menu by the menu key: its title, then its first item; Escape closes it.
            mark = d.mark()
            d.key("Menu")
            d.wait_said(r"^notification Meni: Animacija struganja", mark)
            d.wait_said(r"^Kopiraj sliku", mark)
            say(["Escape"], r"^Animacija struganja image")
            say(["shift+Tab"], r"^Razmera prikaza u prozoru animacije 1 spin button")
            # The depth in the locale's separator, a point here.
            d.key(*["shift+Tab"] * 9)
            say(["shift+Tab"], r"^Dubina rezanja, mm 0\.2 mm spin button")

            # Help: the first line, then the next ones by the arrows.
            d.key("Tab", "Tab", "Tab", "Tab", "Tab")
            mark = d.mark()
            d.key("space")
            d.wait_said(r"^Instrukcije frame", mark)
            d.wait_said(r"^Program je namenjen za modeliranje", mark)
            say(["Down"], r"^uzdužnom struganju\.$")
            say(["Down"], r"^Potrebno je uneti")
            say(["Up"], r"^uzdužnom struganju\.$")

            # Every text of both windows, at its end and around it.
            os.environ.update(DBUS_SESSION_BUS_ADDRESS=d.env["DBUS_SESSION_BUS_ADDRESS"],
                              DISPLAY=d.env["DISPLAY"])
            import texts

            texts.set_timeout(int(5000 * d.scale))
            app = texts.find_application("otpor-rezanja")
            self.assertIsNotNone(app)
            asked = {}
            for obj in texts.text_objects(app):
                asked[obj.get_name() or obj.get_role_name()] = texts.ask_edges(obj)
            self.assertIn("Instrukcije", asked)
            self.assertIn("Napadni ugao, stepeni", asked)
            self.assertGreaterEqual(len(asked), 8)
            # Still answering, to Orca as well.
            say(["Escape"], r"Odredjivanje otpora rezanja pri struganju|spin button|push button")
            self.assertTrue(d.program_alive())


if __name__ == "__main__":
    unittest.main()
