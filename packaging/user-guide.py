#!/usr/bin/python3
"""Makes the user guide of the releases: the Markdown pages of docs/user/ as
one HTML page with its pictures inside it, so that it reads offline from
anywhere.

    user-guide.py DOCS_USER_DIR VERSION OUT.html

The contents page, README.md, comes first and the other pages follow in the
order it links them. Links between the pages become links within the HTML
page, and pictures become data: addresses. A link to anything outside the
guide (the developer notes, a file of the source) becomes its text and the
path in the source. A link that leads nowhere is an error: nothing is
written then.
"""
import base64
import html
import os
import re
import sys

import markdown
from markdown.extensions.toc import slugify_unicode

MEDIA_TYPES = {".png": "image/png", ".gif": "image/gif", ".jpg": "image/jpeg", ".jpeg": "image/jpeg"}
STYLE = """
body { font-family: sans-serif; max-width: 60em; margin: 1em auto; padding: 0 1em; line-height: 1.45; color: #222; }
section { border-top: 1px solid #ccc; margin-top: 2.5em; }
section:first-of-type { border-top: none; }
pre, code { font-family: monospace; background: #f4f4f4; }
pre { padding: 0.6em; overflow-x: auto; }
table { border-collapse: collapse; margin: 1em 0; }
th, td { border: 1px solid #bbb; padding: 0.3em 0.5em; vertical-align: top; text-align: left; }
img { max-width: 100%; }
"""


class GuideError(Exception):
    pass


def page_id(name):
    return "contents" if name == "README.md" else os.path.splitext(name)[0]


def linked_pages(text):
    """The .md pages a page links to, in the order of their first link."""
    pages = []
    for target in re.findall(r"\]\(([^)#\s]+\.md)(?:#[^)\s]*)?\)", text):
        if "/" not in target and target not in pages:
            pages.append(target)
    return pages


def data_address(path):
    media_type = MEDIA_TYPES.get(os.path.splitext(path)[1].lower())
    if not media_type:
        raise GuideError(f"no media type for {path}")
    with open(path, "rb") as picture:
        return f"data:{media_type};base64," + base64.b64encode(picture.read()).decode("ascii")


def page_html(directory, name, source_root):
    """The page's HTML, with its heading ids prefixed by the page's id."""
    prefix = page_id(name)
    with open(os.path.join(directory, name), encoding="utf-8") as page:
        text = page.read()
    converter = markdown.Markdown(
        extensions=["tables", "fenced_code", "toc"],
        extension_configs={"toc": {"slugify": lambda value, separator: prefix + "-" + slugify_unicode(value, separator)}},
    )
    body = converter.convert(text)

    def resolve(address):
        """Where a relative address points, as a path in the source."""
        return os.path.normpath(os.path.join(directory, html.unescape(address)))

    def picture(match):
        address = match.group(1)
        path = resolve(address)
        if not os.path.isfile(path):
            raise GuideError(f"{name}: no picture {address}")
        return f'src="{data_address(path)}"'

    def link(match):
        address, text = html.unescape(match.group(1)), match.group(2)
        if re.match(r"[a-z]+:", address):
            return match.group(0)
        target, _, fragment = address.partition("#")
        if not target:
            return f'<a href="#{prefix}-{fragment}">{text}</a>'
        path = resolve(target)
        if not os.path.exists(path):
            raise GuideError(f"{name}: the link {address} leads nowhere")
        if os.path.dirname(path) == os.path.normpath(directory) and path.endswith(".md"):
            linked = page_id(os.path.basename(path))
            return f'<a href="#{linked}-{fragment}">{text}</a>' if fragment else f'<a href="#{linked}">{text}</a>'
        if os.path.splitext(path)[1].lower() in MEDIA_TYPES:
            return f'<a href="{data_address(path)}">{text}</a>'
        in_source = os.path.relpath(path, source_root)
        return f"{text} (<code>{html.escape(in_source)}</code> in the Lumigrid source)"

    body = re.sub(r'src="([^"]+)"', picture, body)
    body = re.sub(r'<a href="([^"]+)">(.*?)</a>', link, body, flags=re.S)
    return f'<section id="{prefix}">\n{body}\n</section>\n'


def build_guide(directory, version):
    directory = os.path.normpath(directory)
    source_root = os.path.normpath(os.path.join(directory, "..", ".."))
    with open(os.path.join(directory, "README.md"), encoding="utf-8") as contents:
        pages = ["README.md"] + linked_pages(contents.read())
    unlisted = sorted(set(n for n in os.listdir(directory) if n.endswith(".md")) - set(pages))
    if unlisted:
        raise GuideError("pages not linked from README.md: " + ", ".join(unlisted))
    body = "".join(page_html(directory, name, source_root) for name in pages)

    ids = set(re.findall(r'id="([^"]+)"', body))
    for target in re.findall(r'href="#([^"]+)"', body):
        if target not in ids:
            raise GuideError(f"a link to #{target}, which no heading or page has")
    title = f"Lumigrid {version}: user guide"
    return (
        "<!DOCTYPE html>\n"
        f'<html lang="en">\n<head>\n<meta charset="utf-8">\n<title>{html.escape(title)}</title>\n'
        f"<style>{STYLE}</style>\n</head>\n<body>\n{body}</body>\n</html>\n"
    )


def main(arguments):
    if len(arguments) != 3:
        sys.stderr.write("usage: user-guide.py DOCS_USER_DIR VERSION OUT.html\n")
        return 2
    directory, version, output = arguments
    try:
        guide = build_guide(directory, version)
    except (GuideError, OSError) as error:
        sys.stderr.write(f"user-guide: {error}\n")
        return 1
    with open(output, "w", encoding="utf-8", newline="\n") as out:
        out.write(guide)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
