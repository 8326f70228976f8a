#!/usr/bin/python3
# What a blind user hears: the built program under the real screen reader, Orca, whose log holds
# every utterance. Speech goes through speech-dispatcher's dummy module to a null sound device.
# The saying shown at start, and after each Space and Enter on the bullseye, must have been spoken.
# Usage: spoken.py PROGRAM (on an X display with a window manager, on a session bus of its own,
# in an empty folder that it takes as home)
import os
import pty
import re
import signal
import subprocess
import sys
import threading
import time

import pyatspi
from waiting import fail, wait_for

work = os.getcwd()
log = os.path.join(work, "orca.log")
processes = []


def start(*command, **environment):
    processes.append(subprocess.Popen(command, env=dict(os.environ, HOME=work, **environment),
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    return processes[-1]


def spoken_since(offset):
    if not os.path.exists(log):
        return []
    with open(log, encoding="utf-8", errors="replace") as text:
        text.seek(offset)
        return re.findall(r" - SPEECH OUTPUT: '(.*)'", text.read())


def log_size():
    return os.path.getsize(log) if os.path.exists(log) else 0


def saying(app):
    for node in pyatspi.findAllDescendants(app, lambda node: node.getRoleName() == "label"):
        return node.name
    return None


def expect_spoken(app, offset, what):
    shown = wait_for(f"saying after {what}", lambda: saying(app))
    wait_for(lambda: f"'{shown}' spoken after {what} (Orca said {spoken_since(offset)})",
             lambda: any(re.search(rf"(^|\W){re.escape(shown)}($|\W)", line) for line in spoken_since(offset)))


os.makedirs("speechd/modules")
with open("speechd/speechd.conf", "w") as conf:
    conf.write('AudioOutputMethod "alsa"\nAddModule "dummy" "sd_dummy" "dummy.conf"\nDefaultModule dummy\n')
open("speechd/modules/dummy.conf", "w").close()
with open(".asoundrc", "w") as conf:
    conf.write("pcm.!default { type null }\n")
with open("Jestrel.Ini", "w", newline="\r\n") as sayings:
    sayings.write("1002\n" + "".join(f"Saying number {i}\n" for i in range(1, 1002)))

try:
    socket = os.path.join(work, "speechd.socket")
    start("speech-dispatcher", "--run-single", "--config-dir", os.path.join(work, "speechd"),
          "--communication-method", "unix_socket", "--socket-path", socket, "--timeout", "0")
    wait_for("speech-dispatcher", lambda: os.path.exists(socket))
    # Orca writes its log through a buffer that it flushes at each line only to a terminal.
    terminal, orca_side = pty.openpty()
    def copy_log():
        with open(log, "ab", buffering=0) as copy:
            while chunk := os.read(terminal, 65536):
                copy.write(chunk)
    threading.Thread(target=copy_log, daemon=True).start()
    start("orca", "--debug-file", os.ttyname(orca_side), GSETTINGS_BACKEND="memory",
          SPEECHD_ADDRESS=f"unix_socket:{socket}")
    # Orca has started once it has said so.
    wait_for("Orca", lambda: spoken_since(0), seconds=30)

    offset = log_size()
    program = start(sys.argv[1])
    app = wait_for("program on the accessibility bus",
                   lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "jestrel"), None))
    expect_spoken(app, offset, "the start")

    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Jestrel!$"],
                            check=True, capture_output=True, text=True).stdout.split()[0]
    key = lambda name: subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", name], check=True)
    key("Tab")
    for name in ["space"] * 3 + ["Return"] * 3:
        offset, before = log_size(), saying(app)
        key(name)
        # One in 1001 draws shows the same saying again.
        deadline = time.monotonic() + 2
        while saying(app) == before and time.monotonic() < deadline:
            time.sleep(0.05)
        expect_spoken(app, offset, name)
    if program.poll() is not None:
        fail(f"the program ended with status {program.returncode}")
finally:
    for process in reversed(processes):
        # Orca ends on no polite signal.
        process.send_signal(signal.SIGKILL)
        process.wait()
