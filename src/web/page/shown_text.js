// What the exercise area shows, read back for a save: each text, line break and picture with
// the style the browser computed for it. The core turns those styles into the saved text.
const BLOCKS = new Set(['P', 'DIV', 'H1', 'H2', 'H3', 'H4', 'H5', 'H6', 'LI', 'UL', 'OL', 'BLOCKQUOTE', 'PRE', 'TABLE']);

function isBlock(node) {
    return node.nodeType === Node.ELEMENT_NODE && BLOCKS.has(node.tagName);
}

function styleOf(element, block) {
    const own = getComputedStyle(element);
    let raised = '';
    let sized = element;
    let underline = false;
    let background = '';
    for (let e = element; e && e !== block.parentNode; e = e.parentElement) {
        const s = getComputedStyle(e);
        // The nearest paint behind the text: a highlight, not the paragraph's own.
        if (!background && e !== block && s.backgroundColor !== 'rgba(0, 0, 0, 0)') background = s.backgroundColor;
        if (!raised && (s.verticalAlign === 'sub' || s.verticalAlign === 'super')) {
            raised = s.verticalAlign;
            sized = e.parentElement || e;
        }
        // Decorations are not inherited: any ancestor's underline is the text's.
        if (s.textDecorationLine.includes('underline')) underline = true;
        if (e === block) break;
    }
    return {
        fontFamily: own.fontFamily,
        fontPixels: parseFloat(getComputedStyle(sized).fontSize) || 16,
        fontWeight: parseInt(own.fontWeight, 10) || 400,
        italic: own.fontStyle === 'italic' || own.fontStyle === 'oblique',
        underline,
        verticalAlign: raised,
        color: own.color,
        backgroundColor: background || 'rgba(0, 0, 0, 0)',
    };
}

function paragraph(block, nodes, loose = false) {
    const s = getComputedStyle(block);
    const pieces = [];
    const walk = (node) => {
        if (node.nodeType === Node.TEXT_NODE) {
            if (node.data) pieces.push({ text: node.data, style: styleOf(node.parentElement, block) });
        } else if (node.nodeType === Node.ELEMENT_NODE) {
            if (node.tagName === 'BR') pieces.push({ lineBreak: true, style: styleOf(node.parentElement, block) });
            else if (node.tagName === 'IMG') {
                const n = node.dataset.picture;
                if (n !== undefined) pieces.push({ picture: Number(n), style: styleOf(node.parentElement, block) });
            } else node.childNodes.forEach(walk);
        }
    };
    nodes.forEach(walk);
    return {
        textAlign: s.textAlign,
        // Loose text's container (the area, a cell) has padding of its own; a paragraph's is its
        // indent, a pasted one's may be its margin.
        leftIndentPixels: loose ? 0 : (parseFloat(s.paddingLeft) || 0) + (parseFloat(s.marginLeft) || 0),
        textIndentPixels: parseFloat(s.textIndent) || 0,
        spacing: loose ? '' : block.dataset.para || '',
        list: loose ? '' : block.dataset.list || '',
        pieces,
    };
}

function table(element) {
    return {
        rows: [...element.rows].map((row) => [...row.cells].map((cell) => ({
            rightEdge: cell.dataset.right === undefined ? -1 : Number(cell.dataset.right),
            widthPixels: cell.getBoundingClientRect().width,
            rowSpan: cell.rowSpan || 1,
            backgroundColor: getComputedStyle(cell).backgroundColor,
            paragraphs: blocksOf(cell).filter((b) => !b.rows),
        }))),
    };
}

// A container's blocks in order; loose inline content between blocks is a paragraph of its own.
function blocksOf(container) {
    const blocks = [];
    let loose = [];
    const flush = () => {
        if (loose.length) blocks.push(paragraph(container, loose, true));
        loose = [];
    };
    for (const node of container.childNodes) {
        if (!isBlock(node)) {
            loose.push(node);
            continue;
        }
        flush();
        if (node.tagName === 'TABLE') blocks.push(table(node));
        else if ([...node.childNodes].some(isBlock)) blocks.push(...blocksOf(node));
        else blocks.push(paragraph(node, [...node.childNodes]));
    }
    flush();
    return blocks;
}

export function shownText(area) {
    return blocksOf(area);
}
