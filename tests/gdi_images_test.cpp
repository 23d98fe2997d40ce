// The drawing layer's images: files loaded or refused with their status
// codes, the handle table, copies of surface regions, and the pixels drawn
// for each placement option.
#include "image_files.h"
#include "support/gdi_surface.h"

#include <filesystem>

namespace {

using tamri_test::Ink;
using tamri_test::kWhite;
using tamri_test::TestImage;
using Pixels = std::vector<uint32_t>;
using Ints = std::vector<int32_t>;

// Six pixels no two alike, so that any mix-up of rows, columns or channels
// shows.
const TestImage kSixColours{
    3, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF102030, 0xFFFFFF00, 0xFF808080}};

std::u16string wide(const std::filesystem::path& path) { return path.u16string(); }

class GdiImages : public tamri_test::GdiSurfaceTest {
 protected:
  GdiImages() : GdiSurfaceTest(40, 40) {}
  void SetUp() override {
    GdiSurfaceTest::SetUp();
    host::traceClear();
  }
  // Loads a file written with these bytes; its status through `status`.
  stImageHandle load(const std::string& name, const std::string& bytes, int32_t& status) {
    return osGXloadImage(wide(folder_.write(name, bytes)).c_str(), &status);
  }
  stImageHandle loadOk(const std::string& name, const std::string& bytes) {
    int32_t status = -1;
    const stImageHandle handle = load(name, bytes, status);
    EXPECT_EQ(status, OS_GX_IMAGE_OK) << name;
    return handle;
  }

  tamri_test::TempFolder folder_;
};

// PNG files are pinned by the example scenes' logo.
TEST_F(GdiImages, BmpAndJpegFilesDrawTheirPixels) {
  osGXimage(surface_, {20, 30}, 3, 2, loadOk("six.bmp", tamri_test::bmpBytes(kSixColours)), 1, 0);
  EXPECT_EQ(block(20, 30, 3, 2),
            (Pixels{0xFF0000, 0x00FF00, 0x0000FF, 0x102030, 0xFFFF00, 0x808080}));
  EXPECT_EQ(ink(), (Ink{20, 30, 22, 31, 6}));
  const TestImage orange{16, 8, Pixels(128, 0xFFF08020)};
  const std::string jpeg = tamri_test::jpegBytes(orange, 100);
  osGXimage(surface_, {0, 0}, 16, 8, loadOk("orange.jpg", jpeg), 1, 0);
  for (const int shift : {16, 8, 0})
    EXPECT_NEAR(int(at(15, 7) >> shift & 0xFF), int(0xF08020 >> shift & 0xFF), 4) << shift;
}

