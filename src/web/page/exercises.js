// The exercise area: the menu under its picture button, the chooser of the shipped exercises,
// their statements and corrections and the guided tour, all opened by the core as on the
// desktop; the page only shows the text the core writes as HTML.
import { act, app } from './app.js';
import { el, picture, pressAltKey } from './dom.js';
import { confirm, critical } from './dialogs.js';
import { popupMenu } from './menus.js';
import { windowPoint } from './layout.js';
import { showIntroduction } from './window.js';

let installed = false;

// The shipped folder goes into the core's memory file system at the first need.
function installExercises() {
    if (installed) return;
    const files = JSON.parse(document.getElementById('exercise-files').textContent);
    for (const [path, data] of Object.entries(files)) {
        app.core.installContent(path, Uint8Array.from(atob(data), (c) => c.charCodeAt(0)));
    }
    installed = true;
}

function exerciseState() {
    return JSON.parse(app.session.exerciseState());
}

// The shown text may be replaced: asked first when the pupil changed it.
async function mayReplace() {
    const question = JSON.parse(app.session.exerciseDiscardQuestion());
    return !question || confirm(question.title, question.text);
}

function showText(refs, answer) {
    if (!answer.ok) {
        critical(answer.title, answer.message);
        return false;
    }
    if (answer.html !== null) {
        refs.supertext.innerHTML = answer.html;
        refs.supertext.scrollTop = 0;
    }
    const editable = exerciseState().editable;
    refs.supertext.contentEditable = editable ? 'true' : 'false';
    refs.supertext.setAttribute('aria-readonly', String(!editable));
    act(() => {});
    return true;
}

async function open(refs, run) {
    if (!(await mayReplace())) return;
    installExercises();
    showText(refs, JSON.parse(run()));
}

function closeExercise(refs) {
    mayReplace().then((yes) => {
        if (!yes) return;
        app.session.closeExercise();
        showIntroduction(refs.supertext, app.texts);
        refs.supertext.contentEditable = 'false';
        refs.supertext.setAttribute('aria-readonly', 'true');
    });
}

// "Ouvrir un exercice": the shipped exercises by title, with the chosen one's topics,
// difficulty and whether it is corrected; Ouvrir or Fermer.
function chooser(refs) {
    installExercises();
    const t = app.texts.exercises;
    const list = JSON.parse(app.core.exerciseList());
    const files = el('select', { size: '10', id: 'exercise-files-list', 'aria-label': t.filesName },
        list.map((e, i) => el('option', { value: String(i), text: e.title || e.file, selected: i === 0 || null })));
    const topics = el('p', { class: 'chooser-topics', 'aria-label': t.topicsName });
    const difficulty = el('div', { class: 'chooser-difficulty' });
    const corrected = el('p', { class: 'chooser-corrected' });
    const show = () => {
        const e = list[Number(files.value)];
        if (!e) return;
        topics.textContent = e.topics;
        difficulty.replaceChildren(...e.lit.map((lit, k) => {
            const p = picture(lit ? 'exercise-lit' : 'exercise-dark');
            p.setAttribute('role', 'img');
            p.setAttribute('aria-label', `${t.difficultyPrefix}${k + 1} ${lit ? t.difficultyLit : t.difficultyDark}`);
            return p;
        }));
        corrected.textContent = e.correction;
    };
    files.addEventListener('change', show);
    const openButton = el('button', { type: 'submit', class: 'chooser-open', title: t.openTooltip, 'aria-label': t.openTooltip },
        [picture('exercise-open')]);
    const closeButton = el('button', { type: 'button', class: 'chooser-close', title: t.closeTooltip, 'aria-label': t.closeTooltip },
        [picture('exercise-close')]);
    const dialog = el('dialog', { class: 'message chooser', 'aria-label': t.heading }, [
        el('div', { class: 'dialog-title', text: t.heading }),
        el('form', { method: 'dialog' }, [
            el('div', { class: 'chooser-body' }, [
                files,
                el('div', { class: 'chooser-header' }, [
                    el('span', { text: t.topicsLabel }), topics,
                    el('span', { text: t.difficultyLabel }), difficulty, corrected,
                ]),
            ]),
            el('div', { class: 'dialog-buttons' }, [openButton, closeButton]),
        ]),
    ]);
    let chosen = null;
    openButton.addEventListener('click', () => { chosen = list[Number(files.value)]; });
    files.addEventListener('dblclick', () => { chosen = list[Number(files.value)]; dialog.close(); });
    closeButton.addEventListener('click', () => dialog.close());
    dialog.addEventListener('keydown', (event) => pressAltKey(dialog, event));
    dialog.addEventListener('close', () => {
        dialog.remove();
        if (chosen) showText(refs, JSON.parse(app.session.openExercise(chosen.file)));
    });
    document.body.append(dialog);
    show();
    dialog.showModal();
    files.focus();
}

function exerciseMenu(refs, highlightFirst) {
    const t = app.texts.exercises;
    const s = exerciseState();
    const r = refs.btexo.getBoundingClientRect();
    popupMenu({
        name: t.menuName, at: windowPoint(r.left, r.bottom), highlightFirst,
        items: [
            { label: t.menuGuidedTour, run: () => open(refs, () => app.session.openGuidedTour()) },
            { separator: true },
            { label: t.menuOpenExercise, run: () => mayReplace().then((yes) => yes && chooser(refs)) },
            { label: t.menuCorrection, enabled: s.correction, run: () => open(refs, () => app.session.openCorrection()) },
            { separator: true },
            { label: t.menuClose, enabled: s.canClose, run: () => closeExercise(refs) },
        ],
    });
}

export function wireExercises(refs) {
    refs.btexo.addEventListener('click', (event) => exerciseMenu(refs, !event.detail));
    refs.supertext.addEventListener('input', () => app.session.exerciseTextEdited());
}
