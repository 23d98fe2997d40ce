// The drawing layer's images: files loaded or refused with their status
// codes, the handle table, copies of surface regions, and the pixels drawn
// for each placement option.
#include "gdi_host.h"
#include "host_trace.h"
#include "image_files.h"
#include "osgx.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using tamri_test::TempFolder;
using tamri_test::TestImage;

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr int32_t kSize = 40;

// Six pixels no two alike, so that any mix-up of rows, columns or channels
// shows.
const TestImage kSixColours{
    3, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF102030, 0xFFFFFF00, 0xFF808080}};

std::u16string wide(const std::filesystem::path& path) { return path.u16string(); }

class GdiImages : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!gdihost::rasterAvailable()) GTEST_SKIP() << "built without the raster backend";
    gdihost::reset();
    host::traceClear();
    surface_ = gdihost::createSurface(kSize, kSize, kWhite);
    gdihost::selectTarget(surface_);
  }
  void TearDown() override { gdihost::reset(); }

  // Loads a file written with these bytes; its status through `status`.
  stImageHandle load(const std::string& name, const std::string& bytes, int32_t& status) {
    const std::u16string path = wide(folder_.write(name, bytes));
    return osGXloadImage(path.c_str(), &status);
  }
  stImageHandle loadOk(const std::string& name, const std::string& bytes) {
    int32_t status = -1;
    const stImageHandle handle = load(name, bytes, status);
    EXPECT_EQ(status, OS_GX_IMAGE_OK) << name;
    return handle;
  }
  uint32_t at(int32_t x, int32_t y) const { return gdihost::pixel(surface_, x, y); }
  // The pixels of a rectangle, row by row.
  std::vector<uint32_t> block(int32_t x, int32_t y, int32_t w, int32_t h) const {
    std::vector<uint32_t> out;
    for (int32_t row = y; row < y + h; ++row)
      for (int32_t column = x; column < x + w; ++column) out.push_back(at(column, row));
    return out;
  }
  int paintedCount() const {
    int count = 0;
    for (int32_t y = 0; y < kSize; ++y)
      for (int32_t x = 0; x < kSize; ++x) count += at(x, y) != kWhite;
    return count;
  }

  TempFolder folder_;
  int32_t surface_ = 0;
};

std::vector<uint32_t> rgbOf(const TestImage& image) {
  std::vector<uint32_t> out;
  for (const uint32_t p : image.pixels) out.push_back(p & 0xFFFFFF);
  return out;
}

TEST_F(GdiImages, PngAndBmpFilesDrawTheirExactPixels) {
  const stImageHandle png = loadOk("six.png", tamri_test::pngBytes(kSixColours));
  const stImageHandle bmp = loadOk("six.bmp", tamri_test::bmpBytes(kSixColours));
  osGXimage(surface_, {4, 5}, 3, 2, png, 1, 0);
  osGXimage(surface_, {20, 30}, 3, 2, bmp, 1, 0);
  EXPECT_EQ(block(4, 5, 3, 2), rgbOf(kSixColours));
  EXPECT_EQ(block(20, 30, 3, 2), rgbOf(kSixColours));
  EXPECT_EQ(paintedCount(), 12);
}

TEST_F(GdiImages, JpegFilesLoadCloseToTheirColours) {
  TestImage orange{16, 8, std::vector<uint32_t>(128, 0xFFF08020)};
  const stImageHandle jpeg = loadOk("orange.jpg", tamri_test::jpegBytes(orange, 100));
  osGXimage(surface_, {0, 0}, 16, 8, jpeg, 1, 0);
  const uint32_t p = at(15, 7);
  EXPECT_NEAR(static_cast<int>(p >> 16), 0xF0, 4);
  EXPECT_NEAR(static_cast<int>((p >> 8) & 0xFF), 0x80, 4);
  EXPECT_NEAR(static_cast<int>(p & 0xFF), 0x20, 4);
  EXPECT_EQ(at(16, 7), kWhite);
  EXPECT_EQ(at(15, 8), kWhite);
}

