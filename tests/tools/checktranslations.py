#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The shipped translations are whole and fit the code: refreshes copies of
# translations/*.ts from the code (as scripts/update-translations.sh does), then fails for
# each text without a finished translation and each translation whose placeholders (%1,
# %n, %L1) differ from the English.
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

root = Path(sys.argv[1])
PLACEHOLDER = re.compile(r"%L?(?:n|[1-9][0-9]?)")


def placeholders(text):
    return sorted(PLACEHOLDER.findall(text or ""))


faults = []
with tempfile.TemporaryDirectory() as folder:
    for ts in (root / "translations").glob("lettro_*.ts"):
        shutil.copy(ts, folder)
    subprocess.run(["bash", str(root / "scripts/update-translations.sh")], check=True,
                   env={"PATH": "/usr/bin:/bin", "LETTRO_TS_FOLDER": folder})
    for ts in sorted(Path(folder).glob("lettro_*.ts")):
        for context in ET.parse(ts).getroot().iter("context"):
            for message in context.iter("message"):
                source = message.findtext("source")
                translation = message.find("translation")
                forms = [f.text for f in translation.iter("numerusform")] or [translation.text]
                where = f"{ts.name} {context.findtext('name')} {source!r}"
                if translation.get("type") in ("unfinished", "vanished", "obsolete") or \
                        not all(forms):
                    faults.append(f"{where}: no finished translation")
                elif any(placeholders(f) != placeholders(source) for f in forms):
                    faults.append(f"{where}: placeholders differ in {forms}")
print("\n".join(faults) or "every text is translated")
sys.exit(1 if faults else 0)
