#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

// A message text with its arguments put in: "%1" is the first argument, "%2"
// the second, up to "%9", each wherever it stands. The text is read once from
// left to right, so an argument that itself holds "%2" (a file name) is taken
// as it is. A placeholder without an argument stays in the text.
std::string Substitute(std::string_view pattern, std::initializer_list<std::string_view> args);
// The same with arguments gathered at run time.
std::string Substitute(std::string_view pattern, const std::vector<std::string>& args);

}  // namespace tavo
