// Makes the one file placemove.html: the page's template with its style,
// its script and the worker's script (the core's module, its WebAssembly
// inlined, then worker.js) written into it, and a Content-Security-Policy
// that allows exactly these inline texts (by their hashes), the worker made
// from a Blob, compiling the module, and no connection at all.
//   node make-page.js TEMPLATE STYLE SCRIPT CORE WORKER OUTPUT
'use strict';
const crypto = require('crypto');
const fs = require('fs');

const [template, style, script, core, worker, output] = process.argv.slice(2).map((file, i) =>
  i === 5 ? file : fs.readFileSync(file, 'utf8'));

// Inside a script element only "</script" and "<!--" mean anything to the
// parser; in script text both can be written with a backslash.
function scriptText(text) {
  return text.replace(/<\/(script)/gi, '<\\/$1').replace(/<!--/g, '<\\!--');
}

const hash = (text) => "'sha256-" + crypto.createHash('sha256').update(text, 'utf8').digest('base64') + "'";
const pageScript = scriptText(script);
const workerScript = scriptText(core + '\n' + worker);
const policy = [
  "default-src 'none'",
  `script-src ${hash(pageScript)} 'wasm-unsafe-eval'`,
  `style-src ${hash(style)}`,
  'worker-src blob:',
  "connect-src 'none'",
  "img-src 'none'",
  "form-action 'none'",
  "base-uri 'none'",
].join('; ');

const parts = { '@CSP@': policy, '@STYLE@': style, '@SCRIPT@': pageScript, '@WORKER@': workerScript };
let page = template;
for (const [mark, text] of Object.entries(parts)) {
  if (page.split(mark).length !== 2) throw new Error(`the template must hold ${mark} once`);
  page = page.replace(mark, () => text);
}
fs.writeFileSync(output, page);
