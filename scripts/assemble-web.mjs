// Puts the browser edition together as one file that needs nothing else: the page's modules
// joined into one script, the core's script (its WebAssembly inside), the styles, the fonts
// and the pictures, all inlined.
//   node scripts/assemble-web.mjs CORE.js FONTS_DIR CONTENT_DIR OUT.html
import { readFileSync, writeFileSync, readdirSync, statSync } from 'fs';
import { createRequire } from 'module';
import { dirname, join, resolve } from 'path';
import { fileURLToPath } from 'url';

const [corePath, fontsDir, contentDir, outPath] = process.argv.slice(2);
const root = resolve(dirname(fileURLToPath(import.meta.url)), '..');
const pageDir = join(root, 'src/web/page');
const read = (path) => readFileSync(path, 'utf8');

// The page's ES modules in the order their imports need, each in its own scope.
function bundle(entry) {
    const order = [];
    const seen = new Set();
    const visit = (name) => {
        if (seen.has(name)) return;
        seen.add(name);
        const source = read(join(pageDir, `${name}.js`));
        for (const m of source.matchAll(/^import\s+\{[^}]*\}\s+from\s+'\.\/([\w-]+)\.js';/gm)) visit(m[1]);
        order.push({ name, source });
    };
    visit(entry);
    const parts = order.map(({ name, source }) => {
        const exported = new Set();
        let body = source.replace(/^import\s+\{([^}]*)\}\s+from\s+'\.\/([\w-]+)\.js';/gm, (_, names, from) => {
            const list = names.split(',').map((n) => n.trim()).filter(Boolean)
                .map((n) => n.replace(/^(\w+)\s+as\s+(\w+)$/, '$1: $2'));
            return `const { ${list.join(', ')} } = modules['${from}'];`;
        });
        body = body.replace(/^export\s+(async\s+function|function|const|let|class)\s+(\w+)/gm, (_, kind, id) => {
            exported.add(id);
            return `${kind} ${id}`;
        });
        body = body.replace(/^export\s+\{([^}]*)\};/gm, (_, names) => {
            for (const n of names.split(',').map((x) => x.trim()).filter(Boolean)) exported.add(n);
            return '';
        });
        if (/^\s*(import|export)\b/m.test(body)) throw new Error(`${name}.js: an import or export the bundler does not know`);
        return `modules['${name}'] = (() => {\n${body}\nreturn { ${[...exported].join(', ')} };\n})();`;
    });
    return `(() => {\n'use strict';\nconst modules = {};\n${parts.join('\n')}\n})();`;
}

// The core's own texts for what shows before the core runs.
const require = createRequire(import.meta.url);
const createTavirCore = require(resolve(corePath));
const core = await createTavirCore();
const texts = JSON.parse(core.texts());

const base64 = (path) => readFileSync(path).toString('base64');
const faces = readdirSync(fontsDir).filter((f) => f.endsWith('.woff2')).sort().map((f) => {
    const bold = f.includes('bold');
    return `@font-face { font-family: 'Liberation Sans'; font-weight: ${bold ? 'bold' : 'normal'}; ` +
        `src: url(data:font/woff2;base64,${base64(join(fontsDir, f))}) format('woff2'); }`;
}).join('\n');

// Inline pictures need no namespace declaration in HTML.
const inlineSvg = (path) => read(path).replace(/\s+xmlns(:\w+)?="[^"]*"/g, '').trim();
const pictures = [
    ...['smile', 'phototavir', 'btexo', ...[0, 1, 2, 3, 4, 5].map((i) => `step-${i}`)].map((id) => [id, `pictures/${id}.svg`]),
    ...['lit', 'dark', 'open', 'close'].map((id) => [`exercise-${id}`, `exercises/${id}.svg`]),
    ...['exp', 'ten_power', 'power', 'square'].map((id) => [`calculator-${id}`, `calculator/${id}.svg`]),
].map(([id, file]) => `<template id="picture-${id}">${inlineSvg(join(root, 'assets', file))}</template>`).join('\n');

// The help and the course, pages and pictures, read by the page when a book is first opened.
const helpDir = join(root, 'assets/help');
const help = { pages: {}, pictures: {} };
for (const book of ['aide', 'cours']) {
    for (const f of readdirSync(join(helpDir, book)).filter((n) => n.endsWith('.html')).sort())
        help.pages[`${book}/${f}`] = read(join(helpDir, book, f));
}
for (const f of readdirSync(join(helpDir, 'images')).sort()) {
    const type = f.endsWith('.svg') ? 'image/svg+xml' : f.endsWith('.jpg') ? 'image/jpeg' : 'image/png';
    help.pictures[`images/${f}`] = `data:${type};base64,${base64(join(helpDir, 'images', f))}`;
}

// The shipped exercises and guided tour, each file's bytes by its path in the folder.
const content = {};
const gather = (folder, prefix) => {
    for (const name of readdirSync(folder).sort()) {
        const path = join(folder, name);
        if (statSync(path).isDirectory()) gather(path, `${prefix}${name}/`);
        else content[`${prefix}${name}`] = base64(path);
    }
};
gather(contentDir, '');

const escapeHtml = (s) => s.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
// A script's text must not close its own element.
const scriptText = (s) => s.replace(/<\/script/gi, '<\\/script');
// What a browser needs to install the page as an application: everything inline, so the
// installed page needs the network no more than the file does.
const icon = `data:image/svg+xml;base64,${base64(join(root, 'assets/icons/fr.tavir.Tavir.svg'))}`;
const manifest = {
    name: texts.windowCaption,
    short_name: texts.windowCaption,
    description: texts.manifestDescription,
    lang: 'fr',
    display: 'standalone',
    background_color: '#d8d8cc',
    theme_color: '#008080',
    icons: [{ src: icon, sizes: 'any', type: 'image/svg+xml', purpose: 'any' }],
};

const replacements = {
    TITLE: escapeHtml(texts.windowCaption),
    ICON: icon,
    MANIFEST: `data:application/manifest+json;base64,${Buffer.from(JSON.stringify(manifest)).toString('base64')}`,
    FONTS: faces,
    STYLE: read(join(pageDir, 'tavir.css')),
    NOSCRIPT: escapeHtml(texts.noScript),
    NOWASM: escapeHtml(texts.noWebAssembly),
    LOADING: escapeHtml(texts.loading),
    PICTURES: pictures,
    FONTFACES: JSON.stringify(faces),
    // No "<" at all, so nothing in the pages can end the script element.
    HELP: JSON.stringify(help).replace(/</g, '\\u003c'),
    EXERCISES: JSON.stringify(content),
    CORE: scriptText(read(corePath)),
    APP: scriptText(bundle('main')),
};
const page = read(join(pageDir, 'tavir.html')).replace(/@@(\w+)@@/g, (_, key) => {
    if (!(key in replacements)) throw new Error(`unknown place @@${key}@@`);
    return replacements[key];
});
writeFileSync(outPath, page);
console.log(`${outPath}: ${(page.length / 1024).toFixed(0)} KB`);