// Every failure: status code, handle 0, nothing kept, and the trace line.
TEST_F(GdiImages, BadFilesAnswerWithTheirStatusCodes) {
  const std::string png = tamri_test::pngBytes(kSixColours);
  const std::string bmp = tamri_test::bmpBytes(kSixColours);
  // A Huffman table that lists more codes than a table can hold.
  std::string overfull = tamri_test::jpegBytes(kSixColours, 80);
  overfull.replace(overfull.find("\xFF\xC4") + 5, 16, 16, '\x20');
  std::string corrupt = png;
  for (size_t i = 45; i < corrupt.size() - 12; ++i) corrupt[i] = static_cast<char>(0xA5);
  const std::filesystem::path big = folder_.write("big.png", png);
  std::filesystem::resize_file(big, OS_GX_IMAGE_MAX_FILE_BYTES + 1);  // sparse: costs nothing
  const auto fileStatus = [&](const std::string& name, const std::string& bytes) {
    int32_t status = -1;
    EXPECT_EQ(load(name, bytes, status), 0u) << name;
    return status;
  };
  // A 4096 x 4096 header is allowed in size, but holds no pixels.
  EXPECT_EQ((Ints{fileStatus("empty.png", ""), fileStatus("header.png", png.substr(0, 12)),
                  fileStatus("corrupt.png", corrupt),
                  fileStatus("short.bmp", bmp.substr(0, bmp.size() - 4)),
                  fileStatus("overfull.jpg", overfull),
                  fileStatus("cut.jpg", tamri_test::jpegBytes(kSixColours, 80).substr(0, 200)),
                  fileStatus("huge.png", tamri_test::pngHeaderBytes(4096, 4096)),
                  fileStatus("huge.png", tamri_test::pngHeaderBytes(4097, 4096)),
                  fileStatus("wide.jpg", tamri_test::jpegBytes({40000, 2, Pixels(80000)}, 80))}),
            (Ints{OS_GX_IMAGE_UNSUPPORTED, OS_GX_IMAGE_DAMAGED, OS_GX_IMAGE_DAMAGED,
                  OS_GX_IMAGE_DAMAGED, OS_GX_IMAGE_DAMAGED, OS_GX_IMAGE_DAMAGED,
                  OS_GX_IMAGE_DAMAGED, OS_GX_IMAGE_TOO_LARGE, OS_GX_IMAGE_TOO_LARGE}));
  EXPECT_EQ(host::traceLines().back(),
            "osGXloadImage(\"" + (folder_.path() / "wide.jpg").string() + "\") -> 0 {5}");
  // Paths that name no readable file, or no file at all.
  const auto pathStatus = [](const std::u16string& path, bool null = false) {
    int32_t status = -1;
    EXPECT_EQ(osGXloadImage(null ? nullptr : path.c_str(), &status), 0u);
    return status;
  };
  const char16_t loneSurrogate[] = {u'a', 0xD800, u'b', 0};
  const std::u16string missing = wide(folder_.path() / "missing.png");
  EXPECT_EQ((Ints{pathStatus(missing), pathStatus(u""), pathStatus(wide(folder_.path())),
                  pathStatus(loneSurrogate), pathStatus(wide(big)), pathStatus(u"", true)}),
            (Ints{OS_GX_IMAGE_FILE_MISSING, OS_GX_IMAGE_FILE_MISSING, OS_GX_IMAGE_FILE_UNREADABLE,
                  OS_GX_IMAGE_BAD_PATH, OS_GX_IMAGE_TOO_LARGE, OS_GX_IMAGE_FILE_MISSING}));
  EXPECT_EQ(osGXloadImage(missing.c_str(), nullptr), 0u);
  EXPECT_EQ(host::traceLines().back(),
            "osGXloadImage(\"" + (folder_.path() / "missing.png").string() + "\") -> 0");
  EXPECT_EQ(gdihost::imageCount(), 0);
}

TEST_F(GdiImages, ImagesBeyondThePixelLimitAreRefusedBeforeTheyAreMade) {
  const POINTRECT sixPixels{0, 0, 2, 1};
  Ints statuses;
  for (const int64_t limit : {5, 6}) {
    gdihost::setImagePixelLimit(limit);
    int32_t status = -1;
    load("six.png", tamri_test::pngBytes(kSixColours), status);
    statuses.push_back(status);
    osGXcreateImage(surface_, &sixPixels, &status);
    statuses.push_back(status);
  }
  EXPECT_EQ(statuses,
            (Ints{OS_GX_IMAGE_TOO_LARGE, OS_GX_IMAGE_TOO_LARGE, OS_GX_IMAGE_OK, OS_GX_IMAGE_OK}));
  EXPECT_EQ(gdihost::imageCount(), 2);
}

// Scaling and cropping are pinned by the example scenes' logo; here an image
// centred in a box smaller than itself, and unknown options.
TEST_F(GdiImages, OptionTwoCentresAndUnknownOptionsScale) {
  const TestImage row{5, 1, {0xFF000001, 0xFF000002, 0xFF000003, 0xFF000004, 0xFF000005}};
  const stImageHandle handle = loadOk("row.png", tamri_test::pngBytes(row));
  osGXimage(surface_, {10, 10}, 2, 1, handle, 2, 0);  // its middle
  osGXimage(surface_, {0, 20}, 10, 1, handle, 77, 0);
  EXPECT_EQ(block(9, 10, 4, 1), (Pixels{kWhite, 2, 3, kWhite}));
  EXPECT_EQ(block(0, 20, 10, 1), (Pixels{1, 1, 2, 2, 3, 3, 4, 4, 5, 5}));
}

