#include "elements/ImageShared.h"

#include <algorithm>

namespace tavo {

uint8_t ImageShared::KeyPictureIndex(uint8_t id) {
  auto it = std::find(keyPictures.begin(), keyPictures.end(), id);
  if (it != keyPictures.end()) return static_cast<uint8_t>(it - keyPictures.begin());
  keyPictures.push_back(id);
  return static_cast<uint8_t>(keyPictures.size() - 1);
}

void ImageShared::Clear() {
  *this = ImageShared{};
}

}  // namespace tavo
