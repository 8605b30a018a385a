// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the page's triangle.js: emscripten's loader with the WebAssembly
// inside, gzipped and in base64, which the browser inflates and hands to the
// loader. Inside the script, so that the page also works opened as a file,
// where a browser fetches nothing; gzipped, since the WebAssembly is most
// of the site, and in base64 alone a third larger than it is. Run under
// node when the page is built.
//
//   node web/embed_wasm.mjs LOADER.js MODULE.wasm OUTPUT.js
import { readFileSync, writeFileSync } from 'node:fs';
import { constants, gzipSync } from 'node:zlib';

const [loader, wasm, output] = process.argv.slice(2);
if (!output) {
  console.error('usage: node web/embed_wasm.mjs LOADER.js MODULE.wasm OUTPUT.js');
  process.exit(2);
}
// The same bytes at every build of the same module: the service worker's
// cache is named after the site's files.
const packed = gzipSync(readFileSync(wasm), { level: constants.Z_BEST_COMPRESSION }).toString('base64');
writeFileSync(output, `${readFileSync(loader, 'utf8')}
// The module made with its WebAssembly, inflated from the text below.
createTriangleModule = ((create) => async (options = {}) => {
  const packed = Uint8Array.from(atob('${packed}'), (ch) => ch.charCodeAt(0));
  const inflated = new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip'));
  return create({ ...options, wasmBinary: await new Response(inflated).arrayBuffer() });
})(createTriangleModule);
`);
