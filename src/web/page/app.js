// The page's shared state: the core's session and texts, and the one refresh that every
// change of the session ends with, as the desktop window's repaint.
export const app = {
    core: null,
    session: null,
    texts: null,
    state: null,
    // The board's keyboard frame shows only while the board has the focus.
    boardFocused: false,
    listeners: [],
};

export function onRefresh(listener) {
    app.listeners.push(listener);
}

let shownRevision = -1;
let shownFocus = null;

// Redraws what changed since the last refresh: nothing when the session did not move.
export function refresh(force = false) {
    const revision = app.session.revision();
    if (!force && revision === shownRevision && shownFocus === app.boardFocused) return;
    shownRevision = revision;
    shownFocus = app.boardFocused;
    app.state = JSON.parse(app.session.state(app.boardFocused));
    for (const listener of app.listeners) listener(app.state);
}

// A pupil's action: one call of the session, then every view follows.
export function act(call) {
    const result = call(app.session);
    refresh();
    return result;
}
