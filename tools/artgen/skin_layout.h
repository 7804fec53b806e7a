// Where the installer's window puts things over the skin (600 by 320 background). The art is
// drawn around these places: text that the program writes lands on calm areas, and the soft
// edges of the button art are blended over the skin at the place where the button sits.
#pragma once

namespace art {

constexpr int kSkinWidth = 600;
constexpr int kSkinHeight = 320;
// The completion picture covers the window above the footer's buttons and status line.
constexpr int kCompletionHeight = 298;

struct Place {
  int x, y;
};

constexpr Place kClosePlace = {537, 299};
constexpr Place kInstallPlace = {475, 299};
constexpr Place kFinishPlace = {535, 299};
constexpr Place kBadge32Place = {480, 236};
constexpr Place kBadge64Place = {510, 236};
constexpr Place kSelectorPlace = {420, 100};
constexpr Place kSelectorLabelPlace = {440, 100};  // black text
constexpr Place kLinkPlace = {458, 20};            // blue, underlined text
constexpr Place kPromptPlace = {20, 238};          // black text
constexpr Place kStatusPlace = {20, 301};          // white hint text

// The folder drop-down list (a real control) and the groove the skin draws around it.
constexpr int kListLeft = 16, kListTop = 260, kListWidth = 565, kListHeight = 21;

// The dark footer band behind the buttons and the status line.
constexpr int kFooterTop = 294;

constexpr int kSelectorFrame = 13;  // the tick-box strip's frames are 13 by 13

}  // namespace art
