#pragma once

#include <gtest/gtest.h>

#include "app/LanguageMenu.h"

namespace tavo::test {

// The editor in English while alive (Qt's texts, the catalogues), Chinese
// again after: the tests run in Chinese unless one asks for English.
class EnglishScope {
 public:
  EnglishScope() { EXPECT_TRUE(app::ApplyLanguage(Language::English)) << "tavo_app_en.qm missing"; }
  ~EnglishScope() { app::ApplyLanguage(Language::Chinese); }
  EnglishScope(const EnglishScope&) = delete;
  EnglishScope& operator=(const EnglishScope&) = delete;
};

}  // namespace tavo::test
