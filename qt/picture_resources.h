#pragma once

#include <string_view>

#include <QPixmap>
#include <QString>

#include "control_record.h"

namespace vortalin::qt {

/// Makes the built-in pictures reachable under ":/pictures"; safe to call more than once.
void initPictureResources();

/// The resource path of a built-in picture file, e.g. ":/pictures/course.gif".
QString pictureResourcePath(std::string_view file);

/// The picture a control shows; a null pixmap for a control without one.
QPixmap loadPicture(form::Picture picture);

}  // namespace vortalin::qt
