// The copy menu's pictures: the core draws each as SVG; the browser turns it into PNG (four
// times the screen size) for the clipboard and for files.
import { act, app } from './app.js';
import { el } from './dom.js';
import { download } from './downloads.js';

export const ENLARGEMENT = 4;

// An SVG drawing shown as an image cannot reach the page's fonts: they go inside it.
function withFonts(document) {
    const faces = window.tavirFontFaces || '';
    return document.replace(/<title>Tavir<\/title>/, `<title>Tavir</title><style>${faces}</style>`);
}

export function pictureSvg(choice, scale = 1) {
    return app.session.picture(choice, scale);
}

export function picturePng(choice) {
    const text = withFonts(pictureSvg(choice, ENLARGEMENT));
    return new Promise((resolve, reject) => {
        const image = new Image();
        image.onload = () => {
            const canvas = el('canvas', { width: image.width, height: image.height });
            // The picture paints its own background; "sans le fond" has none and stays see-through.
            canvas.getContext('2d').drawImage(image, 0, 0);
            canvas.toBlob((blob) => (blob ? resolve(blob) : reject(new Error('png'))), 'image/png');
        };
        image.onerror = () => reject(new Error('svg'));
        image.src = `data:image/svg+xml;charset=utf-8,${encodeURIComponent(text)}`;
    });
}

// A copy item: the picture onto the system clipboard where the browser lets the page.
export async function copyPicture(choice) {
    try {
        const png = await picturePng(choice);
        await navigator.clipboard.write([new ClipboardItem({ 'image/png': png })]);
        act((s) => s.pictureCopied());
    } catch {
        act((s) => s.setInfo(app.texts.pictureNotCopied));
    }
}

export async function savePicture(choice, format) {
    const name = `${app.texts.pictureNames[choice]}.${format}`;
    if (format === 'svg') {
        download(pictureSvg(choice), name, 'image/svg+xml');
        act((s) => s.setInfo(app.texts.pictureSaved + name));
        return;
    }
    download(await picturePng(choice), name, 'image/png');
    act((s) => s.setInfo(app.texts.pictureSaved + name));
}
