#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The shipped translations are complete and well formed.

    check_translations.py LUPDATE LRELEASE SOURCE_DIR TS_FILE... -- SOURCE...

lupdate reads the desktop half's sources afresh into a scratch .ts: every
text found there must be in every shipped .ts, with nothing else, finished
(lrelease must report 0 unfinished), with the same placeholders (%1, %d,
%+.1f), the same line breaks, and an access key wherever the source has one.
"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:\d|[-+ 0#]*\d*(?:\.\d+)?[dfsu])")


def messages(path):
    result = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.findall("message"):
            key = (name, message.findtext("source"), message.findtext("comment") or "")
            result[key] = message.find("translation")
    return result


def access_key(text):
    """The character after a single '&' ("Bass & Lead" has none), or None."""
    i = 0
    while i < len(text) - 1:
        if text[i] == "&":
            if text[i + 1] == "&":
                i += 2
                continue
            if not text[i + 1].isspace():
                return text[i + 1]
        i += 1
    return None


def main():
    args = sys.argv[1:]
    split = args.index("--")
    lupdate, lrelease, source_dir = args[:3]
    ts_files = args[3:split]
    sources = args[split + 1:]
    problems = []
    with tempfile.TemporaryDirectory() as scratch:
        fresh = os.path.join(scratch, "fresh.ts")
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", "-no-ui-lines",
                        "-I", source_dir, *sources, "-ts", fresh], check=True)
        expected = set(messages(fresh))
        if len(expected) < 100:
            problems.append(f"lupdate found only {len(expected)} texts")
        for ts in ts_files:
            name = os.path.basename(ts)
            shipped = messages(ts)
            for key in sorted(expected - set(shipped)):
                problems.append(f"{name}: missing {key}")
            for key in sorted(set(shipped) - expected):
                problems.append(f"{name}: not in the sources any more {key}")
            for key, translation in shipped.items():
                text = translation.text or "" if translation is not None else ""
                kind = translation.get("type") if translation is not None else "missing"
                source = key[1]
                if kind or not text:
                    problems.append(f"{name}: {kind or 'empty'} {key}")
                    continue
                if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
                    problems.append(f"{name}: placeholders differ in {key}: {text!r}")
                if source.count("\n") != text.count("\n") or source.endswith("\n") != text.endswith("\n"):
                    problems.append(f"{name}: line breaks differ in {key}: {text!r}")
                if (access_key(source) is None) != (access_key(text) is None):
                    problems.append(f"{name}: access key differs in {key}: {text!r}")
            out = subprocess.run([lrelease, ts, "-qm", os.path.join(scratch, name + ".qm")],
                                 check=True, capture_output=True, text=True).stdout
            print(out.strip())
            if not re.search(r"\(\d+ finished and 0 unfinished\)", out):
                problems.append(f"{name}: lrelease says {out.strip()!r}")
    for problem in problems:
        print(problem)
    print(f"{len(expected)} texts, {len(ts_files)} translations, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
