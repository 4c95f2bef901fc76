#pragma once

#include <QIcon>
#include <QStyle>

namespace suite {

// A style's standard icon, made once per style and shared by every view that shows it: each field, button
// and tree item asking the style itself would have its own copy of the same images, decoded again.
QIcon standardIcon(QStyle* style, QStyle::StandardPixmap which);

}  // namespace suite
