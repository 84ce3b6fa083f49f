// Files from and to the pupil's computer: series, texts and a teacher's exercises. The core
// reads and writes their bytes.
import { act, app } from './app.js';
import { ask, critical } from './dialogs.js';
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

export async function openSeries() {
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

export async function saveSeries() {
    const t = app.texts;
    const bytes = app.session.seriesBytes();
    const named = app.session.seriesFileName().replace(/\.[^.]*$/, '') || 'serie';
    let saved = await saveWithDialog(bytes, `${named}.C01`, t.buttons.Command11.tooltip, '.C01', 'application/octet-stream');
    if (saved === null) return;
    if (saved === undefined) {
        const typed = await ask(t.buttons.Command11.tooltip, t.buttons.Command11.hover, t.seriesNameLabel, named);
        if (typed === null) return;
        const answer = JSON.parse(app.session.seriesSaveFileName(typed));
        if (!answer.ok) {
            await critical(answer.title, answer.message);
            return;
        }
        download(bytes, answer.name, 'application/octet-stream');
        saved = answer.name;
    }
    document.title = `${t.windowCaption} - ${saved}`;
}
