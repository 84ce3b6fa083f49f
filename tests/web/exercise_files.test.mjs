// A teacher's own files in the page: exercises from a folder or dropped, texts opened, typed
// in, saved as the desktop saves them and printed, and hostile files refused with nothing changed.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { copyFileSync, existsSync, mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { basename, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, describe, test } from 'node:test';

import { launch, openPage, state } from './browser.mjs';

const root = fileURLToPath(new URL('../..', import.meta.url));
const content = join(root, 'build-web/content');
const corpus = join(root, 'tests/fuzz/corpus');
// The native companion when the build made one, else the page's own under node.
const companion = (args) => (process.env.TAVIR_CLI
    ? execFileSync(process.env.TAVIR_CLI, args)
    : execFileSync(process.execPath, [join(root, 'build-web/tavir-cli.mjs'), ...args]));

let chromium;
let folder;
before(async () => {
    chromium = await launch();
    folder = mkdtempSync(join(tmpdir(), 'tavir-teacher-'));
});
after(async () => {
    await chromium.close();
    if (!process.env.TAVIR_KEEP_FILES) rmSync(folder, { recursive: true, force: true });
});

// A folder as a teacher keeps it: the exercise file beside a folder of its texts and series.
function teacherFolder() {
    const tp = join(folder, 'tp');
    mkdirSync(join(tp, 'textes'), { recursive: true });
    for (const name of ['enonce.rtf', 'enonce.C01']) copyFileSync(join(content, 'exercices/02-methane', name), join(tp, 'textes', name));
    companion(['exercise', 'write', join(tp, 'mon-tp.E06'), '--statement', 'textes/enonce.rtf', '--series', 'textes/enonce.C01', '--title', 'Mon TP']);
    return tp;
}

// Files dropped on the page as from the file manager.
async function drop(page, files) {
    const payload = files.map(([name, bytes]) => [name, Buffer.from(bytes).toString('base64')]);
    await page.evaluate((list) => {
        const data = new DataTransfer();
        for (const [name, b64] of list) data.items.add(new File([Uint8Array.from(atob(b64), (c) => c.charCodeAt(0))], name));
        document.querySelector('#supertext').dispatchEvent(new DragEvent('drop', { dataTransfer: data, bubbles: true, cancelable: true }));
    }, payload);
}

async function menuItem(page, label) {
    await page.click('#BTEXO');
    await page.waitForSelector('.menu');
    for (const item of await page.$$('.menu .item'))
        if ((await item.evaluate((n) => n.textContent)) === label) return item;
    throw new Error(`no item ${label}`);
}

const areaText = (page) => page.$eval('#supertext', (n) => n.textContent);
const dialogText = async (page) => {
    await page.waitForSelector('dialog[open]');
    return page.$eval('dialog[open]', (n) => n.textContent);
};
const answer = async (page) => {
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => !document.querySelector('dialog[open]'));
};

// What the page saves, from the browser's save dialog (stood in for) or as a download.
async function savedText(page) {
    await page.evaluate(() => {
        window.saved = null;
        window.showSaveFilePicker = async ({ suggestedName }) => ({
            name: suggestedName,
            createWritable: async () => {
                const parts = [];
                return { write: async (b) => parts.push(b), close: async () => { window.saved = { name: suggestedName, bytes: [...new Uint8Array(await new Blob(parts).arrayBuffer())] }; } };
            },
        });
    });
    await (await menuItem(page, 'Enregistrer le contenu de la fenêtre exercice')).click();
    // A text that lost something on reading asks again at each save.
    await page.waitForFunction(() => window.saved || document.querySelector('dialog[open]'));
    if (await page.$('dialog[open]')) await page.click('dialog[open] button[value=ok]');
    await page.waitForFunction(() => window.saved);
    const saved = await page.evaluate(() => window.saved);
    return { name: saved.name, bytes: Buffer.from(saved.bytes) };
}

