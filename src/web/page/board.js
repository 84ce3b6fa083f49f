// Building on the board with a mouse, a finger or a pen (pointer events), and from the
// keyboard: every decision is the session's; this only says where the pointer is.
import { act, app } from './app.js';
import { el, place, svg } from './dom.js';
import { popupMenu } from './menus.js';
import { pointIn, windowPoint, windowRoot } from './layout.js';
import { beep } from './sound.js';

// The session's places (PointerPlace).
export const Place = { Background: 0, DrawingFrame: 1, Board: 2, Cell: 3, Palette: 4, ExerciseButton: 5, SpeedSlider: 6 };

const LONG_PRESS_MS = 500;
const DRAG_THRESHOLD = 6;  // window pixels a finger moves before a press becomes a drag

let refs = null;
let drag = null;

function boardPoint(event) {
    return pointIn(refs.boardView, event.clientX, event.clientY, 129, 97);
}

function overBoard(clientX, clientY) {
    const r = refs.boardView.getBoundingClientRect();
    return clientX >= r.left && clientX < r.right && clientY >= r.top && clientY < r.bottom;
}

// What lies under a point of the viewport, as the session names places.
function placeAt(clientX, clientY) {
    if (overBoard(clientX, clientY)) {
        const p = pointIn(refs.boardView, clientX, clientY, 129, 97);
        return app.session.cellAt(p.x, p.y) >= 0 ? Place.Cell : Place.Board;
    }
    const target = document.elementFromPoint(clientX, clientY);
    if (!target) return Place.Background;
    if (target.closest('.palette-item')) return Place.Palette;
    if (target.closest('#Frame1')) return Place.DrawingFrame;
    if (target === refs.root) return Place.Background;
    return null;
}

function ghostOf(element) {
    const ball = svg(32, 32);
    ball.innerHTML = `<use href="#tavir-element-${element}" width="32" height="32"/>`;
    const node = el('div', { class: 'drag-ghost', 'aria-hidden': 'true' }, [ball]);
    windowRoot().append(node);
    return node;
}

function moveGhost(event) {
    const p = windowPoint(event.clientX, event.clientY);
    place(drag.ghost, p.x - 16, p.y - 16);
}

function startDrag(event, element, fromBoard) {
    drag = { element, fromBoard, ghost: ghostOf(element), pointerId: event.pointerId };
    moveGhost(event);
}

function dragMove(event) {
    moveGhost(event);
    const where = placeAt(event.clientX, event.clientY);
    if (where !== null && where !== Place.Cell) act((s) => s.dragOver(where));
}

function dragEnd(event, cancelled) {
    const d = drag;
    drag = null;
    d.ghost.remove();
    let cell = -1;
    if (!cancelled && overBoard(event.clientX, event.clientY)) {
        const p = boardPoint(event);
        cell = app.session.cellAt(p.x, p.y);
    }
    act((s) => s.endDrag(cell, d.fromBoard ? 0 : d.element));
}

function openBondMenuAt(cell, event) {
    const state = app.state;
    const p = boardPoint(event);
    const c = state.cells[cell];
    const t = app.texts;
    const bonds = JSON.parse(app.session.bondMenu(cell, p.x - c.left, p.y - c.top));
    const atom = JSON.parse(app.session.atomMenu(cell, p.x - c.left, p.y - c.top));
    if (!bonds && !atom) return;
    const items = bonds ? t.bondMenu.map((label, i) => ({
        label, enabled: bonds.enabled[i], run: () => act((s) => s.chooseBondOrder(i + 1)),
    })) : [];
    if (atom) {
        if (bonds) items.push({ separator: true });
        t.atomMenu.forEach((label, i) => items.push({
            label, checked: atom.vacancy === (i === 1), run: () => act((s) => s.setVacancy(atom.cell, i === 1)),
        }));
    }
    popupMenu({ name: atom ? t.atomMenuName : t.bondMenuName, at: windowPoint(event.clientX, event.clientY), items });
}

