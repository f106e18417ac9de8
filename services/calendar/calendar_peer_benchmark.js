// The reference of the calendar benchmark: the same work done by lunar-javascript (npm, MIT), an
// independent Chinese calendar, in the same run. Prints one line per figure, the median of the runs:
//   node calendar_peer_benchmark.js <node_modules folder> <runs>
//   terms_ms <the 24 terms of 1901-2100, in milliseconds>
//   pillars_us <four pillars of one date-time, in microseconds>
'use strict';
const path = require('path');

const [modulesDir, runsText] = process.argv.slice(2);
if (!modulesDir) {
  console.error('usage: node calendar_peer_benchmark.js <node_modules folder> [runs]');
  process.exit(2);
}
const { Solar } = require(path.join(path.resolve(modulesDir), 'lunar-javascript'));
const runs = Math.max(5, Number(runsText) || 7);

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
};
const timeMs = (work) => {
  const start = process.hrtime.bigint();
  work();
  return Number(process.hrtime.bigint() - start) / 1e6;
};
let checksum = 0;

// The terms of each year as the package gives them: the term table of the lunar year, 24 of its
// instants read out to the second.
const terms = () => {
  for (let year = 1901; year <= 2100; year++) {
    const table = Solar.fromYmd(year, 6, 1).getLunar().getJieQiTable();
    const keys = Object.keys(table);
    for (let i = 0; i < 24; i++) {
      const s = table[keys[i]];
      checksum += s.getYear() + s.getMonth() + s.getDay() + s.getHour() + s.getMinute() + s.getSecond();
    }
  }
};

// The date-times of the C++ benchmark's pillar loop.
let pillarCalls = 0;
const pillars = () => {
  pillarCalls = 0;
  for (let year = 1901; year <= 2100; year += 3)
    for (let month = 1; month <= 12; month++)
      for (let hour = 0; hour < 24; hour += 5) {
        const e = Solar.fromYmdHms(year, month, 1 + hour, hour, 17, 0).getLunar().getEightChar();
        checksum += (e.getYear() + e.getMonth() + e.getDay() + e.getTime()).length;
        pillarCalls++;
      }
};

terms();  // once before measuring, as the C++ side's first run is not counted either
pillars();
const termRuns = [], pillarRuns = [];
for (let r = 0; r < runs; r++) {
  termRuns.push(timeMs(terms));
  pillarRuns.push(timeMs(pillars) * 1000 / pillarCalls);
}
console.log('terms_ms ' + median(termRuns).toFixed(3));
console.log('pillars_us ' + median(pillarRuns).toFixed(3));
console.log('checksum ' + checksum);
