#include "app/PreviewCompile.h"

#include <QCoreApplication>
#include <new>

#include "base/Prompter.h"
#include "download/ImageCompiler.h"
#include "model/Project.h"
#include "model/ProjectFile.h"
#include "plc/Protocol.h"

namespace tavo::app {

namespace {

// Collects what the compiler says; the cancel question is answered "go on".
class CollectingPrompter : public SilentPrompter {
 public:
  void Message(const std::string& text, const std::string& caption, MessageIcon) override {
    messages.push_back(text);
  }
  bool OkCancel(const std::string& text, const std::string& caption) override {
    messages.push_back(text);
    return false;
  }
  std::vector<std::string> messages;
};

const char kNotCompiled[] = QT_TRANSLATE_NOOP("tavo::app::PreviewCompile", "工程无法编译");
const char kNoCopy[] = QT_TRANSLATE_NOOP("tavo::app::PreviewCompile", "工程无法复制");

std::string Shown(const char* source) {
  return QCoreApplication::translate("tavo::app::PreviewCompile", source).toStdString();
}

}  // namespace

std::vector<uint8_t> PreviewSnapshot(Project& project) {
  // The screen chosen in the editor is stored too, but changes no image: it
  // is left out so that choosing another screen compiles nothing.
  struct Restore {
    Project& project;
    uint16_t current;
    ~Restore() { project.m_curScreen = current; }
  } restore{project, project.m_curScreen};
  project.m_curScreen = 0;
  return WriteProjectBytes(project, CurrentProtocol());
}

PreviewImage CompilePreview(const std::vector<uint8_t>& snapshot) {
  PreviewImage out;
  CollectingPrompter prompter;
  PrompterScope scope(&prompter);
  try {
    Project copy;
    ReadInfo info;
    if (ReadProjectBytes(snapshot, copy, info) != ProjectFileError::None) {
      out.reason = Shown(kNoCopy);
      return out;
    }
    CompiledImage compiled = CompileImageForPreview(copy);
    out.messages = std::move(prompter.messages);
    if (compiled.Ok()) {
      out.ok = true;
      out.image = std::move(compiled.image);
    } else {
      // The first message says why (too many elements, image too large, a
      // font library missing); without one the outcome is all there is.
      out.reason = out.messages.empty() ? Shown(kNotCompiled)
                                        : Shown(kNotCompiled) + ": " + out.messages.front();
    }
  } catch (const std::bad_alloc&) {
    out = {};
    out.reason = Shown(kNotCompiled);
  }
  return out;
}

}  // namespace tavo::app
