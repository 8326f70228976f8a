# What the screen reader scripts share: a failure said once, and waiting on what the program does.
import sys
import time


def fail(why):
    print(f"FAIL: {why}", file=sys.stderr)
    sys.exit(1)


def wait_for(what, condition, seconds=10):
    """condition's answer once it has one; what, a text or a function giving one, names it if not."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = condition()
        if found:
            return found
        time.sleep(0.05)
    fail(f"no {what() if callable(what) else what} within {seconds} s")
