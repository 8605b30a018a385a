// SPDX-License-Identifier: GPL-3.0-or-later
// A static server for the built site, on 127.0.0.1 only: for a look at the
// page (scripts/serve-web.sh) and for the browser tests.
//
//   node web/serve.mjs SITE_FOLDER [PORT]
import { createReadStream, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, sep } from 'node:path';
import { fileURLToPath } from 'node:url';

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
  '.webmanifest': 'application/manifest+json',
};

// Serves `folder` on 127.0.0.1:`port` (0: any free port); resolves to the
// listening server.
export function serve(folder, port = 0) {
  const root = normalize(folder) + sep;
  const server = createServer((request, response) => {
    let path;
    try {
      path = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
    } catch {
      // A malformed escape such as /%E0: the request is bad, the server goes on.
      response.writeHead(400).end();
      return;
    }
    const file = normalize(join(root, path.endsWith('/') ? `${path}index.html` : path));
    let size = -1;
    try {
      size = file.startsWith(root) ? statSync(file).size : -1;
    } catch {
      // not there
    }
    if (request.method !== 'GET' || size < 0) {
      response.writeHead(request.method === 'GET' ? 404 : 405).end();
      return;
    }
    response.writeHead(200, {
      'Content-Type': kTypes[extname(file)] ?? 'application/octet-stream',
      'Content-Length': size,
      'Cache-Control': 'no-cache',
    });
    createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => server.listen(port, '127.0.0.1', () => resolve(server)));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const [folder, port = '8080'] = process.argv.slice(2);
  const server = await serve(folder, Number(port));
  console.log(`serving ${folder} at http://127.0.0.1:${server.address().port}/ (Ctrl+C ends)`);
}
