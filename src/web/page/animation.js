// The animation's timer: it ticks the session's clock at the interval the session gives,
// while the session says it runs, and redraws the 3D view after each tick.
import { app, onRefresh } from './app.js';
import { drawAnimation } from './views.js';

let timer = null;
let interval = 0;

function schedule(refs) {
    clearTimeout(timer);
    timer = null;
    if (!app.state.timerEnabled) return;
    interval = app.state.timerInterval;
    timer = setTimeout(() => {
        animationFrame(refs);
        schedule(refs);
    }, interval);
}

// One tick and the 3D view it draws.
export function animationFrame(refs) {
    app.session.tick();
    app.state = JSON.parse(app.session.state(app.boardFocused));
    drawAnimation(refs, app.state);
}

export function runAnimation(refs) {
    onRefresh((state) => {
        if (state.timerEnabled !== (timer !== null) || (state.timerEnabled && state.timerInterval !== interval)) schedule(refs);
    });
    schedule(refs);
}
