// The game's one message, in a window-modal dialog: the page takes no input until it is closed.
export class Notice {
  constructor(dialog, text) {
    this.dialog = dialog;
    this.text = text;
  }

  show(message) {
    this.text.textContent = message;
    if (!this.dialog.open) this.dialog.showModal();
  }
}
