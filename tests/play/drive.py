"""Drives the programs from outside: a display of their own (Xvfb with openbox), the programs
started as processes, mouse and keyboard events sent with xdotool, and what the screen shows read
from the report the programs write when ZELTWAR_SCREEN_REPORT names a file (platform/ScreenReport.h).

Every wait is for a condition on the screen, a file or a process, bounded by a generous timeout
that only turns a hang into a failure; nothing waits a fixed time."""

import os
import shutil
import signal
import subprocess
import time

# Bounds on waits: each only turns a hang into a failure, none decides anything.
TIMEOUT = float(os.environ.get("PLAY_TIMEOUT", "180"))
POLL = 0.05


class PlayError(Exception):
    pass


def unescape(text):
    out, i = [], 0
    while i < len(text):
        c = text[i]
        if c == "\\" and i + 1 < len(text):
            out.append({"t": "\t", "n": "\n", "r": "\r", "\\": "\\"}.get(text[i + 1], text[i + 1]))
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


class Item:
    """A line of the report: a window (W), a control (C) or a list row or menu item (I)."""

    def __init__(self, line):
        f = line.split("\t")
        self.kind = f[0]
        self.window = unescape(f[1])
        self.name = unescape(f[2])
        self.cls = f[3]
        if self.kind == "P":
            # A picture box: the coordinates its picture spans, and where it shows.
            self.cls, self.text, self.enabled = "PictureBox", "", True
            self.span = [float(v) for v in f[3].split()]
            rect = f[4]
        elif self.kind == "W":
            self.text, self.enabled = self.window, True
            self.active = f[5] == "1"
            rect = f[4]
        elif self.kind == "C":
            self.text, self.enabled, rect = unescape(f[4]), f[5] == "1", f[6]
        else:
            self.text, self.row, self.enabled, rect = unescape(f[4]), int(f[5]), f[6] == "1", f[7]
        self.x, self.y, self.w, self.h = (int(v) for v in rect.split())

    def centre(self):
        return self.x + self.w // 2, self.y + self.h // 2

    def point(self, x, y):
        """Where a point of a picture box's coordinates shows on the screen."""
        left, top, width, height = self.span
        return (round(self.x + (x - left) * self.w / width), round(self.y + (y - top) * self.h / height))

    def __repr__(self):
        return "%s[%s|%s|%s|%r|%s %d,%d %dx%d]" % (
            self.kind, self.window, self.name, self.cls, self.text, "on" if self.enabled else "off",
            self.x, self.y, self.w, self.h)


def shown(text):
    """A text as the screen shows it: without the access-key marks (&), blanks around it."""
    return text.replace("&&", "\0").replace("&", "").replace("\0", "&").strip()


def matches(item, kind=None, window=None, name=None, text=None, starts=None, contains=None, cls=None, row=None):
    words = shown(item.text)
    return ((row is None or getattr(item, "row", None) == row) and (kind is None or item.kind == kind) and (window is None or item.window.strip() == window.strip())
            and (name is None or item.name == name) and (text is None or words == text.strip())
            and (starts is None or words.startswith(starts))
            and (contains is None or contains in words) and (cls is None or item.cls == cls))


class Display:
    """Xvfb with openbox, on a display number Xvfb picks itself (no clash with another run)."""

    def __init__(self, work, size="1920x1080x24"):
        self.work = work
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", size, "-nolisten", "tcp"],
                                     pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        number = b""
        with os.fdopen(read, "rb") as r:
            number = r.readline().strip()
        if not number:
            raise PlayError("Xvfb did not start")
        self.name = ":" + number.decode()
        self.programs = []
        self.env = dict(os.environ, DISPLAY=self.name)
        for key in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XAUTHORITY"):
            self.env.pop(key, None)
        runtime = os.path.join(work, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        self.env["XDG_RUNTIME_DIR"] = runtime
        self.wm_log = open(os.path.join(work, "openbox.log"), "w")
        self.wm = subprocess.Popen(["openbox"], env=self.env, stdout=self.wm_log, stderr=subprocess.STDOUT)
        # openbox is up when the root window names its supporting window.
        wait_until(lambda: b"window id" in subprocess.run(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env, capture_output=True).stdout,
            "the window manager")

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True, stdout=subprocess.DEVNULL)

    def screenshot(self, path):
        if shutil.which("import"):
            subprocess.run(["import", "-window", "root", path], env=self.env, stderr=subprocess.DEVNULL)

    def close(self):
        # A program left running by a failed run is ended with the display.
        for program in self.programs:
            program.kill()
        for p in (self.wm, self.xvfb):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(timeout=TIMEOUT)
                except subprocess.TimeoutExpired:
                    p.kill()
        self.wm_log.close()


def wait_until(condition, what, timeout=TIMEOUT):
    end = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > end:
            raise PlayError("timed out waiting for " + what)
        time.sleep(POLL)


