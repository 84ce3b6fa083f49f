// The companion compiled to WebAssembly answers byte for byte as the native one: analyses
// with and without charges and drag, the evaluator's corpus, and key sequences.
import assert from 'node:assert/strict';
import { execFile } from 'node:child_process';
import { readFileSync, readdirSync, statSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

const root = resolve(fileURLToPath(new URL('.', import.meta.url)), '../..');
const nativeCli = process.env.TAVIR_CLI || join(root, 'build/src/cli/tavir-cli');
const webCli = join(root, 'build-web/tavir-cli.mjs');

function run(program, args) {
    return new Promise((done) => {
        execFile(program, args, { encoding: 'buffer', maxBuffer: 1 << 20 }, (error, stdout, stderr) => {
            done({ status: error ? error.code : 0, stdout: stdout.toString('latin1'), stderr: stderr.toString('latin1') });
        });
    });
}

// Every case through both programs, a few at a time.
async function compareAll(cases) {
    const differences = [];
    let next = 0;
    const worker = async () => {
        while (next < cases.length) {
            const args = cases[next++];
            const [native, web] = await Promise.all([run(nativeCli, args), run('node', [webCli, ...args])]);
            if (native.status !== web.status || native.stdout !== web.stdout || native.stderr !== web.stderr)
                differences.push({ args, native, web });
        }
    };
    await Promise.all([worker(), worker(), worker(), worker()]);
    return differences;
}

function filesUnder(folder) {
    return readdirSync(folder).flatMap((name) => {
        const path = join(folder, name);
        return statSync(path).isDirectory() ? filesUnder(path) : [path];
    });
}

// Construction strings the program ships and its tests name, and boards drawn at random.
function constructions() {
    const found = new Set();
    for (const file of [...filesUnder(join(root, 'data')), ...filesUnder(join(root, 'tests/core'))]) {
        for (const m of readFileSync(file, 'latin1').matchAll(/\b[2-7]{12}[2-5]{11}\b/g)) found.add(m[0]);
    }
    let seed = 20261209;
    const random = (n) => {
        seed = (seed * 1103515245 + 12345) % 2147483648;
        return seed % n;
    };
    for (let i = 0; i < 120; ++i) {
        let s = '';
        for (let c = 0; c < 12; ++c) s += String(random(3) ? 2 : 3 + random(5));
        for (let b = 0; b < 11; ++b) s += String(2 + random(4));
        found.add(s);
    }
    return [...found];
}

test('analyse: every construction, with and without charges and drag', async () => {
    const cases = constructions().flatMap((c) => [['analyse', c], ['analyse', '--charges', c], ['analyse', '--drag', c],
        ['analyse', '--drag', '--charges', c]]);
    cases.push(['analyse', '123'], ['analyse'], ['analyse', '99999999999999999999999']);
    assert.ok(cases.length > 600);
    assert.deepEqual(await compareAll(cases), []);
});

test('eval: the evaluator corpus in degrees, radians and scientific display', async () => {
    const corpus = join(root, 'tests/fuzz/corpus/calcexpr');
    const expressions = readdirSync(corpus).map((f) => readFileSync(join(corpus, f), 'latin1')).filter((e) => !e.includes('\0'));
    expressions.push('1/0', '1E-310', '1E-310*3', '2^0.5', '1E308*10', '-.5', '((2+3)');
    const cases = expressions.flatMap((e) => [['eval', e], ['eval', '--radians', e], ['eval', '--scientific', e]]);
    assert.deepEqual(await compareAll(cases), []);
});

test('keys: sequences of the calculator keys', async () => {
    const source = readFileSync(join(root, 'src/core/calculator/calculator_keys.cpp'), 'utf8');
    const keys = [...source.matchAll(/\{K::\w+, "(\w+)"/g)].map((m) => m[1]);
    assert.ok(keys.length > 40);
    let seed = 7;
    const cases = [];
    for (let i = 0; i < 40; ++i) {
        const sequence = [];
        for (let k = 0; k < 8; ++k) {
            seed = (seed * 1103515245 + 12345) % 2147483648;
            sequence.push(keys[seed % keys.length]);
        }
        cases.push(['keys', ...sequence, 'EXE']);
    }
    cases.push(['keys', 'B1', 'div', 'B0', 'EXE'], ['keys', 'B2', 'angle0']);
    assert.deepEqual(await compareAll(cases), []);
});
