#!/usr/bin/python3
"""The workbook of `solargain-cli compute --format xlsx -o` read back with
openpyxl: every number is a number cell with a fixed format, equal to the
figure of `solargain-cli compute` (JSON) for the same project.

Usage: workbook_matches_json.py SOLARGAIN_CLI PROJECT.json... (exit 1 on a
difference)."""

import json
import os
import subprocess
import sys
import tempfile

import openpyxl

HOURS = ["8-9", "9-10", "10-11", "11-12", "12-13", "13-14", "14-15", "15-16", "16-17", "17-18"]
NUMBER_FORMATS = {"0", "0.0", "0.00", "0.000", "0.0000"}
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def equal(cell, text, where):
    """A cell holds the number whose shown text is `text`, in the format of its decimals."""
    decimals = len(text.split(".")[1]) if "." in text else 0
    check(cell.data_type == "n" and cell.value == float(text), f"{where}: {cell.value!r} is not {text}")
    check(cell.number_format == ("0." + "0" * decimals if decimals else "0"),
          f"{where}: format {cell.number_format!r} for {text}")


def hour_row(sheet, name):
    for row in sheet.iter_rows(min_row=3):
        if row[0].value == name:
            return row
    failures.append(f"{sheet.title}: no row {name}")
    return None


def check_totals(sheet, totals):
    check(sheet.freeze_panes == "B3", f"Итого: frozen at {sheet.freeze_panes}")
    check([c.value for c in sheet[2]][1:11] == HOURS, "Итого: hour header")
    for title, row_key, max_key in [("Окна", "WindowHourTotal", "WindowMaxHour"),
                                    ("Стены", "WallHourTotal", "WallMaxHour"),
                                    ("Покрытие", "RoofHourGain", "RoofMaxHour"),
                                    ("ВСЕГО", "GrandHourTotal", "GrandMaxHour")]:
        row = hour_row(sheet, title)
        if row is None:
            continue
        for i, hour in enumerate(HOURS):
            equal(row[1 + i], totals[row_key][hour], f"Итого {title} {hour}")
        check(row[11].value == (totals[max_key] or "—"), f"Итого {title}: maximum {row[11].value}")


def check_windows(book, windows):
    for orientation in windows["orientations"]:
        sheet = book["Окна " + orientation["name"]]
        check(sheet.freeze_panes == "C3", f"{sheet.title}: frozen at {sheet.freeze_panes}")
        check(orientation["WindowPeakGain"] in sheet["A1"].value, f"{sheet.title}: peak in the title")
        rows = list(sheet.iter_rows(min_row=3))
        check(len(rows) == 17, f"{sheet.title}: {len(rows)} rows")
        fields = list(orientation["hours"]["8-9"].keys())
        for row, field in zip(rows, fields):
            for i, hour in enumerate(HOURS):
                equal(row[2 + i], orientation["hours"][hour][field], f"{sheet.title} {field} {hour}")


def check_walls(sheet, walls, counted):
    for name, gains in walls["WallHourGain"].items():
        row = hour_row(sheet, name)
        if row is None:
            continue
        for i, hour in enumerate(HOURS):
            equal(row[1 + i], gains[hour], f"Стены {name} {hour}")
        check((row[11].value == "да") == (name in counted), f"Стены {name}: counted {row[11].value!r}")


def check_inputs(sheet, project, results):
    values = {}
    for row in sheet.iter_rows(min_row=3):
        if row[0].value and len(row) > 2 and row[2].value is not None:
            values.setdefault(row[0].value, row[2])
    for name, key in [("Площадь стены", "WallArea"), ("Площадь покрытия", "RoofArea")]:
        if key in project:
            equal(values[name], project[key], f"Исходные данные {name}")
    for section, name in [("walls", "стены"), ("roof", "покрытия")]:
        if results[section]:
            equal(values["Сопротивление теплопередаче " + name], results[section]["Resistance"],
                  f"Исходные данные R₀ {name}")


def check_sheet_formats(book):
    for sheet in book.worksheets:
        for row in sheet.iter_rows():
            for cell in row:
                if cell.data_type == "n" and cell.value is not None:
                    check(cell.number_format in NUMBER_FORMATS,
                          f"{sheet.title}!{cell.coordinate}: format {cell.number_format!r}")
                if isinstance(cell.value, str):
                    check(not cell.value.replace(".", "", 1).lstrip("-").isdigit(),
                          f"{sheet.title}!{cell.coordinate}: a number written as text {cell.value!r}")


def main(cli, projects):
    with tempfile.TemporaryDirectory() as folder:
        for project_path in projects:
            workbook = os.path.join(folder, "книга.xlsx")
            subprocess.run([cli, "compute", project_path, "--format", "xlsx", "-o", workbook], check=True)
            results = json.loads(subprocess.run([cli, "compute", project_path], check=True,
                                                capture_output=True).stdout)
            with open(project_path, encoding="utf-8") as f:
                project = json.load(f)
            book = openpyxl.load_workbook(workbook)
            expected = ["Исходные данные", "Итого"]
            if results["windows"]:
                expected += ["Окна " + o["name"] for o in results["windows"]["orientations"]]
            if results["walls"]:
                expected.append("Стены")
            check(book.sheetnames == expected, f"sheets {book.sheetnames}")
            check_totals(book["Итого"], results["totals"])
            if results["windows"]:
                check_windows(book, results["windows"])
            if results["walls"]:
                check_walls(book["Стены"], results["walls"], project.get("WallOrientations", []))
            check_inputs(book["Исходные данные"], project, results)
            check_sheet_formats(book)
            print(f"{os.path.basename(project_path)}: {len(book.sheetnames)} sheets checked")
    for failure in failures[:40]:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2:]))
