// The game's one message, in a window-modal dialog titled with the program's name and centred
// on the window: the page takes no input until it is closed.
export class Notice {
  constructor(dialog, { title, text, window }, programName) {
    this.dialog = dialog;
    this.text = text;
    this.window = window;
    title.textContent = programName;
  }

  show(message) {
    this.text.textContent = message;
    if (!this.dialog.open) this.dialog.showModal();
    const window = this.window.getBoundingClientRect();
    const { offsetWidth: width, offsetHeight: height } = this.dialog;
    // Centred on the window, but kept on the screen when it is the wider.
    const place = (start, size, own, room) => Math.round(
      Math.max(0, Math.min(start + (size - own) / 2, room - own)));
    Object.assign(this.dialog.style, {
      left: `${place(window.left, window.width, width, innerWidth)}px`,
      top: `${place(window.top, window.height, height, innerHeight)}px`,
    });
  }
}
