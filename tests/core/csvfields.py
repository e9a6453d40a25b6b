#!/usr/bin/env python3
"""Reads a CSV file with Python's own csv module, as a spreadsheet user's
tools would, and prints every field as the hexadecimal of its UTF-8 bytes:
one row per line, fields separated by spaces ("-" for an empty field).
The file must start with a UTF-8 byte-order mark, which is not a field."""
import csv
import sys

with open(sys.argv[1], encoding="utf-8", newline="") as source:
    if source.read(1) != "\ufeff":
        sys.exit("no byte-order mark")
    for row in csv.reader(source, delimiter=";", quotechar='"', doublequote=True, strict=True):
        print(" ".join(field.encode("utf-8").hex() or "-" for field in row))
