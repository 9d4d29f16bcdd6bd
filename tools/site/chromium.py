# SPDX-FileCopyrightText: 2026 the Velmarit developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A headless Chromium driven over its DevTools pipe, for pictures of the
page once it has started: the page's codes start after the page is drawn,
so a picture taken at the load event (as `chromium --screenshot` takes
it) may show empty results. Chromium reads commands on its fd 3 and
answers on its fd 4, each message JSON ended by a NUL."""

import base64
import fcntl
import json
import os
import select
import signal
import subprocess
import tempfile
import time

from render import BuildError

# The page has started when its script has marked its root element.
STARTED = "'ready' in document.documentElement.dataset"
PATIENCE_S = 60


class Chromium:
    def __init__(self, executable, lang, width, height, scale):
        self.width, self.height, self.scale = width, height, scale
        self.profile = tempfile.TemporaryDirectory()
        commands_r, self.commands = os.pipe()
        self.answers, answers_w = os.pipe()
        # Moved above 4 first, so that placing one never overwrites the other.
        ends = [fcntl.fcntl(fd, fcntl.F_DUPFD_CLOEXEC, 5) for fd in (commands_r, answers_w)]

        def place_ends():
            os.dup2(ends[0], 3)
            os.dup2(ends[1], 4)
        self.process = subprocess.Popen(
            [executable, "--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--hide-scrollbars", f"--user-data-dir={self.profile.name}", f"--lang={lang}",
             f"--window-size={width},{height}", f"--force-device-scale-factor={scale}",
             "--remote-debugging-pipe", "about:blank"],
            preexec_fn=place_ends, close_fds=False, start_new_session=True,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            env={**os.environ, "HOME": self.profile.name})
        for fd in (commands_r, answers_w, *ends):
            os.close(fd)
        self.pending = b""
        self.last_id = 0

    def __enter__(self):
        return self

    def __exit__(self, *_):
        # Closed as a person closes it, so that no process of it still
        # writes into the profile; those that linger go with their group.
        try:
            self.call("Browser.close")
            self.process.wait(timeout=PATIENCE_S)
        except (BuildError, OSError, subprocess.TimeoutExpired):
            pass
        try:
            os.killpg(self.process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        self.process.wait()
        os.close(self.commands)
        os.close(self.answers)
        self.profile.cleanup()

    def call(self, method, params=None, session=None):
        self.last_id += 1
        message = {"id": self.last_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self.commands, json.dumps(message).encode() + b"\0")
        while True:
            answer = self._message()
            if answer.get("id") == self.last_id:
                if "error" in answer:
                    raise BuildError(f"Chromium: {method}: {answer['error']}")
                return answer["result"]

    def _message(self):
        deadline = time.monotonic() + PATIENCE_S
        while b"\0" not in self.pending:
            if not select.select([self.answers], [], [], max(0, deadline - time.monotonic()))[0]:
                raise BuildError("Chromium did not answer")
            data = os.read(self.answers, 1 << 16)
            if not data:
                raise BuildError("Chromium ended")
            self.pending += data
        message, _, self.pending = self.pending.partition(b"\0")
        return json.loads(message)

    def picture_once_started(self, url):
        """A PNG of `url` in the window's size, taken once the page has
        started."""
        target = self.call("Target.createTarget", {"url": "about:blank"})["targetId"]
        session = self.call("Target.attachToTarget", {"targetId": target, "flatten": True})
        session = session["sessionId"]
        # A window has a frame even when nobody sees it: the page gets the
        # whole size.
        self.call("Emulation.setDeviceMetricsOverride", {
            "width": self.width, "height": self.height, "deviceScaleFactor": self.scale,
            "mobile": False}, session)
        self.call("Page.navigate", {"url": url}, session)
        deadline = time.monotonic() + PATIENCE_S
        while not self.call("Runtime.evaluate", {"expression": STARTED, "returnByValue": True},
                            session)["result"].get("value"):
            if time.monotonic() > deadline:
                raise BuildError(f"{url} did not start")
            time.sleep(0.05)
        picture = self.call("Page.captureScreenshot", {"format": "png"}, session)["data"]
        self.call("Target.closeTarget", {"targetId": target})
        return base64.b64decode(picture)
