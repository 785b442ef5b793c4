// Builds the page from the game's layout and wires the controls to the game.
import { CourseView, loadPictures } from './course_view.js';
import { GameLoop } from './game_loop.js';
import { Notice } from './notice.js';
import { loadGame } from './wasm_game.js';
import { applyLayout, buildWindow, refreshLooks } from './window_builder.js';

const ratio = () => window.devicePixelRatio || 1;

async function start() {
  // The fonts and pictures are decoded while the wasm starts; the window is built once all
  // are ready, so its first frame shows it whole.
  const fonts = Promise.allSettled([...document.fonts].map((face) => face.load()));
  const pictureUrls = JSON.parse(document.getElementById('pictures').textContent);
  const [pictures, game] = await Promise.all([loadPictures(pictureUrls), loadGame(), fonts]);
  const dotsPerInch = () => Math.round(game.designDotsPerInch * ratio());
  game.open(dotsPerInch());
  let layout = game.layout(dotsPerInch());
  document.title = layout.title;
  const page = buildWindow(document.getElementById('window'), layout, ratio());
  const course = new CourseView(page.canvas, pictures);
  course.setLayout(layout);
  const notice = new Notice(document.getElementById('notice'), {
    title: document.getElementById('notice-title'),
    text: document.getElementById('notice-text'),
    window: page.root,
  }, layout.programName);
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

  for (const [id, element] of page.elements) {
    if (element instanceof HTMLButtonElement) {
      element.addEventListener('click', () => loop.click(id));
    }
  }
  page.displays.forEach((input, which) => {
    input.addEventListener('input', () => game.typed(which, input.value));
  });

  followFocusPolicy(page, layout);
  followButtonStates(page);

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

// The focus moves as the layout says: an arrow key on a focused button goes to the control
// the layout names for it, and a press on what takes no focus leaves the focus (and selects
// nothing).
function followFocusPolicy(page, layout) {
  const arrowKeys = new Map(layout.controls.map((control) => [control.id, control.arrowKeys]));
  page.root.addEventListener('keydown', (event) => {
    if (event.altKey || event.ctrlKey || event.metaKey || event.shiftKey) return;
    const target = arrowKeys.get(event.target.id)?.[event.key];
    if (!target) return;
    event.preventDefault();
    page.elements.get(target).focus();
  });
  page.root.addEventListener('mousedown', (event) => {
    if (!event.target.closest('button, input')) event.preventDefault();
  });
}

// A button's look follows its focus and its press, looked at once before the next frame
// after anything that can change them, wherever in the document it happens.
function followButtonStates(page) {
  let due = false;
  const refresh = () => {
    due = false;
    refreshLooks(page);
  };
  const soon = () => {
    if (due) return;
    due = true;
    requestAnimationFrame(refresh);
  };
  for (const type of ['focusin', 'focusout', 'pointerdown', 'pointerup', 'pointercancel',
    'keydown', 'keyup']) {
    document.addEventListener(type, soon, true);
  }
}

// A page that cannot start says so in place of the window.
function showStartupError(error) {
  const root = document.getElementById('window');
  const message = document.createElement('p');
  message.className = 'startup-error';
  message.setAttribute('role', 'alert');
  message.textContent = `ゲームを開始できませんでした。\n${error?.message ?? error}`;
  root.replaceChildren(message);
  console.error(error);
}

start().catch(showStartupError);
