'use strict';
// The old calendar of 1901-2100 computed with astronomy-engine, one line per day:
// "YYYY-MM-DD<TAB>旧暦<TAB>六曜<TAB>solar term<TAB>moon age at 12:00 JST",
// the same published rules as the program, on an independent astronomy.
// Usage: node koyomi_reference.js ASTRONOMY_ENGINE_DIR
const A = require(process.argv[2]);
const HOUR = 3600000;
const iso = (ms) => new Date(ms).toISOString().slice(0, 10);
const jstDay = (time) => iso(time.date.getTime() + 9 * HOUR);
const TERMS = ['春分', '清明', '穀雨', '立夏', '小満', '芒種', '夏至', '小暑', '大暑', '立秋', '処暑', '白露',
  '秋分', '寒露', '霜降', '立冬', '小雪', '大雪', '冬至', '小寒', '大寒', '立春', '雨水', '啓蟄'];
const ROKUYOU = ['大安', '赤口', '先勝', '友引', '先負', '仏滅'];
const start = A.MakeTime(new Date(Date.UTC(1899, 10, 1)));
const end = '2102-02-01';

const termOn = new Map(), principal = [], winters = [];
for (let t = start; ;) {
  const k = (Math.floor(A.SunPosition(t).elon / 15) + 1) % 24;
  const found = A.SearchSunLongitude(15 * k, t, 20);
  const day = jstDay(found);
  if (day > end) break;
  // A term within a minute of midnight is closer than two models can agree: marked '?'.
  const intoDay = (((found.date.getTime() + 9 * HOUR) % (24 * HOUR)) + 24 * HOUR) % (24 * HOUR);
  termOn.set(day, TERMS[k] + (Math.min(intoDay, 24 * HOUR - intoDay) < 60000 ? '?' : ''));
  if (k % 2 === 0) principal.push(day);
  if (k === 18) winters.push(day);
  t = found.AddDays(1);
}
// New moon: the Moon's apparent longitude equals the Sun's (the Sun's with its aberration,
// which the package's own phase search leaves out).
const elongation = (t) => {
  const d = A.EclipticGeoMoon(t).lon - A.SunPosition(t).elon;
  return ((d + 540) % 360) - 180;
};
const newMoons = [];  // { day, ms } in time order
for (let t = start; ;) {
  const near = A.SearchMoonPhase(0, t, 40);
  const found = A.Search(elongation, near.AddDays(-0.02), near.AddDays(0.02), { dt_tolerance_seconds: 0.01 });
  if (jstDay(found) > end) break;
  newMoons.push({ day: jstDay(found), ms: found.date.getTime() });
  t = found.AddDays(1);
}

// Months numbered on from the one holding each 冬至 (11); thirteen in a span: the first
// with no principal term repeats the number before it as a leap month.
const months = [];
const eleventh = winters.map((w) => newMoons.findLastIndex((m) => m.day <= w));
for (let w = 0; w + 1 < eleventh.length; ++w) {
  const count = eleventh[w + 1] - eleventh[w];
  let number = 10, leapLeft = count === 13;
  for (let i = eleventh[w]; i < eleventh[w + 1]; ++i) {
    const from = newMoons[i].day, to = newMoons[i + 1].day;
    const hasPrincipal = principal.some((d) => d >= from && d < to);
    const leap = leapLeft && i > eleventh[w] && !hasPrincipal;
    if (leap) leapLeft = false; else number = number % 12 + 1;
    months.push({ from, to, number, leap });
  }
}

const lines = [];
let m = 0, moon = 0;
for (let ms = Date.UTC(1901, 0, 1); ms <= Date.UTC(2100, 11, 31); ms += 24 * HOUR) {
  const day = iso(ms);
  while (months[m].to <= day) ++m;
  const lunarDay = Math.round((Date.parse(day) - Date.parse(months[m].from)) / (24 * HOUR)) + 1;
  const noon = ms + 3 * HOUR;
  while (newMoons[moon + 1].ms <= noon) ++moon;
  const age = Math.floor((noon - newMoons[moon].ms) / (24 * HOUR) * 10 + 0.5) / 10;
  lines.push([day, `${months[m].leap ? '閏' : ''}${months[m].number}月${lunarDay}日`,
    ROKUYOU[(months[m].number + lunarDay) % 6], termOn.get(day) || '', age.toFixed(1)].join('\t'));
}
process.stdout.write(lines.join('\n') + '\n');
