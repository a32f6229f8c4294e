// Texts and resource numbers of this build. The Mac build has texts of its own; Windows and
// every other build use the Windows texts.
#ifndef QT_FRAME_PLUGINTEXTS_H
#define QT_FRAME_PLUGINTEXTS_H

#include "sdk/quen_tarb_sdk.h"

namespace texts {

constexpr const char* kPluginName = "ZU41_QuenTarb";

#if defined(__APPLE__)
constexpr const char* kFamilyMenuGroupName = "MorveshSoftwareLtdPlugins";
constexpr const char* kFamilyMenuEntry = "About Pellams Vector Plug-in";
constexpr ASInt32 kOptionsDialogID = 16100;
constexpr ASInt32 kOptionsDialogStyle = kADMFloatingDialogStyle;
#else
constexpr const char* kFamilyMenuGroupName = "MorveshSoftwareLtd";
constexpr const char* kFamilyMenuEntry = "About Morvesh Software Plug-ins";
constexpr ASInt32 kOptionsDialogID = 16201;
constexpr ASInt32 kOptionsDialogStyle = kADMTabbedFloatingDialogStyle;
#endif

constexpr const char* kAboutMenuItem = "ZU41_QuenTarb...";
constexpr const char* kAboutBoxCaption = "About ZU41_QuenTarb";
// Four lines: the maker, the maker's address, a notice and an empty line.
constexpr const char* kAboutBoxText =
    "ZU41_QuenTarb is made by Morvesh Software Ltd.\n"
    "www.morvesh-software.example\n"
    "Version 14.0. All rights reserved.\n";

constexpr const char* kOptionsDialogName = kQuenTarbPaletteName;

// Resources.
constexpr ASInt32 kToolTitleStrings = 16100;  // entry 1: the tool's title and tooltip
constexpr ASInt32 kToolIcons = 16050;         // entries 1 and 2: the tool's icons
constexpr ASInt32 kToolCursor = 16001;

}  // namespace texts

#endif
