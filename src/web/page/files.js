// Series files from and to the pupil's computer: the core reads and writes their bytes.
import { act, app } from './app.js';
import { ask, critical } from './dialogs.js';
import { download } from './downloads.js';
import { el } from './dom.js';

let picker = null;

export function openSeries() {
    if (!picker) {
        picker = el('input', { type: 'file', accept: '.C01,.c01', hidden: true });
        picker.addEventListener('change', async () => {
            const file = picker.files[0];
            picker.value = '';
            if (file) await openSeriesFile(file);
        });
        document.body.append(picker);
    }
    picker.click();
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
    const named = app.session.seriesFileName().replace(/\.[^.]*$/, '');
    const typed = await ask(t.buttons.Command11.tooltip, t.buttons.Command11.hover, t.seriesNameLabel, named || 'serie');
    if (typed === null) return;
    const answer = JSON.parse(app.session.seriesSaveFileName(typed));
    if (!answer.ok) {
        await critical(answer.title, answer.message);
        return;
    }
    download(app.session.seriesBytes(), answer.name, 'application/octet-stream');
    document.title = `${t.windowCaption} - ${answer.name}`;
}
