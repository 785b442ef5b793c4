#include "picture_resources.h"

#include <QFile>

#include "pictures.h"

#ifdef VORTALIN_HAS_PICTURES
// Q_INIT_RESOURCE names a function in the global namespace.
static void initPictureResourceData() { Q_INIT_RESOURCE(pictures); }
#endif

namespace vortalin::ui {

void initPictureResources() {
#ifdef VORTALIN_HAS_PICTURES
  static const bool initialised = (initPictureResourceData(), true);
  (void)initialised;
#endif
}

QString pictureResourcePath(std::string_view file) {
  return QStringLiteral(":/pictures/") +
         QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
}

QPixmap loadPicture(form::Picture picture) {
  if (picture == form::Picture::None) return {};
  initPictureResources();
  const QString path = pictureResourcePath(form::pictureFile(picture));
  if (!QFile::exists(path)) return {};
  return QPixmap(path);
}

}  // namespace vortalin::ui
