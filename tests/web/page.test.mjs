// A pupil's session in the real page, in Debian's Chromium: by mouse, finger, pen and keyboard.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { createServer } from 'node:http';
import { existsSync, mkdtempSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { inflateSync } from 'node:zlib';
import { fileURLToPath } from 'node:url';
import { after, before, describe, test } from 'node:test';

import { cellPoint, centreOf, launch, mouseDrag, openPage, pagePath, pageUrl, palette, state } from './browser.mjs';

// Grid places (column, row) of the cells the tests use.
const CELL0 = [1, 1];
const CELL1 = [2, 1];
const CELL5 = [1, 2];
const CELL7 = [0, 1];
const CELL9 = [1, 0];

let chromium;
before(async () => {
    chromium = await launch();
});
after(async () => {
    await chromium.close();
});

async function dropFromPalette(page, element, [column, row]) {
    await mouseDrag(page, await centreOf(page, palette[element]), await cellPoint(page, column, row));
}

async function formula(page) {
    return (await state(page)).formula;
}

// Only the page itself and what it carries inline: nothing from the network.
function outsideRequests(requests, own) {
    return requests.filter((url) => url !== own && !url.startsWith('data:') && !url.startsWith('blob:'));
}

describe('the page', () => {
    test('is one file under 4 MB, help and exercises included, with no outside address in its text', () => {
        const size = statSync(pagePath).size;
        assert.ok(size < 4 * 1024 * 1024, `${size} bytes`);
        const text = readFileSync(pagePath, 'utf8');
        assert.doesNotMatch(text, /(?:src|href)\s*=\s*["']?(?:https?:)?\/\//i);
        assert.doesNotMatch(text, /url\(\s*["']?(?:https?:)?\/\//i);
    });

    test('opens from the disk ready, with nothing fetched', async () => {
        const { page, problems, requests } = await openPage(chromium.browser);
        assert.deepEqual(outsideRequests(requests, pageUrl), []);
        const s = await state(page);
        assert.equal(s.current, 1);
        assert.equal(s.smile, false);
        assert.equal(await page.$eval('#smile', (n) => n.hasAttribute('hidden')), true);
        // The cover picture of the empty dot-structure box opens the note on the representation.
        await page.click('#phototavir');
        assert.match(await page.$eval('dialog[open]', (n) => n.textContent), /doublet liant/);
        await page.keyboard.press('Enter');
        assert.equal(await page.$('dialog[open]'), null);
        assert.deepEqual(problems, []);
        await page.close();
    });

    test('opens served over HTTP', async () => {
        const bytes = readFileSync(pagePath);
        const server = createServer((req, res) => {
            res.writeHead(200, { 'content-type': 'text/html; charset=utf-8' });
            res.end(bytes);
        });
        await new Promise((r) => server.listen(0, '127.0.0.1', r));
        const url = `http://127.0.0.1:${server.address().port}/tavir.html`;
        try {
            const { page, problems, requests } = await openPage(chromium.browser, url);
            assert.deepEqual(outsideRequests(requests, url), []);
            assert.deepEqual(problems, []);
            await page.close();
        } finally {
            server.close();
        }
    });
});

describe('building', () => {
    test('water by mouse, undo twice, then another construction and back', async () => {
        const { page, problems } = await openPage(chromium.browser);
        await dropFromPalette(page, 'O', CELL0);
        await dropFromPalette(page, 'H', CELL1);
        await dropFromPalette(page, 'H', CELL5);
        assert.equal(await formula(page), 'H2O');
        assert.equal(await page.$eval('#smile', (n) => n.hasAttribute('hidden')), false);
        // The geometry text comes with the animation's next tick.
        await page.waitForFunction(() => /coudée\./.test(document.querySelector('#C3D').textContent), { timeout: 2000 });
        // Dragged to the right by 60 pixels of the screen, the model stops a frame on for every
        // two pixels of the view (the page may be zoomed) and stays there.
        const d3d = await centreOf(page, '#D3D');
        const frames = await page.$eval('#D3D', (n) => Math.trunc(Math.trunc(60 * n.viewBox.baseVal.width / n.getBoundingClientRect().width) / 2));
        await page.mouse.move(d3d.x - 30, d3d.y);
        await page.mouse.down();
        const pressed = (await state(page)).frame;
        await page.mouse.move(d3d.x + 30, d3d.y, { steps: 6 });
        await page.mouse.up();
        const turned = await state(page);
        assert.equal(turned.timerEnabled, false);
        assert.ok(Math.abs(turned.frame - pressed - frames) <= 1, `${pressed} to ${turned.frame}, ${frames} frames`);
        await new Promise((r) => setTimeout(r, 200));
        assert.equal((await state(page)).frame, turned.frame);
        await page.click('#Command16_3');
        assert.equal((await state(page)).timerEnabled, true);

        await page.click('#Command13');
        assert.equal(await formula(page), '');
        await page.click('#Command13');
        assert.equal(await formula(page), 'H2O');

        await page.click('#Option3_1');
        assert.equal((await state(page)).current, 2);
        assert.equal(await formula(page), '');
        await page.click('#Option3_0');
        assert.equal(await formula(page), 'H2O');
        assert.deepEqual(problems, []);
        await page.close();
    });

    test('carbon dioxide with the bond menu, and a refused order greyed', async () => {
        const { page, problems } = await openPage(chromium.browser);
        await dropFromPalette(page, 'C', CELL0);
        await dropFromPalette(page, 'O', CELL1);
        await dropFromPalette(page, 'O', CELL7);
        assert.equal(await formula(page), '');
        // The bond between the centres, from its zone on cell 1's left edge.
        const centres = await cellPoint(page, ...CELL1, 5, 16);
        await page.mouse.click(centres.x, centres.y, { button: 'right' });
        await page.waitForSelector('.menu[role="menu"]');
        const items = await page.$$eval('.menu .item', (n) => n.map((i) => [i.textContent, i.getAttribute('aria-disabled')]));
        assert.deepEqual(items, [['liaison simple', null], ['liaison double', null], ['liaison triple', 'true']]);
        await page.keyboard.press('ArrowDown');
        await page.keyboard.press('Enter');
        const left = await cellPoint(page, ...CELL7);
        await page.mouse.click(left.x, left.y, { button: 'right' });
        await page.waitForSelector('.menu[role="menu"]');
        await page.keyboard.press('d');
        assert.equal(await formula(page), 'CO2');
        await page.waitForFunction(() => /alignés/.test(document.querySelector('#C3D').textContent), { timeout: 2000 });
        assert.deepEqual(problems, []);
        await page.close();
    });

    test('ammonium with the formal charges ticked', async () => {
        const { page } = await openPage(chromium.browser);
        await dropFromPalette(page, 'N', CELL0);
        await page.click('#Check3');
        for (const cell of [CELL1, CELL5, CELL7, CELL9]) await dropFromPalette(page, 'H', cell);
        const s = await state(page);
        assert.equal(s.formula, 'NH4+');
        assert.deepEqual(s.checked, [false, false, true, false]);
        await page.close();
    });

    test('a carbocation by the menu of its carbon, and the polarity of water', async () => {
        const { page, problems } = await openPage(chromium.browser);
        await dropFromPalette(page, 'C', CELL0);
        await page.click('#Check3');
        for (const cell of [CELL1, CELL5, CELL9]) await dropFromPalette(page, 'H', cell);
        const carbon = await cellPoint(page, ...CELL0);
        await page.mouse.click(carbon.x, carbon.y, { button: 'right' });
        await page.waitForSelector('.menu[role="menu"]');
        const items = await page.$$eval('.menu .item', (n) => n.map((i) => [i.textContent, i.getAttribute('aria-checked')]));
        assert.deepEqual(items.slice(-2), [['Doublet non liant', 'true'], ['Lacune électronique', 'false']]);
        await page.keyboard.press('l');
        assert.equal(await formula(page), 'CH3+');
        await page.waitForFunction(() => /120°/.test(document.querySelector('#C3D').textContent), { timeout: 2000 });

        await page.click('#Option3_1');
        await dropFromPalette(page, 'O', CELL0);
        await dropFromPalette(page, 'H', CELL1);
        await dropFromPalette(page, 'H', CELL5);
        await page.click('#Check4');
        await page.waitForFunction(() => /La molécule est polaire\./.test(document.querySelector('#C3D').textContent),
            { timeout: 2000 });
        assert.match(await page.$eval('#fdev-view', (n) => n.innerHTML), /δ/);
        assert.deepEqual(problems, []);
        await page.close();
    });

    test('water by finger, and the bond menu by a long press of a pen', async () => {
        const { page } = await openPage(chromium.browser, pageUrl, { width: 1280, height: 800, hasTouch: true });
        const touchDrag = async (from, to) => {
            await page.touchscreen.touchStart(from.x, from.y);
            await page.touchscreen.touchMove((from.x + to.x) / 2, (from.y + to.y) / 2);
            await page.touchscreen.touchMove(to.x, to.y);
            await page.touchscreen.touchEnd();
        };
        await touchDrag(await centreOf(page, palette.O), await cellPoint(page, ...CELL0));
        await touchDrag(await centreOf(page, palette.H), await cellPoint(page, ...CELL1));
        await touchDrag(await centreOf(page, palette.H), await cellPoint(page, ...CELL5));
        assert.equal(await formula(page), 'H2O');
        // A finger across the 3D view turns the model and stops it.
        const d3d = await centreOf(page, '#D3D');
        await touchDrag({ x: d3d.x + 40, y: d3d.y }, { x: d3d.x - 40, y: d3d.y });
        assert.equal((await state(page)).timerEnabled, false);
        // A finger moving an atom off the board removes it.
        await touchDrag(await cellPoint(page, ...CELL5), await centreOf(page, '#info'));
        assert.equal(await formula(page), '');

        const cdp = await page.createCDPSession();
        const pen = await cellPoint(page, ...CELL1, 5, 16);
        const event = (type, buttons) => cdp.send('Input.dispatchMouseEvent',
            { type, x: pen.x, y: pen.y, button: 'left', buttons, clickCount: 1, pointerType: 'pen' });
        await event('mousePressed', 1);
        await new Promise((r) => setTimeout(r, 700));
        await page.waitForSelector('.menu[role="menu"]', { timeout: 2000 });
        await event('mouseReleased', 0);
        await page.keyboard.press('Escape');
        assert.equal(await page.$('.menu'), null);
        await page.close();
    });

    test('by keyboard alone, as on the desktop', async () => {
        const { page } = await openPage(chromium.browser);
        await page.$eval('#Command12', (n) => n.focus());
        // Tab from the buttons reaches the board: the keys are told on the information line.
        for (let i = 0; i < 20 && !(await page.evaluate(() => document.activeElement.id === 'dessineur')); ++i)
            await page.keyboard.press('Tab');
        assert.match((await state(page)).info, /flèches/);
        for (const key of ['c', 'ArrowRight', 'o', 'ArrowLeft', 'ArrowLeft', 'o', '2', 'ArrowRight', 'ArrowRight', '2'])
            await page.keyboard.press(key);
        assert.equal(await formula(page), 'CO2');
        assert.equal((await state(page)).focusFrame, 1);
        await page.keyboard.press('Delete');
        assert.equal(await formula(page), '');
        await page.keyboard.down('Control');
        await page.keyboard.press('z');
        await page.keyboard.up('Control');
        assert.equal(await formula(page), 'CO2');
        await page.close();
    });
});

describe('the calculator', () => {
    test('computes from keys and typing, says what it cannot compute, and keeps its memory between openings', async () => {
        const { page, problems } = await openPage(chromium.browser);
        const display = () => page.$eval('#z1', (n) => n.value);
        await page.click('#Command8');
        await page.waitForSelector('dialog.calculator[open]');
        for (const key of ['B2', 'Bcos', 'B6', 'B0']) await page.click(`#calc-${key}`);
        await page.keyboard.type('+10');
        await page.keyboard.press('Enter');
        assert.equal(await display(), ' 11');
        await page.click('#calc-Command1');  // M+
        await page.keyboard.type('1/0');
        await page.keyboard.press('Enter');
        assert.equal(await display(), 'Calcul impossible');
        await page.click('dialog.calculator .dialog-close');
        await page.click('#Command8');
        await page.waitForSelector('dialog.calculator[open]');
        assert.equal(await display(), '');
        await page.click('#calc-Command3');  // RM
        await page.click('#calc-EXE');
        assert.equal(await display(), ' 11');
        // A mole computation: the mass of 0.25 mol of water, then its number of molecules.
        for (const [typed, shown] of [['0.25*(2*1.008+16)', ' 4.504'], ['0.25*6.02E23', ' 1.505E+23']]) {
            await page.keyboard.type(typed);
            await page.keyboard.press('Enter');
            assert.equal(await display(), shown, typed);
        }
        assert.deepEqual(problems, []);
        await page.close();
    });
});

describe('printing', () => {
    test('prints the series as vector pages through the browser, and says why when nothing would print', async () => {
        const { page, problems } = await openPage(chromium.browser);
        await page.evaluate(() => { window.print = () => { window.printed = (window.printed || 0) + 1; }; });
        await page.click('#Command10');
        await page.waitForSelector('dialog.print[open]');
        for (const box of await page.$$('dialog.print input[type=checkbox]')) await box.click();
        await page.click('dialog.print button[type=submit]');
        await page.waitForSelector('dialog.message:not(.print)[open]');
        assert.equal(await page.$eval('dialog.message:not(.print) p', (n) => n.textContent), 'Cochez au moins une image à imprimer.');
        await page.keyboard.press('Enter');
        assert.ok(await page.$('dialog.print[open]'), 'the print window stays for another choice');
        await page.keyboard.press('Escape');

        await dropFromPalette(page, 'O', CELL0);
        await dropFromPalette(page, 'H', CELL1);
        await dropFromPalette(page, 'H', CELL5);
        await page.click('#Option3_2');
        await dropFromPalette(page, 'C', CELL0);
        await page.keyboard.down('Control');
        await page.keyboard.press('p');
        await page.keyboard.up('Control');
        await page.waitForSelector('dialog.print[open]');
        const [, wholeSeries] = await page.$$('dialog.print input[type=radio]');
        await wholeSeries.click();
        await page.$eval('#print-copies', (n) => { n.value = '2'; });
        await page.click('dialog.print button[type=submit]');
        await page.waitForFunction(() => window.printed === 1);
        const sheets = await page.$$eval('#print-pages .print-page', (n) => n.length);
        assert.ok(sheets >= 2, 'each copy starts on a new page');

        const folder = process.env.TAVIR_KEEP_PRINT || mkdtempSync(join(tmpdir(), 'tavir-print-'));
        const pdf = join(folder, 'print.pdf');
        writeFileSync(pdf, await page.pdf({ preferCSSPageSize: true }));
        const pages = Number(/Pages:\s+(\d+)/.exec(execFileSync('pdfinfo', [pdf], { encoding: 'utf8' }))[1]);
        assert.equal(pages, sheets);
        const images = execFileSync('pdfimages', ['-list', pdf], { encoding: 'utf8' }).trim().split('\n');
        assert.equal(images.length, 2, `only the listing's header, no bitmap: ${images.join('\n')}`);
        if (!process.env.TAVIR_KEEP_PRINT) rmSync(folder, { recursive: true, force: true });
        assert.deepEqual(problems, []);
        await page.close();
    });
});

describe('help and course', () => {
    test('F1 opens the help beside the window, its links, pictures and buttons work, and the course becomes F1\'s book', async () => {
        const { page, problems } = await openPage(chromium.browser);
        const widthOf = () => page.$eval('#tavir', (n) => n.getBoundingClientRect().width);
        const before = await widthOf();
        const inside = async () => (await page.$('#help-panel iframe')).contentFrame();
        const heading = async () => (await inside()).$eval('h1', (n) => n.textContent);
        const loaded = async (text) => {
            await page.waitForFunction((t) => document.querySelector('#help-panel iframe')?.contentDocument?.querySelector('h1')?.textContent === t,
                {}, text);
        };
        await page.keyboard.press('F1');
        await page.waitForSelector('#help-panel iframe');
        await loaded('Aide de Tavir');
        assert.equal(await page.$eval('#help-panel .help-title', (n) => n.textContent), 'Aide de Tavir');
        assert.ok(await widthOf() < before, 'the window makes room for the panel');
        await (await inside()).click('a[href="construire.html"]');
        await loaded('Construire une molécule');
        assert.ok(await (await inside()).$eval('img', (n) => n.complete && n.naturalWidth > 0), 'the pictures are inside the page');
        await page.click('#help-panel .help-buttons button:first-child');
        await loaded('Aide de Tavir');
        await (await inside()).click('a[href="../cours/index.html"]');
        assert.equal(await page.$eval('#help-panel .help-title', (n) => n.textContent), 'Cours');
        await page.keyboard.press('Escape');
        assert.equal(await page.$('#help-panel'), null);
        assert.equal(await widthOf(), before);

        await page.click('#Command9');
        await page.waitForSelector('#help-panel iframe');
        await page.keyboard.press('Escape');
        await page.focus('#dessineur');
        await page.keyboard.press('F1');
        await page.waitForSelector('#help-panel iframe');
        assert.equal(await page.$eval('#help-panel .help-title', (n) => n.textContent), 'Cours');
        assert.notEqual(await heading(), 'Aide de Tavir');
        assert.deepEqual(problems, []);
        await page.close();
    });
});

describe('installing', () => {
    test('the browser reads the inline manifest without a fault, its icon inside it', async () => {
        const { page } = await openPage(chromium.browser);
        const cdp = await page.createCDPSession();
        const { errors, data } = await cdp.send('Page.getAppManifest');
        assert.deepEqual(errors, []);
        const manifest = JSON.parse(data);
        assert.equal(manifest.name, 'Tavir');
        assert.equal(manifest.display, 'standalone');
        assert.match(manifest.icons[0].src, /^data:image\/svg\+xml;base64,/);
        await page.close();
    });
});

describe('access for every pupil', () => {
    const axe = join(fileURLToPath(new URL('.', import.meta.url)), 'node_modules/axe-core/axe.min.js');
    async function seriousViolations(page) {
        if (!(await page.evaluate(() => typeof window.axe === 'object'))) await page.addScriptTag({ path: axe });
        return page.evaluate(async () => (await window.axe.run(document)).violations
            .filter((v) => v.impact === 'serious' || v.impact === 'critical')
            .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
    }

    test('no serious accessibility fault in the window, its dialogs and the help, and each change is announced', async () => {
        const { page, problems } = await openPage(chromium.browser);
        const windows = [
            ['main window', null, null],
            ['print window', '#Command10', 'dialog.print[open]'],
            ['calculator', '#Command8', 'dialog.calculator[open]'],
            ['help', '#Command7', '#help-panel iframe'],
            ['exercise chooser', async () => {
                await page.click('#BTEXO');
                await page.waitForSelector('.menu');
                await page.evaluate(() => [...document.querySelectorAll('.menu .item')][1].click());
            }, 'dialog.chooser[open]'],
        ];
        for (const [name, opener, shown] of windows) {
            if (opener) {
                await (typeof opener === 'function' ? opener() : page.click(opener));
                await page.waitForSelector(shown);
            }
            assert.deepEqual(await seriousViolations(page), [], name);
            if (opener) await page.keyboard.press('Escape');
        }
        await dropFromPalette(page, 'O', CELL0);
        await dropFromPalette(page, 'H', CELL1);
        await dropFromPalette(page, 'H', CELL5);
        await page.waitForFunction(() => /coudée/.test(document.querySelector('#announce').textContent), { timeout: 2000 });
        const said = await page.$eval('#announce', (n) => [n.getAttribute('role'), n.textContent]);
        assert.equal(said[0], 'status');
        assert.match(said[1], /^H2O\. /);
        assert.deepEqual(problems, []);
        await page.close();
    });
});

describe('exercises', () => {
    async function menuItem(page, label) {
        await page.click('#BTEXO');
        await page.waitForSelector('.menu');
        const items = await page.$$('.menu .item');
        for (const item of items) {
            const [text, disabled] = await item.evaluate((n) => [n.textContent, n.getAttribute('aria-disabled') === 'true']);
            if (text === label) return { item, disabled };
        }
        throw new Error(`no item ${label}`);
    }
    const areaText = (page) => page.$eval('#supertext', (n) => n.textContent);

    test('an exercise chosen by its title, its correction with its series, the pupil\'s typing kept until asked, and the tour', async () => {
        const { page, problems } = await openPage(chromium.browser);
        assert.equal((await menuItem(page, 'Voir la correction')).disabled, true);
        await (await menuItem(page, 'Ouvrir un exercice (énoncé + configuration)')).item.click();
        await page.waitForSelector('dialog.chooser[open]');
        const methane = await page.$$eval('#exercise-files-list option', (n) => n.find((o) => o.textContent === 'Le méthane').value);
        await page.select('#exercise-files-list', methane);
        assert.match(await page.$eval('.chooser-topics', (n) => n.textContent), /liaison simple/);
        await page.click('dialog.chooser .chooser-open');
        await page.waitForFunction(() => /Exercice 2\s:\sle méthane/.test(document.querySelector('#supertext').textContent));
        assert.equal(await page.$eval('#supertext', (n) => n.isContentEditable), true);

        const correction = await menuItem(page, 'Voir la correction');
        assert.equal(correction.disabled, false);
        await correction.item.click();
        await page.waitForFunction(() => /Correction de l'exercice 2/.test(document.querySelector('#supertext').textContent));
        assert.equal(await formula(page), 'CH4', 'the correction\'s series is on the board');

        await page.click('#supertext');
        await page.keyboard.type('Ma réponse');
        await (await menuItem(page, "Fermer l'exercice")).item.click();
        await page.waitForSelector('dialog.message[open]');
        await page.click('dialog.message button[value=cancel]');
        assert.match(await areaText(page), /Ma réponse/);
        await (await menuItem(page, "Fermer l'exercice")).item.click();
        await page.waitForSelector('dialog.message[open]');
        await page.click('dialog.message button[value=ok]');
        await page.waitForFunction(() => !document.querySelector('dialog[open]'));
        assert.match(await areaText(page), /Cette application permet/);
        assert.equal(await page.$eval('#supertext', (n) => n.isContentEditable), false);

        await (await menuItem(page, 'Prise en main')).item.click();
        await page.waitForFunction(() => /Prise en main/.test(document.querySelector('#supertext').textContent));
        assert.deepEqual(problems, []);
        await page.close();
    });
});

describe('links and reloads', () => {
    test('a link opens its construction in the first empty place, and a reload keeps the series', async () => {
        const { page } = await openPage(chromium.browser);
        await dropFromPalette(page, 'O', CELL0);
        await dropFromPalette(page, 'H', CELL1);
        await dropFromPalette(page, 'H', CELL5);
        const link = await page.evaluate(() => window.tavirPage.app.session.link());
        await page.click('#Option3_3');
        await dropFromPalette(page, 'C', CELL0);
        await page.reload();
        await page.waitForFunction('window.tavirReady === true');
        let s = await state(page);
        assert.equal(s.current, 4);
        assert.equal(s.construction.slice(0, 2), '32');
        await page.click('#Option3_0');
        assert.equal(await formula(page), 'H2O');

        await page.goto(`${pageUrl}#c=35222225222242222242222`);
        await page.waitForFunction('window.tavirReady === true');
        s = await state(page);
        assert.equal(s.formula, 'CO2');
        assert.equal(s.current, 2, 'construction 1 holds water: the link goes to the first empty one');
        assert.equal(await page.evaluate(() => location.hash), '');
        await page.click('#Option3_0');
        assert.equal(await formula(page), 'H2O');
        assert.match(link, /^c=[2-7]{12}[2-5]{11}$/);
        await page.close();
    });

    test('a damaged link and damaged storage change nothing', async () => {
        const { page } = await openPage(chromium.browser);
        await page.evaluate(() => localStorage.setItem('tavir-session', 'tavir-session 1\ncurrent=99\nentry1=zzz\nspeed=-4'));
        await page.goto(`${pageUrl}#c=99999`);
        await page.waitForFunction('window.tavirReady === true');
        const s = await state(page);
        assert.equal(s.current, 1);
        assert.equal(s.construction, '22222222222222222222222');
        assert.equal(s.speed, 50);
        await page.close();
    });
});

describe('files', () => {
    // The browser's save dialog cannot be answered from a test: the page downloads instead.
    const withoutSaveDialog = (page) => page.evaluate(() => { window.showSaveFilePicker = undefined; });
    // Downloads of a page go to a folder of the test's own.
    async function downloadsOf(page) {
        const folder = mkdtempSync(join(tmpdir(), 'tavir-downloads-'));
        const cdp = await page.createCDPSession();
        await cdp.send('Page.setDownloadBehavior', { behavior: 'allow', downloadPath: folder });
        const next = async (name) => {
            const path = join(folder, name);
            for (let i = 0; i < 100 && !existsSync(path); ++i) await new Promise((r) => setTimeout(r, 50));
            return readFileSync(path);
        };
        return { folder, next };
    }

    test('a series saved, read back by the native companion, cleared and opened again; a foreign file refused', async () => {
        const { page } = await openPage(chromium.browser);
        const downloads = await downloadsOf(page);
        await withoutSaveDialog(page);
        await dropFromPalette(page, 'O', CELL0);
        await dropFromPalette(page, 'H', CELL1);
        await dropFromPalette(page, 'H', CELL5);
        await page.click('#Option3_2');
        await page.goto(`${pageUrl}#c=35222225222242222242222`);
        await page.waitForFunction('window.tavirReady === true');
        await page.click('#Command11');
        await page.waitForSelector('dialog[open] input[type="text"]');
        await page.$eval('dialog[open] input[type="text"]', (n) => { n.value = 'tp.eau'; });
        await page.keyboard.press('Enter');
        const bytes = await downloads.next('tp.C01');
        assert.equal(bytes.length, 12 * 128);
        const series = join(downloads.folder, 'tp.C01');
        const cli = process.env.TAVIR_CLI;
        if (cli) {
            const dump = JSON.parse(execFileSync(cli, ['series', 'dump', series], { encoding: 'utf8' }));
            assert.equal(dump.constructions[0].slice(0, 2), '54');
            assert.equal(dump.constructions[2], '35222225222242222242222', 'the link went to the empty current one');
        }

        await page.click('#Command12');
        await page.waitForSelector('.menu[role="menu"]');
        await page.keyboard.press('ArrowDown');
        await page.keyboard.press('Enter');
        assert.equal(await formula(page), '');
        // Cleared since its save: asked first, Annuler keeps it, "Ne pas enregistrer" goes on.
        await page.click('#Command2');
        await page.waitForSelector('dialog[open]');
        assert.match(await page.$eval('dialog[open]', (n) => n.textContent), /Série modifiée.*Voulez-vous les enregistrer/s);
        await page.keyboard.press('Escape');
        await page.waitForFunction(() => !document.querySelector('dialog[open]'));
        const [chooser] = await Promise.all([page.waitForFileChooser(), (async () => {
            await page.click('#Command2');
            await page.waitForSelector('dialog[open]');
            await page.keyboard.down('Alt');
            await page.keyboard.press('n');
            await page.keyboard.up('Alt');
        })()]);
        await chooser.accept([series]);
        await page.waitForFunction(() => window.tavirPage.app.state.formula === 'H2O');
        await page.click('#Option3_2');
        assert.equal(await formula(page), 'CO2');

        const foreign = join(downloads.folder, 'lettre.C01');
        writeFileSync(foreign, 'Chère Madame,\n'.repeat(200));
        const [again] = await Promise.all([page.waitForFileChooser(), page.click('#Command2')]);
        await again.accept([foreign]);
        await page.waitForSelector('dialog[open]');
        assert.match(await page.$eval('dialog[open]', (n) => n.textContent), /Fichier non valide.*ne correspond pas/s);
        await page.keyboard.press('Enter');
        assert.equal(await formula(page), 'CO2', 'a refused file changes nothing');
        rmSync(downloads.folder, { recursive: true, force: true });
        await page.close();
    });

    test('the board saved as a PNG four times its size and as SVG', async () => {
        const { page } = await openPage(chromium.browser);
        const downloads = await downloadsOf(page);
        await dropFromPalette(page, 'O', CELL0);
        for (const format of ['png', 'svg']) {
            await page.click('#Command4');
            await page.waitForSelector('.menu[role="menu"]');
            await page.click('.menu .item:last-child');
            await page.waitForSelector('dialog[open] select');
            await page.select('dialog[open] select:nth-of-type(1)', '0');
            await page.$$eval('dialog[open] select', (s, f) => { s[1].value = f; }, format);
            await page.click('dialog[open] button[type="submit"]');
            const bytes = await downloads.next(`construction.${format}`);
            if (format === 'png') {
                assert.equal(bytes.readUInt32BE(16), 129 * 4);
                assert.equal(bytes.readUInt32BE(20), 97 * 4);
            } else {
                assert.match(bytes.toString('utf8'), /^<svg [^>]*viewBox="0 0 129 97"/);
                assert.match(bytes.toString('utf8'), /<symbol id="tavir-element-3"/);
            }
        }
        assert.match((await state(page)).info, /construction\.svg$/);
        // Water: its dot structure cropped to its drawing, its 3D view without background
        // see-through (the first pixel's alpha, raw in the first row whatever its filter).
        await dropFromPalette(page, 'H', CELL1);
        await dropFromPalette(page, 'H', CELL5);
        const savedPng = async (choice, name) => {
            await page.click('#Command4');
            await page.waitForSelector('.menu[role="menu"]');
            await page.click('.menu .item:last-child');
            await page.waitForSelector('dialog[open] select');
            await page.select('dialog[open] select:nth-of-type(1)', choice);
            await page.$$eval('dialog[open] select', (s) => { s[1].value = 'png'; });
            await page.click('dialog[open] button[type="submit"]');
            return downloads.next(name);
        };
        const dot = await savedPng('1', 'representation.png');
        assert.ok(dot.readUInt32BE(16) < 265 * 4 * 0.6, `${dot.readUInt32BE(16)} wide`);
        const bare = await savedPng('3', 'animation-3d.png');
        assert.equal(bare[25], 6, 'RGBA');
        const idat = [];
        for (let at = 8; at < bare.length;) {
            const length = bare.readUInt32BE(at);
            if (bare.toString('latin1', at + 4, at + 8) === 'IDAT') idat.push(bare.subarray(at + 8, at + 8 + length));
            at += 12 + length;
        }
        assert.equal(inflateSync(Buffer.concat(idat))[4], 0, 'the corner is see-through');
        rmSync(downloads.folder, { recursive: true, force: true });
        await page.close();
    });
});
