#!/usr/bin/env python3
"""End to end: the help links of the real program lead to its built-in site.

The program runs under its own X server with a recording browser on PATH (an
xdg-open and BROWSER stand-in that writes each address it is given). The test
clicks the G key of the keyboard picture and the about dialog's query button,
fetches each recorded address over HTTP and renders it in headless Chromium:
the page must have the expected heading and every picture on it must load.

Exit status 0 passes, 77 skips (no X server, xdotool or chromium), anything else fails.
"""

import argparse
import os
import shutil
import sys
import tempfile
import time
import urllib.request

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import cdp  # noqa: E402
import radiane_e2e as e2e  # noqa: E402

# Client coordinates: the centre of the G key's click area (the keyboard picture
# starts at (180, 2940) twips in the window) and the about dialog's query button.
G_KEY = (e2e.px(180 + 5340 + 487), e2e.px(2940 + 1260 + 457))
QUERY_BUTTON = (e2e.px(4740 + 622), e2e.px(1830 + 157))

RECORDER = """#!/bin/sh
for a in "$@"; do printf '%s\\n' "$a" >> "{log}"; done
"""


def recorded(log, count):
    if not os.path.exists(log):
        return None
    lines = open(log).read().split()
    return lines if len(lines) >= count else None


def check_page(browser, url, heading, shots, name):
    problems = []
    with urllib.request.urlopen(url, timeout=10) as reply:
        if reply.status != 200 or not reply.headers["Content-Type"].startswith("text/html"):
            problems.append("%s: %s %s" % (url, reply.status, reply.headers["Content-Type"]))
    report = browser.load(url)
    browser.screenshot(os.path.join(shots, name + ".png"))
    if not report["heading"].startswith(heading):
        problems.append("%s: heading %r, expected %r" % (url, report["heading"], heading))
    if report["notice"]:
        problems.append("%s: %s" % (url, report["notice"]))
    if report["images"] == 0 or report["broken"]:
        problems.append("%s: %d pictures, not loaded: %s" % (url, report["images"],
                                                             report["broken"][:5]))
    return problems


def run(args):
    work = tempfile.mkdtemp(prefix="radiane-site-e2e-")
    shots = os.path.join(args.artifacts, "site")
    os.makedirs(shots, exist_ok=True)
    folder = e2e.make_program_folder(args.program, os.path.join(work, "program"))
    bin_dir = os.path.join(work, "bin")
    os.makedirs(bin_dir)
    log = os.path.join(work, "opened.txt")
    recorder = os.path.join(bin_dir, "xdg-open")
    with open(recorder, "w") as f:
        f.write(RECORDER.replace("{log}", log))
    os.chmod(recorder, 0o755)

    session = e2e.XSession(work)
    session.env = dict(session.env, PATH=bin_dir + os.pathsep + os.environ["PATH"],
                       BROWSER=recorder)
    app = browser = None
    problems = []
    try:
        app = e2e.Radiane(session, folder, os.path.join(work, "radiane.log"))
        app.wait_main_window()
        app.click(G_KEY)
        e2e.poll(lambda: recorded(log, 1), 30, "the G key to open an address")
        app.click(e2e.ABOUT_BUTTON)
        about = session.wait_window(e2e.ABOUT_TITLE)
        # The query box has the focus: Down picks the first example, 拜.
        session.xdo("mousemove", "--window", about, 5, 5)
        app.key("Down")
        app.click(QUERY_BUTTON, window=about)
        key_url, query_url = e2e.poll(lambda: recorded(log, 2), 30, "the query address")[:2]
        session.screenshot(os.path.join(shots, "program.png"))

        if not key_url.startswith("http://127.0.0.1:") or not key_url.endswith("/wbwz/g.htm"):
            problems.append("the G key opened %s" % key_url)
        if not query_url.endswith("/wbcx/search.asp?page=1&type=title&searchtxt=%B0%DD"):
            problems.append("the query button opened %s" % query_url)
        browser = cdp.Browser()
        problems += check_page(browser, key_url, "G 键（11）", shots, "key-g")
        problems += check_page(browser, query_url, "“拜”的五笔编码", shots, "query")
    except (e2e.Failure, RuntimeError, OSError) as failure:
        problems.append(str(failure))
    finally:
        if browser:
            browser.close()
        if app:
            app.kill()
        session.close()
    if not problems:
        shutil.rmtree(work, ignore_errors=True)
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", default=os.environ.get("RADIANE_PROGRAM_DIR"))
    parser.add_argument("--artifacts", default=os.path.join(os.getcwd(), "e2e-artifacts"))
    args = parser.parse_args()
    for tool in ("Xvfb", "xdotool", "xprop", "chromium"):
        if not shutil.which(tool):
            print("SKIP: %s is not installed (scripts/install-deps installs it)" % tool)
            return e2e.SKIP
    started = time.monotonic()
    problems = run(args)
    print("site took %.1f s" % (time.monotonic() - started))
    for p in problems:
        print("  - " + p)
    print("FAILED" if problems else "passed")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
