// The window follows the session's state: every picture redrawn by the core, every control
// shown, hidden, ticked or greyed as the view state says.
import { app, onRefresh } from './app.js';
import { lines } from './dom.js';

const BOARD = 0;
const DOT = 1;
const ANIMATION = 2;
const FORMULA = 3;

// Pictures are SVG elements, which have no hidden property: the attribute serves all.
function setShown(node, shown) {
    node.toggleAttribute('hidden', !shown);
}

function setText(node, text) {
    if (node.textContent !== text) node.textContent = text;
}

function draw(picture, view) {
    const body = app.session.view(view, app.boardFocused);
    if (picture.dataset.drawn !== body) {
        picture.innerHTML = body;
        picture.dataset.drawn = body;
    }
}

// The 3D view alone: what each tick of the animation redraws.
export function drawAnimation(refs, state) {
    draw(refs.d3d, ANIMATION);
    setText(refs.c3d, lines(state.c3dText));
    setShown(refs.tetra1.node, state.tetra1Visible);
    setText(refs.tetra1.node.querySelector('span'), state.tetra1Caption);
    refs.d3d.setAttribute('aria-description', state.describe.animation);
    // After each change a screen reader hears the formula and the geometry text once they are known.
    setText(refs.announce, [state.describe.formula, lines(state.c3dText).replace(/\s+/g, ' ').trim()].filter(Boolean).join('. '));
}

export function followState(refs) {
    onRefresh((state) => {
        draw(refs.boardView, BOARD);
        draw(refs.formula, FORMULA);
        draw(refs.dot, DOT);
        drawAnimation(refs, state);
        setShown(refs.smile, state.smile);
        setShown(refs.phototavir, state.phototavir);
        setShown(refs.formula, state.formulaVisible);
        refs.checks.forEach((check, i) => {
            setShown(check.node, state.checkVisible[i]);
            check.input.checked = state.checked[i];
        });
        refs.compact.input.checked = state.compact;
        refs.tetra1.input.checked = state.figure;
        if (Number(refs.slider.value) !== state.speed) refs.slider.value = String(state.speed);
        refs.options.forEach((option, i) => {
            option.checked = state.current === i + 1;
        });
        refs.buttons.Command13.disabled = !state.undoEnabled;
        refs.buttons.Command14.disabled = !state.pasteEnabled;
        setText(refs.info, lines(state.info));
        refs.formula.setAttribute('aria-description', state.describe.formula);
        refs.dot.setAttribute('aria-description', state.describe.dotStructure);
        state.cells.forEach((cell, i) => {
            const node = refs.cells[i];
            node.style.left = `${cell.left}px`;
            node.style.top = `${cell.top}px`;
            node.classList.toggle('movable', cell.movable);
            node.setAttribute('aria-label', cell.name);
            node.setAttribute('aria-description', cell.bond);
        });
        refs.board.setAttribute('aria-activedescendant', `surd_${state.focusedCell}`);
    });
}
