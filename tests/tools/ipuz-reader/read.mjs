// Prints what an independent ipuz reader finds in a file, as JSON: title, author, the grid as
// rows ("#" black, the letter or "." for none, the number after it) and the clue lists.
import { parse } from '@xwordly/xword-parser';
import fs from 'fs';

const file = process.argv[2];
const p = parse(fs.readFileSync(file, 'utf8'), { filename: file });
const cell = (c) => (c.isBlack ? '#' : (c.solution || '.') + (c.number ? String(c.number) : ''));
console.log(JSON.stringify({
  title: p.title,
  author: p.author,
  width: p.grid.width,
  height: p.grid.height,
  rows: p.grid.cells.map((row) => row.map(cell).join(' ')),
  across: p.clues.across.map((c) => [c.number, c.text]),
  down: p.clues.down.map((c) => [c.number, c.text]),
}));
