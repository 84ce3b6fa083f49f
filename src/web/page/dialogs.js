// Message boxes and the one question with a text field, modal as on the desktop: a French
// title and text, OK and Annuler; Escape is Annuler.
import { app } from './app.js';
import { caption, el, lines, pressAltKey } from './dom.js';

function show({ title, text, icon, field, cancel, choices }) {
    return new Promise((resolve) => {
        const t = app.texts;
        const input = field ? el('input', { type: 'text', value: field.value, 'aria-label': field.label }) : null;
        const ok = el('button', { type: 'submit', value: 'ok', text: t.ok });
        const buttons = [ok];
        if (cancel) buttons.push(el('button', { type: 'button', value: 'cancel', text: t.cancel }));
        // Answers of their own, each with its Alt key: the first is the default, the last cancels.
        if (choices) {
            buttons.length = 0;
            choices.forEach(([label, value], i) => {
                const c = caption(label);
                buttons.push(el('button', { type: i ? 'button' : 'submit', value, 'data-key': c.key }, [c.fragment]));
            });
        }
        const form = el('form', { method: 'dialog' }, [
            el('div', { class: 'dialog-body' }, [
                el('div', { class: `dialog-icon ${icon}`, 'aria-hidden': 'true' }),
                el('div', {}, [
                    el('p', { text: lines(text) }),
                    ...(field ? [el('label', {}, [el('span', { text: field.label }), input])] : []),
                ]),
            ]),
            el('div', { class: 'dialog-buttons' }, buttons),
        ]);
        const dialog = el('dialog', { class: 'message', 'aria-label': title }, [el('div', { class: 'dialog-title', text: title }), form]);
        document.body.append(dialog);
        let answer = null;
        if (choices) {
            for (const b of buttons) b.addEventListener('click', () => { answer = b.value; dialog.close(); });
            dialog.addEventListener('keydown', (event) => pressAltKey(dialog, event));
        } else {
            ok.addEventListener('click', () => { answer = field ? input.value : true; });
            if (cancel) buttons[1].addEventListener('click', () => dialog.close());
        }
        dialog.addEventListener('close', () => {
            dialog.remove();
            resolve(answer);
        });
        dialog.showModal();
        (input || buttons[0]).focus();
        if (input) input.select();
    });
}

// A refused file or a failed save: the critical stop.
export function critical(title, text) {
    return show({ title, text, icon: 'critical' });
}

// A notice: the information sign and OK.
export function inform(title, text) {
    return show({ title, text, icon: 'information' });
}

// A question: true for OK.
export function confirm(title, text) {
    return show({ title, text, icon: 'question', cancel: true }).then((a) => a === true);
}

// A text to type (a file's name): the text, or null for Annuler.
export function ask(title, text, label, value) {
    return show({ title, text, icon: 'question', cancel: true, field: { label, value } });
}

// Before unsaved work is replaced: 'save', 'discard' or 'cancel' (Escape too).
export function askSave(title, text) {
    const [save, discard, cancel] = app.texts.seriesAnswers;
    return show({ title, text, icon: 'question', choices: [[save, 'save'], [discard, 'discard'], [cancel, 'cancel']] })
        .then((a) => a || 'cancel');
}
