// Prints what the Khronos glTF validator finds in each .glb named:
//   FILE: errors N warnings N infos N hints N
// and the messages of every error and warning. Exits 1 when a file has errors
// or warnings, 2 when one cannot be read.
const fs = require("fs");
const validator = require("gltf-validator");

async function check(path) {
  const report = await validator.validateBytes(new Uint8Array(fs.readFileSync(path)));
  const issues = report.issues;
  console.log(`${path}: errors ${issues.numErrors} warnings ${issues.numWarnings} ` +
              `infos ${issues.numInfos} hints ${issues.numHints}`);
  for (const m of issues.messages) {
    if (m.severity <= 1) console.log(`  ${m.code}: ${m.message} (${m.pointer || ""})`);
  }
  return issues.numErrors + issues.numWarnings;
}

(async () => {
  let bad = 0;
  for (const path of process.argv.slice(2)) {
    try {
      bad += await check(path);
    } catch (e) {
      console.log(`${path}: cannot be read: ${e.message || e}`);
      process.exit(2);
    }
  }
  process.exit(bad ? 1 : 0);
})();
