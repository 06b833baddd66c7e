// Whole-globe gores as SVG with d3-geo, for comparison with orbweave-export: n gores, north and
// south halves, and both polar plates, each star a circle sized by the gore tab's rule.
//   node gores.mjs STARS.csv OUTPUT_FOLDER [faintest]
// d3-geo is found in the node_modules beside this file (side_by_side.sh copies it into a scratch folder with d3-geo).
import { geoProjection, geoAzimuthalEquidistant, geoPath } from "d3-geo";
import { readFileSync, writeFileSync, mkdirSync } from "node:fs";

const [file, out, faintestText] = process.argv.slice(2);
const faintest = Number(faintestText ?? 8.5), n = 8, R = 13, boundary = 70, ratio = 2.5, magnification = 10;
mkdirSync(out, { recursive: true });

// λ, φ, V of every star; an extended file's header line and its B−V column are skipped.
const text = readFileSync(file, "latin1");
const lambda = [], phi = [], vmag = [];
for (const line of text.split(/\r?\n/)) {
  const f = line.split(",");
  const v = Number(f[2]);
  if (f.length < 3 || !Number.isFinite(v)) continue;
  lambda.push(Number(f[0])); phi.push(Number(f[1])); vmag.push(v);
}
const radius = (v) => (magnification / 10) * (Math.sqrt(Math.pow(ratio, faintest - v)) / 80);

// The gore projection: φ′ = 2φ − atan(|cos Δλ| tan φ) along the central meridian, tan Δλ · cos φ across.
function goreRaw(l, p) {
  return [Math.tan(l) * Math.cos(p), 2 * p - Math.atan(Math.abs(Math.cos(l)) * Math.tan(p))];
}
const wedge = 360 / n, cm = (x) => x.toFixed(4);

function writeSvg(name, width, height, outline, circles) {
  writeFileSync(`${out}/${name}.svg`,
    `<?xml version="1.0" encoding="UTF-8"?>\n<svg xmlns="http://www.w3.org/2000/svg" width="${cm(width)}cm" ` +
    `height="${cm(height)}cm" viewBox="0 0 ${cm(width)} ${cm(height)}">\n<path d="${outline}" fill="none" ` +
    `stroke="#000000" stroke-width="0.01"/>\n<g id="stars">\n${circles.join("")}</g>\n</svg>\n`);
}

for (const north of [true, false]) {
  for (let k = 1; k <= n; ++k) {
    const centre = wedge * (k - 0.5), width = 2 * R * Math.tan(Math.PI / n), height = R * (Math.PI / 2);
    const projection = geoProjection(goreRaw).rotate([-centre, 0]).scale(R).translate([width / 2, north ? height : 0]);
    const half = north ? [0, boundary] : [-boundary, 0];
    const piece = { type: "Polygon", coordinates: [[
      [centre - wedge / 2, half[0]], [centre + wedge / 2, half[0]], [centre + wedge / 2, half[1]],
      [centre - wedge / 2, half[1]], [centre - wedge / 2, half[0]]].reverse()] };
    const outline = geoPath(projection)(piece) ?? "";
    const circles = [];
    for (let i = 0; i < vmag.length; ++i) {
      if (!(faintest - vmag[i] > 0) || (phi[i] >= 0) !== north || Math.abs(phi[i]) > boundary) continue;
      const d = ((lambda[i] - centre + 540) % 360) - 180;
      if (Math.abs(d) > wedge / 2) continue;
      const [x, y] = projection([lambda[i], phi[i]]);
      circles.push(`<circle cx="${cm(x)}" cy="${cm(y)}" r="${cm(Math.max(radius(vmag[i]), 0.0132))}" data-star="${i + 1}"/>\n`);
    }
    writeSvg(`gore-${k}-${north ? "N" : "S"}`, width, height, outline, circles);
  }
  const side = 2 * R * (Math.PI / 2 - boundary * Math.PI / 180) * 1.1;
  const plate = geoAzimuthalEquidistant().rotate([0, north ? -90 : 90]).scale(R).translate([side / 2, side / 2]);
  const cap = [];
  for (let l = 0; l <= 360; l += wedge) cap.push([north ? l : -l, north ? boundary : -boundary]);
  const circles = [];
  for (let i = 0; i < vmag.length; ++i) {
    if (!(faintest - vmag[i] > 0) || (north ? phi[i] <= boundary : phi[i] >= -boundary)) continue;
    const [x, y] = plate([lambda[i], phi[i]]);
    circles.push(`<circle cx="${cm(x)}" cy="${cm(y)}" r="${cm(Math.max(radius(vmag[i]), 0.0132))}" data-star="${i + 1}"/>\n`);
  }
  writeSvg(`plate-${north ? "N" : "S"}`, side, side, geoPath(plate)({ type: "Polygon", coordinates: [cap] }) ?? "", circles);
}
