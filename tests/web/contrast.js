// Every text the page shows, against what is behind it, by the computed
// colours: an element's own text, a box's text and placeholder, a file
// picker's text and button. What lies behind is the backgrounds of the
// element and its ancestors, laid over each other up to the first opaque one;
// where the page's art (a background picture) shows through, the text must
// stand out over black and over white alike. Returns the texts under 4.5:1.
const minimum = 4.5;

const parse = (colour) => {
  const [r, g, b, a = 1] = colour.match(/[\d.]+/g).map(Number);
  return { r, g, b, a };
};
const over = (top, bottom) => ({
  r: top.r * top.a + bottom.r * (1 - top.a),
  g: top.g * top.a + bottom.g * (1 - top.a),
  b: top.b * top.a + bottom.b * (1 - top.a),
  a: 1,
});
const luminance = ({ r, g, b }) => {
  const linear = (v) => ((v /= 255) <= 0.04045 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4);
  return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
};
const ratio = (x, y) => {
  const [light, dark] = [luminance(x), luminance(y)].sort((p, q) => q - p);
  return (light + 0.05) / (dark + 0.05);
};
const black = { r: 0, g: 0, b: 0, a: 1 };
const white = { r: 255, g: 255, b: 255, a: 1 };

// The colours a text may stand on, given the styles of the layers from the
// text's own box outwards: one colour, or two where the art shows.
function backdrops(styles) {
  const layers = [];
  const lay = (base) => layers.reduceRight((below, layer) => over(layer, below), base);
  for (const style of styles) {
    if (style.backgroundImage !== 'none') return [lay(black), lay(white)];
    const colour = parse(style.backgroundColor);
    if (colour.a > 0) layers.push(colour);
    if (colour.a >= 1) return [lay(black)];
  }
  return [lay(white)];
}

function* outwards(element) {
  for (let e = element; e; e = e.parentElement) yield getComputedStyle(e);
}

// `part` is a pseudo-element whose text and box lie over the element's.
function worst(element, part) {
  const styles = part ? [getComputedStyle(element, part), ...outwards(element)] : [...outwards(element)];
  const text = parse(styles[0].color);
  return Math.min(...backdrops(styles).map((backdrop) => ratio(over(text, backdrop), backdrop)));
}

const shown = (element) =>
  element.getClientRects().length > 0 && getComputedStyle(element).visibility === 'visible' &&
  !element.closest('.announcement');
const ownText = (element) =>
  [...element.childNodes].some((node) => node.nodeType === Node.TEXT_NODE && node.textContent.trim());
const describe = (element, part) =>
  `${element.tagName.toLowerCase()}${element.id ? '#' + element.id : ''}${element.className ? '.' + element.className : ''}` +
  `${part} "${(element.textContent || element.value || element.placeholder || '').trim().slice(0, 40)}"`;

const low = [];
function check(element, part = '') {
  const contrast = worst(element, part);
  if (contrast < minimum) low.push(`${describe(element, part)}: ${contrast.toFixed(2)}`);
}
for (const element of document.querySelectorAll('body *')) {
  if (!shown(element)) continue;
  if (ownText(element) || element.matches('input')) check(element);
  if (element.matches('input[type="text"]')) check(element, '::placeholder');
  if (element.matches('input[type="file"]')) check(element, '::file-selector-button');
}
return low;
