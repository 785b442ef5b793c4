// The window and its controls as page elements, built from the control table's layout.

const elementOfKind = {
  button: () => {
    const button = document.createElement('button');
    button.type = 'button';
    return button;
  },
  text: () => {
    const input = document.createElement('input');
    input.type = 'text';
    input.spellcheck = false;
    input.autocomplete = 'off';
    return input;
  },
  label: () => document.createElement('div'),
  picture: () => document.createElement('div'),
};

function cssFamilies(families) {
  return families.map((face) => (face === 'sans-serif' ? face : `"${face}"`)).join(', ');
}

function captionSpan(caption) {
  const span = document.createElement('span');
  span.textContent = caption;
  return span;
}

// How far a button's caption moves from where the line centres it in its caption area so that
// its ink is centred there, in device pixels.
function inkShift(control, ratio) {
  const context = new OffscreenCanvas(1, 1).getContext('2d');
  const { font } = control;
  context.font = `${font.weight} ${cssPixels(font.px, ratio)} ${cssFamilies(font.families)}`;
  const m = context.measureText(control.caption);
  const x = (m.width - (m.actualBoundingBoxRight - m.actualBoundingBoxLeft)) / 2;
  const y = (m.actualBoundingBoxAscent - m.actualBoundingBoxDescent) / 2
    - (m.fontBoundingBoxAscent - m.fontBoundingBoxDescent) / 2;
  return [Math.round(x * ratio), Math.round(y * ratio)];
}

function makeControl(control) {
  const element = elementOfKind[control.kind]();
  element.id = control.id;
  element.className = `${control.kind}${control.wordWrap ? ' wrap' : ''}`;
  if (control.kind === 'text') element.value = control.caption;
  else if (control.kind === 'button') element.append(captionSpan(control.caption));
  else if (control.kind !== 'picture') element.textContent = control.caption;
  if (control.accessibleName) element.setAttribute('aria-label', control.accessibleName);
  if (control.font.lang) element.lang = control.font.lang;
  return element;
}

// A control's rings, and a button's focus mark, as vector pictures over it whose units are the
// device pixels the layout gives: the page draws them with everything else (a canvas would be
// a picture resampled or a layer of its own) and their crisp edges land on whole device pixels
// at any ratio. The mark lies inside the button, whose caption and face are all its white dots
// invert, so that the rest of the window is not blended anew each frame.
const svgNamespace = 'http://www.w3.org/2000/svg';

function lookPicture(className) {
  const picture = document.createElementNS(svgNamespace, 'svg');
  picture.setAttribute('class', className);
  picture.setAttribute('aria-hidden', 'true');
  picture.setAttribute('preserveAspectRatio', 'none');
  picture.setAttribute('shape-rendering', 'crispEdges');
  return picture;
}

// One path per colour, each rectangle [x, y, width, height, colour] a closed run of it.
function drawRects(picture, rects, colourOf) {
  const runs = new Map();
  for (const rect of rects) {
    const [x, y, width, height] = rect;
    const colour = colourOf(rect);
    runs.set(colour, `${runs.get(colour) ?? ''}M${x} ${y}h${width}v${height}h${-width}z`);
  }
  picture.replaceChildren(...[...runs].map(([fill, d]) => {
    const path = document.createElementNS(svgNamespace, 'path');
    path.setAttribute('fill', fill);
    path.setAttribute('d', d);
    return path;
  }));
}

function makeLook(element, control) {
  const states = Object.values(control.look);
  const rings = states.some((state) => state.rings.length) ? lookPicture('rings') : null;
  const marks = states.some((state) => state.marks.length) ? lookPicture('marks') : null;
  return { element, control, rings, marks, state: null };
}

const stateName = (focused, pressed) => {
  if (pressed) return focused ? 'focusedPressed' : 'pressed';
  return focused ? 'focused' : 'plain';
};

const cssPixels = (devicePixels, ratio) => `${devicePixels / ratio}px`;

// Places an element on a device-pixel box, in CSS pixels at the page's ratio.
function placeBox(element, { left, top, width, height }, ratio) {
  const css = (devicePixels) => cssPixels(devicePixels, ratio);
  Object.assign(element.style, {
    left: css(left), top: css(top), width: css(width), height: css(height),
  });
}

// Insets of a device-pixel area within a control, as CSS padding.
function paddingOf(area, control, ratio) {
  const [left, top, width, height] = area;
  const css = (devicePixels) => cssPixels(devicePixels, ratio);
  return `${css(top)} ${css(control.width - left - width)} ${css(control.height - top - height)} ${css(left)}`;
}

// Shows a control in a state of its look: its rings and marks as the layout gives them, and
// a button's caption centred on its ink in that state's caption area, moved by whole device
// pixels from where it lies in the plain state's.
function showLook(look, name, ratio) {
  const state = look.control.look[name];
  if (look.rings) drawRects(look.rings, state.rings, (rect) => rect[4]);
  if (look.marks) {
    drawRects(look.marks, state.marks, () => '#ffffff');
    look.marks.style.display = state.marks.length ? '' : 'none';
  }
  if (look.control.kind === 'button') {
    const plain = look.control.look.plain.textArea;
    const [x, y] = [0, 1].map((i) => (look.ink[i] + state.textArea[i] - plain[i]) / ratio);
    look.element.firstChild.style.transform = `translate(${x}px, ${y}px)`;
  }
  look.state = name;
}

