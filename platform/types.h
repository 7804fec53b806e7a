// Plain types through which the installer talks to the operating system. Handles are opaque
// pointers; the Windows layer converts them to and from its own handle types.
#pragma once
#include <cstdint>

namespace os {

using ModuleHandle = struct OsModule*;
using WindowHandle = struct OsWindow*;
using MutexHandle = struct OsMutex*;
using DcHandle = struct OsDc*;
using BitmapHandle = struct OsBitmap*;
using FontHandle = struct OsFont*;
using CursorHandle = struct OsCursor*;

// A rectangle in pixels, laid out as the platform's own (left, top, right, bottom).
struct Rect {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
};

// What a paint cycle needs of the platform's paint record: the update rectangle. The Windows
// layer keeps its own record in `opaque` between the begin and the end of the cycle.
struct PaintInfo {
  DcHandle dc;
  Rect rcPaint;
  alignas(8) unsigned char opaque[80];
};

// Result codes of the platform calls the installer looks at.
constexpr uint32_t kErrorSuccess = 0;
constexpr uint32_t kErrorFileNotFound = 2;
constexpr uint32_t kErrorAlreadyExists = 183;

}  // namespace os
