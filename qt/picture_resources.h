#pragma once

#include <stdexcept>
#include <string_view>

#include <QPixmap>
#include <QString>

#include "form/control_record.h"

namespace vortalin::qt {

/// Makes the built-in pictures reachable under ":/pictures"; safe to call more than once.
void initPictureResources();

/// The resource path of a built-in picture file, e.g. ":/pictures/course.gif".
QString pictureResourcePath(std::string_view file);

/// A built-in picture file that is missing or cannot be decoded: the program cannot start.
class PictureError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// A built-in picture by its resource path; throws PictureError where it cannot be read.
QPixmap loadPictureFile(const QString& path);

/// The picture a control shows; a null pixmap for a control without one. Throws PictureError
/// where the built-in picture cannot be read.
QPixmap loadPicture(form::Picture picture);

}  // namespace vortalin::qt
