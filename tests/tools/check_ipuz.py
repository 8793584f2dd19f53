#!/usr/bin/env python3
"""Checks an ipuz crossword against the fields the ipuz specification (version 2) requires,
with nothing but Python's json module: prints "ok", or each fault on a line and exits 1."""
import json
import sys


def check(doc):
    faults = []
    if not isinstance(doc, dict):
        return ["the file is not a JSON object"]
    version = doc.get("version")
    if not (isinstance(version, str) and version.startswith("http://ipuz.org/v")):
        faults.append("version missing or not an ipuz version")
    kinds = doc.get("kind")
    if not (isinstance(kinds, list) and any(isinstance(k, str) and
                                            k.startswith("http://ipuz.org/crossword") for k in kinds)):
        faults.append("kind does not name a crossword")
    dims = doc.get("dimensions", {})
    width, height = dims.get("width"), dims.get("height")
    if not (isinstance(width, int) and isinstance(height, int) and width > 0 and height > 0):
        return faults + ["dimensions missing"]
    block = doc.get("block", "#")
    empty = doc.get("empty", 0)
    puzzle = doc.get("puzzle")
    if not (isinstance(puzzle, list) and len(puzzle) == height and
            all(isinstance(r, list) and len(r) == width for r in puzzle)):
        return faults + ["puzzle is not a grid of the given dimensions"]
    labels = {}
    for y, row in enumerate(puzzle):
        for x, cell in enumerate(row):
            if isinstance(cell, dict):
                cell = cell.get("cell", empty)
            if cell is None or cell == block:
                continue
            if isinstance(cell, int) and cell > 0:
                labels[cell] = (x, y)
            elif cell not in (0, "0", "", empty):
                faults.append(f"puzzle cell {x + 1},{y + 1} holds {cell!r}")
    solution = doc.get("solution")
    if solution is not None:
        if not (isinstance(solution, list) and len(solution) == height and
                all(isinstance(r, list) and len(r) == width for r in solution)):
            faults.append("solution is not a grid of the given dimensions")
        else:
            for y, row in enumerate(solution):
                for x, value in enumerate(row):
                    is_block = puzzle[y][x] is None or puzzle[y][x] == block
                    if is_block != (value is None or value == block):
                        faults.append(f"solution and puzzle disagree on a block at {x + 1},{y + 1}")
                    elif not is_block and not (isinstance(value, str) and len(value) <= 1):
                        faults.append(f"solution cell {x + 1},{y + 1} holds {value!r}")

    def light(x, y):
        return 0 <= x < width and 0 <= y < height and not (
            puzzle[y][x] is None or puzzle[y][x] == block)

    clues = doc.get("clues")
    if not isinstance(clues, dict):
        return faults + ["clues missing"]
    for direction, (dx, dy) in (("Across", (1, 0)), ("Down", (0, 1))):
        for clue in clues.get(direction, []):
            if not (isinstance(clue, list) and len(clue) == 2 and isinstance(clue[0], int) and
                    isinstance(clue[1], str)):
                faults.append(f"{direction} clue {clue!r} is not [number, text]")
                continue
            cell = labels.get(clue[0])
            if cell is None:
                faults.append(f"{clue[0]} {direction}: no cell carries that number")
                continue
            x, y = cell
            # A slot starts there: a light cell after it, none before it.
            if light(x - dx, y - dy) or not light(x + dx, y + dy):
                faults.append(f"{clue[0]} {direction}: no word starts at its cell")
    for key in ("title", "author"):
        if key in doc and not isinstance(doc[key], str):
            faults.append(f"{key} is not text")
    return faults


def main():
    with open(sys.argv[1], encoding="utf-8") as f:
        faults = check(json.load(f))
    print("\n".join(faults) if faults else "ok")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
