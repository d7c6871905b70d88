#!/usr/bin/env python3
"""Fails when a translation file is not finished: it brings a copy up to date with the
sources (lupdate) and reports every unfinished, obsolete or vanished entry.

usage: check-translations.py LUPDATE SOURCE_LIST TS_FILE... [-- LUPDATE_OPTIONS...]
"""
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def problems(ts_path):
    found = []
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            kind = message.find("translation").get("type")
            if kind in ("unfinished", "obsolete", "vanished"):
                found.append(f"{kind}: {name}: {message.findtext('source')!r}")
    return found


def main(argv):
    if "--" in argv:
        cut = argv.index("--")
        argv, options = argv[:cut], argv[cut + 1:]
    else:
        options = []
    lupdate, source_list, ts_files = argv[1], argv[2], argv[3:]
    failed = False
    with tempfile.TemporaryDirectory() as work:
        for ts in ts_files:
            copy = os.path.join(work, os.path.basename(ts))
            shutil.copyfile(ts, copy)
            subprocess.run([lupdate, *options, "@" + source_list, "-ts", copy], check=True,
                           stdout=subprocess.DEVNULL)
            for problem in problems(copy):
                print(f"{os.path.basename(ts)}: {problem}")
                failed = True
    if failed:
        print("Translate the entries above in the .ts file (update_translations refreshes it "
              "from the sources; drop obsolete entries with -no-obsolete).")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
