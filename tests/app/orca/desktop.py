"""A headless desktop with a real Orca for one test file.

Xvfb, a private D-Bus session bus with the accessibility bus launched on it,
speech-dispatcher speaking through espeak-ng into libao's null driver,
openbox, and Orca with its own settings, home and debug file. The program
under test runs on that desktop; the test presses keys with xdotool and reads
what Orca spoke from the "SPEECH OUTPUT" lines of its debug file.
"""

import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)?(?:\{.*\}| ?[A-Za-z]+\(.*\))?$")


class Timeout(AssertionError):
    pass


def wait_for(condition, timeout, what):
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Timeout("timed out after %g s waiting for %s" % (timeout, what))
        time.sleep(0.05)


class Desktop:
    """language: "en" or "sr" (Orca's messages, the program's locale)."""

    def __init__(self, program, language="en", timeout_scale=1.0):
        self.program = program
        self.language = language
        self.scale = timeout_scale
        self.root = tempfile.mkdtemp(prefix="otpor-orca-")
        self.processes = []  # (name, Popen), ended in reverse order
        self.app = None
        self._log_read = 0
        self._speech = []

    # --- set-up ----------------------------------------------------------------

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()

    def _dir(self, *parts, mode=0o755):
        path = os.path.join(self.root, *parts)
        os.makedirs(path, mode=mode, exist_ok=True)
        return path

    def _start(self):
        home = self._dir("home")
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": home,
            "XDG_RUNTIME_DIR": self._dir("run", mode=0o700),
            "XDG_CONFIG_HOME": self._dir("home", ".config"),
            "XDG_DATA_HOME": self._dir("home", ".local", "share"),
            "XDG_CACHE_HOME": self._dir("home", ".cache"),
            "NO_AT_BRIDGE": "0",
            "GTK_A11Y": "atspi",
        }
        for keep in ("ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS"):
            if keep in os.environ:
                self.env[keep] = os.environ[keep]
        self._set_language()
        self._start_x()
        self._start_bus()
        self._start_speech()
        self._spawn("openbox", ["openbox", "--config-file", self._openbox_config()])
        self._start_orca()

    def _set_language(self):
        if self.language == "sr":
            # Orca's messages and the toolkit's role names come through
            # gettext, which needs the locale itself: compiled here, as
            # Debian's locales package leaves it to the administrator.
            locales = self._dir("locale")
            subprocess.run(["localedef", "-i", "sr_RS@latin", "-f", "UTF-8",
                            os.path.join(locales, "sr_RS.UTF-8@latin")],
                           check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            self.env.update({"LOCPATH": locales, "LANG": "sr_RS.UTF-8@latin",
                             "LANGUAGE": "sr@latin", "LC_ALL": "sr_RS.UTF-8@latin"})
        else:
            self.env.update({"LANG": "C.UTF-8", "LANGUAGE": "en"})

    def _start_x(self):
        # No auto-repeat: a key held a little long on a busy machine is one press.
        read, write = os.pipe()
        self._spawn("Xvfb", ["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp", "-noreset",
                             "-r"], pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as pipe:
            display = pipe.readline().strip()
        if not display:
            raise RuntimeError("Xvfb gave no display")
        self.env["DISPLAY"] = ":" + display

    def _start_bus(self):
        bus = self._spawn("dbus-daemon", ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                          "--print-address=1"], stdout=subprocess.PIPE)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        self._spawn("at-spi-bus-launcher",
                    ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        wait_for(lambda: self._bus_has("org.a11y.Bus"), 20 * self.scale, "the accessibility bus")

    def _bus_has(self, name):
        out = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                              "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                              "string:" + name], env=self.env, capture_output=True, text=True)
        return "boolean true" in out.stdout

    def _start_speech(self):
        conf = self._dir("speechd")
        with open(os.path.join(conf, "speechd.conf"), "w") as f:
            f.write('AudioOutputMethod "libao"\n'
                    'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
                    'DefaultModule espeak-ng\n'
                    'DefaultLanguage "%s"\n' % self.language)
        os.symlink("/etc/speech-dispatcher/modules", os.path.join(conf, "modules"))
        with open(os.path.join(self.env["HOME"], ".libao"), "w") as f:
            f.write("default_driver=null\n")
        self._spawn("speech-dispatcher", ["speech-dispatcher", "-s", "-t", "0", "-C", conf,
                                          "-L", self._dir("speechd-log")])
        socket = os.path.join(self.env["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
        wait_for(lambda: os.path.exists(socket), 20 * self.scale, "speech-dispatcher")

    def _openbox_config(self):
        path = os.path.join(self.root, "openbox.xml")
        with open(path, "w") as f:
            f.write('<?xml version="1.0"?><openbox_config xmlns="http://openbox.org/3.4/rc">'
                    '<focus><focusNew>yes</focusNew></focus></openbox_config>\n')
        return path

    def _start_orca(self):
        prefs = self._dir("orca")
        self.log = os.path.join(self.root, "orca.log")
        self._spawn("orca", [os.path.join(HERE, "orca-logged"), "-u", prefs,
                             "--debug-file", self.log])
        wait_for(self._orca_ready, 60 * self.scale, "Orca to start")

    def _orca_ready(self):
        if not os.path.exists(self.log):
            return False
        with open(self.log, encoding="utf-8", errors="replace") as f:
            return "ORCA: Starting ATSPI registry." in f.read()

    def _spawn(self, name, args, **kwargs):
        kwargs.setdefault("stdout", subprocess.DEVNULL)
        err = open(os.path.join(self.root, name + ".err"), "w")
        p = subprocess.Popen(args, env=kwargs.pop("env", self.env), stderr=err,
                             start_new_session=True, **kwargs)
        err.close()
        self.processes.append((name, p))
        return p

    # --- the program -------------------------------------------------------------

    def start_program(self, args=(), cwd=None):
        env = dict(self.env, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_QPA_PLATFORM="xcb")
        self.app = self._spawn("program", [self.program, *args], env=env, cwd=cwd or self.root)
        return self.app

    def program_alive(self):
        return self.app is not None and self.app.poll() is None

    # --- keys and speech ---------------------------------------------------------

    def key(self, *keys, delay=0):
        """Presses each key (xdotool names: Tab, shift+F10, Down...)."""
        for k in keys:
            subprocess.run(["xdotool", "key", k], env=self.env, check=True)
            if delay:
                time.sleep(delay)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "60", text], env=self.env, check=True)

    def speech(self):
        """Every line Orca has spoken so far."""
        with open(self.log, encoding="utf-8", errors="replace") as f:
            f.seek(self._log_read)
            chunk = f.read()
        end = chunk.rfind("\n") + 1
        self._log_read += len(chunk[:end].encode("utf-8"))
        for line in chunk[:end].splitlines():
            m = SPEECH.search(line)
            if m:
                self._speech.append(m.group(1))
        return self._speech

    def mark(self):
        return len(self.speech())

    def said_since(self, mark):
        return self.speech()[mark:]

    def wait_said(self, pattern, since=0, timeout=10):
        """The first spoken line since `since` that matches the pattern."""
        regex = re.compile(pattern)

        def found():
            for line in self.speech()[since:]:
                if regex.search(line):
                    return line
            if not self.program_alive() and self.app is not None:
                raise AssertionError("the program ended (status %s)" % self.app.poll())
            return None

        try:
            return wait_for(found, timeout * self.scale, repr(pattern))
        except Timeout as e:
            raise Timeout("%s; Orca said since then:\n  %s" % (e, "\n  ".join(self.speech()[since:])))

    def say_after(self, keys, pattern, timeout=10):
        """Presses the keys and waits for Orca to say the pattern."""
        since = self.mark()
        self.key(*keys)
        return self.wait_said(pattern, since, timeout)

    # --- ending ------------------------------------------------------------------

    def close(self):
        transcript = os.environ.get("OTPOR_ORCA_TRANSCRIPT")
        if transcript and self.processes:
            with open(transcript, "a", encoding="utf-8") as f:
                f.write("\n".join(self.speech()) + "\n")
        # Orca ignores SIGTERM: every process gets SIGKILL, and each is waited
        # for, so that nothing of this desktop outlives the test.
        for name, p in reversed(self.processes):
            if p.poll() is None:
                try:
                    os.killpg(p.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
            try:
                p.wait(timeout=10)
            except subprocess.TimeoutExpired:
                pass
            if p.stdout:
                p.stdout.close()
        self.processes = []
        if os.environ.get("OTPOR_ORCA_KEEP"):
            print("desktop kept in", self.root)
        else:
            shutil.rmtree(self.root, ignore_errors=True)
