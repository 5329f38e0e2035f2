#include "tests/win32/oldwindows/SystemExportList.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace pelk {

std::string LibraryName(const std::string& pathOrName) {
  const std::size_t slash = pathOrName.find_last_of("\\/");
  std::string name = slash == std::string::npos ? pathOrName : pathOrName.substr(slash + 1);
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  if (name.find('.') == std::string::npos)
    name += ".DLL";
  return name;
}

bool SystemExportList::Read(const std::string& path, std::string& error) {
  std::ifstream file(path);
  if (!file) {
    error = "cannot open " + path;
    return false;
  }
  std::string line;
  std::string section;
  for (int number = 1; std::getline(file, line); ++number) {
    std::istringstream words(line);
    std::string name;
    std::string mark;
    std::string extra;
    if (!(words >> name) || name[0] == '#')
      continue;
    words >> mark >> extra;
    if (line[0] != ' ') {
      section = LibraryName(name);
      libraries_.insert(section);
    } else if (section.empty() || !extra.empty() || !(mark.empty() || mark == "stub")) {
      error = path + ":" + std::to_string(number) + ": cannot read '" + line + "'";
      return false;
    } else {
      functions_[section][name] = mark == "stub";
    }
  }
  return true;
}

bool SystemExportList::HasLibrary(const std::string& dll) const {
  return libraries_.count(LibraryName(dll)) != 0;
}

SystemExportList::Export SystemExportList::Find(const std::string& dll,
                                                const std::string& function) const {
  const auto library = functions_.find(LibraryName(dll));
  if (library == functions_.end())
    return Export::Missing;
  const auto found = library->second.find(function);
  if (found == library->second.end())
    return Export::Missing;
  return found->second ? Export::Stub : Export::Implemented;
}

}  // namespace pelk
