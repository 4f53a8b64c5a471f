"""Writes the workbook test_workbook reads back: python3 write_xlwt.py OUT.xls"""
import sys

import xlwt

book = xlwt.Workbook(encoding="utf-8")
sheet = book.add_sheet("Interfaces")
date = xlwt.easyxf(num_format_str="YYYY-MM-DD")
date_time = xlwt.easyxf(num_format_str="YYYY-MM-DD hh:mm:ss")

sheet.write(0, 0, "Interface")
sheet.write(0, 1, "Speed")
sheet.write(0, 2, "Load")
sheet.write(0, 3, "Addresses")
sheet.write(1, 0, "Gi0/1")
sheet.write(1, 1, 48)
sheet.write(1, 2, 2.5)
sheet.write(1, 3, "10.0.0.1\n10.0.0.2\n192.168.1.1")
sheet.write(2, 0, "Коммутатор é €")
sheet.write(2, 1, 1e10)
sheet.write(2, 2, -3)
sheet.write(2, 3, 1 / 3)
sheet.write(3, 0, True)
sheet.write(3, 1, False)
sheet.write(3, 2, 45000, date)
sheet.write(3, 3, 45000.5, date_time)
sheet.write(4, 1, 1e15)
sheet.write(4, 2, 0.25, xlwt.easyxf(num_format_str="hh:mm:ss"))
sheet.row(4).set_cell_error(3, "#DIV/0!")
# A blank cell past the last value, which must not widen the used range.
sheet.write(6, 5, "")

# Only the first sheet is read.
book.add_sheet("Other").write(9, 9, "not read")
book.save(sys.argv[1])
