#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tavo {

// PNG bytes of an 8-bit RGB image (rows top first, 3 bytes per pixel); empty
// on failure.
std::vector<uint8_t> EncodePngRgb(const uint8_t* rgb, int width, int height);

// Images with more pixels than this are refused without decoding.
constexpr long long kMaxDecodedPixels = 4096LL * 4096;

// Decodes an image file held in memory to 8-bit RGB, rows top first. False
// when the bytes are not an image the decoder can read.
bool DecodeRgb(const uint8_t* data, size_t size, std::vector<uint8_t>& rgb, int& width,
               int& height);

}  // namespace tavo
