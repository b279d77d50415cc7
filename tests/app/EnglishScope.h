#pragma once

#include <gtest/gtest.h>

#include <memory>

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

// A test fixture (an editor window's, say) whose window is made in English:
// the catalogues come in before the fixture's SetUp and go after TearDown.
template <class Fixture>
class InEnglish : public Fixture {
 protected:
  void SetUp() override {
    english_ = std::make_unique<EnglishScope>();
    Fixture::SetUp();
  }
  void TearDown() override {
    Fixture::TearDown();
    english_.reset();
  }

 private:
  std::unique_ptr<EnglishScope> english_;
};

// A base class listed before a fixture that makes its widgets in its
// constructor, so that they are made in English.
struct EnglishFirst {
  EnglishScope english;
};

}  // namespace tavo::test
