#include "picture_resources.h"

#include "pictures.h"

// Q_INIT_RESOURCE names a function in the global namespace.
static void initPictureResourceData() { Q_INIT_RESOURCE(pictures); }

namespace vortalin::qt {

void initPictureResources() {
  static const bool initialised = (initPictureResourceData(), true);
  (void)initialised;
}

QString pictureResourcePath(std::string_view file) {
  return QStringLiteral(":/pictures/") +
         QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
}

QPixmap loadPicture(form::Picture picture) {
  if (picture == form::Picture::None) return {};
  initPictureResources();
  return QPixmap(pictureResourcePath(form::pictureFile(picture)));
}

}  // namespace vortalin::qt
