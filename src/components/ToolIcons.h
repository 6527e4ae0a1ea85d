#pragma once

#include <QIcon>
#include <QImage>

namespace tavo {

// The pictures of the main window's tool buttons, drawn by the program in full colour, with a
// greyed, faded picture of each for a disabled button.
QIcon NewPageIcon();
QIcon OpenFolderIcon();
QIcon SaveDiskIcon();
QIcon PrinterIcon();
QIcon DetailsIcon();

// A picture as a disabled control shows it: grey, lighter and half transparent.
QImage DisabledPicture(const QImage& picture);

}  // namespace tavo
