// A project file read value by value, for the browser tests that change a
// project before publishing it.

import assert from 'node:assert/strict';

// The values of a project file, each its tag and its payload: enough to change
// a string and write the file again byte for byte.
export function readValues(bytes) {
  const sizes = { 0: 0, 1: 0, 2: 1, 3: 2, 4: 4 };
  const values = [];
  let at = 0;
  while (at < bytes.length) {
    const tag = bytes[at++];
    let size = sizes[tag];
    if (tag === 6) size = bytes[at++];
    else if (tag === 12 || tag === 20) { size = bytes.readUInt32LE(at); at += 4; }
    assert.notEqual(size, undefined, `tag ${tag} at ${at - 1}`);
    values.push({ tag, payload: bytes.subarray(at, at + size) });
    at += size;
  }
  return values;
}

export function writeValues(values) {
  return Buffer.concat(values.flatMap(({ tag, payload }) => {
    if (tag === 6) return [Buffer.from([tag, payload.length]), payload];
    if (tag === 12 || tag === 20) {
      const length = Buffer.alloc(4);
      length.writeUInt32LE(payload.length);
      return [Buffer.from([tag]), length, payload];
    }
    return [Buffer.from([tag]), payload];
  }));
}

export const textOf = ({ tag, payload }) => (tag === 20 ? payload.toString('utf8')
  : new TextDecoder('windows-1252').decode(payload));
export const utf8Value = (text) => ({ tag: 20, payload: Buffer.from(text, 'utf8') });

const isString = (value) => value.tag === 6 || value.tag === 12 || value.tag === 20;

// The indexes of the shots' values: the strings of the shot list, each
// name||||action||||sound||||dialogue||||duration||||indexes||||effect||||start||||end.
export function shotIndexes(values) {
  const firstInList = values.findIndex((value) => value.tag === 1) + 1;
  const indexes = [];
  for (let index = firstInList; index < values.length; ++index) {
    if (isString(values[index]) && textOf(values[index]).split('||||').length >= 8) indexes.push(index);
  }
  return indexes;
}
