#pragma once

#include <QImage>

namespace artwork {

// The About page's picture: a stadium under floodlights at night with the
// program's name, laid out on an 800 x 600 plan and drawn stretched to size
// (the page's 683 x 486, or twice that for a 2x screen). The corner where the
// version label and the link sit, and the place of the start button, are
// kept free of detail.
QImage aboutPicture(QSize size);

} // namespace artwork