TEST_F(GdiImages, CmykJpegFilesBecomeRgb) {
  // Red, green, blue and a grey made of black ink only, 8 pixels each.
  std::vector<uint8_t> cmyk;
  for (const auto& ink : std::vector<std::vector<uint8_t>>{
           {0, 255, 255, 0}, {255, 0, 255, 0}, {255, 255, 0, 0}, {0, 0, 0, 128}}) {
    for (int i = 0; i < 8 * 8; ++i) cmyk.insert(cmyk.end(), ink.begin(), ink.end());
  }
  // Four blocks of 8 x 8, one above the other: 8 wide, 32 high.
  const stImageHandle handle = loadOk("cmyk.jpg", tamri_test::cmykJpegBytes(8, 32, cmyk));
  osGXimage(surface_, {0, 0}, 8, 32, handle, 1, 0);
  const uint32_t expected[] = {0xFF0000, 0x00FF00, 0x0000FF, 0x7F7F7F};
  for (int block = 0; block < 4; ++block) {
    const uint32_t p = at(4, block * 8 + 4);
    for (int shift : {16, 8, 0}) {
      EXPECT_NEAR(static_cast<int>((p >> shift) & 0xFF),
                  static_cast<int>((expected[block] >> shift) & 0xFF), 6)
          << block;
    }
  }
}

TEST_F(GdiImages, TransparentPixelsBlendOverTheSurface) {
  const TestImage alpha{3, 1, {0x00FF0000, 0x80FF0000, 0xFF0000FF}};
  const stImageHandle handle = loadOk("alpha.png", tamri_test::pngBytes(alpha));
  osGXimage(surface_, {0, 0}, 3, 1, handle, 1, 0);
  EXPECT_EQ(at(0, 0), kWhite);
  const uint32_t half = at(1, 0);
  EXPECT_EQ(half >> 16, 0xFFu);
  EXPECT_NEAR(static_cast<int>(half & 0xFF), 0x7F, 1);
  EXPECT_EQ(at(2, 0), 0x0000FFu);
}

// Every failure: status code, handle 0, nothing kept, and the trace line.
TEST_F(GdiImages, BadFilesAnswerWithTheirStatusCodes) {
  const std::string png = tamri_test::pngBytes(kSixColours);
  const std::string bmp = tamri_test::bmpBytes(kSixColours);
  // A Huffman table that lists more codes than a table can hold.
  std::string overfull = tamri_test::jpegBytes(kSixColours, 80);
  const size_t table = overfull.find("\xFF\xC4");
  overfull.replace(table + 5, 16, 16, '\x20');
  std::string corrupt = png;
  for (size_t i = 45; i < corrupt.size() - 12; ++i) corrupt[i] = static_cast<char>(0xA5);
  const struct {
    const char* name;
    std::string bytes;
    int32_t status;
  } cases[] = {
      {"empty.png", "", OS_GX_IMAGE_UNSUPPORTED},
      {"text.png", "just some text", OS_GX_IMAGE_UNSUPPORTED},
      {"truncated.png", png.substr(0, png.size() / 2), OS_GX_IMAGE_DAMAGED},
      {"header.png", png.substr(0, 12), OS_GX_IMAGE_DAMAGED},
      {"corrupt.png", corrupt, OS_GX_IMAGE_DAMAGED},
      {"truncated.bmp", tamri_test::bmpBytes(kSixColours).substr(0, 30), OS_GX_IMAGE_DAMAGED},
      {"short.bmp", bmp.substr(0, bmp.size() - 4), OS_GX_IMAGE_DAMAGED},
      {"overfull.jpg", overfull, OS_GX_IMAGE_DAMAGED},
      {"truncated.jpg", tamri_test::jpegBytes(kSixColours, 80).substr(0, 200), OS_GX_IMAGE_DAMAGED},
      {"huge.png", tamri_test::pngHeaderBytes(4097, 4096), OS_GX_IMAGE_TOO_LARGE},
      {"tall.bmp", tamri_test::bmpBytes({2, 4097, std::vector<uint32_t>(2 * 4097)}),
       OS_GX_IMAGE_TOO_LARGE},
      {"wide.jpg", tamri_test::jpegBytes({40000, 2, std::vector<uint32_t>(80000)}, 80),
       OS_GX_IMAGE_TOO_LARGE},
      {"wide.png", tamri_test::pngHeaderBytes(1 << 24, 2), OS_GX_IMAGE_TOO_LARGE},
  };
  for (const auto& c : cases) {
    int32_t status = -1;
    EXPECT_EQ(load(c.name, c.bytes, status), 0u) << c.name;
    EXPECT_EQ(status, c.status) << c.name;
  }
  EXPECT_EQ(gdihost::imageCount(), 0);
  EXPECT_EQ(host::traceLines().back(),
            "osGXloadImage(\"" + (folder_.path() / "wide.png").string() + "\") -> 0 {5}");
}

