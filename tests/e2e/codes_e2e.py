#!/usr/bin/env python3
"""End-to-end run of the code drill: radiane --codes under its own X server.

The learner chooses the full-code level and types the codes of twenty characters
(the space bar after a code shorter than four keys): each character is told by
its picture among the most frequent ones, and its code read from the shipped
files. The painting is checked by colour: the character's
radicals are grey until their keys are typed and black after, and the last
character done stays in view with no grey left.

Exit status 0 passes, 77 skips (no X server or xdotool), anything else fails.
"""

import argparse
import os
import shutil
import struct
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from radiane_e2e import SKIP, Failure, XSession, make_program_folder, poll  # noqa: E402

TITLE = "编码练习　（Esc键返回）"
FULL_CODES = (24 + 240 + 10, 24)  # the third level button
CHARACTER = (24, 48, 112, 113)    # the character's picture
PREVIOUS = (536, 48, 112, 113)    # the last character done
CODES = 20


def candidates(folder, count):
    """The most frequent pictured characters, where the full-code level starts: code, fills, ink."""
    data = open(os.path.join(folder, "wwbb11.dat"), "rb").read()
    records = {}
    for i in range(len(data) // 302):
        record = data[i * 302:(i + 1) * 302]
        seeds = [record[14 + 72 * k:86 + 72 * k].strip() for k in range(4)]
        records[record[:2].decode("gbk")] = (record[2:6].decode().strip(), seeds)
    found = {}
    for line in open(os.path.join(folder, "frequency.txt"), encoding="utf-8"):
        c = line.strip()
        path = os.path.join(folder, "bmp", c + ".bmp")
        if c and not c.startswith("#") and c in records and records[c][1][0] and os.path.isfile(path):
            found[c] = records[c] + (bmp_ink(path),)
        if len(found) == count:
            break
    return found


def bmp_ink(path):
    """The pixels of an uncompressed bottom-up palette BMP that are not white."""
    data = open(path, "rb").read()
    offset, = struct.unpack_from("<I", data, 10)
    width, height, bits = struct.unpack_from("<iixxH", data, 18)
    stride, mask = (width * bits + 31) // 32 * 4, (1 << bits) - 1
    white = [data[i:i + 3] == b"\xff\xff\xff" for i in range(54, offset, 4)]
    return {(x, height - 1 - row) for row in range(height) for x in range(width)
            if not white[data[offset + row * stride + x * bits // 8] >> (8 - bits - x * bits % 8) & mask]}


def shown(pic, found):
    """The candidate whose picture the character area shows."""
    x0, y0, w, h = CHARACTER
    ink = {(x, y) for y in range(h) for x in range(w) if pic.pixel(x0 + x, y0 + y) != (255, 255, 255)}
    return max(found, key=lambda c: len(ink & found[c][2]) / max(1, len(ink | found[c][2])))


def counts(pic, area):
    """Black and grey pixels of an area."""
    x0, y0, w, h = area
    black = grey = 0
    for y in range(y0, y0 + h):
        for x in range(x0, x0 + w):
            r, g, b = pic.pixel(x, y)
            black += r < 40 and g < 40 and b < 40
            grey += 100 <= r <= 160 and abs(r - g) < 8 and abs(g - b) < 8
    return black, grey


def run(args):
    work = tempfile.mkdtemp(prefix="radiane-codes-e2e-")
    artifacts = os.path.join(args.artifacts, "codes")
    os.makedirs(artifacts, exist_ok=True)
    session = XSession(work)
    proc = None
    problems = []
    try:
        folder = make_program_folder(args.program, os.path.join(work, "program"))
        for name in ("frequency.txt", "zg2forms.txt"):
            shutil.copy2(os.path.join(args.program, name), folder)
        log = open(os.path.join(artifacts, "radiane.log"), "wb")
        proc = subprocess.Popen([os.path.join(folder, "radiane"), "--codes"],
                                env=dict(session.env, QT_QPA_PLATFORM="xcb"), stdout=log,
                                stderr=subprocess.STDOUT, cwd="/")
        window = session.wait_window(TITLE, 90)
        session.xdo("windowactivate", "--sync", window, check=False)

        def picture():
            pic = session.x.picture(window)
            if pic is None:
                raise Failure("the code drill's window cannot be read")
            return pic

        def settled(area, predicate, what):
            return poll(lambda: (lambda c: c if predicate(c) else None)(counts(picture(), area)),
                        20, what)

        session.xdo("mousemove", "--window", window, *FULL_CODES)
        session.xdo("click", 1)
        found = candidates(folder, 2 * CODES)
        for n in range(CODES):
            black, grey = settled(CHARACTER, lambda c: c[0] == 0 and c[1] > 100,
                                  "character %d shown grey" % (n + 1))
            character = shown(picture(), found)
            code, seeds = found[character][:2]
            keys = list(code) + (["space"] if len(code) < 4 else [])
            session.xdo("key", "--window", window, keys[0])
            if seeds[0]:
                painted = settled(CHARACTER, lambda c: c[0] > 30,
                                  "the first radical of %s painted" % character)
                if painted[1] >= grey:
                    problems.append("%s: grey did not turn black (%r -> %r)"
                                    % (character, (black, grey), painted))
                if n == 1:
                    session.screenshot(os.path.join(artifacts, "part-way.png"))
            session.xdo("key", "--delay", 30, "--window", window, *keys[1:])
            if n < CODES - 1:
                poll(lambda: counts(picture(), PREVIOUS)[0] > 0, 20, "%s done" % character)
        done = settled(PREVIOUS, lambda c: c[0] > 100 and c[1] == 0,
                       "the last of %d characters all painted" % CODES)
        print("typed %d codes; the last character done: %d black pixels, no grey" % (CODES, done[0]))
        session.screenshot(os.path.join(artifacts, "after-%d.png" % CODES))
    except Failure as e:
        problems.append(str(e))
        session.screenshot(os.path.join(artifacts, "failure.png"))
    finally:
        if proc and proc.poll() is None:
            proc.kill()
            proc.wait()
        session.close()
        shutil.rmtree(work, ignore_errors=True)
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", default=os.environ.get("RADIANE_PROGRAM_DIR"))
    parser.add_argument("--artifacts", default=os.path.join(os.getcwd(), "e2e-artifacts"))
    args = parser.parse_args()
    if not args.program or not os.path.isfile(os.path.join(args.program, "radiane")):
        print("no built program folder (set RADIANE_PROGRAM_DIR)")
        return 1
    for tool in ("Xvfb", "xdotool", "xprop"):
        if not shutil.which(tool):
            print("SKIP: %s is not installed (scripts/install-deps installs it)" % tool)
            return SKIP
    problems = run(args)
    if problems:
        print("FAILED:")
        for p in problems:
            print("  - " + p)
        return 1
    print("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
