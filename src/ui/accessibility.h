#pragma once

class QWidget;

namespace Accessibility {

// Marks a control that lies outside its window's client area as storage: while it stays there,
// assistive technology sees it as invisible and without a name.
void markParked(QWidget *control);

} // namespace Accessibility
