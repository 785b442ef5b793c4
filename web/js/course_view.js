// The course frame's inside: a canvas at device pixels that draws the race's boxes back to
// front, each filling its place with its colour and its picture over it, enlarged without
// smoothing and clipped to the frame.

// Decoded off the main thread, so the page's scripts run on while the pictures decode.
function decoded(url) {
  const [header, base64] = url.split(',');
  const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  const type = header.slice('data:'.length, header.indexOf(';'));
  return createImageBitmap(new Blob([bytes], { type }));
}

export async function loadPictures(urls) {
  const entries = await Promise.all(
    Object.entries(urls).map(async ([name, url]) => [name, await decoded(url)]));
  return new Map(entries);
}

function enlarged(image, width, height) {
  const canvas = document.createElement('canvas');
  canvas.width = width;
  canvas.height = height;
  const context = canvas.getContext('2d');
  context.imageSmoothingEnabled = false;
  context.drawImage(image, 0, 0, width, height);
  return canvas;
}

export class CourseView {
  /// `pictures` holds the decoded pictures by file name.
  constructor(canvas, pictures) {
    this.canvas = canvas;
    this.context = canvas.getContext('2d', { alpha: false });
    this.pictures = pictures;
    this.boxes = [];
  }

  /// Takes the boxes' sizes, colours and pictures at a new density.
  setLayout(layout) {
    const controls = new Map(layout.controls.map((control) => [control.id, control]));
    this.background = controls.get(layout.courseFrame).background;
    this.boxes = layout.boxes.map(({ box, id }) => {
      const control = controls.get(id);
      return {
        box,
        width: control.width,
        height: control.height,
        inset: control.borderPx,
        background: control.background,
        picture: enlarged(this.pictures.get(control.picture), control.pictureWidth,
          control.pictureHeight),
      };
    });
  }

  /// Draws every box at its place, `placeOf(box)` giving its top-left corner.
  draw(placeOf) {
    const { context, canvas } = this;
    context.fillStyle = this.background;
    context.fillRect(0, 0, canvas.width, canvas.height);
    for (const box of this.boxes) {
      const { x, y } = placeOf(box.box);
      context.fillStyle = box.background;
      context.fillRect(x, y, box.width, box.height);
      this.drawVisiblePart(box.picture, x + box.inset, y + box.inset);
    }
  }

  // Only the rows and columns inside the canvas: the course picture is far taller.
  drawVisiblePart(picture, x, y) {
    const left = Math.max(0, -x);
    const top = Math.max(0, -y);
    const width = Math.min(picture.width, this.canvas.width - x) - left;
    const height = Math.min(picture.height, this.canvas.height - y) - top;
    if (width <= 0 || height <= 0) return;
    this.context.drawImage(picture, left, top, width, height, x + left, y + top, width, height);
  }
}
