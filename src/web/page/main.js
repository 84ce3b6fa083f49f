// Start-up: the core is made ready, the window built and wired, the kept session and a
// link's construction brought back; then the page says it is ready.
import { act, app, refresh } from './app.js';
import { animationFrame, runAnimation } from './animation.js';
import { wireBoard } from './board.js';
import { wireControls } from './controls.js';
import { el } from './dom.js';
import { openDropped, wireExercises } from './exercises.js';
import { setWindowRoot } from './layout.js';
import { keepSession, restoreSession } from './storage.js';
import { followState } from './views.js';
import { buildWindow } from './window.js';

function openLinkOf(hash) {
    if (!hash || !act((s) => s.openLink(hash))) return;
    // Shown once: a reload comes back to the pupil's series, not to a second copy of the link.
    try {
        history.replaceState(null, '', location.href.split('#')[0]);
    } catch {
        // A page that cannot change its address keeps the link; nothing is lost either way.
    }
}

async function start() {
    const loading = document.getElementById('loading');
    if (typeof WebAssembly !== 'object') {
        loading.textContent = loading.dataset.noWebAssembly;
        return;
    }
    app.core = await window.createTavirCore();
    // The help and the exercises come after the scripts in the file: the window waits for them.
    if (document.readyState === 'loading') await new Promise((r) => document.addEventListener('DOMContentLoaded', r, { once: true }));
    app.session = new app.core.Session();
    app.texts = JSON.parse(app.core.texts());
    document.getElementById('element-symbols').innerHTML = app.core.elementSymbols();

    const refs = buildWindow(app.texts);
    const outer = el('main', { id: 'outer' }, [el('h1', { class: 'unseen', text: app.texts.windowCaption }), refs.root]);
    loading.replaceWith(outer);
    setWindowRoot(refs.root);
    followState(refs);
    wireBoard(refs);
    wireControls(refs);
    wireExercises(refs);
    restoreSession();
    openLinkOf(location.hash);
    window.addEventListener('hashchange', () => openLinkOf(location.hash));
    keepSession();
    refresh(true);
    runAnimation(refs);

    // Files dropped on the page open as with the menus: an exercise, a text or a series.
    // A text dragged inside the exercise area stays the browser's own business.
    const carriesFiles = (event) => event.dataTransfer && event.dataTransfer.types.includes('Files');
    document.addEventListener('dragover', (event) => { if (carriesFiles(event)) event.preventDefault(); });
    document.addEventListener('drop', (event) => {
        if (!carriesFiles(event)) return;
        event.preventDefault();
        openDropped(refs, event.dataTransfer);
    });
    refs.board.focus({ preventScroll: true });
    // For the page's tests and benchmarks: the same calls a pupil's actions make.
    window.tavirPage = { app, act, refresh, animationFrame: () => animationFrame(refs) };
    window.tavirReadyAt = performance.now();
    window.tavirReady = true;
    document.documentElement.dataset.ready = 'true';
}

start().catch((error) => {
    const loading = document.getElementById('loading');
    if (loading) loading.textContent = String(error);
    window.tavirFailure = String(error && error.stack ? error.stack : error);
});
