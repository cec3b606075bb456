#!/usr/bin/env python3
"""A user's day in the real program under Xvfb, with its real event loop.

    user_day.py --exe build/Kelvo [--window-manager] [--shots DIR]

Each scene starts the program afresh in a home of its own, drives it with
real key and mouse events and checks what the user sees: the window on top
takes the input, the file name and the table shown, the files on disk. The
program's own windows are found through the state file it writes while
KELVO_STATE_FILE is set.
"""

import argparse
import os
import sys
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import Desktop, Program, StepFailed, fresh_home, remove_home  # noqa: E402

CAPTION = "Felirat megnyitása"


def srt(*entries):
    out = []
    for i, (start, end, text) in enumerate(entries, 1):
        out.append(f"{i}\r\n{start} --> {end}\r\n" + text.replace("|", "\r\n") + "\r\n\r\n")
    return "".join(out).encode("cp1250")


FILES = {
    "elso.srt": srt(("00:00:01,000", "00:00:03,000", "Jó reggelt!"),
                    ("00:00:04,000", "00:00:06,000", "Hova mész?"),
                    ("00:00:07,000", "00:00:09,000", "Haza.")),
    "masodik.srt": srt(("00:00:01,000", "00:00:03,000", "Alma a fa alatt."),
                       ("00:00:02,500", "00:00:05,000", "Egy alma, két alma."),
                       ("00:00:06,000", "00:00:08,000", "Nincs több.")),
    "forditas.srt": srt(("00:00:01,000", "00:00:02,000", "Apple under the tree."),
                        ("00:00:02,500", "00:00:05,000", "One apple, two apples."),
                        ("00:00:06,000", "00:00:08,000", "No more.")),
    "hibas.srt": srt(("00:00:01,000", "00:00:03,000", "Ez egy nagy hibba volt."),
                     ("00:00:04,000", "00:00:06,000", "Jó reggelt!")),
}


def ok_boxes_until(p, what, done, timeout=15.0):
    """Confirms each message box that comes ("OK") until done holds."""
    end = time.time() + timeout
    while time.time() < end:
        state = p.state()
        if p.window("Kiszoveg", state):
            p.answer("Bok")
        elif state and done(state):
            return
        time.sleep(0.05)
    p.wait(what, done, timeout=0.1)


def check(condition, what):
    if not condition:
        raise StepFailed(what)


def grid_rows(p):
    return p.control("Felirat", "racs").get("rows", [])


def start(desktop, exe):
    home = fresh_home()
    for name, data in FILES.items():
        with open(os.path.join(home, name), "wb") as f:
            f.write(data)
    return Program(desktop, exe, home), home


def open_from_start_window(p, name):
    """"Megnyitás" on the start window; the editor opens the open dialog."""
    p.wait_window("FoForm")
    p.click("FoForm", "BitBtn3")
    p.wait_on_top("Kereses")
    p.wait("the file list holds the subtitles",
           lambda s: name in [i["text"] for i in p.window("Kereses", s)["controls"]
                              ["filelistbox"].get("items", [])])
    p.double_click_item("Kereses", "filelistbox", name)
    p.wait(f"{name} open in the editor",
           lambda s: p.window("Kereses", s) is None and p.window("Felirat", s) is not None
           and p.window("Felirat", s)["controls"]["Efilenev"].get("text") == name)


def close_report(p):
    """The report of what the reader repaired comes up on top; "Bezár"."""
    p.wait_on_top("Hibaki")
    p.click("Hibaki", "Bezar")
    p.wait_window("Hibaki", shown=False)