class Program:
    """One of the three programs, started in the program folder and driven through its screen."""

    def __init__(self, display, folder, executable, work):
        self.display = display
        self.label = executable
        self.report = os.path.join(work, "screen-%s.txt" % executable)
        if os.path.exists(self.report):
            os.remove(self.report)
        self.log_path = os.path.join(work, "%s.log" % executable)
        self.log = open(self.log_path, "a")
        env = dict(display.env, ZELTWAR_SCREEN_REPORT=self.report)
        self.process = subprocess.Popen([os.path.join(folder, executable)], cwd=folder, env=env,
                                        stdout=self.log, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        self.items = []
        display.programs.append(self)

    # ---- reading the screen

    def read(self):
        if self.process.poll() is not None:
            raise PlayError("%s ended (code %s) while it was being played; log: %s"
                            % (self.label, self.process.returncode, self.log_path))
        try:
            with open(self.report, encoding="utf-8") as f:
                lines = f.read().split("\n")
        except FileNotFoundError:
            lines = []
        self.items = [Item(line) for line in lines if line]
        return self.items

    def find(self, **what):
        return [i for i in self.read() if matches(i, **what)]

    def wait(self, what=None, timeout=TIMEOUT, **match):
        """The one item that matches, once it is shown (and enabled, for a control)."""
        description = what or repr(match)

        def shown():
            found = [i for i in self.find(**match) if i.enabled or i.kind == "W"]
            return found[0] if len(found) == 1 else None

        try:
            return wait_until(shown, description, timeout)
        except PlayError:
            self.dump_on_failure()
            raise

    def wait_gone(self, what=None, **match):
        try:
            wait_until(lambda: not self.find(**match), "%s to go" % (what or repr(match)))
        except PlayError:
            self.dump_on_failure()
            raise

    def window(self, title):
        """A window shown and active, so that clicks and keys reach it."""
        try:
            return wait_until(lambda: next((w for w in self.find(kind="W", window=title) if w.active), None),
                              "window %r, active" % title)
        except PlayError:
            self.dump_on_failure()
            raise

    def dump_on_failure(self):
        path = os.path.join(os.path.dirname(self.report), "failure-%s.png" % self.label)
        self.display.screenshot(path)
        print("---- %s's screen at the failure (%s):" % (self.label, path))
        for i in self.items:
            print("  ", i)

    # ---- acting as the player

    def click(self, item, button=1, double=False):
        self.click_at(*item.centre(), button=button, double=double)

    def click_at(self, x, y, button=1, double=False):
        # One xdotool call: the X server takes its events in order, so the click lands where the
        # pointer was moved (mousemove --sync would wait for ever when the pointer is already there).
        self.display.xdotool("mousemove", str(x), str(y), "click",
                             *(["--repeat", "2", "--delay", "80"] if double else []), str(button))

    def press(self, item=None, **match):
        """Clicks the control that matches once it is shown and enabled; returns it."""
        item = item or self.wait(**match)
        self.click(item)
        return item

    def type(self, text):
        self.display.xdotool("type", "--delay", "30", text)

    def key(self, *keys):
        self.display.xdotool("key", *keys)

    def answer(self, title, button, contains=None):
        """A message box of that title (and words) answered with its button."""
        self.window(title)
        if contains:
            self.wait("message %r" % contains, kind="C", window=title, contains=contains)
        self.press(kind="C", window=title, text=button, cls="QPushButton")
        self.wait_gone("message box %r" % title, kind="W", window=title)

    def ended(self):
        """Waits for the program to end by itself; it must end cleanly."""
        try:
            code = self.process.wait(timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            self.dump_on_failure()
            raise PlayError("%s did not end" % self.label)
        self.log.close()
        if code != 0:
            raise PlayError("%s ended with %s (log %s)" % (
                self.label, "signal %d" % -code if code < 0 else "code %d" % code, self.log_path))

    def kill(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGKILL)
            self.process.wait()
        if not self.log.closed:
            self.log.close()


def pick(p, window, combo, starts):
    """Picks the item of a combo box that starts with these words, as a player does: the list
    opened by its arrow, the item clicked where it shows, or, out of view, its words typed and
    Return."""
    box = p.wait("combo box %s" % combo, kind="C", window=window, name=combo)
    p.click_at(box.x + box.w - 6, box.y + box.h // 2)
    p.wait("the list of %s" % combo, kind="W", cls="QComboBoxPrivateContainer")
    rows = p.find(kind="I", cls="QComboBoxListView")
    rows = [i for i in rows if shown(i.text) == starts] or [i for i in rows if shown(i.text).startswith(starts)]
    if rows:
        p.click(rows[0])
    else:
        p.type(starts)
        p.key("Return")
    p.wait_gone("the list of %s" % combo, kind="W", cls="QComboBoxPrivateContainer")
    p.wait("%s showing %r" % (combo, starts), kind="C", window=window, name=combo, starts=starts)


def reveal(p, window, listbox, starts):
    """The row of a list that starts with these words, scrolled into view with the mouse wheel:
    down to the end of the list, then up to its top."""
    def rows():
        return p.find(kind="I", window=window, name=listbox)

    box = p.wait("list %s" % listbox, kind="C", window=window, name=listbox)
    count = int(box.text)
    for wheel, at_end in ((5, lambda r: r[-1].row == count - 1), (4, lambda r: r[0].row == 0)):
        while True:
            now = rows()
            found = [r for r in now if shown(r.text).startswith(starts)]
            if found:
                return found[0]
            if not now or at_end(now):
                break
            first = now[0].row
            p.click_at(*box.centre(), button=wheel)
            wait_until(lambda: rows() and rows()[0].row != first, "list %s to scroll" % listbox)
    p.dump_on_failure()
    raise PlayError("no row %r in list %s" % (starts, listbox))
