// The image natives of CgpGraphicFile, CgpScreenCapture and the canvas,
// driven through the VM frame: the exact drawing-layer calls, results and
// status arrays.
#include "image_files.h"
#include "platform/gdi/osgx.h"
#include "vm_test_support.h"

#include <string>

namespace {

using tamri_test::callOn;
using tamri_test::makeIntArray;
using tamri_test::traceWith;
using Lines = std::vector<std::string>;

constexpr const char* kGraphicFile = "gpclasses/graphics/CgpGraphicFile";
constexpr const char* kLoad = "loadImage(Ljava/lang/String;[I)I";

// A class native: no `this`, its references from the first slot on.
uint32_t callClass(const char* classPath, const char* nameSig, std::vector<int32_t> args,
                   std::vector<jword> references = {}) {
  const vmhost::CallResult result =
      vmhost::callNative(*vmhost::findNative(classPath, nameSig), 0, references,
                         std::vector<uint32_t>(args.begin(), args.end()));
  EXPECT_TRUE(result.balanced) << nameSig;
  return result.value;
}

class ImagesTest : public tamri_test::VmTest {
 protected:
  void SetUp() override {
    VmTest::SetUp();
    surface_ = gdihost::createSurface(120, 80, 0xFFFFFF);
    gdihost::selectTarget(surface_);
  }

  uint32_t fileCreate(std::vector<int32_t> args, jword status) {
    return callClass(kGraphicFile, "createImage(IIIII[I)I", args, {status});
  }
  uint32_t load(const std::u16string& path, jword status) {
    return callClass(kGraphicFile, kLoad, {}, {vmhost::newString(path), status});
  }
  static jword graphicFile(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int64_t handle,
                           int64_t option = 0) {
    using F = std::pair<const char*, int64_t>;
    return tamri_test::makeObject(
        kGraphicFile, {F("x1", x1), F("y1", y1), F("x2", x2), F("y2", y2), F("imageHandle", handle),
                       F("imageOption", option)});
  }

  int32_t surface_ = 0;
};

// The region is inclusive (the capture's own is pinned by the images scene),
// or none for a zero width or height; the layer's out-value is reported.
TEST_F(ImagesTest, CreateImagePassesTheInclusiveRegionOrTheWholeSurface) {
  const jword status = makeIntArray({-1, 77});
  EXPECT_EQ(fileCreate({surface_, 5, 5, 10, 20}, status), 1u);
  EXPECT_EQ(vmhost::intArray(status), (std::vector<int32_t>{OS_GX_IMAGE_OK, 77}));
  fileCreate({surface_, 5, 6, 0, 20}, status);
  fileCreate({surface_, 5, 6, 10, 0}, status);
  EXPECT_EQ(traceWith("osGX"),
            (Lines{"osGXcreateImage(1, {5, 5, 14, 24}) -> 1 {0}",
                   "osGXcreateImage(1, null) -> 2 {0}", "osGXcreateImage(1, null) -> 3 {0}"}));
  // A negative width is a region all the same, one the layer refuses.
  EXPECT_EQ(fileCreate({surface_, 5, 5, -3, 4}, status), 0u);
  EXPECT_EQ(vmhost::intArray(status)[0], OS_GX_IMAGE_REGION_EMPTY);
  // Without a status element no image is made.
  host::traceClear();
  EXPECT_EQ(fileCreate({surface_, 0, 0, 4, 4}, 0), 0u);
  EXPECT_EQ(fileCreate({surface_, 0, 0, 4, 4}, makeIntArray({})), 0u);
  EXPECT_TRUE(traceWith("osGX").empty());
}

// Sizes are cut to 16 bits; the option is passed on (the plain case and the
// canvas's translation: the images scene). A null file draws nothing.
TEST_F(ImagesTest, AGraphicFileDrawsAsWideAndHighAsItsRectangleSpans) {
  callOn(graphicFile(-5, 3, 69995, 2, 9, 2), "draw(I)V", {7});
  callOn(graphicFile(40, 30, 30, 35, 9, -1), "draw(I)V", {7});
  callOn(tamri_test::makeObject("gpclasses/graphics/CgpCanvas", {{"surface", 4}}),
         "drawImage(Lgpclasses/graphics/CgpGraphicFile;II)V", {5, 7}, {0});
  EXPECT_EQ(traceWith("osGX"), (Lines{"osGXimage(7, {-5, 3}, 4464, -1, 9, 2, 0)",
                                      "osGXimage(7, {40, 30}, -10, 5, 9, -1, 0)"}));
}

TEST_F(ImagesTest, PathsPassWholeOrNotAtAllAndUnloadingFreesTheImage) {
  const tamri_test::TempFolder folder;
  const std::string dot = tamri_test::pngBytes({1, 1, {0xFF00FF00}});
  // A file whose path is exactly 260 characters.
  const size_t room = 260 - folder.path().string().size() - 1;
  const std::u16string path = folder.write(std::string(room - 4, 'n') + ".png", dot).u16string();
  ASSERT_EQ(path.size(), 260u);
  const jword status = makeIntArray({-1});
  EXPECT_EQ(load(path, status), 1u);
  EXPECT_EQ(vmhost::intArray(status)[0], OS_GX_IMAGE_OK);
  host::traceClear();
  // One character more would be cut to the file above: it is refused instead.
  EXPECT_EQ(load(path + u"x", status), 0u);
  EXPECT_EQ(vmhost::intArray(status)[0], OS_GX_IMAGE_BAD_PATH);
  // A zero character would end the path early, at a file that exists.
  const std::u16string dotPath = folder.write("dot.png", dot).u16string();
  EXPECT_EQ(load(dotPath + u'\0' + u".backup", status), 0u);
  EXPECT_EQ(vmhost::intArray(status)[0], OS_GX_IMAGE_BAD_PATH);
  EXPECT_TRUE(traceWith("osGX").empty());
  // A null path is the empty path: no file.
  EXPECT_EQ(callClass(kGraphicFile, kLoad, {}, {0, status}), 0u);
  EXPECT_EQ(vmhost::intArray(status)[0], OS_GX_IMAGE_FILE_MISSING);
  // Without a status array nothing is loaded.
  EXPECT_EQ(load(path, 0), 0u);
  EXPECT_EQ(gdihost::imageCount(), 1);
  callClass(kGraphicFile, "unloadImage(I)V", {1});
  callClass(kGraphicFile, "unloadImage(I)V", {1});
  EXPECT_EQ(gdihost::imageCount(), 0);
  EXPECT_EQ(traceWith("osGX"),
            (Lines{"osGXloadImage(\"\") -> 0 {1}", "osGXunloadImage(1)", "osGXunloadImage(1)"}));
}

}  // namespace
