// Writes the minified copy of one of the site's scripts, with terser (from
// Debian's node-terser): a first visit loads less. Names at the top level,
// which the scripts share, are kept.
//   node minify_script.js SOURCE TARGET
'use strict';

const fs = require('node:fs');
const {minify} = require('terser');

const [source, target] = process.argv.slice(2);
minify(fs.readFileSync(source, 'utf8'), {ecma: 2020, compress: true, mangle: true})
  .then((result) => fs.writeFileSync(target, result.code))
  .catch((error) => {
    console.error(`${source}: ${error.message}`);
    process.exit(1);
  });
