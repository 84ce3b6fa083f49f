// Files leave the page through the browser's save dialog where it has one, else as downloads;
// the core made their bytes and proposed their names.
import { act, app } from './app.js';

export function download(bytes, name, type) {
    const url = URL.createObjectURL(new Blob([bytes], { type }));
    const link = document.createElement('a');
    link.href = url;
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 10000);
    act((s) => s.setInfo(app.texts.downloaded + name));
}

// The save dialog of the File System Access API: the chosen file's name once written, null
// when the pupil cancelled, undefined when the browser has no such dialog (or refused it).
export async function saveWithDialog(bytes, name, description, extension, type) {
    if (typeof window.showSaveFilePicker !== 'function') return undefined;
    let handle;
    try {
        handle = await window.showSaveFilePicker({
            suggestedName: name,
            types: [{ description, accept: { [type]: [extension] } }],
        });
    } catch (error) {
        return error && error.name === 'AbortError' ? null : undefined;
    }
    const writable = await handle.createWritable();
    await writable.write(bytes);
    await writable.close();
    return handle.name;
}
