// The window's buttons, boxes and menus: each calls the session as the desktop's handler does.
import { act, app } from './app.js';
import { placeAt, Place } from './board.js';
import { el } from './dom.js';
import { confirmSeriesReplaced, openSeries, saveSeries } from './files.js';
import { closeMenu, menuPointOf, popupMenu } from './menus.js';
import { openCalculator } from './calculator.js';
import { openPrintWindow } from './print.js';
import { COURSE, GUIDE, openHelp } from './help.js';
import { copyPicture, savePicture } from './pictures.js';
import { windowPoint } from './layout.js';

function under(button) {
    const r = button.getBoundingClientRect();
    return windowPoint(r.left, r.bottom);
}

function eraseMenu(refs, at, highlightFirst) {
    const t = app.texts;
    popupMenu({
        name: t.eraseMenuName, at, highlightFirst,
        items: [
            { label: t.eraseMenu[0], run: () => act((s) => s.clearConstruction()) },
            { label: t.eraseMenu[1], run: async () => { if (await confirmSeriesReplaced()) act((s) => s.clearSeries()); } },
        ],
    });
}

function copyMenu(refs, at) {
    const t = app.texts;
    popupMenu({
        name: t.copyMenuName, at,
        items: [
            { label: t.copyMenu[0], run: () => { act((s) => s.copyConstruction()); copyPicture(0); } },
            { label: t.copyMenu[1], run: () => copyPicture(1) },
            { label: t.copyMenu[2], run: () => copyPicture(2) },
            { label: t.copyMenu[3], run: () => copyPicture(3) },
            { separator: true },
            { label: t.copyMenu[4], run: () => pictureDialog() },
        ],
    });
}

// "Enregistrer l'image…": which picture, which format, then the download.
function pictureDialog() {
    const t = app.texts;
    const choice = el('select', { 'aria-label': t.pictureChoiceLabel.replace('&', '') },
        t.pictureChoices.map((label, i) => el('option', { value: String(i), text: label })));
    const format = el('select', { 'aria-label': t.savePictureTitle },
        t.pictureFormats.map((label, i) => el('option', { value: i === 0 ? 'png' : 'svg', text: label })));
    const ok = el('button', { type: 'submit', text: t.ok });
    const cancel = el('button', { type: 'button', text: t.cancel });
    const dialog = el('dialog', { class: 'message', 'aria-label': t.savePictureTitle }, [
        el('div', { class: 'dialog-title', text: t.savePictureTitle }),
        el('form', { method: 'dialog' }, [
            el('div', { class: 'dialog-fields' }, [
                el('label', {}, [el('span', { text: t.pictureChoiceLabel.replace('&', '') }), choice]),
                el('label', {}, [format]),
            ]),
            el('div', { class: 'dialog-buttons' }, [ok, cancel]),
        ]),
    ]);
    let chosen = false;
    ok.addEventListener('click', () => { chosen = true; });
    cancel.addEventListener('click', () => dialog.close());
    dialog.addEventListener('close', () => {
        dialog.remove();
        if (chosen) savePicture(Number(choice.value), format.value);
    });
    document.body.append(dialog);
    dialog.showModal();
    choice.focus();
}

async function copyLink() {
    const url = `${location.href.split('#')[0]}#${app.session.link()}`;
    try {
        await navigator.clipboard.writeText(url);
        act((s) => s.setInfo(app.texts.linkCopied));
    } catch {
        act((s) => s.setInfo(app.texts.linkToCopy + url));
    }
}

// The note on the representation, over the dot-structure box, as the desktop's information window.
function informationWindow(refs) {
    const t = app.texts;
    const ok = el('button', { type: 'submit', text: t.informationOk });
    const dialog = el('dialog', { class: 'information', 'aria-label': t.informationCaption }, [
        el('div', { class: 'dialog-title', text: t.informationCaption }),
        el('form', { method: 'dialog' }, [el('p', { text: t.informationNote.replace(/\r\n/g, '\n') }), ok]),
    ]);
    dialog.addEventListener('close', () => dialog.remove());
    document.body.append(dialog);
    const r = refs.dot.getBoundingClientRect();
    dialog.style.left = `${r.left}px`;
    dialog.style.top = `${r.top}px`;
    dialog.showModal();
    ok.focus();
}

function isTyping(target) {
    return target instanceof HTMLInputElement && target.type === 'text';
}

