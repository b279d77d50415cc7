#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "download/ImageCompiler.h"

namespace tavo {

class Project;

// How full the image area is. Above 95 % a few more texts or pictures would
// stop the download: the check warns and the editor's gauge turns amber.
enum class BudgetLevel : uint8_t { kFits, kNearLimit, kOverLimit };
inline constexpr size_t kBudgetNearLimitPercent = 95;

// What the download image of a project takes, part by part, against the
// 32,767 bytes of the panel's image area.
struct ImageBudget {
  ImageParts parts;  // with every screen
  size_t wideGlyphCount = 0;
  size_t narrowGlyphCount = 0;
  size_t keyPictureCount = 0;
  size_t limit = kMaxImageSize;

  size_t Total() const { return parts.Total(); }
  // Negative when the image is over the limit.
  long long Remaining() const {
    return static_cast<long long>(limit) - static_cast<long long>(Total());
  }
  BudgetLevel Level() const {
    if (Total() > limit) return BudgetLevel::kOverLimit;
    return Total() * 100 > limit * kBudgetNearLimitPercent ? BudgetLevel::kNearLimit
                                                           : BudgetLevel::kFits;
  }
};

// A trial compilation of a copy of the project: records, glyph lists and
// pictures as a download compiles them (pass 1), without the font libraries
// or the protocol file and without a message. The project is not changed.
// The copy stays available to whoever needs what the compiler corrected.
class TrialCompile {
 public:
  explicit TrialCompile(const Project& project);
  ~TrialCompile();
  TrialCompile(const TrialCompile&) = delete;
  TrialCompile& operator=(const TrialCompile&) = delete;

  const ImageBudget& Budget() const { return budget_; }
  // The compiled copy: same screens, same element positions as the project.
  const Project& Copy() const { return *copy_; }
  // The download warning the compiler raised (0 none).
  uint8_t Warning() const { return warning_; }

 private:
  std::unique_ptr<Project> copy_;
  ImageBudget budget_;
  uint8_t warning_ = 0;
};

ImageBudget MeasureImage(const Project& project);

// "31,204": a byte count with thousands separators.
std::string GroupedNumber(long long n);
// The budget as a table for the terminal, and as JSON.
std::string BudgetToText(const ImageBudget& budget);
std::string BudgetToJson(const ImageBudget& budget);

}  // namespace tavo