/// Redraws a button whose focus or press changed; the others keep what they show.
export function refreshLooks(page) {
  for (const look of page.looks) {
    if (look.control.kind !== 'button') continue;
    const { element } = look;
    const name = stateName(element === document.activeElement, element.matches(':active'));
    if (name !== look.state) showLook(look, name, page.ratio);
  }
}

// Places and styles a control in CSS pixels, from device pixels at the page's ratio.
function placeControl(element, control, ratio) {
  placeBox(element, control, ratio);
  Object.assign(element.style, {
    background: control.background,
    color: control.foreground,
    fontFamily: cssFamilies(control.font.families),
    fontSize: cssPixels(control.font.px, ratio),
    fontWeight: String(control.font.weight),
    textAlign: control.align,
    lineHeight: 'normal',
  });
}

// A look picture over a control, or inside it, one unit to a device pixel.
function placeLook(picture, control, ratio, inside) {
  const { width, height } = control;
  picture.setAttribute('viewBox', `0 0 ${width} ${height}`);
  placeBox(picture, inside ? { left: 0, top: 0, width, height } : control, ratio);
}

function placeCanvas(canvas, frame, ratio) {
  const inside = {
    left: frame.left + frame.borderPx,
    top: frame.top + frame.borderPx,
    width: frame.width - 2 * frame.borderPx,
    height: frame.height - 2 * frame.borderPx,
  };
  canvas.width = inside.width;
  canvas.height = inside.height;
  placeBox(canvas, inside, ratio);
}

function applyWindow(root, layout, ratio) {
  const { palette } = layout;
  Object.assign(root.style, {
    width: cssPixels(layout.width, ratio),
    height: cssPixels(layout.height, ratio),
  });
  // On the whole document, so that the notice, outside the window, has them too: each colour
  // of the palette as a property of its name (darkShadow: --dark-shadow).
  const { style } = root.ownerDocument.documentElement;
  for (const [name, value] of Object.entries(palette)) {
    style.setProperty(`--${name.replace(/[A-Z]/g, (upper) => `-${upper.toLowerCase()}`)}`, value);
  }
  style.setProperty('--line', cssPixels(layout.linePx, ratio));
}

/// Builds the window's controls in window order: the front control last in the page, so it is
/// drawn on top, and the focusable ones in tab order.
export function buildWindow(root, layout, ratio) {
  const elements = new Map();
  const looks = [];
  const onWindow = layout.controls.filter((control) => control.container === layout.window);
  const ordered = onWindow.filter((control) => control.tabPosition >= 0)
    .sort((a, b) => a.tabPosition - b.tabPosition);
  const unfocused = onWindow.filter((control) => control.tabPosition < 0);
  for (const control of [...ordered, ...unfocused]) {
    const element = makeControl(control);
    elements.set(control.id, element);
    root.append(element);
    looks.push(makeLook(element, control));
  }
  const canvas = document.createElement('canvas');
  canvas.setAttribute('aria-hidden', 'true');
  root.prepend(canvas);
  for (const look of looks) {
    if (look.rings) root.append(look.rings);
    if (look.marks) look.element.append(look.marks);
  }
  const page = {
    root,
    elements,
    canvas,
    looks,
    ratio,
    displays: layout.displays.map((id) => elements.get(id)),
  };
  applyLayout(page, layout, ratio);
  return page;
}

// Each control's rings lie just above it, under the controls in front of it. The course's
// canvas lies in its frame, under the frame's rings, which cover any edge of it the page
// blends at a ratio whose CSS pixels fall between device pixels.
export function applyLayout(page, layout, ratio) {
  applyWindow(page.root, layout, ratio);
  page.ratio = ratio;
  const count = layout.controls.length;
  const controls = new Map(layout.controls.map((control, front) => [control.id, [control, front]]));
  for (const look of page.looks) {
    const [control, front] = controls.get(look.control.id);
    const { element } = look;
    look.control = control;
    placeControl(element, control, ratio);
    const { textArea } = control.look.plain;
    if (textArea) element.style.padding = paddingOf(textArea, control, ratio);
    if (control.kind === 'button') look.ink = inkShift(control, ratio);
    element.style.zIndex = String(2 * (count - front));
    if (look.rings) {
      placeLook(look.rings, control, ratio, false);
      look.rings.style.zIndex = String(2 * (count - front) + 1);
    }
    if (look.marks) placeLook(look.marks, control, ratio, true);
    showLook(look, 'plain', ratio);
  }
  refreshLooks(page);
  const [frame, front] = controls.get(layout.courseFrame);
  placeCanvas(page.canvas, frame, ratio);
  page.canvas.style.zIndex = String(2 * (count - front) + 1);
}
