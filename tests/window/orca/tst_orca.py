#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 the drivelist authors
# SPDX-License-Identifier: MIT

"""tst_orca.py PROGRAM - the window as a blind user hears it: the program under the Orca screen
reader on a private X display, driven by keys pressed through the X server, and what Orca sent to
speech checked after each step.

Run inside a D-Bus session of its own (dbus-run-session). Orca logs every utterance as
"SPEECH OUTPUT: '...'" before it hands it to its speech server, here one that speaks nothing; a
step is over once the log has been quiet for a moment."""

import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
QUIET = 1.5       # seconds without an utterance that end a step
STEP_LIMIT = 20   # seconds a step may take on a loaded machine
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)' ?(?:\{|$)")

ORCA = """
import builtins, runpy, sys
log = sys.argv[1]
opened = builtins.open
def line_buffered(file, mode='r', *args, **kwargs):
    # Orca block-buffers its log: opened line-buffered, each utterance arrives as it is said.
    if file == log and 'w' in mode:
        return opened(file, mode, 1, *args[1:], **kwargs)
    return opened(file, mode, *args, **kwargs)
builtins.open = line_buffered
sys.argv = ['orca', '--replace', '--user-prefs', sys.argv[2], '--debug-file', log]
runpy.run_path('/usr/bin/orca', run_name='__main__')
"""

SETTINGS = {
    "general": {
        "speechServerFactory": "nullspeech",
        "speechFactoryModules": ["nullspeech"],
        "speechServerInfo": None,
        "enableSpeech": True,
        "enableTutorialMessages": False,
        "enableMnemonicSpeaking": False,
        "enableKeyEcho": False,
        "onlySpeakDisplayedText": False,
        "activeProfile": ["Default", "default"],
        "startingProfile": ["Default", "default"],
    },
    "profiles": {"default": {"profile": ["Default", "default"]}},
    "keybindings": {},
    "pronunciations": {},
}


class Session:
    def __init__(self, program):
        self.work = tempfile.mkdtemp(prefix="tst_orca.")
        self.processes = []
        self.env = dict(os.environ)
        self.env.update({
            "HOME": os.path.join(self.work, "home"),
            "XDG_RUNTIME_DIR": os.path.join(self.work, "run"),
            "XDG_CONFIG_HOME": os.path.join(self.work, "config"),
            "PYTHONPATH": HERE,
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "LANG": "C.UTF-8",
            "LC_ALL": "",
            "LANGUAGE": "",
            "NO_AT_BRIDGE": "0",
        })
        for folder in ("home", "run", "config", "prefs"):
            os.makedirs(os.path.join(self.work, folder), mode=0o700)
        self.log = os.path.join(self.work, "orca.log")
        self.start_display()
        for key in ("org.gnome.desktop.a11y.applications screen-reader-enabled",
                    "org.gnome.desktop.interface toolkit-accessibility"):
            subprocess.run(["gsettings", "set", *key.split(), "true"], env=self.env, check=True)
        self.spawn(["matchbox-window-manager", "-use_titlebar", "no"])
        with open(os.path.join(self.work, "prefs", "user-settings.conf"), "w") as f:
            json.dump(SETTINGS, f)
        self.spawn(["/usr/bin/python3", "-c", ORCA, self.log, os.path.join(self.work, "prefs")])
        self.wait_for(lambda: os.path.exists(self.log) and "Orca" in "".join(self.read_log()),
                      "Orca to start", 60)
        self.heard_so_far = 0
        self.spawn([program])
        self.wait_for(lambda: self.window_id() is not None, "the window", 30)
        self.wait_quiet()

    def start_display(self):
        for number in range(60, 100):
            if not os.path.exists("/tmp/.X%d-lock" % number):
                break
        self.env["DISPLAY"] = ":%d" % number
        self.spawn(["Xvfb", self.env["DISPLAY"], "-screen", "0", "1280x1024x24", "-nolisten",
                    "tcp"])
        self.wait_for(lambda: self.run_quietly(["xdotool", "getdisplaygeometry"]) == 0,
                      "the X server", 30)

    def spawn(self, command):
        self.processes.append(subprocess.Popen(command, env=self.env, stdout=subprocess.DEVNULL,
                                               stderr=subprocess.DEVNULL))

    def run_quietly(self, command):
        return subprocess.run(command, env=self.env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode

    def window_id(self):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Form1$"],
                               env=self.env, capture_output=True, text=True).stdout.split()
        return found[0] if found else None

    def wait_for(self, condition, what, limit):
        end = time.monotonic() + limit
        while not condition():
            if time.monotonic() > end:
                raise RuntimeError("gave up waiting for " + what)
            time.sleep(0.05)

    def read_log(self):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as f:
                return f.readlines()
        except FileNotFoundError:
            return []

    def utterances(self):
        return [m.group(1) for line in self.read_log() if (m := SPEECH.search(line))]

    def wait_quiet(self, awaited=()):
        """Waits until every text of `awaited` has been said since the last call (or STEP_LIMIT
        has passed) and then no utterance has come for QUIET seconds; gives what was said since
        the last call."""
        end = time.monotonic() + STEP_LIMIT
        said, since = self.utterances(), time.monotonic()
        while time.monotonic() < end:
            time.sleep(0.1)
            now = self.utterances()
            if len(now) != len(said):
                said, since = now, time.monotonic()
            elif time.monotonic() - since >= QUIET:
                heard = " | ".join(said[self.heard_so_far:])
                if all(words in heard for words in awaited):
                    break
        step, self.heard_so_far = said[self.heard_so_far:], len(said)
        return step

    def keys(self, keys, awaited=()):
        for key in keys:
            if key.startswith("type:"):
                subprocess.run(["xdotool", "type", "--delay", "20", key[5:]], env=self.env,
                               check=True)
            else:
                subprocess.run(["xdotool", "key", "--delay", "40", key], env=self.env,
                               check=True)
        return self.wait_quiet(awaited)

    def close(self):
        for process in reversed(self.processes):
            process.terminate()
        for process in self.processes:
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
        if os.environ.get("TST_ORCA_LOG"):
            shutil.copy(self.log, os.environ["TST_ORCA_LOG"])
        shutil.rmtree(self.work, ignore_errors=True)


