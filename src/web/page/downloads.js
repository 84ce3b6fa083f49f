// Files leave the page as downloads; the core made their bytes and proposed their names.
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
