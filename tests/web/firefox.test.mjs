// The same page in Debian's Firefox ESR: it opens from the disk, fetches nothing and builds.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import puppeteer from 'puppeteer-core';

import { cellPoint, centreOf, mouseDrag, pageUrl, palette } from './browser.mjs';

test('Firefox ESR opens the page from the disk, follows a link and builds water by mouse', async () => {
    const browser = await puppeteer.launch({
        browser: 'firefox', executablePath: process.env.FIREFOX || '/usr/bin/firefox-esr', headless: true,
    });
    try {
        const page = await browser.newPage();
        await page.setViewport({ width: 1280, height: 800 });
        const problems = [];
        const requests = [];
        page.on('pageerror', (e) => problems.push(String(e)));
        page.on('request', (r) => requests.push(r.url()));
        await page.goto(`${pageUrl}#c=33422422244242233222332`);
        await page.waitForFunction('window.tavirReady === true || window.tavirFailure', { timeout: 20000 });
        assert.equal(await page.evaluate(() => window.tavirFailure), undefined);
        assert.equal(await page.evaluate(() => window.tavirPage.app.state.formula), 'C2H4');
        await page.click('#Option3_1');
        await mouseDrag(page, await centreOf(page, palette.O), await cellPoint(page, 1, 1));
        await mouseDrag(page, await centreOf(page, palette.H), await cellPoint(page, 2, 1));
        await mouseDrag(page, await centreOf(page, palette.H), await cellPoint(page, 1, 2));
        assert.equal(await page.evaluate(() => window.tavirPage.app.state.formula), 'H2O');
        assert.deepEqual(requests.filter((u) => !u.startsWith('data:') && !u.startsWith('blob:') && u.split('#')[0] !== pageUrl), []);
        assert.deepEqual(problems, []);
    } finally {
        await browser.close();
    }
});
