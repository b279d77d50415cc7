#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "render/Canvas.h"

namespace tavo {

// The editor's built-in pictures: 66 drawings of 36 x 36 display pixels (one
// 16 x 16 panel cell each), picture number n having identifier 330 + n.
//   0, 1    round lamp, dark and bright
//   2, 3    square lamp, dark and bright
//   4-63    twenty keys, three pictures each: dark face, bright face, dotted
//           outline; keys in the order ESC, left, right, down, up, SET, ENT,
//           ALM, 0-9, CLR, plus-minus
//   64, 65  pointing hand, dark and bright
constexpr int kPictureCount = 66;
constexpr uint16_t kFirstPictureId = 330;
// Picture numbers within the set.
constexpr int kPicRoundLamp = 0;      // 0 dark, 1 bright
constexpr int kPicSquareLamp = 2;     // 2 dark, 3 bright
constexpr int kPicFirstKey = 4;       // three per key: dark face, bright face, dotted outline
constexpr int kPicHand = 64;          // 64 dark, 65 bright
constexpr int kKeyPictureCount = 20;  // keys with pictures (the 19 of the key list and +/-)

constexpr int kPictureSide = 36;

// The picture of that number, or nullptr outside 0-65. Drawn once, on first use.
const Canvas* EditorPicture(int number);
inline const Canvas* EditorPictureById(int id) {
  return EditorPicture(id - kFirstPictureId);
}

// Picture numbers of a lamp (style 0 round, 1 square) and of a key (index
// 0-19) in its three states; any non-zero flag counts as set, and a style or
// key index past the table is drawn as the last one.
int LampPictureNumber(int style, int bright);
int KeyPictureNumber(int key, int inverse, int hidden);
inline int HandPictureNumber(int inverse) {
  return kPicHand + (inverse != 0 ? 1 : 0);
}

// The key-picture identifiers of the download image: 0-19 the keys, 20 the hand.
constexpr int kHandKeyId = 20;
using PanelBitmap16 = std::array<uint8_t, 32>;
// The 16 x 16 panel bitmap of a key-picture identifier, in the panel's column
// bands (bytes 0-15 rows 0-7, bytes 16-31 rows 8-15, one byte per column, bit
// 0 the band's top row); lit border and legend on a dark cell. nullopt for an
// identifier outside 0-20.
std::optional<PanelBitmap16> PanelKeyBitmap(int id);

}  // namespace tavo
