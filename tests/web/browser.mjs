// Debian's Chromium driven by puppeteer-core, as the page's tests and benchmark use it: a
// fresh profile, no network, every page error and every request seen.
import { mkdtempSync, rmSync } from 'fs';
import { tmpdir } from 'os';
import { join, resolve } from 'path';
import { fileURLToPath } from 'url';
import puppeteer from 'puppeteer-core';

const here = fileURLToPath(new URL('.', import.meta.url));
export const pagePath = resolve(process.env.TAVIR_WEB_PAGE || join(here, '../../build-web/tavir.html'));
export const pageUrl = `file://${pagePath}`;

export async function launch() {
    const profile = mkdtempSync(join(tmpdir(), 'tavir-chromium-'));
    const browser = await puppeteer.launch({
        executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
        headless: true,
        userDataDir: profile,
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
            '--disable-component-update', '--disable-sync', '--disable-default-apps', '--no-default-browser-check'],
    });
    const close = async () => {
        await browser.close();
        rmSync(profile, { recursive: true, force: true });
    };
    return { browser, close };
}

// A page in a browser context of its own (its own storage), with its errors and requests
// recorded. Closing the page closes its context.
export async function openPage(browser, url = pageUrl, viewport = { width: 1280, height: 800 }) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    const closePage = page.close.bind(page);
    page.close = async () => {
        await closePage();
        await context.close();
    };
    await page.setViewport(viewport);
    const problems = [];
    const requests = [];
    page.on('pageerror', (e) => problems.push(`page error: ${e.message}`));
    page.on('console', (m) => {
        if (m.type() === 'error') problems.push(`console: ${m.text()}`);
    });
    page.on('request', (r) => requests.push(r.url()));
    await page.goto(url);
    await page.waitForFunction('window.tavirReady === true || window.tavirFailure', { timeout: 15000 });
    const failure = await page.evaluate(() => window.tavirFailure);
    if (failure) throw new Error(failure);
    return { page, problems, requests };
}

// What the page's own state says (the session's JSON).
export function state(page) {
    return page.evaluate(() => window.tavirPage.app.state);
}

export function centreOf(page, selector) {
    return page.$eval(selector, (n) => {
        const r = n.getBoundingClientRect();
        return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
    });
}

// A point of a board cell's grid place (column 0..3, row 0..2), dx and dy inside it.
export async function cellPoint(page, column, row, dx = 16, dy = 16) {
    const b = await page.$eval('#board-view', (n) => {
        const r = n.getBoundingClientRect();
        return { x: r.left, y: r.top, w: r.width, h: r.height };
    });
    return { x: b.x + ((column * 32 + dx) * b.w) / 129, y: b.y + ((row * 32 + dy) * b.h) / 97 };
}

export async function mouseDrag(page, from, to) {
    await page.mouse.move(from.x, from.y);
    await page.mouse.down();
    await page.mouse.move((from.x + to.x) / 2, (from.y + to.y) / 2, { steps: 4 });
    await page.mouse.move(to.x, to.y, { steps: 4 });
    await page.mouse.up();
}

export const palette = { C: '#Imagea_0', H: '#Imagea_1', O: '#Imagea_2', N: '#Imagea_3', Cl: '#Imagea_4' };