def open_with_browse(p, name, second=False, report=False):
    """"Tallózás" (Ctrl+O) or "Másik felirat beolvasása" (Ctrl+M): the open
    dialog opens on top of the editor and takes clicks and keys."""
    p.take_input("Felirat", "ido")
    p.key("ctrl+m" if second else "ctrl+o")
    p.wait_on_top("Kereses")
    p.wait("the file list holds the subtitles",
           lambda s: name in [i["text"] for i in p.window("Kereses", s)["controls"]
                              ["filelistbox"].get("items", [])])
    p.double_click_item("Kereses", "filelistbox", name)
    p.wait_window("Kereses", shown=False)
    if report:
        close_report(p)


def scene_a_working_day(desktop, exe):
    p, home = start(desktop, exe)
    try:
        open_from_start_window(p, "elso.srt")
        check(grid_rows(p)[0][3] == "Jó reggelt!", f"first row: {grid_rows(p)[0]}")
        check(p.window("Felirat")["title"] == CAPTION, "a file just read is not marked as edited")

        # Another subtitle through "Tallózás": the dialog takes the clicks.
        p.click("Felirat", "Btallozas")
        p.wait_on_top("Kereses")
        p.key("Escape")  # its keys reach it: Esc closes it
        p.wait_window("Kereses", shown=False)
        p.take_input("Felirat", "ido")
        open_with_browse(p, "masodik.srt", report=True)
        p.wait("masodik.srt shown", lambda s: p.window("Felirat", s)["controls"]["Efilenev"]
               .get("text") == "masodik.srt")
        check(grid_rows(p)[0][3] == "Alma a fa alatt.", f"first row: {grid_rows(p)[0]}")

        # A second subtitle beside it (Ctrl+M).
        open_with_browse(p, "forditas.srt", second=True)
        p.wait("the second texts stand beside the first",
               lambda s: "Apple under the tree." in p.window("Felirat", s)["controls"]["racs"]
               ["rows"][0])
        check(p.text("Felirat", "Efilenev") == "masodik.srt", "the main file stays the current one")

        # The overlap check from its own window (Ctrl+B).
        p.take_input("Felirat", "ido")
        p.key("ctrl+b")
        p.wait_on_top("Atfedes")
        p.click("Atfedes", "Binditas")
        ok_boxes_until(p, "the overlap list can be opened",
                       lambda s: p.window("Atfedes", s) is not None
                       and p.window("Atfedes", s)["controls"]["Blista"]["enabled"])
        check(any(m.startswith("Eredmény|") for m in p.messages), p.messages)
        p.click("Atfedes", "Button2")
        p.wait_window("Atfedes", shown=False)

        # Search and replace (Ctrl+Y): "alma" becomes "banan" everywhere.
        p.take_input("Felirat", "ido")
        p.key("ctrl+y")
        p.wait_on_top("KeresesCsere")
        p.click("KeresesCsere", "Emit")
        p.type("alma")
        p.key("Return")
        p.wait("Enter moves to the second field",
               lambda s: s.get("focus") == "Emire")
        p.type("banan")
        p.click("KeresesCsere", "Bosszes")
        ok_boxes_until(p, "the table shows the replaced texts",
                       lambda s: p.window("Felirat", s)["controls"]["racs"]["rows"][1][3]
                       == "Egy banan, két banan.")
        if p.window("KeresesCsere"):
            p.click("KeresesCsere", "Bvissza")
            p.wait_window("KeresesCsere", shown=False)
        p.wait("the edited subtitle is marked in the title",
               lambda s: p.window("Felirat", s)["title"].startswith(CAPTION)
               and "*masodik.srt" in p.window("Felirat", s)["title"])

        # Save: the file on disk gets the edit, the title loses its mark.
        p.take_input("Felirat", "ido")
        p.click("Felirat", "Bmentes")
        said = p.answer("Bok")  # the save-time overlap check speaks
        check(said.startswith("Eredmény|Ennyi átfedési hibát találtam: 1"), said)
        with open(os.path.join(home, "masodik.srt"), "rb") as f:
            check(b"Egy banan, k\xe9t banan." in f.read(), "the saved file holds the edit")
        p.wait("the title has no mark after the save",
               lambda s: p.window("Felirat", s)["title"] == CAPTION)

        # Convert to SubViewer 2.0 through its window and the file-name dialog.
        p.take_input("Felirat", "ido")
        p.key("ctrl+shift+s")
        p.wait_on_top("TMentesMaskent")
        p.type("SubViewer 2")  # the list's own search brings the format into view
        p.wait("SubViewer 2.0 is in view", lambda s: any(
            i["text"] == "SubViewer 2.0" and i["rect"][1] > p.window("TMentesMaskent", s)["rect"][1]
            and i["rect"][1] + i["rect"][3] < p.window("TMentesMaskent", s)["controls"]["Lista"]
            ["rect"][1] + p.window("TMentesMaskent", s)["controls"]["Lista"]["rect"][3]
            for i in p.window("TMentesMaskent", s)["controls"]["Lista"]["items"]))
        p.double_click_item("TMentesMaskent", "Lista", "SubViewer 2.0")
        p.wait_on_top("Fileneve")
        p.click("Fileneve", "e1")
        p.key("ctrl+a")
        p.type("atiras")
        p.wait("the name is typed", lambda s: p.window("Fileneve", s)["controls"]["Bok"]["enabled"])
        p.click("Fileneve", "Bok")
        p.wait_window("Fileneve", shown=False)
        ok_boxes_until(p, "the conversion window closes",
                       lambda s: p.window("TMentesMaskent", s) is None)
        converted = [n for n in os.listdir(home) if n.startswith("atiras")]
        check(converted, f"no converted file in {sorted(os.listdir(home))}")
        with open(os.path.join(home, converted[0]), "rb") as f:
            check(b"banan" in f.read(), "the converted file holds the edit")

        # Back to the start window (nothing unsaved: no question), then the
        # translation workspace and back from it.
        seen = len(p.messages)
        p.take_input("Felirat", "ido")
        p.click("Felirat", "Bvissza")
        p.wait_window("FoForm")
        check(len(p.messages) == seen, f"unexpected questions: {p.messages[seen:]}")
        p.click("FoForm", "BitBtn4")
        p.wait_on_top("Forditas")
        p.click("Forditas", "BVissza")
        p.wait_window("FoForm")
        p.click("FoForm", "BitBtn1")
        check(p.finish() == 0, "the program ended with an error")
    finally:
        p.kill()
        remove_home(home)