TEST_F(GdiImages, PathsThatNameNoReadableFileAnswerWithTheirStatusCodes) {
  const std::u16string missing = wide(folder_.path() / "missing.png");
  const std::u16string folder = wide(folder_.path());
  const char16_t loneSurrogate[] = {u'a', 0xD800, u'b', 0};
  const char16_t empty[] = {0};
  int32_t status = -1;
  EXPECT_EQ(osGXloadImage(missing.c_str(), &status), 0u);
  EXPECT_EQ(status, OS_GX_IMAGE_FILE_MISSING);
  EXPECT_EQ(osGXloadImage(empty, &status), 0u);
  EXPECT_EQ(status, OS_GX_IMAGE_FILE_MISSING);
  EXPECT_EQ(osGXloadImage(nullptr, &status), 0u);
  EXPECT_EQ(status, OS_GX_IMAGE_FILE_MISSING);
  EXPECT_EQ(osGXloadImage(folder.c_str(), &status), 0u);
  EXPECT_EQ(status, OS_GX_IMAGE_FILE_UNREADABLE);
  EXPECT_EQ(osGXloadImage(u"/dev/zero", &status), 0u);
  EXPECT_EQ(status, OS_GX_IMAGE_FILE_UNREADABLE);
  EXPECT_EQ(osGXloadImage(loneSurrogate, &status), 0u);
  EXPECT_EQ(status, OS_GX_IMAGE_BAD_PATH);
  EXPECT_EQ(osGXloadImage(missing.c_str(), nullptr), 0u);
  EXPECT_EQ(host::traceLines().back(),
            "osGXloadImage(\"" + (folder_.path() / "missing.png").string() + "\") -> 0");
}

TEST_F(GdiImages, FilesAboveTheSizeLimitAreNotRead) {
  const std::filesystem::path big = folder_.write("big.png", tamri_test::pngBytes(kSixColours));
  std::filesystem::resize_file(big, OS_GX_IMAGE_MAX_FILE_BYTES + 1);  // sparse: costs nothing
  int32_t status = -1;
  EXPECT_EQ(osGXloadImage(wide(big).c_str(), &status), 0u);
  EXPECT_EQ(status, OS_GX_IMAGE_TOO_LARGE);
}

TEST_F(GdiImages, ImagesBeyondTheSideOrPixelLimitsAreRefusedBeforeTheyAreMade) {
  const std::string six = tamri_test::pngBytes(kSixColours);
  const POINTRECT sixPixels{0, 0, 2, 1};
  int32_t status = -1;
  gdihost::setImagePixelLimit(5);
  EXPECT_EQ(load("six.png", six, status), 0u);
  EXPECT_EQ(status, OS_GX_IMAGE_TOO_LARGE);
  EXPECT_EQ(osGXcreateImage(surface_, &sixPixels, &status), 0u);
  EXPECT_EQ(status, OS_GX_IMAGE_TOO_LARGE);
  gdihost::setImagePixelLimit(6);
  EXPECT_NE(load("six.png", six, status), 0u);
  EXPECT_NE(osGXcreateImage(surface_, &sixPixels, &status), 0u);
  gdihost::reset();  // back to the full limit
  EXPECT_EQ(load("huge.png", tamri_test::pngHeaderBytes(4096, 4096), status), 0u);
  EXPECT_EQ(status, OS_GX_IMAGE_DAMAGED);  // allowed in size, but holds no pixels
  // No side of a copy is longer than 4096 pixels either.
  const int32_t strip = gdihost::createSurface(OS_GX_IMAGE_MAX_SIDE + 1, 1, kWhite);
  EXPECT_EQ(osGXcreateImage(strip, nullptr, &status), 0u);
  EXPECT_EQ(status, OS_GX_IMAGE_TOO_LARGE);
  const POINTRECT widest{1, 0, OS_GX_IMAGE_MAX_SIDE, 0};
  EXPECT_NE(osGXcreateImage(strip, &widest, &status), 0u);
}