describe("a teacher's files", () => {
    test('an exercise from its folder, another dropped with its files, a text saved as the desktop saves it', async () => {
        const { page, problems } = await openPage(chromium.browser);
        await (await menuItem(page, 'Ouvrir un exercice (énoncé + configuration)')).click();
        await page.waitForSelector('dialog.chooser[open]');
        const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('dialog.chooser .chooser-other')]);
        await chooser.accept([teacherFolder()]);
        await page.waitForFunction(() => [...document.querySelectorAll('#exercise-files-list option')].some((o) => o.textContent === 'Mon TP'));
        await page.click('dialog.chooser .chooser-open');
        await page.waitForFunction(() => /Exercice 2\s:\sle méthane/.test(document.querySelector('#supertext').textContent));

        // Dropped as loose files, the exercise names them beside itself.
        const flat = join(folder, 'flat');
        mkdirSync(flat, { recursive: true });
        copyFileSync(join(content, 'exercices/03-ammoniac/enonce.rtf'), join(flat, 'enonce.rtf'));
        companion(['exercise', 'write', join(flat, 'ammoniac.E06'), '--statement', 'enonce.rtf', '--title', 'Ammoniac']);
        await drop(page, ['ammoniac.E06', 'enonce.rtf'].map((n) => [n, readFileSync(join(flat, n))]));
        await page.waitForFunction(() => /ammoniac/i.test(document.querySelector('#supertext').textContent) &&
            !/méthane/.test(document.querySelector('#supertext').textContent));
        // Without the statement it names: the desktop's message, naming the file alone.
        const before = await areaText(page);
        await drop(page, [['ammoniac.E06', readFileSync(join(flat, 'ammoniac.E06'))]]);
        assert.equal(await dialogText(page), 'Fichier absentLe fichier enonce.rtf est introuvableOK');
        await answer(page);
        assert.equal(await areaText(page), before);

        // A worksheet with a table and pictures, opened and saved untouched: the desktop's bytes.
        const worksheet = join(corpus, 'rtf_reader/tables_pictures_lists.rtf');
        const [picker] = await Promise.all([page.waitForFileChooser(), (await menuItem(page, 'Retrouver un texte')).click()]);
        await picker.accept([worksheet]);
        await page.waitForFunction(() => document.querySelector('#supertext table'));
        const desktop = join(folder, 'desktop.rtf');
        companion(['rtf', 'roundtrip', worksheet, desktop]);
        await page.evaluate(() => { window.showSaveFilePicker = undefined; });
        await (await menuItem(page, 'Enregistrer le contenu de la fenêtre exercice')).click();
        // What the area could not show is asked about first.
        assert.match(await dialogText(page), /Enregistrer sans certains éléments\?/);
        const cdp = await page.createCDPSession();
        await cdp.send('Page.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });
        await page.click('dialog[open] button[value=ok]');
        await page.waitForSelector('dialog[open] input[type="text"]');
        assert.equal(await page.$eval('dialog[open] input', (n) => n.value), 'tables_pictures_lists.rtf');
        await page.$eval('dialog[open] input', (n) => { n.value = 'copie'; });
        await answer(page);
        const download = join(folder, 'copie.rtf');
        for (let i = 0; i < 100 && !existsSync(download); ++i) await new Promise((r) => setTimeout(r, 50));
        assert.deepEqual(readFileSync(download), readFileSync(desktop));

        // Typed in, saved through the save dialog, opened again: the pupil's words are there.
        await page.click('#supertext');
        await page.keyboard.down('Control');
        await page.keyboard.press('End');
        await page.keyboard.up('Control');
        await page.keyboard.type(' Réponse : H2O');
        const typed = await savedText(page);
        assert.equal(typed.name, 'tables_pictures_lists.rtf');
        assert.match(typed.bytes.toString('latin1'), /R\\'e9ponse : H2O/);
        await drop(page, [['reponse.rtf', typed.bytes]]);
        await page.waitForFunction(() => /Réponse : H2O/.test(document.querySelector('#supertext').textContent));
        assert.deepEqual(problems, []);
        await page.close();
    });

    test('the text printed as the area shows it', async () => {
        const { page, problems } = await openPage(chromium.browser);
        await page.evaluate(() => { window.print = () => { window.printed = (window.printed || 0) + 1; }; });
        await drop(page, [['fiche.rtf', readFileSync(join(corpus, 'rtf_reader/libreoffice_worksheet.rtf'))]]);
        await page.waitForFunction(() => document.querySelector('#supertext').isContentEditable);
        await (await menuItem(page, 'Imprimer le contenu de la fenêtre exercice')).click();
        await page.waitForFunction(() => window.printed === 1);
        const pdf = join(folder, 'texte.pdf');
        writeFileSync(pdf, await page.pdf({ preferCSSPageSize: true }));
        // Laid out on the sheet, the words are those of the area, in its order.
        const printed = execFileSync('pdftotext', [pdf, '-'], { encoding: 'utf8' }).replace(/\s+/g, '');
        const shown = (await areaText(page)).replace(/\s+/g, '');
        assert.ok(shown.length > 100 && printed.includes(shown), `${shown}\n---\n${printed}`);
        assert.deepEqual(problems, []);
        await page.close();
    });

    test('hostile texts and series from the fuzzers: shown or refused, never a fault, a refusal changing nothing', async () => {
        const { page, problems } = await openPage(chromium.browser);
        // Just saved: the series files dropped below are not asked about first.
        await page.evaluate(() => window.tavirPage.act((s) => { s.openLink('c=35222225222242222242222'); s.seriesSaved(); }));
        const texts = readdirSync(join(corpus, 'rtf_reader'));
        for (const name of texts) {
            await drop(page, [[`${basename(name, '.rtf')}.rtf`, readFileSync(join(corpus, 'rtf_reader', name))]]);
            await page.waitForFunction(() => document.querySelector('#supertext').isContentEditable || document.querySelector('dialog[open]'));
            if (await page.$('dialog[open]')) await answer(page);
            await page.evaluate(() => { document.querySelector('#supertext').contentEditable = 'false'; });
        }
        const shown = await areaText(page);
        const refused = [
            // A picture named as a text.
            ['image.rtf', Buffer.concat([Buffer.from('89504e470d0a1a0a0000000d49484452', 'hex'), Buffer.alloc(64)]), /Lecture impossible.*n'est pas un texte/],
            ...[['seed_wrong_magic', /Fichier non valide/], ['seed_length_200', /Lecture impossible sur disque/],
                ['seed_short', /Erreur lors du chargement du fichier.*Lecture impossible sur disque/]]
                .map(([n, message]) => [`${n}.C01`, readFileSync(join(corpus, 'series_loader', n)), message]),
            ['notes.txt', Buffer.from('rien'), /Fichier non reconnu/],
            // A text of too many pieces, named by its cause.
            ['cases.rtf', readFileSync(join(corpus, 'rtf_reader', 'structure_cells_one_row_over.rtf')), /Texte trop long.*trop de cases de tableau.*au plus 1.000/],
        ];
        for (const [name, bytes, message] of refused) {
            await drop(page, [[name, bytes]]);
            assert.match(await dialogText(page), message, name);
            await answer(page);
            assert.equal(await areaText(page), shown, name);
            assert.equal((await state(page)).formula, 'CO2', name);
        }
        // Past the size a text may have: refused from its size, nothing read.
        await page.evaluate(() => {
            const data = new DataTransfer();
            data.items.add(new File([new Uint8Array(window.tavirPage.app.texts.rtfFileBytes + 1)], 'grand.rtf'));
            document.querySelector('#supertext').dispatchEvent(new DragEvent('drop', { dataTransfer: data, bubbles: true, cancelable: true }));
        });
        assert.match(await dialogText(page), /Texte trop long.*au plus 32 Mo/);
        await answer(page);
        assert.equal(await areaText(page), shown);
        assert.deepEqual(problems, []);
        await page.close();
    });
});
