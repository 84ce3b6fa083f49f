// Popup menus (the copy menu, the erase menu, the bond menu): at a point of the window, by
// mouse, finger or keyboard; one open at a time, closed by Escape or a click elsewhere.
import { caption, el, place } from './dom.js';
import { windowPoint, windowRoot } from './layout.js';

let open = null;

export function closeMenu() {
    if (!open) return;
    const { node, restoreFocus } = open;
    open = null;
    node.remove();
    document.removeEventListener('pointerdown', outside, true);
    if (restoreFocus) restoreFocus.focus({ preventScroll: true });
}

function outside(event) {
    if (open && !open.node.contains(event.target)) closeMenu();
}

// items: { label, enabled, run }; at: a point in the window's pixels.
export function popupMenu({ name, items, at, highlightFirst = false }) {
    closeMenu();
    const node = el('div', { class: 'menu', role: 'menu', 'aria-label': name });
    const entries = [];
    for (const item of items) {
        if (item.separator) {
            node.append(el('div', { class: 'separator', role: 'separator' }));
            continue;
        }
        const { fragment, key } = caption(item.label);
        const radio = item.checked !== undefined;
        const entry = el('div', {
            class: 'item', role: radio ? 'menuitemradio' : 'menuitem', tabindex: '-1',
            'aria-disabled': item.enabled === false ? 'true' : null, 'aria-checked': radio ? String(item.checked) : null,
        }, [fragment]);
        const choose = () => {
            if (item.enabled === false) return;
            closeMenu();
            item.run();
        };
        entry.addEventListener('click', choose);
        entry.addEventListener('pointerenter', () => entry.focus({ preventScroll: true }));
        entries.push({ entry, key, choose, enabled: item.enabled !== false });
        node.append(entry);
    }
    node.addEventListener('keydown', (event) => {
        const enabled = entries.filter((e) => e.enabled);
        const at = enabled.findIndex((e) => e.entry === document.activeElement);
        if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
            const step = event.key === 'ArrowDown' ? 1 : -1;
            const next = enabled[(at + step + enabled.length) % enabled.length];
            if (next) next.entry.focus();
        } else if (event.key === 'Enter' || event.key === ' ') {
            if (at >= 0) enabled[at].choose();
        } else if (event.key === 'Escape' || event.key === 'Tab') {
            closeMenu();
        } else {
            const hit = enabled.find((e) => e.key && e.key === event.key.toLowerCase());
            if (!hit) return;
            hit.choose();
        }
        event.preventDefault();
        event.stopPropagation();
    });
    const root = windowRoot();
    root.append(node);
    // Kept inside the window, as a desktop menu stays on its screen.
    const x = Math.max(0, Math.min(at.x, root.clientWidth - node.offsetWidth));
    const y = Math.max(0, Math.min(at.y, root.clientHeight - node.offsetHeight));
    place(node, x, y);
    open = { node, restoreFocus: document.activeElement };
    setTimeout(() => document.addEventListener('pointerdown', outside, true), 0);
    const first = entries.find((e) => e.enabled);
    if (first) first.entry.focus({ preventScroll: true });
    if (highlightFirst && first) first.entry.classList.add('highlighted');
    return node;
}

// A point of the window under the pointer of an event.
export function menuPointOf(event) {
    return windowPoint(event.clientX, event.clientY);
}

export { place };
