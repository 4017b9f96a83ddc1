# A private X server for one run (Xvfb), the clients started on it, and what
# a window manager would do with their windows: find one by title, see it
# mapped, ask it to close.

import os
import subprocess
import sys
import tempfile
import time

from Xlib import X, display, protocol


class Failure(Exception):
    pass


# probe()'s first true answer; a Failure after `seconds`, or once `program` has ended.
def wait_for(what, seconds, probe, program=None):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if program and program.poll() is not None:
            raise Failure(f"{program.args[0]} ended with status {program.returncode} while waiting for {what}")
        found = probe()
        if found:
            return found
        time.sleep(0.05)
    raise Failure(f"timed out waiting for {what}")


# with XvfbSession() as session: session.x is the connection,
# session.environment what a client started on it needs. Clients started
# with start() that still run when the session ends are killed.
class XvfbSession:
    def __enter__(self):
        self.programs = []
        # A runtime directory of the session's own (mode 0700), as a desktop
        # session gives its clients; root's shell under CI has none.
        self.runtime = tempfile.TemporaryDirectory(prefix="relwiz-xdg-")
        # Xvfb picks a free display itself and writes its number once it
        # accepts connections.
        ready, told = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(told), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            pass_fds=[told], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(told)
        with os.fdopen(ready) as pipe:
            number = pipe.readline().strip()
        if not number:
            self.__exit__()
            raise Failure(f"Xvfb ended with status {self.server.returncode} before taking a display")
        self.number = int(number)
        self.x = display.Display(f":{number}")
        self.environment = dict(os.environ, DISPLAY=f":{number}", QT_QPA_PLATFORM="xcb",
                                XDG_RUNTIME_DIR=self.runtime.name)
        self.environment.pop("WAYLAND_DISPLAY", None)
        return self

    def __exit__(self, *_):
        for program in self.programs:
            if program.poll() is None:
                program.kill()
                program.wait()
        self.server.terminate()
        self.server.wait()
        self.runtime.cleanup()

    # Starts a client and returns it with its window, once shown.
    def start(self, command, title, **environment):
        program = subprocess.Popen(command, env=dict(self.environment, **environment))
        self.programs.append(program)
        return program, wait_for(f"the window {title!r}", 30, lambda: self.window_titled(title), program)

    def title_of(self, window):
        name = window.get_full_property(self.x.intern_atom("_NET_WM_NAME"), self.x.intern_atom("UTF8_STRING"))
        return name.value.decode("utf-8", "replace") if name else window.get_wm_name()

    # The viewable window with this title, or None.
    def window_titled(self, title):
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

    # Asks the window to close as its close box would (WM_DELETE_WINDOW, not
    # a kill) and expects its program to end with 0.
    def close_and_wait(self, program, window, name):
        event = protocol.event.ClientMessage(
            window=window, client_type=self.x.intern_atom("WM_PROTOCOLS"),
            data=(32, [self.x.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
        window.send_event(event, event_mask=X.NoEventMask)
        self.x.flush()
        wait_for(f"{name} to end after its window was asked to close", 15, lambda: program.poll() is not None)
        if program.returncode != 0:
            raise Failure(f"{name} ended with status {program.returncode}")


def run_or_fail(prefix, main):
    try:
        main()
    except Failure as failure:
        print(f"{prefix}: {failure}", file=sys.stderr)
        sys.exit(1)
