"""A private X server for one run (Xvfb), and what a window manager would do
with the windows on it: find one by title, see it mapped, ask it to close."""

import os
import subprocess
import sys
import tempfile
import time

from Xlib import X, display, protocol


class Failure(Exception):
    pass


def wait_for(what, seconds, probe):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.05)
    raise Failure(f"timed out waiting for {what}")


def _free_display_number():
    for number in range(91, 140):
        if not os.path.exists(f"/tmp/.X11-unix/X{number}") and not os.path.exists(f"/tmp/.X{number}-lock"):
            return number
    raise Failure("no free display number")


def _connect(name):
    try:
        return display.Display(name)
    except Exception:
        return None


class XvfbSession:
    """with XvfbSession() as session: session.x is the connection,
    session.environment what a client started on it needs."""

    def __enter__(self):
        # A runtime directory of the session's own (mode 0700), as a desktop
        # session gives its clients; root's shell under CI has none.
        self.runtime = tempfile.TemporaryDirectory(prefix="relwiz-xdg-")
        self.number = _free_display_number()
        self.server = subprocess.Popen(
            ["Xvfb", f":{self.number}", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            wait_for("the X server", 20, lambda: os.path.exists(f"/tmp/.X11-unix/X{self.number}"))
            self.x = wait_for("a connection to the X server", 20, lambda: _connect(f":{self.number}"))
        except Failure:
            self.__exit__(None, None, None)
            raise
        self.environment = dict(os.environ, DISPLAY=f":{self.number}", QT_QPA_PLATFORM="xcb",
                                XDG_RUNTIME_DIR=self.runtime.name)
        self.environment.pop("WAYLAND_DISPLAY", None)
        return self

    def __exit__(self, *_):
        self.server.terminate()
        self.server.wait()
        self.runtime.cleanup()

    def title_of(self, window):
        name = window.get_full_property(self.x.intern_atom("_NET_WM_NAME"), self.x.intern_atom("UTF8_STRING"))
        return name.value.decode("utf-8", "replace") if name else window.get_wm_name()

    def window_titled(self, title):
        """The viewable window with this title, or None."""
        pending = [self.x.screen().root]
        while pending:
            window = pending.pop()
            try:
                if self.title_of(window) == title and window.get_attributes().map_state == X.IsViewable:
                    return window
                pending.extend(window.query_tree().children)
            except Exception:  # a window that went away meanwhile
                continue
        return None

    def request_close(self, window):
        """WM_DELETE_WINDOW: the close box's request, not a kill."""
        protocols = self.x.intern_atom("WM_PROTOCOLS")
        delete = self.x.intern_atom("WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(event, event_mask=X.NoEventMask)
        self.x.flush()

    def close_and_wait(self, program, window, name):
        """Asks the window to close and expects its program to end with 0."""
        self.request_close(window)
        try:
            status = program.wait(timeout=15)
        except subprocess.TimeoutExpired:
            raise Failure(f"{name} did not end after its window was asked to close")
        if status != 0:
            raise Failure(f"{name} ended with status {status}")


def run_or_fail(prefix, main):
    try:
        main()
    except Failure as failure:
        print(f"{prefix}: {failure}", file=sys.stderr)
        sys.exit(1)
