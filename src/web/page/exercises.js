// The exercise area: the menu under its picture button, the chooser of the shipped exercises
// and of a teacher's own, their statements and corrections, the guided tour, a pupil's texts
// opened, saved and printed, all opened by the core as on the desktop; the page only shows
// the text the core writes as HTML and reads it back for a save.
import { act, app } from './app.js';
import { caption, el, picture, pressAltKey } from './dom.js';
import { ask, confirm, critical } from './dialogs.js';
import { download, saveWithDialog } from './downloads.js';
import { confirmSeriesReplaced, openSeriesFile, pickFiles } from './files.js';
import { popupMenu } from './menus.js';
import { windowPoint } from './layout.js';
import { printText } from './print.js';
import { shownText } from './shown_text.js';
import { showIntroduction } from './window.js';

let installed = false;
let teacherFolders = 0;
const RTF_TYPE = 'application/rtf';

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
        refs.supertext.classList.add('rich');
        refs.supertext.scrollTop = 0;
    }
    const editable = exerciseState().editable;
    refs.supertext.contentEditable = editable ? 'true' : 'false';
    refs.supertext.setAttribute('aria-readonly', String(!editable));
    act(() => {});
    return true;
}

// What would put its series on the board asks about the pupil's unsaved series first.
async function seriesMayGo(kind, file = '') {
    return !app.session.bringsSeries(kind, file) || confirmSeriesReplaced();
}

async function open(refs, run, kind) {
    if (!(await mayReplace())) return;
    installExercises();
    if (!(await seriesMayGo(kind))) return;
    showText(refs, JSON.parse(run()));
}

async function openExerciseFile(refs, file) {
    if (await seriesMayGo('exercise', file)) showText(refs, JSON.parse(app.session.openExercise(file)));
}

function closeExercise(refs) {
    mayReplace().then((yes) => {
        if (!yes) return;
        app.session.closeExercise();
        refs.supertext.classList.remove('rich');
        showIntroduction(refs.supertext, app.texts);
        refs.supertext.contentEditable = 'false';
        refs.supertext.setAttribute('aria-readonly', 'true');
    });
}

// "Ouvrir un exercice": the shipped exercises by title, with the chosen one's topics,
// difficulty and whether it is corrected; Ouvrir or Fermer.
function chooser(refs, folder = '') {
    installExercises();
    const t = app.texts.exercises;
    let list = JSON.parse(app.core.exerciseList(folder));
    const options = () => list.map((e, i) => el('option', { value: String(i), text: e.title || e.file, selected: i === 0 || null }));
    const files = el('select', { size: '10', id: 'exercise-files-list', 'aria-label': t.filesName }, options());
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
    const other = caption(t.otherExercises);
    const otherButton = el('button', { type: 'button', class: 'chooser-other', 'data-key': other.key }, [other.fragment]);
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
            el('div', { class: 'dialog-buttons' }, [otherButton, openButton, closeButton]),
        ]),
    ]);
    let chosen = null;
    openButton.addEventListener('click', () => { chosen = list[Number(files.value)]; });
    files.addEventListener('dblclick', () => { chosen = list[Number(files.value)]; dialog.close(); });
    closeButton.addEventListener('click', () => dialog.close());
    // A teacher's exercises: the .E06 files chosen with the texts and series they name.
    otherButton.addEventListener('click', async () => {
        const folderOfTeacher = await installTeacherFiles(underChosenFolder(await pickFiles(null, true)));
        if (folderOfTeacher === null) return;
        list = JSON.parse(app.core.exerciseList(folderOfTeacher));
        files.replaceChildren(...options());
        show();
        files.focus();
    });
    dialog.addEventListener('keydown', (event) => pressAltKey(dialog, event));
    dialog.addEventListener('close', () => {
        dialog.remove();
        if (chosen) openExerciseFile(refs, chosen.file);
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
            { label: t.menuGuidedTour, run: () => open(refs, () => app.session.openGuidedTour(), 'tour') },
            { separator: true },
            { label: t.menuOpenExercise, run: () => mayReplace().then((yes) => yes && chooser(refs)) },
            { label: t.menuCorrection, enabled: s.correction, run: () => open(refs, () => app.session.openCorrection(), 'correction') },
            { separator: true },
            { label: t.menuSaveText, run: () => saveText(refs) },
            { label: t.menuOpenText, run: () => openTextFromComputer(refs) },
            { label: t.menuPrintText, run: () => printText(refs.supertext) },
            { separator: true },
            { label: t.menuClose, enabled: s.canClose, run: () => closeExercise(refs) },
        ],
    });
}

