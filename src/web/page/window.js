// The main window "Tavir" as the desktop draws it: the same controls at the same pixels, with
// the core's texts. What each control does is wired in the other modules.
import { caption, el, lines, picture, place, svg } from './dom.js';

const VIEW_SIZES = [[129, 97], [265, 201], [242, 202], [129, 33]];

function titleStrip(text, width) {
    return place(el('div', { class: 'title-strip', text }), 0, 0, width, 17);
}

function frame(id, title, x, y, width, height, name) {
    const node = place(el('section', { id, class: 'frame', 'aria-label': name }), x, y, width, height);
    node.append(titleStrip(title, width));
    return node;
}

// A picture drawn by the core: board, dot structure, 3D view or formula.
function viewPicture(id, view, name) {
    const [width, height] = VIEW_SIZES[view];
    return svg(width, height, { id, class: 'view', role: 'img', 'aria-label': name });
}

// One of the page's own pictures, with what a screen reader says of it.
function namedPicture(id, name, description) {
    const node = picture(id);
    node.id = id;
    node.setAttribute('role', 'img');
    node.setAttribute('aria-label', name);
    node.setAttribute('aria-description', description);
    return node;
}

function button(texts, x, y, width, height) {
    const { fragment, key } = caption(texts.caption);
    const node = place(el('button', { id: texts.name, class: 'command', title: texts.tooltip, accesskey: key, type: 'button' },
        [fragment]), x, y, width, height);
    node.dataset.hover = texts.name;
    return node;
}

function checkBox(id, label, x, y, width, height, attributes = {}) {
    const input = el('input', { type: 'checkbox', id: `${id}-box`, ...attributes });
    const node = place(el('label', { id, class: 'check' }, [input, el('span', { text: label })]), x, y, width, height);
    return { node, input };
}

// The introduction the text area shows at start-up and after an exercise is closed.
export function showIntroduction(area, t) {
    area.replaceChildren();
    let body = null;
    for (const piece of t.introduction) {
        const text = lines(piece.text);
        if (piece.style === 'title') {
            area.append(el('div', { class: 'intro-title', text: text.replace(/\n$/, '') }));
            body = null;
            continue;
        }
        if (!body) area.append((body = el('div', { class: 'intro-body' })));
        body.append(el('span', { class: `intro-${piece.style}`, text }));
    }
}

