# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the program's BibTeX entries of every paper with pybtex and checks
them against the catalogue's rows: one entry per paper with a unique ASCII
key, every author in catalogue order as BibTeX splits the names, the title
with its capitals braced, and the conference's fields."""
import re
import sys
from collections import OrderedDict

from pybtex.database import parse_file

folder = sys.argv[1]
papers = OrderedDict()  # file: rows of (given, family, title) as stored
with open(folder + "/rows.tsv", encoding="utf-8") as rows:
    for line in rows:
        file, given, family, title = line.rstrip("\n").split("\t")
        papers.setdefault(file, []).append((given, family, title))
with open(folder + "/papers.bib", encoding="utf-8") as bib:
    keys = re.findall(r"^@inproceedings\{([^,]*),$", bib.read(), re.M)
data = parse_file(folder + "/papers.bib", "bibtex")
failures = []


def check(what, got, expected):
    if got != expected:
        failures.append(f"{what}: {got!r}, expected {expected!r}")


def tidy(text):
    return re.sub(" +", " ", text.strip())


def unbraced(text):
    """The text TeX prints: escapes read, braces that group dropped."""
    return re.sub(r"\\([&%$#_{}])|[{}]", lambda m: m.group(1) or "", text)


check("papers", len(papers), 98)
check("entries", len(keys), 98)
check("distinct keys", len(set(keys)), 98)
for key, (file, rows) in zip(keys, papers.items()):
    check(f"{key} is ASCII", re.fullmatch(r"[A-Za-z]+2002[a-z]?[A-Za-z0-9]*", key) is not None, True)
    entry = data.entries[key]
    check(f"{key} type", entry.type, "inproceedings")
    authors = [(" ".join(p.first_names + p.middle_names),
                " ".join(p.prelast_names + p.last_names)) for p in entry.persons["author"]]
    # Initials typed before a family name are middle names; initials typed
    # together are names of their own.
    stored = []
    for given, family, _ in rows:
        given = re.sub(r"\.(?=\w)", ". ", tidy(given))
        initials = re.match(r"((?:[A-Z]\. ?)+)(.+)", tidy(family))
        stored.append((given + " " + initials.group(1).strip(), initials.group(2))
                      if initials else (given, tidy(family)))
    check(f"{key} authors", authors, stored)
    particles = [p.prelast_names for p in entry.persons["author"]]
    check(f"{key} particles", all(all(w.islower() for w in ws) for ws in particles), True)
    title = entry.fields["title"]
    check(f"{key} title", unbraced(title), tidy(rows[0][2]))
    outside = re.sub(r"\{[^{}]*\}", "", title)
    check(f"{key} capitals outside braces", re.findall(r"[^\W\d_a-z]", outside.replace("\\", "")), [])
    check(f"{key} booktitle", entry.fields["booktitle"], "4th Brevanor Conference 2002")
    check(f"{key} year", entry.fields["year"], "2002")
    check(f"{key} month", entry.fields["month"], "November")
    check(f"{key} note", bool(entry.fields.get("note")), True)
check("van Dijk's particle", data.entries[keys[1]].persons["author"][0].prelast_names, ["van"])
check("Løvås' key", keys[3], "Lovas2002Contract")

print("\n".join(failures) or f"{len(keys)} entries read")
sys.exit(1 if failures else 0)
