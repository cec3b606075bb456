"""Runs the real programs on a virtual X display and drives them as a user
does: real key and mouse events through the X server's test extension
(xdotool), the close box through the window system's close request. What
the user sees is read from the state file the program writes while
KELVO_STATE_FILE is set (windows, their controls, the modal window and the
focus), the files on disk from the disk."""

import json
import os
import shutil
import subprocess
import tempfile
import time

from Xlib import X, display as xdisplay, protocol

WAIT = 15.0  # seconds a step may take before the test fails


class StepFailed(AssertionError):
    pass


class Desktop:
    """An Xvfb display, with a window manager or without one."""

    def __init__(self, window_manager, shots):
        self.shots = shots
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
            pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read, 16)
            if not chunk:
                raise StepFailed("Xvfb did not start")
            number += chunk
        os.close(read)
        self.display = ":" + number.decode().strip()
        self.env = dict(os.environ, DISPLAY=self.display)
        self.env.pop("QT_QPA_PLATFORM", None)
        self.wm = None
        try:
            if window_manager:
                self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                           stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
                self._wait_for_wm()
            self.x = xdisplay.Display(self.display)
        except BaseException:
            self.close()
            raise

    def _wait_for_wm(self):
        end = time.time() + 2 * WAIT
        while time.time() < end:
            if self.wm.poll() is not None:
                raise StepFailed("the window manager ended: " + self.wm.stderr.read().decode())
            out = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                                 capture_output=True, text=True).stdout
            if "window id" in out:
                return
            time.sleep(0.05)
        raise StepFailed("the window manager did not start")

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True)

    def screenshot(self, name):
        if not self.shots:
            return None
        os.makedirs(self.shots, exist_ok=True)
        path = os.path.join(self.shots, name + ".png")
        subprocess.run(["import", "-window", "root", path], env=self.env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return path

    def close(self):
        if self.wm:
            self.wm.terminate()
            self.wm.wait()
            self.wm = None
        self.xvfb.terminate()
        self.xvfb.wait()


class Program:
    """One run of Kelvo (or KelvoVN) with a home of its own."""

    def __init__(self, desktop, exe, home, args=()):
        self.desktop = desktop
        self.home = home
        self.state_file = os.path.join(home, ".kelvo-state.json")
        if os.path.exists(self.state_file):
            os.remove(self.state_file)
        env = dict(desktop.env, HOME=home, KELVO_STATE_FILE=self.state_file,
                   XDG_STATE_HOME=os.path.join(home, ".local/state"),
                   XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_DATA_HOME=os.path.join(home, ".local/share"),
                   XDG_RUNTIME_DIR=os.path.join(home, ".run"))
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700, exist_ok=True)
        self.log_path = os.path.join(home, ".kelvo-stderr.txt")
        self.log = open(self.log_path, "w")
        self.proc = subprocess.Popen([os.path.abspath(exe), *args], cwd=home, env=env, stdout=self.log,
                                     stderr=subprocess.STDOUT)
        self.messages = []  # every message box seen, as "title|first|second"
        self.last = {}

    # ---- what the user sees -------------------------------------------------

    def state(self):
        try:
            with open(self.state_file, encoding="utf-8") as f:
                self.last = json.load(f)
        except (OSError, ValueError):
            pass
        return self.last

    def window(self, name, state=None):
        for w in (state or self.state()).get("windows", []):
            if w["name"] == name:
                return w
        return None

    def control(self, window, name):
        w = self.window(window)
        if not w or name not in w["controls"]:
            raise StepFailed(f"{window}.{name} is not on the screen")
        return w["controls"][name]

    def wait(self, what, check, timeout=WAIT):
        end = time.time() + timeout
        while time.time() < end:
            if self.proc.poll() is not None and "program ends" not in what:
                break
            state = self.state()
            if state and check(state):
                return state
            time.sleep(0.05)
        shot = self.desktop.screenshot("failed-" + "".join(c if c.isalnum() else "-" for c in what))
        raise StepFailed(f"waited in vain for: {what}\nprogram running: {self.proc.poll() is None}\n"
                         f"windows: {[(w['name'], w['title']) for w in self.last.get('windows', [])]}\n"
                         f"modal: {self.last.get('modal')}, active: {self.last.get('active')}, "
                         f"focus: {self.last.get('focus')}\nscreenshot: {shot}\n"
                         f"program output:\n{self.output()}")

    def output(self):
        try:
            with open(self.log_path, encoding="utf-8", errors="replace") as f:
                return f.read()[-3000:]
        except OSError:
            return ""

    def wait_window(self, name, shown=True):
        return self.wait(f"{name} {'shown' if shown else 'hidden'}",
                         lambda s: (self.window(name, s) is not None) == shown)

    def wait_on_top(self, name):
        """The window is shown and takes the input: it is the active window."""
        return self.wait(f"{name} on top, taking the input",
                         lambda s: self.window(name, s) is not None and s.get("active") == name)

    def take_input(self, window, harmless):
        """Gives the window the input as a user does when a window closed
        and nothing else gave it back (no window manager): a click on a
        control where a click changes nothing."""
        self.wait_window(window)
        # Clicked even when the state says the window is active: that state
        # may be from just before a closing window took the focus with it.
        self.click(window, harmless)
        return self.wait_on_top(window)

    def text(self, window, control):
        return self.control(window, control).get("text")

    # ---- what the user does ---------------------------------------------------

    def _centre(self, rect):
        x, y, w, h = rect
        return x + w // 2, y + h // 2

    def settled_rect(self, window, control):
        """Where the control stands once its window has stopped moving (a
        window manager places a new window after it is shown)."""
        last, same = None, 0
        end = time.time() + WAIT
        while time.time() < end:
            self.state()
            rect = self.control(window, control)["rect"]
            same = same + 1 if rect == last else 0
            if same >= 3:
                return rect
            last = rect
            time.sleep(0.05)
        raise StepFailed(f"{window} does not stop moving")

    def click(self, window, control, double=False):
        x, y = self._centre(self.settled_rect(window, control))
        self.desktop.xdotool("mousemove", str(x), str(y))
        self.desktop.xdotool("click", "--repeat", "2" if double else "1", "--delay", "80", "1")

    def double_click_item(self, window, control, text):
        items = self.control(window, control).get("items", [])
        for item in items:
            if item["text"] == text:
                x, y = self._centre(item["rect"])
                self.desktop.xdotool("mousemove", str(x), str(y))
                self.desktop.xdotool("click", "--repeat", "2", "--delay", "80", "1")
                return
        raise StepFailed(f"{window}.{control} does not list {text!r}: {[i['text'] for i in items]}")

    def key(self, *keys):
        self.desktop.xdotool("key", "--delay", "30", *keys)

    def type(self, text):
        self.desktop.xdotool("type", "--delay", "20", text)

    def close_box(self, name):
        """What the window's close box does: the window system asks the
        window to close (WM_DELETE_WINDOW)."""
        w = self.window(name)
        if not w:
            raise StepFailed(f"{name} is not shown")
        x = self.desktop.x
        target = x.create_resource_object("window", int(w["wid"]))
        protocols = x.intern_atom("WM_PROTOCOLS")
        delete = x.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=target, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        target.send_event(event, event_mask=X.NoEventMask)
        x.flush()

    def answer(self, button):
        """Answers the message box on top with one of its buttons
        ("Bok", "Bigen", "Bnem", "Bmegsem") and notes what it said."""
        state = self.wait_on_top("Kiszoveg")
        box = self.window("Kiszoveg", state)
        said = "|".join([box["title"]] + [box["controls"].get(n, {}).get("text", "")
                                          for n in ("szoveg", "szoveg2")])
        self.messages.append(said)
        self.click("Kiszoveg", button)
        self.wait("the message box closes (or the program ends)",
                  lambda s: self.proc.poll() is not None or self.window("Kiszoveg", s) is None)
        return said

    def finish(self, timeout=WAIT):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            self.desktop.screenshot("failed-program-did-not-end")
            raise StepFailed("the program did not end")
        finally:
            self.log.close()

    def kill(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        self.log.close()


def fresh_home():
    return tempfile.mkdtemp(prefix="kelvo-e2e-")


def remove_home(home):
    shutil.rmtree(home, ignore_errors=True)
