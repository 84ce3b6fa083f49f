// Nothing is lost on reload: the session's snapshot is kept in the browser after every
// change and given back to the session at the next visit.
import { act, app, onRefresh } from './app.js';

const KEY = 'tavir-session';

function store() {
    try {
        return window.localStorage;
    } catch {
        return null;
    }
}

export function restoreSession() {
    const s = store();
    const kept = s ? s.getItem(KEY) : null;
    if (kept) act((session) => session.restore(kept));
}

export function keepSession() {
    let warned = false;
    onRefresh(() => {
        const s = store();
        try {
            if (!s) throw new Error('no storage');
            s.setItem(KEY, app.session.snapshot());
        } catch {
            if (warned) return;
            warned = true;
            setTimeout(() => act((session) => session.setInfo(app.texts.storageUnavailable)), 0);
        }
    });
}
