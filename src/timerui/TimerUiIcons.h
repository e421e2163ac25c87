#pragma once

#include "engine/TimerMode.h"

#include <QIcon>
#include <QString>

// Quillet's own images: "logOut", "more", "statusItem" and one per timer mode ("relative",
// "absolute", "repeat", "daily").
namespace TimerUiIcons {

// Drawn in the application palette's text colour at paint time, so the image reads on light and dark
// themes and follows a theme change. A null icon for an unknown name.
QIcon icon(const QString& name);
// As drawn, in a neutral mid-grey: for places that do not use Quillet's palette, such as the
// desktop's status area.
QIcon neutralIcon(const QString& name);
QIcon modeIcon(TimerMode mode);
QString modeIconName(TimerMode mode);

} // namespace TimerUiIcons
