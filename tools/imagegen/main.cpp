// Draws the page's images and icons into a source tree:
//   imagegen <source root>
// The results are committed; a unit test checks that this program still reproduces them.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tools/imagegen/Artwork.h"

namespace {

bool Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::fprintf(stderr, "imagegen: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: imagegen <source root>\n");
    return 2;
  }
  using namespace pelk::imagegen;
  const std::string root = argv[1];
  bool ok = Write(root + "/template/images/ImageList1.bmp", ImageListBitmap());
  ok = Write(root + "/template/images/TfrmTippTemplate.ico", TemplateIcon()) && ok;
  ok = Write(root + "/tip/TFormPelk412.ico", TipIcon()) && ok;
  ok = Write(root + "/controls/THotSpeedButton.bmp", HotSpeedButtonBitmap()) && ok;
  return ok ? 0 : 1;
}
