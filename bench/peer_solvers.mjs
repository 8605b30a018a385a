// SPDX-License-Identifier: GPL-3.0-or-later
// A batch of requests "21<TAB>C<TAB>a<TAB>b" (two sides and the angle
// between them, degrees) through one of the npm packages that solve a
// triangle, for bench/compare-peers.sh: each line read, solved and its
// values written with four decimals, as triangle-solve does with it.
//
//   node peer_solvers.mjs PACKAGE_FOLDER PEER < requests > answers
//
// PACKAGE_FOLDER holds their node_modules; PEER is one of the names below.
import { createRequire } from 'node:module';
import { readFileSync, writeSync } from 'node:fs';
import { join } from 'node:path';

const [folder, peer] = process.argv.slice(2);
const require = createRequire(join(folder, 'package.json'));

// Each peer's solver of two sides a, b and the angle C between them, giving
// the values it finds.
const solvers = {
    '@stevework/triangle-completion-sas': () => {
        const { solve_a_gamma_b: solve } = require('@stevework/triangle-completion-sas');
        return (angle, a, b) => {
            const t = solve({ A: a, gamma: angle, B: b });
            return [t.alpha, t.beta, angle, a, b, t.C];
        };
    },
    '@jscad/modeling': () => {
        const { primitives } = require('@jscad/modeling');
        // The triangle's outline: its corners, from which the third side.
        return (angle, a, b) => {
            const outline = primitives.triangle({ type: 'SAS', values: [a, (angle * Math.PI) / 180, b] });
            const [p, q] = outline.sides[0];
            return [angle, a, b, Math.hypot(p[0] - q[0], p[1] - q[1])];
        };
    },
    'trigonometry-calculator': () => {
        const { trigCalculator } = require('trigonometry-calculator');
        return (angle, a, b) => {
            const t = trigCalculator({ angles: { 2: angle }, sides: { 0: a, 1: b } });
            return [t.angles[0], t.angles[1], angle, a, b, t.sides[2]];
        };
    },
};

const solve = solvers[peer]();
const lines = readFileSync(0, 'utf8').split('\n');
const chunk = [];
let pending = 0;
const flush = () => {
    writeSync(1, chunk.join(''));
    chunk.length = 0;
    pending = 0;
};
for (const line of lines) {
    if (line === '')
        continue;
    const [, angle, a, b] = line.split('\t').map((field) => Number(field.replace(',', '.')));
    const values = solve(angle, a, b);
    chunk.push(`solved\t${values.map((value) => value.toFixed(4)).join('\t')}\n`);
    if (++pending === 4096)
        flush();
}
flush();
