"""The user's side of the desktop: real key and pointer events through xdotool, window titles,
the clipboard through xclip, and screenshots. Every wait polls with a bounded timeout."""

import os
import struct
import subprocess
import time
import zlib


class Timeout(AssertionError):
    pass


def wait_for(what, condition, timeout=10.0, interval=0.05):
    """Polls condition() until it returns something true; fails naming what was awaited."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Timeout(f"timed out after {timeout:g} s waiting for {what}")
        time.sleep(interval)


def _run(*args, check=True):
    done = subprocess.run(args, capture_output=True, text=True, check=False)
    if check and done.returncode != 0:
        raise AssertionError(f"{' '.join(args)} failed: {done.stderr.strip()}")
    return done.stdout


def windows_named(pattern):
    """Ids of visible windows whose title matches the regular expression."""
    out = _run("xdotool", "search", "--onlyvisible", "--name", pattern, check=False)
    return [w for w in out.split() if w]


def window_title(window):
    return _run("xdotool", "getwindowname", window, check=False).strip()


def active_title():
    window = _run("xdotool", "getactivewindow", check=False).strip()
    return window_title(window) if window else ""


def activate(window, timeout=10.0):
    """Raises the window and gives it the keyboard, as a click on its title would."""
    _run("xdotool", "windowactivate", "--sync", window, check=False)
    wait_for(f"window {window} ({window_title(window)}) to take the keyboard",
             lambda: _run("xdotool", "getactivewindow", check=False).strip() == window, timeout)


def wait_for_window(pattern, timeout=10.0):
    """Waits until a window titled by the pattern is shown, and gives it the keyboard."""
    window = wait_for(f"a window titled /{pattern}/",
                      lambda: windows_named(f"^({pattern})$"), timeout)[-1]
    activate(window, timeout)
    return window


def wait_until_gone(pattern, timeout=10.0):
    wait_for(f"the window /{pattern}/ to close", lambda: not windows_named(f"^({pattern})$"),
             timeout)


def key(*keys):
    """Presses keys on the focused window, e.g. key("alt+f", "a")."""
    for k in keys:
        _run("xdotool", "key", "--clearmodifiers", k)
        time.sleep(0.03)


def type_text(text):
    _run("xdotool", "type", "--delay", "20", text)


def click(x, y, button=1):
    _run("xdotool", "mousemove", "--sync", str(x), str(y), "click", str(button))


def window_geometry(window):
    """(x, y, width, height) of a top-level window's client area on the screen."""
    out = _run("xdotool", "getwindowgeometry", "--shell", window)
    values = dict(line.split("=", 1) for line in out.split() if "=" in line)
    return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))


def clipboard():
    return _run("xclip", "-selection", "clipboard", "-o", check=False)


def set_clipboard(text):
    """Puts text on the clipboard, as another program's copy does."""
    subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=text.encode(), check=True)


def screenshot(path):
    """Writes the whole screen as a PNG file."""
    raw = subprocess.run(["xwd", "-root", "-silent"], capture_output=True, check=True).stdout
    width, height, pixels = _decode_xwd(raw)
    _write_png(path, width, height, pixels)
    return path


def _decode_xwd(raw):
    # XWD: a header of big-endian 32-bit fields, the window name, the colour map, the pixels.
    fields = struct.unpack(">25I", raw[:100])
    header_size, width, height, byte_order = fields[0], fields[4], fields[5], fields[7]
    step, bytes_per_line, ncolors = fields[11] // 8, fields[12], fields[19]
    if step not in (3, 4):
        raise AssertionError(f"screenshot: {step} bytes a pixel are not handled")
    # Byte positions of red, green and blue within a pixel.
    red, green, blue = (2, 1, 0) if byte_order == 0 else (step - 3, step - 2, step - 1)
    start = header_size + ncolors * 12
    rows = []
    for y in range(height):
        line = raw[start + y * bytes_per_line: start + y * bytes_per_line + width * step]
        rgb = bytearray(width * 3)
        rgb[0::3], rgb[1::3], rgb[2::3] = line[red::step], line[green::step], line[blue::step]
        rows.append(b"\x00" + bytes(rgb))
    return width, height, b"".join(rows)


def _write_png(path, width, height, scanlines):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                  chunk(b"IDAT", zlib.compress(scanlines, 6)) + chunk(b"IEND", b""))


class Program:
    """A program started for one case; stopped (and its exit awaited) when the case ends."""

    def __init__(self, args, cwd, env):
        self.log_path = os.path.join(cwd, os.path.basename(args[0]) + ".log")
        self._log = open(self.log_path, "w")
        self.process = subprocess.Popen(args, cwd=cwd, env=env, stdin=subprocess.DEVNULL,
                                        stdout=self._log, stderr=subprocess.STDOUT)

    def wait_exit(self, timeout=10.0):
        return wait_for(f"{self.process.args[0]} to end",
                        lambda: self.process.poll() is not None, timeout) and self.process.returncode

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self._log.close()