TEST_F(GdiImages, FreedAndUnknownHandlesDrawNothingAndAreNeverGivenOutAgain) {
  const stImageHandle first = loadOk("a.png", tamri_test::pngBytes(kSixColours));
  osGXunloadImage(first);
  osGXunloadImage(first);
  osGXunloadImage(77);
  const stImageHandle second = loadOk("b.png", tamri_test::pngBytes(kSixColours));
  EXPECT_EQ(second, first + 1);
  osGXimage(surface_, {0, 0}, 3, 2, first, 1, 0);
  osGXimage(surface_, {0, 0}, 3, 2, 0, 1, 0);
  osGXimage(surface_, {0, 0}, 3, 2, 99, 1, 0);
  EXPECT_EQ(paintedCount(), 0);
  EXPECT_EQ(gdihost::imageCount(), 1);
  gdihost::reset();
  EXPECT_EQ(gdihost::imageCount(), 0);
  EXPECT_EQ(loadOk("c.png", tamri_test::pngBytes(kSixColours)), 1u);
}

TEST_F(GdiImages, OptionZeroScalesOneCropsTwoCentres) {
  const TestImage four{2, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF000000}};
  const stImageHandle handle = loadOk("four.png", tamri_test::pngBytes(four));
  osGXimage(surface_, {0, 0}, 4, 6, handle, 0, 0);    // each pixel 2 wide, 3 high
  osGXimage(surface_, {10, 0}, 1, 1, handle, 1, 0);   // the top-left pixel only
  osGXimage(surface_, {20, 0}, 5, 5, handle, 1, 0);   // the image, the rest left alone
  osGXimage(surface_, {30, 0}, 6, 4, handle, 2, 0);   // at (2, 1) inside the box
  osGXimage(surface_, {0, 20}, 4, 2, handle, 77, 0);  // unknown options scale
  const uint32_t r = 0xFF0000, g = 0x00FF00, b = 0x0000FF, k = 0x000000, w = kWhite;
  EXPECT_EQ(block(0, 0, 4, 6), (std::vector<uint32_t>{r, r, g, g, r, r, g, g, r, r, g, g,  //
                                                      b, b, k, k, b, b, k, k, b, b, k, k}));
  EXPECT_EQ(block(10, 0, 2, 2), (std::vector<uint32_t>{r, w, w, w}));
  EXPECT_EQ(block(20, 0, 3, 3), (std::vector<uint32_t>{r, g, w, b, k, w, w, w, w}));
  EXPECT_EQ(block(30, 0, 6, 4), (std::vector<uint32_t>{w, w, w, w, w, w, w, w, r, g, w, w,  //
                                                       w, w, b, k, w, w, w, w, w, w, w, w}));
  EXPECT_EQ(block(0, 20, 4, 2), (std::vector<uint32_t>{r, r, g, g, b, b, k, k}));
}

TEST_F(GdiImages, ACentredImageLargerThanItsBoxShowsItsMiddle) {
  const TestImage row{5, 1, {0xFF000001, 0xFF000002, 0xFF000003, 0xFF000004, 0xFF000005}};
  const stImageHandle handle = loadOk("row.png", tamri_test::pngBytes(row));
  osGXimage(surface_, {10, 10}, 2, 1, handle, 2, 0);
  EXPECT_EQ(block(9, 10, 4, 1), (std::vector<uint32_t>{kWhite, 2, 3, kWhite}));
}

TEST_F(GdiImages, EmptyBoxesClipAreasAndMissingSurfacesLimitTheDrawing) {
  const stImageHandle handle = loadOk("six.png", tamri_test::pngBytes(kSixColours));
  osGXimage(surface_, {0, 0}, 0, 2, handle, 1, 0);
  osGXimage(surface_, {0, 0}, 3, -2, handle, 1, 0);
  osGXimage(99, {0, 0}, 3, 2, handle, 1, 0);
  EXPECT_EQ(paintedCount(), 0);
  osGXsetClipArea(11, 0, 11, 39, surface_);
  osGXimage(surface_, {10, 0}, 3, 2, handle, 1, 0);
  EXPECT_EQ(block(10, 0, 3, 2), (std::vector<uint32_t>{kWhite, 0x00FF00, kWhite,  //
                                                       kWhite, 0xFFFF00, kWhite}));
  EXPECT_EQ(host::traceLines().back(), "osGXimage(1, {10, 0}, 3, 2, 1, 1, 0)");
}

