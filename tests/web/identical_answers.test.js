// The WebAssembly core answers exactly as the desktop core: the same request
// lines go through `right-triangle-solve --batch` and through the core built
// for node, in four regional settings, and the answers must be the same
// bytes.
'use strict';

const test = require('node:test');
const assert = require('node:assert');
const {spawnSync} = require('node:child_process');
const path = require('node:path');
const fs = require('node:fs');

const ROOT = path.resolve(__dirname, '../..');
const {DESKTOP} = require('./support');
const WASM = process.env.RT_WASM_BATCH || path.join(ROOT, 'build/web/web/rt_batch_node.js');

// A small seeded generator, so that every run sends the same requests.
function generator(seed) {
  let state = seed >>> 0;
  const next = () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  const pick = (items) => items[Math.floor(next() * items.length)];
  return {next, pick};
}

const COUNT = 200000;

const PAIRS = ['a,b', 'a,c', 'a,hc', 'a,a1', 'a,b1', 'b,c', 'b,hc', 'b,a1', 'b,b1', 'c,hc', 'c,a1', 'c,b1', 'hc,a1',
  'hc,b1', 'a1,b1'];

// Values as students and teachers type them: lengths of every size and
// precision, exponents, grouped and comma forms, and text that is no number.
function value(random) {
  const digits = () => String(Math.floor(random.next() * 10 ** (1 + Math.floor(random.next() * 7))));
  switch (Math.floor(random.next() * 10)) {
    case 0: return random.pick(['', '0', '-2', 'abc', '4cm', '.5', '5.', '1e-8', '1e309', '1e39', '2e19', ' 3 ']);
    case 1: return `${digits()}e${random.pick(['', '-', '+'])}${Math.floor(random.next() * 40)}`;
    case 2: return `${digits()},${digits()}`;
    case 3: return `1\u00a0${String(Math.floor(random.next() * 1000)).padStart(3, '0')},5`;
    case 4: return `${digits()}.${String(Math.floor(random.next() * 1000)).padStart(3, '0')}.5`;
    default: {
      const magnitude = 10 ** (Math.floor(random.next() * 12) - 4);
      return (random.next() * magnitude).toPrecision(1 + Math.floor(random.next() * 9));
    }
  }
}

function requests(count, seed) {
  const random = generator(seed);
  const lines = [];
  for (let n = 0; n < count; ++n) {
    const pair = random.next() < 0.8 ? random.pick(PAIRS) : String(Math.floor(random.next() * 17) - 1);
    lines.push(`${pair}\t${value(random)}\t${value(random)}`);
  }
  return `${lines.join('\n')}\n`;
}

const SETTINGS = [
  {locale: 'C.UTF-8', args: []},
  {locale: 'en_US.UTF-8', args: ['.', ',', '4']},
  {locale: 'bg_BG.UTF-8', args: [',', '\u00a0', '5']},
  {locale: 'de_DE.UTF-8', args: [',', '.', '4']},
];

for (const {locale, args} of SETTINGS) {
  test(`the wasm core answers as the desktop core in ${locale}`, {skip: !fs.existsSync(DESKTOP) && 'no desktop build'},
       () => {
         const input = requests(COUNT, 20261208);
         const desktop = spawnSync(DESKTOP, ['--batch'], {input, env: {...process.env, LC_ALL: locale},
                                                           maxBuffer: 1 << 28});
         assert.strictEqual(desktop.status, 0, desktop.stderr.toString());
         const wasm = spawnSync(process.execPath, ['--no-experimental-fetch', WASM, ...args], {input,
                                                                                               maxBuffer: 1 << 28});
         assert.strictEqual(wasm.status, 0, wasm.stderr.toString());
         const answers = desktop.stdout.toString().split('\n');
         assert.strictEqual(answers.length, COUNT + 1);
         // Most requests compute: the comparison is not one of error lines.
         assert.ok(answers.filter((line) => line.includes("\t")).length > COUNT / 5);
         if (!desktop.stdout.equals(wasm.stdout)) {
           const other = wasm.stdout.toString().split('\n');
           const first = answers.findIndex((line, n) => line !== other[n]);
           const request = input.split('\n')[first];
           assert.fail(`line ${first + 1} (${JSON.stringify(request)}): desktop ${JSON.stringify(answers[first])}, ` +
                       `wasm ${JSON.stringify(other[first])}`);
         }
       });
}

