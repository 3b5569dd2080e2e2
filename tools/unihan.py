"""What the character-table generators share: reading Debian's Unihan files
(unicode-data) and the --check mode that holds a committed table against a
fresh one."""

import bz2
import os
import sys

UNIHAN_DIR = "/usr/share/unicode"
UNIHAN_VERSION = "15.0.0"
EXIT_SKIP = 77  # ctest's "skipped": the input is not installed


class InputMissing(Exception):
    pass


def read_fields(path, fields):
    """{char: {field: value}} of the given fields of one Unihan file."""
    if not os.path.exists(path):
        raise InputMissing(f"{path} not found (install Debian's unicode-data)")
    version = None
    data = {}
    with bz2.open(path, "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("#"):
                if line.startswith("# Unicode version:"):
                    version = line.split(":", 1)[1].strip()
                continue
            parts = line.rstrip("\n").split("\t")
            if len(parts) != 3 or parts[1] not in fields:
                continue
            data.setdefault(chr(int(parts[0][2:], 16)), {})[parts[1]] = parts[2]
    if version != UNIHAN_VERSION:
        raise InputMissing(f"{path} is Unicode version {version}, this table is built from {UNIHAN_VERSION}")
    return data


def assignment(rows, known, noun):
    """{char: key} of a table {key: characters}; each character must stand under
    one key only, and the known characters under their known keys."""
    where = {}
    for key, chars in rows.items():
        for ch in chars:
            if ch in where:
                raise AssertionError(f"{ch} stands under both {where[ch]} and {key}")
            where[ch] = key
    bad = [f"{ch}: expected {want}, got {where.get(ch)}" for ch, want in known.items() if where.get(ch) != want]
    if bad:
        raise AssertionError(f"known {noun} disagree:\n  " + "\n  ".join(bad))
    return where


def diff_summary(old, new, header, noun):
    """What differs between two tables of lines "KEY<TAB>characters": which
    characters moved to another key, which are missing, which are extra."""
    def parse(text):
        table = {}
        for line in text.splitlines():
            if line.startswith("#") or line == header or not line:
                continue
            key, _, chars = line.partition("\t")
            for ch in chars:
                table[ch] = key
        return table
    a, b = parse(old), parse(new)
    moved = [ch for ch in b if ch in a and a[ch] != b[ch]]
    added = [ch for ch in b if ch not in a]
    gone = [ch for ch in a if ch not in b]
    lines = [f"  {len(moved)} characters changed {noun}, {len(added)} missing from the file, "
             f"{len(gone)} in the file but not generated"]
    for ch in moved[:10]:
        lines.append(f"  {ch} U+{ord(ch):04X}: file {a[ch]}, generated {b[ch]}")
    if added:
        lines.append("  missing: " + "".join(added[:40]))
    if gone:
        lines.append("  extra: " + "".join(gone[:40]))
    if not (moved or added or gone):
        lines.append("  same assignments; the header, comments or order differ")
    return "\n".join(lines)


def check_or_write(tool, text, check, out, summary):
    """--check FILE: 0 when FILE holds text, else 1 with summary(current, text) on
    stderr. Otherwise writes text to out and returns None."""
    if check:
        try:
            with open(check, encoding="utf-8", newline="") as f:
                current = f.read()
        except OSError as e:
            print(f"{tool}: cannot read {check}: {e}", file=sys.stderr)
            return 1
        if current == text:
            return 0
        print(f"{tool}: {check} differs from the generated table:", file=sys.stderr)
        print(summary(current, text), file=sys.stderr)
        return 1
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    return None
