#pragma once
// An icon made of image files of several sizes that decodes a file only when a size that
// needs it is asked for. QIcon::addFile decodes every file as it is added, and the large
// images of a tool bar serve only dense screens.
#include <QIcon>
#include <QString>
#include <vector>

namespace platform {

struct SizedIconFile {
  QString path;
  int side = 0;  // the image is side × side pixels
};

// Shows what a QIcon with the same files added at their sizes shows: for each size asked,
// the smallest image at least as large, else the largest, scaled to fit.
QIcon IconFromSizedFiles(std::vector<SizedIconFile> files);

}  // namespace platform
