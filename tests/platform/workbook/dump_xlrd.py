"""Prints as JSON what xlrd reads from the first sheet of a workbook:
python3 dump_xlrd.py FILE.xls"""
import io
import json
import sys

import xlrd

log = io.StringIO()
book = xlrd.open_workbook(sys.argv[1], formatting_info=True, logfile=log)
sheet = book.sheet_by_index(0)
cells = [[sheet.cell_value(r, c) for c in range(sheet.ncols)] for r in range(sheet.nrows)]
wrapped = set()
for r in range(sheet.nrows):
    for c in range(sheet.ncols):
        if sheet.cell_type(r, c) != xlrd.XL_CELL_EMPTY:
            wrapped.add(bool(book.xf_list[sheet.cell_xf_index(r, c)].alignment.text_wrapped))
json.dump({
    "sheets": book.nsheets,
    "name": sheet.name,
    "nrows": sheet.nrows,
    "ncols": sheet.ncols,
    "cells": cells,
    "wrapped": sorted(wrapped),
    "log": log.getvalue(),
}, sys.stdout)