// Freed and unknown handles, empty boxes and missing surfaces draw nothing;
// a freed number is never given out again until the layer is reset.
TEST_F(GdiImages, EmptyBoxesFreedHandlesClipAreasAndMissingSurfacesLimitTheDrawing) {
  const stImageHandle first = loadOk("a.png", tamri_test::pngBytes(kSixColours));
  osGXunloadImage(first);
  osGXunloadImage(first);
  osGXunloadImage(77);
  const stImageHandle handle = loadOk("six.png", tamri_test::pngBytes(kSixColours));
  EXPECT_EQ(handle, first + 1);
  for (const stImageHandle unknown : {first, 0u, 99u})
    osGXimage(surface_, {0, 0}, 3, 2, unknown, 1, 0);
  osGXimage(surface_, {0, 0}, 0, 2, handle, 1, 0);
  osGXimage(surface_, {0, 0}, 3, -2, handle, 1, 0);
  osGXimage(99, {0, 0}, 3, 2, handle, 1, 0);
  EXPECT_EQ(ink(), Ink{});
  EXPECT_EQ(gdihost::imageCount(), 1);
  osGXsetClipArea(11, 0, 11, 39, surface_);
  osGXimage(surface_, {10, 0}, 3, 2, handle, 1, 0);
  EXPECT_EQ(block(10, 0, 3, 2), (Pixels{kWhite, 0x00FF00, kWhite, kWhite, 0xFFFF00, kWhite}));
  EXPECT_EQ(ink(), (Ink{11, 0, 11, 1, 2}));
  gdihost::reset();
  EXPECT_EQ(gdihost::imageCount(), 0);
  EXPECT_EQ(loadOk("c.png", tamri_test::pngBytes(kSixColours)), 1u);
}

// A copy of a region drawn again is pinned by the example scenes; here the
// whole surface, copied when no region is given.
TEST_F(GdiImages, ACopyOfTheWholeSurfaceReproducesItsPixels) {
  for (int32_t i = 0; i < 8; ++i)
    osGXfillRectangle(i * 3, i * 2, i * 3 + 4, i * 2 + 6, 1, 0x102030 * (i + 1), 1, 0, 0, 0, 0);
  const stImageHandle whole = osGXcreateImage(surface_, nullptr, nullptr);
  const Pixels all = pixels();
  surface_ = gdihost::createSurface(40, 40, 0);
  osGXimage(surface_, {0, 0}, 40, 40, whole, 1, 0);
  EXPECT_TRUE(pixels() == all);
}

TEST_F(GdiImages, RegionsOffTheSurfaceEmptyOrTooWideAreRefused) {
  const int32_t strip = gdihost::createSurface(OS_GX_IMAGE_MAX_SIDE + 1, 1, kWhite);
  const struct {
    int32_t surface;
    POINTRECT region;
    int32_t status;
  } cases[] = {
      {1, {-1, 0, 5, 5}, OS_GX_IMAGE_REGION_OUTSIDE},
      {1, {0, -1, 5, 5}, OS_GX_IMAGE_REGION_OUTSIDE},
      {1, {30, 30, 40, 35}, OS_GX_IMAGE_REGION_OUTSIDE},
      {1, {30, 30, 35, 40}, OS_GX_IMAGE_REGION_OUTSIDE},
      {1, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, OS_GX_IMAGE_REGION_OUTSIDE},
      {1, {5, 5, 4, 10}, OS_GX_IMAGE_REGION_EMPTY},
      {1, {5, 5, 10, 4}, OS_GX_IMAGE_REGION_EMPTY},
      {42, {0, 0, 1, 1}, OS_GX_IMAGE_NO_SURFACE},
      {strip, {0, 0, OS_GX_IMAGE_MAX_SIDE, 0}, OS_GX_IMAGE_TOO_LARGE},  // no side beyond 4096
  };
  for (const auto& c : cases) {
    int32_t status = -1;
    EXPECT_EQ(osGXcreateImage(c.surface, &c.region, &status), 0u);
    EXPECT_EQ(status, c.status) << c.region.left << ", " << c.region.top;
  }
  const POINTRECT widest{1, 0, OS_GX_IMAGE_MAX_SIDE, 0}, corner{39, 39, 39, 39};
  EXPECT_NE(osGXcreateImage(strip, &widest, nullptr), 0u);
  EXPECT_EQ(gdihost::imageCount(), 1);
  // The table holds 1024 images; a freed number is not given again.
  host::setTraceRecording(false);
  int32_t status = -1;
  for (int32_t i = 2; i <= 1024; ++i)
    ASSERT_EQ(osGXcreateImage(surface_, &corner, &status), stImageHandle(i));
  EXPECT_EQ(osGXcreateImage(surface_, &corner, &status), 0u);
  EXPECT_EQ(status, OS_GX_IMAGE_NO_ROOM);
  osGXunloadImage(7);
  EXPECT_EQ(osGXcreateImage(surface_, &corner, &status), 1025u);
  host::setTraceRecording(true);
}

}  // namespace
