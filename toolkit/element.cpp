#include "toolkit/element.h"

#include "common/bounded_text.h"
#include "toolkit/surface.h"

JElement::JElement(JSurface* surface_, const char* hint)
    : inputEnabled(1), visible(1), erased(0), hintShown(0), notifyCode(0), surface(surface_) {
  RegisterElement(surface, this);
  CopyText(hintText, hint != nullptr ? hint : "");
}
