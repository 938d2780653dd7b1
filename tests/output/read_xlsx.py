"""Prints a workbook's first sheet as lines the export tests compare:
merged ranges, row 1's height, column widths, then one line per cell:
  <name> <n|s> <value> | <number format> | <horizontal alignment> | <font> <size>
"""
import sys

import openpyxl

sheet = openpyxl.load_workbook(sys.argv[1]).worksheets[0]
for merged in sheet.merged_cells.ranges:
    print("merge", merged.coord)
print("height1", sheet.row_dimensions[1].height)
for letter, dimension in sorted(sheet.column_dimensions.items()):
    print("width", letter, dimension.width)
for row in sheet.iter_rows():
    for cell in row:
        if cell.value is None:
            continue
        print(cell.coordinate, cell.data_type, cell.value, "|", cell.number_format, "|",
              cell.alignment.horizontal, "|", cell.font.name, cell.font.sz)
