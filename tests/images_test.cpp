// The image natives of CgpGraphicFile, CgpScreenCapture and the canvas,
// driven through the VM frame: the exact drawing-layer calls, results and
// status arrays, and the pixels that reach the surface.
#include "canvas/canvas_transform.h"
#include "image_files.h"
#include "platform/gdi/osgx.h"
#include "vm_test_support.h"

#include <string>

namespace {

using tamri_test::callOn;
using tamri_test::makeIntArray;
using tamri_test::makeObject;
using tamri_test::traceWith;

constexpr const char* kGraphicFile = "gpclasses/graphics/CgpGraphicFile";
constexpr const char* kScreenCapture = "gpclasses/graphics/CgpScreenCapture";
constexpr const char* kCanvas = "gpclasses/graphics/CgpCanvas";
constexpr uint32_t kWhite = 0xFFFFFF;

// A class native: no `this`, its references from the first slot on.
vmhost::CallResult callClass(const char* classPath, const char* nameSig,
                             std::vector<uint32_t> scalars, std::vector<jword> references = {}) {
  const vmhost::NativeRecord* native = vmhost::findNative(classPath, nameSig);
  if (!native) {
    ADD_FAILURE() << "no native " << nameSig;
    return {};
  }
  const vmhost::CallResult result = vmhost::callNative(*native, 0, references, scalars);
  EXPECT_TRUE(result.balanced) << nameSig;
  return result;
}

uint32_t u(int32_t value) { return static_cast<uint32_t>(value); }

class ImagesTest : public tamri_test::VmTest {
 protected:
  void SetUp() override {
    VmTest::SetUp();
    surface_ = gdihost::createSurface(120, 80, kWhite);
    gdihost::selectTarget(surface_);
  }
  void TearDown() override { tamri::canvasTransform() = {}; }

  vmhost::CallResult fileCreate(std::vector<int32_t> args, jword status) {
    std::vector<uint32_t> scalars;
    for (const int32_t a : args) scalars.push_back(u(a));
    return callClass(kGraphicFile, "createImage(IIIII[I)I", scalars, {status});
  }
  vmhost::CallResult captureCreate(std::vector<int32_t> args) {
    std::vector<uint32_t> scalars;
    for (const int32_t a : args) scalars.push_back(u(a));
    return callClass(kScreenCapture, "createImage(IIIII)I", scalars);
  }
  vmhost::CallResult load(const std::u16string& path, jword status) {
    return callClass(kGraphicFile, "loadImage(Ljava/lang/String;[I)I", {},
                     {vmhost::newString(path), status});
  }
  jword graphicFile(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int64_t handle,
                    int64_t option = 0) {
    return makeObject(kGraphicFile, {{"x1", x1},
                                     {"y1", y1},
                                     {"x2", x2},
                                     {"y2", y2},
                                     {"imageHandle", handle},
                                     {"imageOption", option}});
  }
  uint32_t at(int32_t x, int32_t y) const { return gdihost::pixel(surface_, x, y); }

