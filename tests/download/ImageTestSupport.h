#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "download/ImageCompiler.h"
#include "model/Project.h"
#include "support/ProfileScope.h"
#include "support/ScriptedPrompter.h"

namespace tavo::test {

using Bytes = std::vector<uint8_t>;

// A project under a protocol, with helpers to put elements on its screens.
// Elements are appended, so the element order is the order of the calls.
class ImageProject {
 public:
  explicit ImageProject(uint8_t protocol) : scope(protocol) { project.ApplyProtocol(protocol); }

  CMainView& Screen(uint16_t number) {
    auto found = project.FindScreen(number);
    if (found.found) return *project.ScreenAt(found.position);
    return project.AddScreen(number, "");
  }

  template <typename T, typename... Args>
  T& Add(uint16_t screen, int x, int y, Args&&... args) {
    auto e = std::make_unique<T>(std::forward<Args>(args)...);
    e->m_x = x;
    e->m_y = y;
    T& ref = *e;
    Screen(screen).m_elements.push_back(std::move(e));
    return ref;
  }

  // Compiles with a stand-in driver (version 7, three bytes) unless told otherwise.
  CompiledImage Compile(ImageCompilerOptions options = {}) {
    if (!options.loadDriver)
      options.loadDriver = [](PanelSettings&, ProtocolDriver& d) {
        d.version = 7;
        d.bytes = {0xD1, 0xD2, 0xD3};
        return true;
      };
    return CompileImage(project, options);
  }

  ProfileScope scope;  // first: the project and its elements take the protocol's defaults
  Project project;
  ScriptedPrompter prompter;
};

// Bytes of the image at a panel address.
inline Bytes At(const CompiledImage& image, uint16_t address, size_t count) {
  const size_t from = address - kImageBase;
  if (from + count > image.image.size()) {
    ADD_FAILURE() << "address " << std::hex << address << " past the image";
    return {};
  }
  return Bytes(image.image.begin() + from, image.image.begin() + from + count);
}

inline uint16_t Word(const CompiledImage& image, uint16_t address) {
  const Bytes b = At(image, address, 2);
  return b.size() == 2 ? static_cast<uint16_t>(b[0] << 8 | b[1]) : 0;
}

// Parses "00 C0 30 ..." into bytes.
inline Bytes FromHex(const std::string& text) {
  Bytes out;
  for (size_t i = 0; i + 1 < text.size();) {
    if (text[i] == ' ' || text[i] == '/') {
      ++i;
      continue;
    }
    out.push_back(static_cast<uint8_t>(std::stoi(text.substr(i, 2), nullptr, 16)));
    i += 2;
  }
  return out;
}

}  // namespace tavo::test
