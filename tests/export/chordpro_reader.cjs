// Reads a ChordPro text from standard input with ChordSheetJS and prints what a chord-sheet
// program sees in it, as JSON: the metadata, the chords in order and the first sung line.
const path = process.argv[2];
const { ChordProParser } = require(path);
const text = require('fs').readFileSync(0, 'utf8');
const song = new ChordProParser().parse(text);
const chords = [];
let firstSung = null;
for (const line of song.lines) {
  let lyrics = '';
  for (const item of line.items) {
    if (item.chords === undefined) continue;
    if (item.chords) chords.push(item.chords);
    lyrics += item.lyrics || '';
  }
  if (firstSung === null && lyrics.trim() !== '') {
    const first = line.items.find((item) => item.chords !== undefined);
    firstSung = { chord: first && first.chords ? first.chords : '', lyrics: lyrics.trim() };
  }
}
console.log(JSON.stringify({
  title: song.title || '',
  key: song.key || '',
  tempo: String(song.metadata.get ? song.metadata.get('tempo') || '' : ''),
  time: String(song.metadata.get ? song.metadata.get('time') || '' : ''),
  chords,
  firstSung,
}));
