#pragma once

#include <QImage>

namespace artwork {

// The About page's picture, 800 x 600: a stadium under floodlights at night
// with the program's name. The corner where the version label and the link
// sit, and the place of the start button, are kept free of detail.
QImage aboutPicture();

} // namespace artwork
