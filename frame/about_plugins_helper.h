// SDKAboutPluginsHelper: the About entry shared by a family of plug-ins (one submenu of the
// host's About menu, one item per plug-in) and the about box behind it.
#ifndef QT_FRAME_ABOUTPLUGINSHELPER_H
#define QT_FRAME_ABOUTPLUGINSHELPER_H

#include "frame/unicode_string.h"
#include "sdk/quen_tarb_sdk.h"

class SDKAboutPluginsHelper {
  public:
    // Adds `itemText` to the family's menu group, creating the group (and its entry in the
    // About menu) unless another plug-in of the family already did.
    ASErr AddAboutPluginsMenuItem(SPInterfaceMessage* message, const char* menuGroupName,
                                  const ai::UnicodeString& familyEntryText, const char* itemText,
                                  AIMenuItemHandle* menuItem);
    // A modal message box; shows nothing when the ADM Basic suite cannot be had.
    void PopAboutBox(AIMenuMessage* message, const char* caption, const char* text);

  private:
    const ADMBasicSuite* fADMBasic = nullptr;
};

#endif
