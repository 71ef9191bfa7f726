# The first sheet of a workbook as CSV, for the tests to compare cell by cell: a first row
# "freeze" and the top left cell that scrolls, then every cell as "s:" and its text or "n:" and
# its number, empty when it holds nothing, "*" added to a cell in italics.
import csv
import sys

import openpyxl

sheet = openpyxl.load_workbook(sys.argv[1]).worksheets[0]
sys.stdout.reconfigure(encoding="utf-8", newline="")
out = csv.writer(sys.stdout, lineterminator="\r\n")
out.writerow(["freeze", sheet.freeze_panes or ""])
for row in sheet.iter_rows():
    cells = []
    for cell in row:
        value = cell.value
        if value is None:
            text = ""
        elif isinstance(value, str):
            text = "s:" + value
        else:
            text = "n:" + format(value, ".15g")
        cells.append(text + ("*" if cell.font.i else ""))
    out.writerow(cells)