def edit_first_text(p, addition):
    """Types at the end of the first row's text, as a user does."""
    p.click("Felirat", "szoveg")
    p.key("ctrl+End")
    p.type(addition)
    p.wait("the edit is in the table and the title is marked",
           lambda s: p.window("Felirat", s)["controls"]["racs"]["rows"][0][3].endswith(addition)
           and p.window("Felirat", s)["title"].startswith(CAPTION + " – *"))


def scene_no_way_out_loses_work(desktop, exe):
    p, home = start(desktop, exe)
    original = FILES["elso.srt"]
    try:
        open_from_start_window(p, "elso.srt")
        edit_first_text(p, " Tessek")
        question = "A felirat mentése!|A felirat módosítva lett!|Elmenti?"

        # "Kilépés", the close box and "Vissza a főmenübe" all ask;
        # "Mégsem" keeps everything as it was.
        p.click("Felirat", "Bki")
        check(p.answer("Bmegsem") == question, p.messages[-1])
        p.close_box("Felirat")
        check(p.answer("Bmegsem") == question, p.messages[-1])
        p.click("Felirat", "Bvissza")
        check(p.answer("Bmegsem") == question, p.messages[-1])
        p.take_input("Felirat", "ido")
        check(grid_rows(p)[0][3] == "Jó reggelt! Tessek", "the edit is still there")

        # "Nem" on the way back drops the edit: the file stays as it was.
        p.click("Felirat", "Bvissza")
        check(p.answer("Bnem") == question, p.messages[-1])
        p.wait_window("FoForm")
        with open(os.path.join(home, "elso.srt"), "rb") as f:
            check(f.read() == original, "the file was changed after \"Nem\"")

        # "Igen" on the close box saves, then the program ends.
        open_from_start_window(p, "elso.srt")
        edit_first_text(p, " Szia")
        p.close_box("Felirat")
        check(p.answer("Bigen") == question, p.messages[-1])
        check(p.finish() == 0, "the program ended with an error")
        with open(os.path.join(home, "elso.srt"), "rb") as f:
            check("Jó reggelt! Szia".encode("cp1250") in f.read(), "the edit was not saved")
    finally:
        p.kill()
        remove_home(home)


