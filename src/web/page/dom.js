// Small helpers to build the window's elements at the desktop window's pixel positions.
const SVG = 'http://www.w3.org/2000/svg';

export function el(tag, attributes = {}, children = []) {
    const node = document.createElement(tag);
    for (const [key, value] of Object.entries(attributes)) {
        if (value === undefined || value === null || value === false) continue;
        if (key === 'class') node.className = value;
        else if (key === 'text') node.textContent = value;
        else node.setAttribute(key, value === true ? '' : value);
    }
    for (const child of children) node.append(child);
    return node;
}

export function svg(width, height, attributes = {}) {
    const node = document.createElementNS(SVG, 'svg');
    node.setAttribute('viewBox', `0 0 ${width} ${height}`);
    node.setAttribute('width', width);
    node.setAttribute('height', height);
    for (const [key, value] of Object.entries(attributes)) node.setAttribute(key, value);
    return node;
}

// Absolute place inside its parent, in the desktop window's pixels.
export function place(node, x, y, width, height) {
    node.style.position = 'absolute';
    node.style.left = `${x}px`;
    node.style.top = `${y}px`;
    if (width !== undefined) node.style.width = `${width}px`;
    if (height !== undefined) node.style.height = `${height}px`;
    return node;
}

// A caption with its "&" shortcut: the letter underlined, and the key it gives.
export function caption(text) {
    const at = text.indexOf('&');
    const fragment = document.createDocumentFragment();
    if (at < 0 || at === text.length - 1) {
        fragment.append(text);
        return { fragment, key: null, plain: text };
    }
    fragment.append(text.slice(0, at), el('u', { text: text[at + 1] }), text.slice(at + 2));
    return { fragment, key: text[at + 1].toLowerCase(), plain: text.slice(0, at) + text.slice(at + 1) };
}

// Alt and an underlined letter inside a window of the page (a dialog, the help panel): the
// control marked with that key acts. Kept off the accesskey attribute, which the main window's
// buttons hold. True when a control answered.
export function pressAltKey(container, event) {
    if (!event.altKey || event.ctrlKey || event.metaKey || event.key.length !== 1) return false;
    const control = container.querySelector(`[data-key="${CSS.escape(event.key.toLowerCase())}"]`);
    if (!control || control.disabled) return false;
    event.preventDefault();
    if (control.tagName === 'INPUT' && control.type !== 'checkbox' && control.type !== 'radio') control.focus();
    else control.click();
    return true;
}

// A picture carried by the page (assets inlined at build time), as a fresh element.
export function picture(id) {
    const template = document.getElementById(`picture-${id}`);
    return template ? template.content.firstElementChild.cloneNode(true) : el('span');
}

// The core writes line breaks as CR LF.
export function lines(text) {
    return text.replace(/\r\n/g, '\n');
}
