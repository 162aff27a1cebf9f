#!/usr/bin/env python3
"""What a screen reader is given for exported SVG charts: each file opened in
headless Chromium, whose accessibility tree (read over the DevTools protocol on
a pipe) must name the picture by its <title>, describe it by its <desc> (once,
not again in the name), and hold an image for each slice named by the slice's
aria-label.
Usage: svg_accessibility.py FILE.svg ..."""
import html
import json
import os
import re
import subprocess
import sys
import tempfile
import time


class Browser:
    """Headless Chromium driven over --remote-debugging-pipe: commands go to its
    descriptor 3 and answers come from its descriptor 4, NUL-separated JSON."""

    def __init__(self, profile):
        to_browser, self._write = os.pipe()
        self._read, from_browser = os.pipe()

        def descriptors():
            os.dup2(to_browser, 3)
            os.dup2(from_browser, 4)
            os.set_inheritable(3, True)
            os.set_inheritable(4, True)

        self._process = subprocess.Popen(
            ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--user-data-dir=" + profile, "--remote-debugging-pipe", "--force-renderer-accessibility",
             "about:blank"],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            close_fds=False, preexec_fn=descriptors)
        os.close(to_browser)
        os.close(from_browser)
        self._pending = b""
        self._next = 0

    def call(self, method, params=None, session=None):
        self._next += 1
        message = {"id": self._next, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self._write, json.dumps(message).encode() + b"\0")
        while True:
            while b"\0" in self._pending:
                raw, self._pending = self._pending.split(b"\0", 1)
                answer = json.loads(raw)
                if answer.get("id") == self._next:
                    if "error" in answer:
                        raise RuntimeError(f"{method}: {answer['error']}")
                    return answer["result"]
            chunk = os.read(self._read, 1 << 16)
            if not chunk:
                raise RuntimeError("Chromium closed its pipe")
            self._pending += chunk

    def close(self):
        try:
            self.call("Browser.close")
        except RuntimeError:
            pass
        self._process.wait(timeout=30)


def tree_of(browser, path):
    target = browser.call("Target.createTarget", {"url": "file://" + os.path.realpath(path)})["targetId"]
    session = browser.call("Target.attachToTarget", {"targetId": target, "flatten": True})["sessionId"]
    browser.call("Accessibility.enable", session=session)
    # The tree fills in once the document has loaded.
    for _ in range(50):
        nodes = browser.call("Accessibility.getFullAXTree", session=session)["nodes"]
        if any(n.get("role", {}).get("value") == "image" for n in nodes if not n.get("ignored")):
            return nodes
        time.sleep(0.1)
    return nodes


def check(browser, path):
    svg = open(path, encoding="utf-8").read()
    title = html.unescape(re.search(r"<title[^>]*>(.*?)</title>", svg, re.S).group(1))
    desc = html.unescape(re.search(r"<desc[^>]*>(.*?)</desc>", svg, re.S).group(1))
    slices = [html.unescape(s) for s in re.findall(r'<g role="img" aria-label="([^"]*)"', svg)]
    images = [n for n in tree_of(browser, path)
              if not n.get("ignored") and n.get("role", {}).get("value") == "image"]
    problems = []
    if not images:
        return ["no image in the accessibility tree"]
    root = images[0]
    name = root.get("name", {}).get("value", "")
    description = root.get("description", {}).get("value", "")
    if name != title:
        problems.append(f"the picture is named {name[:60]!r}…, not by its title {title!r}")
    if description != desc:
        problems.append(f"the picture is described as {description[:60]!r}…, not by its description")
    named = [n.get("name", {}).get("value", "") for n in images[1:]]
    if named != slices:
        problems.append(f"{len(named)} slice images named {named[:3]}…, not the {len(slices)} slices")
    return problems


def main():
    failed = False
    with tempfile.TemporaryDirectory() as profile:
        browser = Browser(profile)
        try:
            for path in sys.argv[1:]:
                problems = check(browser, path)
                print(f"{os.path.basename(path):32s} " + ("; ".join(problems) if problems else
                      "named by its title, described by its slices, an image a slice"))
                failed = failed or bool(problems)
        finally:
            browser.close()
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
