"""A desktop for one run of the game with a screen reader's view of it.

Starts a private X server, a session bus, the accessibility bus and a window manager,
then the game; records what an AT-SPI client receives from it. Keys go in through the
X server, as a player's would.
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time


class BusUnavailable(Exception):
    """The X server, the session bus or the accessibility bus did not start."""


def _read_line(pipe, what, timeout=60):
    import select
    ready, _, _ = select.select([pipe], [], [], timeout)
    if not ready:
        raise BusUnavailable(f"{what} gave no answer in {timeout} s")
    line = pipe.readline().strip()
    if not line:
        raise BusUnavailable(f"{what} ended without an answer")
    return line


class Desktop:
    def __init__(self):
        self.processes = []
        self.folder = tempfile.mkdtemp(prefix="tessaron-reader-")
        self.env = dict(os.environ)

    def start(self):
        # Stopped from outside (a test timeout), the desktop is still taken down.
        signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
        for tool in ("Xvfb", "dbus-daemon", "xdotool"):
            if not shutil.which(tool):
                raise BusUnavailable(f"{tool} is not installed")
        launcher = "/usr/libexec/at-spi-bus-launcher"
        if not os.path.exists(launcher):
            raise BusUnavailable(f"{launcher} is missing (at-spi2-core)")
        read_fd, write_fd = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1600x1000x24", "-nolisten", "tcp"],
                                pass_fds=(write_fd,), stderr=subprocess.DEVNULL)
        os.close(write_fd)
        self.processes.append(xvfb)
        with os.fdopen(read_fd) as pipe:
            self.env["DISPLAY"] = ":" + _read_line(pipe, "Xvfb")
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"],
                               stdout=subprocess.PIPE, text=True, env=self.env)
        self.processes.append(bus)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = _read_line(bus.stdout, "dbus-daemon")
        home = os.path.join(self.folder, "home")
        os.makedirs(os.path.join(home, ".config"))
        self.env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                        XDG_RUNTIME_DIR=self.folder, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                        QT_ACCESSIBILITY="1", NO_AT_BRIDGE="0", SDL_AUDIODRIVER="dummy",
                        LANG="C.UTF-8", LC_ALL="C.UTF-8")
        self.env.pop("QT_QPA_PLATFORM", None)
        self.processes.append(subprocess.Popen([launcher, "--launch-immediately"], env=self.env,
                                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        # The AT-SPI client of this process uses the same buses.
        os.environ.update({k: self.env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "HOME",
                                                     "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR")})
        deadline = time.monotonic() + 60
        while True:
            probe = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                                    "org.a11y.Bus.GetAddress"], env=self.env, capture_output=True, text=True)
            if probe.returncode == 0:
                break
            if time.monotonic() > deadline:
                raise BusUnavailable("the accessibility bus did not start: " + probe.stderr.strip())
            time.sleep(0.2)
        if shutil.which("openbox") and not os.environ.get("TESSARON_NO_WM"):
            self.processes.append(subprocess.Popen(["openbox"], env=self.env, stdout=subprocess.DEVNULL,
                                                   stderr=subprocess.DEVNULL))

    def spawn(self, arguments, **kwargs):
        process = subprocess.Popen(arguments, env=self.env, **kwargs)
        self.processes.append(process)
        return process

    def key(self, *keys):
        for key in keys:
            subprocess.run(["xdotool", "key", "--clearmodifiers", key], env=self.env, check=True)
            time.sleep(0.05)

    def stop(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(10)
                except subprocess.TimeoutExpired:
                    process.kill()
        shutil.rmtree(self.folder, ignore_errors=True)


class Listener:
    """What a reader receives: each event as (type, role, name, detail1); for each focus on a
    tile also (event index, its place)."""

    TYPES = ("object:state-changed:showing", "object:state-changed:focused", "object:state-changed:selected",
             "object:state-changed:checked", "focus:", "object:property-change:accessible-name",
             "object:property-change:accessible-value", "window:activate")

    def __init__(self):
        import pyatspi
        from gi.repository import GLib
        self.pyatspi = pyatspi
        self.context = GLib.MainContext.default()
        self.events = []
        self.places = []
        pyatspi.Registry.registerEventListener(self._heard, *self.TYPES)

    def _heard(self, event):
        try:
            source = event.source
            role = source.getRoleName() if source else ""
            name = source.name if source else ""
        except Exception:  # the object may be gone already
            role, name = "", ""
        self.events.append((event.type, role, name, event.detail1))
        if event.type == "focus:" and role == "list item":
            try:
                self.places.append((len(self.events) - 1, source.description))
            except Exception:
                pass

    def pump(self, seconds=0.0):
        end = time.monotonic() + seconds
        while True:
            while self.context.iteration(False):
                pass
            if time.monotonic() >= end:
                return
            time.sleep(0.02)

    def wait_for(self, predicate, timeout=90, start=0):
        """The first event from index start on that the predicate accepts, or None."""
        deadline = time.monotonic() + timeout
        index = start
        while True:
            self.pump()
            while index < len(self.events):
                if predicate(self.events[index]):
                    return index
                index += 1
            if time.monotonic() > deadline:
                return None
            time.sleep(0.05)

    def mark(self):
        return len(self.events)

    def application(self, name):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        return None
