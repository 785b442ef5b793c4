// Builds the page from the game's layout and wires the controls to the game.
const ratio = () => window.devicePixelRatio || 1;
const dotsPerInch = () => Math.round(96 * ratio());

async function start() {
  // The fonts and pictures are decoded while the wasm starts; the window is built once all
  // are ready, so its first frame shows it whole.
  const fonts = Promise.allSettled([...document.fonts].map((face) => face.load()));
  const pictureUrls = JSON.parse(document.getElementById('pictures').textContent);
  const [pictures, game] = await Promise.all([loadPictures(pictureUrls), loadGame(), fonts]);
  game.open(dotsPerInch());
  let layout = game.layout(dotsPerInch());
  document.title = layout.title;
  const page = buildWindow(document.getElementById('window'), layout, ratio());
  const course = new CourseView(page.canvas, pictures);
  course.setLayout(layout);
  const notice = new Notice(document.getElementById('notice'),
    document.getElementById('notice-text'));
  const placeOf = (box) => ({ x: game.boxX(box), y: game.boxY(box) });

  const show = () => {
    const Change = layout.changes;
    const changes = game.takeChanges();
    if (changes & Change.colour) {
      document.documentElement.style.setProperty('--window-colour', game.windowColour());
    }
    page.displays.forEach((input, which) => {
      const bit = which === 0 ? Change.energyText : Change.distanceText;
      if (changes & bit) input.value = game.displayText(which);
    });
    if (changes & Change.boxes) course.draw(placeOf);
    if (changes & Change.notice) notice.show(game.notice());
  };
  const loop = new GameLoop(game, show, layout.clockPeriodMs);
  installTestHook(game, loop);

  for (const [id, element] of page.elements) {
    if (element instanceof HTMLButtonElement) {
      element.addEventListener('click', () => loop.click(id));
    }
  }
  page.displays.forEach((input, which) => {
    input.addEventListener('input', () => game.typed(which, input.value));
  });

  // A screen of another density: the same layout in its device pixels.
  const watchRatio = () => {
    matchMedia(`(resolution: ${ratio()}dppx)`).addEventListener('change', () => {
      layout = game.layout(dotsPerInch());
      game.setDotsPerInch(dotsPerInch());
      applyLayout(page, layout, ratio());
      course.setLayout(layout);
      course.draw(placeOf);
      watchRatio();
    }, { once: true });
  };
  watchRatio();
  show();
  page.root.querySelector('button, input').focus();
}

start();
