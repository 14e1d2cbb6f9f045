#!/usr/bin/env python3
"""Writes a zip whose bytes follow from its files' bytes alone:
    write-zip.py ZIP EPOCH STAGE NAME...
takes each NAME (a path below STAGE) in the order given, all with the time
EPOCH (seconds, written as UTC; zip dates start in 1980), mode 0755 for a
program (.exe) and 0644 for the rest, no owner and no extra fields: nothing
is read from the staged files but their bytes."""
import sys, time, zipfile
path, epoch, stage, *names = sys.argv[1:]
when = time.gmtime(max(int(epoch), 315532800))[:6]
with zipfile.ZipFile(path, "w") as z:
    for name in names:
        info = zipfile.ZipInfo(name, date_time=when)
        info.create_system = 3  # Unix, so that the modes below are read
        info.external_attr = (0o100755 if name.endswith(".exe") else 0o100644) << 16
        info.compress_type = zipfile.ZIP_DEFLATED
        with open(stage + "/" + name, "rb") as f:
            z.writestr(info, f.read(), compresslevel=9)