// Practice sets: the same code gives the same sheet, tasks and answer key,
// byte for byte, from the tool and from the WebAssembly core.
const PRACTICE = process.env.RT_WASM_PRACTICE || path.join(ROOT, 'build/web/web/rt_practice_node.js');
const CODE_ALPHABET = '23456789ABCDEFGHJKLMNPQRSTUVWXYZ';

function codes(count, seed) {
  const random = generator(seed);
  return Array.from({length: count}, () => Array.from({length: 6}, () => random.pick([...CODE_ALPHABET])).join(''));
}

for (const {locale, args} of SETTINGS) {
  test(`a practice code gives the same sheet from the tool and the wasm core in ${locale}`,
       {skip: !fs.existsSync(DESKTOP) && 'no desktop build'}, () => {
         const sample = codes(60, 20261209 + args.length);
         const wasm = spawnSync(process.execPath, ['--no-experimental-fetch', PRACTICE, ...args], {input: `${sample.join('\n')}\n`,
                                                                         maxBuffer: 1 << 26});
         assert.strictEqual(wasm.status, 0, wasm.stderr.toString());
         // Each sheet is followed by a line with a form feed.
         const sheets = wasm.stdout.toString().split('\f\n').slice(0, -1);
         assert.strictEqual(sheets.length, sample.length);
         sample.forEach((code, n) => {
           const desktop = spawnSync(DESKTOP, ['--practice', code], {env: {...process.env, LC_ALL: locale}});
           assert.strictEqual(desktop.status, 0, desktop.stderr.toString());
           assert.strictEqual(sheets[n], desktop.stdout.toString(), code);
         });
       });
}

// The check of a task's answers: the same marks, mistakes and sentences,
// byte for byte, from the tool's --check and from the WebAssembly core.
const ANSWER_POOL = ['4√13', '√468', '6*sqrt(13)', '(√61 − 3)/2', '144/13', '1/0', '5√', '√-2', '3cm', '-',
                     '-3', '0', '12,6', '12.6', '8', '18', '10/√2', '(1 + √2'];

for (const {locale, args} of SETTINGS) {
  test(`a task's answers are checked alike by the tool and the wasm core in ${locale}`,
       {skip: !fs.existsSync(DESKTOP) && 'no desktop build'}, () => {
         const random = generator(20261210 + args.length);
         const requests = [];
         for (const code of codes(12, 77 + args.length)) {
           for (let n = 1; n <= 7; ++n) {
             const answers = Array.from({length: 4}, () => (random.next() < 0.5 ? random.pick(ANSWER_POOL) :
               `${Math.floor(random.next() * 60)}${random.pick(['.', ','])}${Math.floor(random.next() * 100)}`));
             requests.push({code, n, answers, none: random.next() < 0.1});
           }
         }
         const input = requests.map(({code, n, answers, none}) =>
           ['check', code, n, ...answers, ...(none ? ['no-triangle'] : [])].join('\t')).join('\n');
         const wasm = spawnSync(process.execPath, ['--no-experimental-fetch', PRACTICE, ...args],
                                {input: `${input}\n`, maxBuffer: 1 << 26});
         assert.strictEqual(wasm.status, 0, wasm.stderr.toString());
         const checks = wasm.stdout.toString().split('\f\n').slice(0, -1);
         assert.strictEqual(checks.length, requests.length);
         let compared = 0;
         requests.forEach(({code, n, answers, none}, k) => {
           const desktop = spawnSync(DESKTOP, ['--check', code, String(n), ...answers, ...(none ? ['--no-triangle'] : [])],
                                     {env: {...process.env, LC_ALL: locale}});
           if (desktop.status !== 0) {
             assert.strictEqual(checks[k], '', `${code} ${n}: ${desktop.stderr}`);  // no such task in either
             return;
           }
           assert.strictEqual(checks[k], desktop.stdout.toString(), `${code} ${n} ${answers.join(' ')}`);
           ++compared;
         });
         assert.ok(compared > requests.length / 2, `${compared} checks compared`);
       });
}