TEST_F(GdiImages, ACopiedRegionDrawnElsewhereReproducesItsPixels) {
  for (int32_t i = 0; i < 8; ++i)
    osGXfillRectangle(i * 3, i * 2, i * 3 + 4, i * 2 + 6, 1, 0x102030 * (i + 1), 1, 0, 0, 0, 0);
  const POINTRECT region{5, 5, 14, 24};  // 10 x 20
  int32_t status = -1;
  const stImageHandle copy = osGXcreateImage(surface_, &region, &status);
  EXPECT_EQ(status, OS_GX_IMAGE_OK);
  const std::vector<uint32_t> original = block(5, 5, 10, 20);
  osGXimage(surface_, {27, 12}, 10, 20, copy, 0, 0);
  EXPECT_EQ(block(27, 12, 10, 20), original);
  EXPECT_EQ(at(26, 12), kWhite);
  EXPECT_EQ(at(37, 12), kWhite);

  const stImageHandle whole = osGXcreateImage(surface_, nullptr, &status);
  EXPECT_EQ(status, OS_GX_IMAGE_OK);
  const int32_t other = gdihost::createSurface(kSize, kSize, 0);
  osGXimage(other, {0, 0}, kSize, kSize, whole, 1, 0);
  for (int32_t y = 0; y < kSize; ++y)
    for (int32_t x = 0; x < kSize; ++x)
      ASSERT_EQ(gdihost::pixel(other, x, y), at(x, y)) << x << ", " << y;
}

TEST_F(GdiImages, RegionsOffTheSurfaceOrEmptyAreRefused) {
  const struct {
    POINTRECT region;
    int32_t status;
  } cases[] = {
      {{-1, 0, 5, 5}, OS_GX_IMAGE_REGION_OUTSIDE},
      {{0, -1, 5, 5}, OS_GX_IMAGE_REGION_OUTSIDE},
      {{30, 30, 40, 35}, OS_GX_IMAGE_REGION_OUTSIDE},
      {{30, 30, 35, 40}, OS_GX_IMAGE_REGION_OUTSIDE},
      {{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, OS_GX_IMAGE_REGION_OUTSIDE},
      {{5, 5, 4, 10}, OS_GX_IMAGE_REGION_EMPTY},
      {{5, 5, 10, 4}, OS_GX_IMAGE_REGION_EMPTY},
  };
  for (const auto& c : cases) {
    int32_t status = -1;
    EXPECT_EQ(osGXcreateImage(surface_, &c.region, &status), 0u);
    EXPECT_EQ(status, c.status) << c.region.left << ", " << c.region.top;
  }
  int32_t status = -1;
  EXPECT_EQ(osGXcreateImage(42, nullptr, &status), 0u);
  EXPECT_EQ(status, OS_GX_IMAGE_NO_SURFACE);
  const POINTRECT corner{39, 39, 39, 39};
  EXPECT_NE(osGXcreateImage(surface_, &corner, nullptr), 0u);
  EXPECT_EQ(gdihost::imageCount(), 1);
}

TEST_F(GdiImages, TheTableRefusesImagesBeyondItsLimit) {
  host::setTraceRecording(false);
  const POINTRECT pixel{0, 0, 0, 0};
  int32_t status = -1;
  stImageHandle last = 0;
  for (int32_t i = 0; i < 1024; ++i) last = osGXcreateImage(surface_, &pixel, &status);
  EXPECT_EQ(last, 1024u);
  EXPECT_EQ(osGXcreateImage(surface_, &pixel, &status), 0u);
  EXPECT_EQ(status, OS_GX_IMAGE_NO_ROOM);
  osGXunloadImage(7);
  EXPECT_EQ(osGXcreateImage(surface_, &pixel, &status), 1025u);
  host::setTraceRecording(true);
}

}  // namespace
