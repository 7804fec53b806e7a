// The abstract base of every element of the skinned window: its flags, its hint and its
// notification code, and the virtual operations the surface's paint cycle and dispatch call.
#pragma once
#include <cstdint>
#include "platform/types.h"

struct JSurface;

constexpr int kHintTextSize = 212;

class JElement {
 public:
  // Registers the element with surface and copies the hint (null means none).
  JElement(JSurface* surface, const char* hintText);

  // Handles one mouse message; nonzero when the element took it.
  virtual int OnMouse(os::WindowHandle window, uint32_t message, uintptr_t wParam,
                      intptr_t lParam) = 0;
  virtual void Draw(os::DcHandle dc) = 0;
  virtual int Reserved1() { return 0; }
  virtual int GetValue() { return 0; }
  virtual int Reserved2() { return 0; }
  virtual int Reserved3() { return 0; }
  virtual void SetValue(int) {}
  virtual ~JElement() {}

  char hintText[kHintTextSize];
  int32_t inputEnabled;
  int32_t visible;
  int32_t erased;
  int32_t hintShown;
  int32_t notifyCode;
  JSurface* surface;
};
