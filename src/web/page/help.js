// The help and the course beside the work, as the desktop's help window: the shipped pages
// with their pictures, and Précédent, Suivant, Sommaire, Fermer.
import { app } from './app.js';
import { caption, el, pressAltKey } from './dom.js';
import { setSidePanel } from './layout.js';

export const GUIDE = 'aide/index.html';
export const COURSE = 'cours/index.html';

let content = null;  // pages and pictures, read at the first opening
let panel = null;
let pages = [];      // the visited pages and where we are among them
let at = -1;

function helpContent() {
    if (!content) content = JSON.parse(document.getElementById('help-pages').textContent);
    return content;
}

// A link's target from the page it is on, as a path under the help's root.
function resolve(from, href) {
    const parts = from.split('/').slice(0, -1);
    for (const part of href.split('/')) {
        if (part === '..') parts.pop();
        else if (part !== '.' && part !== '') parts.push(part);
    }
    return parts.join('/');
}

function bookTitle(path) {
    return path.startsWith('cours/') ? app.texts.help.courseTitle : app.texts.help.guideTitle;
}

function pageHtml(path) {
    const { pages: all, pictures } = helpContent();
    const html = all[path];
    if (html === undefined) return `<!DOCTYPE html><html lang="fr"><body>${app.texts.help.missingPage}</body></html>`;
    // The page's own fonts, so the pages read as on the desktop.
    const fonts = `<style>${window.tavirFontFaces || ''}</style>`;
    return html.replace(/<head>/i, `<head>${fonts}`).replace(/(\ssrc=")([^"]+)"/g, (whole, start, src) => {
        const picture = pictures[resolve(path, src)];
        return picture ? `${start}${picture}"` : whole;
    });
}

function scrollTo(doc, hash) {
    if (!hash) return;
    const target = doc.getElementById(hash) || doc.querySelector(`a[name="${CSS.escape(hash)}"]`);
    if (target) target.scrollIntoView();
}

function show(frame, title, buttons) {
    const { path, hash } = pages[at];
    title.textContent = bookTitle(path);
    panel.setAttribute('aria-label', title.textContent);
    buttons.back.disabled = at <= 0;
    buttons.forward.disabled = at >= pages.length - 1;
    frame.onload = () => {
        const doc = frame.contentDocument;
        scrollTo(doc, hash);
        doc.addEventListener('click', (event) => {
            const link = event.target.closest('a[href]');
            if (!link) return;
            event.preventDefault();
            const href = link.getAttribute('href');
            if (/^[a-z]+:/i.test(href)) {
                window.open(href, '_blank', 'noopener');
            } else if (href.startsWith('#')) {
                scrollTo(doc, href.slice(1));
            } else {
                const [target, anchor] = href.split('#');
                go(resolve(path, target), anchor || '');
            }
        });
        doc.addEventListener('keydown', panelKeys);
    };
    frame.srcdoc = pageHtml(path);
}

let refresh = null;

function go(path, hash = '') {
    pages = pages.slice(0, at + 1);
    pages.push({ path, hash });
    at = pages.length - 1;
    refresh();
}

function step(by) {
    if (at + by < 0 || at + by >= pages.length) return;
    at += by;
    refresh();
}

// Alt and an underlined letter act on the panel's buttons; Escape closes it.
function panelKeys(event) {
    if (event.key === 'Escape') {
        event.preventDefault();
        closeHelp();
        return;
    }
    pressAltKey(panel, event);
}

function panelButton(text, run) {
    const { fragment, key } = caption(text);
    const button = el('button', { type: 'button', 'data-key': key }, [fragment]);
    button.addEventListener('click', run);
    return button;
}

let opener = null;

export function closeHelp() {
    if (!panel) return;
    panel.remove();
    panel = null;
    setSidePanel(null);
    if (opener && opener.isConnected) opener.focus();
}

// Opens a book at its first page, or brings the open panel to it.
export function openHelp(start) {
    opener = document.activeElement;
    const t = app.texts.help;
    if (!panel) {
        const title = el('h2', { class: 'help-title' });
        const frame = el('iframe', { class: 'help-page', title: t.pagesName });
        const buttons = {
            back: panelButton(t.back, () => step(-1)),
            forward: panelButton(t.forward, () => step(1)),
            contents: panelButton(t.contents, () => go(pages[at].path.startsWith('cours/') ? COURSE : GUIDE)),
            close: panelButton(t.close, () => closeHelp()),
        };
        panel = el('aside', { id: 'help-panel' }, [
            title, el('div', { class: 'help-buttons' }, Object.values(buttons)), frame,
        ]);
        panel.addEventListener('keydown', panelKeys);
        document.body.append(panel);
        refresh = () => show(frame, title, buttons);
        pages = [];
        at = -1;
        setSidePanel(panel);
    }
    go(start);
    panel.querySelector('iframe').focus();
}
