#!/usr/bin/python3
"""The building workbook of `solargain-cli compute --format xlsx -o` read
back with openpyxl: the sheet «Здание» holds each room's sum by hour and its
maximum, the building's row and the sum of the rooms' maxima, as number
cells equal to the figures of `solargain-cli compute` (JSON); then one sheet
per room, its totals first.

Usage: building_workbook_matches_json.py SOLARGAIN_CLI BUILDING.json (exit 1
on a difference)."""

import json
import os
import subprocess
import sys
import tempfile

import openpyxl

HOURS = ["8-9", "9-10", "10-11", "11-12", "12-13", "13-14", "14-15", "15-16", "16-17", "17-18"]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def number(cell, text, where):
    check(cell.data_type == "n" and cell.value == float(text), f"{where}: {cell.value!r} is not {text}")


def main():
    cli, building = sys.argv[1], sys.argv[2]
    results = json.loads(subprocess.run([cli, "compute", building], check=True, capture_output=True).stdout)
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "здание.xlsx")
        subprocess.run([cli, "compute", building, "--format", "xlsx", "-o", path], check=True)
        book = openpyxl.load_workbook(path)
    rooms = results["rooms"]
    check(len(book.sheetnames) == 1 + len(rooms), f"sheets {book.sheetnames}")
    check(len(set(name.lower() for name in book.sheetnames)) == len(book.sheetnames), "sheet names repeat")
    sheet = book["Здание"]
    check(sheet.freeze_panes == "B3", f"Здание: frozen at {sheet.freeze_panes}")
    check([c.value for c in sheet[2]][1:11] == HOURS, "Здание: hour header")
    rows = list(sheet.iter_rows(min_row=3))
    check(len(rows) == len(rooms) + 2, f"Здание: {len(rows)} rows")
    for row, room in zip(rows, rooms):
        totals = room["totals"]
        for i, hour in enumerate(HOURS):
            number(row[1 + i], totals["GrandHourTotal"][hour], f"Здание {room['Name']} {hour}")
        check(row[11].value == (totals["GrandMaxHour"] or "—"), f"Здание {room['Name']}: hour {row[11].value}")
    building = results["building"]
    row = rows[len(rooms)]
    check(row[0].value == "Здание", "the building's row")
    for i, hour in enumerate(HOURS):
        number(row[1 + i], building["HourTotal"][hour], f"Здание {hour}")
    check(row[11].value == (building["MaxHour"] or "—"), f"the building's hour {row[11].value}")
    number(row[12], building["MaxGain"], "the coincident peak")
    number(rows[-1][12], building["RoomPeakSum"], "the sum of the rooms' maxima")
    for name, room in zip(book.sheetnames[1:], rooms):
        grand = [r for r in book[name].iter_rows(min_row=3) if r[0].value == "ВСЕГО"]
        if len(grand) != 1:
            failures.append(f"{name}: no row ВСЕГО")
            continue
        for i, hour in enumerate(HOURS):
            number(grand[0][1 + i], room["totals"]["GrandHourTotal"][hour], f"{name} ВСЕГО {hour}")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
