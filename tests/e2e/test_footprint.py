"""What the native program touches outside itself, traced with strace over a whole run: it must
create and write no file, and open no connection except two that are its business:

- the X server's socket (/tmp/.X11-unix/X<display>, or the same name in the abstract namespace),
  which every X11 client connects to;
- the single-instance claim: a bind of the abstract UNIX socket K_OPENGL_SCREENSAVER-<uid>, made
  by the starts that refuse a second instance (no switch here; /s and /c make none).
"""
import os
import re
import subprocess

import pytest

from conftest import NATIVE, exit_time, focus, wait_for_window, xdotool

# Every call that names a file, and every call that makes or uses a socket address.
TRACED = "trace=%file,socket,socketpair,connect,bind,listen,accept,accept4,sendto"
WRITE_FLAGS = re.compile(r"\bO_(WRONLY|RDWR|CREAT|TRUNC|APPEND)\b")
CREATING_CALLS = {"creat", "mkdir", "mkdirat", "mknod", "mknodat", "rename", "renameat", "renameat2", "link",
                  "linkat", "symlink", "symlinkat", "unlink", "unlinkat", "rmdir", "truncate", "chmod", "fchmodat",
                  "chown", "lchown", "fchownat", "utime", "utimes", "utimensat", "futimesat", "setxattr",
                  "lsetxattr", "removexattr", "lremovexattr"}
CALL = re.compile(r"^\d+\s+(\w+)\((.*)$")
SUN_PATH = re.compile(r'sun_path=(@?)"([^"]*)"')


def traced_run(tmp_path, args, interact):
    """Runs the native program under strace; returns its exit code, its output and the calls."""
    log = tmp_path / "trace.txt"
    env = dict(os.environ)
    env.pop("MESA_SHADER_CACHE_DISABLE", None)  # the program must keep the driver's cache off itself
    process = subprocess.Popen(["strace", "-f", "-qq", "-e", TRACED, "-o", str(log), str(NATIVE), *args],
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env)
    try:
        interact(process)
        stdout, _ = process.communicate(timeout=30)
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
    calls = [m.groups() for m in map(CALL.match, log.read_text().splitlines()) if m]
    return process.returncode, stdout.decode(), calls


def draw_then_press_a_key(process):
    window = wait_for_window(timeout=30)
    assert process.poll() is None
    focus(window)
    xdotool("key", "space")
    assert exit_time(process, timeout=20) is not None, "the program did not end on a key"


def writes(calls):
    found = []
    for name, rest in calls:
        if name in ("open", "openat", "openat2") and WRITE_FLAGS.search(rest.split(")")[0]):
            found.append(f"{name}({rest}")
        elif name in CREATING_CALLS:
            found.append(f"{name}({rest}")
    return found


def display_socket():
    number = os.environ["DISPLAY"].split(":")[1].split(".")[0]
    return f"/tmp/.X11-unix/X{number}"


def foreign_connections(calls):
    """Sockets of a family other than UNIX, connections other than the X server's, and binds other
    than the single-instance claim."""
    claim = f"K_OPENGL_SCREENSAVER-{os.getuid()}"
    found = []
    for name, rest in calls:
        if name == "socket" and not rest.startswith("AF_UNIX"):
            found.append(f"{name}({rest}")
        elif name in ("connect", "sendto") and "sun_path" in rest:
            _, path = SUN_PATH.search(rest).groups()
            if path != display_socket():
                found.append(f"{name}({rest}")
        elif name == "sendto" and "sa_family" in rest:
            found.append(f"{name}({rest}")
        elif name == "bind":
            match = SUN_PATH.search(rest)
            if not match or match.groups() != ("@", claim):
                found.append(f"{name}({rest}")
        elif name in ("listen", "accept", "accept4", "socketpair"):
            found.append(f"{name}({rest}")
    return found


@pytest.mark.parametrize("args", [["/s"], []], ids=["run", "no-switch"])
def test_a_full_run_writes_nothing_and_connects_only_to_the_x_server(tmp_path, args):
    code, _, calls = traced_run(tmp_path, args, draw_then_press_a_key)
    assert code == 0
    assert any(name == "connect" and display_socket() in rest for name, rest in calls), \
        "the trace shows no connection to the X server, so it did not see the run"
    assert writes(calls) == []
    assert foreign_connections(calls) == []
    binds = [rest for name, rest in calls if name == "bind"]
    assert len(binds) == (0 if args == ["/s"] else 1), "only a start without a switch claims the name"


def test_configure_mode_prints_its_texts_and_touches_nothing(tmp_path):
    code, stdout, calls = traced_run(tmp_path, ["/c"], lambda process: None)
    assert code == 0
    assert stdout.strip(), "the About texts were not printed"
    assert writes(calls) == []
    assert [name for name, _ in calls if name in ("socket", "connect", "bind")] == []
