// Files from and to the pupil's computer: series, texts and a teacher's exercises. The core
// reads and writes their bytes.
import { act, app } from './app.js';
import { ask, askSave, critical } from './dialogs.js';
import { download, saveWithDialog } from './downloads.js';
import { el } from './dom.js';

// The browser's open dialog: the chosen files (every file under the chosen folder when
// `folder`), none when cancelled.
export function pickFiles(accept, folder = false) {
    return new Promise((resolve) => {
        const picker = el('input', { type: 'file', accept: folder ? null : accept, webkitdirectory: folder, hidden: true });
        picker.addEventListener('change', () => { resolve([...picker.files]); picker.remove(); });
        picker.addEventListener('cancel', () => { resolve([]); picker.remove(); });
        document.body.append(picker);
        picker.click();
    });
}

// Before the series is replaced or cleared: asked when it changed since its last load or save;
// true to go on (saved, or not to be saved), false to keep it as it is.
export async function confirmSeriesReplaced() {
    const question = JSON.parse(app.session.seriesQuestion());
    if (!question) return true;
    const answer = await askSave(question.title, question.text);
    if (answer === 'save') return saveSeries();
    return answer === 'discard';
}

export async function openSeries() {
    if (!(await confirmSeriesReplaced())) return;
    const [file] = await pickFiles('.C01,.c01');
    if (file) await openSeriesFile(file);
}

export async function openSeriesFile(file) {
    // Nothing past the twelve records is needed.
    const bytes = new Uint8Array(await file.slice(0, 12 * 128).arrayBuffer());
    const answer = JSON.parse(act((s) => s.openSeries(bytes, file.name)));
    if (!answer.ok) await critical(answer.title, answer.message);
    else document.title = `${app.texts.windowCaption} - ${file.name}`;
}

// True once the series is written (or handed to the browser as a download).
export async function saveSeries() {
    const t = app.texts;
    const bytes = app.session.seriesBytes();
    const named = app.session.seriesFileName().replace(/\.[^.]*$/, '') || 'serie';
    let saved = await saveWithDialog(bytes, `${named}.C01`, t.buttons.Command11.tooltip, '.C01', 'application/octet-stream');
    if (saved === null) return false;
    if (saved === undefined) {
        const typed = await ask(t.buttons.Command11.tooltip, t.buttons.Command11.hover, t.seriesNameLabel, named);
        if (typed === null) return false;
        const answer = JSON.parse(app.session.seriesSaveFileName(typed));
        if (!answer.ok) {
            await critical(answer.title, answer.message);
            return false;
        }
        download(bytes, answer.name, 'application/octet-stream');
        saved = answer.name;
    }
    app.session.seriesSaved();
    document.title = `${t.windowCaption} - ${saved}`;
    return true;
}
