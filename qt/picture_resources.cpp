#include "picture_resources.h"

#include "form/pictures.h"
#include "utf8.h"

// Q_INIT_RESOURCE names a function in the global namespace.
static void initPictureResourceData() { Q_INIT_RESOURCE(pictures); }

namespace vortalin::qt {

void initPictureResources() {
  static const bool initialised = (initPictureResourceData(), true);
  (void)initialised;
}

QString pictureResourcePath(std::string_view file) {
  return QStringLiteral(":/pictures/") + fromUtf8(file);
}

QPixmap loadPictureFile(const QString& path) {
  initPictureResources();
  QPixmap picture(path);
  if (picture.isNull()) {
    throw PictureError("the built-in picture " + path.toStdString() +
                       " is missing or cannot be decoded");
  }
  return picture;
}

QPixmap loadPicture(form::Picture picture) {
  if (picture == form::Picture::None) return {};
  return loadPictureFile(pictureResourcePath(form::pictureFile(picture)));
}

}  // namespace vortalin::qt
