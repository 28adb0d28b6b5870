#pragma once

#include <QIcon>

// The program's pictures are drawn here rather than shipped as files, so they scale
// with the screen and carry no one else's licence.
enum class ToolbarPicture { Insert, Edit, Delete, Find, Print, Close };

QIcon DrawToolbarPicture(ToolbarPicture picture);
// A bank form with a transfer arrow; the windows' and the about box's icon.
QIcon ApplicationIcon();
// The same drawing at any size in pixels, for the desktop's icon files.
QImage ApplicationImage(int pixels);
