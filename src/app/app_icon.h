#pragma once

#include <QIcon>

namespace meterly {

// The application's icon: a small speed graph, drawn at every size a tray or window needs.
QIcon MeterlyIcon();

}  // namespace meterly