def scene_the_workspace_keeps_its_edits(desktop, exe):
    p, home = start(desktop, exe)
    try:
        # A project: the source read, an empty translation built from it.
        p.wait_window("FoForm")
        p.click("FoForm", "BitBtn4")
        p.wait_on_top("Forditas")
        p.click("Forditas", "ProjectMegnyit")
        p.wait_on_top("FordElott")
        p.click("FordElott", "K1")
        p.wait_on_top("Kereses")
        p.wait("the file list holds the subtitles",
               lambda s: "elso.srt" in [i["text"] for i in p.window("Kereses", s)["controls"]
                                        ["filelistbox"].get("items", [])])
        p.double_click_item("Kereses", "filelistbox", "elso.srt")
        p.take_input("FordElott", "Ferb2")
        p.click("FordElott", "Ferb2")
        p.wait("\"Betöltés\" can be pressed",
               lambda s: p.window("FordElott", s)["controls"]["BFetovabb"]["enabled"])
        p.click("FordElott", "BFetovabb")
        p.wait("both tables are filled", lambda s: p.window("FordElott", s) is None
               and p.window("Forditas", s)["controls"]["DBGridF"].get("rowCount") == 5)
        check(p.window("Forditas")["title"] == "Fordítás", "nothing is unsaved yet")

        # A row inserted into the translation is an unsaved change.
        p.take_input("Forditas", "Lido")
        p.click("Forditas", "Fsorbe")
        p.wait("the insert menu opens", lambda s: len(s.get("windows", [])) == 2)
        p.key("Down", "Return")  # its first item
        p.wait("the title marks the translation",
               lambda s: p.window("Forditas", s)["title"] == "Fordítás – elso.srt, *névtelen")
        question = "A feliratok mentése!|A fordított felirat módosítva lett!|Elmenti?"

        # The close box and "<<< Vissza" ask; "Mégsem" keeps the tables.
        p.close_box("Forditas")
        check(p.answer("Bmegsem") == question, p.messages[-1])
        p.take_input("Forditas", "Lido")
        p.click("Forditas", "BVissza")
        check(p.answer("Bmegsem") == question, p.messages[-1])
        check(p.window("Forditas") is not None, "the workspace stays")
        check(p.control("Forditas", "DBGridF")["rowCount"] == 6, "the inserted row stays")

        # "Nem" on "Kilépés" leaves without saving; the program ends.
        p.take_input("Forditas", "Lido")
        p.click("Forditas", "BKilepes")
        check(p.answer("Bnem") == question, p.messages[-1])
        check(p.finish() == 0, "the program ended with an error")
    finally:
        p.kill()
        remove_home(home)