  int32_t surface_ = 0;
};

// Both capture natives hand the layer the inclusive region, or none for a
// zero width or height; the graphic file's reports the layer's out-value.
TEST_F(ImagesTest, CaptureNativesPassTheInclusiveRegionOrTheWholeSurface) {
  const jword status = makeIntArray({-1, 77});
  EXPECT_EQ(fileCreate({surface_, 5, 5, 10, 20}, status).value, 1u);
  EXPECT_EQ(vmhost::intArray(status), (std::vector<int32_t>{OS_GX_IMAGE_OK, 77}));
  EXPECT_EQ(captureCreate({surface_, 2, 3, 4, 5}).value, 2u);
  fileCreate({surface_, 5, 6, 0, 20}, status);
  fileCreate({surface_, 5, 6, 10, 0}, status);
  captureCreate({surface_, 5, 6, 0, 0});
  EXPECT_EQ(traceWith("osGX"),
            (std::vector<std::string>{
                "osGXcreateImage(1, {5, 5, 14, 24}) -> 1 {0}",
                "osGXcreateImage(1, {2, 3, 5, 7}) -> 2 {0}", "osGXcreateImage(1, null) -> 3 {0}",
                "osGXcreateImage(1, null) -> 4 {0}", "osGXcreateImage(1, null) -> 5 {0}"}));
  // A negative width is a region all the same, one the layer refuses.
  EXPECT_EQ(fileCreate({surface_, 5, 5, -3, 4}, status).value, 0u);
  EXPECT_EQ(vmhost::intArray(status)[0], OS_GX_IMAGE_REGION_EMPTY);
  EXPECT_EQ(captureCreate({surface_ + 1, 0, 0, 4, 4}).value, 0u);
}

TEST_F(ImagesTest, WithoutAStatusElementNoImageIsMade) {
  EXPECT_EQ(fileCreate({surface_, 0, 0, 4, 4}, 0).value, 0u);
  EXPECT_EQ(fileCreate({surface_, 0, 0, 4, 4}, makeIntArray({})).value, 0u);
  EXPECT_TRUE(traceWith("osGX").empty());
  EXPECT_EQ(gdihost::imageCount(), 0);
}

// Sizes are cut to 16 bits; the option is passed on.
TEST_F(ImagesTest, AGraphicFileDrawsAsWideAndHighAsItsRectangleSpans) {
  callOn(graphicFile(10, 20, 110, 70, 3, 0), "draw(I)V", {7});
  callOn(graphicFile(-5, 3, 69995, 2, 9, 2), "draw(I)V", {7});
  callOn(graphicFile(40, 30, 30, 35, 9, -1), "draw(I)V", {7});
  EXPECT_EQ(traceWith("osGX"),
            (std::vector<std::string>{"osGXimage(7, {10, 20}, 100, 50, 3, 0, 0)",
                                      "osGXimage(7, {-5, 3}, 4464, -1, 9, 2, 0)",
                                      "osGXimage(7, {40, 30}, -10, 5, 9, -1, 0)"}));
}

TEST_F(ImagesTest, TheCanvasDrawsAFilesImageMovedByTheTranslation) {
  const jword canvas = makeObject(kCanvas, {{"surface", 4}});
  const jword file = graphicFile(100, 200, 130, 250, 6, 1);
  callOn(canvas, "setTransform(II)V", {30, u(-40)});
  callOn(canvas, "drawImage(Lgpclasses/graphics/CgpGraphicFile;II)V", {5, 7}, {file});
  callOn(canvas, "drawImage(Lgpclasses/graphics/CgpGraphicFile;II)V", {5, 7}, {0});
  EXPECT_EQ(traceWith("osGX"),
            (std::vector<std::string>{"osGXimage(4, {35, -33}, 30, 50, 6, 1, 0)"}));
}

TEST_F(ImagesTest, LoadedImagesDrawUnloadFreesThemAndTooWideOnesAreRefused) {
  const tamri_test::TempFolder folder;
  const tamri_test::TestImage red{2, 1, {0xFFFF0000, 0xFFFF0000}};
  const std::u16string path = folder.write("red.png", tamri_test::pngBytes(red)).u16string();
  const jword status = makeIntArray({-1});
  const uint32_t handle = load(path, status).value;
  EXPECT_EQ(handle, 1u);
  EXPECT_EQ(vmhost::intArray(status)[0], OS_GX_IMAGE_OK);
  const jword file = graphicFile(3, 4, 5, 5, handle, 1);
  callOn(file, "draw(I)V", {u(surface_)});
  EXPECT_EQ(at(3, 4), 0xFF0000u);
  EXPECT_EQ(at(4, 4), 0xFF0000u);
  EXPECT_EQ(at(5, 4), kWhite);
  callClass(kGraphicFile, "unloadImage(I)V", {handle});
  callClass(kGraphicFile, "unloadImage(I)V", {handle});
  EXPECT_EQ(gdihost::imageCount(), 0);
  EXPECT_EQ(traceWith("osGXunloadImage"),
            (std::vector<std::string>{"osGXunloadImage(1)", "osGXunloadImage(1)"}));
  // An image wider than 4096 pixels is refused, however few its pixels.
  const tamri_test::TestImage strip{40000, 2, std::vector<uint32_t>(80000, 0xFFFF0000)};
  const std::u16string wide = folder.write("strip.png", tamri_test::pngBytes(strip)).u16string();
  EXPECT_EQ(load(wide, status).value, 0u);
  EXPECT_EQ(vmhost::intArray(status)[0], OS_GX_IMAGE_TOO_LARGE);
}

TEST_F(ImagesTest, PathsPassWholeOrNotAtAll) {
  const tamri_test::TempFolder folder;
  const tamri_test::TestImage dot{1, 1, {0xFF00FF00}};
  // A file whose path is exactly 260 characters.
  const size_t room = 260 - folder.path().string().size() - 1;
  const std::string name = std::string(room - 4, 'n') + ".png";
  const std::u16string path = folder.write(name, tamri_test::pngBytes(dot)).u16string();
  ASSERT_EQ(path.size(), 260u);
  const jword status = makeIntArray({-1});
  EXPECT_EQ(load(path, status).value, 1u);
  EXPECT_EQ(vmhost::intArray(status)[0], OS_GX_IMAGE_OK);
  host::traceClear();
  // One character more would be cut to the file above: it is refused instead.
  EXPECT_EQ(load(path + u"x", status).value, 0u);
  EXPECT_EQ(vmhost::intArray(status)[0], OS_GX_IMAGE_BAD_PATH);
  // A zero character would end the path early, at a file that exists.
  const std::u16string dotPath = folder.write("dot.png", tamri_test::pngBytes(dot)).u16string();
  EXPECT_EQ(load(dotPath + u'\0' + u".backup", status).value, 0u);
  EXPECT_EQ(vmhost::intArray(status)[0], OS_GX_IMAGE_BAD_PATH);
  EXPECT_TRUE(traceWith("osGX").empty());
  // A null path is the empty path: no file.
  EXPECT_EQ(callClass(kGraphicFile, "loadImage(Ljava/lang/String;[I)I", {}, {0, status}).value, 0u);
  EXPECT_EQ(vmhost::intArray(status)[0], OS_GX_IMAGE_FILE_MISSING);
  EXPECT_EQ(traceWith("osGX"), (std::vector<std::string>{"osGXloadImage(\"\") -> 0 {1}"}));
  // Without a status array nothing is loaded.
  EXPECT_EQ(load(path, 0).value, 0u);
  EXPECT_EQ(gdihost::imageCount(), 1);
}

TEST_F(ImagesTest, EachClassRegistersItsImageNativesInOrder) {
  std::vector<std::string> registered;
  for (const vmhost::NativeRecord& native : vmhost::natives()) {
    if (native.classPath == kGraphicFile || native.classPath == kScreenCapture)
      registered.push_back(native.classPath + " " + native.nameAndSignature);
  }
  EXPECT_EQ(registered, (std::vector<std::string>{
                            "gpclasses/graphics/CgpGraphicFile draw(I)V",
                            "gpclasses/graphics/CgpGraphicFile createImage(IIIII[I)I",
                            "gpclasses/graphics/CgpGraphicFile loadImage(Ljava/lang/String;[I)I",
                            "gpclasses/graphics/CgpGraphicFile unloadImage(I)V",
                            "gpclasses/graphics/CgpScreenCapture createImage(IIIII)I"}));
}

}  // namespace
