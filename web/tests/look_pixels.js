// The window's rings and focus marks as the screen shows them, against the look the game's
// layout gives, in every state a player can bring about: no button focused, each button
// focused, and the left arrow focused and held down.

// The window as the screen shows it, kept in the page under a name.
async function shootWindow(page, name) {
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => done())));
  const clip = await page.evaluate(() => {
    const rect = document.getElementById('window').getBoundingClientRect();
    return { x: rect.left, y: rect.top, width: rect.width, height: rect.height };
  });
  const data = await page.screenshot({ clip, encoding: 'base64' });
  await page.evaluate(async (key, png) => {
    const image = new Image();
    image.src = `data:image/png;base64,${png}`;
    await image.decode();
    const context = new OffscreenCanvas(image.width, image.height).getContext('2d');
    context.drawImage(image, 0, 0);
    window.shots = { ...window.shots, [key]: context.getImageData(0, 0, image.width, image.height) };
  }, name, data);
}

// The pixels of a shot that differ from the rings and focus marks the layout gives for each
// control in its state (`states`, by id; 'plain' otherwise), where no control in front covers
// them: a ring's sides in their colour, a mark's dots the inverse of the shot `under` at the
// place the caption had moved from. Counted by control, ring pixels of no ring's colour apart.
function lookMismatches(page, layout, shot, states, under) {
  return page.evaluate((look, name, stateOf, beneath) => {
    const image = window.shots[name];
    const rgb = (pixels, x, y) => [0, 1, 2].map((c) => pixels.data[4 * (y * pixels.width + x) + c]);
    const hex = (colour) => `#${colour.map((v) => v.toString(16).padStart(2, '0')).join('')}`;
    const onWindow = look.controls.filter((control) => control.container === look.window);
    const ringColours = new Set(onWindow.flatMap((control) => Object.values(control.look)
      .flatMap((state) => state.rings.map((side) => side[4]))));
    const wrong = [];
    const byControl = {};
    let checked = 0;
    const inFront = [];
    for (const control of onWindow) {
      const stateName = stateOf[control.id] ?? 'plain';
      const state = control.look[stateName];
      const counts = { rings: 0, blended: 0, marks: 0 };
      const shift = [0, 1].map((i) => (state.textArea && control.look.plain.textArea
        ? state.textArea[i] - control.look.plain.textArea[i] : 0));
      const each = ([left, top, width, height], expected, kind) => {
        for (let y = control.top + top; y < control.top + top + height; y += 1) {
          for (let x = control.left + left; x < control.left + left + width; x += 1) {
            if (x >= image.width || y >= image.height || inFront.some((c) => x >= c.left
              && x < c.left + c.width && y >= c.top && y < c.top + c.height)) continue;
            checked += 1;
            const got = hex(rgb(image, x, y));
            const want = expected(x, y);
            if (got === want) continue;
            counts[kind] += 1;
            if (kind === 'rings' && !ringColours.has(got)) counts.blended += 1;
            wrong.push(`${control.id} ${stateName} (${x}, ${y}) ${got} not ${want}`);
          }
        }
      };
      for (const side of state.rings) each(side, () => side[4], 'rings');
      for (const dot of state.marks) {
        each(dot, (x, y) => hex(rgb(window.shots[beneath], x - shift[0], y - shift[1])
          .map((v) => 255 - v)), 'marks');
      }
      if (counts.rings || counts.marks) byControl[`${control.id} ${stateName}`] = counts;
      inFront.push(control);
    }
    return { shot: name, checked, count: wrong.length, first: wrong.slice(0, 4), byControl };
  }, layout, shot, states, under);
}

/// Brings about each state in turn on a page just opened and returns what `lookMismatches`
/// finds in each.
export async function lookMismatchesInEveryState(page, layout) {
  const found = [];
  const expect = async (shot, states, under = 'plain') => {
    found.push(await lookMismatches(page, layout, shot, states, under));
  };
  await page.focus('#Text1');
  await shootWindow(page, 'plain');
  await expect('plain', {});
  const buttons = layout.controls.filter((control) => control.kind === 'button');
  for (const { id } of buttons) {
    await page.focus(`#${id}`);
    await shootWindow(page, id);
    await expect(id, { [id]: 'focused' });
  }
  const box = await (await page.$('#Command2')).boundingBox();
  await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
  await page.mouse.down();
  await shootWindow(page, 'pressed');
  await expect('pressed', { Command2: 'focusedPressed' });
  await page.mouse.up();
  return found;
}
