// The drawing surface of the main window and the panel that binds it to the paint cycle.
#pragma once
#include <cstdint>
#include "platform/types.h"

struct JImage;
class JElement;

constexpr int kSurfaceElementCapacity = 150;

// The one drawing context of the main window: its window, device contexts, background and the
// elements registered with it, in registration order (the order of drawing and of dispatch).
struct JSurface {
  int32_t elementCount;
  os::ModuleHandle instance;
  os::WindowHandle window;
  os::DcHandle windowDC;  // set only while a paint cycle, a dispatch or the start-up runs
  os::DcHandle bufferDC;
  JImage* background;
  JElement* elements[kSurfaceElementCapacity];
  os::Rect statusRect;
  void* owner;  // always null: the panel is created without an owning host
};

// Binds the surface to the dialog's paint cycle: the paint record and the back buffer.
struct JPanel {
  JSurface* surface;
  os::PaintInfo paint;
  os::Rect bounds;
  os::BitmapHandle bufferBitmap;
};

// The main window's surface; all fields zero at program start.
extern JSurface MainSurface;

// Sets up panel on surface for the module instance: empty element list, no window, device
// contexts, background or back buffer yet. Returns panel.
JPanel* CreatePanel(JSurface* surface, void* owner, JPanel* panel, os::ModuleHandle instance);

// Appends element to the surface's list. A registration beyond the list's room is refused
// (returns false) so that a runaway caller cannot write past the table.
bool RegisterElement(JSurface* surface, JElement* element);