// A teacher's files go into a folder of their own, each at its path inside what was chosen or
// dropped, so the names an exercise file gives lead to them; null when none is an exercise.
async function installTeacherFiles(chosen) {
    if (!chosen.length) return null;
    const t = app.texts.exercises;
    const folder = `ordinateur-${++teacherFolders}`;
    let exercises = 0;
    for (const { path, file } of chosen) {
        if (/\.E06$/i.test(path)) ++exercises;
        // No file is read past what the core would accept; a larger one is then refused by it.
        app.core.installContent(`${folder}/${path}`, new Uint8Array(await file.slice(0, app.texts.rtfFileBytes + 1).arrayBuffer()));
    }
    if (!exercises) {
        await critical(t.noExerciseTitle, t.noExercise);
        return null;
    }
    return folder;
}

// A chosen folder's files at their paths under it.
function underChosenFolder(files) {
    return files.map((file) => ({ path: (file.webkitRelativePath || file.name).replace(/^[^/]*\//, ''), file }));
}

// A dropped folder's entries, read in the batches the browser gives.
async function childrenOf(folder) {
    const reader = folder.createReader();
    const children = [];
    for (let batch; (batch = await new Promise((ok, fail) => reader.readEntries(ok, fail))).length;) children.push(...batch);
    return children;
}

// Dropped files and folders, each file at its path under the drop; a folder dropped alone is
// the exercises' folder itself.
async function droppedEntries(dataTransfer) {
    let entries = [...dataTransfer.items].map((item) => item.webkitGetAsEntry && item.webkitGetAsEntry()).filter(Boolean);
    if (!entries.length) return [...dataTransfer.files].map((file) => ({ path: file.name, file }));
    if (entries.length === 1 && entries[0].isDirectory) entries = await childrenOf(entries[0]);
    const out = [];
    const walk = async (entry, prefix) => {
        if (entry.isFile) out.push({ path: prefix + entry.name, file: await new Promise((ok, fail) => entry.file(ok, fail)) });
        else if (entry.isDirectory) for (const child of await childrenOf(entry)) await walk(child, `${prefix}${entry.name}/`);
    };
    for (const entry of entries) await walk(entry, '');
    return out;
}

async function showTextFile(refs, file) {
    // Refused from its size before it is read; one byte past the limit tells a file that grew.
    const refusal = JSON.parse(app.core.textFileRefusal(file.size));
    if (refusal) {
        await critical(refusal.title, refusal.message);
        return;
    }
    const bytes = new Uint8Array(await file.slice(0, app.texts.rtfFileBytes + 1).arrayBuffer());
    showText(refs, JSON.parse(app.session.openText(bytes, file.name)));
}

// "Retrouver un texte": asked first when the shown text was changed, then the file.
async function openTextFromComputer(refs) {
    if (!(await mayReplace())) return;
    const [file] = await pickFiles('.rtf,.RTF');
    if (file) await showTextFile(refs, file);
}

// "Enregistrer le contenu de la fenêtre exercice": as shown, in the browser's save dialog or
// as a download; asked first when the save loses what the area could not show.
async function saveText(refs) {
    const t = app.texts;
    const dropped = app.session.droppedContentQuestion();
    if (dropped && !(await confirm(t.exercises.droppedTitle, dropped))) return;
    const bytes = app.session.textBytes(shownText(refs.supertext));
    const proposed = app.session.textFileName();
    let saved = await saveWithDialog(bytes, proposed, t.exercises.menuSaveText, '.rtf', RTF_TYPE);
    if (saved === null) return;
    if (saved === undefined) {
        const typed = await ask(t.exercises.menuSaveText, '', t.seriesNameLabel, proposed);
        if (typed === null) return;
        saved = app.session.typedTextFileName(typed);
        download(bytes, saved, RTF_TYPE);
    }
    app.session.textSaved();
}

// Files and folders dropped on the page: an exercise with its files, else a text, else a series.
export async function openDropped(refs, dataTransfer) {
    const t = app.texts.exercises;
    const dropped = await droppedEntries(dataTransfer);
    const exercises = dropped.filter((d) => /\.E06$/i.test(d.path));
    const text = dropped.find((d) => /\.rtf$/i.test(d.path));
    const series = dropped.find((d) => /\.C01$/i.test(d.path));
    if (exercises.length) {
        if (!(await mayReplace())) return;
        const folder = await installTeacherFiles(dropped);
        if (folder === null) return;
        if (exercises.length > 1) chooser(refs, folder);
        else await openExerciseFile(refs, `${folder}/${exercises[0].path}`);
    } else if (text) {
        if (await mayReplace()) await showTextFile(refs, text.file);
    } else if (series) {
        if (await confirmSeriesReplaced()) await openSeriesFile(series.file);
    } else if (dropped.length) {
        await critical(t.unknownFileTitle, t.unknownFile);
    }
}

export function wireExercises(refs) {
    // The core writes only what differs from the model's defaults; the area shows those.
    document.head.append(el('style', { text: `.supertext.rich { ${app.texts.richTextDefaults} }` }));
    refs.btexo.addEventListener('click', (event) => exerciseMenu(refs, !event.detail));
    refs.supertext.addEventListener('input', () => app.session.exerciseTextEdited());
}