def main():
    session = Session(sys.argv[1])
    failures = []
    try:
        for name, keys, heard in STEPS:
            said = session.keys(keys, heard)
            text = " | ".join(said)
            missing = [words for words in heard if words not in text]
            print("%-40s %s" % (name, text))
            if missing:
                failures.append("%s: not heard %s in %r" % (name, missing, text))
    finally:
        session.close()
    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


# What a user does, and what must be among what Orca says after it. The window opens with the
# table focused and the add row filled in (seagate barracuda 80 4000, place 0); Tab goes through
# the table, the add button, its four fields, the remove and search buttons, the search field,
# the clear and exit buttons, the place field, the four remove fields and the accept button.
STEPS = [
    ("Tab to the add button", ["Tab"], ["добавить"]),
    ("Tab to a field of the add row", ["Tab"], ["фирма", "добавить"]),
    ("Enter in it adds", ["Return"], ["Added seagate barracuda 80 4000 at place 0"]),
    ("Tab to the search field", ["Tab"] * 6, ["цена", "поиск"]),
    ("search: a hit", ["ctrl+a", "type:4000", "Return"], ["seagate barracuda 80"]),
    ("search: the same hit again", ["Return"], ["seagate barracuda 80"]),
    ("search: a miss", ["ctrl+a", "type:1", "Return"], ["net takogo vinta"]),
    ("Tab to a field of the remove row", ["Tab"] * 4, ["фирма", "удалить"]),
    ("remove what matches", ["ctrl+a", "type:s", "Tab", "ctrl+a", "type:b", "Tab", "ctrl+a",
                             "type:80", "Tab", "ctrl+a", "type:4000", "Return"],
     ["Removed seagate barracuda 80 4000 from place 0"]),
    ("undo it from the accept button", ["Tab", "ctrl+z"], ["Undo Remove"]),
    ("a price that is no number, typed into the table",
     ["Tab", "ctrl+Home", "Right", "Right", "Right", "type:8O", "Return"], ["zena, row 1: 8O"]),
    ("accept refuses it", ["shift+Tab", "space"], ["zena", "8O"]),
    ("the cell it leads back to", ["Return"], ["zena, row 1: 8O"]),
    ("down to the blank last row", ["Down"], ["the row for a new entry"]),
]

if __name__ == "__main__":
    sys.exit(main())