export function wireControls(refs) {
    const b = refs.buttons;
    b.Command12.addEventListener('click', (event) => eraseMenu(refs, event.detail ? menuPointOf(event) : under(b.Command12), !event.detail));
    b.Command2.addEventListener('click', () => openSeries());
    b.Command11.addEventListener('click', () => saveSeries());
    b.Command4.addEventListener('click', (event) => copyMenu(refs, event.detail ? menuPointOf(event) : under(b.Command4)));
    b.Command14.addEventListener('click', () => act((s) => s.paste()));
    b.Command13.addEventListener('click', () => act((s) => s.undo()));
    b.copylink.addEventListener('click', () => copyLink());
    b.Command8.addEventListener('click', () => openCalculator());
    b.Command10.addEventListener('click', () => openPrintWindow());
    // Once the course is open it becomes the book F1 opens, as on the desktop.
    let f1Book = GUIDE;
    b.Command7.addEventListener('click', () => openHelp(GUIDE));
    b.Command9.addEventListener('click', () => {
        f1Book = COURSE;
        openHelp(COURSE);
    });
    document.addEventListener('keydown', (event) => {
        if (event.key !== 'F1' || event.ctrlKey || event.altKey || event.metaKey) return;
        event.preventDefault();
        if (!document.querySelector('dialog[open]')) openHelp(f1Book);
    });

    refs.options.forEach((option, i) => option.addEventListener('change', () => act((s) => s.selectEntry(i + 1))));
    const setters = ['setRedBonds', 'setBlueBars', 'setFormalCharges', 'setPolarity'];
    refs.checks.forEach((check, i) => check.input.addEventListener('change', () => act((s) => s[setters[i]](check.input.checked))));
    refs.compact.input.addEventListener('change', () => act((s) => s.setCompact(refs.compact.input.checked)));
    refs.tetra1.input.addEventListener('change', () => act((s) => s.setFigure(refs.tetra1.input.checked)));
    refs.slider.addEventListener('input', () => act((s) => s.setSpeed(Number(refs.slider.value))));
    for (const step of refs.steps) step.addEventListener('click', () => act((s) => s.controlAnimation(Number(step.dataset.control))));
    for (const view of [refs.d3d, refs.dot]) view.addEventListener('pointerdown', () => act((s) => s.pressResultView()));
    turnByHand(refs.d3d);
    refs.phototavir.addEventListener('click', () => informationWindow(refs));

    // Hover texts and an unfinished move, wherever the mouse goes.
    refs.root.addEventListener('pointermove', (event) => {
        if (event.pointerType !== 'mouse') return;
        const button = event.target.closest('[data-hover]');
        if (button) {
            act((s) => s.pointerOverButton(button.dataset.hover));
            return;
        }
        if (event.target.closest('#BTEXO')) {
            act((s) => s.pointerOver(Place.ExerciseButton));
            return;
        }
        if (event.target === refs.slider) {
            act((s) => s.pointerOver(Place.SpeedSlider));
            return;
        }
        if (event.target.closest('#dessineur') || event.target.closest('.palette-item')) return;
        const where = placeAt(event.clientX, event.clientY);
        act((s) => (where !== null ? s.pointerOver(where) : s.pointerLeft()));
    });
    refs.root.addEventListener('pointerleave', (event) => {
        if (event.pointerType === 'mouse') act((s) => s.pointerLeft());
    });

    // The desktop's usual keys, beside the buttons' own Alt+letter.
    document.addEventListener('keydown', (event) => {
        if (!(event.ctrlKey || event.metaKey) || event.altKey || isTyping(event.target)) return;
        if (document.querySelector('dialog[open]')) return;
        const key = event.key.toLowerCase();
        const press = { z: b.Command13, s: b.Command11, o: b.Command2, p: b.Command10 }[key];
        if (press) {
            event.preventDefault();
            if (!press.disabled) press.click();
        } else if (key === 'n') {
            event.preventDefault();
            closeMenu();
            eraseMenu(refs, under(b.Command12), true);
        }
    });
}

// A drag across the 3D view (mouse, finger or pen) turns the model; the offset goes to the core
// in the view's own pixels, whatever the page's zoom.
function turnByHand(view) {
    view.style.touchAction = 'pan-y';
    let press = null;
    view.addEventListener('pointerdown', (event) => {
        press = { x: event.clientX, pointer: event.pointerId, scale: view.viewBox.baseVal.width / view.getBoundingClientRect().width };
        view.setPointerCapture(event.pointerId);
        act((s) => s.beginHandTurn());
    });
    view.addEventListener('pointermove', (event) => {
        if (!press || event.pointerId !== press.pointer) return;
        const offset = Math.trunc((event.clientX - press.x) * press.scale);
        act((s) => s.handTurn(offset));
    });
    const release = (event) => {
        if (press && event.pointerId === press.pointer) press = null;
    };
    view.addEventListener('pointerup', release);
    view.addEventListener('pointercancel', release);
}
