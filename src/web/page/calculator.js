// The calculator window "Machine à calculer": the core's keys at their places; every key and
// typed character goes to the core, which says what the display shows and when to beep.
import { app } from './app.js';
import { caption, el, picture, place, pressAltKey, svg } from './dom.js';
import { beep } from './sound.js';

// A key's picture as an image: its letters are drawing, not text of the page, so the key's
// name is the spoken one.
function drawing(name) {
    const node = picture(`calculator-${name}`);
    node.setAttribute('xmlns', 'http://www.w3.org/2000/svg');
    return el('img', { src: `data:image/svg+xml,${encodeURIComponent(node.outerHTML)}`, alt: '', class: 'calc-picture' });
}

function keyButton(key, press) {
    const [x, y, w, h] = key.place;
    const content = key.picture ? drawing(key.picture) : caption(key.caption).fragment;
    const { key: access, plain } = key.picture ? { key: null, plain: '' } : caption(key.caption);
    // A caption with letters is the key's name, as a voice command would say it; the spoken
    // name then describes it. A symbol or a picture is named by the spoken name.
    const named = /[A-Za-z]/.test(plain);
    const button = place(el('button', {
        type: 'button', id: `calc-${key.name}`, class: `calc-key${key.name === 'EXE' ? ' exe' : ''}`, tabindex: '-1',
        title: key.tooltip || null, 'aria-label': named ? null : key.spoken || null,
        'aria-description': named ? key.spoken || null : null, 'data-key': access,
    }, [content]), x, y, w, h);
    button.addEventListener('click', () => press(key.name));
    return button;
}

function optionFrame(title, box, options, press, group) {
    const [x, y, w, h] = box;
    const frame = place(el('fieldset', { class: 'calc-frame' }, [el('legend', { text: title })]), x, y, w, h);
    const inputs = options.map((option, i) => {
        const input = el('input', { type: 'radio', name: group, id: `calc-${option.name}`, tabindex: '-1' });
        input.addEventListener('change', () => press(option.name));
        frame.append(place(el('label', { class: 'calc-option' }, [input, el('span', { text: option.caption })]),
            10, 16 + 19 * i, 120, 18));
        return input;
    });
    return { frame, inputs };
}

export function openCalculator() {
    const t = app.texts.calculator;
    const session = app.session;
    session.openCalculator();
    const [width, height] = t.size;
    const machine = el('div', { class: 'machine' });
    machine.style.width = `${width}px`;
    machine.style.height = `${height}px`;
    const background = svg(width, height, { class: 'machine-background', 'aria-hidden': 'true' });
    background.innerHTML = app.core.calculatorBackground();
    machine.append(background);
    const [dx, dy, dw, dh] = t.display;
    const display = place(el('input', {
        type: 'text', id: 'z1', class: 'calc-display', readonly: true, 'aria-label': t.displayName, autocomplete: 'off',
    }), dx, dy, dw, dh);
    machine.append(display);

    let angles;
    let formats;
    const show = () => {
        const s = JSON.parse(session.calculatorState());
        // A result or a message is read from its start, smaller when that is what it takes.
        let points = t.displayPoints[0];
        if (!s.typing) {
            while (points > t.displayPoints[1] && app.core.textWidth(s.display, points) > dw - 10) --points;
        }
        display.style.fontSize = `${Math.round((points * 96) / 72)}px`;
        display.value = s.display;
        display.style.textAlign = s.typing || app.core.textWidth(s.display, points) <= dw - 10 ? 'right' : 'left';
        angles.inputs[s.radians ? 1 : 0].checked = true;
        formats.inputs[s.scientific ? 0 : 1].checked = true;
        display.focus({ preventScroll: true });
    };
    const press = (name) => {
        if (session.calculatorPress(name)) beep();
        show();
    };
    for (const key of t.keys) machine.append(keyButton(key, press));
    angles = optionFrame(t.angles, t.anglesFrame, t.angleOptions, press, 'calc-angles');
    formats = optionFrame(t.format, t.formatFrame, t.formatOptions, press, 'calc-format');
    machine.append(angles.frame, formats.frame);

    display.addEventListener('keydown', (event) => {
        if (event.ctrlKey || event.altKey || event.metaKey) return;
        let name = '';
        if (event.key === 'Enter') name = 'EXE';
        else if (event.key === 'Backspace') name = 'EFFACE';
        else if (event.key.length <= 2) name = session.calculatorKeyFor(event.key);
        if (event.key === 'Escape' || event.key === 'Tab') return;
        event.preventDefault();
        if (name) press(name);
    });
    const dialog = el('dialog', { class: 'calculator', 'aria-label': t.title }, [el('div', { class: 'dialog-title', text: t.title }), machine]);
    const close = el('button', { type: 'button', class: 'dialog-close', 'aria-label': app.texts.cancel, text: '\u00d7' });
    close.addEventListener('click', () => dialog.close());
    dialog.firstChild.append(close);
    dialog.addEventListener('keydown', (event) => pressAltKey(dialog, event));
    dialog.addEventListener('close', () => dialog.remove());
    document.body.append(dialog);
    dialog.showModal();
    show();
    return dialog;
}