function onBoardPointerDown(event) {
    if (drag) return;
    event.preventDefault();
    const p = boardPoint(event);
    const cell = app.session.cellAt(p.x, p.y);
    refs.board.focus({ preventScroll: true });
    if (cell < 0) return;
    act((s) => s.focusCell(cell));
    if (event.pointerType === 'mouse') {
        if (event.button !== 0) return;
        // As on the desktop, the atom is lifted at the press.
        if (act((s) => s.pickUp(cell))) {
            refs.board.setPointerCapture(event.pointerId);
            startDrag(event, app.session.liftedElement(), true);
        }
        return;
    }
    // A finger or a pen: a move lifts the atom, a long press opens the bond menu.
    const press = { cell, x: event.clientX, y: event.clientY, pointerId: event.pointerId };
    refs.board.setPointerCapture(event.pointerId);
    press.timer = setTimeout(() => {
        pending = null;
        openBondMenuAt(cell, event);
    }, LONG_PRESS_MS);
    pending = press;
}

let pending = null;

function onBoardPointerMove(event) {
    if (drag && event.pointerId === drag.pointerId) {
        dragMove(event);
        return;
    }
    if (pending && event.pointerId === pending.pointerId) {
        const distance = Math.hypot(event.clientX - pending.x, event.clientY - pending.y);
        if (distance * 800 / windowRoot().getBoundingClientRect().width < DRAG_THRESHOLD) return;
        clearTimeout(pending.timer);
        const cell = pending.cell;
        pending = null;
        if (act((s) => s.pickUp(cell))) startDrag(event, app.session.liftedElement(), true);
        return;
    }
    if (event.pointerType === 'mouse') act((s) => s.pointerOver(placeAt(event.clientX, event.clientY) ?? Place.Board));
}

function onBoardPointerUp(event) {
    if (pending && event.pointerId === pending.pointerId) {
        clearTimeout(pending.timer);
        pending = null;
    }
    if (drag && event.pointerId === drag.pointerId) {
        dragEnd(event, false);
        return;
    }
    // The bond menu opens when the right button is released, as on the desktop.
    if (event.pointerType === 'mouse' && event.button === 2) {
        const p = boardPoint(event);
        const cell = app.session.cellAt(p.x, p.y);
        if (cell >= 0) openBondMenuAt(cell, event);
    }
}

function onCancel(event) {
    if (pending && event.pointerId === pending.pointerId) {
        clearTimeout(pending.timer);
        pending = null;
    }
    if (drag && event.pointerId === drag.pointerId) dragEnd(event, true);
}

function onPalettePointerDown(event) {
    if (drag || (event.pointerType === 'mouse' && event.button !== 0)) return;
    event.preventDefault();
    const item = event.currentTarget;
    item.setPointerCapture(event.pointerId);
    startDrag(event, Number(item.dataset.element), false);
}

// Keyboard editing: the session moves the focused cell and edits it.
let tabbing = false;

function onBoardKey(event) {
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    if (!app.session.isBoardKey(event.key)) return;
    event.preventDefault();
    if (!act((s) => s.pressKey(event.key))) beep();
}

export function wireBoard(windowRefs) {
    refs = windowRefs;
    const board = refs.board;
    board.addEventListener('pointerdown', onBoardPointerDown);
    board.addEventListener('pointermove', onBoardPointerMove);
    board.addEventListener('pointerup', onBoardPointerUp);
    board.addEventListener('pointercancel', onCancel);
    board.addEventListener('contextmenu', (event) => event.preventDefault());
    board.addEventListener('keydown', onBoardKey);
    document.addEventListener('keydown', (event) => {
        if (event.key === 'Tab') tabbing = true;
    }, true);
    document.addEventListener('pointerdown', () => { tabbing = false; }, true);
    board.addEventListener('focus', () => {
        app.boardFocused = true;
        if (tabbing) act((s) => s.enterBoardByKeyboard());
        else act(() => {});
    });
    board.addEventListener('blur', () => {
        app.boardFocused = false;
        act(() => {});
    });
    for (const item of refs.palette) {
        item.addEventListener('pointerdown', onPalettePointerDown);
        item.addEventListener('pointermove', (event) => {
            if (drag && event.pointerId === drag.pointerId) dragMove(event);
            else if (event.pointerType === 'mouse') act((s) => s.pointerOver(Place.Palette));
        });
        item.addEventListener('pointerup', (event) => {
            if (drag && event.pointerId === drag.pointerId) dragEnd(event, false);
        });
        item.addEventListener('pointercancel', onCancel);
        item.addEventListener('contextmenu', (event) => event.preventDefault());
    }
}

export function isDragging() {
    return drag !== null;
}

export { placeAt };