def scene_the_srt_association(desktop, exe):
    """The start window's ".srt" association writes the user's desktop entry
    under the name the package installs, so it takes that entry's place."""
    p, home = start(desktop, exe)
    try:
        p.wait_window("FoForm")
        p.click("FoForm", "Button2")
        p.wait_on_top("Kiszoveg")
        check(p.window("Kiszoveg")["title"] == "Hozzárendelés", "no association question")
        p.click("Kiszoveg", "Bigen")  # the next box takes its place at once
        p.wait("the association is said done",
               lambda s: (p.window("Kiszoveg", s) or {}).get("title") == "Kiterjesztés átállítása")
        p.take_input("Kiszoveg", "szoveg")  # as a user clicks a box that came up without it
        check(p.answer("Bok") == "Kiterjesztés átállítása|Sikeresen végrehajtódott az "
              "asszociáció!|Kérem indítsa újra a gépet!", p.messages[-1])
        program = os.path.basename(exe)
        name = f"hu.kelvo.{program}.desktop"
        entry = os.path.join(home, ".local/share/applications", name)
        check(os.path.exists(entry), f"no {entry}")
        with open(entry, encoding="utf-8") as f:
            text = f.read()
        check(f"Name={program}\n" in text and f" %f\n" in text, text)
        with open(os.path.join(home, ".config/mimeapps.list"), encoding="utf-8") as f:
            check(f"application/x-subrip={name}\n" in f.read(), "mimeapps.list lacks the default")
        # the build's own copy of the installed entry has that name
        installed = os.path.join(os.path.dirname(os.path.abspath(exe)), "packaging", name)
        check(os.path.exists(installed), f"no installed entry {installed}")
        p.click("FoForm", "BitBtn1")
        check(p.finish() == 0, "the program ended with an error")
    finally:
        p.kill()
        remove_home(home)


def scene_a_misspelt_word_is_replaced(desktop, exe):
    """F7 walks the subtitle: the misspelt word in its line with the
    dictionary's first suggestion, "Csere" stores it; the saved file holds
    it."""
    p, home = start(desktop, exe)
    try:
        open_from_start_window(p, "hibas.srt")
        p.take_input("Felirat", "ido")
        p.key("F7")
        p.wait_on_top("Helyesiras")
        check(p.text("Helyesiras", "Lsor") == "Ismeretlen szó a(z) 1. sorban:",
              p.text("Helyesiras", "Lsor"))
        check(p.text("Helyesiras", "Emire") == "hiba", p.text("Helyesiras", "Emire"))
        p.click("Helyesiras", "Bcsere")
        said = p.answer("Bok")
        check(said == "Helyesírás-ellenőrzés|Nem találtam (több) ismeretlen szót!|"
              "Ennyi szót cseréltem le: 1", said)
        p.wait_window("Helyesiras", shown=False)
        p.wait("the table shows the replaced word",
               lambda s: p.window("Felirat", s)["controls"]["racs"]["rows"][0][3]
               == "Ez egy nagy hiba volt.")
        p.take_input("Felirat", "ido")
        p.click("Felirat", "Bmentes")
        path = os.path.join(home, "hibas.srt")

        def saved(_):
            with open(path, "rb") as f:
                return b"Ez egy nagy hiba volt." in f.read()
        ok_boxes_until(p, "the saved file holds the replaced word", saved)
    finally:
        p.kill()
        remove_home(home)


SCENES = [scene_a_working_day, scene_no_way_out_loses_work, scene_the_workspace_keeps_its_edits,
          scene_the_srt_association, scene_a_misspelt_word_is_replaced]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", required=True)
    parser.add_argument("--window-manager", action="store_true")
    parser.add_argument("--shots", default=os.environ.get("KELVO_E2E_SHOTS"))
    parser.add_argument("--scene", help="run only the scene of this name")
    args = parser.parse_args()

    desktop = Desktop(args.window_manager, args.shots)
    passed = failed = 0
    try:
        for scene in SCENES:
            if args.scene and args.scene != scene.__name__:
                continue
            began = time.time()
            try:
                scene(desktop, args.exe)
                passed += 1
                print(f"ok   {scene.__name__} ({time.time() - began:.1f} s)")
            except Exception:  # noqa: BLE001 - every failure is reported
                failed += 1
                print(f"FAIL {scene.__name__}")
                traceback.print_exc()
    finally:
        desktop.close()
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
