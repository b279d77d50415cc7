#include "app/EditorApp.h"

int main(int argc, char** argv) {
  return tavo::app::RunEditor(argc, argv);
}
