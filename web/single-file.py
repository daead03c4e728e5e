#!/usr/bin/env python3
"""Writes the built page as one HTML file that works opened from a disk.

    single-file.py SITE-FOLDER OUTPUT.html

A browser fetches nothing for a page opened as a file: the style sheet (with
its face as a data URL), the script and the WebAssembly module (as base64,
which the script hands to the module) are inlined; what only a served site
has (the manifest, its icons, the service worker) is left out.
"""
import base64
import os
import re
import sys


def read(site, name, mode="r"):
    with open(os.path.join(site, name), mode) as f:
        return f.read()


def data_url(site, name, kind):
    return "data:%s;base64,%s" % (kind, base64.b64encode(read(site, name, "rb")).decode("ascii"))


def main(site, output):
    page = read(site, "index.html")

    def style(match):
        css = read(site, match.group(1))
        css = re.sub(r'url\("(fonts/[^"]+\.woff2)"\)', lambda m: 'url("%s")' % data_url(site, m.group(1), "font/woff2"), css)
        return "<style>\n%s</style>" % css

    def script(match):
        name = match.group(1)
        if name == "offline.js":
            return ""
        # Nothing inside may close the element early.
        code = read(site, name).replace("</script", "<\\/script")
        wasm = base64.b64encode(read(site, "otpor.wasm", "rb")).decode("ascii")
        return '<script>window.otporWasm = "%s";</script>\n<script type="module">\n%s</script>' % (wasm, code)

    page = re.sub(r'<link rel="stylesheet" href="([^"]+)">', style, page)
    page = re.sub(r'<script type="module" src="([^"]+)"></script>', script, page)
    page = re.sub(r'<link rel="manifest"[^>]*>\n?', "", page)
    page = re.sub(r'<link rel="icon"[^>]*>\n?', "", page)
    page = re.sub(r'<link rel="preload"[^>]*>\n?', "", page)
    for left in ('src="', 'href="'):
        for match in re.finditer(left + r'([^"#:]+\.(?:js|css|mjs|wasm|webmanifest|png))"', page):
            sys.exit("single-file.py: %s is still fetched" % match.group(1))

    temporary = output + ".part"
    with open(temporary, "w") as f:
        f.write(page)
    os.replace(temporary, output)  # whole or not at all


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
