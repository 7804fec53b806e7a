#include "toolkit/surface.h"

JSurface MainSurface;

JPanel* CreatePanel(JSurface* surface, void* owner, JPanel* panel, os::ModuleHandle instance) {
  panel->surface = surface;
  surface->instance = instance;
  surface->elementCount = 0;
  surface->owner = owner;
  surface->background = nullptr;
  surface->windowDC = nullptr;
  surface->bufferDC = nullptr;
  panel->bufferBitmap = nullptr;
  return panel;
}

bool RegisterElement(JSurface* surface, JElement* element) {
  if (surface->elementCount < 0 || surface->elementCount >= kSurfaceElementCapacity) return false;
  surface->elements[surface->elementCount] = element;
  ++surface->elementCount;
  return true;
}
