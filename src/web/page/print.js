// The print window "Imprimer": the desktop's choices, then the core's pages as vector drawings
// handed to the browser's print dialog (which also saves them as PDF).
import { app } from './app.js';
import { caption, el, pressAltKey } from './dom.js';
import { inform } from './dialogs.js';

function labelled(type, name, text, checked) {
    const input = el('input', { type, name, checked: checked || null });
    return { input, node: el('label', {}, [input, el('span', { text })]) };
}

// What prints goes into a container only the print style sheet shows; it leaves after the print.
function printHolding(children) {
    const holder = document.getElementById('print-pages') || document.body.appendChild(el('div', { id: 'print-pages' }));
    holder.replaceChildren(...children);
    window.addEventListener('afterprint', () => holder.replaceChildren(), { once: true });
    window.print();
}

function printPages(pages) {
    printHolding(pages.map((page) => {
        const sheet = el('div', { class: 'print-page' });
        sheet.innerHTML = page;
        return sheet;
    }));
}

// "Imprimer le contenu de la fenêtre exercice": the text as the area shows it, laid out on
// the sheets by the browser as the desktop's area lays out its own; the selection alone when
// there is one inside the area.
export function printText(area) {
    const text = el('div', { class: `print-text ${area.className}` });
    const selection = window.getSelection();
    const inside = selection && selection.rangeCount && !selection.isCollapsed && area.contains(selection.getRangeAt(0).commonAncestorContainer);
    if (inside) text.append(selection.getRangeAt(0).cloneContents());
    else text.append(...[...area.childNodes].map((node) => node.cloneNode(true)));
    printHolding([text]);
}

export function openPrintWindow() {
    const t = app.texts;
    const [board, animation, dot] = t.printPictures.map((text) => labelled('checkbox', null, text, true));
    const [current, series] = t.printChoices.map((text, i) => labelled('radio', 'print-which', text, i === 0));
    const copies = el('input', { type: 'number', min: '1', max: '20', step: '1', value: '1', id: 'print-copies' });
    const ok = el('button', { type: 'submit', 'data-key': caption(t.printOk).key }, [caption(t.printOk).fragment]);
    const cancel = el('button', { type: 'button', 'data-key': caption(t.printCancel).key }, [caption(t.printCancel).fragment]);
    const dialog = el('dialog', { class: 'message print', 'aria-label': t.printCaption }, [
        el('div', { class: 'dialog-title', text: t.printCaption }),
        el('form', { method: 'dialog' }, [
            el('fieldset', {}, [
                el('legend', { text: t.printOptions }),
                board.node, dot.node, animation.node, el('hr'), current.node, series.node,
                el('label', { class: 'print-copies' }, [el('span', { text: t.printCopies }), copies]),
            ]),
            el('div', { class: 'dialog-buttons' }, [ok, cancel]),
        ]),
    ]);
    let pages = null;
    ok.addEventListener('click', (event) => {
        const answer = JSON.parse(app.session.printPages(board.input.checked, dot.input.checked, animation.input.checked,
            series.input.checked, Number(copies.value) || 1));
        if (answer.refusal) {
            // The window stays open for another choice, as on the desktop.
            event.preventDefault();
            inform(t.printCaption, answer.refusal);
            return;
        }
        pages = answer.pages;
    });
    cancel.addEventListener('click', () => dialog.close());
    dialog.addEventListener('keydown', (event) => pressAltKey(dialog, event));
    dialog.addEventListener('close', () => {
        dialog.remove();
        if (pages) printPages(pages);
    });
    document.body.append(dialog);
    dialog.showModal();
    ok.focus();
}
