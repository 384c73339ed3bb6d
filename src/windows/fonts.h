#pragma once

#include <QFont>

namespace hovla {

// Comic Sans MS where the machine has it, else Comic Neue, bold.
QFont comicFont(double points);

} // namespace hovla
