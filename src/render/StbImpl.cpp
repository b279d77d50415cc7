// The one place in the core where the stb image decoder and PNG writer are
// compiled.
#include <climits>
#include <cstring>

#include "render/StbIo.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wall"
#pragma GCC diagnostic ignored "-Wextra"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-function"
#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#define STBI_FAILURE_USERMSG
#include <stb/stb_image.h>
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

namespace tavo {

namespace {

void AppendBytes(void* context, void* data, int size) {
  auto* out = static_cast<std::vector<uint8_t>*>(context);
  const auto* p = static_cast<const uint8_t*>(data);
  out->insert(out->end(), p, p + size);
}

}  // namespace

std::vector<uint8_t> EncodePngRgb(const uint8_t* rgb, int width, int height) {
  std::vector<uint8_t> out;
  if (width <= 0 || height <= 0) return out;
  if (!stbi_write_png_to_func(AppendBytes, &out, width, height, 3, rgb, width * 3)) out.clear();
  return out;
}

bool DecodeRgb(const uint8_t* data, size_t size, std::vector<uint8_t>& rgb, int& width,
               int& height) {
  if (!data || size == 0 || size > 0x7FFFFFFF) return false;
  int w = 0, h = 0, n = 0;
  // Refuse absurd sizes before the decoder allocates for them.
  if (!stbi_info_from_memory(data, static_cast<int>(size), &w, &h, &n)) return false;
  if (h < 0 && h != INT_MIN) h = -h;  // a top-down bitmap reports its height negative here
  if (w <= 0 || h <= 0 || static_cast<long long>(w) * h > kMaxDecodedPixels) return false;
  stbi_uc* pixels = stbi_load_from_memory(data, static_cast<int>(size), &w, &h, &n, 3);
  if (!pixels) return false;
  rgb.assign(pixels, pixels + static_cast<size_t>(w) * h * 3);
  stbi_image_free(pixels);
  width = w;
  height = h;
  return true;
}

}  // namespace tavo