export function buildWindow(t) {
    const root = el('div', { id: 'tavir', role: 'application', 'aria-label': t.windowCaption });
    const refs = { root, buttons: {} };

    // Top row, then the right column.
    const top = ['Command12', 'Command2', 'Command11', 'Command10', 'Command4', 'Command14', 'Command13'];
    top.forEach((name, i) => {
        refs.buttons[name] = button(t.buttons[name], 16 + 92 * i, 14, 84, 28);
        root.append(refs.buttons[name]);
    });
    // The desktop's right column, then the page's own link button where "Fermer" leaves room.
    ['Command8', 'Command7', 'Command9', 'copylink'].forEach((name, i) => {
        refs.buttons[name] = button(t.buttons[name], 700, 60 + 32 * i, 88, 26);
        root.append(refs.buttons[name]);
    });

    // Drawing frame: board, palette, selector, formula, smile.
    const frame1 = frame('Frame1', t.frame1Title, 16, 56, 393, 217, t.drawingFrameName);
    refs.frame1 = frame1;
    const board = place(el('div', {
        id: 'dessineur', class: 'board', tabindex: '0', role: 'grid', 'aria-label': t.boardAccessibleName,
        'aria-description': t.boardKeyboardHelp,
    }), 88, 48, 129, 97);
    refs.boardView = viewPicture('board-view', 0, t.boardAccessibleName);
    refs.boardView.setAttribute('aria-hidden', 'true');
    board.append(refs.boardView);
    refs.cells = [];
    const row = el('div', { role: 'row', class: 'cells' });
    for (let i = 0; i < 12; ++i) {
        const cell = place(el('div', { id: `surd_${i}`, class: 'cell', role: 'gridcell' }), 0, 0, 32, 32);
        refs.cells.push(cell);
        row.append(cell);
    }
    board.append(row);
    refs.board = board;
    frame1.append(board);

    refs.palette = [];
    for (let k = 1; k <= 5; ++k) {
        const item = place(el('div', {
            id: `Imagea_${k - 1}`, class: 'palette-item', role: 'button', 'aria-label': t.elementNames[k],
            'aria-description': t.paletteDescription,
        }), 72 + 32 * (k - 1), 160, 32, 32);
        const ball = svg(32, 32, { 'aria-hidden': 'true' });
        ball.innerHTML = `<use href="#tavir-element-${k}" width="32" height="32"/>`;
        item.append(ball);
        item.dataset.element = k;
        refs.palette.push(item);
        frame1.append(item, place(el('div', { class: 'palette-label', text: t.symbols[k] }), 72 + 32 * (k - 1), 193, 32, 14));
    }

    refs.options = [];
    const selector = el('div', { role: 'radiogroup', 'aria-label': t.constructionDescription });
    for (let i = 0; i < 10; ++i) {
        const input = el('input', { type: 'radio', name: 'Option3', value: String(i + 1), id: `Option3_${i}-box` });
        const label = place(el('label', {
            id: `Option3_${i}`, class: 'option', title: `${t.constructionTooltip} ${i + 1}`,
        }, [input, el('span', { text: String(i + 1) })]), 8, 16 + 20 * i, 41, 21);
        label.style.background = `rgb(255, ${255 - 9 * i}, 180)`;
        input.setAttribute('aria-label', `${t.constructionName}${i + 1}`);
        refs.options.push(input);
        selector.append(label);
    }
    frame1.append(selector);

    refs.formula = place(viewPicture('brute', 3, t.formulaName), 248, 160, 129, 33);
    frame1.append(refs.formula);
    refs.info2 = place(el('div', { id: 'info2', class: 'info2', title: lines(t.boardKeyboardTooltip),
        text: `${t.info2}\n${t.info2Keyboard}` }), 240, 72, 145, 89);
    frame1.append(refs.info2);
    refs.smile = place(namedPicture('smile', t.smileName, t.smileDescription), 360, 22, 24, 24);
    frame1.append(refs.smile);
    root.append(frame1);

    // Animation frame.
    const frame2 = frame('Frame2', t.animationFrame, 16, 296, 393, 249, t.animationFrameName);
    frame2.classList.add('dark');
    refs.frame2 = frame2;
    refs.d3d = place(viewPicture('D3D', 2, t.animationName), 104, 20, 242, 202);
    refs.c3d = place(el('div', { id: 'C3D', class: 'c3d' }), 8, 24, 89, 177);
    const tetra1 = checkBox('tetra1', '', 16, 200, 73, 25, { 'aria-label': t.figureName, 'aria-description': t.figureDescription });
    const compact = checkBox('compact', t.compact, 16, 224, 73, 25, { 'aria-label': t.compactName, 'aria-description': t.compactDescription });
    refs.tetra1 = tetra1;
    refs.compact = compact;
    frame2.append(refs.d3d, refs.c3d, tetra1.node, compact.node);
    refs.steps = [];
    [3, 2, 0, 1, 4, 5].forEach((index, j) => {
        const b = place(el('button', { id: `Command16_${index}`, class: 'step', type: 'button', title: t.stepTooltips[index],
            'aria-label': t.stepTooltips[index], tabindex: '-1' }, [picture(`step-${index}`)]), 104 + 25 * j, 225, 25, 21);
        b.dataset.control = index;
        refs.steps.push(b);
        frame2.append(b);
    });
    frame2.append(place(el('label', { id: 'LabelVitesse', class: 'speed-label', for: 'Slider1', text: t.speedLabel }), 258, 228, 40, 16));
    refs.slider = place(el('input', { id: 'Slider1', class: 'slider', type: 'range', min: '0', max: '200', step: '1', value: '50',
        title: t.speedTooltip, 'aria-label': t.speedLabel }), 300, 226, 86, 20);
    frame2.append(refs.slider);
    root.append(frame2);

    // The dot-structure box, its options and its cover picture.
    const fdev = place(el('section', { id: 'fdev', class: 'fdev' }), 424, 56, 265, 201);
    refs.dot = viewPicture('fdev-view', 1, t.dotStructureName);
    fdev.append(refs.dot, titleStrip(t.label2, 265));
    refs.phototavir = place(namedPicture('phototavir', t.informationPictureName, t.informationPictureDescription),
        0, 0, 265, 201);
    fdev.append(refs.phototavir);
    refs.checks = t.checks.map((label, i) => {
        const c = checkBox(`Check${i + 1}`, label, 6, 150 + 16 * i, 250, 16);
        c.node.classList.add(['red', 'blue', 'black'][i]);
        fdev.append(c.node);
        return c;
    });
    // "Afficher la polarité" on the free end of the box's title strip.
    const polarity = checkBox('Check4', t.polarity, 0, 0, undefined, 17);
    polarity.node.classList.add('on-strip');
    polarity.node.style.left = 'auto';
    polarity.node.style.right = '4px';
    fdev.append(polarity.node);
    refs.checks.push(polarity);
    root.append(fdev);

    refs.info = place(el('div', { id: 'info', class: 'info', role: 'status' }), 512, 268, 233, 33);
    refs.announce = el('div', { id: 'announce', class: 'unseen', role: 'status' });
    root.append(refs.info, refs.announce);

    // The text area with the introduction, and its shadow.
    root.append(place(el('div', { class: 'shadow' }), 427, 334, 352, 214));
    refs.supertext = place(el('div', {
        id: 'supertext', class: 'supertext', tabindex: '0', role: 'textbox', 'aria-readonly': 'true', 'aria-multiline': 'true',
        // As the desktop's area: no spelling marks (and no spell check running over a long text).
        'aria-label': t.exerciseTextName, spellcheck: 'false',
    }), 424, 331, 352, 214);
    showIntroduction(refs.supertext, t);
    root.append(refs.supertext);

    // The exercise menu's picture button over the text area.
    refs.btexo = place(el('button', {
        id: 'BTEXO', class: 'btexo', type: 'button', 'aria-label': t.exercises.buttonName, 'aria-haspopup': 'menu',
    }, [picture('btexo')]), 424, 312, 97, 19);
    root.append(refs.btexo);
    return refs;
}
