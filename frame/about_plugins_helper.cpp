// The family About submenu and the about box, each with the suite it needs acquired for
// the duration of the call only.
#include "frame/about_plugins_helper.h"

#include <cstring>

#include "frame/suites.h"

namespace {

// A suite acquired through the message's basic suite and released on every way out.
template <class Suite>
class ScopedSuite {
  public:
    ScopedSuite(SPBasicSuite* basic, const char* name, ASInt32 version)
        : basic_(basic), name_(name), version_(version) {
        const void* suite = nullptr;
        error_ = basic_ != nullptr ? basic_->AcquireSuite(name, version, &suite) : kInvalidStateErr;
        if (error_ == kNoErr && suite == nullptr) error_ = kSuiteNotFoundErr;
        if (error_ == kNoErr) suite_ = static_cast<const Suite*>(suite);
    }
    ~ScopedSuite() {
        if (suite_ != nullptr) basic_->ReleaseSuite(name_, version_);
    }
    ScopedSuite(const ScopedSuite&) = delete;
    ScopedSuite& operator=(const ScopedSuite&) = delete;

    ASErr error() const { return error_; }
    const Suite* operator->() const { return suite_; }
    const Suite& operator*() const { return *suite_; }

  private:
    SPBasicSuite* basic_;
    const char* name_;
    ASInt32 version_;
    ASErr error_ = kNoErr;
    const Suite* suite_ = nullptr;
};

ASErr findMenuGroup(const AIMenuSuite& menu, const char* name, bool* exists) {
    *exists = false;
    ASInt32 count = 0;
    if (ASErr error = menu.CountMenuGroups(&count); error != kNoErr) return error;
    for (ASInt32 n = 0; n < count; ++n) {
        AIMenuGroup group = nullptr;
        const char* groupName = nullptr;
        if (ASErr error = menu.GetNthMenuGroup(n, &group); error != kNoErr) return error;
        if (ASErr error = menu.GetMenuGroupName(group, &groupName); error != kNoErr) return error;
        if (groupName != nullptr && std::strcmp(groupName, name) == 0) {
            *exists = true;
            return kNoErr;
        }
    }
    return kNoErr;
}

}  // namespace

ASErr SDKAboutPluginsHelper::AddAboutPluginsMenuItem(SPInterfaceMessage* message, const char* menuGroupName,
                                                     const ai::UnicodeString& familyEntryText,
                                                     const char* itemText, AIMenuItemHandle* menuItem) {
    ScopedSuite<AIMenuSuite> menu(message->d.basic, kAIMenuSuite,
                                  kAIMenuSuiteVersion + kAISuiteVersionOffset);
    if (menu.error() != kNoErr) return menu.error();
    SPPluginRef self = message->d.self;

    bool exists = false;
    if (ASErr error = findMenuGroup(*menu, menuGroupName, &exists); error != kNoErr) return error;

    if (!exists) {
        AIPlatformAddMenuItemDataUS entry{kAboutMenuGroup, familyEntryText.as_ASUnicode()};
        AIMenuItemHandle entryItem = nullptr;
        if (ASErr error = menu->AddMenuItem(self, nullptr, &entry, 0, &entryItem); error != kNoErr)
            return error;
        AIMenuGroup group = nullptr;
        if (ASErr error = menu->AddMenuGroupAsSubMenu(menuGroupName, 1, entryItem, &group); error != kNoErr)
            return error;
    }

    const ai::UnicodeString item(itemText);
    AIPlatformAddMenuItemDataUS itemData{menuGroupName, item.as_ASUnicode()};
    AIMenuItemHandle added = nullptr;
    if (ASErr error = menu->AddMenuItem(self, nullptr, &itemData, 0, &added); error != kNoErr) return error;
    *menuItem = added;
    return kNoErr;
}

void SDKAboutPluginsHelper::PopAboutBox(AIMenuMessage* message, const char* caption, const char* text) {
    if (fADMBasic != nullptr) {
        fADMBasic->ShowModalMessage(caption, text);
        return;
    }
    ScopedSuite<ADMBasicSuite> basic(message->d.basic, kADMBasicSuite, kADMBasicSuiteVersion);
    if (basic.error() != kNoErr) return;
    basic->ShowModalMessage(caption, text);
}
