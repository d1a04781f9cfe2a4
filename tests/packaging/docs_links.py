#!/usr/bin/env python3
"""Every relative link and picture of README.md and docs/ leads to a file of
the repo, and a link to a heading (page.md#heading) to a heading of that page.

    docs_links.py [REPO]      (default: the repo this file is in)

Prints each link that leads nowhere, and exits 1 if there is one.
"""
import os
import re
import sys

LINK = re.compile(r"!?\[(?:[^\]\\]|\\.)*\]\(\s*<?([^)\s>]+)>?(?:\s+\"[^\"]*\")?\s*\)")


def prose(text):
    """The text without its fenced code blocks and code spans, where a
    bracket is not a link."""
    text = re.sub(r"^```.*?^```[ \t]*$", "", text, flags=re.S | re.M)
    return re.sub(r"(`+).+?\1", "", text, flags=re.S)


def heading_ids(path):
    """The ids a Markdown renderer gives the page's headings: lower case,
    punctuation dropped, spaces as dashes, repeats numbered."""
    ids, seen = set(), {}
    with open(path, encoding="utf-8") as page:
        for line in prose(page.read()).splitlines():
            match = re.match(r"#{1,6}\s+(.*?)\s*#*\s*$", line)
            if not match:
                continue
            base = re.sub(r"[^\w\- ]", "", match.group(1).lower()).replace(" ", "-")
            count = seen.get(base, 0)
            seen[base] = count + 1
            ids.add(base if count == 0 else f"{base}-{count}")
    return ids


def pages(repo):
    yield os.path.join(repo, "README.md")
    for folder, _, names in os.walk(os.path.join(repo, "docs")):
        for name in sorted(names):
            if name.endswith(".md"):
                yield os.path.join(folder, name)


def broken_links(repo):
    repo = os.path.realpath(repo)
    for page in pages(repo):
        with open(page, encoding="utf-8") as source:
            text = prose(source.read())
        for address in LINK.findall(text):
            if re.match(r"[a-zA-Z][a-zA-Z+.-]*:", address):
                continue   # a web address, not a file of the repo
            target, _, fragment = address.partition("#")
            path = os.path.realpath(os.path.join(os.path.dirname(page), target)) if target else page
            where = os.path.relpath(page, repo)
            if os.path.commonpath([repo, path]) != repo:
                yield f"{where}: {address} leads out of the repo"
            elif not os.path.exists(path):
                yield f"{where}: {address} leads to no file"
            elif fragment and path.endswith(".md") and fragment not in heading_ids(path):
                yield f"{where}: {address} names no heading of {os.path.relpath(path, repo)}"


def main(arguments):
    repo = arguments[0] if arguments else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
    broken = list(broken_links(repo))
    for line in broken:
        print(f"docs links: {line}", file=sys.stderr)
    return 1 if broken else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
