#!/usr/bin/env python3
"""Makes a large batch input for humidity-calc-cli and checks its output.

    batch_file.py make ROWS ENCODING FILE    # ENCODING: utf-8 or gbk
    batch_file.py check ROWS OUTPUT          # the batch's CSV output

Every row carries two extra columns that the batch passes through: `row`,
its number from 1, and `expect`, the error the row must get (empty for a
row that converts). Most rows are good, over every known quantity, unit
and direction, some with the window's names, full-width digits or blanks;
about one in eight is bad in one of seven ways. A quoted `note` with a
comma and Chinese text exercises the quoting and the encoding.

The check reads the output and fails unless there is exactly one output
row for each input row, in order, each good row has all 18 results and an
empty error, and each bad row has no result and the error it expects.
"""

import csv
import random
import sys

HEADER = ["row", "quantity", "value", "temperature", "pressure", "unit", "direction",
          "note", "expect"]
RESULT_COUNT = 18
SEED = 20240601

# Quantities by the batch's names and the window's names, each with a range
# of typical values.
QUANTITIES = [
    ("dew-point", (-80.0, 40.0)), ("℃ td", (-60.0, 30.0)),
    ("rh", (1.0, 100.0)), ("%", (5.0, 95.0)),
    ("ppm", (1.0, 20000.0)), ("g-m3", (0.01, 30.0)), ("g/m3", (0.01, 20.0)),
    ("mg-m3", (1.0, 30000.0)), ("mg/m3", (10.0, 9000.0)),
    ("g-kg", (0.01, 25.0)), ("g/Kg", (0.1, 10.0)),
]
UNITS = [("MPa", (0.0, 2.0)), ("bar", (0.0, 20.0)), ("mbar", (0.0, 5000.0)),
         ("Pa", (0.0, 500000.0)), ("", (0.0, 1.0))]
DIRECTIONS = ["to-standard", "from-standard", ""]
NOTES = ["", "露点仪 A, 一号", "压缩空气", "N2", "\"干燥\" 气体"]
FULL_WIDTH = str.maketrans("0123456789.-", "０１２３４５６７８９．－")


def number_text(rng, low, high):
    text = f"{rng.uniform(low, high):.{rng.choice([0, 1, 2, 3])}f}"
    style = rng.random()
    if style < 0.03:
        return text.translate(FULL_WIDTH)
    if style < 0.06:
        return f" {text} "
    return text


def good_row(rng):
    quantity, (low, high) = rng.choice(QUANTITIES)
    unit, (pressure_low, pressure_high) = rng.choice(UNITS)
    pressure = number_text(rng, pressure_low, pressure_high) if unit else ""
    return {"quantity": quantity, "value": number_text(rng, low, high),
            "temperature": number_text(rng, -20.0, 60.0), "pressure": pressure,
            "unit": unit, "direction": rng.choice(DIRECTIONS), "expect": ""}


def bad_row(rng):
    row = good_row(rng)
    fault = rng.randrange(7)
    if fault == 0:
        row["value"] = rng.choice(["abc", "六十", "1e", "--5", "1,5"])
        row["expect"] = f"value is not a number: '{row['value']}'"
    elif fault == 1:
        row["temperature"] = ""
        row["expect"] = "no temperature given"
    elif fault == 2:
        row["unit"] = rng.choice(["kPa", "psi", "兆帕"])
        row["expect"] = f"unknown unit '{row['unit']}'"
    elif fault == 3:
        row["quantity"] = rng.choice(["knots", "湿度", "dewpoint"])
        row["expect"] = f"unknown quantity '{row['quantity']}'"
    elif fault == 4:
        row["direction"] = "sideways"
        row["expect"] = "unknown direction 'sideways'"
    elif fault == 5:
        row["pressure"] = "0.3x"
        row["expect"] = "pressure is not a number: '0.3x'"
    else:
        row["value"] = ""
        row["expect"] = "no value given"
    return row


def make(rows, encoding, path):
    rng = random.Random(SEED)
    with open(path, "w", encoding=encoding, newline="") as out:
        writer = csv.writer(out, lineterminator="\r\n" if encoding == "gbk" else "\n")
        writer.writerow(HEADER)
        for number in range(1, rows + 1):
            row = bad_row(rng) if rng.random() < 0.125 else good_row(rng)
            row["row"] = str(number)
            row["note"] = rng.choice(NOTES)
            writer.writerow([row[name] for name in HEADER])


def check(rows, path):
    with open(path, encoding="utf-8", newline="") as output:
        reader = csv.reader(output)
        header = next(reader)
        results = slice(len(HEADER), len(HEADER) + RESULT_COUNT)
        expected_header = len(HEADER) + RESULT_COUNT + 2
        if len(header) != expected_header or header[-2:] != ["error", "warning"]:
            sys.exit(f"unexpected header: {header}")
        count = bad = 0
        for line in reader:
            count += 1
            if line[0] != str(count):
                sys.exit(f"output row {count} is input row {line[0]}")
            expect, error = line[HEADER.index("expect")], line[-2]
            if error != expect:
                sys.exit(f"row {count}: error {error!r}, expected {expect!r}")
            converted = [text for text in line[results] if text]
            if len(converted) != (0 if expect else RESULT_COUNT):
                sys.exit(f"row {count}: {len(converted)} results")
            bad += bool(expect)
    if count != rows:
        sys.exit(f"{count} output rows for {rows} input rows")
    print(f"all {count} rows out in order; {bad} bad rows, each with the error it expects")


def main():
    if len(sys.argv) == 5 and sys.argv[1] == "make":
        make(int(sys.argv[2]), sys.argv[3], sys.argv[4])
    elif len(sys.argv) == 4 and sys.argv[1] == "check":
        check(int(sys.argv[2]), sys.argv[3])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
