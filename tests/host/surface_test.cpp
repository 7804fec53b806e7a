// The drawing surface, the panel and element registration.
#include "toolkit/surface.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "toolkit/element.h"

namespace {

class CountingElement : public JElement {
 public:
  using JElement::JElement;
  int OnMouse(os::WindowHandle, uint32_t, uintptr_t, intptr_t) override { return 0; }
  void Draw(os::DcHandle) override {}
};

TEST(SurfaceTest, CreatePanelLeavesAnEmptySurfaceBoundToTheModule) {
  JSurface surface{};
  surface.elementCount = 7;  // left over from nothing in particular: CreatePanel clears it
  surface.windowDC = reinterpret_cast<os::DcHandle>(1);
  surface.bufferDC = reinterpret_cast<os::DcHandle>(2);
  surface.background = reinterpret_cast<JImage*>(3);
  JPanel panel{};
  panel.bufferBitmap = reinterpret_cast<os::BitmapHandle>(4);
  auto module = reinterpret_cast<os::ModuleHandle>(0x400000);

  EXPECT_EQ(CreatePanel(&surface, nullptr, &panel, module), &panel);
  EXPECT_EQ(panel.surface, &surface);
  EXPECT_EQ(surface.instance, module);
  EXPECT_EQ(surface.elementCount, 0);
  EXPECT_EQ(surface.owner, nullptr);
  EXPECT_EQ(surface.windowDC, nullptr);
  EXPECT_EQ(surface.bufferDC, nullptr);
  EXPECT_EQ(surface.background, nullptr);
  EXPECT_EQ(surface.window, nullptr);
  EXPECT_EQ(panel.bufferBitmap, nullptr);
}

TEST(SurfaceTest, ElementsRegisterInConstructionOrderWithTheirDefaults) {
  JSurface surface{};
  std::vector<std::unique_ptr<CountingElement>> made;
  for (int n = 1; n <= 8; ++n) {
    made.push_back(std::make_unique<CountingElement>(&surface, n == 4 ? nullptr : "hint"));
    EXPECT_EQ(surface.elementCount, n);
    EXPECT_EQ(surface.elements[n - 1], made.back().get());
  }
  const CountingElement& e = *made[0];
  EXPECT_EQ(e.surface, &surface);
  EXPECT_EQ(e.visible, 1);
  EXPECT_EQ(e.inputEnabled, 1);
  EXPECT_EQ(e.erased, 0);
  EXPECT_EQ(e.hintShown, 0);
  EXPECT_EQ(e.notifyCode, 0);
  EXPECT_STREQ(e.hintText, "hint");
  EXPECT_STREQ(made[3]->hintText, "");  // no hint given
  EXPECT_EQ(made[0]->GetValue(), 0);
}

TEST(SurfaceTest, RegistrationStopsAtTheListsRoom) {
  JSurface surface{};
  std::vector<std::unique_ptr<CountingElement>> made;
  for (int n = 0; n < kSurfaceElementCapacity + 3; ++n) {
    made.push_back(std::make_unique<CountingElement>(&surface, nullptr));
  }
  EXPECT_EQ(surface.elementCount, kSurfaceElementCapacity);
  EXPECT_EQ(surface.elements[kSurfaceElementCapacity - 1], made[kSurfaceElementCapacity - 1].get());
}

TEST(SurfaceTest, OverlongHintIsCutToItsBuffer) {
  JSurface surface{};
  std::string longHint(500, 'h');
  CountingElement e(&surface, longHint.c_str());
  EXPECT_EQ(std::string(e.hintText), std::string(kHintTextSize - 1, 'h'));
}

}  // namespace
