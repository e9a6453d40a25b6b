// The scene headings and forced scene numbers of every screenplay in
// tests/data/screenplays, as ParseFountain finds them (printed by the
// dump_scenes program) and as the fountain-js package parses the same file.
//
// Where the two read the syntax differently, the program follows the rules
// for headings (a line after a blank line starting with INT, EXT, EST,
// INT./EXT, INT/EXT or I/E in any case, then "." or a space; "!" forces
// action; ".HEADING" forces a heading; "#12A#" at the end is the number):
// - fountain-js also takes "I./E", "INT/E" and "I/EXT" as headings, and a
//   heading opened by emphasis marks ("**INT. ...**"), which the program
//   reads as action: the files here have none, and the last test pins the
//   difference;
// - fountain-js gives no number to a heading without "#...#", where the
//   program counts the heading's place: only forced numbers are compared,
//   the others must be the heading's place;
// - fountain-js allows "_" in a forced number, the program letters, digits,
//   "-" and "." only.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { Fountain } from 'fountain-js';

const dumpScenes = process.env.SHOTWEAVE_DUMP_SCENES;
const folder = process.env.SHOTWEAVE_SCREENPLAYS;

function programScenes(file) {
  const out = execFileSync(dumpScenes, [file], { encoding: 'utf8' });
  return out.split('\n').filter((line) => line !== '').map((line) => {
    const tab = line.indexOf('\t');
    return { number: line.slice(0, tab), heading: line.slice(tab + 1) };
  });
}

function fountainJsScenes(file) {
  const script = new Fountain().parse(readFileSync(file, 'utf8'), true);
  return script.tokens
    .filter((token) => token.type === 'scene_heading')
    .map((token) => ({ number: token.scene_number, heading: token.text.trim() }));
}

const files = readdirSync(folder).filter((name) => name.endsWith('.fountain')).sort();

test('the screenplays are there', () => {
  assert.ok(dumpScenes, 'SHOTWEAVE_DUMP_SCENES names the dump_scenes program');
  assert.ok(files.length >= 3, `screenplays in ${folder}: ${files.join(', ')}`);
});

for (const name of files) {
  test(`${name}: the same scene headings and forced numbers as fountain-js`, () => {
    const file = path.join(folder, name);
    const ours = programScenes(file);
    const theirs = fountainJsScenes(file);
    assert.ok(theirs.length > 0, 'fountain-js finds scenes');
    assert.deepEqual(ours.map((scene) => scene.heading), theirs.map((scene) => scene.heading));
    ours.forEach((scene, index) => {
      const expected = theirs[index].number ?? String(index + 1);
      assert.equal(scene.number, expected, `scene ${index + 1}, "${scene.heading}"`);
    });
  });
}

test('the headings fountain-js alone takes: "I./E." and a heading in emphasis marks', () => {
  const scratch = mkdtempSync(path.join(os.tmpdir(), 'fountain-test-'));
  try {
    const file = path.join(scratch, 'ecarts.fountain');
    writeFileSync(file, 'INT. HALL - JOUR\n\nI./E. PORTIÈRE - NUIT\n\n**INT. EMPHASE - JOUR**\n\nEXT. COUR - NUIT\n');
    assert.deepEqual(programScenes(file).map((scene) => scene.heading), ['INT. HALL - JOUR', 'EXT. COUR - NUIT']);
    assert.deepEqual(fountainJsScenes(file).map((scene) => scene.heading),
      ['INT. HALL - JOUR', 'I./E. PORTIÈRE - NUIT', '**INT. EMPHASE - JOUR**', 'EXT. COUR - NUIT']);
  } finally {
    rmSync(scratch, { recursive: true, force: true });
  }
});
