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

// How far a button's caption moves from where the line centres it so that its ink is centred,
// in CSS pixels rounded to device pixels: a face's line can lie far from its glyphs (the
// arrows' by a sixteenth of an em), which would set them low enough for the bevel to cut.
function inkShift(control, ratio) {
  const context = new OffscreenCanvas(1, 1).getContext('2d');
  const { font } = control;
  context.font = `${font.weight} ${font.px / ratio}px ${cssFamilies(font.families)}`;
  const m = context.measureText(control.caption);
  const x = (m.width - (m.actualBoundingBoxRight - m.actualBoundingBoxLeft)) / 2;
  const y = (m.actualBoundingBoxAscent - m.actualBoundingBoxDescent) / 2
    - (m.fontBoundingBoxAscent - m.fontBoundingBoxDescent) / 2;
  const device = (css) => Math.round(css * ratio) / ratio;
  return `translate(${device(x)}px, ${device(y)}px)`;
}

function makeControl(control) {
  const element = elementOfKind[control.kind]();
  element.id = control.id;
  element.className = `${control.kind} border-${control.border}${control.wordWrap ? ' wrap' : ''}`;
  if (control.kind === 'text') element.value = control.caption;
  else if (control.kind === 'button') element.append(captionSpan(control.caption));
  else if (control.kind !== 'picture') element.textContent = control.caption;
  if (control.accessibleName) element.setAttribute('aria-label', control.accessibleName);
  return element;
}

// Places and styles a control in CSS pixels, from device pixels at the page's ratio.
function placeControl(element, control, ratio) {
  const css = (devicePixels) => `${devicePixels / ratio}px`;
  Object.assign(element.style, {
    left: css(control.left),
    top: css(control.top),
    width: css(control.width),
    height: css(control.height),
    background: control.background,
    color: control.foreground,
    fontFamily: cssFamilies(control.font.families),
    fontSize: css(control.font.px),
    fontWeight: String(control.font.weight),
    textAlign: control.align,
    lineHeight: 'normal',
  });
  // A text box's text keeps its margin from the inner ring of the bevel, which is drawn over
  // the padding.
  if (control.kind === 'text') {
    element.style.padding = `0 calc(var(--line) + ${css(control.marginPx)})`;
  }
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
  Object.assign(canvas.style, {
    left: `${inside.left / ratio}px`,
    top: `${inside.top / ratio}px`,
    width: `${inside.width / ratio}px`,
    height: `${inside.height / ratio}px`,
  });
}

// One line of a bevel: a whole number of device pixels, at least one.
function bevelLine(ratio) {
  return `${Math.max(1, Math.floor(ratio)) / ratio}px`;
}

function applyWindow(root, layout, ratio) {
  const { palette } = layout;
  Object.assign(root.style, {
    width: `${layout.width / ratio}px`,
    height: `${layout.height / ratio}px`,
  });
  const properties = {
    '--highlight': palette.highlight,
    '--light': palette.light,
    '--shadow': palette.shadow,
    '--dark-shadow': palette.darkShadow,
    '--face': palette.face,
    '--caption': palette.caption,
    '--caption-text': palette.captionText,
    '--line': bevelLine(ratio),
  };
  // On the whole document, so that the notice, outside the window, has them too.
  const { style } = root.ownerDocument.documentElement;
  for (const [name, value] of Object.entries(properties)) style.setProperty(name, value);
}

/// Builds the window's controls in window order: the front control last in the page, so it is
/// drawn on top, and the focusable ones in tab order.
export function buildWindow(root, layout, ratio) {
  const elements = new Map();
  const onWindow = layout.controls.filter((control) => control.container === layout.window);
  const ordered = onWindow.filter((control) => control.tabPosition >= 0)
    .sort((a, b) => a.tabPosition - b.tabPosition);
  const unfocused = onWindow.filter((control) => control.tabPosition < 0);
  for (const control of [...ordered, ...unfocused]) {
    const element = makeControl(control);
    elements.set(control.id, element);
    root.append(element);
  }
  const canvas = document.createElement('canvas');
  canvas.setAttribute('aria-hidden', 'true');
  root.append(canvas);
  const page = {
    root,
    elements,
    canvas,
    displays: layout.displays.map((id) => elements.get(id)),
  };
  applyLayout(page, layout, ratio);
  return page;
}

export function applyLayout(page, layout, ratio) {
  applyWindow(page.root, layout, ratio);
  const count = layout.controls.length;
  layout.controls.forEach((control, front) => {
    const element = page.elements.get(control.id);
    if (!element) return;
    placeControl(element, control, ratio);
    if (control.kind === 'button') element.firstChild.style.transform = inkShift(control, ratio);
    element.style.zIndex = String(count - front);
  });
  const frame = layout.controls.find((control) => control.id === layout.courseFrame);
  placeCanvas(page.canvas, frame, ratio);
  page.canvas.style.zIndex = String(count + 1);
}
