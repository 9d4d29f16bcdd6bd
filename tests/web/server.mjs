// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A static file server on 127.0.0.1 for the tests and for a look at the
// site: the types a static host sends, nothing else. It serves one folder
// and refuses every path that leaves it; as most hosts do, it sends a
// folder's address without its slash on to the folder, and lists a folder
// that has no index.html. Browsers must ask again each time
// unless a test lets them keep files for a while (`Cache-Control:
// max-age=600`, as many static hosts do). It compresses, as most hosts do,
// unless told not to.

import { createServer } from 'node:http';
import { readFile, readdir, stat } from 'node:fs/promises';
import { gzipSync } from 'node:zlib';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
};

export function serve(root, port = 0, { cacheControl = 'no-cache', compress = true } = {}) {
  const base = path.resolve(root);
  const server = createServer(async (request, response) => {
    const url = new URL(request.url, 'http://127.0.0.1');
    let name = path.normalize(decodeURIComponent(url.pathname));
    if (name.endsWith('/')) name += 'index.html';
    let file = path.join(base, name);
    if (!file.startsWith(base + path.sep)) {
      response.writeHead(403).end();
      return;
    }
    try {
      if ((await stat(file).catch(() => null))?.isDirectory()) {
        response.writeHead(301, { Location: `${url.pathname}/` }).end();
        return;
      }
      let body = await readFile(file).catch(async (missing) => {
        const listed = await readdir(path.dirname(file)).catch(() => { throw missing; });
        if (path.basename(file) !== 'index.html') throw missing;
        file = `${file}.listing.html`;
        return Buffer.from(`<!DOCTYPE html><title>Index</title>${listed.map((entry) => `<a href="${entry}">${entry}</a>`).join('')}`);
      });
      const headers = {
        'Content-Type': types[path.extname(file)] ?? 'application/octet-stream',
        'Cache-Control': cacheControl,
        Vary: 'Accept-Encoding',
      };
      // Compressed as any static host compresses.
      if (compress && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
        body = gzipSync(body, { level: 9 });
        headers['Content-Encoding'] = 'gzip';
      }
      response.writeHead(200, headers);
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((resolve) => {
    server.listen(port, '127.0.0.1', () => resolve(server));
  });
}

// node server.mjs FOLDER [PORT]: serve until stopped.
if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const server = await serve(process.argv[2], Number(process.argv[3] ?? 8080));
  console.log(`velmarit: http://127.0.0.1:${server.address().port}/ (Ctrl+C stops)`);
}
