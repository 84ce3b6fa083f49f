// The window keeps the desktop's 800 x 600 pixels, scaled as a whole to the browser's
// viewport: every picture is a vector, so it stays sharp at any scale and pixel ratio.
export const WIDTH = 800;
export const HEIGHT = 600;

let root = null;
let scale = 1;
let sidePanel = null;  // a panel beside the window, at the right
let refit = () => {};

export function windowRoot() {
    return root;
}

export function setWindowRoot(node) {
    root = node;
    const fit = () => {
        const margin = 8;
        // The layout viewport without scroll bars: on a tablet, innerWidth grows with the content.
        const { clientWidth, clientHeight } = document.documentElement;
        // A panel as wide as the screen (a phone, a tablet upright) goes over the window instead.
        const side = sidePanel ? sidePanel.getBoundingClientRect().width : 0;
        const reserved = side < clientWidth ? side : 0;
        document.body.style.paddingRight = reserved ? `${reserved}px` : '';
        scale = Math.min((clientWidth - reserved - margin) / WIDTH, (clientHeight - margin) / HEIGHT);
        scale = Math.max(0.5, Math.min(scale, 3));
        root.style.transform = `scale(${scale})`;
        const outer = root.parentElement;
        outer.style.width = `${WIDTH * scale}px`;
        outer.style.height = `${HEIGHT * scale}px`;
    };
    window.addEventListener('resize', fit);
    refit = fit;
    fit();
}

// The window moves over and shrinks for a panel at the right (null when it closes).
export function setSidePanel(node) {
    sidePanel = node;
    refit();
}

// A point of the viewport in the window's own pixels.
export function windowPoint(clientX, clientY) {
    const r = root.getBoundingClientRect();
    return { x: ((clientX - r.left) * WIDTH) / r.width, y: ((clientY - r.top) * HEIGHT) / r.height };
}

// A point of the viewport in an element's own units (its viewBox for a picture).
export function pointIn(node, clientX, clientY, width, height) {
    const r = node.getBoundingClientRect();
    return { x: Math.floor(((clientX - r.left) * width) / r.width), y: Math.floor(((clientY - r.top) * height) / r.height) };
}
