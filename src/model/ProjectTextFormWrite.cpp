#include <algorithm>
#include <cctype>
#include <cstring>

#include "base/Gbk.h"
#include "elements/UpLoadPic.h"
#include "model/JsonWriter.h"
#include "model/ProjectFields.h"
#include "model/ProjectJson.h"
#include "model/ProjectTextForm.h"

// Writing the project's text form.
namespace tavo {

namespace {

// The picture as rows of "#" (dark, bit 0) and "." (light, bit 1), top row
// first; false when the header is not the one the program makes for its size
// or the pixels hold more than the picture shows (padding bits set, a length
// that does not match), so that the hex form keeps such bytes.
bool PictureRows(const uint8_t* infoBlock, const std::vector<uint8_t>& bits, int& width,
                 int& height, std::vector<std::string>& rows) {
  auto get32 = [&](size_t at) {
    return static_cast<int64_t>(uint32_t(infoBlock[at]) | (uint32_t(infoBlock[at + 1]) << 8) |
                                (uint32_t(infoBlock[at + 2]) << 16) |
                                (uint32_t(infoBlock[at + 3]) << 24));
  };
  const int64_t w = get32(4), h = get32(8);
  if (w < 0 || w > CUpLoadPic::kMaxWidth || h < 0 || h > CUpLoadPic::kMaxHeight) return false;
  CUpLoadPic own;
  own.SetSize(static_cast<int>(w), static_cast<int>(h));
  if (std::memcmp(own.m_infoBlock.data(), infoBlock, own.m_infoBlock.size()) != 0) return false;
  if (bits.size() != own.m_bits.size()) return false;
  width = static_cast<int>(w);
  height = static_cast<int>(h);
  const size_t rowBytes = static_cast<size_t>(CUpLoadPic::RowBytes(width));
  rows.assign(static_cast<size_t>(height), std::string());
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = bits.data() + static_cast<size_t>(height - 1 - y) * rowBytes;
    std::string& out = rows[static_cast<size_t>(y)];
    for (size_t x = 0; x < rowBytes * 8; ++x) {
      const bool light = (row[x / 8] >> (7 - x % 8)) & 1;
      if (x >= static_cast<size_t>(width)) {
        if (light) return false;  // padding must be clear
      } else {
        out += light ? '.' : '#';
      }
    }
  }
  return true;
}

// The project file's fields as JSON, pictures as rows when they fit.
class TextFormFields : public JsonFieldWriter {
 public:
  using JsonFieldWriter::JsonFieldWriter;
  // The picture's header comes before its pixels; both are written with the
  // pixels, in the readable form when it fits.
  void Block(const char*, uint8_t* data, size_t size) override {
    m_block = data;
    m_blockSize = size;
  }
  void ByteList(const char* name, std::vector<uint8_t>& bytes) override {
    int width = 0, height = 0;
    std::vector<std::string> rows;
    if (m_block && m_blockSize == 48 && PictureRows(m_block, bytes, width, height, rows)) {
      Int("m_width", width);
      Int("m_height", height);
      m_json.Key(name);
      m_json.BeginArray();
      for (auto& r : rows) m_json.String(r);
      m_json.EndArray();
    } else {
      if (m_block) {
        m_json.Key("m_infoBlock");
        m_json.String(HexBytes(m_block, m_blockSize));
      }
      m_json.Key(name);
      m_json.String(HexBytes(bytes.data(), bytes.size()));
    }
    m_block = nullptr;
  }

 private:
  uint8_t* m_block = nullptr;
  size_t m_blockSize = 0;
};

}  // namespace

bool IsTextFormPath(const std::string& path) {
  if (path.size() < 5) return false;
  std::string tail = path.substr(path.size() - 5);
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tail == ".json";
}

std::string ProjectToTextForm(const Project& constProject, uint8_t protocol) {
  // The field walk takes references so that it can also fill fields in;
  // writing only reads them.
  Project& project = const_cast<Project&>(constProject);
  JsonWriter json;
  TextFormFields fields(json);
  json.BeginObject();
  json.Key("format");
  json.String(kTextFormName);
  json.Key("formatVersion");
  json.Int(kTextFormVersion);
  json.Key("protocol");
  json.Int(protocol);
  json.Key("m_curScreen");
  json.Int(project.m_curScreen);
  WriteProjectMembers(json, project, fields, false);
  json.EndObject();
  return json.Take();
}

std::string TextFormMessage(const std::string& file, const TextFormError& error) {
  std::string m = file + ": ";
  if (!error.path.empty()) m += error.path + ": ";
  return m + error.reason;
}

}  // namespace tavo
